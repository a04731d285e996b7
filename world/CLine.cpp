#include "CLine.h"

#include "Landmark.h"

CLine::CLine() : m_ConfThr(0), m_ID('u'), m_GPos(), m_Time(0), m_RPos(), m_Conf(0)
{
}

void CLine::Init(char id, float x, float y, float confThr)
{
  m_ID = id;
  m_Time = 0;
  m_RPos.Set(CVector(0, 0));
  m_Conf = 0;
  m_GPos = CVector(x, y);
  m_ConfThr = confThr;
}

void CLine::RevertSigns()
{
  // What the record said before stays said.
  m_RPos.Set(GetRPos());
  m_GPos = Landmark::Reverted(m_GPos);
}

void CLine::UpdateRPos(CVector ownPos, float facing, int time)
{
  Landmark::UpdateRPos(m_RPos, m_Time, ownPos, facing, time);
}

void CLine::Display(std::ostream &out) const
{
  Landmark::Display(out, "LINE", m_Time, m_Conf, m_ID, nullptr, GetRPos());
}
