#ifndef CKICKPLANNER_H
#define CKICKPLANNER_H

#include "ActionQueue.h"
#include "CVector.h"
#include "SkillRecords.h"
#include "SkillTypes.h"

class CBehaviours;

// The planning under the brain's kicks: a kick laid over several cycles
// (the hard kick, the hard spin kick) and what it carries from one cycle
// to the next, the kick that adds a push to the ball, the spin kick's
// steps, and whether a path of the ball crosses the body. The kicks the
// brain answers by name stay its own and call in here; the plan under way
// is the brain's kicking record (SkillRecords.h). Defined in Kick.cpp and
// Spin.cpp.
class CKickPlanner
{
public:
  explicit CKickPlanner(CBehaviours &brain);

  // The kick that adds this to the ball's velocity, as hard as allowed.
  ACTIONQUEUE KickForPush(CVector push);
  bool PathCrossesBody(CVector from, CVector to, float radius) const;
  float DashHelpReach(float dir, float power);
  // The most speed towards dir that a kick now, or one after a laying
  // kick or (when the kick is to reach speed) a dash, can give; and what to
  // do this cycle for it (no spot and no dash: kick now).
  float HardKickReach(float dir, float speed, CVector *spot, float *dashPower);
  // Whether the plan of the last cycle still holds for a kick towards dir.
  bool CarryKickPlan(float dir);
  void PlanKick(KICKMODE mode, float dir, float speed, CVector ball);
  // One touch laying the ball at spot, the kick after it straight towards
  // dir as hard as it then goes: carried on next cycle as a plan.
  int LayThenKick(float dir, float speed, CVector spot);
  // The plan's last kick, straight and at once.
  int FinalKick(float dir, float speed);
  bool ShotNeedsHaste(float dir);
  ACTIONQUEUE SpinKickQueue(float radius, float dir, ROTDIR rot, float inner, float straight,
                            int *code);

private:
  CBehaviours &m_Brain;
  // The brain's record of the kick under way.
  KICKSTATE &m_Kicking;
};

#endif
