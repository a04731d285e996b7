// Team messages through the brain: what a heard text hands the world model,
// and who speaks when.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "BrainRig.h"
#include "MessageCoder.h"

namespace
{
// Notes what the brain hands the world model, then hands it on.
class ListeningBrain : public RigBrain
{
public:
  using RigBrain::RigBrain;
  void StoreBallFromAudio(const CBall &b) const override { stored.push_back("ball"), RigBrain::StoreBallFromAudio(b); }
  void StorePlayerFromAudio(const CPlayer &p) const override { stored.push_back("player"), RigBrain::StorePlayerFromAudio(p); }
  void StorePassFromAudio(int time, int receiver, CVector) const override
  {
    stored.push_back("pass " + std::to_string(time) + " " + std::to_string(receiver));
  }
  mutable std::vector<std::string> stored;
};

class CommunicationTest : public BrainRig
{
protected:
  void SetUp() override
  {
    BrainRig::SetUp();
    listener = NewBrain<ListeningBrain>();
  }

  // What team-mate 4 of a side says in a cycle: the ball rolling at
  // (10, 5), itself, an opponent, and a pass to this agent (number 9).
  static std::string Said(int time, char side = 'l', int key = 61)
  {
    TeamMessage m;
    m.time = time;
    m.sender = 4;
    m.playMode = PM_PLAY_ON;
    m.ball = {true, CVector(10, 5), CVector(1, 0), 1};
    m.players[m.playerCount++] = {true, 4, false, CVector(-5, 3), CVector(0.2f, 0), 1};
    m.players[m.playerCount++] = {false, 0, false, CVector(20, -8), CVector(), 0.9f};
    m.pass = {true, time, 9, CVector(12, 6)};
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    CMessageCoder(TeamMessageSettings{"Tarroks00", side, key}).Encode(m, text, sizeof text);
    return text;
  }

  void Hear(std::string text)
  {
    listener->stored.clear();
    brain->ParseMessage(&text[0]);
  }

