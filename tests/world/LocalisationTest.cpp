#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "Trace.h"
#include "WorldFixture.h"

namespace
{
class LocalisationTest : public WorldFixture
{
protected:
  void SetUp() override
  {
    WorldFixture::SetUp();
    M().SetTime(7);
    M().SetLastVisualTime(7);
  }

  CBehaviours &B() { return *agent->brain; }

  void SetHead(float head)
  {
    sensebody sb = M().GetSB();
    sb.head_angle = head;
    M().SetSB(sb);
  }

  // A direction as the sensors pass it on: cut to the whole degree towards
  // zero by the server, then taken at the middle of that degree.
  static float Cut(float direction)
  {
    const float whole = std::trunc(direction);
    return whole > 0 ? whole + 0.5f : whole < 0 ? whole - 0.5f : 0;
  }

  // What the server reports of the pitch from a true pose: every flag in the
  // view cone at its distance rounded on the server's logarithmic scale and
  // then to 0.1 m, at its cut direction, and line 'r' (taken as the one
  // straight ahead) at its cut angle.
  void SeePitch(CVector at, float facing, float halfCone)
  {
    const int t = M().GetTime();
    for (int id = 1; id <= 53; id++)
    {
      const CVector rel = M().GetFlag(id)->GetGPos().Global2Relative(at, facing);
      if (std::fabs(rel.GetDir()) >= halfCone)
        continue;
      const double logStep = 0.01;
      const double d = std::exp(std::round(std::log(rel.GetMag()) / logStep) * logStep);
      M().SetFlag(t, id, static_cast<float>(std::round(d * 10) / 10), Cut(rel.GetDir()), -999, -999);
    }
    M().SetLine(t, 'r', 52.5f - at.GetX(), Cut(facing >= 0 ? 90 - facing : -facing - 90));
  }

  void ExpectAt(float x, float y)
  {
    EXPECT_NEAR(M().GetGPos().GetX(), x, 1e-3);
    EXPECT_NEAR(M().GetGPos().GetY(), y, 1e-3);
  }
};
}

TEST_F(LocalisationTest, TheLineGivesTheFacingAndTheFlagThePosition)
{
  M().SetLine(7, 'r', 52.5f, 90);
  M().SetFlag(7, 6, 36, 0, -999, -999);  // PRC at (36, 0)
  SetHead(30);
  B().Localise();
  EXPECT_FLOAT_EQ(M().GetFacing(), 0);
  EXPECT_FLOAT_EQ(M().GetBFacing(), -30);
  ExpectAt(0, 0);
  // The first position found: the jump from the unknown one.
  EXPECT_FLOAT_EQ(M().GetGPosCorr().GetX(), -999);
  EXPECT_EQ(M().GetGPosCorrTime(), 7);

  for (const float r : {90.0f, -90.0f, 60.0f, -60.0f})
  {
    M().SetLine(7, 'r', 20, r);
    EXPECT_FLOAT_EQ(B().GFaceDir(B().InsideLine()), r == 60 ? 30 : r == -60 ? -30 : 0) << r;
  }
}

TEST_F(LocalisationTest, WithoutALineOrAFlagThePoseStays)
{
  M().SetGPos(CVector(3, 4));
  M().SetFacing(20);
  M().SetGPosCorr(CVector(1, 1));
  M().SetGPosCorrTime(5);
  M().SetFlag(7, 6, 36, 0, -999, -999);
  B().Localise();
  M().SetTime(8);
  M().SetLine(8, 'r', 50, 90);
  B().Localise();
  ExpectAt(3, 4);
  EXPECT_FLOAT_EQ(M().GetFacing(), 20);
  EXPECT_FLOAT_EQ(M().GetGPosCorr().GetMag(), 0);
  EXPECT_EQ(M().GetGPosCorrTime(), 5);

  // A correction already made in this cycle stays.
  M().SetGPosCorr(CVector(1, 1));
  M().SetGPosCorrTime(8);
  B().Localise();
  EXPECT_FLOAT_EQ(M().GetGPosCorr().GetX(), 1);
}

// Player 1 of the recorded game, moved to (-10, 0) before kick-off, looks
// along the pitch at the centre flag and the ball 10 m ahead.
TEST_F(LocalisationTest, ARecordedVisualPlacesUsWhereTheServerDid)
{
  agent->SetSide('l');
  M().InitPlayerArrays('l', config);
  M().SetTime(0);
  M().SetLastVisualTime(0);
  for (const TraceRecord &r : ReadTrace(std::string(TEST_DATA_DIR) + "/player-init.trace"))
    if (r.received && r.bytes.compare(0, 7, "(see 1 ") == 0)
    {
      agent->sensors->Receive(r.bytes.data(), r.bytes.size());
      agent->sensors->AnalyseData();
      break;
    }
  ASSERT_EQ(M().GetTime(), 1);
  // The server's whole-degree directions leave a few centimetres.
  EXPECT_NEAR(M().GetGPos().GetX(), -10, 0.1);
  EXPECT_NEAR(M().GetGPos().GetY(), 0, 0.1);
  EXPECT_NEAR(M().GetFacing(), 0, 0.5);
  EXPECT_NEAR(Ball().GetGX(), 0, 0.1);
  EXPECT_NEAR(Ball().GetGY(), 0, 0.1);
  EXPECT_NEAR(M().GetFlag(6)->GetRMag(), 46.1f, 1e-3);
}

