// Dribbling: the ball pushed a few metres ahead towards the target, and the
// agent after it.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

int CBehaviours::CleverDribbleTo(CVector target, float speed, float tolerance)
{
  m_DribbleTarget = target;
  m_DribbleSpeed = speed;
  m_DribbleTolerance = tolerance;
  const CBall *ball = M2BReadBall();
  if (!ball || !ball->GetPositionValid() || AtPos(target, tolerance))
    return 0;
  const CVector me = GetGPos();
  const CVector at = ball->GetGPos();
  if (me.dist(at) >= m_Kickable)
    return MoveToPos(at, static_cast<float>(m_MaxPower));
  // The ball is pushed no farther than the agent can follow in a few
  // cycles, so that it stays his.
  const float step = std::fmin(m_DribbleBallDist * 4, at.dist(target));
  const CVector spot = PointInBetween(at, target, step);
  float kick = Point2KickVelocity(spot, 0);
  if (speed > 0 && kick > speed)
    kick = speed;
  return KickBall(spot, kick);
}
