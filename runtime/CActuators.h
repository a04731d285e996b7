#ifndef CACTUATORS_H
#define CACTUATORS_H

#include <pthread.h>

#include "CModule.h"
#include "Records.h"

// The legs: the link's sending side. A command the brain formats goes out at
// once from the thread that posts it (Transmit): handing each one to the
// module's thread and waiting for it to be sent cost two thread switches a
// command, the dearest part of a cycle. The module's thread keeps the server
// hearing from the player: when nothing went out for max_sim_step_wait it
// sends an empty datagram; it also sends what a caller leaves in the send
// buffer. Left to itself the thread times its own waits; in a running agent
// the main loop, which wakes every cycle anyway, checks for the silence
// (CheckIdle) and the thread sleeps until there is something to send: a
// timed wait would wake it three times a second for nothing while commands
// go out every cycle.
class CActuators : public CModule
{
public:
  static const int SEND_BUFFER_LENGTH = 640;

  explicit CActuators(CMediator *mediator);
  ~CActuators() override;

  void Lock();
  void Unlock();
  void Signal();

  // The caller holds the module's mutex (Lock). A command still waiting to go
  // out is never overwritten: the call waits, at most max_sim_step_wait, until
  // the thread has sent it.
  void SetSendBuffer(const char *text);
  // What waits to be sent (read with the mutex held); the agent's tests read it.
  const char *GetSendBuffer() const;
  // The caller holds the module's mutex (Lock). Sends the command now, after
  // whatever still waits in the send buffer, and reports a failed send.
  void Transmit(const char *text);
  void SetMaxSimStepWait(int milliseconds);
  void SetMaxSimPolWait(int milliseconds);
  void SetSimPol(int simPol);

  // Set before the thread starts: the caller calls CheckIdle at least once a
  // max_sim_step_wait and the thread no longer times its waits.
  void SetIdleCheckedByCaller(bool byCaller);
  // Not under the module's mutex; nowMs is the caller's latest reading of a
  // clock in milliseconds. When nothing went out since a check at least
  // max_sim_step_wait before, the thread is asked for the empty datagram.
  void CheckIdle(long long nowMs);
  // Ends the thread's wait for good; the thread ends without sending.
  void StopThread();

  // The link (Comms.cpp).
  struct socket GetSocket() const;
  void SetSocket(struct socket s);
  struct socket InitConnection(const char *host, int port) const;
  int SendMessage(const char *text) const;
  void CloseConnection() const;

  CActuators *GetThis();
  void Display() const;
  void Abort(const char *text, int code);

  void ActuatorThread();

private:
  // Sends the send buffer's command and empties the buffer.
  void SendBuffered();
  void SendEmpty();
  // One pass's wait with the mutex held, and what it sends: false when the
  // thread is to end. Untimed while the caller checks for silence, else
  // bounded by max_sim_step_wait.
  bool WaitForWork();
  bool TimedWaitForWork();
  void ReportFailedSend(const char *text) const;

  pthread_mutex_t m_Mutex;
  pthread_cond_t m_Cond;       // a command was posted
  pthread_cond_t m_SentCond;   // the send buffer was emptied
  struct socket m_Socket;
  char m_SendBuffer[SEND_BUFFER_LENGTH];
  int m_MaxSimStepWait;
  int m_MaxSimPolWait;
  int m_SimPol;
  // Commands sent by Transmit so far: a pass of the thread in which one went
  // out was no idle one.
  unsigned m_Transmitted;
  // Every datagram sent so far, and the count and time CheckIdle last saw
  // it change.
  unsigned m_Sent;
  unsigned m_CheckedSent;
  long long m_QuietSinceMs;
  bool m_IdleCheckedByCaller;
  bool m_KeepAliveDue;
  bool m_StopRequested;
};

#endif
