// Running the set plays of the configuration: which plan is this agent's,
// stepping through its actions as their triggers hold, and ending it when
// it is done, aborted, out of time or waiting too long.
//
// Each cycle AmIInThePlan looks first (once): a running plan moves on or
// ends; with none running the first plan that may be chosen starts. Then
// ExecuteFixPlan queues what the current action does. A plan that ended
// waits for the referee's next call before it runs again, so that a set play
// left to the agent's own rules is not taken back by the same plan.

#include <cmath>
#include <iostream>

#include "CBall.h"
#include "CBehaviours.h"
#include "FixPlanCodes.h"
#include "PlayerInterface.h"

namespace
{
// What an action has come to this cycle.
enum : int
{
  OUTCOME_RUNNING,
  OUTCOME_DONE,
  OUTCOME_FAILED
};

// Plans whose first action walks to a point: without a named player, the
// team shares these points out by home position.
bool GoesToAPoint(int type)
{
  return type == FPA_GO_TO_POINT || type == FPA_GO_TO_POSITIONER;
}

// The handle is copied: asking a positioner for its point may build it.
CVector PositionerPoint(ZPPositionerID positioner)
{
  return positioner.GetPosition();
}

bool IsPlayOnAfter(int mode, int previous, int since, int now, int wanted, int window)
{
  return mode == PM_PLAY_ON && previous == wanted && now - since <= window;
}
}

bool FIXPLANREGION::Contains(CVector p) const
{
  return given && std::fabs(p.GetX() - centre.GetX()) <= size.GetX() / 2 &&
         std::fabs(p.GetY() - centre.GetY()) <= size.GetY() / 2;
}

bool CBehaviours::InFixPlan() const
{
  return m_UseFixPlans && m_CurrentFixPlan >= 1 && m_CurrentFixPlan <= m_NumFixPlans;
}

namespace
{
// The first code of the plan that no table knows, and what it was meant
// to be; an empty text when every code is known.
const char *UnknownCode(const FIXPLAN &plan, int &code)
{
  for (int j = 1; j <= FP_MAX_ACTIONS; j++)
  {
    const FIXPLANACTION &a = plan.actions[j];
    if (a.type == FPA_NONE)
      break;
    if (!IsFixPlanAction(code = a.type))
      return "action";
    if (!IsFixPlanCoordType(code = a.coord_type))
      return "coordinate type";
    if (!IsFixPlanKickType(code = a.kick_type))
      return "kick type";
    for (int k = 1; k <= FP_MAX_TRIGGERS; k++)
    {
      if (!IsFixPlanTrigger(code = a.triggers[k].type))
        return "trigger";
      if (!IsFixPlanCoordType(code = a.triggers[k].coord_type))
        return "coordinate type";
    }
    for (int k = 1; k <= FP_MAX_ABORTS; k++)
      if (!IsFixPlanAbort(code = a.aborts[k]))
        return "abort condition";
  }
  return "";
}
}

void CBehaviours::CheckFixPlans()
{
  FIXPLANRUN &run = m_FixPlanRun;
  run = FIXPLANRUN();
  const std::size_t count = m_FixPlans.size();
  run.barred.assign(count, FP_FREE);
  run.usable.assign(count, false);
  run.assigned.assign(count, 0);
  for (int i = 1; i <= m_NumFixPlans && static_cast<std::size_t>(i) < count; i++)
  {
    const FIXPLAN &plan = m_FixPlans[i];
    // A listed plan without a section reads only defaults: no action, and
    // nothing to run.
    if (plan.actions[1].type == FPA_NONE)
      continue;
    int code = 0;
    const char *what = UnknownCode(plan, code);
    if (what[0] != '\0')
    {
      std::cerr << "WARNING: FixPlanRun: CheckFixPlans: plan " << plan.name << " has the unknown "
                << what << " " << code << " and will not run" << std::endl;
      continue;
    }
    run.usable[i] = true;
  }
}

// ------------------------------------------------------- choosing a plan

bool CBehaviours::AmIInThePlan()
{
  const int now = GetTime();
  FIXPLANRUN &run = m_FixPlanRun;
  if (run.checked == now)
    return InFixPlan();
  if (run.usable.size() != m_FixPlans.size())
    CheckFixPlans();
  run.checked = now;
  NoteFixPlanCall();
  if (!m_UseFixPlans)
    return false;
  if (InFixPlan())
    AdvanceFixPlan();
  if (!InFixPlan())
    ChooseFixPlan();
  return InFixPlan();
}

