// Dribbling: the ball kept a step ahead of the agent as he runs, pushed
// past an opponent in the way and kept inside the lines; and whether the
// way towards a point is free enough to dribble it.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "PlayerInterface.h"
#include "UnseenReach.h"

namespace
{
// The dribble kick lays the ball for at most this many cycles of running.
const int kMaxDribbleCycles = 3;
// A ball pushed past an opponent close ahead goes this far aside.
const float kDodgeKickAngle = 45;
}  // namespace

// One step towards a direction at a dash power (a dash when the ball lies
// as meant and stays in reach, a dribble kick otherwise); the dribble kick
// that lays the ball dribble_ball_dist ahead of the agent after this
// cycle's kick and cycles - 1 dashes; a dash that keeps the ball in reach
// and off the body (0: none queued); a direction close to the body's
// counted as the body's.
float CBehaviours::NormaliseDribAngleWithBuffer(float dir) const
{
  // Small corrections are not worth a turn: the body's heading stands.
  const float body = GetBFacing();
  return std::fabs(NormaliseAngle(dir - body)) <= m_DribbleIgnoreBuffer ? body
                                                                          : NormaliseAngle(dir);
}

CVector CBehaviours::DribbleBallSpot(float dir, float power, int cycles) const
{
  return PredPosAfterTurn(cycles, 0, power, false, 1) + Polar2CVector(m_DribbleBallDist, dir);
}

ACTIONQUEUE CBehaviours::GetDribbleKick(float dir, float power, int cycles, bool *possible)
{
  ACTIONQUEUE queue;
  EmptyActionQueue(queue);
  *possible = false;
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || cycles < 1)
    return queue;
  // The ball is to lie dribble_ball_dist ahead of the agent once he has
  // spent this cycle kicking and the rest running after it.
  const CVector way = DribbleBallSpot(dir, power, cycles) - ball->GetGPos();
  const float speed =
      static_cast<float>(SolveForFirstTermGeomSeries(m_BallDecay, cycles, way.GetMag()));
  return KickStraight(speed, way.GetDir(), 1.0f, possible);
}

int CBehaviours::DribKick(float dir, float power)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return 0;
  const float clear = m_PlayerSize + m_BallSize + m_CollisionBuffer;
  for (int cycles = kMaxDribbleCycles; cycles >= 1; cycles--)
  {
    bool possible = false;
    const ACTIONQUEUE kick = GetDribbleKick(dir, power, cycles, &possible);
    if (!possible)
      continue;
    // The agent must not run into the ball on its way, and must find it in
    // reach at the end.
    const CVector from = ball->GetGPos();
    const CVector way = DribbleBallSpot(dir, power, cycles) - from;
    const float first =
        static_cast<float>(SolveForFirstTermGeomSeries(m_BallDecay, cycles, way.GetMag()));
    bool clean = true;
    for (int i = 1; i <= cycles && clean; i++)
    {
      const CVector at = from + way.SetLength(SumGeomSeries(first, m_BallDecay, i));
      const float dist = at.dist(PredPosAfterTurn(i, 0, power, false, 1));
      clean = dist >= clear && (i < cycles || dist <= m_Kickable - m_KickableBuffer);
    }
    if (clean)
      return DoKCommand(kick);
  }
  // No way to lay it ahead without running into it (it lies behind or
  // beside the body): it is turned round to the front, or kept still at
  // the foot once there.
  const int spin = SpinTo(NormaliseAngle(dir - GetBFacing()), ROTDIR_AWAY);
  if (spin == SPIN_KICKED || spin == SPIN_STOPPED)
    return 1;
  return DoKCommand(KickStraight(0, 0, 1.0f, nullptr));
}

int CBehaviours::DribDash(float power)
{
  if (!BallPositionValid())
    return 0;
  if (IsDashCollision(power, m_CollisionBuffer) ||
      BallPredPos(1).dist(PredPosAfterDash(power)) > m_Kickable - m_KickableBuffer)
    return 0;
  return TouchGate(CMD_DASH, power);
}

int CBehaviours::DribbleTo(float dir, float power)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return 0;
  const CVector me = GetGPos();
  // An opponent close ahead: the ball is pushed past him on his other side.
  float kickDir = dir;
  const CPlayer *foe = GetClosestValidFoe2Me(0);
  if (foe && foe->GetGPos().dist(me) <= m_DribbleDodgeCloseDist)
  {
    const float rel = NormaliseAngle((foe->GetGPos() - me).GetDir() - dir);
    const float wide = ATan(m_DodgeDistBuf / std::fmax(foe->GetGPos().dist(me), m_Epsilon));
    if (std::fabs(rel) <= m_DribbleDodgeAngleErr + wide && std::fabs(rel) < 90)
      kickDir = NormaliseAngle(dir - (rel >= 0 ? kDodgeKickAngle : -kDodgeKickAngle));
  }
  // Where the ball lies must be about where it was meant to: otherwise
  // it is laid again before the agent runs on.
  const float off = std::fabs(NormaliseAngle((ball->GetGPos() - me).GetDir() - kickDir));
  if (kickDir == dir && off <= m_MaxDribbleExpAngle && DribDash(power))
    return 1;
  return DribKick(kickDir, power);
}

