#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <string>
#include <thread>
#include <vector>

#include "CVector.h"
#include "Comms.h"
#include "SensorsRig.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{

using SensorsTest = SensorsFixture;

}  // namespace

TEST_F(SensorsTest, VisualWritesEveryObjectThenUpdates)
{
  agent.SetLastVisualTime(210);
  std::string err =
      Analyse("(see 217 ((f c) 10 0 0 0) ((f l t) 1 2) ((f l t 10) 3 4) ((f t l 10) 5 6) ((g r) 62.8 0) "
              "((g l) 12.3 -5 0.1 0.2) ((G) 1.5 -179) ((b) 2.7 -32 0.5 -1) ((B) 1 2) ((l b) 52.6 -39) "
              "((p \"TestTeam\" 3) 5 6 0.1 -0.2 30 40) ((p \"OtherTeam\" 1 goalie) 3 0 -0 0 -176 -176) "
              "((p \"OtherTeam\") 7 8) ((p) 9 10) ((P) 1.1 45) ((F) 2 3))");
  EXPECT_EQ("", err);
  // Directions (not their changes) are taken at the middle of the whole
  // degree the server cut them to.
  const std::vector<std::string> expected = {
      "flag 0 1 10 0 0 0",
      "flag 0 11 1 2.5 -999 -999",
      "flag 0 22 3 4.5 -999 -999",
      "flag 0 29 5 6.5 -999 -999",
      "goal 0 r 62.8 0",
      "goal 0 l 12.3 -5.5",
      "goal 0 c 1.5 -179.5",
      "ball 0 2.7 -32.5 0.5 -1 0",
      "ball 0 1 2.5 -999 -999 1",
      "line 0 b 52.6 -39.5",
      "player 0 3 l 5 6.5 0.1 -0.2 30.5 40.5",
      "player 0 1 r 3 0 -0 0 -176.5 -176.5 goalie",
      "player 0 -999 r 7 8.5 -999 -999 -999 -999",
      "player 0 -999 u 9 10.5 -999 -999 -999 -999",
      "player 0 0 c 1.1 45.5 -999 -999 -999 -999",
      "flag 0 0 2 3.5 -999 -999",
      "updates",
  };
  EXPECT_EQ(expected, agent.calls);
  EXPECT_EQ(217, agent.GetLastVisualTime());
  EXPECT_EQ(7, agent.GetLastVisualInterval());
  EXPECT_EQ(217, agent.GetNewTime());
  EXPECT_EQ(1, agent.changed);
  EXPECT_TRUE(agent.Sensors()->GetNewVisual());
  EXPECT_TRUE(agent.haveVisualForThisAngle);
}

TEST_F(SensorsTest, VisualTimesAtTheEndsOfTheRangeKeepTheIntervalInIt)
{
  agent.SetLastVisualTime(5);
  Analyse("(see -99999999999)");
  EXPECT_EQ(INT_MIN, agent.GetLastVisualTime());
  EXPECT_EQ(INT_MIN, agent.GetLastVisualInterval());
  // The previous visual time, the last less the interval, stays in range too.
  EXPECT_EQ(0, agent.GetPreviousVisualTime());
  Analyse("(see 99999999999)");
  EXPECT_EQ(INT_MAX, agent.GetLastVisualTime());
  EXPECT_EQ(INT_MAX, agent.GetLastVisualInterval());
  EXPECT_EQ(0, agent.GetPreviousVisualTime());
}

