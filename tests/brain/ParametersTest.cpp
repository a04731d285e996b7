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

// Settings that size the interception's records, its look-ahead and the
// brain's waits: a value outside its range gives one line naming the key and
// the value used, and the brain goes on with that value. The look-ahead
// ends with the half (3000 cycles here, 600 with a 60 s half).
TEST(BrainParameters, SettingsThatSizeMemoryLoopsOrWaitsAreHeldInRange)
{
  const struct
  {
    const char *section, *key, *value;
    int P::*field;
    int expected;
    const char *warning;  // null: none
  } rows[] = {
    {"ActiveIntercept", "team_size", "100000000", &P::m_TeamSize, 11, "team_size 100000000 is outside 0 to 11, 11 used"},
    {"ActiveIntercept", "team_size", "-1", &P::m_TeamSize, 0, "team_size -1 is outside 0 to 11, 0 used"},
    {"ActiveIntercept", "team_size", "11", &P::m_TeamSize, 11, nullptr},
    {"ActiveIntercept", "intercept_aim_ahead", "1000000000", &P::m_InterceptAimAhead, 3000,
     "intercept_aim_ahead 1000000000 is outside 0 to 3000, 3000 used"},
    {"ActiveIntercept", "no_turn_max_cyc_diff", "1000000000", &P::m_NoTurnMaxCycDiff, 3000,
     "no_turn_max_cyc_diff 1000000000 is outside 0 to 3000, 3000 used"},
    {"ActiveIntercept", "max_int_lookahead", "0", &P::m_MaxIntLookahead, 1, "max_int_lookahead 0 is outside 1 to 3000, 1 used"},
    {"ActiveIntercept", "intercept_lookahead", "-2", &P::m_InterceptLookahead, -2, nullptr},
    {"ActiveIntercept", "intercept_step", "-1", &P::m_InterceptStep, 1, "intercept_step -1 is outside 1 to 3000, 1 used"},
    {"BreakAway", "breakaway_kick_run_max_cycles", "1000000000", &P::m_BreakawayKickRunMaxCycles, 3000,
     "breakaway_kick_run_max_cycles 1000000000 is outside 1 to 3000, 3000 used"},
    {"Goalie", "goalie_narrow_sideline_cyc", "-1", &P::m_GoalieNarrowSidelineCyc, 0,
     "goalie_narrow_sideline_cyc -1 is outside 0 to 3000, 0 used"},
    {"Timing", "max_sim_visual_wait", "1000000000", &P::m_MaxSimVisualWait, 3000,
     "max_sim_visual_wait 1000000000 is outside 0 to 3000, 3000 used"},
    {"Timing", "max_sim_pol_wait", "0", &P::m_MaxSimPolWait, 1, "max_sim_pol_wait 0 is outside 1 to 3000, 1 used"},
  };
  for (const auto &row : rows)
  {
    MCDictIniSafe config;
    config.insert(row.section, row.key, row.value);
    CaptureStderr();
    const P p = Read(config);
    const std::string err = GetCapturedStderr();
    EXPECT_EQ(p.*row.field, row.expected) << row.key << " " << row.value;
    if (row.warning == nullptr)
      EXPECT_EQ(err, "") << row.key;
    else
      EXPECT_EQ(err, std::string("WARNING: CBehaviours: Init: ") + row.warning + "...\n") << row.key;
  }

  MCDictIniSafe config;
  config.insert("Server", "half_time", "60");
  config.insert("ActiveIntercept", "max_int_lookahead", "1000000000");
  CaptureStderr();
  EXPECT_EQ(Read(config).m_MaxIntLookahead, 600);
  GetCapturedStderr();
}
