#ifndef ZPFIXED_H
#define ZPFIXED_H

#include "MCSPoint.h"
#include "ZPPositioner.h"

// A point given in the description, (FIXED:(X:-55,Y:-10)); it never fails
// and asks the memory nothing.
class ZPFixed : public ZPPositioner
{
public:
    ZPFixed();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MCSPoint m_Point;
};

#endif
