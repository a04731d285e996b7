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
// What two places seen close by are off by together whatever the
// distance: the agent's own place wobbles from one sighting to the next.
const float kNearPlacesDoubt = 0.2f;
// And what each metre to the man adds, both sightings together: the
// server's distance is good to about a twentieth each.
const float kPlacesDoubtPerMetre = 0.05f;
// The most two places are taken to be off by: far sightings are as much in
// doubt as they were ever taken to be, no more.
const float kMostPlacesDoubt = 1;
}

float PlacesDoubt(CVector from, CVector before, CVector after)
{
  return std::min(kMostPlacesDoubt,
                  kNearPlacesDoubt + kPlacesDoubtPerMetre * (from.dist(before) + from.dist(after)));
}

bool PaceFromPlaces(CVector before, int beforeTime, CVector after, int afterTime, float decay,
                    float speedMax, CVector &velocity, float doubt)
{
  velocity = CVector(0, 0);
  const int gap = afterTime - beforeTime;
  if (gap < kLeastGap || gap > kMostGap)
    return false;
  const CVector change = after - before;
  // A change within the doubt is no pace, and a larger one is shrunk by it.
  const float moved = change.GetMag() - doubt;
  if (moved <= 0)
    return false;
  const float pace = std::min(moved / static_cast<float>(gap), speedMax);
  velocity = change.SetLength(pace * decay);
  return true;
}

void TakePaceFromPlaces(const CPlayer &before, CPlayer &record, int at, bool paced, float doubt)
{
  const bool sameMan = before.GetUNum() > 0 && before.GetUNum() == record.GetUNum() &&
                       before.GetSide() == record.GetSide() && before.GetPlacedTime() > -999;
  if (!paced && sameMan && at - before.GetPlacedTime() < kLeastGap)
  {
    record.SetPlaced(before.GetPlaced(), before.GetPlacedTime());
    record.SetPlacedPace(before.GetPlacedPace());
    return;
  }
  record.SetPlaced(record.GetGPos(), at);
  // News with a pace of its own leaves that pace to the news after it: a
  // sighting a cycle later keeps this place to reckon from, and with it the
  // pace, which held at 0 had the man standing until places two cycles
  // apart came (seen in matches: seven in twenty-four of the close
  // sightings without a pace still held a man running in at our goal
  // standing).
  record.SetPlacedPace(paced ? record.GetVelocity() : CVector(0, 0));
  if (paced)
    return;
  CVector velocity;
  if (sameMan && PaceFromPlaces(before.GetPlaced(), before.GetPlacedTime(), record.GetGPos(), at,
                                record.GetDecay(), record.GetSpeedMax(), velocity, doubt))
    record.SetPlacedPace(velocity);
}
