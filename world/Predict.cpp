#include "Predict.h"

#include "PlayerInterface.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "CBall.h"
#include "CBehaviours.h"
#include "CGLine.h"
#include "CPlayer.h"
#include "Geometry.h"

using Predict::DashCost;
using Predict::MAX_CYCLES;
using Predict::Step;
using Predict::Unknown;

namespace
{
// How far an unseen ball may drift from where the model reckons it, each
// cycle since it was last seen (the kick's, the ball's and our own motion's
// noise together, as matches measured it).
const float kUnseenBallDrift = 0.12f;
// How many of the players nearest to us may have played a ball near us.
const int kOthersNearBall = 5;
// How far a bump (into the ball, or into a player) may have put the ball
// from where the model reckons it relative to us: in matches a ball
// reckoned within 0.6 m just after one was in reach by the server's truth
// 12 times in 13.
const float kBumpDoubt = 0.35f;
// How near the ball one of theirs plays it in his next cycle: within reach
// now, or a dash from it.
const float kTheirManAtTheBall = 1.5f;
}

CVector CBehaviours::BallPredPosAfterKick(int n, float power, float dir)
{
  const CBall *ball = M2BReadBall();
  if (!ball)
    return Unknown();
  CVector pos = ball->GetGPos();
  CVector vel(0, 0);
  // Without a trusted velocity a kick is not applied either: where the ball
  // would go is not known.
  if (ball->GetVelocityValid())
  {
    vel = ball->GetVelocity();
    // No kick, no need for the rate (whose computation records itself).
    if (power != 0)
      vel += Polar2CVector(CalcKickPowerRate() * power, dir + GetBFacing());
    if (vel.GetMag() > m_BallSpeedMax)
      vel = vel.SetLength(m_BallSpeedMax);
  }
  for (int i = 0; i < n; i++)
  {
    pos += vel;
    vel *= m_BallDecay;
  }
  return pos;
}

CVector CBehaviours::BallPredPos(int n)
{
  return BallPredPosAfterKick(n, 0, 0);
}

CVector CBehaviours::BallPredPos()
{
  return BallPredPos(1);
}

CVector CBehaviours::BallPredPosWithQueuedActions(int n)
{
  if (m_Queue.time == GetTime() && m_Queue.command == CMD_KICK)
    return BallPredPosAfterKick(n, m_Queue.power, m_Queue.angle);
  return BallPredPos(n);
}

bool CBehaviours::BallWillBeKickable(int n, float dashPower, float buffer)
{
  return BallPredPos(n).dist(PredPosAfterDashing(n, dashPower)) <= m_Kickable - buffer;
}

CPredictionBodies::CPredictionBodies(const CBehaviours &brain) : m_Brain(brain)
{
}

Predict::Body CPredictionBodies::OwnBody() const
{
  Predict::Body body;
  body.pos = m_Brain.GetGPos();
  body.vel = m_Brain.GetVelocity();
  body.facing = m_Brain.GetBFacing();
  const sensebody sb = m_Brain.GetSB();
  body.stamina = sb.stamina;
  body.effort = sb.effort;
  return body;
}

CVector CBehaviours::PredPosAfterDashing(int n, float power) const
{
  Predict::Body me = m_Bodies.OwnBody();
  for (int i = 0; i < n; i++)
  {
    const float p = CorrectDashPower4Stamina(power, me.stamina);
    // Unlike a turn's prediction, neither the effort scales the dash nor
    // the stamina's cap holds here.
    me.stamina = std::max(0.0f, me.stamina - DashCost(p)) + m_StaminaIncMax * me.effort;
    me.vel += Polar2CVector(p * m_DashPowerRate, me.facing);
    Step(me.pos, me.vel, m_PlayerSpeedMax, m_PlayerDecay);
  }
  return me.pos;
}

CVector CBehaviours::PredPosAfterDash(float power) const
{
  return PredPosAfterDashing(1, power);
}

