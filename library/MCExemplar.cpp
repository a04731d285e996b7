#include "MCExemplar.h"

int MCExemplar::count = 0;

MCExemplar::MCExemplar()
{
  ++count;
}

MCExemplar::MCExemplar(const MCExemplar &)
{
  ++count;
}

// Assignment makes no new instance.
MCExemplar &MCExemplar::operator=(const MCExemplar &)
{
  return *this;
}

MCExemplar::~MCExemplar()
{
  --count;
}

std::ostream &operator<<(std::ostream &os, const MCExemplar &)
{
  return os << "<MCExemplar> count = " << MCExemplar::count;
}
