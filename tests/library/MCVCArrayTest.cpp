#include "MCVCArray.h"

#include <cstring>
#include <functional>
#include <sstream>
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

namespace
{
std::string Shown(const MCVCArray &buffer)
{
  std::ostringstream os;
  buffer.Display(os);
  const std::string text = os.str();
  // The address line differs from run to run.
  return text.substr(text.find('\n') + 1);
}

std::string ErrOf(const std::function<void()> &call)
{
  testing::internal::CaptureStderr();
  call();
  return testing::internal::GetCapturedStderr();
}
}  // namespace

// A buffer whose block was released takes a new one on the next write, and
// says so where the write expected one; what it holds shows in its dump.
TEST(MCVCArrayBlocks, AReleasedBlockIsTakenAgainAndTheDumpShowsIt)
{
  const struct
  {
    const char *name;
    std::function<void(MCVCArray &)> write;
    const char *message;  // the first line on the error stream
    const char *text;
  } rows[] = {
      {"set", [](MCVCArray &b) { b.SetText("abc"); }, "MCVCArray::SetText : ", "abc"},
      {"append", [](MCVCArray &b) { b.AppendText("xy"); }, "MCVCArray::AppendText : ", "xy"},
      {"reset", [](MCVCArray &b) { b.Reset(); }, "MCVCArray::Reset : ", ""},
      {"set afresh", [](MCVCArray &b) { b.SetString("fresh"); }, "", "fresh"},
  };
  for (const auto &row : rows)
  {
    MCVCArray buffer("old text", MCVCChunkSmall);
    buffer.HardReset();
    EXPECT_EQ("Starts at offset    : 0\nChunk size is       : 32\nCurrent size is     : 0\n"
              "Current text length : 0\nContents are        : <NONE>\n",
              Shown(buffer));
    const std::string err = ErrOf([&] { row.write(buffer); });
    EXPECT_EQ(row.message, err.substr(0, std::strlen(row.message))) << row.name;
    EXPECT_EQ(row.message[0] == '\0', err.empty()) << row.name;
    EXPECT_STREQ(row.text, buffer.ReadOnly()) << row.name;
    EXPECT_GE(buffer.Allocated(), 32) << row.name;
  }
  MCVCArray held("hello", MCVCChunkSmall);
  held.MoveTo(1);
  EXPECT_EQ("Starts at offset    : 1\nChunk size is       : 32\nCurrent size is     : 32\n"
            "Current text length : 4\nContents are        :\nello\n",
            Shown(held));
  // Written through its own text, and given its own text again.
  char *text = held;
  text[0] = 'E';
  held.SetString(held.ReadOnly());
  EXPECT_STREQ("Ello", held.ReadOnly());
  EXPECT_EQ(0, held.Start());
}

TEST(MCVCArrayBlocks, ChunkCodesAndTheBlockSizesTheyGive)
{
  const struct
  {
    MCVCChunkSize code;
    int chunk, blockFor100;
  } rows[] = {{MCVCChunkSmall, 32, 128}, {MCVCChunkMedium, 256, 256}, {MCVCChunkLarge, 4096, 4096}};
  for (const auto &row : rows)
  {
    MCVCArray buffer(row.code);
    EXPECT_EQ(row.chunk, buffer.Chunk());
    EXPECT_EQ(row.blockFor100, buffer.calcsizeinchunks(100));
    EXPECT_EQ(row.chunk, buffer.calcsizeinchunks(0));
    EXPECT_EQ(row.chunk, buffer.calcsizeinchunks(-5));
  }
  MCVCArray odd(MCVCChunkSmall);
  EXPECT_EQ("MCVCArray::SetChunkSize : Bad chunk size, how did this happen?\n",
            ErrOf([&] { odd.SetChunkSize(static_cast<MCVCChunkSize>(7)); }));
  EXPECT_EQ(32, odd.Chunk());
  odd.SetChunkSize(MCVCChunkAuto);
  EXPECT_EQ(0, odd.Chunk());
  EXPECT_EQ(300, odd.calcsizeinchunks(300));
  EXPECT_EQ(256, odd.Chunk());
}