void CBehaviours::NoteFixPlanCall()
{
  FIXPLANRUN &run = m_FixPlanRun;
  LockPlayMode();
  const PlayMode mode = P2BReadPlayMode(true);
  const int since = P2BReadPlayModeTime(true);
  UnlockPlayMode();
  if (mode == run.mode && since == run.mode_time)
    return;
  run.mode = mode;
  run.mode_time = since;
  run.excluding = -1;
  for (int &bar : run.barred)
    if (bar == FP_BARRED_UNTIL_CALL)
      bar = FP_FREE;
}

void CBehaviours::ChooseFixPlan()
{
  for (int i = 1; i <= m_NumFixPlans; i++)
    if (MayChooseFixPlan(i))
    {
      StartFixPlan(i);
      return;
    }
}

bool CBehaviours::MayChooseFixPlan(int i)
{
  const FIXPLANRUN &run = m_FixPlanRun;
  if (static_cast<std::size_t>(i) >= run.usable.size() || !run.usable[i] ||
      run.barred[i] != FP_FREE)
    return false;
  const FIXPLAN &plan = m_FixPlans[i];
  if (run.excluding >= 1)
    for (int k = 1; k <= FP_MAX_EXCLUDES; k++)
      if (m_FixPlans[run.excluding].exclude_next[k] == plan.name)
        return false;
  const FIXPLANACTION &first = plan.actions[1];
  if (!FixPlanTriggersHold(first) || FixPlanAborts(first))
    return false;
  // Before the server gave a number, no plan is ours: 0 is nobody's.
  const int me = GetUNum();
  return me >= 1 && FixPlanPlayer(i) == me;
}

// Who carries the plan out: the player it names; without one, the taker for
// a plan that starts at the ball, the one whose home lies nearest for a
// plan that starts by walking to a point, and anyone the triggers hold for
// otherwise. 0 when nobody.
int CBehaviours::FixPlanPlayer(int i)
{
  const FIXPLAN &plan = m_FixPlans[i];
  if (plan.player != 0)
    return plan.player;
  const int type = plan.actions[1].type;
  if (type == FPA_GO_TO_BALL)
    return AmITheTaker() ? GetUNum() : 0;
  if (GoesToAPoint(type))
  {
    AssignFixPlanPoints();
    return m_FixPlanRun.assigned[i];
  }
  return GetUNum();
}

// Shares the points of the plans that name nobody out among the field
// players, plan by plan, each to the nearest home not yet given one. Every
// player works it out alike from the formation, so no two go to one point;
// those the plans name and the taker at the ball are left out.
void CBehaviours::AssignFixPlanPoints()
{
  FIXPLANRUN &run = m_FixPlanRun;
  const int now = GetTime();
  if (run.assigned_time == now)
    return;
  run.assigned_time = now;
  std::fill(run.assigned.begin(), run.assigned.end(), 0);
  bool taken[12] = {};
  std::vector<int> open;
  for (int i = 1; i <= m_NumFixPlans; i++)
  {
    const FIXPLAN &plan = m_FixPlans[i];
    const int type = plan.actions[1].type;
    if (!run.usable[i] || !FixPlanTriggersHold(plan.actions[1]))
      continue;
    if (plan.player >= 1 && plan.player <= 11)
      taken[plan.player] = true;
    else if (type == FPA_GO_TO_BALL)
    {
      const int taker = TakerUNum();
      if (taker >= 1 && taker <= 11)
        taken[taker] = true;
    }
    else if (plan.player == 0 && GoesToAPoint(type))
      open.push_back(i);
  }
  for (int i : open)
  {
    const FIXPLANACTION &a = m_FixPlans[i].actions[1];
    const CVector point =
        a.type == FPA_GO_TO_POINT ? FixPlanPoint(a.pos, a.coord_type) : PositionerPoint(a.mcpos);
    int best = 0;
    float bestDist = 0;
    for (int unum = 1; unum <= 11; unum++)
    {
      if (taken[unum] || GetRole(unum) == ROLE_GOALKEEPER)
        continue;
      const float d = GetHomePos(unum).dist(point);
      if (best == 0 || d < bestDist)
        best = unum, bestDist = d;
    }
    if (best != 0)
    {
      run.assigned[i] = best;
      taken[best] = true;
    }
  }
}

