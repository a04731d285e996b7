#ifndef GK_H
#define GK_H

#include "CVector.h"

// How the goalkeeper moves to a point: keeping the ball in sight, even if
// that means stepping backwards or sideways, or as fast as it can, turning
// its back on the ball if need be.
enum SightVSpeed : int
{
  SVS_SIGHT = 0,
  SVS_SPEED = 1
};

// The goalkeeper's state between cycles.
struct GOALIESTATE
{
  // Holding the ball after a catch: since when, for how many cycles, and
  // whether the one move with it has been made.
  bool has_ball = false;
  bool moved_with_ball = false;
  int catch_time = -999;
  int wait_counter = 1;
  // The cycle of its own last catch; the server bans the next.
  int last_catch_cycle = -999;
  // Which side last had the ball at its feet (a team-mate's kick to the
  // goalkeeper may not be caught).
  int last_touch = 0;
  // The cycle's interception: when worked out, in how many cycles, where.
  int int_time = -999;
  int int_cycles = 0;
  CVector int_point;
  // The place it last wanted, and the danger reading of one cycle.
  CVector last_desired;
  int danger_time = -999;
  bool danger = false;
};

#endif
