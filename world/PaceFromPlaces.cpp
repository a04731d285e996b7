#include "PaceFromPlaces.h"

#include <algorithm>

#include "CPlayer.h"

namespace
{
// Two places at least this many cycles apart: a sighting is off by up to
// half a metre at the distances a marker sees his man from, so one cycle's
// change is mostly noise.
const int kLeastGap = 2;
// A run is taken to hold this many cycles; an older place may be from
// before a turn.
const int kMostGap = 6;
// What the two places together may be off by, in metres: a change within it
// is no pace, and a larger one is shrunk by it.
const float kPlacesDoubt = 1;
}

bool PaceFromPlaces(CVector before, int beforeTime, CVector after, int afterTime, float decay,
                    float speedMax, CVector &velocity)
{
  velocity = CVector(0, 0);
  const int gap = afterTime - beforeTime;
  if (gap < kLeastGap || gap > kMostGap)
    return false;
  const CVector change = after - before;
  const float moved = change.GetMag() - kPlacesDoubt;
  if (moved <= 0)
    return false;
  const float pace = std::min(moved / static_cast<float>(gap), speedMax);
  velocity = change.SetLength(pace * decay);
  return true;
}

void TakePaceFromPlaces(const CPlayer &before, CPlayer &record, int at, bool paced)
{
  record.SetPlaced(record.GetGPos(), at);
  record.SetPlacedPace(CVector(0, 0));
  if (paced)
    return;
  const bool sameMan = before.GetUNum() > 0 && before.GetUNum() == record.GetUNum() &&
                       before.GetSide() == record.GetSide() && before.GetPlacedTime() > -999;
  CVector velocity;
  if (sameMan && PaceFromPlaces(before.GetPlaced(), before.GetPlacedTime(), record.GetGPos(), at,
                                record.GetDecay(), record.GetSpeedMax(), velocity))
    record.SetPlacedPace(velocity);
}
