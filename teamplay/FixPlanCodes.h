#ifndef FIXPLANCODES_H
#define FIXPLANCODES_H

// What the numbers of a set play's configuration mean. Points are in our
// frame (own goal at negative x); "Up" plans play on the side of negative y.
// An area "x y w h" is the w by h box centred on (x, y); an MCarea "NAME w h"
// the w by h box centred on what the positioner NAME answers.

// action_<j>: what the agent does. Going to a point, waiting, holding and
// dribbling last while the action's triggers hold; going to the ball and
// kicking end when done, and end the plan when they can no longer be done.
enum FixPlanAction : int
{
  FPA_NONE = 0,              // no action: the plan ends before this one
  FPA_KICK = 2,              // kick to the mate in area/MCarea, else its centre, else pos
  FPA_GO_TO_POINT = 4,       // go to pos at dash_power, then watch the ball there
  FPA_WAIT = 7,              // stay and watch the ball for wait_time cycles
  FPA_GO_TO_BALL = 13,       // go to the ball to take the kick; done once it is kickable
  FPA_GO_TO_POSITIONER = 14, // go to the point of mcpos at dash_power, then watch the ball
  FPA_HOLD_BALL = 16,        // keep the ball at the feet, away from the opponents
  FPA_DRIBBLE = 17           // dribble to pos, the ball at most kick_power fast
};

// action_<j>_trigger_<k>: all of an action's triggers must hold for it to
// start; the first action's are the plan's own. "After" a kick of ours is
// play on since that call, for at most fixed_plan_max_wait_time cycles.
enum FixPlanTrigger : int
{
  FPT_NONE = 0,                   // no trigger
  FPT_OUR_GOAL_KICK = 2,          // the referee gave us a goal kick
  FPT_THEIR_GOAL_KICK = 3,        // the referee gave them a goal kick
  FPT_MATE_IN_AREA = 4,           // a team-mate (player: that one) is in area/MCarea
  FPT_ME_IN_AREA = 5,             // the agent is in area/MCarea
  FPT_BALL_IN_AREA = 6,           // the ball is in area/MCarea
  FPT_PLAY_ON = 7,                // the ball is in play
  FPT_OUR_KICK_IN = 8,            // the referee gave us a kick-in
  FPT_OUR_CORNER_KICK = 10,       // the referee gave us a corner kick
  FPT_BALL_KICKABLE = 12,         // the ball is at the agent's feet
  FPT_OUR_GOALIE_CATCH = 13,      // our goalkeeper caught the ball and holds it for his free kick
  FPT_THEIR_GOALIE_CATCH = 14,    // their goalkeeper caught the ball and holds it for his free kick
  FPT_AFTER_OUR_CORNER_KICK = 15, // after our corner kick
  FPT_AFTER_OUR_GOAL_KICK = 16,   // after our goal kick
  FPT_AFTER_OUR_KICK_IN = 17,     // after our kick-in
  FPT_NO_MATE_IN_AREA = 20,       // no team-mate (player: not that one) is in area/MCarea
  FPT_CAN_KEEP_BALL = 21,         // no opponent can take the ball within the zone's cycles
  FPT_NOT_AT_POINT = 22,          // the agent is farther than min_dist_to_point from pos
  FPT_ME_NOT_IN_AREA = 23,        // the agent is outside area/MCarea
  FPT_NO_FOE_HAS_BALL = 24,       // no opponent has the ball at his feet
  FPT_AFTER_OUR_FREE_KICK = 25,   // after our free kick (the goalkeeper's, after his catch)
  FPT_OUR_BALL = 26,              // the ball is ours: we reach it first or have it
  FPT_BALL_NOT_KICKABLE = 27      // the ball is not at the agent's feet
};

// action_<j>_abort_<k>: any one that holds ends the plan. The built-in
// plans use none; a plan also ends on time_limit and on a wait longer than
// fixed_plan_max_wait_time.
enum FixPlanAbort : int
{
  FPX_NONE = 0,                  // no abort condition
  FPX_FOE_HAS_BALL = 1,          // an opponent has the ball at his feet
  FPX_PLAY_MODE_CHANGED = 2,     // the referee's call changed since the action started
  FPX_THEIR_SET_PLAY = 3         // the referee gave them a set play
};

// action_<j>_coord_type and _trigger_<k>_coord_type: where area and pos
// are measured from.
enum FixPlanCoordType : int
{
  FPC_PITCH = 0,                 // the pitch's own coordinates
  FPC_BALL = 1                   // offsets from the ball
};

// action_<j>_kick_type: how a kick is made; kick_power is the speed the
// ball should still have at the target (ball_speed_max: as hard as can be).
enum FixPlanKickType : int
{
  FPK_STRAIGHT = 0,              // one straight kick from where the ball lies
  FPK_SMART = 1,                 // the ball turned about the body first when the target lies behind
  FPK_PASS = 2                   // a pass to the receiver's feet; straight when nobody is there
};

bool IsFixPlanAction(int code);
bool IsFixPlanTrigger(int code);
bool IsFixPlanAbort(int code);
bool IsFixPlanCoordType(int code);
bool IsFixPlanKickType(int code);

#endif
