#include "AgentHarness.h"

#include "CBall.h"
#include "CPlayer.h"

void CallLog::Add(const std::string &call)
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Calls.push_back(call);
}

void CallLog::Clear()
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  m_Calls.clear();
}

std::vector<std::string> CallLog::Calls() const
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_Calls;
}

std::vector<std::string> CallLog::Matching(const std::string &prefix) const
{
  std::vector<std::string> found;
  for (const std::string &call : Calls())
    if (call.compare(0, prefix.size(), prefix) == 0)
      found.push_back(call);
  return found;
}

CallLog &Calls()
{
  static CallLog log;
  return log;
}

void Describe(std::ostream &out, int value)
{
  out << value;
}

void Describe(std::ostream &out, float value)
{
  out << value;
}

void Describe(std::ostream &out, char value)
{
  out << value;
}

void Describe(std::ostream &out, bool value)
{
  out << (value ? "true" : "false");
}

void Describe(std::ostream &out, const char *value)
{
  out << (value ? value : "(null)");
}

void Describe(std::ostream &out, const CVector &value)
{
  out << '(' << value.GetX() << ',' << value.GetY() << ')';
}

void Describe(std::ostream &out, const sensebody &value)
{
  out << "sb@" << value.time;
}

void Describe(std::ostream &out, const CBall &)
{
  out << "ball";
}

void Describe(std::ostream &out, const CPlayer &)
{
  out << "player";
}

void Describe(std::ostream &out, const BasePlayerCompare &)
{
  out << "compare";
}

void Describe(std::ostream &out, const sorted_players &)
{
  out << "list";
}

RecMemory::RecMemory(CMediator *mediator) : CMemory(mediator)
{
}

RecBrain::RecBrain(CMediator *mediator) : CBehaviours(mediator)
{
}

void RecMemory::StorePlayers()
{
  Record("memory", "StorePlayers");
  CMemory::StorePlayers();
}

void RecMemory::RemoveGhosts()
{
  Record("memory", "RemoveGhosts");
  CMemory::RemoveGhosts();
}

void RecMemory::EraseMemory()
{
  Record("memory", "EraseMemory");
  CMemory::EraseMemory();
}

void RecMemory::SetTime(int a)
{
  Record("memory", "SetTime", a);
  CMemory::SetTime(a);
}

int RecMemory::GetTime() const
{
  Record("memory", "GetTime");
  return CMemory::GetTime();
}

void RecMemory::SetNewTime(int a)
{
  Record("memory", "SetNewTime", a);
  CMemory::SetNewTime(a);
}

int RecMemory::GetNewTime() const
{
  Record("memory", "GetNewTime");
  return CMemory::GetNewTime();
}

int RecMemory::GetPreviousVisualTime() const
{
  Record("memory", "GetPreviousVisualTime");
  return CMemory::GetPreviousVisualTime();
}

void RecMemory::SetLastVisualInterval(int a)
{
  Record("memory", "SetLastVisualInterval", a);
  CMemory::SetLastVisualInterval(a);
}

int RecMemory::GetLastVisualInterval() const
{
  Record("memory", "GetLastVisualInterval");
  return CMemory::GetLastVisualInterval();
}

void RecMemory::SetLastVisualTime(int a)
{
  Record("memory", "SetLastVisualTime", a);
  CMemory::SetLastVisualTime(a);
}

int RecMemory::GetLastVisualTime() const
{
  Record("memory", "GetLastVisualTime");
  return CMemory::GetLastVisualTime();
}

void RecMemory::SetGPos(CVector a)
{
  Record("memory", "SetGPos", a);
  CMemory::SetGPos(a);
}

CVector RecMemory::GetGPos() const
{
  Record("memory", "GetGPos");
  return CMemory::GetGPos();
}

void RecMemory::SetFacing(float a)
{
  Record("memory", "SetFacing", a);
  CMemory::SetFacing(a);
}

float RecMemory::GetFacing() const
{
  Record("memory", "GetFacing");
  return CMemory::GetFacing();
}

void RecMemory::SetBFacing(float a)
{
  Record("memory", "SetBFacing", a);
  CMemory::SetBFacing(a);
}

float RecMemory::GetBFacing() const
{
  Record("memory", "GetBFacing");
  return CMemory::GetBFacing();
}

