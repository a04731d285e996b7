// What the zone behaviours share: one kick that sends the ball on its way,
// a ball behind their offside line, a pass forward, a pass any way that
// keeps the ball, a short pass before a long ball, a long ball, a run into
// space, a moment's hold, a clearance at once, a breakaway, and a run with
// the ball.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "Geometry.h"
#include "LongBallLane.h"
#include "UnseenReach.h"

// One kick, at once, that sends the ball towards the target to arrive
// with the end speed (as hard as the kick allows when it cannot): set
// plays are taken in one touch, and a last resort needs no preparation.
int CBallChoices::KickOnceTowards(CVector target, float endSpeed)
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || !m_Brain.BallKickableForPlayer(nullptr, 0))
    return 0;
  float speed = m_Brain.Point2KickVelocity(target, endSpeed);
  if (speed > m_Brain.m_BallSpeedMax)
    speed = m_Brain.m_BallSpeedMax;
  const float dir = (target - ball->GetGPos()).GetDir();
  return m_Brain.DoKCommand(m_Brain.KickStraight(speed, dir, 1.0f, nullptr)) ? 1 : 0;
}

namespace
{
// How far behind their line a ball for a runner may go, and how far
// either side of his line: a gap in their line is seldom straight ahead of
// him.
const float kThroughSteps[] = {5, 10, 15};
const float kThroughAside[] = {0, -5, 5, -10, 10};
// The runner must be at the ball this many cycles before any of theirs.
const int kThroughLeastSpare = 1;
// Kept this far in from the touch lines.
const float kThroughLineMargin = 3;
// One of theirs this much beyond his reach of the ball may yet be at it:
// his place is known only so well.
const float kThroughContestSlack = 0.5f;
// An end speed no kick reaches: as hard as one kick sends the ball.
const float kThroughHardest = 10;
// The ball is readied over several kicks only with none of theirs this
// near, and only when that sends it this much harder than one kick now.
const float kThroughReadyRoom = 5;
const float kThroughReadiedGain = 0.3f;
// A pass forward gains at least this much ground.
const float kForwardPassGain = 5;
// A pass in play goes no farther than this: the opponents' places are
// known less well the longer the ball rolls, and passes of 20 m and more
// were lost two times in three, of 8 to 12 m kept two times in three.
const float kLongestPassInPlay = 25;
// A short pass tried before a long ball: no longer, no farther back, and
// no riskier than these. The long ball into their half was taken four
// times in five; a near team-mate the reckoning calls unsafe keeps it more
// often than that, as long as the ball gets to him before any of theirs,
// if only just: with the bar at a cycle's margin such a pass was on at 6
// of 48 long balls, and half of those that went were kept.
const float kShortPassLongest = 20;
const float kShortPassMostBack = 15;
const float kShortPassMostRisk = 0.95f;
// A run with the ball at their goal starts no farther back: from there
// their defenders come back in time.
const float kBreakawayStartX = 10;
// The long ball lands this far into their half beyond the sender at most,
// this far in from the touch line, and goes down the wing with fewer
// opponents within the crowd radius of where it lands; one into room
// where one of ours is first lands half as far in at least.
const float kLongBallLength = 40;
const float kLongBallWingIn = 10;
const float kLongBallCrowd = 15;
// The ball down the wing first got to by one of theirs nearer the kick
// than this is cut out on its way: it goes down another lane. Long balls
// lost were cut out by their midfield 8 to 20 m from the kick.
const float kCutOutNear = 20;
// Else it goes into room: to one of these lengths ahead and one of these
// many lanes either side of the middle, where a team-mate up the pitch
// within this run of it gets to it first by this many cycles; a long ball
// into empty room was lost four times in five.
const float kLongBallAhead[] = {25, 32, 40};
const int kLongBallLanes = 3;
const float kLongBallRunMost = 20;
const float kLongBallLeastSpare = 1;
// Sent down the lane where it rolls farthest before they get at it, a
// ball that leaves the pitch is worth this many metres less.
const float kLaneOutCost = 20;
// The lanes keep this far in from the touch lines, and a ball that comes
// within this of a line counts as out: the kick's noise puts one rolling
// along the line over it (a ball a half went out for their throw-in).
const float kLaneLineMargin = 2;
// A long ball to a team-mate gains at least this much ground, and goes
// when he is first by half a cycle or more: the opponents' places are known
// less well the longer the ball rolls, and long balls to team-mates only
// just first were lost three times in four.
const float kLongPassLeastGain = 10;
const float kLongPassMostRisk = 0.7f;
// The directions a run into space may take, either side of straight at
// their goal line, and the step between them; a run straight forward is
// worth as much as this many metres of room at its end.
const float kSpaceRunSpan = 90;
const float kSpaceRunStep = 15;
const float kForwardWorth = 10;
// Kept off the lines by this much.
const float kSpaceRunLineMargin = 2;
// A clearance goes no wider than this off straight up the pitch, and is
// aimed this far.
const float kClearWidest = 70;
const float kClearLength = 40;
// The ball is held for team-mates to get free at most this many cycles in
// a row: pressure only grows.
const int kMostHoldCycles = 4;
// A run into room lays the ball for at most this many cycles of running
// and at least this many (shorter is the close dribble); every opponent
// needs this many cycles more than the ball to get to any point of its
// way, and the ball stays this far inside the lines.
const int kRoomRunLongest = 8;
const int kRoomRunShortest = 4;
const float kRoomRunSpare = 2;
const float kRoomRunLineMargin = 3;
const float kRoomRunFromX = 0;
// A run at their goal heads for the front of their goal area, at this
// share of the runner's own distance off its middle line; turned this much
// either way when the straight way is not his. Nearer than this to the
// middle of their goal the shot decides, not the run.
const float kRunAtGoalInward = 0.5f;
const float kRunAtGoalSwerve = 20;
const float kRunAtGoalNearest = 20;
// The ball down the wing laid for its sender dies this far ahead at most
// (longest first), and he must be at it a cycle before any of theirs.
const float kLaidAheadLengths[] = {30, 25, 20, 15};
const int kLaidAheadSpare = 1;
}  // namespace

