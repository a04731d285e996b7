#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "AgentHarness.h"
#include "ChildProcess.h"
#include "ScratchDir.h"

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

namespace
{
const char *const kDone = "[--------------------- Done! ----------------------]\n";
// An empty configuration describes no positioner, so the brain's BEST is
// missing and says so, once, on both streams.
const std::string kNoBest =
    "ZPPositionerID::ZPPositionerID : Failed to find object \"BEST\", returned error code : 2\n";

const std::string kCreation = std::string("[--------Creating Modules---------]\n"
                                          "[Creating Brain                   ]\n"
                                          "[Creating & Initialising Memory   ]\n"
                                          "[Creating Eyes & Ears             ]\n"
                                          "[Creating Legs                    ]\n"
                                          "[Creating & Initialising Play Mode]\n"
                                          "[--------------Done!--------------]\n");

// An agent whose world model could not be made.
class AgentWithoutMemory : public CAgent
{
public:
  explicit AgentWithoutMemory(MCDictIniSafe &config) : CAgent(config, Make) {}

private:
  static CModuleSet Make(CMediator *mediator)
  {
    return {new CBehaviours(mediator), nullptr, new CSensors(mediator),
            new CActuators(mediator), new CPlayMode(mediator)};
  }
};
}

TEST(AgentLifecycle, ConstructionPrintsTheModulesAndTheConfigurationBlocksInOrder)
{
  MCDictIniSafe config;
  config.setsafe(0);
  CaptureStdout();
  {
    CAgent agent(config);
    EXPECT_EQ(GetCapturedStdout(),
              kCreation + "\n[------- MCIni Memory Params from conf files ------]\n\n\n" + kDone +
                  "\n[---- MCIni Behavioural Params from conf files ----]\n\n" + kNoBest + "\n" + kDone +
                  "\n[------ MCIni Goalie Params from conf files -------]\n\n" + kDone +
                  "\n[------- MCIni Agent Params from conf files -------]\n\n");
    EXPECT_EQ(agent.GetStatus(), 1);
    EXPECT_EQ(agent.GetActionCount(), 0);
    EXPECT_EQ(agent.GetIsNewCycle(), 0);
    CaptureStdout();
  }
  GetCapturedStdout();
}

TEST(AgentLifecycle, DestructionPrintsTheCommandCountsThenDeletesTheModulesInOrder)
{
  MCDictIniSafe config;
  config.setsafe(0);
  CaptureStdout();
  std::unique_ptr<RecordingAgent> agent(new RecordingAgent(config));
  GetCapturedStdout();
  agent->brain->SetKickSent(1);
  agent->brain->SetDashSent(20);
  agent->brain->SetTurnSent(3);
  agent->brain->SetSaySent(4);
  agent->brain->SetTurnNeckSent(50);
  Calls().Clear();
  CaptureStdout();
  agent.reset();
  const std::string out = GetCapturedStdout();
  EXPECT_NE(out.find(" # Total = 78\n"), std::string::npos) << out;
  EXPECT_LT(out.find("[Brain "), out.find("[Play Mode "));
  EXPECT_NE(out.find(" # Team messages: said = 4, heard = 0, heard objects kept = 0\n"),
            std::string::npos) << out;
  // The player arrays go before the world model itself.
  EXPECT_EQ(Calls().Matching("memory.DeletePlayerArrays").size(), 1u);
}

TEST(AgentLifecycle, AbortWritesTheCycleAndTheTextThenExitsWithTheCode)
{
  const ChildResult result = RunInChild([] {
    MCDictIniSafe config;
    config.setsafe(0);
    RecordingAgent agent(config);
    agent.memory->SetTime(42);
    agent.Abort("ERROR: Connect: Init: Default ???", 39);
    return 0;
  });
  EXPECT_EQ(result.exitCode, 39);
  EXPECT_EQ(result.err, kNoBest + "\n42 CAgent ABORTING: ERROR: Connect: Init: Default ???\n");
}

// Without a world model there is no cycle to print; 0 stands in for it.
TEST(AgentLifecycle, AModuleThatCannotBeMadeAbortsWithCycleZero)
{
  const ChildResult result = RunInChild([] {
    MCDictIniSafe config;
    config.setsafe(0);
    AgentWithoutMemory agent(config);
    return 0;
  });
  EXPECT_EQ(result.exitCode, 500 & 0xff);  // the system keeps the low byte
  std::string creation = kCreation;
  creation.erase(creation.find("[Creating & Initialising Memory   ]\n"), 36);
  EXPECT_EQ(result.out, creation);
  EXPECT_EQ(result.err,
            "\n0 CAgent ABORTING: ERROR: CAgent: CreateModules: Not enough memory to create "
            "agent...\n");
}

TEST(AgentLifecycle, TheMemoryDumpGoesToItsNamedFileOrIsReported)
{
  ScratchDir dir;
  const ChildResult result = RunInChild([&dir] {
    if (chdir(dir.path().c_str()) != 0)
      return 2;
    umask(0);
    MCDictIniSafe config;
    config.setsafe(0);
    RecordingAgent agent(config);
    agent.SetSide('r');
    agent.SetUNum(7);
    agent.memory->SetTime(42);
    agent.DisplayMemory();
    if (mkdir("RURera", 0775) != 0)
      return 3;
    agent.DisplayMemory();
    return 0;
  });
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, kNoBest + "WARNING: CAgent: DisplayMemory: Cannot create mem.dump.xxxx file...\n"
                                  "Check ./RURera directory exists, and write permissions are ok.\n");
  const std::string dump = dir.file("RURera/A_r_07.mem.dump.0042");
  struct stat info;
  ASSERT_EQ(stat(dump.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0664u);
  EXPECT_EQ(ReadWholeFile(dump).back(), '\n');
}
