// The press on a dribbler between his touches. He pushes the ball a few
// metres ahead and runs after it: for those cycles it is nobody's by the
// carrier rule, and the one who pressed him was sent to chase the ball
// instead, or to cover or his place. Seen in matches: in six halves the
// presser left the press 143 times, in two of three with their man 2.6-5 m
// from the ball, and turned in the next cycle in half of them; the
// dribbler's second to fifth cycles on the ball were pressed in a third.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "Predict.h"

namespace
{
// How far beyond his reach a dribbler pushes the ball and still runs
// after it as his: a longer ball is a pass or a clearance.
const float kLongestTouch = 4;
// Near their man, how close by him the presser's heading may pass and be
// run on: the ball about his feet then lies within a tackle's width.
const float kNearPassBy = 1.0f;
// ... and how far off the heading he may lie at most: further round, the
// run carries the presser past him.
const float kNearRunOnAngle = 45;
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

// The presser a few metres off runs at where the carrier next plays the
// ball, not at the ball: he keeps it about his feet away from us, and a
// ball kicked a metre aside out of his reach for a cycle put the presser's
// own interception of it far down its run (seen in matches: of the
// presser's commands three to eight metres behind a carrier who stood
// nearly still, one in three was a turn of 50-80 degrees, and the gap
// closed by 0.1 m a cycle).
bool CFieldRules::TheirNextTouch(CVector &touch)
{
  CBehaviours &b = m_Brain;
  const CPlayer *carrier = b.TheirBallCarrier();
  if (!carrier)
    carrier = DribblerStillPressed();
  if (!carrier || !carrier->GetPositionValid())
    return false;
  if (b.BallKickableForPlayer(carrier, 0))
  {
    touch = carrier->GetGPos();
    return true;
  }
  const int theirs = b.NumOfCyclesToIntercept(carrier);
  if (theirs >= Predict::MAX_CYCLES || theirs > OurCyclesToBall())
    return false;
  touch = b.InterceptionPoint(carrier, static_cast<float>(b.m_MaxPower));
  return true;
}

// Within two metres of their man the presser went for his own interception
// of the ball about his feet with a fine aim, and turned though his heading
// already took him past the man within a metre and a half (about twelve
// turns a half, half of them passing within a metre): the turn stands him
// still for the cycle in which the man plays on.
bool CFieldRules::HeadingTakesHimOn(CVector touch) const
{
  const CBehaviours &b = m_Brain;
  const CVector next = b.PredPos();
  const float dist = next.dist(touch);
  if (dist <= b.m_Epsilon)
    return false;
  const float off = std::fabs(b.NormaliseAngle((touch - next).GetDir() - b.GetBFacing()));
  return off <= kNearRunOnAngle && off <= b.ASin(std::fmin(1.0f, kNearPassBy / dist));
}
