// With the ball in their third: score. A shot from close in, a cross from
// the wing by their goal line, a ball behind their line, a run at goal, a
// pass to a team-mate better placed, and a shot when nothing else is on.

#include <cmath>

#include "CBehaviours.h"

int CBehaviours::FWZWithBall()
{
  const CVector me = GetGPos();
  const CVector goal(m_PitchLength / 2, 0);
  const float toGoal = me.dist(goal);
  if (toGoal < m_GoodShotDistance && ShootToGoal())
    return 1;
  if (ShouldICross() && CrossBall())
    return 1;
  const bool pressed = NumFoesWithin(m_FeelDistance) > 0;
  // In range with the way to goal clear enough.
  if (toGoal < m_ShotDistance && NumFoesWithin(toGoal / 2, PointInBetween(me, goal, toGoal / 2)) <= 1 &&
      ShootToGoal())
    return 1;
  if (BeatTheOffsideLine())
    return 1;
  if (!pressed || CanKeepBall(CanKeepBallCyclesForThisZone()))
  {
    // Out wide near their line the run goes to where a cross is made from;
    // otherwise at goal.
    const CVector target = ShouldIMoveToCross()
                               ? CVector(m_PitchLength / 2 - m_ShouldCrossBaselineBuffer, me.GetY())
                               : CVector(m_PitchLength / 2 - m_GoalAreaLength, me.GetY() * 0.5f);
    if (RunWithBall(target))
      return 1;
  }
  if (const CPlayer *mate = ChooseReceiver(m_FeelDistance))
    if (mate->GetGPos().dist(goal) < toGoal && PassBall(mate))
      return 1;
  return ShootToGoal();
}
