#include "CBehaviours.h"

float CBehaviours::CalcKickPowerRate()
{
  // Until the ball's place relative to the body is known, the rate of a
  // ball that touches the body straight ahead, the best the server gives.
  return m_KickPowerRate;
}
