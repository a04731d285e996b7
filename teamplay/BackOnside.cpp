// A player caught beyond their offside line gets back onside the quickest
// way: straight towards our goal line. Seen in matches: their back line
// stepped up a metre a cycle as the ball went back, and ours, each walking
// to his own place a few metres behind and aside, turned in half his
// commands (every step of the line moved the place off his heading, and
// their men coming the other way were dodged), came back a third of a
// metre a cycle and stayed beyond the line about 11 cycles a time; a ball
// forward in those cycles had nobody onside to go to.

#include <cmath>

#include "CBehaviours.h"

namespace
{
// Facing within this of straight back, he runs: he comes back at least
// seven tenths of his speed, and a turn costs a whole cycle of it.
const float kRunBackCone = 45;
// Facing within this of their goal, he backs up instead of turning about.
const float kBackUpCone = 45;
// Straight back towards our goal line.
const float kBackHeading = 180;
}  // namespace

int CFieldRules::GetBackOnside(float power)
{
  const float off = m_Brain.NormaliseAngle(kBackHeading - m_Brain.GetBFacing());
  // Nobody is dodged: their men come past him the other way, and a
  // sidestep is a step he is not coming back.
  if (std::fabs(off) <= kRunBackCone)
  {
    const float dash = m_Brain.CorrectDashPower4Stamina(power);
    return dash > 0 && m_Brain.TouchGate(CMD_DASH, dash);
  }
  if (std::fabs(off) >= kBackHeading - kBackUpCone)
  {
    const float back = m_Brain.CorrectDashPower4Stamina(-power);
    return back < 0 && m_Brain.TouchGate(CMD_DASH, back);
  }
  return m_Brain.Turn(off);
}
