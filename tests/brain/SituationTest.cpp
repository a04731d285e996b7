// The brain's questions about the situation, asked of a real world model
// holding placed team-mates, opponents and ball.

#include <gtest/gtest.h>

#include "BrainWorldFixture.h"

namespace
{
using SituationTest = BrainWorldTest;
}

TEST_F(SituationTest, StillBallGoesToTheNearestMateWhoMayRunForIt)
{
  RollBall(10, 0);
  memory().SetGPos(CVector(0, 0));
  // Nearest the goalkeeper, then a tired mate, then another goalkeeper
  // record: the third is not examined.
  Mate(0, 10, 1, 1);
  CPlayer *tired = Mate(1, 10, 2, 7);
  tired->SetIsTired(true);
  const CPlayer *third = Mate(2, 10, 3, 1);
  EXPECT_EQ(third, brain().FastestFriend2Ball(false));

  // A mate exactly as far from the ball as the agent still goes.
  tired->SetIsTired(false);
  memory().SetGPos(CVector(10, -2));
  EXPECT_EQ(tired, brain().FastestFriend2Ball(true));
  memory().SetGPos(CVector(10, -1.9f));
  EXPECT_EQ(nullptr, brain().FastestFriend2Ball(true));

  // Without a trusted ball nobody is fastest.
  PlaceBall(10, 0, 0.1f);
  memory().SetGPos(CVector(50, 30));
  EXPECT_EQ(nullptr, brain().FastestFriend2Ball(true));
  EXPECT_EQ(nullptr, brain().FastestFoe2Ball());
}

TEST_F(SituationTest, MovingBallAnswerIsKeptForTheCycle)
{
  RollBall(10, 0, CVector(1, 0));
  memory().SetGPos(CVector(12, 3));
  CPlayer *mate = Mate(0, 5, -6, 7);
  // The agent is nearer, but the first answer of the cycle holds.
  EXPECT_EQ(mate, brain().FastestFriend2Ball(false));
  EXPECT_EQ(mate, brain().FastestFriend2Ball(true));
  memory().SetTime(11);
  EXPECT_EQ(nullptr, brain().FastestFriend2Ball(true));

  // A goalkeeper never runs out for it.
  memory().SetTime(12);
  Place(mate, 14, 1, 12, 1);
  EXPECT_EQ(nullptr, brain().FastestFriend2Ball(false));
}

TEST_F(SituationTest, TheBallBelongsToTheStrictlyNearerPlayerWhoCanKickIt)
{
  RollBall(0, 0);
  memory().SetGPos(CVector(-20, 0));
  CPlayer *mate = Mate(0, 0.5f, 0, 7);
  CPlayer *foe = Foe(0, -0.5f, 0, 3);
  EXPECT_EQ(nullptr, brain().PlayerWithBall(0));

  Place(foe, -0.8f, 0, 10, 3, 'r');
  EXPECT_EQ(mate, brain().PlayerWithBall(0));
  EXPECT_EQ(mate, brain().FriendWithBall(0));
  EXPECT_EQ(nullptr, brain().FoeWithBall(0));
  // The buffer narrows the reach below the half metre.
  EXPECT_EQ(nullptr, brain().PlayerWithBall(0.6f));

  Place(mate, 3, 0, 10, 7);
  EXPECT_EQ(foe, brain().FoeWithBall(0));
  EXPECT_EQ(nullptr, brain().FriendWithBall(0));
}

TEST_F(SituationTest, OffsideLookOnlyNearTheLineAndForAnUnseenDefender)
{
  agent->brain->SetFormationID(0);
  Foe(0, 30, 10, 2)->SetConf(0.9f);
  Foe(1, 20, 0, 3);
  const float line = memory().GetOffsideLine();

  memory().SetGPos(CVector(line + 4, 0));
  EXPECT_FALSE(brain().CheckOffsideLine());
  EXPECT_EQ(-999, brain().GetQueue().time);

  memory().SetGPos(CVector(line + 3.9f, 0));
  agent->SetUNum(1);
  brain().SetRole();
  EXPECT_FALSE(brain().CheckOffsideLine());

  agent->SetUNum(5);
  brain().SetRole();
  EXPECT_TRUE(brain().CheckOffsideLine());
  EXPECT_TRUE(brain().GetQueue().turn_neck);

  // Seen this cycle, the defender needs no look.
  memory().SetTime(11);
  Foe(0, 30, 10, 2);
  EXPECT_FALSE(brain().CheckOffsideLine());
}

