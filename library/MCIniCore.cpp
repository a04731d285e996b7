#include "MCIniCore.h"

#include <sstream>

#include "MCChain.h"
#include "MCDictText.h"
#include "MCExceptions.h"

namespace
{
// Settings before the first section line land here.
const char *const GlobalSection = "Global";

// "[name]" with anything after the name, but a closing bracket last:
// "[a]b]" names a, "[]" the empty name. False for a line to drop.
bool sectionline(const MCString &line, MCString &sectionname)
{
  const int n = line.length();
  const char *text = line;
  if (n < 2 || text[n - 1] != ']')
    return false;
  sectionname = line.mid(1, line.index(']', 1));
  return true;
}
} // namespace

MCIniCore::MCIniCore() : first(nullptr), lastclass() {}

MCIniCore::MCIniCore(const MCIniCore &other) : first(nullptr), lastclass()
{
  copysections(other);
}

// The class memory stays with the reader that made the reads. Assigning a
// reader to itself keeps it: discarding the target's sections first would
// discard the source's too.
MCIniCore &MCIniCore::operator=(const MCIniCore &other)
{
  if (this == &other)
    return *this;
  clear();
  copysections(other);
  return *this;
}

MCIniCore::~MCIniCore()
{
  clear();
}

void MCIniCore::copysections(const MCIniCore &other)
{
  MCChain::appendcopies(&first, other.first,
                        [](const MCSettingList &s) { return new MCSettingList(s); });
}

void MCIniCore::clear()
{
  MCChain::deleteall(first);
}

// A section that occurs twice in the text gets the settings of both places;
// unbracketed or half-bracketed lines of a section line's shape are dropped.
void MCIniCore::parse(MCString text)
{
  MCString current = GlobalSection;
  MCString key, value;
  while (!text.empty())
  {
    MCString line = MCDictText::nextline(text);
    if (line.empty())
      continue;
    if (line[0] == '[')
      sectionline(line, current);
    else if (MCDictText::splitentry(line, '=', key, value))
      insert(current, key, value);
  }
}

// server.conf lines, e.g. "goal_width : 14.02"; a "[" is an ordinary
// character here.
void MCIniCore::parseflat(MCString text, MCString section, char separator)
{
  MCDictText::eachflatentry(text, separator, [&](const MCString &key, const MCString &value) {
    insert(section, key, value);
  });
}

void MCIniCore::import(MCString filename)
{
  parse(filename.readFile());
}

void MCIniCore::importordie(MCString filename)
{
  parse(MCDictText::readordie(filename));
}

void MCIniCore::importflat(MCString filename, MCString section, char separator)
{
  parseflat(filename.readFile(), section, separator);
}

void MCIniCore::importflatordie(MCString filename, MCString section, char separator)
{
  parseflat(MCDictText::readordie(filename), section, separator);
}

void MCIniCore::exportfile(MCString filename) const
{
  std::ostringstream text;
  text << *this;
  MCDictText::writefile(filename, MCString(text.str().c_str()));
}

// find never matches the empty name, so every setting under it makes one
// more section "" at the front, which no read can reach.
void MCIniCore::insert(MCString section, MCString settingname, MCString value)
{
  MCSettingList *before = find(section);
  if (before == nullptr || before->name != section)
  {
    MCSettingList *added = new MCSettingList(section);
    MCSettingList **link = before != nullptr ? &before->next : &first;
    added->next = *link;
    *link = added;
    before = added;
  }
  before->insert(settingname, value);
}

void MCIniCore::insert(MCString section, MCString settingname, int value)
{
  insert(section, settingname, MCString(value));
}

void MCIniCore::insert(MCString section, MCString settingname, double value)
{
  insert(section, settingname, MCString(value));
}

MCSettingList *MCIniCore::find(MCString section) const
{
  if (section.empty())
    return nullptr;
  MCSettingList *found = nullptr;
  for (MCSettingList *s = first; s != nullptr && s->name <= section; s = s->next)
    found = s;
  return found;
}

MCSettingList *MCIniCore::named(const MCString &sectionname, const char *failure) const
{
  MCSettingList *s = find(sectionname);
  if (s == nullptr || s->name != sectionname)
    throw mcini_unknown_section(failure);
  return s;
}

MCString MCIniCore::__get(MCString section, MCString settingname) const
{
  return named(section, " in MCIniCore::__get()")->__get(settingname);
}

MCString MCIniCore::get(MCString section, MCString settingname, MCString def) const
{
  try
  {
    return __get(section, settingname);
  }
  catch (const mcsetting_error &)
  {
    return def;
  }
}

// The numeric defaults travel as text, so a real default comes back rounded
// to six decimals.
int MCIniCore::get(MCString section, MCString settingname, int def) const
{
  return static_cast<int>(get(section, settingname, MCString(def)));
}

double MCIniCore::get(MCString section, MCString settingname, double def) const
{
  return static_cast<double>(get(section, settingname, MCString(def)));
}

// A failed lookup leaves the reader's memory of its last success alone.
MCString MCIniCore::__getclassed(MCString section, MCString key)
{
  MCSettingList *s = named(section, " in MCIniCore::__getclassed()");
  const MCString value = s->__getclassed(key);
  lastclass = s->getlastclass();
  return value;
}

MCString MCIniCore::getclassed(MCString section, MCString key, MCString def)
{
  try
  {
    return __getclassed(section, key);
  }
  catch (const mcsetting_error &)
  {
    return def;
  }
}

int MCIniCore::getclassed(MCString section, MCString key, int def)
{
  return static_cast<int>(getclassed(section, key, MCString(def)));
}

double MCIniCore::getclassed(MCString section, MCString key, double def)
{
  return static_cast<double>(getclassed(section, key, MCString(def)));
}

MCString MCIniCore::getlastclass() const
{
  return lastclass;
}

MCString MCIniCore::getSectionList(char separator) const
{
  return MCDictText::joined(MCChain::names(first), MCString(separator));
}

MCString MCIniCore::getVariableList(const MCString &section, char separator) const
{
  return named(section, "MCIniCore::getVariableList : Unknown section")
      ->getVariableList(separator);
}

std::ostream &operator<<(std::ostream &os, const MCIniCore &ini)
{
  for (const MCSettingList *s = ini.sections(); s != nullptr; s = s->next)
    os << *s << std::endl;
  return os;
}
