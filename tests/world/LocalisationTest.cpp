#include <gtest/gtest.h>

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
  ExpectAt(-10, 0);
  EXPECT_NEAR(M().GetFacing(), 0, 1e-3);
  EXPECT_NEAR(Ball().GetGX(), 0, 1e-3);
  EXPECT_NEAR(Ball().GetGY(), 0, 1e-3);
  EXPECT_NEAR(M().GetFlag(6)->GetRMag(), 46.1f, 1e-3);
}
