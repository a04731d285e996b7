#include "ZPOffset.h"

#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPOffset)

namespace {
const MCString KeyFrom("FROM");
const MCString KeyX("X");
const MCString KeyY("Y");
const MCString KeyI("I");
const char *const MirrorWords[] = {"F", "X", "Y", "XY"};
} // namespace

ZPOffset::ZPOffset() : m_Mirror(MirrorNone)
{
    m_Name = "OFFSET";
}

MCString ZPOffset::Representation() const
{
    return Describe(m_Name, {{KeyFrom, m_FromName},
                             {KeyX, MCString(m_Offset.x)},
                             {KeyY, MCString(m_Offset.y)},
                             {KeyI, MirrorWords[m_Mirror]}});
}

void ZPOffset::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyFrom, m_FromName);
    double dx = m_Offset.x;
    double dy = m_Offset.y;
    Key(description, KeyX, dx);
    Key(description, KeyY, dy);
    m_Offset.moveto(dx, dy);
    MCString word;
    if (Key(description, KeyI, word)) {
        // Compared exactly: any other word, "F" or none, mirrors nothing.
        m_Mirror = MirrorNone;
        for (int i = MirrorX; i <= MirrorXY; ++i)
            if (word == MirrorWords[i])
                m_Mirror = i;
    }
    if (m_FromName.empty())
        m_FromName = "BALL";
    // An unknown source keeps the one copied from the definition built upon.
    if (!Lookup(m_FromName, m_From, registry))
        MCLog::Log(1, "Unable to find Positioner (" + m_FromName + ")");
}

MObjectBase *ZPOffset::Clone() const
{
    return new ZPOffset(*this);
}

MOPosition ZPOffset::__Position()
{
    double dx = m_Offset.x;
    double dy = m_Offset.y;
    MOPosition r = PositionOf(m_From);
    // A point exactly on an axis counts as the positive side.
    if (r.point.x < 0 && (m_Mirror & MirrorX))
        dx = -dx;
    if (r.point.y < 0 && (m_Mirror & MirrorY))
        dy = -dy;
    r.point.move(dx, dy);
    return r;
}
