#ifndef CLINEBUFFER_H
#define CLINEBUFFER_H

// The console is written by three threads at once. Every << on the standard
// error is a write of its own, so a line put together from pieces
//   std::cerr << time << " ERROR: CSensors: ..." << std::endl;
// can be split by another thread's line. This buffer keeps each thread's text
// apart until its line ends and hands the whole line to the file in one write.

#include <cstdio>
#include <map>
#include <mutex>
#include <streambuf>
#include <string>
#include <thread>

class CLineBuffer : public std::streambuf
{
public:
  explicit CLineBuffer(std::FILE *file);
  CLineBuffer(const CLineBuffer &) = delete;
  CLineBuffer &operator=(const CLineBuffer &) = delete;

  // Puts a line buffer under std::cout and std::cerr for the rest of the
  // process. The error stream then waits for the end of a line, or a flush,
  // instead of writing after every piece.
  static void Install();

protected:
  int overflow(int c) override;
  std::streamsize xsputn(const char *text, std::streamsize n) override;
  // A flush hands on the calling thread's text, ended or not.
  int sync() override;

private:
  // Appends to the calling thread's text and writes out every line it ends.
  void Append(const char *text, std::size_t n);
  void Write(const std::string &text);

  std::FILE *m_File;
  std::mutex m_Mutex;
  // Text not yet ended by a newline, per thread; guarded by m_Mutex.
  std::map<std::thread::id, std::string> m_Pending;
};

#endif
