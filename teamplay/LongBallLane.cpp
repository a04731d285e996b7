// The first player to a long ball as it rolls, on the same reckoning as a
// pass's margin: a straight run flat out after a cycle to turn.

#include "LongBallLane.h"

#include <cmath>

LaneEnd RollToFirstTouch(CVector from, CVector target, float speed,
                         const std::vector<LaneRunner> &runners, const LaneRoll &roll)
{
  LaneEnd end;
  end.where = from;
  const CVector way = target - from;
  const float length = way.GetMag();
  if (length <= 0 || speed <= 0 || roll.playerSpeedMax <= 0)
    return end;
  const float ux = way.GetX() / length;
  const float uy = way.GetY() / length;
  CVector ball = from;
  float v = speed;
  for (int t = 1; t <= roll.maxCycles; t++)
  {
    ball = CVector(ball.GetX() + ux * v, ball.GetY() + uy * v);
    v *= roll.ballDecay;
    end.where = ball;
    end.cycles = t;
    if (std::fabs(ball.GetX()) > roll.halfLength || std::fabs(ball.GetY()) > roll.halfWidth)
      return end;
    // Theirs are looked at first: level with one of ours, he has it.
    const LaneRunner *first = nullptr;
    for (int pass = 0; pass < 2 && !first; pass++)
      for (const LaneRunner &r : runners)
      {
        if (r.ours != (pass == 1) || ball.GetX() < r.fromX)
          continue;
        const float run = ball.dist(r.at) - r.reach;
        const float cycles = (run > 0 ? run / roll.playerSpeedMax + 1 : 0) +
                             static_cast<float>(r.ours ? roll.oursLate : 0);
        if (cycles <= static_cast<float>(t + roll.kickDelay))
        {
          first = &r;
          break;
        }
      }
    if (first)
    {
      end.ours = first->ours;
      end.unum = first->unum;
      end.reached = true;
      return end;
    }
    if (v < roll.stopSpeed)
    {
      if (!roll.stillBallWaits)
        return end;
      v = 0;
    }
  }
  return end;
}
