#include "ZPHome.h"

#include "MCMem.h"
#include "Positioning.h"

ZP_PROTOTYPE(ZPHome)

ZPHome::ZPHome()
{
    m_Name = "HOME";
}

MObjectBase *ZPHome::Clone() const
{
    return new ZPHome(*this);
}

MOPosition ZPHome::__Position()
{
    return CentreOf(MCMem().Home());
}
