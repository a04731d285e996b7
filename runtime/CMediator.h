#ifndef CMEDIATOR_H
#define CMEDIATOR_H

#include "CVector.h"
#include "Records.h"

class CBall;
class CPlayer;
class CGoal;
class CFlag;
class CLine;
class BasePlayerCompare;
struct sorted_players;
class CModule;

// The hub through which the modules reach each other: every request of one
// module for another's data and every event a module raises comes here, and
// the implementation hands it to the module that owns the datum.
class CMediator
{
public:
  CMediator() {}
  virtual void CreateModules() = 0;
  virtual ~CMediator() {}
  virtual void ModuleChanged(CModule *) = 0;
  virtual void SetHaveVisualForThisAngle(bool) = 0;
  virtual void SendQueuedScans() = 0;
  virtual void StorePlayers() = 0;
  virtual void RemoveGhosts() = 0;
  virtual void UpdateGPos() = 0;
  virtual void Check4LostActions(int, int, int, int, int) = 0;
  virtual void EraseMemory() = 0;
  virtual void DoExit(int) = 0;
  virtual void LockAgent() = 0;
  virtual void UnlockAgent() = 0;
  virtual void LockMemory() const = 0;
  virtual void UnlockMemory() const = 0;
  virtual void NewVisualLock() const = 0;
  virtual void NewVisualUnlock() const = 0;
  virtual void LockPlayMode() const = 0;
  virtual void UnlockPlayMode() const = 0;
  virtual void LockActuators() const = 0;
  virtual void UnlockActuators() const = 0;
  virtual void SetStatus(int) = 0;
  virtual int GetStatus() const = 0;
  virtual void SetIsNewAction(int) = 0;
  virtual int GetIsNewAction() const = 0;
  virtual void SetIsNewVisual(int) = 0;
  virtual int GetIsNewVisual() const = 0;
  virtual void SetTime(int) = 0;
  virtual int GetTime() const = 0;
  virtual void SetNewTime(int) = 0;
  virtual int GetNewTime() const = 0;
  virtual int GetPreviousVisualTime() const = 0;
  virtual void SetLastVisualInterval(int) = 0;
  virtual int GetLastVisualInterval() const = 0;
  virtual void SetLastVisualTime(int) = 0;
  virtual int GetLastVisualTime() const = 0;
  virtual void SetLastAction(int, const char *) = 0;
  virtual const char * GetLastAction(int) const = 0;
  virtual void SetActionCount(int) = 0;
  virtual int GetActionCount() const = 0;
  virtual void SetTName(const char *) = 0;
  virtual const char * GetTName() const = 0;
  virtual void SetSide(char) = 0;
  virtual char GetSide() const = 0;
  virtual char TheirSide() const = 0;
  virtual void SetUNum(int) = 0;
  virtual int GetUNum() const = 0;
  virtual void SetGPos(CVector) = 0;
  virtual CVector GetGPos() const = 0;
  virtual void SetFacing(float) = 0;
  virtual float GetFacing() const = 0;
  virtual void SetBFacing(float) = 0;
  virtual float GetBFacing() const = 0;
  virtual void SetSB(sensebody) = 0;
  virtual sensebody GetSB() const = 0;
  virtual float GetViewAngle() const = 0;
  virtual void SetVelocity(CVector) = 0;
  virtual CVector GetVelocity() const = 0;
  virtual void SetGPosCorr(CVector) = 0;
  virtual CVector GetGPosCorr() const = 0;
  virtual void SetGPosCorrTime(int) = 0;
  virtual int GetGPosCorrTime() const = 0;
  virtual void SetPastKick(CVector, int) = 0;
  virtual void SetPassReceiver(int) = 0;
  virtual int GetPassReceiver() const = 0;
  virtual bool AmIThePassReceiver() const = 0;
  virtual void SetPassReceiverTime(int) = 0;
  virtual int GetPassReceiverTime() const = 0;
  virtual void SetNextSpeaker(int) = 0;
  virtual int GetNextSpeaker() const = 0;
  virtual void SetNextSpeakerTime(int) = 0;
  virtual int GetNextSpeakerTime() const = 0;
  virtual void S2MWritePlayer(int, int, char, float, float, float, float, float, float, bool) const = 0;
  virtual void S2MWriteGoal(int, char, float, float) const = 0;
  virtual void S2MWriteBall(int, float, float, float, float, int) const = 0;
  virtual void S2MWriteFlag(int, int, float, float, float, float) const = 0;
  virtual void S2MWriteLine(int, char, float, float) const = 0;
  virtual void S2BNewVisualSignal() const = 0;
  virtual void S2BNewCycleSignal() = 0;
  virtual void ParseMessage(char *) const = 0;
  virtual void S2PWritePlayMode(char *) = 0;
  virtual PlayMode P2BReadPlayMode(bool) const = 0;
  virtual int P2BReadPlayModeTime(bool) const = 0;
  virtual int P2BReadScoreDiff() const = 0;
  virtual void P2BWriteScoreDiff(int) const = 0;
  virtual const CGoal * M2BReadGoal(char) const = 0;
  virtual CGoal * M2BReadNonConstGoal(char) = 0;
  virtual const CBall * M2BReadBall() const = 0;
  virtual CBall * M2BReadNonConstBall() = 0;
  virtual const CFlag * M2BReadFlag(int) const = 0;
  virtual const CLine * M2BReadLine(char) const = 0;
  virtual CPlayer * GetAValidFriend(int) const = 0;
  virtual CPlayer * GetAValidFoe(int) const = 0;
  virtual CPlayer * GetClosestValidFriend2Point(int, CVector) const = 0;
  virtual CPlayer * GetClosestValidFoe2Point(int, CVector) const = 0;
  virtual CPlayer * GetClosestValidFriend2Me(int) const = 0;
  virtual CPlayer * GetClosestValidFoe2Me(int) const = 0;
  virtual CPlayer * GetClosestValidFriend2Ball(int) const = 0;
  virtual CPlayer * GetClosestValidFoe2Ball(int) const = 0;
  virtual CPlayer * GetClosestValidTeamless2Me(int) const = 0;
  virtual void SetLastCollisionTime(int) = 0;
  virtual void DoSortyThing(int, BasePlayerCompare &, sorted_players &) = 0;
  virtual void SortValidFriends2Me(sorted_players &) = 0;
  virtual void SortValidFriends2Ball(sorted_players &) = 0;
  virtual void SortValidFoes2Me(sorted_players &) = 0;
  virtual void SortValidFoes2Ball(sorted_players &) = 0;
  virtual CPlayer * GetPlayerWithin(float, float, float, float) const = 0;
  // Their offside line comes this far short of where the world model
  // reckons it, so that a forward kept to it stays onside.
  static constexpr float OFFSIDE_LINE_SLACK = 1.0f;
  virtual float GetOffsideLine() const = 0;
  virtual float GetOurOffsideLine() const = 0;
  virtual int NumFoesInCone(float, CVector, CVector) const = 0;
  virtual int NumFriendsInCone(float, CVector, CVector, bool) const = 0;
  virtual int NumPlayersInCone(float, CVector, CVector) const = 0;
  virtual CPlayer * OurGoalie() = 0;
  virtual CPlayer * TheirGoalie() = 0;
  virtual void SetPrevKickPowerRate(int) = 0;
  virtual float GetPrevKickPowerRate() const = 0;
  virtual void StoreBallFromAudio(const CBall &) const = 0;
  virtual void StorePlayerFromAudio(const CPlayer &) const = 0;
  virtual void StorePassFromAudio(int, int, CVector) const = 0;
  virtual void DisplayMemory() const = 0;
};

#endif
