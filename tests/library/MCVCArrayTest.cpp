#include "MCVCArray.h"

#include <cstring>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "LibraryTestSupport.h"

namespace
{
char *HeapText(const std::string &text)
{
  char *block = new char[text.size() + 1];
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}
}

// The chunk a growing buffer rounds to follows its first size.
TEST(MCVCArraySizing, AutomaticChunkIsFixedFromTheFirstSize)
{
  struct { int bytes, chunk; } cases[] = {{128, 32}, {129, 256}, {2048, 256}, {2049, 4096}};
  for (const auto &c : cases)
    EXPECT_EQ(MCVCArray(c.bytes, MCVCChunkAuto).Chunk(), c.chunk) << c.bytes;
}

TEST(MCVCArrayGrowth, RequireMovesOrGrowsOnlyWhenTheTextDoesNotFit)
{
  MCVCArray exact("abc", MCVCChunkAuto);
  EXPECT_EQ(exact.Allocated(), 4);
  exact.AppendString("d");
  EXPECT_EQ(exact.Allocated(), 32);
  EXPECT_STREQ(exact.ReadOnly(), "abcd");

  // Room behind a moved start is reused by moving the text to the front.
  MCVCArray moved("0123456789012345678901234567", MCVCChunkSmall);
  moved.MoveTo(10);
  ASSERT_EQ(moved.Start(), 10);
  moved.Require(10);
  EXPECT_EQ(moved.Start(), 0);
  EXPECT_EQ(moved.Allocated(), 32);
  EXPECT_STREQ(moved.ReadOnly(), "012345678901234567");

  // A text that would exactly fill the block from its start counts as not
  // fitting.
  MCVCArray full(32, MCVCChunkSmall);
  full.SetText("0123456789");
  full.MoveTo(2);
  full.Require(21);
  EXPECT_EQ(full.Start(), 2);
  full.Require(22);
  EXPECT_EQ(full.Start(), 0);
  EXPECT_EQ(full.Allocated(), 32);
  full.Require(25);
  EXPECT_EQ(full.Allocated(), 64);
  EXPECT_STREQ(full.ReadOnly(), "23456789");

  // Its own text is copied out before the block moves.
  MCVCArray own("abc", MCVCChunkAuto);
  own.AppendString(own.ReadOnly());
  EXPECT_STREQ(own.ReadOnly(), "abcabc");
}

TEST(MCVCArrayBounds, CopiesStayTerminatedInsideTheBlock)
{
  MCVCArray small(MCVCChunkSmall);
  const std::string longer(40, 'x');
  small.SetText(longer.c_str());
  EXPECT_EQ(small.Length(), 31);
  small.AppendText("yyy");
  EXPECT_EQ(small.Length(), 31);

  MCVCArray shrunk(64, MCVCChunkSmall);
  shrunk.SetText("0123456789");
  shrunk.SetSize(4);
  EXPECT_EQ(shrunk.Allocated(), 32);
  EXPECT_STREQ(shrunk.ReadOnly(), "0123");
}

TEST(MCVCArrayAdoption, ACopyOfAnAdoptedBlockKeepsTheLastCharacter)
{
  // The adopted block does not count its terminator, so 32 characters with
  // chunk 32 would not fit a copy sized by the count alone.
  const std::string original(32, 'q');
  char *text = HeapText(original);
  MCVCArray adopted(&text, 0);
  MCVCArray copy(adopted);
  EXPECT_EQ(std::string(copy.ReadOnly()), original);
  EXPECT_EQ(copy.CurRef(), 0);
  MCVCArray fromPointer(&adopted);
  EXPECT_EQ(std::string(fromPointer.ReadOnly()), original);
}
