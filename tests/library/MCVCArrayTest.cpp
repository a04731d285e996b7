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

TEST(MCVCArraySizing, ConstructorsGiveOneChunkOrTheRoundedSize)
{
  MCVCArray plain;
  EXPECT_EQ(plain.Chunk(), 32);
  EXPECT_EQ(plain.Allocated(), 32);
  EXPECT_STREQ(plain.ReadOnly(), "");

  MCVCArray medium(MCVCChunkMedium);
  EXPECT_EQ(medium.Allocated(), 256);

  MCVCArray sized(100, MCVCChunkSmall);
  EXPECT_EQ(sized.Allocated(), 128);

  // An automatic chunk fixes itself at 32 and the buffer still gets a block.
  MCVCArray automatic(MCVCChunkAuto);
  EXPECT_EQ(automatic.Chunk(), 32);
  EXPECT_EQ(automatic.Allocated(), 32);
  EXPECT_STREQ(automatic.ReadOnly(), "");

  // A negative size never leaves the start beyond the block.
  EXPECT_EQ("", Err([] {
              MCVCArray negative(-5, MCVCChunkAuto);
              EXPECT_EQ(negative.Allocated(), 32);
              EXPECT_EQ(negative.Length(), 0);
            }));
}

TEST(MCVCArraySizing, AutomaticChunkIsFixedFromTheFirstSize)
{
  struct { int bytes, chunk; } cases[] = {{1, 32}, {128, 32}, {129, 256}, {2048, 256}, {2049, 4096}};
  for (const auto &c : cases)
  {
    MCVCArray buffer(c.bytes, MCVCChunkAuto);
    EXPECT_EQ(buffer.Chunk(), c.chunk) << c.bytes;
    EXPECT_EQ(buffer.Allocated(), c.bytes) << "the first block is not rounded";
    // Later sizing rounds to the fixed chunk.
    buffer.SetSize(c.bytes + 1);
    EXPECT_EQ(buffer.Allocated() % c.chunk, 0) << c.bytes;
  }
}

TEST(MCVCArraySizing, BadChunkCodeFallsBackTo32)
{
  MCVCArray buffer;
  EXPECT_EQ(Err([&] { buffer.SetChunkSize(static_cast<MCVCChunkSize>(7)); }),
            "MCVCArray::SetChunkSize : Bad chunk size, how did this happen?\n");
  EXPECT_EQ(buffer.calcsizeinchunks(33), 64);
  EXPECT_EQ(buffer.calcsizeinchunks(0), 32);
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

TEST(MCVCArrayAdoption, TakesTheBlockAndFixesTheChunkFromItsLength)
{
  char *text = HeapText(std::string(200, 'a'));
  MCVCArray buffer(&text, 0);
  EXPECT_EQ(text, nullptr);
  EXPECT_EQ(buffer.Allocated(), 200);
  EXPECT_EQ(buffer.Chunk(), 256);
  EXPECT_EQ(buffer.Length(), 200);
  buffer.AppendString("b");
  EXPECT_EQ(buffer.Length(), 201);
  EXPECT_EQ(buffer.Allocated(), 256);
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

TEST(MCVCArrayEnds, MoveToAndEndAt)
{
  MCVCArray buffer("hello", MCVCChunkAuto);
  buffer.MoveTo(2);
  EXPECT_STREQ(buffer.ReadOnly(), "llo");
  buffer.MoveTo(3);
  EXPECT_STREQ(buffer.ReadOnly(), "");
  EXPECT_EQ(buffer.Start(), 0);

  MCVCArray cut("hello", MCVCChunkAuto);
  cut.EndAt(2);
  EXPECT_STREQ(cut.ReadOnly(), "he");
  cut.EndAt(0);
  EXPECT_STREQ(cut.ReadOnly(), "");

  // Out of range: reported and ignored.
  buffer.SetText("hello");
  std::string report = Err([&] { buffer.EndAt(9); });
  EXPECT_EQ(report.rfind("MCVCArray::EndAt : Ignoring new end beyond current.\n"
                         "MCVCArray::EndAt : Requested offset was 9\n"
                         "MCVCArray object at : ",
                         0),
            0u)
    << report;
  EXPECT_NE(report.find("Contents are        :\nhello\n"), std::string::npos);
  EXPECT_STREQ(buffer.ReadOnly(), "hello");

  report = Err([&] { buffer.MoveTo(-1); });
  EXPECT_EQ(report.rfind("MCVCArray::MoveTo : Ignoring negative offset\n"
                         "MCVCArray::MoveTo : Requested offset was -1\n",
                         0),
            0u)
    << report;
  EXPECT_STREQ(buffer.ReadOnly(), "hello");
}

TEST(MCVCArrayReferences, CountsAndOverRelease)
{
  MCVCArray buffer;
  EXPECT_EQ(buffer.CurRef(), 0);
  EXPECT_EQ(buffer.IncRef(), 1);
  EXPECT_EQ(buffer.DecRef(), 0);
  std::string report = Err([&] { EXPECT_EQ(buffer.DecRef(), 0); });
  EXPECT_EQ(report.rfind("MCVCArray::DecRef : Released more often than registered.\n"
                         "MCVCArray::DecRef : Object display follows:\n",
                         0),
            0u);
  EXPECT_NE(report.find("MCVCArray::DecRef : End of object\n"), std::string::npos);
  EXPECT_EQ(buffer.CurRef(), 0);
}

TEST(MCVCArrayDiagnostics, DisplayLayoutAndAMissingBlock)
{
  MCVCArray buffer("abc", MCVCChunkSmall);
  std::ostringstream out;
  buffer.Display(out);
  std::ostringstream address;
  address << static_cast<const void *>(&buffer);
  EXPECT_EQ(out.str(), "MCVCArray object at : " + address.str() +
                         "\n"
                         "Starts at offset    : 0\n"
                         "Chunk size is       : 32\n"
                         "Current size is     : 32\n"
                         "Current text length : 3\n"
                         "Contents are        :\nabc\n");

  buffer.HardReset();
  EXPECT_EQ(Err([&] {
              EXPECT_EQ(buffer.ReadOnly(), nullptr);
              EXPECT_EQ(buffer.Length(), 0);
            }),
            "MCVCArray::operator const char * : Oi! Who nicked me memory?\n"
                                 "MCVCArray::operator const char * : SIGSEGV follows shortly\n"
                                 "MCVCArray::Length : Oi! Who nicked me memory?\n");
  // Writing into a buffer without a block recovers by making one.
  EXPECT_EQ(Err([&] { buffer.AppendText("xyz"); }), "MCVCArray::AppendText : Oi! Who nicked me memory?\n");
  EXPECT_STREQ(buffer.ReadOnly(), "xyz");
}
