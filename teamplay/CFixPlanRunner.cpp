// Choosing a set play, stepping through its actions and ending it; what
// each action does is in FixPlanActions.cpp.

#include "CFixPlanRunner.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "CBall.h"
#include "CBehaviours.h"
#include "FixPlanCodes.h"
#include "PlayerInterface.h"

namespace
{
// The handle is copied: asking a positioner for its point may build it.
CVector PositionerPoint(ZPPositionerID positioner)
{
  return positioner.GetPosition();
}

// Who runs the plan whose first action has this code.
CFixPlanRunner::Runner RunnerOf(int type)
{
  const CFixPlanRunner::ACTIONROW *row = CFixPlanRunner::ActionRow(type);
  return row ? row->runner : CFixPlanRunner::RUNNER_ANYONE;
}

bool IsPlayOnAfter(int mode, int previous, int since, int now, int wanted, int window)
{
  return mode == PM_PLAY_ON && previous == wanted && now - since <= window;
}

// Whether a trigger reads nothing but the referee's calls and the clock;
// such a trigger holds or not by the call alone (ModeTriggerHolds).
bool IsModeTrigger(int type)
{
  switch (type)
  {
    case FPT_OUR_GOAL_KICK:
    case FPT_THEIR_GOAL_KICK:
    case FPT_PLAY_ON:
    case FPT_OUR_KICK_IN:
    case FPT_OUR_CORNER_KICK:
    case FPT_OUR_GOALIE_CATCH:
    case FPT_THEIR_GOALIE_CATCH:
    case FPT_AFTER_OUR_CORNER_KICK:
    case FPT_AFTER_OUR_GOAL_KICK:
    case FPT_AFTER_OUR_KICK_IN:
    case FPT_AFTER_OUR_FREE_KICK:
      return true;
    default:
      return false;
  }
}
}

CFixPlanRunner::ModeView CFixPlanRunner::ReadModeView() const
{
  ModeView v;
  m_Brain.LockPlayMode();
  v.mode = m_Brain.P2BReadPlayMode(true);
  v.previous = m_Brain.P2BReadPlayMode(false);
  v.since = m_Brain.P2BReadPlayModeTime(true);
  m_Brain.UnlockPlayMode();
  v.now = m_Brain.GetTime();
  v.window = m_Brain.m_FixedPlanMaxWaitTime;
  return v;
}

bool CFixPlanRunner::ModeTriggerHolds(int type, const ModeView &v)
{
  const int mode = v.mode;
  const int previous = v.previous;
  switch (type)
  {
    case FPT_OUR_GOAL_KICK:
      return mode == PM_GOAL_KICK;
    case FPT_THEIR_GOAL_KICK:
      return mode == -PM_GOAL_KICK;
    case FPT_PLAY_ON:
      return mode == PM_PLAY_ON;
    case FPT_OUR_KICK_IN:
      return mode == PM_KICK_IN;
    case FPT_OUR_CORNER_KICK:
      return mode == PM_CORNER_KICK;
    // The catch is followed at once by the goalkeeper's free kick.
    case FPT_OUR_GOALIE_CATCH:
      return mode == PM_GOALIE_CATCH_BALL ||
             (mode == PM_FREE_KICK && previous == PM_GOALIE_CATCH_BALL);
    case FPT_THEIR_GOALIE_CATCH:
      return mode == -PM_GOALIE_CATCH_BALL ||
             (mode == -PM_FREE_KICK && previous == -PM_GOALIE_CATCH_BALL);
    case FPT_AFTER_OUR_CORNER_KICK:
      return IsPlayOnAfter(mode, previous, v.since, v.now, PM_CORNER_KICK, v.window);
    case FPT_AFTER_OUR_GOAL_KICK:
      return IsPlayOnAfter(mode, previous, v.since, v.now, PM_GOAL_KICK, v.window);
    case FPT_AFTER_OUR_KICK_IN:
      return IsPlayOnAfter(mode, previous, v.since, v.now, PM_KICK_IN, v.window);
    case FPT_AFTER_OUR_FREE_KICK:
      return IsPlayOnAfter(mode, previous, v.since, v.now, PM_FREE_KICK, v.window);
    default:
      return false;
  }
}

