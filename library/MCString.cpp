#include "MCString.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace
{
// Numbers are formatted into a 32-byte area; a text that would not fit there
// is formatted again into an area of its own size rather than cut or overrun.
template <typename T> std::string Format(const char *format, T value)
{
  char area[32];
  int n = std::snprintf(area, sizeof area, format, value);
  if (n < 0)
    return std::string();
  if (static_cast<size_t>(n) < sizeof area)
    return std::string(area, static_cast<size_t>(n));
  std::vector<char> larger(static_cast<size_t>(n) + 1);
  std::snprintf(larger.data(), larger.size(), format, value);
  return std::string(larger.data(), static_cast<size_t>(n));
}

// "%f" always writes six decimals; trailing zeros and a bare point go, but
// never a zero before the point (10.0 stays "10").
std::string Trimmed(std::string text)
{
  if (text.empty())
    return text;
  size_t p = text.size() - 1;
  while (p > 0 && text[p] == '0')
    --p;
  text.resize(text[p] == '.' ? p : p + 1);
  return text;
}

const char *FormatText(const MCString &format)
{
  const char *text = format;
  return text ? text : "";
}

// A new heap block holding first followed by second, for a string to adopt.
char *JoinedBlock(const char *first, size_t firstlength, const char *second, size_t secondlength)
{
  char *block = new char[firstlength + secondlength + 1];
  std::memcpy(block, first, firstlength);
  std::memcpy(block + firstlength, second, secondlength);
  block[firstlength + secondlength] = '\0';
  return block;
}

MCString Joined(const char *first, size_t firstlength, const char *second, size_t secondlength)
{
  char *block = JoinedBlock(first, firstlength, second, secondlength);
  return MCString(&block);
}
}

MCString::MCString() : buffer(nullptr), cachedlength(-1)
{
  Hold(new MCVCArray());
}

MCString::MCString(const char *text) : buffer(nullptr), cachedlength(-1)
{
  Hold(new MCVCArray(text ? text : "", MCVCChunkAuto));
}

MCString::MCString(int value) : MCString(Format("%d", value).c_str())
{
}

MCString::MCString(double value) : MCString(Trimmed(Format("%f", value)).c_str())
{
}

MCString::MCString(int value, MCString format) : MCString(Format(FormatText(format), value).c_str())
{
}

MCString::MCString(double value, MCString format) : MCString(Format(FormatText(format), value).c_str())
{
}

MCString::MCString(char ch) : buffer(nullptr), cachedlength(-1)
{
  const char text[2] = {ch, '\0'};
  Hold(new MCVCArray(text, MCVCChunkAuto));
}

MCString::MCString(char **text) : buffer(nullptr), cachedlength(-1)
{
  if (text && *text)
    Hold(new MCVCArray(text, 0));
  else
    Hold(new MCVCArray());
}

MCString::MCString(const MCString &other) : buffer(nullptr), cachedlength(-1)
{
  Hold(other.buffer);
}

MCString &MCString::operator=(const MCString &other)
{
  // The new buffer is counted before the old one is released, so assigning a
  // string to itself never frees the buffer it holds.
  MCVCArray *old = buffer;
  Hold(other.buffer);
  if (old && old->DecRef() < 1)
    delete old;
  return *this;
}

MCString::~MCString()
{
  Release();
}

void MCString::Hold(MCVCArray *array)
{
  buffer = array;
  if (buffer)
    buffer->IncRef();
  Changed();
}

void MCString::Release()
{
  if (buffer && buffer->DecRef() < 1)
    delete buffer;
  buffer = nullptr;
}

const char *MCString::Text() const
{
  const char *text = buffer ? buffer->ReadOnly() : nullptr;
  return text ? text : "";
}

void MCString::split()
{
  if (!buffer)
  {
    Hold(new MCVCArray());
    return;
  }
  if (buffer->CurRef() > 1)
  {
    MCVCArray *copy = new MCVCArray(*buffer);
    buffer->DecRef();
    Hold(copy);
  }
}

MCString MCString::operator+(const MCString &other) const
{
  if (other.empty())
    return *this;
  if (empty())
    return other;
  return Joined(Text(), static_cast<size_t>(length()), other.Text(), static_cast<size_t>(other.length()));
}

MCString MCString::operator+(const char *text) const
{
  if (!text)
    text = "";
  if (empty())
    return MCString(text);
  return Joined(Text(), static_cast<size_t>(length()), text, std::strlen(text));
}

MCString operator+(const char *text, const MCString &string)
{
  if (!text)
    text = "";
  if (string.empty())
    return MCString(text);
  const char *tail = string;
  return Joined(text, std::strlen(text), tail, static_cast<size_t>(string.length()));
}

MCString &MCString::operator+=(const MCString &other)
{
  if (other.empty())
    return *this;
  split();
  // When other is this very string its text now lives in the buffer being
  // extended; the buffer copies such a text out before it grows.
  buffer->AppendString(other.Text());
  Changed();
  return *this;
}

MCString &MCString::operator+=(const char *text)
{
  split();
  buffer->AppendString(text ? text : "");
  Changed();
  return *this;
}

int MCString::compare(const MCString &other, int n) const
{
  if (buffer == other.buffer)
    return 0;
  if (!buffer || !other.buffer)
  {
    std::cerr << "MCString::compare : VOID STRING" << std::endl;
    return 0;
  }
  if (n > 0)
    return std::strncmp(Text(), other.Text(), static_cast<size_t>(n));
  return std::strcmp(Text(), other.Text());
}

int MCString::compare(const char *text) const
{
  if (!buffer)
  {
    std::cerr << "MCString::compare : VOID STRING" << std::endl;
    return 0;
  }
  return std::strcmp(Text(), text ? text : "");
}

bool operator<(const char *text, const MCString &string)
{
  return string.compare(text) > 0;
}

bool operator<=(const char *text, const MCString &string)
{
  return string.compare(text) >= 0;
}

bool operator==(const char *text, const MCString &string)
{
  return string.compare(text) == 0;
}

bool operator>=(const char *text, const MCString &string)
{
  return string.compare(text) <= 0;
}

bool operator>(const char *text, const MCString &string)
{
  return string.compare(text) < 0;
}

bool operator!=(const char *text, const MCString &string)
{
  return string.compare(text) != 0;
}

char &MCString::operator[](int i)
{
  split();
  int n = length();
  if (i < 0)
    i += n;
  if (i < 0 || i >= n)
    i = 0;
  Changed();
  if (n == 0)
  {
    // The only character is the terminator; a character written there must
    // find a terminator after it inside the block.
    char *text = buffer->Require(2);
    text[1] = '\0';
    return text[0];
  }
  return buffer->Writeable()[i];
}

MCString::operator const char *() const
{
  return buffer ? buffer->ReadOnly() : nullptr;
}

MCString::operator int() const
{
  return empty() ? 0 : std::atoi(Text());
}

MCString::operator double() const
{
  return empty() ? 0.0 : std::atof(Text());
}

int MCString::length() const
{
  if (cachedlength == -1)
    cachedlength = buffer ? buffer->Length() : 0;
  return cachedlength;
}

bool MCString::empty() const
{
  return !buffer || Text()[0] == '\0';
}

std::ostream &operator<<(std::ostream &out, MCString string)
{
  const char *text = string;
  if (text)
    out << text;
  return out;
}

std::ostream &operator<<(std::ostream &out, const std::vector<MCString> &strings)
{
  for (const MCString &string : strings)
    out << string << std::endl;
  return out;
}
