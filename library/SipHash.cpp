#include "SipHash.h"

namespace
{
std::uint64_t Rotl(std::uint64_t x, int b)
{
  return (x << b) | (x >> (64 - b));
}

std::uint64_t ReadLE(const unsigned char *p, std::size_t n)
{
  std::uint64_t v = 0;
  for (std::size_t i = 0; i < n; i++)
    v |= static_cast<std::uint64_t>(p[i]) << (8 * i);
  return v;
}

struct State
{
  std::uint64_t v0, v1, v2, v3;

  void Round()
  {
    v0 += v1;
    v1 = Rotl(v1, 13);
    v1 ^= v0;
    v0 = Rotl(v0, 32);
    v2 += v3;
    v3 = Rotl(v3, 16);
    v3 ^= v2;
    v0 += v3;
    v3 = Rotl(v3, 21);
    v3 ^= v0;
    v2 += v1;
    v1 = Rotl(v1, 17);
    v1 ^= v2;
    v2 = Rotl(v2, 32);
  }

  void Absorb(std::uint64_t m)
  {
    v3 ^= m;
    Round();
    Round();
    v0 ^= m;
  }
};
}  // namespace

std::uint64_t siphash24(const unsigned char key[SIPHASH_KEY_LENGTH], const void *data,
                        std::size_t length)
{
  const std::uint64_t k0 = ReadLE(key, 8);
  const std::uint64_t k1 = ReadLE(key + 8, 8);
  State s{k0 ^ 0x736f6d6570736575ULL, k1 ^ 0x646f72616e646f6dULL, k0 ^ 0x6c7967656e657261ULL,
          k1 ^ 0x7465646279746573ULL};
  const unsigned char *in = static_cast<const unsigned char *>(data);
  const std::size_t whole = length - length % 8;
  for (std::size_t i = 0; i < whole; i += 8)
    s.Absorb(ReadLE(in + i, 8));
  // The last block carries the length's low byte in its top byte.
  s.Absorb(ReadLE(in + whole, length - whole) | (static_cast<std::uint64_t>(length & 0xFF) << 56));
  s.v2 ^= 0xFF;
  for (int i = 0; i < 4; i++)
    s.Round();
  return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}
