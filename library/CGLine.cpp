#include "CGLine.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "CRay.h"
#include "Geometry.h"

namespace
{
// Compared in double: the float nearest to 0.0001 lies below it and counts
// as zero.
const double kZero = 0.0001;
// End points of a segment count as on the line within this distance.
const float kEndTolerance = 1.0f;
} // namespace

CGLine::CGLine(float newA, float newB, float newC) : a(newA), b(newB), c(newC)
{
}

CGLine::CGLine(CRay ray) : a(0), b(0), c(0)
{
  CGLineFromCRay(ray);
}

void CGLine::CGLineFromTwoPoints(CVector p1, CVector p2)
{
  const float dx = p2.GetX() - p1.GetX();
  if (std::fabs(dx) < kZero)
  {
    if (std::fabs(p2.GetY() - p1.GetY()) < kZero)
      std::cerr << " ERROR: CGLine: CGLineFromTwoPoints: points cannot be the same!" << std::endl;
    a = 1;
    b = 0;
  }
  else
  {
    a = -(p2.GetY() - p1.GetY()) / dx;
    b = 1;
  }
  // Through the second point exactly.
  c = -(a * p2.GetX() + b * p2.GetY());
}

void CGLine::CGLineFromCRay(CRay ray)
{
  const CVector direction = ray.GetDirection();
  if (std::fabs(direction.GetY()) < kZero && std::fabs(direction.GetX()) < kZero)
    std::cerr << " ERROR: CGLine: CGLineFromCRay: dir cannot be zero" << std::endl;
  CGLineFromTwoPoints(ray.GetOrigin(), ray.GetOrigin() + direction);
}

void CGLine::CGLineFromCRay(CVector origin, CVector direction)
{
  CGLineFromCRay(CRay(origin, direction));
}

void CGLine::CGLineFromCRay(CVector origin, float angle)
{
  CGLineFromCRay(CRay(origin, Polar2CVector(1.0f, angle)));
}

bool CGLine::PointOnCGLine(float x, float y) const
{
  return std::fabs(a * x + b * y + c) < kZero;
}

bool CGLine::OnCGLine(CVector p, float tolerance) const
{
  return dist2(p) < tolerance * tolerance;
}

float CGLine::dist(CVector p) const
{
  return std::fabs(a * p.GetX() + b * p.GetY() + c) / std::sqrt(a * a + b * b);
}

float CGLine::dist2(CVector p) const
{
  return Sqr(a * p.GetX() + b * p.GetY() + c) / (a * a + b * b);
}

float CGLine::angle() const
{
  if (b == 0)
    std::cerr << "ERROR: CGLine: angle: Division by 0" << std::endl;
  // A vertical line divides by zero on purpose: atan of the infinity is +-90.
  return ATan(-a / b);
}

float CGLine::get_y(float x) const
{
  if (b == 0)
  {
    std::cerr << " ERROR: CGLine: get_y: cannot get y" << std::endl;
    return 0;
  }
  return (-a * x - c) / b;
}

float CGLine::get_x(float y) const
{
  if (a == 0)
  {
    std::cerr << " ERROR: CGLine: get_x: cannot get x" << std::endl;
    return 0;
  }
  return (-b * y - c) / a;
}

CGLine CGLine::perpendicular(CVector p) const
{
  return CGLine(b, -a, a * p.GetY() - b * p.GetX());
}

CVector CGLine::ProjectPoint(CVector p) const
{
  return intersection(perpendicular(p));
}

CVector CGLine::intersection(CGLine other) const
{
  CVector result(0, 0);
  result.SetMag(-1);
  if (SameSlope(other))
  {
    std::cerr << " ERROR: CGLine: intersection: have same slope" << std::endl;
    return result;
  }
  float x;
  float y;
  if (b == 0)
  {
    x = -c / a;
    y = other.get_y(x);
  }
  else if (other.b == 0)
  {
    x = -other.c / other.a;
    y = get_y(x);
  }
  else
  {
    x = (c * other.b - b * other.c) / (other.a * b - a * other.b);
    y = get_y(x);
  }
  result.SetX(x);
  result.SetY(y);
  return result;
}

bool CGLine::CRayIntersection(CRay ray, CVector *point) const
{
  const CGLine rayLine(ray);
  if (SameSlope(rayLine))
    return false;
  *point = intersection(rayLine);
  return ray.InRightDir(*point);
}

// No tolerance: lines that are nearly parallel still meet, far away.
bool CGLine::SameSlope(CGLine other) const
{
  if (b == 0)
    return other.b == 0;
  if (other.b == 0)
    return false;
  return static_cast<double>(a) / b == static_cast<double>(other.a) / other.b;
}

bool CGLine::EndsOnLine(CVector end1, CVector end2) const
{
  return OnCGLine(end1, kEndTolerance) && OnCGLine(end2, kEndTolerance);
}

bool CGLine::InBetween(CVector p, CVector end1, CVector end2) const
{
  if (!EndsOnLine(end1, end2))
    std::cerr << " ERROR: CGLine: InBetween: passed in points that were not on CGLine" << std::endl;
  const CVector q = ProjectPoint(p);
  const float length2 = end1.dist2(end2);
  return q.dist2(end1) <= length2 && q.dist2(end2) <= length2;
}

CVector CGLine::GetClosestPtInBetween(CVector p, CVector end1, CVector end2) const
{
  // Ends off the line draw this complaint and then the betweenness test's own.
  if (!EndsOnLine(end1, end2))
    std::cerr << " ERROR CGLine: GetClosestPtInBetween: passed in points that were not on CGLine" << std::endl;
  if (InBetween(p, end1, end2))
    return ProjectPoint(p);
  return p.dist2(end2) > p.dist2(end1) ? end1 : end2;
}

