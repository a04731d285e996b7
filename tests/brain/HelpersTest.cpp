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

// An angle too far out to be one is reported and taken as 0, not wrapped
// for ever.
TEST_F(HelpersTest, AbsurdAnglesAreReportedAndGiveZero)
{
  agent->memory->SetTime(17);
  CaptureStderr();
  EXPECT_EQ(agent->brain->NormaliseAngle(-541), 179);
  EXPECT_EQ(agent->brain->NormaliseAngle(10000), 0);
  EXPECT_EQ(agent->brain->NormaliseAngle(-INFINITY), 0);
  const std::string err = GetCapturedStderr();
  EXPECT_NE(err.find("CRITICAL ERROR - Angle = -inf"), std::string::npos) << err;
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

TEST_F(NoDecayTest, TurnsStopBeingCountedAfterTwentyOne)
{
  EXPECT_EQ(agent->brain->NumTurns2Angle(90, -90, 100), 21);
}
