// The handshake: registering the player with the server, at the start of the
// match (init) or of the second half (reconnect).

#include "CAgent.h"

#include <cstdio>
#include <cstring>
#include <iostream>

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

// Sends the request and waits for the server's answer; an empty datagram is
// no answer. Failing either way ends the program. Returns the address the
// answer came from.
static in_addr Ask(CAgent &agent, const char *request, char *reply, const char *failure)
{
  if (agent.SendMessage(request) == -1)
    agent.Abort(failure, 20);
  // The sensors' receive, which adopts the answer's port, also telling where
  // the answer came from.
  struct socket link = agent.GetSSocket();
  in_addr from;
  from.s_addr = INADDR_NONE;
  int got;
  do
    got = ReceiveText(link, reply, kReplyLength, &from);
  while (got == 0);
  agent.SetSSocket(link);
  if (got == -1)
    agent.Abort(failure, 20);
  return from;
}

void CAgent::Init(const char *kind, MCDictIniSafe &config)
{
  char request[kRequestLength];
  const bool goalie = kind != nullptr && kind[0] == 'g';
  std::snprintf(request, sizeof request,
                goalie ? "(init %s (version 6.00) (goalie))\n" : "(init %s (version 6.00))\n", GetTName());
  char reply[kReplyLength];
  const in_addr from = Ask(*this, request, reply, "ERROR: Connect: Init: Cannot initialise client...");

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
  const in_addr from = Ask(*this, request, reply, "ERROR: Connect: Reconnect: Cannot reconnect client...");

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
