#include "BrainParameters.h"

#include <climits>
#include <cmath>
#include <cstring>
#include <iostream>

#include "MCDictIniSafe.h"
#include "SettingBounds.h"

namespace
{
typedef CBrainParameters P;

enum ParamKind
{
  KIND_INT,
  KIND_BOOL,          // read as an integer, non-zero is true
  KIND_FLOAT,         // read as a double, kept as a float
  KIND_INT_AS_FLOAT,  // read as an integer, kept as a float
  KIND_TEXT
};

// One typed read: where it is, its default and the field it fills. A
// default may be worked out from a field read earlier: base * scale + offset.
struct BRAINPARAM
{
  BrainParamStep step;
  const char *section;
  const char *key;
  ParamKind kind;
  double def;
  const char *textDef;
  int P::*intField;
  bool P::*boolField;
  float P::*floatField;
  char (P::*textField)[P::COMM_ID_LENGTH];
  float P::*base;
  double scale;
  double offset;
};

constexpr BRAINPARAM Int(BrainParamStep step, const char *section, const char *key, int def,
                         int P::*field)
{
  return {step, section, key, KIND_INT, static_cast<double>(def), nullptr, field, nullptr,
          nullptr, nullptr, nullptr, 1, 0};
}

constexpr BRAINPARAM Bool(BrainParamStep step, const char *section, const char *key, int def,
                          bool P::*field)
{
  return {step, section, key, KIND_BOOL, static_cast<double>(def), nullptr, nullptr, field,
          nullptr, nullptr, nullptr, 1, 0};
}

constexpr BRAINPARAM Float(BrainParamStep step, const char *section, const char *key,
                           double def, float P::*field)
{
  return {step, section, key, KIND_FLOAT, def, nullptr, nullptr, nullptr, field, nullptr,
          nullptr, 1, 0};
}

constexpr BRAINPARAM IntAsFloat(BrainParamStep step, const char *section, const char *key,
                                int def, float P::*field)
{
  return {step, section, key, KIND_INT_AS_FLOAT, static_cast<double>(def), nullptr, nullptr,
          nullptr, field, nullptr, nullptr, 1, 0};
}

constexpr BRAINPARAM FloatFrom(BrainParamStep step, const char *section, const char *key,
                               float P::*base, double scale, double offset, float P::*field)
{
  return {step, section, key, KIND_FLOAT, 0, nullptr, nullptr, nullptr, field, nullptr, base,
          scale, offset};
}

constexpr BRAINPARAM Text(BrainParamStep step, const char *section, const char *key,
                          const char *def, char (P::*field)[P::COMM_ID_LENGTH])
{
  return {step, section, key, KIND_TEXT, 0, def, nullptr, nullptr, nullptr, field, nullptr, 1, 0};
}

// The reads in the order in which start-up makes them.
const BRAINPARAM Parameters[] = {
    Int(BP_STEP_START, "Timing", "max_sim_pol_wait", 30, &P::m_MaxSimPolWait),
    Int(BP_STEP_START, "Timing", "max_sim_visual_wait", 450, &P::m_MaxSimVisualWait),
    Bool(BP_STEP_START, "Timing", "wait_4_visual_before_acting", 1, &P::m_Wait4VisualBeforeActing),
    Int(BP_STEP_START, "Formations", "score_diff", 0, &P::m_ScoreDiff),
    Bool(BP_STEP_START, "Formations", "all_out_flank", 0, &P::m_AllOutFlank),
    Int(BP_STEP_START, "Formations", "midz_our_half_def_mode", 0, &P::m_MidzOurHalfDefMode),
    Float(BP_STEP_START, "Formations", "midz_def_mode_max_x", 0, &P::m_MidzDefModeMaxX),
    Float(BP_STEP_START, "NotInServer", "pitch_length", 105, &P::m_PitchLength),
    Float(BP_STEP_START, "NotInServer", "pitch_width", 68, &P::m_PitchWidth),
    Float(BP_STEP_START, "NotInServer", "penalty_area_length", 16.5, &P::m_PenaltyAreaLength),
    Float(BP_STEP_START, "NotInServer", "penalty_area_width", 40.32, &P::m_PenaltyAreaWidth),
    Float(BP_STEP_START, "NotInServer", "goal_area_length", 5.5, &P::m_GoalAreaLength),
    Float(BP_STEP_START, "NotInServer", "goal_area_width", 18.32, &P::m_GoalAreaWidth),
    Float(BP_STEP_START, "NotInServer", "free_kick_buffer", 9.15, &P::m_FreeKickBuffer),
    Float(BP_STEP_START, "NotInServer", "feel_distance", 3, &P::m_FeelDistance),
    Float(BP_STEP_START, "NotInServer", "stopped_speed", 0.2, &P::m_StoppedSpeed),
    Float(BP_STEP_START, "Server", "player_size", 0.3, &P::m_PlayerSize),
    Float(BP_STEP_START, "Server", "ball_size", 0.085, &P::m_BallSize),
    Float(BP_STEP_START, "Server", "player_decay", 0.4, &P::m_PlayerDecay),
    Float(BP_STEP_START, "Server", "ball_decay", 0.94, &P::m_BallDecay),
    Float(BP_STEP_START, "Server", "player_speed_max", 1, &P::m_PlayerSpeedMax),
    Float(BP_STEP_START, "Server", "ball_speed_max", 2.7, &P::m_BallSpeedMax),
    Float(BP_STEP_START, "Server", "kickable_margin", 0.7, &P::m_KickableMargin),
    Int(BP_STEP_START, "Server", "maxpower", 100, &P::m_MaxPower),
    Int(BP_STEP_START, "Server", "minpower", -100, &P::m_MinPower),
    Int(BP_STEP_START, "Server", "maxmoment", 180, &P::m_MaxMoment),
    Int(BP_STEP_START, "Server", "minmoment", -180, &P::m_MinMoment),
    Int(BP_STEP_START, "Server", "maxneckmoment", 180, &P::m_MaxNeckMoment),
    Int(BP_STEP_START, "Server", "minneckmoment", -180, &P::m_MinNeckMoment),
    Int(BP_STEP_START, "Server", "maxneckang", 90, &P::m_MaxNeckAng),
    Int(BP_STEP_START, "Server", "minneckang", -90, &P::m_MinNeckAng),
    Float(BP_STEP_START, "Server", "inertia_moment", 5, &P::m_InertiaMoment),
    Float(BP_STEP_START, "Server", "kick_power_rate", 0.016, &P::m_KickPowerRate),
    Float(BP_STEP_START, "Server", "kick_rand", 0.1, &P::m_KickRand),
    Float(BP_STEP_START, "Server", "dash_power_rate", 0.006, &P::m_DashPowerRate),
    Float(BP_STEP_START, "Server", "stamina_max", 3500, &P::m_StaminaMax),
    Float(BP_STEP_START, "Server", "stamina_inc_max", 35, &P::m_StaminaIncMax),
    Float(BP_STEP_START, "Server", "effort_dec_thr", 0.3, &P::m_EffortDecThr),
    Float(BP_STEP_START, "Server", "recover_dec_thr", 0.3, &P::m_RecoverDecThr),
    Int(BP_STEP_START, "Server", "simulator_step", 100, &P::m_SimulatorStep),
    Int(BP_STEP_START, "Server", "half_time", 300, &P::m_HalfTimeCycles),
    Float(BP_STEP_MEMORY, "Memory", "epsilon", 0.001, &P::m_Epsilon),
    Float(BP_STEP_MEMORY, "Memory", "stat_conf_drop", 0.95, &P::m_StatConfDrop),
    Float(BP_STEP_MEMORY, "Memory", "stat_conf_thr", 0.5, &P::m_StatConfThr),
    Float(BP_STEP_MEMORY, "Memory", "mob_conf_drop", 0.962, &P::m_MobConfDrop),
    Float(BP_STEP_MEMORY, "Memory", "mob_conf_thr", 0.4, &P::m_MobConfThr),
    Int(BP_STEP_MEMORY, "Kicking", "cycles_to_kick", 3, &P::m_CyclesToKick),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "congestion_epsilon", 0.01, &P::m_CongestionEpsilon),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_approach_x", 35, &P::m_BreakawayApproachX),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_approach_y", 8, &P::m_BreakawayApproachY),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "side_breakaway_approach_x", 47, &P::m_SideBreakawayApproachX),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "side_breakaway_approach_y", 25, &P::m_SideBreakawayApproachY),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_buffer", 2, &P::m_BreakawayBuffer),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_middle_buffer", 3, &P::m_BreakawayMiddleBuffer),
    Int(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_kick_run_min_cycles", 7, &P::m_BreakawayKickRunMinCycles),
    Int(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_kick_run_max_cycles", 14, &P::m_BreakawayKickRunMaxCycles),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_kick_run_worry_dist", 10, &P::m_BreakawayKickRunWorryDist),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "their_breakaway_min_cone_dist_wid", 12, &P::m_TheirBreakawayMinConeDistWid),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "their_breakaway_front_kickable_buffer", 5, &P::m_TheirBreakawayFrontKickableBuffer),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "their_breakaway_back_kickable_buffer", 2, &P::m_TheirBreakawayBackKickableBuffer),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "our_breakaway_kickable_buffer", 1.5, &P::m_OurBreakawayKickableBuffer),
    Float(BP_STEP_BREAKAWAY, "BreakAway", "our_breakaway_min_cone_dist_wid", 18, &P::m_OurBreakawayMinConeDistWid),
    Int(BP_STEP_BREAKAWAY, "BreakAway", "breakaway_min_goalie_steal_time", 7, &P::m_BreakawayMinGoalieStealTime),
    Int(BP_STEP_SHOT, "BreakAway", "breakaway_targ_valid_time", 3, &P::m_BreakawayTargValidTime),
    Float(BP_STEP_SHOT, "BreakAway", "shot_speed", 2, &P::m_ShotSpeed),
    Float(BP_STEP_SHOT, "BreakAway", "shot_distance", 25, &P::m_ShotDistance),
    Float(BP_STEP_MOVEMENT, "Movement", "tired_buffer", 20, &P::m_TiredBuffer),
    Float(BP_STEP_MOVEMENT, "Movement", "dodge_dist_buf", 3.5, &P::m_DodgeDistBuf),
    IntAsFloat(BP_STEP_MOVEMENT, "Movement", "dodge_angle_buffer", 25, &P::m_DodgeAngleBuffer),
    IntAsFloat(BP_STEP_MOVEMENT, "Movement", "dodge_angle", 60, &P::m_DodgeAngle),
    IntAsFloat(BP_STEP_MOVEMENT, "Movement", "dodge_power", 100, &P::m_DodgePower),
    Float(BP_STEP_MOVEMENT, "Movement", "min_dist_to_point", 1, &P::m_MinDistToPoint),
    Float(BP_STEP_MOVEMENT, "Movement", "max_go_to_point_angle_err", 7, &P::m_MaxGoToPointAngleErr),
    Float(BP_STEP_MOVEMENT, "Movement", "behind_angle", 80, &P::m_BehindAngle),
    Float(BP_STEP_MOVEMENT, "Movement", "pos_slow_power", 15, &P::m_PosSlowPower),
    Float(BP_STEP_MOVEMENT, "Movement", "pos_normal_power", 40, &P::m_PosNormalPower),
    Float(BP_STEP_MOVEMENT, "Movement", "pos_fast_power", 70, &P::m_PosFastPower),
    Float(BP_STEP_MOVEMENT, "Movement", "low_stamina", 2000, &P::m_LowStamina),
    Float(BP_STEP_MOVEMENT, "Movement", "high_stamina", 3000, &P::m_HighStamina),
    Float(BP_STEP_MOVEMENT, "Movement", "max_support_dist", 15, &P::m_MaxSupportDist),
    Int(BP_STEP_MOVEMENT, "Movement", "min_recharge_cycles", 60, &P::m_MinRechargeCycles),
    Int(BP_STEP_MOVEMENT, "Movement", "max_recharge_cycles", 80, &P::m_MaxRechargeCycles),
    Int(BP_STEP_MOVEMENT, "Movement", "no_recharge_period", 150, &P::m_NoRechargePeriod),
    Float(BP_STEP_PLAYER, "Player", "close_2_our_offside_line_buf", 7, &P::m_Close2OurOffsideLineBuf),
    Float(BP_STEP_PLAYER, "Player", "less_congested_pass_max_x", 33, &P::m_LessCongestedPassMaxX),
    Float(BP_STEP_PLAYER, "Player", "no_gk_avoid_buf", 2.5, &P::m_NoGkAvoidBuf),
    Float(BP_STEP_PLAYER, "Player", "min_affect_shot_vel", 0.5, &P::m_MinAffectShotVel),
    Int(BP_STEP_PLAYER, "Player", "fixed_plan_max_wait_time", 50, &P::m_FixedPlanMaxWaitTime),
    Float(BP_STEP_PLAYER, "Player", "send_point_target_vel", 0.5, &P::m_SendPointTargetVel),
    Float(BP_STEP_PLAYER, "Player", "defense_zone", 25, &P::m_DefenseZone),
    Float(BP_STEP_PLAYER, "Player", "cross_point_x", 38, &P::m_CrossPointX),
    Float(BP_STEP_PLAYER, "Player", "cross_point_y", 8, &P::m_CrossPointY),
    Float(BP_STEP_PLAYER, "Player", "cross_point_target_vel", 1, &P::m_CrossPointTargetVel),
    Float(BP_STEP_PLAYER, "Player", "should_cross_corner_dist", 10, &P::m_ShouldCrossCornerDist),
    Float(BP_STEP_PLAYER, "Player", "should_move_2_cross_corner_dist", 20, &P::m_ShouldMove2CrossCornerDist),
    Float(BP_STEP_PLAYER, "Player", "should_cross_baseline_buffer", 8, &P::m_ShouldCrossBaselineBuffer),
    Float(BP_STEP_PLAYER, "Player", "beat_offsides_buffer", 15, &P::m_BeatOffsidesBuffer),
    Float(BP_STEP_PLAYER, "Player", "beat_offsides_threashold", 30, &P::m_BeatOffsidesThreashold),
    Float(BP_STEP_PLAYER, "Player", "beat_offsides_max_x", 25, &P::m_BeatOffsidesMaxX),
    Int(BP_STEP_PLAYER, "Player", "possession_int_cycle_buf", 2, &P::m_PossessionIntCycleBuf),
    Int(BP_STEP_PLAYER, "Player", "defz_possession_int_cycle_buf", 4, &P::m_DefzPossessionIntCycleBuf),
    Int(BP_STEP_PLAYER, "Player", "can_keep_ball_cycle_buffer", 1, &P::m_CanKeepBallCycleBuffer),
    Int(BP_STEP_PLAYER, "Player", "defz_can_keep_ball_cycles", 4, &P::m_DefzCanKeepBallCycles),
    Int(BP_STEP_PLAYER, "Player", "midz_can_keep_ball_cycles", 3, &P::m_MidzCanKeepBallCycles),
    Int(BP_STEP_PLAYER, "Player", "fwz_can_keep_ball_cycles", -1, &P::m_FwzCanKeepBallCycles),
    Float(BP_STEP_PLAYER, "Player", "dribble_in_defz_min_foe_dist", 10, &P::m_DribbleInDefzMinFoeDist),
    Float(BP_STEP_PLAYER, "Player", "send_min_dist_thr", 10, &P::m_SendMinDistThr),
    Float(BP_STEP_PLAYER, "Player", "send_inwards_foe_dist_2_check", 15, &P::m_SendInwardsFoeDist2Check),
    Int(BP_STEP_PLAYER, "Player", "send_inwards_ignored_foes", 1, &P::m_SendInwardsIgnoredFoes),
    Float(BP_STEP_PLAYER, "Player", "overrun_buffer", 2.5, &P::m_OverrunBuffer),
    Float(BP_STEP_PLAYER, "Player", "block_foe_dist", 2, &P::m_BlockFoeDist),
    Float(BP_STEP_PLAYER, "Player", "block_foe_dist_ratio", 0.5, &P::m_BlockFoeDistRatio),
    Float(BP_STEP_PLAYER, "Player", "holdball_kickable_buffer", 0.1, &P::m_HoldballKickableBuffer),
    Float(BP_STEP_CLEARSEND, "ClearSend", "Send:FarDistance", 100, &P::m_SendFarDistance),
    Float(BP_STEP_CLEARSEND, "ClearSend", "Shoot:GoalWidthFactor", 0.956, &P::m_ShootGoalWidthFactor),
    Float(BP_STEP_KICKING, "Kicking", "stop_ball_power", 30, &P::m_StopBallPower),
    IntAsFloat(BP_STEP_KICKING, "Kicking", "hardest_kick_ball_ang", 180, &P::m_HardestKickBallAng),
    Int(BP_STEP_KICKING, "Kicking", "time_for_full_rotation", 12, &P::m_TimeForFullRotation),
    Float(BP_STEP_KICKING, "Kicking", "hard_kick_min_dist", 0.1, &P::m_HardKickMinDist),
    Float(BP_STEP_KICKING, "Kicking", "kick_ang_err", 3, &P::m_KickAngErr),
    Float(BP_STEP_KICKING, "Kicking", "min_rotate_opp_worry_dist", 5, &P::m_MinRotateOppWorryDist),
    Float(BP_STEP_KICKING, "Kicking", "collision_buffer", 0.2, &P::m_CollisionBuffer),
    Float(BP_STEP_KICKING, "Kicking", "max_spin_power", 30, &P::m_MaxSpinPower),
    Float(BP_STEP_KICKING, "Kicking", "kickable_buffer", 0.2, &P::m_KickableBuffer),
    Float(BP_STEP_KICKING, "Kicking", "max_ignore_vel", 0.005, &P::m_MaxIgnoreVel),
    Float(BP_STEP_KICKING, "Kicking", "max_hard_kick_angle_err", 5, &P::m_MaxHardKickAngleErr),
    Float(BP_STEP_KICKING, "Kicking", "max_dash_help_kick_angle", 60, &P::m_MaxDashHelpKickAngle),
    Float(BP_STEP_KICKING, "Kicking", "kick_straight_factor", 0.4, &P::m_KickStraightFactor),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_dodge_close_dist", 2, &P::m_DribbleDodgeCloseDist),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_dodge_max_dist", 6, &P::m_DribbleDodgeMaxDist),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_dodge_angle_err", 15, &P::m_DribbleDodgeAngleErr),
    Float(BP_STEP_DRIBBLING, "Dribbling", "max_dribble_exp_angle", 10, &P::m_MaxDribbleExpAngle),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_normal_angle", 60, &P::m_DribbleNormalAngle),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_ball_dist", 0.75, &P::m_DribbleBallDist),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_ignore_buffer", 5, &P::m_DribbleIgnoreBuffer),
    Bool(BP_STEP_DRIBBLING, "Dribbling", "dribble_can_scan", 1, &P::m_DribbleCanScan),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_sideline_buffer", 1.5, &P::m_DribbleSidelineBuffer),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_opp_ignore_dist", 15, &P::m_DribbleOppIgnoreDist),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_length", 10, &P::m_DribbleLength),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_defensive", 20, &P::m_DribbleDefensive),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_inner_circle", 2.5, &P::m_DribbleInnerCircle),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_outer_circle", 4, &P::m_DribbleOuterCircle),
    Float(BP_STEP_DRIBBLING, "Dribbling", "dribble_circle_ang", 90, &P::m_DribbleCircleAng),
    Float(BP_STEP_DRIBBLING, "Dribbling", "can_dribble_cone_ratio", 0.5, &P::m_CanDribbleConeRatio),
    Float(BP_STEP_PASSING, "Passing", "back_pass_offside_buffer", 10, &P::m_BackPassOffsideBuffer),
    Float(BP_STEP_PASSING, "Passing", "min_less_congested_pass_dist", 7, &P::m_MinLessCongestedPassDist),
    Float(BP_STEP_PASSING, "Passing", "back_pass_opponent_buffer", 10, &P::m_BackPassOpponentBuffer),
    Float(BP_STEP_PASSING, "Passing", "min_pass_dist", 4, &P::m_MinPassDist),
    Float(BP_STEP_PASSING, "Passing", "max_pass_dist", 60, &P::m_MaxPassDist),
    Float(BP_STEP_PASSING, "Passing", "pass_opponent_buffer", 10, &P::m_PassOpponentBuffer),
    Int(BP_STEP_PASSING, "Passing", "better_shot_diff", 5, &P::m_BetterShotDiff),
    Float(BP_STEP_PASSING, "Passing", "great_shot_distance", 8, &P::m_GreatShotDistance),
    Float(BP_STEP_PASSING, "Passing", "good_shot_distance", 17, &P::m_GoodShotDistance),
    Float(BP_STEP_PASSING, "Passing", "pass_risk_threshold", 0.7, &P::m_PassRiskThreshold),
    Float(BP_STEP_PASSING, "Passing", "min_pass_speed_at_target", 0.5, &P::m_MinPassSpeedAtTarget),
    Float(BP_STEP_PASSING, "Passing", "max_pass_speed_at_target", 0.8, &P::m_MaxPassSpeedAtTarget),
    Float(BP_STEP_PASSING, "Passing", "shot_vel_at_goal", 0.5, &P::m_ShotVelAtGoal),
    Float(BP_STEP_PASSING, "Passing", "pass_risk_ratio", 0.5, &P::m_PassRiskRatio),
    Float(BP_STEP_PASSING, "Passing", "def_pass_risk_threshold", 0.6, &P::m_DefPassRiskThreshold),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "max_int_lookahead", 50, &P::m_MaxIntLookahead),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "my_intercept_step", 1, &P::m_MyInterceptStep),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "intercept_step", 5, &P::m_InterceptStep),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "intercept_aim_ahead", 1, &P::m_InterceptAimAhead),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "no_turn_max_cyc_diff", 2, &P::m_NoTurnMaxCycDiff),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "change_view_for_ball_cycles", 2, &P::m_ChangeViewForBallCycles),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "team_size", 11, &P::m_TeamSize),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "intercept_lookahead", -2, &P::m_InterceptLookahead),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "int_min_cyc", -1, &P::m_IntMinCyc),
    Int(BP_STEP_INTERCEPT, "ActiveIntercept", "int_min_cyc_time", -1, &P::m_IntMinCycTime),
    Float(BP_STEP_COMMUNICATION, "PassiveIntercept", "no_turn_max_dist_diff", 1, &P::m_NoTurnMaxDistDiff),
    Int(BP_STEP_COMMUNICATION, "PassiveIntercept", "bpitime", -1, &P::m_Bpitime),
    Int(BP_STEP_COMMUNICATION, "PassiveIntercept", "bpivalid", 0, &P::m_Bpivalid),
    Int(BP_STEP_COMMUNICATION, "PassiveIntercept", "bpiable", 0, &P::m_Bpiable),
    Float(BP_STEP_COMMUNICATION, "PassiveIntercept", "bpidist", 0, &P::m_Bpidist),
    Float(BP_STEP_COMMUNICATION, "PassiveIntercept", "bpiballcyc", 0, &P::m_Bpiballcyc),
    Bool(BP_STEP_COMMUNICATION, "Communication", "use_communication", 1, &P::m_UseCommunication),
    Text(BP_STEP_COMMUNICATION, "Communication", "comm_id", "Tarroks00", &P::m_CommId),
    Int(BP_STEP_COMMUNICATION, "Communication", "encrypt_key", 61, &P::m_EncryptKey),
    Int(BP_STEP_COMMUNICATION, "Communication", "num_of_speakers", 5, &P::m_NumOfSpeakers),
    Bool(BP_STEP_FIXPLANS, "InitialiseFixPlans", "use_fix_plans", 1, &P::m_UseFixPlans),
    Float(BP_STEP_GOALIE_AREA, "NotInServer", "goal_width", 14.02, &P::m_GoalWidth),
    Int(BP_STEP_GOALIE_AREA, "NotInServer", "catch_ban_cycle", 5, &P::m_CatchBanCycle),
    Float(BP_STEP_GOALIE_AREA, "Server", "catchable_area_l", 2, &P::m_CatchableAreaL),
    Float(BP_STEP_GOALIE_AREA, "Server", "catchable_area_w", 1, &P::m_CatchableAreaW),
    Int(BP_STEP_GOALIE_AREA, "Server", "drop_ball_time", 100, &P::m_DropBallTime),
    Int(BP_STEP_GOALIE, "Goalie", "goalie_catch_wait_time", 2, &P::m_GoalieCatchWaitTime),
    Int(BP_STEP_GOALIE, "Goalie", "goalie_after_catch_min_wait_time", 60, &P::m_GoalieAfterCatchMinWaitTime),
    Int(BP_STEP_GOALIE, "Goalie", "goalie_after_catch_max_wait_time", 200, &P::m_GoalieAfterCatchMaxWaitTime),
    Bool(BP_STEP_GOALIE, "Goalie", "goalie_comes_out", 1, &P::m_GoalieComesOut),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_min_pos_dist", 15, &P::m_GoalieMinPosDist),
    FloatFrom(BP_STEP_GOALIE, "Goalie", "goalie_max_pos_dist", &P::m_PitchLength, 0.75, 0, &P::m_GoalieMaxPosDist),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_baseline_buffer", 1, &P::m_GoalieBaselineBuffer),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_max_forward_percent", 0.75, &P::m_GoalieMaxForwardPercent),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_ball_ang_for_corner", 90, &P::m_GoalieBallAngForCorner),
    FloatFrom(BP_STEP_GOALIE, "Goalie", "goalie_ball_dist_for_corner", &P::m_PenaltyAreaLength, 1, 0, &P::m_GoalieBallDistForCorner),
    FloatFrom(BP_STEP_GOALIE, "Goalie", "goalie_ball_dist_for_center", &P::m_PitchLength, 0.5, 0, &P::m_GoalieBallDistForCenter),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_free_kick_dist", 3, &P::m_GoalieFreeKickDist),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_position_weight_dist", 10, &P::m_GoaliePositionWeightDist),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_go_to_ball_cone_ratio", 0.25, &P::m_GoalieGoToBallConeRatio),
    Int(BP_STEP_GOALIE, "Goalie", "goalie_cycle_int_buffer", 10, &P::m_GoalieCycleIntBuffer),
    FloatFrom(BP_STEP_GOALIE, "Goalie", "goalie_max_come_out_dist", &P::m_PenaltyAreaLength, 1, 4, &P::m_GoalieMaxComeOutDist),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_breakaway_kickable_buffer", 2, &P::m_GoalieBreakawayKickableBuffer),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_no_buffer_dist", 10, &P::m_GoalieNoBufferDist),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_opponent_dist_to_block", 24, &P::m_GoalieOpponentDistToBlock),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_max_shot_distance", 40, &P::m_GoalieMaxShotDistance),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_scan_angle_err", 10, &P::m_GoalieScanAngleErr),
    Float(BP_STEP_GOALIE, "Goalie", "visible_angle", 90, &P::m_VisibleAngle),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_vis_angle_err", 5, &P::m_GoalieVisAngleErr),
    Int(BP_STEP_GOALIE, "Goalie", "goalie_narrow_sideline_cyc", 3, &P::m_GoalieNarrowSidelineCyc),
    Float(BP_STEP_GOALIE, "Goalie", "goalie_at_point_buffer", 0.1, &P::m_GoalieAtPointBuffer),
};

