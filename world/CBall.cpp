#include "CBall.h"

#include "Mobile.h"

CBall::CBall()
  : m_Size(0.085f), m_Decay(0.94f), m_SpeedMax(2.7f), m_Kickable(1.0512711f), m_ConfThr(0.4f),
    m_ConfDrop(0.962f), m_CatchBanCycles(5), m_CatchableLength(2.0f), m_CatchableWidth(1.0f),
    m_StoppedSpeed(0.2f), m_Time(0), m_RPos(999, 999), m_RBPos(999, 999), m_DistChng(0),
    m_DirChng(0), m_Close(0), m_Conf(0), m_VelConf(0), m_GPos(999, 999), m_Velocity(0, 0),
    m_LastCatchCycle(0), m_UsePosBasedVelEst(true), m_UsePosBasedVelEstTime(0),
    m_PrevSeenTime(0), m_PrevGPos(0, 0), m_EGPos(0, 0), m_EVelocity(0, 0), m_PastKickIdx(0)
{
  for (PastKick &kick : m_PastKick)
    kick = PastKick{-999, CVector(0, 0)};
}

void CBall::Init(float size, float decay, float speedMax, float kickable, float confThr,
                 float confDrop, int catchBanCycles, float catchableLength, float catchableWidth,
                 float stoppedSpeed)
{
  m_Size = size;
  m_Decay = decay;
  m_SpeedMax = speedMax;
  m_Kickable = kickable;
  m_ConfThr = confThr;
  m_ConfDrop = confDrop;
  m_CatchBanCycles = catchBanCycles;
  m_CatchableLength = catchableLength;
  m_CatchableWidth = catchableWidth;
  m_StoppedSpeed = stoppedSpeed;
}

void CBall::UpdateRPos(CVector ownPos, float facing, int time)
{
  if (m_Time < time && GetPositionValid())
    m_RPos = Mobile::Relative(m_GPos, ownPos, facing, 0.4f);
}

void CBall::UpdateRBPos(CVector ownPos, float bodyFacing, int)
{
  if (GetPositionValid())
    m_RBPos = Mobile::Relative(m_GPos, ownPos, bodyFacing, 0.4f);
}

CVector CBall::GetRelativeVelocity(CVector, float angle) const
{
  return m_Velocity.Rotate(-angle);
}

bool CBall::IsCatchable(int time) const
{
  return time - m_LastCatchCycle > m_CatchBanCycles && GetPositionValid() &&
         m_RPos.GetMag() <= m_CatchableLength;
}

bool CBall::IsKickable() const
{
  return m_RPos.GetMag() < m_Kickable;
}

bool CBall::IsMoving() const
{
  // A ball whose motion is not known may be moving.
  return !GetVelocityValid() || !(m_Velocity.GetMag() < m_StoppedSpeed);
}

bool CBall::GetPositionValid() const
{
  return m_Conf > m_ConfThr;
}

bool CBall::GetVelocityValid() const
{
  return m_VelConf > m_ConfThr;
}

void CBall::SetPastKick(CVector effect, int time)
{
  m_PastKick[m_PastKickIdx] = PastKick{time, effect};
  m_PastKickIdx = PastKickInc(m_PastKickIdx);
}

void CBall::ForgetPastKick(int time)
{
  for (PastKick &kick : m_PastKick)
    if (kick.time == time)
      kick.effect = CVector(0, 0);
}

int CBall::PastKickInc(int i)
{
  return (i + 1) % PAST_KICKS;
}

int CBall::PastKickDec(int i)
{
  return (i + PAST_KICKS - 1) % PAST_KICKS;
}

namespace
{
// Any slot number names a slot of the ring: counting back from the index may
// go below 0 and must not leave the array.
int RingSlot(int slot)
{
  return (slot % CBall::PAST_KICKS + CBall::PAST_KICKS) % CBall::PAST_KICKS;
}
}

int CBall::GetPastKickTime(int slot) const
{
  return m_PastKick[RingSlot(slot)].time;
}

CVector CBall::GetPastKickEff(int slot) const
{
  return m_PastKick[RingSlot(slot)].effect;
}

void CBall::Display(std::ostream &out) const
{
  out << "\tBALL Time: " << m_Time << std::endl;
  out << "\tBALL Conf: " << m_Conf << std::endl;
  Mobile::DisplayParts(out, "BALL GPos: ", m_GPos);
  Mobile::DisplayParts(out, "BALL GVel: ", m_Velocity);
  Mobile::DisplayParts(out, "BALL RPos: ", m_RPos);
  Mobile::DisplayParts(out, "BALL RBPos: ", m_RBPos);
  out << "\tBALL DistCh: " << m_DistChng << std::endl;
  out << "\tBALL DirCh: " << m_DirChng << std::endl;
  out << "\tBALL GX: " << m_GPos.GetX() << std::endl;
  out << "\tBALL GY: " << m_GPos.GetY() << std::endl;
}
