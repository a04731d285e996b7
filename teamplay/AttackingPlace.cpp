// Where a midfielder or forward without the ball stands while we have it:
// ahead of the ball by his role, onside, and where there is room and an
// open way from the ball, so that a pass forward finds him.

#include <cmath>
#include <vector>

#include "CBall.h"
#include "CBehaviours.h"
#include "Geometry.h"

namespace
{
// How far ahead of the ball a midfielder stands; a forward waits at their
// offside line, however far ahead of the ball it runs.
const float kMidfieldAheadOfBall = 10;
// The share of the ball's y a player's place follows: the side squeezes
// towards the ball.
const float kFollowBallY = 0.3f;
// Kept this far in from the lines, and onside by this much.
const float kLineMargin = 3;
const float kOnsideMargin = 1;
// The places tried about the first choice: rings this far apart, in this
// many directions.
const float kRingStep = 4;
const int kRings = 2;
const int kDirections = 8;
// Room counts up to this distance from the nearest opponent, a metre of
// it worth this many metres of the way from the first choice.
const float kRoomCap = 10;
const float kRoomWorth = 2;
// A pass lane is open when no opponent stands within this of it at its
// start, widening with the distance along it; a closed one costs as much
// as this much room.
const float kLaneWidth = 1.5f;
const float kLaneWidening = 0.2f;
const float kClosedLaneCost = 10;
}  // namespace

bool CBehaviours::LaneOpen(CVector from, CVector to, const std::vector<CVector> &foes) const
{
  const CVector lane = to - from;
  const float length = lane.GetMag();
  if (length < m_Epsilon)
    return true;
  for (const CVector &foe : foes)
  {
    const float along = Dot(foe - from, lane) / length;
    if (along <= 0 || along >= length)
      continue;
    const CVector foot = from + lane.SetLength(along);
    if (foe.dist(foot) < kLaneWidth + kLaneWidening * along)
      return false;
  }
  return true;
}

float CBehaviours::RoomAt(CVector point, const std::vector<CVector> &foes) const
{
  float room = kRoomCap;
  for (const CVector &foe : foes)
    room = std::fmin(room, foe.dist(point));
  return room;
}

CVector CBehaviours::AttackingPlace()
{
  const CBall *ball = M2BReadBall();
  const CVector at = BallPositionValid() ? ball->GetGPos() : GetGPos();
  const CVector home = GetHomePos();
  const float xMax = std::fmin(TheirOffsideX() - kOnsideMargin, m_PitchLength / 2 - kLineMargin);
  const float yMax = m_PitchWidth / 2 - kLineMargin;
  const auto onPitch = [&](CVector p) {
    return CVector(Clamp(p.GetX(), -m_PitchLength / 2 + kLineMargin, xMax), Clamp(p.GetY(), -yMax, yMax));
  };
  // A forward 30 m ahead of the ball stood 5 m behind their line on
  // average, 10 m behind a ball played into their third: every ball
  // behind their defenders was theirs first.
  const float x = GetRole() == ROLE_FORWARD ? xMax : at.GetX() + kMidfieldAheadOfBall;
  const CVector first =
      onPitch(CVector(x, home.GetY() * (1 - kFollowBallY) + at.GetY() * kFollowBallY));
  // The opponents are listed once for all the places weighed.
  const std::vector<CVector> foes = FoePositions();
  CVector best = first;
  float bestValue = -1e9f;
  for (int ring = 0; ring <= kRings; ring++)
    for (int k = 0; k < (ring == 0 ? 1 : kDirections); k++)
    {
      const CVector place =
          onPitch(first + Polar2CVector(ring * kRingStep, 360.0f * static_cast<float>(k) / kDirections));
      float value = kRoomWorth * RoomAt(place, foes) - place.dist(first);
      if (!LaneOpen(at, place, foes))
        value -= kClosedLaneCost;
      if (value > bestValue)
      {
        best = place;
        bestValue = value;
      }
    }
  return best;
}
