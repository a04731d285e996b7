#ifndef BOUNDEDSCAN_H
#define BOUNDEDSCAN_H

#include <cstddef>

// A scanf for text that came off the network. It reads only the bytes
// [text, text + length) and treats a NUL as the end of the text, so a datagram
// without a terminator, or one cut short, is never read past. Everything else
// follows sscanf: a blank in the format matches any run of white space (also
// none), other characters match themselves, and scanning stops at the first
// mismatch, leaving later arguments untouched.
//
// Conversions: %d (int, saturated instead of overflowing), %f (float; plain
// decimal numbers only, so "nan", "inf" and numbers out of range do not
// convert), %c (one character), %Ns and %N[set] (at most N characters into a
// buffer of N + 1, always terminated; the width is required: without it the
// conversion fails), %n (characters read so far) and %%.
//
// Returns the number of values converted, %n not counted.
int BoundedScan(const char *text, std::size_t length, const char *format, ...)
    __attribute__((format(scanf, 3, 4)));

// BoundedScan's own steps, for scanners of one fixed form that would
// otherwise spell the form out anew for every object of every message. Each
// reads from pos and never at or past end or a NUL; a conversion skips
// blanks first, as %d and %f do, and stores its value only when it reads
// one. On success pos has moved past what was read; on failure it may have
// moved past leading blanks only.
//   SkipBlanksAt: a blank of a format.   MatchAt: a literal text of a format
//   (its blanks match any run of white space).   ScanCharAt: %c.
//   ScanIntAt: %d.   ScanFloatAt: %f.   ScanWordAt: %Ns.
//   ScanUntilAt: %N[^stop].
void SkipBlanksAt(const char *&pos, const char *end);
bool MatchAt(const char *&pos, const char *end, const char *literal);
bool ScanCharAt(const char *&pos, const char *end, char &value);
bool ScanIntAt(const char *&pos, const char *end, int &value);
bool ScanFloatAt(const char *&pos, const char *end, float &value);
bool ScanWordAt(const char *&pos, const char *end, std::size_t width, char *out);
bool ScanUntilAt(const char *&pos, const char *end, std::size_t width, char stop, char *out);

#endif
