#include <gtest/gtest.h>

#include <sstream>

#include "CBall.h"
#include "CFlag.h"
#include "CPlayer.h"
#include "Mobile.h"

namespace
{
void ExpectAt(CVector v, float x, float y)
{
  EXPECT_NEAR(v.GetX(), x, 1e-4) << "x";
  EXPECT_NEAR(v.GetY(), y, 1e-4) << "y";
}

CBall DefaultBall()
{
  CBall ball;
  ball.Init(0.085f, 0.94f, 2.7f, 1.0512711f, 0.4f, 0.962f, 5, 2.0f, 1.0f, 0.2f);
  return ball;
}

CPlayer DefaultPlayer(int unum = 7, char side = 'l')
{
  CPlayer player;
  player.Init(unum, side, 0.3f, 0.4f, 1.0f, 0.4f);
  return player;
}
}

TEST(LandmarkTest, DisplayWritesTheDumpLines)
{
  CFlag flag;
  flag.Init(25, -50, -39, 0.5f);
  flag.SetTime(12);
  flag.SetConf(1);
  flag.SetRPos(CVector(0, 10));
  std::ostringstream flagText;
  flag.Display(flagText);
  EXPECT_EQ(flagText.str(),
            "\tFLAG Time:12\n\tFLAG Conf: 1\n\tFLAG ID: 25\n\tFLAG GX: -50\n\tFLAG GY: -39\n"
            "\tFLAG RDist: 10\n\tFLAG RDir: 90\n");

}

TEST(BallTest, TheKickRingWrapsAndForgetsLostKicks)
{
  CBall ball = DefaultBall();
  for (int t = 1; t <= 8; t++)
    ball.SetPastKick(CVector(static_cast<float>(t), 0), t);
  EXPECT_EQ(ball.GetPastKickIdx(), 1);
  EXPECT_EQ(ball.GetPastKickTime(0), 8);
  EXPECT_EQ(ball.GetPastKickTime(1), 2);
  // Counting back past slot 0 stays in the ring.
  EXPECT_EQ(ball.GetPastKickTime(-1), 7);

  ball.SetPastKick(CVector(1, 1), 8);
  ball.ForgetPastKick(8);
  EXPECT_EQ(ball.GetPastKickEff(0).GetMag(), 0);
  EXPECT_EQ(ball.GetPastKickEff(1).GetMag(), 0);
  EXPECT_EQ(ball.GetPastKickTime(1), 8);
  EXPECT_EQ(ball.GetPastKickEff(2).GetX(), 3);
}

TEST(BallTest, DisplayWritesTheDumpLines)
{
  CBall ball = DefaultBall();
  ball.SetTime(3);
  ball.SetConf(1);
  ball.SetGPos(CVector(0, 2));
  ball.SetVelocity(CVector(1, 0));
  ball.SetRPos(CVector(-1, 0));
  ball.SetDistChng(-999);
  std::ostringstream text;
  ball.Display(text);
  EXPECT_EQ(text.str(), "\tBALL Time: 3\n\tBALL Conf: 1\n"
                        "\tBALL GPos: X=0 Y=2 M=2 D=90\n"
                        "\tBALL GVel: X=1 Y=0 M=1 D=0\n"
                        "\tBALL RPos: X=-1 Y=0 M=1 D=180\n"
                        "\tBALL RBPos: X=999 Y=999 M=1412.8 D=45\n"
                        "\tBALL DistCh: -999\n\tBALL DirCh: 0\n\tBALL GX: 0\n\tBALL GY: 2\n");
}

TEST(PlayerTest, HomePositionsComeFromTheFormationTables)
{
  ExpectAt(DefaultPlayer(1).GetHomePos(0), -50, 0);
  ExpectAt(DefaultPlayer(11).GetHomePos(1), 20, 10);
  ExpectAt(DefaultPlayer(12).GetHomePos(0), 999, 999);
  ExpectAt(DefaultPlayer(5).GetHomePos(2), 999, 999);
  ExpectAt(DefaultPlayer(-999).GetHomePos(-1), 999, 999);
}

