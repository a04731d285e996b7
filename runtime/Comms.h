#ifndef COMMS_H
#define COMMS_H

#include "Records.h"

// The link to the server: one UDP socket, one text message per datagram.
// These work on the link record alone, so the actuators (opening, sending,
// closing), the sensors (receiving) and the handshake share them without
// knowing about each other.

// Opens a UDP socket bound to any local port, aimed at host:port. host is a
// name or a dotted IPv4 address. The descriptor is -1 when the host is
// unknown or the socket cannot be made.
struct socket OpenLink(const char *host, int port);

// Sends text (without its terminating NUL) as one datagram to the link's
// address; an empty text is a zero-length datagram. 0 when all of it went,
// -1 otherwise.
int SendText(const struct socket &link, const char *text);

// Receives one datagram into buffer (size bytes, which always keeps room for
// the terminating NUL; a longer datagram is cut). The sender's port becomes
// the link's port. 1 for a datagram with text, 0 for a zero-length one or
// nothing waiting, -1 for a failure (such as the server's port closing on a
// link that LockOnServer has tied to it). When sender is given, it receives
// the address the datagram came from.
int ReceiveText(struct socket &link, char *buffer, int size, in_addr *sender = nullptr);

// Ties the socket to the link's address. Before this, a UDP socket never
// hears that the server has gone; after it, the kernel reports the server's
// closed port as a failed receive, and datagrams from anywhere else are
// dropped. 0 on success, -1 otherwise.
int LockOnServer(const struct socket &link);

void CloseLink(const struct socket &link);

#endif
