// The ball behaviours: holding the ball away from the nearest opponent,
// blocking an opponent's way to our goal, possession, resting and keeping
// the ball.

#include <cmath>

#include <gtest/gtest.h>

#include "BrainRig.h"

namespace
{
using BallBehavioursTest = BrainRig;

// Where the ball is one cycle after the queued kick.
CVector BallAfterKick(CBehaviours &brain, const ACTIONQUEUE &q, CVector ball, CVector velocity)
{
  return ball + velocity + Polar2CVector(q.power * brain.CalcKickPowerRate(), q.angle);
}

TEST_F(BallBehavioursTest, HoldBallKeepsTheBallOnThePitchAwayFromTheOpponent)
{
  // 0.3 m inside the touch-line with the opponent on the pitch side: the
  // point straight away from him lies off the pitch, so the ball goes where
  // the touch-line cuts the hold circle, on the side nearer that point.
  Place(CVector(0, 33.7f), 0);
  Ball(CVector(0.5f, 33.7f), CVector(1.0f, 0));
  Foe(CVector(-2, 30));
  brain->HoldBall();
  ACTIONQUEUE q = Queue();
  ASSERT_EQ(CMD_KICK, q.command);
  const CVector after = BallAfterKick(*brain, q, CVector(0.5f, 33.7f), CVector(1.0f, 0));
  const float cut = std::sqrt(0.7f * 0.7f - 0.3f * 0.3f);
  EXPECT_NEAR(cut, after.GetX(), 0.01);
  EXPECT_NEAR(34, after.GetY(), 0.01);
}

TEST_F(BallBehavioursTest, HoldBallLooksAtAnUnseenOpponentWhileItSpins)
{
  // Outside the normal view cone and not in the last visual, but within
  // the neck's reach.
  Ball(Polar2CVector(0.6f, 30));
  CPlayer *foe = Foe(Polar2CVector(3, 70), 0.9f);
  foe->SetRPos(Polar2CVector(3, 70));
  brain->HoldBall();
  ACTIONQUEUE q = Queue();
  EXPECT_TRUE(q.turn_neck);
  ASSERT_EQ(CMD_KICK, q.command);
  // Away from him, round his other side, as far as a gentle kick goes.
  const CVector after = BallAfterKick(*brain, q, Polar2CVector(0.6f, 30), CVector());
  EXPECT_LT(after.GetDir(), 25);
  EXPECT_GE(after.GetDir(), -60);
  EXPECT_NEAR(0.7f, after.GetMag(), 0.01);
}

TEST_F(BallBehavioursTest, BlockFoeOverrunsFromOutsideTheConeUntilItGetsThere)
{
  const CVector goal(-52.5f, 0);
  EXPECT_EQ(0, brain->BlockFoe(goal, nullptr, 80));
  CPlayer *foe = Foe(CVector(-20, 0));
  EXPECT_EQ(0, brain->BlockFoe(goal, foe, 80));  // the ball is not known
  EXPECT_EQ(-999, Queue().time);

  Ball(CVector(-19.5f, 0));
  // Well outside his cone towards the goal: overrun.
  Place(CVector(-20, 15), 0);
  EXPECT_EQ(1, brain->BlockFoe(goal, foe, 80));
  EXPECT_TRUE(brain->m_OverrunBlocking);
  EXPECT_EQ(42, brain->m_BlockFoeTime);

  // Next cycle, now inside the cone, the overrun goes on untested.
  agent->SetTime(43);
  Place(CVector(-30, 1), 0);
  EXPECT_EQ(1, brain->BlockFoe(goal, foe, 80));
  EXPECT_TRUE(brain->m_OverrunBlocking);

  // A skipped cycle ends it: inside the cone the agent blocks.
  agent->SetTime(45);
  EXPECT_EQ(1, brain->BlockFoe(goal, foe, 80));
  EXPECT_FALSE(brain->m_OverrunBlocking);
  EXPECT_EQ(45, brain->m_BlockFoeTime);

  // An opponent on the point itself is simply gone for, without a word.
  agent->SetTime(51);
  foe->SetGPos(goal);
  testing::internal::CaptureStderr();
  EXPECT_EQ(1, brain->BlockFoe(goal, foe, 80));
  EXPECT_EQ("", testing::internal::GetCapturedStderr());
  EXPECT_FALSE(brain->m_OverrunBlocking);
}

TEST_F(BallBehavioursTest, CanKeepBallDecidesOncePerCycle)
{
  // The first cycle's answer stands from the start.
  agent->SetTime(0);
  EXPECT_FALSE(brain->CanKeepBall(3));

  agent->SetTime(42);
  Ball(CVector(0.5f, 0));
  Foe(CVector(30, 0));
  EXPECT_TRUE(brain->CanKeepBall(1));
  // An opponent who turns up later in the cycle does not change it.
  Foe(CVector(1.5f, 0));
  EXPECT_TRUE(brain->CanKeepBall(10));
  // Next cycle he reaches the ball with his reach taken a third larger.
  agent->SetTime(43);
  EXPECT_FALSE(brain->CanKeepBall(1));
}
}  // namespace
