#ifndef SIPHASH_H
#define SIPHASH_H

#include <cstddef>
#include <cstdint>

// SipHash-2-4: a 64-bit message authentication code under a 128-bit key.
// Without the key nobody can make a text whose code matches, nor learn the
// key from texts and their codes, short of trying every key.
const std::size_t SIPHASH_KEY_LENGTH = 16;

std::uint64_t siphash24(const unsigned char key[SIPHASH_KEY_LENGTH], const void *data,
                        std::size_t length);

#endif
