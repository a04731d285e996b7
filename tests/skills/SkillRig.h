#ifndef SKILLRIG_H
#define SKILLRIG_H

// The brain with the built-in defaults and the shipped server.conf, so the
// skills run on the server's own motion model; and that model stepped by
// hand, cycle by cycle, to check them against.

#include <cmath>

#include "BrainRig.h"
#include "Defaults.h"
#include "MCDictIniSafe.h"

class SkillRig : public BrainRig
{
protected:
  void Configure(MCDictIniSafe &dict) override
  {
    primeini(dict);
    dict.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
  }

public:
  // The shipped values.
  static constexpr float BALL_DECAY = 0.94f;
  static constexpr float PLAYER_DECAY = 0.4f;
  static constexpr float ACCEL = 100 * 0.006f;
  static constexpr float SPEED_MAX = 1.05f;
  static constexpr float INERTIA = 5;
  static constexpr float KICKABLE = 1.0512711f;

  static CVector BallAt(CVector pos, CVector vel, int n)
  {
    for (int t = 0; t < n; t++)
    {
      pos += vel;
      vel *= BALL_DECAY;
    }
    return pos;
  }

  // A player running at full power to a point, turning first when it lies
  // more than 7 degrees off his heading (turnAllowed), for n cycles; the
  // first cycle he is within reach of it, -1 if none.
  static int Arrives(CVector pos, float facing, CVector target, int n, bool turnAllowed)
  {
    CVector vel;
    for (int t = 0; t <= n; t++)
    {
      if (pos.dist(target) <= KICKABLE)
        return t;
      float off = std::remainder((target - pos).GetDir() - facing, 360.0f);
      if (turnAllowed && std::fabs(off) > 7)
      {
        const float most = 180 / (1 + INERTIA * vel.GetMag());
        facing += std::fmax(-most, std::fmin(most, off));
      }
      else
        vel += Polar2CVector(ACCEL, facing);
      if (vel.GetMag() > SPEED_MAX)
        vel = vel.SetLength(SPEED_MAX);
      pos += vel;
      vel *= PLAYER_DECAY;
    }
    return -1;
  }
};

#endif
