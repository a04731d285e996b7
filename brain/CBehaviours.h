#ifndef CBEHAVIOURS_H
#define CBEHAVIOURS_H

#include <pthread.h>

#include <atomic>
#include <cstddef>
#include <vector>

#include "ActionQueue.h"
#include "CAttackingPlace.h"
#include "BrainParameters.h"
#include "BrainTypes.h"
#include "CBallChoices.h"
#include "CBreakaway.h"
#include "CShotAim.h"
#include "CModule.h"
#include "CPassUnderWay.h"
#include "CPlayer.h"
#include "CPredictionBodies.h"
#include "CSetPlayTouches.h"
#include "CFieldRules.h"
#include "CFixPlanRunner.h"
#include "CGoalkeeper.h"
#include "CInterceptSearch.h"
#include "CKickPlanner.h"
#include "CSituationWalks.h"
#include "CTeamTalk.h"
#include "CTouchGate.h"
#include "CVector.h"
#include "FixPlans.h"
#include "GK.h"
#include "MCCSOffensiveTarget.h"
#include "MCCSTarget.h"
#include "Records.h"
#include "SkillRecords.h"
#include "SkillTypes.h"
#include "States.h"
#include "ZPBeMem.h"
#include "ZPPositionerID.h"
#include "ZPRegistry.h"

class MCDictIniSafe;
class MCSLine;
class MCSPoint;
class MCSRectangle;
class CGLine;

// The brain: decides what the player does and formats the commands. It has
// no thread of its own; the main loop runs its decisions and the sensors
// thread reaches it for visuals and deferred scans.
class CBehaviours : public CModule, protected CBrainParameters
{
public:
  static const int ACTION_BUFFER_LENGTH = 640;

  // ==== The module: life, locks and waits, the agent's questions, the basic
  // commands (brain/CBehaviours, BasicBehaviours; runtime/BasicActions). What
  // the agent calls by name is virtual, for a stand-in to watch. ====
  explicit CBehaviours(CMediator *mediator);
  ~CBehaviours() override;

  void Init(MCDictIniSafe &config);
  virtual void Display() const;
  void Abort(const char *text, int code);

  // The module operations the brain answers itself.
  void SetHaveVisualForThisAngle(bool have) override;
  void SendQueuedScans() override;
  void SetIsNewAction(int flag) override;
  int GetIsNewAction() const override;
  void SetIsNewVisual(int flag) override;
  void SetLastCollisionTime(int time) override;
  void SetPrevKickPowerRate(int rate) override;
  float GetPrevKickPowerRate() const override;
  // Without these a request would go to the mediator, which routes it here.
  void NewVisualLock() const override;
  void NewVisualUnlock() const override;
  int GetIsNewVisual() const override;
  void ParseMessage(char *text) const override;
  // Locks, signals and waits.
  void Lock();
  void Unlock();
  void Signal();
  virtual void NewVisualSignal() const;
  virtual void NewActionLock() const;
  virtual void NewActionUnlock() const;
  virtual void NewActionSignal() const;
  int Wait4NewVisual(int milliseconds = 0);
  int Wait4NewAction2Exec();

  // The command being handed to the actuators.
  virtual char *GetActionBuffer();
  virtual void SetActionBuffer(const char *text);
  bool GetHaveVisualForThisAngle() const;
  Role GetRole() const;
  bool GetThinkingInProgress() const;
  void SetThinkingInProgress(bool thinking);
  virtual int GetScoreDiff() const;
  virtual void SetScoreDiff(int diff);
  void StorePMFromAudio(PlayMode heard);
  // The referee's latest call (may be newer than the decision pass's).
  PlayMode CurrentPlayMode() const;

  // Commands of each kind sent so far; the lost-command check corrects them.
  virtual int GetKickSent() const;
  virtual void SetKickSent(int count);
  virtual int GetDashSent() const;
  virtual void SetDashSent(int count);
  virtual int GetTurnSent() const;
  virtual void SetTurnSent(int count);
  virtual int GetSaySent() const;
  virtual void SetSaySent(int count);
  virtual int GetTurnNeckSent() const;
  virtual void SetTurnNeckSent(int count);
  // The basic commands, one datagram each.
  int BasicSayBye();
  int BasicMove(int x, int y);
  int BasicTurn(float moment);
  int BasicDash(float power);
  int BasicKick(float power, float direction);
  int BasicTurnNeck(float angle);
  int BasicSay(const char *text);
  int BasicChangeView(const char *width, const char *quality);
  int BasicCatch(float direction);
  int BasicTackle(float power);
  int BasicSenseBody();

