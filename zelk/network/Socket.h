#ifndef ZELK_NETWORK_SOCKET_H
#define ZELK_NETWORK_SOCKET_H

#include "zelk/network/Adress.h"

#include <netinet/in.h>

namespace zelk {
namespace network {

// The base of the four endpoints: one IPv4 socket (-1 when there is none)
// and the sockaddr_in it last worked with. Endpoints send and receive raw
// byte blocks; every call waits on the caller's thread. Counts are never
// negative: a failure, and the end of a connection, answer 0. The socket is
// closed with the object.
class Socket {
public:
    // The socket kinds createSocket takes.
    static const unsigned char kindTCP = 187;
    static const unsigned char kindUDP = 170;

    Socket();
    virtual ~Socket();
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    // Sends size bytes to an endpoint; true when all were sent.
    virtual bool sendStream(Adress to, void* data, unsigned int size) = 0;
    // Receives up to size bytes; the count, 0 on failure.
    virtual unsigned int receiveStream(void* buffer, unsigned int size, Adress* from) = 0;

    bool sendStream(Adress to, const void* data, unsigned int size);
    bool sendStream(char* host, unsigned short port, void* data, unsigned int size);
    bool sendStream(const char* host, unsigned short port, const void* data, unsigned int size);

    // Makes a new socket of kind kindTCP or kindUDP, closing one held before;
    // false for any other kind or when the system makes none.
    bool createSocket(unsigned char kind);
    bool haveSocket();
    int getSocket();
    void closeSocket();

    // Resets the address to AF_INET, any host, port 0.
    void cleanAdress();
    static void cleanAdress(sockaddr_in* address);
    // A clean address whose host is ip, or the first address the host text
    // resolves to (any host when it does not resolve); the port is 0.
    static sockaddr_in getAdress(unsigned int ip);
    static sockaddr_in getAdress(char* host);
    static sockaddr_in getAdress(const char* host);

    // Operations on a socket descriptor. Sends write every byte; the count
    // they answer is size, or 0 when anything failed. A receive answers the
    // bytes read, 0 on a failure or at the end of a connection.
    static unsigned int sendStream(int socket, void* data, unsigned int size);
    static unsigned int receiveStream(int socket, void* buffer, unsigned int size);
    // Sends to the address (on a connected TCP socket the address is not used).
    static bool sendStreamTo(int socket, sockaddr_in to, void* data, unsigned int size);
    // Receives one block and the sender's address; from may be null.
    static int receiveStreamFrom(int socket, sockaddr_in* from, void* buffer, unsigned int size);

protected:
    // Copies the peer's ip and port into the address; a zero ip or port in
    // the peer leaves that part as it was.
    static void readPeer(const sockaddr_in& peer, Adress* adress);
    // Receives one block on the socket, its sender into *sender and *from;
    // the count, 0 for a null argument, size 0 or a failure.
    unsigned int receiveFromPeer(void* buffer, unsigned int size, Adress* from,
                                 sockaddr_in* sender);

    sockaddr_in address;
    int socket;
};

// receiveStreamFrom without waiting: 0 at once when nothing is waiting.
int receiveStreamFromNonBlock(int socket, sockaddr_in* from, void* buffer, unsigned int size);

} // namespace network
} // namespace zelk

#endif
