// The text-processing members of MCString: offsets, searching, substrings,
// tokens, trimming, whole-file reading.

#include "MCString.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace
{
// The whitespace of the default locale, fixed so that a locale set by anyone
// else cannot change how configuration lines are trimmed.
bool IsSpace(char ch)
{
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\v' || ch == '\f' || ch == '\r';
}

char ClosingBracket(char open, char fallback)
{
  switch (open)
  {
  case '(':
    return ')';
  case '<':
    return '>';
  case '[':
    return ']';
  case '{':
    return '}';
  default:
    return fallback;
  }
}

// The first (or, backward, the last) position p in first <= p, p + n <= end
// at which text continues with the n characters wanted; an empty pattern is
// never found.
int FindPattern(const char *text, int first, int end, const char *wanted, int n, bool backward)
{
  if (n == 0)
    return -1;
  int step = backward ? -1 : 1;
  for (int p = backward ? end - n : first; p >= first && p + n <= end; p += step)
    if (text[p] == wanted[0] && std::memcmp(text + p, wanted, static_cast<size_t>(n)) == 0)
      return p;
  return -1;
}
}

int MCString::normaloffset(int i) const
{
  int n = length();
  if (i < 0)
    i += n;
  if (i < 0)
    return 0;
  return i > n ? n : i;
}

int MCString::endoffset(int i) const
{
  return i == 0 ? length() : normaloffset(i);
}

int MCString::index(char ch, int from, int to) const
{
  int first = normaloffset(from);
  int end = endoffset(to);
  const char *text = Text();
  for (int p = first; p < end; ++p)
    if (text[p] == ch)
      return p;
  return -1;
}

int MCString::rindex(char ch, int from, int to) const
{
  int end = endoffset(to);
  int first = normaloffset(from);
  const char *text = Text();
  // The end position itself is examined: with an end of 0 that is the
  // terminator, so the whole text is searched.
  for (int p = end; p >= first; --p)
    if (text[p] == ch)
      return p;
  return -1;
}

int MCString::index(const MCString &pattern, int from, int to) const
{
  return FindPattern(Text(), normaloffset(from), endoffset(to), pattern.Text(), pattern.length(), false);
}

int MCString::rindex(const MCString &pattern, int from, int to) const
{
  return FindPattern(Text(), normaloffset(from), endoffset(to), pattern.Text(), pattern.length(), true);
}

int MCString::firstnonspace(int from, int to) const
{
  int p = normaloffset(from);
  if (p > endoffset(to))
    return -1;
  // The end only gates the call: the scan may run on to the length.
  int n = length();
  const char *text = Text();
  while (p < n && IsSpace(text[p]))
    ++p;
  return p;
}

int MCString::lastnonspace(int from, int to) const
{
  int p = endoffset(to) - 1;
  if (p < normaloffset(from))
    return -1;
  // The start only gates the call: the scan may run on down to position 0.
  const char *text = Text();
  while (p >= 0 && IsSpace(text[p]))
    --p;
  return p;
}

int MCString::findcomment(int from, int to) const
{
  // A '#' anywhere wins over an earlier "//".
  int p = index('#', from, to);
  if (p >= 0)
    return p;
  return index(MCString("//"), from, to);
}

MCString MCString::Substring(int from, int to) const
{
  if (from > to)
    return MCString();
  size_t n = static_cast<size_t>(to - from);
  char *block = new char[n + 1];
  std::memcpy(block, Text() + from, n);
  block[n] = '\0';
  return MCString(&block);
}

MCString MCString::left(int n) const
{
  return Substring(0, normaloffset(n));
}

MCString MCString::right(int n) const
{
  return Substring(normaloffset(n), length());
}

MCString MCString::mid(int from, int to) const
{
  return Substring(normaloffset(from), endoffset(to));
}

MCString MCString::strip() const
{
  return mid(firstnonspace(0, 0), lastnonspace(0, 0) + 1);
}

MCString MCString::stripcomments() const
{
  int marker = findcomment(0, 0);
  if (marker == 0)
    return MCString();
  int last = marker < 0 ? lastnonspace(0, 0) : lastnonspace(0, marker);
  return left(last + 1);
}

