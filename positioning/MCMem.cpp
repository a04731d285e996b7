#include "MCMem.h"

MCMAbstractMem *MCMem::memory = nullptr;

MCMem::MCMem()
{
    memory = MCMAbstractMem::RealMemory();
}

MCMem::~MCMem()
{
}

MCMMyUnit MCMem::Unit()
{
    return memory ? memory->Unit() : MCMMyUnit();
}

MCMRoles MCMem::UnitRole()
{
    return memory ? memory->UnitRole() : MCMMyUnit().Role();
}

MCMRegion MCMem::Home()
{
    return memory ? memory->Home() : MCMRegion();
}

MCMRegion MCMem::Zone()
{
    return memory ? memory->Zone() : MCMRegion();
}

MCMRegion MCMem::Protect()
{
    return memory ? memory->Protect() : MCMRegion();
}

MCMBase MCMem::ProtectCore()
{
    return memory ? memory->ProtectCore() : MCMBase();
}

void MCMem::ResetTeam(int reason)
{
    if (memory)
        memory->ResetTeam(reason);
}

MCMUnit MCMem::GetTeamMember(int reason)
{
    return memory ? memory->GetTeamMember(reason) : MCMUnit();
}

bool MCMem::GetTeamMember(int reason, int index, MCMUnit &unit)
{
    return memory ? memory->GetTeamMember(reason, index, unit) : false;
}

bool MCMem::Offensive()
{
    return memory ? memory->Offensive() : false;
}

void MCMem::SetScanner(MCMRegion region)
{
    if (memory)
        memory->SetScanner(region);
}

MCMRegion MCMem::World()
{
    return memory ? memory->World() : MCMRegion();
}

int MCMem::Time()
{
    return memory ? memory->Time() : 0;
}

bool MCMem::ChangedSince(int t)
{
    return memory ? memory->ChangedSince(t) : true;
}

MCMRegion MCMem::Target()
{
    return memory ? memory->Target() : MCMRegion();
}

MCMRegion MCMem::Attack()
{
    return memory ? memory->Attack() : MCMRegion();
}

MCMBase MCMem::AttackCore()
{
    return memory ? memory->AttackCore() : MCMBase();
}

void MCMem::ResetOpponents(int reason)
{
    if (memory)
        memory->ResetOpponents(reason);
}

MCMUnit MCMem::GetOpponent(int reason)
{
    return memory ? memory->GetOpponent(reason) : MCMUnit();
}

bool MCMem::GetOpponent(int reason, int index, MCMUnit &unit)
{
    return memory ? memory->GetOpponent(reason, index, unit) : false;
}
