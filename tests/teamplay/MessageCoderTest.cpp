#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "MessageCoder.h"

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