CBallChoices::CBallChoices(CBehaviours &brain) : m_Brain(brain)
{
}

CBallChoices &CBehaviours::BallChoices()
{
  return m_BallChoices;
}

bool CBallChoices::Pressed(float radius) const
{
  const CVector me = m_Brain.GetGPos();
  const int now = m_Brain.GetTime();
  sorted_players foes;
  m_Brain.SortValidFoes2Me(foes);
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *o = foes.players[i];
    if (NearestHeMayBe(o->GetGPos().dist(me), now - o->GetTime(), m_Brain.m_PlayerSpeedMax) <=
        radius)
      return true;
  }
  return false;
}

// A ball played into the room behind their offside line for a team-mate
// level with it, onside, to a point he gets the ball at first as it rolls
// or where it stops, with a cycle in hand over every one of theirs, their
// goalkeeper too. Aimed only along his own line and level with him, a
// ball behind their line fired in none of 170 decisions in their half:
// its way crossed their line at a defender, or it stopped out of his
// reach and was reckoned his regardless.
int CBallChoices::BeatTheOffsideLine()
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid())
    return 0;
  const CVector from = ball->GetGPos();
  const float line = m_Brain.TheirOffsideX();
  if (!LineToBeatFrom(from))
    return 0;
  std::vector<LaneRunner> runners = TheirRunners();
  LaneRoll roll = PitchRoll();
  roll.stillBallWaits = true;
  // He learns of the ball a cycle after the kick, and must be first by a
  // cycle more: their men not seen lately may be nearer than reckoned.
  roll.oursLate = 1 + kThroughLeastSpare;
  const float xMost = m_Brain.m_PitchLength / 2 - m_Brain.m_GoalAreaLength;
  const float yMost = m_Brain.m_PitchWidth / 2 - kThroughLineMargin;
  const CPlayer *bestMate = nullptr;
  LaneEnd best;
  CVector bestTarget;
  float bestEndSpeed = 0;
  float bestSpeed = 0;
  // Nobody of theirs near: the ball may be readied for a harder kick.
  const bool free = !Pressed(kThroughReadyRoom);
  sorted_players mates;
  m_Brain.SortValidFriends2Me(mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    const CVector at = p->GetGPos();
    // A team-mate level with the line, onside, who runs onto the ball.
    if (p->GetIsGoalie() || m_Brain.GetRole(p->GetUNum()) == ROLE_GOALKEEPER || at.GetX() > line ||
        at.GetX() < line - m_Brain.m_BeatOffsidesBuffer / 3)
      continue;
    runners.push_back(LaneRunner{at, m_Brain.m_Kickable, true, p->GetUNum(), line});
    for (const float step : kThroughSteps)
      for (const float aside : kThroughAside)
      {
        const CVector target(std::fmin(line + std::fmin(step, m_Brain.m_BeatOffsidesBuffer), xMost),
                             Clamp(at.GetY() + aside, -yMost, yMost));
        // One kick of the ball, at once: the runner is off with it. Laid
        // to die at the place, or as hard as one kick sends it, when a
        // slow ball is cut out where it crosses their line; with nobody
        // near, as hard as the ball goes, over several kicks, the runner
        // told at the first and off while the ball is readied.
        const float oneKick = m_Brain.OneKickSpeedTowards(target);
        const float hardest = std::fmin(m_Brain.Point2KickVelocity(target, kThroughHardest),
                                        m_Brain.m_BallSpeedMax);
        const bool readied = free && hardest > oneKick + kThroughReadiedGain;
        for (const float endSpeed : {m_Brain.m_MinPassSpeedAtTarget, kThroughHardest, -1.0f})
        {
          const bool laid = endSpeed < 0;
          if (laid && !readied)
            continue;
          const float speed =
              laid ? hardest : std::fmin(m_Brain.Point2KickVelocity(target, endSpeed), oneKick);
          if (speed <= 0)
            continue;
          roll.kickDelay = laid ? std::max(1, m_Brain.m_CyclesToKick) : 0;
          const LaneEnd end = RollToFirstTouch(from, target, speed, runners, roll);
          // Won behind their line, the farther up the better.
          if (!end.reached || !end.ours || end.where.GetX() <= line ||
              (bestMate && end.where.GetX() <= best.where.GetX()))
            continue;
          bestMate = p;
          best = end;
          bestTarget = target;
          bestEndSpeed = endSpeed;
          bestSpeed = speed;
        }
      }
    runners.pop_back();
  }
  if (!bestMate)
    return 0;
  if (bestEndSpeed < 0)
    return m_Brain.AnnouncePass(bestMate, best.where, m_Brain.KickBall(bestTarget, bestSpeed));
  return m_Brain.AnnouncePass(bestMate, best.where, KickOnceTowards(bestTarget, bestEndSpeed));
}

