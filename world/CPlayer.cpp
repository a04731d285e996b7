#include "CPlayer.h"

#include "FormationTables.h"
#include "Mobile.h"
#include "Sensed.h"

CPlayer::CPlayer()
  : m_Conf(0), m_ConfThr(0.4f), m_Time(-999), m_UNum(-999), m_Source(0), m_Side('u'), m_IsGoalie(false),
    m_IsTired(false), m_IsTiredTime(0), m_GPos(0, 0), m_Velocity(0, 0), m_Size(0.3f), m_Decay(0.4f),
    m_SpeedMax(1.0f), m_DistChng(0), m_DirChng(0), m_RBFacing(0), m_RFacing(0), m_GBFacing(0), m_GFacing(0),
    m_RPos(CVector(0, 0)), m_RBPos(CVector(0, 0)), m_Placed(0, 0), m_PlacedTime(-999), m_PlacedPace(0, 0)
{
}

void CPlayer::Init(int unum, char side, float size, float decay, float speedMax, float confThr)
{
  m_UNum = unum;
  m_Side = side;
  m_Size = size;
  m_Decay = decay;
  m_SpeedMax = speedMax;
  m_ConfThr = confThr;
  m_Time = 0;
  m_RPos.Set(CVector(0, 0));
  m_RBPos.Set(CVector(0, 0));
  m_GPos = m_Velocity = CVector(0, 0);
  m_DistChng = m_DirChng = m_RBFacing = m_RFacing = m_GBFacing = m_GFacing = 0;
  m_IsGoalie = false;
  m_Conf = 0;
  m_IsTired = false;
  m_IsTiredTime = 0;
  m_Placed = CVector(0, 0);
  m_PlacedTime = -999;
  m_PlacedPace = CVector(0, 0);
}

void CPlayer::UpdateRPos(CVector ownPos, float facing, int time)
{
  if (m_Time < time && GetPositionValid())
    m_RPos.Defer(m_GPos, ownPos, facing, 2 * m_Size);
}

void CPlayer::UpdateRBPos(CVector ownPos, float bodyFacing, int)
{
  if (GetPositionValid())
    m_RBPos.Defer(m_GPos, ownPos, bodyFacing, 2 * m_Size);
}

// Only x and y of the two places enter the difference that is turned, so
// they are all that is kept.
void CPlayer::Relative::Defer(CVector of, CVector from, float facing, float floor)
{
  m_OfX = of.GetX();
  m_OfY = of.GetY();
  m_FromX = from.GetX();
  m_FromY = from.GetY();
  m_Facing = facing;
  m_Floor = floor;
  m_Pending = true;
}

void CPlayer::Relative::Resolve() const
{
  m_Value = Mobile::Relative(CVector(m_OfX, m_OfY), CVector(m_FromX, m_FromY), m_Facing, m_Floor);
  m_Pending = false;
}

bool CPlayer::GetPositionValid() const
{
  return m_Conf > m_ConfThr;
}

bool CPlayer::GetVelocityValid() const
{
  return GetPositionValid();
}

bool CPlayer::GetBodyAngleValid() const
{
  return GetPositionValid() && Sensed(m_GBFacing);
}

CVector CPlayer::GetHomePos(int formation) const
{
  return FormationHomePos(formation, m_UNum);
}

void CPlayer::Display(std::ostream &out) const
{
  out << "\tPLAYER Time: " << m_Time << std::endl;
  out << "\tPLAYER Conf: " << m_Conf << std::endl;
  out << "\tPLAYER Side: " << m_Side << std::endl;
  out << "\tPLAYER UNum: " << m_UNum << std::endl;
  Mobile::DisplayParts(out, "PLAYER GPos: ", m_GPos);
  Mobile::DisplayParts(out, "PLAYER GVel: ", m_Velocity);
  Mobile::DisplayParts(out, "PLAYER RPos: ", GetRPos());
  Mobile::DisplayParts(out, "PLAYER RBPos: ", GetRBPos());
  out << "\tPLAYER IsGK: " << static_cast<int>(m_IsGoalie) << std::endl;
  out << "\tPLAYER IsTired: " << static_cast<int>(m_IsTired) << std::endl;
  out << "\tPLAYER Source: " << m_Source << std::endl;
  out << "\tPLAYER RFacing: " << m_RFacing << std::endl;
  out << "\tPLAYER GFacing: " << m_GFacing << std::endl;
  out << "\tPLAYER RBFac: " << m_RBFacing << std::endl;
  out << "\tPLAYER GBFac: " << m_GBFacing << std::endl;
  out << "\tPLAYER GX: " << m_GPos.GetX() << std::endl;
  out << "\tPLAYER GY: " << m_GPos.GetY() << std::endl;
}
