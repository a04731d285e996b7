#ifndef ZPBALL_H
#define ZPBALL_H

#include "ZPPositioner.h"

// (BALL): the ball, the centre of the memory's Target shape; error -1 when the
// memory has none.
class ZPBall : public ZPPositioner
{
public:
    ZPBall();

    MObjectBase *Clone() const override;
    MOPosition __Position() override;
};

#endif
