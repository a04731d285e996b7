// The goalkeeper's place and how it gets there and looks: its point on the
// line from the goal to the ball, moving with the ball in sight or at full
// speed, facing and watching the ball, and the view narrowed while the
// ball stays in it, so that a shot is seen every cycle.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "Geometry.h"

namespace
{
// The longest move the goalkeeper makes backwards to keep the ball ahead.
const float kBackwardsReach = 10;
// Keeping the ball in sight, a step this far off the line to the point
// still goes.
const float kSightHeadingSlack = 15;
// Two turns that differ by less than this are about as short.
const float kHeadingTie = 30;
// The ball's direction off the body when the goalkeeper stands square to
// it: short of the neck's limit, so that the ball stays in view.
const float kSquareAngle = 80;

// The angle in degrees between two directions given as vectors.
float AngleBetween(CVector a, CVector b)
{
  const float cosine = Dot(a, b) / std::max(a.GetMag() * b.GetMag(), 1e-6f);
  return std::acos(Clamp(cosine, -1, 1)) * static_cast<float>(kRadToDeg);
}
}

// ------------------------------------------------------- the place

// On the line from the goal to the ball, further out the further the ball
// is (from goalie_min_pos_dist to goalie_max_pos_dist the point moves from
// the baseline buffer out to the forward limit, a share of the penalty
// area). Close in, the line aims at where the bisector of the ball's angle
// on the goal meets the goal line, so both posts are equally covered; far
// out, at the goal's centre, and beyond the centre distance the point
// stays in the middle. A ball wide of a post and near it (the corner rule)
// has the goalkeeper guard that post. For their set plays it keeps the
// free-kick distance off its line. The point always lies in front of the
// line and between the posts, and in the goal area while the ball is in
// the penalty area.
CVector CBehaviours::GoalieDesiredPosition()
{
  const float goalX = -m_PitchLength / 2;
  const CVector goal(goalX, 0);
  const float post = m_GoalWidth / 2;
  const float deepest = goalX + m_GoalieBaselineBuffer;
  const float wide = std::min(post, m_GoalAreaWidth / 2) - m_GoalieBaselineBuffer;
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
  {
    if (m_Goalie.last_desired.GetX() < goalX || m_Goalie.last_desired.GetX() > 0)
      m_Goalie.last_desired = CVector(deepest, 0);
    return m_Goalie.last_desired;
  }
  CVector b = ball->GetGPos();
  if (b.GetX() < goalX)
    b.SetX(goalX);
  const float side = SignF(b.GetY());
  const CVector nearPost(goalX, side * post);
  const CVector farPost(goalX, -side * post);

  CVector p;
  if (b.dist(nearPost) <= m_GoalieBallDistForCorner &&
      AngleBetween(farPost - nearPost, b - nearPost) >= m_GoalieBallAngForCorner)
    p = CVector(deepest, side * wide);
  else
  {
    const float dball = b.dist(goal);
    // Where the bisector of the angle the goal makes at the ball meets the
    // goal line; on the line itself, the near post.
    CVector aim = nearPost;
    if (b.GetX() - goalX > m_Epsilon)
    {
      const CVector toPos = (CVector(goalX, post) - b).SetLength(1);
      const CVector toNeg = (CVector(goalX, -post) - b).SetLength(1);
      const CVector bisector = toPos + toNeg;
      if (bisector.GetX() < -m_Epsilon)
        aim = b + bisector * ((goalX - b.GetX()) / bisector.GetX());
    }
    const float weight = std::min(1.0f, m_GoaliePositionWeightDist / std::max(dball, m_Epsilon));
    aim = goal + (aim - goal) * weight;

    float out = 0;
    if (IsTheirMode(CurrentPlayMode()))
      out = m_GoalieFreeKickDist;
    else
    {
      const float forward = m_GoalieMaxForwardPercent * m_PenaltyAreaLength;
      const float span = std::max(m_GoalieMaxPosDist - m_GoalieMinPosDist, m_Epsilon);
      const float share = Clamp((dball - m_GoalieMinPosDist) / span, 0, 1);
      out = m_GoalieBaselineBuffer + share * (forward - m_GoalieBaselineBuffer);
    }
    if (dball >= m_GoalieBallDistForCenter)
      p = goal + CVector(out, 0);
    else
    {
      CVector line = b - aim;
      if (line.GetMag() < m_Epsilon)
        line = CVector(1, 0);
      p = aim + line.SetLength(out);
      // A ball out wide near our goal line sees the goal in a narrow cone
      // whose line runs close along the goal line: put back to his least
      // depth across it, he would stand outside the cone (seen in a match:
      // a shot from the corner of the area went in at the near post a metre
      // behind him). He slides along the line to that depth instead.
      if (p.GetX() < deepest && line.GetX() > m_Epsilon)
        p = aim + line * ((deepest - aim.GetX()) / line.GetX());
    }
  }
  p.SetX(std::max(p.GetX(), deepest));
  p.SetY(Clamp(p.GetY(), -wide, wide));
  if (InOurPenaltyArea(b))
    p.SetX(std::min(p.GetX(), goalX + m_GoalAreaLength));
  m_Goalie.last_desired = p;
  return p;
}

