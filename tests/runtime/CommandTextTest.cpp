// Commands of numbers are written without printf; their bytes must be the
// ones "%.2f" gives for every value the brain may send.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "CommandText.h"

namespace {

std::string Printed(const char *head, double a)
{
  char text[640];
  std::snprintf(text, sizeof text, "%s %.2f)\n", head, a);
  return text;
}

std::string Printed(const char *head, double a, double b)
{
  char text[640];
  std::snprintf(text, sizeof text, "%s %.2f %.2f)\n", head, a, b);
  return text;
}

std::string Written(const char *head, std::initializer_list<double> values)
{
  char text[640];
  EXPECT_TRUE(FormatNumberCommand(text, sizeof text, head, values));
  return text;
}

}  // namespace

TEST(CommandTextTest, WritesWhatPrintfPrintsForEdgeValues)
{
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  // Halves that binary holds exactly (0.125, 0.375), halves it does not,
  // signed zeros, the extremes of a float and of a double, no numbers.
  const double values[] = {0,      -0.0,    0.125,   0.375,   -0.125, 2.675,  0.005,   -0.005,
                           1.005,  0.015,   99.995,  -99.995, 100,    -100,   180,     -180,
                           1e-300, 5e-324,  3.4e38,  -3.4e38, 1e300,  -1e300, inf,     -inf,
                           nan,    -nan,    12.345f, -1.234f, -45.678f, 1e7,  -1e7,    0.5,
                           0.0049999999999999999, 0.995, -0.995, 1e15, 999999999999999.9,
                           -999999999999999.9, 4.5035996273704955e15, 1.0 / 3, 2.0 / 3};
  for (double v : values)
  {
    EXPECT_EQ(Written("(dash", {v}), Printed("(dash", v)) << v;
    EXPECT_EQ(Written("(kick", {v, -v}), Printed("(kick", v, -v)) << v;
  }
}

TEST(CommandTextTest, WritesWhatPrintfPrintsForManyRoundedFloats)
{
  // The brain sends floats rounded to two decimals, and a few raw ones.
  std::mt19937 random(25);
  std::uniform_real_distribution<float> spread(-400.0f, 400.0f);
  int differing = 0;
  for (int i = 0; i < 200000; i++)
  {
    const float raw = spread(random);
    const float rounded = std::round(raw * 100.0f) / 100.0f;
    // Doubles too, and values on the halves of a hundredth.
    const double wide = std::ldexp(static_cast<double>(raw), i % 40);
    const double halfway = (std::floor(static_cast<double>(raw) * 100.0) + 0.5) / 100.0;
    if (Written("(turn", {rounded}) != Printed("(turn", rounded) ||
        Written("(kick", {raw, rounded}) != Printed("(kick", raw, rounded) ||
        Written("(kick", {wide, halfway}) != Printed("(kick", wide, halfway))
      differing++;
  }
  EXPECT_EQ(differing, 0);
}

TEST(CommandTextTest, TooSmallABufferIsLeftAsItWas)
{
  struct Case
  {
    std::size_t size;
    bool fits;
  };
  // "(dash 12.50)\n" is 13 characters and its NUL.
  const Case cases[] = {{0, false}, {1, false}, {13, false}, {14, true}, {640, true}};
  for (const Case &c : cases)
  {
    char text[640];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(FormatNumberCommand(text, c.size, "(dash", {12.5}), c.fits) << c.size;
    if (c.fits)
      EXPECT_STREQ(text, "(dash 12.50)\n");
    else
      EXPECT_EQ(text[0], 'x') << c.size;
  }
  EXPECT_FALSE(FormatNumberCommand(nullptr, 640, "(dash", {1}));
}
