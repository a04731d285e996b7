// The cycle's bundle as the decision pass fills it, on a brain wired to a
// real agent and world model.

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "BundleFixture.h"

namespace
{

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
