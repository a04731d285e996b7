// The brain's basic commands: each formats one command into the brain's
// action buffer, hands it to the actuators through the agent, and waits
// (briefly) until it has gone out.

#include "CBehaviours.h"

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <thread>

namespace {

// "(say " and ")\n": a say text longer than the rest of the buffer is cut so
// that the command still closes.
const int kSayFrame = 7;

// How long the farewell may wait for the actuators.
const int kFarewellWaitMs = 1000;

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
  Issue(*this, kUncounted, "(bye)");
  // The farewell must reach the server before the process ends, so the wait
  // goes on past the usual one while the actuators still hold it; bounded, in
  // case their thread is stuck.
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kFarewellWaitMs);
  for (;;) {
    NewActionLock();
    const int pending = GetIsNewAction();
    NewActionUnlock();
    if (!pending || std::chrono::steady_clock::now() >= giveUp)
      break;
    if (m_MaxSimPolWait <= 0)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    Wait4NewAction2Exec();
  }
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

int CBehaviours::BasicSenseBody()
{
  return Issue(*this, kUncounted, "(sense_body)\n");
}
