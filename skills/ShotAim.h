#ifndef SHOTAIM_H
#define SHOTAIM_H

#include "CVector.h"

// Which side of the goal mouth a shot goes to: +1 the positive-y post, -1
// the negative-y one. A goalkeeper is beaten at the corner he reaches last:
// the one whose line from the shooter runs farther from him. Equal (as a
// keeper straight in line with the middle): the side given.
float CornerTheKeeperReachesLast(CVector from, CVector keeper, float goalLine, float post,
                                 float tieSide);

// How far a point lies from the segment a-b.
float DistanceToSegment(CVector p, CVector a, CVector b);

#endif
