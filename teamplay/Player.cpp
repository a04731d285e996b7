// Team play of the field players: the situation read once at the start of
// every pass (strategy, the game's state, the agent's own state), and the
// three play functions as ordered lists of rules. The first rule that fills
// the cycle's main command ends the list; the last always fills it.

#include <cmath>

#include "CBall.h"
#include "CBehaviours.h"

namespace
{
// The formations by how the match stands: attacking with three at the
// back, the usual four-three-three, defending with five at the back.
const Formation kAttacking = -1;
const Formation kUsual = 0;
const Formation kDefending = 1;
// The share of the half that must be left for the score to change the
// formation.
const float kLateInHalf = 1.0f / 3;
// Facing the ball this nearly is facing it: what is seen of the body's
// direction wavers by a few degrees.
const float kFacingSlack = 20;
// A player who supports or covers near the ball keeps at it until the
// ball is this much further than the support distance, so that he does
// not switch between two places at its edge.
const float kSupportHysteresis = 4;
// A dash above this power leaves the agent's place in doubt by more than
// the ball's.
const float kHardDash = 30;
// How long a pass at the ball waits for the cycle's visual: with the narrow
// view kept at the ball one comes within this in every cycle, and the
// commands still leave well inside it.
const int kSightAtBallWaitMs = 45;
// How far a moving ball's reckoning may stray, as a share of its speed.
const float kFastBallStray = 0.25f;
}

CFieldRules::CFieldRules(CBehaviours &brain) : m_Brain(brain)
{
}

// The referee's calls after which a player has nothing more to do in this
// process: it is started again for the next half.
bool CBehaviours::IsHalfOver(PlayMode previous, PlayMode current) const
{
  switch (current)
  {
    case PM_HALF_TIME:
    case PM_TIME_OVER:
    case PM_TIME_UP_WITHOUT_A_TEAM:
    case PM_TIME_EXTENDED:
      return true;
    case PM_BEFORE_KICK_OFF:
      return previous != PM_BEFORE_KICK_OFF;
    default:
      return false;
  }
}

// ------------------------------------------------------------- strategy

void CBehaviours::AdjustStrategy()
{
  const int now = GetTime();
  const int diff = GetScoreDiff();

  // Late in the half a trailing side throws a defender forward and a
  // leading one pulls a forward back.
  Formation formation = kUsual;
  if (m_HalfTimeCycles > 0)
  {
    const int intoHalf = now % m_HalfTimeCycles;
    const bool late = m_HalfTimeCycles - intoHalf < m_HalfTimeCycles * kLateInHalf;
    if (late && diff < 0)
      formation = kAttacking;
    else if (late && diff > 0)
      formation = kDefending;
  }
  SetFormationID(formation);

  // After a set play a tired player may walk for these cycles: not at all
  // when we trail, longer when we lead.
  if (diff < 0)
    m_RechargeCycles = 0;
  else if (diff == 0)
    m_RechargeCycles = m_MinRechargeCycles;
  else
    m_RechargeCycles = m_MaxRechargeCycles;
  SetRole();

  // Waiting for a visual at every pass would cost the cycles that have
  // none (at normal view one in three): the pass waits only when what it
  // knows is older than the last cycle, as when the visuals have stopped.
  if (m_Wait4VisualBeforeActing && GetLastVisualTime() < now - 1)
    Wait4NewVisual();
  else if (m_FieldRules.AwaitSightAtTheBall())
    Wait4NewVisual(kSightAtBallWaitMs);
}

// --------------------------------------------------------------- states

