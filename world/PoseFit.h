#ifndef POSEFIT_H
#define POSEFIT_H

#include "CVector.h"

// One landmark of a visual: where it stands on the pitch and where the
// server reported it, relative to our neck (metres, degrees).
struct LandmarkSighting
{
  CVector global;
  float distance;
  float direction;
};

// Where we stand and where our neck looks (degrees).
struct Pose
{
  CVector position;
  float facing;
};

// The pose that explains every landmark of a visual best, each weighed by
// how precisely the server reports it, and the neck's direction a field
// line gave when lineSeen. Starts from `start` (the pose from one line and
// one flag) and returns it unchanged when the landmarks cannot improve on it.
Pose FitPose(const LandmarkSighting *seen, int count, Pose start, bool lineSeen, float lineFacing);

#endif
