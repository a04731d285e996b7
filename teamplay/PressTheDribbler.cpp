// The press on a dribbler between his touches. He pushes the ball a few
// metres ahead and runs after it: for those cycles it is nobody's by the
// carrier rule, and the one who pressed him was sent to chase the ball
// instead, or to cover or his place. Seen in matches: in six halves the
// presser left the press 143 times, in two of three with their man 2.6-5 m
// from the ball, and turned in the next cycle in half of them; the
// dribbler's second to fifth cycles on the ball were pressed in a third.

#include "CBall.h"
#include "CBehaviours.h"
#include "Predict.h"

namespace
{
// How far beyond his reach a dribbler pushes the ball and still runs
// after it as his: a longer ball is a pass or a clearance.
const float kLongestTouch = 4;
}

const CPlayer *CFieldRules::DribblerStillPressed()
{
  CBehaviours &b = m_Brain;
  if (b.m_ActionState != AS_DEFENSE_ACTIVE || !b.BallPositionValid() || b.FriendWithBall(0))
    return nullptr;
  const CPlayer *foe = b.GetClosestValidFoe2Ball(0);
  if (!foe || foe != b.FastestFoe2Ball())
    return nullptr;
  if (foe->GetGPos().dist(b.M2BReadBall()->GetGPos()) > b.m_Kickable + kLongestTouch)
    return nullptr;
  // Still his while he gets to it before any of us.
  return b.NumOfCyclesToIntercept(foe) < OurCyclesToBall() ? foe : nullptr;
}
