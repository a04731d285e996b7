#ifndef SUPPORTPLACE_H
#define SUPPORTPLACE_H

// Where a team-mate near our ball offers himself for a pass: a short ball
// away, in room, with an open way from the ball and nobody of ours already
// there. In matches the carrier in midfield, pressed, found nobody free
// within twenty metres in half of the balls he lost, and sent them long.

#include <vector>

#include "Geometry.h"

// The slot (ring and direction) a place chooser went for lately. Places of
// nearly equal worth take turns as the best while the ball rolls, and the
// man sent from one to the other turns instead of running: the slot gone
// for in the last cycle keeps this much more worth (two metres of room).
struct HeldSlot
{
  static constexpr float kWorth = 3;
  int slot = -1;
  int time = -999;
  // The slot gone for in the last cycle or earlier in this one, else -1.
  int Held(int now) const { return time == now - 1 || time == now ? slot : -1; }
  void Note(int chosen, int now)
  {
    slot = chosen;
    time = now;
  }
};

struct SupportWorld
{
  CVector ball;
  CVector me;
  // Team-mates other than the agent (the carrier among them), and the
  // opponents, both as last known.
  std::vector<CVector> mates;
  std::vector<CVector> foes;
  // No place beyond this x: their offside line, less a margin.
  float xMax = 0;
  // Half the pitch's length and width.
  float halfLength = 52.5f;
  float halfWidth = 34.0f;
  // Our penalty area, where a lost ball is a goal: no support there.
  float penaltyAreaLength = 16.5f;
  float penaltyAreaHalfWidth = 20.16f;
  // A defender supports from beside or behind the ball, the others from
  // beside or ahead of it.
  bool behind = false;
  // The slot (ring and direction about the ball) the agent went for in the
  // last cycle, or -1: it is kept unless another is clearly better.
  int held = -1;
};

// True when no opponent stands near the straight way from `from` to `to`:
// within `width` of it at its start, widening by `widening` a metre along.
bool PassLaneOpen(CVector from, CVector to, const std::vector<CVector> &foes, float width,
                  float widening);

// The distance from `point` to the nearest of `foes`, capped at `cap`.
float RoomAround(CVector point, const std::vector<CVector> &foes, float cap);

// The support place for the world given; its slot, when asked for, to be
// held in the next cycle.
CVector ChooseSupportPlace(const SupportWorld &world, int *slot = nullptr);

#endif
