#include "CGoal.h"

#include "Landmark.h"

CGoal::CGoal() : m_ConfThr(0), m_ID('u'), m_GPos(), m_Time(0), m_RPos(), m_Conf(0)
{
}

void CGoal::Init(char id, float x, float y, float confThr)
{
  m_ID = id;
  m_Time = 0;
  m_RPos.Set(CVector(0, 0));
  m_Conf = 0;
  m_GPos = CVector(x, y);
  m_ConfThr = confThr;
}

void CGoal::RevertSigns()
{
  // What the record said before stays said.
  m_RPos.Set(GetRPos());
  m_GPos = Landmark::Reverted(m_GPos);
}

void CGoal::UpdateRPos(CVector ownPos, float facing, int time)
{
  Landmark::UpdateRPos(m_RPos, m_Time, ownPos, facing, time);
}

void CGoal::Display(std::ostream &out) const
{
  Landmark::Display(out, "GOAL", m_Time, m_Conf, m_ID, &m_GPos, GetRPos());
}
