// The UDP link against a scripted server on the loopback interface.

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/socket.h>
#include <sys/time.h>

#include <cstring>
#include <string>

#include "Comms.h"
#include "ScriptedServer.h"

namespace {

// Every receive in these tests gives up after this long, so a missing
// datagram fails the test instead of hanging it.
void BoundReceives(const struct socket &link, int ms = 2000)
{
  timeval tv;
  tv.tv_sec = ms / 1000;
  tv.tv_usec = (ms % 1000) * 1000;
  ASSERT_EQ(0, setsockopt(link.socketfd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv));
}

bool CountIs(const std::vector<ScriptedServer::Datagram> &got, size_t n) { return got.size() >= n; }

}  // namespace

TEST(LinkTest, SendsTheExactBytesAndAdoptsTheReplyPort)
{
  ScriptedServer server;
  server.AwaitRequest("(init l 1 before_kick_off)").Send("(sense_body 0)", 10);
  server.Start();

  struct socket link = OpenLink("127.0.0.1", server.RequestPort());
  ASSERT_GE(link.socketfd, 0);
  BoundReceives(link);
  ASSERT_EQ(0, SendText(link, "(init TestTeam (version 6.00))\n"));

  char buffer[4128];
  ASSERT_EQ(1, ReceiveText(link, buffer, sizeof buffer));
  EXPECT_STREQ("(init l 1 before_kick_off)", buffer);
  EXPECT_EQ(htons(server.PlayerPort()), link.serv_addr.sin_port);
  ASSERT_EQ(1, ReceiveText(link, buffer, sizeof buffer));
  EXPECT_STREQ("(sense_body 0)", buffer);

  // Later datagrams, an empty one too, go to the player port.
  ASSERT_EQ(0, SendText(link, "(turn 30.00)\n"));
  ASSERT_EQ(0, SendText(link, ""));
  ASSERT_TRUE(server.WaitFor([](auto &got) { return CountIs(got, 3); }, 5000));
  auto got = server.Received();
  ASSERT_EQ(3u, got.size());
  EXPECT_EQ("(init TestTeam (version 6.00))\n", got[0].payload);
  EXPECT_TRUE(got[0].atRequestPort);
  EXPECT_EQ("(turn 30.00)\n", got[1].payload);
  EXPECT_FALSE(got[1].atRequestPort);
  EXPECT_EQ("", got[2].payload);
  EXPECT_FALSE(got[2].atRequestPort);
  sockaddr_in local;
  socklen_t len = sizeof local;
  ASSERT_EQ(0, getsockname(link.socketfd, reinterpret_cast<sockaddr *>(&local), &len));
  EXPECT_EQ(ntohs(local.sin_port), got[1].fromPort);
  CloseLink(link);
}

TEST(LinkTest, EmptyAndOverlongDatagrams)
{
  ScriptedServer server;
  server.AwaitRequest("").Send(std::string(100, 'a')).Send("(see 1)");
  server.Start();
  struct socket link = OpenLink("127.0.0.1", server.RequestPort());
  BoundReceives(link);
  ASSERT_EQ(0, SendText(link, "(init T (version 6.00))\n"));

  char buffer[16];
  std::memset(buffer, 'z', sizeof buffer);
  EXPECT_EQ(0, ReceiveText(link, buffer, sizeof buffer));
  EXPECT_STREQ("", buffer);
  // Cut to the buffer, the terminator kept inside it.
  EXPECT_EQ(1, ReceiveText(link, buffer, sizeof buffer));
  EXPECT_EQ(std::string(15, 'a'), buffer);
  EXPECT_EQ(1, ReceiveText(link, buffer, sizeof buffer));
  EXPECT_STREQ("(see 1)", buffer);
  CloseLink(link);
}

TEST(LinkTest, ATiedLinkNoticesTheServerGoing)
{
  ScriptedServer server;
  server.AwaitRequest("(init r 3 before_kick_off)").AwaitCommand("(move").GoAway();
  server.Start();
  struct socket link = OpenLink("127.0.0.1", server.RequestPort());
  BoundReceives(link);
  ASSERT_EQ(0, SendText(link, "(init T (version 6.00))\n"));
  char buffer[64];
  ASSERT_EQ(1, ReceiveText(link, buffer, sizeof buffer));
  ASSERT_EQ(0, LockOnServer(link));

  ASSERT_EQ(0, SendText(link, "(move -10 0)\n"));
  ASSERT_TRUE(server.WaitDone(5000));
  // The next datagram meets a closed port; the receive reports it.
  SendText(link, "");
  EXPECT_EQ(-1, ReceiveText(link, buffer, sizeof buffer));
  CloseLink(link);
}

// Sends before the tie go to the link's address; after it, to the port the
// link was tied to, exact bytes and empty datagrams alike, in order.
TEST(LinkTest, SendsReachTheServerBeforeAndAfterTheTie)
{
  ScriptedServer server;
  server.AwaitRequest("(init l 2 before_kick_off)");
  server.Start();
  struct socket link = OpenLink("127.0.0.1", server.RequestPort());
  ASSERT_GE(link.socketfd, 0);
  BoundReceives(link);
  ASSERT_EQ(0, SendText(link, "(init TestTeam (version 6.00))\n"));
  char buffer[128];
  ASSERT_EQ(1, ReceiveText(link, buffer, sizeof buffer));
  ASSERT_EQ(0, SendText(link, "(turn 1.00)\n"));
  ASSERT_EQ(0, LockOnServer(link));
  const char *const texts[] = {"(dash 100.00)\n", "", "(turn_neck -90.00)\n", "(say x)\n"};
  for (const char *text : texts)
    ASSERT_EQ(0, SendText(link, text)) << text;
  const size_t total = 2 + sizeof texts / sizeof texts[0];
  ASSERT_TRUE(server.WaitFor([&](auto &got) { return CountIs(got, total); }, 5000));
  auto got = server.Received();
  ASSERT_EQ(total, got.size());
  EXPECT_TRUE(got[0].atRequestPort);
  EXPECT_EQ("(turn 1.00)\n", got[1].payload);
  EXPECT_FALSE(got[1].atRequestPort);
  for (size_t i = 0; i < sizeof texts / sizeof texts[0]; i++)
  {
    EXPECT_EQ(texts[i], got[2 + i].payload) << i;
    EXPECT_FALSE(got[2 + i].atRequestPort) << i;
  }
  CloseLink(link);
}
