// What the zone behaviours share: a free team-mate to pass to, one kick
// that sends the ball on its way, a ball behind their offside line, a
// breakaway, and a run with the ball.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// The farthest pass a receiver is chosen for: beyond it the opponents
// have the time to get across.
const float kLongestPass = 40;
// A pass lane is open when no opponent stands within this of it at its
// start, widening with the distance along it.
const float kLaneWidth = 1.5f;
const float kLaneWidening = 0.25f;
// A receiver with an opponent this near is not free.
const float kMarkedDist = 3;
// How much a free receiver's room counts against his being further up.
const float kRoomWeight = 0.4f;
const float kRoomCap = 10;
}

const CPlayer *CBehaviours::ChooseReceiver(float backAllowance)
{
  const CVector me = GetGPos();
  const float offside = TheirOffsideX();
  const float longest = std::fmin(m_MaxPassDist, kLongestPass);
  sorted_players mates;
  SortValidFriends2Me(mates);
  sorted_players foes;
  SortValidFoes2Me(foes);
  const CPlayer *best = nullptr;
  float bestScore = 0;
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    const CVector to = p->GetGPos();
    const float dist = me.dist(to);
    if (dist < m_MinPassDist || dist > longest || to.GetX() < me.GetX() - backAllowance)
      continue;
    // Not the goalkeeper, nobody offside, nothing into our own area.
    if (p->GetUNum() == 1 || to.GetX() > offside || InOurPenaltyArea(to))
      continue;
    float room = kRoomCap;
    bool open = true;
    for (int j = 0; j < foes.count && j < sorted_players::MAX_ENTRIES && open; j++)
    {
      const CVector f = foes.players[j]->GetGPos();
      room = std::fmin(room, f.dist(to));
      const CVector lane = to - me;
      const float along = (f - me).GetX() * lane.GetX() / dist + (f - me).GetY() * lane.GetY() / dist;
      if (along <= 0 || along >= dist)
        continue;
      const CVector foot = me + lane.SetLength(along);
      if (f.dist(foot) < kLaneWidth + kLaneWidening * along)
        open = false;
    }
    if (!open || room < kMarkedDist)
      continue;
    const float score = to.GetX() + kRoomWeight * room;
    if (!best || score > bestScore)
    {
      best = p;
      bestScore = score;
    }
  }
  return best;
}

int CBehaviours::KickOnceTowards(CVector target, float endSpeed)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || !BallKickableForPlayer(nullptr, 0))
    return 0;
  float speed = Point2KickVelocity(target, endSpeed);
  if (speed > m_BallSpeedMax)
    speed = m_BallSpeedMax;
  const float dir = (target - ball->GetGPos()).GetDir();
  return DoKCommand(KickStraight(speed, dir, 1.0f, nullptr)) ? 1 : 0;
}

int CBehaviours::BeatTheOffsideLine()
{
  const CVector me = GetGPos();
  const float line = TheirOffsideX();
  // Only a line high enough leaves room behind it, and only from near
  // enough does the ball get there before their defenders turn.
  if (line > m_BeatOffsidesMaxX || line - me.GetX() > m_BeatOffsidesThreashold ||
      line < me.GetX())
    return 0;
  sorted_players mates;
  SortValidFriends2Me(mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    const CVector at = p->GetGPos();
    // A team-mate level with the line, onside, who runs onto the ball.
    if (p->GetUNum() == 1 || at.GetX() > line || at.GetX() < line - m_BeatOffsidesBuffer / 3)
      continue;
    const CVector target(std::fmin(line + m_BeatOffsidesBuffer, m_PitchLength / 2 - 6),
                         at.GetY());
    if (NumFoesWithin(m_BeatOffsidesBuffer / 2, target) > 1)
      continue;
    return AnnouncePass(p, target, KickOnceTowards(target, m_MinPassSpeedAtTarget));
  }
  return 0;
}

int CBehaviours::TakeABreakaway()
{
  return (MyBreakaway() && Chose(BP_BREAKAWAY, PlayBreakaway())) ||
         (MySideBreakaway() && Chose(BP_BREAKAWAY, PlaySideBreakaway()));
}

int CBehaviours::RunWithBall(CVector target)
{
  // Kept on the pitch, a few metres in from the lines.
  const float xMax = m_PitchLength / 2 - 2;
  const float yMax = m_PitchWidth / 2 - 2;
  target = CVector(std::fmax(-xMax, std::fmin(xMax, target.GetX())),
                   std::fmax(-yMax, std::fmin(yMax, target.GetY())));
  float power = CorrectDashPower4Stamina(static_cast<float>(m_MaxPower));
  if (power <= 0)
    power = m_StaminaIncMax;
  return CleverDribbleTo(target, power, m_MinDistToPoint);
}
