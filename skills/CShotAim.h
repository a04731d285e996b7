#ifndef CSHOTAIM_H
#define CSHOTAIM_H

#include "CVector.h"

// Which side of the goal mouth the agent's shot goes to: +1 the positive-y
// post, -1 the negative-y one. A goalkeeper is beaten at the corner he
// reaches last: the one whose line from the shooter runs farther from him.
// A side chosen in the last cycles is kept unless the other corner is
// clearly better: what is seen of the keeper wavers, and a shot laid over
// several kicks that swings between the corners is never kicked.
class CShotAim
{
public:
  // The side for a shot at cycle now; equal (a keeper straight in line
  // with the middle): a side kept from the last cycles, else tieSide.
  float Choose(int now, CVector from, CVector keeper, float goalLine, float post, float tieSide);

  // Closer to one line than to the other by less than this is even: what
  // is seen of the keeper's place wavers by about as much.
  static constexpr float kEven = 0.3f;

  // The point a shot found open in this cycle goes to, whichever corner
  // the keeper reaches last: false when none was noted.
  void NoteTarget(int now, CVector target);
  bool NotedTarget(int now, CVector &target) const;

  // The corner the keeper reaches last, or tieSide when the two are less
  // than even apart.
  static float CornerTheKeeperReachesLast(CVector from, CVector keeper, float goalLine, float post,
                                          float tieSide, float even);

private:
  // This cycle's choice, and the one of an earlier cycle that holds.
  float m_Side = 0;
  int m_Time = -999;
  float m_KeptSide = 0;
  int m_KeptTime = -999;
  CVector m_Target;
  int m_TargetTime = -999;
};

// How far a point lies from the segment a-b.
float DistanceToSegment(CVector p, CVector a, CVector b);

#endif
