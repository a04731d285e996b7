#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AgentHarness.h"
#include "CBall.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
const char *const kDash = "(dash 80.00)\n";
const char *const kTurn = "(turn 30.00)\n";
const char *const kNeck = "(turn_neck 10.00)\n";
const char *const kKick = "(kick 50.00 0.00)\n";
const char *const kSay = "(say hello)\n";

std::string Missed(const char *kind)
{
  return std::string("ERROR: CAgent: Check4LostActions: Server has missed a ") + kind +
         " on cycle 5\n";
}

// The server's counters arrive for cycle 5, whose commands are still logged.
class LostCommandsTest : public AgentFixture
{
protected:
  void Log(const std::vector<const char *> &commands)
  {
    agent->memory->SetTime(5);
    for (size_t i = 0; i < commands.size(); i++)
      agent->SetLastAction(static_cast<int>(i), commands[i]);
    agent->SetActionCount(static_cast<int>(commands.size()));
  }

  void Sent(int kicks, int dashes, int turns, int says, int necks)
  {
    agent->brain->SetKickSent(kicks);
    agent->brain->SetDashSent(dashes);
    agent->brain->SetTurnSent(turns);
    agent->brain->SetSaySent(says);
    agent->brain->SetTurnNeckSent(necks);
    Calls().Clear();
  }

  // Runs the check through a module, as the body-sense parser does.
  std::string Check(int kicks, int dashes, int turns, int says, int necks)
  {
    CaptureStderr();
    agent->sensors->Check4LostActions(kicks, dashes, turns, says, necks);
    return GetCapturedStderr();
  }

  std::vector<std::string> Entries() const
  {
    std::vector<std::string> entries;
    for (int i = 0; i < agent->GetActionCount(); i++)
      entries.push_back(agent->GetLastAction(i));
    return entries;
  }

  std::vector<int> Counts() const
  {
    return {agent->brain->GetKickSent(), agent->brain->GetDashSent(),
            agent->brain->GetTurnSent(), agent->brain->GetSaySent(),
            agent->brain->GetTurnNeckSent()};
  }
};
}

TEST_F(LostCommandsTest, AMissedTurnStrikesTurnsButNotNeckTurns)
{
  Log({kTurn, kNeck});
  Sent(0, 0, 1, 0, 1);
  EXPECT_EQ(Check(0, 0, 0, 0, 1), Missed("TURN"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"", kNeck}));
  EXPECT_EQ(agent->brain->GetTurnSent(), 0);

  // The neck turn still moves the model on at the next cycle; the struck
  // entry keeps its place, empty.
  agent->memory->SetNewTime(6);
  Calls().Clear();
  agent->sensors->Changed();
  EXPECT_EQ(Calls().Matching("memory.Update4Action"),
            (std::vector<std::string>{"memory.Update4Action ",
                                      std::string("memory.Update4Action ") + kNeck}));
}

TEST_F(LostCommandsTest, AMissedKickIsStruckAndForgottenByTheWorldModel)
{
  Log({kKick, kDash, kKick});
  Sent(5, 1, 0, 0, 0);
  // The server's refusal says the ball lay beyond reach, whatever the model
  // reckoned: it goes out there, on its bearing.
  CBall *ball = agent->memory->GetNonConstBall();
  const CVector me = agent->memory->GetGPos();
  ball->SetGPos(me + CVector(0.6f, 0.6f));
  ball->SetConf(0.9f);
  EXPECT_EQ(Check(3, 1, 0, 0, 0), Missed("KICK"));
  EXPECT_NEAR(ball->GetGPos().dist(me), 1.095f, 1e-3);
  EXPECT_NEAR((ball->GetGPos() - me).GetDir(), 45, 1e-3);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"", kDash, ""}));
  EXPECT_EQ(agent->brain->GetKickSent(), 3);
  EXPECT_EQ(Calls().Matching("memory.ForgetPastKick"),
            (std::vector<std::string>{"memory.ForgetPastKick 5", "memory.ForgetPastKick 5"}));
}

// The server counted more than we sent: reported, nothing is struck, and
// our count follows the server's.
TEST_F(LostCommandsTest, ServerCountsAboveOursAreReportedAndAdopted)
{
  Log({kKick, kDash, kTurn, kSay, kNeck});
  Sent(0, 0, 0, 0, 0);
  EXPECT_EQ(Check(1, 2, 3, 4, 5),
            Missed("KICK") + Missed("DASH") + Missed("TURN") + Missed("SAY") +
                Missed("TURNNECK"));
  EXPECT_EQ(Entries(), (std::vector<std::string>{kKick, kDash, kTurn, kSay, kNeck}));
  EXPECT_EQ(Counts(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_TRUE(Calls().Matching("memory.ForgetPastKick").empty());
}

// Their foul on our man as he reached the ball was called in the cycle of
// our kick, before the kick arrived: the server refused it by its rules.
// Struck and adopted as any refusal, but not reported, and the ball stays
// where the model has it. A call heard before that cycle, or one after
// which kicks are taken, leaves the refusal ours.
TEST_F(LostCommandsTest, AKickRefusedForACallInItsCycleIsNotReported)
{
  struct Case
  {
    const char *call;
    int heardIn;
    bool reported;
  };
  const Case cases[] = {
    {"foul_charge_r", 5, false}, {"offside_l", 5, false},   {"back_pass_r", 5, false},
    {"goal_l_1", 5, false},      {"foul_push_l", 4, true},  {"free_kick_r", 5, true},
    {"kick_in_l", 5, true},      {"goal_kick_r", 5, true},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.call);
    agent->memory->SetTime(c.heardIn);
    agent->playmode->SetPlayMode("play_on");
    agent->playmode->SetPlayMode(c.call);
    Log({kKick, kDash});
    Sent(4, 1, 0, 0, 0);
    CBall *ball = agent->memory->GetNonConstBall();
    const CVector me = agent->memory->GetGPos();
    ball->SetGPos(me + CVector(0.6f, 0.0f));
    ball->SetConf(0.9f);
    EXPECT_EQ(Check(3, 1, 0, 0, 0), c.reported ? Missed("KICK") : "");
    EXPECT_EQ(Entries(), (std::vector<std::string>{"", kDash}));
    EXPECT_EQ(agent->brain->GetKickSent(), 3);
    EXPECT_NEAR(ball->GetGPos().dist(me), c.reported ? 1.095f : 0.6f, 1e-3);
  }
}

// A kick sent on the reckoning with one of theirs at the ball is refused
// when his touch came first: handled as any refusal, under its own line,
// so that the missed lines count lost commands alone.
TEST_F(LostCommandsTest, AContestedKickRefusedIsToldApartFromAMissedOne)
{
  for (const int contestedIn : {5, 4})
  {
    agent->brain->SendContestedKick(contestedIn);
    Log({kKick});
    Sent(4, 0, 0, 0, 0);
    CBall *ball = agent->memory->GetNonConstBall();
    const CVector me = agent->memory->GetGPos();
    ball->SetGPos(me + CVector(0.6f, 0.0f));
    ball->SetConf(0.9f);
    EXPECT_EQ(Check(3, 0, 0, 0, 0),
              contestedIn == 5 ? "NOTE: CAgent: Check4LostActions: A KICK at a contested ball was "
                                 "refused on cycle 5\n"
                               : Missed("KICK"));
    EXPECT_EQ(Calls().Matching("memory.ForgetPastKick"),
              (std::vector<std::string>{"memory.ForgetPastKick 5"}));
    EXPECT_NEAR(ball->GetGPos().dist(me), 1.095f, 1e-3);
  }
}
