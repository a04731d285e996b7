#ifndef MCSTRINGENUMERATION_H
#define MCSTRINGENUMERATION_H

#include <ostream>

#include "MCStrEnum.h"
#include "MCString.h"

// Gives each distinct text a number, 0, 1, 2 and so on, in the order in
// which the texts are first looked up. Numbers never change and no text is
// ever removed.
class MCStringEnumeration
{
public:
  // Constant so that a static enumeration is ready before any static
  // initialiser of another file looks a text up in it.
  constexpr MCStringEnumeration() : head(nullptr) {}
  MCStringEnumeration(const MCStringEnumeration &other);
  MCStringEnumeration &operator=(const MCStringEnumeration &other);
  ~MCStringEnumeration();

  int operator[](MCString text);
  // A line per text: its number right-aligned in five places, a tab, the text.
  void display(std::ostream &os) const;

private:
  MCStrEnum *head;
};

std::ostream &operator<<(std::ostream &os, const MCStringEnumeration &enumeration);

#endif