void RecMemory::SetSB(sensebody a)
{
  Record("memory", "SetSB", a);
  CMemory::SetSB(a);
}

sensebody RecMemory::GetSB() const
{
  Record("memory", "GetSB");
  return CMemory::GetSB();
}

float RecMemory::GetViewAngle() const
{
  Record("memory", "GetViewAngle");
  return CMemory::GetViewAngle();
}

void RecMemory::SetVelocity(CVector a)
{
  Record("memory", "SetVelocity", a);
  CMemory::SetVelocity(a);
}

CVector RecMemory::GetVelocity() const
{
  Record("memory", "GetVelocity");
  return CMemory::GetVelocity();
}

void RecMemory::SetGPosCorr(CVector a)
{
  Record("memory", "SetGPosCorr", a);
  CMemory::SetGPosCorr(a);
}

CVector RecMemory::GetGPosCorr() const
{
  Record("memory", "GetGPosCorr");
  return CMemory::GetGPosCorr();
}

void RecMemory::SetGPosCorrTime(int a)
{
  Record("memory", "SetGPosCorrTime", a);
  CMemory::SetGPosCorrTime(a);
}

int RecMemory::GetGPosCorrTime() const
{
  Record("memory", "GetGPosCorrTime");
  return CMemory::GetGPosCorrTime();
}

void RecMemory::SetPastKick(CVector a, int b)
{
  Record("memory", "SetPastKick", a, b);
  CMemory::SetPastKick(a, b);
}

void RecMemory::SetPassReceiver(int a)
{
  Record("memory", "SetPassReceiver", a);
  CMemory::SetPassReceiver(a);
}

int RecMemory::GetPassReceiver() const
{
  Record("memory", "GetPassReceiver");
  return CMemory::GetPassReceiver();
}

bool RecMemory::AmIThePassReceiver() const
{
  Record("memory", "AmIThePassReceiver");
  return CMemory::AmIThePassReceiver();
}

void RecMemory::SetPassReceiverTime(int a)
{
  Record("memory", "SetPassReceiverTime", a);
  CMemory::SetPassReceiverTime(a);
}

int RecMemory::GetPassReceiverTime() const
{
  Record("memory", "GetPassReceiverTime");
  return CMemory::GetPassReceiverTime();
}

void RecMemory::SetNextSpeaker(int a)
{
  Record("memory", "SetNextSpeaker", a);
  CMemory::SetNextSpeaker(a);
}

int RecMemory::GetNextSpeaker() const
{
  Record("memory", "GetNextSpeaker");
  return CMemory::GetNextSpeaker();
}

void RecMemory::SetNextSpeakerTime(int a)
{
  Record("memory", "SetNextSpeakerTime", a);
  CMemory::SetNextSpeakerTime(a);
}

int RecMemory::GetNextSpeakerTime() const
{
  Record("memory", "GetNextSpeakerTime");
  return CMemory::GetNextSpeakerTime();
}

CPlayer *RecMemory::GetAValidFriend(int a) const
{
  Record("memory", "GetAValidFriend", a);
  return CMemory::GetAValidFriend(a);
}

CPlayer *RecMemory::GetAValidFoe(int a) const
{
  Record("memory", "GetAValidFoe", a);
  return CMemory::GetAValidFoe(a);
}

CPlayer *RecMemory::GetClosestValidFriend2Point(int a, CVector b) const
{
  Record("memory", "GetClosestValidFriend2Point", a, b);
  return CMemory::GetClosestValidFriend2Point(a, b);
}

CPlayer *RecMemory::GetClosestValidFoe2Point(int a, CVector b) const
{
  Record("memory", "GetClosestValidFoe2Point", a, b);
  return CMemory::GetClosestValidFoe2Point(a, b);
}

CPlayer *RecMemory::GetClosestValidFriend2Me(int a) const
{
  Record("memory", "GetClosestValidFriend2Me", a);
  return CMemory::GetClosestValidFriend2Me(a);
}

CPlayer *RecMemory::GetClosestValidFoe2Me(int a) const
{
  Record("memory", "GetClosestValidFoe2Me", a);
  return CMemory::GetClosestValidFoe2Me(a);
}

