#ifndef AGENTRIG_H
#define AGENTRIG_H

// A real agent whose modules a test can reach, linked to a scripted server.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "CActuators.h"
#include "CAgent.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CSensors.h"
#include "MCDictIniSafe.h"
#include "ScriptedServer.h"

// The brain, with its wait for each command's transmission adjustable, and
// reads of its neck-turn count that can be slowed down to widen any window
// between reading and raising it.
class TestBrain : public CBehaviours
{
public:
  using CBehaviours::CBehaviours;
  void SetPolWait(int ms) { m_MaxSimPolWait = ms; }
  void SlowCountReads(bool slow) { m_SlowCountReads = slow; }
  int GetTurnNeckSent() const override
  {
    const int count = CBehaviours::GetTurnNeckSent();
    if (m_SlowCountReads)
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    return count;
  }

private:
  std::atomic<bool> m_SlowCountReads{false};
};

class TestAgent : public CAgent
{
public:
  explicit TestAgent(MCDictIniSafe &config);
  ~TestAgent() override;

  TestBrain *Brain() const { return m_Modules.brain; }
  CActuators *Actuators() const { return m_Modules.actuators; }
  CSensors *Sensors() const { return m_Modules.sensors; }
  CPlayMode *PlayMode() const { return m_Modules.playmode; }

  // Opens the link to 127.0.0.1:port and gives it to both modules, as the
  // start-up does.
  void Connect(uint16_t port);
  // The actuators' thread, as the main loop runs it; stopped by the status
  // dropping to 0 (and joined) at the latest by the destructor.
  void StartActuators();
  void StopActuators();

private:
  struct Modules
  {
    TestBrain *brain;
    CActuators *actuators;
    CSensors *sensors;
    CPlayMode *playmode;
  } m_Modules;
  std::thread m_Actuators;
};

// An agent linked to a running scripted server, which records what it sends.
class AgentOnServer : public testing::Test
{
protected:
  AgentOnServer();

  ScriptedServer server;
  MCDictIniSafe config;
  TestAgent agent;
};

// The datagrams' texts, without the empty ones the idle actuators send.
std::vector<std::string> Texts(const std::vector<ScriptedServer::Datagram> &got);

#endif
