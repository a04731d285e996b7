#ifndef VISUALSCAN_H
#define VISUALSCAN_H

#include <cstddef>

// Scanners for the objects of a visual message, protocol 6.00, for example
//   (see 217 ((f c) 10 0 0 0) ((g r) 62.8 0) ((b) 2.7 -32 0 0)
//    ((p "OtherTeam" 1 goalie) 3 0 -0 0 -176 -176) ((P) 1.1 45) ((l r) 52.6 -39))
// Each works on the text from the object's letter ("f c) 10 0 0 0) ((g r)...")
// and returns the number of characters it consumed, which ends just after the
// parenthesis that closes the object (or at the end of the text). Values the
// text does not give keep the marker -999.

// The marker of a number or measurement the message did not give.
const int kNotGiven = -999;

// The time of a visual message, "(see 217 ...". Returns the characters read up
// to the end of the time, or 0 when the text is no visual message.
std::size_t ScanVisualTime(const char *text, std::size_t length, int &time);

struct SeenPlayer
{
    int number;
    // 'c' for an unidentified player, 'u' when no team name was given; when
    // a team name was given, the caller decides the side from teamName.
    char team;
    char teamName[32];
    float distance, direction, distanceChange, directionChange, bodyFacing, headFacing;
    bool goalie;
};
std::size_t ScanPlayer(const char *text, std::size_t length, bool named, SeenPlayer &player);

struct SeenGoal
{
    char side;  // 'l', 'r', or 'c' for an unidentified goal
    float distance, direction;
};
std::size_t ScanGoal(const char *text, std::size_t length, bool named, SeenGoal &goal);

struct SeenBall
{
    float distance, direction, distanceChange, directionChange;
    int close;  // 1 for a ball seen without identification
};
std::size_t ScanBall(const char *text, std::size_t length, bool named, SeenBall &ball);

struct SeenLine
{
    char side;  // 'l', 'r', 't', 'b', or 'c' for an unidentified line
    float distance, direction;
};
std::size_t ScanLine(const char *text, std::size_t length, bool named, SeenLine &line);

// A flag by the letters of its name: kind 'p' or 'g' (penalty area, goal),
// 'h' for the numbered flags of the side lines (f l b 10), 'u' otherwise;
// across 'l', 'r', 'c'; along 't', 'b', 'c'; 'u' for a letter not given.
struct SeenFlag
{
    char kind, across, along;
    int number;
    float distance, direction, distanceChange, directionChange;
    bool knownName;  // false when the letter after "f" names no flag
};
std::size_t ScanFlag(const char *text, std::size_t length, bool named, SeenFlag &flag);

#endif
