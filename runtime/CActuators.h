#ifndef CACTUATORS_H
#define CACTUATORS_H

#include <pthread.h>

#include "CModule.h"
#include "Records.h"

// Talks to the server: its thread sends whatever command the agent posts,
// and an empty datagram when none came in time.
class CActuators : public CModule
{
public:
  static const int SEND_BUFFER_LENGTH = 640;

  explicit CActuators(CMediator *mediator);
  ~CActuators() override;

  void Lock();
  void Unlock();
  void Signal();
  void SetSendBuffer(const char *text);
  void SetMaxSimStepWait(int milliseconds);
  void SetMaxSimPolWait(int milliseconds);
  void SetSimPol(int simPol);

  struct socket GetSocket() const;
  void SetSocket(struct socket s);
  struct socket InitConnection(const char *host, int port) const;
  int SendMessage(const char *text) const;
  void CloseConnection() const;

  CActuators *GetThis();
  void ActuatorThread();
  void Display() const;
  void Abort(const char *text, int code);

private:
  pthread_mutex_t m_Mutex;
  pthread_cond_t m_Cond;
  struct socket m_Socket;
  char m_SendBuffer[SEND_BUFFER_LENGTH];
  int m_MaxSimStepWait;
  int m_MaxSimPolWait;
  int m_SimPol;
};

#endif
