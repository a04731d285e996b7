#include "CBehaviours.h"

#include <sys/time.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <ctime>
#include <iostream>

#include "Geometry.h"

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

int CBehaviours::Wait4NewVisual(int milliseconds)
{
  // The sensors thread stores the visual under the world-model lock, so a
  // decision pass that holds it must let go while it waits.
  const bool thinking = m_ThinkingInProgress;
  if (thinking)
    UnlockMemory();
  NewVisualLock();
  const int result = TimedWait(&m_NewVisualCond, &m_NewVisualMutex, &m_IsNewVisual, 0,
                               milliseconds > 0 ? milliseconds : m_MaxSimVisualWait,
                               "Wait4NewVisual", "Wait4NewVisual");
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
  bool tooLarge = false;
  const float normalised = ::NormaliseAngle(angle, tooLarge);
  if (tooLarge)
    std::cerr << GetTime() << " ERROR: CBehaviours: NormaliseAngle: CRITICAL ERROR - Angle = "
              << angle << std::endl;
  return normalised;
}

float CBehaviours::ATan(float x) const
{
  return static_cast<float>(std::atan(x) * kRadToDeg);
}

float CBehaviours::ASin(float x) const
{
  if (x >= 1)
    return 90;
  if (x <= -1)
    return -90;
  return static_cast<float>(std::asin(x) * kRadToDeg);
}

float CBehaviours::Sin(float angle) const
{
  return static_cast<float>(std::sin(angle * kDegToRad));
}

float CBehaviours::AngleToFromBody(CVector point) const
{
  return NormaliseAngle((point - GetGPos()).GetDir() - GetBFacing());
}

CVector CBehaviours::BodyPolar2Gpos(float dist, float angle) const
{
  return GetGPos() + Polar2CVector(dist, angle).Rotate(GetBFacing());
}

float CBehaviours::GoAngle(float x) const
{
  return x > 1 ? 10 / x + 5 : 15;
}

float CBehaviours::SignF(float x) const
{
  return x > 0 ? 1.0f : -1.0f;
}

int CBehaviours::Sign(int x) const
{
  return x < 0 ? -1 : 1;
}

float CBehaviours::Sqr(float x) const
{
  return x * x;
}

int CBehaviours::Sqr(int x) const
{
  return x * x;
}

