// One whole decision pass of a field player on a full pitch, as the main
// loop runs it: the strategy, both states and the play function, with the
// looking that follows. Each iteration is a new cycle, so no answer comes
// from the cycle's caches.

#include <cstring>
#include <iostream>
#include <sstream>

#include <benchmark/benchmark.h>

#include "AgentHarness.h"
#include "CBall.h"
#include "CPlayer.h"
#include "Defaults.h"

namespace
{
struct Match
{
  MCDictIniSafe config;
  std::unique_ptr<RecordingAgent> agent;
  int time = 100;

  Match()
  {
    config.setsafe(0);
    primeini(config);
    config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
    std::ostringstream quiet;
    std::streambuf *out = std::cout.rdbuf(quiet.rdbuf());
    agent.reset(new RecordingAgent(config));
    agent->SetSide('l');
    agent->SetUNum(7);
    agent->memory->InitPlayerArrays('l', config);
    agent->brain->Init(config);
    std::string call("play_on");
    agent->playmode->SetPlayMode(&call[0]);
    std::cout.rdbuf(out);
    sensebody sb;
    std::memset(&sb, 0, sizeof sb);
    std::strcpy(sb.view_width, "normal");
    std::strcpy(sb.view_quality, "high");
    sb.stamina = 3500;
    sb.effort = 1;
    agent->memory->SetSB(sb);
    // Ten team-mates and eleven opponents spread over the pitch.
    for (int i = 0; i < 11; i++)
    {
      const CVector at(-40.0f + 8.0f * static_cast<float>(i),
                       static_cast<float>((i * 13) % 50) - 25);
      if (i < 10)
        Place(agent->memory->GetAFriend(i), at, i < 6 ? i + 1 : i + 2, 'l');
      Place(agent->memory->GetAFoe(i), CVector(3 - at.GetX(), at.GetY() + 4), i + 1, 'r');
    }
  }

  static void Place(CPlayer *p, CVector pos, int unum, char side)
  {
    p->SetGPos(pos);
    p->SetConf(1);
    p->SetUNum(unum);
    p->SetSide(side);
  }

  // A new cycle with the agent and the ball where the case has them.
  void Pass(CVector me, CVector ball, CVector vel)
  {
    RecMemory &m = *agent->memory;
    m.SetTime(++time);
    m.SetLastVisualTime(time);
    m.SetGPos(me);
    CBall *b = m.GetNonConstBall();
    b->SetGPos(ball);
    b->SetConf(1);
    b->SetVelocity(vel);
    b->SetVelConf(1);
    CBehaviours &brain = *agent->brain;
    brain.AdjustStrategy();
    brain.DetermineEnvState(PM_PLAY_ON, PM_PLAY_ON);
    brain.DetermineActionState();
    brain.PlayAsMidfielder(PM_PLAY_ON, PM_PLAY_ON);
    benchmark::DoNotOptimize(brain.GetQueue());
  }
};

Match &World()
{
  static Match match;
  return match;
}

// The ball at the agent's feet in midfield: the zone's play with it.
void BM_PassWithTheBall(benchmark::State &state)
{
  for (auto _ : state)
    World().Pass(CVector(-5, 3), CVector(-4.4f, 3), CVector(0.1f, 0));
}
BENCHMARK(BM_PassWithTheBall)->Unit(benchmark::kMicrosecond);

// A ball rolling across midfield: who chases, who supports, who positions.
void BM_PassBallRolling(benchmark::State &state)
{
  for (auto _ : state)
    World().Pass(CVector(-5, 3), CVector(4, -6), CVector(-1.6f, 0.9f));
}
BENCHMARK(BM_PassBallRolling)->Unit(benchmark::kMicrosecond);

// The ball far off in their half: the agent takes its place.
void BM_PassBallFarOff(benchmark::State &state)
{
  for (auto _ : state)
    World().Pass(CVector(-5, 3), CVector(30, 20), CVector(0.5f, 0));
}
BENCHMARK(BM_PassBallFarOff)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
