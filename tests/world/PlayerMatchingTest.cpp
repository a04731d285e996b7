#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "PlayerFixture.h"

namespace
{
class PlayerMatchingTest : public PlayerFixture
{
protected:
  // A sighting in the current cycle.
  CPlayer Seen(float x, float y, char side, int unum = -999)
  {
    CPlayer seen;
    Place(&seen, x, y, memory().GetTime(), unum, side);
    return seen;
  }

  CPlayer **Mates() { return Records(m_Mates, &CMemory::GetAFriend); }
  CPlayer **Foes() { return Records(m_Foes, &CMemory::GetAFoe); }

  // Where p is matched among the records, and with what score.
  int Match(CPlayer &p, CPlayer **records, float &score, bool takeOldest = true,
            bool seenOnly = true)
  {
    score = 9999;
    int index = -1;
    memory().MatchInArray(&p, records, 11, takeOldest, score, index, seenOnly);
    return index;
  }

private:
  CPlayer **Records(CPlayer **to, CPlayer *(CMemory::*get)(int) const)
  {
    for (int i = 0; i < 11; i++)
      to[i] = (memory().*get)(i);
    return to;
  }

  CPlayer *m_Mates[11];
  CPlayer *m_Foes[11];
};
}

namespace
{
class ShortMatchTimeTest : public PlayerMatchingTest
{
protected:
  void Configure(MCDictIniSafe &config) override { config.insert("Memory", "match_time_thr", 3); }
};
}

TEST_F(ShortMatchTimeTest, ARecordAsOldAsTheConfiguredLimitIsNoMatch)
{
  Place(memory().GetAFriend(0), 10, 0, 8);
  CPlayer near = Seen(11, 0, 'l');
  float score;
  EXPECT_EQ(Match(near, Mates(), score, false), 0);
  memory().SetTime(11);
  CPlayer later = Seen(11, 0, 'l');
  EXPECT_EQ(Match(later, Mates(), score, false), -1);
}

TEST_F(PlayerMatchingTest, ARecordWrittenThisCycleIsNotMatchedAgain)
{
  CMemory &m = memory();
  for (int i = 0; i < 11; i++)
    Place(m.GetAFriend(i), 3.0f * i, 0, m.GetTime(), i + 1);
  m.GetAFriend(0)->SetSource(1);

  // A second sighting can take only the record written from a message, and
  // a message only the one written from a sighting.
  float score;
  CPlayer seen = Seen(1, 0, 'l');
  EXPECT_EQ(Match(seen, Mates(), score), 0);
  CPlayer message = Seen(1, 0, 'l');
  message.SetSource(1);
  EXPECT_EQ(Match(message, Mates(), score, true, false), 1);

  // With every record taken a sighting is dropped.
  m.GetAFriend(0)->SetSource(0);
  m.StorePlayer(&seen, Mates(), nullptr, nullptr);
  EXPECT_EQ(m.GetAFriend(0)->GetGX(), 0);
}

