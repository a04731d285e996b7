#include "MCString.h"

#include <cstring>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"
#include "ScratchDir.h"

TEST(MCStringComments, StrippingAndCuttingComments)
{
  MCString line("key = 1   # note");
  EXPECT_EQ(Of(line.stripcomments()), "key = 1");
  line.decomment();
  EXPECT_EQ(Of(line), "key = 1   ");
  line.despace();
  EXPECT_EQ(Of(line), "key = 1");

  EXPECT_EQ(Of(MCString("abc").stripcomments()), "abc");
  EXPECT_EQ(Of(MCString("  abc  ").stripcomments()), "  abc");
  EXPECT_EQ(Of(MCString("# all").stripcomments()), "");
  MCString whole("// all");
  whole.decomment();
  EXPECT_TRUE(whole.empty());
}

TEST(MCStringInPlace, HeadTailShiftAndDespace)
{
  // Text, head (true) or tail, count, what is left.
  struct { const char *text; bool head; int n; const char *left; } cases[] = {
      {"a,b,", true, -1, "a,b"}, {"a,b", true, 9, "a,b"}, {"a,b", true, 0, ""},   {"abcd", false, 2, "cd"},
      {"cd", false, 0, "cd"},    {"cd", false, -1, "d"},  {"d", false, 5, ""}};
  for (const auto &c : cases)
  {
    MCString s(c.text);
    c.head ? s.head(c.n) : s.tail(c.n);
    EXPECT_EQ(Of(s), c.left) << c.text << (c.head ? " head " : " tail ") << c.n;
  }

  MCString u("abcd");
  EXPECT_EQ(Of(u.shift(2)), "ab");
  EXPECT_EQ(Of(u), "cd");
  EXPECT_EQ(Of(u.shift(0)), "");
  EXPECT_EQ(Of(u), "cd");

  // Despace trims by moving the start, without copying.
  MCString d("  a b  ");
  d.despace();
  EXPECT_EQ(Of(d), "a b");
  EXPECT_EQ(d.length(), 3);
  MCString blanks(" \t "), tidy("ab");
  blanks.despace();
  tidy.despace();
  EXPECT_EQ(Of(blanks), "");
  EXPECT_EQ(Of(tidy), "ab");
}

TEST(MCStringTokens, FromTheFrontTheBackAndAsLists)
{
  MCString s("x:y:z");
  EXPECT_EQ(Of(s.tokenise(':')), "x");
  EXPECT_EQ(Of(s), "y:z");
  EXPECT_EQ(Of(s.tokenise(';')), "y:z");
  EXPECT_TRUE(s.empty());

  MCString t("key=value");
  EXPECT_EQ(Of(t.nexttoken(3)), "key");
  EXPECT_EQ(Of(t), "value");
  EXPECT_EQ(Of(t.nexttoken(5)), "value");
  EXPECT_TRUE(t.empty());

  // From the back.
  MCString back("x:y:z");
  EXPECT_EQ(Of(back.tailtokenise(':')), "z");
  EXPECT_EQ(Of(back), "x:y");
  MCString classed("Class:key");
  EXPECT_EQ(Of(classed.tailtoken(5)), "key");
  EXPECT_EQ(Of(classed), "Class");

  // Lists.
  std::vector<MCString> three = MCString("a,,b").TokenList(',');
  ASSERT_EQ(three.size(), 3u);
  EXPECT_EQ(Of(three[0]), "a");
  EXPECT_EQ(Of(three[1]), "");
  EXPECT_EQ(Of(three[2]), "b");

  MCString kept("p,q");
  kept.TokenList(',');
  EXPECT_EQ(Of(kept), "p,q");
}

TEST(MCStringFiles, ReadsWholeRegularFilesAndAnythingElseAsEmpty)
{
  ScratchDir scratch;
  auto read = [&](const char *name, const std::string &contents) {
    WriteFile(scratch.file(name), contents);
    return MCString(scratch.file(name).c_str()).readFile();
  };
  std::string text(200, 'r');
  text[0] = '[';
  MCString contents = read("two-hundred", text);
  EXPECT_EQ(Of(contents), text);
  MCString small = read("small", "a=1\r\nb=2\n");
  EXPECT_EQ(Of(small), "a=1\r\nb=2\n");
  EXPECT_EQ(Of(read("nul", std::string("ab\0cd", 5))), "ab");

  EXPECT_TRUE(read("empty", "").empty());
  EXPECT_TRUE(MCString(scratch.file("missing").c_str()).readFile().empty());
  EXPECT_TRUE(MCString(scratch.path().c_str()).readFile().empty());
  // Opening a pipe with no writer would block for ever.
  ASSERT_EQ(mkfifo(scratch.file("fifo").c_str(), 0600), 0);
  EXPECT_TRUE(MCString(scratch.file("fifo").c_str()).readFile().empty());
}

// A stripped text's length is measured again: a join after it would
// otherwise copy the removed characters' places.
TEST(MCStringBrackets, StrippingMeasuresTheLengthAgain)
{
  for (const char *text : {"(a)(b)", "[Sect]", "x)"})
  {
    MCString s(text);
    s.debracket('\0', '\0');
    EXPECT_EQ(s.length(), static_cast<int>(std::strlen(static_cast<const char *>(s)))) << text;
    EXPECT_EQ(Of(s + "!"), Of(s) + "!") << text;
  }
}
