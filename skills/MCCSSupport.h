#ifndef MCCSSUPPORT_H
#define MCCSSUPPORT_H

#include <vector>

#include "CVector.h"

// The direction (degrees) in the window from lo to hi, scanned in steps of
// step degrees, that passes farthest, in angle, from every obstacle within
// reach of the origin. Equal clearances go to the direction nearer the
// middle of the window. A window given the wrong way round is turned; a
// step of 0 or less scans by one degree.
float MCCSBestAngle(CVector from, const std::vector<CVector> &obstacles, float lo, float hi,
                    float step, float reach);

// The angle from a to b in degrees, in -180..180.
float MCCSAngleDiff(float a, float b);

#endif