TEST_F(PlayerMatchingTest, SightingsAreCopiedIntoTheirRecords)
{
  CMemory &m = memory();
  CPlayer *record = Place(m.GetAFriend(0), 10, 0, 8, 9);
  CPlayer seen = Seen(11, 0, 'l');
  m.StorePlayer(&seen, Mates(), nullptr, nullptr);
  EXPECT_EQ(record->GetUNum(), 9);
  EXPECT_EQ(record->GetGX(), 11);
  EXPECT_FLOAT_EQ(record->GetRBMag(), 11);

  // A close player of unknown team takes the side and number of its match,
  // here team-mate record 0, though an opponent matches too, less well.
  CPlayer *foe = Place(m.GetAFoe(2), 13, 0, 10, -999, 'r');
  CPlayer close = Seen(11.5f, 0, 'c', 0);
  std::vector<CPlayer> closeRecords(11);
  std::vector<CPlayer *> closeArray;
  for (CPlayer &r : closeRecords)
    closeArray.push_back(&r);
  m.SetTime(11);
  m.StorePlayer(&close, Foes(), Mates(), closeArray.data());
  EXPECT_EQ(record->GetSide(), 'l');
  EXPECT_EQ(record->GetUNum(), 9);
  EXPECT_EQ(record->GetGX(), 11.5f);
  EXPECT_EQ(foe->GetGX(), 13);

  // Matching nobody, a player of unknown side is filed as one of theirs.
  std::vector<CPlayer> unknownRecords(22);
  std::vector<CPlayer *> unknownArray;
  for (CPlayer &r : unknownRecords)
    unknownArray.push_back(&r);
  CPlayer lone = Seen(-40, 20, 'u', 3);
  m.StorePlayer(&lone, Foes(), Mates(), unknownArray.data());
  EXPECT_EQ(unknownRecords[0].GetGX(), -40);
  EXPECT_EQ(unknownRecords[0].GetSide(), 'r');
  EXPECT_EQ(unknownRecords[0].GetUNum(), -999);
}

TEST_F(PlayerMatchingTest, HeardPlayersAreDatedAndReplaceOnlyWhatIsLessSure)
{
  CMemory &m = memory();
  m.SetTime(100);
  CPlayer *record = Place(m.GetAFriend(0), 20, 0, 90, 7);
  record->SetConf(0.9f);
  record->SetRPos(CVector(20, 0));
  CPlayer heard;
  Place(&heard, 25, 0, 100, -999, 'l');
  heard.SetSource(1);
  heard.SetConf(0.5f);
  // Confidence 0.5 dates the sighting 18 cycles back: 8 after the record.
  float score;
  EXPECT_EQ(Match(heard, Mates(), score, true, false), 0);
  EXPECT_FLOAT_EQ(score, 8 * 5);

  m.StorePlayerFromAudio(heard);
  EXPECT_EQ(record->GetGX(), 20);
  // Nearly as sure and nearer: taken, with the record's number.
  heard.SetConf(0.85f);
  heard.SetRPos(CVector(10, 0));
  m.StorePlayerFromAudio(heard);
  EXPECT_EQ(record->GetGX(), 25);
  EXPECT_EQ(record->GetUNum(), 7);
  EXPECT_EQ(record->GetSource(), 1);

  // The agent itself, by number or by standing there, is not stored.
  CPlayer me;
  Place(&me, 1, 0, 100, 5, 'l');
  m.StorePlayerFromAudio(me);
  Place(&me, 1, 0, 100, -999, 'l');
  m.StorePlayerFromAudio(me);
  for (int i = 1; i < 11; i++)
    EXPECT_FALSE(m.GetAFriend(i)->GetPositionValid());
}

TEST_F(PlayerMatchingTest, TheVisualsPlayersAreFiledOnceBySide)
{
  CMemory &m = memory();
  m.SetPlayer(10, 3, 'l', 5, 0, -999, -999, -999, -999, false);
  m.SetPlayer(10, -999, 'u', 40, 0, -999, -999, -999, -999, false);
  m.StorePlayers();
  ASSERT_NE(m.GetAValidFriend(0), nullptr);
  EXPECT_EQ(m.GetAValidFriend(0)->GetUNum(), 3);
  EXPECT_EQ(m.GetAValidFriend(1), nullptr);
  // The player of unknown side is taken for one of theirs.
  ASSERT_NE(m.GetAValidFoe(0), nullptr);
  EXPECT_EQ(m.GetAValidFoe(0)->GetSide(), 'r');
  EXPECT_EQ(m.GetAValidFoe(0)->GetUNum(), -999);
  EXPECT_EQ(m.GetAValidFoe(1), nullptr);

  // Filed once: a second call in the cycle finds the buffer spent.
  m.GetAValidFriend(0)->SetConf(0);
  m.StorePlayers();
  EXPECT_EQ(m.GetAValidFriend(0), nullptr);
}