  // ==== One decision pass, in the main loop's order, and its bundle
  // (teamplay/Player, brain/ActionQueue, TouchGate) ====
  void AdjustStrategy();
  void DetermineEnvState(PlayMode previous, PlayMode current);
  void DetermineActionState();
  void PlayAsGoalKeeper(PlayMode previous, PlayMode current);
  void PlayAsDefender(PlayMode previous, PlayMode current);
  void PlayAsMidfielder(PlayMode previous, PlayMode current);
  void PlayAsForward(PlayMode previous, PlayMode current);
  int SendAllActions(int time);
  // The cycle's command bundle: deciding only fills it. Dash and Kick
  // queue what they are asked; the decision pass goes through TouchGate.
  int Dash(float power);
  int Turn(float angle);
  int Kick(float power, float direction);
  int TouchGate(CMDType kind, float power, float direction = 0);
  int Catch(float direction);
  int Tackle(float power);
  void Move(int x, int y);
  int SayBye();
  void TurnNeck(float angle);
  void Say(const char *text);
  void ChangeView(const char *width, const char *quality);
  int SenseBody();
  void ResetNeck();
  int ResetBody();
  bool TurnNeckThisCycle();
  void QueueScan(int type, float angle);
  void QueueWait4Visual(bool wait);
  float GetActualMoment(float angle);
  int SendActionQueue(int time);
  ACTIONQUEUE GetQueue();
  ACTIONQUEUE GetLastQueue();
  // The main command queued for this cycle (an earlier cycle's: CMD_NONE).
  CMDType QueuedMainCommand();
  bool MainCommandQueued();

  // ==== Formations, roles and places (world/Formations, positioning/) ====
  Formation GetFormationID() const;
  void SetFormationID(Formation formation);
  void SetRole();
  Role GetRole(int unum) const;
  CVector GetHomePos(int unum) const;
  CVector GetHomePos() const;

  // What the positioners' memory reads: the goal mouths, the pitch, the
  // ball's point ((0, 0) without a ball).
  MCSLine MCMGetGoal();
  MCSLine MCMGetTheirGoal();
  MCSRectangle MCMGetField();
  MCSPoint MCMGetBall();
  void InitialMove();
  float CorrectDashPower4Stamina(float power, float stamina) const;
  float CorrectDashPower4Stamina(float power) const;
  // How hard to dash when walking to a place, by play mode, stamina and role.
  float DashPower4Positioning() const;
  // Walks towards the point of the brain's own positioner, or of another.
  int Position();
  int Position(ZPPositionerID positioner);

  EnvState GetEnvState() const;
  void SetEnvState(EnvState state);
  ActionState GetActionState() const;
  void SetActionState(ActionState state);

  // ==== Reading the world: the agent's place, who is where, what comes next,
  // the maths (world/Localisation, Predict; brain/Advanced-, BasicBehaviours) ====
  virtual void Localise();
  const CLine *InsideLine();
  const CFlag *ClosestFlag();
  float GFaceDir(const CLine *line);
  // Who is near, who reaches or holds the ball, who is furthest up or back,
  // who is behind, and the play mode's classes.
  int NumFriendsWithin(float radius, CVector centre);
  int NumFoesWithin(float radius, CVector centre);
  int NumFriendsWithin(float radius);
  int NumFoesWithin(float radius);
  int NumFriendsWithin(float distTol, float dirTol, float dist, float dir);
  int NumFoesWithin(float distTol, float dirTol, float dist, float dir);
  const CPlayer *FastestFriend2Ball(bool withMe);
  const CPlayer *FastestFoe2Ball();
  const CPlayer *PlayerWithBall(float buffer);
  const CPlayer *FoeWithBall(float buffer);
  const CPlayer *FriendWithBall(float buffer);
  const CPlayer *HighestXPlayer(bool withMe);
  const CPlayer *LowestXPlayer(bool withMe);
  const CPlayer *HighestXFriend(bool withMe);
  const CPlayer *LowestXFriend(bool withMe);
  const CPlayer *HighestXFoe();
  const CPlayer *LowestXFoe();
  bool IsPlayerBehind(const CPlayer *p, float dir) const;
  bool IsPlayerBehind(const CPlayer *p, CVector point) const;
  bool InOurPenaltyArea(CVector point) const;
  bool InOurPenaltyArea() const;
  bool CheckOffsideLine();
  bool IsOurMode(PlayMode mode) const;
  bool IsTheirMode(PlayMode mode) const;
  bool IsSpecialMode(PlayMode mode) const;
  // The server's motion model run forward on copies of the world. An
  // unknown position has magnitude -1, cycle counts stop at 999.
  CVector BallPredPosAfterKick(int n, float power, float dir);
  CVector BallPredPos(int n);
  CVector BallPredPos();
  CVector BallPredPosWithQueuedActions(int n = 1);
  bool BallWillBeKickable(int n, float dashPower, float buffer);
  CVector PredPosAfterDashing(int n, float power) const;
  CVector PredPosAfterDash(float power) const;
  CVector PredPosAfterTurn(int n, float angle, float power, bool turnFirst,
                           int waitCycles = 0) const;
  CVector PredPos() const;
  CVector PredPosWithQueuedActions() const;
  float PredBodyAngleWithQueuedActions() const;
  float PredRelAngle2PointFromBodyWithQueuedAction(CVector point) const;
  int PredictedCycles2Point(CVector point, float power, float dist) const;
  int PredictedCycles2Point(CVector point) const;
  CVector PPredPosAfterDashing(int n, float power, const CPlayer *pl) const;
  CVector PPredPosAfterDash(float power, const CPlayer *pl) const;
  CVector PPredPosAfterTurn(int n, float angle, float power, bool turnFirst,
                            const CPlayer *pl) const;
  CVector PPredPos(const CPlayer *pl) const;
  CVector PPredPos(int n, CVector accel, const CPlayer *pl) const;
  int PlayerPredictedCycles2Point(const CPlayer *pl, CVector point, float power,
                                  float dist) const;
  int PlayerPredictedCycles2Point(const CPlayer *pl, CVector point) const;
  int EstimateCycles2Steal(const CPlayer *opp) const;
  // Within the kickable distance less buffer of the player (null: the agent).
  bool BallKickableForPlayer(const CPlayer *p, float buffer) const;
  // In reach by the server's truth: the model's distance less what the last
  // sight and the cycles since may have got wrong.
  bool BallSurelyInReach();
  // In reach by the reckoning's own doubt, one of theirs at it: kicked
  // even when he may have played it since the sighting.
  bool ContestedBallInReach();
  // Our kick sent in `cycle` went on that reckoning alone.
  bool ContestedKickSent(int cycle) const;
  // Numeric helpers. Angles are in degrees.
  virtual float NormaliseAngle(float angle) const;
  float ATan(float x) const;
  float ASin(float x) const;
  float Sin(float angle) const;
  float AngleToFromBody(CVector point) const;
  CVector BodyPolar2Gpos(float dist, float angle) const;
  float GoAngle(float x) const;
  float SignF(float x) const;
  int Sign(int x) const;
  float Sqr(float x) const;
  int Sqr(int x) const;
  float Exp(float x, int n) const;
  float int_pow(float x, int n) const;
  float Round(float x, int n) const;
  // Geometric series of ratio r, as of speeds that decay by r each cycle.
  double SumInfGeomSeries(float first, float r) const;
  double SolveForSumInfGeomSeries(float r, float sum) const;
  double SolveForFirstTermGeomSeries(float r, int n, float sum) const;
  float SumGeomSeries(float first, float r, int n) const;
  float SolveForLengthGeomSeries(float first, float r, float sum) const;
  CVector PointInBetween(CVector a, CVector b, float dist) const;
  // The cone's tip is the last argument, its axis runs towards end.
  bool IsPointInCone(CVector point, float ratio, CVector end, CVector apex) const;
  // The server's turn model.
  float EffectiveTurn(float moment, float speed) const;
  float MaxEffectiveTurn() const;
  int NumTurns2Angle(float target, float facing, float speed) const;
  int NumTurns2Angle(float target) const;
  bool IsPointInBounds(float x, float y, float buffer) const;
  bool IsPointInBounds(CVector point, float buffer) const;

