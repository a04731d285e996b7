// Moving with dodging: the one main command of a cycle that brings the agent
// nearer a point, keeping the distances the rules ask during the opponents'
// set plays and sidestepping players in the way.

#include <cmath>
#include <iostream>

#include "CBall.h"
#include "CBehaviours.h"
#include "CGLine.h"
#include "CRay.h"
#include "FormationTables.h"
#include "Geometry.h"

namespace
{
// The half-angle under which a circle of the radius is seen from a point at
// the distance; a point on the centre sees it all round.
float HalfAngle(const CBehaviours &brain, float radius, float dist)
{
  return dist > 0 ? brain.ASin(radius / dist) : 90.0f;
}

// A player whose body is farther than this off the line of the way is
// passed without a sidestep: two bodies and some room for the dash's
// noise. Seen in matches: a defender running back to our goal with their
// striker two metres beside him spent seven cycles on end on sidesteps,
// five of them turns, and the striker ran on alone to score.
const float kWayClearance = 1.0f;
}

bool CBehaviours::AtPos(CVector p, float tolerance) const
{
  return GetGPos().dist(p) <= tolerance;
}

bool CBehaviours::AtPos(CVector p) const
{
  return AtPos(p, m_MinDistToPoint);
}

int CBehaviours::MoveToPos(CVector target, float power)
{
  return MoveToPos(target, m_MinDistToPoint, power, DODGE_ALL);
}

int CBehaviours::MoveToPos(float x, float y, float power)
{
  return MoveToPos(CVector(x, y), power);
}

int CBehaviours::MoveToPos(point p, float power)
{
  return MoveToPos(CVector(p.x, p.y), power);
}

int CBehaviours::MoveToPos(CVector target, float tolerance, float power, DodgeType dodge)
{
  const CBall *ball = M2BReadBall();
  const PlayMode pm = CurrentPlayMode();
  const CVector me = GetGPos();

  // Standing on the point there is no way to go, whatever the tolerance.
  const float away = target.dist(me);
  if (away < tolerance || away == 0)
    return 0;

  // Their goal kick: the way must not cross their penalty area.
  if (pm == -4)
  {
    CGLine line(0, 0, 0);
    line.CGLineFromTwoPoints(me, target);
    const CVector edge = m_TheirPenaltyArea.AdjustPtToCRectOnCGLine(me, line);
    if (edge.dist(me) > m_Epsilon && line.InBetween(edge, me, target))
    {
      const float left = m_TheirPenaltyArea.LeftX();
      CVector waypoint;
      if (left > me.GetX())
        waypoint = CVector(left - 3, target.GetY());
      else if (me.GetY() > 0)
        waypoint = CVector(left - 3, m_TheirPenaltyArea.BottomY() + 3);
      else
        waypoint = CVector(left - 3, m_TheirPenaltyArea.TopY() - 3);
      // From behind their goal line the way to the waypoint crosses the
      // area again; heading for the waypoint itself ends the detours.
      if (waypoint.dist(target) > m_Epsilon)
      {
        MoveToPos(waypoint, 0, power, dodge);
        return 1;
      }
    }
  }

  // Any of their set plays: keep away from the ball, round it along the
  // tangents of the circle the rules draw about it.
  if (ball && IsTheirMode(pm))
  {
    const CRay way(me, target - me);
    const CVector bp = ball->GetGPos();
    const float radius = m_FreeKickBuffer + 1;
    CVector first, second;
    const int crossings = way.CircleIntersect(radius, bp, &first, &second);
    CVector nearest = first;
    if (crossings == 2 && second.dist(me) < first.dist(me))
      nearest = second;
    if (crossings > 0 && nearest.dist(me) < target.dist(me))
    {
      const float fromMe = (bp - me).GetDir();
      const float fromTarget = (bp - target).GetDir();
      const float halfMe = HalfAngle(*this, radius, bp.dist(me));
      const float halfTarget = HalfAngle(*this, radius, bp.dist(target));
      CVector waypoint = bp;
      const CRay mine(me, fromMe - halfMe);
      float theirs = fromTarget - halfTarget;
      if (!mine.intersection(CRay(target, theirs), &waypoint))
      {
        theirs = fromTarget + halfTarget;
        mine.intersection(CRay(target, theirs), &waypoint);
      }
      if (!m_FieldCRectangle.IsWithin(waypoint))
      {
        // The other way round the ball.
        waypoint = target;
        const CRay other(me, fromMe + halfMe);
        if (!other.intersection(CRay(target, theirs), &waypoint))
          other.intersection(CRay(target, fromTarget - halfTarget), &waypoint);
      }
      target = waypoint;
    }
  }

  const CVector next = PredPos();
  const float angle = NormaliseAngle((target - next).GetDir() - GetBFacing());
  const float dist = target.dist(me);

  if (dodge != DODGE_NONE)
  {
    const float reach = m_DodgeDistBuf < dist ? m_DodgeDistBuf : dist;
    auto mustDodge = [&](const CPlayer *p) {
      if (!p || !IsInTheWay(me, target, p->GetGPos(), kWayClearance))
        return false;
      if (dodge == DODGE_ALL)
        return true;
      if (!BallPositionValid())
        return false;
      const bool kickable = BallKickableForPlayer(p, 0);
      return dodge == DODGE_WITH_BALL ? kickable : !kickable;
    };
    // A sector on each side of the way; the sidestep goes round the player
    // on the side away from the way.
    const float sides[2] = {-1, 1};
    for (float side : sides)
    {
      const CPlayer *p = GetPlayerWithin(reach, m_DodgeAngleBuffer, 0,
                                         angle + side * m_DodgeAngleBuffer);
      if (!mustDodge(p))
        continue;
      const CVector step =
          BodyPolar2Gpos(m_PlayerSize, AngleToFromBody(p->GetGPos()) - side * m_DodgeAngle);
      if (step.dist(target) < m_Epsilon)
        continue;
      MoveToPos(step, 0, m_DodgePower, DODGE_NONE);
      return 1;
    }
  }

  if (std::fabs(angle) > m_MaxGoToPointAngleErr)
  {
    Turn(angle);
    return 1;
  }
  // A dash that would carry the agent into their area during their goal
  // kick is not made.
  if (pm == -4 && m_TheirPenaltyArea.IsWithin(PredPosAfterDash(power)))
  {
    Turn(angle);
    return 1;
  }
  if (GetRole() == ROLE_GOALKEEPER)
  {
    TouchGate(CMD_DASH, power);
    return 1;
  }
  const float afforded = CorrectDashPower4Stamina(power);
  if (afforded > 0)
  {
    TouchGate(CMD_DASH, afforded);
    return 1;
  }
  return 0;
}

