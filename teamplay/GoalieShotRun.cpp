// The goalkeeper's start at a shot, chosen by playing each start out rather
// than by how far the point lies off his body: a rough heading that misses
// a fixed slack by a few degrees still crosses the ball's path in time,
// while the turn it costs loses the cycle the ball does not wait for (seen
// in matches: a turn of 30-90 degrees first at shots into a corner, and
// the ball went in past his hands).

#include "GoalieShotRun.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "Geometry.h"

namespace
{
float Wrap(float a)
{
  return std::remainder(a, 360.0f);
}

struct BODY
{
  CVector pos, vel;
  float body;
};

void Drift(BODY &b, const SHOTRUNMOTION &m)
{
  b.pos += b.vel;
  b.vel *= m.decay;
}

void DashStep(BODY &b, float sign, const SHOTRUNMOTION &m)
{
  b.vel += Polar2CVector(sign * m.dashAccel, b.body);
  if (b.vel.GetMag() > m.speedMax)
    b.vel = b.vel.SetLength(m.speedMax);
  Drift(b, m);
}

// The ball's place after k cycles; false once it is past our goal line.
bool BallAfter(CVector ball, CVector vel, int k, const SHOTRUNMOTION &m, CVector &at)
{
  at = ball;
  for (int i = 0; i < k; i++)
  {
    at += vel;
    vel *= m.ballDecay;
  }
  return at.GetX() > m.goalX;
}

// One start played out: after the first command, `dashes` more dashes
// along the body with `sign`, then drifting. Fills cycles/miss.
void PlayOut(BODY start, bool firstIsTurn, float sign, int dashes, CVector ball, CVector ballVel,
             const SHOTRUNMOTION &m, int &cycles, float &miss)
{
  BODY b = start;
  cycles = -1;
  for (int k = 1; k <= m.horizon; k++)
  {
    const bool dash = firstIsTurn ? (k >= 2 && k - 1 <= dashes) : k <= dashes;
    if (dash)
      DashStep(b, sign, m);
    else
      Drift(b, m);
    CVector at;
    if (!BallAfter(ball, ballVel, k, m, at))
      return;
    const float d = b.pos.dist(at);
    miss = std::min(miss, d);
    if (d <= m.reach)
    {
      cycles = k;
      return;
    }
  }
}

SHOTRUNPLAN BestShotRunWithin(CVector me, CVector vel, float body, CVector ball, CVector ballVel,
                              CVector point, const SHOTRUNMOTION &m, bool withTurns)
{
  SHOTRUNPLAN best;
  const auto consider = [&](ShotRunStart start, float turn, const BODY &from, bool firstIsTurn,
                            float sign, int fromDashes) {
    for (int dashes = fromDashes; dashes <= m.horizon; dashes++)
    {
      int cycles = -1;
      float miss = 1e9f;
      PlayOut(from, firstIsTurn, sign, dashes, ball, ballVel, m, cycles, miss);
      const bool better =
          cycles >= 0 ? best.cycles < 0 || cycles < best.cycles : best.cycles < 0 && miss < best.miss;
      if (better)
      {
        best.start = start;
        best.turn = turn;
        best.cycles = cycles;
        best.miss = miss;
      }
      if (cycles == 1 || (start == ShotRunStart::Stand))
        return;
    }
  };
  const BODY now{me, vel, body};
  // Standing where he is (the caller's hold on the point), then a dash
  // either way, then a turn: a later start replaces an earlier one only
  // when it gets there sooner.
  consider(ShotRunStart::Stand, 0, now, false, 1, 0);
  consider(ShotRunStart::DashForwards, 0, now, false, 1, 1);
  consider(ShotRunStart::DashBackwards, 0, now, false, -1, 1);
  if (!withTurns)
    return best;
  const float way = (point - me).GetDir();
  const float speed = vel.GetMag();
  for (const float sign : {1.0f, -1.0f})
  {
    const float wanted = Wrap((sign > 0 ? way : way + 180) - body);
    // The server divides the moment by the body's inertia at speed.
    const float moment = std::max(-m.maxMoment, std::min(m.maxMoment, wanted * (1 + m.inertia * speed)));
    const float turned = moment / (1 + m.inertia * speed);
    if (std::fabs(turned) < 1)
      continue;
    BODY after = now;
    after.body = Wrap(body + turned);
    consider(sign > 0 ? ShotRunStart::TurnForwards : ShotRunStart::TurnBackwards, wanted, after, true,
             sign, 0);
  }
  return best;
}
}

// A path seen from afar is off by several tenths of a metre, so a start
// that has the ball pass at the edge of his reach misses as often as not
// (seen in matches: standing with the ball reckoned to pass 1.1 m off, it
// passed 1.4 m off, and a slow shot from 23 m went in beside him). A start
// that has the ball come well inside the reach goes first, even when it
// gets there a cycle later.
//
// A turn goes only when no start along the body gets there at all: the
// cycle it costs is a metre of the run, more than the sure reach's margin,
// and a start played out to meet the ball a cycle sooner is no surer (seen
// in matches: square to shots from 20-25 m, in half of them he turned
// first, often right about to run backwards the way a forward dash went,
// because the turn's line met the ball a cycle earlier on the reckoning).
SHOTRUNPLAN BestShotRun(CVector me, CVector vel, float body, CVector ball, CVector ballVel,
                        CVector point, const SHOTRUNMOTION &m)
{
  SHOTRUNMOTION sure = m;
  const bool sureFirst = m.sureReach > 0 && m.sureReach < m.reach;
  sure.reach = m.sureReach;
  for (const bool withTurns : {false, true})
  {
    if (sureFirst)
    {
      const SHOTRUNPLAN plan = BestShotRunWithin(me, vel, body, ball, ballVel, point, sure, withTurns);
      if (plan.cycles >= 0)
        return plan;
    }
    const SHOTRUNPLAN plan = BestShotRunWithin(me, vel, body, ball, ballVel, point, m, withTurns);
    if (plan.cycles >= 0 || withTurns)
      return plan;
  }
  return SHOTRUNPLAN();
}

bool BallComesWithinReach(CVector me, CVector vel, CVector ball, CVector ballVel,
                          const SHOTRUNMOTION &m)
{
  int cycles = -1;
  float miss = 1e9f;
  PlayOut(BODY{me, vel, 0}, false, 1, 0, ball, ballVel, m, cycles, miss);
  return cycles >= 0;
}
