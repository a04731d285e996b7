#include "MCMIniMem.h"

#include "MCNestedLogger.h"
#include "MCSCircle.h"
#include "MCShape.h"

namespace {

// Players are handed out as circles of this radius about their points.
const double UnitRadius = 0.8;
// RemTeam and RemOpponent take a player strictly closer than this.
const double RemoveDistance = 2.0;

MCString ShapeText(const MCShape *shape)
{
    return shape != nullptr ? shape->Display() : MCString("FAILED");
}

// Builds the shape of one key and logs what it got.
MCShape *ReadShape(const MCDictIniSafe &dictionary, const char *section, const char *key, const char *def,
                   const char *label)
{
    MCShape *shape = MCShape::make(dictionary.get(MCString(section), MCString(key), MCString(def)));
    MCLog::Log(30, MCString("MCMIniMem::ReloadFile : Got ") + label + " - " + ShapeText(shape));
    return shape;
}

} // namespace

MCMIniMem::Squad::Squad() : count(0)
{
    for (int r = 0; r < 4; ++r) {
        cursor[r] = 0;
        for (int i = 0; i < MaxPlayers; ++i)
            order[r][i] = i;
    }
}

void MCMIniMem::Squad::Add(const MCSPoint &p)
{
    if (count >= MaxPlayers)
        return;
    points[count] = p;
    for (int r = 0; r < 4; ++r)
        order[r][count] = count;
    ++count;
}

void MCMIniMem::Squad::Remove(const MCSPoint &p)
{
    int gone = -1;
    for (int i = count - 1; i >= 0; --i) {
        if (points[i].distance(p) < RemoveDistance) {
            gone = i;
            break;
        }
    }
    if (gone < 0)
        return;
    for (int i = gone; i + 1 < count; ++i)
        points[i] = points[i + 1];
    --count;
    for (int r = 0; r < 4; ++r) {
        int kept = 0;
        for (int i = 0; i <= count; ++i) {
            int k = order[r][i];
            if (k != gone)
                order[r][kept++] = k > gone ? k - 1 : k;
        }
    }
}

void MCMIniMem::Squad::Reset(int reason, const MCMObject &reference)
{
    cursor[reason] = 0;
    if (reason == MCM_CALL || !reference.valid())
        return;
    MCSPoint centre = reference.at()->Centre();
    int *o = order[reason];
    for (int i = 0; i < count; ++i)
        o[i] = i;
    for (int i = 0; i < count; ++i)
        for (int j = i + 1; j < count; ++j)
            if (points[o[i]].distance(centre) > points[o[j]].distance(centre)) {
                int t = o[i];
                o[i] = o[j];
                o[j] = t;
            }
}

MCMUnit MCMIniMem::Squad::Next(int reason)
{
    if (cursor[reason] >= count)
        return MCMUnit();
    const MCSPoint &p = points[order[reason][cursor[reason]++]];
    return MCMUnit(new MCSCircle(p.x, p.y, UnitRadius));
}

bool MCMIniMem::Squad::At(int reason, int index, MCMUnit &unit) const
{
    if (index < 0 || index >= count)
        return false;
    const MCSPoint &p = points[order[reason][index]];
    unit = MCMUnit(new MCSCircle(p.x, p.y, UnitRadius));
    return true;
}

MCMIniMem::MCMIniMem() : m_Clock(0), m_ChangedStamp(0), m_Offensive(1)
{
    SetMem(this);
}

MCMIniMem::~MCMIniMem()
{
}

bool MCMIniMem::GoodReason(int reason, const char *complaint)
{
    if (reason >= MCM_CALL && reason <= MCM_CTP)
        return true;
    MCLog::Log(1, complaint);
    return false;
}

const MCMObject &MCMIniMem::Reference(int reason) const
{
    if (reason == MCM_CTM)
        return m_Unit;
    if (reason == MCM_CTG)
        return m_ProtectCore;
    return m_Scanner;
}

MCMMyUnit MCMIniMem::Unit()
{
    return m_Unit;
}

MCMRegion MCMIniMem::Home()
{
    return m_Home;
}

MCMRegion MCMIniMem::Zone()
{
    return m_Zone;
}

MCMRegion MCMIniMem::Protect()
{
    return m_Protect;
}

MCMBase MCMIniMem::ProtectCore()
{
    return m_ProtectCore;
}

static const char TeamComplaint[] = "MCMIniMem::ResetTeam : BAD REASON.";
static const char ResetOpponentsComplaint[] = "MCMIniMem::ResetOpponents : BAD REASON.";
static const char GetOpponentComplaint[] = "MCMIniMem::GetOpponent : BAD REASON.";

void MCMIniMem::ResetTeam(int reason)
{
    if (GoodReason(reason, TeamComplaint))
        m_Team.Reset(reason, Reference(reason));
}

MCMUnit MCMIniMem::GetTeamMember(int reason)
{
    if (!GoodReason(reason, TeamComplaint))
        return MCMUnit();
    return m_Team.Next(reason);
}

bool MCMIniMem::GetTeamMember(int reason, int index, MCMUnit &unit)
{
    return GoodReason(reason, TeamComplaint) && m_Team.At(reason, index, unit);
}

bool MCMIniMem::Offensive()
{
    return m_Offensive != 0;
}

