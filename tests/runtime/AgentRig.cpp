#include "AgentRig.h"

#include <new>

namespace {

// The maker is a plain function, so the modules it made come back this way;
// agents are built one at a time.
CModuleSet g_Made;

CModuleSet MakeModules(CMediator *mediator)
{
  g_Made.brain = new (std::nothrow) TestBrain(mediator);
  g_Made.memory = new (std::nothrow) CMemory(mediator);
  g_Made.sensors = new (std::nothrow) CSensors(mediator);
  g_Made.actuators = new (std::nothrow) CActuators(mediator);
  g_Made.playmode = new (std::nothrow) CPlayMode(mediator);
  return g_Made;
}

}  // namespace

TestAgent::TestAgent(MCDictIniSafe &config)
    : CAgent(config, MakeModules),
      m_Modules{static_cast<TestBrain *>(g_Made.brain), g_Made.actuators, g_Made.sensors, g_Made.playmode}
{
  SetTName("TestTeam");
}

TestAgent::~TestAgent()
{
  StopActuators();
}

void TestAgent::Connect(uint16_t port)
{
  struct socket link = InitConnection("127.0.0.1", port);
  SetSSocket(link);
  SetASocket(link);
}

void TestAgent::StartActuators()
{
  CActuators *actuators = Actuators();
  m_Actuators = std::thread([actuators] { actuators->ActuatorThread(); });
}

void TestAgent::StopActuators()
{
  if (m_Actuators.joinable()) {
    SetStatus(0);
    Actuators()->StopThread();
    m_Actuators.join();
  }
}

AgentOnServer::AgentOnServer() : agent(config)
{
  server.Start();
  agent.Connect(server.RequestPort());
}

std::vector<std::string> Texts(const std::vector<ScriptedServer::Datagram> &got)
{
  std::vector<std::string> texts;
  for (const auto &d : got)
    if (!d.payload.empty())
      texts.push_back(d.payload);
  return texts;
}
