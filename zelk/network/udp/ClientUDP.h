#ifndef ZELK_NETWORK_UDP_CLIENTUDP_H
#define ZELK_NETWORK_UDP_CLIENTUDP_H

#include "zelk/network/Socket.h"

namespace zelk {
namespace network {
namespace udp {

// A UDP socket that sends datagrams to any address and receives from
// anyone. The socket is made on the first send.
class ClientUDP : public Socket {
public:
    ClientUDP() = default;

    using Socket::receiveStream;
    using Socket::sendStream;

    // One datagram; true when the system took all of it.
    bool sendStream(Adress to, void* data, unsigned int size) override;
    // One datagram and its sender in *from: the bytes read (a datagram
    // longer than size is cut), 0 on failure.
    unsigned int receiveStream(void* buffer, unsigned int size, Adress* from) override;

    // Points the socket's address at the host, port 0.
    void loadNewSendAdress(unsigned int ip);
    void loadNewSendAdress(char* host);
    void loadNewSendAdress(const char* host);

private:
    Adress destination;
};

} // namespace udp
} // namespace network
} // namespace zelk

#endif
