#include "ZPCongestion.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPCongestion)

const MCString ZPCongestion::ClassName("ZPCongestion::");

namespace {
const MCString KeyTrue("TRUE");
const MCString KeyFalse("FALSE");
const MCString KeyXL("XL");
const MCString KeyXH("XH");
const MCString KeyYL("YL");
const MCString KeyYH("YH");
const MCString KeyOppF("OPPF");
const MCString KeyMOpp("MOPP");
const MCString KeyTmmF("TMMF");
const MCString KeyMTm("MTM");
const MCString KeyBase("BASE");
} // namespace

ZPCongestion::ZPCongestion()
    : m_XL(-1000), m_XH(1000), m_YL(-1000), m_YH(1000), m_OppF(1), m_MOpp(0), m_TmmF(-1), m_MTm(0), m_Base(0)
{
    m_Name = "CONGESTION";
}

MCString ZPCongestion::Representation() const
{
    return Describe(m_Name, {{KeyBase, MCString(m_Base)},
                             {KeyFalse, m_FalseName},
                             {KeyMOpp, MCString(m_MOpp)},
                             {KeyMTm, MCString(m_MTm)},
                             {KeyOppF, MCString(m_OppF)},
                             {KeyTmmF, MCString(m_TmmF)},
                             {KeyTrue, m_TrueName},
                             {KeyXH, MCString(m_XH)},
                             {KeyXL, MCString(m_XL)},
                             {KeyYH, MCString(m_YH)},
                             {KeyYL, MCString(m_YL)}});
}

void ZPCongestion::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyTrue, m_TrueName);
    Key(description, KeyFalse, m_FalseName);
    Key(description, KeyXL, m_XL);
    Key(description, KeyXH, m_XH);
    Key(description, KeyYL, m_YL);
    Key(description, KeyYH, m_YH);
    Key(description, KeyOppF, m_OppF);
    Key(description, KeyMOpp, m_MOpp);
    Key(description, KeyTmmF, m_TmmF);
    Key(description, KeyMTm, m_MTm);
    Key(description, KeyBase, m_Base);
    m_True = Resolve(m_TrueName, "BALL", registry);
    m_False = Resolve(m_FalseName, "HOME", registry);
}

MObjectBase *ZPCongestion::Clone() const
{
    return new ZPCongestion(*this);
}

int ZPCongestion::TestCongestion(const MCSPoint &point)
{
    return m_XL <= point.x && point.x <= m_XH && m_YL <= point.y && point.y <= m_YH ? 1 : 0;
}

MOPosition ZPCongestion::__Position()
{
    MCMem memory;
    int opponents = 0;
    memory.ResetOpponents(MCM_CALL);
    for (MCMUnit u = memory.GetOpponent(MCM_CALL); u.valid(); u = memory.GetOpponent(MCM_CALL))
        opponents += TestCongestion(u.at()->Centre());
    bool congested = false;
    // The team-mates are counted only when the opponents leave it open.
    if (opponents >= m_MOpp) {
        int team = 0;
        memory.ResetTeam(MCM_CALL);
        for (MCMUnit u = memory.GetTeamMember(MCM_CALL); u.valid(); u = memory.GetTeamMember(MCM_CALL))
            team += TestCongestion(u.at()->Centre());
        congested = team >= m_MTm;
    }
    if (congested) {
        if (m_True.valid())
            return m_True->Position();
        MCLog::Log(1, ClassName + "Position : Unable to establish valid position");
        return MOPosition(-1);
    }
    if (m_False.valid())
        return m_False->Position();
    MCLog::Log(1, ClassName + "Position : Unable to establish not valid position");
    return MOPosition(-1);
}
