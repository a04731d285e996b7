#include "MCStringEnumeration.h"

#include <utility>

MCStringEnumeration::MCStringEnumeration(const MCStringEnumeration &other)
    : head(other.head != nullptr ? new MCStrEnum(*other.head) : nullptr)
{
}

// Copied before the old chain goes, so that assigning an enumeration to
// itself keeps it.
MCStringEnumeration &MCStringEnumeration::operator=(const MCStringEnumeration &other)
{
  MCStringEnumeration copy(other);
  std::swap(head, copy.head);
  return *this;
}

MCStringEnumeration::~MCStringEnumeration()
{
  delete head;
}

int MCStringEnumeration::operator[](MCString text)
{
  if (head == nullptr)
  {
    head = new MCStrEnum(text);
    return 0;
  }
  return (*head)[text];
}

void MCStringEnumeration::display(std::ostream &os) const
{
  if (head != nullptr)
    head->display(os, 0);
}

std::ostream &operator<<(std::ostream &os, const MCStringEnumeration &enumeration)
{
  enumeration.display(os);
  return os;
}
