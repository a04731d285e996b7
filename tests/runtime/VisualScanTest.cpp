#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "VisualScan.h"

namespace
{

// Each object is given as the text from its letter on, followed by the rest
// of a message, so that the consumed count can be checked against it.
const std::string kRest = " ((b) 1 2))";

} // namespace

TEST(VisualScan, PlayerForms)
{
    struct Case
    {
        const char *object;
        bool named;
        int number;
        char team;
        const char *teamName;
        float values[6];
        bool goalie;
    } cases[] = {
        {"P) 1.1 45)", false, 0, 'c', "", {1.1f, 45, -999, -999, -999, -999}, false},
        {"p \"TestTeam\") 24.5 -3)", true, -999, 'u', "TestTeam", {24.5f, -3, -999, -999, -999, -999}, false},
        {"p \"TestTeam\" 3) 5 6 0.1 -0.2 30 40)", true, 3, 'u', "TestTeam", {5, 6, 0.1f, -0.2f, 30, 40}, false},
        {"p \"OtherTeam\" 1 goalie) 3 0 -0 0 -176 -176)", true, 1, 'u', "OtherTeam", {3, 0, 0, 0, -176, -176},
         true},
        // Two changes without the facings: the object still ends at its
        // closing parenthesis.
        {"p \"TestTeam\" 7) 5 6 0.1 -0.2)", true, 7, 'u', "TestTeam", {5, 6, 0.1f, -0.2f, -999, -999}, false},
    };
    for (const Case &c : cases)
    {
        std::string text = c.object + kRest;
        SeenPlayer player;
        EXPECT_EQ(std::strlen(c.object), ScanPlayer(text.c_str(), text.size(), c.named, player)) << c.object;
        EXPECT_EQ(c.number, player.number) << c.object;
        EXPECT_EQ(c.team, player.team) << c.object;
        EXPECT_STREQ(c.teamName, player.teamName) << c.object;
        const float got[6] = {player.distance,       player.direction,  player.distanceChange,
                              player.directionChange, player.bodyFacing, player.headFacing};
        for (int i = 0; i < 6; ++i)
            EXPECT_FLOAT_EQ(c.values[i], got[i]) << c.object << " value " << i;
        EXPECT_EQ(c.goalie, player.goalie) << c.object;
    }
}

TEST(VisualScan, LongTeamNameIsCutAndSkipped)
{
    std::string name(60, 'N');
    std::string object = "p \"" + name + "\" 4) 5 6)";
    std::string text = object + kRest;
    SeenPlayer player;
    EXPECT_EQ(object.size(), ScanPlayer(text.c_str(), text.size(), true, player));
    EXPECT_EQ(std::string(31, 'N'), player.teamName);
    EXPECT_EQ(4, player.number);
    EXPECT_FLOAT_EQ(6.0f, player.direction);
}

TEST(VisualScan, MalformedObjectsEndAtTheirParenthesisOrTheText)
{
    // Low quality gives only a direction; the object is still skipped whole.
    for (const char *object : {"g l) 42)", "p \"TestTeam\" 3) 45)", "f c t) 18)", "b) x y)"})
    {
        std::string text = std::string(object) + kRest;
        SeenGoal goal;
        SeenPlayer player;
        SeenFlag flag;
        SeenBall ball;
        std::size_t consumed = object[0] == 'g'   ? ScanGoal(text.c_str(), text.size(), true, goal)
                               : object[0] == 'p' ? ScanPlayer(text.c_str(), text.size(), true, player)
                               : object[0] == 'f' ? ScanFlag(text.c_str(), text.size(), true, flag)
                                                  : ScanBall(text.c_str(), text.size(), true, ball);
        EXPECT_EQ(std::strlen(object), consumed) << object;
    }
    // Cut texts end at their end, whether at the length or at a NUL.
    const char cut[] = "p \"TestTeam\" 3) 5";
    SeenPlayer player;
    EXPECT_EQ(sizeof cut - 1, ScanPlayer(cut, sizeof cut - 1, true, player));
    const char withNul[] = "f l b 1\0) 3 4)";
    SeenFlag flag;
    EXPECT_EQ(7u, ScanFlag(withNul, sizeof withNul - 1, true, flag));
}

// A garbled object ends at its own closing parenthesis and leaves the one
// after it whole; what it could not give stays not given, whatever the
// caller held before.
TEST(VisualScan, AGarbledObjectKeepsToItselfAndGivesNothing)
{
    const struct
    {
        const char *object;
        char kind;  // 'B' unnamed ball, 'p' player, 'g' goal, 'l' line, 'G', 'L' unnamed
    } rows[] = {
        {"X) 1 2)", 'B'},                          // an unnamed object under a wrong letter
        {"p \"TestTeam\" 1 goalie x) 3 4)", 'p'},  // junk after the goalkeeper's mark
        {"p \"TestTeam\" 1 keeper) 3 4)", 'p'},
        {"g x y) 42 7)", 'g'},
        {"g) 42 7)", 'g'},
        {"g l) x y)", 'g'},
        {"l) 42 7)", 'l'},
        {"l q r) 42 7)", 'l'},
        {"X) 42 7)", 'G'},
        {"X) 42 7)", 'L'},
    };
    for (const auto &row : rows)
    {
        const std::string text = row.object + kRest;
        std::size_t consumed = 0;
        float distance = 0, direction = 0;
        switch (row.kind)
        {
        case 'B':
        {
            SeenBall ball;
            consumed = ScanBall(text.c_str(), text.size(), false, ball);
            distance = ball.distance;
            direction = ball.direction;
            break;
        }
        case 'p':
        {
            SeenPlayer player;
            consumed = ScanPlayer(text.c_str(), text.size(), true, player);
            distance = kNotGiven;
            direction = kNotGiven;
            break;
        }
        case 'g':
        case 'G':
        {
            SeenGoal goal;
            goal.distance = goal.direction = 123;
            consumed = ScanGoal(text.c_str(), text.size(), row.kind == 'g', goal);
            distance = goal.distance;
            direction = goal.direction;
            break;
        }
        default:
        {
            SeenLine line;
            line.distance = line.direction = 123;
            consumed = ScanLine(text.c_str(), text.size(), row.kind == 'l', line);
            distance = line.distance;
            direction = line.direction;
            break;
        }
        }
        EXPECT_EQ(std::strlen(row.object), consumed) << row.object;
        EXPECT_FLOAT_EQ(kNotGiven, distance) << row.object;
        EXPECT_FLOAT_EQ(kNotGiven, direction) << row.object;
    }
}

// A datagram is not terminated: the centre flag's name cut right after its
// letter must not be read past the datagram's last byte (the buffer below
// ends there, so a read beyond it is a fault under the sanitizer).
TEST(VisualScan, ACutCentreFlagIsNotReadPastTheDatagram)
{
    for (const char *cut : {"f c", "f c ", "f c t"})
    {
        const std::size_t length = std::strlen(cut);
        const std::unique_ptr<char[]> datagram(new char[length]);
        std::memcpy(datagram.get(), cut, length);
        SeenFlag flag;
        EXPECT_EQ(length, ScanFlag(datagram.get(), length, true, flag)) << cut;
        EXPECT_FALSE(flag.knownName) << cut;
        EXPECT_FLOAT_EQ(kNotGiven, flag.distance) << cut;
    }
}
