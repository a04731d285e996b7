#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>

#include "BrainParameters.h"
#include "CBehaviours.h"
#include "Defaults.h"
#include "MCDictIniSafe.h"
#include "ScratchDir.h"

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

namespace
{
typedef CBrainParameters P;
typedef std::function<double(const P &)> Getter;

template <typename T>
Getter Field(T P::*field)
{
  return [field](const P &p) { return static_cast<double>(p.*field); };
}

// A sample across the sections and the kinds of read: the built-in table's
// value (which, where it differs from the brain's own default, must win),
// and what a configuration file makes of it.
struct SampleKey
{
  const char *section;
  const char *key;
  Getter get;
  double builtIn;
  const char *fileText;
  double fromFile;
};

const SampleKey kSample[] = {
  {"Timing", "max_sim_pol_wait", Field(&P::m_MaxSimPolWait), 30, "25", 25},
  {"Timing", "wait_4_visual_before_acting", Field(&P::m_Wait4VisualBeforeActing), 1, "0", 0},
  {"Formations", "all_out_flank", Field(&P::m_AllOutFlank), 0, "7", 1},
  {"NotInServer", "goal_area_width", Field(&P::m_GoalAreaWidth), 18.32, "20.5", 20.5},
  {"Server", "maxneckang", Field(&P::m_MaxNeckAng), 90, "80", 80},
  {"Server", "dash_power_rate", Field(&P::m_DashPowerRate), 0.006, "0.008", 0.008},
  {"Memory", "mob_conf_thr", Field(&P::m_MobConfThr), 0.4, "0.3", 0.3},
  {"Kicking", "hardest_kick_ball_ang", Field(&P::m_HardestKickBallAng), 180, "90.7", 90},
  {"BreakAway", "breakaway_kick_run_max_cycles", Field(&P::m_BreakawayKickRunMaxCycles), 14,
   "9", 9},
  {"Movement", "min_recharge_cycles", Field(&P::m_MinRechargeCycles), 20, "45", 45},
  {"Movement", "dodge_angle", Field(&P::m_DodgeAngle), 60, "45.9", 45},
  {"Player", "fwz_can_keep_ball_cycles", Field(&P::m_FwzCanKeepBallCycles), -1, "2", 2},
  {"ClearSend", "Shoot:GoalWidthFactor", Field(&P::m_ShootGoalWidthFactor), 0.956, "0.9", 0.9},
  {"Dribbling", "dribble_can_scan", Field(&P::m_DribbleCanScan), 1, "0", 0},
  {"Passing", "pass_risk_ratio", Field(&P::m_PassRiskRatio), 0.5, "0.25", 0.25},
  {"ActiveIntercept", "intercept_lookahead", Field(&P::m_InterceptLookahead), -2, "3", 3},
  {"PassiveIntercept", "bpiballcyc", Field(&P::m_Bpiballcyc), 0, "1.5", 1.5},
  {"Communication", "encrypt_key", Field(&P::m_EncryptKey), 61, "17", 17},
  {"InitialiseFixPlans", "use_fix_plans", Field(&P::m_UseFixPlans), 1, "0", 0},
  {"Goalie", "goalie_after_catch_min_wait_time", Field(&P::m_GoalieAfterCatchMinWaitTime), 20,
   "33", 33},
  {"Goalie", "goalie_max_pos_dist", Field(&P::m_GoalieMaxPosDist), 78.75, "60", 60},
};

P Read(const MCDictIniSafe &config)
{
  P params;
  params.ReadAllParameters(&config);
  return params;
}
}

