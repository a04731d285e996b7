// The breakaway's target: kept for breakaway_targ_valid_time cycles from
// its choice, then chosen afresh from where the run has got to.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "BrainRig.h"

namespace
{
class BreakawayTargetTest : public BrainRig
{
protected:
  // The agent with the ball at its feet at a point, facing their goal.
  void RunAt(CVector at)
  {
    Place(at, 0);
    Ball(at + CVector(0.5f, 0));
  }

  CVector Pick(bool side) { return side ? brain->SideBreakawayPickTarget() : brain->BreakawayPickTarget(); }
};

TEST_F(BreakawayTargetTest, TheTargetHoldsForItsValidTimeAndIsThenChosenAgain)
{
  const struct
  {
    const char *name;
    bool side;
    CVector from, later;  // the later place chooses another target
  } runs[] = {
    // Short of the approach point it is the target; past it, the goal
    // area's corner.
    {"through the middle", false, CVector(10, 2), CVector(40, 2)},
    // Down the wing: the approach point, then the cut inside.
    {"down a wing", true, CVector(10, 25), CVector(42, 25)},
  };
  for (const char *valid : {"1", "3", "5", "0"})
  {
    config.insert("BreakAway", "breakaway_targ_valid_time", valid);
    NewBrain();
    const int keep = std::max(1, std::stoi(valid));
    for (const auto &run : runs)
    {
      const int start = 100 + 20 * run.side;
      // What the later place alone chooses, long before.
      agent->SetTime(start - 50);
      RunAt(run.later);
      const CVector second = Pick(run.side);
      agent->SetTime(start);
      RunAt(run.from);
      const CVector first = Pick(run.side);
      ASSERT_GT(first.dist(second), 5) << run.name;
      for (int t = 1; t <= keep; t++)
      {
        agent->SetTime(start + t);
        RunAt(run.later);
        const bool kept = t < keep;
        EXPECT_NEAR(Pick(run.side).dist(kept ? first : second), 0, 1e-4)
            << run.name << " valid " << valid << " cycle " << t;
        EXPECT_EQ(brain->GetBreakawayTarget(run.side).time, kept ? start : start + t)
            << run.name << " valid " << valid << " cycle " << t;
      }
    }
  }
}


// Each run keeps its own record: nothing chosen yet is no target (their
// goal's centre, invalid); a choice is the target with its cycle, and the
// other run's record stays as it was.
TEST_F(BreakawayTargetTest, EachRunsRecordHoldsItsOwnChoice)
{
  for (bool side : {false, true})
  {
    const BREAKAWAYTARGET none = brain->GetBreakawayTarget(side);
    EXPECT_EQ(std::make_tuple(-999, false, 52.5f, 0.0f),
              std::make_tuple(none.time, none.valid, none.target.GetX(), none.target.GetY()))
        << side;
  }
  agent->SetTime(200);
  RunAt(CVector(10, 25));
  const CVector chosen = Pick(true);
  const BREAKAWAYTARGET wing = brain->GetBreakawayTarget(true);
  EXPECT_TRUE(wing.valid);
  EXPECT_EQ(200, wing.time);
  EXPECT_NEAR(0, wing.target.dist(chosen), 1e-4);
  EXPECT_FALSE(brain->GetBreakawayTarget(false).valid);
  agent->SetTime(230);
  RunAt(CVector(10, 2));
  const CVector middle = Pick(false);
  const BREAKAWAYTARGET centre = brain->GetBreakawayTarget(false);
  EXPECT_EQ(std::make_tuple(true, 230), std::make_tuple(centre.valid, centre.time));
  EXPECT_NEAR(0, centre.target.dist(middle), 1e-4);
  EXPECT_EQ(200, brain->GetBreakawayTarget(true).time);
  EXPECT_NEAR(0, brain->GetBreakawayTarget(true).target.dist(chosen), 1e-4);
}

}  // namespace

namespace
{
// Seen in a match: a breakaway from out wide near the approach point's line
// ran sideways to it, parallel to their goal line (12 m across, not a metre
// nearer, in 22 cycles) while their defenders came back. An approach point
// more across than ahead is passed by for the corner of their goal area.
TEST_F(BreakawayTargetTest, TheRunHeadsForAnApproachPointOnlyAhead)
{
  const struct
  {
    const char *name;
    CVector from;
    CVector expected;
  } rows[] = {
      {"out wide, level with the approach point", CVector(32, 18), CVector(47, 9.16f)},
      {"out wide, a few metres short of it", CVector(28, 22), CVector(47, 9.16f)},
      {"out wide on the other side", CVector(30, -20), CVector(47, -9.16f)},
      // Well back, the approach point is ahead and stays the target.
      {"through the middle, far back", CVector(10, 4), CVector(35, 8)},
      {"out wide, far back", CVector(12, 22), CVector(35, 8)},
  };
  int t = 300;
  for (const auto &row : rows)
  {
    // A fresh choice for each row.
    t += 50;
    agent->SetTime(t);
    RunAt(row.from);
    const CVector target = Pick(false);
    EXPECT_NEAR(row.expected.GetX(), target.GetX(), 0.05f) << row.name;
    EXPECT_NEAR(row.expected.GetY(), target.GetY(), 0.05f) << row.name;
  }
}
}  // namespace
