#ifndef CGLINE_H
#define CGLINE_H

#include <ostream>

#include "CVector.h"

class CRay;

// The general line a*x + b*y + c = 0. Lines built from two points or from a
// ray are normalised: b = 1 with a = -slope, or a = 1, b = 0 for a vertical
// line. Several operations test a or b against exactly 0 and rely on that.
class CGLine
{
public:
  CGLine(float a, float b, float c);
  CGLine(CRay ray);

  float GetA() const { return a; }
  float GetB() const { return b; }
  float GetC() const { return c; }

  void CGLineFromTwoPoints(CVector p1, CVector p2);
  void CGLineFromCRay(CRay ray);
  void CGLineFromCRay(CVector origin, CVector direction);
  void CGLineFromCRay(CVector origin, float angle);

  // The raw residual, not scaled by the length of (a, b).
  bool PointOnCGLine(float x, float y) const;
  bool OnCGLine(CVector p, float tolerance) const;
  float dist(CVector p) const;
  float dist2(CVector p) const;
  float angle() const;
  float get_y(float x) const;
  float get_x(float y) const;

  CGLine perpendicular(CVector p) const;
  CVector ProjectPoint(CVector p) const;
  // The meeting point; for lines of the same slope the vector of magnitude -1
  // at (-1, 0), which callers avoid by asking SameSlope first.
  CVector intersection(CGLine other) const;
  // Writes the point only when the lines are not parallel.
  bool CRayIntersection(CRay ray, CVector *point) const;
  bool SameSlope(CGLine other) const;

  // End points count as on the line within 1.0.
  bool InBetween(CVector p, CVector end1, CVector end2) const;
  CVector GetClosestPtInBetween(CVector p, CVector end1, CVector end2) const;
  bool IsPtCloserToPtOnCGLine(CVector p1, CVector p2, CVector target) const;
  // Larger y than a non-vertical line, smaller x than a vertical one.
  bool HalfPlaneTest(CVector p) const;

  int CGLineCircleIntersect(float radius, CVector centre, CVector *first, CVector *second) const;
  static int QuadraticFormula(float qa, float qb, float qc, float *root1, float *root2);
  CVector ProjectPointUsingCircle(CVector p) const;

  void Display(std::ostream &out) const;

  static float ATan(float v);
  static float Sqr(float x);

private:
  bool EndsOnLine(CVector end1, CVector end2) const;

  float a;
  float b;
  float c;
};

#endif
