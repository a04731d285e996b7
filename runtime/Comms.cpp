#include "Comms.h"

#include "CActuators.h"
#include "CSensors.h"

#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

struct socket OpenLink(const char *host, int port)
{
  struct socket link;
  std::memset(&link, 0, sizeof link);
  link.socketfd = -1;
  if (host == nullptr)
    return link;

  // A name the resolver knows wins; otherwise the text must itself be a
  // dotted address.
  in_addr address;
  addrinfo hints;
  std::memset(&hints, 0, sizeof hints);
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_DGRAM;
  addrinfo *found = nullptr;
  if (getaddrinfo(host, nullptr, &hints, &found) == 0 && found != nullptr) {
    address = reinterpret_cast<sockaddr_in *>(found->ai_addr)->sin_addr;
    freeaddrinfo(found);
  } else {
    if (found != nullptr)
      freeaddrinfo(found);
    address.s_addr = inet_addr(host);
    if (address.s_addr == INADDR_NONE)
      return link;
  }

  int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
  if (fd < 0)
    return link;
  sockaddr_in local;
  std::memset(&local, 0, sizeof local);
  local.sin_family = AF_INET;
  local.sin_addr.s_addr = htonl(INADDR_ANY);
  local.sin_port = htons(0);
  if (bind(fd, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0) {
    close(fd);
    return link;
  }

  link.socketfd = fd;
  link.serv_addr.sin_family = AF_INET;
  link.serv_addr.sin_port = htons(static_cast<uint16_t>(port));
  link.serv_addr.sin_addr = address;
  return link;
}

int SendText(const struct socket &link, const char *text)
{
  if (text == nullptr)
    text = "";
  size_t length = std::strlen(text);
  // A link tied to the server (LockOnServer) sends to the address it is
  // tied to, which is the link's: without an address the kernel takes the
  // route it keeps for the tie instead of looking it up for every datagram.
  // An untied socket refuses a send without an address, and gets one.
  ssize_t sent = send(link.socketfd, text, length, 0);
  if (sent < 0 && errno == EDESTADDRREQ)
    sent = sendto(link.socketfd, text, length, 0,
                  reinterpret_cast<const sockaddr *>(&link.serv_addr), sizeof link.serv_addr);
  return sent >= 0 && static_cast<size_t>(sent) == length ? 0 : -1;
}

int ReceiveText(struct socket &link, char *buffer, int size, in_addr *sender)
{
  if (buffer == nullptr || size <= 0)
    return -1;
  sockaddr_in from;
  socklen_t fromLength = sizeof from;
  ssize_t n;
  do
    n = recvfrom(link.socketfd, buffer, static_cast<size_t>(size - 1), 0,
                 reinterpret_cast<sockaddr *>(&from), &fromLength);
  while (n < 0 && errno == EINTR);
  if (n < 0) {
    buffer[0] = '\0';
    return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : -1;
  }
  // The server answers a player from a port of that player's own; later
  // commands must go there.
  link.serv_addr.sin_port = from.sin_port;
  if (sender != nullptr)
    *sender = from.sin_addr;
  buffer[n] = '\0';
  return n > 0 ? 1 : 0;
}

int LockOnServer(const struct socket &link)
{
  return connect(link.socketfd, reinterpret_cast<const sockaddr *>(&link.serv_addr),
                 sizeof link.serv_addr) == 0 ? 0 : -1;
}

void CloseLink(const struct socket &link)
{
  if (link.socketfd >= 0)
    close(link.socketfd);
}

// The modules' ends of the link: the actuators open, send and close, the
// sensors receive; each keeps its own copy of the record.

struct socket CActuators::GetSocket() const
{
  return m_Socket;
}

void CActuators::SetSocket(struct socket s)
{
  m_Socket = s;
}

struct socket CActuators::InitConnection(const char *host, int port) const
{
  return OpenLink(host, port);
}

int CActuators::SendMessage(const char *text) const
{
  return SendText(m_Socket, text);
}

void CActuators::CloseConnection() const
{
  CloseLink(m_Socket);
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
  return ReceiveText(m_Socket, buffer, size);
}
