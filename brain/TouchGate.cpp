// The one gate between the decision pass and the bundle for what may touch
// the ball: every kick and every dash a behaviour decides on goes through
// TouchGate, which applies the rules no single behaviour can be trusted to
// remember, in this order:
//  - a dash of the set-play kicker that would run into the ball stops
//    short of it (a second touch is a foul);
//  - a kick at a ball not surely within reach becomes a step towards it
//    (the server refuses the kick, and the cycle is lost), unless one of
//    theirs is at it: he plays it before any step of ours pays;
//  - with nothing to step to, a still ball and another player at it, the
//    kick waits a few cycles for the other's touch before it goes (two
//    players each waiting for the other stood there until the referee
//    dropped the ball).

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CPlayer.h"
#include "PlayerInterface.h"

namespace
{
// Cycles a kick is held back for another player at a still ball before it
// goes all the same.
const int kStandOffPatience = 3;
// How much nearer a still ball a team-mate at it must be for us to leave
// it to him: our two reckonings of it differ by about a tenth of a metre.
const float kMateNearerMargin = 0.2f;
// How many of the team-mates nearest to us may be at a ball at our feet.
const int kMatesNearBall = 3;
}

CTouchGate::CTouchGate(CBehaviours &brain) : m_Brain(brain)
{
}

// The server draws a kick's noise up to kick_rand times the power share
// times two halves: one from the ball's spot (a half at the foot's best
// spot, one at the worst) and one from its speed (a half for a still
// ball, one for the fastest).
float KickNoiseReach(float kickRand, float powerShare, float rateShare, float speedShare)
{
  const float spotPart = 1.5f - std::clamp(rateShare, 0.5f, 1.0f);
  const float speedPart = 0.5f + 0.5f * std::clamp(speedShare, 0.0f, 1.0f);
  return kickRand * std::clamp(std::fabs(powerShare), 0.0f, 1.0f) * (spotPart + speedPart);
}

void CTouchGate::NoteKickSent(int time, float noiseReach)
{
  m_SentKicks[m_SentKickNext] = SentKick{time, noiseReach};
  m_SentKickNext = (m_SentKickNext + 1) % kKicksKept;
  if (m_ContestedLetAt == time)
    m_ContestedSentAt = time;
}

void CTouchGate::NoteContestedLet(int time)
{
  m_ContestedLetAt = time;
}

bool CTouchGate::ContestedKickSent(int time) const
{
  return m_ContestedSentAt == time;
}

float CTouchGate::UnmeasuredKickNoise(int seen) const
{
  float noise = 0;
  for (const SentKick &kick : m_SentKicks)
    if (kick.time >= seen)
      noise += kick.noise;
  return noise;
}

bool CBehaviours::ContestedKickSent(int cycle) const
{
  return m_TouchGate.ContestedKickSent(cycle);
}

int CBehaviours::TouchGate(CMDType kind, float power, float direction)
{
  return m_TouchGate.Let(kind, power, direction);
}

int CTouchGate::Let(CMDType kind, float power, float direction)
{
  if (kind == CMD_DASH)
    return m_Brain.Dash(SetPlayDashPower(power));
  if (kind != CMD_KICK)
    return 0;
  // Only the cycle's last decision goes out: a later one undoes the note.
  const int now = m_Brain.GetTime();
  if (m_ContestedLetAt == now)
    m_ContestedLetAt = -999;
  if (m_Brain.BallSurelyInReach())
    return SetPlayKick(power, direction);
  if (m_Brain.ContestedBallInReach())
  {
    NoteContestedLet(now);
    return SetPlayKick(power, direction);
  }
  const int stepped = StepToBallInsteadOfKick();
  if (stepped >= 0)
    return stepped;
  return StandOffOver() ? SetPlayKick(power, direction) : 0;
}

// A kick let through in a set play of ours is its taker's touch, noted at
// once: the pass after it may be one that does not see the bundle go.
int CTouchGate::SetPlayKick(float power, float direction)
{
  const PlayMode mode = m_Brain.CurrentPlayMode();
  if (m_Brain.IsOurMode(mode) && mode != PM_PLAY_ON)
    m_Brain.m_SetPlayTouches.NoteSetPlayKick(m_Brain.GetTime());
  return m_Brain.Kick(power, direction);
}

// Running into the ball touches it as a kick does, and the kicker of our
// set play may not touch it again before another player has: his dash
// stops short of it, whatever rule asked for it.
float CTouchGate::SetPlayDashPower(float power)
{
  if (m_Brain.TouchedLastInSetPlay() &&
      m_Brain.IsDashCollision(power, CSetPlayTouches::kSetPlayTouchBuffer))
    return 0;
  return power;
}

// The server takes a kick only for a ball within reach by its own truth:
// a ball only reckoned near is gone for instead, and kicked once sight
// confirms it. 1 when a step is queued, 0 when the ball is not known, -1
// when there is nothing to step to.
int CTouchGate::StepToBallInsteadOfKick()
{
  if (!m_Brain.BallPositionValid())
    return 0;
  if (m_Brain.MoveToPos(m_Brain.M2BReadBall()->GetGPos(),
                        m_Brain.m_Kickable - m_Brain.m_KickableBuffer,
                        static_cast<float>(m_Brain.m_MaxPower), DODGE_NONE))
    return 1;
  return -1;
}

// Nothing to step to, a still ball seen a cycle ago, and another player at
// it: after a few cycles of it nobody has played it, and the kick goes.
bool CTouchGate::StandOffOver()
{
  const CBall *ball = m_Brain.M2BReadBall();
  const int now = m_Brain.GetTime();
  if (m_StandOffLast < now - 1)
    m_StandOffSince = now;
  m_StandOffLast = now;
  if (ball->GetTime() < now - 1 || ball->GetTime() == ball->GetHeardTime() ||
      ball->IsMoving() || now - m_StandOffSince < kStandOffPatience)
    return false;
  return !MateClearlyNearerBall();
}

// Two of us at a still ball: the one clearly nearer it takes it and the
// other keeps waiting; each going after his own patience, the second
// kicked a cycle after the first, at a ball gone 1.9 m off.
bool CTouchGate::MateClearlyNearerBall()
{
  const CVector ball = m_Brain.M2BReadBall()->GetGPos();
  const float mine = m_Brain.GetGPos().dist(ball);
  sorted_players mates;
  m_Brain.SortValidFriends2Me(mates);
  for (int i = 0; i < mates.count && i < kMatesNearBall; i++)
    if (mates.players[i]->GetGPos().dist(ball) < mine - kMateNearerMargin)
      return true;
  return false;
}
