#include "ScriptedServer.h"

#include <algorithm>
#include <cstring>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The script thread looks at its stop flag at least this often.
const int kPollSliceMs = 20;

int BindLoopback(const char *address, uint16_t *port)
{
  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0)
    return -1;
  sockaddr_in addr;
  std::memset(&addr, 0, sizeof addr);
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = inet_addr(address);
  addr.sin_port = 0;
  // Room for a burst of commands while the script thread is busy elsewhere.
  int room = 4 << 20;
  setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &room, sizeof room);
  socklen_t len = sizeof addr;
  if (bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) != 0 ||
      getsockname(fd, reinterpret_cast<sockaddr *>(&addr), &len) != 0) {
    close(fd);
    return -1;
  }
  *port = ntohs(addr.sin_port);
  return fd;
}

}  // namespace

ScriptedServer::ScriptedServer(const char *playerAddress)
    : m_Born(Clock::now()), m_RequestFd(-1), m_PlayerFd(-1), m_RequestPort(0), m_PlayerPort(0),
      m_ScanFrom(0), m_Done(false), m_Stop(false), m_RequestArrived(false), m_HaveClient(false)
{
  std::memset(&m_Client, 0, sizeof m_Client);
  m_RequestFd = BindLoopback("127.0.0.1", &m_RequestPort);
  m_PlayerFd = BindLoopback(playerAddress, &m_PlayerPort);
  if (m_RequestFd < 0 || m_PlayerFd < 0)
    std::perror("ScriptedServer: cannot bind a loopback port");
}

ScriptedServer::~ScriptedServer()
{
  {
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Stop = true;
  }
  if (m_Thread.joinable())
    m_Thread.join();
  CloseAll();
}

ScriptedServer &ScriptedServer::AwaitRequest(const std::string &reply)
{
  m_Script.push_back({Step::AWAIT_REQUEST, reply, 0});
  return *this;
}

ScriptedServer &ScriptedServer::AwaitCommand(const std::string &prefix)
{
  m_Script.push_back({Step::AWAIT_COMMAND, prefix, 0});
  return *this;
}

ScriptedServer &ScriptedServer::Send(const std::string &text, int delayMs)
{
  m_Script.push_back({Step::SEND, text, delayMs});
  return *this;
}

ScriptedServer &ScriptedServer::Wait(int delayMs)
{
  m_Script.push_back({Step::WAIT, std::string(), delayMs});
  return *this;
}

ScriptedServer &ScriptedServer::GoAway(int delayMs)
{
  m_Script.push_back({Step::GO_AWAY, std::string(), delayMs});
  return *this;
}

void ScriptedServer::Start()
{
  m_Thread = std::thread(&ScriptedServer::Run, this);
}

std::vector<ScriptedServer::Datagram> ScriptedServer::Received() const
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  return m_Received;
}

bool ScriptedServer::WaitFor(const std::function<bool(const std::vector<Datagram> &)> &pred,
                             int timeoutMs) const
{
  std::unique_lock<std::mutex> lock(m_Mutex);
  return m_Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                            [&] { return pred(m_Received); });
}

bool ScriptedServer::WaitDone(int timeoutMs) const
{
  std::unique_lock<std::mutex> lock(m_Mutex);
  return m_Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_Done; });
}

void ScriptedServer::ReceiveFrom(int fd, bool atRequestPort)
{
  // Everything waiting, at once.
  static thread_local char buf[65536];
  for (;;) {
    sockaddr_in src;
    socklen_t len = sizeof src;
    ssize_t n = recvfrom(fd, buf, sizeof buf, MSG_DONTWAIT, reinterpret_cast<sockaddr *>(&src), &len);
    if (n < 0)
      return;
    double ms = std::chrono::duration<double, std::milli>(Clock::now() - m_Born).count();
    std::lock_guard<std::mutex> lock(m_Mutex);
    m_Received.push_back({std::string(buf, static_cast<size_t>(n)), ms, ntohs(src.sin_port), atRequestPort});
    m_Client = src;
    m_HaveClient = true;
    if (atRequestPort)
      m_RequestArrived = true;
    m_Changed.notify_all();
  }
}

void ScriptedServer::SendText(int fd, const std::string &text)
{
  sockaddr_in to;
  {
    std::lock_guard<std::mutex> lock(m_Mutex);
    if (!m_HaveClient || fd < 0)
      return;
    to = m_Client;
  }
  std::string bytes = text;
  if (!bytes.empty() && bytes.back() != '\0')
    bytes.push_back('\0');
  sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<sockaddr *>(&to), sizeof to);
}

bool ScriptedServer::CommandSeen(const std::string &prefix)
{
  std::lock_guard<std::mutex> lock(m_Mutex);
  for (size_t i = m_ScanFrom; i < m_Received.size(); ++i) {
    const Datagram &d = m_Received[i];
    if (!d.atRequestPort && d.payload.compare(0, prefix.size(), prefix) == 0) {
      m_ScanFrom = i + 1;
      return true;
    }
  }
  return false;
}

void ScriptedServer::CloseAll()
{
  if (m_RequestFd >= 0)
    close(m_RequestFd);
  if (m_PlayerFd >= 0)
    close(m_PlayerFd);
  m_RequestFd = m_PlayerFd = -1;
}

void ScriptedServer::Run()
{
  size_t next = 0;
  Clock::time_point stepStart = Clock::now();
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(m_Mutex);
      if (m_Stop)
        return;
      if (next == m_Script.size() && !m_Done) {
        m_Done = true;
        m_Changed.notify_all();
      }
    }
    int sliceMs = kPollSliceMs;
    if (next < m_Script.size()) {
      const Step &step = m_Script[next];
      bool advance = false;
      if (step.kind == Step::SEND || step.kind == Step::WAIT || step.kind == Step::GO_AWAY) {
        Clock::time_point due = stepStart + std::chrono::milliseconds(step.delayMs);
        Clock::time_point now = Clock::now();
        if (now >= due) {
          if (step.kind == Step::GO_AWAY)
            CloseAll();
          else if (step.kind == Step::SEND)
            SendText(m_PlayerFd, step.text);
          advance = true;
        } else {
          auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - now).count() + 1;
          sliceMs = static_cast<int>(std::min<long long>(left, kPollSliceMs));
        }
      } else if (step.kind == Step::AWAIT_REQUEST) {
        bool arrived;
        {
          std::lock_guard<std::mutex> lock(m_Mutex);
          arrived = m_RequestArrived;
          m_RequestArrived = false;
        }
        if (arrived) {
          bool error = step.text.compare(0, 6, "(error") == 0;
          SendText(error ? m_RequestFd : m_PlayerFd, step.text);
          advance = true;
        }
      } else if (CommandSeen(step.text)) {
        advance = true;
      }
      if (advance) {
        ++next;
        stepStart = Clock::now();
        continue;
      }
    }
    pollfd fds[2];
    int count = 0;
    if (m_RequestFd >= 0)
      fds[count++] = {m_RequestFd, POLLIN, 0};
    if (m_PlayerFd >= 0)
      fds[count++] = {m_PlayerFd, POLLIN, 0};
    if (count == 0) {
      std::this_thread::sleep_for(std::chrono::milliseconds(sliceMs));
      continue;
    }
    if (poll(fds, static_cast<nfds_t>(count), sliceMs) <= 0)
      continue;
    for (int i = 0; i < count; ++i)
      if (fds[i].revents & POLLIN)
        ReceiveFrom(fds[i].fd, fds[i].fd == m_RequestFd);
  }
}
