#ifndef CSETPLAYTOUCHES_H
#define CSETPLAYTOUCHES_H

#include "CVector.h"
#include "States.h"

class CBehaviours;

// The taker's touches in our set plays, for one brain: whether the agent
// kicked the ball of the last set play of ours and nobody else has played
// it since, so that he may not touch it again. The brain's rules ask and
// note through its TouchedLastInSetPlay and NoteSetPlayTouches; the state
// between cycles is the brain's record (States.h).
class CSetPlayTouches
{
public:
  explicit CSetPlayTouches(CBehaviours &brain);

  // How far short of the ball (beyond the bodies, for the dash's noise)
  // the barred kicker's dashes stop.
  static constexpr float kSetPlayTouchBuffer = 0.2f;
  bool TouchedLastInSetPlay() const;
  // Once a pass: whether his last kick took our set play, whether another
  // played the ball since; a kick of ours in our set play, noted once.
  void NoteSetPlayTouches();
  void NoteSetPlayKick(int cycle);
  // Whether the ball's run changed in the last step beyond what its decay
  // and the noise of seeing it explain: somebody played it, where it was
  // seen in the cycle before (at).
  bool BallRunChangedNow(CVector &at) const;

private:
  CBehaviours &m_Brain;
  SETPLAYTOUCH &m_SetPlayTouch;
};

#endif
