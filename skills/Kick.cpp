// Kicking: the kick power rate, straight kicks that give the ball a wanted
// velocity, the choice of kick mode by the nearest opponent's threat, and
// the hard kick, laid over several cycles when one kick cannot give the
// speed asked for.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "Geometry.h"

namespace
{
// A preparing cycle must buy at least this much final speed (m/cycle).
const float kMinKickGain = 0.05f;
// A ball this far from where a kick of the plan laid it has been played by
// someone else; the kick's and the sight's own errors stay well under it.
const float kPlanTolerance = 0.5f;
// Where the preparing kick may lay the ball: rings about the body and
// steps of angle about the kick's direction.
const int kHardKickRings = 4;
const float kHardKickAngleStep = 10;

float Cross(CVector a, CVector b)
{
  return a.GetX() * b.GetY() - a.GetY() * b.GetX();
}

// The largest speed along the unit vector u that one push of at most accel
// leaves a ball moving with `have`; -1 when no push leaves it moving along u.
float ReachAlong(CVector have, float accel, CVector u)
{
  const float across = Cross(have, u);
  if (std::fabs(across) > accel)
    return -1;
  return Dot(have, u) + std::sqrt(accel * accel - across * across);
}
}  // namespace

CKickPlanner::CKickPlanner(CBehaviours &brain) : m_Brain(brain), m_Kicking(brain.m_Kicking)
{
}

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
  m_PrevKickPowerRate = KickRate(dist, dir);
  return m_PrevKickPowerRate;
}

float CBehaviours::KickRate(float dist, float dir) const
{
  // The server measures the distance from the body's edge: a ball touching
  // the body is kicked as well as one can be, never better; one beyond the
  // margin is not kicked at all.
  float gap = dist - m_PlayerSize - m_BallSize;
  if (gap < 0)
    gap = 0;
  if (gap > m_KickableMargin)
    return 0;
  const float rate =
      m_KickPowerRate * (1 - 0.25f * std::fabs(dir) / 180 - 0.25f * gap / m_KickableMargin);
  return rate > 0 ? rate : 0;
}

float CBehaviours::KickAccelAt(CVector ball, CVector me) const
{
  const CVector rel = ball - me;
  const float dir = rel.GetMag() < m_Epsilon ? 0 : NormaliseAngle(rel.GetDir() - GetBFacing());
  return KickRate(rel.GetMag(), dir) * static_cast<float>(m_MaxPower);
}

ACTIONQUEUE CKickPlanner::KickForPush(CVector push)
{
  ACTIONQUEUE queue;
  EmptyActionQueue(queue);
  const float rate = m_Brain.CalcKickPowerRate();
  if (rate <= 0)
    return queue;
  float power = push.GetMag() / rate;
  if (power > static_cast<float>(m_Brain.m_MaxPower))
    power = static_cast<float>(m_Brain.m_MaxPower);
  queue.time = m_Brain.GetTime();
  queue.command = CMD_KICK;
  queue.power = power;
  queue.angle = power > 0 ? m_Brain.NormaliseAngle(push.GetDir() - m_Brain.GetBFacing()) : 0;
  return queue;
}

ACTIONQUEUE CBehaviours::KickStraight(float speed, float dir, float factor, bool *possible)
{
  ACTIONQUEUE queue;
  EmptyActionQueue(queue);
  if (possible)
    *possible = false;
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return queue;
  const float accel = KickAccelAt(ball->GetGPos(), GetGPos());
  if (accel <= 0)
    return queue;
  // The server caps the ball's speed after the kick, keeping its
  // direction: asking for more than the cap is asking for the cap.
  float wanted = speed * factor;
  if (wanted > m_BallSpeedMax)
    wanted = m_BallSpeedMax;
  const CVector unit = Polar2CVector(1, dir);
  const CVector have = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  CVector push = unit * wanted - have;
  bool enough = push.GetMag() <= accel * (1 + m_Epsilon);
  if (!enough)
  {
    // Too much asked: the fastest ball that still goes the wanted way, or,
    // when even that cannot be had, the push that turns it most that way.
    const float reach = ReachAlong(have, accel, unit);
    push = reach > 0 ? unit * reach - have : push.SetLength(accel);
  }
  if (possible)
    *possible = enough;
  return m_KickPlanner.KickForPush(push);
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
      return TouchGate(CMD_KICK, queue.power, queue.angle);
    case CMD_DASH:
      return TouchGate(CMD_DASH, queue.power);
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
  const CVector from = BallPositionValid() ? ball->GetGPos() : GetGPos();
  return from.dist(target) * (1 - m_BallDecay) + endSpeed;
}

