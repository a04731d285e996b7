#include "MCCSSupport.h"

#include <cmath>

float MCCSAngleDiff(float a, float b)
{
  float d = std::fmod(b - a, 360.0f);
  if (d > 180)
    d -= 360;
  else if (d < -180)
    d += 360;
  return d;
}

float MCCSBestAngle(CVector from, const std::vector<CVector> &obstacles, float lo, float hi,
                    float step, float reach)
{
  if (hi < lo)
  {
    const float swap = lo;
    lo = hi;
    hi = swap;
  }
  if (!(step > 0))
    step = 1;
  const float middle = (lo + hi) / 2;
  // A bounded count of steps: a tiny step over a wide window would
  // otherwise take longer than a cycle.
  const int steps = static_cast<int>(std::fmin(std::floor((hi - lo) / step), 3600.0f));
  float best = middle;
  float bestClearance = -1;
  for (int i = 0; i <= steps + 1; i++)
  {
    const float a = i > steps ? hi : lo + static_cast<float>(i) * step;
    float clearance = 180;
    for (const CVector &o : obstacles)
      if (from.dist(o) <= reach)
        clearance = std::fmin(clearance, std::fabs(MCCSAngleDiff(a, (o - from).GetDir())));
    const bool better = clearance > bestClearance ||
                        (clearance == bestClearance &&
                         std::fabs(a - middle) < std::fabs(best - middle));
    if (better)
    {
      best = a;
      bestClearance = clearance;
    }
  }
  return MCCSAngleDiff(0, best);
}
