#include "ZPRightAngle.h"

#include <cmath>

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "MCSCircle.h"
#include "MCSIntersections.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPRightAngle)

const MCString ZPRightAngle::ClassName("ZPRightAngle::");

namespace {
const MCString KeyCentre("CENTRE");
const MCString KeyEdge("EDGE");
const MCString KeyFrom("FROM");
const MCString KeyFail("FAIL");

// Two touching points whose distances to EDGE differ by less than this
// share of the radius are as good as each other. The ball in line with the
// man and our goal ties them, and the news' noise then swung the point
// across the man, twice the radius, from cycle to cycle: the player turned
// after it each time and hardly moved. In a tie he takes the one on his
// own side, and only crosses the man's line once the ball has clearly
// moved off it (about nine degrees).
const double kTieShareOfRadius = 0.2;

// The point of a sub-positioner, its error ignored; (0, 0) after a message
// when there is none.
MCSPoint PointOf(const MObject &handle, const char *what)
{
    if (handle.valid())
        return handle->Position().point;
    MCLog::Log(1, ZPRightAngle::ClassName + "Position : unable to locate " + what +
                      ", this probably will not work very well.");
    return MCSPoint();
}
} // namespace

ZPRightAngle::ZPRightAngle()
{
    m_Name = "RIGHTANGLE";
}

MCString ZPRightAngle::Representation() const
{
    return Describe(m_Name,
                    {{KeyCentre, m_CentreName}, {KeyEdge, m_EdgeName}, {KeyFrom, m_FromName}, {KeyFail, m_FailName}});
}

void ZPRightAngle::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyCentre, m_CentreName);
    Key(description, KeyEdge, m_EdgeName);
    Key(description, KeyFrom, m_FromName);
    Key(description, KeyFail, m_FailName);
    m_Centre = Resolve(m_CentreName, "HOME", registry);
    m_Edge = Resolve(m_EdgeName, "GOAL", registry);
    m_From = Resolve(m_FromName, "BALL", registry);
    m_Fail = m_FailName.empty() ? MObject() : SubPositioner(m_FailName, registry);
}

MObjectBase *ZPRightAngle::Clone() const
{
    return new ZPRightAngle(*this);
}

MCSPoint ZPRightAngle::KeepMySideOfTheMan(MCSPoint a, MCSPoint b, MCSPoint best, MCSPoint edge, double radius)
{
    if (std::fabs(a.distance(edge) - b.distance(edge)) >= kTieShareOfRadius * radius)
        return best;
    const MOPosition me = CentreOf(MCMem().Unit());
    if (me.error != 0)
        return best;
    return a.distance(me.point) <= b.distance(me.point) ? a : b;
}

MOPosition ZPRightAngle::__Position()
{
    MCSPoint centre = PointOf(m_Centre, "centre");
    MCSPoint edge = PointOf(m_Edge, "edge");
    MCSPoint from = PointOf(m_From, "remote point");
    MCSCircle around(centre, edge);
    double d = from.distance(centre);
    double q = d * d - around.Radius() * around.Radius();
    if (q < 0) {
        if (m_Fail.valid())
            return m_Fail->Position();
        return MOPosition(edge);
    }
    // The circle about FROM through the touching points: by Pythagoras its
    // radius is the tangent's length.
    MCSIntersections touching = around.intersect(MCSCircle(from.x, from.y, std::sqrt(q)));
    if (touching.points() == 0) {
        MCLog::Log(1, ClassName + "Position : Circles do not intersect, who changed the laws of geometry?");
        return MOPosition(-1);
    }
    MCSPoint best = touching[0];
    for (int i = 1; i < touching.points(); ++i)
        if (touching[i].distance(edge) < best.distance(edge))
            best = touching[i];
    if (touching.points() == 2)
        best = KeepMySideOfTheMan(touching[0], touching[1], best, edge, around.Radius());
    return MOPosition(best);
}
