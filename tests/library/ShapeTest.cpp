#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSQuadSolution.h"
#include "MCSRectangle.h"
#include "MCShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "LibraryTestSupport.h"

TEST(ShapeNumeric, SignCountsZeroAndNaNAsNegative)
{
    EXPECT_EQ(MCSMath::fsign(0.0), -1.0);
    EXPECT_EQ(MCSMath::fsign(std::numeric_limits<double>::denorm_min()), 1.0);
    EXPECT_EQ(MCSMath::fsign(std::nan("")), -1.0);
}

TEST(ShapeNumeric, DegreeIndexRoundsHalvesToEvenAndWraps)
{
    EXPECT_EQ(MCSMath::aindex(359.6), 0);
    EXPECT_EQ(MCSMath::aindex(-1), 359);
    EXPECT_EQ(MCSMath::aindex(2.5), 2);
    EXPECT_EQ(MCSMath::aindex(3.5), 4);
    EXPECT_EQ(MCSMath::aindex(720), 0);
    EXPECT_EQ(MCSMath::aindex(-725.2), 355);
    // Far out of any int's range: still an index.
    int far = MCSMath::aindex(1e30);
    EXPECT_GE(far, 0);
    EXPECT_LT(far, 360);
    EXPECT_EQ(MCSMath::aindex(std::nan("")), 0);
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

TEST(ShapeQuadratic, RootsWithTheDiscriminantTolerance)
{
    MCSQuadSolution q;
    EXPECT_EQ(q.count, 0);
    EXPECT_EQ(q.SolveQuadratic(1, -3, 2), 2);
    EXPECT_DOUBLE_EQ(q.root1, 2);
    EXPECT_DOUBLE_EQ(q.root2, 1);
    EXPECT_EQ(q.SolveQuadratic(1, 2, 1.0002), 1);
    EXPECT_DOUBLE_EQ(q.root1, -1);
    MCSQuadSolution none;
    EXPECT_EQ(none.SolveQuadratic(1, 0, 1), 0);
    EXPECT_EQ(none.root1, 0);
    EXPECT_EQ(none.root2, 0);
    EXPECT_EQ(none.SolveQuadratic(1, std::nan(""), 1), 0);
}

TEST(ShapeCircle, ContainmentIsStrict)
{
    MCSCircle c(0, 0, 5);
    EXPECT_FALSE(c.contains(MCSPoint(5, 0)));
    EXPECT_TRUE(c.contains(MCSPoint(4.9, 0)));
    EXPECT_TRUE(c.contains(MCSLine(-4, 0, 0, 4)));
    EXPECT_FALSE(c.contains(MCSLine(-4, 0, 0, 5)));
    EXPECT_TRUE(c.contains(MCSCircle(1, 0, 3.9)));
    EXPECT_FALSE(c.contains(MCSCircle(1, 0, 4)));
    EXPECT_TRUE(c.contains(MCSRectangle(-1, -1, 1, 1)));
    EXPECT_FALSE(c.contains(MCSRectangle(-4, -4, 4, 4)));
    EXPECT_FALSE(MCSCircle(0, 0, 0).contains(MCSPoint(0, 0)));
}

TEST(ShapeCircle, InfiniteLineCrossingsComeInIncreasingOrder)
{
    MCSCircle c(0, 0, 5);
    // Beyond the segment's ends, whichever way it points.
    EXPECT_TRUE(PointsAre(c.intersect2(MCSLine(10, 0, 6, 0)), {{-5, 0}, {5, 0}}));
    EXPECT_TRUE(PointsAre(c.intersect2(MCSLine(-1, 5, 1, 5)), {{0, 5}}));
    EXPECT_TRUE(PointsAre(c.intersect2(MCSLine(0, 6, 1, 6)), {}));
    double h = 5 / std::sqrt(2.0);
    EXPECT_TRUE(PointsAre(c.intersect2(MCSLine(1, 1, 0, 0)), {{-h, -h}, {h, h}}));
}

TEST(ShapeCircle, DistanceAndClosestPointLieOnTheCircle)
{
    MCSCircle o(0, 0, 5);
    EXPECT_DOUBLE_EQ(o.distance(MCSPoint(8, 0)), 3);
    EXPECT_DOUBLE_EQ(o.distance(MCSPoint(1, 0)), -4);
    EXPECT_TRUE(Near(o.closestpoint(MCSPoint(0, 8)), 0, 5, 1e-12));
    // A shape reaching inside still gets a point on the circle.
    EXPECT_TRUE(Near(o.closestpoint(MCSPoint(-1, 0)), -5, 0, 1e-12));
    EXPECT_TRUE(Near(o.closestpoint(MCSRectangle(10, -1, 12, 1)), 5, 0, 1e-12));
    EXPECT_EQ(Of(MCSCircle(MCSPoint(1, 1), MCSPoint(4, 5)).Display()), "(Circle:(X:1,Y:1,R:5))");
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
    EXPECT_EQ(Err([] { EXPECT_TRUE(Near(MCSLine(0, 0, 1, 0).intersection(MCSLine(4, 0, 6, 0)), 4, 0)); }), "");
    EXPECT_EQ(Err([] { EXPECT_TRUE(Near(MCSLine(0, 0, 1, 0).intersection(MCSLine(0, 1, 1, 1)), 0, 0)); }),
              "MCSLine::intersection, lines parallel.\n");
}

TEST(ShapeLine, ClosestPointIsTheFootKeptWithinTheSegment)
{
    MCSLine l(0, 0, 10, 0);
    EXPECT_EQ(Err([&] { EXPECT_TRUE(Near(l.closestpoint(MCSPoint(4, 3)), 4, 0, 1e-9)); }), "");
    const std::string err = Err([&] {
        EXPECT_TRUE(Near(l.closestpoint(MCSPoint(12, 3)), 10, 0));
        EXPECT_TRUE(Near(l.closestpoint(MCSPoint(-2, 3)), 0, 0));
    });
    EXPECT_NE(err.find("MCSLine::closest point Intersection point not on line.\n"), std::string::npos);
    // A shape's closest point is the segment's closest to the shape's centre.
    EXPECT_TRUE(Near(l.closestpoint(static_cast<const MCShape &>(MCSCircle(6, -4, 1))), 6, 0, 1e-9));
    // A segment of no length has only its start to offer.
    EXPECT_TRUE(Near(MCSLine(1, 1, 1, 1).closestpoint(MCSPoint(5, 5)), 1, 1));
    EXPECT_TRUE(Near(l.perpendicular(MCSPoint(3, 3)).End(), 3, 13, 1e-9));
}
