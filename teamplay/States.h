#ifndef STATES_H
#define STATES_H

#include "CVector.h"
#include "Records.h"

// Team play's reading of the game, worked out once at the start of every
// decision pass and then only read: the rules of the play functions ask
// these instead of looking at the world again.

// What the game around the agent is doing.
enum EnvState : int
{
  ENV_NONE = 0,
  ENV_BEFORE_KICK_OFF,   // placing for a kick-off, before the first or after a goal
  ENV_OUR_SET_PLAY,      // a kick of ours is to be taken
  ENV_THEIR_SET_PLAY,    // a kick of theirs: keep the distance
  ENV_OUR_BALL,          // play on, the ball is ours
  ENV_THEIR_BALL,        // play on, the ball is theirs or loose
  ENV_HALF_OVER          // nothing more to play in this process
};

// What the agent itself is about this cycle.
enum ActionState : int
{
  AS_NONE = 0,
  AS_FIX_PLAN,           // a set play of the configuration runs the pass
  AS_WITH_BALL,          // the ball is kickable: the zone's play with it
  AS_CHASE_BALL,         // the fastest of us to the ball
  AS_DEFENSE_ACTIVE,     // press the opponent with the ball
  AS_DEFENSE_POSITION,   // take the defensive place
  AS_DEFENSE_SUPPORT,    // cover near the ball
  AS_OFFENSE_POSITION,   // take the attacking place
  AS_OFFENSE_SUPPORT,    // offer a pass near the ball
  AS_RECHARGE,           // rest to win stamina back
  AS_TAKE_SET_PLAY,      // our set play that no plan covers, and ours to take
  AS_KEEP_CLEAR          // their set play, and the agent stands too near the ball
};

// What the agent did with the ball, as the zone behaviours chose it.
enum BallPlay : int
{
  BP_NONE = 0,
  BP_CARRY_ON,     // a kick laid over several cycles goes on
  BP_SHOOT,
  BP_CROSS,
  BP_BREAKAWAY,    // alone at their goal: the breakaway play
  BP_THROUGH,      // behind their offside line for a team-mate
  BP_PASS,
  BP_DRIBBLE,
  BP_HOLD,         // kept from the opponents while nothing better is on
  BP_SEND,         // up the pitch to where team-mates will be
  BP_CLEAR,        // away from our goal
  BP_KICK_AHEAD    // the last resort: one kick towards their goal
};

// The agent kicked the ball of a set play of ours and nobody else has
// touched it since: the kicker may not touch it again before another has.
// The mode, the ball's velocity and their cycles are last cycle's.
struct SETPLAYTOUCH
{
  bool took_kick = false;
  int kick_sent = -999;
  // The kick the bar was last raised for: once a kick.
  int bar_raised = -999;
  PlayMode note_mode = PM_BEFORE_KICK_OFF;
  int note_time = -999;
  CVector note_vel;
  int note_vel_time = -999;
  // Where the ball was seen in that cycle, and the last cycle its run
  // changed beyond its decay (somebody played it) with where that was.
  CVector note_pos;
  int run_changed_time = -999;
  CVector run_changed_at;
};

#endif
