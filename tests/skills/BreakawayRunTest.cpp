// The run of a breakaway: the ball is laid ahead the way the run goes, and
// never where an opponent gets first.

#include <gtest/gtest.h>

#include "BrainRig.h"
#include "ServerModel.h"

namespace
{
using BreakawayRunTest = BrainRig;

// In a match the breakaway laid the ball where the body happened to face:
// the run went off to the wing, away from the goal it headed for.
TEST_F(BreakawayRunTest, TheBallIsLaidTheWayTheRunGoes)
{
  const struct
  {
    const char *name;
    float facing;
  } rows[] = {{"facing straight up the pitch", 0}, {"facing the wing", -60}, {"facing the other wing", 60}};
  for (const auto &row : rows)
  {
    brain->foes.clear();
    Place(CVector(20, 0), row.facing);
    Ball(CVector(20.6f, 0));
    // Their keeper to the positive side: the run heads for (35, -8).
    brain->goalie = Foe(CVector(50, 2));
    const CVector target = brain->BreakawayPickTarget();
    ASSERT_NEAR(-8, target.GetY(), 1e-4) << row.name;
    const int cycles = brain->BreakawayKickRunCycles();
    const float towards = (target - CVector(20, 0)).GetDir();
    // Laid towards the target the ball is met nearer it than laid along
    // the body or straight on.
    const float there = brain->BreakawayEvaluateKickRunAngle(towards, cycles);
    EXPECT_GT(there, brain->BreakawayEvaluateKickRunAngle(row.facing, cycles) + 2) << row.name;
    EXPECT_GT(there, brain->BreakawayEvaluateKickRunAngle(towards + 30, cycles) + 2) << row.name;
    EXPECT_GT(there, -6) << row.name;
  }
}

TEST_F(BreakawayRunTest, NoBallIsLaidWhereAnOpponentGetsFirst)
{
  Place(CVector(20, 0), 0);
  Ball(CVector(20.6f, 0));
  brain->goalie = Foe(CVector(50, 2));
  const CVector target = brain->BreakawayPickTarget();
  const int cycles = brain->BreakawayKickRunCycles();
  const float towards = (target - CVector(20, 0)).GetDir();
  EXPECT_GT(brain->BreakawayEvaluateKickRunAngle(towards, cycles), -999);
  // A defender coming across to where the run meets the ball.
  Foe(CVector(30, -12));
  EXPECT_EQ(-999, brain->BreakawayEvaluateKickRunAngle(towards, brain->BreakawayKickRunCycles()));
}

using ShippedBreakawayRunTest = ServerModelRig;

// In matches every "breakaway" with a defender a few metres off found no
// safe kick ahead and fell back on a dribble that crept on half a metre a
// cycle until he took the ball. A shorter run goes when one is safe; with
// none, it is no breakaway and the other plays get their turn.
TEST_F(ShippedBreakawayRunTest, AShorterRunOrNoneWhenTheLongOneIsNotSafe)
{
  const struct
  {
    const char *name;
    std::vector<CVector> defenders;
    bool runs;
  } rows[] = {
      {"a defender coming across to the long run's end", {CVector(30, -12)}, true},
      {"defenders a few metres ahead either side", {CVector(23, -2.5f), CVector(24, 3)}, false},
      {"one at the side, one ahead", {CVector(21, -2.5f), CVector(25.5f, -1)}, false},
  };
  for (const auto &row : rows)
  {
    brain->foes.clear();
    Place(CVector(20, 0), 0);
    Ball(CVector(20.6f, 0));
    brain->goalie = Foe(CVector(50, 2));
    for (const CVector &at : row.defenders)
      Foe(at);
    const CVector target = brain->BreakawayPickTarget();
    ASSERT_EQ(row.runs ? 1 : 0, brain->PlayBreakaway()) << row.name;
    EXPECT_EQ(row.runs, brain->MainCommandQueued()) << row.name;
    if (!row.runs)
      continue;
    ASSERT_EQ(CMD_KICK, Queue().command) << row.name;
    Step();
    EXPECT_GT(kicked.GetMag(), 0.6f) << row.name;
    EXPECT_LT(std::fabs(brain->NormaliseAngle(kicked.GetDir() - (target - CVector(20.6f, 0)).GetDir())), 31)
        << row.name;
  }
}
}  // namespace
