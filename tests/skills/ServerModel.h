#ifndef SERVERMODEL_H
#define SERVERMODEL_H

// The skills' rig with one cycle of the server's motion model run on its
// world: the queued kick, dash or turn, then the ball and the agent move
// and slow down.

#include <cmath>

#include "SkillRig.h"

class ServerModelRig : public SkillRig
{
protected:
  float Param(const char *key) { return static_cast<float>(config.getsafe("Server", key, 0.0, 1)); }

  static float Norm(float a) { return std::remainder(a, 360.0f); }

  void Step()
  {
    const ACTIONQUEUE q = Queue();
    CBall *ball = agent->M2BReadNonConstBall();
    CVector b = ball->GetGPos(), bv = ball->GetVelocity();
    CVector me = agent->GetGPos(), mv = agent->GetVelocity();
    float body = agent->GetBFacing();
    if (q.time == agent->GetTime() && q.command == CMD_KICK)
    {
      const CVector rel = b - me;
      const float gap = std::fmax(0.0f, rel.GetMag() - Param("player_size") - Param("ball_size"));
      if (gap <= Param("kickable_margin"))
      {
        const float rate = Param("kick_power_rate") *
                           (1 - 0.25f * std::fabs(Norm(rel.GetDir() - body)) / 180 -
                            0.25f * gap / Param("kickable_margin"));
        CVector accel = Polar2CVector(std::fmin(q.power, 100.0f) * rate, body + q.angle);
        if (accel.GetMag() > Param("ball_accel_max"))
          accel = accel.SetLength(Param("ball_accel_max"));
        bv += accel;
      }
    }
    else if (q.time == agent->GetTime() && q.command == CMD_DASH)
      mv += Polar2CVector(q.power * Param("dash_power_rate"), body);
    else if (q.time == agent->GetTime() && q.command == CMD_TURN)
      body = Norm(body + q.angle / (1 + Param("inertia_moment") * mv.GetMag()));
    if (bv.GetMag() > Param("ball_speed_max"))
      bv = bv.SetLength(Param("ball_speed_max"));
    if (mv.GetMag() > Param("player_speed_max"))
      mv = mv.SetLength(Param("player_speed_max"));
    kicked = bv;
    b += bv;
    me += mv;
    agent->SetTime(agent->GetTime() + 1);
    Place(me, body, mv * Param("player_decay"));
    Ball(b, bv * Param("ball_decay"));
  }

  // The ball's distance from the agent's centre.
  float BallDist() { return agent->M2BReadBall()->GetGPos().dist(agent->GetGPos()); }

  // The ball's velocity in the last step, before it slowed down.
  CVector kicked;
};

#endif
