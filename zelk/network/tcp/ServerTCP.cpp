#include "zelk/network/tcp/ServerTCP.h"

#include "zelk/platform/Sockets.h"

namespace zelk {
namespace network {
namespace tcp {

ServerTCP::nodeAdressTCP::nodeAdressTCP(Adress adress, sockaddr_in address, int socket)
    : nodeAdress(adress, address), socket(socket) {}

ServerTCP::nodeAdressTCP::~nodeAdressTCP() {
    platform::socketClose(socket);
}

ServerTCP::ServerTCP() : listened(false) {}

ServerTCP::~ServerTCP() {
    disconnect();
}

bool ServerTCP::startListen(unsigned short port, unsigned int backlog) {
    if (!haveSocket()) {
        createSocket(kindTCP);
        cleanAdress();
    } else if (listened) {
        return true;
    }
    if (!haveSocket())
        return false;
    platform::socketReuseAddress(socket);
    platform::setSocketAddressPort(&address, port);
    if (!platform::socketBind(socket, address)) {
        cleanAdress();
        return false;
    }
    if (!platform::socketListen(socket, backlog)) {
        closeSocket();
        return false;
    }
    listened = true;
    return true;
}

bool ServerTCP::haveListened() {
    return listened;
}

Adress ServerTCP::acceptClient() {
    return acceptTCPClient(false);
}

Adress ServerTCP::acceptNonBlockClient() {
    return acceptTCPClient(true);
}

Adress ServerTCP::acceptTCPClient(bool nonBlock) {
    if (!haveSocket() || !listened)
        return Adress();
    sockaddr_in peer = getAdress(0u);
    int connection = platform::socketAccept(socket, &peer, !nonBlock);
    if (connection < 0)
        return Adress();
    Adress client;
    readPeer(peer, &client);
    nodeAdressTCP* entry = static_cast<nodeAdressTCP*>(adresses.getAdress(client));
    if (entry) {
        platform::socketClose(entry->socket);
        entry->socket = connection;
        entry->address = peer;
        return client;
    }
    entry = new nodeAdressTCP(client, peer, connection);
    if (client.ip == 0 || client.port == 0 || !adresses.add(entry)) {
        delete entry;
        return Adress();
    }
    return client;
}

bool ServerTCP::sendStream(Adress client, void* data, unsigned int size) {
    if (!data || size == 0)
        return false;
    int connection = clientSocket(client);
    return connection >= 0 && Socket::sendStream(connection, data, size) == size;
}

unsigned int ServerTCP::receiveStream(void* buffer, unsigned int size, Adress* client) {
    if (!buffer || size == 0 || !client)
        return 0;
    int connection = clientSocket(*client);
    return connection < 0 ? 0 : Socket::receiveStream(connection, buffer, size);
}

unsigned int ServerTCP::receiveStream(void* buffer, unsigned int size, Adress client) {
    return receiveStream(buffer, size, &client);
}

bool ServerTCP::disconnectClient(Adress client) {
    return adresses.removeAdress(client);
}

void ServerTCP::disconnect() {
    listened = false;
    closeSocket();
    cleanAdress();
    adresses.deleteAllAdress();
}

unsigned int ServerTCP::getClients() {
    return adresses.size();
}

int ServerTCP::clientSocket(Adress client) {
    if (client.ip == 0 || client.port == 0)
        return platform::noSocket;
    nodeAdressTCP* entry = static_cast<nodeAdressTCP*>(adresses.getAdress(client));
    if (!entry)
        return platform::noSocket;
    if (entry->socket < 0) {
        disconnectClient(client);
        return platform::noSocket;
    }
    return entry->socket;
}

} // namespace tcp
} // namespace network
} // namespace zelk