// ------------------------------------------------------ getting there

int CBehaviours::GoalieGoToPoint(CVector p, SightVSpeed s)
{
  return GoalieGoToPoint(p, m_MinDistToPoint, s);
}

// Turn to the line of the move, then dash along it with the power that
// stops the goalkeeper on the point rather than beyond it. For sight the
// body takes whichever of the two ways along the line keeps the ball
// nearer its front, and dashes backwards if that is the way; a ball far
// from the goal needs no watching and the move is made for speed.
int CBehaviours::GoalieGoToPoint(CVector p, float tolerance, SightVSpeed s)
{
  const CVector me = GetGPos();
  const float d = me.dist(p);
  if (d < tolerance)
    return 0;
  const CBall *ball = M2BReadBall();
  const bool ballKnown = BallPositionValid();
  const CVector goal(-m_PitchLength / 2, 0);
  if (!ballKnown || ball->GetGPos().dist(goal) > m_GoalieMaxShotDistance)
    s = SVS_SPEED;
  const float way = (p - me).GetDir();
  // Near the point a rough heading still gets within the tolerance; in
  // sight of the ball a step somewhat off the line beats a turn, which
  // costs the cycle and, at speed, takes more than one.
  float allowed = std::max(m_MaxGoToPointAngleErr, ATan(tolerance / d));
  if (s == SVS_SIGHT)
    allowed = std::max(allowed, kSightHeadingSlack);
  const float body = GetBFacing();
  bool backwards = false;
  // Backwards only for a few steps: it is slower and costs twice the
  // stamina. A body already along the line, either way, stays so: choosing
  // afresh each cycle would turn it to and fro, and a turn about at speed
  // takes cycles.
  const bool alongFwd = std::fabs(NormaliseAngle(way - body)) <= allowed;
  const bool alongBack = std::fabs(NormaliseAngle(way + 180 - body)) <= allowed;
  if (s == SVS_SIGHT && d <= kBackwardsReach)
  {
    const float ballDir = (ball->GetGPos() - me).GetDir();
    const float turnFwd = std::fabs(NormaliseAngle(way - body));
    const float turnBack = std::fabs(NormaliseAngle(way + 180 - body));
    // Neither way along the line: the shorter turn, and of two about as
    // short the one that keeps the ball nearer the front. Choosing by the
    // ball alone turns the body about each time the point crosses over.
    // But a way that puts the ball beyond the neck's reach in the narrow
    // view is taken only when the other does too: he would move blind, and
    // his view widens to find the ball (seen in a match: coming out at an
    // attacker 8 m away, he turned his back to him for the shorter turn,
    // and the shot was first seen two cycles after it was struck).
    const float inView = m_MaxNeckAng + m_VisibleAngle / 4 - m_GoalieVisAngleErr;
    const bool fwdSees = std::fabs(NormaliseAngle(ballDir - way)) <= inView;
    const bool backSees = std::fabs(NormaliseAngle(ballDir - way - 180)) <= inView;
    if (fwdSees != backSees)
      backwards = backSees;
    else if (alongFwd || alongBack)
      backwards = !alongFwd;
    else if (std::fabs(turnFwd - turnBack) > kHeadingTie)
      backwards = turnBack < turnFwd;
    else
      backwards =
          std::fabs(NormaliseAngle(ballDir - way - 180)) < std::fabs(NormaliseAngle(ballDir - way));
  }
  const float heading = backwards ? NormaliseAngle(way + 180) : way;
  const float error = NormaliseAngle(heading - body);
  if (std::fabs(error) > allowed && Turn(error))
    return 1;
  // The speed that, decaying, carries the goalkeeper just to the point.
  const CVector unit = Polar2CVector(1, way);
  const float along = Dot(GetVelocity(), unit);
  const float effort = std::max(GetSB().effort, 0.1f);
  float power = (d * (1 - m_PlayerDecay) - along) / (m_DashPowerRate * effort);
  const bool urgent = s == SVS_SPEED || InDefensiveDanger();
  power = Clamp(power, 0, m_Goalkeeper.GoalieDashPower(urgent));
  if (backwards)
    power = std::max(-power, static_cast<float>(m_MinPower));
  return TouchGate(CMD_DASH, power);
}

