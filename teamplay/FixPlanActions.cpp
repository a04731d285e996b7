// What each action of a set play does: the table of action codes and the
// functions its rows name.

#include "CBall.h"
#include "CBehaviours.h"
#include "CFixPlanRunner.h"
#include "FixPlanCodes.h"

namespace
{
// Their third: the set plays there are crosses and shots, the plan's own.
const float kTheirThird = 35;
}

const CFixPlanRunner::ACTIONROW CFixPlanRunner::kActionRows[] = {
    // code, who runs it, touches the ball, goes when late,
    // run, outcome, wait, point
    {FPA_NONE, RUNNER_ANYONE, false, false, nullptr, &CFixPlanRunner::LastsWhileTriggersHold,
     nullptr, nullptr},
    {FPA_KICK, RUNNER_ANYONE, true, true, &CFixPlanRunner::KickInFixPlan,
     &CFixPlanRunner::KickOutcome, &CFixPlanRunner::WaitForTheKick, nullptr},
    {FPA_GO_TO_POINT, RUNNER_POINT, false, false, &CFixPlanRunner::GoToPoint,
     &CFixPlanRunner::LastsWhileTriggersHold, nullptr, &CFixPlanRunner::ActionPlace},
    {FPA_WAIT, RUNNER_ANYONE, false, false, &CFixPlanRunner::WaitAndWatch,
     &CFixPlanRunner::WaitOutcome, nullptr, nullptr},
    {FPA_GO_TO_BALL, RUNNER_TAKER, false, false, &CFixPlanRunner::GoToBall,
     &CFixPlanRunner::GoToBallOutcome, nullptr, nullptr},
    {FPA_GO_TO_POSITIONER, RUNNER_POINT, false, false, &CFixPlanRunner::GoToPoint,
     &CFixPlanRunner::LastsWhileTriggersHold, nullptr, &CFixPlanRunner::ActionPositionerPoint},
    {FPA_HOLD_BALL, RUNNER_ANYONE, true, false, &CFixPlanRunner::HoldTheBall,
     &CFixPlanRunner::LastsWhileTriggersHold, nullptr, nullptr},
    {FPA_DRIBBLE, RUNNER_ANYONE, true, false, &CFixPlanRunner::DribbleThere,
     &CFixPlanRunner::DribbleOutcome, nullptr, nullptr},
};

const CFixPlanRunner::ACTIONROW *CFixPlanRunner::ActionRow(int code)
{
  for (const ACTIONROW &row : kActionRows)
    if (row.code == code)
      return &row;
  return nullptr;
}

// The plans' check at start-up knows the codes the table has rows for.
bool IsFixPlanAction(int code)
{
  return CFixPlanRunner::ActionRow(code) != nullptr;
}

int CFixPlanRunner::ExecuteFixPlan()
{
  if (!AmIInThePlan())
    return 0;
  const FIXPLANACTION &action =
      m_Brain.m_FixPlans[m_Brain.m_CurrentFixPlan].actions[m_Brain.m_FixPlanProgress];
  if (!m_Run.action_started)
    return WaitInFixPlan(action);
  return RunFixPlanAction(action);
}

// Waiting for an action's triggers, at a set play of ours: the agent keeps
// its place watching the ball, a taker at the ball.
int CFixPlanRunner::WaitInFixPlan(const FIXPLANACTION &action)
{
  if (!IsSetPlayOurs())
    return 0;
  const ACTIONROW *row = ActionRow(action.type);
  if (row && row->wait)
    (this->*row->wait)(action);
  else
    WatchBall();
  return KeepFixPlanCycle();
}

// The taker steps up to the ball, then looks about for the team-mates the
// kick waits for.
void CFixPlanRunner::WaitForTheKick(const FIXPLANACTION &action)
{
  if (!m_Brain.BallRemembered())
    WatchBall();
  else if (!m_Brain.BallKickableForPlayer(nullptr, m_Brain.m_KickableBuffer))
  {
    const float power = m_Brain.CorrectDashPower4Stamina(static_cast<float>(action.dash_power));
    if (m_Brain.MoveToPos(m_Brain.M2BReadBall()->GetGPos(), m_Brain.m_Kickable / 2, power,
                          DODGE_ALL) == 0)
      WatchBall();
  }
  else if (m_Brain.GetHaveVisualForThisAngle())
    m_Brain.ScanFieldWithBody();
}

