#include "Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "LibraryTestSupport.h"

TEST(Geometry, SolveForLengthInvertsTheSum)
{
  for (int n : {1, 3, 10, 25})
    EXPECT_NEAR(n, SolveForLengthGeomSeries(2.7f, 0.94f, SumGeomSeries(2.7f, 0.94f, n), 0), 1e-2) << n;
  EXPECT_NEAR(4, SolveForLengthGeomSeries(1, 2, 15, 0), 1e-4);
  // The series 1, 0.5, ... never passes 2.
  EXPECT_EQ(-1, SolveForLengthGeomSeries(1, 0.5f, 3, 0));
  EXPECT_EQ(-1, SolveForLengthGeomSeries(1, 0.5f, 2, 0));
  // Limit values where the formula would divide by zero.
  EXPECT_FLOAT_EQ(4, SolveForLengthGeomSeries(2.5f, 1, 10, 0));
  EXPECT_EQ(0, SolveForLengthGeomSeries(2, 0, 1, 0));
  EXPECT_EQ(1, SolveForLengthGeomSeries(2, 0, 2, 0));
  EXPECT_EQ(-1, SolveForLengthGeomSeries(2, 0, 3, 0));
  EXPECT_EQ(0, SolveForLengthGeomSeries(0, 0.5f, 0, 0));
  EXPECT_EQ(-1, SolveForLengthGeomSeries(0, 0.5f, 3, 0));
  EXPECT_EQ(-1, SolveForLengthGeomSeries(0, 1, 3, 0));
  // Near the limits the answer runs towards the value given there.
  EXPECT_NEAR(4, SolveForLengthGeomSeries(2.5f, 0.9999f, 10, 0), 1e-2);
  EXPECT_NEAR(0, SolveForLengthGeomSeries(2, 1e-6f, 1, 0), 1e-1);
  EXPECT_EQ("1234 ERROR: Geometry: SolveForLengthGeomSeries: Cannot have -ve R...\n",
            Err([] { EXPECT_EQ(-1, SolveForLengthGeomSeries(1, -0.5f, 0.5f, 1234)); }));
}

TEST(Geometry, ClampHoldsWithinBoundsAndANaNGoesToTheTop)
{
  struct Row
  {
    float value, low, high, want;
  };
  const Row rows[] = {
      {0.5f, 0, 1, 0.5f}, {-2, -1, 1, -1}, {3, -1, 1, 1}, {-1, -1, 1, -1}, {1, -1, 1, 1},
      {std::nanf(""), 0, 100, 100},
  };
  for (const Row &r : rows)
    EXPECT_EQ(r.want, Clamp(r.value, r.low, r.high)) << r.value;
}

TEST(Geometry, DotAndTheDegreeFactors)
{
  EXPECT_FLOAT_EQ(11, Dot(CVector(1, 2), CVector(3, 4)));
  EXPECT_FLOAT_EQ(0, Dot(CVector(1, 0), CVector(0, 5)));
  EXPECT_FLOAT_EQ(-25, Dot(CVector(3, 4), CVector(-3, -4)));
  // The factors CVector turns directions with: a quarter turn each way.
  EXPECT_DOUBLE_EQ(1, std::sin(90 * kDegToRad));
  EXPECT_DOUBLE_EQ(90, std::atan2(1.0, 0.0) * kRadToDeg);
  EXPECT_FLOAT_EQ(90, CVector(0, 3).GetDir());
}
