#ifndef MCDICTIONARY_H
#define MCDICTIONARY_H

#include <map>
#include <ostream>
#include <vector>

#include "MCDictionaryRV.h"
#include "MCString.h"

// One level of configuration: key to text value, kept in byte-wise key
// order. Keys may name classes before the variable (A:B:v); the classed
// lookup falls back from the most specific class towards the bare name.
class MCDictionary
{
public:
  typedef std::map<MCString, MCString> Entries;

  MCDictionary();
  explicit MCDictionary(const std::vector<MCString> &keys);
  MCDictionary(const std::vector<MCString> &keys, const std::vector<MCString> &values);
  MCDictionary(const MCDictionary &other);
  MCDictionary &operator=(const MCDictionary &other);

  void insert(const MCString &key, const MCString &value);
  MCDictionaryRV replace(const MCString &key, const MCString &value);

  MCDictionaryRV __get(const MCString &key) const;
  MCDictionaryRV __getclassed(const MCString &key) const;
  MCDictionaryRV get(const MCString &key) const;
  MCString get(const MCString &key, const MCString &def) const;
  MCString getclassed(const MCString &key, const MCString &def) const;
  MCString getlastclass() const;

  MCString getVariableList(const MCString &separator) const;
  std::vector<MCString> getVariableList() const;

  MCString Representation(char keysep, char itemsep) const;
  void Display(std::ostream &os) const;

  MCDictionaryRV Decode(const MCString &text, char keysep, char itemsep);
  MCDictionaryRV DecodeReplace(const MCString &text, char keysep, char itemsep);

  bool operator<(const MCDictionary &other) const;
  bool operator==(const MCDictionary &other) const;

  // Read-only walk over the entries, in key order.
  Entries::const_iterator begin() const { return entries.begin(); }
  Entries::const_iterator end() const { return entries.end(); }
  size_t size() const { return entries.size(); }

private:
  Entries entries;
  // Written by const lookups: the key that satisfied the last classed one.
  mutable MCString lastclass;
};

#endif
