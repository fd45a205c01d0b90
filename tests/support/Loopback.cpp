#include "support/Loopback.h"

#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zelk {
namespace test {

namespace {

// Ports the system hands out itself are high and free at the moment.
unsigned short freePort(int kind) {
    int probe = socket(AF_INET, kind, 0);
    if (probe < 0)
        return 0;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    unsigned short port = 0;
    if (bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0)
        port = localPort(probe);
    close(probe);
    return port;
}

} // namespace

Watchdog::Watchdog(int seconds) : done(false) {
    guard = std::thread([this, seconds] {
        std::unique_lock<std::mutex> hold(lock);
        if (!finished.wait_for(hold, std::chrono::seconds(seconds), [this] { return done; })) {
            std::fprintf(stderr, "\nThe test did not finish within %d seconds.\n", seconds);
            std::_Exit(1);
        }
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard<std::mutex> hold(lock);
        done = true;
    }
    finished.notify_all();
    guard.join();
}

bool limitWaits(int socket, int milliseconds) {
    timeval limit{};
    limit.tv_sec = milliseconds / 1000;
    limit.tv_usec = (milliseconds % 1000) * 1000;
    return setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof(limit)) == 0 &&
           setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof(limit)) == 0;
}

network::Adress loopback(unsigned short port) {
    return network::Adress(127, 0, 0, 1, port);
}

unsigned short listenOnFreePort(network::tcp::ServerTCP& server) {
    for (int attempt = 0; attempt < 20; attempt++) {
        unsigned short port = freePort(SOCK_STREAM);
        if (port && server.startListen(port, 8)) {
            limitWaits(server.getSocket());
            return port;
        }
        server.disconnect();
    }
    return 0;
}

unsigned short bindOnFreePort(network::udp::ServerUDP& server) {
    for (int attempt = 0; attempt < 20; attempt++) {
        unsigned short port = freePort(SOCK_DGRAM);
        if (port && server.startBind(port)) {
            limitWaits(server.getSocket());
            return port;
        }
    }
    return 0;
}

int rawConnect(unsigned short port, unsigned short fromPort) {
    int connection = socket(AF_INET, SOCK_STREAM, 0);
    if (connection < 0)
        return -1;
    limitWaits(connection);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fromPort) {
        int on = 1;
        setsockopt(connection, SOL_SOCKET, SO_REUSEADDR, &on, sizeof(on));
        address.sin_port = htons(fromPort);
        if (bind(connection, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
            close(connection);
            return -1;
        }
    }
    address.sin_port = htons(port);
    if (connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        close(connection);
        return -1;
    }
    return connection;
}

unsigned short localPort(int socket) {
    sockaddr_in address{};
    socklen_t length = sizeof(address);
    if (getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

void resetOnClose(int socket) {
    linger now{};
    now.l_onoff = 1;
    now.l_linger = 0;
    setsockopt(socket, SOL_SOCKET, SO_LINGER, &now, sizeof(now));
}

int openDescriptors() {
    DIR* folder = opendir("/proc/self/fd");
    if (!folder)
        return -1;
    int count = 0;
    while (dirent* entry = readdir(folder)) {
        if (entry->d_name[0] != '.')
            count++;
    }
    closedir(folder);
    // The folder's own descriptor was counted too.
    return count - 1;
}

} // namespace test
} // namespace zelk
