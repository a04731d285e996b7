#include "CShotAim.h"

#include "Geometry.h"

namespace
{
// A shot is aimed this far inside a post: the line the keeper must get
// across to reach it.
const float kInsidePost = 1;
// A side chosen this few cycles ago is left only for a corner this much
// farther from the keeper.
const int kKeepCycles = 3;
const float kKeepEven = 1.5f;
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

float CShotAim::CornerTheKeeperReachesLast(CVector from, CVector keeper, float goalLine, float post,
                                           float tieSide, float even)
{
  const float inside = post > kInsidePost ? post - kInsidePost : post;
  const float toPos = DistanceToSegment(keeper, from, CVector(goalLine, inside));
  const float toNeg = DistanceToSegment(keeper, from, CVector(goalLine, -inside));
  if (toPos > toNeg + even)
    return 1;
  if (toNeg > toPos + even)
    return -1;
  return tieSide;
}

float CShotAim::Choose(int now, CVector from, CVector keeper, float goalLine, float post,
                       float tieSide)
{
  // Asked again in one cycle, the side is judged as it stood before it.
  if (now != m_Time)
  {
    m_KeptSide = m_Side;
    m_KeptTime = m_Time;
  }
  const bool kept = m_KeptSide != 0 && now - m_KeptTime > 0 && now - m_KeptTime <= kKeepCycles;
  const float side = kept ? CornerTheKeeperReachesLast(from, keeper, goalLine, post, m_KeptSide, kKeepEven)
                          : CornerTheKeeperReachesLast(from, keeper, goalLine, post, tieSide, kEven);
  m_Side = side;
  m_Time = now;
  return side;
}

void CShotAim::NoteTarget(int now, CVector target)
{
  m_Target = target;
  m_TargetTime = now;
}

bool CShotAim::NotedTarget(int now, CVector &target) const
{
  if (m_TargetTime != now)
    return false;
  target = m_Target;
  return true;
}
