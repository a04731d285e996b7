#ifndef GOALMARKING_H
#define GOALMARKING_H

#include <functional>
#include <vector>

#include "CVector.h"

// Who of us marks which opponent near our goal. Every player works the
// answer out alike from what it knows, so that each dangerous opponent
// gets one marker and no two of us take the same one.

// An opponent this near our goal scores from a pass.
constexpr float kGoalDangerDist = 22;

// One of us who may mark: a number that tells him apart, and his place.
// One with a task at the ball (the cover of the press) takes only the men
// near our goal, not those in the middle of our half.
struct MarkerAt
{
  int id;
  CVector pos;
  bool takesMidfield = true;
};

// The marking's measures: our goal's centre, how near it an opponent is
// dangerous, the farthest a marker runs to take one, and how far goal-side
// of him the marker stands. Beyond the danger distance, an opponent short
// of midfieldX (in our half) is taken by one of us within midfieldReach of
// his spot: the man who would receive there unpressed. A midfieldReach of
// 0 marks nobody there.
struct MarkingArea
{
  CVector goal;
  float dangerDist;
  float reach;
  float goalSide;
  float midfieldX = 0;
  float midfieldReach = 0;
};

// Where the marker of an opponent stands: on his way to our goal.
CVector MarkingSpot(CVector foe, const MarkingArea &area);
// The same for a man on the move: goal-side of where his pace (metres a
// cycle) takes him in `lead` cycles, never past our goal.
CVector MarkingSpot(CVector foe, CVector pace, int lead, const MarkingArea &area);

// The marker of a man running in at our goal who cannot be on the spot
// of the fewest cycles' lead in time meets the run further on: the spot of
// the least lead, from fewest to most, that he gets to within that many
// cycles (cyclesTo answers his cycles to a point), else that of the most.
// A man standing has one spot whatever the lead.
CVector RunMeetingSpot(CVector foe, CVector pace, int fewest, int most, const MarkingArea &area,
                       const std::function<int(CVector)> &cyclesTo);

// The opponents within the danger distance, nearest our goal first, each
// given the nearest marker still free who is within reach of his spot;
// then those in the middle of our half, nearest our goal first, each given
// the nearest free marker who takes men there and is within the midfield
// reach. Answers the index in foes of the one the marker `me` takes, or -1.
int FoeMarkedBy(int me, const std::vector<MarkerAt> &markers, const std::vector<CVector> &foes,
                const MarkingArea &area);

#endif
