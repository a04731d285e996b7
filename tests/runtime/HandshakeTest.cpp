// Registering with the server: the requests, the replies, the exit codes.
// Every handshake runs in a child process, since a failing one ends the
// process and a lost one would block for ever.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "AgentRig.h"
#include "ChildProcess.h"
#include "Comms.h"
#include "ScriptedServer.h"
#include "Trace.h"

namespace {

using Datagrams = std::vector<ScriptedServer::Datagram>;

// The server's first answer to a request in a recorded trace.
std::string RecordedReply(const std::string &file, const std::string &request)
{
  std::vector<TraceRecord> trace = ReadTrace(std::string(TEST_DATA_DIR) + "/" + file);
  for (size_t i = 0; i + 1 < trace.size(); i++)
    if (!trace[i].received && trace[i].bytes == request && trace[i + 1].received)
      return trace[i + 1].bytes;
  ADD_FAILURE() << "no reply to " << request << " in " << file;
  return "";
}

// Runs body in a child on an agent aimed at the server.
ChildResult WithAgentInChild(ScriptedServer &server, const std::function<int(TestAgent &, MCDictIniSafe &)> &body)
{
  return RunInChild(
      [&server, &body] {
        MCDictIniSafe config;
        TestAgent agent(config);
        agent.Connect(server.RequestPort());
        return body(agent, config);
      },
      &server);
}

// The first-half handshake, then the rest of the child's body.
ChildResult InitInChild(ScriptedServer &server, const char *kind, const std::function<int(TestAgent &)> &then)
{
  return WithAgentInChild(server, [kind, &then](TestAgent &agent, MCDictIniSafe &config) {
    agent.Init(kind, config);
    return then(agent);
  });
}

// The child sends one command and reports what the agent learnt.
int ReportLearnt(TestAgent &agent)
{
  agent.SendMessage("(move -10 0)\n");
  std::cout << "learnt: side=" << agent.GetSide() << " unum=" << agent.GetUNum()
            << " mode=" << agent.PlayMode()->GetPlayMode(true)
            << " port=" << ntohs(agent.GetASocket().serv_addr.sin_port) << std::endl;
  return 0;
}

ChildResult InitInChild(ScriptedServer &server, const char *kind)
{
  return InitInChild(server, kind, ReportLearnt);
}

// The second-half handshake for that number, then the report.
ChildResult ReconnectInChild(ScriptedServer &server, int unum)
{
  return WithAgentInChild(server, [unum](TestAgent &agent, MCDictIniSafe &config) {
    agent.SetUNum(unum);
    agent.Reconnect(config);
    return ReportLearnt(agent);
  });
}

std::string Learnt(const ChildResult &child)
{
  size_t at = child.out.find("learnt: ");
  return at == std::string::npos ? "" : child.out.substr(at + 8, child.out.find('\n', at) - at - 8);
}

// A loopback port where nobody listens.
uint16_t ClosedPort()
{
  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr);
  getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len);
  close(fd);
  return ntohs(addr.sin_port);
}

}  // namespace

TEST(HandshakeTest, FieldPlayerInitRegistersAndAimsAtTheReplyPort)
{
  ScriptedServer server;
  std::string reply = RecordedReply("player-init.trace", "(init TestTeam (version 6.00))\n");
  ASSERT_EQ(std::string("(init l 1 before_kick_off)\0", 27), reply);
  server.AwaitRequest(reply).AwaitCommand("(move");
  ChildResult child = InitInChild(server, "p");
  ASSERT_FALSE(child.timedOut);
  EXPECT_EQ(0, child.exitCode) << child.err;
  EXPECT_EQ("side=l unum=1 mode=0 port=" + std::to_string(server.PlayerPort()), Learnt(child));
  EXPECT_NE(std::string::npos, child.out.find("\n\nAgent Connected to Server: \n"
                                              "Team Name   = TestTeam\n"
                                              "Side        = l\n"
                                              "Uniform Num = 1\n"
                                              "Play mode ID is: 0\n\n"))
      << child.out;

  ASSERT_TRUE(server.WaitDone(5000));
  Datagrams got = server.Received();
  ASSERT_EQ(2u, got.size());
  EXPECT_EQ("(init TestTeam (version 6.00))\n", got[0].payload);
  EXPECT_TRUE(got[0].atRequestPort);
  EXPECT_EQ("(move -10 0)\n", got[1].payload);
  EXPECT_FALSE(got[1].atRequestPort);
}

TEST(HandshakeTest, EmptyDatagramsAreNoAnswer)
{
  ScriptedServer server;
  server.AwaitRequest("").Send("").Send("(init l 4 before_kick_off)", 20);
  ChildResult child = InitInChild(server, "p");
  EXPECT_EQ(0, child.exitCode) << child.err;
  EXPECT_EQ("side=l unum=4 mode=0 port=" + std::to_string(server.PlayerPort()), Learnt(child));
}

