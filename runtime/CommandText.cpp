#include "CommandText.h"

#include <charconv>
#include <cstring>

namespace
{
const int kDecimals = 2;
}  // namespace

bool FormatNumberCommand(char *out, std::size_t size, const char *head,
                         std::initializer_list<double> values)
{
  if (out == nullptr || head == nullptr)
    return false;
  // Built aside, so that a command too long for out leaves it as it was;
  // two numbers as long as a double may be (some 310 characters) fit.
  char text[1024];
  char *const end = text + sizeof text;
  const std::size_t headLength = std::strlen(head);
  if (headLength + 1 > sizeof text)
    return false;
  std::memcpy(text, head, headLength);
  char *at = text + headLength;
  for (double value : values)
  {
    if (at == end)
      return false;
    *at++ = ' ';
    const std::to_chars_result r = std::to_chars(at, end, value, std::chars_format::fixed, kDecimals);
    if (r.ec != std::errc())
      return false;
    at = r.ptr;
  }
  // ")\n" and the NUL.
  if (end - at < 3)
    return false;
  *at++ = ')';
  *at++ = '\n';
  const std::size_t length = static_cast<std::size_t>(at - text);
  if (length + 1 > size)
    return false;
  std::memcpy(out, text, length);
  out[length] = '\0';
  return true;
}
