#include "CMemory.h"

CPlayer *CMemory::GetAValidFriend(int) const
{
  return nullptr;
}

CPlayer *CMemory::GetAValidFoe(int) const
{
  return nullptr;
}

CPlayer *CMemory::GetClosestValidFriend2Point(int, CVector) const
{
  return nullptr;
}

CPlayer *CMemory::GetClosestValidFoe2Point(int, CVector) const
{
  return nullptr;
}

CPlayer *CMemory::GetClosestValidTeamless2Point(int, CVector) const
{
  return nullptr;
}

void CMemory::SortValidFriends2Me(sorted_players &, bool)
{
}

void CMemory::SortValidFriends2Ball(sorted_players &, bool)
{
}

void CMemory::SortValidFoes2Me(sorted_players &, bool)
{
}

void CMemory::SortValidFoes2Ball(sorted_players &, bool)
{
}

void CMemory::DoSortyThing(int, BasePlayerCompare &, sorted_players &)
{
}

CPlayer *CMemory::GetPlayerWithin(float, float, float, float) const
{
  return nullptr;
}

float CMemory::GetOffsideLine() const
{
  return m_OffsideLine;
}

float CMemory::GetOurOffsideLine() const
{
  return m_OurOffsideLine;
}

int CMemory::NumFoesInCone(float, CVector, CVector) const
{
  return 0;
}

int CMemory::NumFriendsInCone(float, CVector, CVector, bool) const
{
  return 0;
}

CPlayer *CMemory::OurGoalie()
{
  return nullptr;
}

CPlayer *CMemory::TheirGoalie()
{
  return nullptr;
}