void MCMIniMem::SetScanner(MCMRegion region)
{
    m_Scanner = region;
    m_Scanner.unique();
}

MCMRegion MCMIniMem::World()
{
    return m_World;
}

int MCMIniMem::Time()
{
    return m_Clock;
}

bool MCMIniMem::ChangedSince(int t)
{
    return t < m_ChangedStamp;
}

MCMRegion MCMIniMem::Target()
{
    return m_Target;
}

MCMRegion MCMIniMem::Attack()
{
    return m_Attack;
}

MCMBase MCMIniMem::AttackCore()
{
    return m_AttackCore;
}

void MCMIniMem::ResetOpponents(int reason)
{
    if (GoodReason(reason, ResetOpponentsComplaint))
        m_Opponents.Reset(reason, Reference(reason));
}

MCMUnit MCMIniMem::GetOpponent(int reason)
{
    if (!GoodReason(reason, GetOpponentComplaint))
        return MCMUnit();
    return m_Opponents.Next(reason);
}

bool MCMIniMem::GetOpponent(int reason, int index, MCMUnit &unit)
{
    return GoodReason(reason, GetOpponentComplaint) && m_Opponents.At(reason, index, unit);
}

void MCMIniMem::LoadFile(const MCString &name)
{
    MCLog::Log(20, "MCMIniMem::LoadFile : start");
    m_FileName = name;
    MCLog::Log(40, "MCMIniMem::LoadFile : copied name, calling ReloadFile");
    ReloadFile();
    MCLog::Log(20, "MCMIniMem::LoadFile : done");
}

void MCMIniMem::ReloadFile()
{
    MCLog::Log(20, "MCMIniMem::ReloadFile : start");
    m_Dictionary.import(m_FileName);
    MCLog::Log(30, "MCMIniMem::ReloadFile : imported ini file (" + m_FileName + ")");
    m_ChangedStamp = m_Clock;
    MCLog::Log(40, "MCMIniMem::ReloadFile : updated clock");

    m_Unit = MCMMyUnit(ReadShape(m_Dictionary, "Local", "Agent", "(Point:(X:0,Y:0))", "Unit"));
    m_Home = MCMRegion(ReadShape(m_Dictionary, "Local", "Home", "(Point:(X:0,Y:-5))", "Home"));
    m_Zone = MCMRegion(ReadShape(m_Dictionary, "Local", "Zone", "(Rectangle:(X0:-10,Y0:-10,X1:10,Y1:10))", "Zone"));
    m_Protect =
        MCMRegion(ReadShape(m_Dictionary, "Local", "Protect", "(Rectangle:(X0:-52.5,Y0:-34,X1:40,Y1:34))", "Protect"));
    m_ProtectCore = MCMBase(ReadShape(m_Dictionary, "Local", "ProtectCore",
                                      "(Rectangle:(X0:-54,Y0:-7.14,X1:-52.5,Y1:7.14))", "ProtectCore"));
    m_Offensive = m_Dictionary.get(MCString("Local"), MCString("Offensive"), 1);
    MCLog::Log(30, "MCMIniMem::ReloadFile : Got Offensive = " + MCString(m_Offensive));
    m_World =
        MCMRegion(ReadShape(m_Dictionary, "World", "World", "(Rectangle:(X0:-52.5,Y0:-34,X1:52.5,Y1:34))", "World"));

    // The attacked area is what the pitch leaves once the protected area is
    // taken off it; a private copy, so the world keeps its shape.
    m_Attack = m_World;
    m_Attack.unique();
    if (m_Attack.valid() && m_Protect.valid())
        m_Attack.at()->exclude(*m_Protect.at());
    MCLog::Log(30, "MCMIniMem::ReloadFile : Got Attack - " + ShapeText(m_Attack.valid() ? m_Attack.at() : nullptr));

    m_AttackCore = MCMBase(ReadShape(m_Dictionary, "Away", "AttackCore",
                                     "(Rectangle:(X0:52.5,Y0:-7.14,X1:54,Y1:7.14))", "AttackCore"));
    m_Target = MCMRegion(ReadShape(m_Dictionary, "Away", "Target", "(Circle:(X:25,Y:10,R:0.3))", "Target"));
    MCLog::Log(20, "MCMIniMem::ReloadFile : end");
}

void MCMIniMem::AddTeam(const MCSPoint &p)
{
    m_Team.Add(p);
    m_ChangedStamp = m_Clock;
}

void MCMIniMem::AddOpponent(const MCSPoint &p)
{
    m_Opponents.Add(p);
    m_ChangedStamp = m_Clock;
}

void MCMIniMem::RemTeam(const MCSPoint &p)
{
    m_Team.Remove(p);
    m_ChangedStamp = m_Clock;
}

void MCMIniMem::RemOpponent(const MCSPoint &p)
{
    m_Opponents.Remove(p);
    m_ChangedStamp = m_Clock;
}

void MCMIniMem::SetLocation(const MCSPoint &p)
{
    MCLog::Log(40, "MCMIniMem::SetLocation : " + p.Display());
    if (m_Unit.valid()) {
        MCLog::Log(50, "MCMIniMem::Unit is valid.");
        // Units handed out earlier keep the place they were given.
        m_Unit.unique();
        m_Unit.at()->moveto(p.x, p.y);
    }
    m_ChangedStamp = m_Clock;
}
