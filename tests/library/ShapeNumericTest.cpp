#include "MCShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace MCSMath;

TEST(ShapeNumeric, SignCountsZeroAndNaNAsNegative)
{
    EXPECT_EQ(fsign(0.0), -1.0);
    EXPECT_EQ(fsign(-0.0), -1.0);
    EXPECT_EQ(fsign(std::numeric_limits<double>::denorm_min()), 1.0);
    EXPECT_EQ(fsign(std::nan("")), -1.0);
}

TEST(ShapeNumeric, AngleConversionAndNormalisationIntoHalfOpenRange)
{
    EXPECT_DOUBLE_EQ(fradians(180), M_PI);
    EXPECT_DOUBLE_EQ(fdegrees(M_PI / 2), 90);
    EXPECT_DOUBLE_EQ(frnormalise(M_PI), -M_PI);
    EXPECT_DOUBLE_EQ(frnormalise(-M_PI), -M_PI);
    EXPECT_DOUBLE_EQ(frnormalise(3 * M_PI), -M_PI);
    EXPECT_DOUBLE_EQ(frnormalise(0.5), 0.5);
    EXPECT_NEAR(frnormalise(-7.0), -7.0 + 2 * M_PI, 1e-12);
}

TEST(ShapeNumeric, DegreeIndexRoundsHalvesToEvenAndWraps)
{
    EXPECT_EQ(aindex(359.6), 0);
    EXPECT_EQ(aindex(-1), 359);
    EXPECT_EQ(aindex(2.5), 2);
    EXPECT_EQ(aindex(3.5), 4);
    EXPECT_EQ(aindex(720), 0);
    EXPECT_EQ(aindex(-725.2), 355);
    // Far out of any int's range: still an index.
    int far = aindex(1e30);
    EXPECT_GE(far, 0);
    EXPECT_LT(far, 360);
    EXPECT_EQ(aindex(std::nan("")), 0);
}

TEST(ShapeNumeric, MinAndMaxGiveTheSecondOnTiesUnlikeTheMathsLibrary)
{
    // Zeros of both signs compare equal, so the sign shows which one came back.
    EXPECT_TRUE(std::signbit(MCSMath::fmin(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(MCSMath::fmin(-0.0, 0.0)));
    EXPECT_TRUE(std::signbit(MCSMath::fmax(0.0, -0.0)));
    EXPECT_FALSE(std::signbit(MCSMath::fmax(-0.0, 0.0)));
    EXPECT_EQ(MCSMath::fmin(1, 2), 1);
    EXPECT_EQ(MCSMath::fmax(1, 2), 2);
    EXPECT_TRUE(std::isnan(MCSMath::fmin(2, std::nan(""))));
    EXPECT_EQ(MCSMath::fmin(std::nan(""), 2), 2);

    double a = 5, b = 1;
    fordered(a, b);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 5);
    fordered(a, b);
    EXPECT_EQ(a, 1);
}
