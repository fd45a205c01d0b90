#include "zelk/platform/Sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zelk {
namespace platform {

namespace {

const sockaddr* asAddress(const sockaddr_in* address) {
    return reinterpret_cast<const sockaddr*>(address);
}
sockaddr* asAddress(sockaddr_in* address) {
    return reinterpret_cast<sockaddr*>(address);
}

int acceptWithin(int socket, sockaddr_in* peer) {
    socklen_t length = sizeof(sockaddr_in);
    int connection;
    do {
        length = sizeof(sockaddr_in);
        connection = accept4(socket, asAddress(peer), peer ? &length : nullptr, SOCK_CLOEXEC);
    } while (connection < 0 && errno == EINTR);
    return connection;
}

} // namespace

int socketOpen(bool stream) {
    int kind = (stream ? SOCK_STREAM : SOCK_DGRAM) | SOCK_CLOEXEC;
    int socket = ::socket(AF_INET, kind, stream ? 0 : IPPROTO_UDP);
    return socket < 0 ? noSocket : socket;
}

void socketClose(int socket) {
    if (socket >= 0)
        close(socket);
}

bool socketReuseAddress(int socket) {
    int on = 1;
    return socket >= 0 && setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on)) == 0;
}

bool socketBind(int socket, const sockaddr_in& address) {
    return socket >= 0 && bind(socket, asAddress(&address), sizeof(sockaddr_in)) == 0;
}

bool socketListen(int socket, unsigned int backlog) {
    int waiting = backlog > SOMAXCONN ? SOMAXCONN : static_cast<int>(backlog);
    return socket >= 0 && listen(socket, waiting) == 0;
}

int socketAccept(int socket, sockaddr_in* peer, bool wait) {
    if (socket < 0)
        return noSocket;
    if (wait)
        return acceptWithin(socket, peer);
    // The listening socket stays blocking for everyone else; only this call
    // answers at once. The connection it gives is blocking.
    int flags = fcntl(socket, F_GETFL);
    if (flags < 0 || fcntl(socket, F_SETFL, flags | O_NONBLOCK) < 0)
        return noSocket;
    int connection = acceptWithin(socket, peer);
    fcntl(socket, F_SETFL, flags);
    return connection < 0 ? noSocket : connection;
}

bool socketConnect(int socket, const sockaddr_in& address) {
    return socket >= 0 && connect(socket, asAddress(&address), sizeof(sockaddr_in)) == 0;
}

unsigned int socketSend(int socket, const sockaddr_in* to, const void* data, unsigned int size) {
    if (socket < 0 || !data || size == 0)
        return 0;
    const char* bytes = static_cast<const char*>(data);
    unsigned int sent = 0;
    while (sent < size) {
        ssize_t written = sendto(socket, bytes + sent, size - sent, MSG_NOSIGNAL, asAddress(to),
                                 to ? sizeof(sockaddr_in) : 0);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return 0;
        sent += static_cast<unsigned int>(written);
    }
    return sent;
}

unsigned int socketReceive(int socket, sockaddr_in* from, void* buffer, unsigned int size,
                           bool wait) {
    if (socket < 0 || !buffer || size == 0)
        return 0;
    size_t room = size > INT_MAX ? INT_MAX : size;
    ssize_t received;
    do {
        socklen_t length = sizeof(sockaddr_in);
        received = recvfrom(socket, buffer, room, wait ? 0 : MSG_DONTWAIT, asAddress(from),
                            from ? &length : nullptr);
    } while (received < 0 && errno == EINTR);
    return received > 0 ? static_cast<unsigned int>(received) : 0;
}

sockaddr_in socketAddress(unsigned int ip, unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(ip);
    return address;
}

unsigned int socketAddressIP(const sockaddr_in& address) {
    return ntohl(address.sin_addr.s_addr);
}

unsigned short socketAddressPort(const sockaddr_in& address) {
    return ntohs(address.sin_port);
}

void setSocketAddressPort(sockaddr_in* address, unsigned short port) {
    if (address)
        address->sin_port = htons(port);
}

unsigned int resolveHostIPv4(const char* host) {
    if (!host)
        return 0;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &found) != 0 || !found)
        return 0;
    unsigned int ip = 0;
    if (found->ai_addr && found->ai_addrlen >= sizeof(sockaddr_in))
        ip = socketAddressIP(*reinterpret_cast<const sockaddr_in*>(found->ai_addr));
    freeaddrinfo(found);
    return ip;
}

} // namespace platform
} // namespace zelk
