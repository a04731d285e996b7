// The support place: rings of places about the ball, each worth its room
// from the opponents and the ground it gains, less the way to it; a place
// whose way from the ball an opponent stands in, or where one of ours
// already offers himself, costs as much as most of its room.

#include "SupportPlace.h"

#include <cmath>

namespace
{
// The rings about the ball, near enough for a pass that the opponents
// cannot read, far enough that the presser does not cover both.
const float kRings[] = {8, 12, 16};
const int kDirections = 12;
// Kept this far in from the lines.
const float kLineMargin = 2;
// Room counts up to this distance from the nearest opponent; a metre of it
// is worth this much.
const float kRoomCap = 8;
const float kRoomWorth = 1.5f;
// A metre gained towards their goal, for a player who supports ahead.
const float kGainWorth = 0.25f;
// A metre of the way there: a far place is reached after the ball has gone.
const float kTravelWorth = 0.4f;
// The pass lane, as the attackers' places judge it.
const float kLaneWidth = 1.5f;
const float kLaneWidening = 0.2f;
const float kClosedLaneCost = 12;
// Another of ours this near a place offers the same pass already.
const float kMateSpacing = 7;
const float kMateThereCost = 8;
// Beside the ball is this much either way of level with it.
const float kBeside = 3;
// The team-mate this near the ball is the one who has it; an opponent this
// near it presses him and takes any pass that goes his way in its first
// cycle: he shades every place within this angle of his direction from the
// ball, and the lanes farther round go past him.
const float kCarrierNear = 2;
const float kPresserNear = 3;
const float kPresserShade = 50;
}  // namespace

bool PassLaneOpen(CVector from, CVector to, const std::vector<CVector> &foes, float width,
                  float widening)
{
  const CVector lane = to - from;
  const float length = lane.GetMag();
  if (length <= 0)
    return true;
  for (const CVector &foe : foes)
  {
    const float along = Dot(foe - from, lane) / length;
    if (along <= 0 || along >= length)
      continue;
    const CVector foot = from + lane * (along / length);
    if (foe.dist(foot) < width + widening * along)
      return false;
  }
  return true;
}

float RoomAround(CVector point, const std::vector<CVector> &foes, float cap)
{
  float room = cap;
  for (const CVector &foe : foes)
    room = std::fmin(room, foe.dist(point));
  return room;
}

CVector ChooseSupportPlace(const SupportWorld &w, int *slot)
{
  const float xLow = -w.halfLength + kLineMargin;
  const float xHigh = std::fmin(w.xMax, w.halfLength - kLineMargin);
  const float yHigh = w.halfWidth - kLineMargin;
  const float areaX = -w.halfLength + w.penaltyAreaLength;
  std::vector<CVector> laneFoes;
  std::vector<float> pressers;  // their directions from the ball
  laneFoes.reserve(w.foes.size());
  pressers.reserve(w.foes.size());
  for (const CVector &foe : w.foes)
    if (foe.dist(w.ball) > kPresserNear)
      laneFoes.push_back(foe);
    else if (foe.dist(w.ball) > 0)
      pressers.push_back((foe - w.ball).GetDir());
  CVector best = w.me;
  float bestValue = 0;
  int bestSlot = -1;
  bool found = false;
  const int rings = static_cast<int>(sizeof kRings / sizeof kRings[0]);
  for (int r = 0; r < rings; r++)
    for (int k = 0; k < kDirections; k++)
    {
      const float ring = kRings[r];
      const int here = r * kDirections + k;
      const float dir = 360.0f * static_cast<float>(k) / kDirections;
      const CVector place = w.ball + Polar2CVector(ring, dir);
      if (place.GetX() < xLow || place.GetX() > xHigh || std::fabs(place.GetY()) > yHigh)
        continue;
      if (place.GetX() < areaX && std::fabs(place.GetY()) < w.penaltyAreaHalfWidth)
        continue;
      const float gain = place.GetX() - w.ball.GetX();
      if (w.behind ? gain > kBeside : gain < -kBeside)
        continue;
      float value = kRoomWorth * RoomAround(place, w.foes, kRoomCap) - kTravelWorth * w.me.dist(place);
      if (!w.behind)
        value += kGainWorth * gain;
      bool shaded = false;
      bool wild = false;
      for (const float presser : pressers)
        shaded = shaded || std::fabs(NormaliseAngle(dir - presser, wild)) < kPresserShade;
      if (shaded || !PassLaneOpen(w.ball, place, laneFoes, kLaneWidth, kLaneWidening))
        value -= kClosedLaneCost;
      for (const CVector &mate : w.mates)
        if (mate.dist(place) < kMateSpacing && mate.dist(w.ball) > kCarrierNear)
        {
          value -= kMateThereCost;
          break;
        }
      if (here == w.held)
        value += HeldSlot::kWorth;
      if (!found || value > bestValue)
      {
        found = true;
        best = place;
        bestValue = value;
        bestSlot = here;
      }
    }
  if (slot)
    *slot = bestSlot;
  return best;
}
