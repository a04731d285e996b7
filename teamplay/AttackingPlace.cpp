// Where a midfielder or forward without the ball stands while we have it:
// ahead of the ball by his role, onside, and where there is room and an
// open way from the ball, so that a pass forward finds him, a forward in
// their area once the ball is well into their half; and how far up a
// forward waits while they have it, or while one of ours fights for it in
// their third.

#include <cmath>
#include <vector>

#include "CBall.h"
#include "CBehaviours.h"
#include "Geometry.h"
#include "SupportPlace.h"

namespace
{
// How far ahead of the ball a midfielder stands; a forward waits at their
// offside line, however far ahead of the ball it runs.
const float kMidfieldAheadOfBall = 10;
// With our ball this far into their half the forwards run into their
// area: to the edge of it on the ball's side, to the near post, and to
// the far post, by how far over to the ball's side each one plays; a
// forward this far to the side of the middle plays wide.
const float kBoxRunFromX = 20;
const float kWideHome = 12;
const float kEdgeFromLine = 14;
const float kEdgeY = 8;
const float kNearPostFromLine = 6;
const float kNearPostY = 3;
const float kFarPostFromLine = 7;
const float kFarPostY = 5;
// Without the ball a forward waits at most this far ahead of it.
const float kForwardWaitAheadOfBall = 25;
// A team-mate this near the ball in their third is fighting for it.
const float kFightingForIt = 2;
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

CAttackingPlace::CAttackingPlace(CBehaviours &brain) : m_Brain(brain)
{
}

bool CAttackingPlace::LaneOpen(CVector from, CVector to, const std::vector<CVector> &foes) const
{
  const CVector lane = to - from;
  const float length = lane.GetMag();
  if (length < m_Brain.m_Epsilon)
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

float CAttackingPlace::RoomAt(CVector point, const std::vector<CVector> &foes) const
{
  float room = kRoomCap;
  for (const CVector &foe : foes)
    room = std::fmin(room, foe.dist(point));
  return room;
}

CVector CAttackingPlace::BoxPlace(float homeY, float ballY) const
{
  // A ball played in from the wing found our forwards out wide, or level
  // with it 20 m out: nobody of ours was in their area to meet it.
  const float side = m_Brain.SignF(ballY);
  const float over = homeY * side;
  const float line = m_Brain.m_PitchLength / 2;
  if (over > kWideHome)
    return CVector(line - kEdgeFromLine, side * kEdgeY);
  if (over >= -kWideHome)
    return CVector(line - kNearPostFromLine, side * kNearPostY);
  return CVector(line - kFarPostFromLine, -side * kFarPostY);
}

CVector CAttackingPlace::AttackingPlace()
{
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector at = m_Brain.BallPositionValid() ? ball->GetGPos() : m_Brain.GetGPos();
  const CVector home = m_Brain.GetHomePos();
  const float xMax =
      std::fmin(m_Brain.TheirOffsideX() - kOnsideMargin, m_Brain.m_PitchLength / 2 - kLineMargin);
  const float yMax = m_Brain.m_PitchWidth / 2 - kLineMargin;
  const auto onPitch = [&](CVector p) {
    return CVector(Clamp(p.GetX(), -m_Brain.m_PitchLength / 2 + kLineMargin, xMax),
                   Clamp(p.GetY(), -yMax, yMax));
  };
  // A forward 30 m ahead of the ball stood 5 m behind their line on
  // average, 10 m behind a ball played into their third: every ball
  // behind their defenders was theirs first.
  const float x = m_Brain.GetRole() == ROLE_FORWARD ? xMax : at.GetX() + kMidfieldAheadOfBall;
  const bool inTheBox = m_Brain.GetRole() == ROLE_FORWARD && at.GetX() > kBoxRunFromX;
  const CVector first =
      inTheBox ? onPitch(BoxPlace(home.GetY(), at.GetY()))
               : onPitch(CVector(x, home.GetY() * (1 - kFollowBallY) + at.GetY() * kFollowBallY));
  // In their area there is never much room: it is looked for only a step
  // away, or every forward drifts out of it.
  const int rings = inTheBox ? 1 : kRings;
  // The opponents are listed once for all the places weighed.
  const std::vector<CVector> foes = m_Brain.FoePositions();
  CVector best = first;
  float bestValue = -1e9f;
  const int now = m_Brain.GetTime();
  const int held = m_Held.Held(now);
  int bestSlot = 0;
  for (int ring = 0; ring <= rings; ring++)
    for (int k = 0; k < (ring == 0 ? 1 : kDirections); k++)
    {
      const CVector place =
          onPitch(first + Polar2CVector(ring * kRingStep, 360.0f * static_cast<float>(k) / kDirections));
      float value = kRoomWorth * RoomAt(place, foes) - place.dist(first);
      if (!LaneOpen(at, place, foes))
        value -= kClosedLaneCost;
      const int slot = ring * kDirections + k;
      if (slot == held)
        value += HeldSlot::kWorth;
      if (value > bestValue)
      {
        best = place;
        bestValue = value;
        bestSlot = slot;
      }
    }
  m_Held.Note(bestSlot, now);
  return best;
}

bool CAttackingPlace::OursNearerOutWide(CVector ball) const
{
  // A loose ball out wide in their third that one of ours is nearer to
  // than any of theirs counted as their ball, and the forwards waited
  // wide at their line, not in their area, when it was played in.
  if (std::fabs(ball.GetY()) <= OUT_WIDE)
    return false;
  float ours = m_Brain.GetGPos().dist(ball);
  if (const CPlayer *mate = m_Brain.GetClosestValidFriend2Ball(0))
    ours = std::fmin(ours, mate->GetGPos().dist(ball));
  const CPlayer *foe = m_Brain.GetClosestValidFoe2Ball(0);
  return !foe || ours < foe->GetGPos().dist(ball);
}

CVector CBehaviours::UpAtTheirLine(CVector place)
{
  // A forward keeps near their line while they have the ball in midfield:
  // from his defensive place 10-15 m behind it every ball won and played
  // forward was theirs again first.
  if (GetRole() != ROLE_FORWARD || !BallPositionValid())
    return place;
  // A team-mate at the ball in their third with a defender on him counts
  // as their ball, and the forwards stood 15 m out, outside their area,
  // while he beat his man: they go to their places in it as with our ball.
  const CVector ball = M2BReadBall()->GetGPos();
  if (ball.GetX() > kBoxRunFromX &&
      (NumFriendsWithin(kFightingForIt, ball) > 0 || m_AttackingPlace.OursNearerOutWide(ball)))
    return m_AttackingPlace.AttackingPlace();
  const float onside = TheirOffsideX() - kOnsideMargin;
  const float wait = std::fmin(onside, M2BReadBall()->GetGX() + kForwardWaitAheadOfBall);
  if (place.GetX() < wait)
    return CVector(wait, place.GetY());
  // A formation's place beyond their line was kept, and with it the
  // forward offside: he waits at their line instead.
  return place.GetX() > onside ? CVector(onside, place.GetY()) : place;
}
