#ifndef ZPOPPONENTCHOICE_H
#define ZPOPPONENTCHOICE_H

#include "MCMObject.h"
#include "MCSPoint.h"
#include "ZPPositioner.h"

class MCMem;

// What the kinds that pick an opponent to mark share: the point about which
// opponents are taken nearest first (ABOUT, "GOAL" by default), the
// positioner used when none is picked (OTHERWISE, the ABOUT point when none
// is named or found), the radius within which team-mates cover (WITHIN), and
// whether only team-mates nearer the own goal cover (NEAR; the older flags
// NEAR and ALL still read as NEAR:1 and NEAR:0).
class ZPOpponentChoice : public ZPPositioner
{
public:
    MObject m_About;
    MObject m_Otherwise;
    double m_Within;
    // Set when the OTHERWISE handle is a copy of the ABOUT handle.
    int m_OtherwiseIsAbout;
    int m_Near;
    MCString m_AboutName;
    MCString m_OtherwiseName;

protected:
    // The prefix names the kind in its messages, as "ZPSelectOpponent::".
    explicit ZPOpponentChoice(const MCString &prefix);

    // Reads ABOUT, OTHERWISE, WITHIN, NEAR and ALL, when present.
    void ReadChoice(const MCObjectDescription &description);
    // Resolves ABOUT, then OTHERWISE, which a missing positioner does not
    // leave empty: it falls back to the ABOUT point.
    void ResolveChoice(MObjectRegistry &registry);
    // The ABOUT point, and in scanner a region at it, or the ball's region
    // when there is no ABOUT positioner (the point is then (0, 0)).
    MCSPoint AboutPoint(MCMem &memory, MCMRegion &scanner);
    // Orders the memory's MCM_CTP lists about the scanner region.
    void UseScanner(MCMem &memory, const MCMRegion &scanner);
    // The answer when no opponent is picked.
    MOPosition Unpicked(const MCSPoint &about);

    const MCString &m_Prefix;
};

#endif
