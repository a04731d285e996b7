#ifndef ZPTESTPOS_H
#define ZPTESTPOS_H

#include "ZPPositioner.h"

// Chooses by whether a test point lies in a box (bounds included):
// (TESTPOS:(TEST:BALL,TRUE:..,FALSE:HOME,XL:..,XH:..,YL:..,YH:..)). Without
// TRUE the test point itself is the answer inside the box. A missing branch
// falls back to the test point, so it fails only when the chosen branch
// does.
class ZPTestPos : public ZPPositioner
{
public:
    ZPTestPos();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_Test;
    MObject m_True;
    MObject m_False;
    double m_XL;
    double m_XH;
    double m_YL;
    double m_YH;
    // Set when no TRUE positioner is named.
    int m_TrueIsTest;
    MCString m_TrueName;
    MCString m_FalseName;
    MCString m_TestName;

    static const MCString ClassName;
};

#endif
