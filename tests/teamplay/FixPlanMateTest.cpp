// Which team-mate a set play's box finds: the nearest to the box's centre
// of those inside it, on the world model's own records.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "AgentHarness.h"
#include "CFixPlanRunner.h"
#include "CPlayer.h"

namespace
{
class FixPlanMateTest : public AgentFixture
{
protected:
  void SetUp() override
  {
    AgentFixture::SetUp();
    agent->SetTime(42);
    agent->SetSide('l');
    agent->SetUNum(9);
    testing::internal::CaptureStdout();
    agent->memory->InitPlayerArrays('l', config);
    agent->brain->Init(config);
    testing::internal::GetCapturedStdout();
    runner.reset(new CFixPlanRunner(*agent->brain));
    for (int i = 0; i < kRecords; i++)
      Record(i, 0, CVector(), 0);
  }

  // Team-mate record i: his number, place and confidence (0: not valid).
  CPlayer *Record(int i, int unum, CVector at, float conf)
  {
    CPlayer *p = agent->memory->GetAFriend(i);
    p->SetUNum(unum);
    p->SetGPos(at);
    p->SetConf(conf);
    p->SetTime(42);
    return p;
  }

  static FIXPLANREGION Box(CVector centre, CVector size)
  {
    FIXPLANREGION region;
    region.given = true;
    region.centre = centre;
    region.size = size;
    return region;
  }

  static const int kRecords = 11;
  std::unique_ptr<CFixPlanRunner> runner;
};
}  // namespace

TEST_F(FixPlanMateTest, TheNearestToTheCentreOfThoseInTheBox)
{
  CPlayer *near = Record(0, 2, CVector(1, 1), 1);
  CPlayer *far = Record(1, 3, CVector(4, 4), 1);
  Record(2, 4, CVector(0.5f, 0), 0.1f);  // not valid, though nearest
  Record(3, 5, CVector(20, 0), 1);       // outside the box
  const struct
  {
    FIXPLANREGION box;
    int unum;
    const CPlayer *found;
  } rows[] = {{Box(CVector(0, 0), CVector(10, 10)), 0, near},
              {Box(CVector(0, 0), CVector(10, 10)), 3, far},
              {Box(CVector(0, 0), CVector(10, 10)), 4, nullptr},
              {Box(CVector(0, 0), CVector(10, 10)), 5, nullptr},
              {Box(CVector(5, 5), CVector(3, 3)), 0, far},
              {Box(CVector(-20, 0), CVector(10, 10)), 0, nullptr},
              {FIXPLANREGION(), 0, nullptr}};
  for (const auto &row : rows)
  {
    EXPECT_EQ(row.found, runner->FixPlanMate(row.box, row.unum)) << row.unum;
    EXPECT_EQ(row.found, runner->SortedFixPlanMate(row.box, row.unum)) << row.unum;
  }
}

// Two at the same distance: the sort's order of equal distances decides,
// whichever record comes first.
TEST_F(FixPlanMateTest, TwoAtTheSameDistanceAreDecidedAsTheSortDecides)
{
  const struct
  {
    CVector a, b, c;
  } rows[] = {{CVector(2, 0), CVector(-2, 0), CVector(3, 3)},
              {CVector(-2, 0), CVector(2, 0), CVector(1, 3)},
              {CVector(0, 3), CVector(3, 0), CVector(0, -3)},
              {CVector(4, 4), CVector(1, 1), CVector(-1, -1)}};
  for (const auto &row : rows)
  {
    Record(0, 2, row.a, 1);
    Record(1, 3, row.b, 1);
    Record(2, 4, row.c, 1);
    const FIXPLANREGION box = Box(CVector(0, 0), CVector(10, 10));
    const CPlayer *sorted = runner->SortedFixPlanMate(box, 0);
    ASSERT_NE(nullptr, sorted);
    EXPECT_EQ(sorted, runner->FixPlanMate(box, 0)) << row.a.GetX() << " " << row.b.GetX();
  }
}

// Places on a coarse grid, so that equal distances are common, some records
// not valid, some numbers repeated, some places no number at all.
TEST_F(FixPlanMateTest, GivesTheSortsAnswerOnManyWorlds)
{
  std::mt19937 random(25);
  std::uniform_int_distribution<int> grid(-6, 6), unum(0, 6), pick(0, 19);
  int found = 0;
  for (int world = 0; world < 4000; world++)
  {
    for (int i = 0; i < kRecords; i++)
    {
      CVector at(static_cast<float>(grid(random)), static_cast<float>(grid(random)));
      if (pick(random) == 0)
        at = CVector(NAN, 0);
      Record(i, unum(random), at, pick(random) < 4 ? 0 : 1);
    }
    const CVector centre(static_cast<float>(grid(random)) / 2, static_cast<float>(grid(random)) / 2);
    const CVector size(static_cast<float>(pick(random)), static_cast<float>(pick(random)));
    const int who = pick(random) < 10 ? 0 : unum(random);
    const FIXPLANREGION box = Box(centre, size);
    const CPlayer *sorted = runner->SortedFixPlanMate(box, who);
    found += sorted != nullptr;
    ASSERT_EQ(sorted, runner->FixPlanMate(box, who)) << "world " << world;
  }
  // The worlds are not all empty boxes.
  EXPECT_GT(found, 1000);
}
