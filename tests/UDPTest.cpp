#include "zelk/network/udp/ClientUDP.h"
#include "zelk/network/udp/ServerUDP.h"

#include "support/Loopback.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

using zelk::network::Adress;
using zelk::network::receiveStreamFromNonBlock;
using zelk::network::udp::ClientUDP;
using zelk::network::udp::ServerUDP;
using zelk::test::bindOnFreePort;
using zelk::test::limitWaits;
using zelk::test::localPort;
using zelk::test::loopback;
using zelk::test::Watchdog;

namespace {

// A UDP server that tells how many senders it has recorded.
class CountingServerUDP : public ServerUDP {
public:
    unsigned int senders() { return adresses.size(); }
};

class UDPTest : public ::testing::Test {
protected:
    void SetUp() override {
        port = bindOnFreePort(server);
        ASSERT_NE(0, port);
    }

    // The client's socket exists after its first send; bound its waits then.
    bool send(ClientUDP& from, const std::string& text) {
        bool sent =
            from.sendStream(loopback(port), text.data(), static_cast<unsigned int>(text.size()));
        limitWaits(from.getSocket());
        return sent;
    }

    std::string receive(Adress* from, unsigned int room = 64) {
        std::string text(room, '\0');
        text.resize(server.receiveStream(&text[0], room, from));
        return text;
    }

    Watchdog watchdog;
    CountingServerUDP server;
    unsigned short port = 0;
};

TEST_F(UDPTest, ADatagramArrivesWithItsSender) {
    ClientUDP client;
    ASSERT_TRUE(send(client, "hello"));
    Adress from;
    EXPECT_EQ("hello", receive(&from));
    EXPECT_EQ(Adress::getIP(127, 0, 0, 1), from.getIP());
    EXPECT_EQ(localPort(client.getSocket()), from.getPort());
}

TEST_F(UDPTest, ANewSenderIsRecordedOnceAndCanBeAnswered) {
    ClientUDP client;
    ASSERT_TRUE(send(client, "one"));
    ASSERT_TRUE(send(client, "two"));
    Adress from;
    EXPECT_EQ("one", receive(&from));
    EXPECT_EQ(1u, server.senders());
    EXPECT_EQ("two", receive(&from));
    EXPECT_EQ(1u, server.senders());

    char reply[] = "back";
    ASSERT_TRUE(server.sendStream(from, reply, 4));
    char text[16];
    Adress sender;
    ASSERT_EQ(4u, client.receiveStream(text, sizeof(text), &sender));
    EXPECT_EQ("back", std::string(text, 4));
    EXPECT_EQ(loopback(port), sender);

    ClientUDP other;
    ASSERT_TRUE(send(other, "three"));
    EXPECT_EQ("three", receive(&from));
    EXPECT_EQ(2u, server.senders());
}

TEST_F(UDPTest, TheServerAnswersOnlyRecordedSenders) {
    ClientUDP client;
    ASSERT_TRUE(send(client, "x"));
    Adress stranger = loopback(localPort(client.getSocket()));
    EXPECT_FALSE(server.sendStream(stranger, const_cast<char*>("no"), 2));
    EXPECT_FALSE(server.sendStream(Adress(), const_cast<char*>("no"), 2));
    Adress from;
    EXPECT_EQ("x", receive(&from));
    EXPECT_TRUE(server.sendStream(stranger, const_cast<char*>("ok"), 2));
    EXPECT_FALSE(server.sendStream(stranger, static_cast<void*>(nullptr), 2));
    EXPECT_FALSE(server.sendStream(stranger, const_cast<char*>("ok"), 0));
}

TEST_F(UDPTest, ALongDatagramIsCutToTheBuffer) {
    ClientUDP client;
    ASSERT_TRUE(send(client, "abcdefgh"));
    Adress from;
    EXPECT_EQ("abc", receive(&from, 3));
}

TEST_F(UDPTest, ClosingTheBindForgetsEverySender) {
    ClientUDP client;
    ASSERT_TRUE(send(client, "x"));
    Adress from;
    EXPECT_EQ("x", receive(&from));
    server.closeBind();
    EXPECT_EQ(0u, server.senders());
    EXPECT_FALSE(server.haveSocket());
    char byte;
    EXPECT_EQ(0u, server.receiveStream(&byte, 1, &from));
}

TEST_F(UDPTest, ClientSendsByHostNameAndToChangingDestinations) {
    ClientUDP client;
    ASSERT_TRUE(client.sendStream("localhost", port, "named", 5));
    limitWaits(client.getSocket());
    Adress from;
    EXPECT_EQ("named", receive(&from));

    CountingServerUDP second;
    unsigned short secondPort = bindOnFreePort(second);
    ASSERT_NE(0, secondPort);
    ASSERT_TRUE(client.sendStream(loopback(secondPort), "there", 5));
    ASSERT_TRUE(send(client, "back"));
    char text[8];
    EXPECT_EQ(5u, second.receiveStream(text, sizeof(text), &from));
    EXPECT_EQ("back", receive(&from));
}

TEST_F(UDPTest, ANonBlockingReceiveAnswersZeroUntilADatagramWaits) {
    char text[8];
    sockaddr_in sender = ClientUDP::getAdress(0u);
    EXPECT_EQ(0, receiveStreamFromNonBlock(server.getSocket(), &sender, text, sizeof(text)));

    ClientUDP client;
    ASSERT_TRUE(send(client, "late"));
    int received = 0;
    for (int tries = 0; tries < 500 && received == 0; tries++) {
        received = receiveStreamFromNonBlock(server.getSocket(), &sender, text, sizeof(text));
        if (received == 0)
            usleep(10000);
    }
    EXPECT_EQ(4, received);
    EXPECT_EQ(localPort(client.getSocket()), ntohs(sender.sin_port));
}

TEST(UDPClient, SendsWithoutADestinationOrDataAreRefused) {
    ClientUDP client;
    char byte = 1;
    EXPECT_FALSE(client.sendStream(Adress(), &byte, 1));
    EXPECT_FALSE(client.sendStream(Adress(127, 0, 0, 1, 0), &byte, 1));
    EXPECT_FALSE(client.sendStream(Adress(127, 0, 0, 1, 9), static_cast<void*>(nullptr), 1));
    EXPECT_FALSE(client.sendStream(Adress(127, 0, 0, 1, 9), &byte, 0));
    EXPECT_FALSE(client.haveSocket());
    Adress from;
    EXPECT_EQ(0u, client.receiveStream(&byte, 1, &from));
    EXPECT_EQ(0u, client.receiveStream(&byte, 1, nullptr));
}

TEST(UDPServer, BindingAPortTakenByAnotherServerFails) {
    Watchdog watchdog;
    ServerUDP first;
    unsigned short port = bindOnFreePort(first);
    ASSERT_NE(0, port);
    ServerUDP second;
    EXPECT_FALSE(second.startBind(port));
    EXPECT_FALSE(second.haveSocket());
}

} // namespace
