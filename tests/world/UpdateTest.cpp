#include <gtest/gtest.h>

#include "CPlayer.h"
#include "WorldFixture.h"

namespace
{
using UpdateTest = WorldFixture;
}

TEST_F(UpdateTest, KicksCatchesAndOtherCommands)
{
  agent->brain->SetPrevKickPowerRate(1);
  M().SetBFacing(90);
  M().Update4Action("(kick 2.00 0.00)");
  EXPECT_NEAR(Ball().GetVelocity().GetY(), 2, 1e-5);
  M().Update4Action("(kick 2.00 0.00)");
  EXPECT_FLOAT_EQ(Ball().GetVelocity().GetMag(), 2.7f);

  M().SetTime(20);
  M().SetGPos(CVector(0, 0));
  SeeBall(CVector(1, 0), CVector(0, 0));
  ASSERT_TRUE(Ball().IsCatchable(20));
  M().Update4Action("(catch 0.00)");
  EXPECT_FALSE(Ball().IsCatchable(20));

  // Nothing else moves the model; neither does a text whose number is lost.
  const CVector before = M().GetVelocity();
  for (const char *text : {"(change_view wide high)", "(move -10 0)", "(say hello)",
                           "(sense_body)", "(bye)", "(dash abc)", "(turn )", ""})
    M().Update4Action(text);
  M().Update4Action(nullptr);
  EXPECT_FLOAT_EQ(M().GetFacing(), 0);
  EXPECT_FLOAT_EQ(M().GetVelocity().GetX(), before.GetX());
  EXPECT_FLOAT_EQ(M().GetSB().stamina, 3500);
}

// Each command's numbers are read as the brain wrote them, and a command
// with one number short, or another word, is not replayed at all.
TEST_F(UpdateTest, TheCommandsNumbersAreReadAsWritten)
{
  const struct
  {
    const char *text;
    float stamina, facing, ballVy;
  } rows[] = {
      {"(dash 100.00)", 3400, 0, 0},     {"(dash -50.00)", 3400, 0, 0},      {"(dash  \t20.50)", 3479.5f, 0, 0},
      {"(turn_neck 30.00)", 3500, 30, 0}, {"(turn -45.50)", 3500, -45.5f, 0}, {"(turn_neckx 30.00)", 3500, 0, 0},
      {"(kick 1.50 90.00)", 3500, 0, 1.5f}, {"(kick 1.50)", 3500, 0, 0},    {"(kick  1.50   90.00)", 3500, 0, 1.5f},
      {"(dasher 10.00)", 3500, 0, 0},    {"(dash --10.00)", 3500, 0, 0},    {"(dash +10.00)", 3490, 0, 0},
      {"(turn 1e1)", 3500, 10, 0},
  };
  for (const auto &row : rows)
  {
    agent->brain->SetPrevKickPowerRate(1);
    M().SetSB(sensebody());
    sensebody sb = M().GetSB();
    sb.stamina = 3500;
    sb.head_angle = 0;
    M().SetSB(sb);
    M().SetFacing(0);
    M().SetBFacing(0);
    Ball().SetVelocity(CVector(0, 0));
    M().Update4Action(row.text);
    EXPECT_FLOAT_EQ(M().GetSB().stamina, row.stamina) << row.text;
    EXPECT_FLOAT_EQ(M().GetFacing(), row.facing) << row.text;
    EXPECT_NEAR(Ball().GetVelocity().GetY(), row.ballVy, 1e-5) << row.text;
  }
}

