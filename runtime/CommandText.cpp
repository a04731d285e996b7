#include "CommandText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace
{
// Beyond this size a value goes through printf: the brain sends floats of a
// few hundred at most, and below it a value times a hundred is a whole
// number of at most 60 bits.
const double kLargestExact = 1e15;
// The bits of a double's mantissa.
const int kMantissaBits = 53;
const std::uint64_t kHundred = 100;

// A value with two decimals, rounded as printf rounds it: to the nearest,
// an exact half to the even hundredth. Worked out from the value's binary
// form, so that no table of powers is needed (the library's formatter of
// doubles reads one that kept a tenth of a megabyte more in memory).
bool AppendTwoDecimals(char *&at, char *end, double value)
{
  if (!(std::fabs(value) < kLargestExact))
  {
    // No number, or beyond the exact range: as printf prints it.
    char text[400];
    const int length = std::snprintf(text, sizeof text, "%.2f", value);
    if (length <= 0 || end - at < length)
      return false;
    std::memcpy(at, text, static_cast<std::size_t>(length));
    at += length;
    return true;
  }
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  // |value| = mantissa * 2^-shift, the mantissa whole.
  const std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  const std::uint64_t scaled = mantissa * kHundred;
  const int shift = kMantissaBits - exponent;
  std::uint64_t hundredths = 0;
  if (shift <= 0)
    hundredths = scaled << -shift;
  else if (shift < 64)
  {
    hundredths = scaled >> shift;
    const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
    const std::uint64_t half = std::uint64_t{1} << (shift - 1);
    if (rest > half || (rest == half && (hundredths & 1u) != 0))
      hundredths++;
  }
  // The sign, the whole part, the point and two digits.
  if (end - at < 1 + 20 + 3)
    return false;
  if (std::signbit(value))
    *at++ = '-';
  const std::to_chars_result r = std::to_chars(at, end, hundredths / kHundred);
  if (r.ec != std::errc())
    return false;
  at = r.ptr;
  const unsigned cents = static_cast<unsigned>(hundredths % kHundred);
  *at++ = '.';
  *at++ = static_cast<char>('0' + cents / 10);
  *at++ = static_cast<char>('0' + cents % 10);
  return true;
}
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
    if (!AppendTwoDecimals(at, end, value))
      return false;
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
