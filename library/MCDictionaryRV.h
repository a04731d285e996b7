#ifndef MCDICTIONARYRV_H
#define MCDICTIONARYRV_H

#include <cstdint>

#include "MCString.h"

// Result codes of a dictionary lookup; 0 means found.
constexpr int32_t MCD_uv = 1;   // unknown variable
constexpr int32_t MCD_ucv = 2;  // unknown classed variable: every candidate key missed
constexpr int32_t MCD_urv = 4;  // unknown variable on replace
constexpr int32_t MCDI_us = 16; // unknown section
// Either kind of unknown variable.
constexpr int32_t MCDI_uv = MCD_uv | MCD_ucv;

// The result of a lookup: on success the value found, otherwise the name
// (key or section) that failed together with its code.
class MCDictionaryRV
{
public:
  int32_t code;
  MCString value;

  MCDictionaryRV() : code(0), value() {}
  MCDictionaryRV(const MCString &v, int32_t c) : code(c), value(v) {}
};

#endif
