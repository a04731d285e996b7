#include "CActuators.h"

#include <sys/time.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>


namespace {

// Now plus ms milliseconds, on the clock the condition waits use.
timespec DeadlineIn(int ms, bool *clockFailed)
{
  timeval now;
  *clockFailed = gettimeofday(&now, nullptr) != 0;
  if (*clockFailed) {
    // Without a clock reading, wait from the epoch: the wait ends at once
    // and the pass goes on rather than hanging.
    now.tv_sec = 0;
    now.tv_usec = 0;
  }
  timespec deadline;
  deadline.tv_sec = now.tv_sec + ms / 1000;
  deadline.tv_nsec = now.tv_usec * 1000L + (ms % 1000) * 1000000L;
  if (deadline.tv_nsec > 999999999L) {
    deadline.tv_sec += 1;
    deadline.tv_nsec -= 1000000000L;
  }
  return deadline;
}

}  // namespace

CActuators::CActuators(CMediator *mediator)
    : CModule(mediator), m_MaxSimStepWait(300), m_MaxSimPolWait(30), m_SimPol(1), m_Transmitted(0), m_Sent(0),
      m_CheckedSent(0), m_QuietSinceMs(0), m_IdleCheckedByCaller(false),
      m_KeepAliveDue(false), m_StopRequested(false)
{
  std::cout << "[Creating Legs                    ]" << std::endl;
  pthread_mutex_init(&m_Mutex, nullptr);
  pthread_cond_init(&m_Cond, nullptr);
  pthread_cond_init(&m_SentCond, nullptr);
  std::memset(&m_Socket, 0, sizeof m_Socket);
  m_Socket.socketfd = -1;
  m_SendBuffer[0] = '\0';
}

CActuators::~CActuators()
{
  if (pthread_mutex_destroy(&m_Mutex) != 0)
    std::cerr << "ERROR: CActuators: ~CActuators: Problem while destroying mutex..." << std::endl;
  if (pthread_cond_destroy(&m_Cond) != 0)
    std::cerr << "ERROR: CActuators: ~CActuators: Problem while destroying conditional variable..."
              << std::endl;
  pthread_cond_destroy(&m_SentCond);
}

void CActuators::Lock()
{
  if (pthread_mutex_lock(&m_Mutex) != 0)
    std::cerr << GetTime() << " ERROR: CActuators: Lock: Locking error..." << std::endl;
}

void CActuators::Unlock()
{
  if (pthread_mutex_unlock(&m_Mutex) != 0)
    std::cerr << GetTime() << " ERROR: CActuators: Unlock: Unlocking error..." << std::endl;
}

void CActuators::Signal()
{
  if (pthread_cond_signal(&m_Cond) != 0)
    std::cerr << GetTime() << " ERROR: CActuators: Signal: Signaling error..." << std::endl;
}

void CActuators::SetSendBuffer(const char *text)
{
  if (m_SendBuffer[0] != '\0') {
    // The brain's wait for the previous command ran out, or a deferred scan
    // raced the main loop: the thread has not sent the previous command yet.
    // Waiting releases our mutex, so the thread can send it meanwhile.
    bool clockFailed;
    timespec deadline = DeadlineIn(m_MaxSimStepWait, &clockFailed);
    while (m_SendBuffer[0] != '\0')
      if (pthread_cond_timedwait(&m_SentCond, &m_Mutex, &deadline) != 0)
        break;
    if (m_SendBuffer[0] != '\0')
      std::cerr << GetTime() << " ERROR: CActuators: SetSendBuffer: Previous command not sent in time, dropped: "
                << m_SendBuffer << std::endl;
  }
  std::snprintf(m_SendBuffer, sizeof m_SendBuffer, "%s", text != nullptr ? text : "");
}

const char *CActuators::GetSendBuffer() const
{
  return m_SendBuffer;
}

void CActuators::Transmit(const char *text)
{
  // A command left in the buffer was posted first and goes first.
  if (m_SendBuffer[0] != '\0') {
    SendBuffered();
    pthread_cond_broadcast(&m_SentCond);
  }
  if (SendMessage(text != nullptr ? text : "") == -1)
    ReportFailedSend(text != nullptr ? text : "");
  m_Transmitted++;
  m_Sent++;
}

