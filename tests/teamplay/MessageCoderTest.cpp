#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "MessageCoder.h"

namespace
{
TeamMessageSettings Settings(char side = 'l', const char *id = "Tarroks00", int key = 61)
{
  TeamMessageSettings s;
  s.identifier = id;
  s.side = side;
  s.encryptKey = key;
  return s;
}

TeamMessagePlayer Player(bool ours, int unum, CVector pos, CVector vel, float conf, bool goalie = false)
{
  TeamMessagePlayer p;
  p.ours = ours;
  p.unum = unum;
  p.goalie = goalie;
  p.pos = pos;
  p.vel = vel;
  p.conf = conf;
  return p;
}

// A world at the pitch's edges: the ball in one corner or beyond the line,
// players in the others, a pass into the far corner.
TeamMessage EdgeWorld(int time, int sender, PlayMode mode, CVector ball, CVector ballVel, float conf,
                      int players)
{
  TeamMessage m;
  m.time = time;
  m.sender = sender;
  m.playMode = mode;
  m.ball.known = conf > 0;
  m.ball.pos = ball;
  m.ball.vel = ballVel;
  m.ball.conf = conf;
  const CVector corners[4] = {CVector(-52.5f, -34), CVector(52.5f, 34), CVector(-57.5f, 39),
                              CVector(57.5f, -39)};
  for (int i = 0; i < players; i++)
    m.players[m.playerCount++] =
      Player(i % 2 == 0, i % 12, corners[i % 4], CVector(i % 3 ? 0.3f : -0.3f, 0.06f * (i % 5)),
             i == 0 ? 1.0f : 0.98f - 0.025f * i, i == 1);
  m.pass.announced = players > 3;
  m.pass.time = time > 0 ? time - 1 : 0;
  m.pass.receiver = 11;
  m.pass.target = CVector(52.5f, -34);
  return m;
}

void ExpectNear(CVector got, CVector want, float tolerance, const std::string &what)
{
  EXPECT_NEAR(got.GetX(), want.GetX(), tolerance) << what;
  EXPECT_NEAR(got.GetY(), want.GetY(), tolerance) << what;
}

// Confidence travels as whole cycles of decay: within half a cycle's drop.
void ExpectConf(float got, float want, const std::string &what)
{
  EXPECT_NEAR(got / want, 1.0f, 1 - std::sqrt(0.962f) + 1e-4f) << what;
}
}  // namespace

TEST(MessageCoder, WhatIsPackedComesBackWithinTheResolution)
{
  const struct
  {
    char side;
    TeamMessage m;
  } rows[] = {
    {'l', EdgeWorld(0, 1, PM_BEFORE_KICK_OFF, CVector(-52.5f, -34), CVector(2.5f, -0.3f), 1, 23)},
    {'r', EdgeWorld(65535, 11, -PM_GOALIE_CATCH_BALL, CVector(52.5f, 34), CVector(), 0.5f, 4)},
    {'l', EdgeWorld(3000, 7, PM_DROP_BALL, CVector(57.5f, -39), CVector(-1.2f, 2.2f), 0.41f, 1)},
    {'r', EdgeWorld(42, 3, PM_PLAY_ON, CVector(), CVector(), 0, 0)},
  };
  for (const auto &row : rows)
  {
    const std::string what = "time " + std::to_string(row.m.time);
    const CMessageCoder coder(Settings(row.side));
    char text[CMessageCoder::MESSAGE_LENGTH + 1];
    ASSERT_TRUE(coder.Encode(row.m, text, sizeof text)) << what;
    ASSERT_EQ(std::string(text).size(), 511u) << what;
    EXPECT_EQ(std::string(text).substr(0, 9), "Tarroks00");
    TeamMessage got;
    ASSERT_TRUE(coder.Decode(text, got)) << what;
    EXPECT_EQ(got.time, row.m.time) << what;
    EXPECT_EQ(got.sender, row.m.sender) << what;
    EXPECT_EQ(got.playMode, row.m.playMode) << what;
    EXPECT_EQ(got.ball.known, row.m.ball.known) << what;
    if (row.m.ball.known)
    {
      ExpectNear(got.ball.pos, row.m.ball.pos, 0.02f, what + " ball");
      ExpectNear(got.ball.vel, row.m.ball.vel, 0.005f, what + " ball velocity");
      ExpectConf(got.ball.conf, row.m.ball.conf, what + " ball");
    }
    ASSERT_EQ(got.playerCount, row.m.playerCount) << what;
    for (int i = 0; i < got.playerCount; i++)
    {
      const TeamMessagePlayer &p = got.players[i], &want = row.m.players[i];
      const std::string who = what + " player " + std::to_string(i);
      EXPECT_EQ(p.ours, want.ours) << who;
      EXPECT_EQ(p.unum, want.unum) << who;
      EXPECT_EQ(p.goalie, want.goalie) << who;
      ExpectNear(p.pos, want.pos, 0.02f, who);
      ExpectNear(p.vel, want.vel, 0.0016f, who);
      ExpectConf(p.conf, want.conf, who);
    }
    EXPECT_EQ(got.pass.announced, row.m.pass.announced) << what;
    if (row.m.pass.announced)
    {
      EXPECT_EQ(got.pass.time, row.m.pass.time) << what;
      EXPECT_EQ(got.pass.receiver, row.m.pass.receiver) << what;
      ExpectNear(got.pass.target, row.m.pass.target, 0.02f, what + " pass");
    }
  }
}