void CBehaviours::StartFixPlan(int i)
{
  FIXPLANRUN &run = m_FixPlanRun;
  const int now = GetTime();
  m_CurrentFixPlan = i;
  m_FixPlanProgress = 1;
  run.plan_start = now;
  run.action_since = now;
  run.action_started = false;
  run.kicked = false;
  run.excluding = -1;
  std::cout << now << " Set play " << m_FixPlans[i].name << " starts" << std::endl;
  AdvanceFixPlan();
}

void CBehaviours::EndFixPlan(const char *how)
{
  FIXPLANRUN &run = m_FixPlanRun;
  const int i = m_CurrentFixPlan;
  if (i < 1)
    return;
  const FIXPLAN &plan = m_FixPlans[i];
  std::cout << GetTime() << " Set play " << plan.name << " ends: " << how << std::endl;
  run.barred[i] = plan.repeat ? FP_BARRED_UNTIL_CALL : FP_BARRED_FOR_HALF;
  run.excluding = i;
  m_CurrentFixPlan = -1;
  m_FixPlanProgress = 0;
}

// ------------------------------------------------------ stepping a plan

void CBehaviours::AdvanceFixPlan()
{
  FIXPLANRUN &run = m_FixPlanRun;
  const int now = GetTime();
  const FIXPLAN &plan = m_FixPlans[m_CurrentFixPlan];
  if (now - run.plan_start >= plan.time_limit)
  {
    EndFixPlan("timed out");
    return;
  }
  // Each pass either settles on an action or moves past one: a plan of four
  // actions is through in at most four.
  for (int step = 0; step <= FP_MAX_ACTIONS; step++)
  {
    const FIXPLANACTION &action = plan.actions[m_FixPlanProgress];
    if (FixPlanAborts(action))
    {
      EndFixPlan("aborted");
      return;
    }
    const bool holds = FixPlanTriggersHold(action);
    if (!run.action_started)
    {
      if (!holds)
      {
        // The kick of a set play of ours goes anyway once the referee's
        // call is fixed_plan_max_wait_time old, or as soon as the taker is
        // at the ball after that: he would drop the ball otherwise.
        const bool waitedOut = now - run.action_since >= m_FixedPlanMaxWaitTime;
        const bool ours = IsSetPlayOurs();
        const bool callOld = now - run.mode_time >= m_FixedPlanMaxWaitTime;
        if (action.type == FPA_KICK && ours && (waitedOut || callOld) &&
            BallPositionValid() && BallKickableForPlayer(nullptr, 0))
        {
          run.action_started = true;
          run.kicked = false;
          return;
        }
        // In play a wait only keeps the agent from the game: an action
        // whose moment has passed ends the plan.
        if (!ours)
          EndFixPlan("passed by");
        else if (waitedOut)
          EndFixPlan("waited too long");
        return;
      }
      run.action_mode = CurrentPlayMode();
      run.action_started = true;
      run.action_since = now;
      run.kicked = false;
    }
    const int outcome = FixPlanOutcome(action, holds);
    if (outcome == OUTCOME_RUNNING)
      return;
    if (outcome == OUTCOME_FAILED)
    {
      EndFixPlan("failed");
      return;
    }
    if (m_FixPlanProgress >= FP_MAX_ACTIONS || plan.actions[m_FixPlanProgress + 1].type == FPA_NONE)
    {
      EndFixPlan("done");
      return;
    }
    m_FixPlanProgress++;
    run.action_started = false;
    run.action_since = now;
    run.kicked = false;
  }
}

// Actions with work to do (reach the ball, kick it) are done when it is
// done and fail when it can no longer be; the others last while their
// triggers hold.
int CBehaviours::FixPlanOutcome(const FIXPLANACTION &action, bool holds)
{
  const FIXPLANRUN &run = m_FixPlanRun;
  const bool kickable = BallPositionValid() && BallKickableForPlayer(nullptr, 0);
  switch (action.type)
  {
    case FPA_GO_TO_BALL:
      // Well inside the reach, so that the ball stays kickable while the
      // kick waits for its receivers.
      if (kickable && BallKickableForPlayer(nullptr, m_KickableBuffer))
        return OUTCOME_DONE;
      return holds ? OUTCOME_RUNNING : OUTCOME_FAILED;
    case FPA_KICK:
      // The set play's kick is one touch: the ball still at the feet after
      // it is for another to play.
      if (kickable && !TouchedLastInSetPlay())
        return OUTCOME_RUNNING;
      return run.kicked ? OUTCOME_DONE : OUTCOME_FAILED;
    case FPA_WAIT:
      return holds && GetTime() - run.action_since < action.wait_time ? OUTCOME_RUNNING
                                                                       : OUTCOME_DONE;
    case FPA_DRIBBLE:
      if (AtPos(FixPlanPoint(action.pos, action.coord_type)))
        return OUTCOME_DONE;
      return holds ? OUTCOME_RUNNING : OUTCOME_DONE;
    default:
      return holds ? OUTCOME_RUNNING : OUTCOME_DONE;
  }
}

