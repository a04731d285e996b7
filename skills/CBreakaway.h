#ifndef CBREAKAWAY_H
#define CBREAKAWAY_H

#include "CVector.h"
#include "SkillRecords.h"
#include "SkillTypes.h"

class CBehaviours;

// The workings of our breakaways for one brain: whether the way to a goal
// is free, which side of their goalkeeper to run, how far to kick the ball
// ahead and at which angle, and one cycle of the run. The breakaway rules
// the brain answers by name stay its own and call in here; the targets
// kept between cycles are the brain's breakaway record (SkillRecords.h).
// Defined in BreakAway.cpp.
class CBreakaway
{
public:
  explicit CBreakaway(CBehaviours &brain);

  // Whether the agent, the ball at his feet, has nobody but their
  // goalkeeper between him and a goal point.
  bool OurBreakawayFrom(CVector goal);
  // The side of the pitch to run down, at these coordinates.
  CVector ApproachSide(float x, float y);
  int KickRunCycles(CVector target);
  // Where the ball kicked ahead in a direction is met, cycles on.
  CVector KickRunSpot(float dir, int cycles);
  float EvaluateKickRunAngle(float dir, int cycles, CVector target);
  // Whether a target chosen earlier is still the one to head for: for
  // breakaway_targ_valid_time cycles from its choice.
  bool BreakawayTargetHolds(const BREAKAWAYTARGET &kept) const;
  int PlayBreakawayDown(bool side);

private:
  // How crowded by opponents a point is: their inverse squared distances
  // from it, summed.
  float Congestion(CVector point);
  int KickAndRun(CVector target, int cycles, bool side);

  CBehaviours &m_Brain;
};

#endif
