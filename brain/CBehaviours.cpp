#include "CBehaviours.h"

#include <cstring>
#include <iostream>

#include "MCAutoLogger.h"
#include "MCDictIniSafe.h"
#include "MCNestedLogger.h"

CBehaviours::CBehaviours(CMediator *mediator)
  : CModule(mediator), m_ThinkingInProgress(false), m_Role(ROLE_NONE), m_IsNewVisual(0),
    m_IsNewAction(0), m_HaveVisualForThisAngle(false), m_ActionBuffer(), m_KickSent(0),
    m_DashSent(0), m_TurnSent(0), m_SaySent(0), m_TurnNeckSent(0), m_PrevKickPowerRate(0),
    m_LastCollisionTime(-999), m_LastActionsSentTime(-999), m_FormationID(0), m_EnvState(ENV_NONE),
    m_ActionState(AS_NONE)
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
  static const int MessagePartSizes[MESSAGE_PARTS] = {30, 16, 4,  14, 13, 10, 10, 6, 4,
                                                      14, 13, 14, 7,  20, 16, 16, 4};
  const char *const done = "[--------------------- Done! ----------------------]";
  std::cout << std::endl
            << "[---- MCIni Behavioural Params from conf files ----]" << std::endl
            << std::endl;
  ReadParameters(&config, BP_STEP_START);
  m_HaveVisualForThisAngle = false;
  ReadParameters(&config, BP_STEP_MEMORY);
  ReadParameters(&config, BP_STEP_BREAKAWAY);
  ReadParameters(&config, BP_STEP_SHOT);
  ReadParameters(&config, BP_STEP_MOVEMENT);
  ReadParameters(&config, BP_STEP_PLAYER);
  m_BlockFoeTime = -999;
  m_OverrunBlocking = false;

  // What the positioning framework reports while it is set up goes to the
  // console through a logger of its own.
  MCAutoLogger startup;
  startup.Limit(220);
  startup.StdLimit(200);
  startup.LevelShift(0);
  MCLog::LogTo(&startup);
  m_Target.ImportConfig(config, "ClearSend");
  m_OffensiveTarget.ImportConfig(config, "OffensiveClearSend");
  ReadParameters(&config, BP_STEP_CLEARSEND);
  m_BeMem.Register(this, config);
  if (ZPPositionerID::SetUpComplete)
    // Another brain of this process set the registry up; its configuration
    // may be gone, so descriptions are read from this one.
    ZPPositionerID::PosReg.RegisterDescriptions(&config, "");
  else
    ZPPositionerID::SetUpRegistry(config);
  m_Positioner = FindPositioner("BEST");
  MCLog::LogTo(nullptr);

  ReadParameters(&config, BP_STEP_KICKING);
  m_LastCollisionTime = -999;
  ReadParameters(&config, BP_STEP_DRIBBLING);
  ReadParameters(&config, BP_STEP_PASSING);
  for (CPlayer &receiver : m_Receivers)
    receiver.Init(-999, 'u', m_PlayerSize, m_PlayerDecay, m_PlayerSpeedMax, m_MobConfThr);
  ReadParameters(&config, BP_STEP_INTERCEPT);
  InitialiseInterception();
  for (int i = 0; i < MESSAGE_PARTS; i++)
    m_MessageParts[i].assign(static_cast<std::size_t>(MessagePartSizes[i]), 0);
  ReadParameters(&config, BP_STEP_COMMUNICATION);
  m_TeamTalk.ResetSpeakers(m_NumOfSpeakers);
  ReadParameters(&config, BP_STEP_FIXPLANS);
  m_CurrentFixPlan = -1;
  m_FixPlanProgress = 0;
  // The plans name positioners: a name that finds none is told the same way.
  MCLog::LogTo(&startup);
  ReadFixPlans(config);
  MCLog::LogTo(nullptr);
  std::cout << std::endl << done << std::endl;

  std::cout << std::endl << "[------ MCIni Goalie Params from conf files -------]" << std::endl;
  ReadParameters(&config, BP_STEP_GOALIE_AREA);
  ReadParameters(&config, BP_STEP_GOALIE);
  std::cout << std::endl << done << std::endl;
}

