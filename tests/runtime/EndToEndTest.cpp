// The built agent against a scripted server on loopback, as a child process
// under a time limit: the handshake's exit codes, the start-up transcript,
// the cycles it plays, its farewell and its end when the server is lost.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "AgentProcess.h"
#include "ScriptedServer.h"

namespace
{
using Datagrams = std::vector<ScriptedServer::Datagram>;

const int kLimitMs = 20000;

// The agent reads the server's clock from sense_body; the counters say how
// many commands of each kind the server executed.
std::string SenseBody(int time, int kicks = 0, int dashes = 0, int turns = 0, int says = 0,
                      int necks = 0, int head = 0)
{
  std::ostringstream text;
  text << "(sense_body " << time << " (view_mode high normal) (stamina 8000 1) (speed 0 0)"
       << " (head_angle " << head << ") (kick " << kicks << ") (dash " << dashes << ") (turn "
       << turns << ") (say " << says << ") (turn_neck " << necks << "))";
  return text.str();
}

std::string See(int time)
{
  std::ostringstream text;
  text << "(see " << time << " ((f c) 10 0 0 0) ((f r t) 70.8 -28) ((g r) 62.8 0) ((b) 5 10))";
  return text.str();
}

// The commands that reached the player port, in order.
std::vector<std::string> Commands(const Datagrams &got)
{
  std::vector<std::string> commands;
  for (const ScriptedServer::Datagram &d : got)
    if (!d.atRequestPort && !d.payload.empty())
      commands.push_back(d.payload);
  return commands;
}

// Starts the agent on the server's port as a player of the first half, then
// the server, and waits for the agent to end.
bool RunPlayer(AgentProcess &agent, ScriptedServer &server, int limitMs = kLimitMs)
{
  agent.WriteConfig(server.RequestPort());
  if (!agent.Start({"1", "p"}))
    return false;
  server.Start();
  return agent.Wait(limitMs);
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
    {"unexpected answer", {"1", "g"}, "(init 1 l play_on)", "", 39,
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

namespace
{
// stdout must hold the parts in this order.
::testing::AssertionResult InOrder(const std::string &text, const std::vector<std::string> &parts)
{
  size_t at = 0;
  for (const std::string &part : parts)
  {
    const size_t found = text.find(part, at);
    if (found == std::string::npos)
      return ::testing::AssertionFailure() << "missing or out of order: \"" << part << "\" in\n"
                                           << text;
    at = found + part.size();
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::string> LinesWith(const std::string &text, const std::string &part,
                                   const std::string &except = "\x01")
{
  std::vector<std::string> lines;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line))
    if (line.find(part) != std::string::npos && line.find(except) == std::string::npos)
      lines.push_back(line);
  return lines;
}

size_t CountPrefix(const std::vector<std::string> &commands, const std::string &prefix)
{
  return static_cast<size_t>(std::count_if(commands.begin(), commands.end(),
                                           [&](const std::string &c) { return c.rfind(prefix, 0) == 0; }));
}

TEST(EndToEnd, BeforeKickOffThePlayerTakesItsPlaceAndLeavesAtHalfTime)
{
  ScriptedServer server;
  server.AwaitRequest("(init l 9 before_kick_off)").Send(SenseBody(0)).Send(See(0), 10);
  // The clock stands at 0 until kick-off; the server still reports.
  for (int i = 0; i < 25; i++)
    server.Send(SenseBody(0), 100);
  server.Send("(hear 0 referee half_time)", 20).AwaitCommand("(bye)");
  AgentProcess agent(AGENT_BINARY);
  ASSERT_TRUE(RunPlayer(agent, server)) << agent.Out() << agent.Err();
  EXPECT_EQ(0, agent.Code());
  EXPECT_EQ("", agent.Err());

  const std::string out = agent.Out();
  EXPECT_TRUE(InOrder(out, {"[------> Dravon Tarroks 2000 v1.1 by <------]\n",
                            "[--------- Attempting to read server.conf ---------]\n",
                            "[--------Creating Modules---------]\n",
                            "Agent Connected to Server: \nTeam Name   = TestTeam\n",
                            "[************** AGENT UP AND RUNNING **************]\n\n"}));
  const size_t running = out.find("AGENT UP AND RUNNING");
  EXPECT_NE(std::string::npos, out.find("Starting SENSORS thread...\n", running));
  EXPECT_NE(std::string::npos, out.find("Starting ACTUATORS thread...\n", running));
  // The farewell ends the process at once: no destructor runs.
  EXPECT_EQ(std::string::npos, out.find("AGENT KILLED"));

  // The farewell was out before the agent ended, but the server's thread may
  // not have read it yet: its script ends with the "(bye)".
  ASSERT_TRUE(server.WaitDone(kLimitMs)) << "no (bye) reached the server";
  const std::vector<std::string> commands = Commands(server.Received());
  ASSERT_GE(commands.size(), 2u);
  // Number 9 of four-three-three waits at (-1, -25): nobody stands in the
  // other half at kick-off.
  EXPECT_EQ("(move -1 -25)\n", commands[0]);
  EXPECT_EQ("(bye)", commands.back());
  // One pass per wait for a cycle that does not come: the loop does not
  // spin while the clock stands.
  const size_t moves = CountPrefix(commands, "(move -1 -25)\n");
  EXPECT_EQ(moves, CountPrefix(commands, "(move "));
  EXPECT_GE(moves, 2u);
  EXPECT_LE(moves, 12u);
}

TEST(EndToEnd, OneBundleACycleLostCommandsAndTheEndOfALostServer)
{
  ScriptedServer server;
  server.AwaitRequest("(init l 9 before_kick_off)").Send(SenseBody(0)).Send(See(0), 10);
  // Before kick-off the player in its place sends no main command, so the
  // counts below are the server's alone.
  server.Wait(1100);
  // The server's counts: two kicks from cycle 5 on, a dash and three turns
  // from 8 on, four says from 10 on; the agent sent none of them.
  for (int t = 1; t <= 12; t++)
  {
    const int kicks = t >= 5 ? 2 : 0;
    const int dashes = t >= 8 ? 1 : 0;
    const int turns = t >= 8 ? 3 : 0;
    const int says = t >= 10 ? 4 : 0;
    server.Send(SenseBody(t, kicks, dashes, turns, says), 100).Send(See(t), 10);
  }
  server.GoAway(100);
  AgentProcess agent(AGENT_BINARY);
  ASSERT_TRUE(RunPlayer(agent, server)) << agent.Out() << agent.Err();
  EXPECT_EQ(0, agent.Code());

  const std::string err = agent.Err();
  const std::vector<std::string> lost = LinesWith(err, "Check4LostActions", "TURNNECK");
  const std::vector<std::string> expected = {
    "ERROR: CAgent: Check4LostActions: Server has missed a KICK on cycle 4",
    "ERROR: CAgent: Check4LostActions: Server has missed a DASH on cycle 7",
    "ERROR: CAgent: Check4LostActions: Server has missed a TURN on cycle 7",
    "ERROR: CAgent: Check4LostActions: Server has missed a SAY on cycle 9"};
  EXPECT_EQ(expected, lost) << err;

  // A neck turn a cycle at most, each its own datagram.
  const std::vector<std::string> commands = Commands(server.Received());
  const size_t necks = CountPrefix(commands, "(turn_neck ");
  EXPECT_GE(necks, 1u);
  EXPECT_LE(necks, 12u + 6u);

  // The lost server ends all three threads; the summary and the agent's
  // destructor follow.
  EXPECT_TRUE(InOrder(err, {"\n### NUMBER OF CYCLES WHERE AGENT DID NOT SEND ALL DESIRED ACTIONS = ",
                            "\n\nOn cycle 12 agent 9 is SHUTTING DOWN !\n"}));
  EXPECT_TRUE(InOrder(agent.Out(), {"Actions sent by agent:\n\n # Kicks = 2\n # Dash  = 1\n"
                                    " # Turn  = 3\n # Say   = 4\n",
                                    "[--------Deleting Modules---------]\n",
                                    "++++++++++ AGENT KILLED +++++++++++\n"}));
}

// A team-mate's message: the team's identifier, then the rest of 511
// characters in the message alphabet.
std::string TeamMessage(int time)
{
  std::string text = "Tarroks00";
  while (text.size() < 511)
    text += static_cast<char>('A' + (text.size() + time) % 26);
  std::ostringstream hear;
  hear << "(hear " << time << " 30 " << text << ")";
  return hear.str();
}

// Fast cycles for the thread checkers: visuals only every other cycle and a
// little after the cycle starts, so that neck turns wait for them and go out
// from the sensors thread, while team-mates talk.
TEST(EndToEnd, AThousandFastCycles)
{
  const int cycles = 1000;
  ScriptedServer server;
  server.AwaitRequest("(init l 9 before_kick_off)").Send(SenseBody(0)).Send(See(0), 5);
  server.Send("(hear 0 referee kick_off_l)", 1100).Send("(hear 0 referee play_on)");
  for (int t = 1; t <= cycles; t++)
  {
    server.Send(SenseBody(t), t % 2 ? 1 : 2);
    if (t % 2)
      server.Send(See(t), 1);
    if (t % 10 == 0)
      server.Send(TeamMessage(t));
  }
  server.GoAway(100);
  AgentProcess agent(AGENT_BINARY);
  ASSERT_TRUE(RunPlayer(agent, server, 60000)) << agent.Err();
  EXPECT_EQ(0, agent.Code());
  const std::string err = agent.Err();
  EXPECT_EQ(std::string::npos, err.find("ThreadSanitizer")) << err;
  EXPECT_EQ(std::string::npos, err.find("Critical Malfunction")) << err;
  std::ostringstream end;
  end << "On cycle " << cycles << " agent 9 is SHUTTING DOWN !\n";
  EXPECT_NE(std::string::npos, err.find(end.str())) << err;
  EXPECT_NE(std::string::npos, agent.Out().find("++++++++++ AGENT KILLED +++++++++++"));
  // The player plays on: a main command in most of the cycles.
  const std::vector<std::string> commands = Commands(server.Received());
  const size_t main = CountPrefix(commands, "(turn ") + CountPrefix(commands, "(dash ") +
                      CountPrefix(commands, "(kick ");
  EXPECT_GT(main, static_cast<size_t>(cycles / 2)) << main;
}
}
