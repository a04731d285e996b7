// The main thread's loop: one decision pass per server cycle, its commands
// sent from this thread, while the sensors thread hears the server and the
// actuators thread keeps it hearing from us when nothing went out.

#include <sys/time.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <iostream>

#include "CActuators.h"
#include "CAgent.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CSensors.h"

void *StartSensors(void *sensors)
{
  // One insertion with its newline: the two threads start together, and a
  // line written in two pieces could be split by the other's.
  std::cout << "Starting SENSORS thread...\n" << std::flush;
  static_cast<CSensors *>(sensors)->SensorThread();
  return nullptr;
}

void *StartActuators(void *actuators)
{
  std::cout << "Starting ACTUATORS thread...\n" << std::flush;
  static_cast<CActuators *>(actuators)->ActuatorThread();
  return nullptr;
}

int CAgent::MainLoop()
{
  // Passes in which the bundle was missing or cut short by a new cycle.
  int missed = 0;

  // This loop passes at least once a step wait, so it checks for the
  // silence that calls for the empty datagram; the actuators' thread then
  // sleeps until there is something to send.
  m_Actuators->SetIdleCheckedByCaller(true);
  const int sensors = pthread_create(&m_SensorsThread, nullptr, StartSensors,
                                     m_Sensors->GetThis());
  if (sensors != 0)
    std::cerr << GetTime() << " ERROR: CAgent: MainLoop: Cannot create SENSORS thread (error "
              << sensors << ")..." << std::endl;
  const int actuators = pthread_create(&m_ActuatorsThread, nullptr, StartActuators,
                                       m_Actuators->GetThis());
  if (actuators != 0)
    std::cerr << GetTime() << " ERROR: CAgent: MainLoop: Cannot create ACTUATORS thread (error "
              << actuators << ")..." << std::endl;
  // Without both threads the agent can neither hear nor act: stop rather
  // than decide blind, and join whichever thread did start.
  if (sensors != 0 || actuators != 0)
    m_Status = 0;
  else
    sleep(1);

  while (GetStatus() == 1)
  {
    m_PlayMode->Lock();
    const PlayMode previous = m_PlayMode->GetPlayMode(false);
    const PlayMode current = m_PlayMode->GetPlayMode(true);
    m_PlayMode->Unlock();

    m_Memory->Lock();
    const int time = GetTime();
    m_Behaviours->SetThinkingInProgress(true);
    DecideCycle(previous, current);
    // A cycle that began during the pass is the one this pass decided for,
    // so the wait below is for the cycle after it.
    NewCycleLock();
    m_IsNewCycle = 0;
    NewCycleUnlock();
    m_Behaviours->SetThinkingInProgress(false);
    m_Memory->Unlock();

    if (m_Behaviours->SendAllActions(time))
      Wait4NewCycle();
    else
      missed++;
    m_Actuators->CheckIdle(m_WaitClockMs);
  }

  if (sensors == 0)
    pthread_join(m_SensorsThread, nullptr);
  if (actuators == 0)
  {
    // Its wait is not timed: nothing else would end it.
    m_Actuators->StopThread();
    pthread_join(m_ActuatorsThread, nullptr);
  }

  const int unum = GetUNum();
  std::cerr << std::endl
            << "### NUMBER OF CYCLES WHERE AGENT DID NOT SEND ALL DESIRED ACTIONS = " << missed
            << std::endl
            << std::endl;
  if (unum >= 1 && unum <= 11)
    std::cerr << "On cycle " << GetTime() << " agent " << unum << " is SHUTTING DOWN !"
              << std::endl;
  else
    std::cerr << "On cycle " << GetTime() << " agent ? is SHUTTING DOWN !" << std::endl;
  return GetStatus();
}

void CAgent::DecideCycle(PlayMode previous, PlayMode current)
{
  if (m_Behaviours->ClockStandsAfterBundle(previous, current))
    m_Behaviours->ClaimCycle();
  else
    Decide(previous, current);
}

void CAgent::Decide(PlayMode previous, PlayMode current)
{
  const int time = GetTime();
  m_Behaviours->AdjustStrategy();
  m_Behaviours->DetermineEnvState(previous, current);
  m_Behaviours->DetermineActionState();
  switch (m_Behaviours->GetRole())
  {
    case ROLE_GOALKEEPER:
      m_Behaviours->PlayAsGoalKeeper(previous, current);
      break;
    case ROLE_DEFENDER:
      m_Behaviours->PlayAsDefender(previous, current);
      break;
    case ROLE_MIDFIELDER:
      m_Behaviours->PlayAsMidfielder(previous, current);
      break;
    case ROLE_FORWARD:
      m_Behaviours->PlayAsForward(previous, current);
      break;
    default:
      std::cerr << time << " ERROR: CAgent: MainLoop: What role is that?" << std::endl;
      break;
  }
}

int CAgent::Wait4NewCycle()
{
  const int time = GetTime();
  NewCycleLock();

  struct timeval now = {0, 0};
  if (gettimeofday(&now, nullptr) != 0)
  {
    // Without the clock the deadline counts from the epoch, so the wait
    // ends at once and the loop goes on with its next pass.
    std::cerr << time << " ERROR: CAgent: Wait4NewCycle: gettimeofday returned error..."
              << std::endl;
    now.tv_sec = 0;
    now.tv_usec = 0;
  }
  m_WaitClockMs = static_cast<long long>(now.tv_sec) * 1000 + now.tv_usec / 1000;
  struct timespec deadline;
  deadline.tv_sec = now.tv_sec + m_MaxSimStepWait / 1000;
  deadline.tv_nsec = now.tv_usec * 1000L + (m_MaxSimStepWait % 1000) * 1000000L;
  if (deadline.tv_nsec > 999999999L)
  {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1000000000L;
  }

  int status = 0;
  while (m_IsNewCycle == 0)
  {
    status = pthread_cond_timedwait(&m_NewCycleCond, &m_NewCycleMutex, &deadline);
    if (status == ETIMEDOUT)
      break;
    if (status != 0)
    {
      std::cerr << time << " WARNING: CAgent: Wait4NewCycle: Condition variable error status="
                << status << "..." << std::endl;
      break;
    }
  }
  NewCycleUnlock();
  return status == 0 ? 1 : 0;
}