int CBehaviours::GoalieGoToPosition()
{
  const CVector p = GoalieDesiredPosition();
  const CBall *ball = M2BReadBall();
  const CVector goal(-m_PitchLength / 2, 0);
  const bool near = BallPositionValid() &&
                    ball->GetGPos().dist(goal) <= m_GoalieMaxShotDistance;
  const SightVSpeed s = near || InDefensiveDanger() ? SVS_SIGHT : SVS_SPEED;
  // Facing the ball, the goalkeeper lets its steps along the body's line
  // take up a small error rather than turn away and back again.
  bool facing = false;
  if (BallPositionValid())
    facing = std::fabs(AngleToFromBody(ball->GetGPos())) <= m_GoalieScanAngleErr ||
             (near && std::fabs(NormaliseAngle(m_Goalkeeper.GoalieSquareBody() - GetBFacing())) <=
                          m_GoalieScanAngleErr);
  const float tolerance = facing ? m_MinDistToPoint : m_MinDistToPoint / 2;
  if (near && GetGPos().dist(p) >= tolerance && InDefensiveDanger())
  {
    switch (m_Goalkeeper.GoalieStanceStep(p))
    {
    case StanceStep::SquareUp:
      if (m_Goalkeeper.GoalieSquareUp())
        return 1;
      return m_Goalkeeper.GoalieHoldSpot(p);
    case StanceStep::Slide:
      return m_Goalkeeper.GoalieHoldSpot(p);
    case StanceStep::Leave:
      break;
    }
  }
  if (GoalieGoToPoint(p, tolerance, s))
    return 1;
  // Within shooting distance the body stands square to the ball, so that
  // the steps across the goal are dashes along it; farther out it faces the
  // ball.
  if (near ? m_Goalkeeper.GoalieSquareUp() : GoalieFaceBall())
    return 1;
  if ((!BallPositionValid()) && GetHaveVisualForThisAngle() && ScanFieldWithBody())
    return 1;
  return m_Goalkeeper.GoalieHoldSpot(p);
}

// At the point: a step along the body's line, forwards or backwards, keeps
// it there against drift without turning from the ball; so every cycle
// still has its command.
int CGoalkeeper::GoalieHoldSpot(CVector p)
{
  const CVector off = p - m_Brain.GetGPos();
  const CVector unit = Polar2CVector(1, m_Brain.GetBFacing());
  const float ahead = Dot(off, unit);
  const float along = Dot(m_Brain.GetVelocity(), unit);
  const float effort = std::max(m_Brain.GetSB().effort, 0.1f);
  const float power =
      (ahead * (1 - m_Brain.m_PlayerDecay) - along) / (m_Brain.m_DashPowerRate * effort);
  const float bounded =
      Clamp(power, static_cast<float>(m_Brain.m_MinPower), static_cast<float>(m_Brain.m_MaxPower));
  return m_Brain.TouchGate(CMD_DASH, bounded);
}

