// The cycle's bundle as the decision pass fills it, and the formations'
// placement, on a brain wired to a real agent and world model.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AgentHarness.h"
#include "BundleFixture.h"

namespace
{
TEST_F(BundleTest, StartsEmptyAndStampsTheCycleOnEveryWrite)
{
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_EQ(-999, q.time);
  EXPECT_EQ(CMD_NONE, q.command);
  EXPECT_FALSE(q.turn_neck || q.say || q.change_view || q.sense_body || q.wait_for_visual);

  EXPECT_EQ(42, brain->SenseBody());
  q = brain->GetQueue();
  EXPECT_EQ(42, q.time);
  EXPECT_TRUE(q.sense_body);

  // The deferred scan and the wait flag leave the cycle alone.
  agent->SetTime(43);
  brain->QueueScan(SCAN_NECK, 30);
  brain->QueueWait4Visual(true);
  q = brain->GetQueue();
  EXPECT_EQ(42, q.time);
  EXPECT_EQ(SCAN_NECK, q.scan_type);
  EXPECT_FLOAT_EQ(30, q.scan_angle);
  EXPECT_TRUE(q.wait_for_visual);
}

TEST_F(BundleTest, LaterMainCommandReplacesEarlierOnlyInTheFieldsItWrites)
{
  EXPECT_EQ(1, brain->Kick(80, 30));
  EXPECT_EQ(1, brain->Dash(55));
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_EQ(CMD_DASH, q.command);
  EXPECT_FLOAT_EQ(55, q.power);
  EXPECT_FLOAT_EQ(30, q.angle);

  brain->Move(-10, 7);
  q = brain->GetQueue();
  EXPECT_EQ(CMD_MOVE, q.command);
  EXPECT_EQ(-10, q.move_x);
  EXPECT_EQ(7, q.move_y);

  EXPECT_EQ(1, brain->Catch(-45));
  EXPECT_EQ(CMD_CATCH, brain->GetQueue().command);
  EXPECT_EQ(42, brain->SayBye());
  EXPECT_EQ(CMD_BYE, brain->GetQueue().command);
}

TEST_F(BundleTest, TurnQueuesTheMomentForTheSpeedFromOneDegreeOn)
{
  // A moment of 0.9 is too small to queue; one of exactly 1 is queued.
  EXPECT_EQ(0, brain->Turn(0.9f));
  EXPECT_EQ(-999, brain->GetQueue().time);
  EXPECT_EQ(1, brain->Turn(1));
  EXPECT_FLOAT_EQ(1, brain->GetQueue().angle);

  // Moving at 0.2 with inertia 5, the body needs twice the angle.
  SetBody(0.2f, 0);
  EXPECT_EQ(1, brain->Turn(30));
  EXPECT_FLOAT_EQ(60, brain->GetQueue().angle);
  EXPECT_EQ(1, brain->Turn(-120));
  EXPECT_FLOAT_EQ(-180, brain->GetQueue().angle);
}

TEST_F(BundleTest, NeckTurnStopsADegreeShortOfTheLimitsAndNeedsMoreThanOne)
{
  brain->TurnNeck(1);
  EXPECT_FALSE(brain->GetQueue().turn_neck);

  SetBody(0, 60);
  brain->TurnNeck(50);
  EXPECT_TRUE(brain->GetQueue().turn_neck);
  EXPECT_FLOAT_EQ(29, brain->GetQueue().neck_angle);
  EXPECT_TRUE(brain->TurnNeckThisCycle());

  SetBody(0, -10);
  brain->TurnNeck(-400);
  EXPECT_FLOAT_EQ(-79, brain->GetQueue().neck_angle);

  // Already at the stop: the turn would be under a degree.
  SetBody(0, 89);
  brain->TurnNeck(5);
  EXPECT_FLOAT_EQ(-79, brain->GetQueue().neck_angle);

  agent->SetTime(43);
  EXPECT_FALSE(brain->TurnNeckThisCycle());
}

TEST_F(BundleTest, ResetBodyTurnsTheBodyWhereTheNeckLooked)
{
  SetBody(0, 0.5f);
  EXPECT_EQ(0, brain->ResetBody());
  brain->ResetNeck();
  EXPECT_EQ(-999, brain->GetQueue().time);

  SetBody(0, 40);
  EXPECT_EQ(1, brain->ResetBody());
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_FLOAT_EQ(-40, q.neck_angle);
  EXPECT_EQ(CMD_TURN, q.command);
  EXPECT_FLOAT_EQ(40, q.angle);
}

TEST_F(BundleTest, ChangeViewOnlyForANewViewAndTheBodyStateFollowsAtOnce)
{
  brain->ChangeView("normal", "high");
  EXPECT_EQ(-999, brain->GetQueue().time);

  brain->ChangeView("narrow", "high");
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_TRUE(q.change_view);
  EXPECT_STREQ("narrow", q.view_width);
  EXPECT_STREQ("high", q.view_quality);
  EXPECT_STREQ("narrow", agent->GetSB().view_width);

  // An overlong word is cut, and stays terminated, in both places.
  brain->ChangeView("wideandthensome", "low");
  EXPECT_STREQ("wideandth", brain->GetQueue().view_width);
  EXPECT_STREQ("wideandth", agent->GetSB().view_width);
}

TEST_F(BundleTest, SayKeepsAtMostTheBufferAndStaysTerminated)
{
  const std::string longText(700, 'x');
  brain->Say(longText.c_str());
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_TRUE(q.say);
  EXPECT_EQ(static_cast<size_t>(ACTIONQUEUE::SAY_LENGTH - 1), strlen(q.say_text));
}

TEST_F(BundleTest, ABundleOfAnotherCycleIsDroppedIntoTheLastBundle)
{
  brain->Dash(70);
  brain->QueueScan(SCAN_BODY, 45);
  EXPECT_EQ(0, brain->SendAllActions(43));
  ACTIONQUEUE last = brain->GetLastQueue();
  EXPECT_EQ(42, last.time);
  EXPECT_EQ(CMD_DASH, last.command);
  EXPECT_EQ(SCAN_BODY, last.scan_type);
  EXPECT_EQ(-999, brain->GetQueue().time);
  EXPECT_EQ(0, agent->GetActionCount());
}

// ------------------------------------------------------------ formations

TEST_F(BundleTest, RolesFollowTheFormationAndTheNumber)
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

TEST_F(BundleTest, HomePositionsComeFromTheTableOrAreUnset)
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

TEST_F(BundleTest, InitialMoveGoesToTheKickOffPointInOurHalf)
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

TEST_F(BundleTest, InitialMoveStaysWhenCloseAndReportsWhatItCannotPlace)
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

TEST_F(BundleTest, DashPowerKeepsTheStaminaReserve)
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
