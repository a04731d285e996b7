#ifndef CBEHAVIOURS_H
#define CBEHAVIOURS_H

#include <pthread.h>

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

#include "ActionQueue.h"
#include "BrainParameters.h"
#include "BrainTypes.h"
#include "CBreakaway.h"
#include "CModule.h"
#include "CPassUnderWay.h"
#include "CPlayer.h"
#include "CFixPlanRunner.h"
#include "CGoalkeeper.h"
#include "CInterceptSearch.h"
#include "CKickPlanner.h"
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
namespace Predict
{
struct Body;
}
class CGLine;

// The brain: decides what the player does and formats the commands. It has
// no thread of its own; the main loop runs its decisions and the sensors
// thread reaches it for visuals and deferred scans.
class CBehaviours : public CModule, protected CBrainParameters
{
public:
  static const int ACTION_BUFFER_LENGTH = 640;

  // ==== The module: life, locks and waits, the agent's questions, the basic
  // commands (brain/CBehaviours, BasicBehaviours; runtime/BasicActions) ====
  // The operations the agent calls by their own names are virtual so that a
  // stand-in can watch what reaches the brain.
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
  // Served under their own names: without these overrides a request would
  // go back to the mediator, which routes it here again.
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
  int Wait4NewVisual();
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
  // The referee's latest call, read under the play-mode lock: it may be
  // newer than the one the decision pass began with.
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
  int BasicSenseBody();

  // ==== One decision pass and its bundle (teamplay/Player, brain/ActionQueue,
  // TouchGate) ====
  // One decision pass, in the order the main loop calls them.
  void AdjustStrategy();
  void DetermineEnvState(PlayMode previous, PlayMode current);
  void DetermineActionState();
  void PlayAsGoalKeeper(PlayMode previous, PlayMode current);
  void PlayAsDefender(PlayMode previous, PlayMode current);
  void PlayAsMidfielder(PlayMode previous, PlayMode current);
  void PlayAsForward(PlayMode previous, PlayMode current);
  int SendAllActions(int time);
  // The cycle's command bundle: deciding only fills it. Dash and Kick
  // queue what they are asked; the decision pass dashes and kicks through
  // TouchGate (brain/TouchGate), which keeps the set-play kicker off the
  // ball, steps to a ball not surely in reach and waits out a stand-off.
  int Dash(float power);
  int Turn(float angle);
  int Kick(float power, float direction);
  int TouchGate(CMDType kind, float power, float direction = 0);
  int Catch(float direction);
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
  // The main command queued for this cycle; CMD_NONE when there is none
  // yet (a bundle left from an earlier cycle counts as none).
  CMDType QueuedMainCommand();
  bool MainCommandQueued();

  // ==== Formations, roles and places (world/Formations, positioning/) ====
  // Formations, roles and home positions.
  Formation GetFormationID() const;
  void SetFormationID(Formation formation);
  void SetRole();
  Role GetRole(int unum) const;
  CVector GetHomePos(int unum) const;
  CVector GetHomePos() const;

  // The positioners' memory reads the world through these: the goal mouths
  // as lines across the goals, the pitch, the ball's point ((0, 0) without
  // a ball).
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
  // and the small maths (world/Localisation, Predict; brain/AdvancedBehaviours,
  // BasicBehaviours) ====
  // Self-localisation from the flags and lines of the current visual.
  virtual void Localise();
  const CLine *InsideLine();
  const CFlag *ClosestFlag();
  float GFaceDir(const CLine *line);
  // Situation queries (AdvancedBehaviours): who is near, who reaches or
  // holds the ball, who is furthest up or back, who is behind, and the play
  // mode's classes. A null player stands for the agent where noted.
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
  // Prediction of motion: the server's model run forward on copies of the
  // world, cycle by cycle. An unknown position has magnitude -1, cycle
  // counts stop at 999.
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
  // Whether the ball is within the kickable distance less buffer of the
  // player (null: the agent itself).
  bool BallKickableForPlayer(const CPlayer *p, float buffer) const;
  // Whether the server, by its own truth, surely has the ball in the agent's
  // reach: the model's distance less what the last sight and the cycles since
  // may have got wrong.
  bool BallSurelyInReach();
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

