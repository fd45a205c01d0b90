// Moving 64 MB over a loopback TCP connection through ClientTCP and
// ServerTCP, against the same transfer over plain sockets, in one run. Each
// side sends from one thread and receives on the other, one system read at a
// time.

#include "zelk/network/tcp/ClientTCP.h"
#include "zelk/network/tcp/ServerTCP.h"

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

const unsigned int transferBytes = 64u * 1024u * 1024u;

std::vector<char>& payload() {
    static std::vector<char> bytes(transferBytes, 'z');
    return bytes;
}

sockaddr_in loopbackAddress(unsigned short port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

// A listening plain socket on a port the system picks; -1 when none.
int listenAnywhere(unsigned short* port) {
    int server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopbackAddress(0);
    socklen_t length = sizeof(address);
    if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(server, 4) != 0 ||
        getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        close(server);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return server;
}

void BM_TransferEngine(benchmark::State& state) {
    zelk::network::tcp::ServerTCP server;
    unsigned short port = 0;
    // The probe's port is free the moment it is closed.
    for (int attempt = 0; attempt < 20 && !server.haveListened(); attempt++) {
        int probe = listenAnywhere(&port);
        close(probe);
        if (probe >= 0)
            server.startListen(port, 4);
    }
    zelk::network::tcp::ClientTCP client;
    if (!server.haveListened() ||
        !client.connectSocket(zelk::network::Adress(127, 0, 0, 1, port))) {
        state.SkipWithError("no loopback connection");
        return;
    }
    zelk::network::Adress peer = server.acceptClient();
    std::vector<char> received(transferBytes);
    for (auto _ : state) {
        std::thread sender([&client] { client.sendStream(payload().data(), transferBytes); });
        unsigned int got = 0;
        while (got < transferBytes) {
            unsigned int read =
                server.receiveStream(received.data() + got, transferBytes - got, peer);
            if (read == 0)
                break;
            got += read;
        }
        sender.join();
        if (got != transferBytes)
            state.SkipWithError("the transfer stopped short");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * transferBytes);
}
BENCHMARK(BM_TransferEngine)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TransferPlainSockets(benchmark::State& state) {
    unsigned short port = 0;
    int server = listenAnywhere(&port);
    int client = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = loopbackAddress(port);
    if (server < 0 || client < 0 ||
        connect(client, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
        state.SkipWithError("no loopback connection");
        return;
    }
    int peer = accept(server, nullptr, nullptr);
    std::vector<char> received(transferBytes);
    for (auto _ : state) {
        std::thread sender([client] {
            const char* data = payload().data();
            size_t sent = 0;
            while (sent < transferBytes) {
                ssize_t written = send(client, data + sent, transferBytes - sent, 0);
                if (written <= 0)
                    break;
                sent += static_cast<size_t>(written);
            }
        });
        size_t got = 0;
        while (got < transferBytes) {
            ssize_t read = recv(peer, received.data() + got, transferBytes - got, 0);
            if (read <= 0)
                break;
            got += static_cast<size_t>(read);
        }
        sender.join();
        if (got != transferBytes)
            state.SkipWithError("the transfer stopped short");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * transferBytes);
    close(peer);
    close(client);
    close(server);
}
BENCHMARK(BM_TransferPlainSockets)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