// The settings whose size drives a wait, a loop or the memory the brain
// takes: each is held inside the range the brain can live with. A high end
// of LOOKAHEAD_LIMIT is the interception's look-ahead limit, the half's
// length: nothing is worth foreseeing past the end of the half.
const int LOOKAHEAD_LIMIT = INT_MAX;
// The longest wait for the actuators or a visual: a few cycles of the
// server; longer, and a lost server leaves the player standing for good.
const int kLongestWaitMs = 3000;
// A half, in cycles, counted no longer than this for the look-ahead limit:
// ten minutes of play; a half configured longer (or none) would let the
// interception roll the ball out for ever.
const int kLongestHalfCycles = 6000;

struct BRAINBOUND
{
  BrainParamStep step;
  const char *key;
  int P::*field;
  int low;
  int high;
};

const BRAINBOUND Bounds[] = {
    {BP_STEP_START, "max_sim_pol_wait", &P::m_MaxSimPolWait, 1, kLongestWaitMs},
    {BP_STEP_START, "max_sim_visual_wait", &P::m_MaxSimVisualWait, 0, kLongestWaitMs},
    // A kick-and-run is walked back one cycle at a time, each step a run
    // of that many cycles.
    {BP_STEP_BREAKAWAY, "breakaway_kick_run_min_cycles", &P::m_BreakawayKickRunMinCycles, 1, LOOKAHEAD_LIMIT},
    {BP_STEP_BREAKAWAY, "breakaway_kick_run_max_cycles", &P::m_BreakawayKickRunMaxCycles, 1, LOOKAHEAD_LIMIT},
    // Slot 0 is the agent's own; team-mates and opponents by number after it.
    {BP_STEP_INTERCEPT, "team_size", &P::m_TeamSize, 0, 11},
    {BP_STEP_INTERCEPT, "max_int_lookahead", &P::m_MaxIntLookahead, 1, LOOKAHEAD_LIMIT},
    {BP_STEP_INTERCEPT, "intercept_lookahead", &P::m_InterceptLookahead, INT_MIN, LOOKAHEAD_LIMIT},
    {BP_STEP_INTERCEPT, "my_intercept_step", &P::m_MyInterceptStep, 1, LOOKAHEAD_LIMIT},
    {BP_STEP_INTERCEPT, "intercept_step", &P::m_InterceptStep, 1, LOOKAHEAD_LIMIT},
    {BP_STEP_INTERCEPT, "intercept_aim_ahead", &P::m_InterceptAimAhead, 0, LOOKAHEAD_LIMIT},
    {BP_STEP_INTERCEPT, "no_turn_max_cyc_diff", &P::m_NoTurnMaxCycDiff, 0, LOOKAHEAD_LIMIT},
    // The goalkeeper follows the ball's path this many cycles.
    {BP_STEP_GOALIE, "goalie_narrow_sideline_cyc", &P::m_GoalieNarrowSidelineCyc, 0, LOOKAHEAD_LIMIT},
};
}  // namespace

