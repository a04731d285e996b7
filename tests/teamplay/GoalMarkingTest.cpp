// The share of the dangerous opponents near our goal among our markers.
// Seen in matches: the striker in front of our goal left free while our
// defenders kept the back line, and a cross found him.

#include <gtest/gtest.h>

#include <vector>

#include "GoalMarking.h"

namespace
{
const MarkingArea kArea{CVector(-52.5f, 0), 22, 25, 1};

TEST(GoalMarkingTest, EachDangerousOpponentGetsTheNearestFreeMarker)
{
  const struct
  {
    const char *name;
    std::vector<MarkerAt> markers;
    std::vector<CVector> foes;
    int me;
    int marks;
  } rows[] = {
      {"the man in front of goal: the nearer of us",
       {{2, CVector(-40, -4)}, {3, CVector(-41, 6)}}, {CVector(-45.5f, -1)}, 2, 0},
      {"the man in front of goal: the farther of us leaves him",
       {{2, CVector(-40, -4)}, {3, CVector(-41, 6)}}, {CVector(-45.5f, -1)}, 3, -1},
      // Both are nearest to one of us: the one nearer our goal takes him,
      // the other goes to the next of us.
      {"nearest our goal served first",
       {{2, CVector(-44, 0)}, {3, CVector(-29, 0)}}, {CVector(-36, 0), CVector(-46, 0)}, 2, 1},
      {"the next of us takes the one left",
       {{2, CVector(-44, 0)}, {3, CVector(-29, 0)}}, {CVector(-36, 0), CVector(-46, 0)}, 3, 0},
      {"beyond the danger distance nobody is marked",
       {{2, CVector(-30, 0)}}, {CVector(-25, 0)}, 2, -1},
      {"a marker out of reach does not run for him",
       {{2, CVector(0, 0)}}, {CVector(-45, 0)}, 2, -1},
      {"two as near: the lower number",
       {{4, CVector(-40, 3)}, {3, CVector(-40, -3)}}, {CVector(-45, 0)}, 3, 0},
      {"two as near: the higher number leaves him",
       {{4, CVector(-40, 3)}, {3, CVector(-40, -3)}}, {CVector(-45, 0)}, 4, -1},
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.marks, FoeMarkedBy(row.me, row.markers, row.foes, kArea)) << row.name;
}

TEST(GoalMarkingTest, TheMarkerStandsOnHisWayToOurGoal)
{
  const CVector spot = MarkingSpot(CVector(-42.5f, 0), kArea);
  EXPECT_NEAR(-43.5f, spot.GetX(), 1e-4f);
  EXPECT_NEAR(0, spot.GetY(), 1e-4f);
  // Nearer the goal than the spot's distance: on the goal itself.
  const CVector onGoal = MarkingSpot(CVector(-52, 0.2f), kArea);
  EXPECT_NEAR(-52.5f, onGoal.GetX(), 1e-4f);
}

TEST(GoalMarkingTest, AManOnTheMoveIsMarkedWhereHisRunTakesHim)
{
  const struct
  {
    const char *name;
    CVector foe, pace;
    CVector spot;
  } rows[] = {
      {"standing", CVector(-35, -5), CVector(0, 0), CVector(-35.96f, -4.72f)},
      // Three cycles of his run on, then a metre goal-side of that.
      {"running at our goal", CVector(-35, 0), CVector(-1, 0), CVector(-39, 0)},
      {"running across", CVector(-40, 0), CVector(0, 1), CVector(-40.97f, 2.77f)},
      {"running away up the pitch", CVector(-40, 0), CVector(1, 0), CVector(-38, 0)},
      // Never beyond our goal line, however fast he comes.
      {"his run ends in our goal", CVector(-50, 6), CVector(-1, 0), CVector(-52.5f, 5)},
  };
  for (const auto &row : rows)
  {
    const CVector spot = MarkingSpot(row.foe, row.pace, 3, kArea);
    EXPECT_NEAR(row.spot.GetX(), spot.GetX(), 0.02f) << row.name;
    EXPECT_NEAR(row.spot.GetY(), spot.GetY(), 0.02f) << row.name;
  }
}
}