bool CBallChoices::LineToBeatFrom(CVector from)
{
  const float line = m_Brain.TheirOffsideX();
  // Only a line high enough leaves room behind it, and only from near
  // enough does the ball get there before their defenders turn.
  if (line > m_Brain.m_BeatOffsidesMaxX || line - from.GetX() > m_Brain.m_BeatOffsidesThreashold ||
      line < from.GetX())
    return false;
  // One of theirs at the ball kicks it in the same cycle as ours: of six
  // balls behind their line played so, five were theirs the next cycle.
  return m_Brain.NumFoesWithin(m_Brain.m_Kickable + kThroughContestSlack, from) == 0;
}

int CBallChoices::PassForward()
{
  PASSLIMITS limits;
  limits.backAllowance = -kForwardPassGain;
  limits.maxDist = std::fmin(m_Brain.m_MaxPassDist, kLongestPassInPlay);
  const CPlayer *mate = m_Brain.PassTarget(limits);
  return mate && m_Brain.Chose(BP_PASS, m_Brain.PassBall(mate, m_Brain.PassPace(mate)));
}

// A pass to a safe team-mate any way, back no farther than mostBack and
// never into our area; pressed, in one kick.
int CBallChoices::PassToKeepTheBall(float mostBack)
{
  PASSLIMITS limits;
  limits.backAllowance = mostBack;
  limits.maxDist = std::fmin(m_Brain.m_MaxPassDist, kLongestPassInPlay);
  // Pressed, a pass laid over several kicks is taken before it goes.
  limits.oneKick = Pressed(m_Brain.m_FeelDistance);
  const CPlayer *mate = m_Brain.PassTarget(limits);
  if (!mate)
    return 0;
  if (!limits.oneKick)
    return m_Brain.Chose(BP_PASS, m_Brain.PassBall(mate, m_Brain.PassPace(mate)));
  return m_Brain.Chose(
      BP_PASS, m_Brain.AnnouncePass(
                   mate, mate->GetGPos(),
                   KickOnceTowards(mate->GetGPos(), m_Brain.PassPace(mate))));
}