int CBehaviours::MoveToHomePos(float power)
{
  CVector home;
  const int unum = GetUNum();
  const FormationPoint *table = FormationTable(m_FormationID);
  if (!table)
    std::cerr << GetTime() << " ERROR: Moving: MoveToHomePos: What formation ID is that -"
              << m_FormationID << "- ?" << std::endl;
  else if (unum < 1 || unum > 11)
    // The table has no entry to read for such a number.
    std::cerr << GetTime() << " ERROR: Moving: MoveToHomePos: What uniform number is that -"
              << unum << "- ?" << std::endl;
  else
    home = CVector(static_cast<float>(table[unum - 1].x), static_cast<float>(table[unum - 1].y));
  return MoveToPos(home, m_MinDistToPoint, power, DODGE_ALL);
}

int CBehaviours::MoveInBetween(CVector a, CVector b, float power)
{
  const CVector me = GetGPos();
  CVector p = a;
  // Two equal ends make a segment of one point, and no line.
  if (a.dist(b) > m_Epsilon)
  {
    CGLine line(0, 0, 0);
    line.CGLineFromTwoPoints(a, b);
    if (line.OnCGLine(me, 1.0f))
      return 0;
    p = line.GetClosestPtInBetween(me, a, b);
  }
  else if (me.dist(a) < 1.0f)
    return 0;
  p = m_FieldCRectangle.shrink(m_MinDistToPoint).AdjustToWithin(p);
  return MoveToPos(p, power);
}

int CBehaviours::MoveInBetween(CVector a, float dir, float power)
{
  return MoveInBetween(a, a + Polar2CVector(1000, dir), power);
}

int CBehaviours::MoveToPointInBetween(CVector a, CVector b, float f, float power)
{
  const CVector me = GetGPos();
  const CPlayer *foe = GetClosestValidFoe2Me(0);
  bool onto = false;
  if (foe && a.dist(b) > m_Epsilon)
  {
    CGLine line(0, 0, 0);
    line.CGLineFromTwoPoints(a, b);
    const CVector foot = line.ProjectPoint(me);
    const CVector end = foot.dist(a) < foot.dist(b) ? a : b;
    if (!line.OnCGLine(me, m_MinDistToPoint))
    {
      const bool beside = line.InBetween(foot, a, b) ||
                          (end.dist(foot) < m_MinDistToPoint &&
                           std::fabs(AngleToFromBody(end)) < m_MaxGoToPointAngleErr);
      if (beside)
      {
        const CVector o = foe->GetGPos();
        if (o.dist(a) < m_MinDistToPoint || o.dist(b) < m_MinDistToPoint ||
            !line.OnCGLine(o, 1.0f))
          onto = true;
        else
          onto = !line.OnCGLine(me, m_DodgeDistBuf);
      }
    }
  }
  if (onto)
    return MoveInBetween(a, b, power);
  const CVector p = a.dist(b) > m_Epsilon ? PointInBetween(a, b, f) : a;
  if (AtPos(p))
    return 0;
  MoveToPos(p, power);
  return 1;
}

int CBehaviours::MoveToPointInBetween(CVector a, float dir, float f, float power)
{
  return MoveToPointInBetween(a, a + Polar2CVector(1000, dir), f, power);
}
