#include "zelk/network/tcp/ClientTCP.h"
#include "zelk/network/tcp/ServerTCP.h"

#include "support/Loopback.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

using zelk::network::Adress;
using zelk::network::Socket;
using zelk::network::tcp::ClientTCP;
using zelk::network::tcp::ServerTCP;
using zelk::test::limitWaits;
using zelk::test::listenOnFreePort;
using zelk::test::localPort;
using zelk::test::loopback;
using zelk::test::openDescriptors;
using zelk::test::rawConnect;
using zelk::test::resetOnClose;
using zelk::test::Watchdog;

namespace {

// Reads with the read operation until size bytes have come or it gives no
// more.
template <typename Read> std::string receiveAll(unsigned int size, Read read) {
    std::string text(size, '\0');
    unsigned int got = 0;
    while (got < size) {
        unsigned int count = read(&text[got], size - got);
        if (count == 0)
            break;
        got += count;
    }
    text.resize(got);
    return text;
}

std::string receiveAll(ServerTCP& server, Adress client, unsigned int size) {
    return receiveAll(
        size, [&](char* at, unsigned int room) { return server.receiveStream(at, room, client); });
}

std::string receiveAll(ClientTCP& client, unsigned int size) {
    return receiveAll(size,
                      [&](char* at, unsigned int room) { return client.receiveStream(at, room); });
}

// A server listening on a free loopback port, and a client connected to it
// and accepted.
class TCPPairTest : public ::testing::Test {
protected:
    void SetUp() override {
        port = listenOnFreePort(server);
        ASSERT_NE(0, port);
        ASSERT_TRUE(client.connectSocket(loopback(port)));
        limitWaits(client.getSocket());
        accepted = server.acceptClient();
        ASSERT_NE(0u, accepted.getIP());
    }

