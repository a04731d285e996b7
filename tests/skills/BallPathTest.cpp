// Dribbling towards a point and the point of the ball's path nearest to the
// agent.

#include <gtest/gtest.h>

#include "BrainRig.h"

namespace
{
using BallPathTest = BrainRig;

TEST_F(BallPathTest, DribbleRunsToALooseBallAndPushesAKickableOneOn)
{
  // Arrived: nothing.
  Ball(CVector(0.5f, 0));
  EXPECT_EQ(0, brain->CleverDribbleTo(CVector(0.5f, 0), 1, 1));
  EXPECT_EQ(-999, Queue().time);
  // At the feet: a push of three metres towards the target, no farther.
  EXPECT_EQ(1, brain->CleverDribbleTo(CVector(0.5f, 20), 2, 1));
  ASSERT_EQ(CMD_KICK, Queue().command);
  EXPECT_NEAR(90, Queue().angle, 0.01);
  EXPECT_NEAR(3 * 0.06f, Queue().power * brain->CalcKickPowerRate(), 1e-3);
  // Out of reach: after the ball.
  Ball(CVector(5, 0));
  EXPECT_EQ(1, brain->CleverDribbleTo(CVector(20, 0), 2, 1));
  EXPECT_EQ(CMD_DASH, Queue().command);
}

TEST_F(BallPathTest, BallPathPointIsWhereTheRollingBallPassesNearest)
{
  agent->SetTime(50);
  Ball(CVector(-10, 3), CVector(2, 0));
  brain->VerifyBPIInfo();
  EXPECT_EQ(0, brain->BallPathInterceptAmIThere(1));
  EXPECT_EQ(1, brain->BallPathInterceptAmIThere(3));
  // A still ball has no path.
  agent->SetTime(51);
  Ball(CVector(-10, 3));
  EXPECT_EQ(0, brain->BallPathInterceptAmIThere(3));
}
}  // namespace
