#ifndef BENCHPITCH_H
#define BENCHPITCH_H

#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "AgentHarness.h"
#include "CBall.h"
#include "CPlayer.h"
#include "Defaults.h"

// A full pitch for the benchmarks: the agent of the given number on the
// left, rested, in play, with ten team-mates and eleven opponents spread over the
// pitch; the console lines of its construction kept out of the figures.
struct BenchPitch
{
  MCDictIniSafe config;
  std::unique_ptr<RecordingAgent> agent;
  int time = 100;

  explicit BenchPitch(int unum)
  {
    config.setsafe(0);
    primeini(config);
    config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
    std::ostringstream quiet;
    std::streambuf *out = std::cout.rdbuf(quiet.rdbuf());
    agent.reset(new RecordingAgent(config));
    agent->SetSide('l');
    agent->SetUNum(unum);
    agent->memory->InitPlayerArrays('l', config);
    agent->brain->Init(config);
    std::cout.rdbuf(out);
    agent->memory->SetSB(RestedBody());
    std::string call("play_on");
    agent->playmode->SetPlayMode(&call[0]);
    for (int i = 0; i < 11; i++)
    {
      const CVector at(-40.0f + 8.0f * static_cast<float>(i),
                       static_cast<float>((i * 13) % 50) - 25);
      // The team-mates' numbers pass the agent's own by.
      if (i < 10)
        Place(agent->memory->GetAFriend(i), at, i + 1 < unum ? i + 1 : i + 2, 'l');
      Place(agent->memory->GetAFoe(i), CVector(3 - at.GetX(), at.GetY() + 4), i + 1, 'r');
    }
  }

  // A new cycle, the ball where the case has it.
  CBehaviours &NewCycle(CVector ball, CVector vel)
  {
    agent->memory->SetTime(++time);
    CBall *b = agent->memory->GetNonConstBall();
    b->SetGPos(ball);
    b->SetConf(1);
    b->SetVelocity(vel);
    b->SetVelConf(1);
    return *agent->brain;
  }

  static void Place(CPlayer *p, CVector pos, int unum, char side)
  {
    p->SetGPos(pos);
    p->SetConf(1);
    p->SetUNum(unum);
    p->SetSide(side);
  }
};

#endif
