// The ball skills the brain's behaviours rest on: the kick power rate,
// straight kicks and kicks to a point, spin kicks about the body, passes,
// the breakaway cone and the target scanners.

#include <gtest/gtest.h>

#include "BrainRig.h"
#include "ServerModel.h"

namespace
{
using KickTest = BrainRig;

TEST_F(KickTest, PowerRateFallsWithTheBallsDistanceAndAngleAndIsNeverNegative)
{
  EXPECT_NEAR(0.016f * (1 - 0.125f - 0.25f * 0.695f / 0.7f), brain->CalcKickPowerRate(1.08f, -90), 1e-6);
  EXPECT_FLOAT_EQ(0, brain->CalcKickPowerRate(1.1f, 0));
}

using ShippedKickTest = ServerModelRig;

TEST_F(ShippedKickTest, OneKickGivesTheBallTheVelocityAsked)
{
  struct Case
  {
    CVector ball, velocity;
    float dir, speed, expected;
  } cases[] = {
      {CVector(0.6f, 0), CVector(), 0, 2.0f, 2.0f},
      {CVector(0.5f, 0.3f), CVector(0.3f, -0.2f), 45, 1.5f, 1.5f},
      {CVector(-0.5f, 0), CVector(), 180, 1.0f, 1.0f},
      // More than the server allows is the most it allows.
      {CVector(0.6f, 0), CVector(1.5f, 0), 0, 5.0f, 3.0f},
      // More than one kick gives: still the way asked, as fast as it goes.
      {CVector(0.6f, 0), CVector(0, 0.8f), 0, 3.0f, 2.36f},
  };
  for (const Case &c : cases)
  {
    Ball(c.ball, c.velocity);
    if (c.expected < c.speed)
      ASSERT_EQ(1, brain->DoKCommand(brain->KickStraight(c.speed, c.dir, 1, nullptr)));
    else
      ASSERT_EQ(1, brain->KickBall(c.ball + Polar2CVector(20, c.dir), c.speed));
    EXPECT_FALSE(brain->KickPlanRunning());
    Step();
    const CVector wanted = Polar2CVector(c.expected, c.dir);
    EXPECT_NEAR(wanted.GetX(), kicked.GetX(), 0.01) << c.dir;
    EXPECT_NEAR(wanted.GetY(), kicked.GetY(), 0.01) << c.dir;
    Place(CVector(0, 0), 0);
  }
}

TEST_F(ShippedKickTest, AKickTooHardForOneCycleIsLaidOverThePlannedOnes)
{
  struct Case
  {
    CVector ball, velocity;
    float dir;
  } cases[] = {
      {CVector(0.7f, 0), CVector(), 0},
      {CVector(0.5f, 0.2f), CVector(0.2f, 0.1f), -60},
      // The ball on the far side of the body is brought round it first.
      {CVector(-0.6f, 0), CVector(), 0},
      {CVector(0.6f, 0), CVector(), 150},
  };
  for (const Case &c : cases)
  {
    Ball(c.ball, c.velocity);
    const CVector target = c.ball + Polar2CVector(1000, c.dir);
    int cycles = 0;
    bool running = true;
    for (; running && cycles < 12; cycles++)
    {
      ASSERT_EQ(1, brain->KickBall(target, 3.0f)) << c.dir << " " << cycles;
      running = brain->KickPlanRunning();
      EXPECT_TRUE(running || cycles > 0) << "one kick was not enough";
      Step();
      if (running)
      {
        EXPECT_GT(BallDist(), 0.385f) << c.dir << " " << cycles;
        EXPECT_LT(BallDist(), 1.05f) << c.dir << " " << cycles;
      }
    }
    EXPECT_FALSE(running);
    EXPECT_NEAR(c.dir, kicked.GetDir(), 1.0) << c.dir;
    EXPECT_GT(kicked.GetMag(), 2.9f) << c.dir;
    Place(CVector(0, 0), 0);
  }

  // A ball that is not where the plan laid it starts another plan.
  Ball(CVector(0, 0.6f));
  brain->KickBall(CVector(1000, 0), 3.0f);
  const int started = brain->m_Kicking.plan.started;
  ASSERT_TRUE(brain->KickPlanRunning());
  Step();
  const CVector at = agent->M2BReadBall()->GetGPos() - agent->GetGPos();
  Ball(agent->GetGPos() - at * 0.6f, agent->M2BReadBall()->GetVelocity());
  brain->KickBall(CVector(1000, 0), 3.0f);
  EXPECT_NE(started, brain->m_Kicking.plan.started);
}

TEST_F(ShippedKickTest, CollisionsAreWhereTheBallEndsTheCycleOnTheBody)
{
  // Kicked gently back through the body, the ball stays on it; run into.
  Ball(CVector(0.5f, 0));
  EXPECT_TRUE(brain->IsKickCollision(20, 180));
  EXPECT_TRUE(brain->IsDashCollision(100));
}

TEST_F(ShippedKickTest, TheNearerTheThreatTheQuickerTheKick)
{
  struct Case
  {
    CVector foe;
    KICKMODE mode;
  } cases[] = {
      {CVector(30, 0), KICKMODE_HARDSPIN},
      {CVector(4, 3), KICKMODE_HARD},
      {CVector(1.5f, 0.5f), KICKMODE_STRAIGHT},
  };
  Ball(CVector(0.6f, 0));
  for (const Case &c : cases)
  {
    brain->foes.clear();
    Foe(c.foe);
    EXPECT_EQ(c.mode, brain->BestModeAbs(0)) << c.foe.GetX();
  }
}

TEST_F(ShippedKickTest, SpinKicksKeepTheBallKickableAndOffTheBody)
{
  struct Case
  {
    CVector ball, velocity;
    float dir;
    ROTDIR rot;
    CVector foe;
    float firstTurn;  // the sign of the ball's first move about the body
  } cases[] = {
      // Round the side the opponent does not stand on.
      {CVector(0.7f, 0), CVector(), 180, ROTDIR_AWAY, CVector(0, 3), -1},
      {CVector(0.5f, 0.5f), CVector(), -90, ROTDIR_SHORTEST, CVector(), -1},
      {CVector(0.6f, 0), CVector(0.3f, 0.2f), 90, ROTDIR_POSITIVE, CVector(), 1},
      {CVector(0.6f, 0), CVector(), 20, ROTDIR_NEGATIVE, CVector(), -1},
  };
  for (const Case &c : cases)
  {
    brain->foes.clear();
    if (c.foe.GetMag() > 0)
      Foe(c.foe);
    Ball(c.ball, c.velocity);
    int code = SPIN_KICKED;
    int cycles = 0;
    for (; code != SPIN_THERE && cycles < 16; cycles++)
    {
      const float before = agent->M2BReadBall()->GetGPos().GetDir();
      code = brain->SpinTo(c.dir, c.rot);
      ASSERT_NE(SPIN_NONE, code);
      Step();
      if (cycles == 0)
      {
        EXPECT_GT(c.firstTurn * Norm(agent->M2BReadBall()->GetGPos().GetDir() - before), 0) << c.dir;
      }
      EXPECT_GT(BallDist(), 0.385f) << c.dir << " " << cycles;
      EXPECT_LT(BallDist(), 1.05f) << c.dir << " " << cycles;
    }
    EXPECT_EQ(SPIN_THERE, code) << c.dir;
    EXPECT_NEAR(0, Norm(agent->M2BReadBall()->GetGPos().GetDir() - c.dir), 3.0) << c.dir;
  }
}

TEST_F(KickTest, BreakawaysAreOursPastAllButTheGoalkeeperAndTheirsPastAllOfUs)
{
  struct Case
  {
    CVector foe;
    bool ours;
  } cases[] = {
      {CVector(-20, 0), true},   // behind, far from the ball
      {CVector(40, 1), false},   // in the way to their goal
      {CVector(31, 1.5f), false},  // near enough the ball to fight for it
  };
  Place(CVector(30, 0), 0);
  Ball(CVector(30.6f, 0));
  brain->goalie = Foe(CVector(50, 2));
  for (const Case &c : cases)
  {
    Foe(c.foe);
    EXPECT_EQ(c.ours, brain->MyBreakaway()) << c.foe.GetX();
    brain->foes.pop_back();
  }
  // Heading for the emptier side, or the side the run is on.
  EXPECT_NEAR(-8, brain->BreakawayApproachPoint().GetY(), 1e-4);
  Place(CVector(20, 4), 0);
  EXPECT_NEAR(8, brain->BreakawayApproachPoint().GetY(), 1e-4);
  // The ball runs alone the longer the farther the nearest opponent.
  brain->foes.clear();
  Place(CVector(0, 0), 0);
  EXPECT_EQ(14, brain->BreakawayKickRunCycles());
  Foe(CVector(-5, 0));
  EXPECT_EQ(10, brain->BreakawayKickRunCycles());

  // Theirs: an opponent with the ball and none of us near it or ahead.
  brain->foes.clear();
  CPlayer *opp = Foe(CVector(-30, 0));
  Ball(CVector(-30.6f, 0));
  EXPECT_TRUE(brain->TheirBreakaway(opp));
  CPlayer *mate = Mate(CVector(-28.5f, 0));
  EXPECT_FALSE(brain->TheirBreakaway(opp));
  mate->SetGPos(CVector(-45, 1));
  EXPECT_FALSE(brain->TheirBreakaway(opp));
  // Their cone never widens beyond its least distance.
  EXPECT_NEAR(9.16f / 40, brain->TheirBreakawayConeRatio(Foe(CVector(-12.5f, 0))), 1e-5);
  EXPECT_NEAR(9.16f / 12, brain->TheirBreakawayConeRatio(Foe(CVector(-52.5f, 0))), 1e-5);
}
}  // namespace

