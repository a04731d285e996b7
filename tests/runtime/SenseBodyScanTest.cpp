#include <gtest/gtest.h>

#include <string>

#include "SenseBodyScan.h"

TEST(SenseBodyScan, ReadsEveryField)
{
    const std::string text = "(sense_body 207 (view_mode high normal) (stamina 7999.5 0.9) (speed 0.35 -135) "
                             "(head_angle -59) (kick 1) (dash 12) (turn 7) (say 5) (turn_neck 8))";
    sensebody body{};
    EXPECT_EQ(kSenseBodyFields, ScanSenseBody(text.c_str(), text.size(), body));
    EXPECT_EQ(207, body.time);
    EXPECT_STREQ("high", body.view_quality);
    EXPECT_STREQ("normal", body.view_width);
    EXPECT_FLOAT_EQ(7999.5f, body.stamina);
    EXPECT_FLOAT_EQ(0.9f, body.effort);
    EXPECT_FLOAT_EQ(0.35f, body.speed);
    EXPECT_EQ(-135, body.speed_dir);
    EXPECT_FLOAT_EQ(-59.0f, body.head_angle);
    EXPECT_EQ(1, body.kick);
    EXPECT_EQ(12, body.dash);
    EXPECT_EQ(7, body.turn);
    EXPECT_EQ(5, body.say);
    EXPECT_EQ(8, body.turn_neck);
}

TEST(SenseBodyScan, ReportsHowFarItGot)
{
    const std::string cut = "(sense_body 3 (view_mode low narrow) (stamina 8000 1) (speed 0 0) (head_angle 0) (kick 0) (dash";
    sensebody body{};
    EXPECT_EQ(9, ScanSenseBody(cut.c_str(), cut.size(), body));
    const std::string longWords = "(sense_body 3 (view_mode highhighhighhigh normalnormalnormal) (stamina 1 1)";
    EXPECT_EQ(3, ScanSenseBody(longWords.c_str(), longWords.size(), body));
    EXPECT_STREQ("highhighh", body.view_quality);
}
