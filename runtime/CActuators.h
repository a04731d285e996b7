#ifndef CACTUATORS_H
#define CACTUATORS_H

#include <pthread.h>

#include "CModule.h"
#include "Records.h"

// The legs: the module whose thread transmits the commands the brain formats.
// The agent copies each command into the send buffer and wakes the thread;
// when nothing comes within max_sim_step_wait the thread sends an empty
// datagram, so the server always hears from the player.
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
  void SetMaxSimStepWait(int milliseconds);
  void SetMaxSimPolWait(int milliseconds);
  void SetSimPol(int simPol);

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
  pthread_mutex_t m_Mutex;
  pthread_cond_t m_Cond;       // a command was posted
  pthread_cond_t m_SentCond;   // the send buffer was emptied
  struct socket m_Socket;
  char m_SendBuffer[SEND_BUFFER_LENGTH];
  int m_MaxSimStepWait;
  int m_MaxSimPolWait;
  int m_SimPol;
};

#endif
