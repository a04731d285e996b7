#ifndef SKILLTYPES_H
#define SKILLTYPES_H

// The way a spin kick turns the ball about the body.
typedef int ROTDIR;
enum : int
{
  ROTDIR_SHORTEST = 0,    // whichever way is shorter
  ROTDIR_POSITIVE = 1,    // towards larger body-relative angles
  ROTDIR_NEGATIVE = -1,   // towards smaller body-relative angles
  ROTDIR_AWAY = 11        // the way that keeps the ball from the nearest opponent
};

// The kinds of kick the kicking skill chooses among.
typedef int KICKMODE;
enum : int
{
  KICKMODE_STRAIGHT = 0,  // one kick where the ball lies
  KICKMODE_SPIN = 1       // the ball turned about the body first
};

// Results of an interception; 3 and 4 are successes.
typedef int INTERCEPTRES;
enum : int
{
  INTERCEPT_NONE = 0,
  INTERCEPT_FAILED = 1,
  INTERCEPT_TOO_LATE = 2,
  INTERCEPT_RUNNING = 3,
  INTERCEPT_DONE = 4
};

// Spin-kick results.
enum : int
{
  SPIN_NONE = 0,     // nothing queued: the ball is out of reach
  SPIN_KICKED = 1,   // a kick towards the wanted direction was queued
  SPIN_STOPPED = 2,  // a stopping kick was queued first
  SPIN_THERE = 3     // the ball already lies in the wanted direction
};

#endif
