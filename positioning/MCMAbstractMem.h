#ifndef MCMABSTRACTMEM_H
#define MCMABSTRACTMEM_H

#include "MCMObject.h"

// Scan reasons: the order in which the lists of team mates and of opponents
// are given.
constexpr int MCM_CALL = 0; // all valid players, nearest to the agent first
constexpr int MCM_CTM = 1;  // nearest to the agent first
constexpr int MCM_CTG = 2;  // nearest to the own goal mouth first
constexpr int MCM_CTP = 3;  // nearest to the scanner region's centre first

// What positioners may know of the world. One implementation is installed
// for the whole program; positioners reach it through MCMem.
class MCMAbstractMem
{
public:
    MCMAbstractMem();
    MCMAbstractMem(const MCMAbstractMem &) = delete;
    MCMAbstractMem &operator=(const MCMAbstractMem &) = delete;

    virtual MCMMyUnit Unit() = 0;
    // The role of Unit(), for those that need nothing else of it.
    virtual MCMRoles UnitRole() { return Unit().Role(); }
    virtual MCMRegion Home() = 0;
    virtual MCMRegion Zone() = 0;
    virtual MCMRegion Protect() = 0;
    virtual MCMBase ProtectCore() = 0;
    // Rebuilds the reason's list of team mates and puts its cursor at the
    // start.
    virtual void ResetTeam(int reason) = 0;
    // The team mate under the reason's cursor, which then advances; an empty
    // unit once the list is exhausted.
    virtual MCMUnit GetTeamMember(int reason) = 0;
    // The index-th entry of the reason's list, the cursor left alone; false
    // and the unit untouched when there is none.
    virtual bool GetTeamMember(int reason, int index, MCMUnit &unit) = 0;
    // The own team has the ball.
    virtual bool Offensive() = 0;
    // The region whose centre orders the MCM_CTP lists.
    virtual void SetScanner(MCMRegion region) = 0;
    virtual MCMRegion World() = 0;
    virtual int Time() = 0;
    // The current cycle is later than t.
    virtual bool ChangedSince(int t) = 0;
    // The ball.
    virtual MCMRegion Target() = 0;
    virtual MCMRegion Attack() = 0;
    virtual MCMBase AttackCore() = 0;
    virtual void ResetOpponents(int reason) = 0;
    virtual MCMUnit GetOpponent(int reason) = 0;
    virtual bool GetOpponent(int reason, int index, MCMUnit &unit) = 0;

    // A memory that goes away withdraws itself if it is the installed one,
    // so that positioners never read through a freed memory.
    virtual ~MCMAbstractMem();

    // Installs the memory, unless one is installed already.
    static void SetMem(MCMAbstractMem *memory);
    // The installed memory; null, after a message, when there is none.
    static MCMAbstractMem *RealMemory();

    static MCMAbstractMem *_instance;
};

#endif
