#ifndef ZPCONGESTION_H
#define ZPCONGESTION_H

#include "MCSPoint.h"
#include "ZPPositioner.h"

// The TRUE positioner when a box (bounds included) holds at least MOPP
// opponents and at least MTM team-mates, the FALSE one otherwise:
// (CONGESTION:(BASE:0,FALSE:HOME,MOPP:0,MTM:0,OPPF:1,TMMF:-1,TRUE:BALL,
// XH:1000,XL:-1000,YH:1000,YL:-1000)). OPPF, TMMF and BASE are kept and
// written back but weigh nothing.
class ZPCongestion : public ZPPositioner
{
public:
    ZPCongestion();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;
    // 1 when the point lies in the box, else 0.
    virtual int TestCongestion(const MCSPoint &point);

    MObject m_True;
    MObject m_False;
    MCString m_TrueName;
    MCString m_FalseName;
    double m_XL;
    double m_XH;
    double m_YL;
    double m_YH;
    int m_OppF;
    int m_MOpp;
    int m_TmmF;
    int m_MTm;
    int m_Base;

    static const MCString ClassName;
};

#endif
