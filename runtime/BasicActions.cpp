// The brain's basic commands: each formats one command into the brain's
// action buffer and hands it to the agent, which sends it from this thread
// before the call returns.

#include "CBehaviours.h"

#include <cstdarg>
#include <cstdio>
#include <initializer_list>

#include "CommandText.h"

namespace {

// "(say " and ")\n": a say text longer than the rest of the buffer is cut so
// that the command still closes.
const int kSayFrame = 7;

// The sent counter a command raises, if any.
struct Counter
{
  int (CBehaviours::*get)() const;
  void (CBehaviours::*set)(int);
};
const Counter kUncounted = {nullptr, nullptr};

// Counts the command, has write put its text in the brain's action buffer and
// hands it on, all under the brain's lock, then waits for it to be sent.
template <typename Write>
int IssueWritten(CBehaviours &brain, Counter counter, const Write &write)
{
  brain.Lock();
  // Counted under the brain's lock: the main loop and the sensors thread
  // (deferred scans) may send the same kind at once, and an unguarded
  // read-and-add would lose one of them.
  if (counter.get != nullptr)
    (brain.*counter.set)((brain.*counter.get)() + 1);
  write(brain.GetActionBuffer());
  brain.Changed();
  brain.Unlock();
  return brain.Wait4NewAction2Exec();
}

int Issue(CBehaviours &brain, Counter counter, const char *format, ...) __attribute__((format(printf, 3, 4)));

int Issue(CBehaviours &brain, Counter counter, const char *format, ...)
{
  va_list args;
  va_start(args, format);
  const int result = IssueWritten(brain, counter, [&](char *buffer) {
    std::vsnprintf(buffer, CBehaviours::ACTION_BUFFER_LENGTH, format, args);
  });
  va_end(args);
  return result;
}

// The body commands go out several times a cycle, and formatting their
// numbers through printf was a dear part of sending them.
int IssueNumbers(CBehaviours &brain, Counter counter, const char *head,
                 std::initializer_list<double> values)
{
  return IssueWritten(brain, counter, [&](char *buffer) {
    if (FormatNumberCommand(buffer, CBehaviours::ACTION_BUFFER_LENGTH, head, values))
      return;
    // Too long to build aside (no body command is): printed as before.
    const double *v = values.begin();
    const std::size_t n = values.size();
    if (n == 1)
      std::snprintf(buffer, CBehaviours::ACTION_BUFFER_LENGTH, "%s %.2f)\n", head, v[0]);
    else if (n == 2)
      std::snprintf(buffer, CBehaviours::ACTION_BUFFER_LENGTH, "%s %.2f %.2f)\n", head, v[0], v[1]);
  });
}

}  // namespace

int CBehaviours::BasicSayBye()
{
  // Sent before Issue returns, so the process may end at once.
  Issue(*this, kUncounted, "(bye)");
  DoExit(0);
  return 0;
}

int CBehaviours::BasicMove(int x, int y)
{
  return Issue(*this, kUncounted, "(move %d %d)\n", x, y);
}

int CBehaviours::BasicTurn(float moment)
{
  return IssueNumbers(*this, {&CBehaviours::GetTurnSent, &CBehaviours::SetTurnSent}, "(turn",
                      {Round(moment, -2)});
}

int CBehaviours::BasicDash(float power)
{
  return IssueNumbers(*this, {&CBehaviours::GetDashSent, &CBehaviours::SetDashSent}, "(dash",
                      {Round(power, -2)});
}

int CBehaviours::BasicKick(float power, float direction)
{
  return IssueNumbers(*this, {&CBehaviours::GetKickSent, &CBehaviours::SetKickSent}, "(kick",
                      {Round(power, -2), Round(direction, -2)});
}

int CBehaviours::BasicTurnNeck(float angle)
{
  return IssueNumbers(*this, {&CBehaviours::GetTurnNeckSent, &CBehaviours::SetTurnNeckSent},
                      "(turn_neck", {Round(angle, -2)});
}

int CBehaviours::BasicSay(const char *text)
{
  return Issue(*this, {&CBehaviours::GetSaySent, &CBehaviours::SetSaySent}, "(say %.*s)\n",
               ACTION_BUFFER_LENGTH - 1 - kSayFrame, text != nullptr ? text : "");
}

int CBehaviours::BasicChangeView(const char *width, const char *quality)
{
  return Issue(*this, kUncounted, "(change_view %s %s)\n", width != nullptr ? width : "",
               quality != nullptr ? quality : "");
}

int CBehaviours::BasicCatch(float direction)
{
  return IssueNumbers(*this, kUncounted, "(catch", {Round(direction, -2)});
}

int CBehaviours::BasicTackle(float power)
{
  return IssueNumbers(*this, kUncounted, "(tackle", {Round(power, -2)});
}

int CBehaviours::BasicSenseBody()
{
  return Issue(*this, kUncounted, "(sense_body)\n");
}
