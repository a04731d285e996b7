#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

TEST(ShapeLine, EquationIsVerticalBelowItsOwnThreshold)
{
    MCSLineEqn vertical(MCSPoint(2, 0), MCSPoint(2.00005, 5));
    EXPECT_EQ(vertical.a, 1);
    EXPECT_EQ(vertical.b, 0);
    EXPECT_DOUBLE_EQ(vertical.c, -2.00005);
    MCSLineEqn sloped(MCSPoint(0, 0), MCSPoint(1, 2));
    EXPECT_EQ(sloped.a, -2);
    EXPECT_EQ(sloped.b, 1);
    EXPECT_EQ(sloped.c, 0);
    // Above the line's own threshold, though within the shapes' tolerance.
    EXPECT_EQ(MCSLineEqn(MCSPoint(2, 0), MCSPoint(2.0005, 5)).b, 1);
}

TEST(ShapeLine, OnSegmentToleranceIsAnAngleSeenFromTheStart)
{
    MCSLine l(0, 0, 10, 0);
    EXPECT_TRUE(l.contains(MCSPoint(10, 0)));
    EXPECT_TRUE(l.contains(MCSPoint(0, 0)));
    EXPECT_FALSE(l.contains(MCSPoint(10.5, 0)));
    EXPECT_FALSE(l.contains(MCSPoint(-1, 0)));
    EXPECT_TRUE(l.contains(MCSPoint(5, 0.004)));
    EXPECT_FALSE(l.contains(MCSPoint(5, 0.006)));
    EXPECT_TRUE(l.contains(MCSLine(2, 0, 7, 0.001)));
    EXPECT_FALSE(l.contains(MCSLine(2, 0, 11, 0)));
    EXPECT_FALSE(l.contains(static_cast<const MCShape &>(MCSLine(2, 0, 7, 0))));
}

TEST(ShapeLine, InfiniteLineAndParallelTestsIgnoreDirection)
{
    MCSLine l(0, 0, 10, 0);
    EXPECT_TRUE(l.online(MCSPoint(-20, 0)));
    EXPECT_FALSE(l.online(MCSPoint(5, 1)));
    EXPECT_TRUE(l.parallel(MCSLine(3, 3, -4, 3)));
    EXPECT_TRUE(l.parallel(MCSLine(3, 3, 4, 3.0005)));
    EXPECT_FALSE(l.parallel(MCSLine(3, 3, 4, 4)));
}

TEST(ShapeLine, CrossingOfTheInfiniteLines)
{
    EXPECT_TRUE(Near(MCSLine(0, 0, 1, 0).intersection(MCSLine(5, 5, 5, 6)), 5, 0));
    EXPECT_TRUE(Near(MCSLine(2, -1, 2, 1).intersection(MCSLine(0, 0, 1, 1)), 2, 2));
    EXPECT_TRUE(Near(MCSLine(0, 3, 1, 3).intersection(MCSLine(0, 0, 1, 1)), 3, 3));
    // Coinciding lines answer the other's start, without a word.
    CaptureStderr();
    EXPECT_TRUE(Near(MCSLine(0, 0, 1, 0).intersection(MCSLine(4, 0, 6, 0)), 4, 0));
    EXPECT_EQ(GetCapturedStderr(), "");
    CaptureStderr();
    EXPECT_TRUE(Near(MCSLine(0, 0, 1, 0).intersection(MCSLine(0, 1, 1, 1)), 0, 0));
    EXPECT_EQ(GetCapturedStderr(), "MCSLine::intersection, lines parallel.\n");
}

TEST(ShapeLine, ClosestPointIsTheFootKeptWithinTheSegment)
{
    MCSLine l(0, 0, 10, 0);
    CaptureStderr();
    EXPECT_TRUE(Near(l.closestpoint(MCSPoint(4, 3)), 4, 0, 1e-9));
    EXPECT_EQ(GetCapturedStderr(), "");
    CaptureStderr();
    EXPECT_TRUE(Near(l.closestpoint(MCSPoint(12, 3)), 10, 0));
    EXPECT_TRUE(Near(l.closestpoint(MCSPoint(-2, 3)), 0, 0));
    std::string err = GetCapturedStderr();
    EXPECT_NE(err.find("MCSLine::closest point Intersection point not on line.\n"), std::string::npos);
    // A shape's closest point is the segment's closest to the shape's centre.
    EXPECT_TRUE(Near(l.closestpoint(static_cast<const MCShape &>(MCSCircle(6, -4, 1))), 6, 0, 1e-9));
    // A segment of no length has only its start to offer.
    EXPECT_TRUE(Near(MCSLine(1, 1, 1, 1).closestpoint(MCSPoint(5, 5)), 1, 1));
    EXPECT_TRUE(Near(l.perpendicular(MCSPoint(3, 3)).End(), 3, 13, 1e-9));
}

TEST(ShapeLine, ResizeMovesTheOuterEnds)
{
    MCSLine l(5, 5, 0, 0);
    l.resize(1, 2, 3, 4);
    EXPECT_TRUE(Near(l.Start(), 8, 7));
    EXPECT_TRUE(Near(l.End(), -1, -4));
    MCSLine up(0, 0, 5, 5);
    up.resize(1, 2, 3, 4);
    EXPECT_TRUE(Near(up.Start(), -1, -4));
    EXPECT_TRUE(Near(up.End(), 8, 7));
}

TEST(ShapeRectangle, BoxAroundTwoShapesAndTheCircleInscribed)
{
    MCSRectangle fromPoints(MCSPoint(3, -1), MCSPoint(-1, 4));
    EXPECT_EQ(Text(fromPoints.Display()), "(Rectangle:(X0:-1,Y0:-1,X1:3,Y1:4))");
    MCSCircle c(10, 10, 1);
    MCSLine l(-2, 0, 0, -3);
    EXPECT_EQ(Text(MCSRectangle(c, l).Display()), "(Rectangle:(X0:-2,Y0:-3,X1:11,Y1:11))");
    EXPECT_EQ(Text(MCSCircle(MCSRectangle(0, 0, 10, 4)).Display()), "(Circle:(X:5,Y:2,R:2))");
}
