#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "AgentHarness.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
// The calls that change something: reads of the clock are left out.
std::vector<std::string> Effects()
{
  std::vector<std::string> effects;
  for (const std::string &call : Calls().Calls())
    if (call != "memory.GetTime" && call != "memory.GetNewTime")
      effects.push_back(call);
  return effects;
}

const std::string kMalfunction =
    " ERROR: CAgent: ModuleChanged: Critical Malfunction !!! Action count reached maximal count...\n";

class ModuleChangedTest : public AgentFixture
{
protected:
  // No actuators thread empties the send buffer here: the actuators give a
  // command still waiting only a millisecond before they drop it.
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("Timing", "max_sim_step_wait", 1);
  }

  // What the brain does to hand a command on.
  void Send(const char *command)
  {
    agent->brain->SetActionBuffer(command);
    agent->brain->Changed();
  }

  std::vector<std::string> Log() const
  {
    std::vector<std::string> log;
    for (int i = 0; i < agent->GetActionCount(); i++)
      log.push_back(agent->GetLastAction(i));
    return log;
  }

  // Sends ten commands in one cycle and returns the agent's error lines.
  std::string SendTen(int time)
  {
    agent->memory->SetTime(time);
    CaptureStderr();
    for (int i = 0; i < 10; i++)
      Send(("(dash " + std::to_string(i) + ")\n").c_str());
    return AgentLines(GetCapturedStderr());
  }

  // The actuators report each command they drop; only the agent's own lines
  // matter to these tests.
  static std::string AgentLines(const std::string &errors)
  {
    std::istringstream in(errors);
    std::string line;
    std::string kept;
    while (std::getline(in, line))
      if (line.find(" CAgent: ") != std::string::npos)
        kept += line + "\n";
    return kept;
  }
};
}

TEST_F(ModuleChangedTest, ABrainCommandIsLoggedAndSentAtOnceWithNobodyToWaitFor)
{
  agent->memory->SetTime(5);
  Calls().Clear();
  CaptureStderr();
  Send("(dash 50.00)\n");
  // This agent has no link: the send fails, which shows it was tried here.
  const std::string err = GetCapturedStderr();

  EXPECT_EQ(Log(), std::vector<std::string>{"(dash 50.00)\n"});
  EXPECT_NE(std::string::npos, err.find("---> SendBuffer is :(dash 50.00)\n:")) << err;
  EXPECT_STREQ(agent->actuators->GetSendBuffer(), "");
  EXPECT_STREQ(agent->brain->GetActionBuffer(), "");
  // Nothing is left for the brain to wait on.
  EXPECT_EQ(agent->brain->GetIsNewAction(), 0);
  EXPECT_TRUE(Calls().Matching("brain.SetIsNewAction").empty());
}

TEST_F(ModuleChangedTest, TheTenthCommandOfACycleOverwritesTheLastEntryAndIsReported)
{
  const std::string errors = SendTen(5);
  EXPECT_EQ(errors, "5" + kMalfunction);
  EXPECT_EQ(agent->GetActionCount(), 9);
  for (int i = 0; i < 9; i++)
    EXPECT_EQ(std::string(agent->GetLastAction(i)), "(dash " + std::to_string(i) + ")\n");
  EXPECT_STREQ(agent->GetLastAction(9), "(dash 9)\n");

  CaptureStderr();
  Send("(turn 1)\n");
  EXPECT_EQ(AgentLines(GetCapturedStderr()), "5" + kMalfunction);
  EXPECT_STREQ(agent->GetLastAction(9), "(turn 1)\n");
  EXPECT_EQ(agent->GetActionCount(), 9);

  // The uncounted last entry is not replayed when the next cycle starts.
  Calls().Clear();
  agent->memory->SetNewTime(6);
  agent->sensors->Changed();
  const std::vector<std::string> replayed = Calls().Matching("memory.Update4Action");
  ASSERT_EQ(replayed.size(), 9u);
  EXPECT_EQ(replayed.back(), "memory.Update4Action (dash 8)\n");
}

TEST_F(ModuleChangedTest, ANewerTimeStartsACycleThatReplaysTheLogInOrder)
{
  agent->memory->SetTime(5);
  Send("(turn 30.00)\n");
  Send("(dash 80.00)\n");
  Send("(turn_neck 10.00)\n");
  agent->memory->SetNewTime(6);
  Calls().Clear();
  agent->sensors->Changed();

  EXPECT_EQ(agent->memory->GetTime(), 6);
  EXPECT_EQ(Effects(),
            (std::vector<std::string>{
                "memory.SetTime 6",
                "brain.NewVisualLock", "brain.SetIsNewVisual 0", "brain.NewVisualUnlock",
                // A turn of body or neck makes the last visual one of
                // another direction.
                "memory.Update4Action (turn 30.00)\n", "brain.SetHaveVisualForThisAngle false",
                "memory.Update4Action (dash 80.00)\n",
                "memory.Update4Action (turn_neck 10.00)\n", "brain.SetHaveVisualForThisAngle false",
                "memory.Update4NewCycle",
                "memory.UpdateRelatives"}));
  EXPECT_EQ(agent->GetActionCount(), 0);
  for (int i = 0; i < CAgent::MAX_ACTIONS; i++)
    EXPECT_STREQ(agent->GetLastAction(i), "");
  EXPECT_EQ(agent->GetIsNewCycle(), 1);
}

TEST_F(ModuleChangedTest, ASentCommandReleasesTheBrain)
{
  agent->brain->SetIsNewAction(1);
  Calls().Clear();
  agent->actuators->Changed();
  EXPECT_EQ(Effects(),
            (std::vector<std::string>{"brain.NewActionLock", "brain.SetIsNewAction 0",
                                      "brain.NewActionSignal", "brain.NewActionUnlock"}));
  EXPECT_EQ(agent->brain->GetIsNewAction(), 0);
}

namespace
{
class TransmissionTest : public ModuleChangedTest
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    ModuleChangedTest::Configure(config);
    config.insert("Timing", "max_sim_pol_wait", 5000);
  }
};
}

// The brain's wait for a transmission ends as soon as the actuators report
// it, long before its deadline.
TEST_F(TransmissionTest, TheActuatorsReportWakesTheBrainsWait)
{
  Send("(dash 80.00)\n");
  const auto start = std::chrono::steady_clock::now();
  std::thread actuators([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    agent->actuators->Lock();
    agent->actuators->Changed();
    agent->actuators->Unlock();
  });
  EXPECT_EQ(agent->brain->Wait4NewAction2Exec(), 1);
  actuators.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
}

// After a goal for either side both teams replace their players, so a full
// log is expected then.
TEST_F(ModuleChangedTest, ManyCommandsAfterAGoalAreNotAMalfunction)
{
  agent->SetSide('l');
  for (const char *call : {"goal_l_1", "goal_r_1"})
  {
    agent->playmode->SetPlayMode(call);
    agent->SetActionCount(0);
    EXPECT_EQ(SendTen(77), "") << call;
  }
  agent->playmode->SetPlayMode("play_on");
  agent->SetActionCount(0);
  EXPECT_EQ(SendTen(77), "77" + kMalfunction);
}
