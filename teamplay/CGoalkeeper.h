#ifndef CGOALKEEPER_H
#define CGOALKEEPER_H

#include "Records.h"
#include "CVector.h"
#include "GK.h"
#include "GoalieShotRun.h"
#include "GoalieStance.h"

class CBehaviours;
class CPlayer;

// The goalkeeper's own workings for one brain: the order of its rules, who
// last had the ball, its catch and what follows it, its kicks, its runs at
// a shot and its steps and turns in place. The rules the brain answers by
// name (where to stand, when to catch, come out or fetch the ball) stay the
// brain's and call in here; the goalkeeper's state between cycles is the
// brain's record (GK.h). Defined in GK.cpp, GoalieWithBall.cpp and
// GKPlayStyles.cpp.
class CGoalkeeper
{
public:
  explicit CGoalkeeper(CBehaviours &brain);

  // How many cycles sooner than a ball kicked from a point a goalkeeper
  // (null: the agent) can be within catching reach of its path, and where
  // that lead is best.
  int GoalieBeatsBall(CVector from, float dir, float speed, const CPlayer *goalie,
                      CVector *where) const;
  // Once a pass, before the rules: who last had the ball at the feet, and
  // whether the agent holds a caught ball.
  void GoalieNoteTouches(PlayMode current);
  void GoalieNoteCatch(PlayMode previous, PlayMode current);
  // The rules in their order; true once one queued the cycle's main command.
  bool GoaliePlay(PlayMode current);
  float GoalieDashPower(bool urgent) const;
  int GoalieHoldSpot(CVector p);
  // The body's facing square to the ball, and turning to it.
  float GoalieSquareBody();
  bool GoalieSquareUp();
  // While their shot may come: the step that keeps him square on his way
  // to the point.
  StanceStep GoalieStanceStep(CVector point);
  bool BallHeadsIntoOurGoal(float margin);
  // Where and when the agent meets the ball (the cycles; 0: nowhere).
  int GoalieInterception(CVector &point);
  bool GoalieCatchDirection(CVector ball, float reach, float &dir) const;
  int GoalieBlockShot();
  // Where a shot is met: the point of its path nearest to the goalkeeper,
  // or the first one beyond it that he reaches before the ball.
  CVector GoalieShotPoint();
  // The run to where it meets a shot.
  int GoalieRunToShot(CVector point);
  SHOTRUNMOTION GoalieShotRunMotion() const;
  int GoalieKickOnce(CVector target, float speed);
  CVector GoalieKickTarget();
  // At their man with the ball in my area, or at the ball near me there.
  int GoalieRushTheBall();
  // The goalkeeper's receiver, by the one chooser with his limits; a free
  // kick of his is one kick.
  const CPlayer *GoalieOpenMate(bool oneKick);

private:
  void GoalieNoteUnseenTouch(float reach);
  int GoalieClearBall();
  int GoalieStayAtBall();
  int GoalieTakeKick();

  CBehaviours &m_Brain;
  // The brain's record of the goalkeeper's state between cycles.
  GOALIESTATE &m_Goalie;
};

#endif
