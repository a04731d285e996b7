#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "PlayerFixture.h"
#include "PlayerInterface.h"

namespace
{
using PlayerQueriesTest = PlayerFixture;
}

TEST_F(PlayerQueriesTest, SortedListsAreKeptForTheCycleAndTheirPoint)
{
  CMemory &m = memory();
  CPlayer *far = Mate(0, 20, 0);
  CPlayer *near = Mate(1, 5, 0);
  sorted_players list;
  m.SortValidFriends2Me(list);
  ASSERT_EQ(list.count, 2);
  EXPECT_EQ(list.players[0], near);

  // Within the cycle the list stands, even for a point moved by less than
  // epsilon...
  far->SetGPos(CVector(1, 0));
  m.SetGPos(CVector(0.0005f, 0));
  EXPECT_EQ(m.GetClosestValidFriend2Me(0), near);
  sorted_players untouched;
  untouched.count = -7;
  m.SortValidFriends2Me(untouched, false);
  EXPECT_EQ(untouched.count, -7);
  // ...but not for a point farther away, nor in the next cycle.
  EXPECT_EQ(m.GetClosestValidFriend2Point(0, CVector(0.01f, 0)), far);
  m.SetGPos(CVector(0, 0));
  m.SetTime(11);
  EXPECT_EQ(m.GetClosestValidFriend2Me(0), far);
  EXPECT_EQ(m.GetClosestValidFriend2Me(1), near);

  // The ball's list is sorted against the ball.
  PlaceBall(21, 0);
  m.SortValidFriends2Ball(list);
  EXPECT_EQ(list.players[0], near);
  EXPECT_EQ(list.reference.GetX(), 21);
  EXPECT_EQ(m.GetClosestValidFriend2Ball(0), near);
}

TEST_F(PlayerQueriesTest, TheOffsideLineIsTheSecondForemostOpponentLessAMetre)
{
  CMemory &m = memory();
  PlaceBall(-10, 0);
  Foe(0, -20, 0);
  EXPECT_FLOAT_EQ(m.GetOffsideLine(), -1.0f);
  // Cached for the cycle: later changes are not seen.
  Foe(1, 40, 0);
  Foe(2, 30, 0);
  EXPECT_FLOAT_EQ(m.GetOffsideLine(), -1.0f);

  m.SetTime(11);
  EXPECT_FLOAT_EQ(m.GetOffsideLine(), 29.0f);
  // Made by a defender not seen for a while, the line falls back no faster
  // than the ball can travel.
  m.GetAFoe(2)->SetGPos(CVector(0, 0));
  m.GetAFoe(2)->SetConf(0.5f);
  m.SetTime(12);
  EXPECT_FLOAT_EQ(m.GetOffsideLine(), 29.0f - 2.7f - 1.0f);
}

// Once the record making the line is dropped, or their back line is seen
// stepped up, the line is where the defender now making it stands: held
// back at the ball's pace it stood up to 45 m beyond their real line for a
// dozen cycles and our forwards waited offside. Only a line made by a
// record not seen lately still falls at that pace.
TEST_F(PlayerQueriesTest, TheOffsideLineFollowsADefenderSeenLately)
{
  CMemory &m = memory();
  const struct
  {
    const char *what;
    float defenderConf;  // the defender now making the line
    float ballX;
    float line;
  } rows[] = {
      {"seen last cycle", 0.962f, -10, 19.0f},
      {"seen three cycles ago", 0.962f * 0.962f * 0.962f, -10, 19.0f},
      {"heard of, seen long ago", 0.5f, -10, 40.0f - 2.7f - 1.0f},
      {"the ball ahead of a stale defender", 0.5f, 25, 24.0f},
  };
  int time = 20;
  for (const auto &row : rows)
  {
    for (int i = 0; i < 11; i++)
      m.GetAFoe(i)->SetConf(0);
    PlaceBall(-10, 0);
    m.SetTime(time);
    Foe(0, 47, 0, 1);
    Foe(1, 41, 0, 4);
    Foe(2, 20, 0)->SetConf(row.defenderConf);
    EXPECT_FLOAT_EQ(m.GetOffsideLine(), 40.0f) << row.what;
    m.SetTime(++time);
    m.GetAFoe(1)->SetConf(0);
    PlaceBall(row.ballX, 0);
    EXPECT_FLOAT_EQ(m.GetOffsideLine(), row.line) << row.what;
    time += 5;
  }
}

// Their keeper, some fifty metres from most of us, held twice a few metres
// apart made himself the line and put our forwards offside. Two records near
// the foremost one that no number tells apart count once; seen in one look,
// numbered apart, or farther off, both count.
TEST_F(PlayerQueriesTest, TheForemostOpponentHeldTwiceCountsOnce)
{
  CMemory &m = memory();
  const struct
  {
    const char *what;
    float secondX, secondY;
    int firstNum, secondNum;
    int secondSource;  // 0 seen, 1 told
    int secondAgo;     // cycles since the second record was written
    float line;
  } rows[] = {
      {"told twice, 3.7 m apart", 45.7f, 1.3f, -999, -999, 1, 0, 19.0f},
      {"seen and told, 6 m apart", 41.0f, 0, 1, -999, 1, 0, 19.0f},
      {"seen in two looks", 44.0f, 2, -999, -999, 0, 2, 19.0f},
      {"seen in one look: two players", 45.0f, 2, -999, -999, 0, 0, 44.0f},
      {"numbered apart", 45.0f, 2, 1, 4, 1, 0, 44.0f},
      {"farther off", 39.0f, 5, -999, -999, 1, 0, 38.0f},
  };
  int time = 50;
  for (const auto &row : rows)
  {
    for (int i = 0; i < 11; i++)
      m.GetAFoe(i)->SetConf(0);
    PlaceBall(-10, 0);
    m.SetTime(time);
    time += 5;
    Foe(0, 47, 0, row.firstNum);
    CPlayer *second = Foe(1, row.secondX, row.secondY, row.secondNum);
    second->SetSource(row.secondSource);
    second->SetTime(m.GetTime() - row.secondAgo);
    Foe(2, 20, 0);
    EXPECT_FLOAT_EQ(m.GetOffsideLine(), row.line) << row.what;
  }
}

