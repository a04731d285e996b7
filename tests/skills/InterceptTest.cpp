// Interception against the server's motion model stepped by hand: the
// cycles, the point and the dash power the search reports for the agent and
// for a team-mate in the same place, and the ball's path to wait on.

#include <gtest/gtest.h>

#include "SkillRig.h"

namespace
{
using InterceptTest = SkillRig;

// The first cycle a player meets the ball: turning to its place of cycle k
// and running, or running on without a turn when that is at most two cycles
// later (no_turn_max_cyc_diff).
int FirstMeeting(CVector me, float facing, CVector ball, CVector vel)
{
  int turning = -1;
  for (int k = 0; k <= 50 && turning < 0; k++)
    if (SkillRig::Arrives(me, facing, SkillRig::BallAt(ball, vel, k), k, true) >= 0)
      turning = k;
  CVector pos = me;
  CVector v;
  for (int j = 0; j <= 52; j++)
  {
    if (pos.dist(SkillRig::BallAt(ball, vel, j)) <= SkillRig::KICKABLE)
      return turning < 0 || j <= turning + 2 ? j : turning;
    v += Polar2CVector(100 * 0.006f, facing);
    if (v.GetMag() > 1.05f)
      v = v.SetLength(1.05f);
    pos += v;
    v *= 0.4f;
  }
  return turning;
}

TEST_F(InterceptTest, CyclesAndPointMatchTheModelSteppedCycleByCycle)
{
  struct Case
  {
    const char *what;
    float facing;
    CVector ball;
    CVector vel;
  } cases[] = {
      {"at the feet", 0, CVector(0.5f, 0), CVector()},
      {"still, ahead", 0, CVector(10, 0), CVector()},
      {"still, behind", 0, CVector(-6, 1), CVector()},
      {"rolling at the agent", 0, CVector(20, 0), CVector(-1.5f, 0)},
      {"rolling away", 0, CVector(3, 0), CVector(1.2f, 0)},
      {"crossing ahead", 0, CVector(10, -8), CVector(0, 1.6f)},
      {"crossing, body across", 90, CVector(10, -8), CVector(0, 1.6f)},
      {"rolling away, body back", 180, CVector(4, 2), CVector(0.8f, 0.3f)},
  };
  int time = 100;
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    agent->SetTime(++time);
    Place(CVector(0, 0), c.facing);
    Ball(c.ball, c.vel);
    const int expected = FirstMeeting(CVector(0, 0), c.facing, c.ball, c.vel);
    ASSERT_GE(expected, 0);
    EXPECT_EQ(expected, brain->NumOfCyclesToIntercept(nullptr, 100));
    EXPECT_EQ(1, brain->AbleToIntercept(nullptr, 100));
    EXPECT_EQ(expected == 0 ? INTERCEPT_DONE : INTERCEPT_RUNNING,
              brain->InterceptionResult(nullptr, 100));
    // The point: the meeting place, or one cycle on where he gets there too.
    const CVector point = brain->InterceptionPoint(nullptr, 100);
    const bool led = point.dist(BallAt(c.ball, c.vel, expected + 1)) < 1e-3f;
    EXPECT_TRUE(led || point.dist(BallAt(c.ball, c.vel, expected)) < 1e-3f);
    // A team-mate just there, searched in coarse steps, needs as many.
    CPlayer *mate = Mate(CVector(0, 0));
    mate->SetUNum(7);
    mate->SetGBFacing(c.facing);
    EXPECT_EQ(expected, brain->NumOfCyclesToIntercept(mate, 100));
    brain->mates.clear();
  }
}

TEST_F(InterceptTest, DashPowerSparesStaminaButStillMeetsTheBallInTime)
{
  Ball(CVector(0.5f, 0));
  EXPECT_EQ(0, brain->DashPowerToIntercept(nullptr, 100));
  // A still ball the full power reaches with room to spare: a little less
  // gets there as soon.
  agent->SetTime(43);
  Ball(CVector(8, 0));
  const int cycles = brain->NumOfCyclesToIntercept(nullptr, 100);
  const float power = brain->DashPowerToIntercept(nullptr, 100);
  EXPECT_LT(power, 100);
  EXPECT_EQ(cycles, brain->NumOfCyclesToIntercept(nullptr, power));
  EXPECT_LT(cycles, brain->NumOfCyclesToIntercept(nullptr, power - 2));
  // One out of reach: all the power there is.
  agent->SetTime(44);
  Ball(CVector(10, 0), CVector(2.5f, 0));
  EXPECT_EQ(0, brain->AbleToIntercept(nullptr, 100));
  EXPECT_EQ(100, brain->DashPowerToIntercept(nullptr, 100));
}

TEST_F(InterceptTest, TheConfiguredLookAheadBoundsTheSearch)
{
  config.insert("ActiveIntercept", "intercept_lookahead", "3");
  testing::internal::CaptureStdout();
  brain->Init(config);
  testing::internal::GetCapturedStdout();
  Ball(CVector(8, 0));
  EXPECT_EQ(INTERCEPT_TOO_LATE, brain->InterceptionResult(nullptr, 100));
  // The fastest-player queries look the whole way.
  brain->SetInterceptionLookahead(-1);
  EXPECT_EQ(Arrives(CVector(0, 0), 0, CVector(8, 0), 50, true),
            brain->NumOfCyclesToIntercept(nullptr, 100));
}

TEST_F(InterceptTest, BallPathPointIsCutByThePitchAndTheHalfAndPrefersNoTurn)
{
  struct Case
  {
    const char *what;
    int time;
    float facing;
    CVector ball;
    CVector vel;
    CVector point;
  } cases[] = {
      {"nearest point", 10, 90, CVector(-10, 3), CVector(2, 0), CVector(0, 3)},
      {"stops short", 10, 90, CVector(-40, 3), CVector(1, 0), CVector(-40 + 1 / 0.06f, 3)},
      {"leaves the pitch", 10, 90, CVector(-20, 32), CVector(2, 0.3f), CVector(-20 + 40 / 3.0f, 34)},
      {"half ends", 2998, 90, CVector(-10, 3), CVector(2, 0), CVector(-10 + 2 + 2 * 0.94f, 3)},
      {"straight ahead", 10, 0, CVector(5, 5), CVector(0, -1.5f), CVector(5, 0)},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    agent->SetTime(c.time);
    Place(CVector(0, 0), c.facing);
    int cycles = -1;
    const CVector p = brain->GetClosestPointToBallPath(CVector(0, 0), c.ball, c.vel, c.facing,
                                                       &cycles);
    EXPECT_NEAR(c.point.GetX(), p.GetX(), 1e-2);
    EXPECT_NEAR(c.point.GetY(), p.GetY(), 1e-2);
    // The ball gets there in the cycles given, not one sooner; where it
    // comes to rest, once within reach.
    const bool rest = c.ball.dist(p) >= c.vel.GetMag() / 0.06f - 1e-3f;
    const float need = c.ball.dist(p) - (rest ? KICKABLE : 1e-3f);
    EXPECT_GE(BallAt(c.ball, c.vel, cycles).dist(c.ball), need);
    EXPECT_LT(BallAt(c.ball, c.vel, cycles - 1).dist(c.ball), need);
  }
}
}  // namespace