  // ==== Looking (brain/Looking) ====
  // Looking and scanning (Looking): the neck's reach, sweeps of the field,
  // and facing points, players and the ball with the body, the neck or both.
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
  // Ball skills: kicking.
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
  // Whether the ball, after this kick or dash, ends the cycle on the
  // agent's body (or within buffer of it); whether its way to a point
  // passes within hard_kick_min_dist of the body's edge.
  bool IsKickCollision(float power, float dir);
  bool IsDashCollision(float power, float buffer = 0);
  bool HardKickCollision(CVector from, CVector to) const;
  // Whether a dash now, with the ball ahead, lets the next kick in that
  // direction give more speed than a kick now.
  bool WillDashHelpKick(float dir, float speed);
  // The steps of a kick over several cycles: the hard kick lays the ball
  // where the next kick adds most; the hard spin kick brings it round the
  // body to a direction (on the pitch) first. A plan is under way when
  // this cycle's kick is not the last.
  int HardKick(float dir, float speed, KICKMODE mode);
  int HardSpinKick(float dir, ROTDIR rot);
  bool KickPlanRunning() const;
  // The way to spin the ball from one direction to another (both on the
  // pitch): away from the nearest opponent when he is within
  // min_rotate_opp_worry_dist, the shorter way otherwise.
  ROTDIR CalcOppAvoidSpinDirection(float from, float to);

  // Dribbling: one step towards a direction at a dash power (a dash when
  // the ball lies as meant and stays in reach, a dribble kick otherwise);
  // the dribble kick that lays the ball dribble_ball_dist ahead of the
  // agent after this cycle's kick and cycles - 1 dashes; a dash that
  // keeps the ball in reach and off the body (0: none queued); a
  // direction close to the body's counted as the body's.
  int DribbleTo(float dir, float power);
  int DribKick(float dir, float power);
  int DribDash(float power);
  ACTIONQUEUE GetDribbleKick(float dir, float power, int cycles, bool *possible);
  float NormaliseDribAngleWithBuffer(float dir) const;
  // Whether to dribble here at all, and whether the way to a point (or
  // dribble_length towards a direction) is free of opponents; in a
  // breakaway the goalkeeper does not block the way.
  bool CanDribble();
  bool CanDribbleTo(CVector point);
  bool CanDribbleToBreakaway(CVector point);
  bool CanDribbleTowards(float dir);
  bool CanDribbleTowardsBreakaway(float dir);

  // Breakaways: whether the agent with the ball has one (through the
  // middle or down a wing), whether an opponent with the ball has one on
  // our goal; the point to head for, the cycles the ball runs alone after
  // a kick-and-run, the value of a kick-and-run direction (-999: unsafe),
  // the target (kept with the cycle of its choice), whether to
  // shoot now, and one cycle of the play.
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
  // The shorter forms: the missing arguments come from the configuration
  // or from what the last dribble and smart kick were asked; a null player
  // is the agent.
  int BallPathInterceptValid();
  int BallPathInterceptAmIThere();
  bool IsSuccessRes(INTERCEPTRES result) const;
  CVector MyInterceptionPoint(float power);
  CVector MyInterceptionPoint();
  float MyDashPowerToIntercept(float power);
  float MyDashPowerToIntercept();
  int PassBall(const CPlayer *p);
  int CleverDribbleTo();
  int CleverDribbleTo(CVector target, float speed);
  KICKMODE BestMode(float relDir);
  int SmartKickAbs();
  int SpinKick(float dir, ROTDIR rot, bool execute, ACTIONQUEUE *queue);

