#ifndef LONGBALLLANE_H
#define LONGBALLLANE_H

// Where a long ball sent with nothing safer on ends up: the first player,
// theirs or ours, who can get to it as it rolls. In matches the long ball
// down the emptier wing was aimed only by who stood where it lands, and
// was cut out by their midfield on its way, 8 to 20 m from the kick, in
// most of the ones lost.

#include <vector>

#include "Geometry.h"

struct LaneRunner
{
  CVector at;
  // How near the ball he must come to play it (a goalkeeper's catch too).
  float reach = 1;
  bool ours = false;
  int unum = 0;
  // He plays the ball only once it has rolled beyond this x: a runner sent
  // behind their line runs on to meet it there, he does not come back.
  float fromX = -1e9f;
};

struct LaneRoll
{
  float ballDecay = 0.94f;
  float playerSpeedMax = 1.05f;
  // Half the pitch's length and width: a ball that leaves it is theirs.
  float halfLength = 52.5f;
  float halfWidth = 34.0f;
  // The cycles our team-mates start late: they learn where the ball goes
  // from its flight or the kicker's word, a cycle after the kick.
  int oursLate = 1;
  // A ball slower than this has stopped.
  float stopSpeed = 0.1f;
  // A stopped ball waits where it lies for the first to get to it: a ball
  // laid into room for a runner is his when he gets there first, though
  // it stopped before him. Otherwise a stopped ball is nobody's.
  bool stillBallWaits = false;
  // The cycles before the ball leaves the foot, a kick laid over several
  // cycles: everybody moves meanwhile, and our team-mates' late start
  // counts from the first of them, when the kicker names the receiver.
  int kickDelay = 0;
  int maxCycles = 60;
};

struct LaneEnd
{
  // Where the ball is first got to (or leaves the pitch, or stops), the
  // cycles it rolled, and by whom: ours with his number, or not.
  CVector where;
  int cycles = 0;
  bool ours = false;
  int unum = 0;
  // Somebody got to it: false when it left the pitch or stopped first.
  bool reached = false;
};

// The ball kicked now from `from` towards `target` at `speed`: where the
// first of `runners` gets to it, each running flat out after a cycle to
// turn; one of theirs level with one of ours gets it. A ball that leaves
// the pitch is nobody's there, and so is one that stops first unless the
// roll lets a still ball wait.
LaneEnd RollToFirstTouch(CVector from, CVector target, float speed,
                         const std::vector<LaneRunner> &runners, const LaneRoll &roll);

#endif
