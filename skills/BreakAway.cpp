// Breakaways: a run on a goal with nobody but the goalkeeper in the way.
// Ours through the middle or down a wing (where to head for, how far to
// kick the ball ahead and at what angle, when to shoot), and theirs on our
// goal.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CGLine.h"
#include "PlayerInterface.h"

namespace
{
// The kick-and-run angles tried about the way to the target.
const float kKickRunAngleSpan = 30;
const float kKickRunAngleStep = 10;
// The shortest run with the ball laid ahead: shorter is a dribble.
const int kShortestKickRun = 3;
}  // namespace

CBreakaway::CBreakaway(CBehaviours &brain) : m_Brain(brain)
{
}

float CBehaviours::TheirBreakawayConeRatio(const CPlayer *p) const
{
  const CVector goal(-m_PitchLength / 2, 0);
  const CVector from = p ? p->GetGPos() : GetGPos();
  // The distance is never taken below the configured least one: an
  // opponent on the goal line would otherwise make the cone endless.
  float dist = from.dist(goal);
  if (!(dist > m_TheirBreakawayMinConeDistWid))
    dist = m_TheirBreakawayMinConeDistWid;
  if (!(dist > 0))
    return 0;
  return (m_GoalAreaWidth / 2) / dist;
}

bool CBehaviours::TheirBreakaway(const CPlayer *opp)
{
  const CBall *ball = M2BReadBall();
  if (!opp || !opp->GetPositionValid() || !BallPositionValid() ||
      !BallKickableForPlayer(opp, 0))
    return false;
  const CVector goal(-m_PitchLength / 2, 0);
  const CVector from = opp->GetGPos();
  const float ratio = TheirBreakawayConeRatio(opp);
  // Any of us (the agent too) in his way to our goal, or near enough the
  // ball to fight for it, ends the breakaway; one behind him must be
  // nearer the ball than one in front, as he runs away from him.
  sorted_players mates;
  DistPlayerCompare byDist(GetGPos());
  DoSortyThing(1, byDist, mates);
  std::vector<CVector> ours{GetGPos()};
  for (int i = 0; i < mates.count; i++)
    if (mates.players[i] != OurGoalie() && !mates.players[i]->GetIsGoalie())
      ours.push_back(mates.players[i]->GetGPos());
  for (const CVector &at : ours)
  {
    const bool ahead = at.dist(goal) < from.dist(goal);
    const float reach = m_Kickable + (ahead ? m_TheirBreakawayFrontKickableBuffer
                                            : m_TheirBreakawayBackKickableBuffer);
    if (at.dist(ball->GetGPos()) <= reach || (ahead && IsPointInCone(at, ratio, goal, from)))
      return false;
  }
  return true;
}

bool CBreakaway::OurBreakawayFrom(CVector goal)
{
  if (!m_Brain.BallPositionValid() || !m_Brain.BallKickableForPlayer(nullptr, 0))
    return false;
  const CVector me = m_Brain.GetGPos();
  float dist = me.dist(goal);
  if (dist < m_Brain.m_OurBreakawayMinConeDistWid)
    dist = m_Brain.m_OurBreakawayMinConeDistWid;
  const float ratio = (m_Brain.m_GoalAreaWidth / 2) / dist;
  const CPlayer *keeper = m_Brain.TheirGoalie();
  sorted_players foes;
  m_Brain.SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count; i++)
  {
    const CPlayer *foe = foes.players[i];
    // Near enough the ball to fight for it, or in the way (the goalkeeper
    // is always in the way: he is the one a breakaway beats).
    if (m_Brain.BallKickableForPlayer(foe, -m_Brain.m_OurBreakawayKickableBuffer))
      return false;
    if (foe != keeper && !foe->GetIsGoalie() &&
        m_Brain.IsPointInCone(foe->GetGPos(), ratio, goal, me))
      return false;
  }
  return true;
}

bool CBehaviours::MyBreakaway()
{
  return m_BreakawayRun.OurBreakawayFrom(CVector(m_PitchLength / 2, 0));
}

