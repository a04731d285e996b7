// The goalkeeper's play: one ordered list of rules a pass, the first that
// fills the cycle's main command ending it, then the looks and the team
// message. The goalkeeper catches only what it may (in its own area, in
// reach, out of the ban, not a team-mate's kick), and puts a caught ball
// back in play before the referee would drop it.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"
#include "CRay.h"
#include "Geometry.h"
#include "GoalieShotRun.h"
#include "Predict.h"

namespace
{
// "Cannot be told" for a cycle count.
const int kNever = 999;
// Who last had the ball at the feet (nobody: 0).
const int kTouchOurs = 1;
const int kTouchTheirs = 2;
const int kTouchMine = 3;
// A touch the goalkeeper did not see is looked for among this many players
// of each side nearest the ball, and the toucher may have moved this far
// (metres) from where he played it.
const int kMostNearBall = 4;
const float kTouchPlaceDoubt = 1;
// A catch on a ball seen at this distance or more inside the reach's edge
// survives the server's rounding of distances.
const float kCatchMargin = 0.1f;
// The penalty area shrunk by this much for the ball on the field's sides:
// a catch just outside is a free kick for them.
const float kAreaMargin = 0.5f;
// Running at a shot, a heading this far off the point still gets there
// within reach of the path; a turn costs a cycle.
const float kShotHeadingSlack = 25;
// How far past the goal line the goalkeeper may see himself or the ball
// while both are still short of it: his place's doubt there.
const float kGoalLineDoubt = 1;
// The share of his reach within which a shot's path is his even when
// the path as seen is off by a sighting's doubt.
const float kShotSureReachShare = 0.5f;
// A shot reckoned to pass this far outside a post is still met.
const float kShotWideMargin = 1;
// A carrier in my area this near me is rushed, wherever he stands.
const float kRushDist = 5;
// A ball slower than this is at rest for the run-in rule: its sighted
// velocity is mostly noise.
const float kRunInMinBallSpeed = 0.2f;
// The longest wait for this cycle's visual, in milliseconds: a narrow
// view's visuals come every three quarters of a cycle, so a cycle's first
// one comes at its start, a quarter, a half or three quarters in; all but
// the last are waited for (seen in matches: a wait of 45 ms missed the one
// half a cycle in, and half his decisions by our goal went on the last
// cycle's look), and the commands still leave well before the cycle's end.
const int kVisualWaitMs = 62;
}

CGoalkeeper::CGoalkeeper(CBehaviours &brain) : m_Brain(brain), m_Goalie(brain.m_Goalie)
{
}

// ------------------------------------------------- beating the ball

int CBehaviours::NumCyclesGoalieBeatsBall(CVector from, float dir, float speed,
                                          const CPlayer *goalie) const
{
  return m_Goalkeeper.GoalieBeatsBall(from, dir, speed, goalie, nullptr);
}

int CBehaviours::NumCyclesGoalieBeatsBall(CVector from, CVector to, float speed,
                                          const CPlayer *goalie) const
{
  return NumCyclesGoalieBeatsBall(from, (to - from).GetDir(), speed, goalie);
}

bool CBehaviours::CouldGoalieBlockShotFromSpot(CVector from, float dir, float speed, int cycles,
                                               const CPlayer *goalie) const
{
  return NumCyclesGoalieBeatsBall(from, dir, speed, goalie) >= cycles;
}

bool CBehaviours::CouldGoalieBlockShotFromSpot(CVector from, CVector to, float speed, int cycles,
                                               const CPlayer *goalie) const
{
  return CouldGoalieBlockShotFromSpot(from, (to - from).GetDir(), speed, cycles, goalie);
}

