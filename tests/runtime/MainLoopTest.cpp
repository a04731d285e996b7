// The main loop's wait for the next cycle, and the loop's end when the
// sensors lose the server, on an agent in this process.

#include <atomic>
#include <chrono>
#include <ctime>
#include <memory>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "AgentRig.h"
#include "CAgent.h"
#include "Comms.h"
#include "ScriptedServer.h"
#include "Defaults.h"
#include "MCDictIniSafe.h"

namespace
{
using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start)
{
  return static_cast<long>(
    std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// Number 9 at his kick-off place, locked on the scripted server, nothing
// seen yet.
::testing::AssertionResult JoinAtKickOffPlace(TestAgent &agent, ScriptedServer &server)
{
  agent.Connect(server.RequestPort());
  if (LockOnServer(agent.GetSSocket()) != 0)
    return ::testing::AssertionFailure() << "the agent did not lock on the server";
  agent.SetUNum(9);
  agent.SetGPos(CVector(-1, -25));
  return ::testing::AssertionSuccess();
}

class CycleWaitTest : public ::testing::Test
{
protected:
  void SetUp() override { Build(300); }

  // An agent whose wait for a cycle gives up after stepWaitMs.
  void Build(int stepWaitMs)
  {
    testing::internal::CaptureStdout();
    agent.reset();
    config = MCDictIniSafe();
    primeini(config);
    config.insert("Timing", "max_sim_step_wait", stepWaitMs);
    config.setsafe(0);
    agent.reset(new CAgent(config));
    testing::internal::GetCapturedStdout();
  }

  void TearDown() override
  {
    testing::internal::CaptureStdout();
    agent.reset();
    testing::internal::GetCapturedStdout();
  }

  void SetNewCycle()
  {
    agent->NewCycleLock();
    agent->SetIsNewCycle(1);
    agent->NewCycleSignal();
    agent->NewCycleUnlock();
  }

  MCDictIniSafe config;
  std::unique_ptr<CAgent> agent;
};

TEST_F(CycleWaitTest, TheNextCycleWakesTheWait)
{
  // A limit far beyond any delay of a loaded machine: the wait can only end
  // early because the signal woke it.
  Build(10000);
  const Clock::time_point start = Clock::now();
  std::thread sensors([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    SetNewCycle();
  });
  EXPECT_EQ(1, agent->Wait4NewCycle());
  sensors.join();
  const long waited = MsSince(start);
  EXPECT_GE(waited, 25);
  EXPECT_LT(waited, 5000);
}

// Nothing comes: the wait gives up after its setting, not a second later.
// Just under a second the deadline's milliseconds carry into its seconds
// on all but a thousandth of the clock's readings.
TEST_F(CycleWaitTest, WithoutACycleTheWaitEndsAfterItsSetting)
{
  const int stepWaitMs = 999;
  Build(stepWaitMs);
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, agent->Wait4NewCycle());
  const long waited = MsSince(start);
  EXPECT_GE(waited, stepWaitMs - 5);
  EXPECT_LT(waited, stepWaitMs + 600);
}

// The sensors' first receive fails (there is no socket at all): the three
// threads end, the loop reports and hands back the status.
TEST_F(CycleWaitTest, AFailedReceiveEndsTheThreadsAndTheLoopReports)
{
  struct socket none = {};
  none.socketfd = -1;
  agent->SetSSocket(none);
  agent->SetASocket(none);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const Clock::time_point start = Clock::now();
  const int status = agent->MainLoop();
  const long took = MsSince(start);
  const std::string err = testing::internal::GetCapturedStderr();
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(0, status);
  // The one-second pause before the first pass, then at most an actuator
  // wait for the actuators to notice.
  EXPECT_LT(took, 5000);
  // Seen to fail once on a loaded machine: show what the loop said.
  EXPECT_NE(std::string::npos, out.find("Starting SENSORS thread...\n")) << out << err;
  EXPECT_NE(std::string::npos, out.find("Starting ACTUATORS thread...\n")) << out << err;
  EXPECT_NE(std::string::npos,
            err.find("\n### NUMBER OF CYCLES WHERE AGENT DID NOT SEND ALL DESIRED ACTIONS = 0\n\n"
                     "On cycle 0 agent ? is SHUTTING DOWN !\n"))
    << err;
  testing::internal::CaptureStdout();
  agent.reset();
  EXPECT_NE(std::string::npos,
            testing::internal::GetCapturedStdout().find("++++++++++ AGENT KILLED +++++++++++"));
}

// A player at its kick-off place with nothing seen yet has nothing to send
// while the clock stands; the loop must still wait for each cycle rather
// than decide again at once, and no pass counts as missed.
TEST(IdleLoop, NothingToSendAndTheLoopStillWaits)
{
  ScriptedServer server;
  server.Wait(2000).GoAway();
  server.Start();
  MCDictIniSafe config;
  testing::internal::CaptureStdout();
  TestAgent agent(config);
  testing::internal::GetCapturedStdout();
  ASSERT_TRUE(JoinAtKickOffPlace(agent, server));
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const std::clock_t cpu = std::clock();
  const int status = agent.MainLoop();
  const double seconds = static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  const std::string err = testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(0, status);
  // A spinning loop would burn the whole second it had.
  EXPECT_LT(seconds, 0.5);
  EXPECT_NE(std::string::npos,
            err.find("### NUMBER OF CYCLES WHERE AGENT DID NOT SEND ALL DESIRED ACTIONS = 0\n"))
    << err;
  EXPECT_NE(std::string::npos, err.find("On cycle 0 agent 9 is SHUTTING DOWN !\n")) << err;
  EXPECT_TRUE(Texts(server.Received()).empty());
}
}

