#include "MCSCircle.h"
#include "MCSLine.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

TEST(ShapeExclude, ClipsTheFacingEdgeBackToTheOtherBox)
{
    MCSRectangle a(0, 0, 10, 10);
    MCSRectangle b(8, 2, 20, 8);
    a.exclude(b);
    EXPECT_EQ(Text(a.Display()), "(Rectangle:(X0:0,Y0:0,X1:8,Y1:10))");

    MCSRectangle c(100, 0, 110, 10);
    MCSRectangle d(108, 2, 120, 8);
    c.exclude(d);
    EXPECT_EQ(Text(c.Display()), "(Rectangle:(X0:100,Y0:0,X1:108,Y1:10))");

    // Covered on that axis: zero width at the other's edge.
    MCSRectangle e(100, 0, 110, 10);
    MCSRectangle wide(95, 2, 130, 8);
    e.exclude(wide);
    EXPECT_EQ(Text(e.Display()), "(Rectangle:(X0:95,Y0:0,X1:95,Y1:10))");

    // Separated along y: this one lies above, so its bottom rises.
    MCSRectangle f(0, 5, 10, 20);
    MCSRectangle below(2, 0, 8, 8);
    f.exclude(below);
    EXPECT_EQ(Text(f.Display()), "(Rectangle:(X0:0,Y0:8,X1:10,Y1:20))");
    MCSRectangle g(0, -20, 10, 3);
    g.exclude(below);
    EXPECT_EQ(Text(g.Display()), "(Rectangle:(X0:0,Y0:-20,X1:10,Y1:0))");
}

TEST(ShapeExclude, ApartOrTouchingBoxesAndPointsStayAsTheyAre)
{
    MCSRectangle a(0, 0, 10, 10);
    MCSRectangle far(20, 0, 30, 10);
    a.exclude(far);
    a.avoid(far);
    EXPECT_EQ(Text(a.Display()), "(Rectangle:(X0:0,Y0:0,X1:10,Y1:10))");
    MCSRectangle touching(10, 0, 20, 10);
    a.exclude(touching);
    a.avoid(touching);
    EXPECT_EQ(Text(a.Display()), "(Rectangle:(X0:0,Y0:0,X1:10,Y1:10))");
    MCSPoint p(5, 5);
    p.exclude(a);
    EXPECT_TRUE(Near(p, 5, 5));
}

TEST(ShapeExclude, CircleBecomesTheCircleOfItsClippedBox)
{
    MCSCircle c(0, 0, 2);
    MCSRectangle r(1, -5, 10, 5);
    CaptureStdout();
    c.exclude(r);
    EXPECT_EQ(GetCapturedStdout(), "<<-2,2,2,-2>>\n<<0,0,-1,0>>\n<<-2,2,1,-2>>\n");
    EXPECT_EQ(Text(c.Display()), "(Circle:(X:-0.5,Y:0,R:1.5))");
}

TEST(ShapeAvoid, MovesOffTheOtherBoxUntilTheyTouch)
{
    MCSRectangle a(0, 0, 10, 10);
    MCSRectangle b(8, 2, 20, 8);
    a.avoid(b);
    EXPECT_EQ(Text(a.Display()), "(Rectangle:(X0:-2,Y0:0,X1:8,Y1:10))");
    MCSRectangle right(15, 0, 25, 10);
    right.avoid(b);
    EXPECT_EQ(Text(right.Display()), "(Rectangle:(X0:20,Y0:0,X1:30,Y1:10))");
    MCSCircle above(14, 9, 2);
    above.avoid(b);
    EXPECT_EQ(Text(above.Display()), "(Circle:(X:14,Y:10,R:2))");
    MCSPoint under(14, 3);
    under.avoid(b);
    EXPECT_TRUE(Near(under, 14, 2));
}

TEST(ShapePlacement, BoxContainmentIncludesEdges)
{
    MCSRectangle r(0, 0, 10, 10);
    EXPECT_TRUE(r.contains(MCSRectangle(0, 0, 10, 10)));
    EXPECT_TRUE(r.contains(MCSCircle(5, 5, 5)));
    EXPECT_FALSE(r.contains(MCSCircle(5, 5, 5.01)));
    EXPECT_TRUE(r.contains(MCSPoint(10, 0)));
    EXPECT_FALSE(r.contains(MCSLine(1, 1, 11, 1)));
}

TEST(ShapePlacement, ClosestPointsAndDistances)
{
    MCSRectangle r(0, 0, 10, 10);
    EXPECT_TRUE(Near(r.closestpoint(MCSPoint(15, -3)), 10, 0));
    EXPECT_TRUE(Near(r.closestpoint(MCSCircle(4, 20, 1)), 4, 10));
    EXPECT_TRUE(Near(r.closestpoint(MCSPoint(3, 3)), 3, 3));
    EXPECT_DOUBLE_EQ(r.distance(MCSRectangle(13, 14, 20, 20)), 5);
    EXPECT_DOUBLE_EQ(r.distance(MCSCircle(20, 5, 4)), 6);
    EXPECT_DOUBLE_EQ(MCSCircle(20, 5, 4).distance(r), 6);
    EXPECT_DOUBLE_EQ(MCSLine(0, 20, 10, 20).distance(MCSPoint(5, 23)), 3);
    EXPECT_DOUBLE_EQ(MCSPoint(5, 23).distance(static_cast<const MCShape &>(MCSLine(0, 20, 10, 20))), 3);
}
