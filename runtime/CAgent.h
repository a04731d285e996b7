#ifndef CAGENT_H
#define CAGENT_H

#include <netinet/in.h>
#include <pthread.h>

#include <atomic>

#include "CMediator.h"

class CModule;
class CBehaviours;
class CMemory;
class CSensors;
class CActuators;
class CPlayMode;
class MCDictIniSafe;

// The five modules one agent is made of. Tests build stand-ins for them
// through CAgent's protected constructor.
struct CModuleSet
{
  CBehaviours *brain;
  CMemory *memory;
  CSensors *sensors;
  CActuators *actuators;
  CPlayMode *playmode;
};

typedef CModuleSet (*CModuleMaker)(CMediator *mediator);

// The player: owns the five modules, answers what concerns the agent itself
// and hands every other request to the module that owns the datum.
class CAgent : public CMediator
{
public:
  static const int MAX_ACTIONS = 10;
  static const int ACTION_LENGTH = 640;
  static const int TNAME_LENGTH = 30;

  explicit CAgent(MCDictIniSafe &config);
  ~CAgent() override;

  void CreateModules() override;
  void ModuleChanged(CModule *module) override;
  void SetHaveVisualForThisAngle(bool) override;
  void SendQueuedScans() override;
  void StorePlayers() override;
  void RemoveGhosts() override;
  void UpdateGPos() override;
  void Check4LostActions(int, int, int, int, int) override;
  void EraseMemory() override;
  [[noreturn]] void DoExit(int) override;
  void LockAgent() override;
  void UnlockAgent() override;
  void LockMemory() const override;
  void UnlockMemory() const override;
  void NewVisualLock() const override;
  void NewVisualUnlock() const override;
  void LockPlayMode() const override;
  void UnlockPlayMode() const override;
  void LockActuators() const override;
  void UnlockActuators() const override;
  void SetStatus(int) override;
  int GetStatus() const override;
  void SetIsNewAction(int) override;
  int GetIsNewAction() const override;
  void SetIsNewVisual(int) override;
  int GetIsNewVisual() const override;
  void SetTime(int) override;
  int GetTime() const override;
  void SetNewTime(int) override;
  int GetNewTime() const override;
  int GetPreviousVisualTime() const override;
  void SetLastVisualInterval(int) override;
  int GetLastVisualInterval() const override;
  void SetLastVisualTime(int) override;
  int GetLastVisualTime() const override;
  void SetLastAction(int, const char *) override;
  const char * GetLastAction(int) const override;
  void SetActionCount(int) override;
  int GetActionCount() const override;
  void SetTName(const char *) override;
  const char * GetTName() const override;
  void SetSide(char) override;
  char GetSide() const override;
  char TheirSide() const override;
  void SetUNum(int) override;
  int GetUNum() const override;
  void SetGPos(CVector) override;
  CVector GetGPos() const override;
  void SetFacing(float) override;
  float GetFacing() const override;
  void SetBFacing(float) override;
  float GetBFacing() const override;
  void SetSB(sensebody) override;
  sensebody GetSB() const override;
  float GetViewAngle() const override;
  void SetVelocity(CVector) override;
  CVector GetVelocity() const override;
  void SetGPosCorr(CVector) override;
  CVector GetGPosCorr() const override;
  void SetGPosCorrTime(int) override;
  int GetGPosCorrTime() const override;
  void SetPastKick(CVector, int) override;
  void SetPassReceiver(int) override;
  int GetPassReceiver() const override;
  bool AmIThePassReceiver() const override;
  void SetPassReceiverTime(int) override;
  int GetPassReceiverTime() const override;
  void SetNextSpeaker(int) override;
  int GetNextSpeaker() const override;
  void SetNextSpeakerTime(int) override;
  int GetNextSpeakerTime() const override;
  void S2MWritePlayer(int, int, char, float, float, float, float, float, float, bool) const override;
  void S2MWriteGoal(int, char, float, float) const override;
  void S2MWriteBall(int, float, float, float, float, int) const override;
  void S2MWriteFlag(int, int, float, float, float, float) const override;
  void S2MWriteLine(int, char, float, float) const override;
  void S2BNewVisualSignal() const override;
  // Wakes the main loop for a cycle that began since the last call, if any.
  void S2BNewCycleSignal() override;
  void ParseMessage(char *) const override;
  void S2PWritePlayMode(char *) override;
  PlayMode P2BReadPlayMode(bool) const override;
  int P2BReadPlayModeTime(bool) const override;
  int P2BReadScoreDiff() const override;
  void P2BWriteScoreDiff(int) const override;
  const CGoal * M2BReadGoal(char) const override;
  CGoal * M2BReadNonConstGoal(char) override;
  const CBall * M2BReadBall() const override;
  CBall * M2BReadNonConstBall() override;
  const CFlag * M2BReadFlag(int) const override;
  const CLine * M2BReadLine(char) const override;
  CPlayer * GetAValidFriend(int) const override;
  CPlayer * GetAValidFoe(int) const override;
  CPlayer * GetClosestValidFriend2Point(int, CVector) const override;
  CPlayer * GetClosestValidFoe2Point(int, CVector) const override;
  CPlayer * GetClosestValidFriend2Me(int) const override;
  CPlayer * GetClosestValidFoe2Me(int) const override;
  CPlayer * GetClosestValidFriend2Ball(int) const override;
  CPlayer * GetClosestValidFoe2Ball(int) const override;
  CPlayer * GetClosestValidTeamless2Me(int) const override;
  void SetLastCollisionTime(int) override;
  void DoSortyThing(int, BasePlayerCompare &, sorted_players &) override;
  void SortValidFriends2Me(sorted_players &) override;
  void SortValidFriends2Ball(sorted_players &) override;
  void SortValidFoes2Me(sorted_players &) override;
  void SortValidFoes2Ball(sorted_players &) override;
  CPlayer * GetPlayerWithin(float, float, float, float) const override;
  float GetOffsideLine() const override;
  float GetOurOffsideLine() const override;
  int NumFoesInCone(float, CVector, CVector) const override;
  int NumFriendsInCone(float, CVector, CVector, bool) const override;
  int NumPlayersInCone(float, CVector, CVector) const override;
  CPlayer * OurGoalie() override;
  CPlayer * TheirGoalie() override;
  void SetPrevKickPowerRate(int) override;
  float GetPrevKickPowerRate() const override;
  void StoreBallFromAudio(const CBall &) const override;
  void StorePlayerFromAudio(const CPlayer &) const override;
  void StorePassFromAudio(int, int, CVector) const override;
  void DisplayMemory() const override;

