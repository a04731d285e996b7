#ifndef CPASSUNDERWAY_H
#define CPASSUNDERWAY_H

class CBehaviours;

// Whether a pass of ours is still under way for one brain, and whether its
// receiver gets the ball. Announcing, hearing and ending a pass, and the
// rule that plays it, stay the brain's and call in here; the pass is the
// brain's passing record (SkillRecords.h). Defined in PassUnderWay.cpp.
class CPassUnderWay
{
public:
  explicit CPassUnderWay(CBehaviours &brain);

  // A pass not over, in play and still trusted: mob_conf_drop per cycle of
  // its age, as a heard object's confidence falls, down to mob_conf_thr.
  bool PassUnderWay() const;
  bool PassNewsTrusted(int age) const;
  // Whether the receiver of the pass under way gets to the ball, before
  // any opponent (one out of sight is trusted to) and, when the agent
  // passed it, before the agent.
  bool ReceiverTakesThePass();

private:
  CBehaviours &m_Brain;
};

#endif
