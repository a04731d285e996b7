#include "MCIniSafe.h"

#include <cmath>

#include "MCDictText.h"
#include "MCExceptions.h"

namespace
{
// How a found value compares with the default, and the text a report shows
// of each: the converted number, so a stored "0.50" is reported as 0.5.
bool same(const MCString &a, const MCString &b)
{
  return a == b;
}

bool same(int a, int b)
{
  return a == b;
}

// Reals within a ten-thousandth of the default count as the default.
bool same(double a, double b)
{
  return std::fabs(a - b) <= 0.0001;
}
} // namespace

MCIniSafe::MCIniSafe() : MCIniCore(), safe(MCDictText::ReportAll), lastbadsection() {}

MCIniSafe::MCIniSafe(const MCIniSafe &other)
    : MCIniCore(other), safe(other.safe), lastbadsection(other.lastbadsection)
{
}

MCIniSafe &MCIniSafe::operator=(const MCIniSafe &other)
{
  MCIniCore::operator=(other);
  safe = other.safe;
  lastbadsection = other.lastbadsection;
  return *this;
}

MCIniSafe::~MCIniSafe() {}

void MCIniSafe::setsafe(int mask)
{
  safe = MCDictText::safemask(mask);
}

// One read for every type: the value found converted to the default's type,
// or the default exactly as passed. A classed read names the key that
// satisfied it whatever quiet says; quiet silences only the comparison.
template <typename T>
T MCIniSafe::read(bool classed, const MCString &section, const MCString &key, T def, int quiet)
{
  try
  {
    const MCString text = classed ? __getclassed(section, key) : __get(section, key);
    if (classed)
      msgClassMatch(key, getlastclass());
    const T value = static_cast<T>(text);
    if (!quiet)
    {
      if (!same(value, def))
        msgVarsDiff(key, MCString(value), MCString(def));
      else
        msgVarsMatch(key, MCString(value));
    }
    return value;
  }
  catch (const mcini_unknown_section &)
  {
    msgBadSection(section);
  }
  catch (const mcsetting_unknown_variable &)
  {
    msgBadVariable(key, section);
  }
  return def;
}

MCString MCIniSafe::getsafe(MCString section, MCString settingname, MCString def, int quiet)
{
  return read<MCString>(false, section, settingname, def, quiet);
}

int MCIniSafe::getsafe(MCString section, MCString settingname, int def, int quiet)
{
  return read<int>(false, section, settingname, def, quiet);
}

double MCIniSafe::getsafe(MCString section, MCString settingname, double def, int quiet)
{
  return read<double>(false, section, settingname, def, quiet);
}

MCString MCIniSafe::getclassedsafe(MCString section, MCString key, MCString def, int quiet)
{
  return read<MCString>(true, section, key, def, quiet);
}

int MCIniSafe::getclassedsafe(MCString section, MCString key, int def, int quiet)
{
  return read<int>(true, section, key, def, quiet);
}

double MCIniSafe::getclassedsafe(MCString section, MCString key, double def, int quiet)
{
  return read<double>(true, section, key, def, quiet);
}

void MCIniSafe::msgVarsDiff(MCString settingname, MCString value, MCString def)
{
  MCDictText::reportVarsDiff(safe, settingname, value, def);
}

void MCIniSafe::msgVarsMatch(MCString settingname, MCString value)
{
  MCDictText::reportVarsMatch(safe, settingname, value);
}

void MCIniSafe::msgBadSection(MCString section)
{
  MCDictText::reportBadSection(safe, lastbadsection, section);
}

void MCIniSafe::msgBadVariable(MCString settingname, MCString section)
{
  MCDictText::reportBadVariable(safe, settingname, section);
}

void MCIniSafe::msgClassMatch(MCString key, MCString matched)
{
  MCDictText::reportClassMatch(safe, key, matched);
}
