// Where the agent meets the ball, and the point of the ball's path nearest
// to the agent with the cycles the ball and the agent need to get there.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CRay.h"

namespace
{
// "Cannot be told" for a cycle count.
const int NEVER = 999;
}

CVector CBehaviours::InterceptionPoint(const CPlayer *p, float power)
{
  return BallPredPos(NumOfCyclesToIntercept(p, power));
}

float CBehaviours::DashPowerToIntercept(const CPlayer *p, float power)
{
  // Nothing to run for when the ball is already within reach.
  return NumOfCyclesToIntercept(p, power) == 0 ? 0 : power;
}

void CBehaviours::VerifyBPIInfo()
{
  const int now = GetTime();
  if (m_Bpitime == now)
    return;
  m_Bpitime = now;
  m_Bpivalid = 0;
  m_Bpiable = 0;
  const CBall *ball = M2BReadBall();
  if (!ball || !ball->GetPositionValid() || !ball->GetVelocityValid() || !ball->IsMoving())
    return;
  const CVector me = GetGPos();
  const CVector from = ball->GetGPos();
  m_BPIPoint = CRay(from, ball->GetVelocity()).GetClosestPoint(me);
  m_Bpidist = me.dist(m_BPIPoint);
  // The cycles the ball needs to the point; one that stops short never
  // gets there.
  const float along = from.dist(m_BPIPoint);
  float speed = ball->GetVelocity().GetMag();
  float travelled = 0;
  int cycles = 0;
  while (travelled < along && cycles < NEVER)
  {
    travelled += speed;
    speed *= m_BallDecay;
    cycles++;
    if (speed < m_Epsilon && travelled < along)
      cycles = NEVER;
  }
  m_Bpiballcyc = static_cast<float>(cycles);
  m_Bpivalid = 1;
  m_Bpiable =
      PredictedCycles2Point(m_BPIPoint, static_cast<float>(m_MaxPower), m_Kickable) <= cycles ? 1
                                                                                               : 0;
}

int CBehaviours::BallPathInterceptAmIThere(float tolerance)
{
  VerifyBPIInfo();
  return m_Bpivalid && GetGPos().dist(m_BPIPoint) <= tolerance ? 1 : 0;
}