void CBehaviours::DetermineEnvState(PlayMode previous, PlayMode current)
{
  m_PreviousMode = previous;
  m_CurrentMode = current;
  LockPlayMode();
  m_ModeStartTime = P2BReadPlayModeTime(true);
  UnlockPlayMode();

  EnvState state;
  if (IsHalfOver(previous, current))
    state = ENV_HALF_OVER;
  else if (current == PM_BEFORE_KICK_OFF || current == PM_GOAL || current == -PM_GOAL)
    state = ENV_BEFORE_KICK_OFF;
  else if (IsOurMode(current))
    state = ENV_OUR_SET_PLAY;
  else if (IsTheirMode(current))
    state = ENV_THEIR_SET_PLAY;
  else
  {
    bool near = false;
    state = IsOurPossession(near) ? ENV_OUR_BALL : ENV_THEIR_BALL;
    m_PossessionNear = near;
  }
  SetEnvState(state);
}

void CBehaviours::DetermineActionState()
{
  const int now = GetTime();
  const EnvState env = GetEnvState();
  const CBall *ball = M2BReadBall();
  const bool ballKnown = BallPositionValid();
  NoteSetPlayTouches();
  NotePassEnd();
  const bool rest = Recharge();

  ActionState state = AS_NONE;
  if (env == ENV_HALF_OVER || env == ENV_BEFORE_KICK_OFF)
    state = AS_NONE;
  // The goalkeeper's own rules decide the rest; a plan of his (our goal
  // kick) gets the ball moving on time by itself.
  else if (GetRole() == ROLE_GOALKEEPER)
    state = AmIInThePlan() ? AS_FIX_PLAN : AS_NONE;
  // A plan that has not got the ball moving after this long is given up,
  // and the set play goes to its nearest taker. In play a plan waits on
  // while the ball is theirs: its runner defends (seen in matches: after
  // our goal kick the runners stood at their points for 30 cycles and more
  // while the opponents scored).
  else if (!(env == ENV_OUR_SET_PLAY && now - m_ModeStartTime > m_FixedPlanMaxWaitTime) &&
           AmIInThePlan() && env != ENV_THEIR_BALL)
    state = AS_FIX_PLAN;
  else if (env == ENV_OUR_SET_PLAY)
    state = AmISetPlayTaker() ? AS_TAKE_SET_PLAY : AS_OFFENSE_POSITION;
  else if (env == ENV_THEIR_SET_PLAY)
    state = ballKnown && GetGPos().dist(ball->GetGPos()) < m_FreeKickBuffer + 1 ? AS_KEEP_CLEAR
                                                                                : AS_DEFENSE_POSITION;
  // A ball seen in the last cycle or this one is where it was reckoned to
  // go, one seen before only roughly: at the edge of reach either may be
  // out of it, and the server drops the kick. A ball surely in reach that
  // rolls out of it by the next cycle is played now, without that doubt:
  // waiting for a sighting lost it (seen in matches: a pass rolling 1.3 m
  // a cycle reckoned 0.75 m off after a hard dash; the receiver turned
  // after it, and their player took it).
  // With one of theirs at it the ball is played on the reckoning alone:
  // he does not wait for our sighting.
  else if ((BallKickableForPlayer(nullptr, m_FieldRules.ReachDoubt()) ||
            (BallSurelyInReach() &&
             (!BallWillBeKickable(1, 0, 0) || m_FieldRules.ShootFirstTime())) ||
            ContestedBallInReach()) &&
           !TouchedLastInSetPlay())
    state = AS_WITH_BALL;
  else if (AmIPressingTheirBall())
    state = AS_DEFENSE_ACTIVE;
  else if (m_FieldRules.AmIFastestToBall())
    state = AS_CHASE_BALL;
  else
    state = m_FieldRules.StateOffTheBall(rest);
  SetActionState(state);
}

