#include "MCSetting.h"

MCSetting::MCSetting() : name(), value(), next(nullptr) {}

MCSetting::MCSetting(const MCString &settingname, const MCString &settingvalue)
    : name(settingname), value(settingvalue), next(nullptr)
{
}

MCSetting::MCSetting(const MCSetting &other) : name(other.name), value(other.value), next(nullptr) {}

MCSetting &MCSetting::operator=(const MCSetting &other)
{
  name = other.name;
  value = other.value;
  next = nullptr;
  return *this;
}

std::ostream &operator<<(std::ostream &os, const MCSetting &setting)
{
  return os << setting.name << "=" << setting.value;
}
