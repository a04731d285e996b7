#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The memory's ball is at (3, -4), home (-25, 0), the own goal's middle
// (-53.25, 0); its zone spans x -40..-10, y -20..20, and the protected area
// x -52.5..30, y -34..34.
class TransformingPositionersTest : public KindTest
{
protected:
    TransformingPositionersTest()
    {
        Define("Origin = (FIXED)\n"
               "Neg = (FIXED:(X:-10,Y:-5))\n"
               "Pos = (FIXED:(X:10,Y:5))\n"
               "Ten = (FIXED:(X:10))\n"
               "Far = (FIXED:(X:45,Y:40))\n"
               "Lost = (OFFSET:(FROM:Nowhere,X:3,Y:-2))\n");
    }
};

} // namespace

TEST_F(TransformingPositionersTest, ProtectedAndZonePullPointsIntoTheirRegions)
{
    Define("Inside = (PROTECTED)\n"
           "Outside = (PROTECTED:(FROM:Far))\n"
           "Unknown = (PROTECTED:(FROM:Nowhere))\n"
           "FailingSource = (PROTECTED:(FROM:Lost))\n"
           "Home = (ZONE)\n"
           "BallZone = (ZONE:(TEST:BALL))\n"
           "NoTest = (ZONE:(TEST:Nowhere))\n");
    EXPECT_AT(Ask("Inside"), 3, -4);
    EXPECT_AT(Ask("Outside"), 30, 34);
    EXPECT_AT(Ask("FailingSource"), 3, -2);
    EXPECT_AT(Ask("Unknown"), 0, 0);

    EXPECT_AT(Ask("Home"), -25, 0);
    EXPECT_AT(Ask("BallZone"), -10, -4);
    EXPECT_AT(Ask("NoTest"), -10, 0);
    EXPECT_TRUE(log.Has("ZPZone::Position : Unable to retrieve test point."));
    EXPECT_TRUE(log.Has("ZPZone::Position : (ZONE:(TEST:Nowhere))"));

    // Without the regions the points stay where they are.
    Load("positioning-blank.ini");
    EXPECT_AT(Ask("Outside"), 45, 40);
    EXPECT_FALSE(log.Has("ZPZone::Position : Unable to determine zone."));
    EXPECT_AT(Ask("BallZone"), 0, 0);
    EXPECT_TRUE(log.Has("ZPZone::Position : Unable to determine zone."));
}

TEST_F(TransformingPositionersTest, InterpolationKeepsWithinItsLimits)
{
    Define("Min = (INTERPOLATE:(FROM:Origin,TO:Ten,BY:0.2,MIN:5))\n"
           "Max = (INTERPOLATE:(FROM:Origin,TO:Ten,BY:0.2,MAX:1))\n"
           "Track = (INTERPOLATE:(FROM:Origin,TO:Neg,BY:0.0,MIN:10))\n"
           "Same = (INTERPOLATE:(FROM:Pos,TO:Pos,MIN:15))\n"
           "Crossed = (Min:(MAX:2))\n"
           "Half = (INTERPOLATE)\n"
           "Unknown = (INTERPOLATE:(FROM:Nowhere,TO:Ten))\n");
    EXPECT_AT(Ask("Min"), 5, 0);
    EXPECT_AT(Ask("Max"), 1, 0);
    MOPosition track = Ask("Track");
    EXPECT_NEAR(track.point.distance(MCSPoint(0, 0)), 10, 1e-9);
    EXPECT_NEAR(track.point.y / track.point.x, 0.5, 1e-9);
    EXPECT_LT(track.point.x, 0);
    EXPECT_AT(Ask("Same"), 25, 5);
    EXPECT_AT(Ask("Crossed"), 2, 0);
    // Halfway from the ball to the own goal.
    EXPECT_AT(Ask("Half"), -25.125, -2);
    EXPECT_AT(Ask("Unknown"), 5, 0);

    EXPECT_EQ(Written("Crossed"), "(INTERPOLATE:(FROM:Origin,TO:Ten,BY:0.2,MIN:5,MAX:2))");
}
