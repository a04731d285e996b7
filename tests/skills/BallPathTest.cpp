// Dribbling towards a point and the point of the ball's path nearest to the
// agent.

#include <gtest/gtest.h>

#include <algorithm>

#include "BrainRig.h"
#include "ServerModel.h"

namespace
{
using BallPathTest = BrainRig;
using DribbleTest = ServerModelRig;

TEST_F(DribbleTest, TheDribbledBallStaysWithinReachAllTheWay)
{
  struct Case
  {
    CVector target, foe, ball;
    float facing;
    float least;  // the least the agent gains on the target in 30 cycles
  } cases[] = {
      {CVector(30, 0), CVector(), CVector(0.6f, 0), 0, 15},
      {CVector(0, 30), CVector(), CVector(0.6f, 0), 0, 12},
      {CVector(-30, 0), CVector(), CVector(0.6f, 0), 0, 12},
      // Round an opponent standing in the way.
      {CVector(30, 0), CVector(6, 0.5f), CVector(0.6f, 0), 0, 10},
      // Behind the agent, who must turn: brought round to the front first.
      {CVector(30, 0), CVector(), CVector(-0.85f, 0.35f), -20, 10},
  };
  for (const Case &c : cases)
  {
    brain->foes.clear();
    if (c.foe.GetMag() > 0)
      Foe(c.foe);
    Place(CVector(0, 0), c.facing);
    Ball(c.ball);
    int loose = 0, longest = 0;
    for (int cycle = 0; cycle < 30; cycle++)
    {
      ASSERT_EQ(1, brain->CleverDribbleTo(c.target, 1.0f)) << c.target.GetX() << " " << cycle;
      Step();
      EXPECT_GT(BallDist(), 0.385f) << c.target.GetX() << " " << cycle;
      if (c.foe.GetMag() > 0)
      {
        EXPECT_GT(agent->M2BReadBall()->GetGPos().dist(c.foe), 1.1f) << cycle;
      }
      loose = BallDist() < 1.085f ? 0 : loose + 1;
      longest = std::max(longest, loose);
    }
    EXPECT_LE(longest, 2) << c.target.GetX();
    EXPECT_GT(c.target.GetMag() - agent->GetGPos().dist(c.target), c.least) << c.target.GetX();
  }
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
