#include "CBehaviours.h"

#include <cstring>
#include <iostream>

#include "MCDictIniSafe.h"

CBehaviours::CBehaviours(CMediator *mediator)
  : CModule(mediator), m_MaxSimPolWait(30), m_MaxSimVisualWait(450),
    m_ThinkingInProgress(false), m_Role(ROLE_NONE), m_IsNewVisual(0), m_IsNewAction(0),
    m_HaveVisualForThisAngle(false), m_ActionBuffer(), m_ScoreDiff(0), m_KickSent(0),
    m_DashSent(0), m_TurnSent(0), m_SaySent(0), m_TurnNeckSent(0), m_PrevKickPowerRate(0),
    m_LastCollisionTime(-999), m_LastActionsSentTime(-999), m_FormationID(0), m_EnvState(0),
    m_ActionState(0), m_KickPowerRate(0.016f), m_MaxMoment(180), m_MinMoment(-180),
    m_MaxNeckMoment(180), m_MinNeckMoment(-180), m_MaxNeckAng(90), m_MinNeckAng(-90),
    m_InertiaMoment(5), m_StaminaMax(3500), m_EffortDecThr(1050), m_TiredBuffer(20),
    m_MinDistToPoint(1)
{
  std::cout << "[Creating Brain                   ]" << std::endl;
  pthread_mutex_init(&m_Mutex, nullptr);
  pthread_cond_init(&m_Cond, nullptr);
  pthread_mutex_init(&m_NewVisualMutex, nullptr);
  pthread_cond_init(&m_NewVisualCond, nullptr);
  pthread_mutex_init(&m_NewActionMutex, nullptr);
  pthread_cond_init(&m_NewActionCond, nullptr);
  std::strcpy(m_ActionBuffer, "NULL");
  pthread_mutex_init(&m_QueueMutex, nullptr);
  EmptyActionQueue(m_LastQueue);
  EmptyActionQueue(m_Queue);
}

CBehaviours::~CBehaviours()
{
  const char *const head = "ERROR: CBehaviours: ~CBehaviours: Problem while destroying ";
  if (pthread_mutex_destroy(&m_Mutex) != 0)
    std::cerr << head << "mutex..." << std::endl;
  if (pthread_cond_destroy(&m_Cond) != 0)
    std::cerr << head << "conditional variable..." << std::endl;
  if (pthread_mutex_destroy(&m_NewVisualMutex) != 0)
    std::cerr << head << "new visual mutex..." << std::endl;
  if (pthread_cond_destroy(&m_NewVisualCond) != 0)
    std::cerr << head << "new visual conditional variable..." << std::endl;
  if (pthread_mutex_destroy(&m_NewActionMutex) != 0)
    std::cerr << head << "new action mutex..." << std::endl;
  if (pthread_cond_destroy(&m_NewActionCond) != 0)
    std::cerr << head << "new action conditional variable..." << std::endl;
  pthread_mutex_destroy(&m_QueueMutex);
}

void CBehaviours::Init(MCDictIniSafe &config)
{
  const char *const done = "[--------------------- Done! ----------------------]";
  std::cout << std::endl
            << "[---- MCIni Behavioural Params from conf files ----]" << std::endl
            << std::endl;
  m_MaxSimPolWait = config.getsafe("Timing", "max_sim_pol_wait", 30, 0);
  m_MaxSimVisualWait = config.getsafe("Timing", "max_sim_visual_wait", 450, 0);
  m_HaveVisualForThisAngle = false;
  m_ScoreDiff = config.getsafe("Formations", "score_diff", 0, 0);
  m_LastCollisionTime = -999;
  m_KickPowerRate = static_cast<float>(config.getsafe("Server", "kick_power_rate", 0.016, 0));
  m_MaxMoment = config.getsafe("Server", "maxmoment", 180, 0);
  m_MinMoment = config.getsafe("Server", "minmoment", -180, 0);
  m_MaxNeckMoment = config.getsafe("Server", "maxneckmoment", 180, 0);
  m_MinNeckMoment = config.getsafe("Server", "minneckmoment", -180, 0);
  m_MaxNeckAng = config.getsafe("Server", "maxneckang", 90, 0);
  m_MinNeckAng = config.getsafe("Server", "minneckang", -90, 0);
  m_InertiaMoment = static_cast<float>(config.getsafe("Server", "inertia_moment", 5.0, 0));
  m_StaminaMax = static_cast<float>(config.getsafe("Server", "stamina_max", 3500.0, 0));
  m_EffortDecThr =
    static_cast<float>(config.getsafe("Server", "effort_dec_thr", 0.3, 0)) * m_StaminaMax;
  m_TiredBuffer = static_cast<float>(config.getsafe("Movement", "tired_buffer", 20.0, 0));
  m_MinDistToPoint =
    static_cast<float>(config.getsafe("Movement", "min_dist_to_point", 1.0, 0));
  std::cout << std::endl << done << std::endl;
  std::cout << std::endl << "[------ MCIni Goalie Params from conf files -------]" << std::endl;
  std::cout << std::endl << done << std::endl;
}

void CBehaviours::Display() const
{
}

