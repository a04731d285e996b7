#include "CRay.h"

#include <cmath>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

#include "CGLine.h"
#include "LibraryTestSupport.h"

TEST(CRay, OnCRayIgnoresTheSideButInRightDirDoesNot)
{
  const CRay ray(CVector(0, 0), 0.0f);
  EXPECT_TRUE(ray.OnCRay(CVector(-5, 0)));
  EXPECT_FALSE(ray.InRightDir(CVector(-5, 0)));
  EXPECT_FALSE(ray.OnCRay(CVector(5, 0.01f)));

  const CRay turned(CVector(1, 1), 30.0f);
  EXPECT_TRUE(turned.InRightDir(CVector(1, 1) + Polar2CVector(10, 39.9f)));
  EXPECT_FALSE(turned.InRightDir(CVector(1, 1) + Polar2CVector(10, 40.1f)));
  EXPECT_FALSE(turned.InRightDir(CVector(1, 1) + Polar2CVector(10, 19.9f)));

  // The origin itself reads as direction 0.
  EXPECT_TRUE(CRay(CVector(2, 2), 5.0f).InRightDir(CVector(2, 2)));
  EXPECT_FALSE(CRay(CVector(2, 2), 20.0f).InRightDir(CVector(2, 2)));
  // Across the +-180 seam.
  EXPECT_TRUE(CRay(CVector(0, 0), 178.0f).InRightDir(Polar2CVector(3, -176)));
}

TEST(CRay, RaysMeetOnlyAheadOfBothOrigins)
{
  const CRay along(CVector(0, 0), 0.0f);
  CVector point = kMarker;
  EXPECT_TRUE(along.intersection(CRay(CVector(10, -5), 90.0f), &point));
  ExpectAt(point, 10, 0);

  // Behind the second origin: the point is written all the same.
  point = kMarker;
  EXPECT_FALSE(along.intersection(CRay(CVector(10, -5), -90.0f), &point));
  ExpectAt(point, 10, 0);

  point = kMarker;
  EXPECT_FALSE(along.intersection(CRay(CVector(0, 3), 180.0f), &point));
  ExpectUntouched(point);
}

TEST(CRay, RayMeetsLine)
{
  const CRay ray(CVector(0, 0), 0.0f);
  CVector point = kMarker;
  EXPECT_FALSE(ray.intersection(CGLine(1, 0, 3), &point));
  ExpectAt(point, -3, 0);
  EXPECT_TRUE(ray.intersection(CGLine(1, 0, -3), &point));
  ExpectAt(point, 3, 0);

  point = kMarker;
  EXPECT_FALSE(ray.intersection(CGLine(0, 1, -2), &point));
  ExpectUntouched(point);
}

TEST(CRay, CircleCrossingsAheadOfTheOrigin)
{
  // Origin of a ray along +x, count, and the points written (kMarker: left
  // untouched) for the circle of radius 1 at (5, 0).
  struct { CVector origin; int count; CVector first, second; } cases[] = {
      {CVector(0, 0), 2, CVector(4, 0), CVector(6, 0)},
      {CVector(5, 0), 1, CVector(6, 0), kMarker}, // from the centre only the exit lies ahead
      {CVector(4, 0), 1, CVector(6, 0), kMarker}, // a crossing exactly at the origin does not count
      {CVector(10, 0), 0, kMarker, kMarker},
      {CVector(0, 3), 0, kMarker, kMarker},
      {CVector(0, 1), 2, CVector(5, 1), CVector(5, 1)},
  };
  for (const auto &c : cases)
  {
    CVector first = kMarker, second = kMarker;
    EXPECT_EQ(c.count, CRay(c.origin, 0.0f).CircleIntersect(1, CVector(5, 0), &first, &second));
    ExpectAt(first, c.first.GetX(), c.first.GetY());
    ExpectAt(second, c.second.GetX(), c.second.GetY());
  }
}
