#include "ZPInterpolate.h"

#include "Positioning.h"

ZP_PROTOTYPE(ZPInterpolate)

namespace {
const MCString KeyFrom("FROM");
const MCString KeyTo("TO");
const MCString KeyBy("BY");
const MCString KeyMin("MIN");
const MCString KeyMax("MAX");
} // namespace

ZPInterpolate::ZPInterpolate() : m_By(0.5), m_Min(-1), m_Max(-1)
{
    m_Name = "INTERPOLATE";
}

MCString ZPInterpolate::Representation() const
{
    return Describe(m_Name, {{KeyFrom, m_FromName},
                             {KeyTo, m_ToName},
                             {KeyBy, MCString(m_By)},
                             {KeyMin, MCString(m_Min)},
                             {KeyMax, MCString(m_Max)}});
}

void ZPInterpolate::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyFrom, m_FromName);
    Key(description, KeyTo, m_ToName);
    Key(description, KeyBy, m_By);
    Key(description, KeyMin, m_Min);
    Key(description, KeyMax, m_Max);
    m_From = Resolve(m_FromName, "BALL", registry);
    m_To = Resolve(m_ToName, "GOAL", registry);
}

MObjectBase *ZPInterpolate::Clone() const
{
    return new ZPInterpolate(*this);
}

MOPosition ZPInterpolate::__Position()
{
    MCSPoint from = PositionOf(m_From).point;
    MCSPoint to = PositionOf(m_To).point;
    // (length, angle); two equal points give the angle 0, so a minimum then
    // lies towards +x.
    MCSPoint way = (to - from).polar();
    way.x *= m_By;
    if (m_Min > 0 && way.x < m_Min)
        way.x = m_Min;
    if (m_Max > 0 && way.x > m_Max)
        way.x = m_Max;
    return MOPosition(from + way.frompolar());
}
