#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "AgentHarness.h"

using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

namespace
{
using BrainTest = AgentFixture;

// Waits short enough for a test to see them end.
class ShortWaitTest : public AgentFixture
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("Timing", "max_sim_pol_wait", 20);
    config.insert("Timing", "max_sim_visual_wait", 20);
  }
};

// Waits long enough that only a signal can end them in time.
class LongWaitTest : public AgentFixture
{
protected:
  void Configure(MCDictIniSafe &config) override
  {
    config.insert("Timing", "max_sim_visual_wait", 5000);
  }
};

double Seconds(std::chrono::steady_clock::time_point since)
{
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}
}

TEST_F(BrainTest, TheCommandBufferIsBoundedAndEnds)
{
  CBehaviours &brain = *agent->brain;
  EXPECT_STREQ(brain.GetActionBuffer(), "NULL");
  const std::string longSay = "(say " + std::string(700, 'x') + ")\n";
  brain.SetActionBuffer(longSay.c_str());
  EXPECT_EQ(std::string(brain.GetActionBuffer()), longSay.substr(0, 639));
}

// A decision pass holds the world-model lock; the sensors thread needs it
// to store the visual the brain waits for.
TEST_F(ShortWaitTest, AWaitForAVisualWhileThinkingLetsTheWorldModelGo)
{
  CBehaviours &brain = *agent->brain;
  agent->memory->Lock();
  brain.SetThinkingInProgress(true);
  brain.SetIsNewVisual(1);
  Calls().Clear();
  EXPECT_EQ(brain.Wait4NewVisual(), 1);
  EXPECT_EQ(Calls().Matching("memory.Unlock").size(), 1u);
  EXPECT_EQ(Calls().Matching("memory.Lock").size(), 1u);
  brain.SetThinkingInProgress(false);
  Calls().Clear();
  brain.Wait4NewVisual();
  EXPECT_TRUE(Calls().Matching("memory.Unlock").empty());
  EXPECT_TRUE(Calls().Matching("memory.Lock").empty());
  agent->memory->Unlock();
}

TEST_F(LongWaitTest, ANewVisualFromTheSensorsEndsTheWait)
{
  CBehaviours &brain = *agent->brain;
  agent->memory->Lock();
  brain.SetThinkingInProgress(true);
  // The sensors thread, as it stores a visual.
  std::thread sensors([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    agent->sensors->LockMemory();
    agent->sensors->UnlockMemory();
    agent->sensors->NewVisualLock();
    agent->sensors->SetIsNewVisual(1);
    agent->sensors->S2BNewVisualSignal();
    agent->sensors->NewVisualUnlock();
  });
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(brain.Wait4NewVisual(), 1);
  EXPECT_LT(Seconds(start), 3.0);
  sensors.join();
  brain.SetThinkingInProgress(false);
  agent->memory->Unlock();
}

// A team-mate's word ends a set play only once the referee's call is three
// cycles old.
TEST_F(BrainTest, AHeardPlayOnReplacesOnlyAnOldSetPlay)
{
  agent->SetSide('l');
  agent->memory->SetTime(10);
  agent->playmode->SetPlayMode("free_kick_l");
  agent->memory->SetTime(12);
  agent->brain->StorePMFromAudio(PM_PLAY_ON);
  EXPECT_EQ(agent->playmode->GetPlayMode(true), PM_FREE_KICK);
  agent->brain->StorePMFromAudio(PM_KICK_IN);
  agent->memory->SetTime(13);
  agent->brain->StorePMFromAudio(PM_PLAY_ON);
  EXPECT_EQ(agent->playmode->GetPlayMode(true), PM_PLAY_ON);
  EXPECT_EQ(agent->playmode->GetPlayModeTime(true), 13);
}