// --------------------------------------------------- triggers and aborts

bool CBehaviours::FixPlanTriggersHold(const FIXPLANACTION &action)
{
  for (int k = 1; k <= FP_MAX_TRIGGERS; k++)
    if (action.triggers[k].type != FPT_NONE && !FixPlanTriggerHolds(action.triggers[k]))
      return false;
  return true;
}

bool CBehaviours::FixPlanTriggerHolds(const FIXPLANTRIGGER &t)
{
  LockPlayMode();
  const PlayMode mode = P2BReadPlayMode(true);
  const PlayMode previous = P2BReadPlayMode(false);
  const int since = P2BReadPlayModeTime(true);
  UnlockPlayMode();
  const int now = GetTime();
  const int window = m_FixedPlanMaxWaitTime;
  const CBall *ball = M2BReadBall();
  // Where the ball was last seen counts even once its confidence fell below
  // the threshold: looking away for a moment must not end a set play.
  const bool ballKnown = BallRemembered();
  const bool kickable = BallPositionValid() && BallKickableForPlayer(nullptr, 0);
  switch (t.type)
  {
    case FPT_OUR_GOAL_KICK:
      return mode == PM_GOAL_KICK;
    case FPT_THEIR_GOAL_KICK:
      return mode == -PM_GOAL_KICK;
    case FPT_MATE_IN_AREA:
      return FixPlanMate(FixPlanRegion(t.area, t.mcarea, t.coord_type), t.player) != nullptr;
    case FPT_NO_MATE_IN_AREA:
      return FixPlanMate(FixPlanRegion(t.area, t.mcarea, t.coord_type), t.player) == nullptr;
    case FPT_ME_IN_AREA:
      return FixPlanRegion(t.area, t.mcarea, t.coord_type).Contains(GetGPos());
    case FPT_ME_NOT_IN_AREA:
      return !FixPlanRegion(t.area, t.mcarea, t.coord_type).Contains(GetGPos());
    case FPT_BALL_IN_AREA:
      return ballKnown && FixPlanRegion(t.area, t.mcarea, t.coord_type).Contains(ball->GetGPos());
    case FPT_PLAY_ON:
      return mode == PM_PLAY_ON;
    case FPT_OUR_KICK_IN:
      return mode == PM_KICK_IN;
    case FPT_OUR_CORNER_KICK:
      return mode == PM_CORNER_KICK;
    case FPT_BALL_KICKABLE:
      return kickable;
    case FPT_BALL_NOT_KICKABLE:
      return !kickable;
    // The catch is followed at once by the goalkeeper's free kick.
    case FPT_OUR_GOALIE_CATCH:
      return mode == PM_GOALIE_CATCH_BALL ||
             (mode == PM_FREE_KICK && previous == PM_GOALIE_CATCH_BALL);
    case FPT_THEIR_GOALIE_CATCH:
      return mode == -PM_GOALIE_CATCH_BALL ||
             (mode == -PM_FREE_KICK && previous == -PM_GOALIE_CATCH_BALL);
    case FPT_AFTER_OUR_CORNER_KICK:
      return IsPlayOnAfter(mode, previous, since, now, PM_CORNER_KICK, window);
    case FPT_AFTER_OUR_GOAL_KICK:
      return IsPlayOnAfter(mode, previous, since, now, PM_GOAL_KICK, window);
    case FPT_AFTER_OUR_KICK_IN:
      return IsPlayOnAfter(mode, previous, since, now, PM_KICK_IN, window);
    case FPT_AFTER_OUR_FREE_KICK:
      return IsPlayOnAfter(mode, previous, since, now, PM_FREE_KICK, window);
    case FPT_CAN_KEEP_BALL:
      return CanKeepBall(CanKeepBallCyclesForThisZone());
    case FPT_NOT_AT_POINT:
      return !AtPos(FixPlanPoint(t.pos, t.coord_type));
    case FPT_NO_FOE_HAS_BALL:
      return FoeWithBall(0) == nullptr;
    case FPT_OUR_BALL:
      return IsOurPossession();
    default:
      return false;
  }
}

