#ifndef CVECTOR_H
#define CVECTOR_H

// A plane vector of single-precision floats that keeps its magnitude and
// squared magnitude cached beside x and y, so that reading a distance is a
// field read; every operation that changes the vector refreshes them at once.
// The direction in degrees is worked out from x and y when asked for: most
// vectors (sums, differences, distances) never are, and the arc tangent was
// the dearest part of making one. A direction that was set (SetDir, SetMag)
// is kept as given.
//
// Directions run from the positive x axis towards the positive y axis; on the
// field y grows downwards.
class CVector
{
public:
  CVector();
  CVector(float x, float y);

  float GetX() const { return x; }
  float GetY() const { return y; }
  float GetMag() const { return mag; }
  float GetMag2() const { return mag2; }
  float GetDir() const { return dirKnown ? dir : Direction(x, y); }

  void SetVector(CVector v);

  void SetX(float newX);
  void SetY(float newY);
  // Both keep the value given, even a negative magnitude or a direction
  // outside [-180, 180]; x and y follow from them.
  void SetMag(float m);
  void SetDir(float d);

  void CalcMag();
  void CalcMag2();
  void CalcDir();
  void CalcFromXY();
  void CalcFromMagDir();

  CVector &operator+=(const CVector &v);
  CVector &operator-=(const CVector &v);
  CVector &operator*=(const float &f);
  CVector &operator/=(const float &f);

  CVector operator+(const CVector &v) const;
  CVector operator-(const CVector &v) const;
  CVector operator*(const float &f) const;
  CVector operator/(const float &f) const;

  // Turns by a degrees, working from the cached magnitude and direction.
  CVector Rotate(float a) const;
  // Return a rescaled copy; the vector itself is unchanged. A zero vector has
  // no direction to keep and comes back as the zero vector.
  CVector SetLength(float len) const;
  CVector Normalise() const;
  // w is the weight of v: 0 gives this vector, 1 gives v.
  CVector WeightedAverage(const CVector &v, float w) const;

  float dist(const CVector &v) const;
  float dist2(const CVector &v) const;

  // A frame is an origin and a heading: the global direction of its x axis.
  CVector Global2Relative(CVector origin, float heading) const;
  CVector Relative2Global(CVector origin, float heading) const;

  void Display() const;

private:
  float x;
  float y;
  float mag;
  float mag2;
  // Valid only while dirKnown; otherwise the direction follows from x and y.
  float dir;
  bool dirKnown;

  static float Direction(float x, float y);
  void CalcDirIfUnknown();
};

// The vector of the given magnitude and direction (degrees), with its cache
// recomputed from the components: the direction comes back normalised and the
// magnitude never negative.
CVector Polar2CVector(float magnitude, float direction);

CVector Global2Relative2Me(CVector point, CVector origin, float heading);

#endif
