#include "CVector.h"

#include <cmath>

#include <gtest/gtest.h>

namespace
{
// The cache must describe the components exactly as a fresh construction does.
void ExpectCacheMatchesComponents(const CVector &v)
{
  const CVector fresh(v.GetX(), v.GetY());
  EXPECT_FLOAT_EQ(v.GetMag(), fresh.GetMag());
  EXPECT_FLOAT_EQ(v.GetMag2(), fresh.GetMag2());
  EXPECT_FLOAT_EQ(v.GetDir(), fresh.GetDir());
  EXPECT_NEAR(v.GetMag(), std::hypot(v.GetX(), v.GetY()), 1e-5);
}
} // namespace

TEST(CVector, ConstructionFillsTheCache)
{
  const CVector zero;
  EXPECT_EQ(0, zero.GetX());
  EXPECT_EQ(0, zero.GetMag());
  EXPECT_EQ(0, zero.GetMag2());
  EXPECT_EQ(0, zero.GetDir());

  const CVector origin(0, 0);
  EXPECT_EQ(0, origin.GetMag());
  EXPECT_EQ(0, origin.GetDir());

  const CVector v(3, 4);
  EXPECT_FLOAT_EQ(5, v.GetMag());
  EXPECT_FLOAT_EQ(25, v.GetMag2());
  EXPECT_FLOAT_EQ(53.130102f, v.GetDir());
}

TEST(CVector, SignOfZeroDecidesPlusOrMinus180)
{
  EXPECT_EQ(180.0f, CVector(-1, 0).GetDir());
  EXPECT_EQ(-180.0f, CVector(-1, -0.0f).GetDir());

  CVector v(-1, 2);
  v.SetY(-0.0f);
  EXPECT_EQ(-180.0f, v.GetDir());
  v.SetY(0.0f);
  EXPECT_EQ(180.0f, v.GetDir());
}

TEST(CVector, EveryComponentMutatorRefreshesTheCache)
{
  CVector v(3, 4);
  v.SetX(-7);
  ExpectCacheMatchesComponents(v);
  v.SetY(-2.5f);
  ExpectCacheMatchesComponents(v);
  v += CVector(1, 10);
  EXPECT_FLOAT_EQ(-6, v.GetX());
  EXPECT_FLOAT_EQ(7.5f, v.GetY());
  ExpectCacheMatchesComponents(v);
  v -= CVector(4, 0.5f);
  EXPECT_FLOAT_EQ(-10, v.GetX());
  ExpectCacheMatchesComponents(v);
  v *= -2;
  EXPECT_FLOAT_EQ(20, v.GetX());
  EXPECT_FLOAT_EQ(-14, v.GetY());
  ExpectCacheMatchesComponents(v);
  v /= 4;
  EXPECT_FLOAT_EQ(5, v.GetX());
  EXPECT_FLOAT_EQ(-3.5f, v.GetY());
  ExpectCacheMatchesComponents(v);

  // A polar mutator followed by a component one: the cache is recomputed.
  v.SetDir(270);
  v.SetX(v.GetX());
  ExpectCacheMatchesComponents(v);
  EXPECT_NEAR(-90, v.GetDir(), 1e-4);
}

TEST(CVector, NewVectorsComeWithACompleteCache)
{
  const CVector a(1, 2), b(-4, 6);
  for (const CVector &v : {a + b, a - b, a * 3, a / 2, a.Rotate(33), a.WeightedAverage(b, 0.3f)})
    ExpectCacheMatchesComponents(v);
  // The operands are untouched.
  EXPECT_EQ(1, a.GetX());
  EXPECT_EQ(6, b.GetY());
}

TEST(CVector, SetMagAndSetDirKeepTheValuesGiven)
{
  CVector v(0, 0);
  v.SetMag(-1);
  EXPECT_EQ(-1, v.GetX());
  EXPECT_EQ(0, v.GetY());
  EXPECT_TRUE(std::signbit(v.GetY()));
  EXPECT_EQ(-1, v.GetMag());
  EXPECT_EQ(1, v.GetMag2());
  EXPECT_EQ(0, v.GetDir());

  CVector w(2, 0);
  w.SetDir(270);
  EXPECT_NEAR(0, w.GetX(), 1e-6);
  EXPECT_FLOAT_EQ(-2, w.GetY());
  EXPECT_EQ(270, w.GetDir());
  EXPECT_EQ(2, w.GetMag());

  w.SetMag(3);
  EXPECT_EQ(9, w.GetMag2());
  EXPECT_FLOAT_EQ(-3, w.GetY());
  EXPECT_EQ(270, w.GetDir());
}

