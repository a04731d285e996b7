#include "MCSPoint.h"
#include "PositioningTestSupport.h"
#include "ZPSelectOpponent.h"

#include <gtest/gtest.h>

namespace {

// The memory's ball is at (3, -4), home (-25, 0), the agent at (-20, 5);
// its zone spans x -40..-10, y -20..20.
class MarkingPositionersTest : public KindTest
{
protected:
    MarkingPositionersTest()
    {
        Define("T = (FIXED:(X:1,Y:1))\n"
               "F = (FIXED:(X:2,Y:2))\n"
               "About = (FIXED:(X:-30))\n"
               "Forward = (FIXED:(X:30))\n");
    }
};

} // namespace

TEST_F(MarkingPositionersTest, OurBallChoosesByPossession)
{
    Define("Choice = (OURBALL:(TRUE:T,FALSE:F))\n"
           "Defaults = (OURBALL)\n"
           "Fresh = (OURBALL)\n"
           "NoTrue = (Choice:(TRUE:Nowhere))\n");
    EXPECT_AT(Ask("Choice"), 2, 2);
    EXPECT_AT(Ask("NoTrue"), 2, 2);
    Load("positioning-attacking.ini");
    EXPECT_AT(Ask("Choice"), 1, 1);
    EXPECT_AT(Ask("Defaults"), -25, 0);
    EXPECT_EQ(Ask("NoTrue").error, -1);
    EXPECT_TRUE(log.Has("ZPOurBall::Position : Is our ball, but unable to determine target."));
    // Without a memory nobody has the ball: the ball's branch, which fails.
    mem.reset();
    EXPECT_EQ(Ask("Fresh").error, -1);
    EXPECT_FALSE(log.Has("ZPOurBall::Position : Not our ball, but unable to determine target."));

    EXPECT_EQ(Written("Defaults"), "(OURBALL:(FALSE:BALL,TRUE:HOME))");
}

TEST_F(MarkingPositionersTest, CongestionCountsOpponentsThenTeamMatesInItsBox)
{
    Define("Always = (CONGESTION:(TRUE:T,FALSE:F))\n"
           "Box = (Always:(XH:-20,MOPP:1))\n"
           "Crowded = (Box:(MTM:1))\n"
           "Library = (CONGESTION:(TRUE:T,FALSE:F,XH:-20,OPPF:1,MOPP:1,TMMF:-1,BASE:2))\n"
           "NoTrue = (CONGESTION:(TRUE:Nowhere))\n");
    EXPECT_AT(Ask("Always"), 1, 1);
    mem->AddOpponent(MCSPoint(-19.9, 0));
    mem->AddTeam(MCSPoint(-30, 0));
    EXPECT_AT(Ask("Box"), 2, 2);
    // On the bound counts as inside.
    mem->AddOpponent(MCSPoint(-20, 20));
    EXPECT_AT(Ask("Box"), 1, 1);
    EXPECT_AT(Ask("Crowded"), 1, 1);
    mem->RemTeam(MCSPoint(-30, 0));
    EXPECT_AT(Ask("Crowded"), 2, 2);
    EXPECT_EQ(Ask("NoTrue").error, -1);
    EXPECT_TRUE(log.Has("ZPCongestion::Position : Unable to establish valid position"));

    EXPECT_EQ(Written("Library"),
              "(CONGESTION:(BASE:2,FALSE:F,MOPP:1,MTM:0,OPPF:1,TMMF:-1,TRUE:T,XH:-20,XL:-1000,YH:1000,YL:-1000))");
}

TEST_F(MarkingPositionersTest, SelectOpponentPassesOverAnEntryWithoutAUnit)
{
    mem.reset();
    mem.reset(new HoleyMem());
    Load("positioning-memory.ini");
    Define("Pick = (SELECTOPPONENT:(ABOUT:About))\n");
    mem->AddOpponent(MCSPoint(-30, 0));
    mem->AddOpponent(MCSPoint(-29, 0));
    mem->AddOpponent(MCSPoint(-20, 0));
    mem->AddTeam(MCSPoint(-30, 1));
    mem->AddTeam(MCSPoint(-30, -1));
    // The first is covered, the second has no unit: the third.
    EXPECT_AT(Ask("Pick"), -20, 0);
    EXPECT_TRUE(log.Has("ZPSelectOpponent::Position : How did this happen, no valid opponents"));
}

TEST_F(MarkingPositionersTest, RightAngleTakesTheSideOfTheManTheAgentIsOnWhileTheBallIsNearlyInLine)
{
    // Their man 5 m upfield of the edge point towards our goal: the ball
    // straight upfield of him ties the two touching points, one either side.
    Define("Man = (FIXED:(X:-30))\n"
           "Edge = (FIXED:(X:-35))\n"
           "InLine = (FIXED:(X:-10))\n"
           "Tilted = (FIXED:(X:-10,Y:2))\n"
           "OffLine = (FIXED:(X:-10,Y:6))\n"
           "Square = (RIGHTANGLE:(CENTRE:Man,EDGE:Edge,FROM:InLine))\n"
           "SlightlySquare = (Square:(FROM:Tilted))\n"
           "ClearlySquare = (Square:(FROM:OffLine))\n");
    // The agent at (-20, 5) keeps to the man's upper side, at (-20, -5) to
    // his lower one: a swing across the man is twice the radius.
    const MOPosition above = Ask("Square");
    EXPECT_EQ(above.error, 0);
    EXPECT_GT(above.point.y, 4.5);
    EXPECT_NEAR(above.point.distance(MCSPoint(-30, 0)), 5, 1e-6);
    mem->SetLocation(MCSPoint(-20, -5));
    EXPECT_LT(Ask("Square").point.y, -4.5);
    // A ball a few degrees off the line leaves him on his side...
    EXPECT_LT(Ask("SlightlySquare").point.y, -4);
    mem->SetLocation(MCSPoint(-20, 5));
    EXPECT_GT(Ask("SlightlySquare").point.y, 4);
    // ...one clearly off it has him cross to the side nearer our goal's
    // edge point wherever he stands.
    EXPECT_GT(Ask("ClearlySquare").point.y, 4);
    mem->SetLocation(MCSPoint(-20, -5));
    EXPECT_GT(Ask("ClearlySquare").point.y, 4);
}
