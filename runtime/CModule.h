#ifndef CMODULE_H
#define CMODULE_H

#include "CMediator.h"

// The base of the five modules. Each operation, unless the module that owns
// its datum overrides it, asks the mediator, which routes it to that owner.
class CModule
{
public:
  explicit CModule(CMediator *mediator);

  virtual void Changed();
  virtual void SetHaveVisualForThisAngle(bool);
  virtual void SendQueuedScans();
  virtual void StorePlayers();
  virtual void RemoveGhosts();
  virtual void UpdateGPos();
  virtual void Check4LostActions(int, int, int, int, int);
  virtual void EraseMemory();
  virtual void DoExit(int);
  virtual void LockAgent();
  virtual void UnlockAgent();
  virtual void LockMemory() const;
  virtual void UnlockMemory() const;
  virtual void NewVisualLock() const;
  virtual void NewVisualUnlock() const;
  virtual void LockPlayMode() const;
  virtual void UnlockPlayMode() const;
  virtual void LockActuators() const;
  virtual void UnlockActuators() const;
  virtual void SetStatus(int);
  virtual int GetStatus() const;
  virtual void SetIsNewAction(int);
  virtual int GetIsNewAction() const;
  virtual void SetIsNewVisual(int);
  virtual int GetIsNewVisual() const;
  virtual void SetTime(int);
  virtual int GetTime() const;
  virtual void SetNewTime(int);
  virtual int GetNewTime() const;
  virtual int GetPreviousVisualTime() const;
  virtual void SetLastVisualInterval(int);
  virtual int GetLastVisualInterval() const;
  virtual void SetLastVisualTime(int);
  virtual int GetLastVisualTime() const;
  virtual void SetLastAction(int, const char *);
  virtual const char * GetLastAction(int) const;
  virtual void SetActionCount(int);
  virtual int GetActionCount() const;
  virtual void SetTName(const char *);
  virtual const char * GetTName() const;
  virtual void SetSide(char);
  virtual char GetSide() const;
  virtual char TheirSide() const;
  virtual void SetUNum(int);
  virtual int GetUNum() const;
  virtual void SetGPos(CVector);
  virtual CVector GetGPos() const;
  virtual void SetFacing(float);
  virtual float GetFacing() const;
  virtual void SetBFacing(float);
  virtual float GetBFacing() const;
  virtual void SetSB(sensebody);
  virtual sensebody GetSB() const;
  virtual float GetViewAngle() const;
  virtual void SetVelocity(CVector);
  virtual CVector GetVelocity() const;
  virtual void SetGPosCorr(CVector);
  virtual CVector GetGPosCorr() const;
  virtual void SetGPosCorrTime(int);
  virtual int GetGPosCorrTime() const;
  virtual void SetPastKick(CVector, int);
  virtual void SetPassReceiver(int);
  virtual int GetPassReceiver() const;
  virtual bool AmIThePassReceiver() const;
  virtual void SetPassReceiverTime(int);
  virtual int GetPassReceiverTime() const;
  virtual void SetNextSpeaker(int);
  virtual int GetNextSpeaker() const;
  virtual void SetNextSpeakerTime(int);
  virtual int GetNextSpeakerTime() const;
  virtual void S2MWritePlayer(int, int, char, float, float, float, float, float, float, bool) const;
  virtual void S2MWriteGoal(int, char, float, float) const;
  virtual void S2MWriteBall(int, float, float, float, float, int) const;
  virtual void S2MWriteFlag(int, int, float, float, float, float) const;
  virtual void S2MWriteLine(int, char, float, float) const;
  virtual void S2BNewVisualSignal() const;
  virtual void S2BNewCycleSignal();
  virtual void ParseMessage(char *) const;
  virtual void S2PWritePlayMode(char *);
  virtual PlayMode P2BReadPlayMode(bool) const;
  virtual int P2BReadPlayModeTime(bool) const;
  virtual int P2BReadScoreDiff() const;
  virtual void P2BWriteScoreDiff(int) const;
  virtual const CGoal * M2BReadGoal(char) const;
  virtual CGoal * M2BReadNonConstGoal(char);
  virtual const CBall * M2BReadBall() const;
  virtual CBall * M2BReadNonConstBall();
  virtual const CFlag * M2BReadFlag(int) const;
  virtual const CLine * M2BReadLine(char) const;
  virtual CPlayer * GetAValidFriend(int) const;
  virtual CPlayer * GetAValidFoe(int) const;
  virtual CPlayer * GetClosestValidFriend2Point(int, CVector) const;
  virtual CPlayer * GetClosestValidFoe2Point(int, CVector) const;
  virtual CPlayer * GetClosestValidFriend2Me(int) const;
  virtual CPlayer * GetClosestValidFoe2Me(int) const;
  virtual CPlayer * GetClosestValidFriend2Ball(int) const;
  virtual CPlayer * GetClosestValidFoe2Ball(int) const;
  virtual CPlayer * GetClosestValidTeamless2Me(int) const;
  virtual void SetLastCollisionTime(int);
  virtual void DoSortyThing(int, BasePlayerCompare &, sorted_players &);
  virtual void SortValidFriends2Me(sorted_players &);
  virtual void SortValidFriends2Ball(sorted_players &);
  virtual void SortValidFoes2Me(sorted_players &);
  virtual void SortValidFoes2Ball(sorted_players &);
  virtual CPlayer * GetPlayerWithin(float, float, float, float) const;
  virtual float GetOffsideLine() const;
  virtual float GetOurOffsideLine() const;
  virtual int NumFoesInCone(float, CVector, CVector) const;
  virtual int NumFriendsInCone(float, CVector, CVector, bool) const;
  virtual int NumPlayersInCone(float, CVector, CVector) const;
  virtual CPlayer * OurGoalie();
  virtual CPlayer * TheirGoalie();
  virtual void SetPrevKickPowerRate(int);
  virtual float GetPrevKickPowerRate() const;
  virtual void StoreBallFromAudio(const CBall &) const;
  virtual void StorePlayerFromAudio(const CPlayer &) const;
  virtual void StorePassFromAudio(int, int, CVector) const;
  virtual void DisplayMemory() const;

  // Declared after the operations so that their order stays as it is; it
  // lets a module (or a test's stand-in for one) be deleted safely.
  virtual ~CModule() {}

protected:
  CMediator *const m_Mediator;
};

#endif
