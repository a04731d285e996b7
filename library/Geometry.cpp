#include "Geometry.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "CGLine.h"

float Dot(CVector a, CVector b)
{
  return a.GetX() * b.GetX() + a.GetY() * b.GetY();
}

float Clamp(float value, float low, float high)
{
  return std::max(low, std::min(high, value));
}

float Exp(float x, int n)
{
  float result = 1.0f;
  for (int i = 0; i < n; ++i)
  {
    const float next = result * x;
    // Once a product stops changing (0, 1, infinity) the rest would not
    // change it either.
    if (next == result)
      break;
    result = next;
  }
  return result;
}

float NormaliseAngle(float angle, bool &tooLarge)
{
  tooLarge = std::fabs(angle) > 9999.0f;
  if (tooLarge)
    angle = 0.0f;
  while (angle > 180.0f)
    angle -= 360.0f;
  while (angle < -180.0f)
    angle += 360.0f;
  return angle;
}

CVector PointInBetween(CVector a, CVector b, float d)
{
  CVector step = b - a;
  if (!(step.GetMag() > 0))
    return a;
  const float scale = d / step.GetMag();
  if (!std::isfinite(scale))
    return a;
  step *= scale;
  return a + step;
}

float SumGeomSeries(float first, float r, int n)
{
  if (r == 1.0f)
    return n > 0 ? first * static_cast<float>(n) : 0.0f;
  return first * (Exp(r, n) - 1) / (r - 1);
}

float SolveForLengthGeomSeries(float first, float r, float sum, int cycle)
{
  if (r < 0)
  {
    std::cerr << cycle << " ERROR: Geometry: SolveForLengthGeomSeries: Cannot have -ve R..." << std::endl;
    // An alternating series has no real number of terms to offer.
    return -1;
  }
  if (first == 0)
    return sum == 0 ? 0.0f : -1.0f;
  if (r == 1.0f)
    return sum / first;
  const float x = (r - 1) * sum / first + 1;
  if (r == 0)
  {
    // Only the first term counts: below it the sum is reached at once, at
    // it after one term, above it never (the limits for r towards 0).
    if (x > 0)
      return 0;
    return x == 0 ? 1.0f : -1.0f;
  }
  if (!(x > 0))
    return -1;
  const float terms = static_cast<float>(std::log(static_cast<double>(x)) / std::log(static_cast<double>(r)));
  return std::isfinite(terms) ? terms : -1.0f;
}

bool IsPointInCone(CVector p, float ratio, CVector end, CVector apex)
{
  CGLine axis(0, 0, 0);
  axis.CGLineFromTwoPoints(apex, end);
  const CVector q = axis.ProjectPoint(p);
  return q.dist2(apex) * (ratio * ratio) > q.dist2(p) && axis.InBetween(q, apex, end);
}

bool IsInTheWay(CVector from, CVector to, CVector other, float clearance)
{
  const CVector way = to - from;
  const float length = way.GetMag();
  if (length <= 0)
    return false;
  const CVector rel = other - from;
  const float along = (rel.GetX() * way.GetX() + rel.GetY() * way.GetY()) / length;
  const float across = std::fabs(rel.GetX() * way.GetY() - rel.GetY() * way.GetX()) / length;
  return along > 0 && across < clearance;
}
