#include "MCSettingList.h"

#include "MCChain.h"
#include "MCDictText.h"
#include "MCExceptions.h"

MCSettingList::MCSettingList() : MCSettingList(MCString("Unknown")) {}

MCSettingList::MCSettingList(const MCString &sectionname)
    : name(sectionname), next(nullptr), first(nullptr), lastclass()
{
}

MCSettingList::MCSettingList(const MCSettingList &other)
    : name(other.name), next(nullptr), first(nullptr), lastclass()
{
  copysettings(other);
}

// Assigning a list to itself keeps it: discarding the target's settings
// first would discard the source's too.
MCSettingList &MCSettingList::operator=(const MCSettingList &other)
{
  if (this == &other)
    return *this;
  clear();
  name = other.name;
  lastclass = other.lastclass;
  copysettings(other);
  next = nullptr;
  return *this;
}

MCSettingList::~MCSettingList()
{
  clear();
}

void MCSettingList::copysettings(const MCSettingList &other)
{
  MCChain::appendcopies(&first, other.first, [](const MCSetting &s) { return new MCSetting(s); });
}

void MCSettingList::clear()
{
  MCChain::deleteall(first);
}

// A later value under the same name wins and keeps its place.
void MCSettingList::insert(MCString settingname, MCString settingvalue)
{
  MCSetting *before = find(settingname);
  if (before != nullptr && before->name == settingname)
  {
    before->value = settingvalue;
    return;
  }
  MCSetting *added = new MCSetting(settingname, settingvalue);
  MCSetting **link = before != nullptr ? &before->next : &first;
  added->next = *link;
  *link = added;
}

MCSetting *MCSettingList::find(MCString settingname) const
{
  MCSetting *found = nullptr;
  for (MCSetting *s = first; s != nullptr && s->name <= settingname; s = s->next)
    found = s;
  return found;
}

MCString MCSettingList::__get(MCString settingname) const
{
  const MCSetting *s = find(settingname);
  if (s == nullptr || s->name != settingname)
    throw mcsetting_unknown_variable(" in MCSettingList::__get");
  return s->value;
}

MCString MCSettingList::get(MCString settingname, MCString def) const
{
  try
  {
    return __get(settingname);
  }
  catch (const mcsetting_unknown_variable &)
  {
    return def;
  }
}

// An empty stored value counts as missing, as it always has here, and the
// lookup goes on to the next, less specific key, so that it always ends.
MCString MCSettingList::__getclassed(MCString key)
{
  MCString value;
  const bool found = MCDictText::firstclassed(
      key,
      [&](const MCString &candidate) {
        const MCSetting *s = find(candidate);
        if (s == nullptr || s->name != candidate)
          return false;
        value = s->value;
        return !value.empty();
      },
      lastclass);
  if (!found)
    throw mcsetting_unknown_variable(" in MCSettingList::__getclassed");
  return value;
}

MCString MCSettingList::getclassed(MCString key, MCString def)
{
  try
  {
    return __getclassed(key);
  }
  catch (const mcsetting_unknown_variable &)
  {
    return def;
  }
}

MCString MCSettingList::getlastclass() const
{
  return lastclass;
}

MCString MCSettingList::getVariableList(char separator) const
{
  return MCDictText::joined(MCChain::names(first), MCString(separator));
}

std::ostream &operator<<(std::ostream &os, const MCSettingList &list)
{
  os << "[" << list.name << "]" << std::endl;
  for (const MCSetting *s = list.settings(); s != nullptr; s = s->next)
    os << *s << std::endl;
  return os;
}
