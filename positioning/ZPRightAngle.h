#ifndef ZPRIGHTANGLE_H
#define ZPRIGHTANGLE_H

#include "ZPPositioner.h"

// Where a line from the FROM point touches the circle about CENTRE through
// EDGE, on the side of EDGE: (RIGHTANGLE:(CENTRE:HOME,EDGE:GOAL,FROM:BALL,
// FAIL:..)). With CENTRE an opponent, EDGE a point towards the own goal and
// FROM the ball, a marking point square to the ball's line. FROM inside the
// circle has no tangent: the FAIL point, or the EDGE point. Where the two
// touching points are about as near EDGE, the one nearer the agent.
class ZPRightAngle : public ZPPositioner
{
public:
    ZPRightAngle();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_Centre;
    MObject m_Edge;
    MObject m_From;
    MObject m_Fail;
    MCString m_CentreName;
    MCString m_EdgeName;
    MCString m_FromName;
    MCString m_FailName;

    static const MCString ClassName;

private:
    // Of touching points A and B about as near EDGE, the one nearer the
    // agent; else BEST, the nearer to EDGE.
    static MCSPoint KeepMySideOfTheMan(MCSPoint a, MCSPoint b, MCSPoint best, MCSPoint edge, double radius);
};

#endif