void CBehaviours::Abort(const char *text, int code)
{
  std::cerr << std::endl << GetTime() << " CBehaviours ABORTING: " << text << std::endl;
  DoExit(code);
}

void CBehaviours::SetHaveVisualForThisAngle(bool have)
{
  m_HaveVisualForThisAngle = have;
}

bool CBehaviours::GetHaveVisualForThisAngle() const
{
  return m_HaveVisualForThisAngle;
}

void CBehaviours::SetIsNewAction(int flag)
{
  m_IsNewAction = flag;
}

int CBehaviours::GetIsNewAction() const
{
  return m_IsNewAction;
}

void CBehaviours::SetIsNewVisual(int flag)
{
  m_IsNewVisual = flag;
}

int CBehaviours::GetIsNewVisual() const
{
  return m_IsNewVisual;
}

void CBehaviours::SetLastCollisionTime(int time)
{
  m_LastCollisionTime = time;
}

void CBehaviours::SetPrevKickPowerRate(int rate)
{
  m_PrevKickPowerRate = static_cast<float>(rate);
}

float CBehaviours::GetPrevKickPowerRate() const
{
  return m_PrevKickPowerRate;
}

// Mutex and condition calls report a failure with the cycle and go on.
void CBehaviours::Report(int status, const char *text) const
{
  if (status != 0)
    std::cerr << GetTime() << " ERROR: CBehaviours: " << text << std::endl;
}

void CBehaviours::Lock()
{
  Report(pthread_mutex_lock(&m_Mutex), "Lock: Locking error...");
}

void CBehaviours::Unlock()
{
  Report(pthread_mutex_unlock(&m_Mutex), "Unlock: Unlocking error...");
}

void CBehaviours::Signal()
{
  Report(pthread_cond_signal(&m_Cond), "Signal: Signaling error...");
}

void CBehaviours::NewVisualLock() const
{
  Report(pthread_mutex_lock(&m_NewVisualMutex), "NewVisualLock: Locking error...");
}

void CBehaviours::NewVisualUnlock() const
{
  Report(pthread_mutex_unlock(&m_NewVisualMutex),
         "NewVisualUnlock: Unlocking error...");
}

void CBehaviours::NewVisualSignal() const
{
  Report(pthread_cond_signal(&m_NewVisualCond),
         "NewVisualSignal: Signaling error...");
}

void CBehaviours::NewActionLock() const
{
  Report(pthread_mutex_lock(&m_NewActionMutex), "NewActionLock: Locking error...");
}

void CBehaviours::NewActionUnlock() const
{
  Report(pthread_mutex_unlock(&m_NewActionMutex),
         "NewActionUnlock: Unlocking error...");
}

void CBehaviours::NewActionSignal() const
{
  Report(pthread_cond_signal(&m_NewActionCond),
         "NewActionSignal: Signaling error...");
}

char *CBehaviours::GetActionBuffer()
{
  return m_ActionBuffer;
}

void CBehaviours::SetActionBuffer(const char *text)
{
  // Bounded one short of the buffer so that the text always ends.
  std::strncpy(m_ActionBuffer, text, ACTION_BUFFER_LENGTH - 1);
  m_ActionBuffer[ACTION_BUFFER_LENGTH - 1] = '\0';
}

Role CBehaviours::GetRole() const
{
  return m_Role;
}

bool CBehaviours::GetThinkingInProgress() const
{
  return m_ThinkingInProgress;
}

void CBehaviours::SetThinkingInProgress(bool thinking)
{
  m_ThinkingInProgress = thinking;
}

int CBehaviours::GetScoreDiff() const
{
  return m_ScoreDiff;
}

void CBehaviours::SetScoreDiff(int diff)
{
  m_ScoreDiff = diff;
}

void CBehaviours::StorePMFromAudio(PlayMode heard)
{
  LockPlayMode();
  const PlayMode stored = P2BReadPlayMode(true);
  const int since = P2BReadPlayModeTime(true);
  // A team-mate's word ends a set play only once the referee's own call is
  // a few cycles old, so that a stale message cannot undo a fresh call.
  if (stored != PM_PLAY_ON && heard == PM_PLAY_ON && GetTime() - since >= 3)
  {
    char text[] = "play_on";
    S2PWritePlayMode(text);
  }
  UnlockPlayMode();
}

int CBehaviours::GetKickSent() const
{
  return m_KickSent;
}

void CBehaviours::SetKickSent(int count)
{
  m_KickSent = count;
}

int CBehaviours::GetDashSent() const
{
  return m_DashSent;
}

void CBehaviours::SetDashSent(int count)
{
  m_DashSent = count;
}

int CBehaviours::GetTurnSent() const
{
  return m_TurnSent;
}

void CBehaviours::SetTurnSent(int count)
{
  m_TurnSent = count;
}

int CBehaviours::GetSaySent() const
{
  return m_SaySent;
}

void CBehaviours::SetSaySent(int count)
{
  m_SaySent = count;
}

int CBehaviours::GetTurnNeckSent() const
{
  return m_TurnNeckSent;
}

void CBehaviours::SetTurnNeckSent(int count)
{
  m_TurnNeckSent = count;
}