// The ball rolls from the spot with the server's decay; the shooter needs
// cycles_to_kick to get it going. The goalkeeper's lead on a point of the
// path is the ball's cycles there less its own run to within catching
// length; the best lead before the ball leaves the pitch or stops counts.
int CGoalkeeper::GoalieBeatsBall(CVector from, float dir, float speed, const CPlayer *goalie,
                                 CVector *where) const
{
  if (goalie && !goalie->GetPositionValid())
    return -kNever;
  const CVector step = Polar2CVector(1, dir);
  CVector ball = from;
  float v = speed;
  int best = -kNever;
  for (int t = 1; t <= m_Brain.m_MaxIntLookahead; t++)
  {
    ball += step * v;
    v *= m_Brain.m_BallDecay;
    if (std::fabs(ball.GetX()) > m_Brain.m_PitchLength / 2 ||
        std::fabs(ball.GetY()) > m_Brain.m_PitchWidth / 2)
      break;
    const float power = static_cast<float>(m_Brain.m_MaxPower);
    const int run =
        goalie ? m_Brain.PlayerPredictedCycles2Point(goalie, ball, power, m_Brain.m_CatchableAreaL)
               : m_Brain.PredictedCycles2Point(ball, power, m_Brain.m_CatchableAreaL);
    const int lead = t + m_Brain.m_CyclesToKick - run;
    if (lead > best)
    {
      best = lead;
      if (where)
        *where = ball;
    }
    if (v < m_Brain.m_Epsilon)
      break;
  }
  return best;
}

// ---------------------------------------------------------- the pass

void CBehaviours::PlayAsGoalKeeper(PlayMode previous, PlayMode current)
{
  const int now = GetTime();
  if (IsHalfOver(previous, current))
  {
    SayBye();
    return;
  }
  GoalieAwaitVisual();
  NoteSetPlayTouches();
  m_Goalkeeper.GoalieNoteTouches(current);
  m_Goalkeeper.GoalieNoteCatch(previous, current);
  m_Goalkeeper.GoaliePlay(current);
  if (current != PM_BEFORE_KICK_OFF)
  {
    GoalieShrinkViewCone();
    GoalieWatchBall();
  }
  Communicate();
  // The bundle belongs to this cycle even when it holds nothing to send, so
  // that the main loop waits for the next cycle instead of deciding again.
  QueueLock();
  m_Queue.time = now;
  QueueUnlock();
}

// The rules in the order a goalkeeper weighs them; true once one of them
// queued the cycle's main command.
bool CGoalkeeper::GoaliePlay(PlayMode current)
{
  // Before kick-off and after a goal: take my place.
  if (current == PM_BEFORE_KICK_OFF || std::abs(current) == PM_GOAL)
  {
    m_Brain.InitialMove();
    return m_Brain.MainCommandQueued() || m_Brain.GoalieFaceBall();
  }
  // A set play of the configuration runs the pass while it queues a move.
  if (m_Brain.GetActionState() == AS_FIX_PLAN)
  {
    m_Brain.ExecuteFixPlan();
    if (m_Brain.MainCommandQueued())
      return true;
  }
  // I hold the ball: put it back in play.
  if (m_Goalie.has_ball)
    return m_Brain.GoalieAfterCatch() > 0;
  // A kick of ours in my area, and I am the nearest: take it.
  if (m_Brain.IsOurMode(current) && current != PM_KICK_OFF && GoalieTakeKick() > 0)
    return true;
  if (current == PM_PLAY_ON)
  {
    // Having taken a set play, I may not touch the ball again before
    // someone else has.
    if (!m_Brain.TouchedLastInSetPlay())
    {
      // The ball is in my hands' reach: catch it.
      if (m_Brain.ShouldICatch())
        return m_Brain.GoalieCatchBall() > 0;
      // The ball is at my feet and may not be caught: clear it. A kick the
      // touch gate holds back (the ball not surely in reach, a team-mate
      // at it too) keeps me by the ball until it goes: walking back to my
      // place left it to their forward (seen in a match: he scored into
      // the empty goal from 15 m).
      // The kicks report a kick laid over several cycles as made even when
      // the gate held its first touch back, so only a queued command tells
      // (seen in matches: a ball at his feet, nothing sent for one or two
      // cycles, in one half in five).
      if (m_Brain.BallKickableForPlayer(nullptr, 0))
      {
        if (GoalieClearBall() > 0 && m_Brain.MainCommandQueued())
          return true;
        return GoalieStayAtBall() > 0;
      }
    }
    // A shot on my goal: get in its way. One reckoned to go just wide is
    // met too: the reckoned crossing strays by half a metre at times, and a
    // touch on a ball going out costs nothing.
    // A ball their man runs in ahead of him is his, not a shot to wait for
    // on its line: he is on it again before it comes.
    if (BallHeadsIntoOurGoal(kShotWideMargin) &&
        !m_Brain.TheirManRunsTheBallIn(m_Brain.GetClosestValidFoe2Ball(0)) && GoalieBlockShot() > 0)
      return true;
    // I am the one to fetch the ball.
    if (m_Brain.ShouldIGoToBall() && m_Brain.GoalieIntercept() > 0)
      return true;
    // An attacker runs at my goal alone: come out and narrow his angle.
    if (m_Brain.ShouldIComeOutToOpponent() && m_Brain.GoalieBlockOpponent() > 0)
      return true;
  }
  // Otherwise: my place between the ball and the goal.
  return m_Brain.GoalieGoToPosition() > 0;
}

