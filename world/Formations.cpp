// Formations, roles and home positions: where each player belongs and where
// it stands at kick-off.

#include <cmath>
#include <iostream>

#include "CBall.h"
#include "CBehaviours.h"
#include "FormationTables.h"
#include "ZPPositionerID.h"

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

float CBehaviours::DashPower4Positioning() const
{
  const int time = GetTime();
  const float stamina = GetSB().stamina;
  LockPlayMode();
  const PlayMode mode = P2BReadPlayMode(true);
  const int modeTime = P2BReadPlayModeTime(true);
  UnlockPlayMode();
  const CVector own = GetGPos();
  const CBall *ball = M2BReadBall();
  // A ball we have lost is taken to be deep in our own half, where every
  // role but the forwards hurries back.
  const float ballX = BallPositionValid() ? ball->GetGX() : -53;

  const int elapsed = time - modeTime;
  const float slow = m_PosSlowPower;
  const float normal = m_PosNormalPower;
  const float fast = m_PosFastPower;
  const float low = m_LowStamina;
  const float high = m_HighStamina;
  const float full = static_cast<float>(m_MaxPower);

  float power = normal;
  if (IsOurMode(mode) || IsTheirMode(mode))
  {
    // After a set play a tired player recovers on the way; while our own
    // set play is fresh nobody needs to sprint to his place.
    if (elapsed < m_RechargeCycles && stamina < low)
      power = slow;
    else if ((IsOurMode(mode) && elapsed <= m_RechargeCycles) || stamina <= high)
      power = normal;
    else
      power = fast;
  }
  else if (IsSpecialMode(mode))
  {
    if (ballX < -m_DefenseZone)
    {
      // The ball deep in our half: the forwards wait up front, the rest run.
      if (m_Role == ROLE_FORWARD)
        power = stamina <= high ? slow : normal;
      else
        power = full;
    }
    else if (ballX > m_DefenseZone)
    {
      if (m_Role == ROLE_DEFENDER)
        power = stamina <= high ? slow : normal;
      else if (stamina <= high)
        power = stamina < low ? normal : fast;
      else
        power = full;
    }
    else
    {
      // In midfield, hurry when the ball is behind us and walk when it is
      // ahead and we are tired.
      const float ahead = ballX - own.GetX();
      if (ahead < 0 && stamina > low)
        power = fast;
      else if (ahead > 0 && stamina < low)
        power = slow;
      else if (stamina <= high)
        power = normal;
      else
        power = full;
    }
  }
  return CorrectDashPower4Stamina(power);
}

int CBehaviours::Position()
{
  // The copy shares the positioner, and with it the cycle's answer.
  return Position(m_Positioner);
}

int CBehaviours::Position(ZPPositionerID positioner)
{
  const CVector target = positioner.GetPosition();
  const float power = DashPower4Positioning();
  return MoveToPos(target, power);
}