TEST_F(SensorsTest, UnknownObjectsAreReportedAndTheRestStillRead)
{
  agent.SetLastVisualTime(0);
  agent.SetTime(4);
  std::string err = Analyse("(see 5 ((f x) 1 2) ((b) 3 4))");
  EXPECT_EQ("4 ERROR: CSensors: ParseFlag: What flag is that?\n", err);
  EXPECT_EQ((std::vector<std::string>{"flag 4 0 -999 -999 -999 -999", "ball 4 3 4.5 -999 -999 0", "updates"}),
            agent.calls);

  // A real server names a player it took in by reconnection with nothing.
  agent.Clear();
  EXPECT_EQ("", Analyse("(see 6 ((p) 1 2) ( 24.5 33 0 0 -146 -146) ((l l) 59.7 -56))"));
  EXPECT_EQ((std::vector<std::string>{"player 4 -999 u 1 2.5 -999 -999 -999 -999", "line 4 l 59.7 -56.5", "updates"}),
            agent.calls);

  agent.Clear();
  err = Analyse("(see 7 ((z) 1 2))");
  EXPECT_NE(std::string::npos, err.find("4 ERROR for z) 1 2))\n")) << err;
  EXPECT_NE(std::string::npos, err.find("4 ERROR: CSensors: ParseVisual: Default?\n")) << err;
  EXPECT_EQ(std::vector<std::string>{"updates"}, agent.calls);
}

TEST_F(SensorsTest, SenseBodyChecksLostCommandsOnlyWhenNewer)
{
  const std::string body = "(sense_body 12 (view_mode high normal) (stamina 8000 1) (speed 0 0) "
                           "(head_angle 0) (kick 1) (dash 12) (turn 7) (say 5) (turn_neck 8))";
  agent.SetTime(11);
  EXPECT_EQ("", Analyse(body));
  EXPECT_EQ(std::vector<std::string>{"lost 1 12 7 5 8"}, agent.calls);
  EXPECT_EQ(12, agent.GetNewTime());
  EXPECT_EQ(1, agent.changed);
  EXPECT_EQ(12, agent.GetSB().dash);

  // Of the current time: stored, but no check.
  agent.Clear();
  agent.SetTime(12);
  EXPECT_EQ("", Analyse(body));
  EXPECT_TRUE(agent.calls.empty());
  EXPECT_EQ(1, agent.changed);

  // Cut short: reported; the counters, which may not have been read, are
  // neither checked nor stored.
  agent.Clear();
  agent.SetTime(12);
  EXPECT_EQ("12 ERROR: CSensors: ParseSenseBody: Incomplete sense_body message...\n",
            Analyse("(sense_body 13 (view_mode high normal) (stamina 8000 1) (speed 0 0) (head_angle 0) (kick 9)"));
  EXPECT_TRUE(agent.calls.empty());
  EXPECT_EQ(13, agent.GetNewTime());
  EXPECT_EQ(12, agent.GetSB().time);
  EXPECT_EQ(1, agent.GetSB().kick);

  // Sensed slower than the model had us: a collision, so what the model
  // reckons near us is not trusted this cycle.
  agent.Clear();
  agent.SetVelocity(CVector(0.5f, 0));
  Analyse("(sense_body 14 (view_mode high normal) (stamina 8000 1) (speed 0.05 180) "
          "(head_angle 0) (kick 1) (dash 12) (turn 7) (say 5) (turn_neck 8))");
  EXPECT_EQ((std::vector<std::string>{"lost 1 12 7 5 8", "collision 14"}), agent.calls);
}

