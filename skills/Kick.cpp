// Kicking: the kick power rate, straight kicks that give the ball a wanted
// velocity, kicks towards a point, and spin kicks that turn the ball about
// the body.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

float CBehaviours::CalcKickPowerRate()
{
  const CBall *ball = M2BReadBall();
  if (!ball)
    return CalcKickPowerRate(m_PlayerSize + m_BallSize, 0);
  const CVector rel = ball->GetGPos() - GetGPos();
  // A ball on the agent's own spot has no direction: it counts as ahead.
  if (rel.GetMag() < m_Epsilon)
    return CalcKickPowerRate(rel.GetMag(), 0);
  return CalcKickPowerRate(rel.GetMag(), NormaliseAngle(rel.GetDir() - GetBFacing()));
}

float CBehaviours::CalcKickPowerRate(float dist, float dir)
{
  // The server measures the distance from the body's edge: a ball touching
  // the body is kicked as well as one can be, never better; one beyond the
  // margin is not kicked at all.
  float gap = dist - m_PlayerSize - m_BallSize;
  if (gap < 0)
    gap = 0;
  if (gap > m_KickableMargin)
  {
    m_PrevKickPowerRate = 0;
    return 0;
  }
  float rate =
      m_KickPowerRate * (1 - 0.25f * std::fabs(dir) / 180 - 0.25f * gap / m_KickableMargin);
  if (!(rate > 0))
    rate = 0;
  m_PrevKickPowerRate = rate;
  return rate;
}

ACTIONQUEUE CBehaviours::KickStraight(float speed, float dir, float factor, bool *possible)
{
  ACTIONQUEUE queue;
  EmptyActionQueue(queue);
  if (possible)
    *possible = false;
  const CBall *ball = M2BReadBall();
  if (!ball || !ball->GetPositionValid())
    return queue;
  const float rate = CalcKickPowerRate();
  if (rate <= 0)
    return queue;
  const CVector wanted = Polar2CVector(speed * factor, dir);
  const CVector present = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  const CVector push = wanted - present;
  float power = push.GetMag() / rate;
  const bool enough = power <= static_cast<float>(m_MaxPower);
  if (!enough)
    power = static_cast<float>(m_MaxPower);
  queue.time = GetTime();
  queue.command = CMD_KICK;
  queue.power = power;
  queue.angle = NormaliseAngle(push.GetDir() - GetBFacing());
  if (possible)
    *possible = enough;
  return queue;
}

int CBehaviours::DoKCommand(ACTIONQUEUE queue)
{
  if (queue.time != GetTime())
    return 0;
  if (queue.turn_neck)
    TurnNeck(queue.neck_angle);
  switch (queue.command)
  {
    case CMD_KICK:
      return Kick(queue.power, queue.angle);
    case CMD_DASH:
      return Dash(queue.power);
    case CMD_TURN:
      return Turn(queue.angle);
    default:
      return 0;
  }
}

float CBehaviours::Point2KickVelocity(CVector target, float endSpeed) const
{
  // The ball covers (v0 - v_end) / (1 - decay) before it slows to v_end.
  const CBall *ball = M2BReadBall();
  const CVector from = ball && ball->GetPositionValid() ? ball->GetGPos() : GetGPos();
  return from.dist(target) * (1 - m_BallDecay) + endSpeed;
}

int CBehaviours::KickBall(CVector target, float speed)
{
  const CBall *ball = M2BReadBall();
  if (!ball || !ball->GetPositionValid())
    return 0;
  if (speed > m_BallSpeedMax)
    speed = m_BallSpeedMax;
  const float dir = (target - ball->GetGPos()).GetDir();
  return DoKCommand(KickStraight(speed, dir, 1.0f, nullptr));
}

ACTIONQUEUE CBehaviours::SpinKickQueue(float radius, float dir, ROTDIR rot, int *code)
{
  ACTIONQUEUE queue;
  EmptyActionQueue(queue);
  *code = SPIN_NONE;
  const CBall *ball = M2BReadBall();
  if (!ball || !ball->GetPositionValid())
    return queue;
  const CVector me = GetGPos();
  const float body = GetBFacing();
  const CVector rel = ball->GetGPos() - me;
  if (rel.GetMag() >= m_Kickable)
    return queue;
  const float now = NormaliseAngle(rel.GetDir() - body);
  float turn = NormaliseAngle(dir - now);
  const bool inPlace =
      std::fabs(turn) <= m_KickAngErr && std::fabs(rel.GetMag() - radius) <= m_KickableBuffer;
  if (inPlace)
  {
    if (!ball->IsMoving())
    {
      *code = SPIN_THERE;
      return queue;
    }
    *code = SPIN_STOPPED;
    return KickStraight(0, 0, 1.0f, nullptr);
  }
  const float positive = turn >= 0 ? turn : turn + 360;
  if (rot == ROTDIR_POSITIVE)
    turn = positive;
  else if (rot == ROTDIR_NEGATIVE)
    turn = positive - 360;
  else if (rot == ROTDIR_AWAY)
  {
    // Round the side on which the nearest opponent does not stand.
    const CPlayer *foe = GetClosestValidFoe2Me(0);
    if (foe)
    {
      float at = NormaliseAngle((foe->GetGPos() - me).GetDir() - body - now);
      if (at < 0)
        at += 360;
      turn = at < positive ? positive - 360 : positive;
    }
  }
  // More than a quarter turn in one kick would send the ball through the
  // body.
  if (turn > 90)
    turn = 90;
  else if (turn < -90)
    turn = -90;
  const CVector spot = me + GetVelocity() + Polar2CVector(radius, body + now + turn);
  const CVector move = spot - ball->GetGPos();
  *code = SPIN_KICKED;
  return KickStraight(move.GetMag(), move.GetDir(), 1.0f, nullptr);
}

int CBehaviours::SpinTo(float dir, ROTDIR rot)
{
  int code = SPIN_NONE;
  const ACTIONQUEUE queue = SpinKickQueue(m_SpinKickFactor1, dir, rot, &code);
  if (code == SPIN_KICKED || code == SPIN_STOPPED)
    DoKCommand(queue);
  return code;
}

int CBehaviours::SpinKick(float radius, float dir, ROTDIR rot, bool now, float, float,
                          ACTIONQUEUE *queue)
{
  int code = SPIN_NONE;
  const ACTIONQUEUE kick = SpinKickQueue(radius, dir, rot, &code);
  if (queue)
    CopyActionQueue(*queue, kick);
  if (now || !queue)
    DoKCommand(kick);
  return code;
}

KICKMODE CBehaviours::BestModeAbs(float dir)
{
  // A ball kicked backwards over the body goes nowhere: it is turned
  // about the body first.
  return std::fabs(NormaliseAngle(dir - GetBFacing())) <= m_HardestKickBallAng / 2
             ? KICKMODE_STRAIGHT
             : KICKMODE_SPIN;
}

int CBehaviours::SmartKickAbs(float dir, KICKMODE mode, float speed, ROTDIR rot)
{
  m_SmartKickDir = dir;
  m_SmartKickMode = mode;
  m_SmartKickSpeed = speed;
  m_SmartKickRot = rot;
  if (mode == KICKMODE_SPIN)
  {
    // The ball is first turned to the side it is kicked towards, so that
    // it does not pass through the body.
    const int code = SpinTo(NormaliseAngle(dir - GetBFacing()), rot);
    if (code != SPIN_THERE)
      return code == SPIN_NONE ? 0 : 1;
  }
  return DoKCommand(KickStraight(speed, dir, 1.0f, nullptr));
}
