#include "ZPMyPos.h"

#include "MCMem.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPMyPos)

ZPMyPos::ZPMyPos()
{
    m_Name = "MYPOS";
}

MObjectBase *ZPMyPos::Clone() const
{
    return new ZPMyPos(*this);
}

MOPosition ZPMyPos::__Position()
{
    return CentreOf(MCMem().Unit());
}