int CBrainParameters::LookaheadLimit() const
{
  return m_HalfTimeCycles >= 1 && m_HalfTimeCycles <= kLongestHalfCycles ? m_HalfTimeCycles
                                                                         : kLongestHalfCycles;
}

void CBrainParameters::BoundParameters(BrainParamStep step)
{
  for (const BRAINBOUND &b : Bounds)
    if (b.step == step)
      this->*b.field = boundsetting("CBehaviours: Init", b.key, this->*b.field, b.low,
                                    b.high == LOOKAHEAD_LIMIT ? LookaheadLimit() : b.high);
}

CBrainParameters::CBrainParameters()
{
  ReadAllParameters(nullptr);
}

void CBrainParameters::ReadAllParameters(const MCDictIniSafe *config)
{
  for (int step = BP_STEP_START; step < BP_STEPS; step++)
    ReadParameters(config, static_cast<BrainParamStep>(step));
}

void CBrainParameters::ReadParameters(const MCDictIniSafe *config, BrainParamStep step)
{
  for (const BRAINPARAM &p : Parameters)
  {
    if (p.step != step)
      continue;
    const double def = p.base != nullptr ? (this->*p.base) * p.scale + p.offset : p.def;
    const MCString section(p.section);
    const MCString key(p.key);
    switch (p.kind)
    {
      case KIND_INT:
        this->*p.intField = config != nullptr
                              ? config->getsafe(section, key, static_cast<int>(def), 0)
                              : static_cast<int>(def);
        break;
      case KIND_BOOL:
        this->*p.boolField = (config != nullptr
                                ? config->getsafe(section, key, static_cast<int>(def), 0)
                                : static_cast<int>(def)) != 0;
        break;
      case KIND_FLOAT:
        this->*p.floatField =
          static_cast<float>(config != nullptr ? config->getsafe(section, key, def, 0) : def);
        break;
      case KIND_INT_AS_FLOAT:
        this->*p.floatField = static_cast<float>(
          config != nullptr ? config->getsafe(section, key, static_cast<int>(def), 0)
                            : static_cast<int>(def));
        break;
      case KIND_TEXT:
      {
        const MCString text =
          config != nullptr ? config->getsafe(section, key, MCString(p.textDef), 0)
                            : MCString(p.textDef);
        // A longer text loses the rest; the field always ends with a
        // terminator, so that its readers may take it as a text.
        std::strncpy(this->*p.textField, text, COMM_ID_LENGTH - 1);
        (this->*p.textField)[COMM_ID_LENGTH - 1] = '\0';
        break;
      }
    }
  }
  Derive(step);
  BoundParameters(step);
}

