#include "CAgent.h"

#include "CActuators.h"
#include "CBall.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CPlayer.h"
#include "CSensors.h"

// The mediator's routing: each request goes to the one module that owns the
// datum. Nothing here decides anything; the agent's own answers, its events
// and its life cycle are in CAgent.cpp.

int CAgent::NumPlayersInCone(float ratio, CVector from, CVector to) const
{
  return NumFoesInCone(ratio, from, to) + NumFriendsInCone(ratio, from, to, false);
}

float CAgent::NormaliseAngle(float angle) const
{
  return m_Behaviours->NormaliseAngle(angle);
}

// -------------------------------------------- handed to the owning module

void CAgent::SetHaveVisualForThisAngle(bool have)
{
  m_Behaviours->SetHaveVisualForThisAngle(have);
}

void CAgent::SendQueuedScans()
{
  m_Behaviours->SendQueuedScans();
}

void CAgent::StorePlayers()
{
  m_Memory->StorePlayers();
}

void CAgent::RemoveGhosts()
{
  m_Memory->RemoveGhosts();
}

void CAgent::EraseMemory()
{
  m_Memory->EraseMemory();
}

void CAgent::LockMemory() const
{
  m_Memory->Lock();
}

void CAgent::UnlockMemory() const
{
  m_Memory->Unlock();
}

void CAgent::NewVisualLock() const
{
  m_Behaviours->NewVisualLock();
}

void CAgent::NewVisualUnlock() const
{
  m_Behaviours->NewVisualUnlock();
}

void CAgent::LockPlayMode() const
{
  m_PlayMode->Lock();
}

void CAgent::UnlockPlayMode() const
{
  m_PlayMode->Unlock();
}

void CAgent::LockActuators() const
{
  m_Actuators->Lock();
}

void CAgent::UnlockActuators() const
{
  m_Actuators->Unlock();
}

void CAgent::SetIsNewAction(int flag)
{
  m_Behaviours->SetIsNewAction(flag);
}

int CAgent::GetIsNewAction() const
{
  return m_Behaviours->GetIsNewAction();
}

void CAgent::SetIsNewVisual(int flag)
{
  m_Behaviours->SetIsNewVisual(flag);
}

int CAgent::GetIsNewVisual() const
{
  return m_Behaviours->GetIsNewVisual();
}

void CAgent::SetTime(int time)
{
  m_Memory->SetTime(time);
}

int CAgent::GetTime() const
{
  return m_Memory->GetTime();
}

void CAgent::SetNewTime(int time)
{
  m_Memory->SetNewTime(time);
}

int CAgent::GetNewTime() const
{
  return m_Memory->GetNewTime();
}

int CAgent::GetPreviousVisualTime() const
{
  return m_Memory->GetPreviousVisualTime();
}

void CAgent::SetLastVisualInterval(int interval)
{
  m_Memory->SetLastVisualInterval(interval);
}

int CAgent::GetLastVisualInterval() const
{
  return m_Memory->GetLastVisualInterval();
}

void CAgent::SetLastVisualTime(int time)
{
  m_Memory->SetLastVisualTime(time);
}

int CAgent::GetLastVisualTime() const
{
  return m_Memory->GetLastVisualTime();
}

void CAgent::SetGPos(CVector pos)
{
  m_Memory->SetGPos(pos);
}

CVector CAgent::GetGPos() const
{
  return m_Memory->GetGPos();
}

void CAgent::SetFacing(float facing)
{
  m_Memory->SetFacing(facing);
}

float CAgent::GetFacing() const
{
  return m_Memory->GetFacing();
}

void CAgent::SetBFacing(float facing)
{
  m_Memory->SetBFacing(facing);
}

float CAgent::GetBFacing() const
{
  return m_Memory->GetBFacing();
}

void CAgent::SetSB(sensebody sb)
{
  m_Memory->SetSB(sb);
}

sensebody CAgent::GetSB() const
{
  return m_Memory->GetSB();
}

float CAgent::GetViewAngle() const
{
  return m_Memory->GetViewAngle();
}

void CAgent::SetVelocity(CVector velocity)
{
  m_Memory->SetVelocity(velocity);
}

CVector CAgent::GetVelocity() const
{
  return m_Memory->GetVelocity();
}

void CAgent::SetGPosCorr(CVector correction)
{
  m_Memory->SetGPosCorr(correction);
}

CVector CAgent::GetGPosCorr() const
{
  return m_Memory->GetGPosCorr();
}

