#ifndef PACEFROMPLACES_H
#define PACEFROMPLACES_H

#include "CVector.h"

class CPlayer;

// A player's pace where his latest sighting or word gave none: the change of
// his place since the one before, a few cycles back. The server gives a
// player's motion only with his number, and a word passes on only what the
// teller knew; a man running in behind a marker who watches the ball was held
// standing, and the marker's spot lagged him (seen in matches: a third of the
// sightings of their men running at our goal held them at pace 0, and the
// striker met a cut-back metres in front of his marker).

// The velocity as the world model keeps it (after the cycle's decay) of a
// player placed at `before` in cycle `beforeTime` and at `after` in cycle
// `afterTime`; false, and no pace, when the two are too close in time for
// the places' doubt, too far apart for a run to hold, or the change is
// within that doubt.
bool PaceFromPlaces(CVector before, int beforeTime, CVector after, int afterTime, float decay,
                    float speedMax, CVector &velocity);

// A record just written from a sighting or word of cycle `at`: it now holds
// that place, and when the news came without a pace (`paced` false) and
// `before` is the same numbered player, the pace from the two places as
// its placed pace. The record's velocity stays what was seen or told: a
// pace so reckoned in every player's record changed who our passers
// chose (a build that used it everywhere kept 6 points fewer passes).
void TakePaceFromPlaces(const CPlayer &before, CPlayer &record, int at, bool paced);

#endif
