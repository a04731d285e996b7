#include "ZPRole.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPRole)

const MCString ZPRole::ClassName("ZPRole::");

namespace {
const MCString Keys[ZPRole::Roles] = {"CD", "OD", "SW", "CM", "OM", "CF", "OF"};

// The slot of each of the memory's roles; an unset or unknown one is CD.
int Slot(int role)
{
    switch (role) {
    case MCMR_Sweeper:
        return ZPRole::SW;
    case MCMR_OutsideDefender:
        return ZPRole::OD;
    case MCMR_CentralMidfielder:
        return ZPRole::CM;
    case MCMR_OutsideMidfielder:
        return ZPRole::OM;
    case MCMR_CentralForward:
        return ZPRole::CF;
    case MCMR_OutsideForward:
        return ZPRole::OF;
    default:
        return ZPRole::CD;
    }
}
} // namespace

ZPRole::ZPRole()
{
    m_Name = "ROLE";
}

MCString ZPRole::Representation() const
{
    return Describe(m_Name, {{Keys[CD], m_Names[CD]},
                             {Keys[OD], m_Names[OD]},
                             {Keys[SW], m_Names[SW]},
                             {Keys[CM], m_Names[CM]},
                             {Keys[OM], m_Names[OM]},
                             {Keys[CF], m_Names[CF]},
                             {Keys[OF], m_Names[OF]}});
}

void ZPRole::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    for (int i = 0; i < Roles; ++i)
        Key(description, Keys[i], m_Names[i]);
    for (int i = 0; i < Roles; ++i)
        m_Positioners[i] = Resolve(m_Names[i], "HOME", registry);
}

MObjectBase *ZPRole::Clone() const
{
    return new ZPRole(*this);
}

MOPosition ZPRole::__Position()
{
    MObject &chosen = m_Positioners[Slot(MCMem().UnitRole())];
    if (chosen.valid())
        return chosen->Position();
    MCLog::Log(1, ClassName + "Position : Selected role is invalid, try CD");
    if (m_Positioners[CD].valid())
        return m_Positioners[CD]->Position();
    MCLog::Log(1, ClassName + "Position : CD is invalid, stand in centre of pitch");
    return MOPosition();
}