bool CBehaviours::MySideBreakaway()
{
  // Down a wing, short of their penalty area: the run goes for the side
  // of the area first.
  const CVector me = GetGPos();
  if (std::fabs(me.GetY()) <= m_GoalAreaWidth / 2 ||
      me.GetX() > m_PitchLength / 2 - m_PenaltyAreaLength)
    return false;
  return m_BreakawayRun.OurBreakawayFrom(SideBreakawayApproachPoint());
}

float CBreakaway::Congestion(CVector point)
{
  float sum = 0;
  sorted_players foes;
  m_Brain.SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count; i++)
    sum += 1 / std::fmax(foes.players[i]->GetGPos().dist2(point), m_Brain.m_Epsilon);
  return sum;
}

CVector CBreakaway::ApproachSide(float x, float y)
{
  const CVector me = m_Brain.GetGPos();
  // Off the middle the run keeps to its own side; in the middle it takes
  // the emptier one, the goalkeeper's other side on a tie.
  if (std::fabs(me.GetY()) > m_Brain.m_BreakawayMiddleBuffer)
    return CVector(x, m_Brain.SignF(me.GetY()) * y);
  const CVector plus(x, y);
  const CVector minus(x, -y);
  const float diff = Congestion(plus) - Congestion(minus);
  if (std::fabs(diff) > m_Brain.m_CongestionEpsilon)
    return diff < 0 ? plus : minus;
  const CPlayer *keeper = m_Brain.TheirGoalie();
  if (keeper && keeper->GetPositionValid())
    return keeper->GetGPos().GetY() > 0 ? minus : plus;
  return me.GetY() >= 0 ? plus : minus;
}

CVector CBehaviours::BreakawayApproachPoint()
{
  return m_BreakawayRun.ApproachSide(m_BreakawayApproachX, m_BreakawayApproachY);
}

CVector CBehaviours::SideBreakawayApproachPoint()
{
  return m_BreakawayRun.ApproachSide(m_SideBreakawayApproachX, m_SideBreakawayApproachY);
}

int CBreakaway::KickRunCycles(CVector target)
{
  // The further the nearest opponent, the longer the ball may run alone;
  // never past the target.
  const CVector me = m_Brain.GetGPos();
  const CPlayer *foe = m_Brain.GetClosestValidFoe2Me(0);
  float share = 1;
  if (foe && m_Brain.m_BreakawayKickRunWorryDist > m_Brain.m_Epsilon)
    share = std::fmin(1.0f, foe->GetGPos().dist(me) / m_Brain.m_BreakawayKickRunWorryDist);
  int cycles = m_Brain.m_BreakawayKickRunMinCycles +
               static_cast<int>(share * (m_Brain.m_BreakawayKickRunMaxCycles -
                                         m_Brain.m_BreakawayKickRunMinCycles));
  const int there = m_Brain.PredictedCycles2Point(target, static_cast<float>(m_Brain.m_MaxPower),
                                                  m_Brain.m_Kickable);
  if (there < cycles)
    cycles = there;
  // Nor past their goal line, where the ball would be lost.
  while (
      cycles > 1 &&
      m_Brain.PredPosAfterTurn(cycles, 0, static_cast<float>(m_Brain.m_MaxPower), false, 1).GetX() >
          m_Brain.m_PitchLength / 2 - m_Brain.m_DribbleBallDist - m_Brain.m_Epsilon)
    cycles--;
  return cycles < 1 ? 1 : cycles;
}

int CBehaviours::BreakawayKickRunCycles()
{
  return m_BreakawayRun.KickRunCycles(BreakawayPickTarget());
}

int CBehaviours::SideBreakawayKickRunCycles()
{
  return m_BreakawayRun.KickRunCycles(SideBreakawayPickTarget());
}

CVector CBreakaway::KickRunSpot(float dir, int cycles)
{
  // Where the agent is after kicking this cycle, turning to the kick's
  // direction and running after the ball at full power for the rest: the
  // ball is laid there, a dribble's distance ahead. Laid where the body
  // happened to face, it ran off to the wing away from the target.
  const float turn = m_Brain.NormaliseAngle(dir - m_Brain.GetBFacing());
  const bool turns = std::fabs(turn) > m_Brain.m_MaxGoToPointAngleErr;
  return m_Brain.PredPosAfterTurn(cycles, turns ? turn : 0, static_cast<float>(m_Brain.m_MaxPower),
                                  turns, 1) +
         Polar2CVector(m_Brain.m_DribbleBallDist, dir);
}

