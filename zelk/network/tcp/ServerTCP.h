#ifndef ZELK_NETWORK_TCP_SERVERTCP_H
#define ZELK_NETWORK_TCP_SERVERTCP_H

#include "zelk/network/ServerSocket.h"

namespace zelk {
namespace network {
namespace tcp {

// A listening TCP socket and a table of the clients it has accepted, one
// connection per client address. The server closes its clients' connections
// when it disconnects and when it is destroyed.
class ServerTCP : public ServerSocket {
public:
    // One accepted client; the entry owns its connection and closes it when
    // deleted.
    class nodeAdressTCP : public nodeAdress {
    public:
        nodeAdressTCP(Adress adress, sockaddr_in address, int socket);
        ~nodeAdressTCP() override;

        int socket;
    };

    ServerTCP();
    ~ServerTCP() override;

    using ServerSocket::receiveStream;
    using ServerSocket::sendStream;

    // Listens on the port of every local address; true at once when
    // listening already.
    bool startListen(unsigned short port, unsigned int backlog);
    bool haveListened();

    // Waits for the next client and answers its address; the zero address
    // on failure.
    Adress acceptClient();
    // Answers at once: the zero address when no client is waiting.
    Adress acceptNonBlockClient();
    // A client whose address is in the table already gets the new
    // connection; the old one is closed.
    Adress acceptTCPClient(bool nonBlock);

    // To a client of the table; true when every byte was sent.
    bool sendStream(Adress client, void* data, unsigned int size) override;
    // From a client of the table: the bytes read, 0 on failure or when the
    // client has closed the connection.
    unsigned int receiveStream(void* buffer, unsigned int size, Adress* client) override;
    unsigned int receiveStream(void* buffer, unsigned int size, Adress client);

    // Closes the client's connection and forgets it.
    bool disconnectClient(Adress client);
    // Stops listening and drops every client.
    void disconnect();
    unsigned int getClients();

private:
    // The connection of a client of the table; -1 when there is none.
    int clientSocket(Adress client);

    bool listened;
};

} // namespace tcp
} // namespace network
} // namespace zelk

#endif
