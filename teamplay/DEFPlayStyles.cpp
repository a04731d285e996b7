// With the ball in our own third: safety first. A ball near our goal with
// an opponent at it is cleared at once; otherwise it goes forward to a safe
// team-mate, or is cleared with opponents about, or goes to any safe
// team-mate, or is carried up when there is room, or held a moment, or
// (outside our third, handed over from midfield) goes to a near team-mate a
// little unsafe, or goes long into their half.

#include "CBehaviours.h"

namespace
{
// A pass that keeps the ball goes back no farther than this.
const float kKeepBallMostBack = 15;
}

int CBehaviours::DEFZWithBall()
{
  const CVector me = GetGPos();
  // Opponents near our goal: away with it, at once with one at the ball;
  // otherwise a safe pass forward first, as a clearance was lost every
  // time, but not one back or across, which keeps the ball by our goal.
  const bool clear = NeedToClear();
  if (clear && m_BallChoices.Pressed(m_FeelDistance) && Chose(BP_CLEAR, m_BallChoices.ClearAtOnce()))
    return 1;
  if (m_BallChoices.PassForward())
    return 1;
  if (clear && Chose(BP_CLEAR, m_BallChoices.ClearAtOnce()))
    return 1;
  if (m_BallChoices.PassToKeepTheBall(kKeepBallMostBack))
    return 1;
  // Nobody near: carry it up, towards the middle.
  if (!m_BallChoices.Pressed(m_DribbleInDefzMinFoeDist) &&
      Chose(BP_DRIBBLE, m_BallChoices.RunWithBall(
                            CVector(me.GetX() + m_DribbleInDefzMinFoeDist, me.GetY() * 0.8f))))
    return 1;
  if (m_BallChoices.DribbleIntoSpace() || m_BallChoices.HoldForAMoment())
    return 1;
  // Handed over from midfield near our back line, the ball still outside
  // our third: a near team-mate a little unsafe gets it before the long
  // ball, as in midfield. From there long balls were kept two times in
  // five, and at one long ball in fifteen such a team-mate was passed up.
  if (me.GetX() >= -m_DefenseZone && m_BallChoices.ShortPassBeforeLongBall())
    return 1;
  if (Chose(BP_SEND, m_BallChoices.LongBallUpfield()))
    return 1;
  return Chose(BP_CLEAR, ClearBall());
}