  // ==== Looking (brain/Looking): the neck's reach, sweeps of the field, and
  // facing points, players and the ball with the body, the neck or both ====
  float TurnNeckLimit(float angle) const;
  bool CanFaceAngleFromBodyWithNeck(float angle) const;
  bool CanFaceAngleFromNeckWithNeck(float angle) const;
  bool CanSeeAngleFromBodyWithNeck(float angle) const;
  bool CanSeeAngleFromNeckWithNeck(float angle) const;
  bool CanSeePointWithNeck(CVector point) const;
  void TurnNeck2RelativeAngle(float angle);
  void ScanFieldWithNeck();
  bool ScanFieldWithBody();
  bool FaceOnlyBody2Point(CVector point);
  void FaceOnlyNeck2Point(CVector point);
  bool FaceNeck2Point(CVector point);
  bool FaceNeckAndBody2Point(CVector point);
  bool FaceOnlyBody2Player(const CPlayer *player);
  void FaceOnlyNeck2Player(const CPlayer *player);
  bool FaceNeck2Player(const CPlayer *player);
  bool FaceNeckAndBody2Player(const CPlayer *player);
  bool FaceOnlyBody2Ball();
  void FaceOnlyNeck2Ball();
  bool FaceNeck2Ball();
  bool FaceNeckAndBody2Ball();

  // ==== Moving, and the ball behaviours (brain/Moving, AdvancedActions) ====
  // Moving: 1 when a command was queued (or handed on), 0 when none.
  int MoveToPos(CVector target, float tolerance, float power, DodgeType dodge);
  int MoveToPos(CVector target, float power);
  int MoveToPos(float x, float y, float power);
  int MoveToPos(point p, float power);
  bool AtPos(CVector p, float tolerance) const;
  bool AtPos(CVector p) const;
  int MoveToHomePos(float power);
  int MoveInBetween(CVector a, CVector b, float power);
  int MoveInBetween(CVector a, float dir, float power);
  int MoveToPointInBetween(CVector a, CVector b, float f, float power);
  int MoveToPointInBetween(CVector a, float dir, float f, float power);

  // Holding, blocking and possession.
  void StopBall();
  void HoldBall();
  CVector OverrunBlockPos(CVector point, const CPlayer *foe, CGLine line) const;
  int BlockFoe(CVector point, const CPlayer *foe, float power);
  bool IsOurPossession(bool &near);
  bool IsOurPossession();
  bool CanIRecharge() const;
  int CanKeepBallCyclesForThisZone() const;
  bool CanKeepBall(int cycles);

