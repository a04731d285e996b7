#ifndef CBALLTRACK_H
#define CBALLTRACK_H

#include "CVector.h"

// How far the model's ball is trusted, kept beside it so that a far
// sighting is blended with where the model reckoned the ball instead of
// replacing it. The server reports a far ball's distance only to 5% of it
// (a metre at 20 m) and its speed towards us only to 1% of the distance a
// cycle, while a rolling ball strays from its reckoned path by little: over
// a few sightings the reckoning knows the ball better than any one of them.
// A sighting the reckoning cannot explain (another player's kick, a bounce)
// starts the track afresh from it.
class CBallTrack
{
public:
  CBallTrack();

  // ballRand: the server's noise on a moving ball's velocity, a share of
  // its speed; quantizeFactor: the relative error of a moving object's
  // distance as reported.
  void Init(float ballRand, float decay, float quantizeFactor);

  // Starts afresh from a sighting `distance` metres off along the unit
  // vector `along` (from us to the ball); without the server's change
  // information the velocity is as good as unknown.
  void Restart(int time, float distance, CVector along, bool velocitySeen);

  // Blends the sighting of cycle `time` into the reckoned place and
  // velocity and writes the result to pos and vel. Returns false, with the
  // track started afresh and pos and vel the sighting's, when the sighting
  // contradicts the reckoning or the track is too old to blend with.
  bool Blend(int time, CVector reckonedPos, CVector reckonedVel, CVector seenPos,
             CVector seenVel, bool velocitySeen, float distance, CVector along, CVector &pos,
             CVector &vel);

private:
  float m_BallRand;
  float m_Decay;
  float m_QuantizeFactor;
  // Covariance of (x, y, vx, vy) as of cycle m_Time.
  double m_P[4][4];
  int m_Time;
  bool m_Live;

  void SightingNoise(float distance, CVector along, bool velocitySeen, double pos[2][2],
                     double vel[2][2]) const;
};

#endif
