// Where the formation puts each player, and how hard the player walks there.

#include <gtest/gtest.h>

#include "AgentHarness.h"
#include "BundleFixture.h"

namespace
{
class FormationsTest : public BundleTest
{
};

TEST_F(FormationsTest, RolesFollowTheFormationAndTheNumber)
{
  const int expected[3][12] = {
    {0, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 4},
    {0, 1, 2, 2, 2, 2, 3, 3, 3, 4, 4, 4},
    {0, 1, 2, 2, 2, 2, 2, 3, 3, 3, 4, 4}};
  for (int formation = -1; formation <= 1; formation++)
  {
    brain->SetFormationID(formation);
    for (int unum = 0; unum <= 11; unum++)
      EXPECT_EQ(expected[formation + 1][unum], brain->GetRole(unum))
        << "formation " << formation << " unum " << unum;
    EXPECT_EQ(0, brain->GetRole(-999));
    EXPECT_EQ(0, brain->GetRole(12));
  }
  brain->SetFormationID(1);
  brain->SetRole();
  EXPECT_EQ(ROLE_MIDFIELDER, brain->GetRole());
  brain->SetFormationID(2);
  brain->SetRole();
  EXPECT_EQ(ROLE_NONE, brain->GetRole());
}

TEST_F(FormationsTest, HomePositionsComeFromTheTableOrAreUnset)
{
  brain->SetFormationID(0);
  EXPECT_FLOAT_EQ(27, brain->GetHomePos().GetX());
  EXPECT_FLOAT_EQ(-25, brain->GetHomePos().GetY());
  brain->SetFormationID(-1);
  EXPECT_FLOAT_EQ(17, brain->GetHomePos(11).GetX());
  EXPECT_FLOAT_EQ(25, brain->GetHomePos(11).GetY());
  EXPECT_FLOAT_EQ(999, brain->GetHomePos(12).GetX());
  EXPECT_FLOAT_EQ(999, brain->GetHomePos(0).GetY());
  brain->SetFormationID(5);
  EXPECT_FLOAT_EQ(999, brain->GetHomePos(3).GetX());
}

TEST_F(FormationsTest, InitialMoveGoesToTheKickOffPointInOurHalf)
{
  struct Case
  {
    int formation, unum, x, y;
  } cases[] = {{0, 9, -1, -25}, {0, 7, -9, -5}, {0, 1, -50, 0}, {-1, 9, -10, -7},
               {-1, 11, -1, 25}, {1, 11, -10, 7}, {1, 3, -40, -10}};
  for (const Case &c : cases)
  {
    brain->SetFormationID(c.formation);
    agent->SetUNum(c.unum);
    brain->InitialMove();
    ACTIONQUEUE q = brain->GetQueue();
    EXPECT_EQ(CMD_MOVE, q.command) << c.formation << "/" << c.unum;
    EXPECT_EQ(c.x, q.move_x) << c.formation << "/" << c.unum;
    EXPECT_EQ(c.y, q.move_y) << c.formation << "/" << c.unum;
    brain->SendAllActions(0);
  }
}

TEST_F(FormationsTest, InitialMoveStaysWhenCloseAndReportsWhatItCannotPlace)
{
  brain->SetFormationID(1);
  agent->SetUNum(10);
  agent->SetGPos(CVector(-0.6f, 0.8f));
  brain->InitialMove();
  EXPECT_EQ(-999, brain->GetQueue().time);

  agent->SetUNum(12);
  testing::internal::CaptureStderr();
  brain->InitialMove();
  EXPECT_EQ("42 ERROR: BasicBehaviours: InitialMove: I should know my own UNum !!! (12)\n",
            testing::internal::GetCapturedStderr());
  EXPECT_EQ(-999, brain->GetQueue().time);

  agent->SetUNum(4);
  agent->SetGPos(CVector(20, 20));
  brain->SetFormationID(3);
  testing::internal::CaptureStderr();
  brain->InitialMove();
  EXPECT_EQ("42 ERROR: BasicBehaviours: InitialMove: What formation ID is that -3- ?\n",
            testing::internal::GetCapturedStderr());
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_EQ(CMD_MOVE, q.command);
  EXPECT_EQ(0, q.move_x);
  EXPECT_EQ(0, q.move_y);
}

TEST_F(FormationsTest, DashPowerKeepsTheStaminaReserve)
{
  // Reserve: effort threshold 0.3 of 3500 plus a buffer of 20.
  EXPECT_FLOAT_EQ(30, brain->CorrectDashPower4Stamina(100, 1100));
  EXPECT_FLOAT_EQ(0, brain->CorrectDashPower4Stamina(100, 1000));
  EXPECT_FLOAT_EQ(100, brain->CorrectDashPower4Stamina(100, 3000));
  // Backward dashes may spend down to half the reserve.
  EXPECT_FLOAT_EQ(-100, brain->CorrectDashPower4Stamina(-100, 1100));
  EXPECT_FLOAT_EQ(-15, brain->CorrectDashPower4Stamina(-100, 550));
  EXPECT_FLOAT_EQ(0, brain->CorrectDashPower4Stamina(-100, 500));
  SetBody(0, 0);
  EXPECT_FLOAT_EQ(100, brain->CorrectDashPower4Stamina(100));
}
}
