// Passive interception: instead of chasing, the agent steps onto the ball's
// path and lets the ball come. The path is the stretch the rolling ball
// covers before it stops, leaves the pitch or the half ends; the point to
// wait at is the one of that stretch nearest the agent, or one straight
// ahead of its body when that is hardly farther.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CRay.h"
#include "CRectangle.h"
#include "Predict.h"

namespace
{
const int NEVER = Predict::MAX_CYCLES;
}

CVector CBehaviours::GetClosestPointToBallPath(CVector from, const CVector &ballPos,
                                               const CVector &ballVel, float facing,
                                               int *ballCycles)
{
  const float speed = ballVel.GetMag();
  if (ballCycles)
    *ballCycles = 0;
  if (!(speed > m_Epsilon) || !(m_BallDecay < 1))
    return ballPos;
  const CVector dir = ballVel / speed;
  // The path ends where the ball stops, where it leaves the pitch, and
  // where it would be when the half ends: no play after that.
  float length = speed / (1 - m_BallDecay);
  if (m_FieldCRectangle.IsWithin(ballPos))
  {
    const CVector out = m_FieldCRectangle.CRayIntersection(CRay(ballPos, ballVel));
    if (out.GetMag() >= 0)
      length = std::min(length, ballPos.dist(out));
  }
  if (m_HalfTimeCycles > 0)
  {
    const int left = m_HalfTimeCycles - GetTime() % m_HalfTimeCycles;
    length = std::min(length, SumGeomSeries(speed, m_BallDecay, left));
  }
  const float along = std::max(0.0f, std::min(length, (from - ballPos).GetX() * dir.GetX() +
                                                          (from - ballPos).GetY() * dir.GetY()));
  float best = along;
  // A point straight ahead of the body needs no turn; it is taken when it
  // is at most no_turn_max_dist_diff farther than the nearest.
  CVector ahead;
  if (CRay(from, facing).intersection(CRay(ballPos, ballVel), &ahead))
  {
    const float at = ballPos.dist(ahead);
    const CVector nearest = ballPos + dir * along;
    if (at <= length && from.dist(ahead) <= from.dist(nearest) + m_NoTurnMaxDistDiff)
      best = at;
  }
  if (ballCycles)
  {
    // Where the ball comes to rest it never quite arrives: there it counts
    // as come once within reach.
    float terms = SolveForLengthGeomSeries(speed, m_BallDecay, best);
    if (terms < 0)
      terms = SolveForLengthGeomSeries(speed, m_BallDecay, std::max(0.0f, best - m_Kickable));
    *ballCycles = terms < 0 ? NEVER : static_cast<int>(std::ceil(terms - m_Epsilon));
  }
  return ballPos + dir * best;
}

void CBehaviours::VerifyBPIInfo()
{
  const int now = GetTime();
  if (m_Bpitime == now)
    return;
  m_Bpitime = now;
  m_Bpivalid = 0;
  m_Bpiable = 0;
  m_Bpidist = 999;
  m_Bpiballcyc = NEVER;
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || !ball->GetVelocityValid() || !ball->IsMoving())
    return;
  const CVector me = GetGPos();
  int cycles = NEVER;
  m_Interception.path_point =
      GetClosestPointToBallPath(me, ball->GetGPos(), ball->GetVelocity(), GetBFacing(), &cycles);
  m_Bpidist = me.dist(m_Interception.path_point);
  m_Bpiballcyc = static_cast<float>(cycles);
  m_Bpivalid = 1;
  const int mine = PredictedCycles2Point(m_Interception.path_point, static_cast<float>(m_MaxPower), m_Kickable);
  m_Bpiable = mine <= cycles ? 1 : 0;
}

CVector CBehaviours::BallPathInterceptPoint()
{
  VerifyBPIInfo();
  if (m_Bpivalid)
    return m_Interception.path_point;
  // No path: the ball's own place is the only point to go to.
  const CBall *ball = M2BReadBall();
  return ball ? ball->GetGPos() : GetGPos();
}

int CBehaviours::BallPathInterceptAmIThere(float tolerance)
{
  VerifyBPIInfo();
  return m_Bpivalid && m_Bpiable && GetGPos().dist(m_Interception.path_point) <= tolerance ? 1 : 0;
}

int CBehaviours::BallPathInterceptCanIGetThere()
{
  VerifyBPIInfo();
  if (!m_Bpiable)
    return 0;
  // A point off the body's line costs a turn, in which the agent does not
  // close in: it wants a cycle more in hand.
  const float off = std::fabs(AngleToFromBody(m_Interception.path_point));
  const int mine = PredictedCycles2Point(m_Interception.path_point, static_cast<float>(m_MaxPower), m_Kickable);
  const int spare = off > m_MaxGoToPointAngleErr ? 1 : 0;
  return static_cast<float>(mine + spare) <= m_Bpiballcyc ? 1 : 0;
}

float CBehaviours::BallPathInterceptCyclesForBall()
{
  VerifyBPIInfo();
  return m_Bpiable ? m_Bpiballcyc : static_cast<float>(NEVER);
}

float CBehaviours::BallPathInterceptDistance()
{
  VerifyBPIInfo();
  return m_Bpiable ? m_Bpidist : static_cast<float>(NEVER);
}
