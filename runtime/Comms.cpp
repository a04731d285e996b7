#include "CActuators.h"
#include "CSensors.h"

struct socket CActuators::GetSocket() const
{
  return m_Socket;
}

void CActuators::SetSocket(struct socket s)
{
  m_Socket = s;
}

struct socket CActuators::InitConnection(const char *, int) const
{
  struct socket s = {};
  s.socketfd = -1;
  return s;
}

int CActuators::SendMessage(const char *) const
{
  return -1;
}

void CActuators::CloseConnection() const
{
}

struct socket CSensors::GetSocket() const
{
  return m_Socket;
}

void CSensors::SetSocket(struct socket s)
{
  m_Socket = s;
}

int CSensors::ReceiveMessage(char *buffer, int size)
{
  if (buffer && size > 0)
    buffer[0] = '\0';
  return -1;
}
