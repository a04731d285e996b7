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

CAgent::CAgent(MCDictIniSafe &config) : CAgent(config, nullptr)
{
}

CAgent::CAgent(MCDictIniSafe &config, CModuleMaker maker)
  : m_IsNewCycle(0), m_MaxSimStepWait(300), m_Status(0), m_SensorsThread(),
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
  m_MaxSimStepWait = config.getsafe("Timing", "max_sim_step_wait", 300, 0);
  m_Actuators->SetMaxSimStepWait(config.getsafe("Timing", "max_sim_step_wait", 300, 0));
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

  m_Actuators->Lock();
  m_Actuators->SetSendBuffer(command);
  m_Behaviours->NewActionLock();
  m_Behaviours->SetIsNewAction(1);
  m_Actuators->Signal();
  m_Behaviours->NewActionUnlock();
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

  NewCycleLock();
  m_IsNewCycle = 1;
  NewCycleSignal();
  NewCycleUnlock();
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
  std::cerr << "ERROR: CAgent: Check4LostActions: Server has missed a " << kind << " on cycle "
            << time << std::endl;
  if (sent > server)
  {
    const bool kick = std::strcmp(prefix, "(kick") == 0;
    const size_t length = std::strlen(prefix);
    for (int i = 0; i < m_ActionCount && i < MAX_ACTIONS; i++)
      if (std::strncmp(m_LastActions[i], prefix, length) == 0)
      {
        m_LastActions[i][0] = '\0';
        if (kick)
          m_Memory->ForgetPastKick(time);
      }
    if (kick)
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

int CAgent::NumPlayersInCone(float ratio, CVector from, CVector to) const
{
  return NumFoesInCone(ratio, from, to) + NumFriendsInCone(ratio, from, to, false);
}

float CAgent::NormaliseAngle(float angle) const
{
  return m_Behaviours->NormaliseAngle(angle);
}

// -------------------------------------------- handed to the owning module

void CAgent::SetHaveVisualForThisAngle(bool a)
{
  m_Behaviours->SetHaveVisualForThisAngle(a);
}

void CAgent::SendQueuedScans()
{
  m_Behaviours->SendQueuedScans();
}

void CAgent::StorePlayers()
{
  m_Memory->StorePlayers();
}

void CAgent::RemoveGhosts()
{
  m_Memory->RemoveGhosts();
}

void CAgent::EraseMemory()
{
  m_Memory->EraseMemory();
}

void CAgent::LockMemory() const
{
  m_Memory->Lock();
}

void CAgent::UnlockMemory() const
{
  m_Memory->Unlock();
}

void CAgent::NewVisualLock() const
{
  m_Behaviours->NewVisualLock();
}

void CAgent::NewVisualUnlock() const
{
  m_Behaviours->NewVisualUnlock();
}

void CAgent::LockPlayMode() const
{
  m_PlayMode->Lock();
}

void CAgent::UnlockPlayMode() const
{
  m_PlayMode->Unlock();
}

void CAgent::LockActuators() const
{
  m_Actuators->Lock();
}

void CAgent::UnlockActuators() const
{
  m_Actuators->Unlock();
}

void CAgent::SetIsNewAction(int a)
{
  m_Behaviours->SetIsNewAction(a);
}

int CAgent::GetIsNewAction() const
{
  return m_Behaviours->GetIsNewAction();
}

void CAgent::SetIsNewVisual(int a)
{
  m_Behaviours->SetIsNewVisual(a);
}

int CAgent::GetIsNewVisual() const
{
  return m_Behaviours->GetIsNewVisual();
}

void CAgent::SetTime(int a)
{
  m_Memory->SetTime(a);
}

int CAgent::GetTime() const
{
  return m_Memory->GetTime();
}

void CAgent::SetNewTime(int a)
{
  m_Memory->SetNewTime(a);
}

int CAgent::GetNewTime() const
{
  return m_Memory->GetNewTime();
}

int CAgent::GetPreviousVisualTime() const
{
  return m_Memory->GetPreviousVisualTime();
}

void CAgent::SetLastVisualInterval(int a)
{
  m_Memory->SetLastVisualInterval(a);
}

int CAgent::GetLastVisualInterval() const
{
  return m_Memory->GetLastVisualInterval();
}

void CAgent::SetLastVisualTime(int a)
{
  m_Memory->SetLastVisualTime(a);
}

int CAgent::GetLastVisualTime() const
{
  return m_Memory->GetLastVisualTime();
}

void CAgent::SetGPos(CVector a)
{
  m_Memory->SetGPos(a);
}

CVector CAgent::GetGPos() const
{
  return m_Memory->GetGPos();
}

void CAgent::SetFacing(float a)
{
  m_Memory->SetFacing(a);
}

float CAgent::GetFacing() const
{
  return m_Memory->GetFacing();
}

void CAgent::SetBFacing(float a)
{
  m_Memory->SetBFacing(a);
}

float CAgent::GetBFacing() const
{
  return m_Memory->GetBFacing();
}

void CAgent::SetSB(sensebody a)
{
  m_Memory->SetSB(a);
}

sensebody CAgent::GetSB() const
{
  return m_Memory->GetSB();
}

float CAgent::GetViewAngle() const
{
  return m_Memory->GetViewAngle();
}

void CAgent::SetVelocity(CVector a)
{
  m_Memory->SetVelocity(a);
}

CVector CAgent::GetVelocity() const
{
  return m_Memory->GetVelocity();
}

void CAgent::SetGPosCorr(CVector a)
{
  m_Memory->SetGPosCorr(a);
}

CVector CAgent::GetGPosCorr() const
{
  return m_Memory->GetGPosCorr();
}

void CAgent::SetGPosCorrTime(int a)
{
  m_Memory->SetGPosCorrTime(a);
}

int CAgent::GetGPosCorrTime() const
{
  return m_Memory->GetGPosCorrTime();
}

void CAgent::SetPastKick(CVector a, int b)
{
  m_Memory->SetPastKick(a, b);
}

void CAgent::SetPassReceiver(int a)
{
  m_Memory->SetPassReceiver(a);
}

int CAgent::GetPassReceiver() const
{
  return m_Memory->GetPassReceiver();
}

bool CAgent::AmIThePassReceiver() const
{
  return m_Memory->AmIThePassReceiver();
}

void CAgent::SetPassReceiverTime(int a)
{
  m_Memory->SetPassReceiverTime(a);
}

int CAgent::GetPassReceiverTime() const
{
  return m_Memory->GetPassReceiverTime();
}

void CAgent::SetNextSpeaker(int a)
{
  m_Memory->SetNextSpeaker(a);
}

int CAgent::GetNextSpeaker() const
{
  return m_Memory->GetNextSpeaker();
}

void CAgent::SetNextSpeakerTime(int a)
{
  m_Memory->SetNextSpeakerTime(a);
}

int CAgent::GetNextSpeakerTime() const
{
  return m_Memory->GetNextSpeakerTime();
}

void CAgent::S2MWritePlayer(int a, int b, char c, float d, float e, float f, float g, float h, float i, bool j) const
{
  m_Memory->SetPlayer(a, b, c, d, e, f, g, h, i, j);
}

void CAgent::S2MWriteGoal(int a, char b, float c, float d) const
{
  m_Memory->SetGoal(a, b, c, d);
}

void CAgent::S2MWriteBall(int a, float b, float c, float d, float e, int f) const
{
  m_Memory->SetBall(a, b, c, d, e, f);
}

void CAgent::S2MWriteFlag(int a, int b, float c, float d, float e, float f) const
{
  m_Memory->SetFlag(a, b, c, d, e, f);
}

void CAgent::S2MWriteLine(int a, char b, float c, float d) const
{
  m_Memory->SetLine(a, b, c, d);
}

void CAgent::S2BNewVisualSignal() const
{
  m_Behaviours->NewVisualSignal();
}

void CAgent::ParseMessage(char *a) const
{
  m_Behaviours->ParseMessage(a);
}

void CAgent::S2PWritePlayMode(char *a)
{
  m_PlayMode->SetPlayMode(a);
}

PlayMode CAgent::P2BReadPlayMode(bool a) const
{
  return m_PlayMode->GetPlayMode(a);
}

int CAgent::P2BReadPlayModeTime(bool a) const
{
  return m_PlayMode->GetPlayModeTime(a);
}

int CAgent::P2BReadScoreDiff() const
{
  return m_Behaviours->GetScoreDiff();
}

void CAgent::P2BWriteScoreDiff(int a) const
{
  m_Behaviours->SetScoreDiff(a);
}

const CGoal *CAgent::M2BReadGoal(char a) const
{
  return m_Memory->GetGoal(a);
}

CGoal *CAgent::M2BReadNonConstGoal(char a)
{
  return m_Memory->GetNonConstGoal(a);
}

const CBall *CAgent::M2BReadBall() const
{
  return m_Memory->GetBall();
}

CBall *CAgent::M2BReadNonConstBall()
{
  return m_Memory->GetNonConstBall();
}

const CFlag *CAgent::M2BReadFlag(int a) const
{
  return m_Memory->GetFlag(a);
}

const CLine *CAgent::M2BReadLine(char a) const
{
  return m_Memory->GetLine(a);
}

CPlayer *CAgent::GetAValidFriend(int a) const
{
  return m_Memory->GetAValidFriend(a);
}

CPlayer *CAgent::GetAValidFoe(int a) const
{
  return m_Memory->GetAValidFoe(a);
}

CPlayer *CAgent::GetClosestValidFriend2Point(int a, CVector b) const
{
  return m_Memory->GetClosestValidFriend2Point(a, b);
}

CPlayer *CAgent::GetClosestValidFoe2Point(int a, CVector b) const
{
  return m_Memory->GetClosestValidFoe2Point(a, b);
}

CPlayer *CAgent::GetClosestValidFriend2Me(int a) const
{
  return m_Memory->GetClosestValidFriend2Me(a);
}

CPlayer *CAgent::GetClosestValidFoe2Me(int a) const
{
  return m_Memory->GetClosestValidFoe2Me(a);
}

CPlayer *CAgent::GetClosestValidFriend2Ball(int a) const
{
  return m_Memory->GetClosestValidFriend2Ball(a);
}

CPlayer *CAgent::GetClosestValidFoe2Ball(int a) const
{
  return m_Memory->GetClosestValidFoe2Ball(a);
}

CPlayer *CAgent::GetClosestValidTeamless2Me(int a) const
{
  return m_Memory->GetClosestValidTeamless2Me(a);
}

void CAgent::SetLastCollisionTime(int a)
{
  m_Behaviours->SetLastCollisionTime(a);
}

void CAgent::DoSortyThing(int a, BasePlayerCompare &b, sorted_players &c)
{
  m_Memory->DoSortyThing(a, b, c);
}

void CAgent::SortValidFriends2Me(sorted_players &a)
{
  m_Memory->SortValidFriends2Me(a);
}

void CAgent::SortValidFriends2Ball(sorted_players &a)
{
  m_Memory->SortValidFriends2Ball(a);
}

void CAgent::SortValidFoes2Me(sorted_players &a)
{
  m_Memory->SortValidFoes2Me(a);
}

void CAgent::SortValidFoes2Ball(sorted_players &a)
{
  m_Memory->SortValidFoes2Ball(a);
}

CPlayer *CAgent::GetPlayerWithin(float a, float b, float c, float d) const
{
  return m_Memory->GetPlayerWithin(a, b, c, d);
}

float CAgent::GetOffsideLine() const
{
  return m_Memory->GetOffsideLine();
}

float CAgent::GetOurOffsideLine() const
{
  return m_Memory->GetOurOffsideLine();
}

int CAgent::NumFoesInCone(float a, CVector b, CVector c) const
{
  return m_Memory->NumFoesInCone(a, b, c);
}

int CAgent::NumFriendsInCone(float a, CVector b, CVector c, bool d) const
{
  return m_Memory->NumFriendsInCone(a, b, c, d);
}

CPlayer *CAgent::OurGoalie()
{
  return m_Memory->OurGoalie();
}

CPlayer *CAgent::TheirGoalie()
{
  return m_Memory->TheirGoalie();
}

void CAgent::SetPrevKickPowerRate(int a)
{
  m_Behaviours->SetPrevKickPowerRate(a);
}

float CAgent::GetPrevKickPowerRate() const
{
  return m_Behaviours->GetPrevKickPowerRate();
}

void CAgent::StoreBallFromAudio(CBall a) const
{
  m_Memory->StoreBallFromAudio(a);
}

void CAgent::StorePlayerFromAudio(CPlayer a) const
{
  m_Memory->StorePlayerFromAudio(a);
}

void CAgent::StorePassFromAudio(int a, int b, CVector c) const
{
  m_Memory->StorePassFromAudio(a, b, c);
}

// ------------------------------------------------ outside the mediator

int CAgent::ReceiveMessage(char *buffer, int size)
{
  return m_Sensors->ReceiveMessage(buffer, size);
}

int CAgent::SendMessage(const char *text) const
{
  return m_Actuators->SendMessage(text);
}

struct socket CAgent::InitConnection(const char *host, int port) const
{
  return m_Actuators->InitConnection(host, port);
}

void CAgent::CloseConnection() const
{
  m_Actuators->CloseConnection();
}

struct socket CAgent::GetSSocket() const
{
  return m_Sensors->GetSocket();
}

void CAgent::SetSSocket(struct socket s)
{
  m_Sensors->SetSocket(s);
}

struct socket CAgent::GetASocket() const
{
  return m_Actuators->GetSocket();
}

void CAgent::SetASocket(struct socket s)
{
  m_Actuators->SetSocket(s);
}

void CAgent::DisplayPlayMode() const
{
  m_PlayMode->Display();
}

void CAgent::DisplayActuators() const
{
  m_Actuators->Display();
}

void CAgent::DisplaySensors() const
{
  m_Sensors->Display();
}

void CAgent::DisplayBehaviours() const
{
  m_Behaviours->Display();
}
