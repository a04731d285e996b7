#ifndef PREDICT_H
#define PREDICT_H

#include "CVector.h"

// What the brain's predictions share: the server's motion model for one
// body, and the mark of a position that cannot be told.
namespace Predict
{
// The share of its speed a ball or player keeps, turned round, when the
// two bump into each other.
constexpr float kBounceKept = 0.1f;

// A body as a prediction moves it: position, velocity and the heading of
// its dashes, and the agent's own stamina and effort.
struct Body
{
  CVector pos;
  CVector vel;
  float facing = 0;
  float stamina = 0;
  float effort = 1;
};

// One cycle of motion. The velocity, with the cycle's acceleration already
// added, is capped at speedMax, moves the body, and then decays.
inline void Step(CVector &pos, CVector &vel, float speedMax, float decay)
{
  if (vel.GetMag() > speedMax)
    vel = vel.SetLength(speedMax);
  pos += vel;
  vel *= decay;
}

// Stamina spent by a dash of this power (or by this acceleration): a dash
// backwards costs twice its size.
inline float DashCost(float power)
{
  return power >= 0 ? power : -2 * power;
}

// The world model's mark of a position it does not know: magnitude -1.
inline CVector Unknown()
{
  CVector unknown(1, 0);
  unknown.SetMag(-1);
  return unknown;
}

// Predicted cycle counts stop here: "more than can be told".
const int MAX_CYCLES = 999;
}

#endif