// The server parts a ball and a player that overlap about their midpoint,
// half the overlap each, and turns both round at a tenth of the speed. Put
// back along its own path, a ball that ran into us was reckoned half a
// metre beyond where it lay: a kick at it was stepped for, and one of
// theirs took it.
TEST_F(UpdateTest, ABallWeBumpIsPartedFromUsAsTheServerDoes)
{
  const struct
  {
    const char *name;
    CVector ball, ballVel;  // seen a cycle before
    CVector myVel;          // our velocity going into the cycle
    float facing;
    CVector ballAt, meAt;   // where the bump leaves the two
    CVector ballVelAfter;
  } rows[] = {
      {"it runs into us head on", CVector(1, 0), CVector(-0.9f, 0), CVector(0, 0), 0,
       CVector(0.2425f, 0), CVector(-0.1425f, 0), CVector(0.0846f, 0)},
      {"it runs across our front", CVector(0.2f, 1), CVector(0, -1), CVector(0, 0), 90,
       CVector(0.2925f, 0), CVector(-0.0925f, 0), CVector(0, 0.094f)},
      {"we run over a still ball", CVector(0.5f, 0), CVector(0, 0), CVector(0.6f, 0), 0,
       CVector(0.3575f, 0), CVector(0.7425f, 0), CVector(0, 0)},
  };
  int t = 30;
  for (const auto &row : rows)
  {
    t += 10;
    M().SetTime(t);
    M().SetGPos(CVector(0, 0));
    M().SetBFacing(row.facing);
    M().SetVelocity(row.myVel);
    SeeBall(row.ball, row.ballVel);
    Calls().Clear();
    NewCycles(1);
    EXPECT_NEAR(Ball().GetGPos().dist(row.ballAt), 0, 1e-3) << row.name;
    EXPECT_NEAR(M().GetGPos().dist(row.meAt), 0, 1e-3) << row.name;
    EXPECT_NEAR(Ball().GetGPos().dist(M().GetGPos()), 0.385f, 1e-3) << row.name;
    EXPECT_NEAR(Ball().GetVelocity().dist(row.ballVelAfter), 0, 1e-4) << row.name;
    EXPECT_NEAR(M().GetVelocity().dist(row.myVel * -0.1f * 0.4f), 0, 1e-4) << row.name;
    EXPECT_FALSE(Ball().GetUsePosBasedVelEst()) << row.name;
    EXPECT_EQ(Ball().GetUsePosBasedVelEstTime(), t + 1) << row.name;
    EXPECT_EQ(Calls().Matching("brain.SetLastCollisionTime"),
              std::vector<std::string>{"brain.SetLastCollisionTime " + std::to_string(t + 1)})
        << row.name;
  }
}

// Only a velocity the model trusts moves the ball: one a sighting proved
// wrong, or too old, would send it where nothing says it went.
TEST_F(UpdateTest, TheBallRollsOnOnlyByAVelocityTrusted)
{
  const struct
  {
    float velConf;
    float movedX;  // where the ball from (5, 0) with velocity (1, 0) ends
  } rows[] = {{1, 6}, {0.45f, 6}, {0.4f, 5}, {0, 5}};
  for (const auto &row : rows)
  {
    M().SetTime(60);
    M().SetGPos(CVector(0, 0));
    SeeBall(CVector(5, 0), CVector(1, 0));
    Ball().SetVelConf(row.velConf);
    NewCycles(1);
    EXPECT_NEAR(Ball().GetGX(), row.movedX, 1e-5) << row.velConf;
    EXPECT_NEAR(Ball().GetEGPos().GetX(), row.movedX, 1e-5) << row.velConf;
  }
}

// Our kick of a ball whose motion was not known was laid as on a still
// ball, and what it did to the ball is not known either (it may have been
// rolling fast): the ball stays where it was felt, and a sighting places it.
TEST_F(UpdateTest, OurKickOfABallOfUnknownMotionLeavesItsMotionUnknown)
{
  agent->brain->SetPrevKickPowerRate(1);
  M().SetTime(70);
  M().SetGPos(CVector(0, 0));
  M().SetBFacing(0);
  SeeBall(CVector(0.5f, 0), CVector(-2, 0));
  Ball().SetVelConf(0);
  M().Update4Action("(kick 1.00 0.00)");
  NewCycles(1);
  EXPECT_FALSE(Ball().GetVelocityValid());
  EXPECT_NEAR(Ball().GetGX(), 0.5f, 1e-5);
}

