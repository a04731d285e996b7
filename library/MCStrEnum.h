#ifndef MCSTRENUM_H
#define MCSTRENUM_H

#include <ostream>

#include "MCString.h"

// One node of a string enumeration: a text whose number is the node's
// distance from the front of its chain. A node owns the chain behind it.
class MCStrEnum
{
public:
  MCStrEnum();
  explicit MCStrEnum(const MCString &text);
  MCStrEnum(const MCStrEnum &other);
  MCStrEnum &operator=(const MCStrEnum &other);

  // Writes this node as number `number` and the chain behind it, a line each.
  virtual void display(std::ostream &os, int number) const;
  // The number of text counted from this node, appending it when new.
  virtual int operator[](MCString text);
  virtual ~MCStrEnum();

  MCString name;
  MCStrEnum *next;

  static const MCString nullstring;

private:
  void copychain(const MCStrEnum *from);
  void deletechain();
};

std::ostream &operator<<(std::ostream &os, const MCStrEnum &node);

#endif
