#ifndef MCMINIMEM_H
#define MCMINIMEM_H

#include "MCDictIniSafe.h"
#include "MCMAbstractMem.h"
#include "MCSPoint.h"
#include "MCString.h"

// A memory read from an INI file of shapes, with team mates and opponents
// added as points, so that positioners can be exercised without the brain.
// Creating one installs it as the positioners' memory.
//
//   [Local]
//   Agent = (Point:(X:0,Y:0))
//   Zone = (Rectangle:(X0:-10,Y0:-10,X1:10,Y1:10))
//   Offensive = 1
//   [World]
//   World = (Rectangle:(X0:-52.5,Y0:-34,X1:52.5,Y1:34))
//   [Away]
//   Target = (Circle:(X:25,Y:10,R:0.3))
class MCMIniMem : public MCMAbstractMem
{
public:
    static constexpr int MaxPlayers = 16;

    MCMIniMem();
    ~MCMIniMem() override;

    MCMMyUnit Unit() override;
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

    void LoadFile(const MCString &name);
    // Reads the file named last; a missing file or key leaves the defaults.
    void ReloadFile();

    // A 17th player is ignored.
    void AddTeam(const MCSPoint &p);
    void AddOpponent(const MCSPoint &p);
    // Removes the most recently added player closer than 2 to the point.
    void RemTeam(const MCSPoint &p);
    void RemOpponent(const MCSPoint &p);
    // Moves the agent's unit.
    void SetLocation(const MCSPoint &p);

private:
    // Players of one side with, for each scan reason, an order of their
    // indices and a cursor into it. Every order is kept a permutation of
    // the players held, so a stale order never names a removed player.
    struct Squad
    {
        Squad();
        void Add(const MCSPoint &p);
        void Remove(const MCSPoint &p);
        // Sorts the reason's order by distance to the reference's centre;
        // an empty reference keeps the order it had.
        void Reset(int reason, const MCMObject &reference);
        MCMUnit Next(int reason);
        bool At(int reason, int index, MCMUnit &unit) const;

        int count;
        MCSPoint points[MaxPlayers];
        int cursor[4];
        int order[4][MaxPlayers];
    };

    static bool GoodReason(int reason, const char *complaint);
    // The reference shape of each scan reason.
    const MCMObject &Reference(int reason) const;

    MCString m_FileName;
    MCDictIniSafe m_Dictionary;
    int m_Clock;
    int m_ChangedStamp;
    MCMMyUnit m_Unit;
    MCMRegion m_Home;
    MCMRegion m_Zone;
    MCMRegion m_Protect;
    MCMBase m_ProtectCore;
    Squad m_Team;
    int m_Offensive;
    MCMRegion m_World;
    MCMRegion m_Target;
    MCMRegion m_Attack;
    MCMBase m_AttackCore;
    Squad m_Opponents;
    MCMRegion m_Scanner;
};

#endif
