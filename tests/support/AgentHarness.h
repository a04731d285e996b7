#ifndef AGENTHARNESS_H
#define AGENTHARNESS_H

#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CActuators.h"
#include "CAgent.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CSensors.h"
#include "MCDictIniSafe.h"

// What the recording modules saw, in order, from every thread.
class CallLog
{
public:
  void Add(const std::string &call);
  void Clear();
  std::vector<std::string> Calls() const;
  // The calls that begin with the prefix, in order.
  std::vector<std::string> Matching(const std::string &prefix) const;

private:
  mutable std::mutex m_Mutex;
  std::vector<std::string> m_Calls;
};

CallLog &Calls();

void Describe(std::ostream &out, int value);
void Describe(std::ostream &out, float value);
void Describe(std::ostream &out, char value);
void Describe(std::ostream &out, bool value);
void Describe(std::ostream &out, const char *value);
void Describe(std::ostream &out, const CVector &value);
void Describe(std::ostream &out, const sensebody &value);
void Describe(std::ostream &out, const CBall &value);
void Describe(std::ostream &out, const CPlayer &value);
void Describe(std::ostream &out, const BasePlayerCompare &value);
void Describe(std::ostream &out, const sorted_players &value);

// Logs "who.name arg arg ...".
template <typename... T>
void Record(const char *who, const char *name, const T &...args)
{
  std::ostringstream out;
  out << who << '.' << name;
  ((out << ' ', Describe(out, args)), ...);
  Calls().Add(out.str());
}

// A world model that logs every operation the agent can hand it, then does
// what the real one does.
class RecMemory : public CMemory
{
public:
  explicit RecMemory(CMediator *mediator);

  void StorePlayers() override;
  void RemoveGhosts() override;
  void EraseMemory() override;
  void SetTime(int a) override;
  int GetTime() const override;
  void SetNewTime(int a) override;
  int GetNewTime() const override;
  int GetPreviousVisualTime() const override;
  void SetLastVisualInterval(int a) override;
  int GetLastVisualInterval() const override;
  void SetLastVisualTime(int a) override;
  int GetLastVisualTime() const override;
  void SetGPos(CVector a) override;
  CVector GetGPos() const override;
  void SetFacing(float a) override;
  float GetFacing() const override;
  void SetBFacing(float a) override;
  float GetBFacing() const override;
  void SetSB(sensebody a) override;
  sensebody GetSB() const override;
  float GetViewAngle() const override;
  void SetVelocity(CVector a) override;
  CVector GetVelocity() const override;
  void SetGPosCorr(CVector a) override;
  CVector GetGPosCorr() const override;
  void SetGPosCorrTime(int a) override;
  int GetGPosCorrTime() const override;
  void SetPastKick(CVector a, int b) override;
  void SetPassReceiver(int a) override;
  int GetPassReceiver() const override;
  bool AmIThePassReceiver() const override;
  void SetPassReceiverTime(int a) override;
  int GetPassReceiverTime() const override;
  void SetNextSpeaker(int a) override;
  int GetNextSpeaker() const override;
  void SetNextSpeakerTime(int a) override;
  int GetNextSpeakerTime() const override;
  CPlayer *GetAValidFriend(int a) const override;
  CPlayer *GetAValidFoe(int a) const override;
  CPlayer *GetClosestValidFriend2Point(int a, CVector b) const override;
  CPlayer *GetClosestValidFoe2Point(int a, CVector b) const override;
  CPlayer *GetClosestValidFriend2Me(int a) const override;
  CPlayer *GetClosestValidFoe2Me(int a) const override;
  CPlayer *GetClosestValidFriend2Ball(int a) const override;
  CPlayer *GetClosestValidFoe2Ball(int a) const override;
  CPlayer *GetClosestValidTeamless2Me(int a) const override;
  void SetLastCollisionTime(int a) override;
  void DoSortyThing(int a, BasePlayerCompare &b, sorted_players &c) override;
  void SortValidFriends2Me(sorted_players &a) override;
  void SortValidFriends2Ball(sorted_players &a) override;
  void SortValidFoes2Me(sorted_players &a) override;
  void SortValidFoes2Ball(sorted_players &a) override;
  CPlayer *GetPlayerWithin(float a, float b, float c, float d) const override;
  float GetOffsideLine() const override;
  float GetOurOffsideLine() const override;
  int NumFoesInCone(float a, CVector b, CVector c) const override;
  int NumFriendsInCone(float a, CVector b, CVector c, bool d) const override;
  int NumPlayersInCone(float a, CVector b, CVector c) const override;
  CPlayer *OurGoalie() override;
  CPlayer *TheirGoalie() override;
  void StoreBallFromAudio(CBall a) const override;
  void StorePlayerFromAudio(CPlayer a) const override;
  void StorePassFromAudio(int a, int b, CVector c) const override;
  void Lock() override;
  void Unlock() override;
  void DeletePlayerArrays() override;
  void SetPlayer(int a, int b, char c, float d, float e, float f, float g, float h, float i, bool j) override;
  void SetGoal(int a, char b, float c, float d) override;
  void SetBall(int a, float b, float c, float d, float e, int f) override;
  void SetFlag(int a, int b, float c, float d, float e, float f) override;
  void SetLine(int a, char b, float c, float d) override;
  const CGoal *GetGoal(char a) const override;
  CGoal *GetNonConstGoal(char a) override;
  const CBall *GetBall() const override;
  CBall *GetNonConstBall() override;
  const CFlag *GetFlag(int a) const override;
  const CLine *GetLine(char a) const override;
  void Update4Action(const char *a) override;
  void Update4NewCycle() override;
  void UpdateRelatives() override;
  void UpdateGlobals() override;
  void PositionBasedVelocityEstimation4Ball() override;
  void ForgetPastKick(int a) override;
};