TEST_F(UpdateTest, AnUnseenBallWhereItWouldBeSeenOrFeltIsAGhost)
{
  M().SetGPos(CVector(0, 0));
  const struct
  {
    CVector pos;
    bool removed;
  } cases[] = {{CVector(0, -2), true}, {CVector(10, 0), true}, {Polar2CVector(10, 42), false}};
  for (const auto &c : cases)
  {
    M().SetTime(40);
    SeeBall(c.pos, CVector(0, 0));
    M().SetTime(41);
    M().UpdateRelatives();
    M().RemoveGhosts();
    EXPECT_EQ(Ball().GetPositionValid(), !c.removed) << c.pos.GetX() << "," << c.pos.GetY();
    EXPECT_EQ(Ball().GetVelocityValid(), !c.removed);
  }
}

namespace
{
// Agent of the left side at the centre, looking along x, with its arrays.
class UpdatePlayersTest : public WorldFixture
{
protected:
  void SetUp() override
  {
    WorldFixture::SetUp();
    agent->SetSide('l');
    M().InitPlayerArrays('l', config);
    M().SetGPos(CVector(0, 0));
    M().SetTime(100);
  }

  CPlayer &Known(CPlayer *player, CVector pos, float conf = 1)
  {
    player->SetGPos(pos);
    player->SetTime(M().GetTime() - 1);
    player->SetConf(conf);
    return *player;
  }
};
}

TEST_F(UpdatePlayersTest, UnseenPlayersWhereTheyWouldBeSeenAreGhosts)
{
  // A player felt beside us, filed as a close player.
  M().SetTime(99);
  M().SetPlayer(99, 0, 'c', 1, 90, -999, -999, -999, -999, false);
  M().UpdateGlobals();
  M().StorePlayers();
  ASSERT_NE(M().GetAValidFoe(0), nullptr);

  M().SetTime(100);
  CPlayer &near = Known(M().GetAFriend(0), CVector(2, 0));
  CPlayer &ahead = Known(M().GetAFriend(1), CVector(10, 0));
  CPlayer &aside = Known(M().GetAFriend(2), Polar2CVector(10, 42));
  CPlayer &foeAhead = Known(M().GetAFoe(1), CVector(12, 1));
  M().UpdateRelatives();
  M().RemoveGhosts();
  EXPECT_TRUE(near.GetPositionValid());
  EXPECT_FALSE(ahead.GetPositionValid());
  EXPECT_TRUE(aside.GetPositionValid());
  EXPECT_FALSE(foeAhead.GetPositionValid());
  EXPECT_EQ(M().GetAValidFoe(0), nullptr);
}

TEST_F(UpdateTest, AnUnseenLandmarkLiesWhereItsPlaceSaysFromWhereTheAgentStoodAtTheUpdate)
{
  // Flag 1 seen this cycle keeps what the server said; the others, the goals
  // and the lines are placed from the frame of the update, however the agent
  // moves after it, and a right-side agent's mirroring keeps what they said.
  M().SetTime(20);
  const CVector seen(12.5f, -30);
  M().SetFlag(20, 1, seen.GetMag(), seen.GetDir(), -999, -999);
  M().SetGPos(CVector(-10, 5));
  M().SetFacing(35);
  M().UpdateRelatives();
  const CVector flag2 = M().GetFlag(2)->GetGPos().Global2Relative(CVector(-10, 5), 35);
  const CVector goal = M().GetGoal('r')->GetGPos().Global2Relative(CVector(-10, 5), 35);
  const CVector line = M().GetLine('t')->GetGPos().Global2Relative(CVector(-10, 5), 35);
  M().SetGPos(CVector(30, -20));
  M().SetFacing(-100);
  EXPECT_NEAR(seen.GetMag(), M().GetFlag(1)->GetRMag(), 0.01f);
  for (int round = 0; round < 2; round++)
  {
    EXPECT_EQ(flag2.GetX(), M().GetFlag(2)->GetRPos().GetX()) << round;
    EXPECT_EQ(flag2.GetDir(), M().GetFlag(2)->GetRDir()) << round;
    EXPECT_EQ(goal.GetMag(), M().GetGoal('r')->GetRMag()) << round;
    EXPECT_EQ(line.GetDir(), M().GetLine('t')->GetRDir()) << round;
    M().RevertSigns();
  }
}
