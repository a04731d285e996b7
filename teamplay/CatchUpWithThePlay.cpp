// How a forward who has fallen behind his place catches up with the play.
// Our ball won in midfield reached their third with the forwards 5-10 m
// behind their line: their places were at it all along, but they came up
// at the positioning pace kept for a player ahead of the ball (0.7 m a
// cycle at most), and turned in two of every five cycles on the way, as
// their line and the ball moved the place a few degrees off their heading.

#include <cmath>

#include "CBehaviours.h"

namespace
{
// A place this far ahead of a forward is one he has fallen behind.
const float kFallenBehind = 3;
}  // namespace

float CFieldRules::CatchUpPace(CVector place, float power)
{
  if (m_Brain.m_CurrentMode != PM_PLAY_ON || m_Brain.GetRole() != ROLE_FORWARD)
    return power;
  if (place.GetX() - m_Brain.GetGPos().GetX() < kFallenBehind)
    return power;
  // A tired forward keeps the pace his stamina allows: run out, he would
  // walk when the ball came to him.
  if (m_Brain.GetSB().stamina <= m_Brain.m_HighStamina)
    return power;
  return std::fmax(power, static_cast<float>(m_Brain.m_MaxPower));
}

float CFieldRules::HeadingSlack(CVector place, float tolerance)
{
  if (m_Brain.m_CurrentMode != PM_PLAY_ON || m_Brain.GetRole() != ROLE_FORWARD)
    return 0;
  // Any heading that passes within the place's slack of it gets him there:
  // a turn stands him still for a cycle, and at a run it takes several.
  const float dist = m_Brain.PredPos().dist(place);
  return dist > tolerance ? m_Brain.ASin(tolerance / dist) : 0;
}