void CAgent::SetGPosCorrTime(int time)
{
  m_Memory->SetGPosCorrTime(time);
}

int CAgent::GetGPosCorrTime() const
{
  return m_Memory->GetGPosCorrTime();
}

void CAgent::SetPastKick(CVector kick, int time)
{
  m_Memory->SetPastKick(kick, time);
}

void CAgent::SetPassReceiver(int unum)
{
  m_Memory->SetPassReceiver(unum);
}

int CAgent::GetPassReceiver() const
{
  return m_Memory->GetPassReceiver();
}

bool CAgent::AmIThePassReceiver() const
{
  return m_Memory->AmIThePassReceiver();
}

void CAgent::SetPassReceiverTime(int time)
{
  m_Memory->SetPassReceiverTime(time);
}

int CAgent::GetPassReceiverTime() const
{
  return m_Memory->GetPassReceiverTime();
}

void CAgent::SetNextSpeaker(int unum)
{
  m_Memory->SetNextSpeaker(unum);
}

int CAgent::GetNextSpeaker() const
{
  return m_Memory->GetNextSpeaker();
}

void CAgent::SetNextSpeakerTime(int time)
{
  m_Memory->SetNextSpeakerTime(time);
}

int CAgent::GetNextSpeakerTime() const
{
  return m_Memory->GetNextSpeakerTime();
}

void CAgent::S2MWritePlayer(int time, int number, char team, float distance, float direction,
                            float distChange, float dirChange, float bodyFacing, float headFacing,
                            bool goalie) const
{
  m_Memory->SetPlayer(time, number, team, distance, direction, distChange, dirChange, bodyFacing,
                      headFacing, goalie);
}

void CAgent::S2MWriteGoal(int time, char side, float distance, float direction) const
{
  m_Memory->SetGoal(time, side, distance, direction);
}

void CAgent::S2MWriteBall(int time, float distance, float direction, float distChange,
                          float dirChange, int unidentified) const
{
  m_Memory->SetBall(time, distance, direction, distChange, dirChange, unidentified);
}

void CAgent::S2MWriteFlag(int time, int number, float distance, float direction, float distChange,
                          float dirChange) const
{
  m_Memory->SetFlag(time, number, distance, direction, distChange, dirChange);
}

void CAgent::S2MWriteLine(int time, char side, float distance, float direction) const
{
  m_Memory->SetLine(time, side, distance, direction);
}

void CAgent::S2BNewVisualSignal() const
{
  m_Behaviours->NewVisualSignal();
}

void CAgent::ParseMessage(char *text) const
{
  m_Behaviours->ParseMessage(text);
}

void CAgent::S2PWritePlayMode(char *text)
{
  m_PlayMode->SetPlayMode(text);
}

PlayMode CAgent::P2BReadPlayMode(bool current) const
{
  return m_PlayMode->GetPlayMode(current);
}

int CAgent::P2BReadPlayModeTime(bool current) const
{
  return m_PlayMode->GetPlayModeTime(current);
}

int CAgent::P2BReadScoreDiff() const
{
  return m_Behaviours->GetScoreDiff();
}

void CAgent::P2BWriteScoreDiff(int diff) const
{
  m_Behaviours->SetScoreDiff(diff);
}

const CGoal *CAgent::M2BReadGoal(char side) const
{
  return m_Memory->GetGoal(side);
}

CGoal *CAgent::M2BReadNonConstGoal(char side)
{
  return m_Memory->GetNonConstGoal(side);
}

const CBall *CAgent::M2BReadBall() const
{
  return m_Memory->GetBall();
}

CBall *CAgent::M2BReadNonConstBall()
{
  return m_Memory->GetNonConstBall();
}

const CFlag *CAgent::M2BReadFlag(int number) const
{
  return m_Memory->GetFlag(number);
}

const CLine *CAgent::M2BReadLine(char side) const
{
  return m_Memory->GetLine(side);
}

CPlayer *CAgent::GetAValidFriend(int n) const
{
  return m_Memory->GetAValidFriend(n);
}

CPlayer *CAgent::GetAValidFoe(int n) const
{
  return m_Memory->GetAValidFoe(n);
}

CPlayer *CAgent::GetClosestValidFriend2Point(int n, CVector point) const
{
  return m_Memory->GetClosestValidFriend2Point(n, point);
}

CPlayer *CAgent::GetClosestValidFoe2Point(int n, CVector point) const
{
  return m_Memory->GetClosestValidFoe2Point(n, point);
}

