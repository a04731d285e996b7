#include "ZPGoal.h"

#include "MCMem.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPGoal)

namespace {
const MCString KeyAway("AWAY");
}

ZPGoal::ZPGoal() : m_Away(0)
{
    m_Name = "GOAL";
}

MCString ZPGoal::Representation() const
{
    // A flag: its value is not written, only whether it is set.
    std::vector<MCString> flags;
    if (m_Away != 0)
        flags.push_back(KeyAway);
    return Describe(m_Name, {}, flags);
}

void ZPGoal::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &)
{
    MCString away;
    if (Key(description, KeyAway, away))
        m_Away = away.empty() ? 1 : away.operator int();
}

MObjectBase *ZPGoal::Clone() const
{
    return new ZPGoal(*this);
}

MOPosition ZPGoal::__Position()
{
    MCMem memory;
    if (m_Away != 0)
        return CentreOf(memory.AttackCore());
    return CentreOf(memory.ProtectCore());
}