ActionState CFieldRules::StateOffTheBall(bool rest)
{
  if (rest)
  {
    m_Brain.m_Recharging = true;
    return AS_RECHARGE;
  }
  const CBall *ball = m_Brain.M2BReadBall();
  const bool ballKnown = m_Brain.BallPositionValid();
  if (m_Brain.GetEnvState() == ENV_OUR_BALL)
  {
    const float reach = m_Brain.m_MaxSupportDist +
                        (m_Brain.m_ActionState == AS_OFFENSE_SUPPORT ? kSupportHysteresis : 0);
    const bool close = ballKnown && m_Brain.GetGPos().dist(ball->GetGPos()) < reach;
    return close ? AS_OFFENSE_SUPPORT : AS_OFFENSE_POSITION;
  }
  // With all out on the flanks the forwards never come back to defend.
  const bool forwardStaysUp = m_Brain.m_AllOutFlank && m_Brain.GetRole() == ROLE_FORWARD;
  const float dist = ballKnown ? m_Brain.GetGPos().dist(ball->GetGPos()) : 999.0f;
  if (forwardStaysUp)
    return AS_OFFENSE_POSITION;
  if (dist < m_Brain.m_MaxSupportDist +
                 (m_Brain.m_ActionState == AS_DEFENSE_SUPPORT ? kSupportHysteresis : 0) &&
      m_Brain.GetRole() != ROLE_FORWARD)
    return AS_DEFENSE_SUPPORT;
  return AS_DEFENSE_POSITION;
}

// How far inside the kickable distance the ball must be reckoned for the
// agent to be sure of it: more for a ball not seen lately, more after a
// hard dash.
float CFieldRules::ReachDoubt()
{
  const CBall *ball = m_Brain.M2BReadBall();
  const int now = m_Brain.GetTime();
  float doubt = ball && ball->GetTime() >= now - 1 ? m_Brain.m_KickableBuffer / 2
                                                   : 2 * m_Brain.m_KickableBuffer;
  // The server's dash carries noise, and the last one is only reckoned:
  // after a hard dash the agent may stand short of where it thinks. A
  // sighting of this cycle shows the ball from where he stands after it
  // (seen in matches: at 0.8-0.95 m after a dash the agent turned instead
  // of kicking, and the ball rolled on to their player).
  const bool seenNow = ball && ball->GetTime() >= now && ball->GetHeardTime() != ball->GetTime();
  const ACTIONQUEUE last = m_Brain.GetLastQueue();
  if (!seenNow && last.command == CMD_DASH && last.time == now - 1 && last.power > kHardDash)
    doubt += m_Brain.m_KickableBuffer;
  return doubt;
}

// A ball rolling in, surely in reach though not yet near enough to be
// sure of it by the reckoning alone, is shot as it comes when a shot is
// on: waited for, a ball 0.7 m off 16 m out struck the receiver's body,
// and lay three cycles at his feet before the shot went.
bool CFieldRules::ShootFirstTime()
{
  return m_Brain.CurrentPlayMode() == PM_PLAY_ON && m_Brain.GetRole() != ROLE_GOALKEEPER &&
         m_Brain.m_BallChoices.ShotIsOn();
}

// Only this cycle's visual settles a ball at the edge of reach, and one
// another player may have played since the last: a kick on the reckoning
// goes to a ball that is not there, and the server refuses it.
bool CFieldRules::AwaitSightAtTheBall()
{
  const int now = m_Brain.GetTime();
  if (!m_Brain.m_Wait4VisualBeforeActing || m_Brain.GetLastVisualTime() >= now ||
      m_Brain.CurrentPlayMode() != PM_PLAY_ON || m_Brain.GetRole() == ROLE_GOALKEEPER ||
      !m_Brain.BallPositionValid())
    return false;
  // A fast ball's reckoning strays with its speed: one reckoned just beyond
  // reach may be in it (seen in matches: a pass from them came within
  // 0.7-0.95 m of our chaser, who turned after it as it went by).
  const CBall *ball = m_Brain.M2BReadBall();
  const float stray = ball->GetVelocity().GetMag() * kFastBallStray;
  if (!m_Brain.BallKickableForPlayer(nullptr, -stray))
    return false;
  if (!m_Brain.BallKickableForPlayer(nullptr, ReachDoubt()))
    return true;
  for (const CPlayer *other : {m_Brain.GetClosestValidFriend2Ball(0), m_Brain.GetClosestValidFoe2Ball(0)})
    if (other && other->GetGPos().dist(ball->GetGPos()) < m_Brain.m_Kickable)
      return true;
  return false;
}

