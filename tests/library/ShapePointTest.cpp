#include "MCSIntersections.h"
#include "MCSPoint.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ShapePoint, ArithmeticInPlaceReturnsTheUpdatedValue)
{
    MCSPoint p(1, 2);
    EXPECT_TRUE(Near(p + MCSPoint(3, 4), 4, 6));
    EXPECT_TRUE(Near(p - MCSPoint(3, 4), -2, -2));
    EXPECT_TRUE(Near(p * 2, 2, 4));
    EXPECT_TRUE(Near(p / 2, 0.5, 1));
    EXPECT_TRUE(Near(p += MCSPoint(1, 1), 2, 3));
    EXPECT_TRUE(Near(p -= MCSPoint(2, 0), 0, 3));
    EXPECT_TRUE(Near(p *= 3, 0, 9));
    EXPECT_TRUE(Near(p /= 9, 0, 1));
    EXPECT_TRUE(Near(p, 0, 1));
}

TEST(ShapePoint, PolarFormAndComplexProducts)
{
    EXPECT_TRUE(Near(MCSPoint(0, 0).polar(), 0, 0));
    EXPECT_TRUE(Near(MCSPoint(0, 2).polar(), 2, M_PI / 2));
    EXPECT_TRUE(Near(MCSPoint(2, M_PI).frompolar(), -2, 0, 1e-12));
    EXPECT_TRUE(Near(MCSPoint(1, 0) * MCSPoint(0, 1), 0, 1, 1e-12));
    EXPECT_TRUE(Near(MCSPoint(0, 2) / MCSPoint(0, 1), 2, 0, 1e-12));
    MCSPoint q(1, 1);
    q *= MCSPoint(1, 1);
    EXPECT_TRUE(Near(q, 0, 2, 1e-12));
    q /= MCSPoint(0, 2);
    EXPECT_TRUE(Near(q, 1, 0, 1e-12));
    EXPECT_DOUBLE_EQ(MCSPoint(0, 0).distance(MCSPoint(3, 4)), 5);
}

TEST(ShapePoint, EqualityAndContainmentAreExact)
{
    MCSPoint p(1, 2);
    EXPECT_TRUE(p == MCSPoint(1, 2));
    EXPECT_TRUE(p != MCSPoint(1, 2.0000001));
    EXPECT_TRUE(p.contains(MCSPoint(1, 2)));
    EXPECT_FALSE(p.contains(MCSPoint(1, 2.0000001)));
    const MCShape &same = MCSPoint(1, 2);
    EXPECT_FALSE(p.contains(same));
}

TEST(ShapePoint, PointsMeetWithinTheToleranceStrictly)
{
    MCSPoint p(1, 1);
    EXPECT_TRUE(PointsAre(p.intersect(MCSPoint(1 + MCShape::MCSAccuracy / 2, 1)),
                          {{1 + MCShape::MCSAccuracy / 2, 1}}));
    EXPECT_TRUE(PointsAre(p.intersect(MCSPoint(1, 1 + 2 * MCShape::MCSAccuracy)), {}));
    EXPECT_TRUE(PointsAre(MCSPoint(0, 0).intersect(MCSPoint(MCShape::MCSAccuracy, 0)), {}));
    EXPECT_TRUE(PointsAre(MCSPoint(0, 0).intersect(MCSPoint(0, -MCShape::MCSAccuracy)), {}));
}

TEST(ShapePoint, BoxIsThePointItselfAndResizeLeavesIt)
{
    MCSPoint p(3, -1);
    EXPECT_EQ(p.Left(), 3);
    EXPECT_EQ(p.Right(), 3);
    EXPECT_EQ(p.Top(), -1);
    EXPECT_EQ(p.Bottom(), -1);
    EXPECT_TRUE(Near(p.TopLeft(), 3, -1));
    EXPECT_TRUE(Near(p.CentreBottom(), 3, -1));
    p.resize(2);
    p.resize(1, 2, 3, 4);
    EXPECT_TRUE(Near(p, 3, -1));
    p.moveto(5, 5);
    EXPECT_TRUE(Near(p, 5, 5));
    p.move(-1, 1);
    EXPECT_TRUE(Near(p, 4, 6));
}

TEST(ShapePoint, DistanceToAShapeIsToItsClosestPoint)
{
    MCSPoint p(15, 5);
    MCSRectangle r(0, 0, 10, 10);
    EXPECT_DOUBLE_EQ(p.distance(static_cast<const MCShape &>(r)), 5);
    EXPECT_TRUE(Near(p.closestpoint(r), 15, 5));
}

TEST(ShapePoint, TextAndDumpTrimTrailingZeros)
{
    EXPECT_EQ(Text(MCSPoint(3, 0.5).Display()), "(Point:(X:3,Y:0.5))");
    EXPECT_EQ(Text(MCSPoint(-2.25, 0).Display()), "(Point:(X:-2.25,Y:0))");
    EXPECT_EQ(Text(MCSPoint(3, 0.5).MemDump()), "MARKER GX: 3\nMARKER GY: 0.5\n");
}
