#include <gtest/gtest.h>

#include <string>

#include "BrainParameters.h"
#include "CBehaviours.h"
#include "MCDictIniSafe.h"

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

namespace
{
typedef CBrainParameters P;
P Read(const MCDictIniSafe &config)
{
  P params;
  params.ReadAllParameters(&config);
  return params;
}
}

TEST(BrainParameters, WithNoConfigurationTheDerivedValuesFollowTheDefaults)
{
  const P p;  // every parameter at its own default
  EXPECT_EQ(p.m_HalfTimeCycles, 3000);
  EXPECT_FLOAT_EQ(p.m_EffortDecThr, 1050);
  EXPECT_NEAR(p.m_CatchRadius, 2.0615528, 1e-6);
  EXPECT_FLOAT_EQ(p.m_GoalieMaxPosDist, 78.75f);
  EXPECT_FLOAT_EQ(p.m_GoalieMaxComeOutDist, 20.5f);
  EXPECT_FLOAT_EQ(p.m_Kickable, 1.0512711f);
  EXPECT_FLOAT_EQ(p.m_SpinKickFactor2, 0.585f);
  EXPECT_EQ(std::string(p.m_CommId), "Tarroks00");

  EXPECT_FLOAT_EQ(p.m_FieldCRectangle.LeftX(), -52.5f);
  EXPECT_FLOAT_EQ(p.m_TheirPenaltyArea.LeftX(), 36);
  EXPECT_FLOAT_EQ(p.m_OurPenaltyArea.RightX(), -36);
  EXPECT_FLOAT_EQ(p.m_OurGoalArea.RightX(), -47);
}

TEST(BrainParameters, TheHalfIsCountedInCyclesOfTheConfiguredStep)
{
  MCDictIniSafe config;
  config.setsafe(0);
  config.insert("Server", "simulator_step", 50);
  config.insert("Server", "stamina_max", 4000);
  EXPECT_EQ(Read(config).m_HalfTimeCycles, 6000);
  EXPECT_FLOAT_EQ(Read(config).m_EffortDecThr, 1200);

  // A step of no length cannot divide the half: the usual 100 ms stands in.
  config.insert("Server", "simulator_step", 0);
  CaptureStderr();
  const P p = Read(config);
  EXPECT_NE(GetCapturedStderr().find("WARNING: CBehaviours: Init: simulator_step 0"),
            std::string::npos);
  EXPECT_EQ(p.m_HalfTimeCycles, 3000);
  EXPECT_EQ(p.m_SimulatorStep, 100);
}

TEST(BrainParameters, TheTeamIdentifierKeepsAtMostTenCharacters)
{
  MCDictIniSafe config;
  config.setsafe(0);
  config.insert("Communication", "comm_id", "Abc");
  P p = Read(config);
  EXPECT_EQ(std::string(p.m_CommId), "Abc");

  config.insert("Communication", "comm_id", "ABCDEFGHIJKLMNOP");
  p = Read(config);
  EXPECT_EQ(std::string(p.m_CommId), "ABCDEFGHIJ");
}

namespace
{
// A brain on its own, whose positioner handle the test can look at.
class StartedBrain : public CBehaviours
{
public:
  explicit StartedBrain(MCDictIniSafe &config) : CBehaviours(nullptr)
  {
    CaptureStdout();
    Init(config);
    GetCapturedStdout();
  }
  using CBehaviours::m_Positioner;
};
}

// The positioner registry is the program's own and is set up once; a later
// brain in the same process must not read descriptions through the first
// one's configuration, which may be gone.
TEST(BrainStartUp, EachBrainFindsPositionersInItsOwnConfiguration)
{
  {
    MCDictIniSafe first;
    first.setsafe(0);
    StartedBrain brain(first);
  }
  MCDictIniSafe second;
  second.setsafe(0);
  second.insert("Positioners", "BEST", "(FIXED:(X:3,Y:4))");
  second.insert("Positioners", "OnlyInSecond", "(FIXED:(X:1,Y:2))");
  StartedBrain brain(second);
  EXPECT_TRUE(brain.m_Positioner.valid());
  EXPECT_TRUE(FindPositioner("OnlyInSecond").valid());
  EXPECT_FALSE(FindPositioner("NoSuchPositioner").valid());
}
