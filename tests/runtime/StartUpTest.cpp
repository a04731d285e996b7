// The built program from its command line to the point where it would
// connect: banner, usage, the test agent and the configuration files.

#include <string>

#include <gtest/gtest.h>

#include "AgentProcess.h"

namespace
{
const int kLimitMs = 20000;

const char *const kTitle = "[------> Dravon Tarroks 2000 v1.1 by <------]\n";

// Where each text first appears, or npos; the texts must come in order.
bool InOrder(const std::string &text, const std::vector<std::string> &parts)
{
  size_t at = 0;
  for (const std::string &part : parts)
  {
    at = text.find(part, at);
    if (at == std::string::npos)
    {
      ADD_FAILURE() << "missing or out of order: " << part;
      return false;
    }
    at += part.size();
  }
  return true;
}

TEST(StartUp, WrongWordCountsShowTheBannerAndTheUsage)
{
  for (const std::vector<std::string> &args :
       {std::vector<std::string>{}, std::vector<std::string>{"1", "p", "a.conf", "more"}})
  {
    AgentProcess agent(AGENT_BINARY);
    agent.WriteConfig(6000);
    ASSERT_TRUE(agent.Start(args));
    ASSERT_TRUE(agent.Wait(kLimitMs));
    EXPECT_EQ(1, agent.Code());
    EXPECT_EQ(0u, agent.Err().find("ERROR: Incorrect number/type of arguments...\n\nSyntax: agent <Half>"));
    const std::string out = agent.Out();
    EXPECT_NE(std::string::npos, out.find(kTitle));
    EXPECT_EQ(std::string::npos, out.find("Creating Modules"));
  }
}

TEST(StartUp, OneWordRunsTheTestAgentWhichReadsBuildsAndLeaves)
{
  AgentProcess agent(AGENT_BINARY);
  agent.WriteConfig(6000);
  ASSERT_TRUE(agent.Start({"anything"}));
  ASSERT_TRUE(agent.Wait(kLimitMs));
  EXPECT_EQ(0, agent.Code());
  EXPECT_TRUE(InOrder(
    agent.Out(),
    {kTitle,
     "\n*****************************************************************\n"
     "*** This is a TEST agent.  If you don't know what that means, ***\n"
     "*** run the agent with no arguments for instructions.         ***\n"
     "*****************************************************************\n\n\n",
     "[--------- Attempting to read server.conf ---------]\n\n",
     "\n[--------------------- Done! ----------------------]\n\n",
     "[--------Creating Modules---------]\n",
     "[Creating Brain                   ]\n",
     "\n[--------------------- Done! ----------------------]\n\n"
     "**************************************\n"
     "*** TEST agent exiting normally... ***\n"
     "**************************************\n\n"}));
  // It leaves without taking the agent down.
  EXPECT_EQ(std::string::npos, agent.Out().find("AGENT KILLED"));
  EXPECT_EQ("", agent.Err());
}

TEST(StartUp, EachConfigurationFileThatYieldsNoDataEndsWithTwelve)
{
  struct Case
  {
    const char *what;
    std::vector<std::string> args;
    const char *remove;
    const char *extra;
    const char *line;
  } cases[] = {
    {"agent.conf", {"x"}, "agent.conf", "", "No data read from config file (agent.conf).\n"},
    {"additional file", {"1", "p", "mine.conf"}, nullptr, "",
     "No data read from config file (mine.conf).\n"},
    {"server.conf", {"x"}, "server.conf", "", "No data read from config file (./server.conf).\n"},
    {"path without slash", {"x"}, nullptr, "[Connection]\nserver_conf_path = ./sub\n",
     "No data read from config file (./subserver.conf).\n"},
  };
  for (const Case &c : cases)
  {
    AgentProcess agent(AGENT_BINARY);
    agent.WriteConfig(6000, c.extra);
    if (c.remove)
      agent.WriteFile(c.remove, "");
    ASSERT_TRUE(agent.Start(c.args));
    ASSERT_TRUE(agent.Wait(kLimitMs));
    EXPECT_EQ(12, agent.Code()) << c.what;
    const std::string out = agent.Out();
    EXPECT_NE(std::string::npos, out.find(c.line)) << c.what << ":\n" << out;
    // The modules are built only once every file has been read.
    EXPECT_EQ(std::string::npos, out.find("Creating Modules")) << c.what;
  }
}

// Faults in the set plays and positioner names are told on the error stream,
// each once, and start-up goes on as it would without them.
TEST(StartUp, BadSetPlayCountsAndPositionerNamesAreToldNotFatal)
{
  const std::string huge = "[InitialiseFixPlans]\nnumber = 1000000000\n";
  const std::string tooMany =
    "WARNING: FixPlans: ReadFixPlans: 1000000000 set plays are too many, reading the first 1000...\n";
  const std::string missing = "ZPPositionerID::ZPPositionerID : Failed to find object \"";
  struct Case
  {
    std::string extra;
    std::vector<std::string> args;
    int code;
    std::string err;
  } cases[] = {
    {huge, {"x"}, 0, tooMany},
    {huge, {"3", "p"}, 1, tooMany + "ERROR: Half must be either 1 or 2...\n"},
    {"[InitialiseFixPlans]\nnumber = -4\n", {"x"}, 0, ""},
    {"[Positioners]\nBEST = NOWHERE\n[InitialiseFixPlans]\nnumber = 1\nfp_1 = Mine\n[Mine]\n"
     "action_1_mcpos = NoSuchPlace\naction_1_trigger_1_MCarea = NoSuchArea 4 4\n",
     {"x"}, 0,
     missing + "BEST\", returned error code : 2\n" + missing + "NoSuchPlace\", returned error code : 2\n" +
       missing + "NoSuchArea\", returned error code : 2\n"},
  };
  for (const Case &c : cases)
  {
    AgentProcess agent(AGENT_BINARY);
    agent.WriteConfig(6000, c.extra);
    ASSERT_TRUE(agent.Start(c.args));
    ASSERT_TRUE(agent.Wait(kLimitMs));
    EXPECT_EQ(c.code, agent.Code()) << c.extra;
    // After a wrong half the usage text follows.
    EXPECT_EQ(c.err, c.args.size() == 1 ? agent.Err() : agent.Err().substr(0, c.err.size())) << c.extra;
  }
}
}