float CBehaviours::Exp(float x, int n) const
{
  return ::Exp(x, n);
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

double CBehaviours::SumInfGeomSeries(float first, float r) const
{
  // A ratio of 1 never converges: the series of zeros sums to 0, any other
  // goes on for ever, given as the largest float rather than infinity.
  if (r == 1.0f)
    return first == 0 ? 0.0 : (first > 0 ? FLT_MAX : -FLT_MAX);
  return first / (1.0 - r);
}

double CBehaviours::SolveForSumInfGeomSeries(float r, float sum) const
{
  return (1.0 - r) * sum;
}

double CBehaviours::SolveForFirstTermGeomSeries(float r, int n, float sum) const
{
  if (n <= 0)
    return 0;
  // With a ratio of 1 the n terms are equal (the formula's limit).
  if (r == 1.0f)
    return static_cast<double>(sum) / n;
  return (r - 1.0) * sum / (Exp(r, n) - 1.0);
}

float CBehaviours::SumGeomSeries(float first, float r, int n) const
{
  return ::SumGeomSeries(first, r, n);
}

float CBehaviours::SolveForLengthGeomSeries(float first, float r, float sum) const
{
  return ::SolveForLengthGeomSeries(first, r, sum, GetTime());
}

CVector CBehaviours::PointInBetween(CVector a, CVector b, float dist) const
{
  return ::PointInBetween(a, b, dist);
}

bool CBehaviours::IsPointInCone(CVector point, float ratio, CVector end, CVector apex) const
{
  return ::IsPointInCone(point, ratio, end, apex);
}

float CBehaviours::EffectiveTurn(float moment, float speed) const
{
  return moment / (speed * m_InertiaMoment + 1.0f);
}

float CBehaviours::MaxEffectiveTurn() const
{
  return EffectiveTurn(static_cast<float>(m_MaxMoment), GetSB().speed);
}

int CBehaviours::NumTurns2Angle(float target, float facing, float speed) const
{
  // Exactly 180 would flip to -180 and back while the facing closes in.
  if (target == 180.0f)
    target = 179.9f;
  target = NormaliseAngle(target);
  facing = NormaliseAngle(facing);
  const float maxMoment = static_cast<float>(m_MaxMoment);
  int n = 0;
  while (std::fabs(target - facing) > m_MaxGoToPointAngleErr)
  {
    const float d = NormaliseAngle(target - facing);
    const float e = EffectiveTurn(maxMoment, speed);
    const float turn = e > std::fabs(d) ? SignF(d) * std::fabs(d) : SignF(d) * e;
    facing = NormaliseAngle(facing + turn);
    speed *= m_PlayerDecay;
    if (n > 20)
      break;
    n++;
  }
  return n;
}

int CBehaviours::NumTurns2Angle(float target) const
{
  return NumTurns2Angle(target, GetBFacing(), GetSB().speed);
}

bool CBehaviours::IsPointInBounds(float x, float y, float buffer) const
{
  const float halfLength = m_PitchLength / 2;
  const float halfWidth = m_PitchWidth / 2;
  return -halfLength + buffer < x && x < halfLength - buffer && -halfWidth + buffer < y &&
         y < halfWidth - buffer;
}

bool CBehaviours::IsPointInBounds(CVector point, float buffer) const
{
  return IsPointInBounds(point.GetX(), point.GetY(), buffer);
}

void CBehaviours::ResetInterceptionMinCyc()
{
  m_IntMinCycTime--;
}

// ------------------------------------------------ the shorter forms

int CBehaviours::BallPathInterceptValid()
{
  VerifyBPIInfo();
  return m_Bpivalid;
}

int CBehaviours::BallPathInterceptAmIThere()
{
  return BallPathInterceptAmIThere(m_MinDistToPoint);
}

bool CBehaviours::IsSuccessRes(INTERCEPTRES result) const
{
  return result == INTERCEPT_RUNNING || result == INTERCEPT_DONE;
}

CVector CBehaviours::MyInterceptionPoint(float power)
{
  return InterceptionPoint(nullptr, power);
}

CVector CBehaviours::MyInterceptionPoint()
{
  return MyInterceptionPoint(CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
}

float CBehaviours::MyDashPowerToIntercept(float power)
{
  return DashPowerToIntercept(nullptr, power);
}

float CBehaviours::MyDashPowerToIntercept()
{
  return MyDashPowerToIntercept(CorrectDashPower4Stamina(static_cast<float>(m_MaxPower)));
}

int CBehaviours::PassBall(const CPlayer *p)
{
  return PassBall(p, m_MaxPassSpeedAtTarget);
}

int CBehaviours::CleverDribbleTo()
{
  // Carries on with the dribble asked last.
  return CleverDribbleTo(m_Dribbling.target, m_Dribbling.speed, m_Dribbling.buffer);
}

int CBehaviours::CleverDribbleTo(CVector target, float speed)
{
  return CleverDribbleTo(target, speed, m_MinDistToPoint);
}

KICKMODE CBehaviours::BestMode(float relDir)
{
  return BestModeAbs(NormaliseAngle(GetBFacing() + relDir));
}

int CBehaviours::SmartKickAbs()
{
  // Carries on with the smart kick asked last.
  return SmartKickAbs(m_Kicking.smart_dir, m_Kicking.smart_mode, m_Kicking.smart_speed, m_Kicking.smart_rot);
}

int CBehaviours::SpinKick(float dir, ROTDIR rot, bool execute, ACTIONQUEUE *queue)
{
  return SpinKick(m_SpinKickFactor1, dir, rot, execute, m_SpinKickFactor2, m_KickStraightFactor,
                  queue);
}
