#include "MCDictIni.h"

#include "MCDictText.h"

namespace
{
// Entries before the first header land here.
const char *const GlobalSection = "Global";

MCString joined(const std::vector<MCString> &items, char separator)
{
  return MCDictText::joined(items, MCString(separator));
}

// "[name]" with a non-empty name between the brackets.
bool isheader(const MCString &line)
{
  const int n = line.length();
  const char *text = line;
  return n > 2 && text[0] == '[' && text[n - 1] == ']';
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
    MCString line = MCDictText::nextline(rest);
    if (line.empty())
      continue;
    if (isheader(line))
      section = line.mid(1, -1);
    else if (MCDictText::splitentry(line, '=', key, value))
      insert(section, key, value);
  }
}

void MCDictIni::parseflat(const MCString &text, const MCString &section, char separator)
{
  MCDictText::eachflatentry(text, separator, [&](const MCString &key, const MCString &value) {
    insert(section, key, value);
  });
}

void MCDictIni::import(const MCString &filename)
{
  parse(filename.readFile());
}

void MCDictIni::importordie(const MCString &filename)
{
  parse(MCDictText::readordie(filename));
}

void MCDictIni::importflat(const MCString &filename, const MCString &section, char separator)
{
  parseflat(filename.readFile(), section, separator);
}

void MCDictIni::importflatordie(const MCString &filename, const MCString &section, char separator)
{
  parseflat(MCDictText::readordie(filename), section, separator);
}

void MCDictIni::exportfile(const MCString &filename) const
{
  MCDictText::writefile(filename, Representation());
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
