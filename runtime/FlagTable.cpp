#include "FlagTable.h"

#include <cstdint>

namespace
{

struct FlagName
{
    char kind, across, along;
    int number;
};

const int U = -999;  // no number in the name

// Row i is flag number i.
const FlagName kFlags[] = {
    {'u', 'u', 'u', U},   //  0 unidentified
    {'u', 'c', 'u', U},   //  1 f c
    {'p', 'l', 'b', U},   //  2 f p l b
    {'p', 'l', 'c', U},   //  3 f p l c
    {'p', 'l', 't', U},   //  4 f p l t
    {'p', 'r', 't', U},   //  5 f p r t
    {'p', 'r', 'c', U},   //  6 f p r c
    {'p', 'r', 'b', U},   //  7 f p r b
    {'u', 'l', 'b', U},   //  8 f l b
    {'g', 'l', 'b', U},   //  9 f g l b
    {'g', 'l', 't', U},   // 10 f g l t
    {'u', 'l', 't', U},   // 11 f l t
    {'u', 'c', 't', U},   // 12 f c t
    {'u', 'r', 't', U},   // 13 f r t
    {'g', 'r', 't', U},   // 14 f g r t
    {'g', 'r', 'b', U},   // 15 f g r b
    {'u', 'r', 'b', U},   // 16 f r b
    {'u', 'c', 'b', U},   // 17 f c b
    {'h', 'l', 'b', 30},  // 18 f l b 30
    {'h', 'l', 'b', 20},  // 19 f l b 20
    {'h', 'l', 'b', 10},  // 20 f l b 10
    {'u', 'l', 'u', 0},   // 21 f l 0
    {'h', 'l', 't', 10},  // 22 f l t 10
    {'h', 'l', 't', 20},  // 23 f l t 20
    {'h', 'l', 't', 30},  // 24 f l t 30
    {'u', 'l', 't', 50},  // 25 f t l 50
    {'u', 'l', 't', 40},  // 26 f t l 40
    {'u', 'l', 't', 30},  // 27 f t l 30
    {'u', 'l', 't', 20},  // 28 f t l 20
    {'u', 'l', 't', 10},  // 29 f t l 10
    {'u', 'u', 't', 0},   // 30 f t 0
    {'u', 'r', 't', 10},  // 31 f t r 10
    {'u', 'r', 't', 20},  // 32 f t r 20
    {'u', 'r', 't', 30},  // 33 f t r 30
    {'u', 'r', 't', 40},  // 34 f t r 40
    {'u', 'r', 't', 50},  // 35 f t r 50
    {'h', 'r', 't', 30},  // 36 f r t 30
    {'h', 'r', 't', 20},  // 37 f r t 20
    {'h', 'r', 't', 10},  // 38 f r t 10
    {'u', 'r', 'u', 0},   // 39 f r 0
    {'h', 'r', 'b', 10},  // 40 f r b 10
    {'h', 'r', 'b', 20},  // 41 f r b 20
    {'h', 'r', 'b', 30},  // 42 f r b 30
    {'u', 'r', 'b', 50},  // 43 f b r 50
    {'u', 'r', 'b', 40},  // 44 f b r 40
    {'u', 'r', 'b', 30},  // 45 f b r 30
    {'u', 'r', 'b', 20},  // 46 f b r 20
    {'u', 'r', 'b', 10},  // 47 f b r 10
    {'u', 'u', 'b', 0},   // 48 f b 0
    {'u', 'l', 'b', 10},  // 49 f b l 10
    {'u', 'l', 'b', 20},  // 50 f b l 20
    {'u', 'l', 'b', 30},  // 51 f b l 30
    {'u', 'l', 'b', 40},  // 52 f b l 40
    {'u', 'l', 'b', 50},  // 53 f b l 50
};

} // namespace

namespace
{

const int kFlagCount = static_cast<int>(sizeof kFlags / sizeof kFlags[0]);

std::uint64_t Key(char kind, char across, char along, int number)
{
    return static_cast<std::uint64_t>(static_cast<unsigned char>(kind)) << 56 |
           static_cast<std::uint64_t>(static_cast<unsigned char>(across)) << 48 |
           static_cast<std::uint64_t>(static_cast<unsigned char>(along)) << 40 |
           static_cast<std::uint32_t>(number);
}

// The rows by their letters, hashed: a visual names some twenty flags, each
// of which a search of the rows compared with up to 54 of them.
struct FlagIndex
{
    static const int SLOTS = 256;  // a power of two, well above the rows
    std::uint64_t key[SLOTS];
    int row[SLOTS];

    FlagIndex()
    {
        for (int &r : row)
            r = -1;
        for (int i = 0; i < kFlagCount; ++i)
        {
            const FlagName &f = kFlags[i];
            int &slot = row[Find(Key(f.kind, f.across, f.along, f.number))];
            if (slot < 0)  // the first row of a name, as a search finds it
            {
                slot = i;
                key[&slot - row] = Key(f.kind, f.across, f.along, f.number);
            }
        }
    }

    // The slot of the key, or the empty slot where it would go.
    int Find(std::uint64_t k) const
    {
        int at = static_cast<int>((k * 0x9E3779B97F4A7C15ULL) >> 56) & (SLOTS - 1);
        while (row[at] >= 0 && key[at] != k)
            at = (at + 1) & (SLOTS - 1);
        return at;
    }
};

} // namespace

int FlagNumber(char kind, char across, char along, int number)
{
    static const FlagIndex index;
    const int found = index.row[index.Find(Key(kind, across, along, number))];
    return found >= 0 ? found : kNoSuchFlag;
}
