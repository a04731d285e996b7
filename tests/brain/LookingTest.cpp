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

TEST_F(LookingTest, TheNeckTurnIsKeptWithinItsLimits)
{
  Body(0, 30, "normal");
  EXPECT_FLOAT_EQ(60, brain().TurnNeckLimit(120));
  EXPECT_FLOAT_EQ(60, brain().TurnNeckLimit(-200));  // 160 once normalised
  EXPECT_FLOAT_EQ(-120, brain().TurnNeckLimit(-150));

  // The limits themselves cannot be faced; their view reaches past them.
  EXPECT_FALSE(brain().CanFaceAngleFromBodyWithNeck(90));
  EXPECT_TRUE(brain().CanFaceAngleFromBodyWithNeck(-89));
  EXPECT_TRUE(brain().CanFaceAngleFromNeckWithNeck(59));
  EXPECT_FALSE(brain().CanFaceAngleFromNeckWithNeck(60));
  EXPECT_TRUE(brain().CanSeeAngleFromBodyWithNeck(130));
  EXPECT_FALSE(brain().CanSeeAngleFromBodyWithNeck(135));
  EXPECT_TRUE(brain().CanSeeAngleFromNeckWithNeck(104));
  EXPECT_FALSE(brain().CanSeeAngleFromNeckWithNeck(105));
  EXPECT_TRUE(brain().CanSeePointWithNeck(At(-130)));
  Body(0, 30, "narrow");
  EXPECT_FALSE(brain().CanSeeAngleFromBodyWithNeck(130));
  EXPECT_FALSE(brain().CanSeePointWithNeck(At(-130)));
}

TEST_F(LookingTest, NeckSweepStepsAViewAtATimeAndStartsAgainAtTheFarSide)
{
  Body(0, -90, "normal");
  brain().ScanFieldWithNeck();
  ACTIONQUEUE q = brain().GetQueue();
  EXPECT_TRUE(q.turn_neck);
  EXPECT_FLOAT_EQ(85, q.neck_angle);
  EXPECT_EQ(CMD_NONE, q.command);

  // Near the upper limit it goes back to the lowest angle (a degree short).
  Body(0, 85, "normal");
  brain().ScanFieldWithNeck();
  EXPECT_FLOAT_EQ(-174, brain().GetQueue().neck_angle);

  // Wide, the step is clamped at the limit.
  Body(0, 0, "wide");
  brain().ScanFieldWithNeck();
  EXPECT_FLOAT_EQ(89, brain().GetQueue().neck_angle);
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

TEST_F(LookingTest, FacingAPointWithTheBodyOrTheNeckAlone)
{
  EXPECT_FALSE(brain().FaceOnlyBody2Point(At(0.9f)));
  EXPECT_EQ(-999, brain().GetQueue().time);
  EXPECT_TRUE(brain().FaceOnlyBody2Point(At(40)));
  EXPECT_FLOAT_EQ(40, brain().GetQueue().angle);
  // The queued turn is taken into account: the body will face the point.
  EXPECT_FALSE(brain().FaceOnlyBody2Point(At(40)));

  // The neck reaches a point the body's turn leaves at 30 degrees.
  Body(0, 0, "normal");
  brain().FaceOnlyNeck2Point(At(70));
  EXPECT_TRUE(brain().GetQueue().turn_neck);
  EXPECT_NEAR(30, brain().GetQueue().neck_angle, 1e-3);
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

TEST_F(LookingTest, PlayersAndTheBallUnknownAreLookedFor)
{
  EXPECT_FALSE(brain().FaceOnlyBody2Player(nullptr));
  brain().FaceOnlyNeck2Player(nullptr);
  EXPECT_EQ(-999, brain().GetQueue().time);

  CPlayer *p = Mate(0, 10, 10);
  EXPECT_FALSE(brain().FaceNeck2Player(p));
  EXPECT_NEAR(45, brain().GetQueue().neck_angle, 1e-3);

  p->SetConf(0.1f);
  brain().SetHaveVisualForThisAngle(false);
  EXPECT_FALSE(brain().FaceNeckAndBody2Player(p));
  EXPECT_EQ(SCAN_BODY, brain().GetQueue().scan_type);
  brain().FaceOnlyNeck2Player(p);
  EXPECT_EQ(SCAN_NECK, brain().GetQueue().scan_type);

  PlaceBall(10, 0, 0.1f);
  brain().SetHaveVisualForThisAngle(true);
  EXPECT_TRUE(brain().FaceNeck2Ball());
  EXPECT_EQ(CMD_TURN, brain().GetQueue().command);
  EXPECT_FLOAT_EQ(85, brain().GetQueue().angle);
}

TEST_F(LookingTest, TheBallIsFacedWhereItWillBe)
{
  PlaceBall(10, -2);
  CBall *ball = memory().GetNonConstBall();
  ball->SetVelocity(CVector(0, 2));
  ball->SetVelConf(1);
  // Next cycle it lies straight ahead, though it is now 11 degrees off.
  EXPECT_FALSE(brain().FaceOnlyBody2Ball());
  brain().FaceOnlyNeck2Ball();
  EXPECT_EQ(-999, brain().GetQueue().time);
  ball->SetVelocity(CVector(0, 0));
  EXPECT_TRUE(brain().FaceNeckAndBody2Ball());
  EXPECT_NEAR(-11.30993f, brain().GetQueue().angle, 1e-3);
}
