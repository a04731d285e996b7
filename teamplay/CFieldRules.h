#ifndef CFIELDRULES_H
#define CFIELDRULES_H

#include <functional>

#include "Records.h"
#include "SkillRecords.h"
#include "States.h"
#include "SupportPlace.h"

class CBehaviours;

// The field players' rules, for one brain: the list every role runs in its
// order and the rules of it that no other caller asks for (the half's end,
// the kick-off place, a plan, our set play, keeping clear of theirs, the
// ball at the foot, resting, standing ready, stepping back onside), the looks after them, the
// states' helpers and a set play's pass. A rule returns 1 once the cycle's
// main command is queued, else 0. The rules the brain answers by name
// (chasing, the pass under way, defending and attacking) stay the brain's.
// Defined in Player.cpp, OffTheBall.cpp, SetPlays.cpp, ReceiverRun.cpp,
// PressTheDribbler.cpp, LookAbout.cpp and MarkerLook.cpp.
class CFieldRules
{
public:
  explicit CFieldRules(CBehaviours &brain);

  // A field player's pass, the role's own rules in their order.
  void PlayInRole(PlayMode previous, PlayMode current, const std::function<bool()> &roleRules);
  int SayByeAtHalfEnd(PlayMode previous, PlayMode current);
  int TakeKickOffPlace(PlayMode current);
  int RunMyFixPlan();
  int TakeOurSetPlay();
  int KeepClearOfTheirKick();
  int PlayTheBall();
  int RechargeIfTired();
  int StandReady();
  // After the main command: the neck, the view width and the team message.
  void LookAbout();
  // A marker in front of our goal: the neck turned so that his man is in
  // view with the ball, or glanced at when his news is old. True when the
  // look is settled.
  bool KeepMyManInView();
  // How far inside the kickable distance the ball must be to be sure of it.
  float ReachDoubt();
  // Whether a ball surely in reach, still coming nearer, is shot at once.
  bool ShootFirstTime();
  // Whether the pass had better wait for this cycle's visual: the ball is
  // reckoned in reach but not surely, or another player was at it too.
  bool AwaitSightAtTheBall();
  // Whether the agent is the one of us who gets to the ball first.
  bool AmIFastestToBall();
  // With their man clearly first to a ball under way that he takes in or
  // near our half: whether the agent is the one of us nearest the spot
  // goal-side of where he takes it, who runs there.
  bool MeetTheirReceiver();
  // Chasing a ball their man gets to first (his cycles and mine to it,
  // where he takes it): whether the run goes to meet him there.
  bool RunToMeetTheirMan(int theirs, int mine, CVector meets);
  // Whether the agent's heading already takes him past the spot where he
  // meets their man near enough to run on without turning.
  bool HeadingMeetsHim(CVector spot) const;
  // Whether the presser within a couple of metres of where their man next
  // plays the ball runs on along his heading: it takes him past it within
  // a tackle's reach, the ball in front of him.
  bool HeadingTakesHimOn(CVector touch) const;
  // The agent pressed in the last cycle and their dribbler's last touch
  // took the ball out of his reach: him while he is still first to it,
  // else null.
  const CPlayer *DribblerStillPressed();
  // Where their man on the ball plays it next: where he stands while it is
  // in his reach, else where he gets to it. False when one of us gets to
  // it first or no man of theirs is on it.
  bool TheirNextTouch(CVector &touch);
  // Off the ball and not going for it: resting, supporting or to his place.
  ActionState StateOffTheBall(bool rest);
  // A set play's pass: one kick, to a free team-mate not too far back.
  PASSLIMITS SetPlayPassLimits(float backAllowance) const;
  // A place the player stood on in the last cycle, and the wider slack it
  // is held with from then on.
  void NotePlaceHeld();
  float HeldPlaceSlack() const;
  // In play, how far the agent stands beyond their offside line when the
  // place he goes to is onside; 0 otherwise.
  float OffsideShortOf(CVector place);
  // Whether the agent, a forward whose place is at their line, is short of
  // it while our man on the ball could play a ball behind it: then his
  // place holds him without slack.
  bool ReadyToRunInBehind(CVector place);
  // With our ball near: the place the agent offers himself for a pass from;
  // the slot about the ball it is in is held from cycle to cycle.
  CVector OffenseSupportPlace();
  // The point the walk to a place goes for: the place, or the nearest point
  // of the agent's heading when that passes within the place's slack.
  CVector OnTheWayToPlace(CVector place, float slack) const;
  // Beyond their offside line: straight back towards our goal line at
  // this power, running or backing up as he faces, turning only when side
  // on. 1 when a command was queued.
  int GetBackOnside(float power);

private:
  // The fewest cycles in which one of us, the agent too, gets to the ball
  // as the chase reckons it.
  int OurCyclesToBall();

  CBehaviours &m_Brain;
  int m_PlaceHeldTime = -999;
  int m_MeetTheirManTime = -999;
  HeldSlot m_SupportSlot;
};

#endif
