// Passing: the ball kicked to a team-mate so that it reaches him with the
// wanted speed.

#include "CBehaviours.h"

int CBehaviours::PassBall(const CPlayer *p, float speedAtTarget)
{
  if (!p || !p->GetPositionValid())
    return 0;
  const CVector target = p->GetGPos();
  return KickBall(target, Point2KickVelocity(target, speedAtTarget));
}
