#include "CAgent.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <new>
#include <sstream>

#include "CActuators.h"
#include "CBall.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CPlayer.h"
#include "CSensors.h"
#include "MCDictIniSafe.h"
#include "SettingBounds.h"

namespace
{
// The wait for a new cycle, which is also how long the actuators stay quiet
// before they tell the server the player is still there. Shorter than half
// the server's step, and an idle player sends more than two datagrams a
// cycle (none at all floods the server); longer than a few seconds, and a
// player whose server has stopped talking never gets round to leaving.
const int kShortestStepWaitMs = 50;
const int kLongestStepWaitMs = 3000;
// How long the handshake waits for the server's answer: the server answers
// at once, so a player still waiting after this has no server.
const int kHandshakeTimeoutMs = 10000;
}  // namespace

CAgent::CAgent(MCDictIniSafe &config) : CAgent(config, nullptr)
{
}

CAgent::CAgent(MCDictIniSafe &config, CModuleMaker maker)
  : m_IsNewCycle(0), m_MaxSimStepWait(300), m_WaitClockMs(0), m_HandshakeTimeoutMs(kHandshakeTimeoutMs), m_Status(0), m_SensorsThread(),
    m_ActuatorsThread(), m_Behaviours(nullptr), m_Memory(nullptr), m_Sensors(nullptr),
    m_Actuators(nullptr), m_PlayMode(nullptr), m_LastActions(), m_ActionCount(0), m_TName(),
    m_Side(0), m_UNum(0), m_Maker(maker)
{
  Construct(config);
}

void CAgent::Construct(MCDictIniSafe &config)
{
  pthread_mutex_init(&m_Mutex, nullptr);
  pthread_mutex_init(&m_NewCycleMutex, nullptr);
  pthread_cond_init(&m_NewCycleCond, nullptr);
  m_IsNewCycle = 0;

  CreateModules();
  m_Memory->Init(config);
  m_Behaviours->Init(config);

  std::cout << std::endl
            << "[------- MCIni Agent Params from conf files -------]" << std::endl
            << std::endl;
  m_MaxSimStepWait = boundsetting("CAgent: CAgent", "max_sim_step_wait",
                                  config.getsafe("Timing", "max_sim_step_wait", 300, 0),
                                  kShortestStepWaitMs, kLongestStepWaitMs);
  m_Actuators->SetMaxSimStepWait(m_MaxSimStepWait);
  m_Actuators->SetMaxSimPolWait(config.getsafe("Timing", "max_sim_pol_wait", 30, 0));
  m_Actuators->SetSimPol(config.getsafe("Timing", "sim_pol", 0, 0));

  m_Status = 1;
  for (int i = 0; i < MAX_ACTIONS; i++)
    m_LastActions[i][0] = '\0';
  m_ActionCount = 0;
}

CAgent::~CAgent()
{
  const int kicks = m_Behaviours->GetKickSent();
  const int dashes = m_Behaviours->GetDashSent();
  const int turns = m_Behaviours->GetTurnSent();
  const int says = m_Behaviours->GetSaySent();
  const int necks = m_Behaviours->GetTurnNeckSent();
  std::cout << std::endl
            << std::endl
            << "Actions sent by agent:" << std::endl
            << std::endl
            << " # Kicks = " << kicks << std::endl
            << " # Dash  = " << dashes << std::endl
            << " # Turn  = " << turns << std::endl
            << " # Say   = " << says << std::endl
            << " # TNeck = " << necks << std::endl
            << std::endl
            << " # Total = " << kicks + dashes + turns + says + necks << std::endl
            << std::endl;
  ReportTeamMessages();

  std::cout << "[--------Deleting Modules---------]" << std::endl;
  std::cout << "[Brain                            ]" << std::endl;
  delete m_Behaviours;
  m_Behaviours = nullptr;
  std::cout << "[Memory                           ]" << std::endl;
  m_Memory->DeletePlayerArrays();
  delete m_Memory;
  m_Memory = nullptr;
  std::cout << "[Eyes & Ears                      ]" << std::endl;
  delete m_Sensors;
  m_Sensors = nullptr;
  std::cout << "[Legs                             ]" << std::endl;
  delete m_Actuators;
  m_Actuators = nullptr;
  std::cout << "[Play Mode                        ]" << std::endl;
  delete m_PlayMode;
  m_PlayMode = nullptr;
  std::cout << "[--------------Done!--------------]" << std::endl;

  if (pthread_mutex_destroy(&m_Mutex) != 0)
    std::cerr << "ERROR: CAgent: ~CAgent: Problem while destroying mutex..." << std::endl;
  if (pthread_mutex_destroy(&m_NewCycleMutex) != 0)
    std::cerr << "ERROR: CAgent: ~CAgent: Problem while destroying new cycle mutex..."
              << std::endl;
  if (pthread_cond_destroy(&m_NewCycleCond) != 0)
    std::cerr << "ERROR: CAgent: ~CAgent: Problem while destroying new cycle conditional variable..."
              << std::endl;

  std::cout << std::endl << "++++++++++ AGENT KILLED +++++++++++" << std::endl << std::endl;
}

