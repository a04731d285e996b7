#ifndef ZPMYPOS_H
#define ZPMYPOS_H

#include "ZPPositioner.h"

// (MYPOS): the agent's own position, the centre of the memory's Unit shape; error -1 when the
// memory has none.
class ZPMyPos : public ZPPositioner
{
public:
    ZPMyPos();

    MObjectBase *Clone() const override;
    MOPosition __Position() override;
};

#endif
