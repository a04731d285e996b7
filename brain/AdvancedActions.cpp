// The ball behaviours: stopping and holding the ball, blocking an opponent,
// possession and keeping the ball; and where the ball goes when it is
// played forward: shots, clearances, sends and crosses.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CGLine.h"
#include "CRay.h"
#include "CShotAim.h"
#include "Geometry.h"
#include "PlayerInterface.h"
#include "UnseenReach.h"

void CBehaviours::StopBall()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return;
  if (!ball->GetVelocityValid())
  {
    // Not knowing how it moves, push it back through itself towards the
    // agent.
    TouchGate(CMD_KICK, m_StopBallPower, NormaliseAngle(AngleToFromBody(ball->GetGPos()) + 180));
    return;
  }
  DoKCommand(KickStraight(0, 0, 1.0f, nullptr));
}

void CBehaviours::HoldBall()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return;
  const CVector me = GetGPos();
  const CPlayer *foe = GetClosestValidFoe2Me(0);
  if (!foe)
  {
    if (!ball->GetVelocityValid())
    {
      FaceNeck2Ball();
      return;
    }
    if (GetHaveVisualForThisAngle() &&
        !(ball->IsMoving() && !BallWillBeKickable(1, 0, m_HoldballKickableBuffer)))
    {
      ScanFieldWithBody();
      return;
    }
    if (!ball->IsMoving() && BallWillBeKickable(1, 0, m_HoldballKickableBuffer))
      return;
    StopBall();
    return;
  }

  // Straight away from the opponent, but on the pitch.
  const float radius = m_SpinKickFactor1;
  float away = NormaliseAngle(AngleToFromBody(foe->GetGPos()) + 180);
  const CVector hold = BodyPolar2Gpos(radius, away);
  if (!m_FieldCRectangle.IsWithin(hold))
  {
    const CGLine edge = m_FieldCRectangle.nearestEdgeCGLine(me);
    CVector first, second;
    const int meets = edge.CGLineCircleIntersect(radius, me, &first, &second);
    if (meets == 1)
      away = AngleToFromBody(first);
    else if (meets == 2)
      away = AngleToFromBody(first.dist2(hold) < second.dist2(hold) ? first : second);
  }

  if (!BallWillBeKickable(1, 0, m_HoldballKickableBuffer))
  {
    SpinTo(away, ROTDIR_AWAY);
    return;
  }
  // An opponent behind the agent that the last visual did not show.
  if (foe->GetConf() < m_MobConfDrop + m_Epsilon && std::fabs(foe->GetRDir()) > GetViewAngle())
  {
    FaceNeck2Player(foe);
    SpinTo(away, ROTDIR_AWAY);
    return;
  }
  if (EstimateCycles2Steal(foe) > m_TimeForFullRotation / 3 && GetHaveVisualForThisAngle())
  {
    ScanFieldWithBody();
    return;
  }
  SpinTo(away, ROTDIR_AWAY);
}

CVector CBehaviours::OverrunBlockPos(CVector point, const CPlayer *foe, CGLine line) const
{
  if (!foe)
    return point;
  const CVector from = foe->GetGPos();
  // An opponent already on the point leaves no way to run past him on.
  if (point.dist(from) <= m_Epsilon)
    return point;
  const CVector me = GetGPos();
  CGLine way(0, 0, 0);
  way.CGLineFromTwoPoints(point, from);
  const float length = way.dist(me) * m_BlockFoeDistRatio + m_BlockFoeDist;
  const CVector ahead = (point - from).SetLength(length);
  const CVector aside =
      ahead.SetLength(m_OverrunBuffer).Rotate(line.HalfPlaneTest(me) == 0 ? 90.0f : -90.0f);
  return from + ahead * 2 + aside;
}

