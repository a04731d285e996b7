// Where a team-mate near our ball offers himself. In matches the carrier in
// midfield, pressed, found nobody free within twenty metres in half of the
// balls he lost: the supporters stood behind opponents or beside one
// another, or went to no place in reach.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "SupportPlace.h"

namespace
{
const float kLaneWidth = 1.5f;
const float kLaneWidening = 0.2f;
const float kPresserNear = 3;
const float kPresserShade = 50;

SupportWorld Pitch(CVector ball, CVector me, std::vector<CVector> mates, std::vector<CVector> foes)
{
  SupportWorld w;
  w.ball = ball;
  w.me = me;
  w.mates = std::move(mates);
  w.foes = std::move(foes);
  w.xMax = 30;
  return w;
}

TEST(SupportPlaceTest, TheSupporterStandsFreeWithAnOpenWayFromTheBall)
{
  const struct
  {
    const char *name;
    SupportWorld world;
    float leastRoom;  // from every opponent
  } rows[] = {
      {"pressed in midfield, an opponent ahead of the ball",
       Pitch({-10, 0}, {-4, 10}, {{-10.5f, 0}}, {{-9, 0.5f}, {-2, 4}, {-1, -6}}), 4},
      {"an opponent by the nearest place",
       Pitch({0, 0}, {2, 9}, {{-0.5f, 0}}, {{1, 1}, {3, 8}, {8, 2}}), 4},
      {"on the touch line",
       Pitch({5, 31}, {8, 20}, {{4.5f, 31}}, {{4, 30}, {12, 26}}), 4},
      {"a crowd on one side",
       Pitch({0, 0}, {0, 12}, {{-0.5f, 0}}, {{1, 1}, {6, 6}, {7, 9}, {4, 11}, {-2, 10}}), 4},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.name);
    const SupportWorld &w = row.world;
    const CVector place = ChooseSupportPlace(w);
    const float dist = place.dist(w.ball);
    EXPECT_GE(dist, 7.9f);
    EXPECT_LE(dist, 16.1f);
    EXPECT_GE(RoomAround(place, w.foes, 100), row.leastRoom);
    // The presser at the ball takes a pass his way; one farther round goes
    // past him.
    std::vector<CVector> onTheWay;
    bool wild = false;
    for (const CVector &foe : w.foes)
      if (foe.dist(w.ball) > kPresserNear)
        onTheWay.push_back(foe);
      else
        EXPECT_GE(std::fabs(NormaliseAngle((place - w.ball).GetDir() - (foe - w.ball).GetDir(), wild)),
                  kPresserShade);
    EXPECT_TRUE(PassLaneOpen(w.ball, place, onTheWay, kLaneWidth, kLaneWidening));
    EXPECT_LE(std::fabs(place.GetY()), w.halfWidth);
    EXPECT_LE(place.GetX(), w.xMax);
  }
}

TEST(SupportPlaceTest, TwoSupportersOfferDifferentPasses)
{
  // The same world seen by two of ours: the second leaves the first's place.
  const std::vector<CVector> foes = {{1, 1}, {6, -8}};
  const SupportWorld first = Pitch({0, 0}, {5, 8}, {{-0.5f, 0}, {-5, -9}}, foes);
  const CVector firstPlace = ChooseSupportPlace(first);
  const SupportWorld second = Pitch({0, 0}, {-5, -9}, {{-0.5f, 0}, firstPlace}, foes);
  const CVector secondPlace = ChooseSupportPlace(second);
  EXPECT_GE(secondPlace.dist(firstPlace), 7);
}

TEST(SupportPlaceTest, TheSupportersPlaceKeepsToTheRulesOfThePitch)
{
  const struct
  {
    const char *name;
    SupportWorld world;
    bool behind;
  } rows[] = {
      // Not into our own area, where a ball lost is a goal.
      {"by our area", Pitch({-33, 10}, {-40, 5}, {}, {{-32, 11}}), false},
      // Not beyond their offside line.
      {"by their line", Pitch({22, 0}, {25, 5}, {}, {{23, 1}}), false},
      // A defender from beside or behind the ball.
      {"a defender", Pitch({-15, -10}, {-20, -5}, {}, {{-14, -9}}), true},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.name);
    SupportWorld w = row.world;
    w.behind = row.behind;
    const CVector place = ChooseSupportPlace(w);
    const bool inOurArea = place.GetX() < -w.halfLength + w.penaltyAreaLength &&
                           std::fabs(place.GetY()) < w.penaltyAreaHalfWidth;
    EXPECT_FALSE(inOurArea);
    EXPECT_LE(place.GetX(), w.xMax);
    if (row.behind)
      EXPECT_LE(place.GetX(), w.ball.GetX() + 3);
    else
      EXPECT_GE(place.GetX(), w.ball.GetX() - 3);
  }
}

TEST(SupportPlaceTest, TheSlotGoneForIsKeptUntilAnotherIsClearlyBetter)
{
  // Two places mirrored about the ball's line are worth the same; the
  // supporter's step to one side makes the other a little dearer, a run
  // far over a lot.
  SupportWorld w = Pitch({0, 0}, {-10, -0.5f}, {{-0.5f, 0}}, {{1.5f, 0}});
  int held = -1;
  const CVector first = ChooseSupportPlace(w, &held);
  ASSERT_GE(held, 0);
  ASSERT_LT(first.GetY(), 0);
  const struct
  {
    const char *name;
    float meY;
    bool keeps;
  } rows[] = {
      {"a step over the line: a little nearer the other side", 0.5f, true},
      {"well over to the other side", 8, false},
  };
  for (const auto &row : rows)
  {
    SCOPED_TRACE(row.name);
    w.me = CVector(-10, row.meY);
    w.held = -1;
    // Left free, he would take the other side's place.
    EXPECT_GT(ChooseSupportPlace(w).GetY(), 0);
    w.held = held;
    int slot = -1;
    const CVector place = ChooseSupportPlace(w, &slot);
    EXPECT_EQ(row.keeps, slot == held);
    EXPECT_EQ(row.keeps, place.GetY() < 0);
  }
}

TEST(SupportPlaceTest, TheLaneIsClosedByAnOpponentNearItOnly)
{
  const struct
  {
    CVector foe;
    bool open;
  } rows[] = {
      {{5, 0.5f}, false},  // on the way
      {{5, 3}, true},      // well beside it
      {{-2, 0}, true},     // behind the ball
      {{12, 0}, true},     // beyond the receiver
  };
  for (const auto &row : rows)
    EXPECT_EQ(row.open, PassLaneOpen({0, 0}, {10, 0}, {row.foe}, kLaneWidth, kLaneWidening))
        << row.foe.GetX() << " " << row.foe.GetY();
}
}  // namespace
