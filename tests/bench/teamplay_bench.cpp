// One whole decision pass of a field player on a full pitch, as the main
// loop runs it: the strategy, both states and the play function, with the
// looking that follows. Each iteration is a new cycle, so no answer comes
// from the cycle's caches.

#include <benchmark/benchmark.h>

#include "BenchPitch.h"

namespace
{
struct Match : BenchPitch
{
  Match() : BenchPitch(7) {}

  // A new cycle with the agent and the ball where the case has them.
  void Pass(CVector me, CVector ball, CVector vel)
  {
    CBehaviours &brain = NewCycle(ball, vel);
    agent->memory->SetLastVisualTime(time);
    agent->memory->SetGPos(me);
    agent->Decide(PM_PLAY_ON, PM_PLAY_ON);
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

// The ball far off in their half, rolling slowly: the agent keeps its place.
void BM_PassBallFar(benchmark::State &state)
{
  for (auto _ : state)
    World().Pass(CVector(-5, 3), CVector(38, -22), CVector(0.3f, 0.1f));
}
BENCHMARK(BM_PassBallFar)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
