#include "CRay.h"

#include <cmath>
#include <limits>
#include <sstream>

#include <gtest/gtest.h>

#include "CGLine.h"
#include "LibraryTestSupport.h"

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
