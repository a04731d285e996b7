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
// `doubt` is what the two places together may be off by, in metres.
bool PaceFromPlaces(CVector before, int beforeTime, CVector after, int afterTime, float decay,
                    float speedMax, CVector &velocity, float doubt = 1);

// What two places of a player the agent saw from `from` may be off by
// together: the server gives a player's distance to a twentieth or so, so
// a man a couple of metres off is placed to a few tenths, one far off to a
// metre at the most. A man running in at half a metre a cycle right by his
// marker moved no more than a metre's doubt between two sightings, and was
// held standing while the marker watched the ball.
float PlacesDoubt(CVector from, CVector before, CVector after);

// A record just written from a sighting or word of cycle `at`: it now holds
// that place, and when the news came without a pace (`paced` false) and
// `before` is the same numbered player, the pace from the two places as
// its placed pace (the places off by `doubt` together); news with a pace
// takes that pace as its placed pace. News of the same
// man too soon after the place held to tell a pace keeps that place and
// the pace it gave: sightings come two cycles in three, and one a cycle
// after the last, taking over the place, left the next only a cycle or two
// to reckon from, and the man held standing. The record's velocity stays
// what was seen or told: a pace so reckoned in every player's record
// changed who our passers chose (a build that used it everywhere kept 6
// points fewer passes).
void TakePaceFromPlaces(const CPlayer &before, CPlayer &record, int at, bool paced, float doubt = 1);

#endif
