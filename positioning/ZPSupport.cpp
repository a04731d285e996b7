#include "ZPSupport.h"

#include <cmath>
#include <vector>

#include "MCMem.h"
#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPSupport)

const MCString ZPSupport::ClassName("ZPSupport::");

namespace {
const MCString KeySupport("SUPPORT");
const MCString KeyFrom("FROM");
const MCString KeyFail("FAIL");
const MCString KeyRange("RANGE");
const MCString KeyBuffer("BUFFER");
const MCString KeyWidth("WIDTH");
const MCString KeyStep("STEP");
const MCString KeyThreshold("THRESHOLD");

const double QuarterTurn = std::atan(1.0); // 45 degrees
const double FullTurn = 8 * QuarterTurn;
// Bounds the directions scored in one computation, so that a tiny STEP
// cannot stall the cycle.
const double MaxDirections = 3600;

// Appends where each player of one list stands seen from `from`, as
// length and direction. Worked out once for all the directions of a fan.
template <typename Get>
void Sightings(std::vector<MCSPoint> &seen, Get get, const MCSPoint &from)
{
    // Emptied before each entry, so that an entry the memory holds without
    // a unit ends the list instead of taking the player before it again.
    MCMUnit u;
    for (int i = 0; get(i, u) && u.valid(); u = MCMUnit(), ++i)
        seen.push_back((u.at()->Centre() - from).polar());
}
} // namespace

ZPSupport::ZPSupport()
    : m_Range(25), m_Buffer(5), m_Reach(30), m_HalfWidth(MCSMath::fradians(22.5)), m_Step(MCSMath::fradians(1)),
      m_Threshold(0.2)
{
    m_Name = "SUPPORT";
}

MCString ZPSupport::Representation() const
{
    return Describe(m_Name, {{KeySupport, m_SupportName},
                             {KeyFrom, m_FromName},
                             {KeyFail, m_FailName},
                             {KeyRange, MCString(m_Range)},
                             {KeyBuffer, MCString(m_Buffer)},
                             {KeyWidth, MCString(MCSMath::fdegrees(2 * m_HalfWidth))},
                             {KeyStep, MCString(MCSMath::fdegrees(m_Step))},
                             {KeyThreshold, MCString(m_Threshold)}});
}

void ZPSupport::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeySupport, m_SupportName);
    Key(description, KeyFrom, m_FromName);
    Key(description, KeyFail, m_FailName);
    Key(description, KeyRange, m_Range);
    Key(description, KeyBuffer, m_Buffer);
    Key(description, KeyThreshold, m_Threshold);
    double degrees;
    if (Key(description, KeyWidth, degrees))
        m_HalfWidth = MCSMath::fradians(degrees / 2);
    if (Key(description, KeyStep, degrees)) {
        // A step that does not advance would scan the fan for ever.
        if (degrees > 0)
            m_Step = MCSMath::fradians(degrees);
        else
            MCLog::Log(1, ClassName + "DR : " + KeyStep + " must be above 0, keeping " +
                              MCString(MCSMath::fdegrees(m_Step)));
    }
    m_Reach = m_Range + m_Buffer;
    m_Support = Resolve(m_SupportName, "BALL", registry);
    m_From = Resolve(m_FromName, "HOME", registry);
    m_Fail = m_FailName.empty() ? MObject() : SubPositioner(m_FailName, registry);
}

MObjectBase *ZPSupport::Clone() const
{
    return new ZPSupport(*this);
}

// Multiplies the score by the tangent of how far off the direction each
// player stands, for those within reach and less than 45 degrees off.
double ZPSupport::ES(double direction, const std::vector<MCSPoint> &seen) const
{
    double score = 1;
    for (const MCSPoint &s : seen) {
        // Measured the short way round, so that a fan about the -x
        // direction sees the players on both sides of it.
        double off = std::fabs(MCSMath::frnormalise(s.y - direction));
        if (s.x <= m_Reach && off < QuarterTurn)
            score *= std::tan(off);
    }
    return score;
}

MOPosition ZPSupport::__Position()
{
    MCSPoint support;
    MCSPoint from;
    if (m_Support.valid()) {
        support = m_Support->Position().point;
    } else {
        MCLog::Log(1, ClassName + "Position : Unable to find support point.");
        MCLog::Log(1, ClassName + "Position : " + Representation());
    }
    if (m_From.valid()) {
        from = m_From->Position().point;
    } else {
        MCLog::Log(1, ClassName + "Position : Unable to find from point.");
        MCLog::Log(1, ClassName + "Position : " + Representation());
    }
    double towards = (from - support).polar().y;
    double lo = towards - m_HalfWidth;
    double hi = towards + m_HalfWidth;

    MCMem memory;
    memory.SetScanner(MCMRegion(new MCSPoint(support)));
    memory.ResetOpponents(MCM_CTP);
    memory.ResetTeam(MCM_CTP);
    std::vector<MCSPoint> seen;
    Sightings(seen, [&](int i, MCMUnit &u) { return memory.GetOpponent(MCM_CTP, i, u); }, support);
    Sightings(seen, [&](int i, MCMUnit &u) { return memory.GetTeamMember(MCM_CTP, i, u); }, support);

    // The direction towards FROM stays unless another scores strictly
    // better.
    double bestDirection = towards;
    double best = ES(towards, seen);
    // Directions counted rather than summed, so that rounding does not drop
    // the fan's last one. Beyond a full turn they only repeat.
    double count = std::floor(MCSMath::fmin(hi - lo, FullTurn) / m_Step + 1e-9);
    int steps = static_cast<int>(MCSMath::fmin(count, MaxDirections));
    for (int k = 0; k <= steps; ++k) {
        double direction = lo + k * m_Step;
        double score = ES(direction, seen);
        if (score > best) {
            best = score;
            bestDirection = direction;
        }
    }
    if (best > m_Threshold)
        return MOPosition(support + MCSPoint(m_Range, bestDirection).frompolar());
    if (m_Fail.valid())
        return MOPosition(m_Fail->Position().point);
    return MOPosition(from);
}
