#include "CModule.h"

// Objects passed by value must be complete where they are copied.
#include "CBall.h"
#include "CPlayer.h"

CModule::CModule(CMediator *mediator) : m_Mediator(mediator)
{
}

void CModule::Changed()
{
  m_Mediator->ModuleChanged(this);
}

void CModule::SetHaveVisualForThisAngle(bool a)
{
  m_Mediator->SetHaveVisualForThisAngle(a);
}

void CModule::SendQueuedScans()
{
  m_Mediator->SendQueuedScans();
}

void CModule::StorePlayers()
{
  m_Mediator->StorePlayers();
}

void CModule::RemoveGhosts()
{
  m_Mediator->RemoveGhosts();
}

void CModule::UpdateGPos()
{
  m_Mediator->UpdateGPos();
}

void CModule::Check4LostActions(int a, int b, int c, int d, int e)
{
  m_Mediator->Check4LostActions(a, b, c, d, e);
}

void CModule::EraseMemory()
{
  m_Mediator->EraseMemory();
}

void CModule::DoExit(int a)
{
  m_Mediator->DoExit(a);
}

void CModule::LockAgent()
{
  m_Mediator->LockAgent();
}

void CModule::UnlockAgent()
{
  m_Mediator->UnlockAgent();
}

void CModule::LockMemory() const
{
  m_Mediator->LockMemory();
}

void CModule::UnlockMemory() const
{
  m_Mediator->UnlockMemory();
}

void CModule::NewVisualLock() const
{
  m_Mediator->NewVisualLock();
}

void CModule::NewVisualUnlock() const
{
  m_Mediator->NewVisualUnlock();
}

void CModule::LockPlayMode() const
{
  m_Mediator->LockPlayMode();
}

void CModule::UnlockPlayMode() const
{
  m_Mediator->UnlockPlayMode();
}

void CModule::LockActuators() const
{
  m_Mediator->LockActuators();
}

void CModule::UnlockActuators() const
{
  m_Mediator->UnlockActuators();
}

void CModule::SetStatus(int a)
{
  m_Mediator->SetStatus(a);
}

int CModule::GetStatus() const
{
  return m_Mediator->GetStatus();
}

void CModule::SetIsNewAction(int a)
{
  m_Mediator->SetIsNewAction(a);
}

int CModule::GetIsNewAction() const
{
  return m_Mediator->GetIsNewAction();
}

void CModule::SetIsNewVisual(int a)
{
  m_Mediator->SetIsNewVisual(a);
}

int CModule::GetIsNewVisual() const
{
  return m_Mediator->GetIsNewVisual();
}

void CModule::SetTime(int a)
{
  m_Mediator->SetTime(a);
}

int CModule::GetTime() const
{
  return m_Mediator->GetTime();
}

void CModule::SetNewTime(int a)
{
  m_Mediator->SetNewTime(a);
}

int CModule::GetNewTime() const
{
  return m_Mediator->GetNewTime();
}

int CModule::GetPreviousVisualTime() const
{
  return m_Mediator->GetPreviousVisualTime();
}

void CModule::SetLastVisualInterval(int a)
{
  m_Mediator->SetLastVisualInterval(a);
}

int CModule::GetLastVisualInterval() const
{
  return m_Mediator->GetLastVisualInterval();
}

void CModule::SetLastVisualTime(int a)
{
  m_Mediator->SetLastVisualTime(a);
}

int CModule::GetLastVisualTime() const
{
  return m_Mediator->GetLastVisualTime();
}

void CModule::SetLastAction(int a, const char *b)
{
  m_Mediator->SetLastAction(a, b);
}

const char * CModule::GetLastAction(int a) const
{
  return m_Mediator->GetLastAction(a);
}

void CModule::SetActionCount(int a)
{
  m_Mediator->SetActionCount(a);
}

int CModule::GetActionCount() const
{
  return m_Mediator->GetActionCount();
}

void CModule::SetTName(const char *a)
{
  m_Mediator->SetTName(a);
}

const char * CModule::GetTName() const
{
  return m_Mediator->GetTName();
}

void CModule::SetSide(char a)
{
  m_Mediator->SetSide(a);
}

char CModule::GetSide() const
{
  return m_Mediator->GetSide();
}

char CModule::TheirSide() const
{
  return m_Mediator->TheirSide();
}

void CModule::SetUNum(int a)
{
  m_Mediator->SetUNum(a);
}

int CModule::GetUNum() const
{
  return m_Mediator->GetUNum();
}

