// The handshake: registering the player with the server, at the start of the
// match (init) or of the second half (reconnect).

#include "CAgent.h"

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "CActuators.h"
#include "CBehaviours.h"
#include "CMemory.h"
#include "CPlayMode.h"
#include "CSensors.h"
#include "Comms.h"

namespace {

const int kRequestLength = 640;
const int kReplyLength = 4128;
const int kModeTextLength = 52;
// How much of an ignored datagram a warning shows.
const std::size_t kShownLength = 40;
// How long a reply from another address of the server's host waits for one
// from the address the request went to: the server answers in a moment, so
// a forger who is quicker than the server loses to it.
const int kOtherAddressGraceMs = 500;

// The server places a player on the left or the right; any other letter is
// a reply the agent cannot play with.
bool IsSide(char side)
{
  return side == 'l' || side == 'r';
}

}  // namespace

// What both handshakes do once the server has answered: the world model
// learns the side (its landmarks mirrored for the right side), the agent
// takes side and number, the play mode starts, the agent reports, and the
// actuators aim at the port the answer came from.
static void Register(CAgent &agent, CMemory *memory, CPlayMode *playMode, CBehaviours *brain, in_addr from,
                     char side, int unum, const char *mode, const char *title, MCDictIniSafe &config)
{
  if (side == 'r')
    memory->RevertSigns();
  memory->InitPlayerArrays(side, config);
  // The side comes first: a set play's sign is worked out against it, and a
  // player joining during one of ours must not take it for theirs.
  brain->SetSide(side);
  brain->SetUNum(unum);
  // The other threads do not exist yet: no lock needed.
  playMode->SetPlayMode(mode);
  std::cout << std::endl
            << title << std::endl
            << "Team Name   = " << agent.GetTName() << std::endl
            << "Side        = " << agent.GetSide() << std::endl
            << "Uniform Num = " << agent.GetUNum() << std::endl
            << "Play mode ID is: " << playMode->GetPlayMode(true) << std::endl
            << std::endl;

  const struct socket link = agent.GetSSocket();
  agent.SetASocket(link);
  // Tying the socket to the server's port is what lets the sensors hear that
  // the server has gone (an unconnected UDP socket is never told): the next
  // receive after the port closes fails, and the agent shuts down. A server
  // host that answered from another of its addresses would then be shut out,
  // so the socket stays untied there.
  if (from.s_addr != link.serv_addr.sin_addr.s_addr || LockOnServer(link) != 0)
    std::cerr << "WARNING: Connect: Register: Cannot tie the socket to the server; a lost server will go unnoticed..."
              << std::endl;
}

// Whether a text reads as the server's answer to a request: an init, a
// reconnect or an error reply. Which of them the handshake can use is its
// own business; anything else (a see, a hear, junk) is no answer at all.
static bool ReadsAsReply(const char *text)
{
  for (const char *head : {"(init ", "(reconnect ", "(error "})
    if (std::strncmp(text, head, std::strlen(head)) == 0)
      return true;
  return false;
}

// Waits at most `ms` for a datagram on the link; true when one is there.
static bool Readable(const struct socket &link, int ms)
{
  pollfd p;
  p.fd = link.socketfd;
  p.events = POLLIN;
  p.revents = 0;
  int ready;
  do
    ready = poll(&p, 1, ms > 0 ? ms : 0);
  while (ready < 0 && errno == EINTR);
  return ready > 0;
}

static std::string Printable(const char *text)
{
  std::string shown;
  for (const char *c = text; *c != '\0' && shown.size() < kShownLength; c++)
    shown += *c >= ' ' && *c < 127 ? *c : '?';
  return shown;
}

static void ReportIgnored(in_addr address, const struct socket &from, const char *text)
{
  std::cerr << "WARNING: Connect: Ask: Ignored a datagram from " << inet_ntoa(address) << ":"
            << ntohs(from.serv_addr.sin_port) << " while waiting for the server's answer: \""
            << Printable(text) << "\"..." << std::endl;
}

