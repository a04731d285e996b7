// A player's pace from his change of place where the news of him gave none:
// a man running in is no longer held standing, and noise, an old place or
// another man gives no pace.

#include <gtest/gtest.h>

#include "CPlayer.h"
#include "PaceFromPlaces.h"

namespace
{
const float kDecay = 0.4f;
const float kSpeedMax = 1.05f;

TEST(PaceFromPlacesTest, AChangeBeyondThePlacesDoubtOverAFewCyclesIsAPace)
{
  const struct
  {
    const char *what;
    CVector before;
    int beforeTime;
    CVector after;
    int afterTime;
    bool paced;
    float speed;  // the pace itself (before the cycle's decay)
  } rows[] = {
      {"running in, 3 m in 3 cycles", CVector(-30, 10), 10, CVector(-33, 10), 13, true, 2.0f / 3},
      {"flat out, 6 m in 5 cycles", CVector(-30, 10), 10, CVector(-36, 10), 15, true, 1.0f},
      {"faster than a man can run: no more than his top speed", CVector(-30, 10), 10,
       CVector(-40, 10), 12, true, kSpeedMax},
      {"standing, placed half a metre apart by noise", CVector(-30, 10), 10, CVector(-30.5f, 10), 13,
       false, 0},
      {"one cycle apart: noise mostly", CVector(-30, 10), 10, CVector(-31.5f, 10), 11, false, 0},
      {"eight cycles apart: the run may have turned", CVector(-30, 10), 10, CVector(-37, 10), 18,
       false, 0},
  };
  for (const auto &row : rows)
  {
    CVector v(9, 9);
    EXPECT_EQ(row.paced, PaceFromPlaces(row.before, row.beforeTime, row.after, row.afterTime, kDecay,
                                        kSpeedMax, v))
        << row.what;
    EXPECT_NEAR(row.speed * kDecay, v.GetMag(), 1e-4f) << row.what;
    if (row.paced)
    {
      EXPECT_LT(v.GetX(), 0) << row.what;
    }
  }
}

TEST(PaceFromPlacesTest, ARecordTakesAPaceOnlyFromTheSameNumberedManAndOnlyWithoutOneOfItsOwn)
{
  const struct
  {
    const char *what;
    int beforeUNum, afterUNum;
    char beforeSide, afterSide;
    bool paced;
    bool takes;
  } rows[] = {
      {"the same man, news without a pace", 9, 9, 'r', 'r', false, true},
      {"the same man, news with its own pace", 9, 9, 'r', 'r', true, false},
      {"another number", 9, 10, 'r', 'r', false, false},
      {"no number", -999, -999, 'r', 'r', false, false},
      {"the same number of the other side", 9, 9, 'l', 'r', false, false},
  };
  for (const auto &row : rows)
  {
    CPlayer before;
    before.Init(row.beforeUNum, row.beforeSide, 0.3f, kDecay, kSpeedMax, 0.4f);
    before.SetGPos(CVector(-30, 10));
    before.SetPlaced(CVector(-30, 10), 10);
    CPlayer record;
    record.Init(row.afterUNum, row.afterSide, 0.3f, kDecay, kSpeedMax, 0.4f);
    record.SetGPos(CVector(-33, 10));
    const CVector own = row.paced ? CVector(0.1f, 0) : CVector(0, 0);
    record.SetVelocity(own);
    TakePaceFromPlaces(before, record, 13, row.paced);
    EXPECT_EQ(13, record.GetPlacedTime()) << row.what;
    EXPECT_FLOAT_EQ(-33, record.GetPlaced().GetX()) << row.what;
    // What was seen or told stays the record's velocity.
    EXPECT_FLOAT_EQ(own.GetX(), record.GetVelocity().GetX()) << row.what;
    if (row.takes)
    {
      EXPECT_LT(record.GetPlacedPace().GetX(), -0.2f) << row.what;
    }
    else
    {
      // A pace seen or told is the one the next news without a pace goes
      // on from; none besides.
      EXPECT_FLOAT_EQ(own.GetX(), record.GetPlacedPace().GetX()) << row.what;
      EXPECT_FLOAT_EQ(own.GetY(), record.GetPlacedPace().GetY()) << row.what;
    }
  }
}

TEST(PaceFromPlacesTest, AManRunningInRightByTheAgentIsPacedFromSightingsTwoCyclesInThree)
{
  // Seen in matches: their man ran in at our goal at half a metre a cycle a
  // metre or two from his marker, out of the marker's view cone; the
  // sightings that came gave no pace, and the places held him standing, so
  // the marker stood on his spot while the man ran past.
  const struct
  {
    const char *what;
    float viewerDist;  // how far the agent is from the man
    float pace;        // metres a cycle, at our goal
    float noise;       // each sighting off by this much, alternately
    bool paced;        // from the third sighting on
  } rows[] = {
      {"running in right by his marker", 2, 0.5f, 0, true},
      {"running in right by him, sightings a little off", 2, 0.5f, 0.1f, true},
      {"standing right by him, sightings a little off", 2, 0, 0.15f, false},
      // Far off, a run this slow is within the sightings' doubt, as it always was.
      {"running in 20 m off", 20, 0.4f, 0, false},
  };
  const int cycles[] = {10, 11, 13, 14, 16, 17, 19};
  for (const auto &row : rows)
  {
    CPlayer record;
    record.Init(9, 'r', 0.3f, kDecay, kSpeedMax, 0.4f);
    int sighting = 0;
    for (int at : cycles)
    {
      const CPlayer before = record;
      const float off = (sighting % 2 ? 1 : -1) * row.noise;
      record.SetGPos(CVector(-30 - row.pace * static_cast<float>(at - 10), off));
      // The agent keeps level with him, a little goal-side.
      const CVector viewer(record.GetGX() - 1, row.viewerDist);
      TakePaceFromPlaces(before, record, at, false, PlacesDoubt(viewer, before.GetPlaced(), record.GetGPos()));
      const float seen = -record.GetPlacedPace().GetX() / kDecay;
      if (sighting >= 2 && row.paced)
      {
        EXPECT_GT(seen, 0.3f) << row.what << " at " << at;
        EXPECT_LT(seen, row.pace + 0.05f) << row.what << " at " << at;
        EXPECT_GE(record.GetPlacedTime(), at - 1) << row.what << " at " << at;
      }
      if (!row.paced)
      {
        EXPECT_LT(record.GetPlacedPace().GetMag() / kDecay, 0.1f) << row.what << " at " << at;
      }
      sighting++;
    }
  }
}
}