// Faces the ball, or looks for it once the last turn has been seen; never
// defers a turn, which would come on top of the cycle's main command.
void CFixPlanRunner::WatchBall()
{
  if (m_Brain.BallPositionValid())
    m_Brain.FaceNeckAndBody2Ball();
  else if (m_Brain.GetHaveVisualForThisAngle())
    m_Brain.ScanFieldWithBody();
}

int CFixPlanRunner::RunFixPlanAction(const FIXPLANACTION &action)
{
  const ACTIONROW *row = ActionRow(action.type);
  if (!row)
    return 0;
  // Having taken the set play, the kicker leaves the ball to another.
  if (row->touches && m_Brain.TouchedLastInSetPlay())
  {
    WatchBall();
    return KeepFixPlanCycle();
  }
  return row->run ? (this->*row->run)(action) : 0;
}

int CFixPlanRunner::GoToBall(const FIXPLANACTION &action)
{
  if (!m_Brain.BallRemembered())
  {
    WatchBall();
    return KeepFixPlanCycle();
  }
  const float power = m_Brain.CorrectDashPower4Stamina(static_cast<float>(action.dash_power));
  // Close enough that the last step leaves the ball at the feet.
  if (m_Brain.MoveToPos(m_Brain.M2BReadBall()->GetGPos(), m_Brain.m_Kickable / 2, power,
                        DODGE_ALL) == 0)
    WatchBall();
  return KeepFixPlanCycle();
}

int CFixPlanRunner::GoToPoint(const FIXPLANACTION &action)
{
  const float power = m_Brain.CorrectDashPower4Stamina(static_cast<float>(action.dash_power));
  const CVector point = ActionPoint(action);
  if (m_Brain.MoveToPos(point, m_Brain.m_MinDistToPoint, power, DODGE_ALL) == 0)
    WatchBall();
  return KeepFixPlanCycle();
}

int CFixPlanRunner::WaitAndWatch(const FIXPLANACTION &)
{
  WatchBall();
  return KeepFixPlanCycle();
}

int CFixPlanRunner::HoldTheBall(const FIXPLANACTION &)
{
  m_Brain.HoldBall();
  return KeepFixPlanCycle();
}

int CFixPlanRunner::DribbleThere(const FIXPLANACTION &action)
{
  m_Brain.CleverDribbleTo(FixPlanPoint(action.pos, action.coord_type), action.kick_power,
                          m_Brain.m_MinDistToPoint);
  return m_Brain.MainCommandQueued() ? 1 : 0;
}

// The point a point's runner goes to, as its row says; an action of
// another kind has its own pos.
CVector CFixPlanRunner::ActionPoint(const FIXPLANACTION &action)
{
  const ACTIONROW *row = ActionRow(action.type);
  return row && row->point ? (this->*row->point)(action) : ActionPlace(action);
}

CVector CFixPlanRunner::ActionPlace(const FIXPLANACTION &action)
{
  return FixPlanPoint(action.pos, action.coord_type);
}

// The handle is copied: asking a positioner for its point may build it.
CVector CFixPlanRunner::ActionPositionerPoint(const FIXPLANACTION &action)
{
  ZPPositionerID positioner = action.mcpos;
  return positioner.GetPosition();
}

// ------------------------------------------------------------ outcomes

int CFixPlanRunner::GoToBallOutcome(const FIXPLANACTION &, bool holds)
{
  // Well inside the reach, so that the ball stays kickable while the kick
  // waits for its receivers.
  const bool kickable = m_Brain.BallPositionValid() && m_Brain.BallKickableForPlayer(nullptr, 0);
  if (kickable && m_Brain.BallKickableForPlayer(nullptr, m_Brain.m_KickableBuffer))
    return OUTCOME_DONE;
  return holds ? OUTCOME_RUNNING : OUTCOME_FAILED;
}

int CFixPlanRunner::KickOutcome(const FIXPLANACTION &, bool)
{
  // The set play's kick is one touch: the ball still at the feet after it
  // is for another to play.
  const bool kickable = m_Brain.BallPositionValid() && m_Brain.BallKickableForPlayer(nullptr, 0);
  if (kickable && !m_Brain.TouchedLastInSetPlay())
    return OUTCOME_RUNNING;
  return m_Run.kicked ? OUTCOME_DONE : OUTCOME_FAILED;
}

int CFixPlanRunner::WaitOutcome(const FIXPLANACTION &action, bool holds)
{
  return holds && m_Brain.GetTime() - m_Run.action_since < action.wait_time ? OUTCOME_RUNNING
                                                                             : OUTCOME_DONE;
}

