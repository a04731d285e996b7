#include "PositioningTestSupport.h"

#include <gtest/gtest.h>

namespace {

class SimplePositionersTest : public KindTest
{
protected:
    SimplePositionersTest()
    {
        Define("Own = (GOAL:(AWAY:0))\n"
               "Away = (GOAL:(AWAY))\n"
               "AwayOne = (GOAL:(AWAY:1))\n"
               "StillAway = (Away)\n"
               "BackHome = (Away:(AWAY:0))\n"
               "Post = (FIXED:(X:-55.0,Y:-10))\n"
               "OnlyY = (FIXED:(Y:7))\n"
               "NotANumber = (FIXED:(X:abc,Y:2))\n"
               "Endless = (FIXED:(X:inf,Y:nan))\n"
               "P = (FIXED:(X:1,Y:2))\n"
               "Q = (P:(X:3))\n");
    }
};

} // namespace

TEST_F(SimplePositionersTest, MissingShapesAreErrorsButFixedPointsStand)
{
    Load("positioning-blank.ini");
    log.lines.clear();
    for (const char *name : {"HOME", "BALL", "MYPOS", "GOAL", "Away"}) {
        MOPosition p = Ask(name);
        EXPECT_EQ(p.error, -1) << name;
        EXPECT_EQ(p.point.x, 0) << name;
        EXPECT_EQ(p.point.y, 0) << name;
    }
    EXPECT_AT(Ask("Post"), -55, -10);
    for (const auto &line : log.lines)
        EXPECT_NE(line.first, 1) << line.second;

    mem.reset();
    EXPECT_EQ(Ask("HOME").error, -1);
    EXPECT_AT(Ask("P"), 1, 2);
}
