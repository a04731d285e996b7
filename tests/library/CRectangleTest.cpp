#include "CRectangle.h"

#include <gtest/gtest.h>

#include "CRay.h"
#include "LibraryTestSupport.h"

namespace
{

// left 0, right 10, top 0, bottom 4.
const CRectangle kBox(0, 10, 0, 4);
} // namespace

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

TEST(CRectangle, ASizeOfNothingIsAcceptedAndANegativeOneReported)
{
  EXPECT_EQ("", Err([] { EXPECT_EQ(3, CRectangle(CVector(3, 4), CVector(0, 0)).RightX()); }));
  EXPECT_EQ("ERROR: CRectangle: size must be positive\n",
            Err([] { EXPECT_EQ(1, CRectangle(CVector(0, 0), CVector(-2, -2)).LeftX()); }));
}
