#ifndef ZPNEAR_H
#define ZPNEAR_H

#include "MCSPoint.h"
#include "ZPPositioner.h"

// Chooses by whether two points lie closer than a distance:
// (NEAR:(TEST:BALL,NEAR:HOME,TRUE:..,FALSE:..,DIST:10)). Without TRUE the
// TEST point is the answer when near, without FALSE the NEAR point
// otherwise. A test or near point whose positioner fails counts as (0, 0).
class ZPNear : public ZPPositioner
{
public:
    ZPNear();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_Test;
    MObject m_Near;
    MObject m_True;
    MObject m_False;
    int m_TrueIsTest;
    int m_FalseIsNear;
    MCString m_TrueName;
    MCString m_FalseName;
    MCString m_TestName;
    MCString m_NearName;
    double m_Dist;

private:
    // The branch's answer, or the point itself when the branch is that
    // point or missing.
    static MOPosition Branch(int isPoint, MObject &branch, const MCSPoint &point, const char *complaint);
    static void Establish(MCString &pointName, const char *defaultName, MObject &point, const char *pointComplaint,
                          const MCString &branchName, MObject &branch, int &branchIsPoint,
                          const char *branchComplaint, MObjectRegistry &registry);
};

#endif
