#ifndef CTOUCHGATE_H
#define CTOUCHGATE_H

#include "ActionQueue.h"

class CBehaviours;

// The brain's touch gate (TouchGate), one object per brain: the set-play
// kicker's dash stops short of the ball, a kick let through in our set
// play is noted as its taker's touch, a kick at a ball not surely in reach
// becomes a step to it, and a kick held back for another player at a still
// ball goes after a few cycles. Defined in TouchGate.cpp.
class CTouchGate
{
public:
  explicit CTouchGate(CBehaviours &brain);

  // What goes into the bundle for a kick or a dash a behaviour decided on.
  int Let(CMDType kind, float power, float direction);

private:
  float SetPlayDashPower(float power);
  int SetPlayKick(float power, float direction);
  int StepToBallInsteadOfKick();
  bool StandOffOver();

  CBehaviours &m_Brain;
  // The cycles of a kick held back for another player at the ball: the
  // first and the latest.
  int m_StandOffSince = -999;
  int m_StandOffLast = -999;
};

#endif
