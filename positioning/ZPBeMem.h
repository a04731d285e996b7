#ifndef ZPBEMEM_H
#define ZPBEMEM_H

#include "MCMAbstractMem.h"
#include "PlayerInterface.h"

class CBehaviours;
class MCDictIniSafe;

// The positioners' memory as the brain answers it: the agent, its home,
// zone and role from the formation and the positioning grid, the areas to
// protect and to attack up to the opponents' offside line, the goal mouths,
// the ball, and the lists of team mates and opponents, all read from the
// brain and through it from the world model. Used only on the brain's
// thread inside its decision pass, with the world-model lock held.
class ZPBeMem : public MCMAbstractMem
{
public:
    ZPBeMem();
    // A memory that goes away with its brain unregisters the brain, so that
    // no later question reaches a brain that is gone.
    ~ZPBeMem() override;

    // Installs this memory, reads the positioning grid and records the
    // brain; a second registration changes nothing. 1 when a brain is
    // registered afterwards.
    int Register(CBehaviours *brain, MCDictIniSafe &config);

    MCMMyUnit Unit() override;
    // Without the shapes: the positioners ask for the role every pass.
    MCMRoles UnitRole() override;
    MCMRegion Home() override;
    MCMRegion Zone() override;
    MCMRegion Protect() override;
    MCMBase ProtectCore() override;
    void ResetTeam(int reason) override;
    MCMUnit GetTeamMember(int reason) override;
    bool GetTeamMember(int reason, int index, MCMUnit &unit) override;
    bool Offensive() override;
    void SetScanner(MCMRegion region) override;
    MCMRegion World() override;
    int Time() override;
    bool ChangedSince(int t) override;
    MCMRegion Target() override;
    MCMRegion Attack() override;
    MCMBase AttackCore() override;
    void ResetOpponents(int reason) override;
    MCMUnit GetOpponent(int reason) override;
    bool GetOpponent(int reason, int index, MCMUnit &unit) override;

    static CBehaviours *bigbosslivehere;
    static double ballsize;
    static double playersize;
    // The positioning grid, in metres: the lines between the defender,
    // midfield and forward bands, the wings of each band, the overlaps
    // (stored halved) that widen them, the sweeper's place and the
    // narrowest zone.
    static double def_mid;
    static double def_mid_overlap;
    static double mid_fwd;
    static double mid_fwd_overlap;
    static double def_wings;
    static double def_wingoverlap;
    static double swp_def;
    static double swp_width;
    static double mid_wings;
    static double mid_wingoverlap;
    static double fwd_wings;
    static double fwd_wingoverlap;
    static double min_space;

private:
    // A list of players under a cursor.
    struct Scan
    {
        int cursor = 0;
        sorted_players list;
    };

    // The team mates' or the opponents' lists by scan reason: MCM_CALL and
    // MCM_CTM share the first.
    struct Side
    {
        Scan scans[3];
        Scan *Of(int reason);
    };

    bool Boss(const char *operation) const;
    // The unit of a brain's role (ROLE_NONE: by the band of the home) and
    // home.
    static MCMRoles UnitOf(int role, const MCSPoint &home);
    void Reset(Side &side, int reason, int mask, const char *operation);
    MCMUnit Next(Side &side, int reason);
    bool Entry(Side &side, int reason, int index, MCMUnit &unit);

    MCMRegion m_Scanner;
    Side m_Team;
    Side m_Opponents;

    // The memory whose registration recorded the brain.
    static ZPBeMem *registrant;
};

#endif
