#ifndef ZPSELECTOPPONENT_H
#define ZPSELECTOPPONENT_H

#include "ZPOpponentChoice.h"

// The opponent to mark: the first, nearest the ABOUT point first, who stands
// no more than EXTEND metres outside the agent's zone, passes the distance
// check against the DISTFROM point (MODE RANGE: within DISTANCE of it;
// BEHIND: no more than DISTANCE behind it; applied when DISTANCE > 0), and
// has fewer team-mates than opponents, himself included, within WITHIN
// metres of him. None: the OTHERWISE point, or the ABOUT point.
// (SELECTOPPONENT:(ABOUT:GOAL,DISTANCE:-1,DISTFROM:BALL,EXTEND:0,MODE:BEHIND,
// NEAR:0,OTHERWISE:..,WITHIN:10)).
class ZPSelectOpponent : public ZPOpponentChoice
{
public:
    enum CheckMode
    {
        ModeNone = 0,
        ModeRange = 1,
        ModeBehind = 2
    };

    ZPSelectOpponent();

    MCString Representation() const override;
    void DecodeRepresentation(const MCObjectDescription &description, MObjectRegistry &registry) override;
    MObjectBase *Clone() const override;
    MOPosition __Position() override;

    MObject m_DistFrom;
    MCString m_DistFromName;
    double m_Extend;
    double m_Distance;
    int m_Mode;

    static const MCString ClassName;

private:
    // Whether the zone and distance tests keep the candidate.
    bool Reachable(const MCMRegion &zone, const MCSPoint &distancePoint, const MCSPoint &candidate) const;
    // Whether the opponents near the candidate (himself included) outnumber
    // the team-mates near him.
    bool Uncovered(MCMem &memory, int index, const MCSPoint &candidate);
};

#endif