// ------------------------------------------------ collisions

bool CBehaviours::IsKickCollision(float power, float dir)
{
  // The server pushes apart a ball and a player that end a cycle
  // overlapping, and the ball loses its speed.
  const CVector ball = BallPredPosAfterKick(1, power, dir);
  if (ball.GetMag() < 0)
    return false;
  return ball.dist(PredPos()) < m_PlayerSize + m_BallSize;
}

bool CBehaviours::IsDashCollision(float power, float buffer)
{
  if (!BallPositionValid())
    return false;
  return BallPredPos(1).dist(PredPosAfterDash(power)) < m_PlayerSize + m_BallSize + buffer;
}

bool CKickPlanner::PathCrossesBody(CVector from, CVector to, float radius) const
{
  // The ball's way relative to the agent, who moves on meanwhile: from
  // where it lies now to where it ends next cycle. Its start does not
  // count: a ball already close may be moved away.
  const CVector a = from - m_Brain.GetGPos();
  const CVector b = to - m_Brain.PredPos();
  const CVector ab = b - a;
  if (ab.GetMag2() < m_Brain.m_Epsilon * m_Brain.m_Epsilon)
    return false;
  const float t = -Dot(a, ab) / ab.GetMag2();
  if (t <= 0)
    return false;
  const CVector nearest = t >= 1 ? b : a + ab * t;
  return nearest.GetMag() < radius;
}

bool CBehaviours::HardKickCollision(CVector from, CVector to) const
{
  return m_KickPlanner.PathCrossesBody(from, to, m_PlayerSize + m_BallSize + m_HardKickMinDist);
}

float CKickPlanner::DashHelpReach(float dir, float power)
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || !ball->GetVelocityValid())
    return -1;
  // Only a ball ahead, kicked on roughly the way the body runs, is brought
  // nearer the foot by a dash.
  const float body = m_Brain.GetBFacing();
  if (std::fabs(m_Brain.AngleToFromBody(ball->GetGPos())) > m_Brain.m_MaxDashHelpKickAngle ||
      std::fabs(m_Brain.NormaliseAngle(dir - body)) > m_Brain.m_MaxDashHelpKickAngle)
    return -1;
  const CVector next = ball->GetGPos() + ball->GetVelocity();
  const CVector me = m_Brain.PredPosAfterDash(power);
  if (m_Brain.IsDashCollision(power, m_Brain.m_CollisionBuffer) ||
      next.dist(me) > m_Brain.m_Kickable - m_Brain.m_KickableBuffer)
    return -1;
  const float accel = m_Brain.KickAccelAt(next, me);
  const float reach =
      ReachAlong(ball->GetVelocity() * m_Brain.m_BallDecay, accel, Polar2CVector(1, dir));
  return reach > m_Brain.m_BallSpeedMax ? m_Brain.m_BallSpeedMax : reach;
}

float CBehaviours::OneKickSpeedTowards(CVector target)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return 0;
  const CVector way = target - ball->GetGPos();
  if (way.GetMag() < m_Epsilon)
    return 0;
  const CVector have = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  const float reach = ReachAlong(have, KickAccelAt(ball->GetGPos(), GetGPos()), way.SetLength(1));
  return reach > 0 ? std::fmin(reach, m_BallSpeedMax) : 0;
}

bool CBehaviours::WillDashHelpKick(float dir, float speed)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  const CVector have = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  const float now =
      ReachAlong(have, KickAccelAt(ball->GetGPos(), GetGPos()), Polar2CVector(1, dir));
  if (now >= speed)
    return false;
  return m_KickPlanner.DashHelpReach(
             dir, CorrectDashPower4Stamina(static_cast<float>(m_MaxPower))) > now + kMinKickGain;
}

// ------------------------------------------------ kick modes

