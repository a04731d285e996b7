// Where the agent looks. It sees only a cone about its neck, and the neck
// turns only so far from the body; these operations decide how to bring a
// point, a player or the ball into view, and sweep the field when what is
// wanted is lost. They only fill the cycle's bundle: a turn now, or a
// deferred scan that the sensors thread sends once the visual for the
// present direction has come (SendQueuedScans).

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"

namespace
{
// Less than a degree off is looking straight at it.
const float kOnTarget = 1.0f;
// Successive views of a sweep overlap by this much.
const float kScanOverlap = 5.0f;
}

// ----------------------------------------------------- the neck's reach

float CBehaviours::TurnNeckLimit(float angle) const
{
  const float x = NormaliseAngle(angle);
  const float head = GetSB().head_angle;
  const float lower = m_MinNeckAng - head;
  const float upper = m_MaxNeckAng - head;
  if (!(x < upper))
    return upper;
  return x < lower ? lower : x;
}

bool CBehaviours::CanFaceAngleFromBodyWithNeck(float angle) const
{
  const float x = NormaliseAngle(angle);
  return m_MinNeckAng < x && x < m_MaxNeckAng;
}

bool CBehaviours::CanFaceAngleFromNeckWithNeck(float angle) const
{
  return CanFaceAngleFromBodyWithNeck(GetSB().head_angle + angle);
}

bool CBehaviours::CanSeeAngleFromBodyWithNeck(float angle) const
{
  if (angle > 180 || angle < -180)
    angle = NormaliseAngle(angle);
  // With the neck at a limit, the edge of the view cone still reaches.
  const float view = GetViewAngle();
  return m_MinNeckAng - view < angle && angle < m_MaxNeckAng + view;
}

bool CBehaviours::CanSeeAngleFromNeckWithNeck(float angle) const
{
  return CanSeeAngleFromBodyWithNeck(NormaliseAngle(GetSB().head_angle + angle));
}

bool CBehaviours::CanSeePointWithNeck(CVector point) const
{
  return CanSeeAngleFromBodyWithNeck(AngleToFromBody(point));
}

void CBehaviours::TurnNeck2RelativeAngle(float angle)
{
  TurnNeck(NormaliseAngle(angle - GetSB().head_angle));
}

// --------------------------------------------------------------- scans

void CBehaviours::ScanFieldWithNeck()
{
  // The sweep runs from the lowest neck angle up, each step a view's width
  // less the overlap, then starts again from the far side.
  const float head = GetSB().head_angle;
  const float step = 2 * GetViewAngle() - kScanOverlap;
  const bool onward = head < m_MaxNeckAng - kScanOverlap;
  if (GetHaveVisualForThisAngle())
  {
    if (onward)
      TurnNeck(TurnNeckLimit(step));
    else
      TurnNeck2RelativeAngle(static_cast<float>(m_MinNeckAng));
    return;
  }
  // Turning before the present direction has been seen would waste it.
  QueueScan(SCAN_NECK, onward ? TurnNeckLimit(step) : NormaliseAngle(m_MinNeckAng - head));
}

bool CBehaviours::ScanFieldWithBody()
{
  const float step = 2 * GetViewAngle() - kScanOverlap;
  if (GetHaveVisualForThisAngle())
  {
    Turn(step);
    return true;
  }
  QueueScan(SCAN_BODY, step);
  return false;
}

// ---------------------------------------------------- facing a point

bool CBehaviours::FaceOnlyBody2Point(CVector point)
{
  const float a = PredRelAngle2PointFromBodyWithQueuedAction(point);
  if (std::fabs(a) < kOnTarget)
    return false;
  Turn(a);
  return true;
}

void CBehaviours::FaceOnlyNeck2Point(CVector point)
{
  const float a = PredRelAngle2PointFromBodyWithQueuedAction(point);
  const float head = GetSB().head_angle;
  if (std::fabs(NormaliseAngle(head - a)) >= kOnTarget && CanSeeAngleFromBodyWithNeck(a))
    TurnNeck(TurnNeckLimit(a - head));
}

