#ifndef MCINICORE_H
#define MCINICORE_H

#include <ostream>

#include "MCSettingList.h"
#include "MCString.h"

// The older INI reader: named sections of settings, each an MCSettingList,
// chained in ascending order of name. Reads INI text such as
//   [Timing]
//   max_sim_step_wait = 300   # milliseconds
// and flat "key: value" text. Lookups throw mcini_unknown_section or
// mcsetting_unknown_variable; get and getclassed turn them into defaults.
class MCIniCore
{
public:
  MCIniCore();
  MCIniCore(const MCIniCore &other);
  MCIniCore &operator=(const MCIniCore &other);
  // The safe reader derives from this one and may be freed through it.
  virtual ~MCIniCore();

  void parse(MCString text);
  void parseflat(MCString text, MCString section, char separator);
  void import(MCString filename);
  void importordie(MCString filename);
  void importflat(MCString filename, MCString section, char separator);
  void importflatordie(MCString filename, MCString section, char separator);
  void exportfile(MCString filename) const;

  void insert(MCString section, MCString settingname, MCString value);
  void insert(MCString section, MCString settingname, int value);
  void insert(MCString section, MCString settingname, double value);

  MCSettingList *find(MCString section) const;

  MCString __get(MCString section, MCString settingname) const;
  MCString get(MCString section, MCString settingname, MCString def) const;
  int get(MCString section, MCString settingname, int def) const;
  double get(MCString section, MCString settingname, double def) const;

  MCString __getclassed(MCString section, MCString key);
  MCString getclassed(MCString section, MCString key, MCString def);
  int getclassed(MCString section, MCString key, int def);
  double getclassed(MCString section, MCString key, double def);
  MCString getlastclass() const;

  MCString getSectionList(char separator) const;
  MCString getVariableList(const MCString &section, char separator) const;

  // The chain of sections, front first, for walking it read-only.
  const MCSettingList *sections() const { return first; }

private:
  MCSettingList *named(const MCString &sectionname, const char *failure) const;
  void copysections(const MCIniCore &other);
  void clear();

  MCSettingList *first;
  MCString lastclass;
};

// Each section as "[name]", its "name=value" lines and an empty line.
std::ostream &operator<<(std::ostream &os, const MCIniCore &ini);

#endif