int CBehaviours::BlockFoe(CVector point, const CPlayer *foe, float power)
{
  const int now = GetTime();
  const CBall *ball = M2BReadBall();
  if (!foe || !BallPositionValid() || !foe->GetPositionValid())
    return 0;
  const CVector from = foe->GetGPos();
  CGLine line(0, 0, 0);
  if (point.dist(from) > m_Epsilon)
    line.CGLineFromTwoPoints(point, from);

  bool overrun = m_BlockFoeTime == now - 1 && m_OverrunBlocking;
  // An opponent already on the point has no cone towards it.
  if (!overrun && point.dist(from) > m_Epsilon)
    overrun = !IsPointInCone(GetGPos(), TheirBreakawayConeRatio(foe), point, from);
  if (overrun)
  {
    const CVector spot = OverrunBlockPos(point, foe, line);
    if (!AtPos(spot, m_MinDistToPoint))
    {
      m_OverrunBlocking = true;
      m_BlockFoeTime = now;
      const float pace =
          ball->GetGX() < -1.5f * m_DefenseZone ? static_cast<float>(m_MaxPower) : power;
      return MoveToPos(spot, m_MinDistToPoint, pace, DODGE_NONE);
    }
    m_OverrunBlocking = false;
    m_BlockFoeTime = now;
  }
  if (m_BlockFoeTime == now && m_OverrunBlocking)
    return 1;
  m_OverrunBlocking = false;
  m_BlockFoeTime = now;
  return MoveToPointInBetween(from, point, m_BlockFoeDist, power);
}

bool CBehaviours::IsOurPossession(bool &near)
{
  near = true;
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  const int margin = ball->GetGX() < -1.5f * m_DefenseZone ? m_DefzPossessionIntCycleBuf
                                                            : m_PossessionIntCycleBuf;
  const CPlayer *mate = FastestFriend2Ball(near);
  const CPlayer *foe = FastestFoe2Ball();
  const int ours = NumOfCyclesToIntercept(mate);
  const int theirs = foe ? NumOfCyclesToIntercept(foe) : 9999;
  if (mate && ball->GetGPos().dist(GetGPos()) > 2 * m_Kickable)
    near = false;
  if (BallKickableForPlayer(nullptr, 0))
  {
    near = true;
    return true;
  }
  if (FoeWithBall(0))
    return false;
  if (FriendWithBall(0))
  {
    near = false;
    return true;
  }
  return ours + margin < theirs;
}

bool CBehaviours::IsOurPossession()
{
  bool near = true;
  return IsOurPossession(near);
}

bool CBehaviours::CanIRecharge() const
{
  return m_RechargeAllowedTime <= GetTime();
}

int CBehaviours::CanKeepBallCyclesForThisZone() const
{
  const CBall *ball = M2BReadBall();
  const float x = ball ? ball->GetGX() : 0;
  if (x < -m_DefenseZone)
    return m_DefzCanKeepBallCycles;
  if (x > m_DefenseZone)
    return m_FwzCanKeepBallCycles;
  return m_MidzCanKeepBallCycles;
}

bool CBehaviours::CanKeepBall(int cycles)
{
  const int now = GetTime();
  if (m_CanKeepBallTime == now)
    return m_CanKeepBallResult;
  m_CanKeepBallTime = now;
  sorted_players foes;
  SortValidFoes2Me(foes);
  bool result = true;
  bool oneClose = false;
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *foe = foes.players[i];
    if (BallKickableForPlayer(foe, -m_Kickable / 3))
    {
      result = false;
      break;
    }
    // One unseen for a while may have come nearer meanwhile.
    const int steal = EstimateCycles2Steal(foe) - UnseenCyclesCounted(GetTime() - foe->GetTime());
    if (steal <= cycles)
    {
      result = false;
      break;
    }
    if (steal <= m_CyclesToKick + m_CanKeepBallCycleBuffer)
    {
      // One opponent close by can be turned away from, two cannot.
      if (oneClose)
      {
        result = false;
        break;
      }
      oneClose = true;
    }
  }
  m_CanKeepBallResult = result;
  return result;
}

namespace
{
// A shot is aimed at least this far inside a post.
const float kAimInsidePost = 0.7f;
// An opponent this near hurries a cross.
const float kCrossHurry = 6;
}  // namespace