// ------------------------------------------------------------ looking

float CGoalkeeper::GoalieSquareBody()
{
  return NearerSquareFacing(m_Brain.GetGPos(), m_Brain.M2BReadBall()->GetGPos(),
                            m_Brain.GetBFacing(), kSquareAngle);
}

StanceStep CGoalkeeper::GoalieStanceStep(CVector point)
{
  if (!m_Brain.BallPositionValid())
    return StanceStep::Leave;
  STANCEVIEW view;
  view.me = m_Brain.GetGPos();
  view.body = m_Brain.GetBFacing();
  view.ball = m_Brain.M2BReadBall()->GetGPos();
  view.point = point;
  view.goalX = -m_Brain.m_PitchLength / 2;
  STANCELIMITS limits;
  limits.squareAngle = kSquareAngle;
  limits.turnError = m_Brain.m_GoalieScanAngleErr;
  return SquareStanceStep(view, limits);
}

// Square to the ball, the way nearer the body's present facing; the neck
// keeps the ball in view.
bool CGoalkeeper::GoalieSquareUp()
{
  if (!m_Brain.BallPositionValid())
    return false;
  const float a = m_Brain.NormaliseAngle(GoalieSquareBody() - m_Brain.GetBFacing());
  return std::fabs(a) > m_Brain.m_GoalieScanAngleErr && m_Brain.Turn(a);
}

// The body to the ball, where it will be after this cycle, once it is
// more than the scan error off.
bool CBehaviours::GoalieFaceBall()
{
  if (!BallPositionValid())
    return false;
  const float a = PredRelAngle2PointFromBodyWithQueuedAction(BallPredPosWithQueuedActions());
  return std::fabs(a) > m_GoalieScanAngleErr && Turn(a);
}

// The neck on the ball; a ball lost is searched for.
void CBehaviours::GoalieWatchBall()
{
  if (!BallPositionValid())
  {
    // A body turning to search already brings a new view; a neck sweep
    // on top of it may turn the view straight back.
    if (!(m_Queue.time == GetTime() && m_Queue.command == CMD_TURN))
      GoalieScanField();
    return;
  }
  const float a = PredRelAngle2PointFromBodyWithQueuedAction(BallPredPosWithQueuedActions());
  const float head = GetSB().head_angle;
  // The narrower the view, the nearer the middle the ball is kept.
  const float slack = std::min(m_GoalieScanAngleErr, GetViewAngle() / 2);
  if (std::fabs(NormaliseAngle(a - head)) > slack)
    TurnNeck(TurnNeckLimit(a - head));
}

// A neck sweep from one limit to the other, one view less the scan error
// at a time, each step once the visual of the present one is in.
void CBehaviours::GoalieScanField()
{
  const float head = GetSB().head_angle;
  const float step = std::max(2 * GetViewAngle() - m_GoalieScanAngleErr, m_GoalieScanAngleErr);
  const bool onward = head < m_MaxNeckAng - m_GoalieScanAngleErr;
  const float turn = onward ? TurnNeckLimit(step) : NormaliseAngle(m_MinNeckAng - head);
  if (GetHaveVisualForThisAngle())
    TurnNeck(turn);
  else if (!TurnNeckThisCycle())
    QueueScan(SCAN_NECK, turn);
}

