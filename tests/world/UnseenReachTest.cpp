// How near an opponent we have not seen lately may have come.

#include <gtest/gtest.h>

#include "UnseenReach.h"

namespace
{
TEST(UnseenReachTest, AnOpponentUnseenComesFlatOutForAFewCyclesAtMost)
{
  const struct
  {
    const char *name;
    float lastDist;
    int unseen;
    float nearest;
  } rows[] = {
      {"seen now: where he was seen", 4.0f, 0, 4.0f},
      {"a cycle unseen: a cycle's run nearer", 4.0f, 1, 3.0f},
      {"two cycles unseen", 4.0f, 2, 2.0f},
      {"long unseen: no nearer than a few cycles' run", 10.0f, 30, 7.0f},
      {"never nearer than on the point", 1.5f, 3, 0.0f},
      // A record dated after the cycle asked about (a word heard ahead of
      // the reckoning's clock) is not farther off for it.
      {"dated ahead of now", 4.0f, -2, 4.0f},
  };
  for (const auto &row : rows)
    EXPECT_NEAR(row.nearest, NearestHeMayBe(row.lastDist, row.unseen, 1.0f), 1e-4f) << row.name;
  EXPECT_EQ(0, UnseenCyclesCounted(-5));
  EXPECT_EQ(3, UnseenCyclesCounted(3));
  EXPECT_EQ(3, UnseenCyclesCounted(1000000));
}
}  // namespace
