#ifndef MCDICTINISAFE_H
#define MCDICTINISAFE_H

#include <cstdint>

#include "MCDictIni.h"
#include "MCDictText.h"
#include "MCDictionaryRV.h"
#include "MCString.h"

// The configuration every module reads: typed reads that never fail, fall
// back on the caller's default and report on standard output what they
// found, as far as the report mask allows.
class MCDictIniSafe : public MCDictIni
{
public:
  // Report mask bits.
  enum
  {
    ReportMissing = MCDictText::ReportMissing,
    ReportSectionOnce = MCDictText::ReportSectionOnce,
    ReportDiffers = MCDictText::ReportDiffers,
    ReportMatches = MCDictText::ReportMatches,
    ReportClassMatch = MCDictText::ReportClassMatch,
    ReportAll = MCDictText::ReportAll
  };

  MCDictIniSafe();

  void setsafe(int mask);

  MCString getsafe(const MCString &section, const MCString &key, const MCString &def, int quiet) const;
  int getsafe(const MCString &section, const MCString &key, int def, int quiet) const;
  double getsafe(const MCString &section, const MCString &key, double def, int quiet) const;
  MCString getclassedsafe(const MCString &section, const MCString &key, const MCString &def,
                          int quiet) const;
  int getclassedsafe(const MCString &section, const MCString &key, int def, int quiet) const;
  double getclassedsafe(const MCString &section, const MCString &key, double def, int quiet) const;

  virtual void msgVarsDiff(const MCString &key, const MCString &found, const MCString &def) const;
  virtual void msgVarsMatch(const MCString &key, const MCString &found) const;
  virtual void msgBadSection(const MCString &section) const;
  virtual void msgBadVariable(const MCString &key, const MCString &section) const;
  virtual void msgClassMatch(const MCString &key, const MCString &matched) const;
  virtual void msgBadError(const MCDictionaryRV &result) const;

private:
  template <typename T>
  T read(bool classed, const MCString &section, const MCString &key, T def, int quiet) const;

  int32_t safe;
  // Written by the const bad-section report.
  mutable MCString lastbadsection;
};

#endif
