// The one gate between the decision pass and the bundle for what may touch
// the ball: every kick and every dash a behaviour decides on goes through
// TouchGate, which applies the rules no single behaviour can be trusted to
// remember, in this order:
//  - a dash of the set-play kicker that would run into the ball stops
//    short of it (a second touch is a foul);
//  - a kick at a ball not surely within reach becomes a step towards it
//    (the server refuses the kick, and the cycle is lost);
//  - with nothing to step to, a still ball and another player at it, the
//    kick waits a few cycles for the other's touch before it goes (two
//    players each waiting for the other stood there until the referee
//    dropped the ball).

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// Cycles a kick is held back for another player at a still ball before it
// goes all the same.
const int kStandOffPatience = 3;
}

int CBehaviours::TouchGate(CMDType kind, float power, float direction)
{
  if (kind == CMD_DASH)
    return Dash(SetPlayDashPower(power));
  if (kind != CMD_KICK)
    return 0;
  if (BallSurelyInReach())
    return SetPlayKick(power, direction);
  const int stepped = StepToBallInsteadOfKick();
  if (stepped >= 0)
    return stepped;
  return StandOffOver() ? SetPlayKick(power, direction) : 0;
}

// A kick let through in a set play of ours is its taker's touch, noted at
// once: the pass after it may be one that does not see the bundle go.
int CBehaviours::SetPlayKick(float power, float direction)
{
  const PlayMode mode = CurrentPlayMode();
  if (IsOurMode(mode) && mode != PM_PLAY_ON)
    NoteSetPlayKick(GetTime());
  return Kick(power, direction);
}

// Running into the ball touches it as a kick does, and the kicker of our
// set play may not touch it again before another player has: his dash
// stops short of it, whatever rule asked for it.
float CBehaviours::SetPlayDashPower(float power)
{
  if (TouchedLastInSetPlay() && IsDashCollision(power, kSetPlayTouchBuffer))
    return 0;
  return power;
}

// The server takes a kick only for a ball within reach by its own truth:
// a ball only reckoned near is gone for instead, and kicked once sight
// confirms it. 1 when a step is queued, 0 when the ball is not known, -1
// when there is nothing to step to.
int CBehaviours::StepToBallInsteadOfKick()
{
  if (!BallPositionValid())
    return 0;
  if (MoveToPos(M2BReadBall()->GetGPos(), m_Kickable - m_KickableBuffer,
                static_cast<float>(m_MaxPower), DODGE_NONE))
    return 1;
  return -1;
}

// Nothing to step to, a still ball seen a cycle ago, and another player at
// it: after a few cycles of it nobody has played it, and the kick goes.
bool CBehaviours::StandOffOver()
{
  const CBall *ball = M2BReadBall();
  const int now = GetTime();
  if (m_StandOffLast < now - 1)
    m_StandOffSince = now;
  m_StandOffLast = now;
  return !(ball->GetTime() < now - 1 || ball->GetTime() == ball->GetHeardTime() ||
           ball->IsMoving() || now - m_StandOffSince < kStandOffPatience);
}