  // Shooting, crossing and sending.
  CVector ShootPoint(const CPlayer *player);
  CVector ShootTarget(float first, float second);
  int ShootToGoal();
  int ClearBall();
  bool NeedToClear();
  int SendBall();
  int OffensiveSendBall();
  int CrossBall();
  bool ShouldISendInwards();
  bool ShouldICross() const;
  bool ShouldIMoveToCross() const;

  // ==== Ball skills: kicking, dribbling, breakaways (skills/Kick, Spin,
  // Dribble, BreakAway) ====
  // The effective kick power rate for the ball where it lies now.
  float CalcKickPowerRate();
  float CalcKickPowerRate(float dist, float dir);
  int KickBall(CVector target, float speed);
  float Point2KickVelocity(CVector target, float endSpeed) const;
  ACTIONQUEUE KickStraight(float speed, float dir, float factor, bool *possible);
  int DoKCommand(ACTIONQUEUE queue);
  int SpinTo(float dir, ROTDIR rot);
  int SpinKick(float radius, float dir, ROTDIR rot, bool execute, float factor, float straight,
               ACTIONQUEUE *queue);
  KICKMODE BestModeAbs(float dir);
  int SmartKickAbs(float dir, KICKMODE mode, float speed, ROTDIR rot);
  // Whether the ball, after this kick or dash, ends on the body (or within
  // buffer of it); whether its way passes within hard_kick_min_dist of it.
  bool IsKickCollision(float power, float dir);
  bool IsDashCollision(float power, float buffer = 0);
  bool HardKickCollision(CVector from, CVector to) const;
  // Whether a dash first lets the next kick give more speed than one now.
  bool WillDashHelpKick(float dir, float speed);
  // A kick over several cycles (skills/CKickPlanner.h): the hard kick lays
  // the ball where the next adds most, the hard spin kick brings it round
  // the body first; a plan runs while this cycle's kick is not the last.
  int HardKick(float dir, float speed, KICKMODE mode);
  int HardSpinKick(float dir, ROTDIR rot);
  bool KickPlanRunning() const;
  // Away from an opponent within min_rotate_opp_worry_dist, else shorter.
  ROTDIR CalcOppAvoidSpinDirection(float from, float to);

  // Dribbling: a step towards a direction (a dash while the ball lies as
  // meant, a dribble kick laying it dribble_ball_dist ahead otherwise).
  int DribbleTo(float dir, float power);
  int DribKick(float dir, float power);
  int DribDash(float power);
  ACTIONQUEUE GetDribbleKick(float dir, float power, int cycles, bool *possible);
  float NormaliseDribAngleWithBuffer(float dir) const;
  // Whether to dribble, and whether the way is free (in a breakaway their
  // goalkeeper does not block it).
  bool CanDribble();
  bool CanDribbleTo(CVector point);
  bool CanDribbleToBreakaway(CVector point);
  bool CanDribbleTowards(float dir);
  bool CanDribbleTowardsBreakaway(float dir);

  // Breakaways, ours (middle or wing) and theirs: where to head, the
  // kick-and-run (-999: unsafe), the target kept, the shot (CBreakaway.h).
  bool MyBreakaway();
  bool MySideBreakaway();
  bool TheirBreakaway(const CPlayer *opp);
  CVector BreakawayApproachPoint();
  CVector SideBreakawayApproachPoint();
  int BreakawayKickRunCycles();
  int SideBreakawayKickRunCycles();
  float BreakawayEvaluateKickRunAngle(float dir, int cycles);
  float SideBreakawayEvaluateKickRunAngle(float dir, int cycles);
  CVector BreakawayPickTarget();
  CVector SideBreakawayPickTarget();
  BREAKAWAYTARGET GetBreakawayTarget(bool side) const;
  bool BreakawayLook4Shot();
  int PlayBreakaway();
  int PlaySideBreakaway();
  // Shorter forms: the rest from the configuration or the last dribble/kick.
  int BallPathInterceptValid();
  int BallPathInterceptAmIThere();
  bool IsSuccessRes(INTERCEPTRES result) const;
  CVector MyInterceptionPoint(float power);
  CVector MyInterceptionPoint();
  float MyDashPowerToIntercept(float power);
  float MyDashPowerToIntercept();
  int PassBall(const CPlayer *p);
  // The pace at the receiver his pass was reckoned at this cycle.
  float PassPace(const CPlayer *receiver) const;
  int CleverDribbleTo();
  int CleverDribbleTo(CVector target, float speed);
  KICKMODE BestMode(float relDir);
  int SmartKickAbs();
  int SpinKick(float dir, ROTDIR rot, bool execute, ACTIONQUEUE *queue);