// Narrow when the ball stays within the narrow view for the next cycles
// (visuals come twice as often), or is so near it is felt anyway; normal
// otherwise. Never wide: its visuals come only every third cycle, and a
// pass that waits for one loses the cycle.
void CBehaviours::GoalieShrinkViewCone()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
  {
    ChangeView("normal", "high");
    return;
  }
  const CVector me = PredPosWithQueuedActions();
  const float body = PredBodyAngleWithQueuedActions();
  const CVector goal(-m_PitchLength / 2, 0);
  // Seen from here, the ball must stay inside the narrow view with the
  // neck still free to follow it.
  const float narrowest = m_VisibleAngle / 4;
  bool narrow = ball->GetGPos().dist(goal) <= m_GoalieMaxShotDistance &&
                MinViewAngForBodyAngle(body) <= narrowest;
  CVector b = ball->GetGPos();
  CVector v = ball->GetVelocityValid() ? ball->GetVelocity() : CVector();
  for (int i = 0; narrow && i < m_GoalieNarrowSidelineCyc; i++)
  {
    b += v;
    v *= m_BallDecay;
    const float a = NormaliseAngle((b - me).GetDir() - body);
    narrow = b.dist(me) <= m_FeelDistance ||
             std::max(std::fabs(a) - m_MaxNeckAng, 0.0f) + m_GoalieVisAngleErr <= narrowest;
  }
  ChangeView(narrow ? "narrow" : "normal", "high");
}

float CBehaviours::MinViewAngForBodyAngle(float body)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return m_VisibleAngle;
  const float a = NormaliseAngle((ball->GetGPos() - GetGPos()).GetDir() - body);
  const float beyondNeck = std::max(std::fabs(a) - m_MaxNeckAng, 0.0f);
  return std::min(beyondNeck + m_GoalieVisAngleErr, m_VisibleAngle);
}

// ------------------------------------------------- danger and pace

// The goalkeeper runs flat out for the ball or a shot; otherwise it keeps
// its stamina above the levels where the server lowers effort and recovery
// for good, at the pace of what it recovers.
float CGoalkeeper::GoalieDashPower(bool urgent) const
{
  const float max = static_cast<float>(m_Brain.m_MaxPower);
  if (urgent)
    return max;
  const float floor = std::max(m_Brain.m_EffortDecThr, m_Brain.m_RecoverDecThr);
  return m_Brain.GetSB().stamina - max > floor ? max : m_Brain.m_StaminaIncMax;
}

// The ball within shooting distance of our goal, and on its way in, at an
// opponent's feet, or sooner his than ours. Asked several times a pass,
// worked out once.
bool CBehaviours::InDefensiveDanger()
{
  const int now = GetTime();
  if (m_Goalie.danger_time == now)
    return m_Goalie.danger;
  m_Goalie.danger_time = now;
  m_Goalie.danger = false;
  const CBall *ball = M2BReadBall();
  const CVector goal(-m_PitchLength / 2, 0);
  if (!BallPositionValid() || ball->GetGPos().dist(goal) > m_GoalieMaxShotDistance)
    return false;
  if (m_Goalkeeper.BallHeadsIntoOurGoal(m_GoalWidth / 2) ||
      FoeWithBall(-m_GoalieBreakawayKickableBuffer))
    return m_Goalie.danger = true;
  const CPlayer *foe = FastestFoe2Ball();
  if (!foe)
    return false;
  const CPlayer *mate = FastestFriend2Ball(true);
  const int ours = mate ? NumOfCyclesToIntercept(mate) : MyNumOfCyclesToIntercept();
  m_Goalie.danger = NumOfCyclesToIntercept(foe) <= ours;
  return m_Goalie.danger;
}

bool CGoalkeeper::BallHeadsIntoOurGoal(float margin)
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || !ball->GetVelocityValid())
    return false;
  const CVector b = ball->GetGPos();
  const CVector v = ball->GetVelocity();
  const float goalX = -m_Brain.m_PitchLength / 2;
  if (v.GetX() >= -m_Brain.m_Epsilon || b.GetX() <= goalX)
    return false;
  // Where the ball crosses the goal line, and whether it still gets there.
  const float travel = (b.GetX() - goalX) / -v.GetX() * v.GetMag();
  if (travel >= v.GetMag() / (1 - m_Brain.m_BallDecay))
    return false;
  const float y = b.GetY() + v.GetY() * (b.GetX() - goalX) / -v.GetX();
  return std::fabs(y) <= m_Brain.m_GoalWidth / 2 + margin;
}