  // ==== Ball skills: interception, passing, targets (skills/Intercept,
  // PassiveIntercept, Passing, ClearSend) ====
  // Interception (Intercept): how soon a player (null: the agent) reaches
  // the ball dashing with a power, and the forms that choose the power.
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
  // Ball skills: where the agent meets the ball, and the ball's path.
  CVector InterceptionPoint(const CPlayer *p, float power);
  // Taking a ball already near the body without running into it: the
  // dash, along the body, forward or back down to minpower, that leaves
  // the ball kickable next cycle and clear of the body by collision_buffer
  // (0: none does, nothing queued).
  int CloseBallInterception();
  // The first place of the ball's run that the agent, flat out, can stand
  // within this distance of by the time the ball is there, and in how many
  // cycles (999 and the run's last place looked at: none).
  CVector WellInsideReachPoint(float within, int &cycles);
  float DashPowerToIntercept(const CPlayer *p, float power);
  void VerifyBPIInfo();
  int BallPathInterceptAmIThere(float tolerance);
  // Active interception: the record of a player (null: the agent) brought
  // up to date for this cycle and power, and the fewest cycles anyone was
  // found to need this cycle.
  const PLAYERINTERCEPTINFO &VerifyIntInfo(const CPlayer *p, float power);
  bool DeferIntInfo(const CPlayer *p, int cycles);
  INTERCEPTRES InterceptionResult(const CPlayer *p, float power);
  void SetIntMinCyc(int cycles);
  // Passive interception: the point of the ball's path to wait at, and what
  // the agent and the ball need to get there.
  CVector GetClosestPointToBallPath(CVector from, const CVector &ballPos, const CVector &ballVel,
                                    float facing, int *ballCycles);
  CVector BallPathInterceptPoint();
  int BallPathInterceptCanIGetThere();
  float BallPathInterceptCyclesForBall();
  float BallPathInterceptDistance();
  // Passing: the team-mates as receivers, worked out once a cycle (records
  // by uniform number, m_Receivers[unum - 1]); the risk that opponents get
  // at a ball sent from a point at a speed to a target; the receiver a pass
  // should go to (null: none safe enough). A back pass is taken only when
  // allowBackPass is set or the attack stands at their last line.
  void AssessReceivers();
  float PassRisk(CVector from, CVector target, float speed);
  const CPlayer *PassTarget(int allowBackPass);
  // The one chooser of receivers: the best safe receiver within the limits
  // of who passes (a field player in play, a set play's taker, the
  // goalkeeper), or null.
  const CPlayer *PassTarget(const PASSLIMITS &limits);
  // Shots: the agent's own (have), a team-mate's (has, null: the agent),
  // and whether the moving ball is a shot at our goal.
  bool HaveAShot();
  bool HaveAGoodShot();
  bool HaveAGreatShot();
  bool HasAShot(const CPlayer *p);
  bool HasAGoodShot(const CPlayer *p);
  bool HasABetterShot(const CPlayer *p);
  bool IsShot();
  // Ball skills: passing, dribbling, breakaways and targets.
  int PassBall(const CPlayer *p, float speedAtTarget);
  // The pace of a dribble is a running speed: asking more than the body
  // runs is full pace, as far as stamina allows.
  int CleverDribbleTo(CVector target, float speed, float buffer);
  float TheirBreakawayConeRatio(const CPlayer *p) const;
  CVector ShootTarget(CVector from, float first, float second);
  CVector ClearTarget();
  CVector SendTarget();
  CVector OffensiveSendTarget();

