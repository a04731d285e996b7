#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "MCSLine.h"
#include "MCSQuadSolution.h"
#include "MCSRectangle.h"
#include "ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

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
    EXPECT_EQ(Text(MCSCircle(MCSPoint(1, 1), MCSPoint(4, 5)).Display()), "(Circle:(X:1,Y:1,R:5))");
}

TEST(ShapeCircle, ResizeReportsTheBoxesAndInscribesTheGrownOne)
{
    MCSCircle c(0, 0, 1);
    CaptureStdout();
    c.resize(1, 0, 1, 0);
    EXPECT_EQ(GetCapturedStdout(), "<<-1,1,1,-1>>\n<<1,0,1,0>>\n<<-2,1,2,-1>>\n");
    EXPECT_EQ(Text(c.Display()), "(Circle:(X:0,Y:0,R:1))");
    CaptureStdout();
    c.resize(1, 2, 1, 0);
    GetCapturedStdout();
    EXPECT_EQ(Text(c.Display()), "(Circle:(X:0,Y:1,R:2))");
    EXPECT_DOUBLE_EQ(c.r2, 4);
}

TEST(ShapeCircle, CoincidentAndConcentricCirclesGiveNoPoints)
{
    CaptureStderr();
    EXPECT_TRUE(PointsAre(MCSCircle(1, 1, 2).intersect(MCSCircle(1, 1, 2)), {}));
    EXPECT_EQ(GetCapturedStderr(), "circle circle intersect, this shouldn't happen\n");
    CaptureStderr();
    EXPECT_TRUE(PointsAre(MCSCircle(1, 1, 2).intersect(MCSCircle(1, 1, 1)), {}));
    // Two circles of no size at one spot touch there.
    EXPECT_TRUE(PointsAre(MCSCircle(2, 3, 0).intersect(MCSCircle(2, 3, 0)), {{2, 3}}));
    EXPECT_EQ(GetCapturedStderr(), "");
    CaptureStderr();
    EXPECT_TRUE(PointsAre(MCSCircle(std::nan(""), 1, 2).intersect(MCSCircle(1, 1, 1)), {}));
    EXPECT_EQ(GetCapturedStderr(), "circle circle intersect, DELETED FOR SECURITY\n");
}

TEST(ShapeIntersections, SetKeepsSixteenDistinctPoints)
{
    MCSIntersections s;
    s.addis(MCSPoint(1, 2));
    MCSIntersections more;
    for (int i = 0; i < 17; ++i)
        more.addis(MCSPoint(i, 0));
    s.addis(more);
    s.addis(MCSPoint(1, 2));
    EXPECT_EQ(s.points(), 16);
    EXPECT_TRUE(Near(s[0], 1, 2));
    EXPECT_TRUE(Near(s[15], 14, 0));
    EXPECT_TRUE(Near(s[16], 0, 0));
    EXPECT_TRUE(Near(s[-1], 0, 0));
}