static int MsSince(std::chrono::steady_clock::time_point start)
{
  return static_cast<int>(
    std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
}

// Sends the request and waits for the server's answer: a datagram from the
// server's host that reads as a reply. Anybody can send the agent a
// datagram while it waits, and the one it takes decides its side, its
// number and where its commands go, so anything else is ignored, with a
// line each. The server answers from a port of the player's own, so any
// port of its host counts, and becomes the port the link is aimed at. A
// reply from another address of the server's host is taken only when the
// server's own address stays silent for a while after it. Failing to send,
// to receive or to hear an answer in time ends the program. Returns the
// address the answer came from.
in_addr CAgent::Ask(const char *request, char *reply, const char *failure)
{
  if (SendMessage(request) == -1)
    Abort(failure, 20);
  const struct socket link = GetSSocket();
  const in_addr server = link.serv_addr.sin_addr;
  const auto start = std::chrono::steady_clock::now();
  // A reply from another address, held while the server's own may come.
  std::string held;
  struct socket heldLink = link;
  in_addr heldFrom = server;
  int heldAt = 0;
  for (;;)
  {
    int wait = m_HandshakeTimeoutMs - MsSince(start);
    if (!held.empty())
      wait = std::min(wait, heldAt + kOtherAddressGraceMs - MsSince(start));
    if (wait <= 0 || !Readable(link, wait))
    {
      if (!held.empty() && MsSince(start) < m_HandshakeTimeoutMs + kOtherAddressGraceMs)
      {
        std::cerr << "WARNING: Connect: Ask: The server answered from " << inet_ntoa(heldFrom)
                  << ", not from the address it was asked at..." << std::endl;
        std::snprintf(reply, kReplyLength, "%s", held.c_str());
        SetSSocket(heldLink);
        return heldFrom;
      }
      if (MsSince(start) >= m_HandshakeTimeoutMs)
      {
        std::cerr << "ERROR: Connect: Ask: No answer from the server within " << m_HandshakeTimeoutMs
                  << " ms..." << std::endl;
        Abort(failure, 20);
      }
      continue;
    }
    // A look first: the server's first message after an answer held from
    // another address shows that the answer was the server's, and must
    // stay for the sensors.
    sockaddr_in source;
    socklen_t sourceLength = sizeof source;
    const ssize_t peeked = recvfrom(link.socketfd, reply, kReplyLength - 1, MSG_PEEK,
                                    reinterpret_cast<sockaddr *>(&source), &sourceLength);
    // The look takes a failure away (a closed port on a tied link), so it
    // ends the handshake here.
    if (peeked < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
      Abort(failure, 20);
    if (peeked > 0 && !held.empty() && source.sin_addr.s_addr == heldFrom.s_addr &&
        source.sin_port == heldLink.serv_addr.sin_port)
    {
      reply[peeked] = '\0';
      if (!ReadsAsReply(reply))
      {
        std::snprintf(reply, kReplyLength, "%s", held.c_str());
        SetSSocket(heldLink);
        return heldFrom;
      }
    }
    // Received on a copy: only an answer may aim the link at its port.
    struct socket from = link;
    in_addr address;
    address.s_addr = INADDR_NONE;
    const int got = ReceiveText(from, reply, kReplyLength, &address);
    if (got == -1)
      Abort(failure, 20);
    if (got == 0)
      continue;
    const bool answer = ReadsAsReply(reply);
    if (answer && address.s_addr == server.s_addr)
    {
      if (!held.empty())
        ReportIgnored(heldFrom, heldLink, held.c_str());
      SetSSocket(from);
      return address;
    }
    if (answer && held.empty())
    {
      held = reply;
      heldLink = from;
      heldFrom = address;
      heldAt = MsSince(start);
      continue;
    }
    ReportIgnored(address, from, reply);
  }
}

void CAgent::SetHandshakeTimeout(int milliseconds)
{
  m_HandshakeTimeoutMs = milliseconds;
}

void CAgent::Init(const char *kind, MCDictIniSafe &config)
{
  char request[kRequestLength];
  const bool goalie = kind != nullptr && kind[0] == 'g';
  std::snprintf(request, sizeof request,
                goalie ? "(init %s (version 6.00) (goalie))\n" : "(init %s (version 6.00))\n", GetTName());
  char reply[kReplyLength];
  const in_addr from = Ask(request, reply, "ERROR: Connect: Init: Cannot initialise client...");

  // "(init l 1 before_kick_off)"
  char side = '\0';
  int unum = 0;
  char mode[kModeTextLength] = "";
  switch (reply[1]) {
    case 'e':
      Abort("ERROR: Connect: Init: Error returned from server...", 30);
    case 'i':
      // The play mode is cut to its store; a reply without side and number
      // is no registration at all.
      if (std::sscanf(reply + 1, "init %c %d  %51[^)]", &side, &unum, mode) < 2 || !IsSide(side))
        Abort("ERROR: Connect: Init: Default ???", 39);
      Register(*this, m_Memory, m_PlayMode, m_Behaviours, from, side, unum, mode, "Agent Connected to Server: ",
               config);
      break;
    default:
      Abort("ERROR: Connect: Init: Default ???", 39);
  }
}

void CAgent::Reconnect(MCDictIniSafe &config)
{
  char request[kRequestLength];
  std::snprintf(request, sizeof request, "(reconnect %s %d)\n", GetTName(), GetUNum());
  char reply[kReplyLength];
  const in_addr from = Ask(request, reply, "ERROR: Connect: Reconnect: Cannot reconnect client...");

  // "(reconnect l before_kick_off)": only the side is read; the second half
  // always starts before kick-off, whatever mode the reply names.
  char side = '\0';
  switch (reply[1]) {
    case 'e':
      Abort("ERROR: Connect: Reconnect: Error returned from server...", 30);
    case 'r':
      if (std::sscanf(reply + 1, "reconnect %c", &side) < 1 || !IsSide(side))
        Abort("ERROR: Connect: Reconnect: Default ???", 39);
      Register(*this, m_Memory, m_PlayMode, m_Behaviours, from, side, GetUNum(), "before_kick_off",
               "Agent Reconnected to Server: ", config);
      break;
    default:
      Abort("ERROR: Connect: Reconnect: Default ???", 39);
  }
}
