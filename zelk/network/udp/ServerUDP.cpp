#include "zelk/network/udp/ServerUDP.h"

#include "zelk/platform/Sockets.h"

namespace zelk {
namespace network {
namespace udp {

ServerUDP::~ServerUDP() {
    closeBind();
}

bool ServerUDP::startBind(unsigned short port) {
    closeBind();
    if (!createSocket(kindUDP))
        return false;
    platform::setSocketAddressPort(&address, port);
    if (platform::socketBind(socket, address))
        return true;
    closeBind();
    return false;
}

void ServerUDP::closeBind() {
    if (haveSocket()) {
        closeSocket();
        adresses.deleteAllAdress();
    }
    cleanAdress();
}

bool ServerUDP::sendStream(Adress to, void* data, unsigned int size) {
    if (to.ip == 0 || to.port == 0 || !data || size == 0)
        return false;
    if (!haveSocket() && !createSocket(kindUDP))
        return false;
    nodeAdress* sender = adresses.getAdress(to);
    return sender && sendStreamTo(socket, sender->address, data, size);
}

unsigned int ServerUDP::receiveStream(void* buffer, unsigned int size, Adress* from) {
    sockaddr_in sender;
    unsigned int received = receiveFromPeer(buffer, size, from, &sender);
    if (received > 0 && !adresses.getAdress(*from))
        adresses.addAdress(*from, sender);
    return received;
}

} // namespace udp
} // namespace network
} // namespace zelk