CPlayer *RecMemory::GetClosestValidFriend2Ball(int a) const
{
  Record("memory", "GetClosestValidFriend2Ball", a);
  return CMemory::GetClosestValidFriend2Ball(a);
}

CPlayer *RecMemory::GetClosestValidFoe2Ball(int a) const
{
  Record("memory", "GetClosestValidFoe2Ball", a);
  return CMemory::GetClosestValidFoe2Ball(a);
}

CPlayer *RecMemory::GetClosestValidTeamless2Me(int a) const
{
  Record("memory", "GetClosestValidTeamless2Me", a);
  return CMemory::GetClosestValidTeamless2Me(a);
}

void RecMemory::SetLastCollisionTime(int a)
{
  Record("memory", "SetLastCollisionTime", a);
  CMemory::SetLastCollisionTime(a);
}

void RecMemory::DoSortyThing(int a, BasePlayerCompare &b, sorted_players &c)
{
  Record("memory", "DoSortyThing", a, b, c);
  CMemory::DoSortyThing(a, b, c);
}

void RecMemory::SortValidFriends2Me(sorted_players &a)
{
  Record("memory", "SortValidFriends2Me", a);
  CMemory::SortValidFriends2Me(a);
}

void RecMemory::SortValidFriends2Ball(sorted_players &a)
{
  Record("memory", "SortValidFriends2Ball", a);
  CMemory::SortValidFriends2Ball(a);
}

void RecMemory::SortValidFoes2Me(sorted_players &a)
{
  Record("memory", "SortValidFoes2Me", a);
  CMemory::SortValidFoes2Me(a);
}

void RecMemory::SortValidFoes2Ball(sorted_players &a)
{
  Record("memory", "SortValidFoes2Ball", a);
  CMemory::SortValidFoes2Ball(a);
}

CPlayer *RecMemory::GetPlayerWithin(float a, float b, float c, float d) const
{
  Record("memory", "GetPlayerWithin", a, b, c, d);
  return CMemory::GetPlayerWithin(a, b, c, d);
}

float RecMemory::GetOffsideLine() const
{
  Record("memory", "GetOffsideLine");
  return CMemory::GetOffsideLine();
}

float RecMemory::GetOurOffsideLine() const
{
  Record("memory", "GetOurOffsideLine");
  return CMemory::GetOurOffsideLine();
}

int RecMemory::NumFoesInCone(float a, CVector b, CVector c) const
{
  Record("memory", "NumFoesInCone", a, b, c);
  return CMemory::NumFoesInCone(a, b, c);
}

int RecMemory::NumFriendsInCone(float a, CVector b, CVector c, bool d) const
{
  Record("memory", "NumFriendsInCone", a, b, c, d);
  return CMemory::NumFriendsInCone(a, b, c, d);
}

int RecMemory::NumPlayersInCone(float a, CVector b, CVector c) const
{
  Record("memory", "NumPlayersInCone", a, b, c);
  return CMemory::NumPlayersInCone(a, b, c);
}

CPlayer *RecMemory::OurGoalie()
{
  Record("memory", "OurGoalie");
  return CMemory::OurGoalie();
}

CPlayer *RecMemory::TheirGoalie()
{
  Record("memory", "TheirGoalie");
  return CMemory::TheirGoalie();
}

void RecMemory::StoreBallFromAudio(CBall a) const
{
  Record("memory", "StoreBallFromAudio", a);
  CMemory::StoreBallFromAudio(a);
}

void RecMemory::StorePlayerFromAudio(CPlayer a) const
{
  Record("memory", "StorePlayerFromAudio", a);
  CMemory::StorePlayerFromAudio(a);
}

void RecMemory::StorePassFromAudio(int a, int b, CVector c) const
{
  Record("memory", "StorePassFromAudio", a, b, c);
  CMemory::StorePassFromAudio(a, b, c);
}

void RecMemory::Lock()
{
  Record("memory", "Lock");
  CMemory::Lock();
}

void RecMemory::Unlock()
{
  Record("memory", "Unlock");
  CMemory::Unlock();
}

void RecMemory::DeletePlayerArrays()
{
  Record("memory", "DeletePlayerArrays");
  CMemory::DeletePlayerArrays();
}

