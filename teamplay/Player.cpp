// A first team play: each pass says goodbye when the half is over, places
// the player before kick-off, and otherwise stands and looks about with its
// neck, so that every cycle sends a command.

#include <cmath>

#include "CBehaviours.h"

namespace
{
// Where the neck looks, cycle after cycle.
const float kNeckSweep[4] = {-60, 0, 60, 0};
const float kNeckStep = 60;
}

// The referee's calls after which a player has nothing more to do in this
// process: it is started again for the next half.
bool CBehaviours::IsHalfOver(PlayMode previous, PlayMode current) const
{
  switch (current)
  {
    case PM_HALF_TIME:
    case PM_TIME_OVER:
    case PM_TIME_UP_WITHOUT_A_TEAM:
    case PM_TIME_EXTENDED:
      return true;
    case PM_BEFORE_KICK_OFF:
      return previous != PM_BEFORE_KICK_OFF;
    default:
      return false;
  }
}

void CBehaviours::AdjustStrategy()
{
  SetFormationID(0);
  SetRole();
}

void CBehaviours::DetermineEnvState(PlayMode, PlayMode)
{
  SetEnvState(ENV_NONE);
}

void CBehaviours::DetermineActionState()
{
  SetActionState(AS_NONE);
}

void CBehaviours::PlayAsDefender(PlayMode previous, PlayMode current)
{
  StandAndLook(previous, current);
}

void CBehaviours::PlayAsMidfielder(PlayMode previous, PlayMode current)
{
  StandAndLook(previous, current);
}

void CBehaviours::PlayAsForward(PlayMode previous, PlayMode current)
{
  StandAndLook(previous, current);
}

void CBehaviours::StandAndLook(PlayMode previous, PlayMode current)
{
  const int now = GetTime();
  if (IsHalfOver(previous, current))
  {
    SayBye();
    return;
  }
  if (current == PM_BEFORE_KICK_OFF)
    InitialMove();

  const float head = GetSB().head_angle;
  const float target = kNeckSweep[((now % 4) + 4) % 4];
  float angle = target - head;
  // A neck already where the sweep wants it (the body state lags a cycle)
  // still turns, so that the cycle has a command the server counts.
  if (std::fabs(angle) <= 1)
    angle = target > 0 ? -kNeckStep : kNeckStep;
  if (GetHaveVisualForThisAngle())
  {
    TurnNeck(angle);
    // What the next visual shows is the new direction; until it comes,
    // further looking waits for it.
    if (TurnNeckThisCycle())
      SetHaveVisualForThisAngle(false);
  }
  else
  {
    // Nothing has been seen this way yet: turn once the visual is in.
    if (head + angle > m_MaxNeckAng - 1)
      angle = (m_MaxNeckAng - 1) - head;
    else if (head + angle < m_MinNeckAng + 1)
      angle = (m_MinNeckAng + 1) - head;
    QueueScan(SCAN_NECK, angle);
  }

  // The bundle belongs to this cycle even when it holds nothing to send, so
  // that the main loop waits for the next cycle instead of deciding again.
  QueueLock();
  m_Queue.time = now;
  QueueUnlock();
  Communicate();
}

EnvState CBehaviours::GetEnvState() const
{
  return m_EnvState;
}

void CBehaviours::SetEnvState(EnvState state)
{
  m_EnvState = state;
}

ActionState CBehaviours::GetActionState() const
{
  return m_ActionState;
}

void CBehaviours::SetActionState(ActionState state)
{
  m_ActionState = state;
}
