#include "UnseenReach.h"

#include <algorithm>

namespace
{
// Beyond this many cycles unseen he is no nearer in our reckoning: run
// for longer he may be anywhere, and every player would count as near.
const int kMostUnseenCycles = 3;
}

int UnseenCyclesCounted(int unseen)
{
  return std::clamp(unseen, 0, kMostUnseenCycles);
}

float NearestHeMayBe(float lastDist, int unseen, float speedMax)
{
  return std::max(0.0f, lastDist - static_cast<float>(UnseenCyclesCounted(unseen)) * speedMax);
}
