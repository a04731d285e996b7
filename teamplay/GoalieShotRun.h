#ifndef GOALIESHOTRUN_H
#define GOALIESHOTRUN_H

#include "CVector.h"

// How the goalkeeper's body moves in a cycle, the server's numbers.
struct SHOTRUNMOTION
{
  float dashAccel = 0.6f;  // a full dash's push, dash_power_rate x effort x max power
  float decay = 0.4f;
  float speedMax = 1.05f;
  float inertia = 5;
  float maxMoment = 180;
  float ballDecay = 0.94f;
  // Within this of the ball his hands (or feet) have it.
  float reach = 1.2f;
  // Within this the ball is his even when its path as seen is off by the
  // sighting's doubt; 0: no such margin is sought.
  float sureReach = 0;
  // The ball is lost once past this line (our goal line's x).
  float goalX = -52.5f;
  int horizon = 20;
};

// The first command of a run at a shot. Turns go to the point, or to the
// point behind the back.
enum class ShotRunStart : int
{
  Stand = 0,
  DashForwards,
  DashBackwards,
  TurnForwards,
  TurnBackwards
};

struct SHOTRUNPLAN
{
  ShotRunStart start = ShotRunStart::Stand;
  float turn = 0;    // the body's turn for a turn start, degrees
  int cycles = -1;   // when the ball is within reach; -1: never
  float miss = 1e9f; // the nearest the ball comes to him otherwise
};

// Every way of starting the run, played out on the server's motion against
// the ball's path (flat-out dashes along the body after the first command,
// as many as pay, then drifting). Of the starts along the body (standing, a
// dash either way) the one that has the ball within the sure reach soonest,
// else within reach soonest; a turn first only when none of them reaches,
// chosen the same way; none reaching, the one the ball passes nearest.
SHOTRUNPLAN BestShotRun(CVector me, CVector vel, float body, CVector ball, CVector ballVel,
                        CVector point, const SHOTRUNMOTION &m);

// Whether the ball, where some cycle leaves it before our goal line, lies
// within his reach while he drifts where he stands.
bool BallComesWithinReach(CVector me, CVector vel, CVector ball, CVector ballVel,
                          const SHOTRUNMOTION &m);

#endif