CVector CBehaviours::PredPosAfterTurn(int n, float angle, float power, bool turnFirst,
                                      int waitCycles) const
{
  float remaining = NormaliseAngle(angle);
  Predict::Body me = m_Bodies.OwnBody();
  for (int i = 0; i < n; i++)
  {
    const float p = CorrectDashPower4Stamina(power, me.stamina);
    float used = 0;
    if (i < waitCycles)
      used = 0;
    else if (!turnFirst || (i > 0 && remaining == 0))
      used = m_Bodies.Affordable(p, me.stamina);
    else
    {
      const float most = EffectiveTurn(m_MaxMoment, me.vel.GetMag());
      const float turn = Clamp(remaining, -most, most);
      me.facing += turn;
      remaining -= turn;
    }
    me.vel += Polar2CVector(used * me.effort * m_DashPowerRate, me.facing);
    Step(me.pos, me.vel, m_PlayerSpeedMax, m_PlayerDecay);
    // Waiting and turning cycles are charged as if they dashed.
    me.stamina = std::max(0.0f, me.stamina - DashCost(p)) + m_StaminaIncMax * me.effort;
    me.stamina = std::min(me.stamina, m_StaminaMax);
  }
  return me.pos;
}

CVector CBehaviours::PredPos() const
{
  return PredPosAfterTurn(1, 0, 0, false, 0);
}

CVector CBehaviours::PredPosWithQueuedActions() const
{
  if (m_Queue.time == GetTime() && m_Queue.command == CMD_DASH)
    return PredPosAfterDash(m_Queue.power);
  return PredPos();
}

float CBehaviours::PredBodyAngleWithQueuedActions() const
{
  if (m_Queue.time == GetTime() && m_Queue.command == CMD_TURN)
    return NormaliseAngle(GetBFacing() + EffectiveTurn(m_Queue.angle, GetSB().speed));
  return GetBFacing();
}

float CBehaviours::PredRelAngle2PointFromBodyWithQueuedAction(CVector point) const
{
  return NormaliseAngle((point - PredPosWithQueuedActions()).GetDir() -
                        PredBodyAngleWithQueuedActions());
}

int CBehaviours::PredictedCycles2Point(CVector point, float power, float dist) const
{
  Predict::Body me = m_Bodies.OwnBody();
  float acc = 0;
  for (int k = 0; k < MAX_CYCLES; k++)
  {
    if (me.pos.dist(point) <= dist)
      return k;
    if (!m_Bodies.TurnTowards(point, me))
    {
      acc = m_Bodies.Affordable(CorrectDashPower4Stamina(power, me.stamina), me.stamina) *
            me.effort * m_DashPowerRate;
      me.vel += Polar2CVector(acc, me.facing);
    }
    Step(me.pos, me.vel, m_PlayerSpeedMax, m_PlayerDecay);
    // The charge is the last dash's acceleration, turning cycles included.
    me.stamina -= DashCost(acc);
    me.stamina += me.effort * m_StaminaIncMax;
    me.stamina = std::min(me.stamina, m_StaminaMax);
    me.stamina = std::max(me.stamina, me.effort * m_StaminaIncMax);
  }
  return MAX_CYCLES;
}

int CBehaviours::PredictedCycles2Point(CVector point) const
{
  return PredictedCycles2Point(point, static_cast<float>(m_MaxPower), m_MinDistToPoint);
}

bool CPredictionBodies::PlayerMotion(const CPlayer *pl, CVector toward, Predict::Body &body) const
{
  if (!pl || !pl->GetPositionValid())
    return false;
  body.pos = pl->GetGPos();
  body.vel = pl->GetVelocityValid() ? pl->GetVelocity() : CVector(0, 0);
  body.facing = pl->GetBodyAngleValid() ? pl->GetGBFacing()
                                        : m_Brain.NormaliseAngle((toward - body.pos).GetDir());
  return true;
}

bool CPredictionBodies::TurnTowards(CVector point, Predict::Body &body) const
{
  const float a = m_Brain.NormaliseAngle((point - body.pos).GetDir() - body.facing);
  if (std::fabs(a) <= m_Brain.m_MaxGoToPointAngleErr)
    return false;
  // Kept an angle: circling a point it never quite reaches, a body would
  // otherwise wind its heading up over the whole horizon.
  const float most = m_Brain.EffectiveTurn(m_Brain.m_MaxMoment, body.vel.GetMag());
  const float turn = Clamp(a, -most, most);
  body.facing = m_Brain.NormaliseAngle(body.facing + turn);
  return true;
}

float CPredictionBodies::Affordable(float power, float stamina) const
{
  // Short of stamina, the dash spends what is left; its sign is that of the
  // power cut to a whole number, so a backward dash weaker than 1 counts as
  // a forward one.
  return stamina < std::fabs(power) ? m_Brain.Sign(static_cast<int>(power)) * stamina : power;
}

