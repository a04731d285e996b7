#include "CRectangle.h"

#include <algorithm>
#include <cstdio>
#include <iostream>

#include "CRay.h"
#include "Geometry.h"

namespace
{
// The failure value of the ray exit point: magnitude -1 marks no point.
CVector NoPoint()
{
  CVector none(0, 0);
  none.SetMag(-1);
  return none;
}

CGLine LineThrough(CVector p1, CVector p2)
{
  CGLine line(0, 0, 0);
  line.CGLineFromTwoPoints(p1, p2);
  return line;
}
} // namespace

CRectangle::CRectangle() : left(0), right(0), top(0), bottom(0)
{
}

CRectangle::CRectangle(float newLeft, float newRight, float newTop, float newBottom)
    : left(newLeft), right(newRight), top(newTop), bottom(newBottom)
{
  if (!(newLeft < newRight))
    std::cerr << " ERROR: CRectangle: CRectangle: width must be positive" << std::endl;
  if (!(newTop < newBottom))
    std::cerr << " ERROR: CRectangle: CRectangle: height must be positive" << std::endl;
}

CRectangle::CRectangle(CVector centre, CVector size)
{
  if (size.GetX() < 0 || size.GetY() < 0)
    std::cerr << "ERROR: CRectangle: size must be positive" << std::endl;
  left = centre.GetX() - size.GetX() / 2;
  right = centre.GetX() + size.GetX() / 2;
  top = centre.GetY() - size.GetY() / 2;
  bottom = centre.GetY() + size.GetY() / 2;
}

CVector CRectangle::Center() const
{
  return CVector(left + Width() / 2, top + Height() / 2);
}

CVector CRectangle::TopLeftCorner() const
{
  return CVector(left, top);
}

CVector CRectangle::TopRightCorner() const
{
  return CVector(right, top);
}

CVector CRectangle::BottomRightCorner() const
{
  return CVector(right, bottom);
}

CVector CRectangle::BottomLeftCorner() const
{
  return CVector(left, bottom);
}

CGLine CRectangle::TopEdge() const
{
  return LineThrough(TopLeftCorner(), TopRightCorner());
}

CGLine CRectangle::RightEdge() const
{
  return LineThrough(TopRightCorner(), BottomRightCorner());
}

CGLine CRectangle::BottomEdge() const
{
  return LineThrough(BottomLeftCorner(), BottomRightCorner());
}

CGLine CRectangle::LeftEdge() const
{
  return LineThrough(TopLeftCorner(), BottomLeftCorner());
}

// The remainder keeps the sign of i, so only non-negative indices and
// multiples of 4 name a corner.
CVector CRectangle::GetPoint(int i) const
{
  switch (i % 4)
  {
  case 0:
    return TopLeftCorner();
  case 1:
    return TopRightCorner();
  case 2:
    return BottomRightCorner();
  case 3:
    return BottomLeftCorner();
  default:
    std::cerr << " ERROR: CRectangle: GetPoint: how did I get here" << std::endl;
    return CVector(0, 0);
  }
}

CGLine CRectangle::GetEdge(int i) const
{
  switch (i % 4)
  {
  case 0:
    return TopEdge();
  case 1:
    return RightEdge();
  case 2:
    return BottomEdge();
  case 3:
    return LeftEdge();
  default:
    std::cerr << " ERROR: CRectangle: GetEdge: how did I get here" << std::endl;
    return CGLine(0, 0, 0);
  }
}

CRectangle CRectangle::expand(float d) const
{
  return CRectangle(left - d, right + d, top - d, bottom + d);
}

CRectangle CRectangle::shrink(float d) const
{
  return expand(-d);
}

bool CRectangle::IsWithin(const CVector &p) const
{
  return left <= p.GetX() && p.GetX() <= right && top <= p.GetY() && p.GetY() <= bottom;
}

// In this order, so that for an inverted rectangle the bottom and the left
// edge win.
CVector CRectangle::AdjustToWithin(const CVector &p) const
{
  CVector q = p;
  if (q.GetY() < top)
    q.SetY(top);
  if (q.GetY() > bottom)
    q.SetY(bottom);
  if (q.GetX() > right)
    q.SetX(right);
  if (q.GetX() < left)
    q.SetX(left);
  return q;
}

bool CRectangle::NearerTop(const CVector &p) const
{
  return bottom - p.GetY() > p.GetY() - top;
}

