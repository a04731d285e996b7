#include "SteadyPlace.h"

namespace
{
// A move of the place beyond this, more than the ball moved, is a jump: a
// new pick of the positioners' moves it four to eight metres.
const float kPlaceJump = 2.0f;
// Cycles a jumped place must stand before the runner turns for it: one
// cycle's jump is often undone or moved on by the next.
const int kJumpSettleCycles = 2;
}

CVector CSteadyPlace::HeadFor(CVector place, CVector ball, int now, int kind)
{
  if (m_Now.time == now)
    m_Now = m_Before;
  else
    m_Before = m_Now;
  const bool held = kind == m_Now.kind && m_Now.time == now - 1;
  const float slack = kPlaceJump + ball.dist(m_Now.ball);
  if (held && place.dist(m_Now.place) > slack && ++m_Now.away < kJumpSettleCycles)
  {
    m_Now.time = now;
    m_Now.ball = ball;
    return m_Now.place;
  }
  m_Now = Held{place, ball, now, kind, 0};
  return place;
}
