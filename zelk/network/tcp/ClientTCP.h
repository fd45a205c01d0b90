#ifndef ZELK_NETWORK_TCP_CLIENTTCP_H
#define ZELK_NETWORK_TCP_CLIENTTCP_H

#include "zelk/network/Socket.h"

namespace zelk {
namespace network {
namespace tcp {

// A TCP connection to one server. Sending to, or receiving from, another
// server's address first connects to that server instead.
class ClientTCP : public Socket {
public:
    ClientTCP();
    ~ClientTCP() override;

    using Socket::receiveStream;
    using Socket::sendStream;

    // Drops a connection held before; false for a zero ip or port or when
    // the server cannot be reached (the socket is then kept for a retry).
    bool connectSocket(Adress server);
    bool connectSocket(char* host, unsigned short port);
    bool connectSocket(const char* host, unsigned short port);
    bool haveConnection();
    void disconnect();

    bool sendStream(Adress to, void* data, unsigned int size) override;
    // To the connected server; true when every byte was sent.
    bool sendStream(void* data, unsigned int size);
    bool sendStream(const char* text, unsigned int size);

    unsigned int receiveStream(void* buffer, unsigned int size, Adress* from) override;
    // From the connected server: the bytes read, 0 on failure or when the
    // server has closed the connection.
    unsigned int receiveStream(void* buffer, unsigned int size);

private:
    Adress server;
    bool connected;
};

} // namespace tcp
} // namespace network
} // namespace zelk

#endif