CVector CBehaviours::ShootPoint(const CPlayer *player)
{
  const CBall *ball = M2BReadBall();
  const CVector from = player ? player->GetGPos() : GetGPos();
  float side = (!ball || ball->GetMag() <= m_MinAffectShotVel || player) ? SignF(from.GetY())
                                                                          : SignF(ball->GetDir());
  const float line = m_PitchLength / 2;
  const float post = m_GoalWidth * m_ShootGoalWidthFactor / 2;
  const float postNeg = (CVector(line, -post) - from).GetDir();
  const float postPos = (CVector(line, post) - from).GetDir();
  float coneNeg = (CVector(line, m_NoGkAvoidBuf - post) - from).GetDir();
  float conePos = (CVector(line, post - m_NoGkAvoidBuf) - from).GetDir();
  const CPlayer *goalie = TheirGoalie();
  if (goalie)
  {
    const float dist = goalie->GetGPos().dist(from);
    if (dist > m_CatchRadius)
    {
      const float towards = (goalie->GetGPos() - from).GetDir();
      const float reach = ASin(m_CatchRadius / dist);
      coneNeg = towards - reach;
      conePos = towards + reach;
      // Aimed where the ball was going, a shot went at whichever corner
      // the keeper stood nearer as often as not: the far one beats him.
      side = player ? CShotAim::CornerTheKeeperReachesLast(from, goalie->GetGPos(), line, post, side,
                                                           CShotAim::kEven)
                    : m_ShotAim.Choose(GetTime(), from, goalie->GetGPos(), line, post, side);
    }
  }
  // The gap beside the goalkeeper's reach on the chosen side first.
  const bool posOpen = conePos < postPos;
  const bool negOpen = coneNeg > postNeg;
  float first = 0;
  float second = 0;
  if (side > 0 ? posOpen : !negOpen && posOpen)
  {
    first = postPos;
    second = conePos;
  }
  else if (negOpen)
  {
    first = postNeg;
    second = coneNeg;
  }
  const CVector dir = ShootTarget(first, second);
  const CGLine shot{CRay(from, dir)};
  CGLine goalLine(0, 0, 0);
  goalLine.CGLineFromTwoPoints(CVector(line, -m_PitchWidth / 2), CVector(line, m_PitchWidth / 2));
  const CVector hit = shot.intersection(goalLine);
  if (hit.GetMag() < 0)
    return CVector(line, 0);
  // Aimed at the post itself, as the scan does to keep clear of a
  // defender, the shot goes wide as often as in: it goes a little inside.
  const float inside = post - kAimInsidePost;
  return CVector(hit.GetX(), Clamp(hit.GetY(), -inside, inside));
}

CVector CBehaviours::ShootTarget(float first, float second)
{
  return ShootTarget(GetGPos(), first, second);
}

int CBehaviours::ShootToGoal()
{
  return KickBall(ShootPoint(nullptr), 2 * m_BallSpeedMax);
}

int CBehaviours::ClearBall()
{
  return KickBall(GetGPos() + ClearTarget() * 9999, 2 * m_BallSpeedMax);
}

bool CBehaviours::NeedToClear()
{
  if (NumFoesWithin(10.0f) == 0)
    return false;
  const CVector me = GetGPos();
  return m_OurPenaltyArea.IsWithin(me) || me.dist(CVector(-m_PitchLength / 2, 0)) < 25.0f;
}

int CBehaviours::SendBall()
{
  const CVector me = GetGPos();
  CVector target = SendTarget();
  if (me.dist(target) >= m_SendMinDistThr)
    return KickBall(target, Point2KickVelocity(target, m_SendPointTargetVel));
  if (me.GetX() < m_DefenseZone)
  {
    target = OffensiveSendTarget();
    if (me.GetX() < target.GetX() &&
        (me.dist(target) > m_SendMinDistThr ||
         me.GetX() > m_PitchLength / 2 - m_PenaltyAreaLength - m_SendMinDistThr))
      return KickBall(target, Point2KickVelocity(target, m_SendPointTargetVel));
  }
  return ShootToGoal();
}