void RecMemory::SetPlayer(int a, int b, char c, float d, float e, float f, float g, float h, float i, bool j)
{
  Record("memory", "SetPlayer", a, b, c, d, e, f, g, h, i, j);
  CMemory::SetPlayer(a, b, c, d, e, f, g, h, i, j);
}

void RecMemory::SetGoal(int a, char b, float c, float d)
{
  Record("memory", "SetGoal", a, b, c, d);
  CMemory::SetGoal(a, b, c, d);
}

void RecMemory::SetBall(int a, float b, float c, float d, float e, int f)
{
  Record("memory", "SetBall", a, b, c, d, e, f);
  CMemory::SetBall(a, b, c, d, e, f);
}

void RecMemory::SetFlag(int a, int b, float c, float d, float e, float f)
{
  Record("memory", "SetFlag", a, b, c, d, e, f);
  CMemory::SetFlag(a, b, c, d, e, f);
}

void RecMemory::SetLine(int a, char b, float c, float d)
{
  Record("memory", "SetLine", a, b, c, d);
  CMemory::SetLine(a, b, c, d);
}

const CGoal *RecMemory::GetGoal(char a) const
{
  Record("memory", "GetGoal", a);
  return CMemory::GetGoal(a);
}

CGoal *RecMemory::GetNonConstGoal(char a)
{
  Record("memory", "GetNonConstGoal", a);
  return CMemory::GetNonConstGoal(a);
}

const CBall *RecMemory::GetBall() const
{
  Record("memory", "GetBall");
  return CMemory::GetBall();
}

CBall *RecMemory::GetNonConstBall()
{
  Record("memory", "GetNonConstBall");
  return CMemory::GetNonConstBall();
}

const CFlag *RecMemory::GetFlag(int a) const
{
  Record("memory", "GetFlag", a);
  return CMemory::GetFlag(a);
}

const CLine *RecMemory::GetLine(char a) const
{
  Record("memory", "GetLine", a);
  return CMemory::GetLine(a);
}

void RecMemory::Update4Action(const char *a)
{
  Record("memory", "Update4Action", a);
  CMemory::Update4Action(a);
}

void RecMemory::Update4NewCycle()
{
  Record("memory", "Update4NewCycle");
  CMemory::Update4NewCycle();
}

void RecMemory::UpdateRelatives()
{
  Record("memory", "UpdateRelatives");
  CMemory::UpdateRelatives();
}

void RecMemory::UpdateGlobals()
{
  Record("memory", "UpdateGlobals");
  CMemory::UpdateGlobals();
}

void RecMemory::PositionBasedVelocityEstimation4Ball()
{
  Record("memory", "PositionBasedVelocityEstimation4Ball");
  CMemory::PositionBasedVelocityEstimation4Ball();
}

void RecMemory::ForgetPastKick(int a)
{
  Record("memory", "ForgetPastKick", a);
  CMemory::ForgetPastKick(a);
}

void RecBrain::SetHaveVisualForThisAngle(bool a)
{
  Record("brain", "SetHaveVisualForThisAngle", a);
  CBehaviours::SetHaveVisualForThisAngle(a);
}

void RecBrain::SendQueuedScans()
{
  Record("brain", "SendQueuedScans");
  CBehaviours::SendQueuedScans();
}

void RecBrain::SetIsNewAction(int a)
{
  Record("brain", "SetIsNewAction", a);
  CBehaviours::SetIsNewAction(a);
}

int RecBrain::GetIsNewAction() const
{
  Record("brain", "GetIsNewAction");
  return CBehaviours::GetIsNewAction();
}

void RecBrain::SetIsNewVisual(int a)
{
  Record("brain", "SetIsNewVisual", a);
  CBehaviours::SetIsNewVisual(a);
}

void RecBrain::SetLastCollisionTime(int a)
{
  Record("brain", "SetLastCollisionTime", a);
  CBehaviours::SetLastCollisionTime(a);
}

void RecBrain::SetPrevKickPowerRate(int a)
{
  Record("brain", "SetPrevKickPowerRate", a);
  CBehaviours::SetPrevKickPowerRate(a);
}

float RecBrain::GetPrevKickPowerRate() const
{
  Record("brain", "GetPrevKickPowerRate");
  return CBehaviours::GetPrevKickPowerRate();
}