// Before a long ball in midfield: a short pass in one kick to a
// team-mate near, any way but into our area, at a risk a little above
// the zone's.
int CBallChoices::ShortPassBeforeLongBall()
{
  PASSLIMITS limits;
  limits.backAllowance = kShortPassMostBack;
  limits.maxDist = kShortPassLongest;
  limits.riskThreshold = kShortPassMostRisk;
  // Pressed, a pass laid over several kicks is taken before it goes.
  limits.oneKick = true;
  const CPlayer *mate = m_Brain.PassTarget(limits);
  return mate &&
         m_Brain.Chose(BP_PASS,
                       m_Brain.AnnouncePass(mate, mate->GetGPos(),
                                            KickOnceTowards(
                                                mate->GetGPos(), m_Brain.PassPace(mate))));
}

// The landing points of a long ball: rows kLongBallAhead up the pitch
// (short of their area), lanes spread evenly across it; a point that gains
// too little on the ball is skipped, and so is one that no kick now sends
// the ball towards: a ball rolling across the kicker is turned only so
// far, and one sent regardless went off its way into their midfield.
template <class Visit>
void CBallChoices::ForEachLongBallAim(CVector from, float yMost, Visit visit) const
{
  const float xMost = m_Brain.m_PitchLength / 2 - m_Brain.m_PenaltyAreaLength;
  for (const float ahead : kLongBallAhead)
    for (int k = -kLongBallLanes; k <= kLongBallLanes; k++)
    {
      const CVector target(std::fmin(from.GetX() + ahead, xMost),
                           yMost * static_cast<float>(k) / static_cast<float>(kLongBallLanes));
      if (target.GetX() < from.GetX() + kLongPassLeastGain)
        continue;
      const float speed = std::fmin(m_Brain.Point2KickVelocity(target, m_Brain.m_SendPointTargetVel),
                                    m_Brain.OneKickSpeedTowards(target));
      if (speed > 0)
        visit(target, speed);
    }
}

