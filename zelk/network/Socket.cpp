#include "zelk/network/Socket.h"

#include "zelk/platform/Sockets.h"

namespace zelk {
namespace network {

Socket::Socket() : address(platform::socketAddress(0, 0)), socket(platform::noSocket) {}

Socket::~Socket() {
    closeSocket();
}

bool Socket::sendStream(Adress to, const void* data, unsigned int size) {
    return sendStream(to, const_cast<void*>(data), size);
}

bool Socket::sendStream(char* host, unsigned short port, void* data, unsigned int size) {
    return sendStream(Adress(host, port), data, size);
}

bool Socket::sendStream(const char* host, unsigned short port, const void* data,
                        unsigned int size) {
    return sendStream(Adress(host, port), const_cast<void*>(data), size);
}

bool Socket::createSocket(unsigned char kind) {
    if (kind != kindTCP && kind != kindUDP)
        return false;
    closeSocket();
    socket = platform::socketOpen(kind == kindTCP);
    return haveSocket();
}

bool Socket::haveSocket() {
    return socket >= 0;
}

int Socket::getSocket() {
    return socket;
}

void Socket::closeSocket() {
    platform::socketClose(socket);
    socket = platform::noSocket;
}

void Socket::cleanAdress() {
    cleanAdress(&address);
}

void Socket::cleanAdress(sockaddr_in* target) {
    if (target)
        *target = platform::socketAddress(0, 0);
}

sockaddr_in Socket::getAdress(unsigned int ip) {
    return platform::socketAddress(ip, 0);
}

sockaddr_in Socket::getAdress(char* host) {
    return platform::socketAddress(platform::resolveHostIPv4(host), 0);
}

sockaddr_in Socket::getAdress(const char* host) {
    return getAdress(const_cast<char*>(host));
}

unsigned int Socket::sendStream(int socket, void* data, unsigned int size) {
    return platform::socketSend(socket, nullptr, data, size);
}

unsigned int Socket::receiveStream(int socket, void* buffer, unsigned int size) {
    return platform::socketReceive(socket, nullptr, buffer, size, true);
}

bool Socket::sendStreamTo(int socket, sockaddr_in to, void* data, unsigned int size) {
    return platform::socketSend(socket, &to, data, size) != 0;
}

int Socket::receiveStreamFrom(int socket, sockaddr_in* from, void* buffer, unsigned int size) {
    return static_cast<int>(platform::socketReceive(socket, from, buffer, size, true));
}

void Socket::readPeer(const sockaddr_in& peer, Adress* adress) {
    unsigned int ip = platform::socketAddressIP(peer);
    if (ip != 0)
        adress->ip = ip;
    adress->setPort(platform::socketAddressPort(peer));
}

unsigned int Socket::receiveFromPeer(void* buffer, unsigned int size, Adress* from,
                                     sockaddr_in* sender) {
    if (!buffer || size == 0 || !from)
        return 0;
    cleanAdress(sender);
    int received = receiveStreamFrom(socket, sender, buffer, size);
    readPeer(*sender, from);
    return static_cast<unsigned int>(received);
}

int receiveStreamFromNonBlock(int socket, sockaddr_in* from, void* buffer, unsigned int size) {
    return static_cast<int>(platform::socketReceive(socket, from, buffer, size, false));
}

} // namespace network
} // namespace zelk
