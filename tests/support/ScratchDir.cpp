#include "ScratchDir.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

ScratchDir::ScratchDir()
{
  std::string pattern = (std::filesystem::temp_directory_path() / "agent-test-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr)
    throw std::runtime_error("cannot make a scratch directory");
  dir = pattern;
}

ScratchDir::~ScratchDir()
{
  std::error_code ignored;
  std::filesystem::remove_all(dir, ignored);
}

std::string ScratchDir::file(const std::string &name) const
{
  return dir + "/" + name;
}

std::string ReadWholeFile(const std::string &path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}