// A set play's sign is worked out against the side the same reply names;
// the second half always starts before kick-off, whatever the reply says.
TEST(HandshakeTest, TheFirstPlayModeIsSignedForTheSideTheServerGave)
{
  struct Case
  {
    const char *reply;
    int reconnectUnum;  // 0: the first half's init
    char side;
    int unum;
    int mode;
  };
  const Case cases[] = {
      {"(init l 3 offside_l)", 0, 'l', 3, -6},
      {"(init r 1 free_kick_r)", 0, 'r', 1, 5},
      {"(init r 7 play_on)", 0, 'r', 7, 20},
      {"(init l 2 corner_kick_r)", 0, 'l', 2, -3},
      {"(reconnect l free_kick_l)", 4, 'l', 4, 0},
      {"(reconnect r play_on)", 7, 'r', 7, 0},
  };
  for (const Case &c : cases) {
    ScriptedServer server;
    server.AwaitRequest(c.reply).AwaitCommand("(move");
    ChildResult child = c.reconnectUnum != 0 ? ReconnectInChild(server, c.reconnectUnum) : InitInChild(server, "p");
    EXPECT_EQ(0, child.exitCode) << c.reply << child.err;
    const std::string block = std::string("\n\nAgent ") + (c.reconnectUnum != 0 ? "Reconnected" : "Connected") +
                              " to Server: \nTeam Name   = TestTeam\nSide        = " + c.side +
                              "\nUniform Num = " + std::to_string(c.unum) +
                              "\nPlay mode ID is: " + std::to_string(c.mode) + "\n\n";
    EXPECT_NE(std::string::npos, child.out.find(block)) << c.reply << ":\n" << child.out;
    EXPECT_EQ(std::string("side=") + c.side + " unum=" + std::to_string(c.unum) + " mode=" + std::to_string(c.mode) +
                  " port=" + std::to_string(server.PlayerPort()),
              Learnt(child))
        << c.reply;
    ASSERT_TRUE(server.WaitDone(5000)) << c.reply;
    Datagrams got = server.Received();
    ASSERT_EQ(2u, got.size()) << c.reply;
    EXPECT_EQ(c.reconnectUnum != 0 ? "(reconnect TestTeam " + std::to_string(c.unum) + ")\n"
                                   : std::string("(init TestTeam (version 6.00))\n"),
              got[0].payload);
    EXPECT_FALSE(got[1].atRequestPort) << c.reply;
  }
}

TEST(HandshakeTest, FailuresEndTheProgramWithTheirCodes)
{
  struct Case
  {
    const char *what;
    std::string reply;
    bool reconnect;
    int code;
    const char *line;
  };
  const std::string refused = RecordedReply("errors.trace", "(init TestTeam (version 6.00) (goalie))\n");
  const std::string noReconnect = RecordedReply("errors.trace", "(reconnect TestTeam 1)\n");
  const std::vector<Case> cases = {
      {"init refused", refused, false, 30, "CAgent ABORTING: ERROR: Connect: Init: Error returned from server..."},
      {"reconnect refused", noReconnect, true, 30,
       "CAgent ABORTING: ERROR: Connect: Reconnect: Error returned from server..."},
      {"init answered with reconnect", "(reconnect l before_kick_off)", false, 39,
       "CAgent ABORTING: ERROR: Connect: Init: Default ???"},
      {"reconnect answered with init", "(init l 1 before_kick_off)", true, 39,
       "CAgent ABORTING: ERROR: Connect: Reconnect: Default ???"},
      {"init reply without a side", "(init 3 1 play_on)", false, 39, "CAgent ABORTING: ERROR: Connect: Init: Default ???"},
  };
  for (const Case &c : cases) {
    ScriptedServer server;
    server.AwaitRequest(c.reply);
    ChildResult child = WithAgentInChild(server, [&c](TestAgent &agent, MCDictIniSafe &config) {
      if (c.reconnect)
        agent.Reconnect(config);
      else
        agent.Init("g", config);
      return 0;
    });
    EXPECT_EQ(c.code, child.exitCode) << c.what;
    EXPECT_NE(std::string::npos, child.err.find(c.line)) << c.what << ": " << child.err;
  }
}

TEST(HandshakeTest, NoWayToTheServerEndsWithCode20)
{
  // The request cannot be sent at all.
  ChildResult unsent = RunInChild([] {
    MCDictIniSafe config;
    TestAgent agent(config);
    struct socket none = agent.GetASocket();
    none.socketfd = -1;
    agent.SetSSocket(none);
    agent.SetASocket(none);
    agent.Init("p", config);
    return 0;
  });
  EXPECT_EQ(20, unsent.exitCode);
  EXPECT_NE(std::string::npos, unsent.err.find("CAgent ABORTING: ERROR: Connect: Init: Cannot initialise client..."))
      << unsent.err;

  // The request goes out, but the receive fails: nobody is at the port.
  ChildResult unheard = RunInChild([] {
    MCDictIniSafe config;
    TestAgent agent(config);
    agent.Connect(ClosedPort());
    LockOnServer(agent.GetSSocket());
    agent.SetUNum(3);
    agent.Reconnect(config);
    return 0;
  });
  EXPECT_EQ(20, unheard.exitCode);
  EXPECT_NE(std::string::npos,
            unheard.err.find("CAgent ABORTING: ERROR: Connect: Reconnect: Cannot reconnect client..."))
      << unheard.err;
}