namespace
{
TEST(PaceFromPlacesTest, APaceSeenIsKeptByTheNewsWithoutOneThatComesACycleAfter)
{
  // Seen in matches: a man running in at our goal right by his marker, seen
  // with his pace in one cycle and out of the view cone, with none, in the
  // next: the second sighting kept the first's place to reckon from and
  // passed on a pace of 0, and the marker held him standing.
  CPlayer record;
  record.Init(9, 'r', 0.3f, kDecay, kSpeedMax, 0.4f);
  const CVector seenPace(-0.2f, 0.05f);
  CPlayer before = record;
  record.SetGPos(CVector(-30, 0));
  record.SetVelocity(seenPace);
  TakePaceFromPlaces(before, record, 10, true);
  before = record;
  record.SetGPos(CVector(-30.5f, 0));
  record.SetVelocity(CVector(0, 0));
  TakePaceFromPlaces(before, record, 11, false, 0.3f);
  EXPECT_EQ(10, record.GetPlacedTime());
  EXPECT_FLOAT_EQ(seenPace.GetX(), record.GetPlacedPace().GetX());
  EXPECT_FLOAT_EQ(seenPace.GetY(), record.GetPlacedPace().GetY());
  // Two cycles on, the places tell the pace again.
  before = record;
  record.SetGPos(CVector(-31, 0));
  TakePaceFromPlaces(before, record, 12, false, 0.3f);
  EXPECT_EQ(12, record.GetPlacedTime());
  EXPECT_LT(record.GetPlacedPace().GetX(), -0.1f);
  EXPECT_NEAR(0, record.GetPlacedPace().GetY(), 0.01f);
}
}
