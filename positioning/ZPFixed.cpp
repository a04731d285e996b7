#include "ZPFixed.h"

#include "Positioning.h"

ZP_PROTOTYPE(ZPFixed)

namespace {
const MCString KeyX("X");
const MCString KeyY("Y");
}

ZPFixed::ZPFixed()
{
    m_Name = "FIXED";
}

MCString ZPFixed::Representation() const
{
    return Describe(m_Name, {{KeyX, MCString(m_Point.x)}, {KeyY, MCString(m_Point.y)}});
}

void ZPFixed::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &)
{
    // Each coordinate given replaces its own; the other stays what the
    // definition built upon had.
    double x = m_Point.x;
    double y = m_Point.y;
    Key(description, KeyX, x);
    Key(description, KeyY, y);
    m_Point.moveto(x, y);
}

MObjectBase *ZPFixed::Clone() const
{
    return new ZPFixed(*this);
}

MOPosition ZPFixed::__Position()
{
    return MOPosition(m_Point);
}