  // ==== Team play: strategy, states and the field players (teamplay/Player,
  // OffTheBall, BallChoices, PassUnderWay, LookAbout, *PlayStyles) ====
  // The half is over for this process: the referee ended it, or play went
  // back to before kick-off.
  bool IsHalfOver(PlayMode previous, PlayMode current) const;
  // The cycles after a set play in which a tired player walks to his place.
  int GetRechargeCycles() const;
  // Whether the agent would rest in this cycle: a rest under way goes on
  // until stamina is high again (or play goes back to before kick-off), and
  // its end bars the next one for no_recharge_period cycles; a new one may
  // start once stamina runs low. The resting itself, a slow walk to the
  // place, is RechargeIfTired's.
  bool Recharge();
  // Too little stamina left for a full dash above the effort threshold.
  bool AmITired() const;
  // How far inside the kickable distance the ball must be reckoned for the
  // agent to be sure of it: more for a ball not seen lately, more after a
  // hard dash.
  float ReachDoubt();
  // A field player's pass, the role's own rules in their order.
  void PlayInRole(PlayMode previous, PlayMode current, const std::function<bool()> &roleRules);
  // The rules every field player's pass is made of. Each fills the cycle's
  // main command and answers 1, or leaves it to the next rule with 0.
  int SayByeAtHalfEnd(PlayMode previous, PlayMode current);
  int TakeKickOffPlace(PlayMode current);
  int RunMyFixPlan();
  int TakeOurSetPlay();
  int KeepClearOfTheirKick();
  int PlayTheBall();
  int ChaseBall();
  int RechargeIfTired();
  // A pass of ours under way, still trusted: its receiver goes to meet the
  // ball with it in view; the others leave it to him.
  int WatchPass();
  int DefenseActive();
  int DefenseSupport();
  int DefensePosition();
  int OffenseSupport();
  int OffensePosition();
  // A midfielder's or forward's place while we have the ball: ahead of
  // it by his role, onside, with room about him and an open way from the
  // ball; and the two measures it weighs.
  CVector AttackingPlace();
  bool LaneOpen(CVector from, CVector to, const std::vector<CVector> &foes) const;
  float RoomAt(CVector point, const std::vector<CVector> &foes) const;
  int StandReady();
  // The zone behaviours with the ball: our third, the middle, their third.
  int DEFZWithBall();
  int MIDZWithBall();
  int FWZWithBall();
  // After the main command: the neck, the view width and the team message.
  void LookAbout();
  // Marks the bundle as this cycle's, whatever it holds.
  void ClaimCycle();
  // The cycle's bundle went and the clock stands (the referee's stoppage):
  // the main loop decides nothing more until the next cycle.
  bool ClockStandsAfterBundle(PlayMode previous, PlayMode current) const;
  // Who takes our set play: the plan's taker while a plan covers it;
  // otherwise the nearest of us to the ball, and after a while also the
  // second nearest, so that a player who misjudges his distance cannot
  // stall the set play. Never the one who kicked it last.
  bool AmISetPlayTaker();
  // Whether the agent is the one of us who gets to the ball first.
  bool AmIFastestToBall();
  // The run to where the agent meets the ball, expected in that many cycles.
  int RunToMeetBall(CVector point, int cycles);
  // The state of a player off the ball who does not go for it: resting
  // (when rest says so), supporting or taking his place.
  ActionState StateOffTheBall(bool rest);
  // A kick meant for a team-mate: once the cycle's kick is queued (not a
  // dash or turn that readies it), he is named its receiver in the team's
  // messages and the pass is under way. Answers what the kick answered.
  int AnnouncePass(const CPlayer *receiver, CVector target, int kicked);
  // A pass a team-mate announced.
  void HearPass(int passer, int time, int receiver, CVector target);
  // Once a cycle, before the states: whether the pass under way is over.
  void NotePassEnd();
  // An opponent has the ball near the agent, and no one of us is better
  // placed to go at him: nearer, a place on his way to our goal counting
  // for some metres.
  bool AmIPressingTheirBall();
  // The opponent on the ball (or a dribble's touch from it) with none of us
  // nearer to it, or null.
  const CPlayer *TheirBallCarrier();
  // Whether a player stands on the opponent's way to our goal.
  bool IsOnTheWayToGoal(CVector player, const CPlayer *foe);
  // How near a player counts when choosing who presses the carrier.
  float PressDistance(CVector player, const CPlayer *carrier);
  // Whether the agent is the second of us nearest the ball (the goalkeeper
  // left out): the one who covers the press.
  bool AmICoveringThePress();
  // A defender's place moved back, with the ball in our half, to behind
  // the ball.
  CVector DropWithTheBall(CVector place);
  // The run to a point where the ball is met, turning only when the
  // heading would miss the ball's reach.
  int RunToBall(CVector point, float power);
  // At the ball, where the agent meets it soonest.
  int RunAtTheBall();
  // The agent took the last set play and nobody else may have played the
  // ball since: touching it again would be a fault.
  bool TouchedLastInSetPlay() const;
  // How far short of the ball the set-play kicker's dashes stop, beyond the
  // bodies' sizes, for the dash's noise.
  static constexpr float kSetPlayTouchBuffer = 0.2f;
  // Once a cycle, before the states: whether the agent's last kick took a
  // set play of ours, and whether another has played the ball since.
  void NoteSetPlayTouches();
  // A kick of ours in our set play at that cycle, by whichever road it was
  // seen: a kick seen by both is one.
  void NoteSetPlayKick(int cycle);
  // The x of their offside line (their second last player, or the ball when
  // further).
  float TheirOffsideX();
  // What a set play's pass may be: one kick, to a free team-mate no
  // farther behind the ball than the allowance.
  PASSLIMITS SetPlayPassLimits(float backAllowance) const;
  // One kick, at once, that sends the ball towards the target to arrive
  // with the end speed (as hard as the kick allows when it cannot): set
  // plays are taken in one touch, and a last resort needs no preparation.
  int KickOnceTowards(CVector target, float endSpeed);
  // Walks to a place, as exactly as the ball's distance asks; backs into a
  // place just behind.
  int GoToPlace(CVector target, float power);
  // A ball played behind their offside line for a team-mate level with it,
  // when he gets there before any of them.
  int BeatTheOffsideLine();
  // A pass to a safe team-mate well ahead of the ball.
  int PassForward();
  // Before a long ball in midfield: a short pass in one kick to a
  // team-mate near, any way but into our area, at a risk a little above
  // the zone's.
  int ShortPassBeforeLongBall();
  // Nothing on: the ball long to a team-mate well up the pitch who may
  // just get there first, or else into their half down the emptier wing.
  int LongBallUpfield();
  // A run with the ball into the room the way to which is free, the more
  // forward the better.
  int DribbleIntoSpace();
  // The ball kept from the opponents for a few cycles while team-mates get
  // free, as long as it can be kept.
  int HoldForAMoment();
  // Away from our goal at once, in one kick, up the pitch where the
  // scanner finds room.
  int ClearAtOnce();
  // A breakaway through the middle, else down a wing, when there is one
  // and the run starts near enough their goal.
  int TakeABreakaway();
  // Dribbling towards a point, when the ball skills can.
  int RunWithBall(CVector target);
  // What the last pass did with the ball.
  BallPlay GetBallPlay() const;
  // Records the play when it queued its command: a zone behaviour's step
  // reads "if (Chose(BP_SHOOT, ShootToGoal())) return 1".
  int Chose(BallPlay play, int done);

