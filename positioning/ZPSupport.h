#ifndef ZPSUPPORT_H
#define ZPSUPPORT_H

#include <vector>

#include "MCSPoint.h"
#include "ZPPositioner.h"

// A free point RANGE metres from the SUPPORT point: the directions of a fan
// WIDTH degrees wide about the direction towards FROM, STEP degrees apart,
// are scored by the players within RANGE + BUFFER metres and less than 45
// degrees off them, and the best is taken if it scores above THRESHOLD;
// otherwise the FAIL point, or the FROM point:
// (SUPPORT:(SUPPORT:BALL,FROM:HOME,FAIL:..,RANGE:25,BUFFER:5,WIDTH:45,STEP:1,
// THRESHOLD:0.2)).
class ZPSupport : public ZPPositioner
{
public:
    ZPSupport();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;
    // The score of a direction (radians): 1 when nobody stands near it, 0
    // for a player on it. seen holds the players of the memory's MCM_CTP
    // lists (opponents first) as length and direction from the support
    // point, worked out once for the whole fan.
    double ES(double direction, const std::vector<MCSPoint> &seen) const;

    MObject m_Support;
    MObject m_From;
    MObject m_Fail;
    MCString m_SupportName;
    MCString m_FromName;
    MCString m_FailName;
    double m_Range;
    double m_Buffer;
    double m_Reach;
    // Radians.
    double m_HalfWidth;
    double m_Step;
    double m_Threshold;

    static const MCString ClassName;
};

#endif
