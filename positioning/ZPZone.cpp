#include "ZPZone.h"

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPZone)

const MCString ZPZone::ClassName("ZPZone::");

namespace {
const MCString KeyTest("TEST");
}

ZPZone::ZPZone()
{
    m_Name = "ZONE";
}

MCString ZPZone::Representation() const
{
    return Describe(m_Name, {{KeyTest, m_TestName}});
}

void ZPZone::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyTest, m_TestName);
    m_Test = Resolve(m_TestName, "HOME", registry);
}

MObjectBase *ZPZone::Clone() const
{
    return new ZPZone(*this);
}

MOPosition ZPZone::__Position()
{
    MCMem memory;
    MCMRegion zone = memory.Zone();
    MCSPoint p;
    if (m_Test.valid()) {
        p = m_Test->Position().point;
    } else {
        MCLog::Log(1, ClassName + "Position : Unable to retrieve test point.");
        MCLog::Log(1, ClassName + "Position : " + Representation());
    }
    if (!zone.valid()) {
        MCLog::Log(1, ClassName + "Position : Unable to determine zone.");
        return MOPosition(p);
    }
    if (!zone.at()->contains(p))
        p = zone.at()->closestpoint(p);
    return MOPosition(p);
}