// A shot from 10-15 m is in the goal in five or six cycles: one seen a
// cycle late has lost the cycle that gets him to it. Within shooting range
// every cycle waits for its visual, not only one already reckoned
// dangerous: the reckoning read the last cycle's (seen in matches: a shot
// after a pass across our area first seen two cycles after the kick).
void CBehaviours::GoalieAwaitVisual()
{
  if (!m_Wait4VisualBeforeActing || GetLastVisualTime() >= GetTime() ||
      CurrentPlayMode() != PM_PLAY_ON || !BallPositionValid() ||
      M2BReadBall()->GetGPos().dist(CVector(-m_PitchLength / 2, 0)) > m_GoalieMaxShotDistance)
    return;
  const bool thinking = m_ThinkingInProgress;
  if (thinking)
    UnlockMemory();
  NewVisualLock();
  TimedWait(&m_NewVisualCond, &m_NewVisualMutex, &m_IsNewVisual, 0, kVisualWaitMs,
            "GoalieAwaitVisual", "GoalieAwaitVisual");
  NewVisualUnlock();
  if (thinking)
    LockMemory();
  // The danger was read from the last cycle's visual.
  m_Goalie.danger_time = -999;
}

// ------------------------------------------------------------ touches

// A team-mate's kick that the goalkeeper catches is a back pass, a free
// kick for them in our area: who last had the ball at the feet is kept.
void CGoalkeeper::GoalieNoteTouches(PlayMode current)
{
  if (current != PM_PLAY_ON)
  {
    // A set play is taken by the side it is given to.
    if (m_Brain.IsOurMode(current))
      m_Goalie.last_touch = kTouchOurs;
    else if (m_Brain.IsTheirMode(current))
      m_Goalie.last_touch = kTouchTheirs;
    return;
  }
  // Only this thread writes the last bundle. The referee judges a catch by
  // the kick before his own too: after a team-mate's touch (or with nobody's
  // known) his own kick still leaves the ball one he may not catch, and
  // only an opponent's touch frees his hands again (seen in matches: a back
  // pass he knocked on a metre and caught gave them an indirect free kick in
  // our goal area, scored in three of eight).
  if (m_Brain.m_LastQueue.time == m_Brain.GetTime() - 1 && m_Brain.m_LastQueue.command == CMD_KICK)
    m_Goalie.last_touch =
        m_Goalie.last_touch == kTouchTheirs || m_Goalie.last_touch == kTouchMine ? kTouchMine
                                                                               : kTouchOurs;
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return;
  const CVector b = ball->GetGPos();
  const CPlayer *mate = m_Brain.GetClosestValidFriend2Ball(0);
  const CPlayer *foe = m_Brain.GetClosestValidFoe2Ball(0);
  const float reach = m_Brain.m_Kickable + m_Brain.m_PlayerSize;
  const float dm = mate ? mate->GetGPos().dist(b) : 999.0f;
  const float df = foe ? foe->GetGPos().dist(b) : 999.0f;
  const float dme = m_Brain.GetGPos().dist(b);
  if (dme < m_Brain.m_Kickable && dme <= dm && dme <= df)
    return;
  // Both near: the opponent's touch is the one that counts for us only
  // when he is the nearer.
  if (df < reach && df <= dm)
    m_Goalie.last_touch = kTouchTheirs;
  else if (dm < reach)
    m_Goalie.last_touch = kTouchOurs;
  else
    GoalieNoteUnseenTouch(reach);
}