// Too little stamina left for a full dash above the effort threshold.
bool CBehaviours::AmITired() const
{
  return GetSB().stamina - m_MaxPower < m_EffortDecThr + m_TiredBuffer;
}

// ------------------------------------------------------ play functions

void CBehaviours::PlayAsDefender(PlayMode previous, PlayMode current)
{
  m_FieldRules.PlayInRole(previous, current, [this] {
    return DefenseActive() || m_FieldRules.RechargeIfTired() || DefenseSupport() ||
           DefensePosition() || OffenseSupport() || OffensePosition();
  });
}

void CBehaviours::PlayAsMidfielder(PlayMode previous, PlayMode current)
{
  m_FieldRules.PlayInRole(previous, current, [this] {
    return DefenseActive() || m_FieldRules.RechargeIfTired() || OffenseSupport() ||
           DefenseSupport() || OffensePosition() || DefensePosition();
  });
}

void CBehaviours::PlayAsForward(PlayMode previous, PlayMode current)
{
  m_FieldRules.PlayInRole(previous, current, [this] {
    return m_FieldRules.RechargeIfTired() || OffenseSupport() || OffensePosition() ||
           DefenseActive() || DefensePosition();
  });
}

// The roles differ only in the order of the rules after the ones everyone
// takes first.
void CFieldRules::PlayInRole(PlayMode previous, PlayMode current,
                             const std::function<bool()> &roleRules)
{
  if (SayByeAtHalfEnd(previous, current))
    return;
  TakeKickOffPlace(current) || RunMyFixPlan() || TakeOurSetPlay() || KeepClearOfTheirKick() ||
      PlayTheBall() || m_Brain.WatchPass() || m_Brain.TackleTheirBall() || m_Brain.ChaseBall() ||
      roleRules() || StandReady();
  LookAbout();
  m_Brain.Communicate();
  m_Brain.ClaimCycle();
}

// ------------------------------------------------------ the shared rules

int CFieldRules::SayByeAtHalfEnd(PlayMode previous, PlayMode current)
{
  if (!m_Brain.IsHalfOver(previous, current))
    return 0;
  m_Brain.SayBye();
  return 1;
}

bool CBehaviours::ClockStandsAfterBundle(PlayMode previous, PlayMode current) const
{
  // While the referee stops the clock the server's cycle does not change,
  // and a bundle for it has gone already: another would pile the cycle's
  // commands up past what the agent may send. Before kick-off the player
  // may still be placed, and the half's end is always answered.
  return m_LastActionsSentTime == GetTime() && current != PM_BEFORE_KICK_OFF &&
         !IsHalfOver(previous, current);
}

int CFieldRules::RunMyFixPlan()
{
  if (m_Brain.GetActionState() != AS_FIX_PLAN)
    return 0;
  // In play, with the ball at his feet in their third, a shot that is on,
  // and else a ball into their area that a team-mate is first to, beat the
  // plan's dribble to their corner and its hold there: of those plans in
  // matches, hardly one in ten got as far as the ball played in, and a
  // runner 16 m out with the goal open held the ball for the plan.
  if (m_Brain.m_CurrentMode == PM_PLAY_ON && m_Brain.BallKickableForPlayer(nullptr, 0) &&
      m_Brain.GetGPos().GetX() > m_Brain.m_DefenseZone &&
      (m_Brain.m_BallChoices.TakeTheShotThatIsOn() || m_Brain.m_BallChoices.CrossToAMateFirst()))
    return 1;
  m_Brain.ExecuteFixPlan();
  return m_Brain.MainCommandQueued() ? 1 : 0;
}