bool CGLine::IsPtCloserToPtOnCGLine(CVector p1, CVector p2, CVector target) const
{
  if (!OnCGLine(target, kEndTolerance))
    std::cerr << " ERROR: CGLine: IsPtCloserToPtOnCGLine: targ_pt not on CGLine" << std::endl;
  return ProjectPoint(p2).dist(target) > ProjectPoint(p1).dist(target);
}

bool CGLine::HalfPlaneTest(CVector p) const
{
  if (b == 0)
    return p.GetX() < -c / a;
  return p.GetY() > get_y(p.GetX());
}

int CGLine::CGLineCircleIntersect(float radius, CVector centre, CVector *first, CVector *second) const
{
  *first = CVector(0, 0);
  *second = CVector(0, 0);
  const double mx = centre.GetX();
  const double my = centre.GetY();
  const double r2 = static_cast<double>(radius) * radius;
  int found;
  if (std::fabs(a) > kZero)
  {
    // x = -(b*y + c)/a: solve for y.
    const double ba = static_cast<double>(b) / a;
    const double ca = static_cast<double>(c) / a;
    const float qa = static_cast<float>(ba * ba + 1);
    const float qb = static_cast<float>(2 * (ba * (mx + ca) - my));
    const float qc = static_cast<float>((mx + ca) * (mx + ca) + my * my - r2);
    float y1 = first->GetY();
    float y2 = second->GetY();
    found = QuadraticFormula(qa, qb, qc, &y1, &y2);
    first->SetY(y1);
    second->SetY(y2);
    first->SetX(-(b * y1 + c) / a);
    second->SetX(-(b * y2 + c) / a);
  }
  else
  {
    // Horizontal enough to be read as y = -c/b.
    const double y = -static_cast<double>(c) / b;
    const float qb = static_cast<float>(-2 * mx);
    const float qc = static_cast<float>(mx * mx + (my - y) * (my - y) - r2);
    float x1 = first->GetX();
    float x2 = second->GetX();
    found = QuadraticFormula(1, qb, qc, &x1, &x2);
    first->SetX(x1);
    second->SetX(x2);
    first->SetY(static_cast<float>(y));
    second->SetY(static_cast<float>(y));
  }
  return found;
}

int CGLine::QuadraticFormula(float qa, float qb, float qc, float *root1, float *root2)
{
  const float disc = static_cast<float>(static_cast<double>(qb) * qb - 4.0 * qa * qc);
  if (std::fabs(disc) < kZero)
  {
    *root1 = static_cast<float>(-qb / (2.0 * qa));
    return 1;
  }
  if (disc < 0)
    return 0;
  const double root = std::sqrt(static_cast<double>(disc));
  *root1 = static_cast<float>((-qb + root) / (2.0 * qa));
  *root2 = static_cast<float>((-qb - root) / (2.0 * qa));
  return 2;
}

// The circle about p that touches the line touches it at the foot of the
// perpendicular; written for lines with b = 1.
CVector CGLine::ProjectPointUsingCircle(CVector p) const
{
  const double r = dist(p);
  CVector result(0, 0);
  const double px = p.GetX();
  const double py = p.GetY();
  const float qa = static_cast<float>(static_cast<double>(a) * a + 1);
  const float qb = static_cast<float>(2 * (a * (py + c) - px));
  const float qc = static_cast<float>(px * px + (py + c) * (py + c) - r * r);
  const float disc = static_cast<float>(static_cast<double>(qb) * qb - 4.0 * qa * qc);
  if (std::fabs(disc) > kZero)
    std::cerr << " ERROR: CGLine: ProjectPointUsingCircle: discriminant is bad! %f\n" << disc << std::endl;
  const float x = static_cast<float>(-qb / (2.0 * qa));
  result.SetX(x);
  // Rounding can take the square a hair below zero at the touching point.
  const double s = std::sqrt(std::max(0.0, r * r - (x - px) * (x - px)));
  const float y1 = static_cast<float>(py + s);
  const float y2 = static_cast<float>(py - s);
  if (std::fabs(a * x + b * y1 + c) < kZero)
    result.SetY(y1);
  else if (std::fabs(a * x + b * y2 + c) < kZero)
    result.SetY(y2);
  else
    std::cerr << " ERROR: CGLine: ProjectPointUsingCircle: neither solution works!" << std::endl;
  return result;
}

void CGLine::Display(std::ostream &out) const
{
  float x1, y1, x2, y2;
  if (b == 0)
  {
    x1 = x2 = -c;
    y1 = -1000;
    y2 = 1000;
  }
  else if (a > 1)
  {
    y1 = -1000;
    y2 = 1000;
    x1 = get_x(y1);
    x2 = get_x(y2);
  }
  else
  {
    x1 = -1000;
    x2 = 1000;
    y1 = get_y(x1);
    y2 = get_y(x2);
  }
  out << "\tDLINE GX: " << x1 << std::endl;
  out << "\tDLINE GY: " << y1 << std::endl;
  out << "\tDLINE EX: " << x2 << std::endl;
  out << "\tDLINE EY: " << y2 << std::endl;
}

float CGLine::ATan(float v)
{
  return static_cast<float>(std::atan(static_cast<double>(v)) * kRadToDeg);
}

float CGLine::Sqr(float x)
{
  return CRay::Sqr(x);
}