bool CBehaviours::FixPlanAborts(const FIXPLANACTION &action)
{
  const PlayMode mode = CurrentPlayMode();
  for (int k = 1; k <= FP_MAX_ABORTS; k++)
  {
    switch (action.aborts[k])
    {
      case FPX_FOE_HAS_BALL:
        if (FoeWithBall(0) != nullptr)
          return true;
        break;
      case FPX_PLAY_MODE_CHANGED:
        if (m_FixPlanRun.action_started && mode != m_FixPlanRun.action_mode)
          return true;
        break;
      case FPX_THEIR_SET_PLAY:
        if (IsTheirMode(mode))
          return true;
        break;
      default:
        break;
    }
  }
  return false;
}

// ------------------------------------------------------ places and mates

FIXPLANREGION CBehaviours::FixPlanRegion(const FIXPLANAREA &area, const FIXPLANMCAREA &mcarea,
                                         int coord)
{
  FIXPLANREGION region;
  if (area.size.GetX() != 0 || area.size.GetY() != 0)
  {
    region.given = true;
    region.centre = FixPlanPoint(area.centre, coord);
    region.size = area.size;
  }
  else if ((mcarea.a != 0 || mcarea.b != 0) && mcarea.positioner.valid())
  {
    region.given = true;
    region.centre = PositionerPoint(mcarea.positioner);
    region.size = CVector(mcarea.a, mcarea.b);
  }
  return region;
}

CVector CBehaviours::FixPlanPoint(CVector pos, int coord) const
{
  if (coord != FPC_BALL)
    return pos;
  const CBall *ball = M2BReadBall();
  return BallRemembered() ? ball->GetGPos() + pos : pos;
}

// The team-mate in the box nearest its centre (only the given one, when
// unum names one); null when none is there.
const CPlayer *CBehaviours::FixPlanMate(const FIXPLANREGION &region, int unum)
{
  if (!region.given)
    return nullptr;
  DistPlayerCompare nearCentre(region.centre);
  sorted_players mates;
  DoSortyThing(MASK_TEAMMATES, nearCentre, mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    if ((unum == 0 || p->GetUNum() == unum) && region.Contains(p->GetGPos()))
      return p;
  }
  return nullptr;
}

bool CBehaviours::AmITheTaker()
{
  return TakerUNum() == GetUNum();
}

// The taker of a plan that names nobody is the one of us whose formation
// home lies nearest the ball, the goalkeeper only inside our penalty area:
// everyone names the same one, where the nearest as each sees it differ
// and would leave a point of the set play empty or taken twice. 0 when the
// ball is not known.
int CBehaviours::TakerUNum()
{
  const CBall *ball = M2BReadBall();
  if (!BallRemembered())
    return 0;
  const CVector at = ball->GetGPos();
  int taker = 0;
  float nearest = 0;
  for (int unum = 1; unum <= 11; unum++)
  {
    if (GetRole(unum) == ROLE_GOALKEEPER && !InOurPenaltyArea(at))
      continue;
    const float d = GetHomePos(unum).dist(at);
    if (taker == 0 || d < nearest)
      taker = unum, nearest = d;
  }
  return taker;
}

bool CBehaviours::IsSetPlayOurs() const
{
  return IsOurMode(CurrentPlayMode());
}

// ------------------------------------------------------ acting

int CBehaviours::ExecuteFixPlan()
{
  if (!AmIInThePlan())
    return 0;
  const FIXPLANACTION &action = m_FixPlans[m_CurrentFixPlan].actions[m_FixPlanProgress];
  if (!m_FixPlanRun.action_started)
    return WaitInFixPlan(action);
  return RunFixPlanAction(action);
}

// Waiting for an action's triggers, at a set play of ours: the agent keeps
// its place watching the ball, a taker at the ball.
int CBehaviours::WaitInFixPlan(const FIXPLANACTION &action)
{
  if (!IsSetPlayOurs())
    return 0;
  const CBall *ball = M2BReadBall();
  const bool known = BallRemembered();
  if (action.type == FPA_KICK && known && !BallKickableForPlayer(nullptr, m_KickableBuffer))
  {
    const float power = CorrectDashPower4Stamina(static_cast<float>(action.dash_power));
    if (MoveToPos(ball->GetGPos(), m_Kickable / 2, power, DODGE_ALL) == 0)
      WatchBall();
  }
  // The taker looks about for the team-mates the kick waits for.
  else if (action.type == FPA_KICK && known)
  {
    if (GetHaveVisualForThisAngle())
      ScanFieldWithBody();
  }
  else
    WatchBall();
  return KeepFixPlanCycle();
}

