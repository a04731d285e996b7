#include "CRectangle.h"

#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "CRay.h"
#include "LibraryTestSupport.h"

namespace
{
void ExpectSameLine(const CGLine &expected, const CGLine &actual)
{
  EXPECT_EQ(expected.GetA(), actual.GetA());
  EXPECT_EQ(expected.GetB(), actual.GetB());
  EXPECT_EQ(expected.GetC(), actual.GetC());
}

// left 0, right 10, top 0, bottom 4.
const CRectangle kBox(0, 10, 0, 4);
} // namespace

TEST(CRectangle, CornersAndEdgesWalkClockwise)
{
  ExpectAt(kBox.GetPoint(1), 10, 0);
  ExpectAt(kBox.GetPoint(2), 10, 4);
  ExpectAt(kBox.GetPoint(3), 0, 4);
  ExpectAt(kBox.GetPoint(4), 0, 0);
  ExpectAt(kBox.GetPoint(-4), 0, 0);
  ExpectSameLine(kBox.TopEdge(), kBox.GetEdge(0));
  ExpectSameLine(kBox.RightEdge(), kBox.GetEdge(5));
  ExpectSameLine(kBox.BottomEdge(), kBox.GetEdge(2));
  ExpectSameLine(kBox.LeftEdge(), kBox.GetEdge(7));
  EXPECT_TRUE(kBox.RightEdge().PointOnCGLine(10, 77));
  EXPECT_TRUE(kBox.BottomEdge().PointOnCGLine(-5, 4));

  EXPECT_EQ(" ERROR: CRectangle: GetPoint: how did I get here\n"
            " ERROR: CRectangle: GetEdge: how did I get here\n",
            Err([] {
              ExpectAt(kBox.GetPoint(-1), 0, 0);
              ExpectSameLine(CGLine(0, 0, 0), kBox.GetEdge(-1));
            }));
}

TEST(CRectangle, ContainmentAndClamping)
{
  for (int i = 0; i < 4; ++i)
    EXPECT_TRUE(kBox.IsWithin(kBox.GetPoint(i)));
  EXPECT_TRUE(kBox.IsWithin(CVector(10, 2)));
  EXPECT_FALSE(kBox.IsWithin(CVector(10.001f, 2)));
  EXPECT_FALSE(kBox.IsWithin(CVector(5, -0.001f)));

  ExpectAt(kBox.AdjustToWithin(CVector(3, 3)), 3, 3);
  const CVector corner = kBox.AdjustToWithin(CVector(13, -2));
  ExpectAt(corner, 10, 0);
  EXPECT_EQ(10, corner.GetMag());
  ExpectAt(kBox.AdjustToWithin(CVector(-5, 2)), 0, 2);

  // Inverted: the later tests win.
  Err([] { ExpectAt(CRectangle(10, 0, 4, 0).AdjustToWithin(CVector(5, 2)), 10, 0); });
}

TEST(CRectangle, NearestEdgesWithTieBreaks)
{
  ExpectAt(kBox.nearestHEdge(CVector(5, 2)), 5, 4);
  ExpectAt(kBox.nearestHEdge(CVector(5, 1)), 5, 0);
  ExpectAt(kBox.nearestVEdge(CVector(5, 2)), 10, 2);
  ExpectAt(kBox.nearestVEdge(CVector(2, 9)), 0, 4);
  ExpectAt(kBox.nearestEdge(CVector(5, 2)), 5, 4);
  ExpectAt(kBox.nearestEdge(CVector(9, 2)), 10, 2);
  ExpectAt(kBox.nearestHEdge(CVector(-3, -1)), 0, 0);
  // Outside, the signed differences still pick the edge on the point's side.
  ExpectAt(kBox.nearestEdge(CVector(5, -3)), 5, 0);

  ExpectSameLine(kBox.TopEdge(), kBox.nearestHEdgeCGLine(CVector(5, 1)));
  ExpectSameLine(kBox.LeftEdge(), kBox.nearestVEdgeCGLine(CVector(1, 2)));
  ExpectSameLine(kBox.BottomEdge(), kBox.nearestEdgeCGLine(CVector(5, 2)));
  ExpectSameLine(kBox.RightEdge(), kBox.nearestEdgeCGLine(CVector(9, 2)));
}

TEST(CRectangle, SignedDistanceToTheBorder)
{
  EXPECT_EQ(0, kBox.DistanceToEdge(CVector(10, 2)));
  EXPECT_EQ(2, kBox.DistanceToEdge(CVector(5, 2)));
  EXPECT_FLOAT_EQ(0.5f, kBox.DistanceToEdge(CVector(9.5f, 3)));
  EXPECT_FLOAT_EQ(-5, kBox.DistanceToEdge(CVector(13, 8)));
  EXPECT_FLOAT_EQ(-2, kBox.DistanceToEdge(CVector(-2, 1)));
}

TEST(CRectangle, RayLeavesThroughTheBorder)
{
  ExpectAt(kBox.CRayIntersection(CRay(kBox.Center(), 0.0f)), 10, 2);
  ExpectAt(CRay(kBox.Center(), 90.0f).CRectangleIntersection(kBox), 5, 4);
  // Not parallel to an axis: two edge lines ahead, the border one wins.
  ExpectAt(kBox.CRayIntersection(CRay(CVector(5, 2), 45.0f)), 7, 4);
  ExpectAt(kBox.CRayIntersection(CRay(CVector(8, 2), -45.0f)), 10, 0);
  ExpectAt(kBox.CRayIntersection(CRay(CVector(1, 1), CVector(-1, 3))), 0, 4);
  // From the border outwards the origin is the exit.
  ExpectAt(kBox.CRayIntersection(CRay(CVector(10, 2), 0.0f)), 10, 2);
}

TEST(CRectangle, SlidesAPointOntoTheBorderAlongALine)
{
  CGLine diagonal(0, 0, 0);
  diagonal.CGLineFromTwoPoints(CVector(0, 0), CVector(1, 1));
  ExpectAt(kBox.AdjustPtToCRectOnCGLine(CVector(3, 3), diagonal), 3, 3);
  // Below the bottom edge, slid up the diagonal.
  ExpectAt(kBox.AdjustPtToCRectOnCGLine(CVector(6, 6), diagonal), 4, 4);
  ExpectAt(kBox.AdjustPtToCRectOnCGLine(CVector(14, 3), CGLine(0, 1, -3)), 10, 3);
  // Above the top edge with the crossing off the edge: left edge.
  CGLine steep(0, 0, 0);
  steep.CGLineFromTwoPoints(CVector(-2, -1), CVector(2, 3));
  ExpectAt(kBox.AdjustPtToCRectOnCGLine(CVector(-2, -1), steep), 0, 1);
  // A line missing the rectangle: nothing to slide to.
  ExpectAt(kBox.AdjustPtToCRectOnCGLine(CVector(20, 20), CGLine(0, 1, -20)), 20, 20);
  // On the top edge counts as outside: replaced by the crossing of the line
  // with that edge.
  ExpectAt(kBox.AdjustPtToCRectOnCGLine(CVector(4, 0), diagonal), 0, 0);
}

TEST(CRectangle, ASizeOfNothingIsAcceptedAndANegativeOneReported)
{
  EXPECT_EQ("", Err([] { EXPECT_EQ(3, CRectangle(CVector(3, 4), CVector(0, 0)).RightX()); }));
  EXPECT_EQ("ERROR: CRectangle: size must be positive\n",
            Err([] { EXPECT_EQ(1, CRectangle(CVector(0, 0), CVector(-2, -2)).LeftX()); }));
}