KICKMODE CBehaviours::BestModeAbs(float dir)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return KICKMODE_STRAIGHT;
  const CPlayer *foe = GetClosestValidFoe2Me(0);
  const int steal = foe ? EstimateCycles2Steal(foe) : 999;
  // The hardest kick starts with the ball round the body at
  // hardest_kick_ball_ang from the kick's direction; bringing it there
  // takes its share of a full rotation.
  const float off = std::fabs(NormaliseAngle((ball->GetGPos() - GetGPos()).GetDir() - dir -
                                             m_HardestKickBallAng));
  const int spin = off <= m_MaxHardKickAngleErr
                       ? 0
                       : static_cast<int>(std::ceil(off / 360 * m_TimeForFullRotation));
  if (steal > m_CyclesToKick + spin)
    return spin == 0 ? KICKMODE_HARD : KICKMODE_HARDSPIN;
  if (steal > m_CyclesToKick)
    return KICKMODE_HARD;
  return KICKMODE_STRAIGHT;
}

bool CBehaviours::KickPlanRunning() const
{
  return m_Kicking.plan.time == GetTime() && m_Kicking.plan.kicks > 0;
}

bool CKickPlanner::CarryKickPlan(float dir)
{
  const int now = m_Brain.GetTime();
  // Asked twice in one cycle, the plan is judged as it stood before.
  if (m_Kicking.plan.time == now)
    m_Kicking.plan = m_Kicking.plan_before;
  else
    m_Kicking.plan_before = m_Kicking.plan;
  const CBall *ball = m_Brain.M2BReadBall();
  const bool holds = m_Kicking.plan.time == now - 1 && m_Kicking.plan.kicks > 0 &&
                     m_Brain.BallPositionValid() &&
                     std::fabs(m_Brain.NormaliseAngle(dir - m_Kicking.plan.dir)) <=
                         m_Brain.m_MaxHardKickAngleErr &&
                     ball->GetGPos().dist(m_Kicking.plan.ball) <= kPlanTolerance;
  if (!holds)
    m_Kicking.plan = KICKPLAN();
  return holds;
}

void CKickPlanner::PlanKick(KICKMODE mode, float dir, float speed, CVector ball)
{
  if (m_Kicking.plan.kicks == 0)
    m_Kicking.plan.started = m_Brain.GetTime();
  m_Kicking.plan.time = m_Brain.GetTime();
  m_Kicking.plan.mode = mode;
  m_Kicking.plan.dir = dir;
  m_Kicking.plan.speed = speed;
  m_Kicking.plan.ball = ball;
  m_Kicking.plan.kicks++;
}

int CKickPlanner::LayThenKick(float dir, float speed, CVector spot)
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return 0;
  const CVector have = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  // Carried on as a straight kick: a hard kick's plan would lay the ball
  // again for every twentieth of a metre a cycle it might gain.
  m_Kicking.smart_dir = dir;
  m_Kicking.smart_mode = KICKMODE_STRAIGHT;
  m_Kicking.smart_speed = speed;
  m_Kicking.smart_rot = ROTDIR_AWAY;
  m_Kicking.plan = KICKPLAN();
  PlanKick(KICKMODE_STRAIGHT, dir, speed, spot);
  return m_Brain.DoKCommand(KickForPush(spot - ball->GetGPos() - have));
}

int CKickPlanner::FinalKick(float dir, float speed)
{
  // The ball leaves: nothing is carried into the next cycle.
  m_Kicking.plan = KICKPLAN();
  m_Kicking.plan.time = m_Brain.GetTime();
  return m_Brain.DoKCommand(m_Brain.KickStraight(speed, dir, 1.0f, nullptr));
}

int CBehaviours::KickBall(CVector target, float speed)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || KickAccelAt(ball->GetGPos(), GetGPos()) <= 0)
    return 0;
  if (speed > m_BallSpeedMax)
    speed = m_BallSpeedMax;
  const float dir = (target - ball->GetGPos()).GetDir();
  const KICKMODE mode = m_KickPlanner.CarryKickPlan(dir) ? m_Kicking.plan.mode : BestModeAbs(dir);
  return SmartKickAbs(dir, mode, speed, ROTDIR_AWAY);
}

bool CKickPlanner::ShotNeedsHaste(float dir)
{
  // Close to their goal a shot now beats a harder one later when their
  // goalkeeper is near enough to take the ball meanwhile.
  const CBall *ball = m_Brain.M2BReadBall();
  const CPlayer *keeper = m_Brain.TheirGoalie();
  if (!ball || !keeper || !keeper->GetPositionValid())
    return false;
  const CVector goal(m_Brain.m_PitchLength / 2, 0);
  if (ball->GetGPos().dist(goal) > m_Brain.m_GreatShotDistance)
    return false;
  if (std::fabs(m_Brain.NormaliseAngle(dir - (goal - ball->GetGPos()).GetDir())) > 90)
    return false;
  return m_Brain.EstimateCycles2Steal(keeper) < m_Brain.m_BreakawayMinGoalieStealTime;
}

