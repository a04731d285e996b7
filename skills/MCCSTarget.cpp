#include "MCCSTarget.h"

#include <cmath>

#include "MCCSSupport.h"
#include "MCDictIniSafe.h"

MCCSTarget::MCCSTarget() {}

void MCCSTarget::ImportConfig(MCDictIniSafe &config, MCString section)
{
  auto read = [&](const char *key, float def) {
    return static_cast<float>(config.getsafe(section, key, static_cast<double>(def), 1));
  };
  m_Start = read("Start", m_Start);
  m_End = read("End", m_End);
  m_StepSize = read("StepSize", m_StepSize);
  m_SafeBallDist = read("SafeBallDist", m_SafeBallDist);
  m_Xoffset = read("Xoffset", m_Xoffset);
  m_PitchEnd = read("PitchEnd", m_PitchEnd);
  m_SendMinAngle = read("Send:MinAngle", m_SendMinAngle);
  m_ShootStepSize = read("Shoot:StepSize", m_ShootStepSize);
  m_ShootPostRatio = read("Shoot:PostRatio", m_ShootPostRatio);
  m_GoalWidthFactor = read("Shoot:GoalWidthFactor", m_GoalWidthFactor);
  m_GoalWidth = static_cast<float>(config.getsafe("NotInServer", "goal_width", 14.02, 1));
  m_PitchWidth = static_cast<float>(config.getsafe("NotInServer", "pitch_width", 68.0, 1));
}

float MCCSTarget::ShootAngle(CVector from, const std::vector<CVector> &foes, CVector goal,
                             float first, float second) const
{
  if (first == 0 && second == 0)
  {
    const float half = m_GoalWidth * m_GoalWidthFactor / 2 * m_ShootPostRatio;
    first = (CVector(goal.GetX(), goal.GetY() - half) - from).GetDir();
    second = (CVector(goal.GetX(), goal.GetY() + half) - from).GetDir();
  }
  // Opponents beyond the goal do not stand in the shot's way.
  const float reach = from.dist(goal) + 1;
  // A window across the direction 180 is scanned as one piece.
  second = first + MCCSAngleDiff(first, second);
  return MCCSBestAngle(from, foes, first, second, m_ShootStepSize, reach);
}

float MCCSTarget::ClearAngle(CVector from, const std::vector<CVector> &foes) const
{
  return MCCSBestAngle(from, foes, m_Start, m_End, m_StepSize, m_SafeBallDist);
}

float MCCSTarget::SendAngle(CVector from, const std::vector<CVector> &foes) const
{
  return MCCSBestAngle(from, foes, -m_SendMinAngle, m_SendMinAngle, m_StepSize,
                       m_SafeBallDist);
}

CVector MCCSTarget::SendPoint(CVector from, float dir) const
{
  return from + Polar2CVector(m_Xoffset, dir);
}
