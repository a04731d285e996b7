#ifndef MCEXEMPLAR_H
#define MCEXEMPLAR_H

#include <ostream>

// Counts its live instances, to watch copies being made and destroyed.
class MCExemplar
{
public:
  MCExemplar();
  MCExemplar(const MCExemplar &other);
  MCExemplar &operator=(const MCExemplar &other);
  ~MCExemplar();

  // The number of live exemplars; a plain int, for one thread.
  static int count;
};

// "<MCExemplar> count = " and the live count, no line end.
std::ostream &operator<<(std::ostream &os, const MCExemplar &exemplar);

#endif
