#include "AgentProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

AgentProcess::AgentProcess(const std::string &binary)
  : m_Binary(binary), m_Pid(-1), m_Code(-1), m_TimedOut(false)
{
}

AgentProcess::~AgentProcess()
{
  if (m_Pid > 0)
  {
    kill(m_Pid, SIGKILL);
    waitpid(m_Pid, nullptr, 0);
  }
}

void AgentProcess::WriteFile(const std::string &name, const std::string &text) const
{
  std::ofstream out(m_Dir.file(name), std::ios::binary | std::ios::trunc);
  out << text;
}

void AgentProcess::WriteConfig(int port, const std::string &extra) const
{
  std::ostringstream conf;
  conf << "[Connection]\n"
       << "hostname = 127.0.0.1\n"
       << "port = " << port << "\n"
       << "team_name = TestTeam\n"
       << "server_conf_path = ./\n"
       << extra;
  WriteFile("agent.conf", conf.str());
  WriteFile("server.conf",
            "# the server's parameters\n"
            "maxmoment : 180\n"
            "minmoment : -180\n"
            "maxneckang : 90\n"
            "minneckang : -90\n"
            "maxneckmoment : 180\n"
            "minneckmoment : -180\n"
            "inertia_moment : 5\n"
            "stamina_max : 8000\n"
            "effort_dec_thr : 0.3\n"
            "say_msg_size : 512\n");
}

bool AgentProcess::Start(const std::vector<std::string> &args)
{
  const pid_t pid = fork();
  if (pid < 0)
    return false;
  if (pid == 0)
  {
    if (chdir(m_Dir.path().c_str()) != 0)
      _exit(127);
    const int out = open("stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open("stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0)
      _exit(127);
    dup2(out, 1);
    dup2(err, 2);
    // The test's own sockets (a scripted server's ports among them) must
    // not live on in the agent, or closing them would not close the port.
    for (int fd = 3; fd < 1024; fd++)
      close(fd);
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(m_Binary.c_str()));
    for (const std::string &arg : args)
      argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    execv(m_Binary.c_str(), argv.data());
    _exit(127);
  }
  m_Pid = pid;
  m_Code = -1;
  m_TimedOut = false;
  return true;
}

bool AgentProcess::Wait(int timeoutMs)
{
  if (m_Pid <= 0)
    return !m_TimedOut;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  int status = 0;
  for (;;)
  {
    const pid_t done = waitpid(m_Pid, &status, WNOHANG);
    if (done == m_Pid)
      break;
    if (done < 0 && errno != EINTR)
    {
      m_Pid = -1;
      return false;
    }
    if (std::chrono::steady_clock::now() >= deadline)
    {
      m_TimedOut = true;
      kill(m_Pid, SIGKILL);
      waitpid(m_Pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  m_Pid = -1;
  m_Code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return !m_TimedOut;
}

std::string AgentProcess::Out() const
{
  return ReadWholeFile(m_Dir.file("stdout"));
}

std::string AgentProcess::Err() const
{
  return ReadWholeFile(m_Dir.file("stderr"));
}