void CModule::SetGPos(CVector a)
{
  m_Mediator->SetGPos(a);
}

CVector CModule::GetGPos() const
{
  return m_Mediator->GetGPos();
}

void CModule::SetFacing(float a)
{
  m_Mediator->SetFacing(a);
}

float CModule::GetFacing() const
{
  return m_Mediator->GetFacing();
}

void CModule::SetBFacing(float a)
{
  m_Mediator->SetBFacing(a);
}

float CModule::GetBFacing() const
{
  return m_Mediator->GetBFacing();
}

void CModule::SetSB(sensebody a)
{
  m_Mediator->SetSB(a);
}

sensebody CModule::GetSB() const
{
  return m_Mediator->GetSB();
}

float CModule::GetViewAngle() const
{
  return m_Mediator->GetViewAngle();
}

void CModule::SetVelocity(CVector a)
{
  m_Mediator->SetVelocity(a);
}

CVector CModule::GetVelocity() const
{
  return m_Mediator->GetVelocity();
}

void CModule::SetGPosCorr(CVector a)
{
  m_Mediator->SetGPosCorr(a);
}

CVector CModule::GetGPosCorr() const
{
  return m_Mediator->GetGPosCorr();
}

void CModule::SetGPosCorrTime(int a)
{
  m_Mediator->SetGPosCorrTime(a);
}

int CModule::GetGPosCorrTime() const
{
  return m_Mediator->GetGPosCorrTime();
}

void CModule::SetPastKick(CVector a, int b)
{
  m_Mediator->SetPastKick(a, b);
}

void CModule::SetPassReceiver(int a)
{
  m_Mediator->SetPassReceiver(a);
}

int CModule::GetPassReceiver() const
{
  return m_Mediator->GetPassReceiver();
}

bool CModule::AmIThePassReceiver() const
{
  return m_Mediator->AmIThePassReceiver();
}

void CModule::SetPassReceiverTime(int a)
{
  m_Mediator->SetPassReceiverTime(a);
}

int CModule::GetPassReceiverTime() const
{
  return m_Mediator->GetPassReceiverTime();
}

void CModule::SetNextSpeaker(int a)
{
  m_Mediator->SetNextSpeaker(a);
}

int CModule::GetNextSpeaker() const
{
  return m_Mediator->GetNextSpeaker();
}

void CModule::SetNextSpeakerTime(int a)
{
  m_Mediator->SetNextSpeakerTime(a);
}

int CModule::GetNextSpeakerTime() const
{
  return m_Mediator->GetNextSpeakerTime();
}

void CModule::S2MWritePlayer(int a, int b, char c, float d, float e, float f, float g, float h, float i, bool j) const
{
  m_Mediator->S2MWritePlayer(a, b, c, d, e, f, g, h, i, j);
}

void CModule::S2MWriteGoal(int a, char b, float c, float d) const
{
  m_Mediator->S2MWriteGoal(a, b, c, d);
}

void CModule::S2MWriteBall(int a, float b, float c, float d, float e, int f) const
{
  m_Mediator->S2MWriteBall(a, b, c, d, e, f);
}

void CModule::S2MWriteFlag(int a, int b, float c, float d, float e, float f) const
{
  m_Mediator->S2MWriteFlag(a, b, c, d, e, f);
}

void CModule::S2MWriteLine(int a, char b, float c, float d) const
{
  m_Mediator->S2MWriteLine(a, b, c, d);
}

void CModule::S2BNewVisualSignal() const
{
  m_Mediator->S2BNewVisualSignal();
}

void CModule::S2BNewCycleSignal()
{
  m_Mediator->S2BNewCycleSignal();
}

void CModule::ParseMessage(char *a) const
{
  m_Mediator->ParseMessage(a);
}

void CModule::S2PWritePlayMode(char *a)
{
  m_Mediator->S2PWritePlayMode(a);
}

PlayMode CModule::P2BReadPlayMode(bool a) const
{
  return m_Mediator->P2BReadPlayMode(a);
}

int CModule::P2BReadPlayModeTime(bool a) const
{
  return m_Mediator->P2BReadPlayModeTime(a);
}

int CModule::P2BReadScoreDiff() const
{
  return m_Mediator->P2BReadScoreDiff();
}

void CModule::P2BWriteScoreDiff(int a) const
{
  m_Mediator->P2BWriteScoreDiff(a);
}

const CGoal * CModule::M2BReadGoal(char a) const
{
  return m_Mediator->M2BReadGoal(a);
}

