#ifndef GOALMARKING_H
#define GOALMARKING_H

#include <vector>

#include "CVector.h"

// Who of us marks which opponent near our goal. Every player works the
// answer out alike from what it knows, so that each dangerous opponent
// gets one marker and no two of us take the same one.

// One of us who may mark: a number that tells him apart, and his place.
struct MarkerAt
{
  int id;
  CVector pos;
};

// The marking's measures: our goal's centre, how near it an opponent is
// dangerous, the farthest a marker runs to take one, and how far goal-side
// of him the marker stands.
struct MarkingArea
{
  CVector goal;
  float dangerDist;
  float reach;
  float goalSide;
};

// Where the marker of an opponent stands: on his way to our goal.
CVector MarkingSpot(CVector foe, const MarkingArea &area);
// The same for a man on the move: goal-side of where his pace (metres a
// cycle) takes him in `lead` cycles, never past our goal.
CVector MarkingSpot(CVector foe, CVector pace, int lead, const MarkingArea &area);

// The opponents within the danger distance, nearest our goal first, each
// given the nearest marker still free who is within reach of his spot.
// Answers the index in foes of the one the marker `me` takes, or -1.
int FoeMarkedBy(int me, const std::vector<MarkerAt> &markers, const std::vector<CVector> &foes,
                const MarkingArea &area);

#endif
