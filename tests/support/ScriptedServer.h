#ifndef SCRIPTEDSERVER_H
#define SCRIPTEDSERVER_H

// A stand-in for the soccer simulation server, for tests that touch the
// network. It talks only on 127.0.0.1.
//
// Like the real server it has two UDP ports: the request port, where a client
// sends "(init ...)" or "(reconnect ...)", and the player port, from which the
// reply and everything after it comes and to which the player's commands then
// go. Every datagram arriving at either port is recorded with its arrival time
// and its sender's port. What the server sends, and when, follows a script
// built before Start(); the script runs on the server's own thread, so the test
// thread stays free to drive the code under test or to wait for a child.
//
//   ScriptedServer server;
//   server.AwaitRequest("(init l 1 before_kick_off)")
//         .Send("(sense_body 0 (view_mode high normal) ...)", 100)
//         .AwaitCommand("(bye)")
//         .GoAway();
//   server.Start();
//   ... the client sends its request to 127.0.0.1:server.RequestPort() ...
//   ASSERT_TRUE(server.WaitDone(2000));
//   auto got = server.Received();
//
// Texts are sent as the real server sends them, with one NUL byte appended
// (a text that already ends in NUL, such as a payload read from a trace, is
// sent unchanged); an empty text is sent as a zero-length datagram.
//
// Child processes: the constructor binds both ports but starts no thread, so a
// test can fork first (the child may then start threads of its own, which
// fork after threads would forbid under ThreadSanitizer) and call Start() in
// the parent; what the child sends meanwhile waits in the socket's queue. A
// child that execs a program hands it RequestPort() (for instance through a
// configuration file).

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include <netinet/in.h>

class ScriptedServer
{
public:
  struct Datagram
  {
    std::string payload;  // the bytes as they arrived
    double ms;            // arrival, in milliseconds since the server was built
    uint16_t fromPort;    // the sender's port
    bool atRequestPort;   // arrived at the request port (else the player port)
  };

  // playerAddress: where the player port lives; another loopback address
  // (127.0.0.2) plays a server host that answers from an address other than
  // the one the request went to.
  explicit ScriptedServer(const char *playerAddress = "127.0.0.1");
  ~ScriptedServer();  // ends the script and closes both ports
  ScriptedServer(const ScriptedServer &) = delete;
  ScriptedServer &operator=(const ScriptedServer &) = delete;

  uint16_t RequestPort() const { return m_RequestPort; }
  uint16_t PlayerPort() const { return m_PlayerPort; }

  // Script steps, run in order; each delay counts from the end of the step
  // before.
  // Wait for the next datagram at the request port and answer it. The answer
  // comes from the player port, except an "(error ...)" answer, which comes
  // from the request port, as the real server sends it.
  ScriptedServer &AwaitRequest(const std::string &reply);
  // Wait until a datagram at the player port begins with prefix (one that came
  // earlier than this step, but after the last one matched, counts too).
  ScriptedServer &AwaitCommand(const std::string &prefix);
  // Send a text from the player port to the client.
  ScriptedServer &Send(const std::string &text, int delayMs = 0);
  // Do nothing for a while.
  ScriptedServer &Wait(int delayMs);
  // The server goes away: both ports are closed, so the client's later
  // datagrams meet a closed port.
  ScriptedServer &GoAway(int delayMs = 0);

  void Start();

  // A copy of every datagram received so far, in arrival order.
  std::vector<Datagram> Received() const;
  // Waits at most timeoutMs until the predicate holds on the datagrams
  // received; returns whether it holds.
  bool WaitFor(const std::function<bool(const std::vector<Datagram> &)> &pred, int timeoutMs) const;
  // Waits at most timeoutMs for the last step of the script to finish.
  bool WaitDone(int timeoutMs) const;

private:
  struct Step
  {
    enum Kind { AWAIT_REQUEST, AWAIT_COMMAND, SEND, WAIT, GO_AWAY } kind;
    std::string text;
    int delayMs;
  };
  using Clock = std::chrono::steady_clock;

  void Run();
  void ReceiveFrom(int fd, bool atRequestPort);
  void SendText(int fd, const std::string &text);
  bool CommandSeen(const std::string &prefix);
  void CloseAll();

  Clock::time_point m_Born;
  int m_RequestFd;
  int m_PlayerFd;
  uint16_t m_RequestPort;
  uint16_t m_PlayerPort;
  std::vector<Step> m_Script;
  std::thread m_Thread;

  // Below: written by the server's thread, read by the test thread.
  mutable std::mutex m_Mutex;
  mutable std::condition_variable m_Changed;
  std::vector<Datagram> m_Received;
  size_t m_ScanFrom;       // AwaitCommand looks from here on
  bool m_Done;
  bool m_Stop;
  bool m_RequestArrived;   // a datagram reached the request port, not yet answered
  sockaddr_in m_Client;    // where the server's texts go (the last sender)
  bool m_HaveClient;
};

#endif
