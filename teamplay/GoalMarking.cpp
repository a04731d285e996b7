// Marking near our goal: a greedy share of the dangerous opponents among
// those of us free to mark, the one nearest our goal served first. A cross
// or a pass back from the goal line finds its man in front of the goal,
// where a shot rarely misses: he is the first to be taken.

#include "GoalMarking.h"

#include <algorithm>

#include "Geometry.h"

CVector MarkingSpot(CVector foe, const MarkingArea &area)
{
  if (foe.dist(area.goal) <= area.goalSide)
    return area.goal;
  return PointInBetween(foe, area.goal, area.goalSide);
}

CVector MarkingSpot(CVector foe, CVector pace, int lead, const MarkingArea &area)
{
  CVector ahead = foe + pace * static_cast<float>(lead);
  // A run across our goal line is met in front of it.
  if (ahead.GetX() < area.goal.GetX())
    ahead.SetX(area.goal.GetX());
  return MarkingSpot(ahead, area);
}

CVector RunMeetingSpot(CVector foe, CVector pace, int fewest, int most, const MarkingArea &area,
                       const std::function<int(CVector)> &cyclesTo)
{
  for (int lead = fewest; lead < most; lead++)
  {
    const CVector spot = MarkingSpot(foe, pace, lead, area);
    if (cyclesTo(spot) <= lead)
      return spot;
  }
  return MarkingSpot(foe, pace, most, area);
}

namespace
{
// Hands each foe of the order the nearest marker still free within reach
// of the foe's spot. Answers the foe `me` takes, or -1 once the order is
// served without him.
int ServeInOrder(int me, const std::vector<MarkerAt> &markers, const std::vector<CVector> &foes,
                 const std::vector<size_t> &order, const MarkingArea &area, std::vector<bool> &taken)
{
  for (size_t f : order)
  {
    const CVector spot = MarkingSpot(foes[f], area);
    int best = -1;
    float bestDist = area.reach;
    for (size_t m = 0; m < markers.size(); m++)
    {
      if (taken[m])
        continue;
      const float d = markers[m].pos.dist(spot);
      // Ties go to the lower number, the same for everyone who works it
      // out.
      if (d < bestDist || (d == bestDist && best >= 0 && markers[m].id < markers[best].id))
      {
        best = static_cast<int>(m);
        bestDist = d;
      }
    }
    if (best < 0)
      continue;
    if (markers[best].id == me)
      return static_cast<int>(f);
    taken[best] = true;
  }
  return -1;
}

// Pairs the markers still free who take men in the middle of our half with
// the men there, the closest pair first, as long as it is within reach.
// Answers the man `me` takes, or -1. Served in the order of the men, a man
// a little nearer our goal took the marker of the one beside him, who took
// the next: every small move passed the men round among us, and each
// change turned the markers about (seen in matches: markers 5 m and more
// off their man when the pass to him left).
int PairClosestFirst(int me, const std::vector<MarkerAt> &markers, const std::vector<CVector> &foes,
                     const std::vector<size_t> &men, const MarkingArea &area, std::vector<bool> &taken)
{
  std::vector<bool> served(foes.size(), false);
  while (true)
  {
    int bestMarker = -1;
    size_t bestMan = 0;
    float bestDist = area.midfieldReach;
    for (size_t m = 0; m < markers.size(); m++)
    {
      if (taken[m] || !markers[m].takesMidfield)
        continue;
      for (size_t f : men)
      {
        if (served[f])
          continue;
        const float d = markers[m].pos.dist(MarkingSpot(foes[f], area));
        // Ties go to the lower number, the same for everyone who works it
        // out.
        if (d < bestDist || (d == bestDist && bestMarker >= 0 && markers[m].id < markers[bestMarker].id))
        {
          bestMarker = static_cast<int>(m);
          bestMan = f;
          bestDist = d;
        }
      }
    }
    if (bestMarker < 0)
      return -1;
    if (markers[bestMarker].id == me)
      return static_cast<int>(bestMan);
    taken[bestMarker] = true;
    served[bestMan] = true;
  }
}
}

int FoeMarkedBy(int me, const std::vector<MarkerAt> &markers, const std::vector<CVector> &foes,
                const MarkingArea &area)
{
  std::vector<size_t> danger;
  std::vector<size_t> midfield;
  for (size_t i = 0; i < foes.size(); i++)
  {
    if (foes[i].dist(area.goal) <= area.dangerDist)
      danger.push_back(i);
    else if (area.midfieldReach > 0 && foes[i].GetX() < area.midfieldX)
      midfield.push_back(i);
  }
  const auto nearerGoal = [&](size_t a, size_t b) {
    return foes[a].dist(area.goal) < foes[b].dist(area.goal);
  };
  std::stable_sort(danger.begin(), danger.end(), nearerGoal);
  std::vector<bool> taken(markers.size(), false);
  const int near = ServeInOrder(me, markers, foes, danger, area, taken);
  if (near >= 0)
    return near;
  return PairClosestFirst(me, markers, foes, midfield, area, taken);
}
