// The first team play: farewell at the half's end, kick-off placement, and
// a neck that looks about, every pass leaving a bundle for its cycle.

#include <gtest/gtest.h>

#include "BundleFixture.h"

namespace
{
using FirstPlayTest = BundleTest;

// One decision pass as the main loop runs it.
void Pass(CBehaviours *brain, PlayMode previous, PlayMode current)
{
  brain->AdjustStrategy();
  brain->DetermineEnvState(previous, current);
  brain->DetermineActionState();
  brain->PlayAsForward(previous, current);
}

TEST_F(FirstPlayTest, TheHalfsEndAndAReturnToBeforeKickOffSayGoodbye)
{
  const PlayMode ends[] = {PM_HALF_TIME, PM_TIME_OVER, PM_TIME_UP_WITHOUT_A_TEAM,
                           PM_TIME_EXTENDED};
  for (PlayMode end : ends)
  {
    Pass(brain, PM_PLAY_ON, end);
    EXPECT_EQ(CMD_BYE, brain->GetQueue().command) << end;
    EXPECT_EQ(42, brain->GetQueue().time);
    // Offered for another cycle, the bundle is dropped, not sent.
    brain->SendAllActions(0);
  }
  Pass(brain, -PM_GOAL, PM_BEFORE_KICK_OFF);
  EXPECT_EQ(CMD_BYE, brain->GetQueue().command);
}

TEST_F(FirstPlayTest, BeforeKickOffTheRoleComesFromTheFormationAndThePlayerTakesItsPlace)
{
  Pass(brain, PM_BEFORE_KICK_OFF, PM_BEFORE_KICK_OFF);
  EXPECT_EQ(0, brain->GetFormationID());
  EXPECT_EQ(ROLE_FORWARD, brain->GetRole());
  const ACTIONQUEUE q = brain->GetQueue();
  EXPECT_EQ(42, q.time);
  EXPECT_EQ(CMD_MOVE, q.command);
  EXPECT_EQ(-1, q.move_x);
  EXPECT_EQ(-25, q.move_y);
}

TEST_F(FirstPlayTest, InPlayTheNeckTurnsNowOrOnceTheVisualIsIn)
{
  // Nothing seen yet: the turn waits for the visual, and the pass still
  // leaves a bundle for the cycle, with no main command.
  Pass(brain, PM_KICK_OFF, PM_PLAY_ON);
  ACTIONQUEUE q = brain->GetQueue();
  EXPECT_EQ(42, q.time);
  EXPECT_EQ(CMD_NONE, q.command);
  EXPECT_FALSE(q.turn_neck);
  EXPECT_EQ(SCAN_NECK, q.scan_type);
  EXPECT_NE(0, q.scan_angle);

  // A visual came: the neck turns at once, and the next look waits for the
  // visual of the new direction.
  brain->SendAllActions(0);
  brain->SetHaveVisualForThisAngle(true);
  agent->SetTime(43);
  Pass(brain, PM_KICK_OFF, PM_PLAY_ON);
  q = brain->GetQueue();
  EXPECT_TRUE(q.turn_neck);
  EXPECT_GT(q.neck_angle * q.neck_angle, 1);
  EXPECT_FALSE(brain->GetHaveVisualForThisAngle());
}

TEST_F(FirstPlayTest, TheNeckAlwaysFindsATurnWhereverItStands)
{
  for (int head = -90; head <= 90; head += 15)
    for (int t = 42; t < 46; t++)
    {
      agent->SetTime(t);
      SetBody(0, static_cast<float>(head));
      brain->SetHaveVisualForThisAngle(true);
      Pass(brain, PM_PLAY_ON, PM_PLAY_ON);
      const ACTIONQUEUE q = brain->GetQueue();
      EXPECT_TRUE(q.turn_neck) << "head " << head << " cycle " << t;
      EXPECT_LE(head + q.neck_angle, 89.001f);
      EXPECT_GE(head + q.neck_angle, -89.001f);
      brain->SendAllActions(0);
    }
}
}