void RecBrain::NewVisualLock() const
{
  Record("brain", "NewVisualLock");
  CBehaviours::NewVisualLock();
}

void RecBrain::NewVisualUnlock() const
{
  Record("brain", "NewVisualUnlock");
  CBehaviours::NewVisualUnlock();
}

int RecBrain::GetIsNewVisual() const
{
  Record("brain", "GetIsNewVisual");
  return CBehaviours::GetIsNewVisual();
}

void RecBrain::ParseMessage(char *a) const
{
  Record("brain", "ParseMessage", a);
  CBehaviours::ParseMessage(a);
}

void RecBrain::NewVisualSignal() const
{
  Record("brain", "NewVisualSignal");
  CBehaviours::NewVisualSignal();
}

void RecBrain::NewActionLock() const
{
  Record("brain", "NewActionLock");
  CBehaviours::NewActionLock();
}

void RecBrain::NewActionUnlock() const
{
  Record("brain", "NewActionUnlock");
  CBehaviours::NewActionUnlock();
}

void RecBrain::NewActionSignal() const
{
  Record("brain", "NewActionSignal");
  CBehaviours::NewActionSignal();
}

int RecBrain::GetScoreDiff() const
{
  Record("brain", "GetScoreDiff");
  return CBehaviours::GetScoreDiff();
}

void RecBrain::SetScoreDiff(int a)
{
  Record("brain", "SetScoreDiff", a);
  CBehaviours::SetScoreDiff(a);
}

void RecBrain::Localise()
{
  Record("brain", "Localise");
  CBehaviours::Localise();
}

int RecBrain::GetKickSent() const
{
  Record("brain", "GetKickSent");
  return CBehaviours::GetKickSent();
}

void RecBrain::SetKickSent(int a)
{
  Record("brain", "SetKickSent", a);
  CBehaviours::SetKickSent(a);
}

int RecBrain::GetDashSent() const
{
  Record("brain", "GetDashSent");
  return CBehaviours::GetDashSent();
}

void RecBrain::SetDashSent(int a)
{
  Record("brain", "SetDashSent", a);
  CBehaviours::SetDashSent(a);
}

int RecBrain::GetTurnSent() const
{
  Record("brain", "GetTurnSent");
  return CBehaviours::GetTurnSent();
}

void RecBrain::SetTurnSent(int a)
{
  Record("brain", "SetTurnSent", a);
  CBehaviours::SetTurnSent(a);
}

int RecBrain::GetSaySent() const
{
  Record("brain", "GetSaySent");
  return CBehaviours::GetSaySent();
}

void RecBrain::SetSaySent(int a)
{
  Record("brain", "SetSaySent", a);
  CBehaviours::SetSaySent(a);
}

int RecBrain::GetTurnNeckSent() const
{
  Record("brain", "GetTurnNeckSent");
  return CBehaviours::GetTurnNeckSent();
}

void RecBrain::SetTurnNeckSent(int a)
{
  Record("brain", "SetTurnNeckSent", a);
  CBehaviours::SetTurnNeckSent(a);
}
namespace
{
CModuleSet g_Made;

CModuleSet MakeRecording(CMediator *mediator)
{
  Calls().Clear();
  // In the agent's own order of creation.
  g_Made = {new RecBrain(mediator), new RecMemory(mediator), new CSensors(mediator),
            new CActuators(mediator), new CPlayMode(mediator)};
  return g_Made;
}
}

RecordingAgent::RecordingAgent(MCDictIniSafe &config)
  : CAgent(config, MakeRecording), brain(static_cast<RecBrain *>(g_Made.brain)),
    memory(static_cast<RecMemory *>(g_Made.memory)), sensors(g_Made.sensors),
    actuators(g_Made.actuators), playmode(g_Made.playmode)
{
  Calls().Clear();
}

void AgentFixture::SetUp()
{
  config.setsafe(0);
  Configure(config);
  testing::internal::CaptureStdout();
  agent.reset(new RecordingAgent(config));
  testing::internal::GetCapturedStdout();
}

void AgentFixture::TearDown()
{
  testing::internal::CaptureStdout();
  agent.reset();
  testing::internal::GetCapturedStdout();
}
