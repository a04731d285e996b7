#include "MCString.h"

#include <cstring>
#include <string>
#include <sys/stat.h>

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

TEST(MCStringSearch, PatternsMustFitWhollyInTheRange)
{
  EXPECT_EQ(MCString("xxab").index(MCString("ab"), 0, 0), 2);
  EXPECT_EQ(MCString("xxab").index(MCString("ab"), 0, -1), -1);
  EXPECT_EQ(MCString("ababaa").rindex(MCString("ab"), 0, 0), 2);
  // A candidate's first character alone is not a match.
  EXPECT_EQ(MCString("aXaY").index(MCString("aY"), 0, 0), 2);
}
