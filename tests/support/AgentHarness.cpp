#include "AgentHarness.h"

#include <cstring>

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

sensebody RestedBody()
{
  sensebody sb;
  std::memset(&sb, 0, sizeof sb);
  std::strcpy(sb.view_width, "normal");
  std::strcpy(sb.view_quality, "high");
  sb.stamina = 3500;
  sb.effort = 1;
  return sb;
}

RecMemory::RecMemory(CMediator *mediator) : CMemory(mediator)
{
}

RecBrain::RecBrain(CMediator *mediator) : CBehaviours(mediator)
{
}

void RecMemory::SetTime(int a)
{
  Record("memory", "SetTime", a);
  CMemory::SetTime(a);
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

void RecBrain::SetIsNewAction(int a)
{
  Record("brain", "SetIsNewAction", a);
  CBehaviours::SetIsNewAction(a);
}

void RecBrain::SetIsNewVisual(int a)
{
  Record("brain", "SetIsNewVisual", a);
  CBehaviours::SetIsNewVisual(a);
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

void RecBrain::Localise()
{
  Record("brain", "Localise");
  CBehaviours::Localise();
}

void RecBrain::SetLastCollisionTime(int a)
{
  Record("brain", "SetLastCollisionTime", a);
  CBehaviours::SetLastCollisionTime(a);
}

void RecBrain::SendContestedKick(int time)
{
  m_TouchGate.NoteContestedLet(time);
  m_TouchGate.NoteKickSent(time, 0);
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