TEST(BrainParameters, SampleKeysComeFromTheBuiltInTableAndThenFromAFile)
{
  MCDictIniSafe config;
  config.setsafe(0);
  primeini(config);
  const P builtIn = Read(config);

  ScratchDir dir;
  std::ofstream file(dir.file("override.conf"));
  std::string section;
  for (const SampleKey &k : kSample)
  {
    if (section != k.section)
      file << "[" << k.section << "]\n";
    section = k.section;
    file << k.key << " = " << k.fileText << "\n";
  }
  file.close();
  config.import(dir.file("override.conf").c_str());
  const P overridden = Read(config);

  for (const SampleKey &k : kSample)
  {
    SCOPED_TRACE(std::string(k.section) + " " + k.key);
    EXPECT_NEAR(k.get(builtIn), k.builtIn, 1e-6);
    EXPECT_NEAR(k.get(overridden), k.fromFile, 1e-6);
  }
}

TEST(BrainParameters, WithNoConfigurationTheDerivedValuesFollowTheDefaults)
{
  const P p;  // every parameter at its own default
  EXPECT_EQ(p.m_HalfTimeCycles, 3000);
  EXPECT_FLOAT_EQ(p.m_EffortDecThr, 1050);
  EXPECT_FLOAT_EQ(p.m_RecoverDecThr, 1050);
  EXPECT_NEAR(p.m_CatchRadius, 2.0615528, 1e-6);
  EXPECT_FLOAT_EQ(p.m_GoalieMaxPosDist, 78.75f);
  EXPECT_FLOAT_EQ(p.m_GoalieBallDistForCorner, 16.5f);
  EXPECT_FLOAT_EQ(p.m_GoalieBallDistForCenter, 52.5f);
  EXPECT_FLOAT_EQ(p.m_GoalieMaxComeOutDist, 20.5f);
  EXPECT_FLOAT_EQ(p.m_Kickable, 1.0512711f);
  EXPECT_FLOAT_EQ(p.m_SpinKickFactor2, 0.585f);
  EXPECT_EQ(std::string(p.m_CommId), "Tarroks00");

  EXPECT_FLOAT_EQ(p.m_FieldCRectangle.LeftX(), -52.5f);
  EXPECT_FLOAT_EQ(p.m_FieldCRectangle.BottomY(), 34);
  EXPECT_FLOAT_EQ(p.m_TheirPenaltyArea.LeftX(), 36);
  EXPECT_FLOAT_EQ(p.m_TheirPenaltyArea.TopY(), -20.16f);
  EXPECT_FLOAT_EQ(p.m_OurPenaltyArea.RightX(), -36);
  EXPECT_FLOAT_EQ(p.m_OurGoalArea.RightX(), -47);
  EXPECT_FLOAT_EQ(p.m_OurGoalArea.BottomY(), 9.16f);
}

TEST(BrainParameters, TheGoalieDefaultsAndTheAreasFollowTheConfiguredPitch)
{
  MCDictIniSafe config;
  config.setsafe(0);
  config.insert("NotInServer", "pitch_length", 100);
  config.insert("NotInServer", "penalty_area_length", 20);
  config.insert("Server", "catchable_area_l", 3);
  config.insert("Server", "catchable_area_w", 8);
  const P p = Read(config);
  EXPECT_FLOAT_EQ(p.m_GoalieMaxPosDist, 75);
  EXPECT_FLOAT_EQ(p.m_GoalieBallDistForCenter, 50);
  EXPECT_FLOAT_EQ(p.m_GoalieBallDistForCorner, 20);
  EXPECT_FLOAT_EQ(p.m_GoalieMaxComeOutDist, 24);
  EXPECT_FLOAT_EQ(p.m_CatchRadius, 5);
  EXPECT_FLOAT_EQ(p.m_FieldCRectangle.RightX(), 50);
  EXPECT_FLOAT_EQ(p.m_TheirPenaltyArea.LeftX(), 30);
  EXPECT_FLOAT_EQ(p.m_OurPenaltyArea.RightX(), -30);
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
  EXPECT_EQ(p.m_CommId[9], '\0');

  config.insert("Communication", "comm_id", "ABCDEFGHIJKLMNOP");
  p = Read(config);
  EXPECT_EQ(std::memcmp(p.m_CommId, "ABCDEFGHIJ", 10), 0);
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
