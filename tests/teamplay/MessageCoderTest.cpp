#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>

#include "MessageCoder.h"
#include "SipHash.h"

namespace
{
void ExpectNear(CVector got, CVector want, float tolerance, const std::string &what)
{
  EXPECT_NEAR(got.GetX(), want.GetX(), tolerance) << what;
  EXPECT_NEAR(got.GetY(), want.GetY(), tolerance) << what;
}
}  // namespace

// Worlds at the pitch's edges: the ball and the players in its corners and
// beyond its lines at the fastest they can be reported, a pass to the far
// corner; positions come back within 0.02 m, velocities within half a step,
// confidences within half a cycle's decay.
TEST(MessageCoder, WhatIsPackedComesBackWithinTheResolution)
{
  const CVector corners[4] = {CVector(-52.5f, -34), CVector(52.5f, 34), CVector(-57.5f, 39),
                              CVector(57.5f, -39)};
  const struct
  {
    char side;
    int time, sender, players;
    PlayMode mode;
    float ballConf;
  } rows[] = {{'l', 0, 1, 23, PM_BEFORE_KICK_OFF, 1}, {'r', 65535, 11, 4, -PM_GOALIE_CATCH_BALL, 0.41f},
              {'l', 3000, 7, 0, PM_DROP_BALL, 0}};
  for (const auto &row : rows)
  {
    TeamMessage m;
    m.time = row.time;
    m.sender = row.sender;
    m.playMode = row.mode;
    m.ball = {row.ballConf > 0, corners[row.time % 4], CVector(2.53f, 0).Rotate(row.time), row.ballConf};
    for (int i = 0; i < row.players; i++)
      m.players[m.playerCount++] = {i % 2 == 0, i % 12, i == 1, corners[i % 4],
                                    CVector(0.39f, 0).Rotate(i * 40.0f), 1 - 0.025f * i};
    m.pass = {row.players > 0, row.time, 11, corners[(row.time + 1) % 4]};
    const CMessageCoder coder(TeamMessageSettings{"Tarroks00", row.side, 61});
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    const std::string what = "time " + std::to_string(row.time);
    ASSERT_TRUE(coder.Encode(m, text, sizeof text)) << what;
    ASSERT_EQ(std::string(text).size(), 511u) << what;
    TeamMessage got;
    ASSERT_TRUE(coder.Decode(text, got)) << what;
    EXPECT_EQ(std::make_tuple(got.time, got.sender, got.playMode, got.ball.known, got.pass.announced),
              std::make_tuple(m.time, m.sender, m.playMode, m.ball.known, m.pass.announced))
      << what;
    const float confStep = 1 - std::sqrt(0.962f) + 1e-4f;
    if (m.ball.known)
    {
      ExpectNear(got.ball.pos, m.ball.pos, 0.02f, what + " ball");
      ExpectNear(got.ball.vel, m.ball.vel, 0.005f, what + " ball velocity");
      EXPECT_NEAR(got.ball.conf / m.ball.conf, 1, confStep) << what;
    }
    ASSERT_EQ(got.playerCount, m.playerCount) << what;
    for (int i = 0; i < got.playerCount; i++)
    {
      const TeamMessagePlayer &p = got.players[i], &want = m.players[i];
      const std::string who = what + " player " + std::to_string(i);
      EXPECT_EQ(std::make_tuple(p.ours, p.unum, p.goalie), std::make_tuple(want.ours, want.unum, want.goalie))
        << who;
      ExpectNear(p.pos, want.pos, 0.02f, who);
      ExpectNear(p.vel, want.vel, 0.0016f, who);
      EXPECT_NEAR(p.conf / want.conf, 1, confStep) << who;
    }
    if (m.pass.announced)
    {
      EXPECT_EQ(std::make_pair(got.pass.time, got.pass.receiver), std::make_pair(m.pass.time, 11)) << what;
      ExpectNear(got.pass.target, m.pass.target, 0.02f, what + " pass");
    }
  }
}

TEST(MessageCoder, OnlyAnIdentifierTheServerRelaysHeadsASay)
{
  for (const char *id : {"", "Tarroks 0", "Tar(oks", "Tarroks\"0", "ABCDEFGHIJK", "Tarroks00", "a.b-c_d?+/"})
    EXPECT_EQ(CMessageCoder::UsableIdentifier(id), id[0] == 'a' || std::string(id) == "Tarroks00") << id;
}