// What the agent saw in this cycle stays: a heard ball or player, however
// sure, replaces it only in a later cycle; a record heard in this cycle
// may still be bettered by another message.
TEST_F(PlayerMatchingTest, WhatWasSeenThisCycleOutranksWhatIsHeard)
{
  CMemory &m = memory();
  m.SetTime(100);
  CBall *ball = m.GetNonConstBall();
  ball->SetTime(100);
  ball->SetConf(1);
  ball->SetGPos(CVector(10, 0));
  ball->SetRPos(CVector(10, 0));
  CPlayer *record = Place(m.GetAFriend(0), 20, 0, 100, 7);
  record->SetRPos(CVector(20, 0));

  CBall heardBall;
  heardBall.SetTime(100);
  heardBall.SetConf(1);
  heardBall.SetGPos(CVector(11, 0));
  heardBall.SetRPos(CVector(1, 0));
  CPlayer heard;
  Place(&heard, 20.5f, 0, 100, 7, 'l');
  heard.SetRPos(CVector(1, 0));
  // Later: past the cycles our own sighting of a player outranks a word.
  for (int time : {100, 104})
  {
    m.SetTime(time);
    heardBall.SetTime(time);
    heard.SetTime(time);
    m.StoreBallFromAudio(heardBall);
    m.StorePlayerFromAudio(heard);
    const bool later = time == 104;
    EXPECT_EQ(ball->GetGX(), later ? 11 : 10) << time;
    EXPECT_EQ(record->GetGX(), later ? 20.5f : 20) << time;
  }
  // Heard in this cycle, then heard nearer: the second word wins.
  heardBall.SetGPos(CVector(12, 0));
  heardBall.SetRPos(CVector(0.5f, 0));
  m.StoreBallFromAudio(heardBall);
  EXPECT_EQ(ball->GetGX(), 12);
}

// Near us our own sense of the ball, a cycle or two old, beats a team-mate's
// word (he places it from afar and from where he reckons himself), and so
// does our sighting of that age up to 30 m off (a word was 0.7 m off on the
// median and 3.2 m at the 90th percentile 3-15 m from us, our own two-cycle
// old sighting 0.3 m and 2.6 m); farther off, or lost from our senses for
// longer, his word is taken. A word of a ball moving otherwise than ours
// (news of a kick we had not seen) was no better on the median than ours.
TEST_F(PlayerMatchingTest, OurOwnRecentSenseOfANearBallOutranksWhatIsHeard)
{
  CMemory &m = memory();
  const struct
  {
    float ownX;     // our ball, we standing at the origin
    int sensedAgo;  // cycles since we saw or felt it
    bool heardBefore;  // our ball itself came from a team-mate's word
    bool taken;
    float heardSpeed;  // ours stands still
  } rows[] = {{0.8f, 1, false, false, 0},  {2.9f, 2, false, false, 0}, {0.8f, 3, false, true, 0},
              {20.0f, 2, false, false, 0}, {31.0f, 1, false, true, 0}, {0.8f, 1, true, true, 0},
              // Moving otherwise than ours: still ours.
              {20.0f, 1, false, false, 1.5f}, {2.0f, 1, false, false, 1.5f}};
  for (const auto &row : rows)
  {
    m.SetTime(200);
    m.SetGPos(CVector(0, 0));
    CBall *ball = m.GetNonConstBall();
    ball->SetTime(200 - row.sensedAgo);
    ball->SetHeardTime(row.heardBefore ? 200 - row.sensedAgo : -999);
    ball->SetConf(0.8f);
    ball->SetGPos(CVector(row.ownX, 0));
    ball->SetRPos(CVector(row.ownX, 0));
    ball->SetVelocity(CVector(0, 0));

    CBall heardBall;
    heardBall.SetTime(200);
    heardBall.SetConf(1);
    heardBall.SetGPos(CVector(row.ownX + 1, 0));
    heardBall.SetRPos(CVector(row.ownX + 1, 0));
    heardBall.SetVelocity(CVector(row.heardSpeed, 0));
    m.StoreBallFromAudio(heardBall);
    EXPECT_EQ(ball->GetGX(), row.taken ? row.ownX + 1 : row.ownX)
        << row.ownX << " " << row.sensedAgo << " " << row.heardBefore;
  }
}

