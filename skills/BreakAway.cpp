// Breakaways: how wide an opponent's run on our goal threatens it.

#include <cmath>

#include "CBehaviours.h"

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