void CAgent::CreateModules()
{
  std::cout << "[--------Creating Modules---------]" << std::endl;
  if (m_Maker)
  {
    const CModuleSet set = m_Maker(this);
    m_Behaviours = set.brain;
    m_Memory = set.memory;
    m_Sensors = set.sensors;
    m_Actuators = set.actuators;
    m_PlayMode = set.playmode;
  }
  else
  {
    m_Behaviours = new (std::nothrow) CBehaviours(this);
    m_Memory = new (std::nothrow) CMemory(this);
    m_Sensors = new (std::nothrow) CSensors(this);
    m_Actuators = new (std::nothrow) CActuators(this);
    m_PlayMode = new (std::nothrow) CPlayMode(this);
  }
  std::cout << "[--------------Done!--------------]" << std::endl;
  if (!m_Behaviours || !m_Memory || !m_Sensors || !m_Actuators || !m_PlayMode)
    Abort("ERROR: CAgent: CreateModules: Not enough memory to create agent...", 500);
}

void CAgent::Abort(const char *text, int code)
{
  // The cycle lives in the world model, which may not exist yet.
  const int time = m_Memory ? m_Memory->GetTime() : 0;
  std::cerr << std::endl << time << " CAgent ABORTING: " << text << std::endl;
  CAgent::DoExit(code);
}

void CAgent::DoExit(int code)
{
  // Leave at once: the other threads may still run, so neither the agent's
  // destructor nor the static destructors may run under them. The status is
  // left as it is: a status other than 1 would send the actuators into their
  // shutdown, closing the socket the sensors are still receiving on, while
  // the process leaves.
  if (code == 0)
    // The farewell ends the run without the destructor's summary.
    ReportTeamMessages();
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  _exit(code);
}

void CAgent::ReportTeamMessages() const
{
  if (!m_Behaviours || !m_Memory)
    return;
  std::cout << " # Team messages: said = " << m_Behaviours->GetSaySent()
            << ", heard = " << m_Behaviours->GetTeamMessagesHeard()
            << ", heard objects kept = " << m_Memory->GetHeardKept() << std::endl
            << std::endl;
}

void CAgent::ReportStatus(int status, const char *text) const
{
  if (status != 0)
    std::cerr << GetTime() << " ERROR: CAgent: " << text << std::endl;
}

void CAgent::Lock()
{
  ReportStatus(pthread_mutex_lock(&m_Mutex), "Lock: Locking error...");
}

void CAgent::Unlock()
{
  ReportStatus(pthread_mutex_unlock(&m_Mutex), "Unlock: Unlocking error...");
}

void CAgent::NewCycleLock()
{
  ReportStatus(pthread_mutex_lock(&m_NewCycleMutex), "NewCycleLock: Locking error...");
}

void CAgent::NewCycleUnlock()
{
  ReportStatus(pthread_mutex_unlock(&m_NewCycleMutex),
               "NewCycleUnlock: Unlocking error...");
}

void CAgent::NewCycleSignal()
{
  ReportStatus(pthread_cond_signal(&m_NewCycleCond),
               "NewCycleSignal: Signaling error...");
}

int CAgent::GetIsNewCycle() const
{
  return m_IsNewCycle;
}

void CAgent::SetIsNewCycle(int flag)
{
  m_IsNewCycle = flag;
}

// ---------------------------------------------------------------- events