  // ==== Ball skills: interception, passing, targets (skills/Intercept,
  // PassiveIntercept, Passing, ClearSend). A null player is the agent. ====
  void InitialiseInterception();
  void SetInterceptionLookahead(int cycles);
  int AbleToIntercept(const CPlayer *p, float power);
  int NumOfCyclesToIntercept(const CPlayer *p, float power);
  int AbleToIntercept(const CPlayer *p);
  int NumOfCyclesToIntercept(const CPlayer *p);
  int AmIAbleToIntercept(float power);
  int AmIAbleToIntercept();
  int MyNumOfCyclesToIntercept(float power);
  int MyNumOfCyclesToIntercept();
  void ResetInterceptionMinCyc();
  CVector InterceptionPoint(const CPlayer *p, float power);
  // The dash that leaves a ball near the body kickable next cycle and clear
  // of it by collision_buffer (0: none does).
  int CloseBallInterception();
  // The first place of the ball's run the agent can stand within this
  // distance of in time, and when (999: none).
  CVector WellInsideReachPoint(float within, int &cycles);
  float DashPowerToIntercept(const CPlayer *p, float power);
  void VerifyBPIInfo();
  int BallPathInterceptAmIThere(float tolerance);
  // A player's record brought up to date for this cycle and power, and the
  // fewest cycles anyone was found to need.
  const PLAYERINTERCEPTINFO &VerifyIntInfo(const CPlayer *p, float power);
  bool DeferIntInfo(const CPlayer *p, int cycles);
  INTERCEPTRES InterceptionResult(const CPlayer *p, float power);
  void SetIntMinCyc(int cycles);
  // Passive interception: where on the ball's path to wait, and when.
  CVector GetClosestPointToBallPath(CVector from, const CVector &ballPos, const CVector &ballVel,
                                    float facing, int *ballCycles);
  CVector BallPathInterceptPoint();
  int BallPathInterceptCanIGetThere();
  float BallPathInterceptCyclesForBall();
  float BallPathInterceptDistance();
  // Passing: the receivers, once a cycle; the risk that opponents get at a
  // pass; the receiver (null: none safe; back only if allowed or up front).
  void AssessReceivers();
  float PassRisk(CVector from, CVector target, float speed);
  const CPlayer *PassTarget(int allowBackPass);
  // The one chooser of receivers, within the limits of who passes.
  const CPlayer *PassTarget(const PASSLIMITS &limits);
  // Shots: the agent's own (have), a team-mate's (has, null: the agent), a
  // moving ball at our goal (is); in range: near enough, at an angle and with
  // the pace for a shot, whoever is in its way (target: where it goes).
  bool ShotInRange(CVector &target);
  // A field opponent within reach of the ball's first metres to target.
  bool ShutAtTheFoot(CVector from, CVector target);
  bool HaveAShot();
  bool HaveAGoodShot();
  bool HaveAGreatShot();
  bool HasAShot(const CPlayer *p);
  bool HasAGoodShot(const CPlayer *p);
  bool HasABetterShot(const CPlayer *p);
  bool IsShot();
  int PassBall(const CPlayer *p, float speedAtTarget);
  // The pace is a running speed: more than the body runs is full pace.
  int CleverDribbleTo(CVector target, float speed, float buffer);
  float TheirBreakawayConeRatio(const CPlayer *p) const;
  CVector ShootTarget(CVector from, float first, float second);
  CVector ClearTarget();
  CVector SendTarget();
  CVector OffensiveSendTarget();

