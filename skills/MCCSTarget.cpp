#include "MCCSTarget.h"

#include <algorithm>
#include <cmath>

#include "MCCSSupport.h"
#include "MCDictIniSafe.h"

MCCSTarget::MCCSTarget() {}

void MCCSTarget::ImportConfig(MCDictIniSafe &config, MCString section)
{
  auto read = [&](const char *key, float def) {
    return static_cast<float>(config.getsafe(section, key, static_cast<double>(def), 1));
  };
  auto flag = [&](const char *key, bool def) {
    return config.getsafe(section, key, def ? 1 : 0, 1) != 0;
  };
  m_Start = read("Start", m_Start);
  m_End = read("End", m_End);
  m_StepSize = read("StepSize", m_StepSize);
  m_SafeBallDist = read("SafeBallDist", m_SafeBallDist);
  m_ConeRatio = read("ConeRatio", m_ConeRatio);
  m_Tightness = read("Tightness", m_Tightness);
  m_Force = flag("Force", m_Force);
  m_Style = config.getsafe(section, "Style", m_Style, 1);
  m_Xoffset = read("Xoffset", m_Xoffset);
  m_Yoffset = read("Yoffset", m_Yoffset);
  m_PitchEnd = read("PitchEnd", m_PitchEnd);
  m_ClearPitchEnd = read("Clear:PitchEnd", m_ClearPitchEnd);
  m_ClearYoffset = read("Clear:Yoffset", m_ClearYoffset);
  m_SendAutoAngle = flag("Send:AutoAngle", m_SendAutoAngle);
  m_SendMinAngle = read("Send:MinAngle", m_SendMinAngle);
  m_SendMinXDist = read("Send:MinXDist", m_SendMinXDist);
  m_SendMinYDist = read("Send:MinYDist", m_SendMinYDist);
  m_SendYoffset = read("Send:Yoffset", m_SendYoffset);
  m_ShootStepSize = read("Shoot:StepSize", m_ShootStepSize);
  m_ShootPostRatio = read("Shoot:PostRatio", m_ShootPostRatio);
  m_GoalWidthFactor = read("Shoot:GoalWidthFactor", m_GoalWidthFactor);
  m_ShootTightness = read("Shoot:Tightness", m_ShootTightness);
  m_ShootShallow = read("Shoot:Shallow", m_ShootShallow);
  m_ShootShallowFar = flag("Shoot:ShallowFar", m_ShootShallowFar);
  m_GoalWidth = static_cast<float>(config.getsafe("NotInServer", "goal_width", 14.02, 1));
  m_PitchLength = static_cast<float>(config.getsafe("NotInServer", "pitch_length", 105.0, 1));
  m_PitchWidth = static_cast<float>(config.getsafe("NotInServer", "pitch_width", 68.0, 1));
}

MCCSScan MCCSTarget::BaseScan(CVector from) const
{
  MCCSScan scan;
  scan.step = m_StepSize;
  scan.reach = m_SafeBallDist;
  // A tightness below its meaning (zero or less) leaves the cone as given.
  scan.ratio = m_Tightness > 0 ? m_ConeRatio / m_Tightness : m_ConeRatio;
  scan.force = m_Force;
  scan.lo = m_Start;
  scan.hi = m_End;
  if (m_Style == "ZP")
  {
    const CVector zero(std::min(from.GetX() + m_Xoffset, m_PitchEnd), m_Yoffset);
    scan.prefer = (zero - from).GetDir();
  }
  else
    scan.prefer = (m_Start + m_End) / 2;
  return scan;
}

float MCCSTarget::ShootAngle(CVector from, const std::vector<CVector> &foes, CVector goal,
                             float first, float second) const
{
  if (first == 0 && second == 0)
  {
    const float half = m_GoalWidth * m_GoalWidthFactor / 2 * m_ShootPostRatio;
    first = (CVector(goal.GetX(), goal.GetY() - half) - from).GetDir();
    second = (CVector(goal.GetX(), goal.GetY() + half) - from).GetDir();
    // Seen from a shallow angle the near post hides much of the mouth: the
    // far half only.
    const float towards = std::fabs(MCCSAngleDiff(0, (goal - from).GetDir()));
    if (m_ShootShallowFar && towards > 90 - m_ShootShallow)
    {
      const float middle = (goal - from).GetDir();
      (from.GetY() < goal.GetY() ? first : second) = middle;
    }
  }
  MCCSScan scan;
  // Opponents beyond the goal do not stand in the shot's way.
  scan.reach = from.dist(goal) + 1;
  scan.step = m_ShootStepSize;
  scan.ratio = m_ShootTightness > 0 ? m_ConeRatio / m_ShootTightness : m_ConeRatio;
  scan.force = true;
  scan.lo = first;
  // A window across the direction 180 is scanned as one piece.
  scan.hi = first + MCCSAngleDiff(first, second);
  scan.prefer = (scan.lo + scan.hi) / 2;
  return MCCSBestAngle(from, foes, scan);
}

float MCCSTarget::ClearAngle(CVector from, const std::vector<CVector> &foes) const
{
  return ClearAngle(from, foes, m_Start, m_End);
}

float MCCSTarget::ClearAngle(CVector from, const std::vector<CVector> &foes, float lo,
                             float hi) const
{
  MCCSScan scan = BaseScan(from);
  scan.lo = lo;
  scan.hi = hi;
  // A clearance must not run out over a line near either end: that gives
  // the ball back at once.
  const float pitchEnd = m_ClearPitchEnd;
  const float yLimit = m_ClearYoffset;
  const float reach = m_SafeBallDist;
  scan.allowed = [from, pitchEnd, yLimit, reach](float dir) {
    const CVector to = from + Polar2CVector(reach, dir);
    return to.GetX() <= std::max(pitchEnd, from.GetX()) &&
           std::fabs(to.GetY()) <= std::max(yLimit, std::fabs(from.GetY()));
  };
  return MCCSBestAngle(from, foes, scan);
}

float MCCSTarget::SendAngle(CVector from, const std::vector<CVector> &foes) const
{
  MCCSScan scan = BaseScan(from);
  // The opponents that matter to a send stand in the box ahead of and
  // beside the sender that the ball crosses.
  std::vector<CVector> box;
  for (const CVector &o : foes)
    if (std::fabs(o.GetX() - from.GetX()) <= m_Xoffset + m_SendMinXDist &&
        std::fabs(o.GetY() - from.GetY()) <= m_SendMinYDist)
      box.push_back(o);
  scan.lo = std::max(m_Start, -m_SendMinAngle);
  scan.hi = std::min(m_End, m_SendMinAngle);
  bool blocked = false;
  const float narrow = MCCSBestAngle(from, box, scan, &blocked);
  if (!blocked || !m_SendAutoAngle)
    return narrow;
  // Blocked within the sending angle: the whole window, as wide as it goes.
  scan.lo = m_Start;
  scan.hi = m_End;
  return MCCSBestAngle(from, box, scan);
}

CVector MCCSTarget::SendPoint(CVector from, float dir) const
{
  CVector target = from + Polar2CVector(m_Xoffset, dir);
  // Kept inside the touch lines by the send's margin.
  const float yLimit = std::max(0.0f, m_PitchWidth / 2 - m_SendYoffset);
  if (std::fabs(target.GetY()) > yLimit)
    target = CVector(target.GetX(), target.GetY() > 0 ? yLimit : -yLimit);
  return target;
}
