#include "MCSIntersections.h"
#include "MCSPoint.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ShapePoint, PolarFormAndComplexProducts)
{
    EXPECT_TRUE(Near(MCSPoint(0, 0).polar(), 0, 0));
    EXPECT_TRUE(Near(MCSPoint(0, 2).polar(), 2, M_PI / 2));
    EXPECT_TRUE(Near(MCSPoint(1, 0) * MCSPoint(0, 1), 0, 1, 1e-12));
    EXPECT_TRUE(Near(MCSPoint(0, 2) / MCSPoint(0, 1), 2, 0, 1e-12));
    MCSPoint q(1, 1);
    EXPECT_TRUE(Near(q *= MCSPoint(1, 1), 0, 2, 1e-12));
    EXPECT_TRUE(Near(q /= MCSPoint(0, 2), 1, 0, 1e-12));
    EXPECT_TRUE(Near(q, 1, 0, 1e-12));
}

TEST(ShapePoint, EqualityAndContainmentAreExact)
{
    MCSPoint p(1, 2);
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
    EXPECT_TRUE(PointsAre(MCSPoint(0, 0).intersect(MCSPoint(MCShape::MCSAccuracy, 0)), {}));
    EXPECT_TRUE(PointsAre(MCSPoint(0, 0).intersect(MCSPoint(0, -MCShape::MCSAccuracy)), {}));
}

TEST(ShapePoint, HasNoExtentToGrowAndMovetoSetsIt)
{
    MCSPoint p(3, -1);
    p.resize(2);
    p.resize(1, 2, 3, 4);
    EXPECT_TRUE(Near(p, 3, -1));
    p.moveto(5, 5);
    EXPECT_TRUE(Near(p, 5, 5));
}

TEST(ShapePoint, DistanceToAShapeIsToItsClosestPoint)
{
    MCSPoint p(15, 5);
    MCSRectangle r(0, 0, 10, 10);
    EXPECT_DOUBLE_EQ(p.distance(static_cast<const MCShape &>(r)), 5);
    EXPECT_TRUE(Near(p.closestpoint(r), 15, 5));
}
