#ifndef MCSETTINGLIST_H
#define MCSETTINGLIST_H

#include <ostream>

#include "MCSetting.h"
#include "MCString.h"

// The settings of one section of the older INI reader, in a singly linked
// chain kept in strictly ascending order of name. Lookups walk the chain
// from the front; a missing name is thrown as mcsetting_unknown_variable.
class MCSettingList
{
public:
  MCSettingList();
  explicit MCSettingList(const MCString &sectionname);
  MCSettingList(const MCSettingList &other);
  MCSettingList &operator=(const MCSettingList &other);
  ~MCSettingList();

  void insert(MCString settingname, MCString settingvalue);
  MCSetting *find(MCString settingname) const;

  MCString __get(MCString settingname) const;
  MCString get(MCString settingname, MCString def) const;
  MCString __getclassed(MCString key);
  MCString getclassed(MCString key, MCString def);
  MCString getlastclass() const;

  MCString getVariableList(char separator) const;

  // The chain, front first, for walking it read-only.
  const MCSetting *settings() const { return first; }

  // The section name; "Unknown" unless given.
  MCString name;
  // The following section of a reader, which links and owns the lists.
  MCSettingList *next;

private:
  void copysettings(const MCSettingList &other);
  void clear();

  MCSetting *first;
  MCString lastclass;
};

// "[name]" and a line end, then "name=value" and a line end per setting.
std::ostream &operator<<(std::ostream &os, const MCSettingList &list);

#endif