  // ==== Team play: strategy, states and the field players (teamplay/Player,
  // OffTheBall, BallChoices, PassUnderWay, LookAbout, *PlayStyles) ====
  // The half's end; resting: the cycles a tired player walks after a set
  // play, whether the agent rests this cycle, whether he is tired.
  bool IsHalfOver(PlayMode previous, PlayMode current) const;
  int GetRechargeCycles() const;
  bool Recharge();
  bool AmITired() const;
  // The field players' rules: 1 once the main command is queued, else 0;
  // the list in its order and its other rules: teamplay/CFieldRules.h.
  int ChaseBall();
  // The receiver of our pass under way meets the ball; the others leave it.
  int WatchPass();
  int DefenseActive();
  int DefenseSupport();
  int DefensePosition();
  int OffenseSupport();
  int OffensePosition();
  // The zone behaviours with the ball: our third, the middle, their third.
  int DEFZWithBall();
  int MIDZWithBall();
  int FWZWithBall();
  // Marks the bundle as this cycle's, whatever it holds.
  void ClaimCycle();
  // The bundle went and the clock stands: nothing more until next cycle.
  bool ClockStandsAfterBundle(PlayMode previous, PlayMode current) const;
  // Whether the agent takes our set play.
  bool AmISetPlayTaker();
  // The run to where the agent meets the ball, expected in that many cycles.
  int RunToMeetBall(CVector point, int cycles);
  // The run's pace and view for a ball met in so many cycles; the run on
  // along the present heading at that pace.
  float MeetBallPace(int cycles);
  int RunOnAtFullPace(int cycles);
  // The pass under way (teamplay/CPassUnderWay.h): a kick of ours for a
  // team-mate, one a team-mate announced, and once a cycle whether it is over.
  int AnnouncePass(const CPlayer *receiver, CVector target, int kicked);
  void HearPass(int passer, int time, int receiver, CVector target);
  void NotePassEnd();
  // An opponent has the ball near the agent and none of us is better
  // placed (nearer, or on his way to our goal) to go at him.
  bool AmIPressingTheirBall();
  // The opponent on the ball with none of us nearer to it, or null.
  const CPlayer *TheirBallCarrier();
  // Whether a player stands on the opponent's way to our goal.
  bool IsOnTheWayToGoal(CVector player, const CPlayer *foe);
  // How near a player counts when choosing who presses the carrier.
  float PressDistance(CVector player, const CPlayer *carrier);
  // The tackle of their carrier: the ball at his feet, in front of the
  // agent near enough that it rarely misses, and not pushed at our goal.
  bool ShouldITackle();
  // Whether the ball a tackle would push off gets first to one of theirs,
  // or leaves the pitch.
  bool TackleFeedsThem(CVector ballAt, CVector ballInBody);
  int TackleTheirBall();
  // Whether the server still holds the agent after its tackle in this cycle.
  bool HeldAfterTackle(int cycle) const;
  // The first point on the carrier's way to our goal that the agent gets
  // to no later than he does with the ball; false when there is none.
  bool CutOffPoint(const CPlayer *foe, CVector &point);
  // Goes to a cover spot, and stays on it facing the ball once there.
  int StayCovering(CVector spot);
  // The second of us nearest the ball, who covers the press: the agent, or
  // the player of that number at that place.
  bool AmICoveringThePress();
  bool IsCoverOfThePress(int unum, CVector at);
  // A defender's place moved back, with the ball in our half, to behind
  // the ball.
  CVector DropWithTheBall(CVector place);
  // With the ball near our goal or in our half, the opponent who falls to
  // the agent to mark (or null), and the run to his goal side.
  const CPlayer *OpponentIMark();
  int MarkMyMan();
  // A forward's place moved up to their line while they have the ball.
  CVector UpAtTheirLine(CVector place);
  // The run to a point where the ball is met, turning only when the
  // heading would miss the ball's reach.
  int RunToBall(CVector point, float power);
  // At the ball, where the agent meets it soonest.
  int RunAtTheBall();
  // The agent took our set play and touched the ball last; noted once a pass.
  bool TouchedLastInSetPlay() const;
  void NoteSetPlayTouches();
  // Their offside line; the walk to a place, as exact as the ball asks.
  float TheirOffsideX();
  int GoToPlace(CVector target, float power);
  // The plays with the ball (teamplay/CBallChoices.h); what the last pass
  // did with the ball; a play that queued, recorded: "if (Chose(BP_SHOOT,
  // ShootToGoal())) ...".
  CBallChoices &BallChoices();
  BallPlay GetBallPlay() const;
  int Chose(BallPlay play, int done);

  // ==== Team play: the goalkeeper (teamplay/GK, GKPlayStyles) ====
  // How many cycles before the ball a goalkeeper (null: the agent) can be
  // within catching reach of its path (< 0: never), and whether enough.
  virtual int NumCyclesGoalieBeatsBall(CVector from, float dir, float speed,
                                       const CPlayer *goalie) const;
  int NumCyclesGoalieBeatsBall(CVector from, CVector to, float speed, const CPlayer *goalie) const;
  bool CouldGoalieBlockShotFromSpot(CVector from, float dir, float speed, int cycles,
                                    const CPlayer *goalie) const;
  bool CouldGoalieBlockShotFromSpot(CVector from, CVector to, float speed, int cycles,
                                    const CPlayer *goalie) const;
  // The goalkeeper's own moves and looks: 1 when a main command was queued.
  virtual int GoalieGoToPoint(CVector p, float tolerance, SightVSpeed s);
  int GoalieGoToPoint(CVector p, SightVSpeed s);
  CVector GoalieDesiredPosition();
  int GoalieGoToPosition();
  bool GoalieFaceBall();
  void GoalieWatchBall();
  void GoalieScanField();
  void GoalieShrinkViewCone();
  // The narrowest half view that keeps the ball in sight with this body.
  float MinViewAngForBodyAngle(float body);
  // The goalkeeper's rules.
  bool InDefensiveDanger();
  // In danger, the pass waits a little for this cycle's visual rather than
  // act on the last cycle's: a shot is seen a cycle sooner.
  void GoalieAwaitVisual();
  bool ShouldIGoToBall();
  int GoalieIntercept();
  bool ShouldIComeOutToOpponent();
  bool TheirManRunsTheBallIn(const CPlayer *foe) const;
  // An opponent has the ball in my area, near me or the goal: I go for it.
  bool ShouldIRushTheBall();
  int GoalieBlockOpponent();
  bool ShouldICatch();
  int GoalieCatchBall();
  int GoalieAfterCatch();

  // ==== Team play: set plays (teamplay/FixPlans, CFixPlanRunner) ====
  void InitialiseFixPlans();
  // The decimal text of a number, as the plans' keys number their parts.
  MCString IntToString(int number) const;
  void ReadFixPlans(const MCDictIniSafe &config);
  // Whether a plan is this agent's to run now, and running its next step.
  bool AmIInThePlan();
  int ExecuteFixPlan();
  // Whether a plan runs for this agent (never with use_fix_plans off).
  bool InFixPlan() const;
  // Refuses, a line each, the plans with no action or an unknown code.
  void CheckFixPlans();

