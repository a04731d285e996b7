// Interception against the server's motion model stepped by hand, and the
// ball's path to wait on.

#include <cmath>

#include <gtest/gtest.h>

#include "SkillRig.h"

namespace
{
using InterceptTest = SkillRig;
const float KICKABLE = 1.0512711f;

// The first cycle (to 52) a player at the origin, running flat out with the
// shipped values, is within reach of the ball's place of that cycle; to
// each place he turns first when it lies more than 7 degrees off (turning)
// or just runs on.
int Meets(float facing, CVector ball, CVector vel, bool turning)
{
  for (int k = 0; k <= 52; k++)
  {
    const CVector target = SkillRig::BallAt(ball, vel, turning ? k : 0);
    CVector pos, v;
    float f = facing;
    for (int t = 0; t <= (turning ? k : 52); t++)
    {
      const CVector at = turning ? target : SkillRig::BallAt(ball, vel, t);
      if (pos.dist(at) <= KICKABLE)
        return turning ? k : t;
      const float off = std::remainder((at - pos).GetDir() - f, 360.0f);
      const float most = 180 / (1 + 5 * v.GetMag());
      if (turning && std::fabs(off) > 7)
        f += std::fmax(-most, std::fmin(most, off));
      else
        v += Polar2CVector(0.6f, f);
      if (v.GetMag() > 1.05f)
        v = v.SetLength(1.05f);
      pos += v;
      v *= 0.4f;
    }
    if (!turning)
      return -1;
  }
  return -1;
}

TEST_F(InterceptTest, CyclesAndPointMatchTheModelSteppedCycleByCycle)
{
  struct Case
  {
    const char *what;
    float facing;
    CVector ball, vel;
  } cases[] = {
      {"at the feet", 0, CVector(0.5f, 0), CVector()},
      {"still, ahead", 0, CVector(10, 0), CVector()},
      {"rolling at the agent", 0, CVector(20, 0), CVector(-1.5f, 0)},
      {"rolling away", 0, CVector(3, 0), CVector(1.2f, 0)},
      {"crossing ahead", 0, CVector(10, -8), CVector(0, 1.6f)},
      {"crossing, body across", 90, CVector(10, -8), CVector(0, 1.6f)},
      {"rolling away, body back", 180, CVector(4, 2), CVector(0.8f, 0.3f)},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    agent->SetTime(agent->GetTime() + 1);
    Place(CVector(0, 0), c.facing);
    Ball(c.ball, c.vel);
    // Running on is taken when at most no_turn_max_cyc_diff (2) later.
    const int turning = Meets(c.facing, c.ball, c.vel, true);
    const int straight = Meets(c.facing, c.ball, c.vel, false);
    const int n = straight >= 0 && (turning < 0 || straight <= turning + 2) ? straight : turning;
    ASSERT_GE(n, 0);
    EXPECT_EQ(n, brain->NumOfCyclesToIntercept(nullptr, 100));
    EXPECT_EQ(n == 0 ? INTERCEPT_DONE : INTERCEPT_RUNNING, brain->InterceptionResult(nullptr, 100));
    // The meeting place, or a cycle on where he gets there too.
    const CVector point = brain->InterceptionPoint(nullptr, 100);
    EXPECT_LT(std::fmin(point.dist(BallAt(c.ball, c.vel, n)), point.dist(BallAt(c.ball, c.vel, n + 1))),
              1e-3f);
    // A team-mate there, searched in coarse steps, needs as many.
    CPlayer *mate = Mate(CVector(0, 0));
    mate->SetGBFacing(c.facing);
    EXPECT_EQ(n, brain->NumOfCyclesToIntercept(mate, 100));
    brain->mates.clear();
  }
}

TEST_F(InterceptTest, DashPowerAndLookAhead)
{
  // Full power reaches a still ball with room to spare: less is as soon.
  agent->SetTime(43);
  Ball(CVector(8, 0));
  const int n = brain->NumOfCyclesToIntercept(nullptr, 100);
  const float power = brain->DashPowerToIntercept(nullptr, 100);
  EXPECT_LT(power, 100);
  EXPECT_EQ(n, brain->NumOfCyclesToIntercept(nullptr, power));
  EXPECT_LT(n, brain->NumOfCyclesToIntercept(nullptr, power - 2));
  // The look-ahead bounds the search.
  brain->SetInterceptionLookahead(3);
  EXPECT_EQ(INTERCEPT_TOO_LATE, brain->InterceptionResult(nullptr, 100));
}

TEST_F(InterceptTest, BallPathPointIsCutByThePitchAndTheHalfAndPrefersNoTurn)
{
  struct Case
  {
    const char *what;
    int time;
    float facing;
    CVector ball, vel, point;
  } cases[] = {
      {"stops short", 10, 90, CVector(-40, 3), CVector(1, 0), CVector(-40 + 1 / 0.06f, 3)},
      {"leaves the pitch", 10, 90, CVector(-20, 32), CVector(2, 0.3f), CVector(-20 + 40 / 3.0f, 34)},
      {"half ends", 2998, 90, CVector(-10, 3), CVector(2, 0), CVector(-10 + 2 + 2 * 0.94f, 3)},
      {"straight ahead", 10, 0, CVector(5, 5), CVector(0, -1.5f), CVector(5, 0)},
  };
  for (const Case &c : cases)
  {
    SCOPED_TRACE(c.what);
    agent->SetTime(c.time);
    int n = -1;
    const CVector p = brain->GetClosestPointToBallPath(CVector(0, 0), c.ball, c.vel, c.facing, &n);
    EXPECT_LT(p.dist(c.point), 1e-2f);
    // The ball is there in n cycles, not n - 1; where it comes to rest,
    // once within reach.
    const bool rest = c.ball.dist(p) >= c.vel.GetMag() / 0.06f - 1e-3f;
    const float need = c.ball.dist(p) - (rest ? KICKABLE : 1e-3f);
    EXPECT_GE(BallAt(c.ball, c.vel, n).dist(c.ball), need);
    EXPECT_LT(BallAt(c.ball, c.vel, n - 1).dist(c.ball), need);
  }
}
}  // namespace
