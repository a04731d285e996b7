#include "MCSPoint.h"
#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The memory's ball is at (3, -4) and home at (-25, 0).
class SelectingPositionersTest : public KindTest
{
protected:
    SelectingPositionersTest()
    {
        Define("Origin = (FIXED)\n"
               "T = (FIXED:(X:1,Y:1))\n"
               "F = (FIXED:(X:2,Y:2))\n"
               "Lost = (OFFSET:(FROM:Nowhere,X:3,Y:-2))\n");
    }
};

} // namespace

TEST_F(SelectingPositionersTest, RoleChoosesByTheAgentsRoleAndFallsBackToCD)
{
    Define("Sw = (FIXED:(X:1))\nCd = (FIXED:(X:2))\nOd = (FIXED:(X:3))\nCm = (FIXED:(X:4))\n"
           "Om = (FIXED:(X:5))\nCf = (FIXED:(X:6))\nOf = (FIXED:(X:7))\n"
           "Team = (ROLE:(SW:Sw,CD:Cd,OD:Od,CM:Cm,OM:Om,CF:Cf,OF:Of))\n"
           "NoForward = (Team:(CF:Nowhere))\n"
           "Nothing = (ROLE:(CD:Nowhere,CF:Nowhere))\n"
           "Homes = (ROLE)\n");
    for (int role = MCMR_Sweeper; role <= MCMR_OutsideForward; ++role) {
        mem->role = static_cast<MCMRoles>(role);
        EXPECT_AT(Ask("Team"), role, 0);
    }
    mem->role = MCMR_Unset;
    EXPECT_AT(Ask("Team"), 2, 0);
    EXPECT_AT(Ask("Homes"), -25, 0);

    mem->role = MCMR_CentralForward;
    EXPECT_AT(Ask("NoForward"), 2, 0);
    EXPECT_TRUE(log.Has("ZPRole::Position : Selected role is invalid, try CD"));
    EXPECT_FALSE(log.Has("ZPRole::Position : CD is invalid, stand in centre of pitch"));
    EXPECT_AT(Ask("Nothing"), 0, 0);
    EXPECT_TRUE(log.Has("ZPRole::Position : CD is invalid, stand in centre of pitch"));

    // The chosen branch's error is its own.
    Load("positioning-blank.ini");
    EXPECT_EQ(Ask("Homes").error, -1);
    mem.reset();
    EXPECT_AT(Ask("Team"), 2, 0);

    EXPECT_EQ(Written("NoForward"), "(ROLE:(CD:Cd,OD:Od,SW:Sw,CM:Cm,OM:Om,CF:Nowhere,OF:Of))");
}

TEST_F(SelectingPositionersTest, TestPosChoosesByAnInclusiveBox)
{
    Define("Edge = (TESTPOS:(XH:3))\n"
           "Beyond = (TESTPOS:(XH:2.9))\n"
           "Backwards = (TESTPOS:(XL:10,XH:-10,TRUE:T,FALSE:F))\n"
           "Chosen = (TESTPOS:(XH:3,YL:-4,YH:-4,TRUE:T,FALSE:F))\n"
           "Swapped = (Chosen:(TRUE:Origin))\n"
           "Plain = (Chosen:(TRUE:))\n"
           "NoFalse = (TESTPOS:(XH:0,FALSE:Nowhere))\n"
           "NoTrue = (TESTPOS:(TRUE:Nowhere))\n"
           "NoTest = (TESTPOS:(TEST:Nowhere,XL:0,TRUE:T))\n"
           "FailingTest = (TESTPOS:(TEST:Lost))\n");
    EXPECT_AT(Ask("Edge"), 3, -4);
    EXPECT_AT(Ask("Beyond"), -25, 0);
    EXPECT_AT(Ask("Backwards"), 2, 2);
    EXPECT_AT(Ask("Chosen"), 1, 1);
    EXPECT_AT(Ask("Swapped"), 0, 0);
    EXPECT_AT(Ask("Plain"), 3, -4);
    EXPECT_AT(Ask("NoFalse"), 3, -4);
    EXPECT_TRUE(log.Has("ZPTestPos::Position : Invalid failure point."));
    EXPECT_AT(Ask("NoTrue"), 3, -4);
    EXPECT_TRUE(log.Has("ZPTestPos::Position : Invalid success point."));
    EXPECT_AT(Ask("NoTest"), 1, 1);
    EXPECT_TRUE(log.Has("ZPTestPos::Position : Invalid test point, using (0,0)"));
    // The test point's error is not looked at: its point is used.
    EXPECT_AT(Ask("FailingTest"), 3, -2);

    EXPECT_EQ(Written("Swapped"), "(TESTPOS:(TEST:BALL,TRUE:Origin,FALSE:F,XL:-1000,XH:3,YL:-4,YH:-4))");
}

