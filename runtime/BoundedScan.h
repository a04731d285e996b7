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

#endif
