#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSRectangle.h"

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

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
    // A circle of no size on the other.
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(3, 4, 0), MCSCircle(0, 0, 5)), {{3, 4}}, 1e-9));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(20, 0, 5)), {}));
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(1, 0, 1)), {}));
    // Touching from inside: one point.
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(3, 0, 2)), {{5, 0}}, 1e-6));
    // Centres on a vertical: crossings in increasing x along the chord.
    EXPECT_TRUE(PointsAre(Meet(MCSCircle(0, 0, 5), MCSCircle(0, 8, 5)), {{-3, 4}, {3, 4}}, 1e-9));
}

namespace {

// Display of a after a.exclude(b) (or a.avoid(b)).
std::string Excluded(MCShape &&a, MCShape &&b, bool avoid = false)
{
    Out([&] {
        if (avoid)
            a.avoid(b);
        else
            a.exclude(b);
    });
    return Of(a.Display());
}

} // namespace

TEST(ShapeExclude, ClipsTheFacingEdgeBackToTheOtherBox)
{
    EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(8, 2, 20, 8)),
              "(Rectangle:(X0:0,Y0:0,X1:8,Y1:10))");
    EXPECT_EQ(Excluded(MCSRectangle(100, 0, 110, 10), MCSRectangle(108, 2, 120, 8)),
              "(Rectangle:(X0:100,Y0:0,X1:108,Y1:10))");
    EXPECT_EQ(Excluded(MCSRectangle(10, 0, 20, 10), MCSRectangle(0, 2, 12, 8)),
              "(Rectangle:(X0:12,Y0:0,X1:20,Y1:10))");
    // Covered on that axis: zero width at the other's edge.
    EXPECT_EQ(Excluded(MCSRectangle(100, 0, 110, 10), MCSRectangle(95, 2, 130, 8)),
              "(Rectangle:(X0:95,Y0:0,X1:95,Y1:10))");
    // Separated along y: above, the bottom rises; below, the top falls.
    EXPECT_EQ(Excluded(MCSRectangle(0, 5, 10, 20), MCSRectangle(2, 0, 8, 8)),
              "(Rectangle:(X0:0,Y0:8,X1:10,Y1:20))");
    EXPECT_EQ(Excluded(MCSRectangle(0, -20, 10, 3), MCSRectangle(2, 0, 8, 8)),
              "(Rectangle:(X0:0,Y0:-20,X1:10,Y1:0))");
    // Apart or only touching: nothing changes.
    for (bool avoid : {false, true}) {
        EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(20, 0, 30, 10), avoid),
                  "(Rectangle:(X0:0,Y0:0,X1:10,Y1:10))");
        EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(10, 0, 20, 10), avoid),
                  "(Rectangle:(X0:0,Y0:0,X1:10,Y1:10))");
    }
    EXPECT_EQ(Excluded(MCSPoint(5, 5), MCSRectangle(0, 0, 10, 10)), "(Point:(X:5,Y:5))");
}

TEST(ShapeExclude, CircleBecomesTheCircleOfItsClippedBox)
{
    MCSCircle c(0, 0, 2);
    MCSRectangle r(1, -5, 10, 5);
    EXPECT_EQ(Out([&] { c.exclude(r); }), "<<-2,2,2,-2>>\n<<0,0,-1,0>>\n<<-2,2,1,-2>>\n");
    EXPECT_EQ(Of(c.Display()), "(Circle:(X:-0.5,Y:0,R:1.5))");
}

TEST(ShapeAvoid, MovesOffTheOtherBoxUntilTheyTouch)
{
    MCSRectangle b(8, 2, 20, 8);
    EXPECT_EQ(Excluded(MCSRectangle(0, 0, 10, 10), MCSRectangle(b), true), "(Rectangle:(X0:-2,Y0:0,X1:8,Y1:10))");
    EXPECT_EQ(Excluded(MCSRectangle(15, 0, 25, 10), MCSRectangle(b), true),
              "(Rectangle:(X0:20,Y0:0,X1:30,Y1:10))");
    EXPECT_EQ(Excluded(MCSCircle(14, 9, 2), MCSRectangle(b), true), "(Circle:(X:14,Y:10,R:2))");
    EXPECT_EQ(Excluded(MCSPoint(14, 3), MCSRectangle(b), true), "(Point:(X:14,Y:2))");
}

TEST(ShapePlacement, ContainmentClosestPointsDistancesAndMoveto)
{
    MCSRectangle r(0, 0, 10, 10);
    EXPECT_TRUE(r.contains(MCSRectangle(0, 0, 10, 10)));
    EXPECT_TRUE(r.contains(MCSCircle(5, 5, 5)));
    EXPECT_FALSE(r.contains(MCSCircle(5, 5, 5.01)));
    EXPECT_FALSE(r.contains(MCSLine(1, 1, 11, 1)));

    EXPECT_TRUE(Near(r.closestpoint(MCSPoint(15, -3)), 10, 0));
    EXPECT_TRUE(Near(r.closestpoint(MCSCircle(4, 20, 1)), 4, 10));
    EXPECT_TRUE(Near(MCSPoint(15, 5).closestpoint(r), 15, 5));
    EXPECT_DOUBLE_EQ(r.distance(MCSRectangle(13, 14, 20, 20)), 5);
    EXPECT_DOUBLE_EQ(r.distance(MCSCircle(20, 5, 4)), 6);
    EXPECT_DOUBLE_EQ(MCSCircle(20, 5, 4).distance(r), 6);
    EXPECT_DOUBLE_EQ(MCSLine(0, 20, 10, 20).distance(MCSPoint(5, 23)), 3);
    EXPECT_DOUBLE_EQ(MCSPoint(5, 23).distance(static_cast<const MCShape &>(MCSLine(0, 20, 10, 20))), 3);

    MCSLine l(0, 0, 4, 2);
    l.moveto(5, 5);
    EXPECT_TRUE(Near(l.Start(), 3, 4));
    MCSPoint p(3, -1);
    p.moveto(5, 5);
    EXPECT_TRUE(Near(p, 5, 5));
}
