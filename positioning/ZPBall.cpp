#include "ZPBall.h"

#include "MCMem.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPBall)

ZPBall::ZPBall()
{
    m_Name = "BALL";
}

MObjectBase *ZPBall::Clone() const
{
    return new ZPBall(*this);
}

MOPosition ZPBall::__Position()
{
    return CentreOf(MCMem().Target());
}
