#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "SipHash.h"

// The published vectors of SipHash-2-4: key 00 01 .. 0f, messages 00 01 ..
// of each length; the lengths straddle the eight-byte blocks.
TEST(SipHash, ThePublishedVectorsComeOut)
{
  unsigned char key[SIPHASH_KEY_LENGTH];
  for (std::size_t i = 0; i < SIPHASH_KEY_LENGTH; i++)
    key[i] = static_cast<unsigned char>(i);
  unsigned char message[64];
  for (std::size_t i = 0; i < sizeof message; i++)
    message[i] = static_cast<unsigned char>(i);
  const struct
  {
    std::size_t length;
    std::uint64_t code;
  } rows[] = {{0, 0x726fdb47dd0e0e31ULL},  {1, 0x74f839c593dc67fdULL}, {7, 0xab0200f58b01d137ULL},
              {8, 0x93f5f5799a932462ULL},  {15, 0xa129ca6149be45e5ULL}, {16, 0x3f2acc7f57c29bdbULL},
              {63, 0x958a324ceb064572ULL}};
  for (const auto &row : rows)
    EXPECT_EQ(siphash24(key, message, row.length), row.code) << row.length;
}