int CBehaviours::CleverDribbleTo(CVector target, float speed, float buffer)
{
  m_Dribbling.target = target;
  m_Dribbling.speed = speed;
  m_Dribbling.buffer = buffer;
  // The pace asked is a running speed: the dash power whose speed the
  // body settles at, as far as the agent's stamina allows.
  float power = speed * (1 - m_PlayerDecay) / m_DashPowerRate;
  if (power > static_cast<float>(m_MaxPower))
    power = static_cast<float>(m_MaxPower);
  power = CorrectDashPower4Stamina(power > 0 ? power : 0);
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || AtPos(target, buffer))
    return 0;
  const CVector me = GetGPos();
  float dir = (target - me).GetDir();

  // The nearest opponent that counts and stands in the way turns the
  // dribble aside. One not seen lately counts only when felt.
  sorted_players foes;
  SortValidFoes2Me(foes);
  const CPlayer *threat = nullptr;
  for (int i = 0; i < foes.count; i++)
  {
    const CPlayer *foe = foes.players[i];
    const float dist = foe->GetGPos().dist(me);
    if (dist > m_DribbleOppIgnoreDist)
      break;
    if (foe->GetConf() < m_MobConfDrop * m_MobConfDrop - m_Epsilon && dist > m_FeelDistance)
      continue;
    const float rel = NormaliseAngle((foe->GetGPos() - me).GetDir() - dir);
    if (dist <= m_DribbleDodgeMaxDist && std::fabs(rel) < 90 &&
        std::fabs(dist * Sin(rel)) < m_DodgeDistBuf)
    {
      threat = foe;
      dir = NormaliseAngle(dir - (rel >= 0 ? m_DribbleNormalAngle : -m_DribbleNormalAngle));
      break;
    }
  }
  // Inside the lines: a dribble that would cross one runs along it.
  const CVector ahead = me + Polar2CVector(m_DribbleSidelineBuffer, dir);
  if (std::fabs(ahead.GetY()) > m_PitchWidth / 2)
    dir = std::fabs(NormaliseAngle(dir)) <= 90 ? 0 : 180;
  if (std::fabs(ahead.GetX()) > m_PitchLength / 2)
    dir = NormaliseAngle(dir) >= 0 ? 90 : -90;
  dir = NormaliseDribAngleWithBuffer(dir);

  if (threat || !m_DribbleCanScan)
    FaceOnlyNeck2Ball();
  else
    ScanFieldWithNeck();

  if (KickAccelAt(ball->GetGPos(), me) <= 0)
  {
    // Loose: after it, to where it will be.
    if (MoveToPos(BallPredPos(1), m_Kickable - m_KickableBuffer, power, DODGE_NONE))
      return 1;
    return Turn(NormaliseAngle(dir - GetBFacing()));
  }
  const float turn = NormaliseAngle(dir - GetBFacing());
  if (std::fabs(turn) > m_MaxGoToPointAngleErr)
  {
    // Turning first; a ball that would escape meanwhile is laid where the
    // agent will face.
    if (BallWillBeKickable(1, 0, 0))
      return Turn(turn);
    return DribKick(dir, 0);
  }
  return DribbleTo(dir, power);
}

// ------------------------------------------------ whether to dribble

// Whether to dribble here at all, and whether the way to a point (or
// dribble_length towards a direction) is free of opponents; in a
// breakaway the goalkeeper does not block the way.
bool CBehaviours::CanDribble()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  const CVector at = ball->GetGPos();
  // Not in our own third, where a lost ball costs a goal.
  return at.GetX() > -m_PitchLength / 2 + m_DribbleDefensive &&
         std::fabs(at.GetX()) < m_PitchLength / 2 && std::fabs(at.GetY()) < m_PitchWidth / 2;
}

bool CBehaviours::DribbleWayFree(CVector point, bool breakaway)
{
  const CVector me = GetGPos();
  const float dir = (point - me).GetDir();
  // A dribble that has to turn first gives an opponent beside it time to
  // come: the outer circle then counts all round.
  const float half = std::fabs(NormaliseAngle(dir - GetBFacing())) > m_MaxGoToPointAngleErr
                         ? 180
                         : m_DribbleCircleAng / 2;
  const CPlayer *keeper = TheirGoalie();
  sorted_players foes;
  SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count; i++)
  {
    const CPlayer *foe = foes.players[i];
    const CVector at = foe->GetGPos();
    // One unseen for a while may have come nearer meanwhile.
    const float dist = NearestHeMayBe(at.dist(me), GetTime() - foe->GetTime(), m_PlayerSpeedMax);
    if (dist < m_DribbleInnerCircle)
      return false;
    if (dist < m_DribbleOuterCircle &&
        std::fabs(NormaliseAngle((at - me).GetDir() - dir)) <= half)
      return false;
    // In a breakaway the goalkeeper is the one to be beaten on the way.
    const bool isKeeper = foe == keeper || foe->GetIsGoalie();
    if (!(breakaway && isKeeper) && IsPointInCone(at, m_CanDribbleConeRatio, point, me))
      return false;
  }
  return true;
}

bool CBehaviours::CanDribbleTo(CVector point)
{
  return DribbleWayFree(point, false);
}

bool CBehaviours::CanDribbleToBreakaway(CVector point)
{
  return DribbleWayFree(point, true);
}

bool CBehaviours::CanDribbleTowards(float dir)
{
  return CanDribbleTo(GetGPos() + Polar2CVector(m_DribbleLength, dir));
}

bool CBehaviours::CanDribbleTowardsBreakaway(float dir)
{
  return CanDribbleToBreakaway(GetGPos() + Polar2CVector(m_DribbleLength, dir));
}
