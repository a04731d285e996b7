#include "CBallTrack.h"

#include <cmath>

#include "Geometry.h"

namespace
{
// A sighting older than this many cycles leaves too little of the track to
// blend with.
const int kLongestGap = 3;
// The squared distance, in standard deviations, beyond which a sighting is
// not the reckoned ball plus noise but a ball that was played.
const double kContradiction = 16;
// The server's rounding of a moving object's speed towards us (2% of its
// distance, so half of that either way) and of its direction change (0.1
// degree a cycle); and the error our own pose and velocity add to every
// sighting.
const double kSpeedRounding = 0.01;
const double kTurnRounding = 0.05 * kDegToRad;
const double kDirectionRounding = 0.5 * kDegToRad;
const double kOwnPlaceVariance = 0.005;
const double kOwnSpeedVariance = 0.0004;
// A velocity we have not seen: about two metres a cycle either way.
const double kUnknownSpeedVariance = 4;
// The variance of an error spread evenly over [-h, h] is h * h / 3.
double Even(double half)
{
  return half * half / 3;
}

bool Solve2(const double s[2][2], double inv[2][2])
{
  const double det = s[0][0] * s[1][1] - s[0][1] * s[1][0];
  if (!(det > 1e-12))
    return false;
  inv[0][0] = s[1][1] / det;
  inv[0][1] = -s[0][1] / det;
  inv[1][0] = -s[1][0] / det;
  inv[1][1] = s[0][0] / det;
  return true;
}

double Mahalanobis(const double e[2], const double inv[2][2])
{
  return e[0] * (inv[0][0] * e[0] + inv[0][1] * e[1]) + e[1] * (inv[1][0] * e[0] + inv[1][1] * e[1]);
}

// One measurement of two of the four components (first = 0: the place,
// 2: the velocity): the Kalman gain, the state's update and the
// covariance's.
void Update(double p[4][4], double x[4], int first, const double e[2], const double inv[2][2])
{
  double k[4][2];
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 2; j++)
      k[i][j] = p[i][first] * inv[0][j] + p[i][first + 1] * inv[1][j];
  for (int i = 0; i < 4; i++)
    x[i] += k[i][0] * e[0] + k[i][1] * e[1];
  double next[4][4];
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      next[i][j] = p[i][j] - k[i][0] * p[first][j] - k[i][1] * p[first + 1][j];
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      p[i][j] = next[i][j];
}
}  // namespace

CBallTrack::CBallTrack()
  : m_BallRand(0.05f), m_Decay(0.94f), m_QuantizeFactor(0.1000417f), m_P(), m_Time(0),
    m_Live(false)
{
}

void CBallTrack::Init(float ballRand, float decay, float quantizeFactor)
{
  m_BallRand = ballRand;
  m_Decay = decay;
  m_QuantizeFactor = quantizeFactor;
  m_Live = false;
}

// Along our line of sight the error is the distance's rounding, across it
// the direction's; the same for the speed, whose part towards us the server
// rounds far more coarsely than its turn.
void CBallTrack::SightingNoise(float distance, CVector along, bool velocitySeen,
                               double pos[2][2], double vel[2][2]) const
{
  const double ax = along.GetX();
  const double ay = along.GetY();
  const double d = distance;
  const double radial = Even(d * m_QuantizeFactor / 2) + kOwnPlaceVariance;
  const double across = Even(d * std::tan(kDirectionRounding)) + kOwnPlaceVariance;
  const double speedRadial = velocitySeen ? Even(kSpeedRounding * d) + kOwnSpeedVariance
                                          : kUnknownSpeedVariance;
  const double speedAcross = velocitySeen ? Even(kTurnRounding * d) + kOwnSpeedVariance
                                          : kUnknownSpeedVariance;
  const double u[2] = {ax, ay};
  const double w[2] = {-ay, ax};
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
    {
      pos[i][j] = radial * u[i] * u[j] + across * w[i] * w[j];
      vel[i][j] = speedRadial * u[i] * u[j] + speedAcross * w[i] * w[j];
    }
}