  ListeningBrain *listener = nullptr;
};

TEST_F(CommunicationTest, AMessageOfThisCycleReachesTheWorldModel)
{
  Referee("free_kick_l");
  agent->SetTime(45);
  Hear(Said(45));
  EXPECT_EQ(listener->stored, (std::vector<std::string>{"ball", "player", "player", "pass 45 9"}));
  EXPECT_EQ(brain->GetTeamMessagesHeard(), 1);
  // The heard play_on ends a set play called three cycles before.
  EXPECT_EQ(agent->P2BReadPlayMode(true), PM_PLAY_ON);
  // The agent's ball is where the team-mate saw it, relative to the agent.
  const CBall *ball = agent->M2BReadBall();
  EXPECT_NEAR(ball->GetGX(), 10, 0.02);
  EXPECT_NEAR(ball->GetRMag(), CVector(10, 5).GetMag(), 0.05);
  EXPECT_NEAR(ball->GetRDir(), CVector(10, 5).GetDir(), 0.5);
}

// The heard ball's place relative to the body is the world model's own
// work, from the agent's pose, whatever way the head and the body point.
TEST_F(CommunicationTest, AHeardBallIsPlacedRelativeToTheAgentsHeadAndBody)
{
  const struct
  {
    CVector at;
    float neck, body;
  } rows[] = {{CVector(0, 0), 0, 0}, {CVector(0, 0), 40, -50}, {CVector(-20, 10), -170, 120},
              {CVector(5, 5), 90, 90}};
  int t = 45;
  for (const auto &row : rows)
  {
    agent->SetTime(++t);
    agent->M2BReadNonConstBall()->SetConf(0);
    agent->SetGPos(row.at);
    agent->SetFacing(row.neck);
    agent->SetBFacing(row.body);
    Hear(Said(t));
    ASSERT_EQ(listener->stored.front(), "ball");
    const CBall *ball = agent->M2BReadBall();
    const CVector rel = ball->GetGPos() - row.at;
    EXPECT_NEAR(ball->GetRMag(), rel.GetMag(), 0.01) << row.neck;
    EXPECT_NEAR(brain->NormaliseAngle(ball->GetRDir() - (rel.GetDir() - row.neck)), 0, 0.01) << row.neck;
    EXPECT_NEAR(ball->GetRBMag(), rel.GetMag(), 0.01) << row.body;
    EXPECT_NEAR(brain->NormaliseAngle(ball->GetRBDir() - (rel.GetDir() - row.body)), 0, 0.01) << row.body;
  }
}

TEST_F(CommunicationTest, AnyOtherTextChangesNothing)
{
  const std::string said = Said(42);
  std::string garbled = said, alien = said;
  garbled[100] = garbled[100] == 'x' ? 'y' : 'x';
  alien[300] = '*';
  const struct
  {
    const char *what;
    std::string text;
  } rows[] = {
    {"one character short", said.substr(0, 510)}, {"one character long", said + "A"},
    {"a wrong identifier", "Tarroks01" + said.substr(9)}, {"garbled", garbled},
    {"a symbol outside the alphabet", alien}, {"replayed from the cycle before", Said(41)},
    {"the opponents' own", Said(42, 'r')}, {"under another key", Said(42, 'l', 62)},
  };
  Referee("free_kick_l");
  for (const auto &row : rows)
  {
    Hear(row.text);
    EXPECT_TRUE(listener->stored.empty()) << row.what;
  }
  EXPECT_EQ(brain->GetTeamMessagesHeard(), 0);
  EXPECT_EQ(agent->P2BReadPlayMode(true), PM_FREE_KICK);
}

// What an opponent can make of our says: the time stamp's cipher gives its
// key up from two of them, and a key that differs by 65536 stamps every
// cycle alike, so a forger's time is right. Only the keyed code tells the
// forger's texts from ours: a ball planted where nobody stands, sure, and
// their free kick called off for good.
TEST_F(CommunicationTest, AForgerWithoutTheKeyChangesNothing)
{
  const int forgedKey = 61 + 65536;
  ASSERT_EQ(CMessageCoder::EncryptTimeStamp(60, forgedKey), CMessageCoder::EncryptTimeStamp(60, 61));
  const auto said = [](int key, CVector ball) {
    TeamMessage m;
    m.time = 60;
    m.sender = 4;
    m.playMode = PM_PLAY_ON;
    m.ball = {true, ball, CVector(), 1};
    m.players[m.playerCount++] = {true, 4, false, CVector(-5, 3), CVector(), 1};
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', key}).Encode(m, text, sizeof text);
    return std::string(text);
  };
  const struct
  {
    const char *what;
    int key;
    CVector ball;
    std::vector<std::string> stored;
    PlayMode mode;
  } rows[] = {
    {"forged ball off the pitch", forgedKey, CVector(60, 40), {}, -PM_FREE_KICK},
    {"forged ball on the pitch", forgedKey, CVector(10, 5), {}, -PM_FREE_KICK},
    // Our own team-mate, at a ball out of play far off: the place is refused,
    // the rest taken.
    {"team-mate, ball off the pitch", 61, CVector(60, 40), {"player"}, PM_PLAY_ON},
    {"team-mate", 61, CVector(10, 5), {"ball", "player"}, PM_PLAY_ON},
  };
  for (const auto &row : rows)
  {
    agent->SetTime(50);
    Referee("free_kick_r");
    agent->SetTime(60);
    Hear(said(row.key, row.ball));
    EXPECT_EQ(listener->stored, row.stored) << row.what;
    EXPECT_EQ(agent->P2BReadPlayMode(true), row.mode) << row.what;
  }
  EXPECT_EQ(brain->GetTeamMessagesHeard(), 2);
}

// A heard play_on ends a set play only once the referee's call is three
// cycles old.
TEST_F(CommunicationTest, AFreshCallOfTheRefereeOutranksATeamMatesWord)
{
  for (int age : {0, 2, 3})
  {
    agent->SetTime(100);
    Referee("free_kick_l");
    agent->SetTime(100 + age);
    Hear(Said(100 + age));
    EXPECT_EQ(agent->P2BReadPlayMode(true), age >= 3 ? PM_PLAY_ON : PM_FREE_KICK) << age;
  }
}

TEST_F(CommunicationTest, EachCycleHasAtMostOneSpeakerAndAllTakeTheirTurn)
{
  const struct
  {
    const char *speakers, *use;
    std::set<int> expected;
  } rows[] = {
    {"5", "1", {3, 4, 5, 6, 7}}, {"1", "1", {3}}, {"30", "1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}},
    {"5", "0", {}},
  };
  for (const auto &row : rows)
  {
    config.insert("Communication", "num_of_speakers", row.speakers);
    config.insert("Communication", "use_communication", row.use);
    listener = NewBrain<ListeningBrain>();
    std::set<int> spoke;
    for (int time = 0; time < 40; time++)
    {
      agent->SetTime(time);
      int speakers = 0;
      for (int unum = 1; unum <= 11; unum++)
      {
        agent->SetUNum(unum);
        if (brain->ShouldICommunicate() && ++speakers)
          spoke.insert(unum);
      }
      EXPECT_LE(speakers, 1) << row.speakers << " at " << time;
    }
    EXPECT_EQ(spoke, row.expected) << row.speakers;
  }
  // The speaker's say is its message of the cycle; anybody else, and the
  // speaker once the half is over, says nothing.
  config.insert("Communication", "use_communication", "1");
  for (int unum : {5, 6, 0})
  {
    if (unum == 0)
      Referee("half_time");
    listener = NewBrain<ListeningBrain>();
    agent->SetTime(2);
    agent->SetUNum(unum != 0 ? unum : 5);
    brain->Communicate();
    TeamMessage heard;
    EXPECT_EQ(CMessageCoder(TeamMessageSettings{"Tarroks00", 'l', 61}).Decode(Queue().say_text, heard) &&
                heard.time == 2 && heard.sender == 5 && heard.players[0].unum == 5,
              unum == 5);
  }
}

}  // namespace
