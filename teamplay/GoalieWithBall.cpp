// The goalkeeper with the ball in his hands: the catch noted and held
// through the referee's call, the move with the ball, and the kick that
// puts it back in play before the referee would drop it.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"

namespace
{
// A caught ball is played this many cycles before the referee would drop
// it, so a late sighting or a lost cycle still leaves time for the kick.
const int kDropBallMargin = 10;
// After a catch the goalkeeper stands this far out beyond the corner of
// the goal area, both ways.
const float kAfterCatchBeyondGoalArea = 1;
// The ball of a set play the goalkeeper takes is kicked at once, but not
// before the team had a moment to spread out.
const int kSetPlayWait = 5;
// The goalkeeper passes only well up the field, not too far, and to a
// team-mate no opponent stands near.
const float kGoalieLeastPassGain = 10;
const float kGoalieLongestPass = 40;
const float kGoalieMarkedDist = 6;
// A ball this near our goal line is cleared with one kick as it lies.
// His clearances go at most this far off straight up the field, aimed at a
// point this far out; within this much of the goal's middle line either
// wing will do.
const float kClearWidest = 60;
const float kClearLength = 40;
const float kClearMiddle = 1;
const float kClearLineGap = 3;
}

void CGoalkeeper::GoalieNoteCatch(PlayMode previous, PlayMode current)
{
  const int now = m_Brain.GetTime();
  // The referee may call our free kick in the same cycle as the catch: a
  // free kick straight after our own catch is the catch too.
  const bool caught =
      current == PM_GOALIE_CATCH_BALL ||
      (current == PM_FREE_KICK &&
       (previous == PM_GOALIE_CATCH_BALL || now - m_Goalie.last_catch_cycle <= 2));
  if (caught && !m_Goalie.has_ball)
  {
    m_Goalie.has_ball = true;
    m_Goalie.moved_with_ball = false;
    // The wait with the ball is counted in cycles from here, never slept:
    // the decision pass holds the world model, and what the sensors store
    // meanwhile is the next cycle's to use.
    m_Goalie.catch_time = now;
    m_Goalie.wait_counter = 1;
    return;
  }
  // The ball is held through the referee's catch call and our free kick
  // that follows it; anything else means it is no longer ours to hold.
  if (m_Goalie.has_ball && current != PM_GOALIE_CATCH_BALL &&
      !(current == PM_FREE_KICK && (previous == PM_GOALIE_CATCH_BALL || previous == PM_FREE_KICK)))
    m_Goalie.has_ball = false;
  if (m_Goalie.has_ball)
    m_Goalie.wait_counter = now - m_Goalie.catch_time + 1;
}

// With the ball in hand: one move to the side of the area with fewer
// opponents, wide of the goal area but near our goal, then wait at least
// the minimum for the team to spread out, then pass to a free team-mate,
// or at the latest clear it long.
int CBehaviours::GoalieAfterCatch()
{
  const float goalX = -m_PitchLength / 2;
  if (!m_Goalie.moved_with_ball)
  {
    m_Goalie.moved_with_ball = true;
    const float side = NumFoesWithin(15, CVector(goalX + m_PenaltyAreaLength, 10)) <=
                               NumFoesWithin(15, CVector(goalX + m_PenaltyAreaLength, -10))
                           ? 1.0f
                           : -1.0f;
    // Not out at the corner of the area: from there, 22 m from the middle
    // of the goal, a kick their side took left the goal open for the 20
    // cycles of his run back (seen in matches: two shots from 20-27 m went
    // into the empty goal 7-10 cycles after his kick).
    const float x = goalX + m_GoalAreaLength + kAfterCatchBeyondGoalArea;
    const float y = side * (m_GoalAreaWidth / 2 + kAfterCatchBeyondGoalArea);
    Move(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
    return 1;
  }
  // The referee drops a ball that is not played in time.
  const int latest = std::min(m_GoalieAfterCatchMaxWaitTime, m_DropBallTime - kDropBallMargin);
  const int earliest = std::min(m_GoalieAfterCatchMinWaitTime, latest);
  const CVector target = m_Goalkeeper.GoalieKickTarget();
  if (m_Goalie.wait_counter >= earliest && BallKickableForPlayer(nullptr, 0))
  {
    const CPlayer *mate = m_Goalkeeper.GoalieOpenMate(true);
    if (mate)
      return AnnouncePass(
          mate, mate->GetGPos(),
          m_Goalkeeper.GoalieKickOnce(mate->GetGPos(),
                                      Point2KickVelocity(mate->GetGPos(), m_MaxPassSpeedAtTarget)));
    if (m_Goalie.wait_counter >= latest)
      return m_Goalkeeper.GoalieKickOnce(target, m_BallSpeedMax);
  }
  // Meanwhile face where the clearance would go: the kick is then a full
  // one.
  if (FaceOnlyBody2Point(target))
    return 1;
  return TouchGate(CMD_DASH, 0);
}

// The free kick after a catch or of a set play is one kick: a second touch
// of the taker before anyone else's is a fault, so no kick over several
// cycles here.
int CGoalkeeper::GoalieKickOnce(CVector target, float speed)
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return 0;
  const float dir = (target - ball->GetGPos()).GetDir();
  return m_Brain.DoKCommand(
      m_Brain.KickStraight(std::min(speed, m_Brain.m_BallSpeedMax), dir, 1.0f, nullptr));
}

