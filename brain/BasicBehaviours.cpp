#include "CBehaviours.h"

#include <sys/time.h>

#include <cerrno>
#include <cmath>
#include <ctime>
#include <iostream>

int CBehaviours::TimedWait(pthread_cond_t *cond, pthread_mutex_t *mutex, const int *flag,
                           int waitWhile, int milliseconds, const char *clockName,
                           const char *waitName) const
{
  const int time = GetTime();
  struct timeval now = {0, 0};
  if (gettimeofday(&now, nullptr) != 0)
    std::cerr << time << " ERROR: BasicBehaviours: " << clockName
              << ": gettimeofday returned error..." << std::endl;
  struct timespec deadline;
  deadline.tv_sec = now.tv_sec + milliseconds / 1000;
  deadline.tv_nsec = now.tv_usec * 1000L + (milliseconds % 1000) * 1000000L;
  if (deadline.tv_nsec > 999999999L)
  {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1000000000L;
  }
  int status = 0;
  while (*flag == waitWhile)
  {
    status = pthread_cond_timedwait(cond, mutex, &deadline);
    if (status == ETIMEDOUT)
      break;
    if (status != 0)
    {
      std::cerr << time << " WARNING: BasicBehaviours: " << waitName
                << ": Condition variable error status=" << status << "..." << std::endl;
      break;
    }
  }
  return status == 0 ? 1 : 0;
}

int CBehaviours::Wait4NewVisual()
{
  // The sensors thread stores the visual under the world-model lock, so a
  // decision pass that holds it must let go while it waits.
  const bool thinking = m_ThinkingInProgress;
  if (thinking)
    UnlockMemory();
  NewVisualLock();
  const int result = TimedWait(&m_NewVisualCond, &m_NewVisualMutex, &m_IsNewVisual, 0,
                               m_MaxSimVisualWait, "Wait4NewVisual", "Wait4NewVisual");
  NewVisualUnlock();
  if (thinking)
    LockMemory();
  return result;
}

int CBehaviours::Wait4NewAction2Exec()
{
  NewActionLock();
  const int result = TimedWait(&m_NewActionCond, &m_NewActionMutex, &m_IsNewAction, 1,
                               m_MaxSimPolWait, "WaitToExec", "Wait4NewAction2Exec");
  NewActionUnlock();
  return result;
}

float CBehaviours::NormaliseAngle(float angle) const
{
  // Stepping by 360 would never end for huge angles (the step vanishes in
  // the float's precision); bring those near the range first.
  if (std::fabs(angle) > 1.0e6f)
    angle = std::fmod(angle, 360.0f);
  while (angle > 180)
    angle -= 360;
  while (angle < -180)
    angle += 360;
  return angle;
}

float CBehaviours::Exp(float x, int n) const
{
  float result = 1.0f;
  for (int i = 0; i < n; i++)
    result *= x;
  return result;
}

float CBehaviours::int_pow(float x, int n) const
{
  if (n < 0)
    return 1.0f / int_pow(x, -n);
  return Exp(x, n);
}

float CBehaviours::Round(float x, int n) const
{
  const float p = int_pow(10, -n);
  const float y = x * p;
  const double fraction = std::fmod(static_cast<double>(y), 1.0);
  // Halves round away from zero on both sides: a negative value is rounded
  // like its positive mirror, not always down.
  double r;
  if (y >= 0)
    r = fraction >= 0.5 ? std::ceil(y) : std::floor(y);
  else
    r = fraction <= -0.5 ? std::floor(y) : std::ceil(y);
  return static_cast<float>(r / p);
}
