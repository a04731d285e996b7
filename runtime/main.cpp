// The program's entry point: banner, command line, configuration, the
// agent, the connection and the handshake, then the main loop.

#include <cstdlib>
#include <iostream>

#include "CAgent.h"
#include "CLineBuffer.h"
#include "Defaults.h"
#include "MCDictIniSafe.h"
#include "MCString.h"

namespace
{
const char *const kBanner[] = {
    "            our half                  their half",
    " +-------------------------+-------------------------+",
    " |                         |                         |",
    " |                         |                         |",
    " +--------+                |                +--------+",
    " |        |                |                |        |",
    " |        |              .-+-.              |        |",
    " |        |            .'  |  '.            |        |",
    " +--+     |           /    |    \\           |     +--+",
    " |  |     |          |     O     |          |     |  |",
    " |  |     |          |     |     |          |     |  |",
    " +--+     |           \\    |    /           |     +--+",
    " |        |            '.  |  .'            |        |",
    " |        |              '-+-'              |        |",
    " |        |                |                |        |",
    " +--------+                |                +--------+",
    " |                         |                         |",
    " |                         |                         |",
    " +-------------------------+-------------------------+",
    "                  ball in play, eyes up",
    "                       .--------.",
    "                     .'  \\    /  '.",
    "                    /     >--<     \\",
    "                   |  >--<    >--<  |",
    "                   |  |  |    |  |  |",
    "                   |  >--<    >--<  |",
    "                    \\     >--<     /",
    "                     '.  /    \\  .'",
    "                       '--------'",
    "             kick off, keep up, never lose a command",
    "                   one player of a team of eleven",
};

const char *const kDone = "[--------------------- Done! ----------------------]";

void Banner()
{
  std::cout << std::endl;
  for (const char *line : kBanner)
    std::cout << line << std::endl;
  std::cout << "[------> Dravon Tarroks 2000 v1.1 by <------]" << std::endl
            << "[------>   its own founding engineers  <------]" << std::endl
            << "[------>  written for simulated soccer <------]" << std::endl
            << std::endl;
}

void TestAgentNotice()
{
  const char *const stars = "*****************************************************************";
  std::cout << std::endl
            << stars << std::endl
            << "*** This is a TEST agent.  If you don't know what that means, ***" << std::endl
            << "*** run the agent with no arguments for instructions.         ***" << std::endl
            << stars << std::endl
            << std::endl
            << std::endl;
}

void DoneLine()
{
  std::cout << std::endl << kDone << std::endl << std::endl;
}
}

[[noreturn]] void Usage()
{
  std::cerr << "ERROR: Incorrect number/type of arguments..." << std::endl
            << std::endl
            << "Syntax: agent <Half> <Goalie/uniform number> [Filename]" << std::endl
            << std::endl
            << "Where:" << std::endl
            << "\t Half: Which half (either 1 or 2)" << std::endl
            << "\t Goalie/uniform number: Goalie flag or uniform number (g for goalie p for player, or 1-11 for uniform number)"
            << std::endl
            << "\t\t\t If Half is 1, this parameter should be either g or p.  If Half is 2, this parameter should be 1-11"
            << std::endl
            << "\t Filename: Specifies an additional configuration file containing (some) agent parameters."
            << std::endl
            << "\t Parameters in this file will overwrite default values read from \"agent.conf\"."
            << std::endl
            << std::endl
            << "Example: agent 1 g               -- Will connect a goalie reading parameters from the file \"agent.conf\""
            << std::endl
            << "or     : agent 2 4               -- Will reconnect player 4 reading parameters from the file \"agent.conf\""
            << std::endl
            << "or     : agent 1 p myagent.conf  -- Will connect a player reading additional parameters from the file \"myagent.conf\""
            << std::endl
            << std::endl
            << "All parameters related to team name, port number, host name etc. can be changed by editing the agent.conf file"
            << std::endl
            << "or a file of your choice that will be passed as the additional configuration file."
            << std::endl
            << "In the additional file you should only specify the section name, and variable to overwrite."
            << std::endl
            << std::endl;
  std::exit(1);
}

int main(int argc, char *argv[])
{
  // The three threads write their lines at once; none may split another's.
  CLineBuffer::Install();
  Banner();

  const int words = argc - 1;
  const bool testAgent = words == 1;
  if (words < 1 || words > 3)
    Usage();
  if (testAgent)
    TestAgentNotice();
  const int half = testAgent ? 0 : std::atoi(argv[1]);
  char *const who = testAgent ? nullptr : argv[2];
  const char *const extraFile = words == 3 ? argv[3] : nullptr;

  MCDictIniSafe config;
  primeini(config);
  config.importordie("agent.conf");
  if (extraFile)
    config.importordie(extraFile);
  config.setsafe(0);

  std::cout << "[--------- Attempting to read server.conf ---------]" << std::endl << std::endl;
  const MCString serverPath = config.getsafe(
    "Connection", "server_conf_path", MCString("/usr/RoboCup/sserver-6.04/server/"), 0);
  // The directory must end with '/': nothing is put between it and the name.
  config.importflatordie(serverPath + "server.conf", "Server", ':');
  DoneLine();

  CAgent agent(config);
  const MCString team = config.getsafe("Connection", "team_name", MCString("Dravon_Tarroks"), 0);
  agent.SetTName(team);

  const int port = config.getsafe("Connection", "port", 6000, 0);
  const MCString host = config.getsafe("Connection", "hostname", MCString("localhost"), 0);
  if (testAgent)
  {
    DoneLine();
    std::cout << "**************************************" << std::endl
              << "*** TEST agent exiting normally... ***" << std::endl
              << "**************************************" << std::endl
              << std::endl;
    // Nothing was connected: leave without taking the agent down.
    std::exit(0);
  }

  const struct socket link = agent.InitConnection(host, port);
  DoneLine();
  if (link.socketfd == -1)
    agent.Abort("ERROR: main: main: Unable to connect to server...", 10);
  agent.SetSSocket(link);
  agent.SetASocket(link);

  if (half == 1)
    agent.Init(who, config);
  else if (half == 2)
  {
    agent.SetUNum(std::atoi(who));
    agent.Reconnect(config);
  }
  else
  {
    std::cerr << "ERROR: Half must be either 1 or 2..." << std::endl;
    Usage();
  }

  std::cout << "[************** AGENT UP AND RUNNING **************]" << std::endl << std::endl;
  return agent.MainLoop();
}