CPlayer *CAgent::GetClosestValidFriend2Me(int n) const
{
  return m_Memory->GetClosestValidFriend2Me(n);
}

CPlayer *CAgent::GetClosestValidFoe2Me(int n) const
{
  return m_Memory->GetClosestValidFoe2Me(n);
}

CPlayer *CAgent::GetClosestValidFriend2Ball(int n) const
{
  return m_Memory->GetClosestValidFriend2Ball(n);
}

CPlayer *CAgent::GetClosestValidFoe2Ball(int n) const
{
  return m_Memory->GetClosestValidFoe2Ball(n);
}

CPlayer *CAgent::GetClosestValidTeamless2Me(int n) const
{
  return m_Memory->GetClosestValidTeamless2Me(n);
}

void CAgent::SetLastCollisionTime(int time)
{
  m_Behaviours->SetLastCollisionTime(time);
}

void CAgent::DoSortyThing(int mask, BasePlayerCompare &compare, sorted_players &list)
{
  m_Memory->DoSortyThing(mask, compare, list);
}

void CAgent::SortValidFriends2Me(sorted_players &list)
{
  m_Memory->SortValidFriends2Me(list);
}

void CAgent::SortValidFriends2Ball(sorted_players &list)
{
  m_Memory->SortValidFriends2Ball(list);
}

void CAgent::SortValidFoes2Me(sorted_players &list)
{
  m_Memory->SortValidFoes2Me(list);
}

void CAgent::SortValidFoes2Ball(sorted_players &list)
{
  m_Memory->SortValidFoes2Ball(list);
}

CPlayer *CAgent::GetPlayerWithin(float distTol, float dirTol, float dist, float dir) const
{
  return m_Memory->GetPlayerWithin(distTol, dirTol, dist, dir);
}

float CAgent::GetOffsideLine() const
{
  return m_Memory->GetOffsideLine();
}

float CAgent::GetOurOffsideLine() const
{
  return m_Memory->GetOurOffsideLine();
}

int CAgent::NumFoesInCone(float width, CVector end, CVector apex) const
{
  return m_Memory->NumFoesInCone(width, end, apex);
}

int CAgent::NumFriendsInCone(float width, CVector end, CVector apex, bool withMe) const
{
  return m_Memory->NumFriendsInCone(width, end, apex, withMe);
}

CPlayer *CAgent::OurGoalie()
{
  return m_Memory->OurGoalie();
}

CPlayer *CAgent::TheirGoalie()
{
  return m_Memory->TheirGoalie();
}

void CAgent::SetPrevKickPowerRate(int rate)
{
  m_Behaviours->SetPrevKickPowerRate(rate);
}

float CAgent::GetPrevKickPowerRate() const
{
  return m_Behaviours->GetPrevKickPowerRate();
}

void CAgent::StoreBallFromAudio(const CBall &ball) const
{
  m_Memory->StoreBallFromAudio(ball);
}

void CAgent::StorePlayerFromAudio(const CPlayer &player) const
{
  m_Memory->StorePlayerFromAudio(player);
}

void CAgent::StorePassFromAudio(int time, int receiver, CVector target) const
{
  m_Memory->StorePassFromAudio(time, receiver, target);
}

// ------------------------------------------------ outside the mediator

int CAgent::ReceiveMessage(char *buffer, int size)
{
  return m_Sensors->ReceiveMessage(buffer, size);
}

int CAgent::SendMessage(const char *text) const
{
  return m_Actuators->SendMessage(text);
}

struct socket CAgent::InitConnection(const char *host, int port) const
{
  return m_Actuators->InitConnection(host, port);
}

void CAgent::CloseConnection() const
{
  m_Actuators->CloseConnection();
}

struct socket CAgent::GetSSocket() const
{
  return m_Sensors->GetSocket();
}

void CAgent::SetSSocket(struct socket s)
{
  m_Sensors->SetSocket(s);
}

struct socket CAgent::GetASocket() const
{
  return m_Actuators->GetSocket();
}

void CAgent::SetASocket(struct socket s)
{
  m_Actuators->SetSocket(s);
}

void CAgent::DisplayPlayMode() const
{
  m_PlayMode->Display();
}

void CAgent::DisplayActuators() const
{
  m_Actuators->Display();
}

void CAgent::DisplaySensors() const
{
  m_Sensors->Display();
}

void CAgent::DisplayBehaviours() const
{
  m_Behaviours->Display();
}