CVector CBehaviours::PPredPosAfterTurn(int n, float angle, float power, bool turnFirst,
                                       const CPlayer *pl) const
{
  const CBall *ball = M2BReadBall();
  Predict::Body body;
  // Whose body was not seen is taken to face the ball.
  if (!ball || !m_Bodies.PlayerMotion(pl, ball->GetGPos(), body))
    return Unknown();
  for (int i = 0; i < n; i++)
  {
    if (i == 0 && turnFirst)
      // Another player's turn is not limited by his speed: we do not know it
      // well enough.
      body.facing += angle;
    else
      body.vel += Polar2CVector(power * m_DashPowerRate, body.facing);
    Step(body.pos, body.vel, m_PlayerSpeedMax, m_PlayerDecay);
  }
  return body.pos;
}

CVector CBehaviours::PPredPosAfterDashing(int n, float power, const CPlayer *pl) const
{
  return PPredPosAfterTurn(n, 0, power, false, pl);
}

CVector CBehaviours::PPredPosAfterDash(float power, const CPlayer *pl) const
{
  return PPredPosAfterDashing(1, power, pl);
}

CVector CBehaviours::PPredPos(const CPlayer *pl) const
{
  return PPredPosAfterTurn(1, 0, 0, false, pl);
}

CVector CBehaviours::PPredPos(int n, CVector accel, const CPlayer *pl) const
{
  if (!pl || !pl->GetPositionValid())
    return Unknown();
  CVector pos = pl->GetGPos();
  CVector vel = pl->GetVelocityValid() ? pl->GetVelocity() : CVector(0, 0);
  for (int i = 0; i < n; i++)
  {
    vel += accel;
    Step(pos, vel, m_PlayerSpeedMax, m_PlayerDecay);
  }
  return pos;
}

int CBehaviours::PlayerPredictedCycles2Point(const CPlayer *pl, CVector point, float power,
                                             float dist) const
{
  if (!pl)
    return MAX_CYCLES;
  Predict::Body body;
  if (!m_Bodies.PlayerMotion(pl, point, body))
  {
    std::cerr << GetTime()
              << " WARNING: Predict: PlayerPredictedCycles2Point: Cannot predict cycles to point"
              << std::endl;
    return MAX_CYCLES;
  }
  for (int k = 0; k < MAX_CYCLES; k++)
  {
    if (body.pos.dist(point) <= dist)
      return k;
    if (!m_Bodies.TurnTowards(point, body))
      body.vel += Polar2CVector(power * m_DashPowerRate, body.facing);
    Step(body.pos, body.vel, m_PlayerSpeedMax, m_PlayerDecay);
  }
  return MAX_CYCLES;
}

int CBehaviours::PlayerPredictedCycles2Point(const CPlayer *pl, CVector point) const
{
  return PlayerPredictedCycles2Point(pl, point, static_cast<float>(m_MaxPower), m_MinDistToPoint);
}

int CBehaviours::EstimateCycles2Steal(const CPlayer *opp) const
{
  if (!opp)
    return MAX_CYCLES;
  if (BallKickableForPlayer(opp, 0))
    return 0;
  const CBall *ball = M2BReadBall();
  if (!opp->GetPositionValid() || !ball)
    return MAX_CYCLES;
  const CVector b = ball->GetGPos();
  const CVector o = opp->GetGPos();
  const CVector me = GetGPos();
  // Where the opponent first has the ball within reach on his way to it.
  const CVector target = b - (b - o).SetLength(m_Kickable);
  int cycles = PlayerPredictedCycles2Point(opp, target);
  if (o.dist(target) > m_Epsilon)
  {
    CGLine line(0, 0, 0);
    line.CGLineFromTwoPoints(target, o);
    const float block = 2 * m_PlayerSize;
    const CVector foot = PointInBetween(line.ProjectPoint(me), o, block);
    const float d = line.dist(me);
    // The agent stands in the opponent's way and makes him go round.
    if (d < block && line.InBetween(foot, o, target))
      cycles += d <= block - m_PlayerSpeedMax ? 4 : 3;
  }
  // A way round an agent does not make an unreachable ball reachable later.
  return std::min(cycles, MAX_CYCLES);
}

bool CBehaviours::BallSurelyInReach()
{
  return BallInReachOnTheReckoning(false);
}

