// Where the brain looks: the neck's reach, sweeps of the field now or once
// the visual is in, and facing points, players and the ball.

#include <gtest/gtest.h>

#include "BrainWorldFixture.h"

namespace
{
// With a visual for the present direction.
class LookingTest : public BrainWorldTest
{
protected:
  void SetUp() override
  {
    BrainWorldTest::SetUp();
    brain().SetHaveVisualForThisAngle(true);
  }

  // Empties the bundle as sending it would, without sending.
  void Clear() { brain().SendAllActions(-1); }

  // A point 10 m away at the angle from the body.
  static CVector At(float angle)
  {
    return Polar2CVector(10, angle);
  }
};
}

TEST_F(LookingTest, WithoutAVisualForThisAngleScansAreDeferred)
{
  brain().SetHaveVisualForThisAngle(false);
  Body(0, 10, "normal");
  brain().Dash(50);
  brain().ScanFieldWithNeck();
  ACTIONQUEUE q = brain().GetQueue();
  EXPECT_FALSE(q.turn_neck);
  EXPECT_EQ(SCAN_NECK, q.scan_type);
  EXPECT_FLOAT_EQ(80, q.scan_angle);

  Body(0, 88, "normal");
  brain().ScanFieldWithNeck();
  EXPECT_FLOAT_EQ(-178, brain().GetQueue().scan_angle);

  // The body scan replaces it and leaves the dash as it was.
  EXPECT_FALSE(brain().ScanFieldWithBody());
  q = brain().GetQueue();
  EXPECT_EQ(SCAN_BODY, q.scan_type);
  EXPECT_FLOAT_EQ(85, q.scan_angle);
  EXPECT_EQ(CMD_DASH, q.command);
  EXPECT_FLOAT_EQ(50, q.power);

  brain().SetHaveVisualForThisAngle(true);
  EXPECT_TRUE(brain().ScanFieldWithBody());
  EXPECT_EQ(CMD_TURN, brain().GetQueue().command);
  EXPECT_FLOAT_EQ(85, brain().GetQueue().angle);
}

TEST_F(LookingTest, NeckFirstThenTheBodyAsFarAsItTurnsThisCycle)
{
  // Within the neck's reach only the neck turns.
  EXPECT_FALSE(brain().FaceNeck2Point(At(60)));
  ACTIONQUEUE q = brain().GetQueue();
  EXPECT_EQ(CMD_NONE, q.command);
  EXPECT_NEAR(60, q.neck_angle, 1e-3);

  // Moving at 0.5 the body turns at most 180 / 3.5 this cycle; the neck
  // takes the rest, on whichever side the point lies.
  Body(0.5f, 0, "normal");
  const float most = 180 / 3.5f;
  for (float side : {1.0f, -1.0f})
  {
    Clear();
    EXPECT_TRUE(brain().FaceNeck2Point(At(side * 120)));
    q = brain().GetQueue();
    EXPECT_EQ(CMD_TURN, q.command);
    EXPECT_FLOAT_EQ(side * 180, q.angle);
    EXPECT_NEAR(side * (120 - most), q.neck_angle, 1e-3);
  }
  // Past what both reach, the neck stops at its limit.
  Clear();
  EXPECT_TRUE(brain().FaceNeck2Point(At(-160)));
  EXPECT_NEAR(-89, brain().GetQueue().neck_angle, 1e-3);
}
