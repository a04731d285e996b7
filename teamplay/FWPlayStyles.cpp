// With the ball in their third: score. From far out a pass to a team-mate
// before their goal; a shot whenever there is one (from far out only once an
// opponent comes near, from the edge of their area with nobody near only
// when their keeper may not get to it), a breakaway, from out wide a ball
// into their area where a team-mate is first to it, a cross from by their
// goal line, a pass to a team-mate with a better shot, a shot from close in
// whoever may get across it farther on or into a crowd before the ball is
// taken, a ball behind their line, a run at goal or into space, a pass, the
// ball held a moment, and when nothing else is on a shot, or from out of its
// reach a ball into their area.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// A shot kicked at once goes at least this fast: slower, their keeper
// gets across to it.
const float kLeastOneKickShot = 1.8f;
// From this near the middle of their goal a shot goes whoever may get
// across it farther on.
const float kCloseShotDist = 20;
// Farther out than this, with no opponent this near the ball, the shot
// waits.
const float kLongShot = 22;
const float kLongShotRoom = 5;
// From there a pass goes to a team-mate this near the middle of their
// goal, back by at most this much and no longer than this.
const float kBoxShotDist = 18;
const float kBoxPassMostBack = 8;
const float kBoxPassLongest = 25;
// From this near the middle of their goal a free shot goes whoever may
// get to it: closer in, a keeper in time still lets in half.
const float kNearEnoughToShoot = 17;
// Their keeper reckoned this many cycles or more ahead of the ball on its
// way is surely there in time.
const int kKeeperSurelyThere = 3;
// A shot kicked at once this fast or faster is struck as well as the
// foot allows: no touch first.
const float kWellStruck = 2.5f;
// A laying touch must buy this much speed for the shot after it.
const float kLayGain = 0.3f;
// Nobody of theirs this near, for the laying touch and the shot: two
// cycles of his run and his reach, and a step to spare.
const float kLayRoom = 4;
// The other corner is taken when their keeper's lead on the ball there is
// this many cycles less.
const int kCornerGain = 1;
// A shot aimed this near the middle of their goal was aimed clear of a
// defender: no corner is swapped for it.
const float kCornerAim = 3;
// An opponent this near the ball is at it: within a dash and a reach.
const float kOpponentAtTheBall = 3;
// The last resort from out of a shot's reach goes this far out from their
// goal line, in front of the goal.
const float kLastResortCrossFromLine = 10;
}  // namespace

int CBehaviours::FWZWithBall()
{
  const CVector me = GetGPos();
  if (m_BallChoices.PassIntoTheBox())
    return 1;
  if (m_BallChoices.TakeTheShotThatIsOn())
    return 1;
  if (m_BallChoices.TakeABreakaway())
    return 1;
  if (m_BallChoices.CrossToAMateFirst())
    return 1;
  if (ShouldICross() && Chose(BP_CROSS, CrossBall()))
    return 1;
  const CPlayer *mate = PassTarget(1);
  if (mate && HasABetterShot(mate) && Chose(BP_PASS, PassBall(mate)))
    return 1;
  if (m_BallChoices.ShootFromClose() || m_BallChoices.ShootBeforeItIsTaken())
    return 1;
  if (Chose(BP_THROUGH, m_BallChoices.BeatTheOffsideLine()))
    return 1;
  if (m_BallChoices.RunAtTheirGoal())
    return 1;
  const bool pressed = m_BallChoices.Pressed(m_FeelDistance);
  // The run goes at goal while its way is free, out wide too: down the
  // wing to their line, every run ended in a cross their defenders took,
  // never in a shot. Only with the way in shut does a winger near their
  // line run on to where a cross is made from.
  const bool free = !pressed || CanKeepBall(CanKeepBallCyclesForThisZone());
  const CVector atGoal(m_PitchLength / 2 - m_GoalAreaLength, me.GetY() * 0.5f);
  const CVector toCross(m_PitchLength / 2 - m_ShouldCrossBaselineBuffer, me.GetY());
  if (free && CanDribbleTo(atGoal) && Chose(BP_DRIBBLE, m_BallChoices.RunWithBall(atGoal)))
    return 1;
  if (free && ShouldIMoveToCross() && CanDribbleTo(toCross) &&
      Chose(BP_DRIBBLE, m_BallChoices.RunWithBall(toCross)))
    return 1;
  if (m_BallChoices.DribbleIntoSpace())
    return 1;
  if (mate && Chose(BP_PASS, PassBall(mate)))
    return 1;
  if (m_BallChoices.HoldForAMoment())
    return 1;
  // Nothing else on: a shot from within its reach, else the ball into
  // their area where our forwards wait. Kicked at goal from 33-38 m out
  // wide, such balls went nowhere near it.
  CVector target;
  if (ShotInRange(target))
    return Chose(BP_SHOOT, m_BallChoices.ShootNow());
  return Chose(BP_CROSS, m_BallChoices.KickOnceTowards(
                             CVector(m_PitchLength / 2 - kLastResortCrossFromLine, 0),
                             m_CrossPointTargetVel));
}

