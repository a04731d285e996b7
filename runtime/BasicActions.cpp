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

void Issue(CBehaviours &brain, const char *format, ...) __attribute__((format(printf, 2, 3)));

void Issue(CBehaviours &brain, const char *format, ...)
{
  brain.Lock();
  va_list args;
  va_start(args, format);
  std::vsnprintf(brain.GetActionBuffer(), CBehaviours::ACTION_BUFFER_LENGTH, format, args);
  va_end(args);
  brain.Changed();
  brain.Unlock();
  brain.Wait4NewAction2Exec();
}

}  // namespace

int CBehaviours::BasicSayBye()
{
  Issue(*this, "(bye)");
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
  Issue(*this, "(move %d %d)\n", x, y);
  return 0;
}

int CBehaviours::BasicTurn(float moment)
{
  SetTurnSent(GetTurnSent() + 1);
  Issue(*this, "(turn %.2f)\n", Round(moment, -2));
  return 0;
}

int CBehaviours::BasicDash(float power)
{
  SetDashSent(GetDashSent() + 1);
  Issue(*this, "(dash %.2f)\n", Round(power, -2));
  return 0;
}

int CBehaviours::BasicKick(float power, float direction)
{
  SetKickSent(GetKickSent() + 1);
  Issue(*this, "(kick %.2f %.2f)\n", Round(power, -2), Round(direction, -2));
  return 0;
}

int CBehaviours::BasicTurnNeck(float angle)
{
  SetTurnNeckSent(GetTurnNeckSent() + 1);
  Issue(*this, "(turn_neck %.2f)\n", Round(angle, -2));
  return 0;
}

int CBehaviours::BasicSay(const char *text)
{
  SetSaySent(GetSaySent() + 1);
  Issue(*this, "(say %.*s)\n", ACTION_BUFFER_LENGTH - 1 - kSayFrame, text != nullptr ? text : "");
  return 0;
}

int CBehaviours::BasicChangeView(const char *width, const char *quality)
{
  Issue(*this, "(change_view %s %s)\n", width != nullptr ? width : "", quality != nullptr ? quality : "");
  return 0;
}

int CBehaviours::BasicCatch(float direction)
{
  Issue(*this, "(catch %.2f)\n", Round(direction, -2));
  return 0;
}

int CBehaviours::BasicSenseBody()
{
  Issue(*this, "(sense_body)\n");
  return 0;
}