int CBehaviours::SmartKickAbs(float dir, KICKMODE mode, float speed, ROTDIR rot)
{
  m_Kicking.smart_dir = dir;
  m_Kicking.smart_mode = mode;
  m_Kicking.smart_speed = speed;
  m_Kicking.smart_rot = rot;
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || KickAccelAt(ball->GetGPos(), GetGPos()) <= 0)
    return 0;
  if (speed > m_BallSpeedMax)
    speed = m_BallSpeedMax;
  if (!m_KickPlanner.CarryKickPlan(dir) && (mode == KICKMODE_HARD || mode == KICKMODE_HARDSPIN))
  {
    // A plan starts (again) only as long as the threat allows: carried on
    // blindly, a plan the ball keeps leaving would never end.
    const KICKMODE allowed =
        m_KickPlanner.ShotNeedsHaste(dir) ? KICKMODE_STRAIGHT : BestModeAbs(dir);
    if (allowed < mode)
      mode = allowed;
  }
  if (mode != KICKMODE_STRAIGHT && !ball->GetVelocityValid())
  {
    // A kick over several cycles cannot be laid without knowing how the
    // ball moves: it is stopped blind, and the plan starts next cycle. A
    // stop the touch gate holds back is no kick: the caller's other rules
    // fill the cycle (seen: a goalkeeper at a ball that had struck him sent
    // nothing for two cycles).
    return TouchGate(CMD_KICK, m_StopBallPower, NormaliseAngle(AngleToFromBody(ball->GetGPos()) + 180));
  }

  const float rel = NormaliseAngle(dir - GetBFacing());
  const float about = (ball->GetGPos() - GetGPos()).GetDir();
  switch (mode)
  {
    case KICKMODE_SPIN:
      // Turned to the kick's side of the body first.
      if (std::fabs(NormaliseAngle(about - dir)) > 90 + m_KickAngErr)
      {
        int code = SPIN_NONE;
        const ACTIONQUEUE turn = m_KickPlanner.SpinKickQueue(
            m_SpinKickFactor1, rel, rot, m_SpinKickFactor2, m_KickStraightFactor, &code);
        if (code == SPIN_KICKED || code == SPIN_STOPPED)
        {
          m_KickPlanner.PlanKick(mode, dir, speed, m_Kicking.spin_spot);
          return DoKCommand(turn);
        }
      }
      return m_KickPlanner.FinalKick(dir, speed);
    case KICKMODE_HARDSPIN:
    {
      // Round the body first, unless a hard kick from where the ball lies
      // gives the speed anyway.
      const float start = NormaliseAngle(dir + m_HardestKickBallAng);
      const bool there = std::fabs(NormaliseAngle(about - start)) <= m_MaxHardKickAngleErr;
      if (there)
        m_Kicking.plan.spun = true;
      if (!m_Kicking.plan.spun && m_Kicking.plan.kicks < m_TimeForFullRotation / 2 &&
          m_KickPlanner.HardKickReach(dir, speed, nullptr, nullptr) < speed - m_Epsilon)
      {
        const int code = HardSpinKick(start, rot);
        if (code == SPIN_KICKED || code == SPIN_STOPPED)
        {
          m_KickPlanner.PlanKick(mode, dir, speed, m_Kicking.spin_spot);
          return 1;
        }
      }
      m_Kicking.plan.spun = true;
      return HardKick(dir, speed, mode);
    }
    case KICKMODE_HARD:
      return HardKick(dir, speed, mode);
    default:
      break;
  }
  // One kick now: a kick that would end on the body is turned round it
  // instead.
  bool enough = false;
  const ACTIONQUEUE kick = KickStraight(speed, dir, 1.0f, &enough);
  if (kick.command == CMD_KICK && IsKickCollision(kick.power, kick.angle))
  {
    int code = SPIN_NONE;
    const ACTIONQUEUE turn = m_KickPlanner.SpinKickQueue(
        m_SpinKickFactor1, rel, rot, m_SpinKickFactor2, m_KickStraightFactor, &code);
    if (code == SPIN_KICKED)
    {
      m_KickPlanner.PlanKick(KICKMODE_SPIN, dir, speed, m_Kicking.spin_spot);
      return DoKCommand(turn);
    }
  }
  return m_KickPlanner.FinalKick(dir, speed);
}

