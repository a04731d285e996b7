#ifndef MARKERLOOK_H
#define MARKERLOOK_H

// Where a marker in front of our goal points his neck. Watching only the
// ball, he saw his man's run in at our goal in few of its cycles and was
// left behind by it; one view often holds both.

// The directions (degrees, from the body) of the ball and of the marker's
// man, and half the view's width. The neck's aim that keeps the ball as
// near the middle of the view as the man allows, both inside it; when they
// do not fit in one view and a glance is allowed, the aim that has the man
// just inside the view on the ball's side. False when the look stays the
// usual one: the man in view with the ball in the middle anyway, or out of
// the neck's reach, or no glance allowed.
bool NeckForBallAndMan(float ball, float man, float viewHalf, float minNeck, float maxNeck,
                       bool glance, float &aim);

#endif