bool FIXPLANREGION::Contains(CVector p) const
{
  return given && std::fabs(p.GetX() - centre.GetX()) <= size.GetX() / 2 &&
         std::fabs(p.GetY() - centre.GetY()) <= size.GetY() / 2;
}

CFixPlanRunner::CFixPlanRunner(CBehaviours &brain) : m_Brain(brain)
{
}

bool CFixPlanRunner::InFixPlan() const
{
  return m_Brain.m_UseFixPlans && m_Brain.m_CurrentFixPlan >= 1 &&
         m_Brain.m_CurrentFixPlan <= m_Brain.m_NumFixPlans;
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

void CFixPlanRunner::CheckFixPlans()
{
  FIXPLANRUN &run = m_Run;
  run = FIXPLANRUN();
  const std::size_t count = m_Brain.m_FixPlans.size();
  run.barred.assign(count, FP_FREE);
  run.usable.assign(count, false);
  run.assigned.assign(count, 0);
  run.brief_start.assign(count + 1, 0);
  for (int i = 1; i <= m_Brain.m_NumFixPlans && static_cast<std::size_t>(i) < count; i++)
  {
    const FIXPLAN &plan = m_Brain.m_FixPlans[i];
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
  // Reserved at its size: the list is kept for the half.
  std::size_t briefs = 0;
  for (std::size_t i = 0; i < count; i++)
    for (int k = 1; run.usable[i] && k <= FP_MAX_TRIGGERS; k++)
      briefs += m_Brain.m_FixPlans[i].actions[1].triggers[k].type != FPT_NONE ? 1 : 0;
  run.briefs.reserve(briefs);
  for (std::size_t i = 0; i < count; i++)
  {
    run.brief_start[i] = static_cast<int>(run.briefs.size());
    if (!run.usable[i])
      continue;
    for (int k = 1; k <= FP_MAX_TRIGGERS; k++)
    {
      const FIXPLANTRIGGER &t = m_Brain.m_FixPlans[i].actions[1].triggers[k];
      if (t.type == FPT_NONE)
        continue;
      FIXPLANBRIEF b;
      b.type = t.type;
      b.coord_type = t.coord_type;
      b.player = t.player;
      b.k = k;
      b.x = t.area.centre.GetX();
      b.y = t.area.centre.GetY();
      b.w = t.area.size.GetX();
      b.h = t.area.size.GetY();
      b.px = t.pos.GetX();
      b.py = t.pos.GetY();
      run.briefs.push_back(b);
    }
  }
  run.brief_start[count] = static_cast<int>(run.briefs.size());
}

// ------------------------------------------------------- choosing a plan

bool CFixPlanRunner::AmIInThePlan()
{
  const int now = m_Brain.GetTime();
  FIXPLANRUN &run = m_Run;
  if (run.checked == now)
    return InFixPlan();
  if (run.usable.size() != m_Brain.m_FixPlans.size())
    CheckFixPlans();
  run.checked = now;
  NoteFixPlanCall();
  if (!m_Brain.m_UseFixPlans)
    return false;
  if (InFixPlan())
    AdvanceFixPlan();
  if (!InFixPlan())
    ChooseFixPlan();
  return InFixPlan();
}

void CFixPlanRunner::NoteFixPlanCall()
{
  FIXPLANRUN &run = m_Run;
  m_Brain.LockPlayMode();
  const PlayMode mode = m_Brain.P2BReadPlayMode(true);
  const int since = m_Brain.P2BReadPlayModeTime(true);
  m_Brain.UnlockPlayMode();
  if (mode == run.mode && since == run.mode_time)
    return;
  run.mode = mode;
  run.mode_time = since;
  run.excluding = -1;
  for (int &bar : run.barred)
    if (bar == FP_BARRED_UNTIL_CALL)
      bar = FP_FREE;
}

void CFixPlanRunner::ChooseFixPlan()
{
  // Read once for all the plans: nothing a trigger asks changes the
  // referee's call.
  const ModeView view = ReadModeView();
  for (int i = 1; i <= m_Brain.m_NumFixPlans; i++)
    if (MayChooseFixPlan(i, view))
    {
      StartFixPlan(i);
      return;
    }
}

// Whether the plan that ended last names plan i as one that may not follow
// it, by name as the plans list them.
bool CFixPlanRunner::Excluded(int i)
{
  FIXPLANRUN &run = m_Run;
  const std::size_t count = m_Brain.m_FixPlans.size();
  if (run.excluded_for != run.excluding || run.excluded.size() != count)
  {
    run.excluded.assign(count, false);
    const FIXPLAN &ended = m_Brain.m_FixPlans[run.excluding];
    for (std::size_t j = 0; j < count; j++)
      for (int k = 1; k <= FP_MAX_EXCLUDES && !run.excluded[j]; k++)
        if (ended.exclude_next[k] == m_Brain.m_FixPlans[j].name)
          run.excluded[j] = true;
    run.excluded_for = run.excluding;
  }
  return static_cast<std::size_t>(i) < count && run.excluded[i];
}

bool CFixPlanRunner::MayChooseFixPlan(int i, const ModeView &view)
{
  const FIXPLANRUN &run = m_Run;
  if (static_cast<std::size_t>(i) >= run.usable.size() || !run.usable[i] ||
      run.barred[i] != FP_FREE)
    return false;
  // Most plans wait for a call of the referee and are passed over by their
  // first trigger: the codes are read from the short list, as the plans'
  // own records lie far apart (every pass tries them all), and a call is
  // judged from the view. The checks put off until after it ask and change
  // nothing.
  const FIXPLANBRIEF *begin = run.briefs.data() + run.brief_start[i];
  const FIXPLANBRIEF *end = run.briefs.data() + run.brief_start[i + 1];
  for (const FIXPLANBRIEF *b = begin; b != end && IsModeTrigger(b->type); b++)
    if (!ModeTriggerHolds(b->type, view))
      return false;
  const FIXPLAN &plan = m_Brain.m_FixPlans[i];
  if (run.excluding >= 1 && Excluded(i))
    return false;
  // Its triggers in order, as FixPlanTriggersHold tries them.
  const FIXPLANACTION &first = plan.actions[1];
  for (const FIXPLANBRIEF *b = begin; b != end; b++)
    if (!BriefHolds(*b, first.triggers[b->k], view))
      return false;
  if (FixPlanAborts(first))
    return false;
  // Before the server gave a number, no plan is ours: 0 is nobody's.
  const int me = m_Brain.GetUNum();
  return me >= 1 && FixPlanPlayer(i) == me;
}

// Who carries the plan out: the player it names; without one, the taker for
// a plan that starts at the ball, the one whose home lies nearest for a
// plan that starts by walking to a point, and anyone the triggers hold for
// otherwise. 0 when nobody.
int CFixPlanRunner::FixPlanPlayer(int i)
{
  const FIXPLAN &plan = m_Brain.m_FixPlans[i];
  const Runner runner = RunnerOf(plan.actions[1].type);
  if (plan.player != 0 || runner == RUNNER_TAKER)
  {
    const int taker = PlanTaker(i);
    return taker == m_Brain.GetUNum() ? taker : 0;
  }
  if (runner == RUNNER_POINT)
  {
    AssignFixPlanPoints();
    return m_Run.assigned[i];
  }
  return m_Brain.GetUNum();
}

// Shares the points of the plans that name nobody out among the field
// players, plan by plan, each to the nearest home not yet given one. Every
// player works it out alike from the formation, so no two go to one point;
// those the plans name and the taker at the ball are left out.
void CFixPlanRunner::AssignFixPlanPoints()
{
  FIXPLANRUN &run = m_Run;
  const int now = m_Brain.GetTime();
  if (run.assigned_time == now)
    return;
  run.assigned_time = now;
  std::fill(run.assigned.begin(), run.assigned.end(), 0);
  bool taken[12] = {};
  std::vector<int> open;
  open.reserve(static_cast<size_t>(std::max(0, m_Brain.m_NumFixPlans)));
  for (int i = 1; i <= m_Brain.m_NumFixPlans; i++)
  {
    const FIXPLAN &plan = m_Brain.m_FixPlans[i];
    const Runner runner = RunnerOf(plan.actions[1].type);
    if (!run.usable[i] || !FixPlanTriggersHold(plan.actions[1]))
      continue;
    if (plan.player != 0 || runner == RUNNER_TAKER)
    {
      const int taker = PlanTaker(i);
      if (taker >= 1 && taker <= 11)
        taken[taker] = true;
    }
    else if (runner == RUNNER_POINT)
      open.push_back(i);
  }
  for (int i : open)
  {
    const FIXPLANACTION &a = m_Brain.m_FixPlans[i].actions[1];
    const CVector point = ActionPoint(a);
    int best = 0;
    float bestDist = 0;
    for (int unum = 1; unum <= 11; unum++)
    {
      if (taken[unum] || m_Brain.GetRole(unum) == ROLE_GOALKEEPER)
        continue;
      const float d = m_Brain.GetHomePos(unum).dist(point);
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

void CFixPlanRunner::StartFixPlan(int i)
{
  FIXPLANRUN &run = m_Run;
  const int now = m_Brain.GetTime();
  m_Brain.m_CurrentFixPlan = i;
  m_Brain.m_FixPlanProgress = 1;
  run.plan_start = now;
  run.action_since = now;
  run.action_started = false;
  run.kicked = false;
  run.excluding = -1;
  std::cout << now << " Set play " << m_Brain.m_FixPlans[i].name << " starts" << std::endl;
  AdvanceFixPlan();
}

void CFixPlanRunner::EndFixPlan(const char *how)
{
  FIXPLANRUN &run = m_Run;
  const int i = m_Brain.m_CurrentFixPlan;
  if (i < 1)
    return;
  const FIXPLAN &plan = m_Brain.m_FixPlans[i];
  std::cout << m_Brain.GetTime() << " Set play " << plan.name << " ends: " << how << std::endl;
  run.barred[i] = plan.repeat ? FP_BARRED_UNTIL_CALL : FP_BARRED_FOR_HALF;
  run.excluding = i;
  run.excluded_for = -1;
  m_Brain.m_CurrentFixPlan = -1;
  m_Brain.m_FixPlanProgress = 0;
}

// ------------------------------------------------------ stepping a plan

void CFixPlanRunner::AdvanceFixPlan()
{
  FIXPLANRUN &run = m_Run;
  const int now = m_Brain.GetTime();
  const FIXPLAN &plan = m_Brain.m_FixPlans[m_Brain.m_CurrentFixPlan];
  if (now - run.plan_start >= plan.time_limit)
  {
    EndFixPlan("timed out");
    return;
  }
  // Each pass either settles on an action or moves past one: a plan of four
  // actions is through in at most four.
  for (int step = 0; step <= FP_MAX_ACTIONS; step++)
  {
    const FIXPLANACTION &action = plan.actions[m_Brain.m_FixPlanProgress];
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
        const bool waitedOut = now - run.action_since >= m_Brain.m_FixedPlanMaxWaitTime;
        const bool ours = IsSetPlayOurs();
        const bool callOld = now - run.mode_time >= m_Brain.m_FixedPlanMaxWaitTime;
        const ACTIONROW *row = ActionRow(action.type);
        if (row && row->goes_when_late && ours && (waitedOut || callOld) &&
            m_Brain.BallPositionValid() && m_Brain.BallKickableForPlayer(nullptr, 0))
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
      run.action_mode = m_Brain.CurrentPlayMode();
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
    if (m_Brain.m_FixPlanProgress >= FP_MAX_ACTIONS ||
        plan.actions[m_Brain.m_FixPlanProgress + 1].type == FPA_NONE)
    {
      EndFixPlan("done");
      return;
    }
    m_Brain.m_FixPlanProgress++;
    run.action_started = false;
    run.action_since = now;
    run.kicked = false;
  }
}

// Actions with work to do (reach the ball, kick it) are done when it is
// done and fail when it can no longer be; the others last while their
// triggers hold.
int CFixPlanRunner::FixPlanOutcome(const FIXPLANACTION &action, bool holds)
{
  const ACTIONROW *row = ActionRow(action.type);
  if (!row || !row->outcome)
    return LastsWhileTriggersHold(action, holds);
  return (this->*row->outcome)(action, holds);
}

// --------------------------------------------------- triggers and aborts

bool CFixPlanRunner::FixPlanTriggersHold(const FIXPLANACTION &action)
{
  for (int k = 1; k <= FP_MAX_TRIGGERS; k++)
    if (action.triggers[k].type != FPT_NONE && !FixPlanTriggerHolds(action.triggers[k]))
      return false;
  return true;
}

bool CFixPlanRunner::FixPlanTriggerHolds(const FIXPLANTRIGGER &t)
{
  if (IsModeTrigger(t.type))
    return ModeTriggerHolds(t.type, ReadModeView());
  return TriggerHolds(t.type, [&] { return FixPlanRegion(t.area, t.mcarea, t.coord_type); }, t.pos,
                      t.coord_type, t.player);
}

// As FixPlanTriggerHolds(full), from the brief: the box and the point are
// the same numbers; a box a positioner gives is read from the plan.
bool CFixPlanRunner::BriefHolds(const FIXPLANBRIEF &b, const FIXPLANTRIGGER &full, const ModeView &view)
{
  if (IsModeTrigger(b.type))
    return ModeTriggerHolds(b.type, view);
  const auto region = [&] {
    if (b.w == 0 && b.h == 0)
      return FixPlanRegion(full.area, full.mcarea, full.coord_type);
    const FIXPLANAREA box{CVector(b.x, b.y), CVector(b.w, b.h)};
    return FixPlanRegion(box, full.mcarea, b.coord_type);
  };
  return TriggerHolds(b.type, region, CVector(b.px, b.py), b.coord_type, b.player);
}

template <typename Region>
bool CFixPlanRunner::TriggerHolds(int type, const Region &region, CVector pos, int coord, int player)
{
  const CBall *ball = m_Brain.M2BReadBall();
  // Where the ball was last seen counts even once its confidence fell below
  // the threshold: looking away for a moment must not end a set play.
  const auto ballKnown = [this] { return m_Brain.BallRemembered(); };
  // Worked out only by the triggers that ask: every pass tries the triggers
  // of all the plans.
  const auto kickable = [this] {
    return m_Brain.BallPositionValid() && m_Brain.BallKickableForPlayer(nullptr, 0);
  };
  switch (type)
  {
    case FPT_MATE_IN_AREA:
      return FixPlanMate(region(), player) != nullptr;
    case FPT_NO_MATE_IN_AREA:
      return FixPlanMate(region(), player) == nullptr;
    case FPT_ME_IN_AREA:
      return region().Contains(m_Brain.GetGPos());
    case FPT_ME_NOT_IN_AREA:
      return !region().Contains(m_Brain.GetGPos());
    case FPT_BALL_IN_AREA:
      return ballKnown() && region().Contains(ball->GetGPos());
    case FPT_BALL_KICKABLE:
      return kickable();
    case FPT_BALL_NOT_KICKABLE:
      return !kickable();
    case FPT_CAN_KEEP_BALL:
      return m_Brain.CanKeepBall(m_Brain.CanKeepBallCyclesForThisZone());
    case FPT_NOT_AT_POINT:
      return !m_Brain.AtPos(FixPlanPoint(pos, coord));
    case FPT_NO_FOE_HAS_BALL:
      return m_Brain.FoeWithBall(0) == nullptr;
    case FPT_OUR_BALL:
      return m_Brain.IsOurPossession();
    default:
      return false;
  }
}

bool CFixPlanRunner::FixPlanAborts(const FIXPLANACTION &action)
{
  const PlayMode mode = m_Brain.CurrentPlayMode();
  for (int k = 1; k <= FP_MAX_ABORTS; k++)
  {
    switch (action.aborts[k])
    {
      case FPX_FOE_HAS_BALL:
        if (m_Brain.FoeWithBall(0) != nullptr)
          return true;
        break;
      case FPX_PLAY_MODE_CHANGED:
        if (m_Run.action_started && mode != m_Run.action_mode)
          return true;
        break;
      case FPX_THEIR_SET_PLAY:
        if (m_Brain.IsTheirMode(mode))
          return true;
        break;
      default:
        break;
    }
  }
  return false;
}

// ------------------------------------------------------ places and mates

FIXPLANREGION CFixPlanRunner::FixPlanRegion(const FIXPLANAREA &area, const FIXPLANMCAREA &mcarea,
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

CVector CFixPlanRunner::FixPlanPoint(CVector pos, int coord) const
{
  if (coord != FPC_BALL)
    return pos;
  const CBall *ball = m_Brain.M2BReadBall();
  return m_Brain.BallRemembered() ? ball->GetGPos() + pos : pos;
}

// The team-mate in the box nearest its centre (only the given one, when
// unum names one); null when none is there.
const CPlayer *CFixPlanRunner::FixPlanMate(const FIXPLANREGION &region, int unum)
{
  if (!region.given)
    return nullptr;
  // Every area trigger of every plan asks, each pass: one look at each
  // team-mate finds the nearest of those in the box. A sort by distance
  // puts him first as well; only where two of them lie at the same
  // distance (or one at no number) does the sort's own order decide, and
  // the sort is asked.
  DistPlayerCompare nearCentre(region.centre);
  StoreOrderCompare storeOrder;
  sorted_players mates;
  m_Brain.DoSortyThing(MASK_TEAMMATES, storeOrder, mates);
  const CPlayer *nearest = nullptr;
  float nearestKey = 0;
  bool tied = false;
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    CPlayer *p = mates.players[i];
    if ((unum != 0 && p->GetUNum() != unum) || !region.Contains(p->GetGPos()))
      continue;
    float key = 0;
    nearCentre.Key(*p, key);
    if (std::isnan(key))
      return SortedFixPlanMate(region, unum);
    if (nearest == nullptr || key < nearestKey)
    {
      nearest = p;
      nearestKey = key;
      tied = false;
    }
    else if (key == nearestKey)
      tied = true;
  }
  return tied ? SortedFixPlanMate(region, unum) : nearest;
}

const CPlayer *CFixPlanRunner::SortedFixPlanMate(const FIXPLANREGION &region, int unum)
{
  DistPlayerCompare nearCentre(region.centre);
  sorted_players mates;
  m_Brain.DoSortyThing(MASK_TEAMMATES, nearCentre, mates);
  for (int i = 0; i < mates.count && i < sorted_players::MAX_ENTRIES; i++)
  {
    const CPlayer *p = mates.players[i];
    if ((unum == 0 || p->GetUNum() == unum) && region.Contains(p->GetGPos()))
      return p;
  }
  return nullptr;
}

// The player a plan names, or for a plan at the ball that names nobody, the
// taker by formation home.
int CFixPlanRunner::PlanTaker(int i)
{
  const FIXPLAN &plan = m_Brain.m_FixPlans[i];
  return plan.player != 0 ? plan.player : TakerUNum();
}

int CFixPlanRunner::CoveringPlanTaker()
{
  if (!m_Brain.m_UseFixPlans)
    return 0;
  FIXPLANRUN &run = m_Run;
  if (run.usable.size() != m_Brain.m_FixPlans.size())
    CheckFixPlans();
  for (int i = 1; i <= m_Brain.m_NumFixPlans && static_cast<std::size_t>(i) < run.usable.size(); i++)
  {
    const FIXPLAN &plan = m_Brain.m_FixPlans[i];
    if (run.usable[i] && RunnerOf(plan.actions[1].type) == RUNNER_TAKER &&
        FixPlanTriggersHold(plan.actions[1]))
      return PlanTaker(i);
  }
  return 0;
}

// The taker of a plan that names nobody is the one of us whose formation
// home lies nearest the ball, the goalkeeper only inside our penalty area:
// everyone names the same one, where the nearest as each sees it differ
// and would leave a point of the set play empty or taken twice. 0 when the
// ball is not known.
int CFixPlanRunner::TakerUNum()
{
  const CBall *ball = m_Brain.M2BReadBall();
  if (!m_Brain.BallRemembered())
    return 0;
  const CVector at = ball->GetGPos();
  int taker = 0;
  float nearest = 0;
  for (int unum = 1; unum <= 11; unum++)
  {
    if (m_Brain.GetRole(unum) == ROLE_GOALKEEPER && !m_Brain.InOurPenaltyArea(at))
      continue;
    const float d = m_Brain.GetHomePos(unum).dist(at);
    if (taker == 0 || d < nearest)
      taker = unum, nearest = d;
  }
  return taker;
}

bool CFixPlanRunner::IsSetPlayOurs() const
{
  return m_Brain.IsOurMode(m_Brain.CurrentPlayMode());
}