int CFixPlanRunner::DribbleOutcome(const FIXPLANACTION &action, bool holds)
{
  if (m_Brain.AtPos(FixPlanPoint(action.pos, action.coord_type)))
    return OUTCOME_DONE;
  return holds ? OUTCOME_RUNNING : OUTCOME_DONE;
}

int CFixPlanRunner::LastsWhileTriggersHold(const FIXPLANACTION &, bool holds)
{
  return holds ? OUTCOME_RUNNING : OUTCOME_DONE;
}

// ------------------------------------------------------------ the kick

// The target is the team-mate in the action's box, or the box's centre, or
// its point; kick_power is the speed the ball should still have there.
int CFixPlanRunner::KickInFixPlan(const FIXPLANACTION &action)
{
  if (!m_Brain.BallPositionValid() || !m_Brain.BallKickableForPlayer(nullptr, 0))
    return 0;
  const CBall *ball = m_Brain.M2BReadBall();
  const FIXPLANREGION region = FixPlanRegion(action.area, action.mcarea, action.coord_type);
  const CPlayer *receiver = SetPlayReceiver(FixPlanMate(region, action.player));
  CVector target = FixPlanPoint(action.pos, action.coord_type);
  if (receiver)
    target = receiver->GetGPos();
  else if (region.given)
    target = region.centre;
  else if (action.pos.GetX() == -999)
    // Nothing names a target: forward along the pitch.
    target = ball->GetGPos() + CVector(20, 0);
  float arrival = action.kick_power;
  if (arrival < m_Brain.m_MinPassSpeedAtTarget)
    arrival = m_Brain.m_MinPassSpeedAtTarget;
  if (arrival > m_Brain.m_BallSpeedMax)
    arrival = m_Brain.m_BallSpeedMax;
  // A team-mate is passed the ball at a pace he can take.
  if (receiver && arrival > m_Brain.m_MaxPassSpeedAtTarget)
    arrival = m_Brain.m_MaxPassSpeedAtTarget;
  float speed = m_Brain.Point2KickVelocity(target, arrival);
  if (speed > m_Brain.m_BallSpeedMax)
    speed = m_Brain.m_BallSpeedMax;
  const float dir = (target - ball->GetGPos()).GetDir();
  if (action.kick_type == FPK_PASS && receiver)
    m_Brain.PassBall(receiver, arrival);
  else
  {
    // Whatever the kick, one to the action's team-mate is his pass.
    const int kicked = action.kick_type == FPK_SMART
                           ? m_Brain.SmartKickAbs(dir, m_Brain.BestModeAbs(dir), speed, ROTDIR_AWAY)
                           : m_Brain.KickBall(target, speed);
    m_Brain.AnnouncePass(receiver, target, kicked);
  }
  if (m_Brain.QueuedMainCommand() == CMD_KICK)
    m_Run.kicked = true;
  return KeepFixPlanCycle();
}

// Outside their third the plan's team-mate gets the ball only when the one
// chooser calls the pass safe; otherwise a free team-mate it chooses does,
// and with nobody free the plan's place. The plans' kicks to a team-mate
// marked or beyond an opponent were lost: the plan knows where, not who
// is free.
const CPlayer *CFixPlanRunner::SetPlayReceiver(const CPlayer *planned)
{
  const CBall *ball = m_Brain.M2BReadBall();
  const CVector from = ball->GetGPos();
  if (from.GetX() > m_Brain.m_PitchLength / 2 - kTheirThird)
    return planned;
  if (planned && planned->GetUNum() >= 1 && planned->GetUNum() <= 11)
  {
    m_Brain.AssessReceivers();
    const RECEIVERINFO &info = m_Brain.m_Passing.receivers[planned->GetUNum() - 1];
    const float threshold =
        from.GetX() < -m_Brain.m_DefenseZone ? m_Brain.m_DefPassRiskThreshold : m_Brain.m_PassRiskThreshold;
    if (info.valid && info.risk < threshold)
      return planned;
  }
  if (const CPlayer *free =
          m_Brain.PassTarget(m_Brain.m_FieldRules.SetPlayPassLimits(m_Brain.m_PassOpponentBuffer)))
    return free;
  return nullptr;
}

// A plan that holds the agent where it is still sends a main command, so
// that the caller does not take the cycle over with its own rules: a dash
// of nothing keeps the place.
int CFixPlanRunner::KeepFixPlanCycle()
{
  if (!m_Brain.MainCommandQueued())
    m_Brain.TouchGate(CMD_DASH, 0);
  return 1;
}
