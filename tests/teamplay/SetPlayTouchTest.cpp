// The taker of our set play may not touch the ball again before another
// player has: the bar he is under, and when it lapses.

#include <gtest/gtest.h>

#include "BrainRig.h"

namespace
{
using SetPlayTouchTest = BrainRig;

// A touch behind his back that he never saw would bar the taker for good:
// after a hundred cycles without anybody near the ball he may play it again.
TEST_F(SetPlayTouchTest, TheTakersBarHoldsForAHundredCyclesAfterHisKick)
{
  const struct
  {
    int cyclesSinceKick;
    bool barred;
  } rows[] = {{1, true}, {50, true}, {99, true}, {100, false}, {400, false}};
  for (const auto &row : rows)
  {
    brain->m_SetPlayTouch.took_kick = true;
    brain->m_SetPlayTouch.kick_sent = 42 - row.cyclesSinceKick;
    EXPECT_EQ(row.barred, brain->TouchedLastInSetPlay()) << row.cyclesSinceKick;
    brain->m_SetPlayTouch.took_kick = false;
    EXPECT_FALSE(brain->TouchedLastInSetPlay()) << row.cyclesSinceKick;
  }
}
}  // namespace
