#include "Positioning.h"

#include <string>

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "MCSLine.h"
#include "MCSPoint.h"

// The positioner kinds, in registration order: a kind's line names its
// class, whose source file holds ZP_PROTOTYPE of it.
#define ZP_KINDS(KIND)                                                                                             \
    KIND(ZPPositioner) /* BASE */                                                                                  \
    KIND(ZPHome) /* HOME */                                                                                        \
    KIND(ZPBall) /* BALL */                                                                                        \
    KIND(ZPMyPos) /* MYPOS */                                                                                      \
    KIND(ZPOffset) /* OFFSET */                                                                                    \
    KIND(ZPProtected) /* PROTECTED */                                                                              \
    KIND(ZPZone) /* ZONE */                                                                                        \
    KIND(ZPFixed) /* FIXED */                                                                                      \
    KIND(ZPMemDump) /* MEMDUMP */                                                                                  \
    KIND(ZPGoal) /* GOAL */                                                                                        \
    KIND(ZPInterpolate) /* INTERPOLATE */                                                                          \
    KIND(ZPRightAngle) /* RIGHTANGLE */                                                                            \
    KIND(ZPSupport) /* SUPPORT */                                                                                  \
    KIND(ZPCombine) /* COMBINE */                                                                                  \
    KIND(ZPRole) /* ROLE */                                                                                        \
    KIND(ZPTrackValid) /* TRACKVALID */                                                                            \
    KIND(ZPTestPos) /* TESTPOS */                                                                                  \
    KIND(ZPCongestion) /* CONGESTION */                                                                            \
    KIND(ZPConstrainPos) /* CONSTRAIN */                                                                           \
    KIND(ZPNear) /* NEAR */                                                                                        \
    KIND(ZPOurBall) /* OURBALL */                                                                                  \
    KIND(ZPBestOpponent) /* BESTOPPONENT */                                                                        \
    KIND(ZPSelectOpponent) /* SELECTOPPONENT */                                                                    \
    /* end of the kinds */

#define ZP_DECLARE_MAKER(cls) MObjectBase *ZPPrototype_##cls();
ZP_KINDS(ZP_DECLARE_MAKER)
#undef ZP_DECLARE_MAKER

std::vector<MObjectBase *> ZPPrototypes()
{
    std::vector<MObjectBase *> prototypes;
#define ZP_MAKE(cls) prototypes.push_back(ZPPrototype_##cls());
    ZP_KINDS(ZP_MAKE)
#undef ZP_MAKE
    return prototypes;
}

namespace {

// "MEMORY <label>:" and the shape's lines, then any extra lines and the
// colour; nothing but the complaint when the memory has no such shape.
void DumpBlock(std::ostream &file, const char *label, const MCMObject &shape, const char *colour,
               const char *missing, const MCString &extra = MCString())
{
    if (!shape.valid()) {
        MCLog::Log(1, MCString("MakeMemDump: Don't know ") + missing);
        return;
    }
    file << "MEMORY " << label << ":\n" << shape.at()->MemDump() << extra << "* Colour : " << colour << "\n";
}

// Every player of a list after its reset, numbered from 1; with an offset,
// each drawn as a line from its centre to its centre plus the offset.
template <class Next>
void DumpPlayers(std::ostream &file, const char *label, Next next, const char *colour, const MCSPoint *offset)
{
    int n = 0;
    for (MCMUnit unit = next(); unit.valid(); unit = next()) {
        file << "MEMORY " << label << ++n << ":\n";
        if (offset) {
            MCSPoint c = unit.at()->Centre();
            file << MCSLine(c.x, c.y, c.x + offset->x, c.y + offset->y).MemDump();
        } else {
            file << unit.at()->MemDump();
        }
        file << "* Colour : " << colour << "\n";
    }
}

} // namespace

void MakeMemDump(std::ostream &file, int sorted)
{
    MCLog::Log(1, "MakeMemDump : Created log.");
    MCMem mem;
    MCLog::Log(1, "MakeMemDump : Created Memory.");
    MCLog::Log(1, "MakeMemDump : Dumping world.");

    DumpBlock(file, "world", mem.World(), "Green", "where world is.");
    DumpBlock(file, "attack", mem.Attack(), "Red", "where attack is.");
    DumpBlock(file, "protect", mem.Protect(), "Yellow", "where protect is.");
    DumpBlock(file, "protectcore", mem.ProtectCore(), "Black", "where protectCore is.");
    DumpBlock(file, "attackcore", mem.AttackCore(), "Black", "where attackCore is.");
    DumpBlock(file, "zone", mem.Zone(), "Blue", "where zone is.");
    DumpBlock(file, "target", mem.Target(), "White", "where target is.");
    DumpBlock(file, "home", mem.Home(), "Blue", "where home is.");
    MCMMyUnit me = mem.Unit();
    MCString extra;
    if (me.valid())
        extra = "* Role : " + MCString(static_cast<int>(me.Role())) + "\n* Refs : " + MCString(me.at()->CurRef()) +
                "\n";
    DumpBlock(file, "me", me, "255,128,0", "who I am.", extra);

    mem.ResetTeam(MCM_CALL);
    DumpPlayers(file, "team", [&] { return mem.GetTeamMember(MCM_CALL); }, "Green", nullptr);
    mem.ResetOpponents(MCM_CALL);
    DumpPlayers(file, "opponent", [&] { return mem.GetOpponent(MCM_CALL); }, "Red", nullptr);
    if (!sorted)
        return;

    struct Group
    {
        const char *suffix;
        int reason;
        MCSPoint offset;
        const char *colour;
    };
    const Group groups[] = {{"CTM", MCM_CTM, MCSPoint(4, 4), "Green"},
                            {"CTG", MCM_CTG, MCSPoint(-4, -4), "Red"},
                            {"CTP", MCM_CTP, MCSPoint(4, -4), "Blue"}};
    for (const Group &g : groups) {
        mem.ResetTeam(g.reason);
        std::string label = std::string(g.suffix) + "team";
        DumpPlayers(file, label.c_str(), [&] { return mem.GetTeamMember(g.reason); }, g.colour, &g.offset);
    }
    for (const Group &g : groups) {
        mem.ResetOpponents(g.reason);
        std::string label = std::string(g.suffix) + "Opponent";
        DumpPlayers(file, label.c_str(), [&] { return mem.GetOpponent(g.reason); }, g.colour, &g.offset);
    }
}
