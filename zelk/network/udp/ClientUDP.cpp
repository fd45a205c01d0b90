#include "zelk/network/udp/ClientUDP.h"

#include "zelk/platform/Sockets.h"

namespace zelk {
namespace network {
namespace udp {

bool ClientUDP::sendStream(Adress to, void* data, unsigned int size) {
    if (to.ip == 0 || to.port == 0 || !data || size == 0)
        return false;
    if (!haveSocket() && !createSocket(kindUDP))
        return false;
    if (to != destination) {
        destination = to;
        loadNewSendAdress(to.ip);
        platform::setSocketAddressPort(&address, to.port);
    }
    return sendStreamTo(socket, address, data, size);
}

unsigned int ClientUDP::receiveStream(void* buffer, unsigned int size, Adress* from) {
    sockaddr_in sender;
    return receiveFromPeer(buffer, size, from, &sender);
}

void ClientUDP::loadNewSendAdress(unsigned int ip) {
    address = getAdress(ip);
}

void ClientUDP::loadNewSendAdress(char* host) {
    address = getAdress(host);
}

void ClientUDP::loadNewSendAdress(const char* host) {
    address = getAdress(host);
}

} // namespace udp
} // namespace network
} // namespace zelk
