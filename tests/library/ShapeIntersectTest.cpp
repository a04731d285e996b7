#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

// Every pair of kinds is asked through the base, both ways round, so that the
// double dispatch reaches the specific operation.
namespace {

MCSIntersections Meet(const MCShape &a, const MCShape &b)
{
    return a.intersect(b);
}

} // namespace

TEST(ShapeIntersect, PointWithEveryKind)
{
    MCSPoint p(10, 3);
    // The answer holds the point that was passed on last.
    EXPECT_TRUE(PointsAre(Meet(MCSPoint(10, 3.0004), p), {{10, 3.0004}}));
    EXPECT_TRUE(PointsAre(Meet(p, MCSLine(0, 3, 20, 3)), {{10, 3}}));
    EXPECT_TRUE(PointsAre(Meet(MCSLine(0, 3, 5, 3), p), {}));
    // The outline only, exactly.
    EXPECT_TRUE(PointsAre(Meet(p, MCSRectangle(0, 0, 10, 10)), {{10, 3}}));
    EXPECT_TRUE(PointsAre(Meet(MCSRectangle(0, 0, 10, 10), MCSPoint(4, 0)), {{4, 0}}));
    EXPECT_TRUE(PointsAre(Meet(MCSRectangle(0, 0, 10, 10), MCSPoint(5, 5)), {}));
    EXPECT_TRUE(PointsAre(Meet(MCSRectangle(0, 0, 10, 10), MCSPoint(10.0001, 5)), {}));
    EXPECT_TRUE(PointsAre(Meet(MCSPoint(3, 4), MCSCircle(0, 0, 5)), {{3, 4}}));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSPoint(3.0004, 4)), {{3.0004, 4}}));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSPoint(3.01, 4)), {}));
}

TEST(ShapeIntersect, SegmentWithSegment)
{
    EXPECT_TRUE(PointsAre(Meet(MCSLine(0, 0, 10, 10), MCSLine(0, 10, 10, 0)), {{5, 5}}));
    EXPECT_TRUE(PointsAre(Meet(MCSLine(10, 0, 10, 5), MCSLine(0, 0, 10, 0)), {{10, 0}}));
    // Overlapping parallel segments have no single crossing.
    EXPECT_TRUE(PointsAre(Meet(MCSLine(0, 0, 10, 0), MCSLine(2, 0, 12, 0)), {}));
    EXPECT_TRUE(PointsAre(Meet(MCSLine(0, 0, 1, 1), MCSLine(3, 0, 4, -2)), {}));
}

TEST(ShapeIntersect, RectangleOutlineEdgeByEdge)
{
    MCSRectangle r(0, 0, 10, 10);
    // Right edge before left edge.
    EXPECT_TRUE(PointsAre(Meet(r, MCSLine(-5, 5, 15, 5)), {{10, 5}, {0, 5}}));
    EXPECT_TRUE(PointsAre(Meet(MCSLine(-5, 5, 15, 5), r), {{10, 5}, {0, 5}}));
    // Corners found on two edges are kept once.
    EXPECT_TRUE(PointsAre(Meet(r, MCSLine(-5, -5, 15, 15)), {{10, 10}, {0, 0}}));
    EXPECT_TRUE(PointsAre(Meet(r, MCSLine(2, 2, 8, 3)), {}));

    // The outline walked first is that of the shape asked last.
    MCSRectangle b(5, 5, 15, 15);
    EXPECT_TRUE(PointsAre(r.intersect(b), {{5, 10}, {10, 5}}));
    EXPECT_TRUE(PointsAre(Meet(r, b), {{10, 5}, {5, 10}}));
    EXPECT_TRUE(PointsAre(Meet(r, MCSRectangle(2, 2, 3, 3)), {}));

    // Top edge first, then the right edge (downwards).
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(5, 10, 3), r), {{2, 10}, {8, 10}}));
    EXPECT_TRUE(PointsAre(Meet(r, MCSCircle(10, 10, 2)), {{8, 10}, {10, 8}}));
}

TEST(ShapeIntersect, CircleWithSegmentKeepsOnlyPointsOnTheSegment)
{
    MCSCircle c(0, 0, 5);
    EXPECT_TRUE(PointsAre(Meet(c, MCSLine(-10, 3, 10, 3)), {{-4, 3}, {4, 3}}));
    EXPECT_TRUE(PointsAre(Meet(MCSLine(10, 3, -10, 3), c), {{-4, 3}, {4, 3}}));
    EXPECT_TRUE(PointsAre(Meet(c, MCSLine(0, 10, 0, -10)), {{0, -5}, {0, 5}}));
    EXPECT_TRUE(PointsAre(Meet(c, MCSLine(0, 0, 10, 0)), {{5, 0}}));
    EXPECT_TRUE(PointsAre(Meet(c, MCSLine(6, 0, 10, 0)), {}));
}

TEST(ShapeIntersect, CircleWithCircle)
{
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(8, 0, 5)), {{4, -3}, {4, 3}}));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(10, 0, 5)), {{5, 0}}));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(10, 0, 5), MCSCircle(0, 0, 5)), {{5, 0}}));
    // A circle of no size on the other.
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(3, 4, 0), MCSCircle(0, 0, 5)), {{3, 4}}, 1e-9));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(20, 0, 5)), {}));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(1, 0, 1)), {}));
    // Touching from inside: one point.
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(3, 0, 2)), {{5, 0}}, 1e-6));
    // Centres on a vertical: crossings in increasing x along the chord.
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(0, 8, 5)), {{-3, 4}, {3, 4}}, 1e-9));
}