bool CBallChoices::LongShotCanWait()
{
  // Against ourselves every shot from 23-29 m was caught, and the goals
  // came from 8-16 m, one after a ball from the wing to a team-mate before
  // the goal: with nobody near, the ball is run closer or passed, and the
  // shot goes once an opponent comes near (or when nothing else is on).
  const CBall *ball = m_Brain.M2BReadBall();
  return ball && ball->GetGPos().dist(CVector(m_Brain.m_PitchLength / 2, 0)) > kLongShot &&
         m_Brain.NumFoesWithin(kLongShotRoom, ball->GetGPos()) == 0;
}

bool CBallChoices::KeeperThereRunCloser()
{
  // Against ourselves shots from beyond 17 m that the keeper was in time
  // for went in 3 times in 60, those from inside 17 m half the time: with
  // nobody of theirs near, the ball is first run closer, and the shot goes
  // once one of theirs comes or the carrier is near enough.
  const CBall *ball = m_Brain.M2BReadBall();
  const CPlayer *keeper = m_Brain.TheirGoalie();
  if (!ball || !m_Brain.BallPositionValid() || !keeper || !keeper->GetPositionValid())
    return false;
  const CVector from = ball->GetGPos();
  const float dist = from.dist(CVector(m_Brain.m_PitchLength / 2, 0));
  if (dist <= kNearEnoughToShoot || dist > kLongShot ||
      m_Brain.NumFoesWithin(kLongShotRoom, from) > 0)
    return false;
  const CVector target = m_Brain.ShootPoint(nullptr);
  return m_Brain.NumCyclesGoalieBeatsBall(from, target, m_Brain.m_BallSpeedMax, keeper) >=
         kKeeperSurelyThere;
}

bool CBallChoices::ShotIsOn()
{
  return m_Brain.HaveAShot() && !LongShotCanWait() && !KeeperThereRunCloser();
}

int CBallChoices::TakeTheShotThatIsOn()
{
  return ShotIsOn() && m_Brain.Chose(BP_SHOOT, ShootNow());
}

int CBallChoices::PassIntoTheBox()
{
  // Far out, a team-mate before their goal is a better chance than the
  // shot: every shot from 23-28 m against ourselves was caught, and a ball
  // from the wing to a team-mate 13 m out scored.
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector goal(m_Brain.m_PitchLength / 2, 0);
  if (!ball || ball->GetGPos().dist(goal) <= kLongShot)
    return 0;
  PASSLIMITS limits;
  limits.backAllowance = kBoxPassMostBack;
  limits.maxDist = kBoxPassLongest;
  const CPlayer *mate = m_Brain.PassTarget(limits);
  if (!mate || mate->GetGPos().dist(goal) > kBoxShotDist)
    return 0;
  return m_Brain.Chose(BP_PASS, m_Brain.PassBall(mate));
}

int CBallChoices::ShootBeforeItIsTaken()
{
  // Within reach of goal a shot that a defender may block still beats the
  // ball lost at the edge of their area: in matches the runs into their
  // third ended in a tackle, never in a shot. An opponent at the ball
  // counts as taking it even when the ball seems safe: held or run on
  // with him a step or two off, it was lost the next cycles.
  CVector target;
  const CBall *ball = m_Brain.M2BReadBall();
  const bool atTheBall =
      ball && m_Brain.NumFoesWithin(kOpponentAtTheBall, ball->GetGPos()) > 0;
  if ((!atTheBall && m_Brain.CanKeepBall(m_Brain.CanKeepBallCyclesForThisZone())) ||
      !m_Brain.ShotInRange(target))
    return 0;
  return m_Brain.Chose(BP_SHOOT, ShootNow());
}

int CBallChoices::ShootFromClose()
{
  // Within 20 m a defender in their area may get a foot to the shot, and
  // the ball passed instead across their area was taken more often still.
  const CBall *ball = m_Brain.M2BReadBall();
  CVector target;
  if (!ball || ball->GetGPos().dist(CVector(m_Brain.m_PitchLength / 2, 0)) > kCloseShotDist ||
      !m_Brain.ShotInRange(target) || m_Brain.ShutAtTheFoot(m_Brain.GetGPos(), target))
    return 0;
  // With the way shut farther on, a run closer goes into the men shutting
  // it; with only the keeper in it, a run closer beats him more often.
  if (KeeperThereRunCloser() && m_Brain.HaveAShot())
    return 0;
  return m_Brain.Chose(BP_SHOOT, ShootNow());
}

