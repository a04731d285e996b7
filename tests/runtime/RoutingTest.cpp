#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "AgentHarness.h"
#include "CBall.h"
#include "CPlayer.h"
#include "ChildProcess.h"
#include "PlayerInterface.h"

namespace
{
// Asks every operation of the interface once, through the given module.
void CallEverything(CModule &m)
{
  char text[] = "play_on";
  sensebody sb = {};
  std::strcpy(sb.view_width, "normal");
  BasePlayerCompare compare;
  sorted_players list;
  m.SetHaveVisualForThisAngle(true);
  m.SendQueuedScans();
  m.StorePlayers();
  m.RemoveGhosts();
  m.UpdateGPos();
  m.Check4LostActions(1, 1, 1, 1, 1);
  m.EraseMemory();
  m.LockAgent();
  m.UnlockAgent();
  m.LockMemory();
  m.UnlockMemory();
  m.NewVisualLock();
  m.NewVisualUnlock();
  m.LockPlayMode();
  m.UnlockPlayMode();
  m.LockActuators();
  m.UnlockActuators();
  m.SetStatus(1);
  m.GetStatus();
  m.SetIsNewAction(1);
  m.GetIsNewAction();
  m.SetIsNewVisual(1);
  m.GetIsNewVisual();
  m.SetTime(1);
  m.GetTime();
  m.SetNewTime(1);
  m.GetNewTime();
  m.GetPreviousVisualTime();
  m.SetLastVisualInterval(1);
  m.GetLastVisualInterval();
  m.SetLastVisualTime(1);
  m.GetLastVisualTime();
  m.SetLastAction(1, "(dash 10.00)\n");
  m.GetLastAction(1);
  m.SetActionCount(1);
  m.GetActionCount();
  m.SetTName("(dash 10.00)\n");
  m.GetTName();
  m.SetSide('l');
  m.GetSide();
  m.TheirSide();
  m.SetUNum(1);
  m.GetUNum();
  m.SetGPos(CVector(1, 2));
  m.GetGPos();
  m.SetFacing(1.5f);
  m.GetFacing();
  m.SetBFacing(1.5f);
  m.GetBFacing();
  m.SetSB(sb);
  m.GetSB();
  m.GetViewAngle();
  m.SetVelocity(CVector(1, 2));
  m.GetVelocity();
  m.SetGPosCorr(CVector(1, 2));
  m.GetGPosCorr();
  m.SetGPosCorrTime(1);
  m.GetGPosCorrTime();
  m.SetPastKick(CVector(1, 2), 1);
  m.SetPassReceiver(1);
  m.GetPassReceiver();
  m.AmIThePassReceiver();
  m.SetPassReceiverTime(1);
  m.GetPassReceiverTime();
  m.SetNextSpeaker(1);
  m.GetNextSpeaker();
  m.SetNextSpeakerTime(1);
  m.GetNextSpeakerTime();
  m.S2MWritePlayer(1, 1, 'l', 1.5f, 1.5f, 1.5f, 1.5f, 1.5f, 1.5f, true);
  m.S2MWriteGoal(1, 'l', 1.5f, 1.5f);
  m.S2MWriteBall(1, 1.5f, 1.5f, 1.5f, 1.5f, 1);
  m.S2MWriteFlag(1, 1, 1.5f, 1.5f, 1.5f, 1.5f);
  m.S2MWriteLine(1, 'l', 1.5f, 1.5f);
  m.S2BNewVisualSignal();
  m.ParseMessage(text);
  m.S2PWritePlayMode(text);
  m.P2BReadPlayMode(true);
  m.P2BReadPlayModeTime(true);
  m.P2BReadScoreDiff();
  m.P2BWriteScoreDiff(1);
  m.M2BReadGoal('l');
  m.M2BReadNonConstGoal('l');
  m.M2BReadBall();
  m.M2BReadNonConstBall();
  m.M2BReadFlag(1);
  m.M2BReadLine('l');
  m.GetAValidFriend(1);
  m.GetAValidFoe(1);
  m.GetClosestValidFriend2Point(1, CVector(1, 2));
  m.GetClosestValidFoe2Point(1, CVector(1, 2));
  m.GetClosestValidFriend2Me(1);
  m.GetClosestValidFoe2Me(1);
  m.GetClosestValidFriend2Ball(1);
  m.GetClosestValidFoe2Ball(1);
  m.GetClosestValidTeamless2Me(1);
  m.SetLastCollisionTime(1);
  m.DoSortyThing(1, compare, list);
  m.SortValidFriends2Me(list);
  m.SortValidFriends2Ball(list);
  m.SortValidFoes2Me(list);
  m.SortValidFoes2Ball(list);
  m.GetPlayerWithin(1.5f, 1.5f, 1.5f, 1.5f);
  m.GetOffsideLine();
  m.GetOurOffsideLine();
  m.NumFoesInCone(1.5f, CVector(1, 2), CVector(1, 2));
  m.NumFriendsInCone(1.5f, CVector(1, 2), CVector(1, 2), true);
  m.NumPlayersInCone(1.5f, CVector(1, 2), CVector(1, 2));
  m.OurGoalie();
  m.TheirGoalie();
  m.SetPrevKickPowerRate(1);
  m.GetPrevKickPowerRate();
  m.StoreBallFromAudio(CBall());
  m.StorePlayerFromAudio(CPlayer());
  m.StorePassFromAudio(1, 1, CVector(1, 2));
  m.DisplayMemory();
}

struct Routed
{
  const char *name;
  std::function<void(CModule &)> call;
  const char *expected;  // the first call that reaches a module
};

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

TEST_F(RoutingTest, EveryModuleOperationReachesTheModuleThatOwnsIt)
{
  char text[] = "play_on";
  sensebody sb = {};
  std::strcpy(sb.view_width, "normal");
  BasePlayerCompare compare;
  sorted_players list;
  const std::vector<Routed> table = {
      {"SetHaveVisualForThisAngle", [&](CModule &m) { m.SetHaveVisualForThisAngle(true); }, "brain.SetHaveVisualForThisAngle true"},
      {"SendQueuedScans", [&](CModule &m) { m.SendQueuedScans(); }, "brain.SendQueuedScans"},
      {"StorePlayers", [&](CModule &m) { m.StorePlayers(); }, "memory.StorePlayers"},
      {"RemoveGhosts", [&](CModule &m) { m.RemoveGhosts(); }, "memory.RemoveGhosts"},
      {"EraseMemory", [&](CModule &m) { m.EraseMemory(); }, "memory.EraseMemory"},
      {"LockMemory", [&](CModule &m) { m.LockMemory(); }, "memory.Lock"},
      {"UnlockMemory", [&](CModule &m) { m.UnlockMemory(); }, "memory.Unlock"},
      {"NewVisualLock", [&](CModule &m) { m.NewVisualLock(); }, "brain.NewVisualLock"},
      {"NewVisualUnlock", [&](CModule &m) { m.NewVisualUnlock(); }, "brain.NewVisualUnlock"},
      {"SetIsNewAction", [&](CModule &m) { m.SetIsNewAction(1); }, "brain.SetIsNewAction 1"},
      {"GetIsNewAction", [&](CModule &m) { m.GetIsNewAction(); }, "brain.GetIsNewAction"},
      {"SetIsNewVisual", [&](CModule &m) { m.SetIsNewVisual(1); }, "brain.SetIsNewVisual 1"},
      {"GetIsNewVisual", [&](CModule &m) { m.GetIsNewVisual(); }, "brain.GetIsNewVisual"},
      {"SetTime", [&](CModule &m) { m.SetTime(1); }, "memory.SetTime 1"},
      {"GetTime", [&](CModule &m) { m.GetTime(); }, "memory.GetTime"},
      {"SetNewTime", [&](CModule &m) { m.SetNewTime(1); }, "memory.SetNewTime 1"},
      {"GetNewTime", [&](CModule &m) { m.GetNewTime(); }, "memory.GetNewTime"},
      {"GetPreviousVisualTime", [&](CModule &m) { m.GetPreviousVisualTime(); }, "memory.GetPreviousVisualTime"},
      {"SetLastVisualInterval", [&](CModule &m) { m.SetLastVisualInterval(1); }, "memory.SetLastVisualInterval 1"},
      {"GetLastVisualInterval", [&](CModule &m) { m.GetLastVisualInterval(); }, "memory.GetLastVisualInterval"},
      {"SetLastVisualTime", [&](CModule &m) { m.SetLastVisualTime(1); }, "memory.SetLastVisualTime 1"},
      {"GetLastVisualTime", [&](CModule &m) { m.GetLastVisualTime(); }, "memory.GetLastVisualTime"},
      {"SetGPos", [&](CModule &m) { m.SetGPos(CVector(1, 2)); }, "memory.SetGPos (1,2)"},
      {"GetGPos", [&](CModule &m) { m.GetGPos(); }, "memory.GetGPos"},
      {"SetFacing", [&](CModule &m) { m.SetFacing(1.5f); }, "memory.SetFacing 1.5"},
      {"GetFacing", [&](CModule &m) { m.GetFacing(); }, "memory.GetFacing"},
      {"SetBFacing", [&](CModule &m) { m.SetBFacing(1.5f); }, "memory.SetBFacing 1.5"},
      {"GetBFacing", [&](CModule &m) { m.GetBFacing(); }, "memory.GetBFacing"},
      {"SetSB", [&](CModule &m) { m.SetSB(sb); }, "memory.SetSB sb@0"},
      {"GetSB", [&](CModule &m) { m.GetSB(); }, "memory.GetSB"},
      {"GetViewAngle", [&](CModule &m) { m.GetViewAngle(); }, "memory.GetViewAngle"},
      {"SetVelocity", [&](CModule &m) { m.SetVelocity(CVector(1, 2)); }, "memory.SetVelocity (1,2)"},
      {"GetVelocity", [&](CModule &m) { m.GetVelocity(); }, "memory.GetVelocity"},
      {"SetGPosCorr", [&](CModule &m) { m.SetGPosCorr(CVector(1, 2)); }, "memory.SetGPosCorr (1,2)"},
      {"GetGPosCorr", [&](CModule &m) { m.GetGPosCorr(); }, "memory.GetGPosCorr"},
      {"SetGPosCorrTime", [&](CModule &m) { m.SetGPosCorrTime(1); }, "memory.SetGPosCorrTime 1"},
      {"GetGPosCorrTime", [&](CModule &m) { m.GetGPosCorrTime(); }, "memory.GetGPosCorrTime"},
      {"SetPastKick", [&](CModule &m) { m.SetPastKick(CVector(1, 2), 1); }, "memory.SetPastKick (1,2) 1"},
      {"SetPassReceiver", [&](CModule &m) { m.SetPassReceiver(1); }, "memory.SetPassReceiver 1"},
      {"GetPassReceiver", [&](CModule &m) { m.GetPassReceiver(); }, "memory.GetPassReceiver"},
      {"AmIThePassReceiver", [&](CModule &m) { m.AmIThePassReceiver(); }, "memory.AmIThePassReceiver"},
      {"SetPassReceiverTime", [&](CModule &m) { m.SetPassReceiverTime(1); }, "memory.SetPassReceiverTime 1"},
      {"GetPassReceiverTime", [&](CModule &m) { m.GetPassReceiverTime(); }, "memory.GetPassReceiverTime"},
      {"SetNextSpeaker", [&](CModule &m) { m.SetNextSpeaker(1); }, "memory.SetNextSpeaker 1"},
      {"GetNextSpeaker", [&](CModule &m) { m.GetNextSpeaker(); }, "memory.GetNextSpeaker"},
      {"SetNextSpeakerTime", [&](CModule &m) { m.SetNextSpeakerTime(1); }, "memory.SetNextSpeakerTime 1"},
      {"GetNextSpeakerTime", [&](CModule &m) { m.GetNextSpeakerTime(); }, "memory.GetNextSpeakerTime"},
      {"S2MWritePlayer", [&](CModule &m) { m.S2MWritePlayer(1, 1, 'l', 1.5f, 1.5f, 1.5f, 1.5f, 1.5f, 1.5f, true); }, "memory.SetPlayer 1 1 l 1.5 1.5 1.5 1.5 1.5 1.5 true"},
      {"S2MWriteGoal", [&](CModule &m) { m.S2MWriteGoal(1, 'l', 1.5f, 1.5f); }, "memory.SetGoal 1 l 1.5 1.5"},
      {"S2MWriteBall", [&](CModule &m) { m.S2MWriteBall(1, 1.5f, 1.5f, 1.5f, 1.5f, 1); }, "memory.SetBall 1 1.5 1.5 1.5 1.5 1"},
      {"S2MWriteFlag", [&](CModule &m) { m.S2MWriteFlag(1, 1, 1.5f, 1.5f, 1.5f, 1.5f); }, "memory.SetFlag 1 1 1.5 1.5 1.5 1.5"},
      {"S2MWriteLine", [&](CModule &m) { m.S2MWriteLine(1, 'l', 1.5f, 1.5f); }, "memory.SetLine 1 l 1.5 1.5"},
      {"S2BNewVisualSignal", [&](CModule &m) { m.S2BNewVisualSignal(); }, "brain.NewVisualSignal"},
      {"ParseMessage", [&](CModule &m) { m.ParseMessage(text); }, "brain.ParseMessage play_on"},
      {"P2BReadScoreDiff", [&](CModule &m) { m.P2BReadScoreDiff(); }, "brain.GetScoreDiff"},
      {"P2BWriteScoreDiff", [&](CModule &m) { m.P2BWriteScoreDiff(1); }, "brain.SetScoreDiff 1"},
      {"M2BReadGoal", [&](CModule &m) { m.M2BReadGoal('l'); }, "memory.GetGoal l"},
      {"M2BReadNonConstGoal", [&](CModule &m) { m.M2BReadNonConstGoal('l'); }, "memory.GetNonConstGoal l"},
      {"M2BReadBall", [&](CModule &m) { m.M2BReadBall(); }, "memory.GetBall"},
      {"M2BReadNonConstBall", [&](CModule &m) { m.M2BReadNonConstBall(); }, "memory.GetNonConstBall"},
      {"M2BReadFlag", [&](CModule &m) { m.M2BReadFlag(1); }, "memory.GetFlag 1"},
      {"M2BReadLine", [&](CModule &m) { m.M2BReadLine('l'); }, "memory.GetLine l"},
      {"GetAValidFriend", [&](CModule &m) { m.GetAValidFriend(1); }, "memory.GetAValidFriend 1"},
      {"GetAValidFoe", [&](CModule &m) { m.GetAValidFoe(1); }, "memory.GetAValidFoe 1"},
      {"GetClosestValidFriend2Point", [&](CModule &m) { m.GetClosestValidFriend2Point(1, CVector(1, 2)); }, "memory.GetClosestValidFriend2Point 1 (1,2)"},
      {"GetClosestValidFoe2Point", [&](CModule &m) { m.GetClosestValidFoe2Point(1, CVector(1, 2)); }, "memory.GetClosestValidFoe2Point 1 (1,2)"},
      {"GetClosestValidFriend2Me", [&](CModule &m) { m.GetClosestValidFriend2Me(1); }, "memory.GetClosestValidFriend2Me 1"},
      {"GetClosestValidFoe2Me", [&](CModule &m) { m.GetClosestValidFoe2Me(1); }, "memory.GetClosestValidFoe2Me 1"},
      {"GetClosestValidFriend2Ball", [&](CModule &m) { m.GetClosestValidFriend2Ball(1); }, "memory.GetClosestValidFriend2Ball 1"},
      {"GetClosestValidFoe2Ball", [&](CModule &m) { m.GetClosestValidFoe2Ball(1); }, "memory.GetClosestValidFoe2Ball 1"},
      {"GetClosestValidTeamless2Me", [&](CModule &m) { m.GetClosestValidTeamless2Me(1); }, "memory.GetClosestValidTeamless2Me 1"},
      {"SetLastCollisionTime", [&](CModule &m) { m.SetLastCollisionTime(1); }, "brain.SetLastCollisionTime 1"},
      {"DoSortyThing", [&](CModule &m) { m.DoSortyThing(1, compare, list); }, "memory.DoSortyThing 1 compare list"},
      {"SortValidFriends2Me", [&](CModule &m) { m.SortValidFriends2Me(list); }, "memory.SortValidFriends2Me list"},
      {"SortValidFriends2Ball", [&](CModule &m) { m.SortValidFriends2Ball(list); }, "memory.SortValidFriends2Ball list"},
      {"SortValidFoes2Me", [&](CModule &m) { m.SortValidFoes2Me(list); }, "memory.SortValidFoes2Me list"},
      {"SortValidFoes2Ball", [&](CModule &m) { m.SortValidFoes2Ball(list); }, "memory.SortValidFoes2Ball list"},
      {"GetPlayerWithin", [&](CModule &m) { m.GetPlayerWithin(1.5f, 1.5f, 1.5f, 1.5f); }, "memory.GetPlayerWithin 1.5 1.5 1.5 1.5"},
      {"GetOffsideLine", [&](CModule &m) { m.GetOffsideLine(); }, "memory.GetOffsideLine"},
      {"GetOurOffsideLine", [&](CModule &m) { m.GetOurOffsideLine(); }, "memory.GetOurOffsideLine"},
      {"NumFoesInCone", [&](CModule &m) { m.NumFoesInCone(1.5f, CVector(1, 2), CVector(1, 2)); }, "memory.NumFoesInCone 1.5 (1,2) (1,2)"},
      {"NumFriendsInCone", [&](CModule &m) { m.NumFriendsInCone(1.5f, CVector(1, 2), CVector(1, 2), true); }, "memory.NumFriendsInCone 1.5 (1,2) (1,2) true"},
      {"OurGoalie", [&](CModule &m) { m.OurGoalie(); }, "memory.OurGoalie"},
      {"TheirGoalie", [&](CModule &m) { m.TheirGoalie(); }, "memory.TheirGoalie"},
      {"SetPrevKickPowerRate", [&](CModule &m) { m.SetPrevKickPowerRate(1); }, "brain.SetPrevKickPowerRate 1"},
      {"GetPrevKickPowerRate", [&](CModule &m) { m.GetPrevKickPowerRate(); }, "brain.GetPrevKickPowerRate"},
      {"StoreBallFromAudio", [&](CModule &m) { m.StoreBallFromAudio(CBall()); }, "memory.StoreBallFromAudio ball"},
      {"StorePlayerFromAudio", [&](CModule &m) { m.StorePlayerFromAudio(CPlayer()); }, "memory.StorePlayerFromAudio player"},
      {"StorePassFromAudio", [&](CModule &m) { m.StorePassFromAudio(1, 1, CVector(1, 2)); }, "memory.StorePassFromAudio 1 1 (1,2)"},
  };
  // The sensors own none of these, so each must travel through the agent.
  for (const Routed &row : table)
  {
    Calls().Clear();
    row.call(*agent->sensors);
    const std::vector<std::string> calls = Calls().Calls();
    ASSERT_FALSE(calls.empty()) << row.name << " reached no module";
    EXPECT_EQ(calls.front(), row.expected) << row.name;
  }
}

TEST_F(RoutingTest, OperationsOfTheAgentItselfAreAnsweredByIt)
{
  CModule &m = *agent->sensors;
  m.SetUNum(7);
  m.SetSide('r');
  m.SetStatus(1);
  EXPECT_EQ(agent->memory->GetUNum(), 7);
  EXPECT_EQ(agent->brain->GetSide(), 'r');
  EXPECT_EQ(m.GetStatus(), 1);
  EXPECT_EQ(m.TheirSide(), 'l');
  m.SetSide('l');
  EXPECT_EQ(m.TheirSide(), 'r');
  m.SetSide('x');
  EXPECT_EQ(m.TheirSide(), 'l');

  m.SetLastAction(2, "(turn 30.00)\n");
  m.SetActionCount(3);
  EXPECT_STREQ(agent->playmode->GetLastAction(2), "(turn 30.00)\n");
  EXPECT_EQ(agent->actuators->GetActionCount(), 3);
  EXPECT_TRUE(Calls().Calls().empty());
}

TEST_F(RoutingTest, TeamNameKeepsAtMostTwentyNineCharactersAndItsEnd)
{
  agent->SetTName("Dravon_Tarroks");
  EXPECT_STREQ(agent->sensors->GetTName(), "Dravon_Tarroks");
  const std::string longName(40, 'x');
  agent->SetTName(longName.c_str());
  EXPECT_EQ(std::string(agent->GetTName()), std::string(29, 'x'));
}

TEST_F(RoutingTest, APositionUpdateLocalisesThenRecomputesInOrder)
{
  agent->sensors->UpdateGPos();
  // The four steps, without the reads and writes of the store they make.
  std::vector<std::string> steps;
  for (const std::string &call : Calls().Calls())
    if (call == "brain.Localise" || call.rfind("memory.Update", 0) == 0 ||
        call.rfind("memory.PositionBased", 0) == 0)
      steps.push_back(call);
  EXPECT_EQ(steps,
            (std::vector<std::string>{"brain.Localise", "memory.UpdateGlobals",
                                      "memory.UpdateRelatives",
                                      "memory.PositionBasedVelocityEstimation4Ball"}));
}

TEST_F(RoutingTest, PlayersInAConeAreFoesPlusFriendsWithoutTheAgent)
{
  agent->sensors->NumPlayersInCone(0.5f, CVector(1, 2), CVector(3, 4));
  EXPECT_EQ(Calls().Calls(),
            (std::vector<std::string>{"memory.NumFoesInCone 0.5 (1,2) (3,4)",
                                      "memory.NumFriendsInCone 0.5 (1,2) (3,4) false"}));
}

TEST_F(RoutingTest, ScoreDifferenceTravelsBetweenPlayModeAndBrain)
{
  agent->playmode->P2BWriteScoreDiff(-2);
  EXPECT_EQ(agent->brain->GetScoreDiff(), -2);
  EXPECT_EQ(agent->playmode->P2BReadScoreDiff(), -2);
}

TEST_F(RoutingTest, TheRefereesCallsTravelBetweenSensorsPlayModeAndBrain)
{
  agent->memory->SetTime(30);
  char kickOff[] = "kick_off_l";
  agent->sensors->S2PWritePlayMode(kickOff);
  agent->memory->SetTime(31);
  char playOn[] = "play_on";
  agent->sensors->S2PWritePlayMode(playOn);
  EXPECT_EQ(agent->brain->P2BReadPlayMode(true), PM_PLAY_ON);
  EXPECT_EQ(agent->brain->P2BReadPlayModeTime(true), 31);
  EXPECT_EQ(agent->brain->P2BReadPlayModeTime(false), 30);
  EXPECT_EQ(agent->playmode->GetPlayMode(false), agent->brain->P2BReadPlayMode(false));
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

TEST_F(RoutingTest, AModuleAnswersItsOwnOperationsWithoutTheAgent)
{
  agent->memory->SetTime(12);
  EXPECT_EQ(Calls().Calls(), std::vector<std::string>{"memory.SetTime 12"});
  Calls().Clear();
  EXPECT_EQ(agent->brain->GetTime(), 12);
  EXPECT_EQ(agent->brain->GetIsNewAction(), 0);
  EXPECT_EQ(Calls().Calls(),
            (std::vector<std::string>{"memory.GetTime", "brain.GetIsNewAction"}));
}

// Every operation asked of every module ends: an operation that a module
// served by bouncing it back to the agent would recurse until the stack ran
// out, so the child would die of a signal.
TEST(RoutingRecursion, NoOperationIsBouncedBetweenAModuleAndTheAgent)
{
  const ChildResult result = RunInChild([] {
    MCDictIniSafe config;
    config.setsafe(0);
    RecordingAgent agent(config);
    CModule *const modules[] = {agent.sensors, agent.actuators, agent.playmode, agent.memory,
                                agent.brain};
    for (CModule *module : modules)
      CallEverything(*module);
    std::cout << "all answered" << std::endl;
    return 0;
  }, nullptr, 20000);
  EXPECT_FALSE(result.timedOut);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_NE(result.out.find("all answered"), std::string::npos);
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
