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