MCString MCString::stripbrackets(char open, char close) const
{
  MCString copy(*this);
  copy.debracket(open, close);
  return copy;
}

void MCString::debracket(char open, char close)
{
  split();
  int n = length();
  if (n == 0)
    return;
  // Measured before the change, so the cache is cleared only after it.
  Changed();
  const char *text = Text();
  char first = text[0];
  char last = text[n - 1];
  char closing = close ? close : ClosingBracket(first, open);
  // Only the two ends are looked at, so "(a)(b)" becomes "a)(b".
  if ((open && first != open) || last != closing || n <= 2)
  {
    buffer->Reset();
    return;
  }
  buffer->EndAt(n - 1);
  buffer->MoveTo(1);
}

void MCString::head(int n)
{
  split();
  int k = normaloffset(n);
  if (k >= length())
    return;
  Changed();
  if (k < 1)
    buffer->Reset();
  else
    buffer->EndAt(k);
}

void MCString::tail(int n)
{
  split();
  int k = normaloffset(n);
  if (k <= 0)
    return;
  // MoveTo empties the buffer itself when k reaches the length.
  buffer->MoveTo(k);
  Changed();
}

MCString MCString::shift(int n)
{
  MCString front = left(n);
  tail(n);
  return front;
}

MCString MCString::nexttoken(int n)
{
  int k = normaloffset(n);
  if (k >= length())
  {
    // The token is the whole text: hand the buffer over instead of copying.
    MCString token(*this);
    *this = MCString();
    return token;
  }
  MCString token = left(k);
  split();
  buffer->MoveTo(k + 1);
  Changed();
  return token;
}

MCString MCString::tokenise(char ch)
{
  int p = index(ch, 0, 0);
  return nexttoken(p < 0 ? length() : p);
}

MCString MCString::tailtoken(int n)
{
  int k = normaloffset(n);
  if (k >= length())
    return nexttoken(k);
  MCString token = right(k + 1);
  head(k);
  return token;
}

MCString MCString::tailtokenise(char ch)
{
  int p = rindex(ch, 0, 0);
  return tailtoken(p < 0 ? length() : p);
}

void MCString::despace()
{
  split();
  int first = firstnonspace(0, 0);
  int last = lastnonspace(0, 0);
  if (first == 0 && last == length() - 1)
    return;
  Changed();
  if (first > last)
  {
    buffer->Reset();
    return;
  }
  // Trimming moves the ends of the buffer; no character is copied.
  buffer->EndAt(last + 1);
  buffer->MoveTo(first);
}

void MCString::decomment()
{
  split();
  int marker = findcomment(0, 0);
  if (marker < 0)
    return;
  Changed();
  if (marker == 0)
    buffer->Reset();
  else
    buffer->EndAt(marker);
}

MCString MCString::readFile() const
{
  if (empty())
    return MCString();
  const char *name = Text();
  // Only a regular file is read: opening a FIFO would block, and a directory
  // opens but reports a size that cannot be read.
  struct stat status;
  if (stat(name, &status) != 0 || !S_ISREG(status.st_mode))
    return MCString();
  std::FILE *file = std::fopen(name, "r");
  if (!file)
    return MCString();
  long size = -1;
  if (std::fseek(file, 0, SEEK_END) == 0)
    size = std::ftell(file);
  std::rewind(file);
  if (size <= 0 || size >= INT_MAX)
  {
    std::fclose(file);
    return MCString();
  }
  char *block = new char[static_cast<size_t>(size) + 1];
  size_t items = std::fread(block, static_cast<size_t>(size), 1, file);
  std::fclose(file);
  if (items != 1)
  {
    delete[] block;
    return MCString();
  }
  block[size] = '\0';
  return MCString(&block);
}

std::vector<MCString> MCString::TokenList(char ch) const
{
  std::vector<MCString> tokens;
  MCString rest(*this);
  while (!rest.empty())
    tokens.push_back(rest.tokenise(ch));
  return tokens;
}
