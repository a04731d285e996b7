#ifndef CINTERCEPTSEARCH_H
#define CINTERCEPTSEARCH_H

#include <vector>

#include "CVector.h"
#include "SkillRecords.h"

class CBehaviours;
class CPlayer;
namespace Predict
{
struct Body;
}

// The pieces of the interception search for one brain: the ball's path,
// rolled on once a cycle and ball as far as somebody asks; a simulated run
// of a body to the ball's place of a cycle; the run that goes on without
// turning; and each player's record. The search itself and the answers the
// brain gives by name stay its own and call in here; the records and the
// path are the brain's interception record (SkillRecords.h). Defined in
// Intercept.cpp.
class CInterceptSearch
{
public:
  explicit CInterceptSearch(CBehaviours &brain);

  int InterceptHorizon() const;
  const std::vector<CVector> &IntBallPath();
  CVector IntBallPos(int k);
  // The same, on the path IntBallPath last made ready.
  const CVector &IntBallPosOnPath(int k);
  // Whether a body (the agent's when mine) dashing with power is within
  // reach of the ball's place of cycle k by then; and the first cycle it
  // reaches the ball running on without turning.
  bool MeetsBallBy(const Predict::Body &start, bool mine, float power, int k, float within = 0);
  int NoTurnCycles(const Predict::Body &start, bool mine, float power, int horizon);
  float RunnerDash(bool mine, float power, float effort, float &stamina) const;
  double SureDashCone();
  // A player's search as the fastest-player queries ask it, at the power he
  // is reckoned to run with: whether he gets there and when come from one
  // record, looked up once.
  const PLAYERINTERCEPTINFO &FlatOutRecord(const CPlayer *p);
  // The record of a player (null: the agent).
  PLAYERINTERCEPTINFO &IntRecord(const CPlayer *p);

private:
  CBehaviours &m_Brain;
  // The brain's interception record: the players' records and the path.
  INTERCEPTSTATE &m_Interception;
};

#endif