bool CRectangle::NearerLeft(const CVector &p) const
{
  return right - p.GetX() > p.GetX() - left;
}

bool CRectangle::NearerHorizontal(const CVector &p) const
{
  const float dx = std::min(p.GetX() - left, right - p.GetX());
  const float dy = std::min(p.GetY() - top, bottom - p.GetY());
  return dy <= dx;
}

CVector CRectangle::nearestHEdge(const CVector &p) const
{
  return CVector(Clamp(p.GetX(), left, right), NearerTop(p) ? top : bottom);
}

CVector CRectangle::nearestVEdge(const CVector &p) const
{
  return CVector(NearerLeft(p) ? left : right, Clamp(p.GetY(), top, bottom));
}

CVector CRectangle::nearestEdge(const CVector &p) const
{
  return NearerHorizontal(p) ? nearestHEdge(p) : nearestVEdge(p);
}

CGLine CRectangle::nearestHEdgeCGLine(const CVector &p) const
{
  return NearerTop(p) ? TopEdge() : BottomEdge();
}

CGLine CRectangle::nearestVEdgeCGLine(const CVector &p) const
{
  return NearerLeft(p) ? LeftEdge() : RightEdge();
}

CGLine CRectangle::nearestEdgeCGLine(const CVector &p) const
{
  return NearerHorizontal(p) ? nearestHEdgeCGLine(p) : nearestVEdgeCGLine(p);
}

float CRectangle::DistanceToEdge(const CVector &p) const
{
  if (IsWithin(p))
    return std::min(std::min(p.GetX() - left, right - p.GetX()), std::min(p.GetY() - top, bottom - p.GetY()));
  return -p.dist(AdjustToWithin(p));
}

CVector CRectangle::CRayIntersection(CRay ray) const
{
  if (!IsWithin(ray.GetOrigin()))
  {
    std::cerr << " ERROR: CRectangle: CRayIntersection: CRectangle/CRay intersection only handles CRays inside the "
                 "CRectangle!"
              << std::endl;
    return NoPoint();
  }
  CVector kept[2];
  int found = 0;
  for (int i = 0; i < 4; ++i)
  {
    CVector point;
    if (GetEdge(i).CRayIntersection(ray, &point))
    {
      if (found < 2)
        kept[found] = point;
      ++found;
    }
  }
  if (found == 0)
  {
    std::cerr << " ERROR: CRectangle: CRayIntersection: no edge intersection?" << std::endl;
    return NoPoint();
  }
  if (found == 1)
    return kept[0];
  if (found == 2)
  {
    // Ahead of the origin lie one vertical and one horizontal edge line; only
    // the crossing on the actual border lies in the rectangle.
    const CRectangle grown = expand(0.0001f);
    for (const CVector &point : kept)
      if (grown.IsWithin(point))
        return point;
    std::cerr << " ERROR: CRectangle: CRayIntersection: how did I get here" << std::endl;
    return NoPoint();
  }
  std::cerr << " ERROR: CRectangle: CRayIntersection: how did num_int get so big: " << found << std::endl;
  return NoPoint();
}

CVector CRectangle::AdjustPtToCRectOnCGLine(CVector pt, CGLine line) const
{
  const CVector m = Center();
  for (int i = 0; i < 4; ++i)
  {
    const CGLine edge = GetEdge(i);
    if (edge.HalfPlaneTest(pt) == edge.HalfPlaneTest(m) || edge.SameSlope(line))
      continue;
    const CVector q = edge.intersection(line);
    if (edge.InBetween(q, GetPoint(i), GetPoint(i + 1)))
      return q;
  }
  return pt;
}

void CRectangle::Print() const
{
  std::printf("CRectangle:  x = %.1f to %.1f   y = %.1f to %.1f\n", left, right, top, bottom);
}

void CRectangle::Display(std::ostream &out) const
{
  out << "\tBOX GX: " << left << std::endl;
  out << "\tBOX GY: " << bottom << std::endl;
  out << "\tBOX EX: " << right << std::endl;
  out << "\tBOX EY: " << top << std::endl;
}

std::ostream &operator<<(std::ostream &out, CRectangle rect)
{
  return out << "CRectangle:  x = " << rect.LeftX() << " to " << rect.RightX() << "   y = " << rect.TopY()
             << " to " << rect.BottomY();
}