void CBehaviours::Display() const
{
  std::cout << "m_MaxSimPolWait = " << m_MaxSimPolWait << std::endl
            << "m_MaxSimVisualWait = " << m_MaxSimVisualWait << std::endl
            << "m_ScoreDiff = " << m_ScoreDiff << std::endl
            << "m_FormationID = " << m_FormationID << std::endl
            << "m_PitchLength = " << m_PitchLength << std::endl
            << "m_PitchWidth = " << m_PitchWidth << std::endl
            << "m_PlayerSize = " << m_PlayerSize << std::endl
            << "m_BallSize = " << m_BallSize << std::endl
            << "m_PlayerDecay = " << m_PlayerDecay << std::endl
            << "m_BallDecay = " << m_BallDecay << std::endl
            << "m_PlayerSpeedMax = " << m_PlayerSpeedMax << std::endl
            << "m_BallSpeedMax = " << m_BallSpeedMax << std::endl
            << "m_KickableMargin = " << m_KickableMargin << std::endl
            << "m_Kickable = " << m_Kickable << std::endl
            << "m_FreeKickBuffer = " << m_FreeKickBuffer << std::endl
            << "m_MaxPower = " << m_MaxPower << std::endl
            << "m_MinPower = " << m_MinPower << std::endl
            << "m_MaxMoment = " << m_MaxMoment << std::endl
            << "m_MinMoment = " << m_MinMoment << std::endl
            << "m_MaxNeckMoment = " << m_MaxNeckMoment << std::endl
            << "m_MinNeckMoment = " << m_MinNeckMoment << std::endl
            << "m_MaxNeckAng = " << m_MaxNeckAng << std::endl
            << "m_MinNeckAng = " << m_MinNeckAng << std::endl
            << "m_InertiaMoment = " << m_InertiaMoment << std::endl
            << "m_KickPowerRate = " << m_KickPowerRate << std::endl
            << "m_DashPowerRate = " << m_DashPowerRate << std::endl
            << "m_FeelDistance = " << m_FeelDistance << std::endl
            << "m_DodgeDistBuf = " << m_DodgeDistBuf << std::endl
            << "m_DodgeAngleBuffer = " << m_DodgeAngleBuffer << std::endl
            << "m_DodgeAngle = " << m_DodgeAngle << std::endl
            << "m_DodgePower = " << m_DodgePower << std::endl
            << "m_MinDistToPoint = " << m_MinDistToPoint << std::endl
            << "m_MaxGoToPointAngleErr = " << m_MaxGoToPointAngleErr << std::endl
            << "m_Epsilon = " << m_Epsilon << std::endl
            << "m_StatConfDrop = " << m_StatConfDrop << std::endl
            << "m_StatConfThr = " << m_StatConfThr << std::endl
            << "m_MobConfDrop = " << m_MobConfDrop << std::endl
            << "m_MobConfThr = " << m_MobConfThr << std::endl
            << "m_FieldCRectangle = " << m_FieldCRectangle << std::endl
            << "m_TheirPenaltyArea = " << m_TheirPenaltyArea << std::endl;
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

// The referee's latest call, read under the play-mode lock: it may be
// newer than the one the decision pass began with.
PlayMode CBehaviours::CurrentPlayMode() const
{
  LockPlayMode();
  const PlayMode mode = P2BReadPlayMode(true);
  UnlockPlayMode();
  return mode;
}

namespace
{
// How old the referee's call must be before a team-mate's word that play
// is on counts: a call this fresh is the referee's latest word, and a heard
// play mode may have been said before it.
const int kHeardModeMinCallAge = 3;
}  // namespace

void CBehaviours::StorePMFromAudio(PlayMode heard)
{
  LockPlayMode();
  const PlayMode stored = P2BReadPlayMode(true);
  const int since = P2BReadPlayModeTime(true);
  // A team-mate's word ends a set play only once the referee's own call is
  // a few cycles old, so that a stale message cannot undo a fresh call.
  if (stored != PM_PLAY_ON && heard == PM_PLAY_ON && GetTime() - since >= kHeardModeMinCallAge)
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
