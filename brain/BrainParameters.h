#ifndef BRAINPARAMETERS_H
#define BRAINPARAMETERS_H

#include "CRectangle.h"

class MCDictIniSafe;

// The brain's start-up reads its parameters in steps, with other work in
// between; each parameter belongs to one step.
enum BrainParamStep : int
{
  BP_STEP_START = 0,      // Timing, Formations, the pitch and the server
  BP_STEP_MEMORY,         // Memory and the cycles a kick takes
  BP_STEP_BREAKAWAY,
  BP_STEP_SHOT,           // what the pitch's areas are worked out after
  BP_STEP_MOVEMENT,
  BP_STEP_PLAYER,
  BP_STEP_CLEARSEND,      // after the target scanners have their settings
  BP_STEP_KICKING,
  BP_STEP_DRIBBLING,
  BP_STEP_PASSING,
  BP_STEP_INTERCEPT,
  BP_STEP_COMMUNICATION,  // PassiveIntercept and Communication
  BP_STEP_FIXPLANS,
  BP_STEP_GOALIE_AREA,    // the goal and the goalkeeper's catch
  BP_STEP_GOALIE,
  BP_STEPS
};

// Every number the brain decides with, read once at start-up. The brain
// holds them as its own fields; nothing changes them afterwards except the
// score difference, which the play-mode module keeps current.
class CBrainParameters
{
public:
  // Ten characters and the terminator.
  static const int COMM_ID_LENGTH = 11;

  // Every parameter at its default, with the values derived from them.
  CBrainParameters();

  // Reads one step's parameters from the configuration (a missing key or
  // section gives the default), then works out what derives from them.
  // A null configuration gives the defaults.
  void ReadParameters(const MCDictIniSafe *config, BrainParamStep step);
  void ReadAllParameters(const MCDictIniSafe *config);
  // How far ahead the interception may look, in cycles: the half's length,
  // within reason.
  int LookaheadLimit() const;

  // Section Timing.
  int m_MaxSimPolWait;
  int m_MaxSimVisualWait;
  bool m_Wait4VisualBeforeActing;

  // Section Formations.
  int m_ScoreDiff;
  bool m_AllOutFlank;
  int m_MidzOurHalfDefMode;
  float m_MidzDefModeMaxX;

  // Section NotInServer.
  float m_PitchLength;
  float m_PitchWidth;
  float m_PenaltyAreaLength;
  float m_PenaltyAreaWidth;
  float m_GoalAreaLength;
  float m_GoalAreaWidth;
  float m_FreeKickBuffer;
  float m_FeelDistance;
  float m_StoppedSpeed;
  float m_GoalWidth;
  int m_CatchBanCycle;

  // Section Server.
  float m_PlayerSize;
  float m_BallSize;
  float m_PlayerDecay;
  float m_BallDecay;
  float m_PlayerSpeedMax;
  float m_BallSpeedMax;
  float m_KickableMargin;
  int m_MaxPower;
  int m_MinPower;
  int m_MaxMoment;
  int m_MinMoment;
  int m_MaxNeckMoment;
  int m_MinNeckMoment;
  int m_MaxNeckAng;
  int m_MinNeckAng;
  float m_InertiaMoment;
  float m_KickPowerRate;
  float m_KickRand;
  float m_DashPowerRate;
  float m_StaminaMax;
  float m_StaminaIncMax;
  float m_EffortDecThr;   // in stamina units: the fraction read times m_StaminaMax
  float m_RecoverDecThr;  // in stamina units, as m_EffortDecThr
  int m_SimulatorStep;
  int m_HalfTimeCycles;    // read as seconds, kept as cycles
  float m_CatchableAreaL;
  float m_CatchableAreaW;
  // The referee drops the ball of a free kick not taken in this many
  // cycles; the goalkeeper's wait with a caught ball ends before.
  int m_DropBallTime;

