#include <gtest/gtest.h>

#include <string>

#include "SenseBodyScan.h"

TEST(SenseBodyScan, ReportsHowFarItGot)
{
    const std::string cut = "(sense_body 3 (view_mode low narrow) (stamina 8000 1) (speed 0 0) (head_angle 0) (kick 0) (dash";
    sensebody body{};
    EXPECT_EQ(9, ScanSenseBody(cut.c_str(), cut.size(), body));
    const std::string longWords = "(sense_body 3 (view_mode highhighhighhigh normalnormalnormal) (stamina 1 1)";
    EXPECT_EQ(3, ScanSenseBody(longWords.c_str(), longWords.size(), body));
    EXPECT_STREQ("highhighh", body.view_quality);
}
