// The odds of a tackle by where the ball lies off the body.

#include <gtest/gtest.h>

#include "Tackling.h"

namespace
{
TEST(TacklingTest, TheMissChanceGrowsWithTheBallsDistanceAheadAndAside)
{
  const TackleReach reach{2.0f, 1.25f, 6.0f};
  const struct
  {
    const char *name;
    CVector ball;
    float miss;
  } rows[] = {
      {"right in front, close", CVector(0.5f, 0), 0.0002f},
      {"a metre and a half ahead", CVector(1.5f, 0), 0.178f},
      {"a metre ahead, a metre aside", CVector(1, 1), 0.278f},
      {"at the edge ahead", CVector(2, 0), 1},
      {"beyond the side", CVector(0.5f, 1.3f), 1},
      // The server's tackle reaches nothing behind the body.
      {"level with the body", CVector(0, 0.3f), 1},
      {"behind", CVector(-0.5f, 0), 1},
  };
  for (const auto &row : rows)
    EXPECT_NEAR(row.miss, TackleMissChance(row.ball, reach), 0.002f) << row.name;
}
}
