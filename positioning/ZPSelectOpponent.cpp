#include "ZPSelectOpponent.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPSelectOpponent)

const MCString ZPSelectOpponent::ClassName("ZPSelectOpponent::");

namespace {
const MCString KeyDistFrom("DISTFROM");
const MCString KeyExtend("EXTEND");
const MCString KeyDistance("DISTANCE");
const MCString KeyMode("MODE");
const char *const ModeWords[] = {"NONE", "RANGE", "BEHIND"};
} // namespace

ZPSelectOpponent::ZPSelectOpponent()
    : ZPOpponentChoice(ClassName), m_Extend(0), m_Distance(-1), m_Mode(ModeBehind)
{
    m_Name = "SELECTOPPONENT";
}

MCString ZPSelectOpponent::Representation() const
{
    return Describe(m_Name, {{"ABOUT", m_AboutName},
                             {KeyDistance, MCString(m_Distance)},
                             {KeyDistFrom, m_DistFromName},
                             {KeyExtend, MCString(m_Extend)},
                             {KeyMode, ModeWords[m_Mode]},
                             {"NEAR", MCString(m_Near)},
                             {"OTHERWISE", m_OtherwiseName},
                             {"WITHIN", MCString(m_Within)}});
}

void ZPSelectOpponent::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    ReadChoice(description);
    Key(description, KeyDistFrom, m_DistFromName);
    Key(description, KeyExtend, m_Extend);
    Key(description, KeyDistance, m_Distance);
    MCString mode;
    if (Key(description, KeyMode, mode)) {
        m_Mode = ModeNone;
        if (mode == ModeWords[ModeRange])
            m_Mode = ModeRange;
        else if (mode == ModeWords[ModeBehind])
            m_Mode = ModeBehind;
        else if (mode != ModeWords[ModeNone])
            MCLog::Log(1, ClassName + "DR : Unknown check mode.");
    }
    ResolveChoice(registry);
    m_DistFrom = Resolve(m_DistFromName, "BALL", registry);
}

MObjectBase *ZPSelectOpponent::Clone() const
{
    return new ZPSelectOpponent(*this);
}

bool ZPSelectOpponent::Reachable(const MCMRegion &zone, const MCSPoint &distancePoint,
                                 const MCSPoint &candidate) const
{
    // Without a zone neither test is made.
    if (!zone.valid())
        return true;
    if (zone.at()->distance(candidate) > m_Extend)
        return false;
    if (m_Distance <= 0)
        return true;
    if (m_Mode == ModeRange)
        return distancePoint.distance(candidate) <= m_Distance;
    if (m_Mode == ModeBehind)
        return distancePoint.x - candidate.x <= m_Distance;
    return true;
}

bool ZPSelectOpponent::Uncovered(MCMem &memory, int index, const MCSPoint &candidate)
{
    int margin = 1;
    MCMUnit u;
    for (int j = 0; memory.GetOpponent(MCM_CTP, j, u); u = MCMUnit(), ++j) {
        if (j == index)
            continue;
        if (!u.valid())
            MCLog::Log(1, ClassName + "Position : How did this happen, no valid opponents");
        else if (candidate.distance(u.at()->Centre()) <= m_Within)
            ++margin;
    }
    for (int j = 0; memory.GetTeamMember(MCM_CALL, j, u); u = MCMUnit(), ++j) {
        if (!u.valid()) {
            MCLog::Log(1, ClassName + "Position : How did this happen, no valid team members");
            continue;
        }
        MCSPoint mate = u.at()->Centre();
        if (candidate.distance(mate) <= m_Within && (m_Near == 0 || mate.x < candidate.x))
            --margin;
    }
    return margin >= 1;
}

MOPosition ZPSelectOpponent::__Position()
{
    MCMem memory;
    MCMRegion scanner;
    MCSPoint about = AboutPoint(memory, scanner);
    MCSPoint distancePoint;
    if (m_Distance > 0) {
        if (m_DistFrom.valid())
            distancePoint = m_DistFrom->Position().point;
        else
            MCLog::Log(1, ClassName + "Position : unable to establish distance check point.");
    }
    UseScanner(memory, scanner);
    MCMRegion zone = memory.Zone();
    memory.ResetOpponents(MCM_CTP);
    memory.ResetTeam(MCM_CALL);
    MCMUnit u;
    // An entry that the memory holds without a unit is passed over, so the
    // scan still ends with the list.
    for (int i = 0; memory.GetOpponent(MCM_CTP, i, u); u = MCMUnit(), ++i) {
        if (!u.valid()) {
            MCLog::Log(1, ClassName + "Position : How did this happen, no valid opponents");
            continue;
        }
        MCSPoint candidate = u.at()->Centre();
        if (Reachable(zone, distancePoint, candidate) && Uncovered(memory, i, candidate))
            return MOPosition(candidate);
    }
    return Unpicked(about);
}
