#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "AgentHarness.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
using MemoryTest = AgentFixture;

class ConfiguredMemoryTest : public AgentFixture
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("Server", "quantize_step", 0.2);
    config.insert("Server", "stamina_max", 4000.0);
    config.insert("Server", "player_size", 0.5);
    config.insert("Memory", "stay_pass_receiver_period", 2);
  }
};
}

TEST_F(ConfiguredMemoryTest, ParametersComeFromTheConfiguration)
{
  CMemory &memory = *agent->memory;
  EXPECT_FLOAT_EQ(memory.GetQuantizeFactor(), 0.2003335f);
  EXPECT_EQ(memory.GetSB().stamina, 4000);
  EXPECT_FLOAT_EQ(memory.GetCollisionDistance(), 0.585f);
  // The pass window of two cycles.
  agent->SetUNum(9);
  memory.SetPassReceiver(9);
  memory.SetPassReceiverTime(100);
  memory.SetTime(102);
  EXPECT_TRUE(memory.AmIThePassReceiver());
  memory.SetTime(103);
  EXPECT_FALSE(memory.AmIThePassReceiver());
}

// Localisation marks a position it could not find with magnitude -1.
TEST_F(MemoryTest, AnUnfoundPositionKeepsTheLastKnownOne)
{
  CMemory &memory = *agent->memory;
  memory.SetGPos(CVector(3, 4));
  CVector missing(1, 0);
  missing.SetMag(-1);
  memory.SetGPos(missing);
  EXPECT_EQ(memory.GetGPos().GetX(), 3);
  EXPECT_EQ(memory.GetGPos().GetY(), 4);
  memory.SetGPos(CVector(0, 0));
  EXPECT_EQ(memory.GetGPos().GetMag(), 0);
}

TEST_F(MemoryTest, PlayerArraysForAnUnknownSideAreReportedForEveryIndex)
{
  CMemory &memory = *agent->memory;
  memory.SetTime(2);
  CaptureStderr();
  memory.InitPlayerArrays('x', config);
  std::string expected;
  for (int i = 0; i < CMemory::MAX_PLAYERS; i++)
    expected += "2 ERROR: CMemory: InitPlayerArrays: What side is that -x-?\n";
  EXPECT_EQ(GetCapturedStderr(), expected);
  // Still no empty entry: every query walks the arrays.
  std::ostringstream dump;
  memory.Display(dump);
  EXPECT_EQ(dump.str().find("NULL"), std::string::npos);
  EXPECT_NE(dump.str().find("MEMORY Foe[4]:\n\tPLAYER Time: 0\n\tPLAYER Conf: 0\n"
                            "\tPLAYER Side: u\n"),
            std::string::npos);
  memory.DeletePlayerArrays();
  CaptureStderr();
  memory.InitPlayerArrays('r', config);
  EXPECT_EQ(GetCapturedStderr(), "");
  // The agent deletes them before the world model, which must not free
  // them twice.
  memory.DeletePlayerArrays();
}
