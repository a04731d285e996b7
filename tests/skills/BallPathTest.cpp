// Dribbling towards a point and the point of the ball's path nearest to the
// agent.

#include <gtest/gtest.h>

#include <algorithm>

#include "BrainRig.h"
#include "Predict.h"
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

// What the ball's path offers the agent at the origin, facing along x: the
// point to wait at, whether he gets there before the ball, the ball's
// cycles to it and his distance from it; the last three count only when
// he gets there in time.
TEST_F(BallPathTest, ThePathsPointCyclesAndDistanceAsTheAgentCanUseThem)
{
  const float never = static_cast<float>(Predict::MAX_CYCLES);
  const struct
  {
    const char *name;
    CVector ball, velocity, point;
    int valid, canGet;
    float cycles, distance;
  } rows[] = {
      // Passing three metres ahead: 10 m at 2 m/s takes the ball 6 cycles.
      {"across in front", CVector(-10, 3), CVector(2, 0), CVector(0, 3), 1, 1, 6, 3},
      // Rolling away: the nearest point is where it lies, and it is gone.
      {"away from me", CVector(5, 0), CVector(2, 0), CVector(5, 0), 1, 0, never, never},
      // Stopping short of the agent: the point is where it comes to rest.
      {"dying on its way", CVector(-30, 3), CVector(1, 0), CVector(-30 + 1 / 0.06f, 3), 1, 1, 45,
       CVector(-30 + 1 / 0.06f, 3).GetMag()},
      // Too fast and too far to be met in time.
      {"out of reach", CVector(-5, 25), CVector(2.5f, 0), CVector(0, 25), 1, 0, never, never},
      {"lying still", CVector(4, 4), CVector(), CVector(4, 4), 0, 0, never, never},
  };
  for (const auto &row : rows)
  {
    agent->SetTime(agent->GetTime() + 1);
    Ball(row.ball, row.velocity);
    EXPECT_EQ(row.valid, brain->BallPathInterceptValid()) << row.name;
    const CVector point = brain->BallPathInterceptPoint();
    EXPECT_NEAR(row.point.GetX(), point.GetX(), 0.01f) << row.name;
    EXPECT_NEAR(row.point.GetY(), point.GetY(), 0.01f) << row.name;
    EXPECT_EQ(row.canGet, brain->BallPathInterceptCanIGetThere()) << row.name;
    EXPECT_NEAR(row.cycles, brain->BallPathInterceptCyclesForBall(), 0.001f) << row.name;
    EXPECT_NEAR(row.distance, brain->BallPathInterceptDistance(), 0.01f) << row.name;
  }
}

}  // namespace