float CBreakaway::EvaluateKickRunAngle(float dir, int cycles, CVector target)
{
  const float power = static_cast<float>(m_Brain.m_MaxPower);
  const CVector spot = KickRunSpot(dir, cycles);
  if (!m_Brain.IsPointInBounds(spot, 0))
    return -999;
  // No opponent may get there first, with the time a kick of his takes.
  sorted_players foes;
  m_Brain.SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count; i++)
    if (m_Brain.PlayerPredictedCycles2Point(foes.players[i], spot, power, m_Brain.m_Kickable) <=
        cycles + m_Brain.m_CyclesToKick)
      return -999;
  // The nearer the target it leaves the agent, the better.
  return -spot.dist(target);
}

float CBehaviours::BreakawayEvaluateKickRunAngle(float dir, int cycles)
{
  return m_BreakawayRun.EvaluateKickRunAngle(dir, cycles, BreakawayPickTarget());
}

float CBehaviours::SideBreakawayEvaluateKickRunAngle(float dir, int cycles)
{
  return m_BreakawayRun.EvaluateKickRunAngle(dir, cycles, SideBreakawayPickTarget());
}

bool CBreakaway::BreakawayTargetHolds(const BREAKAWAYTARGET &kept) const
{
  // A target is kept for a few cycles: chosen afresh each cycle it would
  // swing with every opponent's step, and the run with it.
  const int age = m_Brain.GetTime() - kept.time;
  return kept.valid && age >= 0 && age < std::max(1, m_Brain.m_BreakawayTargValidTime);
}

CVector CBehaviours::BreakawayPickTarget()
{
  const int now = GetTime();
  if (m_BreakawayRun.BreakawayTargetHolds(m_Breakaway.middle))
    return m_Breakaway.middle.target;
  const CVector me = GetGPos();
  // Head for the approach point; once past it, or closer to the goal than
  // a short kick-and-run, for the goal area's corner on the open side,
  // never wider than the penalty area.
  CVector target = BreakawayApproachPoint();
  const CVector goal(m_PitchLength / 2, 0);
  const float shortRun = m_BreakawayKickRunMinCycles * m_PlayerSpeedMax;
  // An approach point that lies more across the pitch than ahead is passed
  // by: from out wide near its line the run went sideways to it, parallel
  // to their goal line (12 m across, not a metre nearer, in 22 cycles),
  // while their defenders came back.
  const bool across = std::fabs(target.GetY() - me.GetY()) > target.GetX() - me.GetX();
  if (across || me.GetX() >= target.GetX() - m_MinDistToPoint || me.dist(goal) < shortRun)
    target = CVector(m_PitchLength / 2 - m_PenaltyAreaLength / 3,
                     SignF(target.GetY()) * m_GoalAreaWidth / 2);
  if (std::fabs(target.GetY()) > m_PenaltyAreaWidth / 2)
    target.SetY(SignF(target.GetY()) * m_PenaltyAreaWidth / 2);
  m_Breakaway.middle.time = now;
  m_Breakaway.middle.valid = true;
  m_Breakaway.middle.target = target;
  return target;
}

CVector CBehaviours::SideBreakawayPickTarget()
{
  const int now = GetTime();
  if (m_BreakawayRun.BreakawayTargetHolds(m_Breakaway.side))
    return m_Breakaway.side.target;
  // Down the wing to the approach point; once a short run from it, cut in
  // to the corner of their goal area on that side.
  const CVector me = GetGPos();
  CVector target = SideBreakawayApproachPoint();
  const float shortRun = m_BreakawayKickRunMinCycles * m_PlayerSpeedMax;
  if (me.GetX() >= target.GetX() - shortRun)
    target =
        CVector(m_PitchLength / 2 - m_GoalAreaLength, SignF(target.GetY()) * m_GoalAreaWidth / 2);
  m_Breakaway.side.time = now;
  m_Breakaway.side.valid = true;
  m_Breakaway.side.target = target;
  return target;
}

