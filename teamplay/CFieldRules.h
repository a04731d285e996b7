#ifndef CFIELDRULES_H
#define CFIELDRULES_H

#include <functional>

#include "Records.h"

class CBehaviours;

// The field players' rules, for one brain: the list every role runs in its
// order and the rules of it that no other caller asks for (the half's end,
// the kick-off place, a plan, our set play, keeping clear of theirs, the
// ball at the foot, resting, standing ready). Each returns 1 once the
// cycle's main command is queued, else 0. The rules the brain answers by
// name (chasing, the pass under way, defending and attacking) stay the
// brain's. Defined in Player.cpp and OffTheBall.cpp.
class CFieldRules
{
public:
  explicit CFieldRules(CBehaviours &brain);

  // A field player's pass, the role's own rules in their order.
  void PlayInRole(PlayMode previous, PlayMode current, const std::function<bool()> &roleRules);
  int SayByeAtHalfEnd(PlayMode previous, PlayMode current);
  int TakeKickOffPlace(PlayMode current);
  int RunMyFixPlan();
  int TakeOurSetPlay();
  int KeepClearOfTheirKick();
  int PlayTheBall();
  int RechargeIfTired();
  int StandReady();

private:
  CBehaviours &m_Brain;
};

#endif
