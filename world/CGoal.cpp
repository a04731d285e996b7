#include "CGoal.h"

#include "Landmark.h"

CGoal::CGoal() : m_ConfThr(0), m_ID('u'), m_GPos(), m_Time(0), m_RPos(), m_Conf(0)
{
}

void CGoal::Init(char id, float x, float y, float confThr)
{
  m_ID = id;
  m_Time = 0;
  m_RPos = CVector(0, 0);
  m_Conf = 0;
  m_GPos = CVector(x, y);
  m_ConfThr = confThr;
}

void CGoal::RevertSigns()
{
  m_GPos = Landmark::Reverted(m_GPos);
}

void CGoal::UpdateRPos(CVector ownPos, float facing, int time)
{
  Landmark::UpdateRPos(m_RPos, m_Time, m_GPos, ownPos, facing, time);
}

void CGoal::Display(std::ostream &out) const
{
  Landmark::Display(out, "GOAL", m_Time, m_Conf, m_ID, &m_GPos, m_RPos);
}
