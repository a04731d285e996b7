// The world model's flag numbers by the letters of the flag's name.

#include <gtest/gtest.h>

#include <set>

#include "FlagTable.h"

TEST(FlagTable, EveryFlagHasOneNameAndAnyOtherLettersNone)
{
  const int U = -999;
  const struct
  {
    char kind, across, along;
    int number, flag;
  } rows[] = {{'u', 'u', 'u', U, 0},   {'u', 'c', 'u', U, 1},   {'p', 'l', 'b', U, 2},  {'g', 'r', 'b', U, 15},
              {'h', 'l', 'b', 30, 18}, {'u', 'l', 'u', 0, 21},  {'u', 'l', 't', 50, 25}, {'u', 'u', 't', 0, 30},
              {'h', 'r', 'b', 30, 42}, {'u', 'u', 'b', 0, 48},  {'u', 'l', 'b', 50, 53}, {'u', 'l', 'b', U, 8},
              {'u', 'l', 'b', 60, kNoSuchFlag}, {'x', 'l', 'b', 10, kNoSuchFlag}, {'\0', '\0', '\0', 0, kNoSuchFlag},
              {'h', 'c', 'b', 10, kNoSuchFlag}, {'u', 'r', 'b', -10, kNoSuchFlag}};
  for (const auto &r : rows)
    EXPECT_EQ(r.flag, FlagNumber(r.kind, r.across, r.along, r.number))
        << r.kind << r.across << r.along << ' ' << r.number;

  // All letters a name may have, and some it may not: each flag is reached
  // by exactly one name.
  std::multiset<int> reached;
  for (char kind : {'u', 'p', 'g', 'h', 'f', 'x'})
    for (char across : {'u', 'l', 'c', 'r', 't', 'b'})
      for (char along : {'u', 'l', 'c', 'r', 't', 'b'})
        for (int number : {U, 0, 10, 20, 30, 40, 50, 60})
        {
          const int flag = FlagNumber(kind, across, along, number);
          if (flag != kNoSuchFlag)
            reached.insert(flag);
        }
  EXPECT_EQ(54u, reached.size());
  for (int flag = 0; flag <= 53; flag++)
    EXPECT_EQ(1u, reached.count(flag)) << flag;
}
