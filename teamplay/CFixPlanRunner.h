#ifndef CFIXPLANRUNNER_H
#define CFIXPLANRUNNER_H

#include "CVector.h"
#include "FixPlans.h"

class CBehaviours;
class CPlayer;

// Runs the set plays of the configuration for one brain: which plan is this
// agent's, stepping through its actions as their triggers hold, and ending
// it when it is done, aborted, out of time or waiting too long. The plans
// and the step the current one stands at are the brain's; the bookkeeping
// of the run is kept here.
//
// Each cycle AmIInThePlan looks first (once): a running plan moves on or
// ends; with none running the first plan that may be chosen starts. Then
// ExecuteFixPlan queues what the current action does. A plan that ended
// waits for the referee's next call before it runs again, so that a set play
// left to the agent's own rules is not taken back by the same plan.
class CFixPlanRunner
{
public:
  explicit CFixPlanRunner(CBehaviours &brain);

  bool AmIInThePlan();
  int ExecuteFixPlan();
  bool InFixPlan() const;
  // The taker of our set play when a plan covers it: the player of the
  // first usable plan that starts at the ball and whose first triggers
  // hold, whether or not this agent has run it already (everyone names the
  // same one). 0 when no plan covers the set play.
  int CoveringPlanTaker();
  // Refuses, with a line each, the plans that cannot run: no action, or a
  // code no table knows.
  void CheckFixPlans();

  // Who carries out a plan that names no player, by its first action.
  enum Runner : int
  {
    RUNNER_ANYONE, // anyone the triggers hold for
    RUNNER_TAKER,  // the taker at the ball (TakerUNum)
    RUNNER_POINT   // the field player whose home lies nearest the point
  };

  // One row per action code: everything the run asks of an action. A new
  // action is one row here and its functions.
  struct ACTIONROW
  {
    int code;
    Runner runner;
    // It plays the ball: after the kicker's own touch it waits for another.
    bool touches;
    // At a set play of ours it starts without its triggers once the call
    // is old and the ball is at the feet: the referee would drop the ball.
    bool goes_when_late;
    // Queues the cycle's command once the action started; null: nothing.
    int (CFixPlanRunner::*run)(const FIXPLANACTION &action);
    // Whether it goes on, is done or failed, given whether its triggers
    // hold.
    int (CFixPlanRunner::*outcome)(const FIXPLANACTION &action, bool holds);
    // What the agent does while the triggers do not hold yet at a set play
    // of ours; null: it watches the ball.
    void (CFixPlanRunner::*wait)(const FIXPLANACTION &action);
    // The point a point's runner goes to; null for the others.
    CVector (CFixPlanRunner::*point)(const FIXPLANACTION &action);
  };
  // The row of an action code; null for a code no row has.
  static const ACTIONROW *ActionRow(int code);

  // The team-mate in the box nearest its centre (only the given one, when
  // unum names one); null when none is there or the box is not given.
  // SortedFixPlanMate finds him by sorting all by distance; FixPlanMate
  // gives the same one with a single look at each.
  const CPlayer *FixPlanMate(const FIXPLANREGION &region, int unum);
  const CPlayer *SortedFixPlanMate(const FIXPLANREGION &region, int unum);

  // What an action has come to this cycle.
  enum Outcome : int
  {
    OUTCOME_RUNNING,
    OUTCOME_DONE,
    OUTCOME_FAILED
  };

private:
  static const ACTIONROW kActionRows[];

  // Choosing and stepping (CFixPlanRunner.cpp).
  // The referee's calls and the clock, as the triggers that need no more
  // read them.
  struct ModeView
  {
    int mode = 0;
    int previous = 0;
    int since = 0;
    int now = 0;
    int window = 0;
  };
  ModeView ReadModeView() const;
  static bool ModeTriggerHolds(int type, const ModeView &view);

  void NoteFixPlanCall();
  void ChooseFixPlan();
  bool MayChooseFixPlan(int plan, const ModeView &view);
  bool Excluded(int plan);
  int FixPlanPlayer(int plan);
  void AssignFixPlanPoints();
  void StartFixPlan(int plan);
  void AdvanceFixPlan();
  void EndFixPlan(const char *how);
  int FixPlanOutcome(const FIXPLANACTION &action, bool holds);
  bool FixPlanTriggerHolds(const FIXPLANTRIGGER &trigger);
  bool BriefHolds(const FIXPLANBRIEF &brief, const FIXPLANTRIGGER &full, const ModeView &view);
  // A trigger that reads more than the referee's call; region() gives its box.
  template <typename Region>
  bool TriggerHolds(int type, const Region &region, CVector pos, int coord, int player);
  bool FixPlanTriggersHold(const FIXPLANACTION &action);
  bool FixPlanAborts(const FIXPLANACTION &action);
  FIXPLANREGION FixPlanRegion(const FIXPLANAREA &area, const FIXPLANMCAREA &mcarea, int coord);
  CVector FixPlanPoint(CVector pos, int coord) const;
  int PlanTaker(int plan);
  int TakerUNum();
  bool IsSetPlayOurs() const;

  // Acting (FixPlanActions.cpp): the current action, waiting or running.
  int WaitInFixPlan(const FIXPLANACTION &action);
  int RunFixPlanAction(const FIXPLANACTION &action);
  int KeepFixPlanCycle();
  void WatchBall();
  CVector ActionPoint(const FIXPLANACTION &action);
  // The rows' functions, by action: the kick;
  int KickInFixPlan(const FIXPLANACTION &action);
  const CPlayer *SetPlayReceiver(const CPlayer *planned);
  int KickOutcome(const FIXPLANACTION &action, bool holds);
  void WaitForTheKick(const FIXPLANACTION &action);
  // going to the ball;
  int GoToBall(const FIXPLANACTION &action);
  int GoToBallOutcome(const FIXPLANACTION &action, bool holds);
  // going to a point, or to a positioner's;
  int GoToPoint(const FIXPLANACTION &action);
  CVector ActionPlace(const FIXPLANACTION &action);
  CVector ActionPositionerPoint(const FIXPLANACTION &action);
  // waiting;
  int WaitAndWatch(const FIXPLANACTION &action);
  int WaitOutcome(const FIXPLANACTION &action, bool holds);
  // holding the ball and dribbling;
  int HoldTheBall(const FIXPLANACTION &action);
  int DribbleThere(const FIXPLANACTION &action);
  int DribbleOutcome(const FIXPLANACTION &action, bool holds);
  // and what lasts while its triggers hold.
  int LastsWhileTriggersHold(const FIXPLANACTION &action, bool holds);

  CBehaviours &m_Brain;
  FIXPLANRUN m_Run;
};

#endif
