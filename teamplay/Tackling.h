#ifndef TACKLING_H
#define TACKLING_H

#include "CVector.h"

// The server's reach of a tackle: the ball up to this far in front of the
// body, this far to either side; the odds fall off with this power.
struct TackleReach
{
  float ahead;
  float side;
  float exponent;
};

// The chance that a tackle misses the ball, with the ball at this place in
// the body's frame (x along the body, y to its left); 1 when it surely
// misses (the ball level with the body or behind it).
float TackleMissChance(CVector ballInBody, const TackleReach &reach);

#endif
