#ifndef MCDICTTEXT_H
#define MCDICTTEXT_H

#include <vector>

#include "MCString.h"

// Text helpers shared by the dictionaries' readers and writers.
namespace MCDictText
{
// The texts with the separator between them (none after the last).
inline MCString joined(const std::vector<MCString> &items, const MCString &separator)
{
  MCString text;
  for (size_t i = 0; i < items.size(); ++i)
  {
    if (i > 0)
      text += separator;
    text += items[i];
  }
  return text;
}

// Splits "key <separator> value" at the first separator, trimming both
// sides; without a separator the whole text is the key and the value is
// empty.
inline void splitpair(MCString text, char separator, MCString &key, MCString &value)
{
  key = text.tokenise(separator);
  key.despace();
  value = text;
  value.despace();
}
} // namespace MCDictText

#endif
