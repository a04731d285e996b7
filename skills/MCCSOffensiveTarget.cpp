#include "MCCSOffensiveTarget.h"

#include <cmath>

#include "MCDictIniSafe.h"

MCCSOffensiveTarget::MCCSOffensiveTarget() {}

void MCCSOffensiveTarget::ImportConfig(MCDictIniSafe &config, MCString section)
{
  MCCSTarget::ImportConfig(config, section);
  m_XEndOffset =
      static_cast<float>(config.getsafe(section, "OffSend:XEndOffset", double(m_XEndOffset), 1));
  m_PitchLength = static_cast<float>(config.getsafe("NotInServer", "pitch_length", 105.0, 1));
}

CVector MCCSOffensiveTarget::SendPoint(CVector from, float dir) const
{
  // Along the chosen direction, but never nearer the goal line than the end
  // offset: a ball sent there runs out of play.
  CVector target = MCCSTarget::SendPoint(from, dir);
  const float limit = m_PitchLength / 2 + m_XEndOffset;
  if (target.GetX() > limit && target.GetX() > from.GetX())
  {
    const float cut = (limit - from.GetX()) / (target.GetX() - from.GetX());
    target = from + (target - from) * std::fmax(cut, 0.0f);
  }
  return target;
}
