#ifndef SENSED_H
#define SENSED_H

#include "VisualScan.h"

// The server leaves out what it cannot tell, and the scanner passes
// kNotGiven for it; anything above it (a float by the time the world
// model holds it) was sensed.
inline bool Sensed(float value)
{
  return value > static_cast<float>(kNotGiven) + 1;
}

#endif
