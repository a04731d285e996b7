#include <cmath>

#include "MCSPoint.h"
#include "PositioningTestSupport.h"
#include "ZPBestOpponent.h"
#include "ZPSupport.h"

#include <gtest/gtest.h>

namespace {

// The memory's zone spans x -40..-10, y -20..20; players stand as circles
// of radius 0.8.
class GeometricPositionersTest : public KindTest
{
protected:
    GeometricPositionersTest()
    {
        Define("Origin = (FIXED)\n"
               "Ten = (FIXED:(X:10))\n"
               "Back = (FIXED:(X:-10))\n"
               "Up = (FIXED:(X:3,Y:4))\n"
               "Down = (FIXED:(X:3,Y:-4))\n"
               "Other = (FIXED:(X:7,Y:7))\n"
               "About = (FIXED:(X:-30))\n");
    }

    const double degree = std::atan(1.0) / 45;
};

} // namespace

TEST_F(GeometricPositionersTest, ConstrainClampsIntoItsBoxAndKeepsTheErrorOfPointsInside)
{
    Define("Far = (FIXED:(X:60,Y:40))\n"
           "Pitch = (CONSTRAIN:(FROM:Far,XL:-52.5,XH:52.5,YL:-31,YH:31))\n"
           "Swapped = (Pitch:(XL:52.5,XH:-52.5))\n"
           "Narrow = (Swapped:(YH:5))\n"
           "Ball = (CONSTRAIN)\n"
           "Shifted = (CONSTRAIN:(XL:1))\n");
    EXPECT_AT(Ask("Pitch"), 52.5, 31);
    EXPECT_AT(Ask("Narrow"), 52.5, 5);
    EXPECT_EQ(Written("Swapped"), "(CONSTRAIN:(FROM:Far,XL:-52.5,XH:52.5,YL:-31,YH:31))");
    EXPECT_EQ(Written("Narrow"), "(CONSTRAIN:(FROM:Far,XL:-52.5,XH:52.5,YL:-31,YH:5))");

    // The ball at (3, -4) lies inside; without a ball the failure passes on
    // from inside the box, but a clamped point is a valid one.
    EXPECT_AT(Ask("Ball"), 3, -4);
    Load("positioning-blank.ini");
    EXPECT_EQ(Ask("Ball").error, -1);
    EXPECT_AT(Ask("Shifted"), 1, 0);
}

TEST_F(GeometricPositionersTest, SupportStandsInTheFreestDirectionOfItsFan)
{
    Define("Straight = (SUPPORT:(SUPPORT:Origin,FROM:Ten,RANGE:15,WIDTH:45,STEP:5))\n"
           "Strict = (Straight:(THRESHOLD:1))\n"
           "StrictFail = (Strict:(FAIL:Other))\n"
           "Short = (Straight:(BUFFER:0))\n"
           "Backwards = (Straight:(FROM:Back))\n");
    // Nobody within reach (15 + 5): straight towards FROM.
    mem->AddOpponent(MCSPoint(21, 0));
    EXPECT_AT(Ask("Straight"), 15, 0);
    // A score of 1 does not exceed a threshold of 1.
    EXPECT_AT(Ask("Strict"), 10, 0);
    EXPECT_AT(Ask("StrictFail"), 7, 7);

    // A player on the line: the fan's edges are the freest, the first found
    // stays.
    mem->AddTeam(MCSPoint(19, 0));
    EXPECT_AT(Ask("Straight"), 15 * std::cos(-22.5 * degree), 15 * std::sin(-22.5 * degree));
    // Out of reach without the buffer.
    EXPECT_AT(Ask("Short"), 15, 0);

    // A fan about the -x direction sees a player just below it on both of
    // its sides, and turns away from him.
    mem->AddOpponent(MCSPoint(-10, -1));
    EXPECT_AT(Ask("Backwards"), 15 * std::cos(157.5 * degree), 15 * std::sin(157.5 * degree));

    EXPECT_EQ(Written("Straight"),
              "(SUPPORT:(SUPPORT:Origin,FROM:Ten,FAIL:,RANGE:15,BUFFER:5,WIDTH:45,STEP:5,THRESHOLD:0.2))");
}

TEST_F(GeometricPositionersTest, SupportRefusesAStepThatWouldNotAdvance)
{
    Define("Still = (SUPPORT:(SUPPORT:Origin,FROM:Ten,STEP:2))\n"
           "Stuck = (Still:(STEP:0))\n"
           "Reversed = (Still:(STEP:-3))\n");
    EXPECT_TRUE(Find("Stuck"));
    EXPECT_TRUE(log.Has("ZPSupport::DR : STEP must be above 0, keeping 2"));
    EXPECT_EQ(Written("Reversed"),
              "(SUPPORT:(SUPPORT:Origin,FROM:Ten,FAIL:,RANGE:25,BUFFER:5,WIDTH:45,STEP:2,THRESHOLD:0.2))");
    mem->AddOpponent(MCSPoint(5, 0));
    MOPosition p = Ask("Stuck");
    EXPECT_EQ(p.error, 0);
    EXPECT_NEAR(p.point.distance(MCSPoint()), 25, 1e-9);
}

TEST_F(GeometricPositionersTest, SupportScoresEachPlayerOnceWhenAnEntryHasNoUnit)
{
    mem.reset();
    mem.reset(new HoleyMem());
    Load("positioning-memory.ini");
    Define("Narrow = (SUPPORT:(SUPPORT:Origin,FROM:Ten,RANGE:15,WIDTH:0))\n");
    // tan 16.7 degrees = 0.3 clears the threshold of 0.2; scored twice it
    // would not.
    mem->AddOpponent(MCSPoint(10, 3));
    EXPECT_AT(Ask("Narrow"), 15, 0);
}

TEST_F(GeometricPositionersTest, BestOpponentTakesTheFirstUncoveredOpponentInTheZone)
{
    Define("Best = (BESTOPPONENT:(ABOUT:About))\n"
           "Ahead = (Best:(NEAR:1))\n"
           "Elsewhere = (Best:(OTHERWISE:Other))\n"
           "Unknown = (Best:(OTHERWISE:Nowhere))\n"
           "Adrift = (Best:(ABOUT:Nowhere))\n");
    // Nearest the ABOUT point (-30, 0) first; (-5, 0) is outside the zone.
    mem->AddOpponent(MCSPoint(-5, 0));
    mem->AddOpponent(MCSPoint(-20, 0));
    mem->AddOpponent(MCSPoint(-28, 0));
    EXPECT_AT(Ask("Best"), -28, 0);
    // A team-mate at the edge of WITHIN (his circle 10 m off) covers.
    mem->AddTeam(MCSPoint(-28, 10.8));
    EXPECT_AT(Ask("Best"), -20, 0);
    // With NEAR, only a team-mate nearer the own goal covers.
    EXPECT_AT(Ask("Ahead"), -28, 0);
    mem->AddTeam(MCSPoint(-20.1, 5));
    EXPECT_AT(Ask("Ahead"), -28, 0);
    EXPECT_AT(Ask("Best"), -30, 0);

    // Everyone covered: OTHERWISE, or the ABOUT point.
    EXPECT_AT(Ask("Elsewhere"), 7, 7);
    EXPECT_AT(Ask("Unknown"), -30, 0);
    EXPECT_TRUE(log.Has("ZPBestOpponent::DR : Unable to establish otherwise point"));
    EXPECT_AT(Ask("Adrift"), 0, 0);
    EXPECT_TRUE(log.Has("ZPBestOpponent::Position : unable to establish about point."));
}
