#include "CVector.h"

#include <cmath>
#include <iostream>

#include "Geometry.h"

CVector::CVector() : x(0), y(0), mag(0), mag2(0), dir(0), dirKnown(true)
{
}

CVector::CVector(float newX, float newY) : x(newX), y(newY), mag(0), mag2(0), dir(0), dirKnown(false)
{
  CalcMag();
  CalcMag2();
}

void CVector::SetVector(CVector v)
{
  *this = v;
}

void CVector::SetX(float newX)
{
  x = newX;
  CalcFromXY();
}

void CVector::SetY(float newY)
{
  y = newY;
  CalcFromXY();
}

void CVector::SetMag(float m)
{
  // x and y follow from the magnitude and the direction they had.
  CalcDirIfUnknown();
  mag = m;
  mag2 = static_cast<float>(static_cast<double>(m) * m);
  CalcFromMagDir();
}

void CVector::SetDir(float d)
{
  dir = d;
  dirKnown = true;
  CalcFromMagDir();
}

// Products and sums of squares in double: float squares of field-sized
// numbers lose the last digits that distances are compared on.
void CVector::CalcMag()
{
  mag = static_cast<float>(std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y));
}

void CVector::CalcMag2()
{
  mag2 = static_cast<float>(static_cast<double>(x) * x + static_cast<double>(y) * y);
}

float CVector::Direction(float x, float y)
{
  if (x == 0 && y == 0)
    return 0;
  // The sign of a zero y is kept on purpose: it decides 180 against -180.
  return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)) * kRadToDeg);
}

void CVector::CalcDirIfUnknown()
{
  if (!dirKnown)
    CalcDir();
}

void CVector::CalcDir()
{
  dir = Direction(x, y);
  dirKnown = true;
}

void CVector::CalcFromXY()
{
  CalcMag();
  CalcMag2();
  dirKnown = false;
}

void CVector::CalcFromMagDir()
{
  CalcDirIfUnknown();
  const double r = dir * kDegToRad;
  x = static_cast<float>(mag * std::cos(r));
  y = static_cast<float>(mag * std::sin(r));
}

CVector &CVector::operator+=(const CVector &v)
{
  x += v.x;
  y += v.y;
  CalcFromXY();
  return *this;
}

CVector &CVector::operator-=(const CVector &v)
{
  x -= v.x;
  y -= v.y;
  CalcFromXY();
  return *this;
}

CVector &CVector::operator*=(const float &f)
{
  x *= f;
  y *= f;
  CalcFromXY();
  return *this;
}

CVector &CVector::operator/=(const float &f)
{
  x /= f;
  y /= f;
  CalcFromXY();
  return *this;
}

CVector CVector::operator+(const CVector &v) const
{
  return CVector(x + v.x, y + v.y);
}

CVector CVector::operator-(const CVector &v) const
{
  return CVector(x - v.x, y - v.y);
}

CVector CVector::operator*(const float &f) const
{
  return CVector(x * f, y * f);
}

CVector CVector::operator/(const float &f) const
{
  return CVector(x / f, y / f);
}

CVector CVector::Rotate(float a) const
{
  const double r = (static_cast<double>(GetDir()) + a) * kDegToRad;
  return CVector(static_cast<float>(mag * std::cos(r)), static_cast<float>(mag * std::sin(r)));
}

CVector CVector::SetLength(float len) const
{
  // Scaling a zero vector divides by its zero magnitude; a NaN position would
  // travel silently into the world model and the commands.
  if (mag == 0)
    return CVector(0, 0);
  return *this * (len / mag);
}

CVector CVector::Normalise() const
{
  return SetLength(1.0f);
}

CVector CVector::WeightedAverage(const CVector &v, float w) const
{
  const double keep = 1.0 - w;
  return CVector(static_cast<float>(x * keep + static_cast<double>(v.x) * w),
                 static_cast<float>(y * keep + static_cast<double>(v.y) * w));
}

// As (*this - v).GetMag() and GetMag2(), without making the vector.
float CVector::dist(const CVector &v) const
{
  const float dx = x - v.x;
  const float dy = y - v.y;
  return static_cast<float>(std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy));
}

float CVector::dist2(const CVector &v) const
{
  const float dx = x - v.x;
  const float dy = y - v.y;
  return static_cast<float>(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
}

CVector CVector::Global2Relative(CVector origin, float heading) const
{
  return (*this - origin).Rotate(-heading);
}

CVector CVector::Relative2Global(CVector origin, float heading) const
{
  return Rotate(heading) + origin;
}

void CVector::Display() const
{
  std::cout << "VECTOR with X, Y, Mag, Mag2, Dir: " << x << ", " << y << ", " << mag << ", " << mag2 << ", "
            << GetDir() << std::endl;
}

CVector Polar2CVector(float magnitude, float direction)
{
  const double r = direction * kDegToRad;
  return CVector(static_cast<float>(magnitude * std::cos(r)), static_cast<float>(magnitude * std::sin(r)));
}

CVector Global2Relative2Me(CVector point, CVector origin, float heading)
{
  return point.Global2Relative(origin, heading);
}
