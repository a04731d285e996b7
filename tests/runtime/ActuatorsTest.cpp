// The actuators' thread against a scripted server: what goes out, when, and
// that nothing handed over is lost.

#include <gtest/gtest.h>


#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "AgentRig.h"
#include "ScriptedServer.h"

namespace {

using Datagrams = std::vector<ScriptedServer::Datagram>;

size_t CountTexts(const Datagrams &got) { return Texts(got).size(); }

}  // namespace

using ActuatorsTest = AgentOnServer;

TEST_F(ActuatorsTest, IdleThreadSendsAnEmptyDatagramEveryStepWait)
{
  agent.Actuators()->SetMaxSimStepWait(100);
  const auto start = std::chrono::steady_clock::now();
  agent.StartActuators();

  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return got.size() >= 5; }, 5000));
  // The n-th idle datagram leaves a full wait after the one before, so n of
  // them take at least n waits. A loaded machine only delays them; the gaps
  // seen at the server can shrink when it reads late, so they only bound the
  // mean from above.
  Datagrams got = server.Received();
  const double elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  agent.StopActuators();
  ASSERT_GE(got.size(), 5u);
  EXPECT_GE(elapsed, 100.0 * got.size() - 10.0);
  for (const auto &d : got)
    EXPECT_EQ("", d.payload);
  EXPECT_LT((got.back().ms - got.front().ms) / (got.size() - 1), 250.0);
}

// In a running agent the main loop checks for silence once a pass: the
// thread must then not wake by itself, and send the empty datagram exactly
// when a check finds nothing went out since a check a step wait before.
TEST_F(ActuatorsTest, WithTheCallerCheckingTheThreadSendsTheEmptyDatagramOnlyWhenAsked)
{
  CActuators *legs = agent.Actuators();
  legs->SetMaxSimStepWait(100);
  legs->SetIdleCheckedByCaller(true);
  agent.StartActuators();
  std::this_thread::sleep_for(std::chrono::milliseconds(350));
  EXPECT_TRUE(server.Received().empty()) << "the thread timed its own wait";

  // The clock readings are the caller's: a row of checks, each with the
  // datagrams the server must hold after it.
  const struct
  {
    long long nowMs;
    bool dash;  // a command goes out just before the check
    size_t held;
  } checks[] = {
    {1000, false, 0},  // the first check starts the count
    {1099, false, 0},  // 99 ms of silence
    {1100, false, 1},  // a step wait: the empty datagram
    {1150, false, 1},  // it went out: the count starts anew
    {1200, true, 2},   // so did a command
    {1299, false, 2},
    {1300, false, 3},
    {1350, false, 3},
    {1200, false, 3},  // a clock set back starts the count anew
    {1299, false, 3},
    {1300, false, 4},
  };
  for (const auto &check : checks) {
    if (check.dash)
      agent.Brain()->BasicDash(10);
    legs->CheckIdle(check.nowMs);
    const size_t held = check.held;
    ASSERT_TRUE(server.WaitFor([held](const Datagrams &got) { return got.size() >= held; }, 5000)) << check.nowMs;
    // A datagram asked for goes out at once; one not asked for never.
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_EQ(held, server.Received().size()) << check.nowMs;
  }
  agent.StopActuators();
  const Datagrams got = server.Received();
  ASSERT_EQ(4u, got.size());
  EXPECT_EQ("", got[0].payload);
  EXPECT_EQ("(dash 10.00)\n", got[1].payload);
  EXPECT_EQ("", got[2].payload);
  EXPECT_EQ("", got[3].payload);
}

TEST_F(ActuatorsTest, AnUntimedWaitEndsWhenTheThreadIsStopped)
{
  agent.Actuators()->SetIdleCheckedByCaller(true);
  agent.StartActuators();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const auto start = std::chrono::steady_clock::now();
  agent.StopActuators();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_TRUE(server.Received().empty());
}

TEST_F(ActuatorsTest, ACommandWaitingIsNeverOverwritten)
{
  // Far longer than the thread's late start, so that the hand-over never
  // gives up, however loaded the machine.
  agent.Actuators()->SetMaxSimStepWait(1000);

  // The brain's wait for the first command runs out because the thread is
  // not running yet; handing over the second must wait for the first to go
  // instead of replacing it.
  agent.Brain()->BasicDash(10);
  std::thread late([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    agent.StartActuators();
  });
  agent.Brain()->BasicTurn(20);
  late.join();

  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return CountTexts(got) >= 2; }, 5000));
  std::vector<std::string> texts = Texts(server.Received());
  EXPECT_EQ((std::vector<std::string>{"(dash 10.00)\n", "(turn 20.00)\n"}), texts);
}

TEST_F(ActuatorsTest, ACommandGoesOutFromThePosterWithoutWaitingForTheThread)
{
  // The thread is not running and the brain would wait ten seconds for it.
  agent.Brain()->SetPolWait(10000);
  const auto start = std::chrono::steady_clock::now();
  agent.Brain()->BasicDash(10);
  agent.Brain()->BasicTurnNeck(-20);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return CountTexts(got) >= 2; }, 5000));
  EXPECT_EQ((std::vector<std::string>{"(dash 10.00)\n", "(turn_neck -20.00)\n"}), Texts(server.Received()));
  agent.Brain()->NewActionLock();
  EXPECT_EQ(0, agent.Brain()->GetIsNewAction());
  agent.Brain()->NewActionUnlock();
}

