#ifndef FORMATIONTABLES_H
#define FORMATIONTABLES_H

// Where each uniform number stands in the three formations, in metres in our
// own frame (own goal at negative x, y growing downwards), and the role the
// formation gives it.

#include "CVector.h"

struct FormationPoint
{
  int x;
  int y;
};

extern const FormationPoint ThreeThreeFour[11];
extern const FormationPoint FourThreeThree[11];
extern const FormationPoint FiveThreeTwo[11];

// The table of a formation (-1, 0 or 1), or null for any other value.
const FormationPoint *FormationTable(int formation);

// Where a uniform number stands in a formation; (999, 999) for a number
// outside 1-11 or an unknown formation.
CVector FormationHomePos(int formation, int unum);

// The role (1 goalkeeper to 4 forward) of a uniform number in a formation; 0
// for a number outside 1-11 or an unknown formation.
int FormationRole(int formation, int unum);

// Sets point to the kick-off point that replaces the table's entry for this
// number and formation, if there is one.
bool KickOffException(int formation, int unum, FormationPoint &point);

#endif