bool CBehaviours::FaceNeck2Point(CVector point)
{
  const float most = MaxEffectiveTurn();
  const float a = PredRelAngle2PointFromBodyWithQueuedAction(point);
  if (std::fabs(NormaliseAngle(GetSB().head_angle - a)) < kOnTarget)
    return false;
  if (CanFaceAngleFromBodyWithNeck(a))
  {
    TurnNeck2RelativeAngle(a);
    return false;
  }
  if (std::fabs(a) >= most)
  {
    // The body turns as far as it can this cycle, toward the point; the
    // neck makes up what is left of the angle, as far as it reaches.
    Turn(a);
    const float rest = a - SignF(a) * most;
    float neck = rest;
    if (rest < m_MinNeckAng)
      neck = static_cast<float>(m_MinNeckAng);
    else if (rest > m_MaxNeckAng)
      neck = static_cast<float>(m_MaxNeckAng);
    TurnNeck2RelativeAngle(neck);
    return true;
  }
  ResetNeck();
  Turn(a);
  return true;
}

bool CBehaviours::FaceNeckAndBody2Point(CVector point)
{
  const float most = MaxEffectiveTurn();
  const float a = PredRelAngle2PointFromBodyWithQueuedAction(point);
  if (std::fabs(NormaliseAngle(GetSB().head_angle - a)) < kOnTarget && std::fabs(a) < kOnTarget)
    return false;
  if (std::fabs(a) >= most)
    return FaceNeck2Point(point);
  ResetNeck();
  FaceOnlyBody2Point(point);
  return true;
}

// ------------------------------------------- players and the ball

bool CBehaviours::FaceOnlyBody2Player(const CPlayer *player)
{
  if (!player)
    return false;
  if (!player->GetPositionValid())
    return ScanFieldWithBody();
  return FaceOnlyBody2Point(player->GetGPos());
}

void CBehaviours::FaceOnlyNeck2Player(const CPlayer *player)
{
  if (!player)
    return;
  if (!player->GetPositionValid())
    ScanFieldWithNeck();
  else
    FaceOnlyNeck2Point(player->GetGPos());
}

bool CBehaviours::FaceNeck2Player(const CPlayer *player)
{
  if (!player)
    return false;
  if (!player->GetPositionValid())
    return ScanFieldWithBody();
  return FaceNeck2Point(player->GetGPos());
}

bool CBehaviours::FaceNeckAndBody2Player(const CPlayer *player)
{
  if (!player)
    return false;
  if (!player->GetPositionValid())
    return ScanFieldWithBody();
  return FaceNeckAndBody2Point(player->GetGPos());
}

// The ball is looked for where it will be once this cycle's kick is made.
bool CBehaviours::FaceOnlyBody2Ball()
{
  if (!BallPositionValid())
    return ScanFieldWithBody();
  return FaceOnlyBody2Point(BallPredPosWithQueuedActions());
}

void CBehaviours::FaceOnlyNeck2Ball()
{
  if (!BallPositionValid())
    ScanFieldWithNeck();
  else
    FaceOnlyNeck2Point(BallPredPosWithQueuedActions());
}

bool CBehaviours::FaceNeck2Ball()
{
  if (!BallPositionValid())
    return ScanFieldWithBody();
  return FaceNeck2Point(BallPredPosWithQueuedActions());
}

bool CBehaviours::FaceNeckAndBody2Ball()
{
  if (!BallPositionValid())
    return ScanFieldWithBody();
  return FaceNeckAndBody2Point(BallPredPosWithQueuedActions());
}

bool CBehaviours::BallPositionValid() const
{
  const CBall *ball = M2BReadBall();
  return ball && ball->GetPositionValid();
}

bool CBehaviours::BallRemembered() const
{
  const CBall *ball = M2BReadBall();
  return ball && ball->GetConf() > 0;
}
