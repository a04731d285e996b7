#ifndef MCSTRING_H
#define MCSTRING_H

#include <ostream>
#include <vector>

#include "MCVCArray.h"

// The program's one text type. Copies share one MCVCArray and count in it;
// a string about to change in place first takes a private copy (split), so a
// change is never seen through the copies. Not safe to share between threads:
// the counts and the length cache are plain integers.
class MCString
{
public:
  MCString();
  MCString(const char *text);
  MCString(int value);
  MCString(double value);
  MCString(int value, MCString format);
  MCString(double value, MCString format);
  MCString(char ch);
  // Adopts a heap text (allocated with new[]) without copying; the caller's
  // pointer is set to null.
  MCString(char **text);
  MCString(const MCString &other);
  MCString &operator=(const MCString &other);
  ~MCString();

  void split();

  MCString operator+(const MCString &other) const;
  MCString operator+(const char *text) const;
  MCString &operator+=(const MCString &other);
  MCString &operator+=(const char *text);

  int compare(const MCString &other, int n = 0) const;
  bool operator<(const MCString &other) const { return compare(other, 0) < 0; }
  bool operator<=(const MCString &other) const { return compare(other, 0) <= 0; }
  bool operator==(const MCString &other) const { return compare(other, 0) == 0; }
  bool operator>=(const MCString &other) const { return compare(other, 0) >= 0; }
  bool operator>(const MCString &other) const { return compare(other, 0) > 0; }
  bool operator!=(const MCString &other) const { return compare(other, 0) != 0; }
  // Plain-text forms, so that s == "x" is not ambiguous between this class's
  // operators and the built-in pointer comparison reached through the
  // conversion to const char *.
  int compare(const char *text) const;
  bool operator<(const char *text) const { return compare(text) < 0; }
  bool operator<=(const char *text) const { return compare(text) <= 0; }
  bool operator==(const char *text) const { return compare(text) == 0; }
  bool operator>=(const char *text) const { return compare(text) >= 0; }
  bool operator>(const char *text) const { return compare(text) > 0; }
  bool operator!=(const char *text) const { return compare(text) != 0; }

  char &operator[](int i);

  operator const char *() const;
  operator int() const;
  operator double() const;
  int length() const;
  bool empty() const;

  // Offsets: a negative start counts from the end and is clamped to the text;
  // an end of 0 means the end of the text.
  int normaloffset(int i) const;
  int endoffset(int i) const;

  int index(char ch, int from = 0, int to = 0) const;
  int rindex(char ch, int from = 0, int to = 0) const;
  int index(const MCString &pattern, int from = 0, int to = 0) const;
  int rindex(const MCString &pattern, int from = 0, int to = 0) const;
  int firstnonspace(int from = 0, int to = 0) const;
  int lastnonspace(int from = 0, int to = 0) const;
  int findcomment(int from = 0, int to = 0) const;

  MCString left(int n) const;
  MCString right(int n) const;
  MCString mid(int from, int to) const;
  MCString strip() const;
  MCString stripcomments() const;
  MCString stripbrackets(char open, char close) const;

  // In place.
  void debracket(char open, char close);
  void head(int n);
  void tail(int n);
  MCString shift(int n);
  MCString nexttoken(int n);
  MCString tokenise(char ch);
  MCString tailtoken(int n);
  MCString tailtokenise(char ch);
  void despace();
  void decomment();

  // The whole contents of the file this string names; empty on any failure.
  MCString readFile() const;
  std::vector<MCString> TokenList(char ch) const;

  // The buffer this string holds, to observe sharing.
  const MCVCArray *sharedbuffer() const { return buffer; }

private:
  MCString Substring(int from, int to) const;
  void Hold(MCVCArray *array);
  void Release();
  const char *Text() const;
  void Changed() { cachedlength = -1; }

  MCVCArray *buffer;
  mutable int cachedlength;
};

MCString operator+(const char *text, const MCString &string);
bool operator<(const char *text, const MCString &string);
bool operator<=(const char *text, const MCString &string);
bool operator==(const char *text, const MCString &string);
bool operator>=(const char *text, const MCString &string);
bool operator>(const char *text, const MCString &string);
bool operator!=(const char *text, const MCString &string);

std::ostream &operator<<(std::ostream &out, MCString string);
std::ostream &operator<<(std::ostream &out, const std::vector<MCString> &strings);

#endif
