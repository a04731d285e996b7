// Who of 22 reaches a rolling ball first: the players that surely cannot be
// quicker than the best so far are not searched then, and what their search
// finds when somebody asks later is what it would have found at once.

#include <gtest/gtest.h>

#include "BenchPitch.h"

namespace
{

struct Rolling
{
  CVector ball, vel;
};

// The same search with every player worked out as it comes, as the quickest
// query did before it left any for later.
const CPlayer *QuickestAtOnce(CBehaviours &b, BenchPitch &world, int bound)
{
  b.ResetInterceptionMinCyc();
  b.SetInterceptionLookahead(-1);
  sorted_players list;
  world.agent->SortValidFoes2Me(list);
  const CPlayer *best = nullptr;
  for (int i = 0; i < list.count; i++)
  {
    const CPlayer *p = list.players[i];
    if (b.AbleToIntercept(p) != 1)
      continue;
    const int n = b.NumOfCyclesToIntercept(p);
    if (n < bound)
    {
      bound = n;
      best = p;
    }
  }
  b.SetInterceptionLookahead(-2);
  return best;
}

}  // namespace

TEST(QuickestToBall, APlayerLeftForLaterGetsWhatTheSearchWouldHaveFoundAtOnce)
{
  const Rolling rows[] = {{CVector(4, -6), CVector(-1.6f, 0.9f)},  {CVector(-30, 20), CVector(2.2f, -0.5f)},
                          {CVector(40, -25), CVector(-2.5f, 1.2f)}, {CVector(0, 0), CVector(0.8f, 0.8f)},
                          {CVector(-45, 5), CVector(0.3f, 0)},      {CVector(20, 30), CVector(-0.2f, -2.6f)}};
  for (const Rolling &row : rows)
  {
    BenchPitch deferring(6), atOnce(6);
    CBehaviours &a = deferring.NewCycle(row.ball, row.vel);
    CBehaviours &b = atOnce.NewCycle(row.ball, row.vel);
    const int bound = atOnce.config.getsafe("ActiveIntercept", "max_int_lookahead", 50, 0) + 1;

    const CPlayer *quickest = a.FastestFoe2Ball();
    const CPlayer *expected = QuickestAtOnce(b, atOnce, bound);
    ASSERT_EQ(expected == nullptr, quickest == nullptr) << row.ball.GetX();
    if (expected)
    {
      EXPECT_EQ(expected->GetUNum(), quickest->GetUNum()) << row.ball.GetX();
    }
    // Asked for afterwards, in the other order, each player as at once.
    for (int i = 10; i >= 0; i--)
    {
      const CPlayer *p = deferring.agent->memory->GetAFoe(i);
      const CPlayer *q = atOnce.agent->memory->GetAFoe(i);
      EXPECT_EQ(b.InterceptionResult(q, 100), a.InterceptionResult(p, 100)) << row.ball.GetX() << " foe " << i;
      EXPECT_EQ(b.NumOfCyclesToIntercept(q), a.NumOfCyclesToIntercept(p)) << row.ball.GetX() << " foe " << i;
      const CVector at = a.InterceptionPoint(p, 100), want = b.InterceptionPoint(q, 100);
      EXPECT_EQ(want.GetX(), at.GetX()) << row.ball.GetX() << " foe " << i;
      EXPECT_EQ(want.GetY(), at.GetY()) << row.ball.GetX() << " foe " << i;
    }
  }
}
