#ifndef AGENTPROCESS_H
#define AGENTPROCESS_H

#include <sys/types.h>

#include <string>
#include <vector>

#include "ScratchDir.h"

// The built agent run as a child process in a temporary folder of its own,
// with its standard output and error caught in files there. Only the child
// started here is ever signalled, by its process id.
class AgentProcess
{
public:
  explicit AgentProcess(const std::string &binary);
  ~AgentProcess();  // kills a child still running and removes the folder
  AgentProcess(const AgentProcess &) = delete;
  AgentProcess &operator=(const AgentProcess &) = delete;

  void WriteFile(const std::string &name, const std::string &text) const;
  // An "agent.conf" for a server on 127.0.0.1 at the port, with a shipped-
  // style "server.conf" beside it; extra is appended to "agent.conf".
  void WriteConfig(int port, const std::string &extra = "") const;

  // Starts the agent with these words after the program's name.
  bool Start(const std::vector<std::string> &args);
  // Waits at most timeoutMs for the child to end; a child still running is
  // then killed, and the result says so.
  bool Wait(int timeoutMs);
  bool Running() const { return m_Pid > 0; }

  int Code() const { return m_Code; }  // exit code, or 128 + signal
  std::string Out() const;
  std::string Err() const;

private:
  std::string m_Binary;
  ScratchDir m_Dir;
  pid_t m_Pid;
  int m_Code;
  bool m_TimedOut;
};

#endif