TEST_F(SituationTest, PossessionIsOursByTheBallOrByTheCyclesWithAMarginByZone)
{
  bool near = false;
  PlaceBall(10, 0, 0.1f);
  EXPECT_FALSE(brain().IsOurPossession(near));
  EXPECT_TRUE(near);

  // Nobody else about: a loose ball is ours (no opponent counts 9999).
  RollBall(10, 0);
  EXPECT_TRUE(brain().IsOurPossession(near));

  // A loose ball three cycles nearer to the agent than to the opponent.
  memory().SetGPos(CVector(7, 0));
  CPlayer *foe = Foe(0, 15, 0, 4);
  const int mine = brain().NumOfCyclesToIntercept(nullptr);
  ASSERT_EQ(mine + 3, brain().NumOfCyclesToIntercept(foe)) << mine;
  EXPECT_TRUE(brain().IsOurPossession(near));
  EXPECT_TRUE(near);
  // Deep in our half the margin is four cycles.
  memory().SetTime(11);
  RollBall(-40, 0);
  memory().SetGPos(CVector(-43, 0));
  Place(foe, -35, 0, 11, 4, 'r');
  ASSERT_EQ(mine + 3, brain().NumOfCyclesToIntercept(foe));
  EXPECT_FALSE(brain().IsOurPossession(near));

  // A team-mate at the ball: ours, but not near the agent. (The store
  // sorts its players once a cycle.)
  memory().SetTime(12);
  Place(foe, -35, 0, 12, 4, 'r');
  CPlayer *mate = Mate(0, -40.5f, 0, 7);
  EXPECT_TRUE(brain().IsOurPossession(near));
  EXPECT_FALSE(near);
  // The opponent at the ball: theirs.
  memory().SetTime(13);
  Place(mate, -45, 10, 13, 7);
  Place(foe, -39.5f, 0, 13, 4, 'r');
  EXPECT_FALSE(brain().IsOurPossession(near));
  // The agent at the ball: ours and near, whoever else is close.
  memory().SetGPos(CVector(-40.2f, 0.4f));
  EXPECT_TRUE(brain().IsOurPossession(near));
  EXPECT_TRUE(near);

}

namespace
{
// Their two men off the way of a ball rolling towards our goal: the nearer
// the way the quicker. Number 9 is picked first; then number 10 comes
// nearer the way in the next cycle.
TEST_F(SituationTest, TheirManPickedFirstToTheBallStaysPickedWhileWithinACycleOfTheQuickest)
{
  const struct
  {
    const char *name;
    float otherOff;
    bool askedLastCycle;
    int picked;
  } rows[] = {
      // The reckoning is no finer than a cycle: 4 cycles against 5.
      {"the other quicker by a cycle", -3, true, 9},
      {"the other quicker by two cycles", -1.5f, true, 10},
      {"not asked in the last cycle", -3, false, 10},
  };
  for (const auto &row : rows)
  {
    Fresh();
    memory().SetGPos(CVector(20, 20));
    const auto world = [&](float otherOff) {
      RollBall(0, 0, CVector(-1.5f, 0));
      memory().GetNonConstBall()->SetTime(memory().GetTime());
      Foe(0, -6, 4, 9);
      Foe(1, -6, otherOff, 10);
    };
    world(-6);
    if (row.askedLastCycle)
    {
      const CPlayer *first = brain().FastestFoe2Ball();
      ASSERT_TRUE(first) << row.name;
      ASSERT_EQ(9, first->GetUNum()) << row.name;
    }
    memory().SetTime(memory().GetTime() + 1);
    world(row.otherOff);
    const CPlayer *picked = brain().FastestFoe2Ball();
    ASSERT_TRUE(picked) << row.name;
    EXPECT_EQ(row.picked, picked->GetUNum()) << row.name;
    // Every caller of the cycle gets the same answer.
    EXPECT_EQ(picked, brain().FastestFoe2Ball()) << row.name;
  }
}
}
