#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "AudioScan.h"

namespace
{

HeardMessage Hear(const std::string &text)
{
    HeardMessage heard;
    EXPECT_TRUE(ScanHear(text.c_str(), text.size(), heard)) << text;
    return heard;
}

} // namespace

TEST(AudioScan, SendersAndTheirTexts)
{
    struct Case
    {
        const char *message;
        int time;
        HearSender sender;
        int direction;
        const char *text;
    } cases[] = {
        {"(hear 217 referee play_on)", 217, HearSender::Referee, 0, "play_on"},
        {"(hear 11 referee goal_l_1)", 11, HearSender::Referee, 0, "goal_l_1"},
        {"(hear 55 self quoted hello)", 55, HearSender::Self, 0, "quoted hello"},
        {"(hear 0 online_coach_left coach_hello)", 0, HearSender::Coach, 0, "coach_hello"},
        {"(hear 0 online_coach_right go)", 0, HearSender::Coach, 0, "go"},
        {"(hear 55 -174 quoted hello)", 55, HearSender::Player, -174, "quoted hello"},
        {"(hear 0 0 hello)", 0, HearSender::Player, 0, "hello"},
        // What a coach hears of a player: no direction, nothing for us.
        {"(hear 55 (player TestTeam 1) hello)", 55, HearSender::None, 0, ""},
        {"(hear 55 robot play_on)", 55, HearSender::None, 0, ""},
        {"(hear 55 -30)", 55, HearSender::None, 0, ""},
    };
    for (const Case &c : cases)
    {
        std::string text = std::string(c.message) + '\0';
        HeardMessage heard = Hear(text);
        EXPECT_EQ(c.time, heard.time) << c.message;
        EXPECT_EQ(c.sender, heard.sender) << c.message;
        EXPECT_EQ(c.direction, heard.direction) << c.message;
        EXPECT_STREQ(c.text, heard.text) << c.message;
    }
    HeardMessage heard;
    EXPECT_FALSE(ScanHear("(hear x)", 8, heard));
}

TEST(AudioScan, LongTextIsCutAndTerminated)
{
    std::string said(2000, 'A');
    HeardMessage heard = Hear("(hear 5 -30 " + said + ")");
    EXPECT_EQ(HearSender::Player, heard.sender);
    EXPECT_EQ(639u, std::strlen(heard.text));
}

// The length given ends the message, terminator or not: the text of a
// datagram cut short stops there, whatever bytes follow in the buffer.
TEST(AudioScan, TheTextEndsAtTheLengthGiven)
{
    const struct
    {
        const char *message;
        std::size_t length;
        const char *text;
    } cases[] = {{"(hear 5 referee play_on)", 19, "pla"}, {"(hear 6 -30 hello)", 14, "he"}};
    for (const auto &c : cases)
    {
        HeardMessage heard;
        ASSERT_TRUE(ScanHear(c.message, c.length, heard));
        EXPECT_STREQ(c.text, heard.text) << c.message;
    }
}

// Whatever the buffer held before, the text handed back is terminated, also
// when the message is no hearing or ends before its sender.
TEST(AudioScan, TheTextIsTerminatedWhenNothingWasHeard)
{
    for (const char *message : {"(hear x)", "(hear 5", "(hear 5 ", "(hear 5 referee", "(see 5 ((b) 1 2))"})
    {
        HeardMessage heard;
        std::memset(heard.text, 'x', sizeof heard.text);
        ScanHear(message, std::strlen(message), heard);
        EXPECT_STREQ("", heard.text) << message;
        EXPECT_EQ(HearSender::None, heard.sender) << message;
    }
}

// The heard text starts after any run of blanks (tabs too, or none) and
// stops at ')', at a NUL or at the length given; nothing before the end
// means nothing heard.
TEST(AudioScan, TheTextRunsFromTheBlanksToTheParenthesis)
{
    const struct
    {
        const char *message;
        std::size_t length;
        HearSender sender;
        const char *text;
    } cases[] = {
        {"(hear 5 referee\t \tplay_on)", 26, HearSender::Referee, "play_on"},
        {"(hear 5 refereeplay_on)", 23, HearSender::Referee, "play_on"},
        {"(hear 5 referee )", 17, HearSender::None, ""},
        {"(hear 5 referee", 15, HearSender::None, ""},
        {"(hear 5 -30\thi there)", 21, HearSender::Player, "hi there"},
        {"(hear 5 -30 )", 13, HearSender::None, ""},
        {"(hear 5 self \0ab)", 17, HearSender::None, ""},
        {"(hear 5 self a\0b)", 17, HearSender::Self, "a"},
        {"(hear 5 refere play_on)", 23, HearSender::None, ""},
        {"(hear 5 online_coach_righ x)", 28, HearSender::None, ""},
    };
    for (const auto &c : cases)
    {
        HeardMessage heard;
        ASSERT_TRUE(ScanHear(c.message, c.length, heard)) << c.message;
        EXPECT_EQ(c.sender, heard.sender) << c.message;
        EXPECT_STREQ(c.text, heard.text) << c.message;
    }
}
