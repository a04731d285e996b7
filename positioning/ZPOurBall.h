#ifndef ZPOURBALL_H
#define ZPOURBALL_H

#include "ZPPositioner.h"

// The TRUE positioner while the agent's side has the ball, the FALSE one
// otherwise: (OURBALL:(FALSE:BALL,TRUE:HOME)).
class ZPOurBall : public ZPPositioner
{
public:
    ZPOurBall();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_True;
    MObject m_False;
    MCString m_TrueName;
    MCString m_FalseName;

    static const MCString ClassName;
};

#endif