// The loop checks for silence once a pass: a player whose server says
// nothing still sends the empty datagram about once a step wait, and the
// loop's end ends the actuators' untimed wait.
TEST(IdleLoop, ASilentPlayerStillSendsTheEmptyDatagram)
{
  ScriptedServer server;
  server.Wait(2500).GoAway();
  server.Start();
  MCDictIniSafe config;
  primeini(config);
  config.insert("Timing", "max_sim_step_wait", 100);
  config.setsafe(0);
  testing::internal::CaptureStdout();
  TestAgent agent(config);
  testing::internal::GetCapturedStdout();
  ASSERT_TRUE(JoinAtKickOffPlace(agent, server));
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(0, agent.MainLoop());
  const long took = MsSince(start);
  testing::internal::GetCapturedStderr();
  testing::internal::GetCapturedStdout();
  // The loop's pause takes a second of the 2.5; the rest, at 100 ms a wait,
  // holds a dozen checks that find a step wait of silence.
  int empty = 0;
  for (const auto &d : server.Received())
    empty += d.payload.empty() ? 1 : 0;
  EXPECT_GE(empty, 5);
  EXPECT_LE(empty, 20);
  EXPECT_LT(took, 6000);
}

// A sense_body of a new cycle is analysed under the world-model lock; the
// main loop is woken once the sensors thread has let the lock go, once per
// cycle: a wake for nothing would cost it a thread switch.
TEST(CycleWake, TheLoopWakesAfterTheLockIsLetGoAndOncePerCycle)
{
  MCDictIniSafe config;
  primeini(config);
  config.insert("Timing", "max_sim_step_wait", 10000);
  config.setsafe(0);
  testing::internal::CaptureStdout();
  std::unique_ptr<TestAgent> agent(new TestAgent(config));
  testing::internal::GetCapturedStdout();
  agent->SetSide('l');
  const std::string body =
      "(sense_body 7 (view_mode high normal) (stamina 8000 1) (speed 0 0) (head_angle 0) (kick 0) (dash 0) "
      "(turn 0) (say 0) (turn_neck 0))";

  std::atomic<bool> woken{false};
  std::thread loop([&] {
    agent->Wait4NewCycle();
    woken = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  agent->LockMemory();
  agent->Sensors()->Receive(body.data(), body.size());
  agent->Sensors()->AnalyseData();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(woken) << "woken while the sensors still held the world model";
  agent->UnlockMemory();
  agent->S2BNewCycleSignal();
  loop.join();
  EXPECT_TRUE(woken);
  EXPECT_EQ(7, agent->GetTime());

  // No new cycle since: the next signal wakes nobody, and the wait runs out.
  agent->NewCycleLock();
  agent->SetIsNewCycle(0);
  agent->NewCycleUnlock();
  woken = false;
  std::thread idle([&] {
    agent->Wait4NewCycle();
    woken = true;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  agent->S2BNewCycleSignal();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(woken) << "woken without a new cycle";
  // Ends the wait: a cycle that began.
  agent->NewCycleLock();
  agent->SetIsNewCycle(1);
  agent->NewCycleSignal();
  agent->NewCycleUnlock();
  idle.join();
}
