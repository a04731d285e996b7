// The long ball down a lane one of ours gets to first. From midfield their
// back line, running back, was first to three in five of our long balls,
// and in most of those none of ours touched the ball again. Looked for only
// 25-40 m ahead and rolling on past its aim, a lane of ours was found at
// few of them; nearer, or laid to die where our man meets it, one was
// there at about one in seven of the balls they got to first.

#include <cmath>
#include <vector>

#include "CBehaviours.h"
#include "Geometry.h"
#include "LongBallLane.h"

namespace
{
// A lane one of ours gets to first is his by this many cycles in hand over
// their men, on top of the cycle he needs to learn where the ball goes.
const int kLaneOursSpare = 1;
// The rows ahead of the ball the lanes end at, and the lanes either side
// of the middle: the nearer rows are the room in front of their line, where
// our forwards stand, the farther ones behind it.
const float kOursFirstAhead[] = {12, 16, 20, 25, 32, 40};
const int kOursFirstLanes = 6;
// The ball gains at least this much ground.
const float kOursFirstLeastGain = 10;
// The pace the ball keeps at its aim: laid to die there for a man coming
// from behind it, or rolling on into the room for one running with it.
const float kOursFirstEndSpeeds[] = {0.0f, 0.5f, 1.0f};
}  // namespace

CBallChoices::LaneChoice CBallChoices::OursFirstDownALane(CVector from, float yMost,
                                                         const std::vector<LaneRunner> &theirs,
                                                         const LaneRoll &roll) const
{
  LaneChoice choice;
  std::vector<LaneRunner> runners = theirs;
  std::vector<const CPlayer *> byUnum(12, nullptr);
  // One of ours beyond their line at the kick is called offside at the
  // ball: he is left out, and the ball is theirs where he would be first.
  const float line = m_Brain.TheirOffsideX();
  sorted_players mates;
  m_Brain.SortValidFriends2Me(mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    const int unum = p->GetUNum();
    if (p->GetIsGoalie() || unum < 1 || unum > 11 || unum == m_Brain.GetUNum() ||
        m_Brain.GetRole(unum) == ROLE_GOALKEEPER || p->GetGPos().GetX() > line)
      continue;
    runners.push_back(LaneRunner{p->GetGPos(), m_Brain.m_Kickable, true, unum});
    byUnum[static_cast<size_t>(unum)] = p;
  }
  LaneRoll ourRoll = roll;
  ourRoll.oursLate = roll.oursLate + kLaneOursSpare;
  // A ball that stops before anybody gets there is his who comes first.
  ourRoll.stillBallWaits = true;
  // Short of their area, as every long ball.
  const float xMost = m_Brain.m_PitchLength / 2 - m_Brain.m_PenaltyAreaLength;
  for (const float ahead : kOursFirstAhead)
    for (int k = -kOursFirstLanes; k <= kOursFirstLanes; k++)
    {
      const CVector target(std::fmin(from.GetX() + ahead, xMost),
                           yMost * static_cast<float>(k) / static_cast<float>(kOursFirstLanes));
      if (target.GetX() < from.GetX() + kOursFirstLeastGain)
        continue;
      // A ball rolling across the kicker is turned only so far by one kick.
      const float oneKick = m_Brain.OneKickSpeedTowards(target);
      for (const float endSpeed : kOursFirstEndSpeeds)
      {
        const float speed = std::fmin(m_Brain.Point2KickVelocity(target, endSpeed), oneKick);
        if (speed <= 0)
          continue;
        const LaneEnd end = RollToFirstTouch(from, target, speed, runners, ourRoll);
        // The farthest up any of ours gets it.
        if (!end.reached || !end.ours || end.unum < 1 || end.unum > 11 ||
            (choice.mate && end.where.GetX() <= choice.end.where.GetX()))
          continue;
        choice.mate = byUnum[static_cast<size_t>(end.unum)];
        choice.end = end;
        choice.target = target;
        choice.endSpeed = endSpeed;
      }
    }
  return choice;
}