// Nothing on: the ball long to a team-mate well up the pitch who may
// just get there first, or into room where one of ours is first, or else
// down the emptier wing, or the lane they get to last when the wing is
// cut out on its way.
int CBallChoices::LongBallUpfield()
{
  const CVector me = m_Brain.GetGPos();
  // A team-mate well up the pitch whom the pass reaches safely is better
  // than room nobody of ours is near.
  PASSLIMITS limits;
  limits.backAllowance = -kLongPassLeastGain;
  limits.maxDist = kLongBallLength;
  limits.riskThreshold = kLongPassMostRisk;
  limits.oneKick = true;
  if (const CPlayer *mate = m_Brain.PassTarget(limits))
    return m_Brain.AnnouncePass(
        mate, mate->GetGPos(),
        KickOnceTowards(mate->GetGPos(), m_Brain.PassPace(mate)));
  // Into room where one of ours well up the pitch gets to the ball first.
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector from = m_Brain.BallPositionValid() ? ball->GetGPos() : me;
  sorted_players mates;
  m_Brain.SortValidFriends2Me(mates);
  const float xMost = m_Brain.m_PitchLength / 2 - m_Brain.m_PenaltyAreaLength;
  const float yMost = m_Brain.m_PitchWidth / 2 - kLongBallWingIn / 2;
  bool found = false;
  float bestSpare = 0;
  CVector best;
  const CPlayer *bestMate = nullptr;
  // A team-mate beyond their line at the kick is offside: balls into room
  // for such a man were called offside once he got to them, their free
  // kick.
  const float line = m_Brain.TheirOffsideX();
  ForEachLongBallAim(from, yMost, [&](CVector target, float speed) {
    for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
    {
      const CPlayer *mate = mates.players[i];
      const CVector at = mate->GetGPos();
      if (at.GetX() < from.GetX() + kLongPassLeastGain || at.dist(target) > kLongBallRunMost ||
          at.GetX() > line)
        continue;
      const float spare = m_Brain.SpareCycles(from, target, speed, 0, &at);
      if (!found || spare > bestSpare)
      {
        found = true;
        bestSpare = spare;
        best = target;
        bestMate = mate;
      }
    }
  });
  if (found && bestSpare >= kLongBallLeastSpare)
    return m_Brain.AnnouncePass(bestMate, best,
                                KickOnceTowards(best, m_Brain.m_SendPointTargetVel));
  // Else down the wing with fewer of theirs where it lands, unless one of
  // theirs cuts it out on its way there.
  const float x = std::fmin(me.GetX() + kLongBallLength, xMost);
  const float y = m_Brain.m_PitchWidth / 2 - kLongBallWingIn;
  const CVector mySide(x, m_Brain.SignF(me.GetY()) * y);
  const CVector otherSide(x, -m_Brain.SignF(me.GetY()) * y);
  const CVector wing = m_Brain.NumFoesWithin(kLongBallCrowd, otherSide) <
                               m_Brain.NumFoesWithin(kLongBallCrowd, mySide)
                           ? otherSide
                           : mySide;
  const std::vector<LaneRunner> runners = TheirRunners();
  const LaneRoll roll = PitchRoll();
  if (LayDownTheWingForMe(from, wing))
    return 1;
  // Down the wing or the freest lane the ball goes only to whoever gets
  // there: a lane one of ours gets to first keeps it.
  const LaneChoice ours = OursFirstDownALane(from, y, runners, roll);
  if (ours.mate)
    return m_Brain.AnnouncePass(ours.mate, ours.end.where,
                                KickOnceTowards(ours.target, ours.endSpeed));
  const float speed = std::fmin(m_Brain.Point2KickVelocity(wing, m_Brain.m_SendPointTargetVel),
                                m_Brain.OneKickSpeedTowards(wing));
  if (speed > 0 && RollToFirstTouch(from, wing, speed, runners, roll).where.dist(from) >= kCutOutNear)
    // One kick, at once: a kick laid over several cycles turns the ball
    // about the body first, and an opponent near takes it meanwhile.
    return KickOnceTowards(wing, m_Brain.m_SendPointTargetVel);
  return SendDownTheFreestLane(from, runners, roll);
}

