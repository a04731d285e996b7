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

// How a tackle sends the ball: pushed along the body (`facing`, degrees)
// at `power` times `powerRate`, the less the further round the body the
// ball lies (half at its back), on top of the ball's own motion, and no
// faster than a ball may go. The ball's velocity after it.
struct TacklePush
{
  float power;
  float powerRate;
  float ballSpeedMax;
};
CVector TacklePushVelocity(CVector ballInBody, CVector ballVelocity, float facing,
                           const TacklePush &push);

#endif