TEST_F(SelectingPositionersTest, NearChoosesByDistance)
{
    Define("B25 = (FIXED:(X:25))\n"
           "B249 = (FIXED:(X:24.9))\n"
           "Apart = (NEAR:(TEST:Origin,NEAR:B25,TRUE:T,FALSE:F,DIST:25))\n"
           "Close = (Apart:(NEAR:B249))\n"
           "BareApart = (NEAR:(TEST:Origin,NEAR:B25,DIST:25))\n"
           "BareClose = (BareApart:(NEAR:B249))\n"
           "Defaults = (NEAR)\n"
           "FailingTest = (NEAR:(TEST:Lost,NEAR:T,DIST:2))\n"
           "UnknownBranches = (NEAR:(TEST:Origin,TRUE:Nowhere,FALSE:Nowhere))\n"
           "UnknownPoints = (NEAR:(TEST:Nowhere,NEAR:Nowhere))\n"
           "KeepsTest = (Close:(TEST:Nowhere))\n");
    EXPECT_AT(Ask("Apart"), 2, 2);
    EXPECT_AT(Ask("Close"), 1, 1);
    EXPECT_AT(Ask("BareApart"), 25, 0);
    EXPECT_AT(Ask("BareClose"), 0, 0);
    // The ball is 28 m from home, beyond the default 10.
    EXPECT_AT(Ask("Defaults"), -25, 0);

    EXPECT_AT(Ask("FailingTest"), 0, 0);
    EXPECT_TRUE(log.Has("ZPNear::Position : test point returned error (-1)"));

    EXPECT_AT(Ask("UnknownBranches"), -25, 0);
    EXPECT_TRUE(log.Has("Unable to establish valid point, using test point."));
    EXPECT_TRUE(log.Has("Unable to establish failure point, using near point."));
    EXPECT_AT(Ask("UnknownPoints"), 0, 0);
    // An unknown test name keeps the point of the definition built upon.
    EXPECT_AT(Ask("KeepsTest"), 1, 1);

    EXPECT_EQ(Written("Close"), "(NEAR:(TEST:Origin,NEAR:B249,TRUE:T,FALSE:F,DIST:25))");
}

TEST_F(SelectingPositionersTest, TrackValidFollowsABallThatAnOpponentContests)
{
    Define("Track = (TRACKVALID:(VALID:T,NOTVALID:F))\n"
           "Near = (TRACKVALID:(VALID:T,NOTVALID:F,OPPONENT:2,TEAM:1))\n"
           "OnlyValid = (TRACKVALID:(VALID:T,NOTVALID:Nowhere))\n"
           "Neither = (TRACKVALID:(VALID:Nowhere,NOTVALID:Nowhere))\n");
    // The ball lies outside the zone: never contested.
    mem->AddOpponent(MCSPoint(3, -3));
    EXPECT_AT(Ask("Track"), 2, 2);

    Load("positioning-contested.ini");
    mem->RemOpponent(MCSPoint(3, -3));
    EXPECT_AT(Ask("Track"), 2, 2);
    // The ball is at (-15, 5); players are circles of 0.8 about their points.
    mem->AddOpponent(MCSPoint(-30, 5));
    mem->AddOpponent(MCSPoint(-15, 8));
    EXPECT_AT(Ask("Track"), 1, 1);
    EXPECT_AT(Ask("Near"), 2, 2);
    mem->AddTeam(MCSPoint(-40, 0));
    mem->AddTeam(MCSPoint(-15, 1));
    EXPECT_AT(Ask("Track"), 2, 2);
    EXPECT_AT(Ask("OnlyValid"), 1, 1);
    // The scanner is left on the ball, so the nearest opponent comes first.
    MCMUnit first;
    ASSERT_TRUE(mem->GetOpponent(MCM_CTP, 0, first));
    EXPECT_EQ(first.at()->CentreY(), 8);

    EXPECT_AT(Ask("Neither"), -30, 0);
    EXPECT_EQ(Written("Track"), "(TRACKVALID:(VALID:T,NOTVALID:F,OPPONENT:5,TEAM:5))");

    Load("positioning-blank.ini");
    EXPECT_AT(Ask("Track"), 2, 2);
    EXPECT_TRUE(log.Has("ZPTrackValid::Position : No ball, cannot check."));
}
