// Tackling their ball carrier: a player next to an opponent who has the
// ball at his feet, the ball in front of his own body, pushes it away along
// his body. Seen in matches: our presser ran alongside the dribbler, a
// metre or two from the ball, turning about after it cycle after cycle,
// and never once took it off him; their side won the ball from us so.

#include "Tackling.h"

#include <cmath>

#include <vector>

#include "CBall.h"
#include "CBehaviours.h"
#include "LongBallLane.h"

namespace
{
// The server's tackle: two metres in front, a metre and a quarter to the
// side, odds falling off with the sixth power.
const TackleReach kReach{2.0f, 1.25f, 6.0f};
// A tackle, taken or missed, leaves the tackler standing for this many
// cycles: worth it only when it rarely misses.
const float kMostMissChance = 0.2f;
const int kTackleFreeze = 10;
// A tackle waits until their man has the ball this far inside his reach:
// one at its edge he may be about to lose, and our man stands for the
// cycles after a tackle. Tackling at the edge as well, ours nearly doubled
// their tackles and gained nothing by it, not even fewer goals against.
const float kCarrierInside = 0.3f;
// A tackle's push along the body, at full power.
const float kTacklePower = 100;
// Near our goal a ball pushed towards it, or past its posts by less than
// this, is a shot on our own goal.
const float kOwnGoalZone = 35;
const float kPostMargin = 3;
// The server's share of a tackle's power that goes into the ball.
const float kTacklePowerRate = 0.027f;
// Nearer our goal than this a tackle is taken wherever the ball goes: the
// carrier there is a shot away, and the ball pushed off is a clearance.
// Further out, a tackle that sends the ball first to one of theirs, or off
// the pitch to their throw, only hands it on, and the tackler stands for
// the cycles after it: seen in matches, three tackles in four gave the
// ball to their side, most of them rolling along our tackler's body
// straight to their next man.
const float kClearAnywhereZone = 30;
// A ball their man gets to this near the tackle is handed on to him; one
// that rolls on further has at least won the ground.
const float kHandedOnDist = 20;
}

float TackleMissChance(CVector ballInBody, const TackleReach &reach)
{
  if (ballInBody.GetX() <= 0)
    return 1;
  const float chance = std::pow(ballInBody.GetX() / reach.ahead, reach.exponent) +
                       std::pow(std::fabs(ballInBody.GetY()) / reach.side, reach.exponent);
  return std::fmin(chance, 1.0f);
}

CVector TacklePushVelocity(CVector ballInBody, CVector ballVelocity, float facing,
                           const TacklePush &push)
{
  const float off = std::fabs(ballInBody.GetDir());
  const float strength = push.power * push.powerRate * (1 - 0.5f * off / 180);
  CVector velocity = ballVelocity + Polar2CVector(strength, facing);
  if (velocity.GetMag() > push.ballSpeedMax)
    velocity = velocity.SetLength(push.ballSpeedMax);
  return velocity;
}

bool CBehaviours::TackleFeedsThem(CVector ballAt, CVector ballInBody)
{
  const CBall *ball = M2BReadBall();
  const CVector motion = ball->GetVelocityValid() ? ball->GetVelocity() : CVector(0, 0);
  const CVector velocity = TacklePushVelocity(
      ballInBody, motion, GetBFacing(), TacklePush{kTacklePower, kTacklePowerRate, m_BallSpeedMax});
  const float speed = velocity.GetMag();
  if (speed <= m_Epsilon)
    return true;
  // The tackler himself stands after it: only the others run for the ball.
  std::vector<LaneRunner> runners;
  const CPlayer *goalie = TheirGoalie();
  for (int i = 0; i < 11; i++)
    if (const CPlayer *o = GetAValidFoe(i))
    {
      // Their keeper catches only inside his area.
      const bool keeper = (o == goalie || o->GetIsGoalie()) &&
                          o->GetGX() > m_PitchLength / 2 - m_PenaltyAreaLength;
      runners.push_back(
          LaneRunner{o->GetGPos(), keeper ? std::fmax(m_Kickable, m_CatchRadius) : m_Kickable,
                     false, o->GetUNum()});
    }
  for (int i = 0; i < 11; i++)
    if (const CPlayer *mate = GetAValidFriend(i))
      if (mate->GetUNum() != GetUNum())
        runners.push_back(LaneRunner{mate->GetGPos(), m_Kickable, true, mate->GetUNum()});
  LaneRoll roll;
  roll.ballDecay = m_BallDecay;
  roll.playerSpeedMax = m_PlayerSpeedMax;
  roll.halfLength = m_PitchLength / 2;
  roll.halfWidth = m_PitchWidth / 2;
  const LaneEnd end = RollToFirstTouch(ballAt, ballAt + velocity, speed, runners, roll);
  if (std::fabs(end.where.GetX()) > roll.halfLength || std::fabs(end.where.GetY()) > roll.halfWidth)
    return true;
  return end.reached && !end.ours && end.where.dist(ballAt) < kHandedOnDist;
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
  const CPlayer *foe = GetClosestValidFoe2Ball(0);
  if (!foe || !BallKickableForPlayer(foe, kCarrierInside))
    return false;
  // A ball of my own is kicked, not tackled. One he has at his feet as
  // well and not surely in my reach is not: the kick at it waits for a
  // sighting, and he plays it meanwhile (seen in matches: our defender
  // stood with their winger's ball half a metre off his foot, turned to it
  // instead, and the winger passed it back for a goal).
  if (BallKickableForPlayer(nullptr, 0) && BallSurelyInReach())
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
  if (at.dist(goal) >= kClearAnywhereZone && TackleFeedsThem(at, inBody))
    return false;
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
