// The scanners of see, hear and sense_body read their forms step by step;
// they must read every text, whole, cut or garbled, exactly as they did
// through BoundedScan: same values, same fields left alone, same lengths.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "AudioScan.h"
#include "BoundedScan.h"
#include "SenseBodyScan.h"
#include "VisualScan.h"

namespace generic
{
#include "GenericScanReference.inc"
}  // namespace generic

namespace
{

// Both readings of one text start from the same bytes, so any field one of
// them writes and the other does not shows as a difference.
template <typename T>
void Fill(T &a, T &b)
{
  std::memset(&a, 0x5a, sizeof a);
  std::memset(&b, 0x5a, sizeof b);
}

template <typename T>
bool Same(const T &a, const T &b)
{
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every scanner, from one place of a text, both ways.
void ExpectSameFrom(const char *text, std::size_t length, const std::string &label)
{
  for (bool named : {true, false})
  {
    SeenPlayer p1, p2;
    Fill(p1, p2);
    EXPECT_EQ(generic::ScanPlayer(text, length, named, p1), ScanPlayer(text, length, named, p2)) << label;
    EXPECT_TRUE(Same(p1, p2)) << "player " << label;
    SeenGoal g1, g2;
    Fill(g1, g2);
    EXPECT_EQ(generic::ScanGoal(text, length, named, g1), ScanGoal(text, length, named, g2)) << label;
    EXPECT_TRUE(Same(g1, g2)) << "goal " << label;
    SeenBall b1, b2;
    Fill(b1, b2);
    EXPECT_EQ(generic::ScanBall(text, length, named, b1), ScanBall(text, length, named, b2)) << label;
    EXPECT_TRUE(Same(b1, b2)) << "ball " << label;
    SeenLine l1, l2;
    Fill(l1, l2);
    EXPECT_EQ(generic::ScanLine(text, length, named, l1), ScanLine(text, length, named, l2)) << label;
    EXPECT_TRUE(Same(l1, l2)) << "line " << label;
    SeenFlag f1, f2;
    Fill(f1, f2);
    EXPECT_EQ(generic::ScanFlag(text, length, named, f1), ScanFlag(text, length, named, f2)) << label;
    EXPECT_TRUE(Same(f1, f2)) << "flag " << label;
  }
  int t1 = 7, t2 = 7;
  EXPECT_EQ(generic::ScanVisualTime(text, length, t1), ScanVisualTime(text, length, t2)) << label;
  EXPECT_EQ(t1, t2) << label;
  HeardMessage h1, h2;
  Fill(h1, h2);
  EXPECT_EQ(generic::ScanHear(text, length, h1), ScanHear(text, length, h2)) << label;
  EXPECT_TRUE(Same(h1, h2)) << "hear " << label;
  sensebody s1, s2;
  Fill(s1, s2);
  EXPECT_EQ(generic::ScanSenseBody(text, length, s1), ScanSenseBody(text, length, s2)) << label;
  EXPECT_TRUE(Same(s1, s2)) << "sense_body " << label;
}

// From every place of the text (an object's letter is one of them), and
// every cut of it.
void ExpectSameEverywhere(const std::string &text, const std::string &label)
{
  for (std::size_t from = 0; from <= text.size(); from++)
    ExpectSameFrom(text.data() + from, text.size() - from, label + " from " + std::to_string(from));
  for (std::size_t cut = 0; cut < text.size(); cut++)
    ExpectSameFrom(text.data(), cut, label + " cut at " + std::to_string(cut));
}

const char *const kWholeMessages[] = {
  "(sense_body 207 (view_mode high normal) (stamina 8000 1) (speed 0.35 -135) (head_angle -59) (kick 0) "
  "(dash 12) (turn 7) (say 5) (turn_neck 8))",
  "(sense_body 0 (view_mode  low\tnarrow) (stamina 3.5e2 1.0) (speed -0 +45) (head_angle 90) (kick 1) (dash 2) "
  "(turn 3) (say 4) (turn_neck 2147483648))",
  "(see 217 ((f c) 9.5 8 0 0) ((f r t) 70.8 -20) ((f g r b) 62.2 14) ((g r) 62.2 8) ((f p r c) 45.6 8) "
  "((f t r 20) 48.9 -44) ((f b 0) 64.1 37) ((f r 0) 66.7 8) ((f l b 10) 48.4 23) ((f c t) 9.5 18) ((F) 2.1 170) "
  "((G) 1.5 -179) ((g l) 12.3 -5 0.1 0.2) ((b) 2.7 -32 0 0) ((B) 1.2 180) ((p \"OtherTeam\" 1 goalie) 3 0 -0 0 "
  "-176 -176) ((p \"TestTeam\" 7) 24.5 -3 0.2 -0.1) ((p \"TestTeam\") 40.4 0) ((p) 99.5 3) ((P) 1.1 45) "
  "((l r) 52.6 -39) ((L) 3 4) ( 24.5 33 0 0 -146 -146))",
  "(see 1 ((p \"AVeryLongTeamNameThatRunsPastTheFieldWidth\" 11) 3.3 -12) ((f x) 1 2) ((f p l) 3 4) "
  "((f t 1x) 5 6) ((b) nan 3) ((b) 1e40 2) ((b) 1.5e-3 -2e1) ((l q) 7 8))",
  "(hear 217 referee play_on)",
  "(hear 55 self quoted hello)",
  "(hear 0 online_coach_left coach_hello)",
  "(hear 0 online_coach_right go)",
  "(hear 55 -174 Tarroks004bJSVpwRr/f4CtSos539/AYO+vHbmQBc1K6F)",
  "(hear 12 +30 )",
};

}  // namespace

TEST(FixedFormScan, ReadsEveryTextAsTheGenericScannerDid)
{
  for (const char *message : kWholeMessages)
    ExpectSameEverywhere(message, message);
}

// One character changed anywhere: a blank, a bracket, a sign, a letter, a
// digit, an exponent, a NUL, a quote.
TEST(FixedFormScan, ReadsGarbledTextsAsTheGenericScannerDid)
{
  const char kInto[] = {' ', '\t', '(', ')', '-', '+', '.', 'x', '7', 'e', '\0', '"'};
  for (const char *message : kWholeMessages)
  {
    const std::string whole(message);
    for (std::size_t at = 0; at < whole.size(); at++)
      for (char c : kInto)
      {
        std::string garbled = whole;
        garbled[at] = c;
        ExpectSameFrom(garbled.data(), garbled.size(),
                       whole.substr(0, 20) + " with " + std::to_string(static_cast<int>(c)) + " at " +
                           std::to_string(at));
        // The object scanners start after the two opening parentheses.
        const std::size_t object = whole.rfind("((", at);
        if (object != std::string::npos)
          ExpectSameFrom(garbled.data() + object + 2, garbled.size() - object - 2, "object of " + whole.substr(0, 20));
      }
  }
}