  // ==== Team play: the goalkeeper (teamplay/GK, GKPlayStyles) ====
  // How many cycles sooner than a ball kicked from a point a goalkeeper
  // (null: the agent) can be within catching reach of its path, negative
  // when the ball gets everywhere first; and whether that lead is enough.
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
  // The narrowest half view angle that keeps the ball in sight with the
  // body facing that way and the neck free to turn.
  float MinViewAngForBodyAngle(float body);
  // The goalkeeper's rules.
  bool InDefensiveDanger();
  bool ShouldIGoToBall();
  int GoalieIntercept();
  bool ShouldIComeOutToOpponent();
  // An opponent has the ball in my area, near me or near the goal: I go
  // for the ball to catch it.
  bool ShouldIRushTheBall();
  int GoalieBlockOpponent();
  bool ShouldICatch();
  int GoalieCatchBall();
  int GoalieAfterCatch();

  // ==== Team play: set plays (teamplay/FixPlans, CFixPlanRunner) ====
  // Set plays.
  void InitialiseFixPlans();
  // The decimal text of a number, as the plans' keys number their parts.
  MCString IntToString(int number) const;
  void ReadFixPlans(const MCDictIniSafe &config);
  // Whether a plan of the configuration is this agent's to run now, and
  // running its next step; the action state hands the pass over to it.
  bool AmIInThePlan();
  int ExecuteFixPlan();
  // Whether a plan runs for this agent (never with use_fix_plans off).
  bool InFixPlan() const;
  // Refuses, with a line each, the plans that cannot run: no action, or a
  // code no table knows.
  void CheckFixPlans();

  // ==== Team play: team messages (teamplay/Communication) ====
  // Decodes the team-mate's message that ParseMessage accepted.
  void DeconstructMessage() const;
  // Adds the cycle's team message to the bundle when it is ours to speak.
  void Communicate();
  // Whether this agent speaks in this cycle: the one team-mate whose turn
  // it is, and a passer whose pass is news.
  bool ShouldICommunicate() const;
  // Writes this cycle's message into text (at least 512 bytes); false,
  // with text empty, when there is nothing that can be said.
  bool ConstructOriginalMessage(char *text, std::size_t size) const;
  // Reads the accepted message in the message buffer and hands what it
  // carries to the world model, if it was said in this very cycle.
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
  // Counted by the main thread's commands, read and corrected by the
  // sensors thread's lost-command check.
  std::atomic<int> m_KickSent;
  std::atomic<int> m_DashSent;
  std::atomic<int> m_TurnSent;
  std::atomic<int> m_SaySent;
  std::atomic<int> m_TurnNeckSent;
  float m_PrevKickPowerRate;
  int m_LastCollisionTime;
  // The bundles. The main thread fills and sends them; the sensors thread
  // reads their time and deferred scan, so every write of those fields and
  // every read off the main thread is under m_QueueMutex.
  mutable pthread_mutex_t m_QueueMutex;
  ACTIONQUEUE m_LastQueue;
  ACTIONQUEUE m_Queue;
  int m_LastActionsSentTime;
  void QueueLock() const;
  void QueueUnlock() const;
  void Report(int status, const char *text) const;
  int TimedWait(pthread_cond_t *cond, pthread_mutex_t *mutex, const int *flag,
                int waitWhile, int milliseconds, const char *clockName,
                const char *waitName) const;
  // The touch gate's rules (brain/CTouchGate.h).
  friend class CTouchGate;
  CTouchGate m_TouchGate{*this};
  // Sending: the deferred scan that went (brain/ActionQueue), under
  // the queue's lock.
  int m_ScanSentTime = -999;
  int m_ScanSentType = SCAN_NONE;

