// One decision's worth of ball skills on a full pitch: who of the 22
// players reaches a rolling ball first, the receivers of a pass, and the
// kick that plays it. Each iteration is a new cycle: nothing comes from the
// cycle's caches.

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
struct Pitch
{
  MCDictIniSafe config;
  std::unique_ptr<RecordingAgent> agent;
  int time = 100;

  Pitch()
  {
    config.setsafe(0);
    primeini(config);
    config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
    std::ostringstream quiet;
    std::streambuf *out = std::cout.rdbuf(quiet.rdbuf());
    agent.reset(new RecordingAgent(config));
    agent->SetSide('l');
    agent->SetUNum(6);
    agent->memory->InitPlayerArrays('l', config);
    agent->brain->Init(config);
    std::cout.rdbuf(out);
    sensebody sb;
    std::memset(&sb, 0, sizeof sb);
    sb.stamina = 3500;
    sb.effort = 1;
    agent->memory->SetSB(sb);
    agent->memory->SetGPos(CVector(-5, 3));
    // Ten team-mates and eleven opponents spread over the pitch.
    for (int i = 0; i < 11; i++)
    {
      const CVector at(-40.0f + 8.0f * static_cast<float>(i), static_cast<float>((i * 13) % 50) - 25);
      if (i < 10)
        Place(agent->memory->GetAFriend(i), at, i < 5 ? i + 1 : i + 2, 'l');
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

  CBehaviours &Cycle(CVector ball, CVector vel)
  {
    agent->memory->SetTime(++time);
    CBall *b = agent->memory->GetNonConstBall();
    b->SetGPos(ball);
    b->SetConf(1);
    b->SetVelocity(vel);
    b->SetVelConf(1);
    return *agent->brain;
  }

  // A ball rolling across midfield: the fastest of each side, every
  // player's cycles, the agent's point and power.
  void Interception()
  {
    CBehaviours &b = Cycle(CVector(4, -6), CVector(-1.6f, 0.9f));
    benchmark::DoNotOptimize(b.FastestFriend2Ball(true));
    benchmark::DoNotOptimize(b.FastestFoe2Ball());
    for (int i = 0; i < 11; i++)
    {
      if (i < 10)
        benchmark::DoNotOptimize(b.NumOfCyclesToIntercept(agent->memory->GetAFriend(i)));
      benchmark::DoNotOptimize(b.NumOfCyclesToIntercept(agent->memory->GetAFoe(i)));
    }
    benchmark::DoNotOptimize(b.MyInterceptionPoint());
    benchmark::DoNotOptimize(b.MyDashPowerToIntercept());
  }

  // The ball at the agent's feet: the receivers, the one to pass to, the kick.
  void Pass()
  {
    CBehaviours &b = Cycle(CVector(-4.4f, 3), CVector(0.1f, 0));
    const CPlayer *to = b.PassTarget(1);
    benchmark::DoNotOptimize(b.KickBall(to ? to->GetGPos() : CVector(52.5f, 0), 2.5f));
  }
};

Pitch &World()
{
  static Pitch pitch;
  return pitch;
}

void BM_Interception22(benchmark::State &state)
{
  for (auto _ : state)
    World().Interception();
}
BENCHMARK(BM_Interception22)->Unit(benchmark::kMicrosecond);

void BM_ReceiversAndKick(benchmark::State &state)
{
  for (auto _ : state)
    World().Pass();
}
BENCHMARK(BM_ReceiversAndKick)->Unit(benchmark::kMicrosecond);

void BM_DecisionPass(benchmark::State &state)
{
  for (auto _ : state)
  {
    World().Interception();
    World().Pass();
  }
}
BENCHMARK(BM_DecisionPass)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
