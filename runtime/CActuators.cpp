#include "CActuators.h"

#include <cstring>
#include <iostream>

CActuators::CActuators(CMediator *mediator)
  : CModule(mediator), m_Socket(), m_SendBuffer(), m_MaxSimStepWait(300),
    m_MaxSimPolWait(30), m_SimPol(1)
{
  m_Socket.socketfd = -1;
  std::cout << "[Creating Legs                    ]" << std::endl;
  pthread_mutex_init(&m_Mutex, nullptr);
  pthread_cond_init(&m_Cond, nullptr);
}

CActuators::~CActuators()
{
  pthread_mutex_destroy(&m_Mutex);
  pthread_cond_destroy(&m_Cond);
}

void CActuators::Lock()
{
  pthread_mutex_lock(&m_Mutex);
}

void CActuators::Unlock()
{
  pthread_mutex_unlock(&m_Mutex);
}

void CActuators::Signal()
{
  pthread_cond_signal(&m_Cond);
}

void CActuators::SetSendBuffer(const char *text)
{
  std::strncpy(m_SendBuffer, text, SEND_BUFFER_LENGTH - 1);
  m_SendBuffer[SEND_BUFFER_LENGTH - 1] = '\0';
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

CActuators *CActuators::GetThis()
{
  return this;
}

void CActuators::ActuatorThread()
{
}

void CActuators::Display() const
{
}

void CActuators::Abort(const char *, int code)
{
  DoExit(code);
}
