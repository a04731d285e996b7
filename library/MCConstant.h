#ifndef MCCONSTANT_H
#define MCCONSTANT_H

#include <ostream>

#include "MCExceptions.h"
#include "MCString.h"
#include "MCStringEnumeration.h"

// A named integer constant: its number is its name's number in one
// enumeration shared by all constants, so constants of one name compare
// and switch as equal integers while printing as their names. Once named a
// constant never changes: assigning to it throws MCConstantChange.
class MCConstant
{
public:
  MCConstant();
  MCConstant(const MCString &constantname);
  MCConstant(const MCConstant &other);
  MCConstant &operator=(const MCConstant &other);

  operator int() const;
  void display(std::ostream &os) const;

  // Shared by every constant, without a lock: constants are made from one
  // thread at a time.
  static MCStringEnumeration constants;

private:
  MCString name;
  int value;
};

std::ostream &operator<<(std::ostream &os, const MCConstant &constant);

#endif
