#ifndef ZPBESTOPPONENT_H
#define ZPBESTOPPONENT_H

#include "ZPOpponentChoice.h"

// The first opponent, nearest the ABOUT point first, who stands in the
// agent's zone and has no team-mate within WITHIN metres of him:
// (BESTOPPONENT:(ABOUT:GOAL,OTHERWISE:..,WITHIN:10,ALL)). With NEAR only a
// team-mate nearer the own goal (smaller x) covers. When every opponent is
// covered, the OTHERWISE point, or the ABOUT point.
class ZPBestOpponent : public ZPOpponentChoice
{
public:
    ZPBestOpponent();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    static const MCString ClassName;

private:
    // Whether a team-mate covers the opponent at q; orders the team-mates
    // about q.
    bool Covered(MCMem &memory, const MCSPoint &q);
};

#endif
