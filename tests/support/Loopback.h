#ifndef ZELK_TESTS_LOOPBACK_H
#define ZELK_TESTS_LOOPBACK_H

#include "zelk/network/Adress.h"
#include "zelk/network/tcp/ServerTCP.h"
#include "zelk/network/udp/ServerUDP.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zelk {
namespace test {

// Sockets on the loopback address for the network suites. Every blocking
// step of a test is bounded: sockets get receive and send time limits, and a
// watchdog ends a test that still runs after a generous limit, so a fault
// can fail the suite but never hang it.

// How long one receive, accept or send of a test may wait.
constexpr int loopbackWaitMilliseconds = 10000;

// Ends the process with a message when the test has not finished within the
// seconds.
class Watchdog {
public:
    explicit Watchdog(int seconds = 120);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex lock;
    std::condition_variable finished;
    bool done;
    std::thread guard;
};

// Bounds every receive, accept and send on the descriptor (connections a
// listening socket accepts inherit the bounds).
bool limitWaits(int socket, int milliseconds = loopbackWaitMilliseconds);

// 127.0.0.1 with the port.
network::Adress loopback(unsigned short port);

// Starts the server on a free high port with bounded waits; the port, or 0.
unsigned short listenOnFreePort(network::tcp::ServerTCP& server);
unsigned short bindOnFreePort(network::udp::ServerUDP& server);

// A plain TCP connection to the loopback port with bounded waits, from the
// given local port (any when 0); -1 when it fails.
int rawConnect(unsigned short port, unsigned short localPort = 0);
// The local port a descriptor is bound to; 0 when none.
unsigned short localPort(int socket);
// Makes the next close of the connection end it with a reset instead of an
// orderly end.
void resetOnClose(int socket);
// How many descriptors the process holds open.
int openDescriptors();

} // namespace test
} // namespace zelk

#endif
