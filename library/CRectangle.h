#ifndef CRECTANGLE_H
#define CRECTANGLE_H

#include <ostream>

#include "CGLine.h"
#include "CVector.h"

class CRay;

// An axis-aligned rectangle of the field. y grows downwards, so top is the
// smaller y. Corners and edges are numbered clockwise from the top-left:
// corner i is where edge i starts (0 top, 1 right, 2 bottom, 3 left).
class CRectangle
{
public:
  CRectangle();
  // Reports a width or height that is not positive, but keeps the values.
  CRectangle(float left, float right, float top, float bottom);
  CRectangle(CVector centre, CVector size);

  float LeftX() const { return left; }
  float RightX() const { return right; }
  float TopY() const { return top; }
  float BottomY() const { return bottom; }
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
  CVector Center() const;

  CVector TopLeftCorner() const;
  CVector TopRightCorner() const;
  CVector BottomRightCorner() const;
  CVector BottomLeftCorner() const;
  CGLine TopEdge() const;
  CGLine RightEdge() const;
  CGLine BottomEdge() const;
  CGLine LeftEdge() const;
  CVector GetPoint(int i) const;
  CGLine GetEdge(int i) const;

  CRectangle expand(float d) const;
  CRectangle shrink(float d) const;

  // The edges count as inside.
  bool IsWithin(const CVector &p) const;
  CVector AdjustToWithin(const CVector &p) const;
  // Signed differences pick the edge, so a point outside gets the edge on
  // its own side; ties go to the bottom, to the right, and to the
  // horizontal edges.
  CVector nearestHEdge(const CVector &p) const;
  CVector nearestVEdge(const CVector &p) const;
  CVector nearestEdge(const CVector &p) const;
  CGLine nearestHEdgeCGLine(const CVector &p) const;
  CGLine nearestVEdgeCGLine(const CVector &p) const;
  CGLine nearestEdgeCGLine(const CVector &p) const;
  // Positive inside, negative outside.
  float DistanceToEdge(const CVector &p) const;

  // Where a ray starting inside leaves the rectangle; a vector of magnitude
  // -1 when there is no such point.
  CVector CRayIntersection(CRay ray) const;
  // pt slid along line onto the border when pt lies outside, else pt.
  CVector AdjustPtToCRectOnCGLine(CVector pt, CGLine line) const;

  void Print() const;
  void Display(std::ostream &out) const;

private:
  // Nearest-edge choices shared by the point and the line forms.
  bool NearerTop(const CVector &p) const;
  bool NearerLeft(const CVector &p) const;
  bool NearerHorizontal(const CVector &p) const;

  float left;
  float right;
  float top;
  float bottom;
};

std::ostream &operator<<(std::ostream &out, CRectangle rect);

#endif