TEST(CVector, Polar2CVectorNormalisesTheCache)
{
  const CVector v = Polar2CVector(2, 270);
  EXPECT_NEAR(0, v.GetX(), 1e-6);
  EXPECT_FLOAT_EQ(-2, v.GetY());
  EXPECT_FLOAT_EQ(-90, v.GetDir());

  const CVector n = Polar2CVector(-2, 90);
  EXPECT_NEAR(0, n.GetX(), 1e-6);
  EXPECT_FLOAT_EQ(-2, n.GetY());
  EXPECT_FLOAT_EQ(2, n.GetMag());
  EXPECT_FLOAT_EQ(-90, n.GetDir());
}

TEST(CVector, SetLengthAndNormaliseReturnANewVector)
{
  const CVector v(3, 4);
  const CVector unit = v.Normalise();
  const CVector five = CVector(0.3f, 0.4f).SetLength(5);
  EXPECT_FLOAT_EQ(5, v.GetMag());
  EXPECT_EQ(3, v.GetX());
  EXPECT_FLOAT_EQ(1, unit.GetMag());
  EXPECT_FLOAT_EQ(v.GetDir(), unit.GetDir());
  EXPECT_FLOAT_EQ(5, five.GetMag());
  EXPECT_FLOAT_EQ(3, five.GetX());
  EXPECT_FLOAT_EQ(v.GetDir(), five.GetDir());
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

TEST(CVector, WeightedAverageWeighsTheArgument)
{
  const CVector a(2, -4), b(6, 8);
  const CVector none = a.WeightedAverage(b, 0);
  const CVector all = a.WeightedAverage(b, 1);
  const CVector mid = a.WeightedAverage(b, 0.5f);
  EXPECT_EQ(2, none.GetX());
  EXPECT_EQ(-4, none.GetY());
  EXPECT_EQ(6, all.GetX());
  EXPECT_EQ(8, all.GetY());
  EXPECT_EQ(4, mid.GetX());
  EXPECT_EQ(2, mid.GetY());
}

TEST(CVector, RotateTurnsTowardsPositiveY)
{
  const CVector r = CVector(1, 0).Rotate(90);
  EXPECT_NEAR(0, r.GetX(), 1e-6);
  EXPECT_NEAR(1, r.GetY(), 1e-6);

  const CVector d = CVector(1, 1).Rotate(-45);
  EXPECT_NEAR(0, d.GetDir(), 1e-4);
  EXPECT_FLOAT_EQ(std::sqrt(2.0f), d.GetMag());

  // Rotation works from the polar cache, which SetDir left at 270.
  CVector p(2, 0);
  p.SetDir(270);
  const CVector q = p.Rotate(90);
  EXPECT_NEAR(2, q.GetX(), 1e-5);
  EXPECT_NEAR(0, q.GetY(), 1e-5);
}

TEST(CVector, FrameChangesRoundTrip)
{
  const CVector rel = CVector(10, 0).Global2Relative(CVector(0, 0), 90);
  EXPECT_NEAR(0, rel.GetX(), 1e-5);
  EXPECT_NEAR(-10, rel.GetY(), 1e-5);
  const CVector back = rel.Relative2Global(CVector(0, 0), 90);
  EXPECT_NEAR(10, back.GetX(), 1e-5);
  EXPECT_NEAR(0, back.GetY(), 1e-5);

  const CVector origin(-12.5f, 7), point(30, -20);
  for (float heading : {-180.0f, -135.0f, 0.0f, 37.5f, 179.0f, 300.0f})
  {
    const CVector r = Global2Relative2Me(point, origin, heading);
    const CVector g = r.Relative2Global(origin, heading);
    EXPECT_NEAR(point.GetX(), g.GetX(), 1e-4) << heading;
    EXPECT_NEAR(point.GetY(), g.GetY(), 1e-4) << heading;
    EXPECT_NEAR(point.dist(origin), r.GetMag(), 1e-4);
  }
}

TEST(CVector, DisplayWritesOneLine)
{
  testing::internal::CaptureStdout();
  CVector(3, 4).Display();
  EXPECT_EQ("VECTOR with X, Y, Mag, Mag2, Dir: 3, 4, 5, 25, 53.1301\n", testing::internal::GetCapturedStdout());
}
