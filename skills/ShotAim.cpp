#include "ShotAim.h"

#include "Geometry.h"

namespace
{
// A shot is aimed this far inside a post: the line the keeper must get
// across to reach it.
const float kInsidePost = 1;
// Closer to one line than to the other by less than this is even: what is
// seen of the keeper's place wavers by about as much.
const float kEven = 0.3f;
}  // namespace

float DistanceToSegment(CVector p, CVector a, CVector b)
{
  const CVector ab = b - a;
  const float length2 = Dot(ab, ab);
  if (length2 <= 0)
    return p.dist(a);
  const float t = Clamp(Dot(p - a, ab) / length2, 0.0f, 1.0f);
  return p.dist(a + ab * t);
}

float CornerTheKeeperReachesLast(CVector from, CVector keeper, float goalLine, float post,
                                 float tieSide)
{
  const float inside = post > kInsidePost ? post - kInsidePost : post;
  const float toPos = DistanceToSegment(keeper, from, CVector(goalLine, inside));
  const float toNeg = DistanceToSegment(keeper, from, CVector(goalLine, -inside));
  if (toPos > toNeg + kEven)
    return 1;
  if (toNeg > toPos + kEven)
    return -1;
  return tieSide;
}
