// The cycle's bundle as the decision pass fills it, on a brain wired to a
// real agent and world model.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "AgentHarness.h"
#include "BundleFixture.h"

namespace
{

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

// Waits for a visual short enough for a test.
class WaitingBundleTest : public BundleTest
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("Timing", "max_sim_visual_wait", 30);
  }
};

TEST_F(WaitingBundleTest, OnlyAVisualAfterTheMainCommandEndsTheWaitAfterSending)
{
  // Nothing but a neck turn: the visual already in counts.
  brain->SetIsNewVisual(1);
  brain->TurnNeck(40);
  brain->QueueWait4Visual(true);
  EXPECT_EQ(1, brain->SendAllActions(42));
  EXPECT_EQ(1, brain->GetIsNewVisual());

  // After a dash only a later visual shows its effect.
  brain->Dash(50);
  brain->QueueWait4Visual(true);
  EXPECT_EQ(1, brain->SendAllActions(42));
  EXPECT_EQ(0, brain->GetIsNewVisual());
}
}
