#include "CRay.h"

#include <cmath>
#include <utility>

#include "CGLine.h"
#include "CRectangle.h"
#include "Geometry.h"

namespace
{
// Compared in double: the float nearest to 0.0001 lies below it and counts
// as zero.
const double kZero = 0.0001;
// Beyond this many degrees the stepwise reduction would take thousands of
// steps (or, past float precision, never end); such angles are first reduced
// exactly with fmod.
const float kManyTurns = 3600.0f;
} // namespace

CRay::CRay(CVector newOrigin, CVector newDirection) : origin(newOrigin), direction(1, 0)
{
  if (std::fabs(newDirection.GetX()) >= kZero || std::fabs(newDirection.GetY()) >= kZero)
    direction = newDirection.Normalise();
}

CRay::CRay(CVector newOrigin, float angle) : origin(newOrigin), direction(Polar2CVector(1.0f, angle))
{
}

bool CRay::OnCRay(CVector p) const
{
  const CVector d = p - origin;
  return std::fabs(d.GetMag() * Sin(d.GetDir() - direction.GetDir())) < kZero;
}

bool CRay::InRightDir(CVector p) const
{
  const CVector d = p - origin;
  return std::fabs(NormaliseAngle(d.GetDir() - direction.GetDir())) < 10;
}

bool CRay::intersection(CGLine line, CVector *point) const
{
  return line.CRayIntersection(*this, point);
}

bool CRay::intersection(CRay other, CVector *point) const
{
  const CGLine mine(*this);
  const CGLine theirs(other);
  if (mine.SameSlope(theirs))
    return false;
  *point = mine.intersection(theirs);
  return InRightDir(*point) && other.InRightDir(*point);
}

// Points of the ray are origin + t * direction with t > 0: solve for t.
int CRay::CircleIntersect(float radius, CVector centre, CVector *first, CVector *second) const
{
  const double ox = static_cast<double>(origin.GetX()) - centre.GetX();
  const double oy = static_cast<double>(origin.GetY()) - centre.GetY();
  const double dx = direction.GetX();
  const double dy = direction.GetY();
  const float qa = static_cast<float>(dx * dx + dy * dy);
  const float qb = static_cast<float>(2 * (ox * dx + oy * dy));
  const float qc = static_cast<float>(ox * ox + oy * oy - static_cast<double>(radius) * radius);
  const float disc = static_cast<float>(static_cast<double>(qb) * qb - 4.0 * qa * qc);
  if (disc < 0)
    return 0;
  const double root = std::sqrt(static_cast<double>(disc));
  float t1 = static_cast<float>((-qb + root) / (2.0 * qa));
  float t2 = static_cast<float>((-qb - root) / (2.0 * qa));
  if (t1 > t2)
    std::swap(t1, t2);
  if (t1 > 0)
  {
    *first = origin + direction * t1;
    *second = origin + direction * t2;
    return 2;
  }
  if (t2 > 0)
  {
    // The origin is inside the circle: only the way out is ahead.
    *first = origin + direction * t2;
    return 1;
  }
  return 0;
}

CVector CRay::CRectangleIntersection(CRectangle rect) const
{
  return rect.CRayIntersection(*this);
}

CVector CRay::GetClosestPoint(CVector p) const
{
  const CVector q = CGLine(*this).ProjectPoint(p);
  return OnCRay(q) ? q : origin;
}

void CRay::Display(std::ostream &out) const
{
  const CVector end = origin + Polar2CVector(1000, direction.GetDir());
  out << "\tDLINE GX: " << origin.GetX() << std::endl;
  out << "\tDLINE GY: " << origin.GetY() << std::endl;
  out << "\tDLINE EX: " << end.GetX() << std::endl;
  out << "\tDLINE EY: " << end.GetY() << std::endl;
}

float CRay::NormaliseAngle(float a)
{
  if (!std::isfinite(a))
    return a;
  if (std::fabs(a) > kManyTurns)
    a = std::fmod(a, 360.0f);
  while (a > 180)
    a -= 360;
  while (a < -180)
    a += 360;
  return a;
}

float CRay::Sqr(float x)
{
  return x * x;
}

float CRay::Sin(float degrees)
{
  return static_cast<float>(std::sin(degrees * kDegToRad));
}
