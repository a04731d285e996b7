#ifndef GEOMETRYTESTSUPPORT_H
#define GEOMETRYTESTSUPPORT_H

#include <gtest/gtest.h>

#include "CVector.h"

// Output points are pre-filled with this to see which operations write them.
const CVector kMarker(123, 456);

inline void ExpectAt(const CVector &v, float x, float y)
{
  EXPECT_NEAR(x, v.GetX(), 1e-4);
  EXPECT_NEAR(y, v.GetY(), 1e-4);
}

inline void ExpectUntouched(const CVector &v)
{
  EXPECT_EQ(kMarker.GetX(), v.GetX());
  EXPECT_EQ(kMarker.GetY(), v.GetY());
}

#endif
