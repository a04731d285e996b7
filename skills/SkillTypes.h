#ifndef SKILLTYPES_H
#define SKILLTYPES_H

#include "CVector.h"

// The way a spin kick turns the ball about the body.
typedef int ROTDIR;
enum : int
{
  ROTDIR_SHORTEST = 0,    // whichever way is shorter
  ROTDIR_POSITIVE = 1,    // towards larger body-relative angles
  ROTDIR_NEGATIVE = -1,   // towards smaller body-relative angles
  ROTDIR_AWAY = 11        // the way that keeps the ball from the nearest opponent
};

// The kinds of kick the kicking skill chooses among, from the quickest to
// the hardest.
typedef int KICKMODE;
enum : int
{
  KICKMODE_STRAIGHT = 0,  // one kick where the ball lies, as hard as it goes
  KICKMODE_SPIN = 1,      // the ball turned to the kick's side of the body, then kicked
  KICKMODE_HARD = 2,      // a kick laid first where the next one adds most
  KICKMODE_HARDSPIN = 3   // the ball brought round the body to hardest_kick_ball_ang
                          // from the kick's direction, then the hard kick
};

// A kick over several cycles, remembered from one cycle to the next: the
// plan holds only while the ball is where its last kick was to put it.
struct KICKPLAN
{
  int time = -999;        // the cycle of the plan's last kick; -999 when none
  int started = -999;     // the cycle of its first kick
  CVector ball;           // where that kick puts the ball in the next cycle
  float dir = 0;          // the final kick's direction on the pitch
  float speed = 0;        // the speed it is to give
  KICKMODE mode = KICKMODE_STRAIGHT;
  int kicks = 0;          // the kicks made so far
  bool spun = false;      // a hard spin kick has brought the ball round
};

// The last kick-and-run target of a breakaway, and when it was chosen.
struct BREAKAWAYTARGET
{
  int time = -999;
  bool valid = false;
  CVector target = CVector(52.5f, 0);
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
