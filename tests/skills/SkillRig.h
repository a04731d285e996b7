#ifndef SKILLRIG_H
#define SKILLRIG_H

// The brain on the built-in defaults and the shipped server.conf, so that
// the skills run on the server's own motion model.

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
  // The ball rolled on n cycles by the shipped ball_decay.
  static CVector BallAt(CVector pos, CVector vel, int n)
  {
    for (int t = 0; t < n; t++, vel *= 0.94f)
      pos += vel;
    return pos;
  }
};

#endif