float CKickPlanner::HardKickReach(float dir, float speed, CVector *spot, float *dashPower)
{
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector from = ball->GetGPos();
  const CVector have = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  const CVector unit = Polar2CVector(1, dir);
  const float accel = m_Brain.KickAccelAt(from, m_Brain.GetGPos());
  float best = std::fmin(ReachAlong(have, accel, unit), m_Brain.m_BallSpeedMax);
  if (spot)
    *spot = CVector(-999, -999);
  if (dashPower)
    *dashPower = -1;
  const float now = best;
  // Where one kick lays the ball for the next to add most: on the kick's
  // side of the body, clear of it by hard_kick_min_dist, still in reach.
  const CVector me = m_Brain.PredPos();
  const float inner = m_Brain.m_PlayerSize + m_Brain.m_BallSize + m_Brain.m_HardKickMinDist;
  const float outer = m_Brain.m_Kickable - m_Brain.m_KickableBuffer;
  for (int ring = 0; ring <= kHardKickRings; ring++)
  {
    const float radius = inner + (outer - inner) * static_cast<float>(ring) / kHardKickRings;
    // Counted, not summed: a configured epsilon must not stretch the fan.
    const int steps = static_cast<int>(std::lround(180 / kHardKickAngleStep));
    for (int k = 0; k <= steps; k++)
    {
      const float off = -90 + static_cast<float>(k) * kHardKickAngleStep;
      const CVector at = me + Polar2CVector(radius, dir + off);
      if ((at - from - have).GetMag() > accel || m_Brain.HardKickCollision(from, at))
        continue;
      const float reach = std::fmin(
          ReachAlong((at - from) * m_Brain.m_BallDecay, m_Brain.KickAccelAt(at, me), unit),
          m_Brain.m_BallSpeedMax);
      if (reach > best && reach > now + kMinKickGain)
      {
        best = reach;
        if (spot)
          *spot = at;
      }
    }
  }
  // Or a dash that brings the foot nearer a ball ahead, weighed only when
  // a dash of all the power at hand gains on the kick now: a ball that the
  // full dash runs into or leaves behind is kicked from where it lies.
  if (!m_Brain.WillDashHelpKick(dir, speed))
    return best;
  const float most = m_Brain.CorrectDashPower4Stamina(static_cast<float>(m_Brain.m_MaxPower));
  for (float power = most; power > 0; power -= most / kHardKickRings)
  {
    const float reach = DashHelpReach(dir, power);
    if (reach > best && reach > now + kMinKickGain)
    {
      best = reach;
      if (spot)
        *spot = CVector(-999, -999);
      if (dashPower)
        *dashPower = power;
    }
  }
  return best;
}

int CBehaviours::HardKick(float dir, float speed, KICKMODE mode)
{
  const CBall *ball = M2BReadBall();
  const CVector have = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  const float accel = KickAccelAt(ball->GetGPos(), GetGPos());
  const float now = std::fmin(ReachAlong(have, accel, Polar2CVector(1, dir)), m_BallSpeedMax);
  // Enough at once, or the plan has used its cycles: the final kick.
  const int allowed =
      m_CyclesToKick - 1 + (mode == KICKMODE_HARDSPIN ? m_TimeForFullRotation / 2 : 0);
  if (now >= speed - m_Epsilon || m_Kicking.plan.kicks >= allowed)
    return m_KickPlanner.FinalKick(dir, speed);
  CVector spot;
  float dash = -1;
  m_KickPlanner.HardKickReach(dir, speed, &spot, &dash);
  if (dash > 0)
  {
    m_KickPlanner.PlanKick(mode, dir, speed, ball->GetGPos() + have);
    return TouchGate(CMD_DASH, dash);
  }
  if (spot.GetX() < -998)
    return m_KickPlanner.FinalKick(dir, speed);
  m_KickPlanner.PlanKick(mode, dir, speed, spot);
  return DoKCommand(m_KickPlanner.KickForPush(spot - ball->GetGPos() - have));
}
