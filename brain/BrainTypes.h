#ifndef BRAINTYPES_H
#define BRAINTYPES_H

// The brain's small types, which its callers name too: how to dodge while
// moving, a plain point, the role and the formation.

// Which players in the way make the agent sidestep while it moves.
enum DodgeType : int
{
  DODGE_NONE = 0,
  DODGE_ALL = 1,
  DODGE_WITHOUT_BALL = 2,  // only players who cannot kick the ball
  DODGE_WITH_BALL = 3      // only players who can kick the ball
};

// A plain pair of coordinates.
struct point
{
  float x;
  float y;
};

// The agent's role in its formation.
typedef int Role;
// The formation our side plays: -1 three defenders, three midfielders and
// four forwards; 0 four, three, three; 1 five, three, two.
typedef int Formation;

enum : int
{
  ROLE_NONE = 0,
  ROLE_GOALKEEPER = 1,
  ROLE_DEFENDER = 2,
  ROLE_MIDFIELDER = 3,
  ROLE_FORWARD = 4
};

#endif
