#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "BoundedScan.h"

TEST(BoundedScan, FollowsSscanfOnWellFormedText)
{
    const char *text = "(sense_body 12 (view_mode high normal) (speed 0.5 -135))";
    int time = 0, direction = 0, n = -1;
    char quality[10], width[10];
    float speed = 0;
    EXPECT_EQ(5, BoundedScan(text, std::strlen(text), "(sense_body %d (view_mode %9s %9[^)]) (speed %f %d))%n",
                             &time, quality, width, &speed, &direction, &n));
    EXPECT_EQ(12, time);
    EXPECT_STREQ("high", quality);
    EXPECT_STREQ("normal", width);
    EXPECT_FLOAT_EQ(0.5f, speed);
    EXPECT_EQ(-135, direction);
    EXPECT_EQ(static_cast<int>(std::strlen(text)), n);
}

TEST(BoundedScan, StopsAtTheLengthAndAtNul)
{
    // No terminator within the length: the scan must not look past it.
    char text[8];
    std::memcpy(text, "(see 12", 7);
    text[7] = '7';  // outside the length given below
    int time = 0, n = -1;
    EXPECT_EQ(1, BoundedScan(text, 6, "(see %d%n", &time, &n));
    EXPECT_EQ(1, time);
    EXPECT_EQ(6, n);
    const char withNul[] = "(see 3\0 4)";
    n = -1;
    EXPECT_EQ(1, BoundedScan(withNul, sizeof withNul - 1, "(see %d %d)%n", &time, &time, &n));
    EXPECT_EQ(-1, n);
}

TEST(BoundedScan, TextFieldsAreBoundedAndTerminated)
{
    std::string longWord(100, 'x');
    char field[10];
    std::memset(field, '#', sizeof field);
    EXPECT_EQ(1, BoundedScan(longWord.c_str(), longWord.size(), "%9s", field));
    EXPECT_EQ(std::string(9, 'x'), field);
    std::memset(field, '#', sizeof field);
    EXPECT_EQ(1, BoundedScan(longWord.c_str(), longWord.size(), "%9[^)]", field));
    EXPECT_EQ(std::string(9, 'x'), field);
    // Without a width there is no bound, so the conversion is refused.
    EXPECT_EQ(0, BoundedScan("abc", 3, "%s", field));
}

TEST(BoundedScan, NumbersOutOfRangeDoNotMisbehave)
{
    int i = 0;
    EXPECT_EQ(1, BoundedScan("99999999999999999999", 20, "%d", &i));
    EXPECT_EQ(INT_MAX, i);
    EXPECT_EQ(1, BoundedScan("-99999999999999999999", 21, "%d", &i));
    EXPECT_EQ(INT_MIN, i);
    float f = 7;
    EXPECT_EQ(0, BoundedScan("nan", 3, "%f", &f));
    EXPECT_EQ(0, BoundedScan("1e999", 5, "%f", &f));
    EXPECT_FLOAT_EQ(7.0f, f);
    EXPECT_EQ(1, BoundedScan("-.5e1x", 6, "%f", &f));
    EXPECT_FLOAT_EQ(-5.0f, f);
    EXPECT_EQ(1, BoundedScan("-0", 2, "%f", &f));
    EXPECT_FLOAT_EQ(0.0f, f);
}