// Up the field where the scanner finds most room, on his own side of the
// goal: from beside the goal a clearance across its mouth runs through the
// place their forwards wait for a cut-back (seen in matches: of 281 kicks
// after a catch, 72 went across at the window's edge, 60 degrees, and 32 of
// those were shot in before any of our field players touched the ball).
// The window runs from straight up the field out to the wing he stands on;
// from the middle of the goal, either wing.
CVector CGoalkeeper::GoalieKickTarget()
{
  const CVector me = m_Brain.GetGPos();
  float lo = -kClearWidest;
  float hi = kClearWidest;
  if (me.GetY() > kClearMiddle)
    lo = 0;
  else if (me.GetY() < -kClearMiddle)
    hi = 0;
  const float dir = m_Brain.m_Target.ClearAngle(me, m_Brain.FoePositions(), lo, hi);
  return me + Polar2CVector(kClearLength, dir);
}

// A team-mate well up the field whom no opponent is near, safe from the
// opponents on the ball's way: a ball lost here is a goal.
const CPlayer *CGoalkeeper::GoalieOpenMate(bool oneKick)
{
  PASSLIMITS limits;
  limits.backAllowance = -kGoalieLeastPassGain;
  limits.maxDist = kGoalieLongestPass;
  limits.freeRadius = kGoalieMarkedDist;
  limits.riskThreshold = m_Brain.m_DefPassRiskThreshold;
  limits.oneKick = oneKick;
  return m_Brain.PassTarget(limits);
}

// A set play of ours with the ball in my area, and no team-mate nearer:
// I take it, with a single kick (a second touch before anyone else's is a
// fault).
int CGoalkeeper::GoalieTakeKick()
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || !m_Brain.InOurPenaltyArea(ball->GetGPos()))
    return 0;
  if (!m_Brain.AmISetPlayTaker())
    return 0;
  if (!m_Brain.BallKickableForPlayer(nullptr, m_Brain.m_PlayerSize))
    return m_Brain.MoveToPos(ball->GetGPos(), m_Brain.m_Kickable / 2, GoalieDashPower(false),
                             DODGE_NONE);
  const int waited = m_Brain.GetTime() - m_Brain.P2BReadPlayModeTime(true);
  if (waited < kSetPlayWait)
    return m_Brain.TouchGate(CMD_DASH, 0);
  const CPlayer *mate = GoalieOpenMate(true);
  if (mate)
    return m_Brain.AnnouncePass(
        mate, mate->GetGPos(),
        GoalieKickOnce(mate->GetGPos(), m_Brain.Point2KickVelocity(
                                            mate->GetGPos(), m_Brain.m_MaxPassSpeedAtTarget)));
  return GoalieKickOnce(GoalieKickTarget(), m_Brain.m_BallSpeedMax);
}

// The ball at my feet in play: pass it to a free team-mate, or clear it.
// By our goal line, one kick as the ball lies, away up the field: a kick
// laid over several cycles first takes the ball round the body, and there
// that way runs over the line (seen in a match: two small kicks round him
// put the ball into his own goal).
int CGoalkeeper::GoalieClearBall()
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (m_Brain.BallPositionValid() &&
      ball->GetGPos().GetX() < -m_Brain.m_PitchLength / 2 + kClearLineGap)
  {
    // Right after a kick of mine the ball's pace is the kick's plan until a
    // sighting measures it; a kick worked out from that plan may send it
    // into the goal (seen in a match: his kick slowed a shot at his back,
    // the next, reckoned on the ball going away, pushed it over the line).
    const int now = m_Brain.GetTime();
    if (m_Brain.m_LastQueue.time == now - 1 && m_Brain.m_LastQueue.command == CMD_KICK &&
        ball->GetTime() < now)
      return 0;
    return GoalieKickOnce(GoalieKickTarget(), m_Brain.m_BallSpeedMax);
  }
  const CPlayer *mate = GoalieOpenMate(false);
  if (mate && m_Brain.NumFoesWithin(5) == 0 && m_Brain.PassBall(mate) > 0)
    return 1;
  // Away up the field, as hard as the kicks can make it.
  return m_Brain.KickBall(GoalieKickTarget(), 2 * m_Brain.m_BallSpeedMax);
}

// Facing the ball, or standing still: a dash along the body could run
// into it, a touch the gate was holding back.
int CGoalkeeper::GoalieStayAtBall()
{
  return m_Brain.GoalieFaceBall() ? 1 : m_Brain.TouchGate(CMD_DASH, 0);
}
