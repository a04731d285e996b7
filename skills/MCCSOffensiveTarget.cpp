#include "MCCSOffensiveTarget.h"

#include <algorithm>
#include <cmath>

#include "MCDictIniSafe.h"

MCCSOffensiveTarget::MCCSOffensiveTarget() {}

void MCCSOffensiveTarget::ImportConfig(MCDictIniSafe &config, MCString section)
{
  MCCSTarget::ImportConfig(config, section);
  m_XEndOffset =
      static_cast<float>(config.getsafe(section, "OffSend:XEndOffset", double(m_XEndOffset), 1));
  m_ScaleFactor =
      static_cast<float>(config.getsafe(section, "OffSend:ScaleFactor", double(m_ScaleFactor), 1));
}

CVector MCCSOffensiveTarget::SendPoint(CVector from, float dir) const
{
  const float limit = m_PitchLength / 2 + m_XEndOffset;
  // Far from their goal the send may reach farther: a share of the way to
  // the end line on top of the usual distance.
  const float extra = m_ScaleFactor * std::max(0.0f, limit - from.GetX());
  CVector target = MCCSTarget::SendPoint(from, dir);
  if (extra > 0)
    target = MCCSTarget::SendPoint(from, dir) + Polar2CVector(extra, dir);
  // Never nearer the goal line than the end offset: a ball sent there runs
  // out of play.
  if (target.GetX() > limit && target.GetX() > from.GetX())
  {
    const float cut = (limit - from.GetX()) / (target.GetX() - from.GetX());
    target = from + (target - from) * std::fmax(cut, 0.0f);
  }
  return target;
}