int CBallChoices::ShootNow()
{
  // With the ball surely at the foot, a shot that one kick sends hard
  // enough goes at once. Laid over several kicks, it waited on a dash to
  // the ball and on the cycles the ball was only reckoned near, when no
  // kick is let through, and was taken first; laid over one to four kicks
  // it came no harder (1.9-2.6 against 1.7-2.8 at once): only one touch
  // lays it, and only for a keeper in time as it lies.
  const CBall *ball = m_Brain.M2BReadBall();
  if (!ball)
    return 0;
  // The corner a shot was found open at in this cycle, else the one the
  // keeper reaches last.
  CVector target;
  if (!m_Brain.m_ShotAim.NotedTarget(m_Brain.GetTime(), target))
    target = m_Brain.ShootPoint(nullptr);
  const bool sure = m_Brain.BallSurelyInReach();
  if (sure)
    target = CornerTheKickBeatsHimTo(target);
  const float dir = (target - ball->GetGPos()).GetDir();
  const float need =
      std::fmax(m_Brain.Point2KickVelocity(target, m_Brain.m_ShotVelAtGoal), kLeastOneKickShot);
  bool enough = false;
  if (sure)
    m_Brain.KickStraight(need, dir, 1.0f, &enough);
  // Pressed, a ball rolling away is shot as it lies whenever one kick still
  // gets it to their goal line: laid over several kicks, a ball taken 26 m
  // out with a defender 3 m off was first stopped, chased for four cycles
  // and sent wide of the goal at last.
  const float oneKick = sure ? m_Brain.OneKickSpeedTowards(target) : 0;
  CVector spot;
  if (sure && LayTheShotFirst(target, oneKick, spot))
    return m_Brain.m_KickPlanner.LayThenKick(dir, m_Brain.m_BallSpeedMax, spot);
  if (!enough && sure && Pressed(m_Brain.m_FeelDistance) &&
      oneKick - ball->GetGPos().dist(target) * (1 - m_Brain.m_BallDecay) > 0)
    return m_Brain.DoKCommand(m_Brain.KickStraight(oneKick, dir, 1.0f, nullptr));
  if (!enough)
    return m_Brain.KickBall(target, 2 * m_Brain.m_BallSpeedMax);
  return m_Brain.DoKCommand(m_Brain.KickStraight(m_Brain.m_BallSpeedMax, dir, 1.0f, nullptr));
}

bool CBallChoices::LayTheShotFirst(CVector target, float oneKick, CVector &spot)
{
  // Laid once already: the shot goes now, however the touch came off.
  const KICKPLAN &plan = m_Brain.m_Kicking.plan;
  if (plan.kicks > 0 && plan.time == m_Brain.GetTime() - 1)
    return false;
  if (oneKick >= kWellStruck)
    return false;
  const CBall *ball = m_Brain.M2BReadBall();
  const CPlayer *keeper = m_Brain.TheirGoalie();
  if (!ball || !keeper || !keeper->GetPositionValid())
    return false;
  const CVector from = ball->GetGPos();
  const float dir = (target - from).GetDir();
  // Only a touch counts: a dash to bring the foot nearer is no lay.
  float dash = -1;
  const float laid = m_Brain.m_KickPlanner.HardKickReach(dir, m_Brain.m_BallSpeedMax, &spot, &dash);
  if (spot.GetX() < -998 || laid < oneKick + kLayGain || Pressed(kLayRoom))
    return false;
  // The keeper's lead counts the shooter's cycles to kick: less than
  // that and he is beaten as it lies.
  const int asItLies = m_Brain.NumCyclesGoalieBeatsBall(from, dir, oneKick, keeper);
  const int afterTheTouch = m_Brain.NumCyclesGoalieBeatsBall(from, dir, laid, keeper) + 1;
  return asItLies >= m_Brain.m_CyclesToKick && afterTheTouch < asItLies;
}

CVector CBallChoices::CornerTheKickBeatsHimTo(CVector target)
{
  // The corner he reaches last was chosen by his place alone: a ball
  // rolling across the foot goes much harder one way than the other, and
  // from the far post he still got across to the slow one.
  const CBall *ball = m_Brain.M2BReadBall();
  const CPlayer *keeper = m_Brain.TheirGoalie();
  if (!ball || !keeper || !keeper->GetPositionValid() || std::fabs(target.GetY()) < kCornerAim)
    return target;
  const CVector from = ball->GetGPos();
  const CVector other(target.GetX(), -target.GetY());
  const float here = m_Brain.OneKickSpeedTowards(target);
  const float there = m_Brain.OneKickSpeedTowards(other);
  if (m_Brain.NumCyclesGoalieBeatsBall(from, other, there, keeper) + kCornerGain >
      m_Brain.NumCyclesGoalieBeatsBall(from, target, here, keeper))
    return target;
  if (m_Brain.ShutAtTheFoot(m_Brain.GetGPos(), other) ||
      m_Brain.SpareCycles(from, other, there, 0, nullptr, false) <= 0)
    return target;
  return other;
}
