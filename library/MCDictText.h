#ifndef MCDICTTEXT_H
#define MCDICTTEXT_H

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <vector>

#include "MCString.h"

// Text helpers shared by the dictionaries' readers and writers, the newer
// and the older alike, so that both read the same INI grammar, fall back
// through the same classed keys and word their reports the same way.
namespace MCDictText
{
// The texts with the separator between them (none after the last).
inline MCString joined(const std::vector<MCString> &items, const MCString &separator)
{
  MCString text;
  for (size_t i = 0; i < items.size(); ++i)
  {
    if (i > 0)
      text += separator;
    text += items[i];
  }
  return text;
}

// Splits "key <separator> value" at the first separator, trimming both
// sides; without a separator the whole text is the key and the value is
// empty.
inline void splitpair(MCString text, char separator, MCString &key, MCString &value)
{
  key = text.tokenise(separator);
  key.despace();
  value = text;
  value.despace();
}

// As splitpair; false when either side is empty, for such a line is dropped.
inline bool splitentry(const MCString &line, char separator, MCString &key, MCString &value)
{
  splitpair(line, separator, key, value);
  return !key.empty() && !value.empty();
}

// Cuts the next line off the front of the text, without its comment and
// surrounding white space (a CRLF line end goes with the white space).
inline MCString nextline(MCString &text)
{
  MCString line = text.tokenise('\n');
  line.decomment();
  line.despace();
  return line;
}

// Every "key <separator> value" line of flat text such as server.conf
// ("goal_width : 14.02"), handed to add(key, value); no headers here.
template <typename Add> void eachflatentry(const MCString &text, char separator, Add add)
{
  MCString rest = text;
  MCString key, value;
  while (!rest.empty())
  {
    MCString line = nextline(rest);
    if (!line.empty() && splitentry(line, separator, key, value))
      add(key, value);
  }
}

// Exit status of a configuration file that yields no data.
const int NoConfigData = 12;

// Without its configuration the program cannot go on.
[[noreturn]] inline void nodata(const MCString &filename)
{
  std::cout << "No data read from config file (" << filename << ")." << std::endl;
  std::exit(NoConfigData);
}

// The file's text, ending the program when there is none.
inline MCString readordie(const MCString &filename)
{
  MCString text = filename.readFile();
  if (text.empty())
    nodata(filename);
  return text;
}

// Writes the text to the named file, created (0664 less the umask) or
// truncated; a file that cannot be opened is left alone, silently.
inline void writefile(const MCString &filename, const MCString &text)
{
  const char *name = filename;
  if (name == nullptr || *name == '\0')
    return;
  const int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0664);
  if (fd < 0)
    return;
  const char *p = text;
  size_t left = static_cast<size_t>(text.length());
  while (left > 0)
  {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      break;
    p += n;
    left -= static_cast<size_t>(n);
  }
  ::close(fd);
}

// The keys a classed lookup tries, most specific first: for A:B:C:v the
// keys A:B:C:v, A:B:v, A:v and v; the class nearest the name goes first and
// no level is skipped. Stops at the first key that found(key) accepts and
// gives it in matched; false, with matched empty, when none is accepted.
template <typename Found> bool firstclassed(const MCString &key, Found found, MCString &matched)
{
  matched = key;
  if (found(key))
    return true;
  MCString path = key;
  const MCString name = path.tailtokenise(':');
  path.tailtokenise(':');
  while (!path.empty())
  {
    matched = path + ":" + name;
    if (found(matched))
      return true;
    path.tailtokenise(':');
  }
  matched = name;
  if (found(name))
    return true;
  matched = MCString();
  return false;
}

// The reports of the safe reads, each governed by one bit of the mask.
enum
{
  ReportMissing = 1,     // missing section or key
  ReportSectionOnce = 2, // do not repeat the same missing section
  ReportDiffers = 4,     // value found, differs from the default
  ReportMatches = 8,     // value found, equals the default
  ReportClassMatch = 16, // classed read satisfied
  ReportAll = 31
};

// Any mask outside the five bits silences every report.
inline int safemask(int mask)
{
  return (mask >= 0 && mask <= ReportAll) ? mask : 0;
}

inline void reportVarsDiff(int safe, const MCString &key, const MCString &found, const MCString &def)
{
  if (safe & ReportDiffers)
    std::cout << "X Variable \"" << key << "\" differs from default value\t: " << found << " vs "
              << def << std::endl;
}

inline void reportVarsMatch(int safe, const MCString &key, const MCString &found)
{
  if (safe & ReportMatches)
    std::cout << "  Variable \"" << key << "\" matches default value\t: " << found << std::endl;
}

// Start-up reads many keys of a section in a row; with the "once" bit a
// missing section is named once per run of reads, not once per key.
inline void reportBadSection(int safe, MCString &lastbadsection, const MCString &section)
{
  if (!(safe & ReportMissing))
    return;
  if ((safe & ReportSectionOnce) && section == lastbadsection)
    return;
  std::cout << "X Section \"" << section << "\" does not exist." << std::endl;
  lastbadsection = section;
}

inline void reportBadVariable(int safe, const MCString &key, const MCString &section)
{
  if (safe & ReportMissing)
    std::cout << "X No match for variable \"" << key << "\" in section \"" << section << "\""
              << std::endl;
}

inline void reportClassMatch(int safe, const MCString &key, const MCString &matched)
{
  if (safe & ReportClassMatch)
    std::cout << "  Classed variable" << std::endl
              << "\t" << key << std::endl
              << "  matches with variable" << std::endl
              << "\t" << matched << std::endl;
}
} // namespace MCDictText

#endif
