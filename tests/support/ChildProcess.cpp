#include "ChildProcess.h"

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>
#include <vector>

#include "ScriptedServer.h"

namespace {

int TempFile(std::string *path)
{
  char name[] = "/tmp/childXXXXXX";
  int fd = mkstemp(name);
  *path = name;
  return fd;
}

std::string Slurp(const std::string &path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The child keeps only its standard streams: a copy of the server's sockets
// would keep its ports open after the server has closed them.
void CloseInherited()
{
  std::vector<int> fds;
  if (DIR *dir = opendir("/proc/self/fd")) {
    while (dirent *entry = readdir(dir))
      if (entry->d_name[0] != '.')
        fds.push_back(std::atoi(entry->d_name));
    closedir(dir);
  }
  for (int fd : fds)
    if (fd > STDERR_FILENO)
      close(fd);
}

}  // namespace

ChildResult RunInChild(const std::function<int()> &body, ScriptedServer *server, int timeoutMs)
{
  ChildResult result{-1, false, "", ""};
  std::string outPath, errPath;
  int outFd = TempFile(&outPath);
  int errFd = TempFile(&errPath);
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);

  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, STDOUT_FILENO);
    dup2(errFd, STDERR_FILENO);
    CloseInherited();
    int code = body();
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    _exit(code);
  }
  close(outFd);
  close(errFd);
  if (pid > 0) {
    if (server != nullptr)
      server->Start();
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    pid_t done;
    while ((done = waitpid(pid, &status, WNOHANG)) == 0 && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (done == 0) {
      result.timedOut = true;
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    } else if (done == pid && WIFEXITED(status)) {
      result.exitCode = WEXITSTATUS(status);
    }
  }
  result.out = Slurp(outPath);
  result.err = Slurp(errPath);
  unlink(outPath.c_str());
  unlink(errPath.c_str());
  return result;
}