namespace
{
// A text forged after the layout: the player count is set by hand and the
// check made good again, so only the count can make the coder refuse it.
const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
const int kCheckSymbols = 11;
// Time, sender, side, play mode and the ball's known bit come first.
const int kPlayerCountBit = 16 + 4 + 1 + 6 + 1;
const int kPlayerCountBits = 5;

void SetBits(std::string &text, std::size_t from, int bit, int width, unsigned value)
{
  for (int i = 0; i < width; i++, bit++)
  {
    char &c = text[from + static_cast<std::size_t>(bit / 6)];
    int symbol = static_cast<int>(std::string(kAlphabet).find(c));
    const int mask = 1 << (5 - bit % 6);
    symbol = (value >> (width - 1 - i)) & 1u ? symbol | mask : symbol & ~mask;
    c = kAlphabet[symbol];
  }
}

// The team's keyed code over everything before it, as the team's players
// make it: the key's four bytes, then the identifier.
void Reseal(std::string &text, int encryptKey, const char *identifier)
{
  const std::size_t checked = text.size() - kCheckSymbols;
  unsigned char key[SIPHASH_KEY_LENGTH] = {};
  for (int i = 0; i < 4; i++)
    key[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(encryptKey) >> (8 * i));
  for (std::size_t i = 0; identifier[i] != '\0' && 4 + i < SIPHASH_KEY_LENGTH; i++)
    key[4 + i] = static_cast<unsigned char>(identifier[i]);
  const std::uint64_t code = siphash24(key, text.data(), checked);
  SetBits(text, checked, 0, 32, static_cast<std::uint32_t>(code >> 32));
  SetBits(text, checked, 32, 32, static_cast<std::uint32_t>(code));
}
}  // namespace

// Five bits could claim up to 31 players, more than a message holds: such a
// text is refused whole instead of filling players beyond the last.
TEST(MessageCoder, AClaimOfMorePlayersThanAMessageHoldsIsRefused)
{
  const char *id = "Tarroks00";
  const CMessageCoder coder(TeamMessageSettings{id, 'l', 61});
  TeamMessage m;
  m.time = 120;
  m.sender = 4;
  char text[CMessageCoder::MESSAGE_LENGTH + 1];
  ASSERT_TRUE(coder.Encode(m, text, sizeof text));
  const struct
  {
    unsigned count;
    bool accepted;
  } rows[] = {{0, true}, {TeamMessage::MAX_PLAYERS, true}, {TeamMessage::MAX_PLAYERS + 1, false}, {31, false}};
  for (const auto &row : rows)
  {
    std::string forged(text);
    SetBits(forged, std::strlen(id), kPlayerCountBit, kPlayerCountBits, row.count);
    Reseal(forged, 61, id);
    TeamMessage got;
    got.playerCount = 5;
    EXPECT_EQ(row.accepted, coder.Decode(forged.c_str(), got)) << row.count;
    EXPECT_EQ(row.accepted ? static_cast<int>(row.count) : 0, got.playerCount) << row.count;
    if (row.accepted)
    {
      EXPECT_EQ(std::make_pair(120, 4), std::make_pair(got.time, got.sender)) << row.count;
    }
  }
}

// A message of no ball, no players and no pass ends its fields at bit 34,
// two bits into a symbol; any bit set after it (in that symbol or in a
// whole one later) marks a garbled text even with the check made good, and
// so does the other side's bit, which only the other side's coder takes.
TEST(MessageCoder, ABitSetInTheFillingOrTheOtherSideIsRefused)
{
  const char *id = "Tarroks00";
  const CMessageCoder left(TeamMessageSettings{id, 'l', 61});
  const CMessageCoder right(TeamMessageSettings{id, 'r', 61});
  TeamMessage m;
  m.time = 300;
  m.sender = 9;
  char text[CMessageCoder::MESSAGE_LENGTH + 1];
  ASSERT_TRUE(left.Encode(m, text, sizeof text));
  const int kSideBit = 16 + 4;
  const int kFillingBit = 16 + 4 + 1 + 6 + 1 + 5 + 1;
  const int kDataBits = (CMessageCoder::MESSAGE_LENGTH - static_cast<int>(std::strlen(id)) - kCheckSymbols) * 6;
  const struct
  {
    int bit;
    bool byLeft, byRight;
  } rows[] = {{-1, true, false},
              {kSideBit, false, true},
              {kFillingBit, false, false},
              {kFillingBit + 1, false, false},
              {kFillingBit + 2, false, false},
              {kFillingBit + 200, false, false},
              {kDataBits - 1, false, false}};
  for (const auto &row : rows)
  {
    std::string forged(text);
    if (row.bit >= 0)
      SetBits(forged, std::strlen(id), row.bit, 1, 1);
    Reseal(forged, 61, id);
    TeamMessage byLeft, byRight;
    EXPECT_EQ(row.byLeft, left.Decode(forged.c_str(), byLeft)) << row.bit;
    EXPECT_EQ(row.byRight, right.Decode(forged.c_str(), byRight)) << row.bit;
    const TeamMessage &got = row.byLeft ? byLeft : byRight;
    if (row.byLeft || row.byRight)
    {
      EXPECT_EQ(std::make_pair(300, 9), std::make_pair(got.time, got.sender)) << row.bit;
    }
  }
}