void CActuators::SendBuffered()
{
  if (SendMessage(m_SendBuffer) == -1)
    ReportFailedSend(m_SendBuffer);
  m_SendBuffer[0] = '\0';
  m_Sent++;
}

void CActuators::SendEmpty()
{
  // Its result is of no use: the empty datagram only keeps the link warm.
  SendMessage("");
  m_Sent++;
}

void CActuators::ReportFailedSend(const char *text) const
{
  std::cerr << GetTime() << " ERROR: CActuators: ActuatorThread: Problem while sending data...Has server died?"
            << std::endl;
  std::cerr << "---> SendBuffer is :" << text << ":" << std::endl;
}

void CActuators::SetMaxSimStepWait(int milliseconds)
{
  m_MaxSimStepWait = milliseconds;
}

void CActuators::SetMaxSimPolWait(int milliseconds)
{
  m_MaxSimPolWait = milliseconds;
}

void CActuators::SetSimPol(int simPol)
{
  m_SimPol = simPol;
}

void CActuators::SetIdleCheckedByCaller(bool byCaller)
{
  Lock();
  m_IdleCheckedByCaller = byCaller;
  Unlock();
}

void CActuators::CheckIdle(long long nowMs)
{
  Lock();
  // The first check only starts the count; a clock set back starts it anew.
  if (m_Sent != m_CheckedSent || m_QuietSinceMs == 0 || nowMs < m_QuietSinceMs) {
    m_CheckedSent = m_Sent;
    m_QuietSinceMs = nowMs;
  } else if (nowMs - m_QuietSinceMs >= m_MaxSimStepWait) {
    m_KeepAliveDue = true;
    m_QuietSinceMs = nowMs;
    Signal();
  }
  Unlock();
}

void CActuators::StopThread()
{
  Lock();
  m_StopRequested = true;
  Signal();
  Unlock();
}

CActuators *CActuators::GetThis()
{
  return this;
}

void CActuators::Display() const
{
  std::cout << GetTime() << " CActuators: Display: ACTUATORS Buffer: " << m_SendBuffer << std::endl;
}

void CActuators::Abort(const char *text, int code)
{
  std::cerr << GetTime() << " Agent " << GetUNum() << " Actuators: " << text << std::endl;
  DoExit(code);
}

void CActuators::ActuatorThread()
{
  std::cout << "ACTUATORS thread started!" << std::endl;
  while (GetStatus() == 1) {
    Lock();
    if (m_IdleCheckedByCaller ? !WaitForWork() : !TimedWaitForWork()) {
      Unlock();
      break;
    }
    pthread_cond_broadcast(&m_SentCond);
    Changed();
    Unlock();
  }
  CloseConnection();
}

bool CActuators::WaitForWork()
{
  while (GetIsNewAction() == 0 && !m_KeepAliveDue && !m_StopRequested) {
    if (pthread_cond_wait(&m_Cond, &m_Mutex) != 0) {
      std::cerr << GetTime() << " ERROR: CActuators: ActuatorThread: Conditional wait error..." << std::endl;
      break;
    }
  }
  if (m_StopRequested)
    return false;
  if (m_SendBuffer[0] != '\0')
    SendBuffered();
  else if (m_KeepAliveDue)
    SendEmpty();
  m_KeepAliveDue = false;
  return true;
}

bool CActuators::TimedWaitForWork()
{
  bool clockFailed;
  timespec deadline = DeadlineIn(m_MaxSimStepWait, &clockFailed);
  if (clockFailed)
    std::cerr << GetTime() << " ERROR: CActuators: ActuatorThread: gettimeofday returned error..." << std::endl;
  const unsigned transmitted = m_Transmitted;
  while (GetIsNewAction() == 0 && !m_StopRequested) {
    int rc = pthread_cond_timedwait(&m_Cond, &m_Mutex, &deadline);
    if (rc == ETIMEDOUT)
      break;
    if (rc != 0) {
      std::cerr << GetTime() << " ERROR: CActuators: ActuatorThread: Conditional wait error..." << std::endl;
      break;
    }
  }
  if (m_StopRequested)
    return false;
  if (m_SendBuffer[0] != '\0') {
    SendBuffered();
  } else if (m_Transmitted == transmitted) {
    // Nothing said all this while; the empty datagram tells the server we
    // are still here.
    SendEmpty();
  }
  return true;
}