  // Section Memory.
  float m_Epsilon;
  float m_StatConfDrop;
  float m_StatConfThr;
  float m_MobConfDrop;
  float m_MobConfThr;

  // Section Kicking.
  int m_CyclesToKick;
  float m_StopBallPower;
  float m_HardestKickBallAng;
  int m_TimeForFullRotation;
  float m_HardKickMinDist;
  float m_KickAngErr;
  float m_MinRotateOppWorryDist;
  float m_CollisionBuffer;
  float m_MaxSpinPower;
  float m_KickableBuffer;
  float m_MaxIgnoreVel;
  float m_MaxHardKickAngleErr;
  float m_MaxDashHelpKickAngle;
  float m_KickStraightFactor;

  // Section BreakAway.
  float m_CongestionEpsilon;
  float m_BreakawayApproachX;
  float m_BreakawayApproachY;
  float m_SideBreakawayApproachX;
  float m_SideBreakawayApproachY;
  float m_BreakawayBuffer;
  float m_BreakawayMiddleBuffer;
  int m_BreakawayKickRunMinCycles;
  int m_BreakawayKickRunMaxCycles;
  float m_BreakawayKickRunWorryDist;
  float m_TheirBreakawayMinConeDistWid;
  float m_TheirBreakawayFrontKickableBuffer;
  float m_TheirBreakawayBackKickableBuffer;
  float m_OurBreakawayKickableBuffer;
  float m_OurBreakawayMinConeDistWid;
  int m_BreakawayMinGoalieStealTime;
  int m_BreakawayTargValidTime;
  float m_ShotSpeed;
  float m_ShotDistance;

  // Section Movement.
  float m_TiredBuffer;
  float m_DodgeDistBuf;
  float m_DodgeAngleBuffer;
  float m_DodgeAngle;
  float m_DodgePower;
  float m_MinDistToPoint;
  float m_MaxGoToPointAngleErr;
  float m_BehindAngle;
  float m_PosSlowPower;
  float m_PosNormalPower;
  float m_PosFastPower;
  float m_LowStamina;
  float m_HighStamina;
  float m_MaxSupportDist;
  int m_MinRechargeCycles;
  int m_MaxRechargeCycles;
  int m_NoRechargePeriod;

  // Section Player.
  float m_Close2OurOffsideLineBuf;
  float m_LessCongestedPassMaxX;
  float m_NoGkAvoidBuf;
  float m_MinAffectShotVel;
  int m_FixedPlanMaxWaitTime;
  float m_SendPointTargetVel;
  float m_DefenseZone;
  float m_CrossPointX;
  float m_CrossPointY;
  float m_CrossPointTargetVel;
  float m_ShouldCrossCornerDist;
  float m_ShouldMove2CrossCornerDist;
  float m_ShouldCrossBaselineBuffer;
  float m_BeatOffsidesBuffer;
  float m_BeatOffsidesThreashold;
  float m_BeatOffsidesMaxX;
  int m_PossessionIntCycleBuf;
  int m_DefzPossessionIntCycleBuf;
  int m_CanKeepBallCycleBuffer;
  int m_DefzCanKeepBallCycles;
  int m_MidzCanKeepBallCycles;
  int m_FwzCanKeepBallCycles;
  float m_DribbleInDefzMinFoeDist;
  float m_SendMinDistThr;
  float m_SendInwardsFoeDist2Check;
  int m_SendInwardsIgnoredFoes;
  float m_OverrunBuffer;
  float m_BlockFoeDist;
  float m_BlockFoeDistRatio;
  float m_HoldballKickableBuffer;

  // Section ClearSend.
  float m_SendFarDistance;
  float m_ShootGoalWidthFactor;

