#include "ZPProtected.h"

#include "MCMem.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPProtected)

namespace {
const MCString KeyFrom("FROM");
}

ZPProtected::ZPProtected()
{
    m_Name = "PROTECTED";
}

MCString ZPProtected::Representation() const
{
    return Describe(m_Name, {{KeyFrom, m_FromName}});
}

void ZPProtected::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyFrom, m_FromName);
    m_From = Resolve(m_FromName, "BALL", registry);
}

MObjectBase *ZPProtected::Clone() const
{
    return new ZPProtected(*this);
}

MOPosition ZPProtected::__Position()
{
    MCSPoint p = PositionOf(m_From).point;
    MCMRegion region = MCMem().Protect();
    if (region.valid() && !region.at()->contains(p))
        p = region.at()->closestpoint(p);
    return MOPosition(p);
}
