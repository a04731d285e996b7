#include "MCString.h"

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

TEST(MCStringNumbers, DoublesLoseTrailingZerosAndGivenFormatsStandAsTheyAre)
{
  struct { double value; const char *text; } cases[] = {
    {0.0, "0"},  {-0.0, "-0"},       {5.0, "5"},          {10.0, "10"},      {100.0, "100"}, {0.5, "0.5"},
    {0.25, "0.25"}, {-2.25, "-2.25"}, {0.000001, "0.000001"}, {0.0000001, "0"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(Of(MCString(c.value)), c.text) << c.value;
  EXPECT_EQ(Of(MCString(42)), "42");
  EXPECT_EQ(Of(MCString(7, MCString("%03d"))), "007");
  // A given format is applied as it stands: no trimming.
  EXPECT_EQ(Of(MCString(2.5, MCString("%.3f"))), "2.500");

  // Texts too long for the formatting area are whole and never overrun it.
  char expected[64];
  std::snprintf(expected, sizeof expected, "%f", 1e30);
  std::string trimmed(expected);
  trimmed.resize(trimmed.find('.'));
  EXPECT_EQ(Of(MCString(1e30)), trimmed);
  EXPECT_EQ(MCString(1.0, MCString("%50f")).length(), 50);
  EXPECT_EQ(MCString(3, MCString("%40d")).length(), 40);
}

TEST(MCStringSharing, SelfAssignmentKeepsTheBuffer)
{
  MCString self("self");
  MCString &same = self;
  self = same;
  EXPECT_EQ(Of(self), "self");
  MCString other(self);
  other = same;
  EXPECT_EQ(self.sharedbuffer()->CurRef(), 2);
}

// Every in-place change works on a private buffer: the string it was copied
// from keeps its text and its buffer.
TEST(MCStringSharing, EveryInPlaceChangeLeavesTheCopiesAlone)
{
  const char *original = " (x:y#z) ";
  std::vector<std::pair<const char *, std::function<void(MCString &)>>> changes = {
    {"+= string", [](MCString &s) { s += MCString("!"); }},
    {"+= text", [](MCString &s) { s += "!"; }},
    {"[]", [](MCString &s) { s[1] = '['; }},
    {"head", [](MCString &s) { s.head(3); }},
    {"nexttoken", [](MCString &s) { s.nexttoken(2); }},
    {"tailtokenise", [](MCString &s) { s.tailtokenise(':'); }},
    {"despace", [](MCString &s) { s.despace(); }},
    {"split", [](MCString &s) { s.split(); }},
  };
  for (auto &change : changes)
  {
    MCString a(original);
    MCString b;
    b = a;
    change.second(b);
    EXPECT_EQ(Of(a), original) << change.first;
    EXPECT_NE(a.sharedbuffer(), b.sharedbuffer()) << change.first;
  }
}

TEST(MCStringJoining, AppendingAPointerToTheOwnTerminator)
{
  // Substrings adopt blocks whose terminator lies beyond the counted size;
  // the text at that byte must still be copied out before the block moves.
  MCString empty = MCString("abc").left(0);
  const char *own = empty;
  empty += own;
  EXPECT_EQ(Of(empty), "");

  MCString word = MCString("xabc").right(1);
  const char *end = static_cast<const char *>(word) + word.length();
  word += end;
  EXPECT_EQ(Of(word), "abc");
  word += "d";
  EXPECT_EQ(Of(word), "abcd");
}

TEST(MCStringComparison, ByteWiseOrder)
{
  EXPECT_LT(MCString("abc"), MCString("abd"));
  EXPECT_LT(MCString("ab"), MCString("abc"));
  EXPECT_GT(MCString("\xe9"), MCString("z")) << "bytes compare as unsigned";

  std::map<MCString, int> keys = {{"b", 2}, {"B", 1}, {"a", 3}};
  EXPECT_EQ(Of(keys.begin()->first), "B");
  EXPECT_EQ(keys["a"], 3);

  // Prefix comparison, and plain texts on either side.
  EXPECT_EQ(MCString("abX").compare(MCString("abY"), 2), 0);
  EXPECT_LT(MCString("aaX").compare(MCString("abY"), 2), 0);
  EXPECT_GT(MCString("ac").compare(MCString("ab"), 2), 0);
  EXPECT_NE(MCString("abX").compare(MCString("abY"), 0), 0);
  MCString x("x");
  EXPECT_TRUE(x == "x");
  EXPECT_TRUE("x" == x);
  EXPECT_TRUE(x < "y");
  EXPECT_TRUE(MCString() == "");
}

TEST(MCStringIndexing, WritingOverTheTerminatorOfAnEmptyTextKeepsItTerminated)
{
  MCString exact("");
  exact[0] = 'x';
  EXPECT_EQ(Of(exact), "x");
  EXPECT_EQ(exact.length(), 1);
  const char *none = nullptr;
  EXPECT_EQ(Of(exact + none), "x");
}
