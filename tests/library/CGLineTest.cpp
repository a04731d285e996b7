#include "CGLine.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

namespace
{
void ExpectLine(const CGLine &line, float a, float b, float c)
{
  EXPECT_FLOAT_EQ(a, line.GetA());
  EXPECT_FLOAT_EQ(b, line.GetB());
  EXPECT_FLOAT_EQ(c, line.GetC());
}

CGLine Through(CVector p1, CVector p2)
{
  CGLine line(0, 0, 0);
  line.CGLineFromTwoPoints(p1, p2);
  return line;
}
} // namespace

TEST(CGLine, TwoPointsGiveTheNormalForms)
{
  EXPECT_EQ("", Err([] {
              ExpectLine(Through(CVector(0, 0), CVector(2, 4)), -2, 1, 0);
              // The float nearest to 0.0001 lies below it, so this is vertical too.
              ExpectLine(Through(CVector(0, 0), CVector(0.0001f, 1)), 1, 0, -0.0001f);
              ExpectLine(Through(CVector(-1, 5), CVector(3, 5)), 0, 1, -5);
            }));
  EXPECT_EQ(" ERROR: CGLine: CGLineFromTwoPoints: points cannot be the same!\n",
            Err([] { ExpectLine(Through(CVector(2, 2), CVector(2.00001f, 2)), 1, 0, -2.00001f); }));
}

TEST(CGLine, DistancesMembershipAndHalfPlanes)
{
  const CGLine line(3, 4, -10); // not normalised: distances divide by 5
  EXPECT_FLOAT_EQ(2, line.dist(CVector(0.8f, -0.6f)));
  EXPECT_FLOAT_EQ(4, line.dist2(CVector(3.2f, 2.6f)));
  EXPECT_TRUE(line.PointOnCGLine(2, 1));
  EXPECT_FALSE(line.PointOnCGLine(2, 1.001f));
  EXPECT_TRUE(line.OnCGLine(CVector(3.2f, 2.6f), 2.01f));
  EXPECT_FALSE(line.OnCGLine(CVector(3.2f, 2.6f), 2.0f));

  // The half-plane test is strict.
  const CGLine flat(0, 1, -2), vertical(1, 0, -2);
  EXPECT_TRUE(flat.HalfPlaneTest(CVector(0, 3)));
  EXPECT_FALSE(flat.HalfPlaneTest(CVector(0, 1)));
  EXPECT_FALSE(flat.HalfPlaneTest(CVector(7, 2)));
  EXPECT_TRUE(vertical.HalfPlaneTest(CVector(1, 0)));
  EXPECT_FALSE(vertical.HalfPlaneTest(CVector(3, 0)));
  EXPECT_FALSE(vertical.HalfPlaneTest(CVector(2, 9)));
}

TEST(CGLine, CoordinatesAndAngleOnDegenerateLines)
{
  const CGLine slope(-2, 1, 1); // y = 2x - 1
  EXPECT_FLOAT_EQ(5, slope.get_y(3));
  EXPECT_FLOAT_EQ(3, slope.get_x(5));
  // The arc tangent is taken in double: in float this reads -26.5650501.
  EXPECT_EQ(-26.565052f, CGLine(1, 2, 0).angle());

  EXPECT_EQ(" ERROR: CGLine: get_y: cannot get y\n"
            " ERROR: CGLine: get_x: cannot get x\n"
            "ERROR: CGLine: angle: Division by 0\n",
            Err([] {
              EXPECT_EQ(0, CGLine(1, 0, -3).get_y(7));
              EXPECT_EQ(0, CGLine(0, 1, -3).get_x(7));
              EXPECT_EQ(-90, CGLine(1, 0, -3).angle());
            }));
}

TEST(CGLine, IntersectionOfLinesAndTheParallelSentinel)
{
  ExpectAt(CGLine(1, -1, 0).intersection(CGLine(1, 0, -2)), 2, 2);
  ExpectAt(CGLine(1, 0, -2).intersection(CGLine(1, -1, 0)), 2, 2);
  ExpectAt(Through(CVector(0, 0), CVector(4, 4)).intersection(Through(CVector(0, 4), CVector(4, 0))), 2, 2);

  CVector none;
  EXPECT_EQ(" ERROR: CGLine: intersection: have same slope\n",
            Err([&] { none = CGLine(0, 1, 0).intersection(CGLine(0, 1, -5)); }));
  EXPECT_EQ(-1, none.GetX());
  EXPECT_EQ(0, none.GetY());
  EXPECT_EQ(-1, none.GetMag());
  EXPECT_EQ(1, none.GetMag2());
  EXPECT_EQ(0, none.GetDir());
}

