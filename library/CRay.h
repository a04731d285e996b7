#ifndef CRAY_H
#define CRAY_H

#include <ostream>

#include "CVector.h"

class CGLine;
class CRectangle;

// A half-line: an origin and a unit direction whose cached direction is the
// ray's angle in degrees.
class CRay
{
public:
  // A direction too short to point anywhere becomes (1, 0).
  CRay(CVector origin, CVector direction);
  CRay(CVector origin, float angle);

  CVector GetOrigin() const { return origin; }
  CVector GetDirection() const { return direction; }

  // True within 0.0001 of the supporting line, on either side of the origin.
  bool OnCRay(CVector p) const;
  // True when p lies within 10 degrees (strict) of the ray's direction.
  bool InRightDir(CVector p) const;

  bool intersection(CGLine line, CVector *point) const;
  // Writes the crossing of the two supporting lines whenever they are not
  // parallel, and says whether it lies ahead of both origins.
  bool intersection(CRay other, CVector *point) const;
  // Crossings strictly ahead of the origin, the nearer in first.
  int CircleIntersect(float radius, CVector centre, CVector *first, CVector *second) const;
  CVector CRectangleIntersection(CRectangle rect) const;
  CVector GetClosestPoint(CVector p) const;

  void Display(std::ostream &out) const;

  static float NormaliseAngle(float a);
  static float Sqr(float x);
  static float Sin(float degrees);

private:
  CVector origin;
  CVector direction;
};

#endif
