#include "MCConstant.h"

MCStringEnumeration MCConstant::constants;

namespace
{
const int Unset = -1;
}

MCConstant::MCConstant() : name("<NULL>"), value(Unset) {}

MCConstant::MCConstant(const MCString &constantname)
    : name(constantname), value(constants[constantname])
{
}

MCConstant::MCConstant(const MCConstant &other) : name(other.name), value(other.value) {}

// Only an unset constant takes a value; the test is on the number alone,
// so even the same name again is refused.
MCConstant &MCConstant::operator=(const MCConstant &other)
{
  if (value != Unset)
    throw MCConstantChange(MCString("MCConstant::operator= : attempt to change a constant (") + name +
                           "=" + other.name + ")");
  name = other.name;
  value = other.value;
  return *this;
}

MCConstant::operator int() const
{
  return value;
}

void MCConstant::display(std::ostream &os) const
{
  os << name;
}

std::ostream &operator<<(std::ostream &os, const MCConstant &constant)
{
  constant.display(os);
  return os;
}
