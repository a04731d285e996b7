#ifndef SKILLRECORDS_H
#define SKILLRECORDS_H

#include <vector>

#include "CVector.h"
#include "SkillTypes.h"

// What the interception search found for one player in one cycle, with the
// inputs it was worked out from: a record whose inputs still hold is
// answered without searching again.
struct PLAYERINTERCEPTINFO
{
  int time = -999;
  float power = 0;
  // The last cycle searched; a record that found nothing is searched again
  // when a longer look-ahead is asked.
  int horizon = 0;
  CVector ballPos;
  CVector ballVel;
  CVector playerPos;
  CVector playerVel;
  float playerFacing = 0;
  INTERCEPTRES res = INTERCEPT_NONE;
  int numCycles = 999;
  // Where to run: the meeting point, led on along the ball's path.
  CVector point;
  // The least power that still meets the ball in as many cycles; negative
  // until first asked, then kept with the rest.
  mutable float dashPower = -1;
  // Inputs and search settings taken, search left for the first ask (see
  // CBehaviours::DeferIntInfo); fine is the search's cycle-by-cycle reach.
  bool deferred = false;
  int fine = -1;
};

// A team-mate as a pass to him looks in this cycle.
struct RECEIVERINFO
{
  int time = -999;
  bool valid = false;
  // Where the ball is sent: where he will be when it arrives, stopped a
  // body short of him.
  CVector target;
  // Where he stands as the ball is played.
  CVector stands;
  // The ball's speed off the foot, its pace as it gets to him, and the
  // cycles it travels.
  float speed = 0;
  float pace = 0;
  int cycles = 0;
  // 0 no opponent can get at the ball on its way, 1 one surely does.
  float risk = 1;
  // How crowded by opponents he stands.
  float congestion = 0;
};

// A pass of ours under way: one the agent made, or the latest a team-mate
// announced. A pass is over once somebody has played the ball since, or a
// stoppage was called, or its news is too old to trust.
struct ANNOUNCEDPASS
{
  int time = -999;   // the cycle of the kick
  int passer = 0;    // uniform numbers; receiver 0: no pass
  int receiver = 0;
  CVector target;
  bool over = true;
};

// What a pass may be, by who passes and when: a field player in play, the
// taker of a set play, the goalkeeper with the ball in his hands. One
// chooser of receivers reads these, so that every pass is weighed alike.
struct PASSLIMITS
{
  // How far behind the ball a receiver may stand; negative: how far ahead
  // of it he must stand.
  float backAllowance = 0;
  // The longest pass.
  float maxDist = 60;
  // No opponent this near the receiver.
  float freeRadius = 0;
  // The highest pass risk taken; negative: the zone's threshold.
  float riskThreshold = -1;
  // The ball goes in one kick (a set play's, the goalkeeper's free kick):
  // a receiver only a harder kick reaches is none.
  bool oneKick = false;
};

// Kicking's state between cycles: the kick over several cycles under way
// (and as it stood when the cycle began), what the last smart kick was
// asked, and where the last spin kick puts the ball.
struct KICKSTATE
{
  KICKPLAN plan;
  KICKPLAN plan_before;
  float smart_dir = 0;
  float smart_speed = 0;
  KICKMODE smart_mode = KICKMODE_STRAIGHT;
  ROTDIR smart_rot = ROTDIR_AWAY;
  CVector spin_spot;
};

// What the last dribble was asked.
struct DRIBBLESTATE
{
  CVector target;
  float speed = 0;
  float buffer = 0;
};

// The breakaway targets, through the middle and down a wing.
struct BREAKAWAYSTATE
{
  BREAKAWAYTARGET middle;
  BREAKAWAYTARGET side;
};

// Interception's state: the look-ahead in force (n > 0 cycles; otherwise
// max_int_lookahead, and with -2 or less every cycle is searched up to the
// fewest cycles found this cycle, beyond that in steps); the records (slot
// 0 the agent, then team-mates and opponents by uniform number; a player
// without a known number is searched each time); the ball's places cycle
// by cycle, rolled on once per cycle and ball; and the point of the ball's
// path nearest to the agent.
struct INTERCEPTSTATE
{
  int lookahead = -2;
  std::vector<PLAYERINTERCEPTINFO> info;
  PLAYERINTERCEPTINFO scratch;
  std::vector<CVector> ball_path;
  int ball_path_time = -999;
  CVector ball_path_pos;
  CVector ball_path_vel;
  CVector path_point;
  // The sure-dash cone of the search and the setting it was worked out for.
  double sure_dash_cone = 0;
  float sure_dash_cone_of = -1;
};

// Passing's state: the team-mates as receivers in this cycle (by uniform
// number, receivers[unum - 1]); the pass under way that the agent made or
// heard of last; the last pass: when, to whom (0: none) and where.
struct PASSSTATE
{
  RECEIVERINFO receivers[11];
  int receivers_time = -999;
  ANNOUNCEDPASS under_way;
  int time = -999;
  int receiver = 0;
  CVector target;
};

#endif
