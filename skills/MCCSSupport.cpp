#include "MCCSSupport.h"

#include <algorithm>
#include <cmath>

#include "Geometry.h"

namespace
{
// How a direction fares.
struct Score
{
  bool allowed;
  float blocked;
  float clearance;
  float offPreferred;
};

bool Better(const Score &a, const Score &b)
{
  if (a.allowed != b.allowed)
    return a.allowed;
  if (a.blocked != b.blocked)
    return a.blocked < b.blocked;
  if (a.clearance != b.clearance)
    return a.clearance > b.clearance;
  return a.offPreferred < b.offPreferred;
}
}  // namespace

float MCCSAngleDiff(float a, float b)
{
  float d = std::fmod(b - a, 360.0f);
  if (d > 180)
    d -= 360;
  else if (d < -180)
    d += 360;
  return d;
}

float MCCSBestAngle(CVector from, const std::vector<CVector> &obstacles, const MCCSScan &scan,
                    bool *blocked)
{
  float lo = std::min(scan.lo, scan.hi);
  float hi = std::max(scan.lo, scan.hi);
  const float step = scan.step > 0 ? scan.step : 1;
  const float cone = std::atan(std::max(0.0f, scan.ratio)) * 180 / static_cast<float>(kPi);
  // Only the opponents within reach, as direction and distance.
  std::vector<std::pair<float, float>> near;
  for (const CVector &o : obstacles)
  {
    const float d = from.dist(o);
    if (d <= scan.reach)
      near.emplace_back((o - from).GetDir(), d);
  }
  // A bounded count of steps: a tiny step over a wide window would
  // otherwise take longer than a cycle.
  const int steps = static_cast<int>(std::fmin(std::floor((hi - lo) / step), 3600.0f));
  float best = lo;
  Score bestScore{false, 0, 0, 0};
  bool any = false;
  for (int i = 0; i <= steps + 1; i++)
  {
    const float a = i > steps ? hi : lo + static_cast<float>(i) * step;
    Score s{!scan.allowed || scan.allowed(MCCSAngleDiff(0, a)), 0, 2 * cone,
            std::fabs(MCCSAngleDiff(scan.prefer, a))};
    for (const auto &o : near)
    {
      const float off = std::fabs(MCCSAngleDiff(a, o.first));
      if (off <= cone)
        // One at the origin weighs 1, one at the edge of reach hardly.
        s.blocked += 1 - o.second / (scan.reach + 1);
      s.clearance = std::min(s.clearance, off);
    }
    if (!any || Better(s, bestScore))
    {
      best = a;
      bestScore = s;
      any = true;
    }
  }
  if (blocked)
    *blocked = bestScore.blocked > 0;
  if (bestScore.blocked > 0 && !scan.force)
  {
    // Not forced through opponents: the preferred direction, in the window.
    const float middle = (lo + hi) / 2;
    best = std::max(lo, std::min(hi, middle + MCCSAngleDiff(middle, scan.prefer)));
  }
  return MCCSAngleDiff(0, best);
}
