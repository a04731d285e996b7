#ifndef MCSETTING_H
#define MCSETTING_H

#include <ostream>

#include "MCString.h"

// One "name=value" setting, a link of an MCSettingList's chain. The list
// owns the chain, so a copy of a setting is never linked to anything.
class MCSetting
{
public:
  MCSetting();
  MCSetting(const MCString &settingname, const MCString &settingvalue);
  MCSetting(const MCSetting &other);
  MCSetting &operator=(const MCSetting &other);

  MCString name;
  MCString value;
  MCSetting *next;
};

// "name=value", no line end.
std::ostream &operator<<(std::ostream &os, const MCSetting &setting);

#endif