// Placed from where the teller reckons himself, from his own sighting and
// under his numbering, a team-mate's word put an opponent near us 1.2 m off
// on the median and 4 m at the 90th percentile; our own sighting three
// cycles old was 1.0 m and 2.2 m off. Ours stands for three cycles; a record that
// itself came from a word, or our sighting grown older, gives way.
TEST_F(PlayerMatchingTest, OurOwnRecentSightingOfAPlayerOutranksWhatIsHeard)
{
  CMemory &m = memory();
  const struct
  {
    bool mate;
    int seenAgo;
    bool heardBefore;
    bool taken;
  } rows[] = {{false, 1, false, false}, {false, 3, false, false}, {true, 2, false, false},
              {false, 4, false, true},  {true, 5, false, true},   {false, 1, true, true}};
  for (const auto &row : rows)
  {
    m.SetTime(300);
    m.SetGPos(CVector(0, 0));
    CPlayer *record = row.mate ? m.GetAFriend(0) : m.GetAFoe(0);
    Place(record, 8, 0, 300 - row.seenAgo, 7, row.mate ? 'l' : 'r');
    record->SetConf(0.8f);
    record->SetSource(row.heardBefore ? 1 : 0);

    CPlayer heard;
    Place(&heard, 9.5f, 0, 300, 7, row.mate ? 'l' : 'r');
    heard.SetConf(1);
    m.StorePlayerFromAudio(heard);
    EXPECT_FLOAT_EQ(record->GetGX(), row.taken ? 9.5f : 8)
        << row.mate << " " << row.seenAgo << " " << row.heardBefore;
  }
}

namespace
{
// A message as it reaches the store: an opponent told at (x, y) with the
// teller's confidence, placed relative to us at the origin looking along x.
CPlayer Told(float x, float y, float conf, int unum = -999, char side = 'r')
{
  CPlayer heard;
  heard.Init(unum, side, 0.3f, 0.4f, 1.0f, 0.4f);
  heard.SetGPos(CVector(x, y));
  heard.SetTime(0);
  heard.SetConf(conf);
  heard.SetSource(1);
  heard.SetRPos(CVector(x, y));
  return heard;
}

// Every opponent record unknown again, as at the start of a match.
void ForgetFoes(CMemory &m)
{
  for (int i = 0; i < 11; i++)
  {
    CPlayer *foe = m.GetAFoe(i);
    foe->SetConf(0);
    foe->SetTime(0);
    foe->SetUNum(-999);
    foe->SetSource(0);
  }
}

int ValidFoes(CMemory &m)
{
  int n = 0;
  while (m.GetAValidFoe(n))
    n++;
  return n;
}
}

