// The taker's touches in our set plays: whether the agent kicked the ball
// of our last set play and nobody else has played it since.

#include <algorithm>
#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"
#include "CSetPlayTouches.h"

namespace
{
// A change of the ball's velocity that its decay and the noise of seeing
// it do not explain: somebody played it.
const float kTouchVelChange = 0.6f;
// The cycles by which the referee's end of our set play may trail the kick.
const int kSetPlayCallLag = 3;
// A ball slower than this (metres a cycle) lies still.
const float kBallAtRest = 0.05f;
// Two sightings of the ball's run this far apart still tell whether
// somebody played it between them: unplayed, it only decays.
const int kMostCyclesBetweenRuns = 30;
// A touch the agent did not see (the ball behind him) would bar him for
// good: a ball nobody came near for this long is free again.
const int kSetPlayBarLapse = 100;
}

bool CBehaviours::TouchedLastInSetPlay() const
{
  return m_SetPlayTouches.TouchedLastInSetPlay();
}

void CBehaviours::NoteSetPlayTouches()
{
  m_SetPlayTouches.NoteSetPlayTouches();
}

CSetPlayTouches::CSetPlayTouches(CBehaviours &brain)
    : m_Brain(brain), m_SetPlayTouch(brain.m_SetPlayTouch)
{
}

// The agent took the last set play and nobody else may have played the
// ball since: touching it again would be a fault.
bool CSetPlayTouches::TouchedLastInSetPlay() const
{
  return m_SetPlayTouch.took_kick &&
         m_Brain.GetTime() - m_SetPlayTouch.kick_sent < kSetPlayBarLapse;
}

// A kick of ours in our set play at that cycle, by whichever road it was
// seen: a kick seen by both is one.
void CSetPlayTouches::NoteSetPlayKick(int cycle)
{
  m_SetPlayTouch.kick_sent = std::max(m_SetPlayTouch.kick_sent, cycle);
}

bool CSetPlayTouches::BallRunChangedNow(CVector &at) const
{
  if (m_SetPlayTouch.run_changed_time != m_Brain.GetTime())
    return false;
  at = m_SetPlayTouch.run_changed_at;
  return true;
}

// However the kick of a set play of ours was made (a plan, the taker's rule),
// the kicker is known by the kick he sent in it and the play going on after
// it; a new call of the referee or another player's touch frees him again.
void CSetPlayTouches::NoteSetPlayTouches()
{
  const int now = m_Brain.GetTime();
  // Once a cycle, whichever pass asks first: the ball's velocity of the
  // cycle before is kept here.
  if (m_SetPlayTouch.note_time == now)
    return;
  const PlayMode current = m_Brain.CurrentPlayMode();
  const CBall *ball = m_Brain.M2BReadBall();
  const bool seen = m_Brain.BallPositionValid() && ball->GetTime() == now &&
                    ball->GetVelocityValid();
  const CVector vel = seen ? ball->GetVelocity() : CVector(0, 0);
  // The ball's run is compared with its last sighting's, however many
  // cycles back, rolled on under the decay: the kick-off's taker runs up
  // facing away, and saw the ball again only as the return pass came to
  // him; compared only with a sighting of the cycle before, the pass was
  // not noted as a touch, and he let it roll by (seen in matches, in four
  // halves of twenty, taken by their forward). The earlier sighting must
  // show the run his kick gave: one of the ball lying for the kick makes
  // the kick itself look like another's touch.
  const int runGap = now - m_SetPlayTouch.note_vel_time;
  const bool runBefore = seen && m_SetPlayTouch.note_vel_time > m_SetPlayTouch.kick_sent &&
                         runGap >= 1 && runGap <= kMostCyclesBetweenRuns;
  const CVector runWas =
      m_SetPlayTouch.note_vel * static_cast<float>(std::pow(m_Brain.m_BallDecay, runGap - 1));
  const bool runChanged = (vel - runWas * m_Brain.m_BallDecay).GetMag() > kTouchVelChange;
  const CVector posWas = m_SetPlayTouch.note_pos;
  if (seen)
  {
    m_SetPlayTouch.note_vel_time = now;
    m_SetPlayTouch.note_vel = vel;
    m_SetPlayTouch.note_pos = ball->GetGPos();
  }
  if (seen && runGap == 1 && runChanged)
  {
    m_SetPlayTouch.run_changed_time = now;
    m_SetPlayTouch.run_changed_at = posWas;
  }
  // The bundle that went holds the kick even when the pass that queued it
  // was not noted here; the gate noted those it let through. Either way it
  // is the one kick of that cycle.
  if (m_Brain.m_LastQueue.time == now - 1 && m_Brain.m_LastQueue.command == CMD_KICK &&
      m_SetPlayTouch.note_time == now - 1 && m_Brain.IsOurMode(m_SetPlayTouch.note_mode) &&
      m_SetPlayTouch.note_mode != PM_PLAY_ON)
    NoteSetPlayKick(now - 1);
  m_SetPlayTouch.note_time = now;
  m_SetPlayTouch.note_mode = current;
  if (current != PM_PLAY_ON)
  {
    // Our goal kick stays called until the ball has left our area: the
    // kick sent in it bars the taker already (seen in matches: the
    // goalkeeper ran 3-5 m after his own goal kick towards the wing, and a
    // shot went into the goal he had left). A ball seen lying still again
    // did not go: he may take the kick again. A kick sent in the cycle of
    // the call belongs to the set play before it.
    const bool rests = seen && vel.GetMag() < kBallAtRest;
    m_SetPlayTouch.took_kick = m_Brain.IsOurMode(current) &&
                               m_SetPlayTouch.kick_sent > m_Brain.P2BReadPlayModeTime(true) && !rests;
    if (m_SetPlayTouch.took_kick)
      m_SetPlayTouch.bar_raised = m_SetPlayTouch.kick_sent;
    return;
  }
  // The call that ends our set play may be heard a cycle or two after the
  // kick, and meanwhile the taker may have stepped after the ball. The bar
  // goes up once a kick: a touch that freed him is not undone.
  if (now - m_SetPlayTouch.kick_sent <= kSetPlayCallLag &&
      m_SetPlayTouch.bar_raised != m_SetPlayTouch.kick_sent)
  {
    m_SetPlayTouch.bar_raised = m_SetPlayTouch.kick_sent;
    m_SetPlayTouch.took_kick = true;
    // A kick laid over several cycles would touch the ball again.
    m_Brain.m_Kicking.plan = KICKPLAN();
    m_Brain.m_KickUnderWayTime = -999;
    return;
  }
  if (!m_SetPlayTouch.took_kick || !m_Brain.BallPositionValid())
    return;
  const CVector at = ball->GetGPos();
  const float reach = m_Brain.m_Kickable + m_Brain.m_PlayerSize;
  const float mine = m_Brain.GetGPos().dist(at);
  const CPlayer *mate = m_Brain.GetClosestValidFriend2Ball(0);
  const CPlayer *foe = m_Brain.GetClosestValidFoe2Ball(0);
  const float other = std::fmin(mate ? mate->GetGPos().dist(at) : 999.0f,
                                foe ? foe->GetGPos().dist(at) : 999.0f);
  // Another at the ball plays it, unless it is still at my feet and he
  // only stands near.
  const bool otherAtBall = other < reach && !(mine < m_Brain.m_Kickable && mine <= other);
  // A ball bouncing off me changes its run as well, and that is no one
  // else's touch.
  const bool turned = runBefore && mine > reach && runChanged;
  if (otherAtBall || turned)
    m_SetPlayTouch.took_kick = false;
}