TEST(HandshakeTest, AServerAnsweringFromAnotherAddressIsStillHeard)
{
  ScriptedServer server("127.0.0.2");
  server.AwaitRequest("(init l 1 before_kick_off)").Send("(see 0)", 20);
  ChildResult child = InitInChild(
      server, "p",
      [](TestAgent &agent) {
        char buffer[CSensors::BUFFER_LENGTH];
        return agent.ReceiveMessage(buffer, sizeof buffer) == 1 && std::string(buffer) == "(see 0)" ? 0 : 1;
      });
  EXPECT_FALSE(child.timedOut);
  EXPECT_EQ(0, child.exitCode) << child.err;
}

TEST(HandshakeTest, AServerThatGoesAwayIsNoticed)
{
  ScriptedServer server;
  server.AwaitRequest("(init l 1 before_kick_off)").Wait(100).GoAway();
  ChildResult child = InitInChild(
      server, "p",
      [](TestAgent &agent) {
        agent.Actuators()->SetMaxSimStepWait(50);
        agent.StartActuators();
        // As the sensors' thread does: receive until the link fails.
        char buffer[CSensors::BUFFER_LENGTH];
        while (agent.ReceiveMessage(buffer, sizeof buffer) != -1)
          ;
        return 0;
      });
  EXPECT_FALSE(child.timedOut) << child.out << child.err;
  EXPECT_EQ(0, child.exitCode) << child.err;
}

namespace {

// Sends text to the agent's socket from a socket of its own bound to the
// given loopback address: a third party on the pitch's network.
void SendFromThirdParty(const TestAgent &agent, const char *address, const std::string &text)
{
  sockaddr_in to{};
  socklen_t length = sizeof to;
  getsockname(agent.GetSSocket().socketfd, reinterpret_cast<sockaddr *>(&to), &length);
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  inet_pton(AF_INET, address, &local.sin_addr);
  bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local);
  sendto(fd, text.data(), text.size(), 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
  close(fd);
}

}  // namespace

// Datagrams that reach the agent before the server's answer: junk from a
// third port of the server's host, and an answer forged from another host
// that would make it play on the other side with another number. Neither
// counts: the agent registers with the server, side, number and port as the
// server gave them, and says one line for each datagram it ignored.
TEST(HandshakeTest, OnlyTheServersAnswerRegistersThePlayer)
{
  for (const bool reconnect : {false, true})
  {
    ScriptedServer server;
    server.AwaitRequest(reconnect ? "(reconnect l before_kick_off)" : "(init l 4 before_kick_off)")
        .AwaitCommand("(move");
    ChildResult child = WithAgentInChild(server, [reconnect](TestAgent &agent, MCDictIniSafe &config) {
      SendFromThirdParty(agent, "127.0.0.1", "(hello)");
      SendFromThirdParty(agent, "127.0.0.1", "(init");
      SendFromThirdParty(agent, "127.0.0.3", reconnect ? "(reconnect r play_on)" : "(init r 9 play_on)");
      SendFromThirdParty(agent, "127.0.0.1", std::string(5000, 'x'));
      if (reconnect)
      {
        agent.SetUNum(4);
        agent.Reconnect(config);
      }
      else
        agent.Init("p", config);
      return ReportLearnt(agent);
    });
    EXPECT_EQ(0, child.exitCode) << child.err;
    EXPECT_EQ("side=l unum=4 mode=0 port=" + std::to_string(server.PlayerPort()), Learnt(child)) << reconnect;
    size_t ignored = 0;
    for (size_t at = child.err.find("Ignored a datagram"); at != std::string::npos;
         at = child.err.find("Ignored a datagram", at + 1))
      ignored++;
    EXPECT_EQ(4u, ignored) << child.err;
    EXPECT_TRUE(server.WaitDone(5000));
  }
}

// Nothing but junk: the handshake gives up after its time-out, as when the
// server never answers, instead of waiting for ever or playing with junk.
TEST(HandshakeTest, NoAnswerInTimeEndsWithCode20)
{
  ChildResult child = RunInChild(
      [] {
        MCDictIniSafe config;
        TestAgent agent(config);
        agent.Connect(ClosedPort());
        agent.SetHandshakeTimeout(300);
        SendFromThirdParty(agent, "127.0.0.1", "(see 0)");
        agent.Init("p", config);
        return 0;
      });
  EXPECT_FALSE(child.timedOut);
  EXPECT_EQ(20, child.exitCode) << child.err;
  EXPECT_NE(std::string::npos, child.err.find("No answer from the server within 300 ms")) << child.err;
  EXPECT_NE(std::string::npos, child.err.find("CAgent ABORTING: ERROR: Connect: Init: Cannot initialise client..."))
      << child.err;
}
