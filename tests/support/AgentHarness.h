#ifndef AGENTHARNESS_H
#define AGENTHARNESS_H

#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CActuators.h"
#include "CAgent.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CSensors.h"
#include "MCDictIniSafe.h"

// What the recording modules saw, in order, from every thread.
class CallLog
{
public:
  void Add(const std::string &call);
  void Clear();
  std::vector<std::string> Calls() const;
  // The calls that begin with the prefix, in order.
  std::vector<std::string> Matching(const std::string &prefix) const;

private:
  mutable std::mutex m_Mutex;
  std::vector<std::string> m_Calls;
};

CallLog &Calls();

// Logs "who.name arg arg ...".
template <typename... T>
void Record(const char *who, const char *name, const T &...args)
{
  std::ostringstream out;
  out << who << '.' << name;
  ((out << ' ' << std::boolalpha << args), ...);
  Calls().Add(out.str());
}

// A world model that logs the operations whose order or count the tests
// check, then does what the real one does.
class RecMemory : public CMemory
{
public:
  explicit RecMemory(CMediator *mediator);

  void SetTime(int a) override;
  void Lock() override;
  void Unlock() override;
  void DeletePlayerArrays() override;
  void Update4Action(const char *a) override;
  void Update4NewCycle() override;
  void UpdateRelatives() override;
  void UpdateGlobals() override;
  void PositionBasedVelocityEstimation4Ball() override;
  void ForgetPastKick(int a) override;
};

// A brain that logs the operations whose order the tests check, then does
// what the real one does.
class RecBrain : public CBehaviours
{
public:
  explicit RecBrain(CMediator *mediator);

  void SetHaveVisualForThisAngle(bool a) override;
  void SetIsNewAction(int a) override;
  void SetIsNewVisual(int a) override;
  void NewVisualLock() const override;
  void NewVisualUnlock() const override;
  void NewActionLock() const override;
  void NewActionUnlock() const override;
  void NewActionSignal() const override;
  void Localise() override;
  void SetLastCollisionTime(int a) override;
  // As the gate notes a kick let through on the contested reckoning and
  // the bundle then sends it, in cycle `time`.
  void SendContestedKick(int time);
};

// A sense_body at rest: full stamina and effort, the view normal and high.
sensebody RestedBody();

// An agent built around the recording world model and brain and the real
// sensors, actuators and play mode.
class RecordingAgent : public CAgent
{
public:
  explicit RecordingAgent(MCDictIniSafe &config);

  RecBrain *const brain;
  RecMemory *const memory;
  CSensors *const sensors;
  CActuators *const actuators;
  CPlayMode *const playmode;
};

// Builds a recording agent for each test with the console lines of its
// construction and destruction kept out of the test output.
class AgentFixture : public ::testing::Test
{
protected:
  void SetUp() override;
  void TearDown() override;
  // Lets a test's fixture change the configuration the agent is built from.
  virtual void Configure(MCDictIniSafe &) {}

  MCDictIniSafe config;
  std::unique_ptr<RecordingAgent> agent;
};

#endif
