// With the ball in the middle third: build the attack. Near our own
// offside line, or in the defensive mode of our half, it is played as in
// our own third; otherwise a shot from the front of this third, a
// breakaway, a ball behind their line, a pass forward, a shot into a crowd
// before the ball is taken, in their half a run at their goal, a run with
// the ball into space, the ball held a moment for a team-mate to get free,
// a safe pass any way (first of all with an opponent near), a near pass a
// little less safe, and when nothing is on the ball goes long into their
// half.

#include "CBehaviours.h"

namespace
{
// An opponent this near is at the carrier within a few cycles.
const float kPressureComing = 6;
// A pass that keeps the ball goes back no farther than this: one lost far
// back is a chance for them.
const float kKeepBallMostBack = 15;
}

int CBehaviours::MIDZWithBall()
{
  const CVector me = GetGPos();
  // Losing it here leaves our defence open.
  if (me.GetX() < GetOurOffsideLine() + m_Close2OurOffsideLineBuf ||
      (m_MidzOurHalfDefMode && me.GetX() < m_MidzDefModeMaxX))
    return DEFZWithBall();

  // Their goal is within a shot's reach from the front of this third.
  if (m_BallChoices.TakeTheShotThatIsOn())
    return 1;
  if (m_BallChoices.TakeABreakaway())
    return 1;
  // A runner first to a ball behind their line is a chance a pass to feet
  // in front of it never makes: their defenders face him, not the ball.
  if (Chose(BP_THROUGH, m_BallChoices.BeatTheOffsideLine()))
    return 1;
  if (m_BallChoices.PassForward() || m_BallChoices.ShootBeforeItIsTaken())
    return 1;
  // In their half with nobody at him: at their goal rather than a pass
  // square or back.
  if (m_BallChoices.RunAtTheirGoal())
    return 1;
  const bool pressed = m_BallChoices.Pressed(m_FeelDistance);
  // An opponent at him: a safe pass any way beats a run or a hold, which
  // were lost nearly every time. One coming: a safe pass that loses no
  // ground beats them; a run forward still gains it otherwise.
  if (pressed && m_BallChoices.PassToKeepTheBall(kKeepBallMostBack))
    return 1;
  if (m_BallChoices.Pressed(kPressureComing) && m_BallChoices.PassToKeepTheBall(0))
    return 1;
  // Room to run: towards their goal, or up the wing when all go out wide.
  const float y = m_AllOutFlank ? SignF(me.GetY()) * (m_PitchWidth / 2 - 6) : me.GetY() * 0.7f;
  const CVector ahead(me.GetX() + 15, y);
  if (!pressed && CanKeepBall(CanKeepBallCyclesForThisZone()) && CanDribbleTo(ahead) &&
      Chose(BP_DRIBBLE, m_BallChoices.RunWithBall(ahead)))
    return 1;
  if (m_BallChoices.DribbleIntoSpace() || m_BallChoices.HoldForAMoment())
    return 1;
  if (m_BallChoices.PassToKeepTheBall(kKeepBallMostBack))
    return 1;
  if (m_BallChoices.ShortPassBeforeLongBall())
    return 1;
  return Chose(BP_SEND, m_BallChoices.LongBallUpfield());
}