int CBehaviours::OffensiveSendBall()
{
  const CVector me = GetGPos();
  const CVector target = OffensiveSendTarget();
  if (me.GetX() > target.GetX())
    return SendBall();
  if (me.dist(target) < m_SendMinDistThr &&
      me.GetX() < m_PitchLength / 2 - m_PenaltyAreaLength - m_SendMinDistThr)
    return SendBall();
  // Aimed at the target, but no harder than comes to rest on their goal
  // line.
  const float toTarget = Point2KickVelocity(target, m_SendPointTargetVel);
  float speed = toTarget;
  const CBall *ball = M2BReadBall();
  const CVector from = ball ? ball->GetGPos() : me;
  if (from.dist(target) > m_Epsilon)
  {
    CGLine path(0, 0, 0);
    path.CGLineFromTwoPoints(from, target);
    CGLine goalLine(0, 0, 0);
    goalLine.CGLineFromTwoPoints(CVector(m_PitchLength / 2, -m_PitchWidth / 2),
                                 CVector(m_PitchLength / 2, m_PitchWidth / 2));
    // A path along the goal line never meets it.
    const CVector end = path.intersection(goalLine);
    if (end.GetMag() >= 0)
    {
      const float toLine = Point2KickVelocity(end, 0);
      speed = toTarget < toLine ? toTarget : toLine;
    }
  }
  return KickBall(target, speed);
}

bool CBehaviours::ShouldISendInwards()
{
  const CVector me = GetGPos();
  if (me.GetX() > m_PitchLength / 2 - (m_PenaltyAreaLength + 4.0f) &&
      std::fabs(me.GetY()) < (m_GoalAreaWidth + 4.0f) / 2)
    return true;
  const int send = NumFoesWithin(m_SendInwardsFoeDist2Check, SendTarget());
  const int offensive = NumFoesWithin(m_SendInwardsFoeDist2Check, OffensiveSendTarget());
  return !(offensive < send - m_SendInwardsIgnoredFoes);
}

bool CBehaviours::ShouldICross() const
{
  const CVector me = GetGPos();
  const CVector corner(m_PitchLength / 2, m_PitchWidth / 2);
  const CVector other(m_PitchLength / 2, -m_PitchWidth / 2);
  if (me.dist(corner) < m_ShouldCrossCornerDist || me.dist(other) < m_ShouldCrossCornerDist)
    return true;
  return m_FieldCRectangle.RightEdge().dist(me) <= m_ShouldCrossBaselineBuffer;
}

bool CBehaviours::ShouldIMoveToCross() const
{
  const CVector me = GetGPos();
  const CVector corner(m_PitchLength / 2, m_PitchWidth / 2);
  const CVector other(m_PitchLength / 2, -m_PitchWidth / 2);
  return me.dist(corner) < m_ShouldMove2CrossCornerDist ||
         me.dist(other) < m_ShouldMove2CrossCornerDist;
}

int CBehaviours::CrossBall()
{
  const CVector me = GetGPos();
  CVector target(m_CrossPointX, -SignF(me.GetY()) * m_CrossPointY);
  DistPlayerCompare nearGoal(CVector(m_PitchLength / 2, 0));
  sorted_players mates;
  DoSortyThing(1, nearGoal, mates);
  const CPlayer *receiver = nullptr;
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    if (m_TheirPenaltyArea.IsWithin(p->GetGPos()) &&
        (!receiver || p->GetGX() < receiver->GetGX()))
      receiver = p;
  }
  if (receiver)
    target = receiver->GetGPos();
  // With a defender coming it goes in one kick as the ball lies: laid over
  // several kicks, crosses by their goal line took five cycles and were
  // taken.
  if (NumFoesWithin(kCrossHurry) > 0)
    return m_BallChoices.KickOnceTowards(target, m_CrossPointTargetVel);
  return KickBall(target, Point2KickVelocity(target, m_CrossPointTargetVel));
}