// One of theirs at the ball plays it in his next cycle: a step to it, or a
// wait for a sighting, hands it to him, while a kick refused because he
// played it first costs no more than that step. So his having been within
// reach of it, or a bump, does not hold our kick back; only the drift of
// the reckoning does (seen in matches: with the ball within 0.95 m of our
// man and one of theirs within 1.5 m of it, our man sent no kick in more
// than half of those cycles, stepping or turning to a ball reckoned at his
// feet, and theirs kicked it next in seven of ten).
bool CBehaviours::ContestedBallInReach()
{
  const CBall *ball = M2BReadBall();
  if (!ball || !BallPositionValid())
    return false;
  // A ball near enough to our feet to kick has one of theirs at it only
  // among the players nearest to us.
  sorted_players foes;
  SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count && i < kOthersNearBall; i++)
    if (foes.players[i]->GetGPos().dist(ball->GetGPos()) < kTheirManAtTheBall)
      return BallInReachOnTheReckoning(true);
  return false;
}

bool CBehaviours::BallInReachOnTheReckoning(bool contested)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  // A ball placed by a team-mate's word is where his own place, as he
  // reckons it, puts it: a metre off or more.
  if (ball->GetTime() == ball->GetHeardTime())
    return false;
  const float d = GetGPos().dist(ball->GetGPos());
  // Seen now (full trust, which every cycle unseen wears down), the
  // distance is the server's, rounded in steps of a twentieth of itself:
  // m_Kickable is the bound under which every true distance still lies
  // within the reach.
  if (ball->GetConf() >= 1 - m_Epsilon)
    return d < m_Kickable;
  // Unseen since, with a motion not known, it may be wherever that motion
  // took it.
  if (!ball->GetVelocityValid())
    return false;
  const int unseen = std::max(1, GetTime() - ball->GetTime());
  // Reckoned on from an older sight, the ball drifts from the model by each
  // cycle's noise, and by much more when our own motion went other than
  // planned (a collision).
  const float drift = static_cast<float>(unseen) * kUnseenBallDrift;
  const float kickNoise = m_TouchGate.UnmeasuredKickNoise(ball->GetTime());
  // A bump reckoned this cycle or the last leaves a ball at our feet there
  // all the same, bounced or not: a bounce is reckoned only for a ball that
  // came within our body. Treated as out of reach, the ball stood at the
  // carrier's feet while he turned, in a third of the decisions with one
  // of theirs at him, and in every dribble that ran into it. Only a ball
  // well inside the reach is taken: a collision reckoned a cycle ago may
  // have been none, and the ball rolled on by the speed the bounce took
  // from it (one that passed 0.4 m from us was taken to have stopped, and
  // was kicked at after it had rolled on).
  if (m_LastCollisionTime >= GetTime() - 1)
  {
    const float rolledOn = m_LastCollisionTime < GetTime()
                               ? ball->GetVelocity().GetMag() / Predict::kBounceKept
                               : 0.0f;
    // A bump puts the ball at our body; its doubt holds a kick back only
    // where a step is worth the cycle.
    const float bumpDoubt = contested ? 0.0f : kBumpDoubt;
    if (d >= m_Kickable - drift - kickNoise - bumpDoubt - rolledOn)
      return false;
  }
  // Another player who had it in reach, where it is reckoned now or where
  // it was a cycle ago, may have played it meanwhile; only the players
  // nearest to us can be near a ball at or just past our feet.
  // A bounce reckoned this cycle turned the ball round at our body: a cycle
  // ago it was where the update took it from, not behind us along the
  // bounced velocity. Traced back that way, a ball coming at us from beside
  // one of theirs, who had played it away, was reckoned bounced at our feet
  // and kicked at 1.5 m off.
  const CVector before = m_LastCollisionTime == GetTime()
                             ? ball->GetEGPos() - ball->GetEVelocity() / m_BallDecay
                             : ball->GetGPos() - ball->GetVelocity() / m_BallDecay;
  sorted_players foes, mates;
  if (!contested)
    SortValidFoes2Me(foes);
  SortValidFriends2Me(mates);
  for (const sorted_players *list : {&foes, &mates})
    for (int i = 0; i < list->count && i < kOthersNearBall; i++)
      if (BallKickableForPlayer(list->players[i], -drift) ||
          list->players[i]->GetGPos().dist(before) < m_Kickable + drift)
        return false;
  // Our own kick since the sighting went with the server's noise, which
  // its replay leaves out: after a kick at full power a ball reckoned 0.9 m
  // away was 1.1 m off and the next kick was refused.
  return d < m_Kickable - drift - kickNoise;
}

bool CBehaviours::BallKickableForPlayer(const CPlayer *p, float buffer) const
{
  const CBall *ball = M2BReadBall();
  const CVector pos = p ? p->GetGPos() : GetGPos();
  return ball && pos.dist(ball->GetGPos()) < m_Kickable - buffer;
}
