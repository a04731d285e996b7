// Who gets to a long ball first as it rolls. In matches the long ball down
// the emptier wing was cut out by their midfield 8 to 20 m from the kick
// in most of the ones lost: where it lands said nothing of its way there.

#include <gtest/gtest.h>

#include <vector>

#include "LongBallLane.h"

namespace
{
LaneRunner Theirs(float x, float y, float reach = 1.085f)
{
  return LaneRunner{CVector(x, y), reach, false, 0};
}

LaneRunner Ours(float x, float y, int unum)
{
  return LaneRunner{CVector(x, y), 1.085f, true, unum};
}

TEST(LongBallLaneTest, TheFirstToTheRollingBallIsFoundAlongItsWay)
{
  const struct
  {
    const char *name;
    CVector target;
    float speed;
    std::vector<LaneRunner> runners;
    bool ours;
    int unum;
    float lowX, highX;  // where it is first got to
    int mostCycles;
  } rows[] = {
      // 2.7 m a cycle under a decay of 0.94 rolls about 45 m.
      {"nobody about: it rolls until it stops", {40, 0}, 2.7f, {}, false, 0, 38, 46, 60},
      {"one of theirs beside its way 12 m out cuts it out there",
       {40, 0}, 2.7f, {Theirs(12, 2)}, false, 0, 8, 14, 6},
      {"one of theirs far off its way does not",
       {40, 0}, 2.7f, {Theirs(12, 25)}, false, 0, 38, 46, 60},
      {"one of ours on its way 20 m out gets it, named",
       {40, 0}, 2.7f, {Ours(20, 1, 9), Theirs(30, 20)}, true, 9, 12, 21, 10},
      {"theirs level with ours: theirs",
       {40, 0}, 2.7f, {Ours(20, 2, 9), Theirs(20, -2)}, false, 0, 12, 21, 10},
      {"out over the touch line first", {10, 30}, 2.7f, {Theirs(40, 0)}, false, 0, 10, 20, 30},
      // He runs out to meet it: well before it would stop by him.
      {"their goalkeeper ahead", {40, 0}, 2.7f, {Theirs(44, 3, 2.0f)}, false, 0, 20, 36, 30},
  };
  for (const auto &row : rows)
  {
    const LaneEnd end =
        RollToFirstTouch(CVector(0, 0), row.target, row.speed, row.runners, LaneRoll());
    EXPECT_EQ(row.ours, end.ours) << row.name;
    EXPECT_EQ(row.unum, end.unum) << row.name;
    EXPECT_GE(end.where.GetX(), row.lowX) << row.name;
    EXPECT_LE(end.where.GetX(), row.highX) << row.name;
    EXPECT_LE(end.cycles, row.mostCycles) << row.name;
  }
}

TEST(LongBallLaneTest, OnlyABallSomebodyGetsToCountsAsReached)
{
  // A tackle's push is weighed by whether their man gets to it: a ball that
  // stops or leaves the pitch first is nobody's.
  const struct
  {
    const char *name;
    CVector target;
    std::vector<LaneRunner> runners;
    bool reached;
  } rows[] = {
      {"rolls until it stops", {40, 0}, {}, false},
      {"over the touch line", {10, 30}, {Theirs(40, 0)}, false},
      {"cut out by theirs", {40, 0}, {Theirs(12, 2)}, true},
      {"got to by ours", {40, 0}, {Ours(20, 1, 9)}, true},
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.reached,
              RollToFirstTouch(CVector(0, 0), row.target, 2.7f, row.runners, LaneRoll()).reached)
        << row.name;
}

TEST(LongBallLaneTest, ABallThatCannotMoveGoesNowhere)
{
  const struct
  {
    const char *name;
    CVector target;
    float speed;
  } rows[] = {
      {"no speed", {40, 0}, 0},
      {"no way", {0, 0}, 2.7f},
  };
  for (const auto &row : rows)
  {
    const LaneEnd end =
        RollToFirstTouch(CVector(0, 0), row.target, row.speed, {Theirs(5, 0)}, LaneRoll());
    EXPECT_EQ(0, end.cycles) << row.name;
    EXPECT_FALSE(end.ours) << row.name;
  }
}
// A ball laid into room behind their line for a runner stops before he is
// there as often as not: a still ball is his when he gets to it first, and
// a runner onto it takes it only once it is beyond the line he runs from.
TEST(LongBallLaneTest, ABallLaidForARunnerWaitsForTheFirstToGetToIt)
{
  const struct
  {
    const char *name;
    std::vector<LaneRunner> runners;
    bool waits;
    bool reached, ours;
    float lowX, highX;  // where it is first got to
  } rows[] = {
      {"a stopped ball is nobody's", {Ours(20, 0, 9)}, false, false, false, -1, 99},
      // The ball stops near 6.5 m; he is there well after it.
      {"our runner 13 m past where it stops gets to it there",
       {Ours(20, 0, 9)}, true, true, true, 6, 7},
      {"theirs nearer the still ball gets it",
       {Ours(20, 0, 9), Theirs(12, 3)}, true, true, false, 4, 7},
      {"a runner beside its way takes it only beyond his line",
       {LaneRunner{CVector(3, 1), 1.085f, true, 9, 4}}, true, true, true, 4, 7},
      {"beside its way, with no line to run from, he takes it at once",
       {Ours(3, 1, 9)}, true, true, true, 1, 3.5f},
  };
  for (const auto &row : rows)
  {
    LaneRoll roll;
    roll.stillBallWaits = row.waits;
    // 1.4 m a cycle under a decay of 0.8 stops after about 6.5 m.
    roll.ballDecay = 0.8f;
    const LaneEnd end = RollToFirstTouch(CVector(0, 0), {40, 0}, 1.4f, row.runners, roll);
    EXPECT_EQ(row.reached, end.reached) << row.name;
    EXPECT_EQ(row.ours, end.ours) << row.name;
    if (!row.reached)
      continue;
    EXPECT_GE(end.where.GetX(), row.lowX) << row.name;
    EXPECT_LE(end.where.GetX(), row.highX) << row.name;
  }
}
}  // namespace

namespace
{
// A ball readied over several kicks leaves the foot later: everybody has
// moved meanwhile, so it is met nearer the kick, and one of theirs beside
// its way who could not get across it in time now can.
TEST(LongBallLaneTest, ABallReadiedOverSeveralKicksIsMetNearer)
{
  const struct
  {
    const char *name;
    std::vector<LaneRunner> runners;
    bool oursAtOnce, oursReadied;
  } rows[] = {
      {"our runner off its way meets it either way", {Ours(20, 8, 9)}, true, true},
      {"theirs 5 m off its way gets across only while it is readied",
       {Ours(30, 0, 9), Theirs(10, 5)}, true, false},
  };
  for (const auto &row : rows)
  {
    LaneRoll roll;
    const LaneEnd now = RollToFirstTouch(CVector(0, 0), {40, 0}, 2.7f, row.runners, roll);
    roll.kickDelay = 3;
    const LaneEnd later = RollToFirstTouch(CVector(0, 0), {40, 0}, 2.7f, row.runners, roll);
    EXPECT_EQ(row.oursAtOnce, now.ours) << row.name;
    EXPECT_EQ(row.oursReadied, later.ours) << row.name;
    if (now.ours && later.ours)
    {
      EXPECT_LT(later.where.GetX(), now.where.GetX()) << row.name;
    }
  }
}
}  // namespace
