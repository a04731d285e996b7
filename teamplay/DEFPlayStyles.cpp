// With the ball in our own third: safety first. A ball near our goal with
// opponents about is cleared; otherwise it goes to a free team-mate, or is
// carried up when there is room, or sent up the pitch.

#include "CBehaviours.h"

int CBehaviours::DEFZWithBall()
{
  const CVector me = GetGPos();
  // Opponents near our goal: away with it.
  if (NeedToClear() && ClearBall())
    return 1;
  // A free team-mate not behind the agent.
  if (const CPlayer *mate = ChooseReceiver(0))
    if (PassBall(mate))
      return 1;
  // Nobody near: carry it up, towards the middle.
  if (NumFoesWithin(m_DribbleInDefzMinFoeDist) == 0 &&
      RunWithBall(CVector(me.GetX() + m_DribbleInDefzMinFoeDist, me.GetY() * 0.8f)))
    return 1;
  if (SendBall())
    return 1;
  return ClearBall();
}
