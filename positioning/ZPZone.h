#ifndef ZPZONE_H
#define ZPZONE_H

#include "ZPPositioner.h"

// Another positioner's point pulled into the rectangle that the agent's
// role covers, (ZONE:(TEST:HOME)). It never fails: a missing point counts
// as (0, 0) and a missing zone leaves the point as it is, each logged.
class ZPZone : public ZPPositioner
{
public:
    ZPZone();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_Test;
    MCString m_TestName;

    static const MCString ClassName;
};

#endif
