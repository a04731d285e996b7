// One decision's worth of ball skills on a full pitch: who of the 22
// players reaches a rolling ball first, the receivers of a pass, and the
// kick that plays it. Each iteration is a new cycle: nothing comes from the
// cycle's caches.

#include <benchmark/benchmark.h>

#include "BenchPitch.h"

namespace
{
struct Pitch : BenchPitch
{
  Pitch() : BenchPitch(6) { agent->memory->SetGPos(CVector(-5, 3)); }

  // A ball rolling across midfield: the fastest of each side, every
  // player's cycles, the agent's point and power.
  void Interception()
  {
    CBehaviours &b = NewCycle(CVector(4, -6), CVector(-1.6f, 0.9f));
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
    CBehaviours &b = NewCycle(CVector(-4.4f, 3), CVector(0.1f, 0));
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

}  // namespace

BENCHMARK_MAIN();
