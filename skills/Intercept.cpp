// Interception: the cycle in which a player can first be at the ball. The
// ball is rolled on a cycle at a time and the player's run to each of its
// places is simulated; the first place the player reaches in time is where
// he meets it.

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"

namespace
{
// "Cannot be told" for a cycle count.
const int kNever = 999;
}

void CBehaviours::InitialiseInterception()
{
  m_InterceptionLookahead = -1;
  m_FastestFriendTime = 0;
  m_FastestFriend = nullptr;
  m_FastestFoeTime = 0;
  m_FastestFoe = nullptr;
}

void CBehaviours::SetInterceptionLookahead(int cycles)
{
  m_InterceptionLookahead = cycles;
}

int CBehaviours::NumOfCyclesToIntercept(const CPlayer *p, float power)
{
  const CBall *ball = M2BReadBall();
  if (!ball || !ball->GetPositionValid() || (p && !p->GetPositionValid()))
    return kNever;
  const int horizon = m_InterceptionLookahead > 0 ? m_InterceptionLookahead : m_MaxIntLookahead;
  for (int k = 0; k <= horizon; ++k)
  {
    const CVector at = BallPredPos(k);
    const int run = p ? PlayerPredictedCycles2Point(p, at, power, m_Kickable)
                      : PredictedCycles2Point(at, power, m_Kickable);
    if (run <= k)
      return k;
  }
  return kNever;
}

int CBehaviours::AbleToIntercept(const CPlayer *p, float power)
{
  return NumOfCyclesToIntercept(p, power) < kNever ? 1 : 0;
}

namespace
{
// A tired team-mate is reckoned to run only as fast as he recovers.
float RunPower(const CPlayer *p, char ownSide, float tiredPower, int maxPower)
{
  const bool tiredMate = p && p->GetIsTired() && p->GetSide() == ownSide;
  return tiredMate ? tiredPower : static_cast<float>(maxPower);
}
}

int CBehaviours::NumOfCyclesToIntercept(const CPlayer *p)
{
  return NumOfCyclesToIntercept(p, RunPower(p, GetSide(), m_StaminaIncMax, m_MaxPower));
}

int CBehaviours::AbleToIntercept(const CPlayer *p)
{
  return AbleToIntercept(p, RunPower(p, GetSide(), m_StaminaIncMax, m_MaxPower));
}

int CBehaviours::AmIAbleToIntercept(float power)
{
  return AbleToIntercept(nullptr, power);
}

int CBehaviours::AmIAbleToIntercept()
{
  return AmIAbleToIntercept(CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
}

int CBehaviours::MyNumOfCyclesToIntercept(float power)
{
  return NumOfCyclesToIntercept(nullptr, power);
}

int CBehaviours::MyNumOfCyclesToIntercept()
{
  return MyNumOfCyclesToIntercept(CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
}