// The server cuts every direction to the whole degree towards zero; read as
// sent, our facing and everything seen leaned up to a degree one way (a
// goalkeeper placed 1.5 m wrong from flags 50 m off).
TEST_F(SensorsTest, DirectionsAreTakenAtTheMiddleOfTheDegreeTheServerCutThemTo)
{
  struct Row
  {
    const char *see;
    const char *written;
  };
  const Row rows[] = {
      {"((f c) 10 20)", "flag 0 1 10 20.5 -999 -999"},
      {"((f c) 10 -20)", "flag 0 1 10 -20.5 -999 -999"},
      {"((f c) 10 0)", "flag 0 1 10 0 -999 -999"},
      {"((b) 2.7 -32 0.5 -1)", "ball 0 2.7 -32.5 0.5 -1 0"},
      {"((l r) 40 89)", "line 0 r 40 89.5"},
      {"((l r) 40 -89)", "line 0 r 40 -89.5"},
      {"((l r) 40 90)", "line 0 r 40 90"},
      {"((p \"OtherTeam\" 4) 5 -6 0.1 -0.2 -30 0)", "player 0 4 r 5 -6.5 0.1 -0.2 -30.5 0"},
  };
  for (const Row &row : rows)
  {
    agent.Clear();
    agent.SetLastVisualTime(0);
    Analyse(std::string("(see 3 ") + row.see + ")");
    ASSERT_FALSE(agent.calls.empty()) << row.see;
    EXPECT_EQ(row.written, agent.calls[0]) << row.see;
  }

  for (const float head : {-59.0f, 59.0f, 0.0f})
  {
    agent.SetTime(20);
    Analyse("(sense_body 21 (view_mode high normal) (stamina 8000 1) (speed 0 0) (head_angle " +
            std::to_string(static_cast<int>(head)) +
            ") (kick 0) (dash 0) (turn 0) (say 0) (turn_neck 0))");
    EXPECT_FLOAT_EQ(agent.GetSB().head_angle, head > 0 ? head + 0.5f : head < 0 ? head - 0.5f : 0) << head;
  }
}

// An unknown flag's number lies outside the store's range of flags.
TEST_F(SensorsTest, Flag2IDRejectsUnknownLetters)
{
  agent.SetTime(2);
  CaptureStderr();
  const int id = agent.Sensors()->Flag2ID('h', 'c', 'b', 10);
  EXPECT_EQ("2 ERROR: CSensors: Flag2ID: No match found for h c b 10\n", GetCapturedStderr());
  EXPECT_TRUE(id < -53 || id > 53) << id;
}

// The thread as the main loop starts it: a visual wakes the brain, and a
// server that goes away ends the loop for every thread.
TEST_F(SensorsTest, ThreadAnalysesUntilTheServerGoes)
{
  ScriptedServer server;
  server.AwaitRequest("(init l 1 before_kick_off)")
      .Send("(sense_body 5 (view_mode high normal) (stamina 8000 1) (speed 0 0) (head_angle 0) (kick 0) "
            "(dash 0) (turn 0) (say 0) (turn_neck 0))",
            10)
      .Send("(see 5 ((b) 1 2))", 10)
      .AwaitCommand("(turn")
      .GoAway();
  server.Start();
  agent.Connect(server.RequestPort());
  ASSERT_EQ(0, agent.SendMessage("(init TestTeam (version 6.00))\n"));
  char reply[64];
  ASSERT_EQ(1, agent.ReceiveMessage(reply, sizeof reply));
  struct socket link = agent.GetSSocket();
  ASSERT_EQ(0, LockOnServer(link));
  agent.SetTime(4);

  CaptureStderr();
  std::thread sensors([this] { agent.Sensors()->SensorThread(); });
  // Once the visual is in, the server is told to go; the next datagram to
  // its closed port makes the receive fail.
  // The flag is the sensors thread's to write; read it under its lock.
  const auto haveVisual = [this] {
    agent.NewVisualLock();
    const int flag = agent.GetIsNewVisual();
    agent.NewVisualUnlock();
    return flag != 0;
  };
  // A generous deadline: a loaded machine only delays the visual.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!haveVisual() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  SendText(link, "(turn 0)\n");
  ASSERT_TRUE(server.WaitDone(10000));
  SendText(link, "");
  sensors.join();
  const std::string err = GetCapturedStderr();

  EXPECT_EQ(0, agent.GetStatus());
  EXPECT_NE(std::string::npos,
            err.find("ERROR: CSensors: SensorThread: Problem while receiving data...Has server died?\n"))
      << err;
  EXPECT_EQ((std::vector<std::string>{"lost 0 0 0 0 0", "ball 4 1 2.5 -999 -999 0", "updates"}), agent.calls);
  EXPECT_EQ(1, agent.GetIsNewVisual());
  // A stale buffer is never taken for a new message.
  EXPECT_EQ('\0', agent.Sensors()->GetBuffer()[1]);
}
