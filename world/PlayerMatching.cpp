#include "CMemory.h"

#include "CBall.h"
#include "CPlayer.h"

void CMemory::StorePlayers()
{
}

void CMemory::StoreBallFromAudio(CBall) const
{
}

void CMemory::StorePlayerFromAudio(CPlayer) const
{
}

void CMemory::StorePassFromAudio(int, int, CVector) const
{
}
