#include "CVector.h"

#include <cmath>

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

namespace
{
// The components are as expected and the cache describes them exactly as a
// fresh construction does.
void ExpectVector(const CVector &v, float x, float y)
{
  ExpectAt(v, x, y);
  const CVector fresh(v.GetX(), v.GetY());
  EXPECT_FLOAT_EQ(fresh.GetMag(), v.GetMag());
  EXPECT_FLOAT_EQ(fresh.GetMag2(), v.GetMag2());
  EXPECT_FLOAT_EQ(fresh.GetDir(), v.GetDir());
  EXPECT_NEAR(std::hypot(v.GetX(), v.GetY()), v.GetMag(), 1e-5);
}
} // namespace

TEST(CVector, EveryMutatorRefreshesTheCache)
{
  CVector v(3, 4);
  v.SetX(-7);
  ExpectVector(v, -7, 4);
  v.SetY(-2.5f);
  ExpectVector(v, -7, -2.5f);
  v += CVector(1, 10);
  ExpectVector(v, -6, 7.5f);
  v -= CVector(4, 0.5f);
  ExpectVector(v, -10, 7);
  v *= -2;
  ExpectVector(v, 20, -14);
  v /= 4;
  ExpectVector(v, 5, -3.5f);

  // After a polar mutator a component one recomputes the whole cache.
  v.SetDir(270);
  v.SetX(v.GetX());
  EXPECT_NEAR(-90, v.GetDir(), 1e-4);
}

TEST(CVector, ZeroVectorScalesToZeroNotNaN)
{
  const CVector zero(0, 0);
  for (const CVector &v : {zero.Normalise(), zero.SetLength(5)})
  {
    EXPECT_EQ(0, v.GetX());
    EXPECT_EQ(0, v.GetY());
    EXPECT_EQ(0, v.GetMag());
  }
}

TEST(CVector, TheDirectionAskedForLaterIsTheOneThePolarSettersKeep)
{
  // Each row: a vector reached by arithmetic (its direction not yet worked
  // out), then a polar setter; the result must be the one of a vector whose
  // direction was read first, bit for bit, as the decisions compare them.
  const struct
  {
    float ax, ay, bx, by;
  } rows[] = {{3, 4, -1, 2}, {-0.5f, 0, 0, -0.0f}, {0, 0, 0, 0}, {-7, -1e-6f, 2, 1e-6f}, {52.5f, -34, -52.5f, 34}};
  for (const auto &row : rows)
  {
    const CVector sum = CVector(row.ax, row.ay) + CVector(row.bx, row.by);
    CVector read = sum;
    const float dir = read.GetDir();
    read.SetMag(2.5f);
    CVector unread = sum;
    unread.SetMag(2.5f);
    EXPECT_EQ(read.GetX(), unread.GetX()) << row.ax;
    EXPECT_EQ(read.GetY(), unread.GetY()) << row.ax;
    EXPECT_EQ(dir, unread.GetDir()) << row.ax;

    const CVector diff = CVector(row.ax, row.ay) - CVector(row.bx, row.by);
    EXPECT_EQ(diff.GetMag(), CVector(row.ax, row.ay).dist(CVector(row.bx, row.by))) << row.ax;
    EXPECT_EQ(diff.GetMag2(), CVector(row.ax, row.ay).dist2(CVector(row.bx, row.by))) << row.ax;
    EXPECT_EQ(CVector(diff.GetX(), diff.GetY()).Rotate(30).GetX(), diff.Rotate(30).GetX()) << row.ax;
  }
  // A direction set stays as given, outside [-180, 180] too, through copies.
  CVector set(1, 1);
  set.SetDir(270);
  const CVector copy = set;
  EXPECT_EQ(270, copy.GetDir());
  set.SetMag(-2);
  EXPECT_EQ(270, set.GetDir());
  EXPECT_EQ(-2, set.GetMag());
}
