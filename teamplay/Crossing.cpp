// A ball from the wing into their area, or pulled back to its edge, to
// where a team-mate is first to it as it rolls: in matches the ball played
// in from out wide went to a fixed point before their goal, and their
// keeper or a defender had it first in three of four, with nobody of ours
// in their area in most; of those one of ours got to first, six in ten
// were goals.

#include <cmath>
#include <vector>

#include "CBall.h"
#include "CBehaviours.h"
#include "Geometry.h"
#include "LongBallLane.h"

namespace
{
// Team-mates this near the middle of their goal may run onto a cross.
const float kCrossRunnerFromGoal = 24;
// Where the ball may be met: rows this far out from their goal line,
// lanes this far either side of the middle. Goals came from 7-20 m; from
// nearer their keeper is at the ball first. The farthest row is the ball
// pulled back: a winger who got beyond their defenders with the ball had
// our forwards 10-15 m behind him, and the offside line at the ball kept
// them there.
const float kCrossRowsOut[] = {6, 9, 12, 15, 18};
const float kCrossLanes[] = {-8, -4, 0, 4, 8};
// Met no farther than this from the middle of their goal: a shot from
// there is not caught on sight.
const float kCrossMeetMost = 20;
// The receiver, who learns of the ball a cycle after the kick, must be at
// it this many cycles more before any of theirs: reckoned so on the
// server's record of matches, none of the balls into their area it gave
// to one of ours was theirs first, and a cycle more gave half as many.
const int kCrossLeastSpare = 0;
// Arriving as slowly as a pass, or harder so that it gets there before
// their defenders turn: one touch of the receiver then shoots it.
const float kCrossHardEnd = 1.8f;
}  // namespace

int CBallChoices::CrossToAMateFirst()
{
  if (!m_Brain.BallPositionValid())
    return 0;
  const CVector from = m_Brain.M2BReadBall()->GetGPos();
  if (std::fabs(from.GetY()) <= CAttackingPlace::OUT_WIDE)
    return 0;
  const float line = m_Brain.TheirOffsideX();
  const CVector goal(m_Brain.m_PitchLength / 2, 0);
  std::vector<LaneRunner> runners = TheirRunners();
  const size_t theirs = runners.size();
  std::vector<const CPlayer *> mates;
  sorted_players sorted;
  m_Brain.SortValidFriends2Me(sorted);
  for (int i = 0; i < sorted.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = sorted.players[i];
    const CVector at = p->GetGPos();
    // An offside team-mate is no receiver, however he runs.
    if (p->GetIsGoalie() || m_Brain.GetRole(p->GetUNum()) == ROLE_GOALKEEPER ||
        at.GetX() > line || at.dist(goal) > kCrossRunnerFromGoal)
      continue;
    mates.push_back(p);
    runners.push_back(LaneRunner{at, m_Brain.m_Kickable, true, p->GetUNum()});
  }
  if (mates.empty())
    return 0;
  LaneRoll roll = PitchRoll();
  roll.oursLate = 1 + kCrossLeastSpare;
  bool found = false;
  LaneEnd best;
  CVector bestTarget;
  float bestEndSpeed = 0;
  for (const float out : kCrossRowsOut)
    for (const float lane : kCrossLanes)
    {
      const CVector target(goal.GetX() - out, lane);
      const float oneKick = m_Brain.OneKickSpeedTowards(target);
      for (const float endSpeed : {m_Brain.m_MinPassSpeedAtTarget, kCrossHardEnd})
      {
        const float speed = std::fmin(m_Brain.Point2KickVelocity(target, endSpeed), oneKick);
        if (speed <= 0)
          continue;
        const LaneEnd end = RollToFirstTouch(from, target, speed, runners, roll);
        if (!end.reached || !end.ours || end.where.dist(goal) > kCrossMeetMost)
          continue;
        // The nearer their goal it is met, the better the shot.
        if (found && end.where.dist(goal) >= best.where.dist(goal))
          continue;
        found = true;
        best = end;
        bestTarget = target;
        bestEndSpeed = endSpeed;
      }
    }
  if (!found)
    return 0;
  const CPlayer *receiver = nullptr;
  for (size_t i = 0; i < mates.size(); i++)
    if (runners[theirs + i].unum == best.unum)
      receiver = mates[i];
  // Crossed in one kick as the ball lies: laid over several, crosses by
  // their goal line took five cycles and were taken.
  return m_Brain.Chose(BP_CROSS,
                       m_Brain.AnnouncePass(receiver, best.where, KickOnceTowards(bestTarget, bestEndSpeed)));
}
