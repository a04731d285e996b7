#ifndef ZPCOMBINE_H
#define ZPCOMBINE_H

#include "ZPPositioner.h"

// The x of one positioner's point with the y of another's,
// (COMBINE:(X:BALL,Y:HOME)). A missing input counts as (0, 0); it never
// fails.
class ZPCombine : public ZPPositioner
{
public:
    ZPCombine();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_X;
    MObject m_Y;
    MCString m_XName;
    MCString m_YName;
};

#endif