    Watchdog watchdog;
    ServerTCP server;
    ClientTCP client;
    unsigned short port = 0;
    Adress accepted;
};

TEST_F(TCPPairTest, TheServerKnowsTheClientByItsLoopbackAddressAndPort) {
    EXPECT_EQ(Adress::getIP(127, 0, 0, 1), accepted.getIP());
    EXPECT_EQ(localPort(client.getSocket()), accepted.getPort());
    EXPECT_EQ(1u, server.getClients());
    EXPECT_TRUE(client.haveConnection());
    EXPECT_TRUE(server.haveListened());
}

TEST_F(TCPPairTest, DataTravelsBothWays) {
    ASSERT_TRUE(client.sendStream("ping", 4));
    EXPECT_EQ("ping", receiveAll(server, accepted, 4));
    char reply[] = "pong!";
    ASSERT_TRUE(server.sendStream(accepted, reply, 5));
    EXPECT_EQ("pong!", receiveAll(client, 5));

    // The address forms of the client work on the connected server.
    ASSERT_TRUE(client.sendStream(loopback(port), reply, 5));
    EXPECT_EQ("pong!", receiveAll(server, accepted, 5));
    ASSERT_TRUE(server.sendStream(accepted, reply, 2));
    Adress from = loopback(port);
    char two[2];
    EXPECT_EQ(2u, client.receiveStream(two, 2, &from));
}

TEST_F(TCPPairTest, ALargeBlockArrivesWhole) {
    std::vector<char> block(8 * 1024 * 1024);
    for (size_t at = 0; at < block.size(); at++)
        block[at] = static_cast<char>(at % 251);
    std::string received;
    std::thread reader(
        [&] { received = receiveAll(server, accepted, static_cast<unsigned int>(block.size())); });
    bool sent = client.sendStream(block.data(), static_cast<unsigned int>(block.size()));
    reader.join();
    EXPECT_TRUE(sent);
    EXPECT_EQ(std::string(block.begin(), block.end()), received);
}

TEST_F(TCPPairTest, SendingToAnotherServerConnectsToItFirst) {
    ServerTCP other;
    unsigned short otherPort = listenOnFreePort(other);
    ASSERT_NE(0, otherPort);
    ASSERT_TRUE(client.sendStream(loopback(otherPort), "moved", 5));
    Adress second = other.acceptClient();
    ASSERT_NE(0u, second.getIP());
    EXPECT_EQ("moved", receiveAll(other, second, 5));
    // The first server sees its connection end.
    char byte;
    EXPECT_EQ(0u, server.receiveStream(&byte, 1, accepted));
}

TEST_F(TCPPairTest, TheEndOfAConnectionReadsAsZeroBytes) {
    client.disconnect();
    EXPECT_FALSE(client.haveConnection());
    char buffer[16];
    EXPECT_EQ(0u, server.receiveStream(buffer, sizeof(buffer), accepted));
    EXPECT_EQ(0u, client.receiveStream(buffer, sizeof(buffer)));
    EXPECT_FALSE(client.sendStream("late", 4));
}

TEST_F(TCPPairTest, AClientWhoLeftWhileTheServerSendsLeavesTheProcessAlive) {
    std::vector<char> block(4 * 1024 * 1024, 'z');
    std::atomic<bool> done{false};
    bool sent = true;
    std::thread sender([&] {
        for (int round = 0; round < 64 && sent; round++)
            sent =
                server.sendStream(accepted, block.data(), static_cast<unsigned int>(block.size()));
        done = true;
    });
    // Read a little of the stream, then drop the connection mid-send.
    char start[1000];
    EXPECT_GT(client.receiveStream(start, sizeof(start)), 0u);
    resetOnClose(client.getSocket());
    client.disconnect();
    sender.join();
    EXPECT_TRUE(done);
    EXPECT_FALSE(sent);
    // Writing on to the broken connection fails again instead of signalling.
    EXPECT_FALSE(server.sendStream(accepted, block.data(), 1));
}

TEST_F(TCPPairTest, AServerThatClosedTheClientLeavesTheClientsSendsFailing) {
    ASSERT_TRUE(server.disconnectClient(accepted));
    EXPECT_EQ(0u, server.getClients());
    EXPECT_FALSE(server.disconnectClient(accepted));
    EXPECT_FALSE(server.sendStream(accepted, const_cast<char*>("x"), 1));
    char buffer[4];
    EXPECT_EQ(0u, server.receiveStream(buffer, 4, accepted));

    std::vector<char> block(1024 * 1024, 'q');
    bool sent = true;
    for (int round = 0; round < 64 && sent; round++)
        sent = client.sendStream(block.data(), static_cast<unsigned int>(block.size()));
    EXPECT_FALSE(sent);
}

TEST_F(TCPPairTest, ClientReconnectingFromTheSameAddressReplacesAndClosesItsOldConnection) {
    int first = rawConnect(port);
    ASSERT_GE(first, 0);
    unsigned short fromPort = localPort(first);
    Adress raw = server.acceptClient();
    ASSERT_EQ(fromPort, raw.getPort());
    EXPECT_EQ(2u, server.getClients());
    int held = openDescriptors();

    resetOnClose(first);
    close(first);
    int second = rawConnect(port, fromPort);
    ASSERT_GE(second, 0);
    EXPECT_EQ(raw, server.acceptClient());
    EXPECT_EQ(2u, server.getClients());
    // One client socket went, one came: the old connection was closed.
    EXPECT_EQ(held, openDescriptors());

    ASSERT_TRUE(server.sendStream(raw, const_cast<char*>("new"), 3));
    char text[3];
    EXPECT_EQ(3, recv(second, text, 3, MSG_WAITALL));
    EXPECT_EQ(0, std::memcmp(text, "new", 3));
    close(second);
}

TEST(TCPServer, DestroyingTheServerClosesItsClients) {
    Watchdog watchdog;
    ServerTCP* server = new ServerTCP();
    unsigned short port = listenOnFreePort(*server);
    ASSERT_NE(0, port);
    int raw = rawConnect(port);
    ASSERT_GE(raw, 0);
    ASSERT_NE(0u, server->acceptClient().getIP());
    delete server;
    char byte;
    // An orderly end of the stream, not a time-out.
    EXPECT_EQ(0, recv(raw, &byte, 1, 0));
    close(raw);
}

TEST_F(TCPPairTest, DisconnectStopsListeningAndDropsEveryClient) {
    server.disconnect();
    EXPECT_FALSE(server.haveListened());
    EXPECT_FALSE(server.haveSocket());
    EXPECT_EQ(0u, server.getClients());
    EXPECT_EQ(0u, server.acceptClient().getIP());
    EXPECT_EQ(-1, rawConnect(port));
}

TEST(TCPServer, AcceptingWithoutWaitingAnswersTheZeroAddressWhenNoClientWaits) {
    Watchdog watchdog;
    ServerTCP server;
    EXPECT_EQ(0u, server.acceptNonBlockClient().getIP());
    unsigned short port = listenOnFreePort(server);
    ASSERT_NE(0, port);
    EXPECT_TRUE(server.startListen(port, 8));
    EXPECT_EQ(Adress(), server.acceptNonBlockClient());

    ClientTCP client;
    ASSERT_TRUE(client.connectSocket("127.0.0.1", port));
    Adress accepted;
    // The connection is queued by the time connect returns; a few tries allow
    // for a busy machine all the same.
    for (int tries = 0; tries < 200 && accepted.getIP() == 0; tries++) {
        accepted = server.acceptNonBlockClient();
        if (accepted.getIP() == 0)
            usleep(10000);
    }
    EXPECT_EQ(localPort(client.getSocket()), accepted.getPort());
}

TEST(TCPServer, ATimedOutAcceptOrReceiveAnswersZero) {
    Watchdog watchdog;
    ServerTCP server;
    unsigned short port = listenOnFreePort(server);
    ASSERT_NE(0, port);
    limitWaits(server.getSocket(), 50);
    EXPECT_EQ(0u, server.acceptClient().getIP());
    ClientTCP client;
    ASSERT_TRUE(client.connectSocket(loopback(port)));
    Adress accepted = server.acceptClient();
    ASSERT_NE(0u, accepted.getIP());
    char buffer[8];
    EXPECT_EQ(0u, server.receiveStream(buffer, 8, accepted));
}

TEST(TCPClient, ConnectingFailsWithoutAServerOrAnAddress) {
    Watchdog watchdog;
    ServerTCP probe;
    unsigned short port = listenOnFreePort(probe);
    ASSERT_NE(0, port);
    probe.disconnect();

    ClientTCP client;
    EXPECT_FALSE(client.connectSocket(loopback(port)));
    EXPECT_FALSE(client.haveConnection());
    EXPECT_FALSE(client.connectSocket(Adress(127, 0, 0, 1, 0)));
    EXPECT_FALSE(client.connectSocket(Adress(0, 0, 0, 0, 80)));
    EXPECT_FALSE(client.sendStream("x", 1));
    char byte;
    EXPECT_EQ(0u, client.receiveStream(&byte, 1));
    Adress nowhere;
    EXPECT_EQ(0u, client.receiveStream(&byte, 1, &nowhere));
    EXPECT_EQ(0u, client.receiveStream(&byte, 1, nullptr));
}

TEST(SocketDescriptors, DescriptorOperationsAnswerZeroOnFailureNeverAHugeCount) {
    char buffer[8] = {};
    EXPECT_EQ(0u, Socket::sendStream(-1, buffer, 8));
    EXPECT_EQ(0u, Socket::receiveStream(-1, buffer, 8));
    EXPECT_FALSE(Socket::sendStreamTo(-1, Socket::getAdress(0u), buffer, 8));
    EXPECT_EQ(0, Socket::receiveStreamFrom(-1, nullptr, buffer, 8));
    EXPECT_EQ(0, zelk::network::receiveStreamFromNonBlock(-1, nullptr, buffer, 8));

    int pair[2];
    ASSERT_EQ(0, socketpair(AF_UNIX, SOCK_STREAM, 0, pair));
    close(pair[1]);
    EXPECT_EQ(0u, Socket::sendStream(pair[0], buffer, 8));
    EXPECT_EQ(0u, Socket::receiveStream(pair[0], buffer, 8));
    close(pair[0]);
}

TEST(SocketDescriptors, SocketsOfTheTwoKindsAreMadeAndOthersRefused) {
    ClientTCP socket;
    EXPECT_FALSE(socket.haveSocket());
    EXPECT_EQ(-1, socket.getSocket());
    EXPECT_FALSE(socket.createSocket(5));
    EXPECT_FALSE(socket.haveSocket());
    int before = openDescriptors();
    EXPECT_TRUE(socket.createSocket(Socket::kindUDP));
    EXPECT_TRUE(socket.createSocket(Socket::kindTCP));
    EXPECT_EQ(before + 1, openDescriptors());
    socket.closeSocket();
    EXPECT_EQ(before, openDescriptors());
    EXPECT_FALSE(socket.haveSocket());

    sockaddr_in address = Socket::getAdress("localhost");
    EXPECT_EQ(AF_INET, address.sin_family);
    EXPECT_EQ(htonl(INADDR_LOOPBACK), address.sin_addr.s_addr);
    EXPECT_EQ(0, address.sin_port);
}

} // namespace
