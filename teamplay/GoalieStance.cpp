#include "GoalieStance.h"

#include <cmath>

#include "CRay.h"
#include "Geometry.h"

float NearerSquareFacing(CVector me, CVector ball, float body, float squareAngle)
{
  const float ballDir = (ball - me).GetDir();
  const float left = CRay::NormaliseAngle(ballDir + squareAngle);
  const float right = CRay::NormaliseAngle(ballDir - squareAngle);
  return std::fabs(CRay::NormaliseAngle(left - body)) <= std::fabs(CRay::NormaliseAngle(right - body))
             ? left
             : right;
}

// The depth he gives up is the smaller loss: a metre nearer or farther
// from the ball changes the angle he has to cover by little, but a turn
// in the cycle of the shot leaves him a cycle short across it.
StanceStep SquareStanceStep(const STANCEVIEW &v, const STANCELIMITS &l)
{
  const CVector toBall = v.ball - v.me;
  if (toBall.GetMag() < 1e-3f)
    return StanceStep::Leave;
  const float off =
      CRay::NormaliseAngle(NearerSquareFacing(v.me, v.ball, v.body, l.squareAngle) - v.body);
  if (std::fabs(off) > l.squareSlack)
    return StanceStep::Leave;
  const CVector unit = Polar2CVector(1, v.body);
  const CVector gap = v.point - v.me;
  const float along = Dot(gap, unit);
  const CVector offLine = gap - unit * along;
  if (offLine.GetMag() > l.depthSlack || std::fabs(offLine.GetY()) > l.alongGoalSlack)
    return StanceStep::Leave;
  // Slid along a body turned towards the goal, the point's place on his
  // line may lie behind the goal line, where his hands are no use.
  const CVector slideTo = v.me + unit * along;
  if (slideTo.GetX() < v.goalX + l.lineGap)
    return StanceStep::Leave;
  return std::fabs(off) > l.turnError ? StanceStep::SquareUp : StanceStep::Slide;
}
