#ifndef ZPINTERPOLATE_H
#define ZPINTERPOLATE_H

#include "ZPPositioner.h"

// A point on the way from one positioner's point towards another's:
// (INTERPOLATE:(FROM:BALL,TO:GOAL,BY:0.5,MIN:-1,MAX:-1)) takes the fraction
// BY of the distance, kept at least MIN and at most MAX metres from FROM
// (each only when above 0). Missing inputs count as (0, 0); it never fails.
class ZPInterpolate : public ZPPositioner
{
public:
    ZPInterpolate();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_From;
    MObject m_To;
    double m_By;
    double m_Min;
    double m_Max;
    MCString m_FromName;
    MCString m_ToName;
};

#endif
