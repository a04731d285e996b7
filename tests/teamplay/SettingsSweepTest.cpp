// Every numeric setting of the built-in tables at the values a careless file
// gives, 0, -1 and 10^9, through a recorded stretch of play: the agent must
// neither crash nor stall its cycle nor flood the server, whatever it reads.
// The decision passes run in this process on the recorded messages, without
// sockets or threads, each as the main loop runs it.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "CActuators.h"
#include "CAgent.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CSensors.h"
#include "Defaults.h"
#include "MCDictIniSafe.h"
#include "Trace.h"

namespace
{
// A brain that never waits: the recorded visual is already stored when the
// pass runs, and every command is taken as sent the moment it is posted.
class SweepBrain : public CBehaviours
{
public:
  using CBehaviours::CBehaviours;
  void SetIsNewVisual(int) override { CBehaviours::SetIsNewVisual(1); }
};

CModuleSet g_Made;

CModuleSet MakeSweep(CMediator *mediator)
{
  g_Made = {new SweepBrain(mediator), new CMemory(mediator), new CSensors(mediator),
            new CActuators(mediator), new CPlayMode(mediator)};
  return g_Made;
}

// The agent with its commands counted where the mediator would hand them to
// the actuators' thread.
class SweepAgent : public CAgent
{
public:
  explicit SweepAgent(MCDictIniSafe &config) : CAgent(config, MakeSweep), modules(g_Made) {}

  void ModuleChanged(CModule *module) override
  {
    if (module != modules.brain)
    {
      CAgent::ModuleChanged(module);
      return;
    }
    const std::string command = modules.brain->GetActionBuffer();
    LockAgent();
    const int count = GetActionCount();
    if (count < MAX_ACTIONS)
    {
      SetLastAction(count, command.c_str());
      SetActionCount(count + 1 < MAX_ACTIONS ? count + 1 : MAX_ACTIONS - 1);
    }
    UnlockAgent();
    modules.brain->SetActionBuffer("");
    commands.push_back(command);
  }

  // The farewell ends the process in the real agent; here it ends the play.
  struct Left
  {
  };
  [[noreturn]] void DoExit(int) override { throw Left(); }

