#include <gtest/gtest.h>

#include <string>

#include "CBehaviours.h"
#include "Defaults.h"
#include "FixPlans.h"
#include "MCDictIniSafe.h"

namespace
{
// A brain alone, whose plans the test can look at. Its start-up reads the
// plans, with the positioner registry bound to the same configuration.
class PlanBrain : public CBehaviours
{
public:
  PlanBrain() : CBehaviours(nullptr) {}
  void Start(MCDictIniSafe &config)
  {
    testing::internal::CaptureStdout();
    Init(config);
    testing::internal::GetCapturedStdout();
  }
  using CBehaviours::m_FixPlans;
  using CBehaviours::m_NumFixPlans;
};

void ExpectPoint(CVector v, float x, float y)
{
  EXPECT_FLOAT_EQ(v.GetX(), x);
  EXPECT_FLOAT_EQ(v.GetY(), y);
}
}

TEST(FixPlans, TheBuiltInPlansAreReadWithTheirActionsAndTriggers)
{
  MCDictIniSafe config;
  config.setsafe(0);
  primeini(config);
  PlanBrain brain;
  brain.Start(config);
  ASSERT_EQ(brain.m_NumFixPlans, 85);
  ASSERT_EQ(brain.m_FixPlans.size(), 86u);

  const FIXPLAN *cross = nullptr;
  for (int i = 1; i <= brain.m_NumFixPlans; i++)
    if (brain.m_FixPlans[i].name == "CrossStage1Down")
      cross = &brain.m_FixPlans[i];
  ASSERT_NE(cross, nullptr);
  EXPECT_EQ(cross->player, 11);
  const FIXPLANACTION &action = cross->actions[1];
  EXPECT_EQ(action.type, 2);
  EXPECT_EQ(std::string(action.mcarea.name), "OCKP2D");
  EXPECT_FLOAT_EQ(action.mcarea.a, 4);
  EXPECT_FLOAT_EQ(action.mcarea.b, 4);
  EXPECT_FLOAT_EQ(action.kick_power, 0.7f);
  EXPECT_EQ(action.kick_type, 2);
  ExpectPoint(action.pos, -999, -999);
  EXPECT_EQ(action.wait_time, 1);
  EXPECT_EQ(action.dash_power, 100);
  EXPECT_EQ(action.triggers[1].type, 5);
  ExpectPoint(action.triggers[1].area.centre, 50, 25);
  ExpectPoint(action.triggers[1].area.size, 5, 5);
  EXPECT_EQ(std::string(action.triggers[3].mcarea.name), "OCKP3D");
  EXPECT_EQ(action.triggers[4].type, 12);
  EXPECT_EQ(action.triggers[5].type, 0);
  EXPECT_EQ(std::string(action.triggers[5].mcarea.name), "HOME");
  EXPECT_EQ(action.aborts[2], 0);
  EXPECT_EQ(cross->actions[2].type, 0);
  EXPECT_EQ(cross->time_limit, 500);
  EXPECT_TRUE(cross->repeat);
  EXPECT_EQ(std::string(cross->exclude_next[14]), "empty");
}

TEST(FixPlans, ACountOfNoneReadsNoPlanAndAMissingNameReadsSectionEmpty)
{
  MCDictIniSafe config;
  config.setsafe(0);
  PlanBrain brain;
  config.insert("InitialiseFixPlans", "number", 0);
  brain.Start(config);
  EXPECT_EQ(brain.m_FixPlans.size(), 1u);

  config.insert("InitialiseFixPlans", "number", -4);
  brain.Start(config);
  EXPECT_EQ(brain.m_NumFixPlans, 0);

  config.insert("InitialiseFixPlans", "number", 2);
  config.insert("InitialiseFixPlans", "fp_1", "Mine");
  config.insert("Mine", "action_3_pos", "1.5 -2");
  config.insert("Mine", "action_3_trigger_8_pos", "7");
  config.insert("Mine", "repeat", 0);
  brain.Start(config);
  ASSERT_EQ(brain.m_NumFixPlans, 2);
  EXPECT_EQ(std::string(brain.m_FixPlans[2].name), "empty");
  ExpectPoint(brain.m_FixPlans[1].actions[3].pos, 1.5f, -2);
  // A point with a number missing keeps the fallback for it.
  ExpectPoint(brain.m_FixPlans[1].actions[3].triggers[8].pos, 7, 0);
  EXPECT_FALSE(brain.m_FixPlans[1].repeat);
}

TEST(FixPlans, AnOverlongPositionerNameIsCutNotOverrun)
{
  MCDictIniSafe config;
  config.setsafe(0);
  PlanBrain brain;
  brain.Start(config);
  const std::string name(200, 'N');
  const FIXPLANMCAREA area = ParseFixPlanMCArea((name + " 3 4").c_str());
  EXPECT_EQ(std::string(area.name), std::string(63, 'N'));
  EXPECT_FALSE(area.positioner.valid());
}

// Every slot that names the same positioner, or the same plan not to
// follow, holds one shared text: the plans keep thousands of such names for
// the half. Each still reads as its own name, and a change to one leaves
// the others as they were.
TEST(FixPlans, SlotsNamingTheSameThingShareOneText)
{
  MCDictIniSafe config;
  config.setsafe(0);
  primeini(config);
  PlanBrain brain;
  brain.Start(config);
  ASSERT_GE(brain.m_NumFixPlans, 2);
  FIXPLAN &first = brain.m_FixPlans[1];
  FIXPLAN &last = brain.m_FixPlans[brain.m_NumFixPlans];
  const struct
  {
    const MCString &a;
    const MCString &b;
    const char *text;
  } rows[] = {{first.actions[4].triggers[8].mcarea.name, last.actions[3].triggers[7].mcarea.name, "HOME"},
              {first.actions[4].mcarea.name, last.actions[2].triggers[1].mcarea.name, "HOME"},
              {first.exclude_next[14], last.exclude_next[13], "empty"}};
  for (const auto &row : rows)
  {
    EXPECT_EQ(std::string(row.a), row.text);
    EXPECT_EQ(static_cast<const char *>(row.a), static_cast<const char *>(row.b)) << row.text;
  }
  first.exclude_next[14][0] = 'E';
  EXPECT_EQ(std::string(first.exclude_next[14]), "Empty");
  EXPECT_EQ(std::string(last.exclude_next[13]), "empty");
}
