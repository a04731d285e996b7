#include "ZPConstrainPos.h"

#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPConstrainPos)

const MCString ZPConstrainPos::ClassName("ZPConstrainPos::");

namespace {
const MCString KeyFrom("FROM");
const MCString KeyXL("XL");
const MCString KeyXH("XH");
const MCString KeyYL("YL");
const MCString KeyYH("YH");
} // namespace

ZPConstrainPos::ZPConstrainPos() : m_Box(-1000, -1000, 1000, 1000)
{
    m_Name = "CONSTRAIN";
}

MCString ZPConstrainPos::Representation() const
{
    return Describe(m_Name, {{KeyFrom, m_FromName},
                             {KeyXL, MCString(m_Box.left)},
                             {KeyXH, MCString(m_Box.right)},
                             {KeyYL, MCString(m_Box.bottom)},
                             {KeyYH, MCString(m_Box.top)}});
}

void ZPConstrainPos::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    double xl = m_Box.left;
    double xh = m_Box.right;
    double yl = m_Box.bottom;
    double yh = m_Box.top;
    Key(description, KeyFrom, m_FromName);
    Key(description, KeyXL, xl);
    Key(description, KeyXH, xh);
    Key(description, KeyYL, yl);
    Key(description, KeyYH, yh);
    // The rectangle orders each axis, so swapped bounds give the same box.
    m_Box = MCSRectangle(xl, yl, xh, yh);
    m_From = Resolve(m_FromName, "BALL", registry);
}

MObjectBase *ZPConstrainPos::Clone() const
{
    return new ZPConstrainPos(*this);
}

MOPosition ZPConstrainPos::__Position()
{
    MOPosition r;
    if (m_From.valid())
        r = m_From->Position();
    else
        MCLog::Log(1, ClassName + "Position : Invalid constrain point, using (0,0)");
    if (m_Box.contains(r.point))
        return r;
    return MOPosition(m_Box.closestpoint(r.point));
}
