#ifndef MCCSSUPPORT_H
#define MCCSSUPPORT_H

#include <functional>
#include <vector>

#include "CVector.h"

// One scan of a window of directions (degrees, global) for the one a ball
// is best played in.
struct MCCSScan
{
  float lo = -90;
  float hi = 90;
  float step = 1;
  // Opponents farther than this from the origin do not count.
  float reach = 30;
  // An opponent blocks a direction when he stands inside the cone about it
  // whose half-width is this ratio of the distance along it.
  float ratio = 0.5f;
  // Among directions as good as each other, the one nearest this.
  float prefer = 0;
  // With every direction blocked: the least blocked one (true), or the
  // preferred one (false).
  bool force = true;
  // Directions this refuses come last, whatever else they offer.
  std::function<bool(float)> allowed;
};

// The best direction of the scan: the least blocked, nearer opponents
// weighing more; then the one passing farthest from them, up to twice the
// cone's half-angle (beyond that a direction is clear enough); then the
// preferred. A window given the wrong way round is turned; a step of 0 or
// less scans by one degree. blocked, when given, tells whether every
// direction of the window was blocked.
float MCCSBestAngle(CVector from, const std::vector<CVector> &obstacles, const MCCSScan &scan,
                    bool *blocked = nullptr);

// The angle from a to b in degrees, in -180..180.
float MCCSAngleDiff(float a, float b);

#endif