// A touch between two sightings, the toucher no longer at the ball: its run
// changed where it lay a cycle before. One of ours as near that point as any
// of theirs may have played it, and the referee would call the catch a back
// pass (seen in a match: a team-mate's touch 25 m out turned a through ball
// of theirs a little; the goalkeeper caught it, and their indirect free kick
// in our area was a goal). Only ours is taken from it: a ball wrongly barred
// from his hands is still kicked away.
void CGoalkeeper::GoalieNoteUnseenTouch(float reach)
{
  CVector at;
  if (!m_Brain.m_SetPlayTouches.BallRunChangedNow(at) || m_Brain.GetGPos().dist(at) < reach)
    return;
  float ours = kNever;
  float theirs = kNever;
  for (int i = 0; i < kMostNearBall; i++)
  {
    if (const CPlayer *mate = m_Brain.GetClosestValidFriend2Ball(i))
      ours = std::min(ours, mate->GetGPos().dist(at));
    if (const CPlayer *foe = m_Brain.GetClosestValidFoe2Ball(i))
      theirs = std::min(theirs, foe->GetGPos().dist(at));
  }
  if (ours < reach + kTouchPlaceDoubt && ours <= theirs)
    m_Goalie.last_touch = kTouchOurs;
}

// ---------------------------------------------------------- catching

bool CBehaviours::ShouldICatch()
{
  const int now = GetTime();
  if (now - m_Goalie.last_catch_cycle <= m_CatchBanCycle || CurrentPlayMode() != PM_PLAY_ON)
    return false;
  const CBall *ball = M2BReadBall();
  // A catch on an old sighting misses more often than not, and a miss bans
  // the next catch: wait for the ball to be seen again.
  if (!BallPositionValid() || now - ball->GetTime() > m_GoalieCatchWaitTime)
    return false;
  const CVector b = ball->GetGPos();
  // Not off the goal line: one just short of it is the last chance to stop
  // a shot. Past it the ball would be in the goal, but the goalkeeper's
  // own place, and so the ball's, may be a metre off there: only the
  // reach, which he sees truly, tells.
  const CRectangle shrunk = m_OurPenaltyArea.shrink(kAreaMargin);
  const CRectangle area(m_OurPenaltyArea.LeftX() - kGoalLineDoubt, shrunk.RightX(), shrunk.TopY(),
                        shrunk.BottomY());
  const CRectangle mine(m_OurPenaltyArea.LeftX() - kGoalLineDoubt, m_OurPenaltyArea.RightX(),
                        m_OurPenaltyArea.TopY(), m_OurPenaltyArea.BottomY());
  if (!mine.IsWithin(GetGPos()) || !area.IsWithin(b))
    return false;
  float dir = 0;
  if (!m_Goalkeeper.GoalieCatchDirection(b, m_CatchRadius - kCatchMargin, dir))
    return false;
  // A team-mate's kick may be played only with the feet, unless it is
  // going in.
  if (m_Goalie.last_touch == kTouchOurs && !m_Goalkeeper.BallHeadsIntoOurGoal(m_PlayerSize))
    return false;
  return true;
}

int CBehaviours::GoalieCatchBall()
{
  const int now = GetTime();
  const CBall *ball = M2BReadBall();
  float dir = 0;
  if (now - m_Goalie.last_catch_cycle <= m_CatchBanCycle || !ball ||
      !m_Goalkeeper.GoalieCatchDirection(ball->GetGPos(), m_CatchRadius, dir))
    return 0;
  m_Goalie.last_catch_cycle = now;
  return Catch(dir);
}