// A brain that logs every operation the agent can hand it, then does what
// the real one does.
class RecBrain : public CBehaviours
{
public:
  explicit RecBrain(CMediator *mediator);

  void SetHaveVisualForThisAngle(bool a) override;
  void SendQueuedScans() override;
  void SetIsNewAction(int a) override;
  int GetIsNewAction() const override;
  void SetIsNewVisual(int a) override;
  void SetLastCollisionTime(int a) override;
  void SetPrevKickPowerRate(int a) override;
  float GetPrevKickPowerRate() const override;
  void NewVisualLock() const override;
  void NewVisualUnlock() const override;
  int GetIsNewVisual() const override;
  void ParseMessage(char *a) const override;
  void NewVisualSignal() const override;
  void NewActionLock() const override;
  void NewActionUnlock() const override;
  void NewActionSignal() const override;
  int GetScoreDiff() const override;
  void SetScoreDiff(int a) override;
  void Localise() override;
  int GetKickSent() const override;
  void SetKickSent(int a) override;
  int GetDashSent() const override;
  void SetDashSent(int a) override;
  int GetTurnSent() const override;
  void SetTurnSent(int a) override;
  int GetSaySent() const override;
  void SetSaySent(int a) override;
  int GetTurnNeckSent() const override;
  void SetTurnNeckSent(int a) override;
};

// An agent built around the recording world model and brain and the real
// sensors, actuators and play mode.
class RecordingAgent : public CAgent
{
public:
  explicit RecordingAgent(MCDictIniSafe &config);

  RecBrain *const brain;
  RecMemory *const memory;
  CSensors *const sensors;
  CActuators *const actuators;
  CPlayMode *const playmode;
};

// Builds a recording agent for each test with the console lines of its
// construction and destruction kept out of the test output.
class AgentFixture : public ::testing::Test
{
protected:
  void SetUp() override;
  void TearDown() override;
  // Lets a test's fixture change the configuration the agent is built from.
  virtual void Configure(MCDictIniSafe &) {}

  MCDictIniSafe config;
  std::unique_ptr<RecordingAgent> agent;
};

#endif
