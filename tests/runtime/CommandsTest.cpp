// The brain's basic commands: one datagram each, with its exact bytes.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "AgentRig.h"
#include "ChildProcess.h"
#include "ScriptedServer.h"

namespace {

using Datagrams = std::vector<ScriptedServer::Datagram>;

struct Counts
{
  int kick, dash, turn, say, neck;
  bool operator==(const Counts &o) const
  {
    return kick == o.kick && dash == o.dash && turn == o.turn && say == o.say && neck == o.neck;
  }
};

Counts CountsOf(const CBehaviours *brain)
{
  return {brain->GetKickSent(), brain->GetDashSent(), brain->GetTurnSent(), brain->GetSaySent(),
          brain->GetTurnNeckSent()};
}

}  // namespace

using CommandsTest = AgentOnServer;

TEST_F(CommandsTest, EachCommandIsOneDatagramWithItsExactBytes)
{
  agent.Actuators()->SetMaxSimStepWait(100);
  agent.StartActuators();
  TestBrain *brain = agent.Brain();

  struct Case
  {
    std::function<void()> issue;
    std::string bytes;
    Counts raised;  // which counter goes up
  };
  const std::vector<Case> cases = {
      {[&] { brain->BasicMove(-10, 0); }, "(move -10 0)\n", {0, 0, 0, 0, 0}},
      {[&] { brain->BasicTurn(12.345f); }, "(turn 12.35)\n", {0, 0, 1, 0, 0}},
      {[&] { brain->BasicDash(-1.234f); }, "(dash -1.23)\n", {0, 1, 0, 0, 0}},
      {[&] { brain->BasicKick(100, -45.678f); }, "(kick 100.00 -45.68)\n", {1, 0, 0, 0, 0}},
      {[&] { brain->BasicTurnNeck(-90); }, "(turn_neck -90.00)\n", {0, 0, 0, 0, 1}},
      {[&] { brain->BasicSay("hello"); }, "(say hello)\n", {0, 0, 0, 1, 0}},
      {[&] { brain->BasicChangeView("wide", "high"); }, "(change_view wide high)\n", {0, 0, 0, 0, 0}},
      {[&] { brain->BasicCatch(-33.333f); }, "(catch -33.33)\n", {0, 0, 0, 0, 0}},
  };
  for (size_t i = 0; i < cases.size(); i++) {
    Counts before = CountsOf(brain);
    cases[i].issue();
    ASSERT_TRUE(server.WaitFor([&](const Datagrams &got) { return Texts(got).size() > i; }, 5000))
        << cases[i].bytes;
    Counts after = CountsOf(brain);
    Counts raised = {after.kick - before.kick, after.dash - before.dash, after.turn - before.turn,
                     after.say - before.say, after.neck - before.neck};
    EXPECT_TRUE(raised == cases[i].raised) << cases[i].bytes;
  }
  // Nothing more than one datagram each.
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  agent.StopActuators();
  std::vector<std::string> texts = Texts(server.Received());
  ASSERT_EQ(cases.size(), texts.size());
  for (size_t i = 0; i < cases.size(); i++)
    EXPECT_EQ(cases[i].bytes, texts[i]);
}

TEST_F(CommandsTest, ALongSayIsCutButStillACommand)
{
  agent.StartActuators();
  agent.Brain()->BasicSay(std::string(1000, 'x').c_str());
  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return !Texts(got).empty(); }, 5000));
  std::string said = Texts(server.Received())[0];
  EXPECT_EQ(639u, said.size());
  EXPECT_EQ("(say xxx", said.substr(0, 8));
  EXPECT_EQ("x)\n", said.substr(said.size() - 3));
}

TEST_F(CommandsTest, TwoThreadsSendingOneKindCountEveryCommand)
{
  // The main loop's neck turns and the sensors thread's deferred scans at
  // once; reading the count is slowed so that the two would overlap.
  agent.Brain()->SlowCountReads(true);
  agent.StartActuators();
  const int kEach = 20;
  std::thread scans([this] {
    for (int i = 0; i < kEach; i++)
      agent.Brain()->BasicTurnNeck(30);
  });
  for (int i = 0; i < kEach; i++)
    agent.Brain()->BasicTurnNeck(-30);
  scans.join();
  agent.Brain()->SlowCountReads(false);

  EXPECT_EQ(2 * kEach, agent.Brain()->GetTurnNeckSent());
  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return Texts(got).size() >= 2 * kEach; }, 10000));
}

TEST(FarewellTest, ByeLeavesBeforeTheProcessEnds)
{
  ScriptedServer server;
  ChildResult child = RunInChild(
      [&] {
        MCDictIniSafe config;
        TestAgent agent(config);
        agent.Connect(server.RequestPort());
        // The brain would give up waiting at once, and the actuators come to
        // it only later: the process must still not end before "(bye)" is out.
        agent.Brain()->SetPolWait(1);
        // Detached: the process ends with the thread still running.
        std::thread late([&agent] {
          std::this_thread::sleep_for(std::chrono::milliseconds(100));
          agent.Actuators()->ActuatorThread();
        });
        late.detach();
        agent.Brain()->BasicSayBye();
        return 99;  // not reached
      },
      &server);
  EXPECT_FALSE(child.timedOut);
  EXPECT_EQ(0, child.exitCode) << child.err;
  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return !Texts(got).empty(); }, 5000));
  EXPECT_EQ((std::vector<std::string>{"(bye)"}), Texts(server.Received()));
}