TEST(CGLine, SegmentTests)
{
  const CGLine line(0, 1, 0); // the x axis
  const CVector end1(0, 0), end2(10, 0);
  EXPECT_EQ("", Err([&] {
              EXPECT_TRUE(line.InBetween(CVector(0, 5), end1, end2));
              EXPECT_TRUE(line.InBetween(CVector(10, -5), end1, end2));
              EXPECT_FALSE(line.InBetween(CVector(10.01f, 0), end1, end2));
              ExpectAt(line.GetClosestPtInBetween(CVector(4, 3), end1, end2), 4, 0);
              ExpectAt(line.GetClosestPtInBetween(CVector(12, 0), end1, end2), 10, 0);
              ExpectAt(line.GetClosestPtInBetween(CVector(-2, 9), end1, end2), 0, 0);
              EXPECT_TRUE(line.IsPtCloserToPtOnCGLine(CVector(1, 4), CVector(3, -4), end1));
              EXPECT_FALSE(line.IsPtCloserToPtOnCGLine(CVector(3, 4), CVector(1, -4), end1));
              EXPECT_FALSE(line.IsPtCloserToPtOnCGLine(CVector(2, 4), CVector(2, -4), end1));
              // Distances, not their squares, decide: these two are equally far
              // as floats although their squares differ in the last bit.
              EXPECT_FALSE(line.IsPtCloserToPtOnCGLine(CVector(1.00000036f, 3), CVector(1.00000048f, -3),
                                                       CVector(0, 0.5f)));
            }));
}

TEST(CGLine, QuadraticFormulaWritesOnlyTheRootsFound)
{
  const float marker = 789;
  struct { float b, c; int count; float root1, root2; } cases[] = {
      {-3, 2, 2, 2, 1}, {2, 1, 1, -1, marker}, {0, 1, 0, marker, marker}};
  for (const auto &q : cases)
  {
    float root1 = marker, root2 = marker;
    EXPECT_EQ(q.count, CGLine::QuadraticFormula(1, q.b, q.c, &root1, &root2));
    EXPECT_FLOAT_EQ(q.root1, root1);
    EXPECT_FLOAT_EQ(q.root2, root2);
  }
}

TEST(CGLine, CircleCrossings)
{
  // Line, radius, centre, count and the two points; a missing root leaves the
  // solved coordinate at 0.
  struct { CGLine line; float r; CVector centre; int count; CVector first, second; } cases[] = {
      {CGLine(0.00001f, 1, 0), 2, CVector(0, 0), 2, CVector(2, 0), CVector(-2, 0)},
      {CGLine(1, 0, -3), 2, CVector(3, 0), 2, CVector(3, 2), CVector(3, -2)},
      {CGLine(1, 0, -3), 1, CVector(0, 0), 0, CVector(3, 0), CVector(3, 0)},
      {CGLine(0, 1, -5), 1, CVector(0, 0), 0, CVector(0, 5), CVector(0, 5)},
      {CGLine(0, 1, -1), 1, CVector(4, 0), 1, CVector(4, 1), CVector(0, 1)},
      // y = x through the circle of radius sqrt(2) at the origin.
      {CGLine(-1, 1, 0), std::sqrt(2.0f), CVector(0, 0), 2, CVector(1, 1), CVector(-1, -1)},
  };
  CVector first = kMarker, second = kMarker;
  for (const auto &c : cases)
  {
    EXPECT_EQ(c.count, c.line.CGLineCircleIntersect(c.r, c.centre, &first, &second));
    ExpectAt(first, c.first.GetX(), c.first.GetY());
    ExpectAt(second, c.second.GetX(), c.second.GetY());
  }
}

// A line is drawn between two points a kilometre out.
TEST(CGLine, DisplayPicksTwoFarPoints)
{
  std::ostringstream out;
  CGLine(2, 1, 0).Display(out);
  EXPECT_EQ("\tDLINE GX: 500\n\tDLINE GY: -1000\n\tDLINE EX: -500\n\tDLINE EY: 1000\n", out.str());
}