  // Section Dribbling.
  float m_DribbleDodgeCloseDist;
  float m_DribbleDodgeMaxDist;
  float m_DribbleDodgeAngleErr;
  float m_MaxDribbleExpAngle;
  float m_DribbleNormalAngle;
  float m_DribbleBallDist;
  float m_DribbleIgnoreBuffer;
  bool m_DribbleCanScan;
  float m_DribbleSidelineBuffer;
  float m_DribbleOppIgnoreDist;
  float m_DribbleLength;
  float m_DribbleDefensive;
  float m_DribbleInnerCircle;
  float m_DribbleOuterCircle;
  float m_DribbleCircleAng;
  float m_CanDribbleConeRatio;

  // Section Passing.
  float m_BackPassOffsideBuffer;
  float m_MinLessCongestedPassDist;
  float m_BackPassOpponentBuffer;
  float m_MinPassDist;
  float m_MaxPassDist;
  float m_PassOpponentBuffer;
  int m_BetterShotDiff;
  float m_GreatShotDistance;
  float m_GoodShotDistance;
  float m_PassRiskThreshold;
  float m_MinPassSpeedAtTarget;
  float m_MaxPassSpeedAtTarget;
  float m_ShotVelAtGoal;
  float m_PassRiskRatio;
  float m_DefPassRiskThreshold;

  // Section ActiveIntercept.
  int m_MaxIntLookahead;
  int m_MyInterceptStep;
  int m_InterceptStep;
  int m_InterceptAimAhead;
  int m_NoTurnMaxCycDiff;
  int m_ChangeViewForBallCycles;
  int m_TeamSize;
  int m_InterceptLookahead;
  int m_IntMinCyc;
  int m_IntMinCycTime;

  // Section PassiveIntercept.
  float m_NoTurnMaxDistDiff;
  int m_Bpitime;
  int m_Bpivalid;
  int m_Bpiable;
  float m_Bpidist;
  float m_Bpiballcyc;

  // Section Communication.
  bool m_UseCommunication;
  // The team's identifier at the head of team messages: at most ten
  // characters, always terminated.
  char m_CommId[COMM_ID_LENGTH];
  int m_EncryptKey;
  int m_NumOfSpeakers;

  // Section InitialiseFixPlans.
  bool m_UseFixPlans;

  // Section Goalie.
  int m_GoalieCatchWaitTime;
  int m_GoalieAfterCatchMinWaitTime;
  int m_GoalieAfterCatchMaxWaitTime;
  bool m_GoalieComesOut;
  float m_GoalieMinPosDist;
  float m_GoalieMaxPosDist;
  float m_GoalieBaselineBuffer;
  float m_GoalieMaxForwardPercent;
  float m_GoalieBallAngForCorner;
  float m_GoalieBallDistForCorner;
  float m_GoalieBallDistForCenter;
  float m_GoalieFreeKickDist;
  float m_GoaliePositionWeightDist;
  float m_GoalieGoToBallConeRatio;
  int m_GoalieCycleIntBuffer;
  float m_GoalieMaxComeOutDist;
  float m_GoalieBreakawayKickableBuffer;
  float m_GoalieNoBufferDist;
  float m_GoalieOpponentDistToBlock;
  float m_GoalieMaxShotDistance;
  float m_GoalieScanAngleErr;
  float m_VisibleAngle;
  float m_GoalieVisAngleErr;
  int m_GoalieNarrowSidelineCyc;
  float m_GoalieAtPointBuffer;

  // Set without a key of their own.
  float m_Kickable;        // a fixed distance, not derived from the sizes
  float m_CatchRadius;     // the goalkeeper's reach, from the catchable area
  // The fixed values of the ball skills' spin kicks.
  float m_SpinKickFactor1;
  float m_SpinKickFactor2;
  float m_SpinKickFactor3;
  CRectangle m_FieldCRectangle;
  CRectangle m_TheirPenaltyArea;
  CRectangle m_OurPenaltyArea;
  CRectangle m_OurGoalArea;

private:
  void Derive(BrainParamStep step);
  // Holds the step's settings that size a wait, a loop or the memory inside
  // their ranges, with a warning for each value that lies outside.
  void BoundParameters(BrainParamStep step);
};

#endif
