// The built agent against a scripted server on loopback, as a child process
// under a time limit: the handshake's exit codes, the start-up transcript,
// the cycles it plays, its farewell and its end when the server is lost.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AgentProcess.h"
#include "ScriptedServer.h"

namespace
{
using Datagrams = std::vector<ScriptedServer::Datagram>;

const int kLimitMs = 20000;

// The commands that reached the player port, in order.
std::vector<std::string> Commands(const Datagrams &got)
{
  std::vector<std::string> commands;
  for (const ScriptedServer::Datagram &d : got)
    if (!d.atRequestPort && !d.payload.empty())
      commands.push_back(d.payload);
  return commands;
}

// ------------------------------------------------------- the handshake

TEST(EndToEnd, TheHandshakesExitCodes)
{
  struct Case
  {
    const char *what;
    std::vector<std::string> args;
    const char *reply;  // null: no server script at all
    const char *conf;   // extra agent.conf lines, or null for the server's port
    int code;
    const char *line;
  } cases[] = {
    {"unknown host", {"1", "p"}, nullptr, "hostname = 256.1.1.1\n", 10,
     "CAgent ABORTING: ERROR: main: main: Unable to connect to server..."},
    {"request not sent", {"1", "p"}, nullptr, "port = 0\n", 20,
     "CAgent ABORTING: ERROR: Connect: Init: Cannot initialise client..."},
    {"error answer", {"1", "p"}, "(error no_more_team_or_player_or_goalie)", "", 30,
     "CAgent ABORTING: ERROR: Connect: Init: Error returned from server..."},
    {"reconnect refused", {"2", "4"}, "(error cannot_reconnect_while_playon)", "", 30,
     "CAgent ABORTING: ERROR: Connect: Reconnect: Error returned from server..."},
    {"unexpected answer", {"1", "g"}, "(hello)", "", 39,
     "CAgent ABORTING: ERROR: Connect: Init: Default ???"},
  };
  for (const Case &c : cases)
  {
    ScriptedServer server;
    if (c.reply)
      server.AwaitRequest(c.reply);
    AgentProcess agent(AGENT_BINARY);
    // Later keys of a section replace earlier ones.
    agent.WriteConfig(server.RequestPort(), std::string("[Connection]\n") + c.conf);
    ASSERT_TRUE(agent.Start(c.args));
    server.Start();
    ASSERT_TRUE(agent.Wait(kLimitMs)) << c.what;
    EXPECT_EQ(c.code, agent.Code()) << c.what;
    EXPECT_NE(std::string::npos, agent.Err().find(c.line)) << c.what << ":\n" << agent.Err();
    EXPECT_EQ(std::string::npos, agent.Out().find("AGENT UP AND RUNNING")) << c.what;
  }
}

TEST(EndToEnd, AHalfOtherThanOneOrTwoEndsWithTheUsageAfterConnecting)
{
  ScriptedServer server;
  AgentProcess agent(AGENT_BINARY);
  agent.WriteConfig(server.RequestPort());
  ASSERT_TRUE(agent.Start({"3", "g"}));
  server.Start();
  ASSERT_TRUE(agent.Wait(kLimitMs));
  EXPECT_EQ(1, agent.Code());
  const std::string err = agent.Err();
  EXPECT_EQ(0u, err.find("ERROR: Half must be either 1 or 2...\n"
                         "ERROR: Incorrect number/type of arguments...\n"))
    << err;
  // The agent was built and the connection opened first.
  const std::string out = agent.Out();
  EXPECT_NE(std::string::npos, out.find("[Creating Brain                   ]"));
  EXPECT_NE(std::string::npos, out.find("[--------- Attempting to read server.conf ---------]"));
  EXPECT_TRUE(Commands(server.Received()).empty());
}
}

