// The share of the dangerous opponents near our goal among our markers.
// Seen in matches: the striker in front of our goal left free while our
// defenders kept the back line, and a cross found him.

#include <gtest/gtest.h>

#include <cmath>
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

TEST(GoalMarkingTest, AMarkerLeftBehindByARunMeetsItWhereHeGetsFirst)
{
  // His cycles to a point: a metre a cycle from where he stands.
  const auto from = [](CVector me) {
    return [me](CVector p) { return static_cast<int>(std::ceil(me.dist(p))); };
  };
  const CVector man(-38, 0);
  const CVector run(-0.7f, 0);
  const struct
  {
    const char *name;
    CVector pace;
    CVector me;
    int lead;  // the lead whose spot he takes
  } rows[] = {
      {"on the spot of the fewest cycles", run, CVector(-39.5f, 0), 1},
      // Half a metre behind him, gaining 0.3 m a cycle: the spot 5 cycles
      // on (5 m off) is the first he gets to in time.
      {"behind him: further on his way", run, CVector(-37.5f, 0), 5},
      {"too far behind for any: the longest lead", run, CVector(-20, 0), 8},
      // A man standing has one spot.
      {"a man standing", CVector(0, 0), CVector(-30, 0), 8},
  };
  for (const auto &row : rows)
  {
    const CVector spot = RunMeetingSpot(man, row.pace, 1, 8, kArea, from(row.me));
    const CVector want = MarkingSpot(man, row.pace, row.lead, kArea);
    EXPECT_NEAR(want.GetX(), spot.GetX(), 1e-4f) << row.name;
    EXPECT_NEAR(want.GetY(), spot.GetY(), 1e-4f) << row.name;
  }
}
}

namespace
{
// With the ball in our half their men in the middle of it are taken too,
// by one of us near by. Seen in matches: their passes there were received
// with none of us within 4 m, our nearest 6-10 m off on his place.
MarkingArea MidfieldArea()
{
  MarkingArea area = kArea;
  area.midfieldX = 0;
  area.midfieldReach = 10;
  return area;
}

TEST(GoalMarkingTest, InTheMiddleOfOurHalfAManIsTakenByOneOfUsNearBy)
{
  const MarkerAt cover{4, CVector(-18, 3), false};
  const struct
  {
    const char *name;
    std::vector<MarkerAt> markers;
    std::vector<CVector> foes;
    int me;
    int marks;
  } rows[] = {
      {"a man in the middle of our half: the nearer of us",
       {{6, CVector(-12, 20)}, {7, CVector(-12, 0)}}, {CVector(-15, 15)}, 6, 0},
      {"a man in the middle of our half: the farther of us leaves him",
       {{6, CVector(-12, 20)}, {7, CVector(-12, 0)}}, {CVector(-15, 15)}, 7, -1},
      {"nobody runs for him from beyond the reach",
       {{6, CVector(-5, 30)}}, {CVector(-15, 15)}, 6, -1},
      {"a man in their half is left alone",
       {{6, CVector(2, 12)}}, {CVector(4, 15)}, 6, -1},
      // The cover of the press keeps his spot behind the presser: the next
      // of us takes the man.
      {"the cover of the press leaves him", {cover, {8, CVector(-12, -6)}}, {CVector(-17, -2)}, 4, -1},
      {"the next of us takes him instead", {cover, {8, CVector(-12, -6)}}, {CVector(-17, -2)}, 8, 0},
      // The man near our goal is served first, even by the one of us
      // nearer the other.
      {"near our goal first",
       {{3, CVector(-34, 4)}}, {CVector(-27, 4), CVector(-33, 8)}, 3, 1},
      // The closest pair goes first: served in the men's order, the one a
      // little nearer our goal took the marker of the man beside him, who
      // was then out of everyone's reach.
      {"the closest pair first: the man beside me",
       {{6, CVector(-12, 8)}, {7, CVector(-12, -4)}}, {CVector(-15, 4), CVector(-11, 10)}, 6, 1},
      {"the closest pair first: the other man to the next of us",
       {{6, CVector(-12, 8)}, {7, CVector(-12, -4)}}, {CVector(-15, 4), CVector(-11, 10)}, 7, 0},
      {"the one in front of our goal taken, the next of us gets the other",
       {{3, CVector(-34, 4)}, {6, CVector(-20, 2)}}, {CVector(-27, 4), CVector(-33, 8)}, 6, 0},
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.marks, FoeMarkedBy(row.me, row.markers, row.foes, MidfieldArea())) << row.name;
  // With no reach there, as near our goal alone, the middle is nobody's.
  EXPECT_EQ(-1, FoeMarkedBy(6, {{6, CVector(-12, 20)}}, {CVector(-15, 15)}, kArea));
}
}
