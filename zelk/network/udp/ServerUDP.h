#ifndef ZELK_NETWORK_UDP_SERVERUDP_H
#define ZELK_NETWORK_UDP_SERVERUDP_H

#include "zelk/network/ServerSocket.h"

namespace zelk {
namespace network {
namespace udp {

// A UDP socket bound to a port that records everyone who sends to it and
// answers only those.
class ServerUDP : public ServerSocket {
public:
    ServerUDP() = default;
    ~ServerUDP() override;

    using ServerSocket::receiveStream;
    using ServerSocket::sendStream;

    // Binds a new socket to the port on every local address; a socket held
    // before is closed first, with its senders.
    bool startBind(unsigned short port);
    // Closes the socket and forgets every sender.
    void closeBind();

    // One datagram to a recorded sender; true when the system took all of it.
    bool sendStream(Adress to, void* data, unsigned int size) override;
    // One datagram and its sender in *from, who is recorded when new: the
    // bytes read (a datagram longer than size is cut), 0 on failure.
    unsigned int receiveStream(void* buffer, unsigned int size, Adress* from) override;
};

} // namespace udp
} // namespace network
} // namespace zelk

#endif
