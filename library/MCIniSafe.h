#ifndef MCINISAFE_H
#define MCINISAFE_H

#include "MCIniCore.h"
#include "MCString.h"

// The older reader's safe reads: a missing section or setting gives the
// caller's default, and every read reports on standard output what it
// found, as far as the report mask allows. The reports are virtual so that
// a derived reader can reword or redirect them.
class MCIniSafe : public MCIniCore
{
public:
  MCIniSafe();
  MCIniSafe(const MCIniSafe &other);
  MCIniSafe &operator=(const MCIniSafe &other);

  void setsafe(int mask);

  MCString getsafe(MCString section, MCString settingname, MCString def, int quiet);
  int getsafe(MCString section, MCString settingname, int def, int quiet);
  double getsafe(MCString section, MCString settingname, double def, int quiet);
  MCString getclassedsafe(MCString section, MCString key, MCString def, int quiet);
  int getclassedsafe(MCString section, MCString key, int def, int quiet);
  double getclassedsafe(MCString section, MCString key, double def, int quiet);

  virtual void msgVarsDiff(MCString settingname, MCString value, MCString def);
  virtual void msgVarsMatch(MCString settingname, MCString value);
  virtual void msgBadSection(MCString section);
  virtual void msgBadVariable(MCString settingname, MCString section);
  virtual void msgClassMatch(MCString key, MCString matched);
  virtual ~MCIniSafe();

private:
  template <typename T>
  T read(bool classed, const MCString &section, const MCString &key, T def, int quiet);

  int safe;
  MCString lastbadsection;
};

#endif