  // ==== Formations, roles and places ====
  Formation m_FormationID;
  // Cycles after a set play during which a tired player positions slowly;
  // team play's strategy step sets it from the score.
  int m_RechargeCycles = 0;
  EnvState m_EnvState;
  ActionState m_ActionState;
  // The positioning framework: lookups go to the program's registry, and
  // m_Positioner answers Position().
  ZPBeMem m_BeMem;
  ZPRegistry m_Registry;
  ZPPositionerID m_Positioner;
  // The mouth of the goal of that side.
  MCSLine GoalMouth(char side);

  // ==== Reading the world ====
  // Situation queries (AdvancedBehaviours): the fastest players to a
  // moving ball, worked out once a cycle (null: the agent or nobody).
  int m_FastestFriendTime = 0;
  const CPlayer *m_FastestFriend = nullptr;
  int m_FastestFoeTime = 0;
  const CPlayer *m_FastestFoe = nullptr;
  // Situation queries' shared walks: the players of a sorted list inside a
  // window of distance and body direction, and the first of a group sorted
  // along the pitch (optionally past the goalkeeper, optionally null when
  // the agent is further).
  int CountInWindow(const sorted_players &list, float distTol, float dirTol, float dist,
                    float dir) const;
  const CPlayer *ExtremeX(int mask, bool highest, bool skipGoalie, bool withMe);
  const CPlayer *QuickestToBall(const sorted_players &list, int &bound, bool notGoalkeeper);
  // The ball is known: seen recently enough that its place is trusted.
  // Every behaviour asks this before it plays on the ball's position.
  bool BallPositionValid() const;
  // Where the ball was last seen is still kept, even once its confidence
  // fell below the threshold; the set plays go by it, so that looking away
  // for a moment does not end one.
  bool BallRemembered() const;
  // The predictions' bodies: the agent's own, and another player's (facing
  // toward the point when his body was not seen; false when his position is
  // not known). A body turns toward a point off its heading instead of
  // dashing, by what its speed allows.
  Predict::Body OwnBody() const;
  bool PlayerMotion(const CPlayer *pl, CVector toward, Predict::Body &body) const;
  bool TurnTowards(CVector point, Predict::Body &body) const;
  float Affordable(float power, float stamina) const;

  // ==== Moving, and the ball behaviours ====
  // The foe-blocking state: the cycle of the last decision and whether it
  // was to overrun the opponent.
  int m_BlockFoeTime = -999;
  bool m_OverrunBlocking = false;
  // The keep-ball answer of one cycle.
  int m_CanKeepBallTime = 0;
  bool m_CanKeepBallResult = false;
  // From when on the agent may rest again; team play's resting sets it.
  int m_RechargeAllowedTime = -999;
  // The target scanners for clearing, sending and shooting.
  MCCSTarget m_Target;
  MCCSOffensiveTarget m_OffensiveTarget;

  // ==== Ball skills: kicking, dribbling, breakaways ====
  // The records: skills/SkillRecords.h.
  KICKSTATE m_Kicking;
  DRIBBLESTATE m_Dribbling;
  BREAKAWAYSTATE m_Breakaway;
  float KickRate(float dist, float dir) const;
  // The most one kick can add to the ball's velocity with the ball and the
  // agent at these points, the body as it faces now.
  float KickAccelAt(CVector ball, CVector me) const;
  CVector DribbleBallSpot(float dir, float power, int cycles) const;
  bool DribbleWayFree(CVector point, bool breakaway);
  // The kicks laid over several cycles (skills/CKickPlanner.h) and the
  // breakaway runs (skills/CBreakaway.h).
  friend class CKickPlanner;
  CKickPlanner m_KickPlanner{*this};
  friend class CBreakaway;
  CBreakaway m_BreakawayRun{*this};

