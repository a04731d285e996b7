#include "MCDictIni.h"

#include "MCDictText.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

namespace
{
// Entries before the first header land here.
const char *const GlobalSection = "Global";

// Exit status of a configuration file that yields no data.
const int NoConfigData = 12;

MCString joined(const std::vector<MCString> &items, char separator)
{
  return MCDictText::joined(items, MCString(separator));
}

// Cuts the next line off the front of the text, without its comment and
// surrounding white space (a CRLF line end goes with the white space).
MCString nextline(MCString &text)
{
  MCString line = text.tokenise('\n');
  line.decomment();
  line.despace();
  return line;
}

// "[name]" with a non-empty name between the brackets.
bool isheader(const MCString &line)
{
  const int n = line.length();
  const char *text = line;
  return n > 2 && text[0] == '[' && text[n - 1] == ']';
}

// Splits "key <separator> value" at the first separator; both sides trimmed.
// False when either side is empty.
bool splitentry(const MCString &line, char separator, MCString &key, MCString &value)
{
  MCDictText::splitpair(line, separator, key, value);
  return !key.empty() && !value.empty();
}

void nodata(const MCString &filename)
{
  std::cout << "No data read from config file (" << filename << ")." << std::endl;
  std::exit(NoConfigData);
}
} // namespace

MCDictIni::MCDictIni() {}

MCDictIni::MCDictIni(const MCDictIni &other) : sections(other.sections), lastclass() {}

MCDictIni &MCDictIni::operator=(const MCDictIni &other)
{
  sections = other.sections;
  return *this;
}

MCDictIni::~MCDictIni() {}

void MCDictIni::insert(const MCString &section, const MCString &key, const MCString &value)
{
  sections[section].insert(key, value);
}

void MCDictIni::insert(const MCString &section, const MCString &key, int value)
{
  insert(section, key, MCString(value));
}

void MCDictIni::insert(const MCString &section, const MCString &key, double value)
{
  insert(section, key, MCString(value));
}

MCDictionaryRV MCDictIni::__get(const MCString &section, const MCString &key) const
{
  std::map<MCString, MCDictionary>::const_iterator it = sections.find(section);
  if (it == sections.end())
    return MCDictionaryRV(section, MCDI_us);
  return it->second.__get(key);
}

MCDictionaryRV MCDictIni::__getclassed(const MCString &section, const MCString &key) const
{
  std::map<MCString, MCDictionary>::const_iterator it = sections.find(section);
  if (it == sections.end())
    return MCDictionaryRV(section, MCDI_us);
  MCDictionaryRV rv = it->second.__getclassed(key);
  if (rv.code == 0)
    lastclass = it->second.getlastclass();
  return rv;
}

MCString MCDictIni::get(const MCString &section, const MCString &key, const MCString &def) const
{
  MCDictionaryRV rv = __get(section, key);
  return rv.code == 0 ? rv.value : def;
}

// The numeric defaults travel as text, so a real default comes back rounded
// to six decimals.
int MCDictIni::get(const MCString &section, const MCString &key, int def) const
{
  return static_cast<int>(get(section, key, MCString(def)));
}

double MCDictIni::get(const MCString &section, const MCString &key, double def) const
{
  return static_cast<double>(get(section, key, MCString(def)));
}

MCString MCDictIni::getclassed(const MCString &section, const MCString &key, const MCString &def) const
{
  MCDictionaryRV rv = __getclassed(section, key);
  return rv.code == 0 ? rv.value : def;
}

int MCDictIni::getclassed(const MCString &section, const MCString &key, int def) const
{
  return static_cast<int>(getclassed(section, key, MCString(def)));
}

double MCDictIni::getclassed(const MCString &section, const MCString &key, double def) const
{
  return static_cast<double>(getclassed(section, key, MCString(def)));
}

MCString MCDictIni::getlastclass() const
{
  return lastclass;
}

MCString MCDictIni::getSectionList(char separator) const
{
  return joined(getSectionList(), separator);
}

std::vector<MCString> MCDictIni::getSectionList() const
{
  std::vector<MCString> names;
  names.reserve(sections.size());
  for (const auto &section : sections)
    names.push_back(section.first);
  return names;
}

MCString MCDictIni::getVariableList(const MCString &section, char separator) const
{
  return joined(getVariableList(section), separator);
}

std::vector<MCString> MCDictIni::getVariableList(const MCString &section) const
{
  std::map<MCString, MCDictionary>::const_iterator it = sections.find(section);
  if (it == sections.end())
    return std::vector<MCString>();
  return it->second.getVariableList();
}

// A '#' cuts the line even after a "//"; a header only switches the section
// (a header alone creates nothing); lines without both a key and a value
// are ignored.
void MCDictIni::parse(const MCString &text)
{
  MCString rest = text;
  MCString section = GlobalSection;
  MCString key, value;
  while (!rest.empty())
  {
    MCString line = nextline(rest);
    if (line.empty())
      continue;
    if (isheader(line))
      section = line.mid(1, -1);
    else if (splitentry(line, '=', key, value))
      insert(section, key, value);
  }
}

// server.conf lines, e.g. "goal_width : 14.02"; no headers here.
void MCDictIni::parseflat(const MCString &text, const MCString &section, char separator)
{
  MCString rest = text;
  MCString key, value;
  while (!rest.empty())
  {
    MCString line = nextline(rest);
    if (!line.empty() && splitentry(line, separator, key, value))
      insert(section, key, value);
  }
}

void MCDictIni::import(const MCString &filename)
{
  parse(filename.readFile());
}

void MCDictIni::importordie(const MCString &filename)
{
  MCString text = filename.readFile();
  if (text.empty())
    nodata(filename);
  parse(text);
}

void MCDictIni::importflat(const MCString &filename, const MCString &section, char separator)
{
  parseflat(filename.readFile(), section, separator);
}

void MCDictIni::importflatordie(const MCString &filename, const MCString &section, char separator)
{
  MCString text = filename.readFile();
  if (text.empty())
    nodata(filename);
  parseflat(text, section, separator);
}

void MCDictIni::exportfile(const MCString &filename) const
{
  const char *name = filename;
  if (name == nullptr)
    return;
  const int fd = ::open(name, O_WRONLY | O_CREAT | O_TRUNC, 0664);
  if (fd < 0)
    return;
  const MCString text = Representation();
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

// [S]
// a=1
// b=2
//
// and so on for every section, each followed by one blank line.
MCString MCDictIni::Representation() const
{
  MCString text;
  for (const auto &section : sections)
  {
    text += "[";
    text += section.first;
    text += "]\n";
    text += section.second.Representation('=', '\n');
    text += "\n\n";
  }
  return text;
}

void MCDictIni::Display(std::ostream &os) const
{
  os << Representation();
}

std::ostream &operator<<(std::ostream &os, const MCDictIni &dict)
{
  dict.Display(os);
  return os;
}
