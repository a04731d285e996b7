// Marking near our goal: a greedy share of the dangerous opponents among
// those of us free to mark, the one nearest our goal served first. A cross
// or a pass back from the goal line finds its man in front of the goal,
// where a shot rarely misses: he is the first to be taken.

#include "GoalMarking.h"

#include <algorithm>
#include <numeric>

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

int FoeMarkedBy(int me, const std::vector<MarkerAt> &markers, const std::vector<CVector> &foes,
                const MarkingArea &area)
{
  std::vector<size_t> order(foes.size());
  std::iota(order.begin(), order.end(), 0);
  order.erase(std::remove_if(order.begin(), order.end(),
                             [&](size_t i) { return foes[i].dist(area.goal) > area.dangerDist; }),
              order.end());
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return foes[a].dist(area.goal) < foes[b].dist(area.goal);
  });
  std::vector<bool> taken(markers.size(), false);
  for (size_t f : order)
  {
    const CVector spot = MarkingSpot(foes[f], area);
    int best = -1;
    float bestDist = area.reach;
    for (size_t m = 0; m < markers.size(); m++)
    {
      const float d = markers[m].pos.dist(spot);
      // Ties go to the lower number, the same for everyone who works it
      // out.
      if (!taken[m] && (d < bestDist || (d == bestDist && best >= 0 && markers[m].id < markers[best].id)))
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
