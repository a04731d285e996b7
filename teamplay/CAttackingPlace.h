#ifndef CATTACKINGPLACE_H
#define CATTACKINGPLACE_H

#include <vector>

#include "CVector.h"
#include "SupportPlace.h"

class CBehaviours;

// Where a midfielder or forward stands with our ball, for one brain: ahead
// of it by his role, onside, with room and an open way from it; a forward
// in their area once the ball is well into their half. Defined in
// AttackingPlace.cpp.
class CAttackingPlace
{
public:
  explicit CAttackingPlace(CBehaviours &brain);

  // A ball this far from the middle of the pitch is out wide.
  static constexpr float OUT_WIDE = 12;

  // The place; the one about the first choice gone for in the last cycle
  // is kept unless another is clearly better.
  CVector AttackingPlace();
  // A forward's place in their area by his home's y and the ball's.
  CVector BoxPlace(float homeY, float ballY) const;
  // The ball out wide, one of ours nearer to it than any of theirs.
  bool OursNearerOutWide(CVector ball) const;
  // The two measures a place is weighed by.
  bool LaneOpen(CVector from, CVector to, const std::vector<CVector> &foes) const;
  float RoomAt(CVector point, const std::vector<CVector> &foes) const;

private:
  CBehaviours &m_Brain;
  // The place about the first choice gone for lately, and when: kept
  // unless another is clearly better.
  HeldSlot m_Held;
};

#endif
