// One decision's worth of ball skills on a full pitch: who of the 22
// players reaches a rolling ball first, the receivers of a pass, and the
// kick that plays it. Each iteration is a new cycle, so nothing is answered
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
class Pitch
{
public:
  Pitch()
  {
    config.setsafe(0);
    primeini(config);
    config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
    std::streambuf *out = std::cout.rdbuf(quiet.rdbuf());
    agent.reset(new RecordingAgent(config));
    agent->SetSide('l');
    agent->SetUNum(6);
    agent->memory->InitPlayerArrays('l', config);
    agent->brain->Init(config);
    std::cout.rdbuf(out);
    sensebody sb;
    std::memset(&sb, 0, sizeof sb);
    std::strcpy(sb.view_width, "normal");
    std::strcpy(sb.view_quality, "high");
    sb.stamina = 3500;
    sb.effort = 1;
    agent->memory->SetSB(sb);
    char play[] = "play_on";
    agent->S2PWritePlayMode(play);
    agent->memory->SetGPos(CVector(-5, 3));
    agent->memory->SetBFacing(0);
    // Ten team-mates and eleven opponents in two loose formations.
    for (int i = 0; i < 11; i++)
    {
      const float x = -40.0f + 8.0f * static_cast<float>(i);
      const float y = static_cast<float>((i * 13) % 50) - 25.0f;
      if (i < 10)
        Place(agent->memory->GetAFriend(i), CVector(x, y), i + (i >= 5 ? 2 : 1), 'l');
      Place(agent->memory->GetAFoe(i), CVector(-x + 3, y + 4), i + 1, 'r');
    }
  }

  void Cycle(int time)
  {
    agent->memory->SetTime(time);
    for (int i = 0; i < 11; i++)
    {
      if (i < 10)
        agent->memory->GetAFriend(i)->SetTime(time);
      agent->memory->GetAFoe(i)->SetTime(time);
    }
  }

  void Ball(CVector pos, CVector vel)
  {
    CBall *ball = agent->memory->GetNonConstBall();
    ball->SetGPos(pos);
    ball->SetConf(1);
    ball->SetVelocity(vel);
    ball->SetVelConf(1);
  }

  CBehaviours &brain() { return *agent->brain; }

  MCDictIniSafe config;
  std::unique_ptr<RecordingAgent> agent;

private:
  static void Place(CPlayer *p, CVector pos, int unum, char side)
  {
    p->SetGPos(pos);
    p->SetConf(1);
    p->SetUNum(unum);
    p->SetSide(side);
    p->SetSource(0);
  }

  std::ostringstream quiet;
};

Pitch &World()
{
  static Pitch pitch;
  return pitch;
}

int g_Time = 100;

// Who reaches a ball rolling across midfield first, and each player's count.
void Interception(Pitch &w)
{
  w.Ball(CVector(4, -6), CVector(-1.6f, 0.9f));
  CBehaviours &b = w.brain();
  benchmark::DoNotOptimize(b.FastestFriend2Ball(true));
  benchmark::DoNotOptimize(b.FastestFoe2Ball());
  for (int i = 0; i < 11; i++)
  {
    if (i < 10)
      benchmark::DoNotOptimize(b.NumOfCyclesToIntercept(w.agent->memory->GetAFriend(i)));
    benchmark::DoNotOptimize(b.NumOfCyclesToIntercept(w.agent->memory->GetAFoe(i)));
  }
  benchmark::DoNotOptimize(b.MyInterceptionPoint());
  benchmark::DoNotOptimize(b.MyDashPowerToIntercept());
}

// The ball at the agent's feet: the receivers, the one to pass to, the kick.
void PassPlan(Pitch &w)
{
  w.Ball(CVector(-4.4f, 3), CVector(0.1f, 0));
  CBehaviours &b = w.brain();
  b.AssessReceivers();
  const CPlayer *to = b.PassTarget(1);
  benchmark::DoNotOptimize(to);
  benchmark::DoNotOptimize(b.KickBall(to ? to->GetGPos() : CVector(52.5f, 0), 2.5f));
}

void BM_Interception22(benchmark::State &state)
{
  Pitch &w = World();
  for (auto _ : state)
  {
    w.Cycle(++g_Time);
    Interception(w);
  }
}
BENCHMARK(BM_Interception22)->Unit(benchmark::kMicrosecond);

void BM_ReceiversAndKick(benchmark::State &state)
{
  Pitch &w = World();
  for (auto _ : state)
  {
    w.Cycle(++g_Time);
    PassPlan(w);
  }
}
BENCHMARK(BM_ReceiversAndKick)->Unit(benchmark::kMicrosecond);

void BM_DecisionPass(benchmark::State &state)
{
  Pitch &w = World();
  for (auto _ : state)
  {
    w.Cycle(++g_Time);
    Interception(w);
    PassPlan(w);
  }
}
BENCHMARK(BM_DecisionPass)->Unit(benchmark::kMicrosecond);
}  // namespace

BENCHMARK_MAIN();
