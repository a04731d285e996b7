#ifndef ZPOFFSET_H
#define ZPOFFSET_H

#include "MCSPoint.h"
#include "ZPPositioner.h"

// Another positioner's point moved by a fixed offset, such as
// (OFFSET:(FROM:BALL,X:6,Y:-6,I:Y)). I names the offsets that change sign
// when the point lies at negative x or y, so that one description serves
// both wings: F none, X, Y or XY. The source's error is passed on.
class ZPOffset : public ZPPositioner
{
public:
    enum
    {
        MirrorNone = 0,
        MirrorX = 1,
        MirrorY = 2,
        MirrorXY = 3
    };

    ZPOffset();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_From;
    MCSPoint m_Offset;
    MCString m_FromName;
    int m_Mirror;
};

#endif