// The hands reach a rectangle catchable_area_l long and catchable_area_w
// wide, turned by the catch direction about the body, which may point at
// most a quarter turn to either side. The ball is put where it lies as far
// inside the rectangle's far edge as inside its side: caught straight at
// it, a ball near the length's end lies on the far edge, and the server,
// which judges the ball's true place, finds it a few centimetres beyond
// (seen on the shot bench: catches at a ball seen 1.20 m off, truly 1.23,
// failed, and the shot went in).
bool CGoalkeeper::GoalieCatchDirection(CVector ball, float reach, float &dir) const
{
  const CVector rel = ball - m_Brain.GetGPos();
  const float d = rel.GetMag();
  if (d > reach)
    return false;
  const float a =
      d < m_Brain.m_Epsilon ? 0 : m_Brain.NormaliseAngle(rel.GetDir() - m_Brain.GetBFacing());
  const float length = m_Brain.m_CatchableAreaL;
  const float half = m_Brain.m_CatchableAreaW / 2;
  // The ball's angle off the catch direction that leaves equal room to
  // the far edge and to the side: d (cos - sin) = length - half.
  float offset = 0;
  if (length - d < half && d > m_Brain.m_Epsilon)
  {
    const float c = Clamp((length - half) / (d * std::sqrt(2.0f)), -1, 1);
    offset = std::max(0.0f, std::acos(c) * static_cast<float>(kRadToDeg) - 45);
  }
  // Turn the rectangle towards the front: its edge then still holds a
  // ball just behind the quarter turn.
  dir = a > 0 ? a - offset : a + offset;
  const float limit = 90;
  if (std::fabs(dir) <= limit)
    return true;
  dir = a > 0 ? limit : -limit;
  const float off = std::fabs(m_Brain.NormaliseAngle(a - dir));
  const float rad = off / static_cast<float>(kRadToDeg);
  return d * std::cos(rad) <= length && d * std::sin(rad) <= half;
}

// ------------------------------------------------ going for the ball

int CGoalkeeper::GoalieInterception(CVector &point)
{
  const int now = m_Brain.GetTime();
  if (m_Goalie.int_time != now)
  {
    m_Goalie.int_time = now;
    m_Goalie.int_cycles = m_Brain.MyNumOfCyclesToIntercept(static_cast<float>(m_Brain.m_MaxPower));
    m_Goalie.int_point =
        m_Goalie.int_cycles < kNever ? m_Brain.BallPredPos(m_Goalie.int_cycles) : CVector();
  }
  point = m_Goalie.int_point;
  return m_Goalie.int_cycles;
}

// A shot on goal: onto its path at the point nearest to me, or, when the
// ball is there first, at the first point further along where I get before
// it; the catch rule takes over once the ball is in reach. On the path
// already, he stays there: the rules after this one would take him to his
// place, off the path.
int CGoalkeeper::GoalieBlockShot()
{
  const CVector point = GoalieShotPoint();
  return GoalieRunToShot(point) || GoalieHoldSpot(point);
}

// His body and the ball on the server's motion, as the shot run plays
// them out.
SHOTRUNMOTION CGoalkeeper::GoalieShotRunMotion() const
{
  SHOTRUNMOTION motion;
  motion.dashAccel = static_cast<float>(m_Brain.m_MaxPower) * m_Brain.m_DashPowerRate *
                     std::max(m_Brain.GetSB().effort, 0.1f);
  motion.decay = m_Brain.m_PlayerDecay;
  motion.speedMax = m_Brain.m_PlayerSpeedMax;
  motion.inertia = m_Brain.m_InertiaMoment;
  motion.maxMoment = static_cast<float>(m_Brain.m_MaxMoment);
  motion.ballDecay = m_Brain.m_BallDecay;
  motion.reach = m_Brain.m_CatchRadius - kCatchMargin;
  motion.sureReach = motion.reach * kShotSureReachShare;
  motion.goalX = -m_Brain.m_PitchLength / 2;
  return motion;
}