// What the ball already has counts towards a hard kick: rolling the way it
// is to go, one kick makes the speed at once; rolling back, one kick cannot,
// however strong it would be on a still ball.
TEST_F(ShippedKickTest, AHardKickAllowsForTheBallsOwnMotion)
{
  const struct
  {
    const char *name;
    CVector velocity;
    float speed;
    bool oneKick;
  } rows[] = {
      {"rolling the kick's way", CVector(1.0f, 0), 2.8f, true},
      {"rolling back", CVector(-1.0f, 0), 2.3f, false},
  };
  for (const auto &row : rows)
  {
    Place(CVector(0, 0), 0);
    Ball(CVector(0.6f, 0), row.velocity);
    brain->m_Kicking.plan = KICKPLAN();
    ASSERT_EQ(1, brain->HardKick(0, row.speed, KICKMODE_HARD)) << row.name;
    EXPECT_EQ(!row.oneKick, brain->KickPlanRunning()) << row.name;
    Step();
    if (row.oneKick)
    {
      EXPECT_NEAR(row.speed, kicked.GetMag(), 0.02f) << row.name;
      EXPECT_NEAR(0, kicked.GetDir(), 1.0f) << row.name;
    }
  }
}

// The hard kick dashes to a ball ahead only when a dash of all the power at
// hand would gain on kicking it now; a ball the full dash would run into or
// leave behind is kicked, or laid for the next kick, from where it lies.
TEST_F(ShippedKickTest, TheHardKickDashesOnlyWhenTheFullDashHelps)
{
  const struct
  {
    const char *name;
    CVector ball, velocity;
    float speed;
    bool dashHelps;
  } rows[] = {
      {"rolling on ahead", CVector(1.0f, 0), CVector(0.3f, 0), 3.0f, true},
      {"rolling on beside", CVector(0.6f, 0.4f), CVector(0.15f, 0), 2.5f, false},
      {"rolling on beside, harder", CVector(0.6f, -0.4f), CVector(0.3f, 0), 3.0f, false},
      {"lying at the feet", CVector(0.6f, 0), CVector(), 3.0f, false},
  };
  for (const auto &row : rows)
  {
    Place(CVector(0, 0), 0);
    Ball(row.ball, row.velocity);
    brain->m_Kicking.plan = KICKPLAN();
    EXPECT_EQ(row.dashHelps, brain->WillDashHelpKick(0, row.speed)) << row.name;
    ASSERT_EQ(1, brain->HardKick(0, row.speed, KICKMODE_HARD)) << row.name;
    EXPECT_EQ(row.dashHelps, Queue().command == CMD_DASH) << row.name;
  }
}