TEST_F(ActuatorsTest, NoEmptyDatagramWhileCommandsGoOut)
{
  agent.Actuators()->SetMaxSimStepWait(300);
  agent.StartActuators();
  // A command every 20 ms for over a second: the thread never idles a whole
  // step wait, so the server hears nothing empty after the first command.
  for (int i = 0; i < 60; i++) {
    agent.Brain()->BasicDash(static_cast<float>(i));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  agent.StopActuators();
  const Datagrams got = server.Received();
  // Before the first command and after the last the thread idles.
  size_t first = 0, last = got.size();
  while (first < got.size() && got[first].payload.empty())
    first++;
  while (last > first && got[last - 1].payload.empty())
    last--;
  ASSERT_LT(first, last);
  int empty = 0;
  for (size_t i = first; i < last; i++)
    empty += got[i].payload.empty() ? 1 : 0;
  EXPECT_EQ(0, empty);
  EXPECT_EQ(60u, CountTexts(got));
}

TEST_F(ActuatorsTest, AFailedSendIsReportedAndTheBrainReleased)
{
  struct socket dead = agent.Actuators()->GetSocket();
  dead.socketfd = -1;
  agent.Actuators()->SetSocket(dead);
  agent.Actuators()->SetMaxSimStepWait(50);
  // The brain waits for the thread to have sent, however late it starts.
  agent.Brain()->SetPolWait(10000);

  testing::internal::CaptureStderr();
  agent.StartActuators();
  agent.Brain()->BasicDash(50);
  agent.StopActuators();
  std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, err.find(" ERROR: CActuators: ActuatorThread: Problem while sending data...Has server died?"))
      << err;
  EXPECT_NE(std::string::npos, err.find("---> SendBuffer is :(dash 50.00)\n:")) << err;
  agent.Brain()->NewActionLock();
  EXPECT_EQ(0, agent.Brain()->GetIsNewAction());
  agent.Brain()->NewActionUnlock();
}

TEST_F(ActuatorsTest, TwoThreadsPostingThousandsOfCommandsLoseNone)
{
  // A hand-over gives up only after this long without the thread; a loaded
  // machine must not make it.
  agent.Actuators()->SetMaxSimStepWait(1000);
  agent.StartActuators();

  // The main loop and the sensors thread (deferred scans) both send.
  const int kEach = 1500;
  std::thread scans([this] {
    for (int i = 0; i < kEach; i++)
      agent.Brain()->BasicTurnNeck(static_cast<float>(i));
  });
  for (int i = 0; i < kEach; i++)
    agent.Brain()->BasicDash(static_cast<float>(i));
  scans.join();

  ASSERT_TRUE(server.WaitFor([](const Datagrams &got) { return CountTexts(got) >= 2 * kEach; }, 20000))
      << CountTexts(server.Received()) << " arrived";
  agent.StopActuators();
  int dashes = 0, necks = 0;
  for (const std::string &text : Texts(server.Received())) {
    char expected[64];
    if (text.compare(0, 5, "(dash") == 0) {
      std::snprintf(expected, sizeof expected, "(dash %d.00)\n", dashes++);
      EXPECT_EQ(expected, text);
    } else {
      std::snprintf(expected, sizeof expected, "(turn_neck %d.00)\n", necks++);
      EXPECT_EQ(expected, text);
    }
  }
  EXPECT_EQ(kEach, dashes);
  EXPECT_EQ(kEach, necks);
  EXPECT_EQ(kEach, agent.Brain()->GetDashSent());
  EXPECT_EQ(kEach, agent.Brain()->GetTurnNeckSent());
}

// A step wait of none (or less) would have the idle thread send without
// pause and the main loop pass without waiting; one of 10^9 would keep a
// player whose server fell silent waiting for good. The agent says which
// value it uses instead, and idles at most two datagrams a server cycle.
TEST(StepWaitSetting, IsHeldBetweenHalfACycleAndAFewSeconds)
{
  const struct
  {
    const char *value;
    const char *warning;
  } rows[] = {
    {"0", "WARNING: CAgent: CAgent: max_sim_step_wait 0 is outside 50 to 3000, 50 used...\n"},
    {"-1", "WARNING: CAgent: CAgent: max_sim_step_wait -1 is outside 50 to 3000, 50 used...\n"},
    {"1000000000", "WARNING: CAgent: CAgent: max_sim_step_wait 1000000000 is outside 50 to 3000, 3000 used...\n"},
  };
  for (const auto &row : rows)
  {
    ScriptedServer server;
    MCDictIniSafe config;
    config.insert("Timing", "max_sim_step_wait", row.value);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    TestAgent agent(config);
    const std::string err = testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, err.find(row.warning)) << err;
    if (std::string(row.value) == "1000000000")
      continue;
    server.Start();
    agent.Connect(server.RequestPort());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(0, agent.Wait4NewCycle());
    const double waited = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(waited, 45.0);
    agent.StartActuators();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    agent.StopActuators();
    // Three cycles of the server: six idle datagrams, and one more that a
    // late start of the count can catch.
    EXPECT_LE(server.Received().size(), 7u) << row.value;
  }
}
