#include <gtest/gtest.h>

#include "PlayerFixture.h"

namespace
{
using PlayerQueriesTest = PlayerFixture;
}

// The exchange sort puts equal keys in an order later queries rely on.
TEST_F(PlayerQueriesTest, EqualKeysKeepTheExchangeSortsOrder)
{
  CMemory &m = memory();
  CPlayer *b1 = Mate(0, 2, 0);
  CPlayer *b2 = Mate(1, 0, 2);
  CPlayer *a = Mate(2, 1, 0);
  DistPlayerCompare byDistance(CVector(0, 0));
  sorted_players list;
  m.DoSortyThing(MASK_TEAMMATES, byDistance, list);
  ASSERT_EQ(list.count, 3);
  EXPECT_EQ(list.players[0], a);
  EXPECT_EQ(list.players[1], b2);
  EXPECT_EQ(list.players[2], b1);

  a->SetConf(0.4f);  // at the threshold: no longer valid
  m.DoSortyThing(MASK_TEAMMATES, byDistance, list);
  ASSERT_EQ(list.count, 2);
  EXPECT_EQ(list.players[0], b1);
  EXPECT_EQ(list.players[1], b2);
  EXPECT_EQ(m.GetAValidFriend(1), b2);
  EXPECT_EQ(m.GetAValidFriend(2), nullptr);
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

TEST_F(PlayerQueriesTest, PlayerWithinAWindowPrefersOpponents)
{
  CMemory &m = memory();
  CPlayer *mate = Mate(0, 10, 0);
  CPlayer *foe = Foe(0, 0, 10);
  for (CPlayer *p : {mate, foe})
  {
    p->UpdateRPos(m.GetGPos(), 0, 11);
    p->UpdateRBPos(m.GetGPos(), 0, 11);
  }
  EXPECT_EQ(m.GetPlayerWithin(1, 10, 10, 90), foe);
  EXPECT_EQ(m.GetPlayerWithin(1, 10, 10, 0), mate);
  EXPECT_EQ(m.GetPlayerWithin(1, 10, 10, 45), nullptr);
  EXPECT_EQ(m.GetPlayerWithin(1, 50, 10, 45), foe);
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
  // The line falls back no faster than the ball can travel.
  m.GetAFoe(2)->SetGPos(CVector(0, 0));
  m.SetTime(12);
  EXPECT_FLOAT_EQ(m.GetOffsideLine(), 29.0f - 2.7f - 1.0f);
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