// A teller who holds one of their players twice (his own sighting and an
// older word of him) tells both in one message. Filed apart, the second
// took another record, every listener held the player twice and told him
// twice in turn: their keeper stood twice near their goal and the offside
// line our forwards kept to was the keeper's. Told twice, one record keeps
// the surer word; two players the teller tells apart stay two.
TEST_F(PlayerMatchingTest, APlayerToldTwiceInOneMessageIsOnePlayer)
{
  const struct
  {
    const char *what;
    float x1, y1, conf1;
    int unum1;
    float x2, y2, conf2;
    int unum2;
    int records;
    float keptX;  // the surviving record nearest their goal
  } rows[] = {
      {"the same place twice", 45.4f, -1.4f, 0.79f, -999, 45.4f, -1.4f, 0.79f, -999, 1, 45.4f},
      {"a fresh and an older word, apart by his run", 44.2f, 0.5f, 0.86f, -999, 50.6f, -0.2f, 0.60f, -999, 1, 44.2f},
      {"the surer second word wins", 49.5f, -0.6f, 0.79f, -999, 47.0f, 0, 0.96f, 1, 1, 47.0f},
      {"two numbers are two players", 45.0f, 0, 0.9f, 1, 46.0f, 1, 0.9f, 4, 2, 46.0f},
      {"two fresh words far apart", 40.0f, 0, 0.96f, -999, 40.0f, 6, 0.96f, -999, 2, 40.0f},
  };
  CMemory &m = memory();
  for (const auto &row : rows)
  {
    ForgetFoes(m);
    m.SetTime(500);
    CPlayer first = Told(row.x1, row.y1, row.conf1, row.unum1);
    first.SetTime(500);
    CPlayer second = Told(row.x2, row.y2, row.conf2, row.unum2);
    second.SetTime(500);
    m.StorePlayerFromAudio(first);
    m.StorePlayerFromAudio(second);
    EXPECT_EQ(ValidFoes(m), row.records) << row.what;
    float keptX = -99;
    for (int i = 0; m.GetAValidFoe(i); i++)
      keptX = std::max(keptX, m.GetAValidFoe(i)->GetGX());
    EXPECT_FLOAT_EQ(keptX, row.keptX) << row.what;
    if (row.records == 1 && row.unum2 > 0)
    {
      EXPECT_EQ(m.GetAValidFoe(0)->GetUNum(), row.unum2) << row.what;
    }
  }
}

// With no record near a sighting or a word, the least sure record gives way,
// not the one filed longest ago: that was one we saw two cycles before,
// while a word of a player the teller had lost sight of long ago stood.
TEST_F(PlayerMatchingTest, ANewPlayerTakesTheLeastSureRecord)
{
  CMemory &m = memory();
  const struct
  {
    const char *what;
    int staleTime;  // the cycle the least sure record was written in
    float staleConf;
    bool heard;     // the new player comes as a word, not a sighting
  } rows[] = {
      {"a stale word written last cycle", 499, 0.5f, false},
      {"a record past trusting", 499, 0.3f, false},
      {"a stale word, heard of", 499, 0.5f, true},
  };
  for (const auto &row : rows)
  {
    ForgetFoes(m);
    m.SetTime(500);
    // Ten of them seen two cycles ago, far from the newcomer...
    for (int i = 0; i < 11; i++)
    {
      Foe(i, -40.0f + 4 * static_cast<float>(i), -30, i + 1);
      m.GetAFoe(i)->SetTime(498);
      m.GetAFoe(i)->SetConf(0.925f);
    }
    // ...and one told of lately by a teller who saw him long before.
    CPlayer *stale = m.GetAFoe(6);
    stale->SetTime(row.staleTime);
    stale->SetConf(row.staleConf);
    stale->SetSource(1);

    CPlayer newcomer = row.heard ? Told(30, 20, 0.96f) : Seen(30, 20, 'r');
    newcomer.SetTime(500);
    if (row.heard)
      m.StorePlayerFromAudio(newcomer);
    else
      m.StorePlayer(&newcomer, Foes(), nullptr, nullptr);
    EXPECT_EQ(stale->GetGX(), 30) << row.what;
    EXPECT_EQ(m.GetAFoe(0)->GetGX(), -40) << row.what;
  }
}