// Flat out along the body, forwards or backwards, or a turn first: the
// start that, played out on the server's motion, has the ball within the
// hands' reach soonest (BestShotRun). Anywhere within the hands' reach of
// the path will do: aiming finer, or easing off to stop on the point,
// costs cycles the ball does not wait for. A ball that comes to him where
// he stands leaves the point's hold to the caller.
//
// On the path's line already, he holds there only when the ball comes
// within reach where a cycle leaves it: the server finds the ball nowhere
// between two cycle ends, and a fast ball passing half a metre from him on
// the line may lie beyond his hands at both (seen in a match: 0.7 m from
// him on the line, 1.21 m and 1.56 m off at the cycle ends; he held, and
// it went in).
int CGoalkeeper::GoalieRunToShot(CVector point)
{
  const CVector me = m_Brain.GetGPos();
  const float d = me.dist(point);
  const CBall *ball = m_Brain.M2BReadBall();
  const bool pathKnown = m_Brain.BallPositionValid() && ball->GetVelocityValid();
  const SHOTRUNMOTION motion = GoalieShotRunMotion();
  const bool onPath = d < m_Brain.m_CatchRadius / 2;
  if (onPath && (!pathKnown || BallComesWithinReach(me, m_Brain.GetVelocity(), ball->GetGPos(),
                                                    ball->GetVelocity(), motion)))
    return 0;
  const float body = m_Brain.GetBFacing();
  // Behind the goal line the hands may not catch: a dash that would carry
  // him there is left for the turn.
  const float line = -m_Brain.m_PitchLength / 2 + kCatchMargin;
  const float forwards = static_cast<float>(m_Brain.m_MaxPower);
  const float backwards = static_cast<float>(m_Brain.m_MinPower);
  const bool canForwards = m_Brain.PredPosAfterDash(forwards).GetX() > line;
  const bool canBackwards = m_Brain.PredPosAfterDash(backwards).GetX() > line;
  if (pathKnown)
  {
    const SHOTRUNPLAN plan = BestShotRun(me, m_Brain.GetVelocity(), body, ball->GetGPos(),
                                         ball->GetVelocity(), point, motion);
    // No start reaches it either: the hold on the line is still the best
    // bet against the sighting's error.
    if (onPath && plan.cycles < 0)
      return 0;
    switch (plan.start)
    {
    case ShotRunStart::Stand:
      // The ball comes to him where he stands: any step would take him off
      // its way again.
      if (plan.cycles >= 0)
        return m_Brain.GoalieFaceBall() ? 1 : m_Brain.TouchGate(CMD_DASH, 0);
      break;
    case ShotRunStart::DashForwards:
      if (canForwards)
        return m_Brain.TouchGate(CMD_DASH, forwards);
      break;
    case ShotRunStart::DashBackwards:
      if (canBackwards)
        return m_Brain.TouchGate(CMD_DASH, backwards);
      break;
    case ShotRunStart::TurnForwards:
    case ShotRunStart::TurnBackwards:
      if (m_Brain.Turn(plan.turn))
        return 1;
      break;
    }
  }
  // No path to play out against: a rough heading, either way along the
  // body, beats a turn.
  const float way = (point - me).GetDir();
  const float ahead = m_Brain.NormaliseAngle(way - body);
  const float behind = m_Brain.NormaliseAngle(way + 180 - body);
  const float slack = std::max(kShotHeadingSlack, m_Brain.ATan(m_Brain.m_CatchRadius / 2 / d));
  if (std::fabs(ahead) <= slack && canForwards)
    return m_Brain.TouchGate(CMD_DASH, forwards);
  if (std::fabs(behind) <= slack && canBackwards)
    return m_Brain.TouchGate(CMD_DASH, backwards);
  const float turn = std::fabs(behind) < std::fabs(ahead) ? behind : ahead;
  if (std::fabs(turn) >= 1 && m_Brain.Turn(turn))
    return 1;
  return m_Brain.TouchGate(CMD_DASH, turn == ahead ? forwards : backwards);
}

// Points of the path before the nearest one are farther to run to and
// come sooner, so the search starts there; it stays put as the goalkeeper
// moves, and a point that jumps about turns him to and fro.
CVector CGoalkeeper::GoalieShotPoint()
{
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector me = m_Brain.GetGPos();
  const CVector from = ball->GetGPos();
  const CVector vel = ball->GetVelocity();
  CVector nearest = CRay(from, vel).GetClosestPoint(me);
  nearest.SetX(
      std::max(nearest.GetX(), -m_Brain.m_PitchLength / 2 + m_Brain.m_GoalieBaselineBuffer));
  CVector at = from;
  CVector v = vel;
  float closest = me.dist(from);
  bool past = false;
  const float power = static_cast<float>(m_Brain.m_MaxPower);
  for (int t = 1; t <= m_Brain.m_MaxIntLookahead && v.GetMag() > m_Brain.m_Epsilon; t++)
  {
    at += v;
    v *= m_Brain.m_BallDecay;
    if (at.GetX() < -m_Brain.m_PitchLength / 2)
      break;
    const float d = me.dist(at);
    past = past || d > closest;
    closest = std::min(closest, d);
    if (past && m_Brain.PredictedCycles2Point(at, power, m_Brain.m_CatchableAreaL) <= t)
      return me.dist(nearest) < d ? nearest : at;
  }
  return nearest;
}

