#include <gtest/gtest.h>

#include "PlayerFixture.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
class PredictTest : public PlayerFixture
{
protected:
  void SetUp() override
  {
    PlayerFixture::SetUp();
    memory().SetBFacing(0);
    memory().SetVelocity(CVector(0, 0));
  }

  CBehaviours &brain() { return *agent->brain; }

  CBall *Ball(float x, float y, CVector velocity, bool velocityKnown = true)
  {
    PlaceBall(x, y);
    CBall *ball = memory().GetNonConstBall();
    ball->SetVelocity(velocity);
    ball->SetVelConf(velocityKnown ? 1.0f : 0.0f);
    return ball;
  }
};

void ExpectAt(CVector v, float x, float y)
{
  EXPECT_NEAR(v.GetX(), x, 1e-4) << "y " << v.GetY();
  EXPECT_NEAR(v.GetY(), y, 1e-4) << "x " << v.GetX();
}
}

TEST_F(PredictTest, TheAgentDashesTurnsAndWaits)
{
  // Backwards at full power: -0.6, then -0.24 - 0.6.
  ExpectAt(brain().PredPosAfterDashing(2, -100), -1.44f, 0);
  // At rest the whole 90 degrees are turned in the first cycle.
  ExpectAt(brain().PredPosAfterTurn(3, 90, 100, true, 0), 0, 1.44f);
  // One cycle spent on something else, then a dash.
  ExpectAt(brain().PredPosAfterTurn(2, 0, 100, false, 1), 0.6f, 0);
  memory().SetVelocity(CVector(0.5f, 0));
  brain().Dash(100);
  ExpectAt(brain().PredPosWithQueuedActions(), 1.0f, 0);
  EXPECT_NEAR(brain().PredRelAngle2PointFromBodyWithQueuedAction(CVector(1, 5)), 90, 1e-3);
}

TEST_F(PredictTest, CyclesToAPointCountTurnsAndDashes)
{
  EXPECT_EQ(brain().PredictedCycles2Point(CVector(0.5f, 0)), 0);
  // 0.6, 1.44, 2.376: within a metre of 3 after three dashes.
  EXPECT_EQ(brain().PredictedCycles2Point(CVector(3, 0)), 3);
  // Behind: one turn first.
  EXPECT_EQ(brain().PredictedCycles2Point(CVector(-3, 0)), 4);
  EXPECT_EQ(brain().PredictedCycles2Point(CVector(3, 0), 0, 1), 999);
}

// A point that is never reached exactly keeps the simulated player circling
// it for the whole horizon; its heading must stay an angle all the while.
TEST_F(PredictTest, CirclingAPointNeverReachedKeepsTheHeadingAnAngle)
{
  Foe(0, 0, 3)->SetGBFacing(0);
  CaptureStderr();
  EXPECT_EQ(brain().PredictedCycles2Point(CVector(3, 0.3f), 100, 0), 999);
  EXPECT_EQ(brain().PlayerPredictedCycles2Point(memory().GetAFoe(0), CVector(3, 3.3f), 100, 0),
            999);
  EXPECT_EQ(GetCapturedStderr(), "");
}

TEST_F(PredictTest, CyclesOfAnUnknownPlayerCannotBeTold)
{
  CaptureStderr();
  EXPECT_EQ(brain().PlayerPredictedCycles2Point(nullptr, CVector(0, 0)), 999);
  CPlayer *foe = Foe(0, 3, 0);
  foe->SetConf(0);
  EXPECT_EQ(brain().PlayerPredictedCycles2Point(foe, CVector(0, 0)), 999);
  GetCapturedStderr();
}
