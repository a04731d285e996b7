#include "CMemory.h"

void CMemory::Update4Action(const char *)
{
}

void CMemory::Update4NewCycle()
{
}

void CMemory::UpdateRelatives()
{
}

void CMemory::UpdateGlobals()
{
}

void CMemory::RemoveGhosts()
{
}

void CMemory::PositionBasedVelocityEstimation4Ball()
{
}
