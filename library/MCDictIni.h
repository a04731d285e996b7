#ifndef MCDICTINI_H
#define MCDICTINI_H

#include <map>
#include <ostream>
#include <vector>

#include "MCDictionary.h"
#include "MCDictionaryRV.h"
#include "MCString.h"

// Two levels of configuration: section to MCDictionary. Reads INI text
//   [Timing]
//   max_sim_step_wait = 300   # milliseconds
// and flat "key: value" text such as the server's server.conf.
// A section exists only while it holds an entry.
class MCDictIni
{
public:
  MCDictIni();
  MCDictIni(const MCDictIni &other);
  MCDictIni &operator=(const MCDictIni &other);
  virtual ~MCDictIni();

  void insert(const MCString &section, const MCString &key, const MCString &value);
  void insert(const MCString &section, const MCString &key, int value);
  void insert(const MCString &section, const MCString &key, double value);

  MCDictionaryRV __get(const MCString &section, const MCString &key) const;
  MCDictionaryRV __getclassed(const MCString &section, const MCString &key) const;

  MCString get(const MCString &section, const MCString &key, const MCString &def) const;
  int get(const MCString &section, const MCString &key, int def) const;
  double get(const MCString &section, const MCString &key, double def) const;
  MCString getclassed(const MCString &section, const MCString &key, const MCString &def) const;
  int getclassed(const MCString &section, const MCString &key, int def) const;
  double getclassed(const MCString &section, const MCString &key, double def) const;
  MCString getlastclass() const;

  MCString getSectionList(char separator) const;
  std::vector<MCString> getSectionList() const;
  MCString getVariableList(const MCString &section, char separator) const;
  std::vector<MCString> getVariableList(const MCString &section) const;

  void parse(const MCString &text);
  void parseflat(const MCString &text, const MCString &section, char separator);
  void import(const MCString &filename);
  void importordie(const MCString &filename);
  void importflat(const MCString &filename, const MCString &section, char separator);
  void importflatordie(const MCString &filename, const MCString &section, char separator);
  void exportfile(const MCString &filename) const;

  MCString Representation() const;
  void Display(std::ostream &os) const;

private:
  std::map<MCString, MCDictionary> sections;
  // Written by const lookups: the key that satisfied the last successful
  // classed one.
  mutable MCString lastclass;
};

std::ostream &operator<<(std::ostream &os, const MCDictIni &dict);

#endif
