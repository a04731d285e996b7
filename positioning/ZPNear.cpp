#include "ZPNear.h"

#include "MCNestedLogger.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPNear)

namespace {
const MCString KeyTest("TEST");
const MCString KeyNear("NEAR");
const MCString KeyTrue("TRUE");
const MCString KeyFalse("FALSE");
const MCString KeyDist("DIST");

// The point of a test or near positioner; (0, 0) when it has none.
MCSPoint PointOf(const MObject &handle, const char *which)
{
    if (handle.null()) {
        MCLog::Log(1, MCString("ZPNear::Position : Invalid ") + which + " point, using (0,0)");
        return MCSPoint();
    }
    MOPosition r = handle->Position();
    if (r.error != 0) {
        MCLog::Log(1, MCString("ZPNear::Position : ") + which + " point returned error (" + MCString(r.error) +
                          ")");
        return MCSPoint();
    }
    return r.point;
}
} // namespace

ZPNear::ZPNear() : m_TrueIsTest(1), m_FalseIsNear(1), m_Dist(10)
{
    m_Name = "NEAR";
}

MCString ZPNear::Representation() const
{
    return Describe(m_Name, {{KeyTest, m_TestName},
                             {KeyNear, m_NearName},
                             {KeyTrue, m_TrueName},
                             {KeyFalse, m_FalseName},
                             {KeyDist, MCString(m_Dist)}});
}

void ZPNear::DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry)
{
    Key(description, KeyTest, m_TestName);
    Key(description, KeyNear, m_NearName);
    Key(description, KeyTrue, m_TrueName);
    Key(description, KeyFalse, m_FalseName);
    Key(description, KeyDist, m_Dist);
    Establish(m_TestName, "BALL", m_Test, "Unable to establish test point", m_TrueName, m_True, m_TrueIsTest,
              "Unable to establish valid point, using test point.", registry);
    Establish(m_NearName, "HOME", m_Near, "Unable to establish near point", m_FalseName, m_False, m_FalseIsNear,
              "Unable to establish failure point, using near point.", registry);
}

// A point and the branch that falls back to it. An unknown point keeps the
// one of the definition built upon; an unnamed or unknown branch is the
// point itself.
void ZPNear::Establish(MCString &pointName, const char *defaultName, MObject &point, const char *pointComplaint,
                      const MCString &branchName, MObject &branch, int &branchIsPoint,
                      const char *branchComplaint, MObjectRegistry &registry)
{
    if (pointName.empty())
        pointName = defaultName;
    if (!Lookup(pointName, point, registry))
        MCLog::Log(1, pointComplaint);
    branchIsPoint = 1;
    if (!branchName.empty()) {
        if (Lookup(branchName, branch, registry))
            branchIsPoint = 0;
        else
            MCLog::Log(1, branchComplaint);
    }
    if (branchIsPoint)
        branch = point;
}

MObjectBase *ZPNear::Clone() const
{
    return new ZPNear(*this);
}

MOPosition ZPNear::__Position()
{
    MCSPoint t = PointOf(m_Test, "test");
    MCSPoint n = PointOf(m_Near, "near");
    if (t.distance(n) < m_Dist)
        return Branch(m_TrueIsTest, m_True, t, "ZPNear::Position : Unable to establish success point.");
    return Branch(m_FalseIsNear, m_False, n, "ZPNear::Position : Unable to establish failure point.");
}

MOPosition ZPNear::Branch(int isPoint, MObject &branch, const MCSPoint &point, const char *complaint)
{
    if (isPoint)
        return MOPosition(point);
    if (branch.valid())
        return branch->Position();
    MCLog::Log(1, complaint);
    return MOPosition(point);
}
