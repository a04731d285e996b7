#ifndef STEADYPLACE_H
#define STEADYPLACE_H

#include "Geometry.h"

// Whose place it is: a switch from one to another is followed at once.
enum PlaceKind
{
  PLACE_FORMATION,
  PLACE_COVER,
  PLACE_SUPPORT,
  PLACE_ATTACKING,
  PLACE_KINDS
};

// The place a player off the ball heads for, held through a single
// cycle's jump. The positioners' places jump metres from one cycle to the
// next as the man they pick changes, and every jump off the runner's
// heading cost him a turn, which all but stops a run. In matches a third
// of the defenders' cycles going to a place were turns, three in four of
// them right after such a jump. A place that stays where it jumped to is
// followed a cycle later, and one that moves no more than the ball did is
// followed at once: a pass moves every place that follows the ball metres
// a cycle, and a back line a cycle late is beaten by it.
class CSteadyPlace
{
public:
  // Where to head this cycle for the place asked for now, the ball where
  // it is now; `kind` tells one caller's places from another's (a new kind
  // is followed at once).
  CVector HeadFor(CVector place, CVector ball, int now, int kind);

private:
  struct Held
  {
    CVector place;
    CVector ball;
    int time = -999;
    int kind = -1;
    // Cycles on end the place asked for has stood away from this one.
    int away = 0;
  };
  // As left by this cycle's ask, and by the last cycle's: a second ask in
  // one cycle (the pass run again on a later sight) is weighed afresh.
  Held m_Now, m_Before;
};

#endif
