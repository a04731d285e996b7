#ifndef MCMEM_H
#define MCMEM_H

#include "MCMAbstractMem.h"

// The positioners' window on the installed memory. Without one it answers
// with empty shapes and neutral values, so a positioner sees missing inputs
// rather than a crash. Positioners make one for each computation.
class MCMem
{
public:
    MCMem();
    virtual ~MCMem();

    virtual MCMMyUnit Unit();
    virtual MCMRoles UnitRole();
    virtual MCMRegion Home();
    virtual MCMRegion Zone();
    virtual MCMRegion Protect();
    virtual MCMBase ProtectCore();
    virtual void ResetTeam(int reason);
    virtual MCMUnit GetTeamMember(int reason);
    virtual bool GetTeamMember(int reason, int index, MCMUnit &unit);
    virtual bool Offensive();
    virtual void SetScanner(MCMRegion region);
    virtual MCMRegion World();
    virtual int Time();
    virtual bool ChangedSince(int t);
    virtual MCMRegion Target();
    virtual MCMRegion Attack();
    virtual MCMBase AttackCore();
    virtual void ResetOpponents(int reason);
    virtual MCMUnit GetOpponent(int reason);
    virtual bool GetOpponent(int reason, int index, MCMUnit &unit);

    static MCMAbstractMem *memory;
};

#endif
