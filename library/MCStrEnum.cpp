#include "MCStrEnum.h"

#include <iomanip>
#include <utility>

#include "MCChain.h"

const MCString MCStrEnum::nullstring;

MCStrEnum::MCStrEnum() : name(nullstring), next(nullptr) {}

MCStrEnum::MCStrEnum(const MCString &text) : name(text), next(nullptr) {}

MCStrEnum::MCStrEnum(const MCStrEnum &other) : name(other.name), next(nullptr)
{
  copychain(other.next);
}

// The copy is made before the old chain goes, so that assigning a node to
// itself, or from a node of its own chain, copies a chain that still exists.
MCStrEnum &MCStrEnum::operator=(const MCStrEnum &other)
{
  if (this == &other)
    return *this;
  MCStrEnum copy(other);
  deletechain();
  name = copy.name;
  std::swap(next, copy.next);
  return *this;
}

MCStrEnum::~MCStrEnum()
{
  deletechain();
}

// Each node is copied alone: a node's own copy would bring its chain along.
void MCStrEnum::copychain(const MCStrEnum *from)
{
  MCChain::appendcopies(&next, from, [](const MCStrEnum &node) { return new MCStrEnum(node.name); });
}

// Node by node rather than each node deleting its successor, so that a long
// chain does not nest one destructor call per text.
void MCStrEnum::deletechain()
{
  MCChain::deleteall(next);
}

void MCStrEnum::display(std::ostream &os, int number) const
{
  os << std::setw(5) << number << "\t" << name << std::endl;
  if (next != nullptr)
    next->display(os, number + 1);
}

int MCStrEnum::operator[](MCString text)
{
  if (text == name)
    return 0;
  if (next == nullptr)
  {
    next = new MCStrEnum(text);
    return 1;
  }
  return 1 + (*next)[text];
}

std::ostream &operator<<(std::ostream &os, const MCStrEnum &node)
{
  node.display(os, 0);
  return os;
}
