// Time per message of the sensors' parsing of the recorded see and
// sense_body messages, dispatch and world-model writes included (the new
// cycle each message would start is left out).

#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#include "CAgent.h"
#include "CSensors.h"
#include "MCDictIniSafe.h"
#include "Trace.h"

namespace
{

// The agent with its own modules; the sensors under test are an extra
// module of it, so their new cycles are not started.
class BenchAgent : public CAgent
{
public:
  explicit BenchAgent(MCDictIniSafe &config) : CAgent(config)
  {
    SetTName("TestTeam");
    SetSide('l');
  }
  void ModuleChanged(CModule *) override {}
};

// The received messages of the traces that begin with prefix.
std::vector<std::string> Recorded(const char *prefix)
{
  std::vector<std::string> messages;
  const std::string start(prefix);
  for (const std::string &file : TraceFiles(TEST_DATA_DIR))
    for (const TraceRecord &r : ReadTrace(file))
      if (r.received && r.bytes.compare(0, start.size(), start) == 0)
        messages.push_back(r.bytes);
  return messages;
}

class NullBuffer : public std::streambuf
{
protected:
  int overflow(int c) override { return c == traits_type::eof() ? 0 : c; }
  std::streamsize xsputn(const char *, std::streamsize n) override { return n; }
};

void ParseEach(benchmark::State &state, const char *prefix, bool visual)
{
  NullBuffer null;
  std::streambuf *out = std::cout.rdbuf(&null);
  MCDictIniSafe config;
  BenchAgent agent(config);
  CSensors sensors(&agent);
  std::cout.rdbuf(out);
  const std::vector<std::string> messages = Recorded(prefix);
  if (messages.empty())
  {
    state.SkipWithError("no recorded messages");
    return;
  }
  std::size_t next = 0;
  for (auto _ : state)
  {
    const std::string &m = messages[next];
    next = next + 1 == messages.size() ? 0 : next + 1;
    if (visual)
      agent.SetLastVisualTime(-1);  // every visual read, not only the first of its time
    sensors.Receive(m.data(), m.size());
    sensors.AnalyseData();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
  state.counters["messages"] = static_cast<double>(messages.size());
}

void BM_ParseSee(benchmark::State &state)
{
  ParseEach(state, "(see ", true);
}

void BM_ParseSenseBody(benchmark::State &state)
{
  ParseEach(state, "(sense_body ", false);
}

}  // namespace

BENCHMARK(BM_ParseSee);
BENCHMARK(BM_ParseSenseBody);

BENCHMARK_MAIN();