CGoal * CModule::M2BReadNonConstGoal(char a)
{
  return m_Mediator->M2BReadNonConstGoal(a);
}

const CBall * CModule::M2BReadBall() const
{
  return m_Mediator->M2BReadBall();
}

CBall * CModule::M2BReadNonConstBall()
{
  return m_Mediator->M2BReadNonConstBall();
}

const CFlag * CModule::M2BReadFlag(int a) const
{
  return m_Mediator->M2BReadFlag(a);
}

const CLine * CModule::M2BReadLine(char a) const
{
  return m_Mediator->M2BReadLine(a);
}

CPlayer * CModule::GetAValidFriend(int a) const
{
  return m_Mediator->GetAValidFriend(a);
}

CPlayer * CModule::GetAValidFoe(int a) const
{
  return m_Mediator->GetAValidFoe(a);
}

CPlayer * CModule::GetClosestValidFriend2Point(int a, CVector b) const
{
  return m_Mediator->GetClosestValidFriend2Point(a, b);
}

CPlayer * CModule::GetClosestValidFoe2Point(int a, CVector b) const
{
  return m_Mediator->GetClosestValidFoe2Point(a, b);
}

CPlayer * CModule::GetClosestValidFriend2Me(int a) const
{
  return m_Mediator->GetClosestValidFriend2Me(a);
}

CPlayer * CModule::GetClosestValidFoe2Me(int a) const
{
  return m_Mediator->GetClosestValidFoe2Me(a);
}

CPlayer * CModule::GetClosestValidFriend2Ball(int a) const
{
  return m_Mediator->GetClosestValidFriend2Ball(a);
}

CPlayer * CModule::GetClosestValidFoe2Ball(int a) const
{
  return m_Mediator->GetClosestValidFoe2Ball(a);
}

CPlayer * CModule::GetClosestValidTeamless2Me(int a) const
{
  return m_Mediator->GetClosestValidTeamless2Me(a);
}

void CModule::SetLastCollisionTime(int a)
{
  m_Mediator->SetLastCollisionTime(a);
}

void CModule::DoSortyThing(int a, BasePlayerCompare &b, sorted_players &c)
{
  m_Mediator->DoSortyThing(a, b, c);
}

void CModule::SortValidFriends2Me(sorted_players &a)
{
  m_Mediator->SortValidFriends2Me(a);
}

void CModule::SortValidFriends2Ball(sorted_players &a)
{
  m_Mediator->SortValidFriends2Ball(a);
}

void CModule::SortValidFoes2Me(sorted_players &a)
{
  m_Mediator->SortValidFoes2Me(a);
}

void CModule::SortValidFoes2Ball(sorted_players &a)
{
  m_Mediator->SortValidFoes2Ball(a);
}

CPlayer * CModule::GetPlayerWithin(float a, float b, float c, float d) const
{
  return m_Mediator->GetPlayerWithin(a, b, c, d);
}

float CModule::GetOffsideLine() const
{
  return m_Mediator->GetOffsideLine();
}

float CModule::GetOurOffsideLine() const
{
  return m_Mediator->GetOurOffsideLine();
}

int CModule::NumFoesInCone(float a, CVector b, CVector c) const
{
  return m_Mediator->NumFoesInCone(a, b, c);
}

int CModule::NumFriendsInCone(float a, CVector b, CVector c, bool d) const
{
  return m_Mediator->NumFriendsInCone(a, b, c, d);
}

int CModule::NumPlayersInCone(float a, CVector b, CVector c) const
{
  return m_Mediator->NumPlayersInCone(a, b, c);
}

CPlayer * CModule::OurGoalie()
{
  return m_Mediator->OurGoalie();
}

CPlayer * CModule::TheirGoalie()
{
  return m_Mediator->TheirGoalie();
}

void CModule::SetPrevKickPowerRate(int a)
{
  m_Mediator->SetPrevKickPowerRate(a);
}

float CModule::GetPrevKickPowerRate() const
{
  return m_Mediator->GetPrevKickPowerRate();
}

void CModule::StoreBallFromAudio(const CBall &a) const
{
  m_Mediator->StoreBallFromAudio(a);
}

void CModule::StorePlayerFromAudio(const CPlayer &a) const
{
  m_Mediator->StorePlayerFromAudio(a);
}

void CModule::StorePassFromAudio(int a, int b, CVector c) const
{
  m_Mediator->StorePassFromAudio(a, b, c);
}

void CModule::DisplayMemory() const
{
  m_Mediator->DisplayMemory();
}