  const CModuleSet modules;
  std::vector<std::string> commands;
};

bool IsMainCommand(const std::string &c)
{
  for (const char *head : {"(dash", "(turn ", "(kick", "(catch", "(move", "(bye"})
    if (c.compare(0, std::char_traits<char>::length(head), head) == 0)
      return true;
  return false;
}

// The recorded stretch: what a midfielder heard and saw through 310 cycles
// of a match, kick-offs, a goal, a kick-in and a free kick among them.
struct Replay
{
  std::string registration;
  std::vector<std::string> messages;
};

const Replay &Recorded()
{
  static const Replay replay = [] {
    Replay r;
    for (const TraceRecord &rec : ReadTrace(std::string(TEST_DATA_DIR) + "/sweep/whole-half.trace"))
    {
      if (!rec.received || rec.bytes.empty())
        continue;
      if (rec.bytes.compare(0, 5, "(init") == 0)
        r.registration = rec.bytes;
      else
        r.messages.push_back(rec.bytes);
    }
    return r;
  }();
  return replay;
}

struct SweepResult
{
  int passes = 0;
  bool left = false;
  double slowestMs = 0;
  int mostCommands = 0;
  int mostMainCommands = 0;
  std::string worstCycle;
};

// Builds the agent on the configuration, registers it as the recording did
// and plays the recorded messages through, one decision pass a cycle.
// As number 1 the agent is the goalkeeper, and plays the goalkeeper's part
// in the same world.
SweepResult Play(MCDictIniSafe &config, bool goalkeeper)
{
  SweepResult result;
  SweepAgent agent(config);
  CModuleSet m = agent.modules;
  char side = 'l';
  int unum = 3;
  std::sscanf(Recorded().registration.c_str(), "(init %c %d", &side, &unum);
  if (goalkeeper)
    unum = 1;
  m.memory->InitPlayerArrays(side, config);
  m.brain->SetSide(side);
  m.brain->SetUNum(unum);
  std::string mode = "before_kick_off";
  m.playmode->SetPlayMode(&mode[0]);

  const auto pass = [&] {
    agent.commands.clear();
    const auto start = std::chrono::steady_clock::now();
    m.playmode->Lock();
    const PlayMode previous = m.playmode->GetPlayMode(false);
    const PlayMode current = m.playmode->GetPlayMode(true);
    m.playmode->Unlock();
    m.memory->Lock();
    const int time = agent.GetTime();
    m.brain->SetThinkingInProgress(true);
    agent.DecideCycle(previous, current);
    m.brain->SetThinkingInProgress(false);
    m.memory->Unlock();
    bool left = false;
    try
    {
      m.brain->SendAllActions(time);
    }
    catch (const SweepAgent::Left &)
    {
      left = true;
      result.left = true;
    }
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    int main = 0;
    for (const std::string &c : agent.commands)
      main += IsMainCommand(c) ? 1 : 0;
    result.passes++;
    if (ms > result.slowestMs)
      result.slowestMs = ms;
    if (static_cast<int>(agent.commands.size()) > result.mostCommands || main > result.mostMainCommands)
    {
      std::ostringstream cycle;
      cycle << "cycle " << time << ":";
      for (const std::string &c : agent.commands)
        cycle << ' ' << c.substr(0, c.find('\n'));
      result.worstCycle = cycle.str();
    }
    if (static_cast<int>(agent.commands.size()) > result.mostCommands)
      result.mostCommands = static_cast<int>(agent.commands.size());
    if (main > result.mostMainCommands)
      result.mostMainCommands = main;
    return !left;
  };

  bool first = true;
  for (const std::string &message : Recorded().messages)
  {
    // A sense_body opens the next cycle: the pass for the one before runs
    // first, on everything it heard and saw.
    if (message.compare(0, 11, "(sense_body") == 0 && !first && !pass())
      return result;
    first = false;
    m.sensors->Receive(message.data(), message.size());
    m.memory->Lock();
    m.sensors->AnalyseData();
    m.memory->Unlock();
  }
  pass();
  return result;
}

// The numeric keys of the two built-in tables, grouped so that each group
// is set at once: the keys of one parameter section, or one key of every
// set play. A value is numeric when it reads whole as a number.
std::map<std::string, std::vector<DEFAULTROW>> NumericGroups()
{
  std::map<std::string, std::vector<DEFAULTROW>> groups;
  const auto numeric = [](const char *text) {
    char *end = nullptr;
    std::strtod(text, &end);
    return end != text && *end == '\0';
  };
  const DEFAULTTABLE parameters = ParameterDefaults();
  for (std::size_t i = 0; i < parameters.count; i++)
    if (numeric(parameters.rows[i].value))
      groups[std::string("[") + parameters.rows[i].section + "]"].push_back(parameters.rows[i]);
  const DEFAULTTABLE plans = FixPlanDefaults();
  for (std::size_t i = 0; i < plans.count; i++)
    if (numeric(plans.rows[i].value))
    {
      // action_1_trigger_2 and action_3_trigger_1 are one key to the reader:
      // group by the key with its numbers dropped.
      std::string key;
      for (const char *c = plans.rows[i].key; *c != '\0'; c++)
        if (*c < '0' || *c > '9')
          key += *c;
      groups["plans: " + key].push_back(plans.rows[i]);
    }
  return groups;
}

// The groups the goalkeeper's own play reads besides what every player does.
bool GoalkeeperReads(const std::string &group)
{
  for (const char *section : {"[Goalie]", "[ActiveIntercept]", "[Kicking]", "[NotInServer]", "[Movement]"})
    if (group == section)
      return true;
  return false;
}

MCDictIniSafe Configured(const std::vector<DEFAULTROW> &rows, const char *value)
{
  MCDictIniSafe config;
  config.setsafe(0);
  primeini(config);
  config.importflatordie(TEST_DATA_DIR "/../../conf/server.conf", "Server", ':');
  for (const DEFAULTROW &row : rows)
    config.insert(row.section, row.key, value);
  return config;
}

// The server's cycle, in milliseconds: no pass may take longer.
const double kServerStepMs = 100;
// Built with a sanitizer, or without optimisation, every pass takes
// several times longer.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
const double kSanitized = 4;
#else
const double kSanitized = 1;
#endif
#if defined(__OPTIMIZE__)
const double kSlowdown = kSanitized;
#else
const double kSlowdown = kSanitized * 3;
#endif
// One bundle a cycle: the main command, a neck turn, a say, a view change
// and a sense_body request, each a datagram of its own, and at most one
// deferred scan turn; never two main commands.
const int kMostCommandsPerCycle = 6;

}  // namespace

// One value for every group in turn; the three values run as three tests,
// side by side where the tests run in parallel.
class SettingsSweep : public testing::TestWithParam<const char *>
{
};

TEST_P(SettingsSweep, NoSettingCrashesStallsOrFloods)
{
  ASSERT_GT(Recorded().messages.size(), 1000u);
  std::ostringstream quietOut, quietErr;
  const auto groups = NumericGroups();
  ASSERT_GT(groups.size(), 20u);
  const char *value = GetParam();
  for (const auto &group : groups)
    for (const bool goalkeeper : {false, true})
  {
    if (goalkeeper && !GoalkeeperReads(group.first))
      continue;
    std::streambuf *out = std::cout.rdbuf(quietOut.rdbuf());
    std::streambuf *err = std::cerr.rdbuf(quietErr.rdbuf());
    MCDictIniSafe config = Configured(group.second, value);
    SweepResult r = Play(config, goalkeeper);
    // A machine busy with other work can stall one pass; a setting that
    // makes passes slow does so again.
    if (r.slowestMs > kServerStepMs * kSlowdown)
    {
      const double again = Play(config, goalkeeper).slowestMs;
      r.slowestMs = again < r.slowestMs ? again : r.slowestMs;
    }
    std::cout.rdbuf(out);
    std::cerr.rdbuf(err);
    quietOut.str("");
    quietErr.str("");
    const std::string what = group.first + " = " + value + (goalkeeper ? " (goalkeeper)" : "");
    EXPECT_GT(r.passes, 300) << what;
    EXPECT_LE(r.slowestMs, kServerStepMs * kSlowdown) << what;
    EXPECT_LE(r.mostMainCommands, 1) << what << ": " << r.worstCycle;
    EXPECT_LE(r.mostCommands, kMostCommandsPerCycle) << what << ": " << r.worstCycle;
  }
}

INSTANTIATE_TEST_SUITE_P(ZeroNegativeAndHuge, SettingsSweep, testing::Values("0", "-1", "1000000000"));