TEST(MessageCoder, AFasterReportIsCappedAlongItsHeading)
{
  TeamMessage m = EdgeWorld(10, 5, PM_PLAY_ON, CVector(0, 0), CVector(3, 4), 1, 1);
  m.players[0].vel = CVector(0, -1);
  const CMessageCoder coder(Settings());
  char text[CMessageCoder::MESSAGE_LENGTH + 1];
  ASSERT_TRUE(coder.Encode(m, text, sizeof text));
  TeamMessage got;
  ASSERT_TRUE(coder.Decode(text, got));
  ExpectNear(got.ball.vel, CVector(0.6f, 0.8f) * (2.7f * 0.94f), 0.01f, "ball");
  ExpectNear(got.players[0].vel, CVector(0, -0.4f), 0.002f, "player");
}

TEST(MessageCoder, WhatCannotBeSaidIsNotWritten)
{
  const TeamMessage good = EdgeWorld(10, 5, PM_PLAY_ON, CVector(), CVector(), 1, 2);
  TeamMessage late = good, early = good, nobody = good, twelfth = good;
  late.time = 65536;
  early.time = -1;
  nobody.sender = 0;
  twelfth.sender = 12;
  char text[CMessageCoder::MESSAGE_LENGTH + 1];
  for (const TeamMessage *m : {&late, &early, &nobody, &twelfth})
  {
    EXPECT_FALSE(CMessageCoder(Settings()).Encode(*m, text, sizeof text));
    EXPECT_STREQ(text, "");
  }
  // Identifiers the server would refuse or cut, or that say nothing.
  for (const char *id : {"", "Tarroks 0", "Tar(oks", "Tarroks\"0", "ABCDEFGHIJK"})
    EXPECT_FALSE(CMessageCoder(Settings('l', id)).Encode(good, text, sizeof text)) << id;
  EXPECT_TRUE(CMessageCoder(Settings('l', "a.b-c_d?")).Encode(good, text, sizeof text));
  EXPECT_FALSE(CMessageCoder(Settings()).Encode(good, text, CMessageCoder::MESSAGE_LENGTH));
}

TEST(MessageCoder, OnlyThisTeamsWholeUntouchedTextIsRead)
{
  const TeamMessage m = EdgeWorld(500, 6, PM_PLAY_ON, CVector(1, 2), CVector(), 0.9f, 12);
  char text[CMessageCoder::MESSAGE_LENGTH + 1];
  ASSERT_TRUE(CMessageCoder(Settings()).Encode(m, text, sizeof text));
  const std::string said = text;
  char theirs[CMessageCoder::MESSAGE_LENGTH + 1];
  ASSERT_TRUE(CMessageCoder(Settings('r')).Encode(m, theirs, sizeof theirs));

  std::string flipped = said, alien = said, renamed = said;
  flipped[200] = flipped[200] == 'A' ? 'B' : 'A';
  alien[300] = '*';
  renamed[8] = '1';
  const struct
  {
    const char *what;
    std::string text;
  } rows[] = {
    {"one character short", said.substr(0, 510)},
    {"one character long", said + "A"},
    {"another identifier", renamed},
    {"a symbol changed", flipped},
    {"a symbol outside the alphabet", alien},
    {"the other side's", theirs},
    {"a plain say", "hello"},
  };
  const CMessageCoder coder(Settings());
  for (const auto &row : rows)
  {
    TeamMessage got;
    got.time = 77;
    EXPECT_FALSE(coder.Decode(row.text.c_str(), got)) << row.what;
    EXPECT_EQ(got.time, 0) << row.what;
  }
  TeamMessage got;
  EXPECT_TRUE(coder.Decode(said.c_str(), got));
  // Another key reads another cycle.
  EXPECT_TRUE(CMessageCoder(Settings('l', "Tarroks00", 62)).Decode(said.c_str(), got));
  EXPECT_NE(got.time, 500);
}

TEST(MessageCoder, TheTimeStampTurnsBackForEveryKey)
{
  for (int key : {0, 1, 61, 15, 16, -7, 123456})
    for (int time : {0, 1, 2999, 6000, 65535})
    {
      const int stamp = CMessageCoder::EncryptTimeStamp(time, key);
      EXPECT_GE(stamp, 0);
      EXPECT_LE(stamp, 65535);
      EXPECT_EQ(CMessageCoder::DecryptTimeStamp(stamp, key), time) << key << ' ' << time;
    }
  EXPECT_NE(CMessageCoder::EncryptTimeStamp(100, 61), CMessageCoder::EncryptTimeStamp(100, 60));
}
