// Formations, roles and home positions: where each player belongs and where
// it stands at kick-off.

#include <cmath>
#include <iostream>

#include "CBehaviours.h"
#include "FormationTables.h"

Formation CBehaviours::GetFormationID() const
{
  return m_FormationID;
}

void CBehaviours::SetFormationID(Formation formation)
{
  m_FormationID = formation;
}

void CBehaviours::SetRole()
{
  m_Role = FormationRole(m_FormationID, GetUNum());
}

Role CBehaviours::GetRole(int unum) const
{
  return FormationRole(m_FormationID, unum);
}

CVector CBehaviours::GetHomePos(int unum) const
{
  return FormationHomePos(m_FormationID, unum);
}

CVector CBehaviours::GetHomePos() const
{
  return GetHomePos(GetUNum());
}

void CBehaviours::InitialMove()
{
  const int unum = GetUNum();
  const CVector position = GetGPos();
  if (unum < 1 || unum > 11)
  {
    std::cerr << GetTime()
              << " ERROR: BasicBehaviours: InitialMove: I should know my own UNum !!! (" << unum
              << ")" << std::endl;
    return;
  }
  FormationPoint target = {0, 0};
  const FormationPoint *table = FormationTable(m_FormationID);
  if (!table)
    std::cerr << GetTime() << " ERROR: BasicBehaviours: InitialMove: What formation ID is that -"
              << m_FormationID << "- ?" << std::endl;
  else if (!KickOffException(m_FormationID, unum, target))
  {
    // Nobody may stand in the other half at kick-off.
    target = table[unum - 1];
    if (target.x >= 0)
      target.x = -1;
  }
  const CVector to(static_cast<float>(target.x), static_cast<float>(target.y));
  if (position.dist(to) > m_MinDistToPoint)
    Move(target.x, target.y);
}

float CBehaviours::CorrectDashPower4Stamina(float power, float stamina) const
{
  // Below the effort threshold the server lowers the effort for good; the
  // tired buffer keeps a margin above it. A backward dash costs twice the
  // power, so it may spend only down to half the reserve.
  const float reserve = m_EffortDecThr + m_TiredBuffer;
  if (power >= 0)
  {
    const float result = std::fmin(power, stamina - reserve);
    return result < 0 ? 0 : result;
  }
  float m = std::fmin(-power, stamina - reserve / 2);
  if (m < 0)
    m = 0;
  return -m;
}

float CBehaviours::CorrectDashPower4Stamina(float power) const
{
  return CorrectDashPower4Stamina(power, GetSB().stamina);
}