// The pose from the line and the nearest flag alone is off by the rounding of
// one direction times that flag's distance: a goalkeeper looking up the pitch
// in a narrow view has no flag nearer than the centre's, 50 m away, and was
// placed up to 1.7 m wrong. Every flag in view together pins him down. The
// poses sweep our half, the goalkeeper's corner most, in every view width.
TEST_F(LocalisationTest, EveryFlagInViewRefinesThePose)
{
  struct Sweep
  {
    const char *where;
    float x0, x1, y0, y1, halfCone;
    float meanError, worstError;
  };
  const Sweep sweeps[] = {
      {"near our goal, narrow view", -51, -40, -12, 12, 22.5f, 0.15f, 0.7f},
      {"near our goal, normal view", -51, -40, -12, 12, 45, 0.08f, 0.3f},
      {"our half, wide view", -45, -5, -30, 30, 90, 0.06f, 0.2f},
  };
  const int steps = 6;
  for (const Sweep &sweep : sweeps)
  {
    float sum = 0;
    float worst = 0;
    float worstFacing = 0;
    int n = 0;
    for (int i = 0; i < steps; i++)
      for (int j = 0; j < steps; j++)
        for (float facing : {-63.3f, -27.8f, -4.6f, 11.2f, 38.7f, 71.9f})
        {
          const CVector at(sweep.x0 + (sweep.x1 - sweep.x0) * i / (steps - 1),
                           sweep.y0 + (sweep.y1 - sweep.y0) * j / (steps - 1));
          SetUp();
          SeePitch(at, facing, sweep.halfCone);
          B().Localise();
          const float error = M().GetGPos().dist(at);
          sum += error;
          worst = std::max(worst, error);
          worstFacing = std::max(worstFacing, std::fabs(M().GetFacing() - facing));
          n++;
        }
    EXPECT_LT(sum / n, sweep.meanError) << sweep.where;
    EXPECT_LT(worst, sweep.worstError) << sweep.where;
    EXPECT_LT(worstFacing, 0.6f) << sweep.where;
  }
}

// The ball's and the players' velocities and facings in a visual come
// relative to our neck; turned onto the pitch by the facing reckoned before
// the visual, a ball shot straight at us after a turn whose noise put the
// reckoning 10 degrees off came in 10 degrees wide.
TEST_F(LocalisationTest, WhatTheVisualSawMovesByTheFacingItGave)
{
  M().InitPlayerArrays('l', config);
  M().SetFacing(10);  // reckoned; the visual says 0
  M().SetVelocity(CVector(0, 0));
  M().SetBall(7, 10, 0, -1, 0, 0);  // straight ahead, coming at us
  M().SetPlayer(7, 9, 'r', 5, 0, -0.5f, 0, 30, 40, false);
  M().SetLine(7, 'r', 52.5f, 90);
  M().SetFlag(7, 6, 36, 0, -999, -999);  // PRC at (36, 0)
  B().Localise();
  M().UpdateGlobals();
  ASSERT_FLOAT_EQ(M().GetFacing(), 0);

  struct Row
  {
    const char *what;
    float got, want;
  };
  const CPlayer *seen = M().GetNewVisualPlayer(1);
  ASSERT_NE(seen, nullptr);
  const Row rows[] = {
      {"ball's velocity along x", Ball().GetVelocity().GetX(), -1},
      {"ball's velocity across", Ball().GetVelocity().GetY(), 0},
      {"player's velocity along x", seen->GetVelocity().GetX(), -0.5f},
      {"player's velocity across", seen->GetVelocity().GetY(), 0},
      {"player's body", seen->GetGBFacing(), 30},
      {"player's neck", seen->GetGFacing(), 40},
  };
  for (const Row &row : rows)
    EXPECT_NEAR(row.got, row.want, 1e-3) << row.what;
}

// A ball a team-mate told us of in this cycle carries his velocity; the
// server's changes the record still holds are an older sighting's, and
// turning them onto the pitch again put a ball he saw rolling at 1.5 m a
// cycle back to the standstill we saw cycles before. Nor is his ball blended
// with our reckoning as if we had seen it.
TEST_F(LocalisationTest, ABallHeardThisCycleKeepsTheTellersVelocity)
{
  M().SetTime(3);
  M().SetBall(3, 20, 0, 0, 0, 0);  // seen standing, 20 m ahead
  Ball().SetConf(0.7f);             // four cycles on
  M().SetTime(7);
  CBall heard;
  heard.SetTime(7);
  heard.SetConf(1);
  heard.SetGPos(CVector(20, 5));
  heard.SetRPos(CVector(20, 5));
  heard.SetVelocity(CVector(-1.5f, 0));
  M().StoreBallFromAudio(heard);
  ASSERT_EQ(Ball().GetHeardTime(), 7);
  M().SetLine(7, 'r', 52.5f, 90);
  M().SetFlag(7, 6, 36, 0, -999, -999);
  B().Localise();
  M().UpdateGlobals();
  M().PositionBasedVelocityEstimation4Ball();
  EXPECT_NEAR(Ball().GetVelocity().GetX(), -1.5f, 1e-3);
  EXPECT_NEAR(Ball().GetVelocity().GetY(), 0, 1e-3);
}
