#include "CFlag.h"

#include "Landmark.h"

CFlag::CFlag()
  : m_ConfThr(0), m_ID(0), m_GPos(), m_Time(0), m_RPos(), m_DistChng(0), m_DirChng(0), m_Conf(0)
{
}

void CFlag::Init(int id, float x, float y, float confThr)
{
  m_ID = id;
  m_Time = 0;
  m_RPos.Set(CVector(0, 0));
  m_Conf = 0;
  m_DistChng = 0;
  m_DirChng = 0;
  m_GPos = CVector(x, y);
  m_ConfThr = confThr;
}

void CFlag::RevertSigns()
{
  // What the record said before stays said.
  m_RPos.Set(GetRPos());
  m_GPos = Landmark::Reverted(m_GPos);
}

void CFlag::UpdateRPos(CVector ownPos, float facing, int time)
{
  Landmark::UpdateRPos(m_RPos, m_Time, ownPos, facing, time);
}

void CFlag::Display(std::ostream &out) const
{
  Landmark::Display(out, "FLAG", m_Time, m_Conf, m_ID, &m_GPos, GetRPos());
}
