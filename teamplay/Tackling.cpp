// Tackling their ball carrier: a player next to an opponent who has the
// ball at his feet, the ball in front of his own body, pushes it away along
// his body. Seen in matches: our presser ran alongside the dribbler, a
// metre or two from the ball, turning about after it cycle after cycle,
// and never once took it off him; their side won the ball from us so.

#include "Tackling.h"

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// The server's tackle: two metres in front, a metre and a quarter to the
// side, odds falling off with the sixth power.
const TackleReach kReach{2.0f, 1.25f, 6.0f};
// A tackle, taken or missed, leaves the tackler standing for this many
// cycles: worth it only when it rarely misses.
const float kMostMissChance = 0.2f;
const int kTackleFreeze = 10;
// An opponent whose ball is this little beyond his reach still has it.
const float kCarrierSlack = 0.3f;
// A tackle's push along the body, at full power.
const float kTacklePower = 100;
// Near our goal a ball pushed towards it, or past its posts by less than
// this, is a shot on our own goal.
const float kOwnGoalZone = 35;
const float kPostMargin = 3;
}

float TackleMissChance(CVector ballInBody, const TackleReach &reach)
{
  if (ballInBody.GetX() <= 0)
    return 1;
  const float chance = std::pow(ballInBody.GetX() / reach.ahead, reach.exponent) +
                       std::pow(std::fabs(ballInBody.GetY()) / reach.side, reach.exponent);
  return std::fmin(chance, 1.0f);
}

bool CBehaviours::ShouldITackle()
{
  const int now = GetTime();
  if (CurrentPlayMode() != PM_PLAY_ON || now - m_LastTackleTime <= kTackleFreeze)
    return false;
  const CBall *ball = M2BReadBall();
  // Where the ball is must be known to within its size: seen this cycle
  // or the last.
  if (!BallPositionValid() || ball->GetTime() < now - 1)
    return false;
  // A ball of my own is kicked, not tackled.
  if (BallKickableForPlayer(nullptr, 0))
    return false;
  const CPlayer *foe = GetClosestValidFoe2Ball(0);
  if (!foe || !BallKickableForPlayer(foe, kCarrierSlack))
    return false;
  const CVector at = ball->GetGPos();
  const CVector inBody = (at - GetGPos()).Rotate(-GetBFacing());
  if (TackleMissChance(inBody, kReach) > kMostMissChance)
    return false;
  // Pushed along the body: never into our goal or close past it.
  const CVector goal(-m_PitchLength / 2, 0);
  if (at.dist(goal) < kOwnGoalZone)
  {
    const CVector way = Polar2CVector(1, GetBFacing());
    if (way.GetX() < 0)
    {
      const float y = at.GetY() + way.GetY() * (at.GetX() - goal.GetX()) / -way.GetX();
      if (std::fabs(y) < m_GoalWidth / 2 + kPostMargin)
        return false;
    }
  }
  return true;
}

bool CBehaviours::HeldAfterTackle(int cycle) const
{
  return cycle > m_LastTackleTime && cycle - m_LastTackleTime <= kTackleFreeze;
}

int CBehaviours::TackleTheirBall()
{
  if (!ShouldITackle())
    return 0;
  m_LastTackleTime = GetTime();
  return Tackle(kTacklePower);
}
