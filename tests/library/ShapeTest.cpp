#include "MCSCircle.h"

#include <gtest/gtest.h>

#include <limits>

#include "LibraryTestSupport.h"

TEST(ShapeNumeric, SignCountsZeroAndNaNAsNegative)
{
    EXPECT_EQ(MCSMath::fsign(0.0), -1.0);
    EXPECT_EQ(MCSMath::fsign(std::numeric_limits<double>::denorm_min()), 1.0);
    EXPECT_EQ(MCSMath::fsign(std::nan("")), -1.0);
}

TEST(ShapeNumeric, DegreeIndexRoundsHalvesToEvenAndWraps)
{
    EXPECT_EQ(MCSMath::aindex(359.6), 0);
    EXPECT_EQ(MCSMath::aindex(-1), 359);
    EXPECT_EQ(MCSMath::aindex(2.5), 2);
    EXPECT_EQ(MCSMath::aindex(3.5), 4);
    EXPECT_EQ(MCSMath::aindex(720), 0);
    EXPECT_EQ(MCSMath::aindex(-725.2), 355);
    // Far out of any int's range: still an index.
    int far = MCSMath::aindex(1e30);
    EXPECT_GE(far, 0);
    EXPECT_LT(far, 360);
    EXPECT_EQ(MCSMath::aindex(std::nan("")), 0);
}

TEST(ShapeCircle, CoincidentAndUndefinedCirclesGiveNoPoints)
{
    EXPECT_EQ(Err([] { EXPECT_TRUE(PointsAre(MCSCircle(1, 1, 2).intersect(MCSCircle(1, 1, 2)), {})); }),
              "circle circle intersect, this shouldn't happen\n");
    EXPECT_EQ(Err([] { EXPECT_TRUE(PointsAre(MCSCircle(std::nan(""), 1, 2).intersect(MCSCircle(1, 1, 1)), {})); }),
              "circle circle intersect, DELETED FOR SECURITY\n");
}