void CAgent::ModuleChanged(CModule *module)
{
  if (module == m_Behaviours)
    PostCommand();
  else if (module == m_Memory || module == m_PlayMode)
    ;
  else if (module == m_Sensors)
  {
    if (m_Memory->GetNewTime() > GetTime())
      StartNewCycle();
  }
  else if (module == m_Actuators)
  {
    m_Behaviours->NewActionLock();
    m_Behaviours->SetIsNewAction(0);
    m_Behaviours->NewActionSignal();
    m_Behaviours->NewActionUnlock();
  }
  else
    std::cerr << GetTime() << " ERROR: CAgent: ModuleChanged: What module is that?"
              << std::endl;
}

void CAgent::PostCommand()
{
  const int time = GetTime();
  const char *command = m_Behaviours->GetActionBuffer();

  Lock();
  SetLastAction(m_ActionCount, command);
  m_ActionCount++;
  if (m_ActionCount > MAX_ACTIONS - 1)
  {
    // The last entry takes every further command of the cycle and is not
    // counted, so it is never replayed.
    m_ActionCount = MAX_ACTIONS - 1;
    // Many commands are normal at kick-off, at half time and after a goal.
    bool expected = time == 0 || time == 3000 || time == 6000;
    if (!expected)
    {
      m_PlayMode->Lock();
      const PlayMode mode = m_PlayMode->GetPlayMode(true);
      m_PlayMode->Unlock();
      expected = mode == PM_GOAL || mode == -PM_GOAL;
    }
    if (!expected)
      std::cerr << time
                << " ERROR: CAgent: ModuleChanged: Critical Malfunction !!! Action count reached maximal count..."
                << std::endl;
  }
  Unlock();

  // Sent from this thread at once: the brain's wait for it ends without
  // waking anybody.
  m_Actuators->Lock();
  m_Actuators->Transmit(command);
  m_Actuators->Unlock();

  m_Behaviours->SetActionBuffer("");
}

void CAgent::StartNewCycle()
{
  m_Memory->SetTime(m_Memory->GetNewTime());

  m_Behaviours->NewVisualLock();
  m_Behaviours->SetIsNewVisual(0);
  m_Behaviours->NewVisualUnlock();

  // The commands of the cycle that ended move the model on before time does.
  Lock();
  for (int i = 0; i < m_ActionCount && i < MAX_ACTIONS; i++)
    m_Memory->Update4Action(m_LastActions[i]);
  m_Memory->Update4NewCycle();
  for (int i = 0; i < MAX_ACTIONS; i++)
    m_LastActions[i][0] = '\0';
  m_ActionCount = 0;
  Unlock();

  m_Memory->UpdateRelatives();

  // The main loop is woken by S2BNewCycleSignal once the sensors thread has
  // let go of the world-model lock: woken here, it would only wait for it.
  NewCycleLock();
  m_IsNewCycle = 1;
  m_CycleWakePending = true;
  NewCycleUnlock();
}

void CAgent::S2BNewCycleSignal()
{
  NewCycleLock();
  const bool wake = m_CycleWakePending;
  m_CycleWakePending = false;
  NewCycleUnlock();
  // Signalled after the mutex is let go, so that the woken loop does not
  // wait for it in turn.
  if (wake)
    NewCycleSignal();
}

void CAgent::Check4LostActions(int kicks, int dashes, int turns, int says, int necks)
{
  // The log is also written by the brain's events on other threads.
  Lock();
  StrikeLost("KICK", "(kick", kicks, &CBehaviours::GetKickSent, &CBehaviours::SetKickSent);
  StrikeLost("DASH", "(dash", dashes, &CBehaviours::GetDashSent, &CBehaviours::SetDashSent);
  // "(turn " with its blank, so that a neck turn never counts as a turn.
  StrikeLost("TURN", "(turn ", turns, &CBehaviours::GetTurnSent, &CBehaviours::SetTurnSent);
  StrikeLost("SAY", "(say", says, &CBehaviours::GetSaySent, &CBehaviours::SetSaySent);
  StrikeLost("TURNNECK", "(turn_neck", necks, &CBehaviours::GetTurnNeckSent,
             &CBehaviours::SetTurnNeckSent);
  Unlock();
}