  // ==== Team play: team messages (teamplay/Communication) ====
  // Decodes the team-mate's message that ParseMessage accepted.
  void DeconstructMessage() const;
  // Adds the cycle's team message to the bundle when it is ours to speak.
  void Communicate();
  // The team-mate whose turn it is speaks, and a passer whose pass is news.
  bool ShouldICommunicate() const;
  // This cycle's message into text (512 bytes; false: nothing to say).
  bool ConstructOriginalMessage(char *text, std::size_t size) const;
  // Hands the accepted message to the world model, if said this cycle.
  void DeConstructOriginalMessage();
  int EncryptTimeStamp(int time) const;
  int DecryptTimeStamp(int stamp) const;
  // Team messages accepted from team-mates so far (any thread may read).
  int GetTeamMessagesHeard() const;

protected:
  // ==== The module's state and helpers ====
  mutable pthread_mutex_t m_Mutex;
  mutable pthread_cond_t m_Cond;
  mutable pthread_mutex_t m_NewVisualMutex;
  mutable pthread_cond_t m_NewVisualCond;
  mutable pthread_mutex_t m_NewActionMutex;
  mutable pthread_cond_t m_NewActionCond;
  bool m_ThinkingInProgress;
  Role m_Role;
  int m_IsNewVisual;
  int m_IsNewAction;
  bool m_HaveVisualForThisAngle;
  char m_ActionBuffer[ACTION_BUFFER_LENGTH];
  // Counted by the main thread, corrected by the lost-command check.
  std::atomic<int> m_KickSent;
  std::atomic<int> m_DashSent;
  std::atomic<int> m_TurnSent;
  std::atomic<int> m_SaySent;
  std::atomic<int> m_TurnNeckSent;
  float m_PrevKickPowerRate;
  int m_LastCollisionTime;
  // The bundles: their time and deferred scan are written, and read off
  // the main thread, under m_QueueMutex (the sensors thread reads them).
  mutable pthread_mutex_t m_QueueMutex;
  ACTIONQUEUE m_LastQueue;
  ACTIONQUEUE m_Queue;
  int m_LastActionsSentTime;
  void QueueLock() const;
  void QueueUnlock() const;
  int QueuePowered(CMDType command, float power);
  void Report(int status, const char *text) const;
  int TimedWait(pthread_cond_t *cond, pthread_mutex_t *mutex, const int *flag, int waitWhile,
                int milliseconds, const char *clockName, const char *waitName) const;
  // The touch gate's rules (brain/CTouchGate.h).
  friend class CTouchGate;
  CTouchGate m_TouchGate{*this};
  // The deferred scan that went, under the queue's lock.
  int m_ScanSentTime = -999;
  int m_ScanSentType = SCAN_NONE;

  // ==== Formations, roles and places ====
  Formation m_FormationID;
  // Cycles after a set play a tired player walks (set from the score).
  int m_RechargeCycles = 0;
  EnvState m_EnvState;
  ActionState m_ActionState;
  // The positioning framework (lookups use the program's registry).
  ZPBeMem m_BeMem;
  ZPRegistry m_Registry;
  ZPPositionerID m_Positioner;
  // The mouth of the goal of that side.
  MCSLine GoalMouth(char side);

  // ==== Reading the world ====
  // The fastest players to the ball, once a cycle (null: the agent/nobody).
  int m_FastestFriendTime = 0;
  const CPlayer *m_FastestFriend = nullptr;
  int m_FastestFoeTime = 0;
  const CPlayer *m_FastestFoe = nullptr;
  // The queries' walks (brain/CSituationWalks.h).
  friend class CSituationWalks;
  CSituationWalks m_Walks{*this};
  // The ball is known: seen recently enough that its place is trusted.
  // Every behaviour asks this before it plays on the ball's position.
  bool BallPositionValid() const;
  // BallSurelyInReach; contested: one of theirs at the ball neither bars it
  // nor does a bump's doubt.
  bool BallInReachOnTheReckoning(bool contested);
  // The ball's last place is kept below the confidence threshold too: the
  // set plays go by it, so that looking away does not end one.
  bool BallRemembered() const;
  // The bodies the predictions move (world/CPredictionBodies.h).
  friend class CPredictionBodies;
  CPredictionBodies m_Bodies{*this};
  // The valid opponents' positions, nearest to the agent first.
  std::vector<CVector> FoePositions();

  // ==== Moving, and the ball behaviours ====
  // The last foe-blocking decision: its cycle, and whether to overrun.
  int m_BlockFoeTime = -999;
  // The cycle of the agent's last tackle: the server holds it still after.
  int m_LastTackleTime = -999;
  bool m_OverrunBlocking = false;
  // The keep-ball answer of one cycle.
  int m_CanKeepBallTime = 0;
  bool m_CanKeepBallResult = false;
  // From when on the agent may rest again (set by team play's resting).
  int m_RechargeAllowedTime = -999;
  // The target scanners for clearing, sending and shooting.
  MCCSTarget m_Target;
  MCCSOffensiveTarget m_OffensiveTarget;

