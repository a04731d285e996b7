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