TEST_F(PlayerQueriesTest, TheGoalieIsTheFlaggedPlayerOrTheOneNearestTheGoal)
{
  CMemory &m = memory();
  Mate(0, -30, 0);
  CPlayer *nearOurGoal = Mate(1, -50, 0);
  CPlayer *nearTheirGoal = Foe(0, 40, 0);
  CPlayer *keeper = Foe(1, 0, 0);
  EXPECT_EQ(m.OurGoalie(), nearOurGoal);
  EXPECT_EQ(m.TheirGoalie(), nearTheirGoal);
  keeper->SetIsGoalie(true);
  EXPECT_EQ(m.TheirGoalie(), keeper);
  keeper->SetConf(0);
  EXPECT_EQ(m.TheirGoalie(), nearTheirGoal);
}

// An empty sorted list still points every entry at a record.
TEST_F(PlayerQueriesTest, WithNobodyKnownTheListsAreEmptyButNeverNull)
{
  sorted_players list;
  memory().SortValidFoes2Ball(list);
  EXPECT_EQ(list.count, 0);
  for (CPlayer *entry : list.players)
    ASSERT_NE(entry, nullptr);
  EXPECT_EQ(memory().OurGoalie(), nullptr);
}

namespace
{
// A comparator with only the pairwise order: the sort asks it pair by pair,
// the way every comparator was asked before keys.
template <class Keyed> class PairwiseOnly : public BasePlayerCompare
{
public:
  explicit PairwiseOnly(CVector reference) : m_Keyed(reference) {}
  int Compare(CPlayer &first, CPlayer &second) override { return m_Keyed.Compare(first, second); }

private:
  Keyed m_Keyed;
};

template <class Keyed> std::vector<CPlayer *> SortedBoth(CMemory &m, CVector reference, int mask)
{
  Keyed keyed(reference);
  PairwiseOnly<Keyed> pairwise(reference);
  sorted_players byKey, byPair;
  m.DoSortyThing(mask, keyed, byKey);
  m.DoSortyThing(mask, pairwise, byPair);
  EXPECT_EQ(byKey.count, byPair.count);
  for (int i = 0; i < sorted_players::MAX_ENTRIES; i++)
    EXPECT_EQ(byKey.players[i], byPair.players[i]) << "place " << i;
  return std::vector<CPlayer *>(byKey.players, byKey.players + byKey.count);
}
}  // namespace

// Ties in every order (equal distances, equal x, equal confidence) keep the
// places the exchange sort gave them, whether the comparator hands out keys
// or only compares; so do players at no number at all (a NaN place).
TEST_F(PlayerQueriesTest, KeyedSortsKeepThePairwiseOrderOfTies)
{
  CMemory &m = memory();
  const struct
  {
    float x, y, conf;
  } mates[] = {{5, 0, 0.9f}, {0, 5, 0.9f}, {-5, 0, 0.8f}, {5, 0, 0.8f}, {3, 4, 1.0f}, {0, -5, 0.9f}, {20, 1, 0.8f}};
  for (int i = 0; i < static_cast<int>(sizeof mates / sizeof mates[0]); i++)
    Mate(i, mates[i].x, mates[i].y)->SetConf(mates[i].conf);
  Foe(0, 3, -4);
  Foe(1, -3, 4);
  const CVector origin(0, 0);
  const std::vector<CPlayer *> near = SortedBoth<DistPlayerCompare>(m, origin, MASK_TEAMMATES | MASK_OPPONENTS);
  ASSERT_EQ(near.size(), 9u);
  EXPECT_FLOAT_EQ(near.back()->GetGX(), 20);
  SortedBoth<LowestXPlayerCompare>(m, origin, MASK_TEAMMATES);
  SortedBoth<HighestXPlayerCompare>(m, origin, MASK_TEAMMATES | MASK_OPPONENTS);
  SortedBoth<HighestConfPlayerCompare>(m, origin, MASK_TEAMMATES);
  // Ascending, the two at one place wherever the exchange sort puts them.
  const std::vector<CPlayer *> apart =
      SortedBoth<DistPlayerCompare>(m, CVector(1.3f, 2.7f), MASK_TEAMMATES | MASK_OPPONENTS);
  for (std::size_t i = 1; i < apart.size(); i++)
    EXPECT_LE(apart[i - 1]->GetGPos().dist(CVector(1.3f, 2.7f)), apart[i]->GetGPos().dist(CVector(1.3f, 2.7f)));

  // Every distance different: the quicker sort's order.
  m.GetAFriend(3)->SetGPos(CVector(6, 0.5f));
  SortedBoth<DistPlayerCompare>(m, CVector(1.3f, 2.7f), MASK_TEAMMATES | MASK_OPPONENTS);
  SortedBoth<HighestXPlayerCompare>(m, origin, MASK_TEAMMATES);

  m.GetAFriend(3)->SetGPos(CVector(std::nanf(""), 0));
  SortedBoth<DistPlayerCompare>(m, CVector(1, 1), MASK_TEAMMATES);
  SortedBoth<LowestXPlayerCompare>(m, origin, MASK_TEAMMATES);
  SortedBoth<HighestXPlayerCompare>(m, origin, MASK_TEAMMATES);
}
