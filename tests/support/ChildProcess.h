#ifndef CHILDPROCESS_H
#define CHILDPROCESS_H

// Runs a piece of the program in a child process, for code that ends the
// process (exit codes) or blocks on the network without a time-out of its
// own. The child's standard output and error are captured.
//
//   ScriptedServer server;            // bound, not started
//   server.AwaitRequest("(error no_more_team)");
//   ChildResult r = RunInChild([&] { ...; return 0; }, &server);
//   EXPECT_EQ(30, r.exitCode);
//
// The fork happens before the server's thread starts (RunInChild starts it),
// so the child may start threads of its own, also under ThreadSanitizer.

#include <functional>
#include <string>

class ScriptedServer;

struct ChildResult
{
  int exitCode;     // the child's exit status; -1 if it was killed or crashed
  bool timedOut;    // the child had to be killed after the time-out
  std::string out;  // what it wrote on its standard output
  std::string err;  // and on its standard error
};

// Forks; the child, holding no descriptor but its standard streams, runs body
// and exits with its result (streams flushed, no destructors). The parent starts server (if given), then waits at most
// timeoutMs for the child.
ChildResult RunInChild(const std::function<int()> &body, ScriptedServer *server = nullptr,
                       int timeoutMs = 20000);

#endif