  [[noreturn]] void Abort(const char *text, int code);

  void Lock();
  void Unlock();
  void NewCycleLock();
  void NewCycleUnlock();
  void NewCycleSignal();
  int GetIsNewCycle() const;
  void SetIsNewCycle(int flag);

  // The connection and the handshake.
  void Init(const char *kind, MCDictIniSafe &config);
  void Reconnect(MCDictIniSafe &config);
  // How long the handshake waits for the server's answer before it gives up.
  void SetHandshakeTimeout(int milliseconds);
  int ReceiveMessage(char *buffer, int size);
  int SendMessage(const char *text) const;
  struct socket InitConnection(const char *host, int port) const;
  void CloseConnection() const;
  struct socket GetSSocket() const;
  void SetSSocket(struct socket s);
  struct socket GetASocket() const;
  void SetASocket(struct socket s);

  // The threads and the cycle.
  int MainLoop();
  int Wait4NewCycle();
  // One decision pass: the situation, then the play of the agent's role.
  void Decide(PlayMode previous, PlayMode current);
  // The main loop's pass of a cycle, with the world model locked: the
  // decision pass, or, while the clock stands after the bundle sent, an
  // empty bundle so that the loop waits for the next cycle.
  void DecideCycle(PlayMode previous, PlayMode current);

  void DisplayPlayMode() const;
  void DisplayActuators() const;
  void DisplaySensors() const;
  void DisplayBehaviours() const;

  float NormaliseAngle(float angle) const;

protected:
  // Builds the agent around modules made by `maker` instead of the real ones.
  CAgent(MCDictIniSafe &config, CModuleMaker maker);

private:
  void ReportStatus(int status, const char *text) const;
  // The team messages said and heard, and what the world model kept of them.
  void ReportTeamMessages() const;
  void Construct(MCDictIniSafe &config);
  void StartNewCycle();
  in_addr Ask(const char *request, char *reply, const char *failure);
  void PostCommand();
  void StrikeLost(const char *kind, const char *prefix, int server,
                  int (CBehaviours::*get)() const, void (CBehaviours::*set)(int));

  pthread_mutex_t m_Mutex;
  pthread_mutex_t m_NewCycleMutex;
  pthread_cond_t m_NewCycleCond;
  int m_IsNewCycle;
  // A cycle began and the main loop has not been woken for it yet.
  bool m_CycleWakePending = false;
  int m_MaxSimStepWait;
  // The clock as the last wait for a cycle read it, in milliseconds: the
  // actuators' idle check goes by it rather than read the clock again
  // just after the wake, when its page is no longer at hand.
  long long m_WaitClockMs;
  int m_HandshakeTimeoutMs;
  // Read by all three threads without a lock; the sensors thread and DoExit
  // write it.
  std::atomic<int> m_Status;
  pthread_t m_SensorsThread;
  pthread_t m_ActuatorsThread;
  CBehaviours *m_Behaviours;
  CMemory *m_Memory;
  CSensors *m_Sensors;
  CActuators *m_Actuators;
  CPlayMode *m_PlayMode;
  char m_LastActions[MAX_ACTIONS][ACTION_LENGTH];
  int m_ActionCount;
  char m_TName[TNAME_LENGTH];
  char m_Side;
  int m_UNum;
  CModuleMaker m_Maker;
};

// Thread entries; each takes the module the thread runs.
void *StartSensors(void *sensors);
void *StartActuators(void *actuators);

#endif