void CBallTrack::Restart(int time, float distance, CVector along, bool velocitySeen)
{
  double pos[2][2];
  double vel[2][2];
  SightingNoise(distance, along, velocitySeen, pos, vel);
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      m_P[i][j] = 0;
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
    {
      m_P[i][j] = pos[i][j];
      m_P[2 + i][2 + j] = vel[i][j];
    }
  m_Time = time;
  m_Live = true;
}

bool CBallTrack::Blend(int time, CVector reckonedPos, CVector reckonedVel, CVector seenPos,
                       CVector seenVel, bool velocitySeen, float distance, CVector along,
                       CVector &pos, CVector &vel)
{
  pos = seenPos;
  vel = velocitySeen ? seenVel : reckonedVel;
  const int gap = time - m_Time;
  if (!m_Live || gap < 1 || gap > kLongestGap)
  {
    Restart(time, distance, along, velocitySeen);
    return false;
  }

  // The covariance rolls on with the ball: the place takes up the
  // velocity's doubt, the velocity decays and takes the server's noise.
  const double speed = reckonedVel.GetMag() / m_Decay;
  const double a = m_Decay;
  double p[4][4];
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      p[i][j] = m_P[i][j];
  for (int step = 0; step < gap; step++)
  {
    // p = F p F' + Q with F = [[1, 0, 1, 0], [0, 1, 0, 1], [0, 0, a, 0], [0, 0, 0, a]].
    double fp[4][4];
    for (int j = 0; j < 4; j++)
    {
      fp[0][j] = p[0][j] + p[2][j];
      fp[1][j] = p[1][j] + p[3][j];
      fp[2][j] = a * p[2][j];
      fp[3][j] = a * p[3][j];
    }
    for (int i = 0; i < 4; i++)
    {
      p[i][0] = fp[i][0] + fp[i][2];
      p[i][1] = fp[i][1] + fp[i][3];
      p[i][2] = a * fp[i][2];
      p[i][3] = a * fp[i][3];
    }
    const double q = Even(m_BallRand * speed) * a * a;
    p[2][2] += q;
    p[3][3] += q;
  }

  double posNoise[2][2];
  double velNoise[2][2];
  SightingNoise(distance, along, velocitySeen, posNoise, velNoise);
  double x[4] = {reckonedPos.GetX(), reckonedPos.GetY(), reckonedVel.GetX(), reckonedVel.GetY()};

  double s[2][2];
  double inv[2][2];
  for (int i = 0; i < 2; i++)
    for (int j = 0; j < 2; j++)
      s[i][j] = p[i][j] + posNoise[i][j];
  const double placeMiss[2] = {seenPos.GetX() - x[0], seenPos.GetY() - x[1]};
  bool agrees = Solve2(s, inv) && Mahalanobis(placeMiss, inv) < kContradiction;
  double speedInv[2][2];
  const double speedMiss[2] = {seenVel.GetX() - x[2], seenVel.GetY() - x[3]};
  if (agrees && velocitySeen)
  {
    double sv[2][2];
    for (int i = 0; i < 2; i++)
      for (int j = 0; j < 2; j++)
        sv[i][j] = p[2 + i][2 + j] + velNoise[i][j];
    agrees = Solve2(sv, speedInv) && Mahalanobis(speedMiss, speedInv) < kContradiction;
  }
  if (!agrees)
  {
    Restart(time, distance, along, velocitySeen);
    return false;
  }

  Update(p, x, 0, placeMiss, inv);
  if (velocitySeen)
  {
    double sv[2][2];
    for (int i = 0; i < 2; i++)
      for (int j = 0; j < 2; j++)
        sv[i][j] = p[2 + i][2 + j] + velNoise[i][j];
    const double miss[2] = {seenVel.GetX() - x[2], seenVel.GetY() - x[3]};
    if (Solve2(sv, speedInv))
      Update(p, x, 2, miss, speedInv);
  }
  for (int i = 0; i < 4; i++)
    for (int j = 0; j < 4; j++)
      m_P[i][j] = p[i][j];
  m_Time = time;
  pos = CVector(static_cast<float>(x[0]), static_cast<float>(x[1]));
  vel = CVector(static_cast<float>(x[2]), static_cast<float>(x[3]));
  return true;
}
