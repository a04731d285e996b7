#ifndef ZPCONSTRAINPOS_H
#define ZPCONSTRAINPOS_H

#include "MCSRectangle.h"
#include "ZPPositioner.h"

// The FROM point clamped into a box (bounds included):
// (CONSTRAIN:(FROM:BALL,XL:-1000,XH:1000,YL:-1000,YH:1000)). A point inside
// keeps FROM's error; a clamped point is a valid one.
class ZPConstrainPos : public ZPPositioner
{
public:
    ZPConstrainPos();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_From;
    MCSRectangle m_Box;
    MCString m_FromName;

    static const MCString ClassName;
};

#endif
