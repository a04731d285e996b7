#ifndef GK_H
#define GK_H

// How the goalkeeper moves to a point: keeping the ball in sight, even if
// that means stepping backwards or sideways, or as fast as it can, turning
// its back on the ball if need be.
enum SightVSpeed : int
{
  SVS_SIGHT = 0,
  SVS_SPEED = 1
};

#endif