  // ==== Ball skills: interception, passing, targets ====
  // The records: skills/SkillRecords.h.
  INTERCEPTSTATE m_Interception;
  PASSSTATE m_Passing;
  // The receivers a pass may go to.
  CPlayer m_Receivers[11];
  // Interception's search for a body (the agent's when mine) dashing with
  // power: the first cycle it meets the ball within the record's horizon,
  // every cycle tried up to fine, into the record (false: none). Its pieces:
  // skills/CInterceptSearch.h.
  bool ActiveCanGetThere(const Predict::Body &start, bool mine, float power, int fine,
                         PLAYERINTERCEPTINFO &rec);
  friend class CInterceptSearch;
  CInterceptSearch m_InterceptSearch{*this};
  // How many cycles a ball rolling from a point at a speed towards a target,
  // after a delay, is ahead of the quickest opponent along its way (their
  // goalkeeper left out when asked), up to where the receiver (if any) can
  // meet it.
  float SpareCycles(CVector from, CVector target, float speed, int delay,
                    const CVector *receiver = nullptr, bool withGoalie = true);
  // Whether a shot from a point to a target would beat the opponents,
  // kicked at speed and needing endSpeed on the goal line.
  bool ShotGetsThrough(CVector from, CVector target, float speed, float endSpeed, float *spare);

  // ==== Team play: strategy, states and the field players ====
  PlayMode m_PreviousMode = PM_BEFORE_KICK_OFF;
  PlayMode m_CurrentMode = PM_BEFORE_KICK_OFF;
  int m_ModeStartTime = 0;
  bool m_Recharging = false;
  // Whether the agent is the one of us near the ball, as the possession
  // reading found this pass.
  bool m_PossessionNear = false;
  // The last pass's play with the ball, and the cycle in which a kick laid
  // over several cycles was last under way.
  BallPlay m_BallPlay = BP_NONE;
  // The cycles of the present hold of the ball: its first and its latest.
  int m_HoldSince = -999;
  int m_HoldLast = -999;
  int m_KickUnderWayTime = -999;
  // Positioners for offering a pass near the ball, looked up on first use.
  bool m_SupportLookedUp = false;
  ZPPositionerID m_SupportPositioner;
  // The set-play kicker's touches (teamplay/States.h).
  SETPLAYTOUCH m_SetPlayTouch;
  // The pass under way (teamplay/CPassUnderWay.h).
  friend class CPassUnderWay;
  CPassUnderWay m_PassUnderWay{*this};

  // ==== Team play: the goalkeeper ====
  // Its state between cycles (teamplay/GK.h).
  GOALIESTATE m_Goalie;
  friend class CGoalkeeper;
  CGoalkeeper m_Goalkeeper{*this};
  // The valid opponents' positions, nearest to the agent first.
  std::vector<CVector> FoePositions();

  // ==== Team play: set plays; their run reads the plans and the step the
  // current one stands at ====
  // Set plays: m_FixPlans[1 .. m_NumFixPlans], slot 0 empty.
  std::vector<FIXPLAN> m_FixPlans;
  int m_NumFixPlans = 0;
  int m_CurrentFixPlan = -1;
  int m_FixPlanProgress = 0;
  friend class CFixPlanRunner;
  CFixPlanRunner m_FixPlanRunner{*this};

  // ==== Team play: team messages ====
  // Team messages. The buffer is written by ParseMessage, which the
  // mediator's interface makes const.
  static const std::size_t MESSAGE_BUFFER_LENGTH = 640;
  static const std::size_t MESSAGE_MIN_LENGTH = 510;
  mutable char m_MessageBuffer[MESSAGE_BUFFER_LENGTH] = {};
  // Working storage of the team-message coder, allocated by Init.
  static const int MESSAGE_PARTS = 17;
  std::vector<unsigned char> m_MessageParts[MESSAGE_PARTS];
  // Who speaks next among the team's speakers.
  int m_SpeakerCount = 0;
  int m_SpeakerTurn = 0;
  // Said once when the identifier cannot head a say.
  bool m_CommIdReported = false;
  std::atomic<int> m_TeamMessagesHeard{0};
  // Turns, news and heard places (teamplay/CTeamTalk.h).
  friend class CTeamTalk;
  CTeamTalk m_TeamTalk{*this};
};

#endif
