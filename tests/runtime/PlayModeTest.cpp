#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SensorsRig.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{

// The brain, with its message buffer and team-message switch in reach.
class MessageBrain : public CBehaviours
{
public:
  using CBehaviours::CBehaviours;
  const char *Message() const { return m_MessageBuffer; }
  void SetCommunication(bool on) { m_UseCommunication = on; }
};

class HearingTest : public SensorsFixture
{
protected:
  std::string Hear(const std::string &text) { return Analyse(text); }
  PlayMode Current() const { return agent.PlayMode()->GetPlayMode(true); }
};

}  // namespace

TEST_F(HearingTest, RefereeCallsForBothSides)
{
  struct Case
  {
    const char *call;
    PlayMode forLeft;  // our side 'l'; for 'r' the sided modes turn over
  } cases[] = {
      {"before_kick_off", 0}, {"kick_off_r", -1}, {"kick_in_l", 2}, {"corner_kick_r", -3},
      {"goal_kick_l", 4}, {"free_kick_r", -5}, {"offside_l", -6}, {"foul_r", -7},
      {"goal_l_1", 8}, {"goalie_catch_ball_r", -9}, {"play_on", 20}, {"time_up", 22},
      {"time_up_without_a_team", 23}, {"drop_ball", 25},
      // The later calls: faults give the other side a free kick.
      {"indirect_free_kick_l", 5}, {"back_pass_l", -5}, {"free_kick_fault_r", 5},
      {"catch_fault_l", -5},
  };
  for (char side : {'l', 'r'})
  {
    agent.SetSide(side);
    for (const Case &c : cases)
    {
      const bool sided = c.forLeft >= -9 && c.forLeft <= 9 && c.forLeft != 0;
      const PlayMode want = side == 'l' || !sided ? c.forLeft : -c.forLeft;
      EXPECT_EQ("", Hear(std::string("(hear 40 referee ") + c.call + ")")) << c.call;
      EXPECT_EQ(want, Current()) << c.call << " for side " << side;
      EXPECT_EQ(0, agent.PlayMode()->GetPlayModeTime(true));
    }
  }
}

TEST_F(HearingTest, GoalsMoveTheScore)
{
  agent.SetSide('l');
  Hear("(hear 11 referee goal_l_1)");
  Hear("(hear 50 referee goal_l_2)");
  Hear("(hear 80 referee goal_r_1)");
  EXPECT_EQ(1, agent.P2BReadScoreDiff());
  // A kick-off or a goal kick is no goal.
  Hear("(hear 81 referee goal_kick_r)");
  Hear("(hear 82 referee goalie_catch_ball_l)");
  EXPECT_EQ(1, agent.P2BReadScoreDiff());
}

TEST_F(HearingTest, LongRefereeTextIsCutInItsField)
{
  agent.SetSide('l');
  std::string call = "kick_off_l" + std::string(600, 'x');
  EXPECT_EQ("", Hear("(hear 5 referee " + call + ")"));
  EXPECT_EQ(1, Current());
  CaptureStderr();
  testing::internal::CaptureStdout();
  agent.PlayMode()->Display();
  std::string shown = testing::internal::GetCapturedStdout();
  GetCapturedStderr();
  EXPECT_NE(std::string::npos, shown.find("PLAYMODE PlayMode: " + call.substr(0, 49) + "\n")) << shown;
}

TEST_F(HearingTest, OnlyOtherPlayersReachTheMessageReader)
{
  for (const char *text : {"(hear 55 self quoted hello)", "(hear 0 online_coach_left coach_hello)",
                           "(hear 0 online_coach_right coach_hello)", "(hear 55 (player TestTeam 1) hello)"})
  {
    EXPECT_EQ("", Hear(text)) << text;
    EXPECT_TRUE(agent.calls.empty()) << text;
  }
  EXPECT_EQ("", Hear("(hear 55 -174 quoted hello)"));
  EXPECT_EQ(std::vector<std::string>{"message quoted hello"}, agent.calls);
  EXPECT_EQ(55, agent.GetNewTime());
}

TEST_F(HearingTest, TeamMessagesAreTakenOnlyByTheirRule)
{
  MessageBrain brain(&agent);
  const std::string ours = "Tarroks00" + std::string(501, 'A');  // 510 characters
  ASSERT_EQ(510u, ours.size());

  std::string text = ours;
  brain.ParseMessage(&text[0]);
  EXPECT_EQ(ours, brain.Message());

  // Too short by one, another team's identifier, a plain say.
  for (std::string candidate : {ours.substr(0, 509), "Tarroks01" + ours.substr(9), std::string("hello")})
  {
    MessageBrain fresh(&agent);
    fresh.ParseMessage(&candidate[0]);
    EXPECT_STREQ("", fresh.Message()) << candidate;
  }

  MessageBrain silent(&agent);
  silent.SetCommunication(false);
  text = ours;
  silent.ParseMessage(&text[0]);
  EXPECT_STREQ("", silent.Message());

  // A longer text is cut to the buffer and stays terminated.
  MessageBrain cut(&agent);
  std::string longer = ours + std::string(1000, 'B');
  cut.ParseMessage(&longer[0]);
  EXPECT_EQ(longer.substr(0, 639), cut.Message());
}

TEST_F(HearingTest, TeamMateTextReachesTheBrainExactly)
{
  const std::string said = "Tarroks00" + std::string(502, 'z');
  agent.SetTime(54);
  EXPECT_EQ("", Hear("(hear 55 -30 " + said + ")"));
  EXPECT_EQ(std::vector<std::string>{"message " + said}, agent.calls);
}

TEST_F(HearingTest, ACardLeavesThePlayModeAsItWasAndSaysNothing)
{
  agent.SetSide('l');
  agent.SetTime(30);
  Hear("(hear 30 referee kick_in_r)");
  agent.SetTime(40);
  Hear("(hear 40 referee free_kick_l)");
  agent.SetTime(44);
  for (const char *card : {"yellow_card_l_9", "red_card_r_4", "yellow_card_r_11", "red_card_l_1"})
  {
    EXPECT_EQ("", Hear(std::string("(hear 44 referee ") + card + ")")) << card;
    EXPECT_EQ(PM_FREE_KICK, Current()) << card;
    // The set play keeps its start and the call before it.
    EXPECT_EQ(40, agent.PlayMode()->GetPlayModeTime(true)) << card;
    EXPECT_EQ(-PM_KICK_IN, agent.PlayMode()->GetPlayMode(false)) << card;
    EXPECT_EQ(30, agent.PlayMode()->GetPlayModeTime(false)) << card;
  }
  // A call nobody knows is still reported.
  EXPECT_NE("", Hear("(hear 45 referee green_card_l_9)"));
}
