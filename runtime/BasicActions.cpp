// The brain's basic commands: each formats one command into the brain's
// action buffer and hands it to the agent, which sends it from this thread
// before the call returns.

#include "CBehaviours.h"

#include <cstdarg>
#include <cstdio>

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

int Issue(CBehaviours &brain, Counter counter, const char *format, ...) __attribute__((format(printf, 3, 4)));

int Issue(CBehaviours &brain, Counter counter, const char *format, ...)
{
  brain.Lock();
  // Counted under the brain's lock: the main loop and the sensors thread
  // (deferred scans) may send the same kind at once, and an unguarded
  // read-and-add would lose one of them.
  if (counter.get != nullptr)
    (brain.*counter.set)((brain.*counter.get)() + 1);
  va_list args;
  va_start(args, format);
  std::vsnprintf(brain.GetActionBuffer(), CBehaviours::ACTION_BUFFER_LENGTH, format, args);
  va_end(args);
  brain.Changed();
  brain.Unlock();
  return brain.Wait4NewAction2Exec();
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
  return Issue(*this, {&CBehaviours::GetTurnSent, &CBehaviours::SetTurnSent}, "(turn %.2f)\n",
               Round(moment, -2));
}

int CBehaviours::BasicDash(float power)
{
  return Issue(*this, {&CBehaviours::GetDashSent, &CBehaviours::SetDashSent}, "(dash %.2f)\n",
               Round(power, -2));
}

int CBehaviours::BasicKick(float power, float direction)
{
  return Issue(*this, {&CBehaviours::GetKickSent, &CBehaviours::SetKickSent}, "(kick %.2f %.2f)\n",
               Round(power, -2), Round(direction, -2));
}

int CBehaviours::BasicTurnNeck(float angle)
{
  return Issue(*this, {&CBehaviours::GetTurnNeckSent, &CBehaviours::SetTurnNeckSent}, "(turn_neck %.2f)\n",
               Round(angle, -2));
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
  return Issue(*this, kUncounted, "(catch %.2f)\n", Round(direction, -2));
}

int CBehaviours::BasicTackle(float power)
{
  return Issue(*this, kUncounted, "(tackle %.2f)\n", Round(power, -2));
}

int CBehaviours::BasicSenseBody()
{
  return Issue(*this, kUncounted, "(sense_body)\n");
}
