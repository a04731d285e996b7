// Lines written in pieces by several threads at once reach the file whole.

#include <cstdio>
#include <ostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "CLineBuffer.h"

namespace
{
std::string Contents(std::FILE *file)
{
  std::fflush(file);
  std::rewind(file);
  std::string text;
  char chunk[4096];
  std::size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
    text.append(chunk, n);
  return text;
}

class LineBufferTest : public ::testing::Test
{
protected:
  void SetUp() override { ASSERT_NE(nullptr, file); }
  void TearDown() override
  {
    if (file)
      std::fclose(file);
  }

  std::FILE *file = std::tmpfile();
};
}

TEST_F(LineBufferTest, LinesOfThreadsWritingInPiecesAtOnceStayWhole)
{
  // Unbuffered, as the standard error is: every piece would be its own write.
  std::setvbuf(file, nullptr, _IONBF, 0);
  CLineBuffer buffer(file);
  const int kThreads = 3, kLines = 2000;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; t++)
    threads.emplace_back([&buffer, t] {
      std::ostream out(&buffer);
      for (int i = 0; i < kLines; i++)
      {
        out << i << " ERROR: thread " << t;
        out.put(':');
        out << " line " << i << std::endl;
      }
    });
  for (std::thread &thread : threads)
    thread.join();

  std::istringstream in(Contents(file));
  std::vector<int> next(kThreads, 0);
  std::string line;
  int lines = 0;
  while (std::getline(in, line))
  {
    int time = -1, thread = -1, number = -1;
    ASSERT_EQ(3, std::sscanf(line.c_str(), "%d ERROR: thread %d: line %d", &time, &thread, &number))
      << line;
    ASSERT_TRUE(thread >= 0 && thread < kThreads) << line;
    // Each thread's lines in its own order.
    EXPECT_EQ(next[thread], number) << line;
    EXPECT_EQ(time, number) << line;
    next[thread] = number + 1;
    lines++;
  }
  EXPECT_EQ(kThreads * kLines, lines);
}

TEST_F(LineBufferTest, TextWaitsForTheEndOfItsLineOrAFlush)
{
  CLineBuffer buffer(file);
  std::ostream out(&buffer);
  out << "begun ";
  EXPECT_EQ("", Contents(file));
  out << "and ended\nnext ";
  EXPECT_EQ("begun and ended\n", Contents(file));
  // Another thread's flush hands on only its own text.
  std::thread other([&buffer] {
    std::ostream mine(&buffer);
    mine << "other" << std::flush;
  });
  other.join();
  EXPECT_EQ("begun and ended\nother", Contents(file));
  out << std::flush;
  EXPECT_EQ("begun and ended\nothernext ", Contents(file));
}
