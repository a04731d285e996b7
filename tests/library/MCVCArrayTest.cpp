#include "MCVCArray.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

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

// Appending a buffer's own text must copy it out before the block moves.
TEST(MCVCArrayGrowth, AppendingTheOwnTextWhileGrowing)
{
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
