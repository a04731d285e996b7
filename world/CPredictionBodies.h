#ifndef CPREDICTIONBODIES_H
#define CPREDICTIONBODIES_H

#include "CVector.h"
#include "Predict.h"

class CBehaviours;
class CPlayer;

// The bodies one brain's predictions move: the agent's own, another
// player's as last seen, a turn toward a point, and the dash the stamina
// left affords. The predictions the brain answers by name stay its own and
// call in here. Defined in Predict.cpp.
class CPredictionBodies
{
public:
  explicit CPredictionBodies(const CBehaviours &brain);

  Predict::Body OwnBody() const;
  // A player facing the point when his body was not seen; false when his
  // position is unknown.
  bool PlayerMotion(const CPlayer *pl, CVector toward, Predict::Body &body) const;
  // The turn a moving body makes toward the point (false: it dashes).
  bool TurnTowards(CVector point, Predict::Body &body) const;
  float Affordable(float power, float stamina) const;

private:
  const CBehaviours &m_Brain;
};

#endif