BREAKAWAYTARGET CBehaviours::GetBreakawayTarget(bool side) const
{
  return side ? m_Breakaway.side : m_Breakaway.middle;
}

bool CBehaviours::BreakawayLook4Shot()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || !BallKickableForPlayer(nullptr, 0))
    return false;
  const CVector goal(m_PitchLength / 2, 0);
  if (ball->GetGPos().dist(goal) > m_ShotDistance)
    return false;
  // Shoot once the goalkeeper could take the ball before another
  // kick-and-run is over, or once a hard shot cannot be stopped anyway.
  const CPlayer *keeper = TheirGoalie();
  if (!keeper || !keeper->GetPositionValid())
    return true;
  if (EstimateCycles2Steal(keeper) < m_BreakawayMinGoalieStealTime)
    return true;
  // From here the hardest shot reaches the line in time for a keeper
  // who is farther from the shot's way than he can run meanwhile.
  const CVector shot = ShootPoint(nullptr);
  const float dist = ball->GetGPos().dist(shot);
  const float cycles = SolveForLengthGeomSeries(m_BallSpeedMax, m_BallDecay, dist);
  CGLine way(0, 0, 0);
  way.CGLineFromTwoPoints(ball->GetGPos(), shot);
  return cycles > 0 &&
         way.dist(keeper->GetGPos()) > (cycles + 1) * m_PlayerSpeedMax + m_CatchRadius;
}

int CBreakaway::KickAndRun(CVector target, int cycles, bool side)
{
  // The best angle about the way to the target; none safe, a shorter run
  // with the ball, down to a few cycles; none at all, no breakaway. The
  // dribble it fell back on crept on half a metre a cycle, a small kick
  // each, until the defender it was meant to outrun took the ball.
  const CVector me = m_Brain.GetGPos();
  const float straight = (target - me).GetDir();
  float best = -999;
  float bestDir = straight;
  for (int run = cycles; run >= kShortestKickRun && best <= -999; run--)
  {
    for (float off = -kKickRunAngleSpan; off <= kKickRunAngleSpan; off += kKickRunAngleStep)
    {
      const float dir = m_Brain.NormaliseAngle(straight + off);
      const float value = side ? m_Brain.SideBreakawayEvaluateKickRunAngle(dir, run)
                               : m_Brain.BreakawayEvaluateKickRunAngle(dir, run);
      if (value > best)
      {
        best = value;
        bestDir = dir;
      }
    }
    cycles = run;
  }
  if (best <= -999)
    return 0;
  const CVector spot = KickRunSpot(bestDir, cycles);
  const CBall *ball = m_Brain.M2BReadBall();
  const float speed = static_cast<float>(
      m_Brain.SolveForFirstTermGeomSeries(m_Brain.m_BallDecay, cycles, ball->GetGPos().dist(spot)));
  return m_Brain.KickBall(spot, speed);
}

int CBehaviours::PlayBreakaway()
{
  return m_BreakawayRun.PlayBreakawayDown(false);
}

int CBehaviours::PlaySideBreakaway()
{
  return m_BreakawayRun.PlayBreakawayDown(true);
}

// The target and the cycles are asked for only with the ball at the feet:
// the target, once chosen, is kept for breakaway_targ_valid_time cycles.
int CBreakaway::PlayBreakawayDown(bool side)
{
  if (!m_Brain.BallPositionValid())
    return 0;
  if (!m_Brain.BallKickableForPlayer(nullptr, 0))
    return m_Brain.MoveToPos(m_Brain.BallPredPos(1), m_Brain.m_Kickable - m_Brain.m_KickableBuffer,
                     static_cast<float>(m_Brain.m_MaxPower), DODGE_NONE);
  if (m_Brain.BreakawayLook4Shot())
    return m_Brain.ShootToGoal();
  return side ? KickAndRun(m_Brain.SideBreakawayPickTarget(), m_Brain.SideBreakawayKickRunCycles(),
                           true)
              : KickAndRun(m_Brain.BreakawayPickTarget(), m_Brain.BreakawayKickRunCycles(), false);
}
