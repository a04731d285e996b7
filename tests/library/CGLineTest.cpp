#include "CGLine.h"

#include <cmath>
#include <sstream>

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

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
