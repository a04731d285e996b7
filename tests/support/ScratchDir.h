#ifndef SCRATCHDIR_H
#define SCRATCHDIR_H

#include <string>

// A fresh directory under the system's temporary directory for the files a
// test writes; it goes, with everything in it, when the object does.
class ScratchDir
{
public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir &) = delete;
  ScratchDir &operator=(const ScratchDir &) = delete;

  // The path of a file of that name inside the directory.
  std::string file(const std::string &name) const;
  const std::string &path() const { return dir; }

private:
  std::string dir;
};

// The whole contents of a file; empty when it cannot be read.
std::string ReadWholeFile(const std::string &path);

#endif
