#ifndef GOALIESTANCE_H
#define GOALIESTANCE_H

#include "CVector.h"

// The goalkeeper's stance while their shot may come any cycle. Square to
// the ball, a shot to either side is met by dashes along the body; a turn
// to walk to his point along the line to the ball faces him down it, and
// the shot that comes then costs the turn back (seen in matches: their
// shot across him from 14 m, struck while he stepped back towards his line
// facing the ball, passed a metre beyond his hands after the turn).

// What the goalkeeper sees: himself, the ball, the point he wants, and
// our goal line's x.
struct STANCEVIEW
{
  CVector me;
  float body = 0;
  CVector ball;
  CVector point;
  float goalX = -52.5f;
};

// How far square stretches: the body's angle off the ball's direction
// when he stands square (short of a right angle, so that the neck keeps
// the ball in a narrow view), how far off that it still counts as square,
// the error a turn puts right, and how far the point may lie off the
// body's line before the walk to it is worth a turn. The error he keeps
// may run along the goal line only this far: with the ball wide by our
// line, square to it is across the goal, and the error off the body's
// line is how far he stands from his post. A point whose place along the
// body lies this near the goal line is not slid to.
struct STANCELIMITS
{
  float squareAngle = 80;
  float squareSlack = 30;
  float turnError = 10;
  float depthSlack = 2;
  float alongGoalSlack = 0.75f;
  float lineGap = 0.5f;
};

enum class StanceStep : int
{
  Leave = 0,  // not square, or the point too far off the body's line: the usual walk
  SquareUp,   // square enough to keep, but worth a small turn back to it
  Slide       // a dash along the body towards the point, off its line as it is
};

// The body's facing square to the ball, of the two ways the nearer the
// present facing.
float NearerSquareFacing(CVector me, CVector ball, float body, float squareAngle);

// The step that keeps the square stance (square either way, the nearer).
StanceStep SquareStanceStep(const STANCEVIEW &v, const STANCELIMITS &l);

#endif
