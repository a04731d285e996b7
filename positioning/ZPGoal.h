#ifndef ZPGOAL_H
#define ZPGOAL_H

#include "ZPPositioner.h"

// The middle of a goal mouth: the own goal as (GOAL), the opponents' as
// (GOAL:(AWAY)); error -1 when the memory has no such goal.
class ZPGoal : public ZPPositioner
{
public:
    ZPGoal();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    // 0 the own goal, anything else the opponents'.
    int m_Away;
};

#endif
