#include "MCDictIniSafe.h"

#include "MCDictText.h"

#include <iostream>

MCDictIniSafe::MCDictIniSafe() : safe(ReportAll), lastbadsection() {}

void MCDictIniSafe::setsafe(int mask)
{
  safe = MCDictText::safemask(mask);
}

// One read for every type: the value found converted to the default's type,
// or the default exactly as passed. A classed read names the key that
// satisfied it before anything else is said.
template <typename T>
T MCDictIniSafe::read(bool classed, const MCString &section, const MCString &key, T def,
                      int quiet) const
{
  const MCDictionaryRV rv = classed ? __getclassed(section, key) : __get(section, key);
  if (rv.code != 0)
  {
    if (rv.code & MCDI_us)
      msgBadSection(section);
    else if (rv.code & MCDI_uv)
      msgBadVariable(key, section);
    else
      msgBadError(rv);
    return def;
  }
  if (classed)
    msgClassMatch(key, getlastclass());
  const T value = static_cast<T>(rv.value);
  if (!quiet)
  {
    // The reports show the text as configured, not the converted number.
    if (value != def)
      msgVarsDiff(key, rv.value, MCString(def));
    else
      msgVarsMatch(key, rv.value);
  }
  return value;
}

MCString MCDictIniSafe::getsafe(const MCString &section, const MCString &key, const MCString &def,
                                int quiet) const
{
  return read<MCString>(false, section, key, def, quiet);
}

int MCDictIniSafe::getsafe(const MCString &section, const MCString &key, int def, int quiet) const
{
  return read<int>(false, section, key, def, quiet);
}

double MCDictIniSafe::getsafe(const MCString &section, const MCString &key, double def, int quiet) const
{
  return read<double>(false, section, key, def, quiet);
}

MCString MCDictIniSafe::getclassedsafe(const MCString &section, const MCString &key,
                                       const MCString &def, int quiet) const
{
  return read<MCString>(true, section, key, def, quiet);
}

int MCDictIniSafe::getclassedsafe(const MCString &section, const MCString &key, int def,
                                  int quiet) const
{
  return read<int>(true, section, key, def, quiet);
}

double MCDictIniSafe::getclassedsafe(const MCString &section, const MCString &key, double def,
                                     int quiet) const
{
  return read<double>(true, section, key, def, quiet);
}

void MCDictIniSafe::msgVarsDiff(const MCString &key, const MCString &found, const MCString &def) const
{
  MCDictText::reportVarsDiff(safe, key, found, def);
}

void MCDictIniSafe::msgVarsMatch(const MCString &key, const MCString &found) const
{
  MCDictText::reportVarsMatch(safe, key, found);
}

void MCDictIniSafe::msgBadSection(const MCString &section) const
{
  MCDictText::reportBadSection(safe, lastbadsection, section);
}

void MCDictIniSafe::msgBadVariable(const MCString &key, const MCString &section) const
{
  MCDictText::reportBadVariable(safe, key, section);
}

void MCDictIniSafe::msgClassMatch(const MCString &key, const MCString &matched) const
{
  MCDictText::reportClassMatch(safe, key, matched);
}

void MCDictIniSafe::msgBadError(const MCDictionaryRV &result) const
{
  std::cout << "X Unidentified error (" << result.code << ") : " << result.value << std::endl;
}
