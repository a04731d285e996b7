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

void CFieldRules::LookAbout()
{
  // A main command that turned the neck itself has looked already.
  if (m_Brain.TurnNeckThisCycle())
    return;
  const ActionState state = m_Brain.GetActionState();
  if (state != AS_CHASE_BALL && state != AS_WITH_BALL)
    m_Brain.ChangeView("normal", "high");
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallPositionValid() || m_Brain.GetEnvState() == ENV_BEFORE_KICK_OFF)
  {
    m_Brain.ScanFieldWithNeck();
    return;
  }
  if (KeepMyManInView())
    return;
  const bool close = m_Brain.GetGPos().dist(ball->GetGPos()) < kWatchBallDist;
  const bool mine = state == AS_WITH_BALL || state == AS_CHASE_BALL || state == AS_TAKE_SET_PLAY;
  // Every other cycle a player away from the ball looks round instead.
  if ((mine || close || ball->GetConf() < kBallDoubtConf || m_Brain.GetTime() % 2 == 0) &&
      m_Brain.CanSeePointWithNeck(ball->GetGPos()))
  {
    m_Brain.FaceOnlyNeck2Point(m_Brain.BallPredPosWithQueuedActions());
    return;
  }
  m_Brain.ScanFieldWithNeck();
}
