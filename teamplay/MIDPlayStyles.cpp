// With the ball in the middle third: build the attack. Near our own
// offside line, or in the defensive mode of our half, it is played as in
// our own third; otherwise a ball behind their line, a pass forward, a run
// with the ball, or a ball sent up the pitch.

#include <cmath>

#include "CBehaviours.h"

int CBehaviours::MIDZWithBall()
{
  const CVector me = GetGPos();
  // Losing it here leaves our defence open.
  if (me.GetX() < GetOurOffsideLine() + m_Close2OurOffsideLineBuf ||
      (m_MidzOurHalfDefMode && me.GetX() < m_MidzDefModeMaxX))
    return DEFZWithBall();

  if (BeatTheOffsideLine())
    return 1;
  const bool pressed = NumFoesWithin(m_FeelDistance) > 0;
  // A pass forward to a free team-mate in the less crowded part of the
  // pitch; under pressure one across will do.
  if (const CPlayer *mate = ChooseReceiver(pressed ? m_FeelDistance : 0))
    if ((pressed || mate->GetGX() > me.GetX() + m_MinPassDist) &&
        mate->GetGX() < m_LessCongestedPassMaxX && PassBall(mate))
      return 1;
  // Room to run: towards their goal, or up the wing when all go out wide.
  if (!pressed && CanKeepBall(CanKeepBallCyclesForThisZone()))
  {
    const float y = m_AllOutFlank ? SignF(me.GetY()) * (m_PitchWidth / 2 - 6) : me.GetY() * 0.7f;
    if (RunWithBall(CVector(me.GetX() + 15, y)))
      return 1;
  }
  if (const CPlayer *mate = ChooseReceiver(m_FeelDistance))
    if (PassBall(mate))
      return 1;
  return ShouldISendInwards() ? SendBall() : OffensiveSendBall();
}
