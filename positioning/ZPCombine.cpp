#include "ZPCombine.h"

#include "Positioning.h"

ZP_PROTOTYPE(ZPCombine)

namespace {
const MCString KeyX("X");
const MCString KeyY("Y");
} // namespace

ZPCombine::ZPCombine()
{
    m_Name = "COMBINE";
}

MCString ZPCombine::Representation() const
{
    return Describe(m_Name, {{KeyX, m_XName}, {KeyY, m_YName}});
}

void ZPCombine::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyX, m_XName);
    Key(description, KeyY, m_YName);
    m_X = Resolve(m_XName, "BALL", registry);
    m_Y = Resolve(m_YName, "GOAL", registry);
}

MObjectBase *ZPCombine::Clone() const
{
    return new ZPCombine(*this);
}

MOPosition ZPCombine::__Position()
{
    MCSPoint x = PositionOf(m_X).point;
    MCSPoint y = PositionOf(m_Y).point;
    return MOPosition(MCSPoint(x.x, y.y));
}
