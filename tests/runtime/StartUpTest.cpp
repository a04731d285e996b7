// The built program from its command line to the point where it would
// connect: banner, usage, the test agent and the configuration files.

#include <string>

#include <gtest/gtest.h>

#include "AgentProcess.h"

namespace
{
const int kLimitMs = 20000;

const char *const kUsage =
  "ERROR: Incorrect number/type of arguments...\n"
  "\n"
  "Syntax: agent <Half> <Goalie/uniform number> [Filename]\n"
  "\n"
  "Where:\n"
  "\t Half: Which half (either 1 or 2)\n"
  "\t Goalie/uniform number: Goalie flag or uniform number (g for goalie p for player, or 1-11 for uniform number)\n"
  "\t\t\t If Half is 1, this parameter should be either g or p.  If Half is 2, this parameter should be 1-11\n"
  "\t Filename: Specifies an additional configuration file containing (some) agent parameters.\n"
  "\t Parameters in this file will overwrite default values read from \"agent.conf\".\n"
  "\n"
  "Example: agent 1 g               -- Will connect a goalie reading parameters from the file \"agent.conf\"\n"
  "or     : agent 2 4               -- Will reconnect player 4 reading parameters from the file \"agent.conf\"\n"
  "or     : agent 1 p myagent.conf  -- Will connect a player reading additional parameters from the file \"myagent.conf\"\n"
  "\n"
  "All parameters related to team name, port number, host name etc. can be changed by editing the agent.conf file\n"
  "or a file of your choice that will be passed as the additional configuration file.\n"
  "In the additional file you should only specify the section name, and variable to overwrite.\n"
  "\n";

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

size_t Lines(const std::string &text, size_t from, size_t to)
{
  size_t n = 0;
  for (size_t i = from; i < to && i < text.size(); i++)
    if (text[i] == '\n')
      n++;
  return n;
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
    EXPECT_EQ(kUsage, agent.Err());
    // An empty line, the 31 lines of the picture, then the title.
    const std::string out = agent.Out();
    const size_t title = out.find(kTitle);
    ASSERT_NE(std::string::npos, title);
    EXPECT_EQ('\n', out[0]);
    EXPECT_EQ(32u, Lines(out, 0, title));
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
}