void CAgent::StrikeLost(const char *kind, const char *prefix, int server,
                        int (CBehaviours::*get)() const, void (CBehaviours::*set)(int))
{
  const int sent = (m_Behaviours->*get)();
  if (sent == server)
    return;
  const int time = GetTime();
  const bool kick = std::strcmp(prefix, "(kick") == 0;
  // A referee's call in the cycle of our kick (their foul on our man as he
  // reached the ball, mostly) stops play before the kick arrives: the
  // server refuses it by its rules, not for where the ball lay.
  m_PlayMode->Lock();
  const bool stopped = kick && sent > server && m_PlayMode->KicksRefusedSince(time);
  m_PlayMode->Unlock();
  // A kick sent on the reckoning with one of theirs at the ball is refused
  // whenever his touch came first: a lost contest, not a lost command, told
  // apart so that the missed lines still count only the latter. After a
  // tackle the server refuses the body's commands for a while: the count is
  // mended all the same, but nothing was lost.
  const bool contested = kick && sent > server && m_Behaviours->ContestedKickSent(time);
  if (contested && !stopped)
    std::cerr << "NOTE: CAgent: Check4LostActions: A KICK at a contested ball was refused on cycle "
              << time << std::endl;
  else if (!m_Behaviours->HeldAfterTackle(time) && !stopped)
    std::cerr << "ERROR: CAgent: Check4LostActions: Server has missed a " << kind << " on cycle "
              << time << std::endl;
  if (sent > server)
  {
    const size_t length = std::strlen(prefix);
    for (int i = 0; i < m_ActionCount && i < MAX_ACTIONS; i++)
      if (std::strncmp(m_LastActions[i], prefix, length) == 0)
      {
        m_LastActions[i][0] = '\0';
        if (kick)
          m_Memory->ForgetPastKick(time);
      }
    if (kick && !stopped)
      m_Memory->PutBallBeyondReach();
  }
  (m_Behaviours->*set)(server);
}

void CAgent::DisplayMemory() const
{
  char name[64];
  std::snprintf(name, sizeof name, "./RURera/A_%c_%02d.mem.dump.%04d", GetSide(), GetUNum(),
                GetTime());
  std::ostringstream dump;
  m_Memory->Display(dump);
  dump << std::endl;
  const int fd = open(name, O_WRONLY | O_CREAT | O_TRUNC, 0664);
  if (fd < 0)
  {
    std::cerr << "WARNING: CAgent: DisplayMemory: Cannot create mem.dump.xxxx file..." << std::endl
              << "Check ./RURera directory exists, and write permissions are ok." << std::endl;
    return;
  }
  const std::string text = dump.str();
  size_t written = 0;
  while (written < text.size())
  {
    const ssize_t n = write(fd, text.data() + written, text.size() - written);
    if (n <= 0)
      break;
    written += static_cast<size_t>(n);
  }
  close(fd);
}

// ------------------------------------------------ answered by the agent

void CAgent::UpdateGPos()
{
  m_Behaviours->Localise();
  m_Memory->UpdateGlobals();
  m_Memory->UpdateRelatives();
  m_Memory->PositionBasedVelocityEstimation4Ball();
}

void CAgent::LockAgent()
{
  Lock();
}

void CAgent::UnlockAgent()
{
  Unlock();
}

void CAgent::SetStatus(int status)
{
  m_Status = status;
}

int CAgent::GetStatus() const
{
  return m_Status;
}

void CAgent::SetLastAction(int index, const char *text)
{
  if (index < 0 || index >= MAX_ACTIONS)
    return;
  std::strncpy(m_LastActions[index], text ? text : "", ACTION_LENGTH - 1);
  m_LastActions[index][ACTION_LENGTH - 1] = '\0';
}

const char *CAgent::GetLastAction(int index) const
{
  if (index < 0 || index >= MAX_ACTIONS)
    return "";
  return m_LastActions[index];
}

void CAgent::SetActionCount(int count)
{
  m_ActionCount = count < 0 ? 0 : (count > MAX_ACTIONS - 1 ? MAX_ACTIONS - 1 : count);
}

int CAgent::GetActionCount() const
{
  return m_ActionCount;
}

void CAgent::SetTName(const char *name)
{
  // A name of 30 characters or more is cut so that the field still ends.
  std::strncpy(m_TName, name ? name : "", TNAME_LENGTH - 1);
  m_TName[TNAME_LENGTH - 1] = '\0';
}

const char *CAgent::GetTName() const
{
  return m_TName;
}

void CAgent::SetSide(char side)
{
  m_Side = side;
}

char CAgent::GetSide() const
{
  return m_Side;
}

char CAgent::TheirSide() const
{
  return m_Side == 'l' ? 'r' : 'l';
}

void CAgent::SetUNum(int unum)
{
  m_UNum = unum;
}

int CAgent::GetUNum() const
{
  return m_UNum;
}
