#ifndef ZPHOME_H
#define ZPHOME_H

#include "ZPPositioner.h"

// (HOME): the agent's home position, the centre of the memory's Home shape; error -1 when the
// memory has none.
class ZPHome : public ZPPositioner
{
public:
    ZPHome();

    MObjectBase *Clone() const override;
    MOPosition __Position() override;
};

#endif
