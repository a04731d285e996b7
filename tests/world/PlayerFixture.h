#ifndef PLAYERFIXTURE_H
#define PLAYERFIXTURE_H

#include "AgentHarness.h"
#include "CBall.h"
#include "CPlayer.h"

// An agent number 5 of the left side whose store has its player arrays, and
// helpers that make a record known at a place.
class PlayerFixture : public AgentFixture
{
protected:
  void SetUp() override
  {
    AgentFixture::SetUp();
    agent->SetSide('l');
    agent->SetUNum(5);
    memory().InitPlayerArrays('l', config);
    memory().SetTime(10);
    memory().SetGPos(CVector(0, 0));
  }

  CMemory &memory() { return *agent->memory; }

  // A record seen in cycle `time` at (x, y), trusted fully.
  static CPlayer *Place(CPlayer *player, float x, float y, int time, int unum = -999,
                        char side = 'l')
  {
    player->SetGPos(CVector(x, y));
    player->SetTime(time);
    player->SetConf(1);
    player->SetUNum(unum);
    player->SetSide(side);
    player->SetSource(0);
    return player;
  }

  CPlayer *Mate(int i, float x, float y, int unum = -999)
  {
    return Place(memory().GetAFriend(i), x, y, memory().GetTime(), unum, 'l');
  }

  CPlayer *Foe(int i, float x, float y, int unum = -999)
  {
    return Place(memory().GetAFoe(i), x, y, memory().GetTime(), unum, 'r');
  }

  void PlaceBall(float x, float y, float conf = 1)
  {
    CBall *ball = memory().GetNonConstBall();
    ball->SetGPos(CVector(x, y));
    ball->SetConf(conf);
  }
};

#endif
