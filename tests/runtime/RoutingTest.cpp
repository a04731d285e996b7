#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "AgentHarness.h"
#include "ChildProcess.h"

namespace
{
// True when `lock` keeps another thread out of the mutex that the module's
// own `take` and `release` guard.
bool KeepsOthersOut(const std::function<void()> &lock, const std::function<void()> &unlock,
                    const std::function<void()> &take, const std::function<void()> &release)
{
  lock();
  std::atomic<bool> entered(false);
  std::thread other([&] {
    take();
    entered = true;
    release();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const bool keptOut = !entered;
  unlock();
  other.join();
  return keptOut && entered;
}
}

using RoutingTest = AgentFixture;

// The sensors own none of these, so each travels through the agent to its
// owner.
TEST_F(RoutingTest, WritesThroughAnotherModuleReachTheirOwner)
{
  CModule &m = *agent->sensors;
  m.SetTime(4);
  m.SetNewTime(5);
  m.SetIsNewVisual(1);
  m.SetIsNewAction(1);
  m.SetGPos(CVector(1, 2));
  m.SetFacing(30);
  m.SetPassReceiver(3);
  m.SetPrevKickPowerRate(1);
  m.S2MWriteLine(4, 'l', 10, 20);
  m.S2MWriteBall(6, 10, 20, 0, 0, 0);
  EXPECT_EQ(agent->memory->GetTime(), 4);
  EXPECT_EQ(agent->memory->GetNewTime(), 5);
  EXPECT_EQ(agent->brain->GetIsNewVisual(), 1);
  EXPECT_EQ(agent->brain->GetIsNewAction(), 1);
  EXPECT_EQ(agent->memory->GetGPos().GetY(), 2);
  EXPECT_EQ(agent->memory->GetFacing(), 30);
  EXPECT_EQ(m.GetPassReceiver(), 3);
  EXPECT_EQ(m.GetPrevKickPowerRate(), 1);
  EXPECT_EQ(m.M2BReadLine('l')->GetTime(), 4);
  EXPECT_EQ(m.M2BReadBall()->GetTime(), 6);
}

TEST_F(RoutingTest, TeamNameKeepsAtMostTwentyNineCharactersAndItsEnd)
{
  agent->SetTName("Dravon_Tarroks");
  EXPECT_STREQ(agent->sensors->GetTName(), "Dravon_Tarroks");
  const std::string longName(40, 'x');
  agent->SetTName(longName.c_str());
  EXPECT_EQ(std::string(agent->GetTName()), std::string(29, 'x'));
}

TEST_F(RoutingTest, LocksTakenThroughTheAgentHoldTheOwnersMutex)
{
  CModule &m = *agent->sensors;
  EXPECT_TRUE(KeepsOthersOut([&] { m.LockMemory(); }, [&] { m.UnlockMemory(); },
                             [&] { agent->memory->Lock(); }, [&] { agent->memory->Unlock(); }));
  EXPECT_TRUE(KeepsOthersOut([&] { m.LockPlayMode(); }, [&] { m.UnlockPlayMode(); },
                             [&] { agent->playmode->Lock(); },
                             [&] { agent->playmode->Unlock(); }));
  EXPECT_TRUE(KeepsOthersOut([&] { m.LockActuators(); }, [&] { m.UnlockActuators(); },
                             [&] { agent->actuators->Lock(); },
                             [&] { agent->actuators->Unlock(); }));
  EXPECT_TRUE(KeepsOthersOut([&] { m.LockAgent(); }, [&] { m.UnlockAgent(); },
                             [&] { agent->Lock(); }, [&] { agent->Unlock(); }));
  EXPECT_TRUE(KeepsOthersOut([&] { m.NewVisualLock(); }, [&] { m.NewVisualUnlock(); },
                             [&] { agent->brain->NewVisualLock(); },
                             [&] { agent->brain->NewVisualUnlock(); }));
}

TEST(RoutingRecursion, ExitAskedByAModuleEndsTheProcessWithItsCode)
{
  const ChildResult result = RunInChild([] {
    MCDictIniSafe config;
    config.setsafe(0);
    RecordingAgent agent(config);
    agent.sensors->DoExit(7);
    return 0;
  });
  EXPECT_EQ(result.exitCode, 7);
}