int CFieldRules::PlayTheBall()
{
  if (m_Brain.GetActionState() != AS_WITH_BALL)
    return 0;
  const int now = m_Brain.GetTime();
  m_Brain.m_BallPlay = BP_NONE;
  int done = 0;
  // A kick laid over several cycles is finished before anything else is
  // thought of: choosing again would waste the kicks made.
  if (m_Brain.m_KickUnderWayTime == now - 1)
    done = m_Brain.Chose(BP_CARRY_ON, m_Brain.SmartKickAbs());
  if (!done)
    done = m_Brain.m_BallChoices.PlayOnFromTheKickOff();
  const float x = m_Brain.GetGPos().GetX();
  if (!done)
    done = x < -m_Brain.m_DefenseZone  ? m_Brain.DEFZWithBall()
           : x > m_Brain.m_DefenseZone ? m_Brain.FWZWithBall()
                                       : m_Brain.MIDZWithBall();
  // Whatever the skills could not do, the ball goes towards their goal.
  if (!done)
    done = m_Brain.Chose(
        BP_KICK_AHEAD, m_Brain.m_BallChoices.KickOnceTowards(CVector(m_Brain.m_PitchLength / 2, 0),
                                                             2 * m_Brain.m_BallSpeedMax));
  m_Brain.m_KickUnderWayTime = m_Brain.KickPlanRunning() ? now : -999;
  return done;
}

int CBehaviours::Chose(BallPlay play, int done)
{
  // A play that queued no main command (a hold that only looks) is no
  // play: the next one is tried.
  if (!done || !MainCommandQueued())
    return 0;
  m_BallPlay = play;
  return 1;
}

// What the last pass did with the ball.
BallPlay CBehaviours::GetBallPlay() const
{
  return m_BallPlay;
}

int CFieldRules::RechargeIfTired()
{
  if (m_Brain.GetActionState() != AS_RECHARGE)
    return 0;
  // Stamina comes back fastest standing; the walk to the place is slow.
  if (m_Brain.GoToPlace(m_Brain.m_Positioner.GetPosition(),
                        m_Brain.CorrectDashPower4Stamina(m_Brain.m_PosSlowPower)))
    return 1;
  return StandReady();
}

// Whether the agent would rest in this cycle: a rest under way goes on
// until stamina is high again (or play goes back to before kick-off), and
// its end bars the next one for no_recharge_period cycles; a new one may
// start once stamina runs low. The resting itself, a slow walk to the
// place, is RechargeIfTired's.
bool CBehaviours::Recharge()
{
  const float stamina = GetSB().stamina;
  // A rest runs until stamina is high again; its end bars the next rest
  // for a while, so that a player is not always resting.
  if (m_Recharging && (stamina >= m_HighStamina || GetEnvState() == ENV_BEFORE_KICK_OFF))
  {
    m_Recharging = false;
    m_RechargeAllowedTime = GetTime() + m_NoRechargePeriod;
  }
  return m_Recharging || ((stamina < m_LowStamina || AmITired()) && CanIRecharge());
}

int CFieldRules::StandReady()
{
  // Face the ball where it will be, ready for it; a player already facing
  // it sends a dash without power, which keeps its place and stamina.
  if (m_Brain.BallPositionValid() &&
      std::fabs(m_Brain.AngleToFromBody(m_Brain.BallPredPos(1))) > kFacingSlack &&
      m_Brain.FaceOnlyBody2Point(m_Brain.BallPredPos(1)))
    return 1;
  m_Brain.TouchGate(CMD_DASH, 0);
  return 1;
}

// --------------------------------------------------------- the states' get and set

EnvState CBehaviours::GetEnvState() const
{
  return m_EnvState;
}

void CBehaviours::SetEnvState(EnvState state)
{
  m_EnvState = state;
}

ActionState CBehaviours::GetActionState() const
{
  return m_ActionState;
}

void CBehaviours::SetActionState(ActionState state)
{
  m_ActionState = state;
}

void CBehaviours::ClaimCycle()
{
  // The bundle belongs to this cycle even when it holds nothing to send,
  // so that the main loop waits for the next cycle instead of deciding
  // again at once.
  const int now = GetTime();
  QueueLock();
  m_Queue.time = now;
  QueueUnlock();
}

// The cycles after a set play in which a tired player walks to his place.
int CBehaviours::GetRechargeCycles() const
{
  return m_RechargeCycles;
}