// A word of a player where our own look of this cycle or the last showed
// nobody, the word no newer than the look, is a player who is not there:
// kept, it held a ghost for every listener, told on from one to the next.
// Anybody seen near the place may be him (a far player shows no team), and
// a place we did not look at, or looked at before the word, is taken.
TEST_F(PlayerMatchingTest, AWordOfAPlayerWhereWeSawNobodyIsDropped)
{
  CMemory &m = memory();
  const struct
  {
    const char *what;
    float x, y;       // the word, we at the origin looking along x
    float conf;       // 1: the teller saw him in this cycle
    int lookedAgo;    // cycles since our latest look
    bool mateSeenNear;  // a player seen near the place, taken for one of ours
    bool kept;
  } rows[] = {
      {"in view, nobody there", 30, 5, 0.96f, 0, false, false},
      {"in view last cycle, nobody there", 30, 5, 0.96f, 1, false, false},
      {"in view, somebody near", 30, 5, 0.96f, 0, true, true},
      {"behind us", -30, 5, 0.96f, 0, false, true},
      {"at our side, near the cone's edge", 20, 18, 0.96f, 0, false, true},
      {"near enough to be felt, not seen", 2, 0.5f, 0.96f, 0, false, true},
      {"newer than our look", 30, 5, 1.0f, 1, false, true},
      {"our look too old", 30, 5, 0.96f, 2, false, true},
  };
  sensebody sb = m.GetSB();
  std::strcpy(sb.view_width, "normal");
  m.SetSB(sb);
  m.SetFacing(0);
  for (const auto &row : rows)
  {
    ForgetFoes(m);
    for (int i = 0; i < 11; i++)
      m.GetAFriend(i)->SetConf(0);
    m.SetTime(600);
    m.SetLastVisualTime(600 - row.lookedAgo);
    if (row.mateSeenNear)
      Place(m.GetAFriend(0), row.x + 1, row.y - 1, 600 - row.lookedAgo, 7, 'l');
    CPlayer heard = Told(row.x, row.y, row.conf);
    heard.SetTime(600);
    m.StorePlayerFromAudio(heard);
    EXPECT_EQ(ValidFoes(m), row.kept ? 1 : 0) << row.what;
  }
}

namespace
{
TEST_F(PlayerMatchingTest, AManSeenOrToldWithoutAPaceTakesItFromHisPlaceBefore)
{
  // Seen in matches: their striker running in behind our marker, sighted
  // without his number's change information or passed on by a team-mate
  // who knew no pace, was held standing, and the marker's spot lagged him.
  CMemory &m = memory();
  m.SetTime(20);
  CPlayer first = Seen(-30, 10, 'r', 9);
  first.SetDistChng(-999);
  first.SetDirChng(-999);
  m.StorePlayer(&first, Foes(), nullptr, nullptr);
  const CPlayer *record = m.GetAFoe(0);
  EXPECT_EQ(20, record->GetPlacedTime());

  // Three cycles on, 3 m nearer our goal, seen again without a pace.
  m.SetTime(23);
  CPlayer second = Seen(-33, 10, 'r', 9);
  second.SetDistChng(-999);
  second.SetDirChng(-999);
  m.StorePlayer(&second, Foes(), nullptr, nullptr);
  EXPECT_EQ(record, m.GetAFoe(0));
  EXPECT_LT(record->GetPlacedPace().GetX(), -0.2f);
  EXPECT_FLOAT_EQ(0, record->GetVelocity().GetMag());

  // A word four cycles on, its sighting dated back by its confidence, from
  // a teller who knew no pace: the pace from the two places.
  m.SetTime(27);
  m.GetAFoe(0)->SetConf(0.5f);
  CPlayer heard;
  heard.Init(9, 'r', 0.3f, 0.4f, 1.05f, 0.4f);
  heard.SetGPos(CVector(-35.5f, 10));
  heard.SetTime(27);
  heard.SetConf(0.95f);
  heard.SetRPos(CVector(-35.5f, 10));
  m.StorePlayerFromAudio(heard);
  EXPECT_FLOAT_EQ(-35.5f, record->GetGX());
  EXPECT_GT(record->GetPlacedTime(), 23);
  EXPECT_LT(record->GetPlacedTime(), 27);
  EXPECT_LT(record->GetPlacedPace().GetX(), -0.1f);
}
}
