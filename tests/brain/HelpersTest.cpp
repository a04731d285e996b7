#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "AgentHarness.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
using HelpersTest = AgentFixture;

// A body that keeps all its speed, so that every turn achieves little.
class NoDecayTest : public AgentFixture
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("Server", "player_decay", 1.0);
  }
};

}

TEST_F(HelpersTest, AnglesWrapIntoTheHalfTurnsAndAbsurdOnesAreReported)
{
  const CBehaviours &brain = *agent->brain;
  agent->memory->SetTime(17);
  CaptureStderr();
  EXPECT_EQ(brain.NormaliseAngle(180), 180);
  EXPECT_EQ(brain.NormaliseAngle(540), 180);
  EXPECT_EQ(brain.NormaliseAngle(-190), 170);
  EXPECT_EQ(brain.NormaliseAngle(-541), 179);
  // The sensors' form wraps the same way.
  EXPECT_EQ(agent->NormaliseAngle(-540), -180);
  EXPECT_EQ(brain.NormaliseAngle(9999), -81);
  EXPECT_EQ(GetCapturedStderr(), "");
  CaptureStderr();
  EXPECT_EQ(brain.NormaliseAngle(10000), 0);
  EXPECT_EQ(brain.NormaliseAngle(-INFINITY), 0);
  EXPECT_EQ(GetCapturedStderr(),
            "17 ERROR: CBehaviours: NormaliseAngle: CRITICAL ERROR - Angle = 10000\n"
            "17 ERROR: CBehaviours: NormaliseAngle: CRITICAL ERROR - Angle = -inf\n");
}

TEST_F(HelpersTest, GeometricSeriesSolveEachWayAndARatioOfOneStaysFinite)
{
  const CBehaviours &brain = *agent->brain;
  EXPECT_DOUBLE_EQ(brain.SumInfGeomSeries(1, 0.5f), 2);
  EXPECT_DOUBLE_EQ(brain.SolveForSumInfGeomSeries(0.5f, 2), 1);
  // Three terms of ratio 0.5 summing to 7: 4 + 2 + 1.
  EXPECT_DOUBLE_EQ(brain.SolveForFirstTermGeomSeries(0.5f, 3, 7), 4);
  EXPECT_EQ(brain.SolveForFirstTermGeomSeries(0.5f, 0, 7), 0);
  // With a ratio of 1 the formulas would divide by zero.
  EXPECT_DOUBLE_EQ(brain.SolveForFirstTermGeomSeries(1, 4, 10), 2.5);
  EXPECT_TRUE(std::isfinite(brain.SumInfGeomSeries(2, 1)));
  EXPECT_GT(brain.SumInfGeomSeries(2, 1), 1e30);
}

TEST_F(HelpersTest, ThePitchEdgeIsOutOfBounds)
{
  const CBehaviours &brain = *agent->brain;
  EXPECT_FALSE(brain.IsPointInBounds(52.5f, 0, 0));
  EXPECT_TRUE(brain.IsPointInBounds(52.4f, 0, 0));
  EXPECT_FALSE(brain.IsPointInBounds(CVector(0, -33.5f), 1));
  EXPECT_TRUE(brain.IsPointInBounds(CVector(-51, 32.9f), 1));
}

TEST_F(HelpersTest, TurnsFollowTheServersTurnModel)
{
  const CBehaviours &brain = *agent->brain;
  EXPECT_FLOAT_EQ(brain.EffectiveTurn(180, 0), 180);
  EXPECT_FLOAT_EQ(brain.EffectiveTurn(180, 1), 30);
  EXPECT_EQ(brain.NumTurns2Angle(30, 30, 0), 0);
  EXPECT_EQ(brain.NumTurns2Angle(36, 30, 0), 0);  // within the angle error
  EXPECT_EQ(brain.NumTurns2Angle(90, 0, 0), 1);
  // At speed 1 a turn achieves 30 degrees, then 60 once the speed decays.
  EXPECT_EQ(brain.NumTurns2Angle(95, 0, 1), 2);
  EXPECT_EQ(brain.NumTurns2Angle(100, 0, 1), 3);

  sensebody sb = agent->memory->GetSB();
  sb.speed = 1;
  agent->memory->SetSB(sb);
  agent->memory->SetBFacing(0);
  EXPECT_FLOAT_EQ(brain.MaxEffectiveTurn(), 30);
  EXPECT_EQ(brain.NumTurns2Angle(95), 2);
}

TEST_F(NoDecayTest, TurnsStopBeingCountedAfterTwentyOne)
{
  EXPECT_EQ(agent->brain->NumTurns2Angle(90, -90, 100), 21);
}
