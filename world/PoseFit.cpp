#include "PoseFit.h"

#include <cmath>

#include "Geometry.h"

namespace
{
// The server reports a landmark's distance rounded on a logarithmic scale
// (steps of 1% of the distance) and then to 0.1 m, and every direction
// rounded to a whole degree: these half-steps are the largest errors.
const double kDistanceRelativeError = 0.005;
const double kDistanceRoundingError = 0.05;
const double kDirectionError = 0.5 * kDegToRad;
// A few steps settle the fit: each one moves the pose by the square of the
// previous step's error.
const int kFitSteps = 3;
const double kSettledStep = 1e-4;
// A landmark closer than this gives no usable direction.
const double kNearestForDirection = 0.1;
// One flag alone cannot tell the facing apart from the position; a fit that
// wanders farther than this from the line-and-flag pose has gone astray
// (the line seen from outside the pitch, say) and is not trusted.
const double kLargestCorrection = 5.0;

double WrapRadians(double a)
{
  while (a > kPi)
    a -= 2 * kPi;
  while (a < -kPi)
    a += 2 * kPi;
  return a;
}

// Solves the symmetric 3 x 3 system a x = b; false when it is singular.
bool Solve3(double a[3][3], const double b[3], double x[3])
{
  const double det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) -
                     a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
                     a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
  if (!(std::fabs(det) > 1e-12))
    return false;
  for (int c = 0; c < 3; c++)
  {
    double m[3][3];
    for (int i = 0; i < 3; i++)
      for (int j = 0; j < 3; j++)
        m[i][j] = j == c ? b[i] : a[i][j];
    x[c] = (m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
            m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
            m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0])) /
           det;
  }
  return true;
}

void Accumulate(double a[3][3], double b[3], const double row[3], double residual, double weight)
{
  for (int i = 0; i < 3; i++)
  {
    b[i] += weight * row[i] * residual;
    for (int j = 0; j < 3; j++)
      a[i][j] += weight * row[i] * row[j];
  }
}
}  // namespace

Pose FitPose(const LandmarkSighting *seen, int count, Pose start, bool lineSeen, float lineFacing)
{
  // A single flag and a line already give the exact answer of the two.
  if (count < 2)
    return start;
  double x = start.position.GetX();
  double y = start.position.GetY();
  double th = start.facing * kDegToRad;
  const double lineTh = lineFacing * kDegToRad;
  const double directionWeight = 1 / (kDirectionError * kDirectionError);

  for (int step = 0; step < kFitSteps; step++)
  {
    double a[3][3] = {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    double b[3] = {0, 0, 0};
    for (int i = 0; i < count; i++)
    {
      const double dx = seen[i].global.GetX() - x;
      const double dy = seen[i].global.GetY() - y;
      const double r = std::sqrt(dx * dx + dy * dy);
      if (r < kNearestForDirection)
        continue;
      const double sigma = kDistanceRelativeError * seen[i].distance + kDistanceRoundingError;
      const double distanceRow[3] = {-dx / r, -dy / r, 0};
      Accumulate(a, b, distanceRow, seen[i].distance - r, 1 / (sigma * sigma));
      const double predicted = std::atan2(dy, dx) - th;
      const double directionRow[3] = {dy / (r * r), -dx / (r * r), -1};
      Accumulate(a, b, directionRow, WrapRadians(seen[i].direction * kDegToRad - predicted),
                 directionWeight);
    }
    if (lineSeen)
    {
      const double lineRow[3] = {0, 0, 1};
      Accumulate(a, b, lineRow, WrapRadians(lineTh - th), directionWeight);
    }
    double delta[3];
    if (!Solve3(a, b, delta))
      return start;
    x += delta[0];
    y += delta[1];
    th = WrapRadians(th + delta[2]);
    if (std::fabs(delta[0]) + std::fabs(delta[1]) + std::fabs(delta[2]) < kSettledStep)
      break;
  }
  const Pose fitted = {CVector(static_cast<float>(x), static_cast<float>(y)),
                       static_cast<float>(th / kDegToRad)};
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(th) ||
      fitted.position.dist(start.position) > kLargestCorrection)
    return start;
  return fitted;
}