void CBrainParameters::Derive(BrainParamStep step)
{
  switch (step)
  {
    case BP_STEP_START:
    {
      m_Kickable = 1.0512711f;
      m_EffortDecThr *= m_StaminaMax;
      m_RecoverDecThr *= m_StaminaMax;
      if (m_SimulatorStep <= 0)
      {
        // A cycle of no length would divide the half by zero.
        std::cerr << "WARNING: CBehaviours: Init: simulator_step " << m_SimulatorStep
                  << " is not a cycle length, 100 used..." << std::endl;
        m_SimulatorStep = 100;
      }
      const long long cycles = static_cast<long long>(m_HalfTimeCycles) * 1000 / m_SimulatorStep;
      m_HalfTimeCycles = static_cast<int>(
        cycles > INT_MAX ? INT_MAX : (cycles < INT_MIN ? INT_MIN : cycles));
      break;
    }
    case BP_STEP_SHOT:
    {
      const float halfLength = m_PitchLength / 2;
      const float halfWidth = m_PitchWidth / 2;
      m_FieldCRectangle = CRectangle(-halfLength, halfLength, -halfWidth, halfWidth);
      m_TheirPenaltyArea = CRectangle(halfLength - m_PenaltyAreaLength, halfLength,
                                      -m_PenaltyAreaWidth / 2, m_PenaltyAreaWidth / 2);
      m_OurPenaltyArea = CRectangle(-halfLength, -halfLength + m_PenaltyAreaLength,
                                    -m_PenaltyAreaWidth / 2, m_PenaltyAreaWidth / 2);
      m_OurGoalArea = CRectangle(-halfLength, -halfLength + m_GoalAreaLength,
                                 -m_GoalAreaWidth / 2, m_GoalAreaWidth / 2);
      break;
    }
    case BP_STEP_KICKING:
      m_SpinKickFactor1 = 0.7f;
      m_SpinKickFactor2 = 0.585f;
      m_SpinKickFactor3 = 0.93f;
      break;
    case BP_STEP_GOALIE_AREA:
      m_CatchRadius = std::sqrt((m_CatchableAreaW / 2) * (m_CatchableAreaW / 2) +
                                m_CatchableAreaL * m_CatchableAreaL);
      break;
    default:
      break;
  }
}
