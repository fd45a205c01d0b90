#include "zelk/network/Adress.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using zelk::network::Adress;
using zelk::test::captureStdout;
using zelk::test::takeText;

namespace {

TEST(Adress, StartsWithoutIpOrPortAndRefusesZeroes) {
    Adress none;
    EXPECT_EQ(0u, none.getIP());
    EXPECT_EQ(0u, none.getPort());

    Adress anyHost(0, 0, 0, 0, 80);
    EXPECT_EQ(0u, anyHost.getIP());
    EXPECT_EQ(80u, anyHost.getPort());
    EXPECT_FALSE(anyHost.setPort(0));
    EXPECT_EQ(80u, anyHost.getPort());
    EXPECT_TRUE(anyHost.setIP(10, 0, 0, 1));
    EXPECT_FALSE(anyHost.setIP(0, 0, 0, 0));
    EXPECT_EQ(0x0A000001u, anyHost.getIP());
}

TEST(Adress, DottedTextIsParsedOctetByOctet) {
    EXPECT_EQ(0xC0A8010Au, Adress::getIP("192.168.1.10"));
    EXPECT_EQ(Adress::getIP(192, 168, 1, 10), Adress::getIP("192.168.1.10"));
    EXPECT_EQ(0x2C010203u, Adress::getIP("300.1.2.3"));
    EXPECT_EQ(0u, Adress::getIP("1.2.3"));
    EXPECT_EQ(0u, Adress::getIP("1"));
    EXPECT_EQ(0u, Adress::getIP(""));
    EXPECT_EQ(0u, Adress::getIP(static_cast<const char*>(nullptr)));
    EXPECT_EQ(0x01020000u, Adress::getIP("1.2.."));
}

TEST(Adress, OctetsAreTakenFromTheTopByteDown) {
    unsigned int ip = Adress::getIP(10, 20, 30, 40);
    EXPECT_EQ(40u, Adress::getIpNumber(ip, 0) & 255);
    EXPECT_EQ(30u, Adress::getIpNumber(ip, 1) & 255);
    EXPECT_EQ(10u, Adress::getIpNumber(ip, 3));
    EXPECT_EQ(0u, Adress::getIpNumber(ip, 4));
    EXPECT_EQ(0u, Adress::getIpNumber(ip, 255));
}

TEST(Adress, IpToStringWritesTheDottedTextInSixteenBytesAtMost) {
    unsigned int ip = Adress::getIP("172.16.254.3");
    EXPECT_EQ("172.16.254.3", takeText(Adress::ipToString(ip)));
    EXPECT_EQ(ip, Adress::getIP(takeText(Adress::ipToString(ip)).c_str()));

    char buffer[20];
    std::memset(buffer, 'x', sizeof(buffer));
    ASSERT_TRUE(Adress::ipToString(0xFFFFFFFFu, buffer));
    EXPECT_STREQ("255.255.255.255", buffer);
    EXPECT_EQ('x', buffer[16]);
    EXPECT_FALSE(Adress::ipToString(1u, nullptr));
}

TEST(Adress, PrintIPWritesTheDottedTextWithoutALineEnd) {
    Adress adress(127, 0, 0, 1, 9);
    EXPECT_EQ("127.0.0.1", captureStdout([&] { adress.printIP(); }));
    EXPECT_EQ("0.0.0.255", captureStdout([] { Adress::printIP(255u); }));
}

TEST(Adress, HostNamesAndDottedTextResolve) {
    EXPECT_EQ(Adress::getIP(127, 0, 0, 1), Adress::getIpByName("localhost"));
    EXPECT_EQ(Adress::getIP(10, 1, 2, 3), Adress::getIpByName("10.1.2.3"));
    EXPECT_EQ(0u, Adress::getIpByName(static_cast<const char*>(nullptr)));
    EXPECT_EQ(0u, Adress::getIpByName(""));

    Adress local("localhost", 4000);
    EXPECT_EQ(Adress(127, 0, 0, 1, 4000), local);
    EXPECT_FALSE(local.setIP(static_cast<const char*>(nullptr)));
    EXPECT_EQ(0u, local.getIP());
    EXPECT_TRUE(local.setIP(""));
    EXPECT_EQ(0u, local.getIP());
}

TEST(Adress, AddressesCompareByIpThenByPort) {
    Adress high(10, 0, 0, 1, 80);
    Adress low(9, 255, 255, 255, 9000);
    EXPECT_TRUE(high > low);
    EXPECT_FALSE(low > high);
    EXPECT_TRUE(Adress(9, 255, 255, 255, 9001) > low);
    EXPECT_FALSE(low > low);
    EXPECT_TRUE(low == Adress(9, 255, 255, 255, 9000));
    EXPECT_TRUE(low != Adress(9, 255, 255, 255, 9001));
    Adress copy;
    copy = high;
    EXPECT_EQ(high, copy);
}

} // namespace
