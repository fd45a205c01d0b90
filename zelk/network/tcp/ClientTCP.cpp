#include "zelk/network/tcp/ClientTCP.h"

#include "zelk/platform/Sockets.h"

namespace zelk {
namespace network {
namespace tcp {

ClientTCP::ClientTCP() : connected(false) {}

ClientTCP::~ClientTCP() {
    disconnect();
}

bool ClientTCP::connectSocket(Adress to) {
    disconnect();
    if (to.ip == 0 || to.port == 0)
        return false;
    if (!haveSocket())
        createSocket(kindTCP);
    if (!haveSocket())
        return false;
    address = getAdress(to.ip);
    platform::setSocketAddressPort(&address, to.port);
    if (!platform::socketConnect(socket, address))
        return false;
    connected = true;
    server = to;
    return true;
}

bool ClientTCP::connectSocket(char* host, unsigned short port) {
    return connectSocket(Adress(host, port));
}

bool ClientTCP::connectSocket(const char* host, unsigned short port) {
    return connectSocket(Adress(host, port));
}

bool ClientTCP::haveConnection() {
    return connected;
}

void ClientTCP::disconnect() {
    closeSocket();
    cleanAdress();
    connected = false;
}

bool ClientTCP::sendStream(Adress to, void* data, unsigned int size) {
    if (to.ip == 0 || to.port == 0 || !data || size == 0)
        return false;
    if (to != server && !connectSocket(to))
        return false;
    return sendStream(data, size);
}

bool ClientTCP::sendStream(void* data, unsigned int size) {
    if (!data || size == 0 || !haveSocket() || !connected)
        return false;
    return Socket::sendStream(socket, data, size) == size;
}

bool ClientTCP::sendStream(const char* text, unsigned int size) {
    return sendStream(static_cast<void*>(const_cast<char*>(text)), size);
}

unsigned int ClientTCP::receiveStream(void* buffer, unsigned int size, Adress* from) {
    if (!from || !buffer || size == 0)
        return 0;
    if (*from != server && !connectSocket(*from))
        return 0;
    return receiveStream(buffer, size);
}

unsigned int ClientTCP::receiveStream(void* buffer, unsigned int size) {
    if (!haveSocket() || !connected)
        return 0;
    return Socket::receiveStream(socket, buffer, size);
}

} // namespace tcp
} // namespace network
} // namespace zelk
