#ifndef ZELK_PLATFORM_SOCKETS_H
#define ZELK_PLATFORM_SOCKETS_H

#include <netinet/in.h>

namespace zelk {
namespace platform {

// IPv4 sockets over the BSD interface. A socket is a descriptor; -1 is none
// (0 is a valid descriptor). Every call waits on the caller's thread unless
// it says otherwise, is retried when a signal interrupts it, and answers a
// plain result: counts are never negative, a failure is 0, false or -1.
// Writing to a connection the peer has closed is a failure, never a signal.

constexpr int noSocket = -1;

// A new TCP (stream) or UDP (datagram) socket; -1 when the system makes none.
int socketOpen(bool stream);
// Closes a socket; -1 is ignored.
void socketClose(int socket);

// Lets a server bind its port again while old connections to it linger.
bool socketReuseAddress(int socket);
bool socketBind(int socket, const sockaddr_in& address);
bool socketListen(int socket, unsigned int backlog);
// The next connection, and the peer's address in *peer (which may be null);
// -1 on failure. Without wait it answers -1 at once when none is waiting.
int socketAccept(int socket, sockaddr_in* peer, bool wait);
bool socketConnect(int socket, const sockaddr_in& address);

// Writes every byte, in as many system writes as it takes, to the
// connection or, with a destination, as one datagram. The count (size) when
// all was written; 0 on any failure.
unsigned int socketSend(int socket, const sockaddr_in* to, const void* data, unsigned int size);
// One read of up to size bytes (at most 2147483647), with the sender's
// address in *from when from is not null. The count read; 0 on a failure,
// at the end of a connection and, without wait, when nothing is waiting.
unsigned int socketReceive(int socket, sockaddr_in* from, void* buffer, unsigned int size,
                           bool wait);

// An AF_INET address of ip (a.b.c.d packed as a<<24 | b<<16 | c<<8 | d) and
// port, both given in host order, with the trailing bytes zero.
sockaddr_in socketAddress(unsigned int ip, unsigned short port);
// The ip and port of an address, in host order.
unsigned int socketAddressIP(const sockaddr_in& address);
unsigned short socketAddressPort(const sockaddr_in& address);
void setSocketAddressPort(sockaddr_in* address, unsigned short port);

// The first IPv4 address of a host name or dotted text, packed as above; 0
// for null or when the name does not resolve.
unsigned int resolveHostIPv4(const char* host);

} // namespace platform
} // namespace zelk

#endif