  // ==== Ball skills: kicking, dribbling, breakaways (skills/SkillRecords.h) ====
  KICKSTATE m_Kicking;
  DRIBBLESTATE m_Dribbling;
  BREAKAWAYSTATE m_Breakaway;
  float KickRate(float dist, float dir) const;
  // The most one kick adds to the ball's velocity from these points.
  float KickAccelAt(CVector ball, CVector me) const;
  // The fastest ball one kick now sends straight at the target, the ball's
  // own motion counted; 0 when no kick now sends it that way.
  float OneKickSpeedTowards(CVector target);
  CVector DribbleBallSpot(float dir, float power, int cycles) const;
  bool DribbleWayFree(CVector point, bool breakaway);
  // Kicks over several cycles (CKickPlanner.h), breakaways (CBreakaway.h).
  friend class CKickPlanner;
  CKickPlanner m_KickPlanner{*this};
  friend class CBreakaway;
  CBreakaway m_BreakawayRun{*this};
  // The side of the agent's own shots (CShotAim.h).
  CShotAim m_ShotAim;

  // ==== Ball skills: interception, passing, targets (skills/SkillRecords.h) ====
  INTERCEPTSTATE m_Interception;
  PASSSTATE m_Passing;
  // The receivers a pass may go to.
  CPlayer m_Receivers[11];
  // The first cycle a body dashing with power meets the ball, every cycle
  // tried up to fine, into the record (false: none); CInterceptSearch.h.
  bool ActiveCanGetThere(const Predict::Body &start, bool mine, float power, int fine,
                         PLAYERINTERCEPTINFO &rec);
  friend class CInterceptSearch;
  CInterceptSearch m_InterceptSearch{*this};
  // How many cycles a rolling ball is ahead of the quickest opponent along
  // its way (their goalkeeper left out when asked), up to the receiver.
  // Opponents nearer `from` than leaveOutNear are left out.
  float SpareCycles(CVector from, CVector target, float speed, int delay,
                    const CVector *receiver = nullptr, bool withGoalie = true,
                    float leaveOutNear = 0);
  // Whether a shot kicked at speed beats them, endSpeed left on the line.
  bool ShotGetsThrough(CVector from, CVector target, float speed, float endSpeed, float *spare);

  // ==== Team play: strategy, states and the field players ====
  PlayMode m_PreviousMode = PM_BEFORE_KICK_OFF;
  PlayMode m_CurrentMode = PM_BEFORE_KICK_OFF;
  int m_ModeStartTime = 0;
  bool m_Recharging = false;
  // The agent is the one of us near the ball, by this pass's reading.
  bool m_PossessionNear = false;
  // The last pass's play with the ball; the last cycle of a kick laid over
  // several cycles; the set-play kicker's touches (teamplay/States.h).
  BallPlay m_BallPlay = BP_NONE;
  int m_KickUnderWayTime = -999;
  SETPLAYTOUCH m_SetPlayTouch;
  // The workings (teamplay/C*.h): the rule list, the attacking place, the
  // plays with the ball, the set-play touches, the pass under way.
  friend class CFieldRules;
  CFieldRules m_FieldRules{*this};
  friend class CAttackingPlace;
  CAttackingPlace m_AttackingPlace{*this};
  friend class CBallChoices;
  CBallChoices m_BallChoices{*this};
  friend class CSetPlayTouches;
  CSetPlayTouches m_SetPlayTouches{*this};
  friend class CPassUnderWay;
  CPassUnderWay m_PassUnderWay{*this};

  // ==== Team play: the goalkeeper's state (teamplay/GK.h), workings ====
  GOALIESTATE m_Goalie;
  friend class CGoalkeeper;
  CGoalkeeper m_Goalkeeper{*this};

  // ==== Team play: set plays, m_FixPlans[1 .. m_NumFixPlans], and the step
  // the current one stands at ====
  std::vector<FIXPLAN> m_FixPlans;
  int m_NumFixPlans = 0;
  int m_CurrentFixPlan = -1;
  int m_FixPlanProgress = 0;
  friend class CFixPlanRunner;
  CFixPlanRunner m_FixPlanRunner{*this};

  // ==== Team play: team messages (the const ParseMessage writes the buffer) ====
  static const std::size_t MESSAGE_BUFFER_LENGTH = 640;
  static const std::size_t MESSAGE_MIN_LENGTH = 510;
  mutable char m_MessageBuffer[MESSAGE_BUFFER_LENGTH] = {};
  // Working storage of the team-message coder, allocated by Init.
  static const int MESSAGE_PARTS = 17;
  std::vector<unsigned char> m_MessageParts[MESSAGE_PARTS];
  std::atomic<int> m_TeamMessagesHeard{0};
  // The speakers' turns, news and heard places (teamplay/CTeamTalk.h).
  friend class CTeamTalk;
  CTeamTalk m_TeamTalk{*this};
};

#endif
