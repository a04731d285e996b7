#ifndef GEOMETRY_H
#define GEOMETRY_H

#include "CVector.h"

// Small geometric helpers of the brain, kept free of its state.

// The circle's constant and the factors between degrees and radians; every
// angle the agent keeps is in degrees, the maths library's in radians.
constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180;
constexpr double kRadToDeg = 180 / kPi;

// The dot product of two plane vectors.
float Dot(CVector a, CVector b);

// value held within [low, high]; a value that is not a number gives high.
float Clamp(float value, float low, float high);

// x multiplied onto 1 n times in single precision (not pow, whose rounding
// differs); 1 when n is 0 or less.
float Exp(float x, int n);

// The same direction in [-180, 180]; 180 and -180 stay as they are. An
// angle beyond 9999 either way is a fault upstream (and would take long to
// step in): it gives 0, and tooLarge tells the caller to report it.
float NormaliseAngle(float angle, bool &tooLarge);

// The point d metres from a towards b; d is not limited, so it may lie beyond
// b or behind a. When a and b coincide there is no direction and a is the
// answer.
CVector PointInBetween(CVector a, CVector b, float d);

// first + first*r + ... + first*r^(n-1): how far a ball starting at speed
// first and slowing by the factor r each cycle rolls in n cycles. For r = 1
// the sum is first * n.
float SumGeomSeries(float first, float r, int n);

// The real number of terms after which the series reaches sum, or -1 when it
// never does. cycle is only printed in front of the complaint about a
// negative r, which gets -1. Where the closed form divides by zero the limit
// is returned: sum / first for r = 1; for r = 0, 0 below the first term and 1
// at it; a series of zeros reaches only a zero sum (after 0 terms).
float SolveForLengthGeomSeries(float first, float r, float sum, int cycle);

// Whether p lies in the cone with its tip at apex and its axis towards end,
// whose half-width is ratio times the distance from the tip, and which ends
// at end.
bool IsPointInCone(CVector p, float ratio, CVector end, CVector apex);

// Whether a body at other stands in the way from `from` to `to`: ahead of
// from along it, and nearer its line than clearance.
bool IsInTheWay(CVector from, CVector to, CVector other, float clearance);

#endif