bool CBehaviours::ShouldIGoToBall()
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || FriendWithBall(0))
    return false;
  CVector point;
  const int mine = m_Goalkeeper.GoalieInterception(point);
  const CVector goal(-m_PitchLength / 2, 0);
  if (mine >= kNever || point.dist(goal) > m_GoalieMaxComeOutDist)
    return false;
  // Without coming out, only a ball that comes into the goal area.
  if (!m_GoalieComesOut && !m_OurGoalArea.IsWithin(point))
    return false;
  const CPlayer *foe = FastestFoe2Ball();
  const int theirs = foe ? NumOfCyclesToIntercept(foe) : 9999;
  if (mine >= theirs)
    return false;
  // Out of my area my hands are no use: only with a clear lead.
  if (!InOurPenaltyArea(point) && mine + m_GoalieCycleIntBuffer > theirs)
    return false;
  // A team-mate who is quicker takes it, unless it comes straight to me.
  const bool toMe = IsPointInCone(point, m_GoalieGoToBallConeRatio, ball->GetGPos(), GetGPos());
  return FastestFriend2Ball(true) == nullptr || toMe;
}

int CBehaviours::GoalieIntercept()
{
  CVector point;
  if (m_Goalkeeper.GoalieInterception(point) >= kNever)
    return 0;
  if (!m_GoalieComesOut)
    point = m_OurGoalArea.AdjustToWithin(point);
  // Never into the goal after it.
  point.SetX(std::max(point.GetX(), -m_PitchLength / 2 + m_PlayerSize));
  // An attacker near the goal may get there too: keep him and the ball in
  // sight rather than run blind.
  const CPlayer *foe = GetClosestValidFoe2Point(0, CVector(-m_PitchLength / 2, 0));
  const bool near = foe && foe->GetGPos().dist(CVector(-m_PitchLength / 2, 0)) <
                               m_GoalieOpponentDistToBlock;
  // With him about, the run is the one to a shot: flat out along the body
  // either way, the ball kept in sight, no turns to aim finer than the
  // hands reach; the catch takes over once the ball is in reach.
  if (near)
  {
    if (m_Goalkeeper.GoalieRunToShot(point))
      return 1;
  }
  else if (!AtPos(point, m_GoalieAtPointBuffer))
    return GoalieGoToPoint(point, m_GoalieAtPointBuffer, SVS_SPEED);
  return GoalieFaceBall() ? 1 : m_Goalkeeper.GoalieHoldSpot(point);
}

// ----------------------------------------------------- their attacker

bool CBehaviours::ShouldIComeOutToOpponent()
{
  const CVector goal(-m_PitchLength / 2, 0);
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid())
    return false;
  const CPlayer *foe = GetClosestValidFoe2Ball(0);
  if (!foe)
    return false;
  const float toGoal = foe->GetGPos().dist(goal);
  if (toGoal > m_GoalieOpponentDistToBlock)
    return false;
  // Running with the ball a little ahead still counts as having it, but
  // close to the goal only a ball at his feet does, or one he runs in
  // ahead of him: the race to it was his (the rule for a loose ball came
  // first), and left to roll it gives him his shot from close in (seen in
  // matches: a dribbler 1-2 m behind the ball from 14 m to 6 m out, the
  // goalkeeper standing on his line throughout, a goal).
  const float buffer = toGoal > m_GoalieNoBufferDist || TheirManRunsTheBallIn(foe)
                           ? m_GoalieBreakawayKickableBuffer
                           : 0;
  if (!BallKickableForPlayer(foe, -buffer))
    return false;
  const CPlayer *mate = GetClosestValidFriend2Ball(0);
  if (mate && mate->GetGPos().dist(ball->GetGPos()) < foe->GetGPos().dist(ball->GetGPos()))
    return false;
  // In my area the ball is mine to catch, whoever stands about.
  if (ShouldIRushTheBall())
    return true;
  // Alone: no team-mate of mine in his way to the goal.
  return NumFriendsInCone(TheirBreakawayConeRatio(foe), goal, foe->GetGPos(), false) == 0;
}

