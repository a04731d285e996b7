// Where a field player looks once the cycle's main command is chosen. The
// neck follows the ball while it matters and sweeps the field otherwise;
// nothing here waits for a visual, so the pass never loses its cycle.

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// Nearer than this the ball is watched every cycle.
const float kWatchBallDist = 20;
// A ball not seen for a few cycles is looked for before anything else.
const float kBallDoubtConf = 0.9f;
}

void CBehaviours::LookAbout()
{
  // A main command that turned the neck itself has looked already.
  if (TurnNeckThisCycle())
    return;
  const ActionState state = GetActionState();
  if (state != AS_CHASE_BALL && state != AS_WITH_BALL)
    ChangeView("normal", "high");
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || GetEnvState() == ENV_BEFORE_KICK_OFF)
  {
    ScanFieldWithNeck();
    return;
  }
  const bool close = GetGPos().dist(ball->GetGPos()) < kWatchBallDist;
  const bool mine = state == AS_WITH_BALL || state == AS_CHASE_BALL || state == AS_TAKE_SET_PLAY;
  // Every other cycle a player away from the ball looks round instead.
  if ((mine || close || ball->GetConf() < kBallDoubtConf || GetTime() % 2 == 0) &&
      CanSeePointWithNeck(ball->GetGPos()))
  {
    FaceOnlyNeck2Point(BallPredPosWithQueuedActions());
    return;
  }
  ScanFieldWithNeck();
}