// From their half the ball down the wing rolled 35-40 m into their
// corner with nobody of ours near, and its sender, who ran after it
// alone, came level with their full back just as he took it: about one
// a half given away so. It dies as far down the wing as the sender
// himself gets to it first, a cycle in hand; their men, the one pressing
// him too, are weighed as for any lane.
int CBallChoices::LayDownTheWingForMe(CVector from, CVector wing)
{
  if (from.GetX() <= kRoomRunFromX)
    return 0;
  std::vector<LaneRunner> runners = TheirRunners();
  LaneRoll roll = PitchRoll();
  // He knows where it goes as it leaves his foot.
  runners.push_back(LaneRunner{m_Brain.GetGPos(), m_Brain.m_Kickable, true, m_Brain.GetUNum()});
  // A team-mate beyond their line who gets to it first is called offside:
  // the ball is as good as theirs.
  const float line = m_Brain.TheirOffsideX();
  sorted_players mates;
  m_Brain.SortValidFriends2Me(mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
    if (mates.players[i]->GetGPos().GetX() > line)
      runners.push_back(LaneRunner{mates.players[i]->GetGPos(), m_Brain.m_Kickable, false,
                                   mates.players[i]->GetUNum()});
  roll.oursLate = kLaidAheadSpare;
  roll.stillBallWaits = true;
  const float dir = (wing - from).GetDir();
  const float oneKick = m_Brain.OneKickSpeedTowards(wing);
  for (const float length : kLaidAheadLengths)
  {
    const CVector target = from + Polar2CVector(length, dir);
    const float speed = std::fmin(m_Brain.Point2KickVelocity(target, 0), oneKick);
    if (speed <= 0 || !m_Brain.IsPointInBounds(target, kLaneLineMargin))
      continue;
    const LaneEnd end = RollToFirstTouch(from, target, speed, runners, roll);
    if (end.reached && end.ours && end.where.GetX() >= from.GetX() + kLongPassLeastGain)
      return m_Brain.DoKCommand(m_Brain.KickStraight(speed, dir, 1.0f, nullptr)) ? 1 : 0;
  }
  return 0;
}

std::vector<LaneRunner> CBallChoices::TheirRunners() const
{
  std::vector<LaneRunner> runners;
  sorted_players foes;
  m_Brain.SortValidFoes2Me(foes);
  const CPlayer *goalie = m_Brain.TheirGoalie();
  for (int i = 0; i < foes.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *o = foes.players[i];
    const bool isGoalie = o == goalie || o->GetIsGoalie();
    const float reach =
        isGoalie ? std::fmax(m_Brain.m_Kickable, m_Brain.m_CatchRadius) : m_Brain.m_Kickable;
    runners.push_back(LaneRunner{o->GetGPos(), reach, false, o->GetUNum()});
  }
  return runners;
}

LaneRoll CBallChoices::PitchRoll() const
{
  LaneRoll roll;
  roll.ballDecay = m_Brain.m_BallDecay;
  roll.playerSpeedMax = m_Brain.m_PlayerSpeedMax;
  roll.halfLength = m_Brain.m_PitchLength / 2 - kLaneLineMargin;
  roll.halfWidth = m_Brain.m_PitchWidth / 2 - kLaneLineMargin;
  return roll;
}

// The wing cut out: of the places a ball into room is tried at, the ball
// goes where it rolls farthest up before one of theirs can get at it; a
// ball out of play is theirs.
int CBallChoices::SendDownTheFreestLane(CVector from, const std::vector<LaneRunner> &runners,
                                        const LaneRoll &roll)
{
  const float xMost = m_Brain.m_PitchLength / 2 - m_Brain.m_PenaltyAreaLength;
  const float yMost = m_Brain.m_PitchWidth / 2 - kLongBallWingIn;
  bool found = false;
  float bestValue = 0;
  CVector best;
  ForEachLongBallAim(from, yMost, [&](CVector target, float speed) {
    const LaneEnd end = RollToFirstTouch(from, target, speed, runners, roll);
    const bool out = std::fabs(end.where.GetX()) > roll.halfLength ||
                     std::fabs(end.where.GetY()) > roll.halfWidth;
    const float value = end.where.GetX() - (out ? kLaneOutCost : 0);
    if (!found || value > bestValue)
    {
      found = true;
      bestValue = value;
      best = target;
    }
  });
  if (!found)
    return KickOnceTowards(CVector(xMost, from.GetY()), m_Brain.m_SendPointTargetVel);
  // One kick, at once: a kick laid over several cycles turns the ball
  // about the body first, and an opponent near takes it meanwhile.
  return KickOnceTowards(best, m_Brain.m_SendPointTargetVel);
}

int CBallChoices::DribbleIntoSpace()
{
  const CVector me = m_Brain.GetGPos();
  const std::vector<CVector> foes = m_Brain.FoePositions();
  bool found = false;
  CVector best;
  float bestValue = 0;
  const int steps = static_cast<int>(std::lround(2 * kSpaceRunSpan / kSpaceRunStep));
  for (int k = 0; k <= steps; k++)
  {
    const float dir = -kSpaceRunSpan + static_cast<float>(k) * kSpaceRunStep;
    const CVector end = me + Polar2CVector(m_Brain.m_DribbleLength, dir);
    if (!m_Brain.IsPointInBounds(end, kSpaceRunLineMargin) || !m_Brain.CanDribbleTo(end))
      continue;
    const float value =
        kForwardWorth * Polar2CVector(1, dir).GetX() +
        m_Brain.m_AttackingPlace.RoomAt(end, foes);
    if (!found || value > bestValue)
    {
      found = true;
      best = end;
      bestValue = value;
    }
  }
  return found && m_Brain.Chose(BP_DRIBBLE, RunWithBall(best));
}

// Away from our goal at once, in one kick, up the pitch where the
// scanner finds room.
int CBallChoices::ClearAtOnce()
{
  // One kick, as hard as it goes from where the ball lies: the kick laid
  // over several cycles first turns the ball about the body, and the
  // opponents near our goal take it meanwhile.
  const float dir =
      Clamp(m_Brain.NormaliseAngle(m_Brain.ClearTarget().GetDir()), -kClearWidest, kClearWidest);
  return KickOnceTowards(m_Brain.GetGPos() + Polar2CVector(kClearLength, dir),
                                 2 * m_Brain.m_BallSpeedMax);
}

// The ball kept from the opponents for a few cycles while team-mates get
// free, as long as it can be kept. Never with one of theirs at the
// carrier: held against him, the ball was taken nearly every time, or
// played only once he was at it and could kick it in the same cycle.
int CBallChoices::HoldForAMoment()
{
  const int now = m_Brain.GetTime();
  if (m_HoldLast != now - 1)
    m_HoldSince = now;
  if (now - m_HoldSince >= kMostHoldCycles || Pressed(m_Brain.m_FeelDistance) ||
      !m_Brain.CanKeepBall(m_Brain.CanKeepBallCyclesForThisZone()))
    return 0;
  m_Brain.HoldBall();
  if (!m_Brain.Chose(BP_HOLD, 1))
    return 0;
  m_HoldLast = now;
  return 1;
}

// A breakaway through the middle, else down a wing, when there is one
// and the run starts near enough their goal.
int CBallChoices::TakeABreakaway()
{
  if (m_Brain.GetGPos().GetX() < kBreakawayStartX)
    return 0;
  return (m_Brain.MyBreakaway() && m_Brain.Chose(BP_BREAKAWAY, m_Brain.PlayBreakaway())) ||
         (m_Brain.MySideBreakaway() && m_Brain.Chose(BP_BREAKAWAY, m_Brain.PlaySideBreakaway()));
}

int CBallChoices::RunAheadIntoSpace(CVector target)
{
  // The close dribble lays the ball at most three cycles ahead and kicks
  // it again; every kick is a cycle without a dash, and the runner never
  // gets up to speed: in matches the ball went on half a metre a cycle in
  // their third, and their defenders came back. With room ahead the ball
  // goes in one kick to where he meets it running flat out.
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector me = m_Brain.GetGPos();
  // Only in their half: laid ahead from our half, against a quick side the
  // ball was lost three times as often as dribbled (their forwards came at
  // it from behind, out of sight), and the ball stayed in our half.
  if (!m_Brain.BallPositionValid() || !m_Brain.BallKickableForPlayer(nullptr, 0) ||
      me.GetX() < kRoomRunFromX || me.dist(target) < m_Brain.m_Epsilon)
    return 0;
  const CVector from = ball->GetGPos();
  const float dir = (target - me).GetDir();
  const float turn = m_Brain.NormaliseAngle(dir - m_Brain.GetBFacing());
  const bool turns = std::fabs(turn) > m_Brain.m_MaxGoToPointAngleErr;
  const float power = static_cast<float>(m_Brain.m_MaxPower);
  const float clear = m_Brain.m_PlayerSize + m_Brain.m_BallSize + m_Brain.m_CollisionBuffer;
  sorted_players foes;
  m_Brain.SortValidFoes2Me(foes);
  const CPlayer *keeper = m_Brain.TheirGoalie();
  // Never past the point run for.
  const int most = std::min(kRoomRunLongest, m_Brain.PredictedCycles2Point(
                                                 target, power, m_Brain.m_DribbleBallDist));
  for (int cycles = most; cycles >= kRoomRunShortest; cycles--)
  {
    const CVector spot =
        m_Brain.PredPosAfterTurn(cycles, turns ? turn : 0, power, turns, 1) +
        Polar2CVector(m_Brain.m_DribbleBallDist, dir);
    if (!m_Brain.IsPointInBounds(spot, kRoomRunLineMargin))
      continue;
    const CVector way = spot - from;
    const float speed =
        static_cast<float>(m_Brain.SolveForFirstTermGeomSeries(m_Brain.m_BallDecay, cycles, way.GetMag()));
    bool possible = false;
    const ACTIONQUEUE kick = m_Brain.KickStraight(speed, way.GetDir(), 1.0f, &possible);
    if (!possible)
      continue;
    bool safe = true;
    for (int i = 1; i <= cycles && safe; i++)
    {
      const CVector at = from + way.SetLength(m_Brain.SumGeomSeries(speed, m_Brain.m_BallDecay, i));
      // The runner must not run into the ball on its way.
      if (at.dist(m_Brain.PredPosAfterTurn(i, turns ? turn : 0, power, turns, 1)) < clear)
        safe = false;
      for (int k = 0; k < foes.count && k < sorted_players::MAX_ENTRIES && safe; k++)
      {
        const CPlayer *o = foes.players[k];
        const bool isKeeper = o == keeper || o->GetIsGoalie();
        const float reach = isKeeper ? std::fmax(m_Brain.m_Kickable, m_Brain.m_CatchRadius)
                                     : m_Brain.m_Kickable;
        safe = static_cast<float>(m_Brain.PlayerPredictedCycles2Point(o, at, power, reach)) >
               static_cast<float>(i) + kRoomRunSpare;
      }
    }
    if (safe)
      return m_Brain.DoKCommand(kick);
  }
  return 0;
}

int CBallChoices::RunAtTheirGoal()
{
  // From 30-50 m out the carrier in room passed square, held or ran the
  // close dribble sideways whenever a defender stood anywhere in a long
  // cone ahead, and the ball seldom got within a shot's reach: with no
  // opponent near him the ball goes ahead towards their goal wherever none
  // of theirs gets to it first, the defender 10-15 m off included.
  const CBall *ball = m_Brain.M2BReadBall();
  if (!ball || !m_Brain.BallPositionValid() || Pressed(m_Brain.m_FeelDistance))
    return 0;
  const CVector me = m_Brain.GetGPos();
  const float goalLine = m_Brain.m_PitchLength / 2;
  if (ball->GetGPos().dist(CVector(goalLine, 0)) <= kRunAtGoalNearest)
    return 0;
  const CVector aim(goalLine - m_Brain.m_GoalAreaLength, me.GetY() * kRunAtGoalInward);
  const CVector way = aim - me;
  // Straight at it first, then swerving towards the middle, then away.
  const float inward = me.GetY() > 0 ? -kRunAtGoalSwerve : kRunAtGoalSwerve;
  for (const float turn : {0.0f, inward, -inward})
  {
    const CVector target = me + Polar2CVector(way.GetMag(), way.GetDir() + turn);
    if (RunAheadIntoSpace(target))
      return m_Brain.Chose(BP_DRIBBLE, 1);
  }
  return 0;
}

int CBallChoices::RunWithBall(CVector target)
{
  if (RunAheadIntoSpace(target))
    return 1;
  // Kept on the pitch, a few metres in from the lines.
  const float xMax = m_Brain.m_PitchLength / 2 - 2;
  const float yMax = m_Brain.m_PitchWidth / 2 - 2;
  target = CVector(std::fmax(-xMax, std::fmin(xMax, target.GetX())),
                   std::fmax(-yMax, std::fmin(yMax, target.GetY())));
  float power = m_Brain.CorrectDashPower4Stamina(static_cast<float>(m_Brain.m_MaxPower));
  if (power <= 0)
    power = m_Brain.m_StaminaIncMax;
  return m_Brain.CleverDribbleTo(target, power, m_Brain.m_MinDistToPoint);
}