TEST(PlayerTest, DisplayWritesTheDumpLines)
{
  CPlayer player = DefaultPlayer(3, 'r');
  player.SetTime(9);
  player.SetConf(0.5f);
  player.SetIsGoalie(true);
  player.SetGBFacing(-999);
  player.SetGPos(CVector(-3, 0));
  std::ostringstream text;
  player.Display(text);
  EXPECT_EQ(text.str(), "\tPLAYER Time: 9\n\tPLAYER Conf: 0.5\n\tPLAYER Side: r\n"
                        "\tPLAYER UNum: 3\n\tPLAYER GPos: X=-3 Y=0 M=3 D=180\n"
                        "\tPLAYER GVel: X=0 Y=0 M=0 D=0\n\tPLAYER RPos: X=0 Y=0 M=0 D=0\n"
                        "\tPLAYER RBPos: X=0 Y=0 M=0 D=0\n\tPLAYER IsGK: 1\n"
                        "\tPLAYER IsTired: 0\n\tPLAYER Source: 0\n\tPLAYER RFacing: 0\n"
                        "\tPLAYER GFacing: 0\n\tPLAYER RBFac: 0\n\tPLAYER GBFac: -999\n"
                        "\tPLAYER GX: -3\n\tPLAYER GY: 0\n");
}

// A player's relative places are those of the moment of the update, read
// later: moving him, copying him or changing the agent's view afterwards
// changes neither, a new place set outright replaces them, and a length set
// on one keeps its direction.
TEST(PlayerTest, RelativePlacesAreThoseOfTheUpdate)
{
  const CVector me(10, -5);
  const struct
  {
    CVector at;
    float facing, body;
  } rows[] = {{CVector(20, -5), 0, 0}, {CVector(10, 15), 90, -45}, {CVector(-3.3f, 7.7f), -170, 33},
              {CVector(10.2f, -5), 0, 0}};
  for (const auto &row : rows)
  {
    CPlayer player = DefaultPlayer();
    player.SetConf(1);
    player.SetGPos(row.at);
    player.UpdateRPos(me, row.facing, 5);
    player.UpdateRBPos(me, row.body, 5);
    const CVector head = Mobile::Relative(row.at, me, row.facing, 2 * player.GetSize());
    const CVector body = Mobile::Relative(row.at, me, row.body, 2 * player.GetSize());
    player.SetGPos(CVector(0, 0));
    const CPlayer copy = player;
    for (const CPlayer *p : {static_cast<const CPlayer *>(&player), &copy})
    {
      EXPECT_EQ(p->GetRX(), head.GetX());
      EXPECT_EQ(p->GetRY(), head.GetY());
      EXPECT_EQ(p->GetRDir(), head.GetDir());
      EXPECT_EQ(p->GetRBMag(), body.GetMag());
      EXPECT_EQ(p->GetRBDir(), body.GetDir());
    }
    player.SetRBMag(2 * body.GetMag());
    EXPECT_FLOAT_EQ(player.GetRBDir(), body.GetDir());
    EXPECT_FLOAT_EQ(player.GetRBMag(), 2 * body.GetMag());
    player.UpdateRPos(me, row.facing, 6);
    player.SetRPos(CVector(1, 2));
    EXPECT_EQ(player.GetRX(), 1);
    EXPECT_EQ(player.GetRY(), 2);
    // A heard player's place relative to the agent, as it was worked out.
    player.SetRPos(row.at, me, row.facing, 0);
    const CVector heard = Mobile::Relative(row.at, me, row.facing, 0);
    EXPECT_EQ(player.GetRX(), heard.GetX());
    EXPECT_EQ(player.GetRMag(), heard.GetMag());
  }
}
