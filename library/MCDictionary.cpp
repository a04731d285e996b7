#include "MCDictionary.h"

#include "MCDictText.h"

using MCDictText::joined;

MCDictionary::MCDictionary() {}

MCDictionary::MCDictionary(const std::vector<MCString> &keys)
{
  for (const MCString &key : keys)
    insert(key, MCString());
}

MCDictionary::MCDictionary(const std::vector<MCString> &keys, const std::vector<MCString> &values)
{
  for (size_t i = 0; i < keys.size(); ++i)
    insert(keys[i], i < values.size() ? values[i] : MCString());
}

// The classed-lookup memory belongs to the lookups made on this very object.
MCDictionary::MCDictionary(const MCDictionary &other) : entries(other.entries), lastclass() {}

MCDictionary &MCDictionary::operator=(const MCDictionary &other)
{
  entries = other.entries;
  lastclass = MCString();
  return *this;
}

void MCDictionary::insert(const MCString &key, const MCString &value)
{
  entries[key] = value;
}

MCDictionaryRV MCDictionary::replace(const MCString &key, const MCString &value)
{
  Entries::iterator it = entries.find(key);
  if (it == entries.end())
    return MCDictionaryRV(key, MCD_urv);
  it->second = value;
  return MCDictionaryRV(key, 0);
}

MCDictionaryRV MCDictionary::__get(const MCString &key) const
{
  Entries::const_iterator it = entries.find(key);
  if (it == entries.end())
    return MCDictionaryRV(key, MCD_uv);
  return MCDictionaryRV(it->second, 0);
}

MCDictionaryRV MCDictionary::get(const MCString &key) const
{
  return __get(key);
}

MCDictionaryRV MCDictionary::__getclassed(const MCString &key) const
{
  Entries::const_iterator it = entries.end();
  const bool found = MCDictText::firstclassed(
      key,
      [&](const MCString &candidate) {
        it = entries.find(candidate);
        return it != entries.end();
      },
      lastclass);
  if (!found)
    return MCDictionaryRV(key, MCD_ucv);
  return MCDictionaryRV(it->second, 0);
}

MCString MCDictionary::get(const MCString &key, const MCString &def) const
{
  MCDictionaryRV rv = __get(key);
  return rv.code == 0 ? rv.value : def;
}

MCString MCDictionary::getclassed(const MCString &key, const MCString &def) const
{
  MCDictionaryRV rv = __getclassed(key);
  return rv.code == 0 ? rv.value : def;
}

MCString MCDictionary::getlastclass() const
{
  return lastclass;
}

MCString MCDictionary::getVariableList(const MCString &separator) const
{
  return joined(getVariableList(), separator);
}

std::vector<MCString> MCDictionary::getVariableList() const
{
  std::vector<MCString> keys;
  keys.reserve(entries.size());
  for (const Entries::value_type &entry : entries)
    keys.push_back(entry.first);
  return keys;
}

MCString MCDictionary::Representation(char keysep, char itemsep) const
{
  const MCString between(keysep);
  std::vector<MCString> items;
  items.reserve(entries.size());
  for (const Entries::value_type &entry : entries)
    items.push_back(entry.first + between + entry.second);
  return joined(items, MCString(itemsep));
}

void MCDictionary::Display(std::ostream &os) const
{
  os << Representation('=', '\n') << std::endl;
}

namespace
{
// Cuts the next item off the front of the text and splits it into a trimmed
// key and value; false when the item is blank.
bool nextitem(MCString &text, char keysep, char itemsep, MCString &key, MCString &value)
{
  MCString item = text.tokenise(itemsep);
  item.despace();
  if (item.empty())
    return false;
  MCDictText::splitpair(item, keysep, key, value);
  return true;
}
} // namespace

// Items such as "X: 1, Y: -10" with ':' and ','.
MCDictionaryRV MCDictionary::Decode(const MCString &text, char keysep, char itemsep)
{
  MCString rest = text;
  MCString key, value;
  while (!rest.empty())
    if (nextitem(rest, keysep, itemsep, key, value))
      insert(key, value);
  return MCDictionaryRV();
}

MCDictionaryRV MCDictionary::DecodeReplace(const MCString &text, char keysep, char itemsep)
{
  MCDictionaryRV result;
  std::vector<MCString> missing;
  MCString rest = text;
  MCString key, value;
  while (!rest.empty())
    if (nextitem(rest, keysep, itemsep, key, value) && replace(key, value).code != 0)
      missing.push_back(key);
  if (!missing.empty())
    result = MCDictionaryRV(joined(missing, ","), MCD_urv);
  return result;
}

bool MCDictionary::operator<(const MCDictionary &other) const
{
  return entries < other.entries;
}

bool MCDictionary::operator==(const MCDictionary &other) const
{
  return entries == other.entries;
}
