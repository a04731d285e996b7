#include "MCSIntersections.h"
#include "MCSPoint.h"
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

TEST(ShapePoint, EqualityIsExactButPointsMeetWithinTheTolerance)
{
    MCSPoint p(1, 2);
    EXPECT_TRUE(p != MCSPoint(1, 2.0000001));
    EXPECT_TRUE(p.contains(MCSPoint(1, 2)));
    EXPECT_FALSE(p.contains(MCSPoint(1, 2.0000001)));
    const MCShape &same = MCSPoint(1, 2);
    EXPECT_FALSE(p.contains(same));

    // The answer holds the point passed in.
    const double half = MCShape::MCSAccuracy / 2;
    EXPECT_TRUE(PointsAre(p.intersect(MCSPoint(1 + half, 2)), {{1 + half, 2}}));
    EXPECT_TRUE(PointsAre(MCSPoint(0, 0).intersect(MCSPoint(MCShape::MCSAccuracy, 0)), {}));
    EXPECT_TRUE(PointsAre(MCSPoint(0, 0).intersect(MCSPoint(0, -MCShape::MCSAccuracy)), {}));

    // No extent to grow.
    p.resize(2);
    p.resize(1, 2, 3, 4);
    EXPECT_TRUE(Near(p, 1, 2));
}
