// Spin kicks: the ball turned about the body in gentle kicks, the way away
// from the nearest opponent when he is close enough to matter.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// The spin kick tries the widest turn first and narrows it by this much
// until one kick of the spin power can make it.
const float kSpinStep = 5;
// More than a quarter turn in one kick would send the ball through the body.
const float kMaxSpinTurn = 90;
}  // namespace

ROTDIR CBehaviours::CalcOppAvoidSpinDirection(float from, float to)
{
  const float turn = NormaliseAngle(to - from);
  const ROTDIR shortest = turn >= 0 ? ROTDIR_POSITIVE : ROTDIR_NEGATIVE;
  const CPlayer *foe = GetClosestValidFoe2Me(0);
  if (!foe || foe->GetGPos().dist(GetGPos()) > m_MinRotateOppWorryDist)
    return shortest;
  // Round the side on which he does not stand: his direction lies on the
  // positive arc from `from` or on the other one.
  float at = NormaliseAngle((foe->GetGPos() - GetGPos()).GetDir() - from);
  if (at < 0)
    at += 360;
  float positive = turn;
  if (positive < 0)
    positive += 360;
  return at < positive ? ROTDIR_NEGATIVE : ROTDIR_POSITIVE;
}

ACTIONQUEUE CKickPlanner::SpinKickQueue(float radius, float dir, ROTDIR rot, float inner,
                                       float straight, int *code)
{
  ACTIONQUEUE queue;
  EmptyActionQueue(queue);
  *code = SPIN_NONE;
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return queue;
  const CVector from = ball->GetGPos();
  const float accel = m_Brain.KickAccelAt(from, m_Brain.GetGPos());
  if (accel <= 0)
    return queue;
  if (!ball->GetVelocityValid())
  {
    // Not knowing how it moves it cannot be turned: stopped blind first.
    *code = SPIN_STOPPED;
    m_Kicking.spin_spot = from;
    queue.time = m_Brain.GetTime();
    queue.command = CMD_KICK;
    queue.power = m_Brain.m_StopBallPower;
    queue.angle = m_Brain.NormaliseAngle(m_Brain.AngleToFromBody(from) + 180);
    m_Brain.CalcKickPowerRate();
    return queue;
  }
  const CVector have = ball->GetVelocity();
  const float body = m_Brain.GetBFacing();
  const CVector me = m_Brain.PredPos();
  const CVector rel = from - me;
  const float now = m_Brain.NormaliseAngle(rel.GetDir() - body);
  float turn = m_Brain.NormaliseAngle(dir - now);
  if (std::fabs(turn) <= m_Brain.m_KickAngErr &&
      std::fabs(rel.GetMag() - radius) <= m_Brain.m_KickableBuffer)
  {
    if (have.GetMag() <= m_Brain.m_MaxIgnoreVel)
    {
      *code = SPIN_THERE;
      return queue;
    }
    *code = SPIN_STOPPED;
    m_Kicking.spin_spot = from;
    return m_Brain.KickStraight(0, 0, 1.0f, nullptr);
  }
  if (rot == ROTDIR_AWAY)
    rot = m_Brain.CalcOppAvoidSpinDirection(body + now, body + dir);
  if (rot == ROTDIR_POSITIVE && turn < 0)
    turn += 360;
  else if (rot == ROTDIR_NEGATIVE && turn > 0)
    turn -= 360;
  const float sign = turn >= 0 ? 1.0f : -1.0f;
  float step = std::fmin(std::fabs(turn), kMaxSpinTurn);
  // The turn itself is gentle, so that the ball stays near the foot; taking
  // out the ball's own speed may use the whole kick.
  const float reach = accel * m_Brain.m_MaxSpinPower / static_cast<float>(m_Brain.m_MaxPower);
  for (; step > 0; step -= kSpinStep)
  {
    const CVector spot = me + Polar2CVector(radius, body + now + sign * step);
    const CVector push = spot - from - have;
    if ((spot - from).GetMag() > reach || push.GetMag() > accel ||
        PathCrossesBody(from, spot, inner))
      continue;
    *code = SPIN_KICKED;
    m_Kicking.spin_spot = spot;
    return KickForPush(push);
  }
  // Too fast to be turned: slowed to the straight factor of its speed when
  // it stays in reach so, stopped otherwise.
  *code = SPIN_STOPPED;
  const CVector slowed = from + have * straight;
  if (slowed.dist(me) <= m_Brain.m_Kickable - m_Brain.m_KickableBuffer)
  {
    m_Kicking.spin_spot = slowed;
    return m_Brain.KickStraight(have.GetMag(), have.GetDir(), straight, nullptr);
  }
  m_Kicking.spin_spot = from;
  return m_Brain.KickStraight(0, 0, 1.0f, nullptr);
}

int CBehaviours::SpinTo(float dir, ROTDIR rot)
{
  return SpinKick(m_SpinKickFactor1, dir, rot, true, m_SpinKickFactor2, m_KickStraightFactor,
                  nullptr);
}

int CBehaviours::SpinKick(float radius, float dir, ROTDIR rot, bool now, float inner,
                          float straight, ACTIONQUEUE *queue)
{
  int code = SPIN_NONE;
  const ACTIONQUEUE kick = m_KickPlanner.SpinKickQueue(radius, dir, rot, inner, straight, &code);
  if (queue)
    CopyActionQueue(*queue, kick);
  if (now || !queue)
    DoKCommand(kick);
  return code;
}

int CBehaviours::HardSpinKick(float dir, ROTDIR rot)
{
  // Wide about the body, where each kick turns the ball furthest, to the
  // given direction about it.
  return SpinKick(m_SpinKickFactor3, NormaliseAngle(dir - GetBFacing()), rot, true,
                  m_SpinKickFactor2, m_KickStraightFactor, nullptr);
}