// Their man runs the ball in: it rolls on a stride or two ahead of him,
// along his way towards our goal and no faster than he runs, so that he is
// on it again before long. A ball lying behind him, or coming back, is a
// loose ball's race; a faster one is a shot or a pass.
bool CBehaviours::TheirManRunsTheBallIn(const CPlayer *foe) const
{
  const CBall *ball = M2BReadBall();
  if (!foe || !BallPositionValid() || !ball->GetVelocityValid() ||
      !BallKickableForPlayer(foe, -m_GoalieBreakawayKickableBuffer))
    return false;
  const CVector vel = ball->GetVelocity();
  const CVector ahead = ball->GetGPos() - foe->GetGPos();
  const float speed = vel.GetMag();
  if (speed < kRunInMinBallSpeed || speed > m_PlayerSpeedMax || ahead.GetMag() < m_Epsilon)
    return false;
  return Dot(vel, ahead) > 0 && vel.GetX() < 0;
}

bool CBehaviours::ShouldIRushTheBall()
{
  if (!BallPositionValid())
    return false;
  const CVector at = M2BReadBall()->GetGPos();
  if (!m_OurPenaltyArea.shrink(kAreaMargin).IsWithin(at))
    return false;
  // So near the goal that his shot goes in anyway, or near enough for me
  // to get there before he has made a shot of it. From farther out the
  // goal is better kept from my place: the reach covers too little of it.
  return at.dist(CVector(-m_PitchLength / 2, 0)) < m_GoalieNoBufferDist ||
         GetGPos().dist(at) < kRushDist;
}

// Out to the point on his line to the goal from where the goalkeeper's
// reach covers the whole goal, but not out of the area; a ball he lets run
// too far ahead is taken, and so is one in my area near me.
int CBehaviours::GoalieBlockOpponent()
{
  const CBall *ball = M2BReadBall();
  const CVector b = ball->GetGPos();
  const CVector goal(-m_PitchLength / 2, 0);
  const CPlayer *foe = GetClosestValidFoe2Ball(0);
  if (ShouldIRushTheBall())
    return m_Goalkeeper.GoalieRushTheBall();
  if (foe && !BallKickableForPlayer(foe, 0) &&
      GetGPos().dist(b) < foe->GetGPos().dist(b) - m_GoalieBreakawayKickableBuffer)
    return GoalieGoToPoint(b, m_GoalieAtPointBuffer, SVS_SPEED);
  // From the point this far from him, the reach covers the whole mouth;
  // only when he is close is it worth running at him. Farther out that
  // point lies so far from the goal that a shot past it goes in, and the
  // goalkeeper keeps its place between the ball and the goal.
  const float dist = b.dist(goal);
  if (dist > m_GoalieNoBufferDist)
    return GoalieGoToPosition();
  const float cover = m_CatchRadius * dist / (m_GoalWidth / 2);
  const float out = std::max(dist - cover, m_GoalieBaselineBuffer);
  CVector p = goal + (b - goal).SetLength(out);
  p = m_OurPenaltyArea.AdjustToWithin(p);
  p.SetX(std::max(p.GetX(), goal.GetX() + m_GoalieBaselineBuffer));
  return GoalieGoToPoint(p, m_GoalieAtPointBuffer, SVS_SIGHT);
}

// Flat out at the ball; the catch takes over once it is in his hands'
// reach. At their man's feet the ball jumps about with each of his
// touches, and its next place by its velocity with it: a turn to follow
// every jump stands the goalkeeper still (seen in a match: four turns in a
// row three metres from their man while he set up his shot, which went
// in). The ball where it lies is the mark there, and a heading that takes
// him within his hands' reach of it needs no turn.
int CGoalkeeper::GoalieRushTheBall()
{
  CBehaviours &b = m_Brain;
  const CPlayer *foe = b.GetClosestValidFoe2Ball(0);
  const bool atFeet = foe && b.BallKickableForPlayer(foe, 0);
  const CVector target = atFeet ? b.M2BReadBall()->GetGPos() : b.BallPredPos(1);
  const CVector me = b.GetGPos();
  const float d = me.dist(target);
  if (atFeet && d > b.m_GoalieAtPointBuffer)
  {
    const float error = b.NormaliseAngle((target - me).GetDir() - b.GetBFacing());
    if (std::fabs(error) <= b.ATan(b.m_CatchableAreaL / d))
      return b.TouchGate(CMD_DASH, static_cast<float>(b.m_MaxPower));
  }
  return b.GoalieGoToPoint(target, b.m_GoalieAtPointBuffer, SVS_SIGHT);
}
