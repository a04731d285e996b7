// What the zone behaviours share: one kick that sends the ball on its way,
// a ball behind their offside line, a breakaway, and a run with the ball.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

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
