// A pass of ours from the kick to its first touch, on scripted worlds: who
// names the receiver in the team's message, how the receiver goes to meet
// an announced ball, and that the others leave it to him.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "../brain/BrainWorldFixture.h"
#include "MessageCoder.h"

namespace
{
class PassUnderWayTest : public BrainWorldTest
{
protected:
  void SetUp() override
  {
    BrainWorldTest::SetUp();
    Referee("play_on");
  }

  // Team-mate 7 says, in this cycle, that he kicked a pass to a receiver
  // in cycle `kicked`.
  void HearPass(int receiver, int kicked, CVector target)
  {
    TeamMessage m;
    m.time = memory().GetTime();
    m.sender = 7;
    m.playMode = PM_PLAY_ON;
    m.players[m.playerCount++] = {true, 7, false, CVector(-9, 8), CVector(), 1};
    m.pass = {true, kicked, receiver, target};
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    ASSERT_TRUE(CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', 61}).Encode(m, text, sizeof text));
    brain().ParseMessage(text);
  }

  // This agent's own next message (time 0: none could be made).
  TeamMessage Message()
  {
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    TeamMessage m;
    if (!brain().ConstructOriginalMessage(text, sizeof text) ||
        !CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', 61}).Decode(text, m))
      return TeamMessage();
    return m;
  }

  // The pass it announces (receiver 0: none).
  TeamMessagePass Announced() { return Message().pass; }

  // How far off the way to a point the body faces once the main command
  // is done (a turn turns it first).
  float AimOff(const ACTIONQUEUE &q, CVector point)
  {
    float facing = memory().GetBFacing();
    if (q.command == CMD_TURN)
      facing += q.angle;
    const CVector from = memory().GetGPos();
    return std::fabs(std::remainder((point - from).GetDir() - facing, 360.0f));
  }
};

// The ball, kicked by number 7 a cycle ago from (-8, 8), rolls along
// y = 8; number 8 stands near its path, this agent (number 5) further off.
TEST_F(PassUnderWayTest, TheReceiverGoesToMeetTheAnnouncedBallAndFreshNewsOnly)
{
  const struct
  {
    const char *name;
    int receiver;  // 0: nothing heard
    int age;       // cycles since the kick
    bool meets;
    bool kicking = false;  // the passer's kick over several cycles goes on
  } rows[] = {
      {"nothing heard: number 8 goes", 0, 1, false},
      {"the pass is mine", 5, 1, true},
      {"the pass is number 8's", 8, 1, false},
      {"mine, heard twelve cycles on", 5, 12, true},
      // 0.962^30 = 0.31, below the 0.4 a ball or player is trusted at.
      {"mine, but thirty cycles old", 5, 30, false},
      // The receiver waits where the pass is aimed, not at the passer.
      {"mine, the passer still kicking", 5, 1, true, true},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetTime(40);
    memory().SetBFacing(90);
    RollBall(-6, 8, CVector(row.kicking ? 0.2f : 1.4f, 0));
    Mate(0, -2.5f, 7.2f, 8);
    Mate(1, row.kicking ? -6.6f : -9, 8, 7);
    if (row.receiver)
      HearPass(row.receiver, memory().GetTime() - row.age, CVector(6, 8));
    const ACTIONQUEUE q = Pass();
    EXPECT_EQ(row.meets, brain().GetActionState() == AS_CHASE_BALL) << row.name;
    if (!row.meets)
      continue;
    const CVector meet = row.kicking ? CVector(6, 8) : brain().MyInterceptionPoint();
    EXPECT_NEAR(meet.GetY(), 8, 1.2f) << row.name;
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    EXPECT_LT(AimOff(q, meet), 15) << row.name;
    if (q.command == CMD_DASH)
    {
      EXPECT_GT(q.power, 0) << row.name;
    }
  }
}

// A ball behind their line readied over several kicks: the receiver,
// told at the first, ran beyond their line before the ball left the foot
// and was offside. He goes towards it no farther than their line.
TEST_F(PassUnderWayTest, WhileThePassIsReadiedTheReceiverStaysOnside)
{
  const struct
  {
    const char *name;
    float target;  // x of where he is to meet it, on y = 8
    float lineX;   // their offside line
    CVector runsAt;
  } rows[] = {
      {"meeting it in front of their line: straight there", 1, 20, {1, 8}},
      {"meeting it behind their line: up to it", 12, 2, {1, 8}},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetTime(40);
    memory().SetGPos(CVector(-4, 0));
    memory().SetBFacing(45);
    RollBall(-6, 8, CVector(0.2f, 0));
    Mate(0, -6.6f, 8, 7);
    // Their goalkeeper and last defender make their line.
    Foe(0, 51, 0, 1);
    Foe(1, row.lineX, -20, 2);
    HearPass(5, memory().GetTime() - 1, CVector(row.target, 8));
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(AS_CHASE_BALL, brain().GetActionState()) << row.name;
    ASSERT_TRUE(q.command == CMD_DASH || q.command == CMD_TURN) << row.name;
    EXPECT_LT(AimOff(q, row.runsAt), 10) << row.name;
  }
}

TEST_F(PassUnderWayTest, OthersLeaveAPassToItsReceiverUntilSomebodyPlaysIt)
{
  // This agent stands by the ball's path, first to it; number 8 waits
  // for it further on.
  const struct
  {
    const char *name;
    int receiver;
    bool foeAtBall;
    bool chases;
  } rows[] = {
      {"nothing heard", 0, false, true},
      {"a pass to number 8", 8, false, false},
      {"a pass to me", 5, false, true},
      {"a pass to number 8, taken by an opponent", 8, true, true},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(-2, 6.8f));
    RollBall(-5, 8, CVector(1.4f, 0));
    Mate(0, 5, 9.5f, 8);
    if (row.receiver)
      HearPass(row.receiver, memory().GetTime() - 2, CVector(6, 8));
    Pass();
    if (row.foeAtBall)
    {
      // Next cycle an opponent has stopped the ball; he runs off, and the
      // ball is loose for whoever gets there.
      memory().SetTime(memory().GetTime() + 1);
      RollBall(-4, 8);
      Foe(0, -4, 8.6f, 6);
      Pass();
      memory().SetTime(memory().GetTime() + 1);
      Foe(0, 20, 30, 6);
    }
    Pass();
    EXPECT_EQ(row.chases, brain().GetActionState() == AS_CHASE_BALL) << row.name;
  }
}

// A pass laid over several kicks whose kick stopped short left the ball at
// the passer's feet for a receiver ten metres off, and an opponent took
// it: the passer quicker to it than the receiver goes for it himself.
TEST_F(PassUnderWayTest, ThePasserWhoseKickStoppedShortGoesForTheBall)
{
  const struct
  {
    const char *name;
    float ballX;  // where it lies, along the way to the receiver
    bool passer;  // this agent passed it (else number 7 did)
    bool chases;
  } rows[] = {
      {"at my feet, my pass", 2, true, true},
      {"at my feet, number 7's pass", 2, false, false},
      {"near the receiver, my pass", 8, true, false},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetTime(40);
    RollBall(0.6f, 0);
    const CPlayer *receiver = Mate(0, 10, 0.5f, 8);
    Mate(1, -10, 5, 7);
    if (row.passer)
    {
      brain().SendAllActions(-1);
      brain().Kick(10, 0);
      ASSERT_EQ(1, brain().AnnouncePass(receiver, CVector(10, 0.5f), 1)) << row.name;
    }
    else
      HearPass(8, memory().GetTime(), CVector(10, 0.5f));
    memory().SetTime(41);
    RollBall(row.ballX, 0, CVector(0.05f, 0));
    Mate(0, 10, 0.5f, 8);
    Mate(1, -10, 5, 7);
    Pass();
    EXPECT_EQ(row.chases, brain().GetActionState() == AS_CHASE_BALL) << row.name;
  }
}

TEST_F(PassUnderWayTest, SetPlayAndGoalkeeperPassesAreAnnounced)
{
  // A set play's kick to a team-mate names him; one up the pitch to
  // nobody names nobody.
  const struct
  {
    const char *name, *call;
    float mateX, mateY;  // 999: no team-mate
    int receiver;
  } rows[] = {
      {"kick-off back to number 7", "kick_off_l", -9, -5, 7},
      {"free kick to number 7", "free_kick_l", -6, 9, 7},
      {"free kick up the pitch", "free_kick_l", 999, 0, 0},
  };
  for (const auto &row : rows)
  {
    Fresh();
    Referee(row.call);
    RollBall(0.5f, 0);
    if (row.mateX < 999)
      Mate(0, row.mateX, row.mateY, 7);
    const ACTIONQUEUE q = Pass();
    ASSERT_EQ(CMD_KICK, q.command) << row.name;
    const TeamMessagePass pass = Announced();
    EXPECT_EQ(row.receiver != 0, pass.announced) << row.name;
    if (row.receiver == 0)
      continue;
    EXPECT_EQ(row.receiver, pass.receiver) << row.name;
    EXPECT_EQ(10, pass.time) << row.name;
    EXPECT_NEAR(pass.target.GetX(), row.mateX, 0.5f) << row.name;
    // The ball as the message has it is already on its way to him, as
    // the server will have moved it when the message is heard.
    const CVector vel = Message().ball.vel;
    EXPECT_GT(vel.GetMag(), 0.8f) << row.name;
    EXPECT_LT(std::fabs(std::remainder((CVector(row.mateX, row.mateY) - CVector(0.5f, 0)).GetDir() - vel.GetDir(),
                                       360.0f)),
              5)
        << row.name;
  }

  // The goalkeeper with the ball in his hands passes, in the end, to a
  // free team-mate up the field.
  Fresh();
  agent->SetUNum(1);
  memory().SetUNum(1);
  memory().SetGPos(CVector(-48, 0));
  Referee("goalie_catch_ball_l");
  Referee("free_kick_l");
  Mate(0, -25, 12, 7);
  int kickedAt = -1;
  for (int t = 10; t < 140 && kickedAt < 0; t++)
  {
    memory().SetTime(t);
    RollBall(memory().GetGPos().GetX() + 0.5f, memory().GetGPos().GetY());
    memory().GetNonConstBall()->SetTime(t);
    Mate(0, -25, 12, 7);
    const ACTIONQUEUE q = Pass();
    if (q.command == CMD_MOVE)
      memory().SetGPos(CVector(static_cast<float>(q.move_x), static_cast<float>(q.move_y)));
    if (q.command == CMD_KICK)
      kickedAt = t;
    brain().SendAllActions(-1);
  }
  ASSERT_GT(kickedAt, 0);
  const TeamMessagePass pass = Announced();
  EXPECT_TRUE(pass.announced);
  EXPECT_EQ(7, pass.receiver);
  EXPECT_EQ(kickedAt, pass.time);
}

TEST_F(PassUnderWayTest, APassIsAnnouncedWithItsKickNotWithTheStepsThatReadyIt)
{
  RollBall(0.6f, 0);
  const CPlayer *mate = Mate(0, -6, 9, 7);
  const struct
  {
    const char *name;
    CMDType command;
    bool announced;
  } rows[] = {{"a dash that readies the kick", CMD_DASH, false},
              {"a turn that readies it", CMD_TURN, false},
              {"the kick", CMD_KICK, true}};
  for (const auto &row : rows)
  {
    brain().SendAllActions(-1);
    if (row.command == CMD_DASH)
      brain().Dash(100);
    else if (row.command == CMD_TURN)
      brain().Turn(40);
    else
      brain().Kick(60, 120);
    ASSERT_EQ(row.command, brain().QueuedMainCommand()) << row.name;
    EXPECT_EQ(1, brain().AnnouncePass(mate, mate->GetGPos(), 1)) << row.name;
    EXPECT_EQ(row.announced, Announced().announced) << row.name;
  }
  // A kick the skill did not make announces nothing either.
  Fresh();
  brain().SendAllActions(-1);
  brain().Kick(60, 120);
  EXPECT_EQ(0, brain().AnnouncePass(Mate(0, -6, 9, 7), CVector(-6, 9), 0));
  EXPECT_FALSE(Announced().announced);
}

TEST_F(PassUnderWayTest, APasserSaysHisPassAtOnceWhoeverSTurnItIs)
{
  // Number 10 never speaks in the rotation of numbers 3 to 7; his free
  // kick to number 7 he says in its cycle and the two after.
  agent->SetUNum(10);
  memory().SetUNum(10);
  Referee("free_kick_l");
  RollBall(0.5f, 0);
  Mate(0, -6, 9, 7);
  ASSERT_EQ(CMD_KICK, Pass().command);
  for (int t = 10; t <= 15; t++)
  {
    memory().SetTime(t);
    if (t > 10)
    {
      brain().SendAllActions(-1);
      brain().Communicate();
    }
    TeamMessage heard;
    const bool said =
        CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', 61}).Decode(brain().GetQueue().say_text, heard);
    EXPECT_EQ(t < 13, said) << t;
    if (said)
    {
      EXPECT_EQ(7, heard.pass.receiver) << t;
      EXPECT_EQ(10, heard.pass.time) << t;
    }
  }
}

}  // namespace
