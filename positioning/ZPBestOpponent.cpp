#include "ZPBestOpponent.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPBestOpponent)

const MCString ZPBestOpponent::ClassName("ZPBestOpponent::");

ZPBestOpponent::ZPBestOpponent() : ZPOpponentChoice(ClassName)
{
    m_Name = "BESTOPPONENT";
}

MCString ZPBestOpponent::Representation() const
{
    return Describe(m_Name, {{"ABOUT", m_AboutName}, {"OTHERWISE", m_OtherwiseName}, {"WITHIN", MCString(m_Within)}},
                    {m_Near != 0 ? MCString("NEAR") : MCString("ALL")});
}

void ZPBestOpponent::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    ReadChoice(description);
    ResolveChoice(registry);
}

MObjectBase *ZPBestOpponent::Clone() const
{
    return new ZPBestOpponent(*this);
}

bool ZPBestOpponent::Covered(MCMem &memory, const MCSPoint &q)
{
    MCMRegion here(new MCSPoint(q));
    if (!here.valid()) {
        MCLog::Log(1, ClassName + "Position : unable to reset scanner");
        return false;
    }
    memory.SetScanner(here);
    memory.ResetTeam(MCM_CTP);
    for (MCMUnit m = memory.GetTeamMember(MCM_CTP); m.valid(); m = memory.GetTeamMember(MCM_CTP)) {
        // Nearest first: once one is too far, so are the rest.
        if (m.at()->distance(q) > m_Within)
            return false;
        if (m_Near == 0 || m.at()->CentreX() < q.x)
            return true;
    }
    return false;
}

MOPosition ZPBestOpponent::__Position()
{
    MCMem memory;
    MCMRegion scanner;
    MCSPoint about = AboutPoint(memory, scanner);
    UseScanner(memory, scanner);
    MCMRegion zone = memory.Zone();
    memory.ResetOpponents(MCM_CTP);
    // Covered() moves the scanner, but the opponents keep the order their
    // reset gave them.
    for (MCMUnit o = memory.GetOpponent(MCM_CTP); o.valid(); o = memory.GetOpponent(MCM_CTP)) {
        MCSPoint q = o.at()->Centre();
        if (zone.valid() && !zone.at()->contains(q))
            continue;
        if (!Covered(memory, q))
            return MOPosition(q);
    }
    return Unpicked(about);
}
