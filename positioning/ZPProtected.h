#ifndef ZPPROTECTED_H
#define ZPPROTECTED_H

#include "ZPPositioner.h"

// Another positioner's point pulled into the area that the own side
// defends, (PROTECTED:(FROM:BALL)). A missing source counts as (0, 0) and
// a missing area leaves the point as it is: it never fails.
class ZPProtected : public ZPPositioner
{
public:
    ZPProtected();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_From;
    MCString m_FromName;
};

#endif