// Faces the ball, or looks for it once the last turn has been seen; never
// defers a turn, which would come on top of the cycle's main command.
void CBehaviours::WatchBall()
{
  if (BallPositionValid())
    FaceNeckAndBody2Ball();
  else if (GetHaveVisualForThisAngle())
    ScanFieldWithBody();
}

int CBehaviours::RunFixPlanAction(const FIXPLANACTION &action)
{
  const float power = CorrectDashPower4Stamina(static_cast<float>(action.dash_power));
  const CBall *ball = M2BReadBall();
  const bool ballKnown = BallRemembered();
  // Having taken the set play, the kicker leaves the ball to another.
  const bool touches = action.type == FPA_KICK || action.type == FPA_HOLD_BALL ||
                       action.type == FPA_DRIBBLE;
  if (touches && TouchedLastInSetPlay())
  {
    WatchBall();
    return KeepFixPlanCycle();
  }
  switch (action.type)
  {
    case FPA_KICK:
      return KickInFixPlan(action);
    case FPA_GO_TO_BALL:
      if (!ballKnown)
      {
        WatchBall();
        return KeepFixPlanCycle();
      }
      // Close enough that the last step leaves the ball at the feet.
      if (MoveToPos(ball->GetGPos(), m_Kickable / 2, power, DODGE_ALL) == 0)
        WatchBall();
      return KeepFixPlanCycle();
    case FPA_GO_TO_POINT:
    case FPA_GO_TO_POSITIONER:
    {
      const CVector point = action.type == FPA_GO_TO_POINT
                                ? FixPlanPoint(action.pos, action.coord_type)
                                : PositionerPoint(action.mcpos);
      if (MoveToPos(point, m_MinDistToPoint, power, DODGE_ALL) == 0)
        WatchBall();
      return KeepFixPlanCycle();
    }
    case FPA_WAIT:
      WatchBall();
      return KeepFixPlanCycle();
    case FPA_HOLD_BALL:
      HoldBall();
      return KeepFixPlanCycle();
    case FPA_DRIBBLE:
      CleverDribbleTo(FixPlanPoint(action.pos, action.coord_type), action.kick_power,
                      m_MinDistToPoint);
      return MainCommandQueued() ? 1 : 0;
    default:
      return 0;
  }
}

// The target is the team-mate in the action's box, or the box's centre, or
// its point; kick_power is the speed the ball should still have there.
int CBehaviours::KickInFixPlan(const FIXPLANACTION &action)
{
  const CBall *ball = M2BReadBall();
  if (!BallPositionValid() || !BallKickableForPlayer(nullptr, 0))
    return 0;
  const FIXPLANREGION region = FixPlanRegion(action.area, action.mcarea, action.coord_type);
  const CPlayer *receiver = FixPlanMate(region, action.player);
  CVector target = FixPlanPoint(action.pos, action.coord_type);
  if (receiver)
    target = receiver->GetGPos();
  else if (region.given)
    target = region.centre;
  else if (action.pos.GetX() == -999)
    // Nothing names a target: forward along the pitch.
    target = ball->GetGPos() + CVector(20, 0);
  float arrival = action.kick_power;
  if (arrival < m_MinPassSpeedAtTarget)
    arrival = m_MinPassSpeedAtTarget;
  if (arrival > m_BallSpeedMax)
    arrival = m_BallSpeedMax;
  float speed = Point2KickVelocity(target, arrival);
  if (speed > m_BallSpeedMax)
    speed = m_BallSpeedMax;
  const float dir = (target - ball->GetGPos()).GetDir();
  if (action.kick_type == FPK_PASS && receiver)
    PassBall(receiver, arrival);
  else
    // Whatever the kick, one to the action's team-mate is his pass.
    AnnouncePass(receiver, target,
                 action.kick_type == FPK_SMART ? SmartKickAbs(dir, BestModeAbs(dir), speed, ROTDIR_AWAY)
                                               : KickBall(target, speed));
  if (QueuedMainCommand() == CMD_KICK)
    m_FixPlanRun.kicked = true;
  return KeepFixPlanCycle();
}

// A plan that holds the agent where it is still sends a main command, so
// that the caller does not take the cycle over with its own rules: a dash
// of nothing keeps the place.
int CBehaviours::KeepFixPlanCycle()
{
  if (!MainCommandQueued())
    Dash(0);
  return 1;
}
