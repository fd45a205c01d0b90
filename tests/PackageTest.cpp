#include "zelk/network/Package.h"
#include "zelk/network/PackageGroup.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

using zelk::network::Package;
using zelk::network::PackageGroup;

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes pattern(size_t size) {
    Bytes bytes(size);
    for (size_t at = 0; at < size; at++)
        bytes[at] = static_cast<unsigned char>(at * 7 + at / 251);
    return bytes;
}

void putLittle(Bytes& packet, size_t at, uint64_t value, int width) {
    for (int byte = 0; byte < width; byte++, value >>= 8)
        packet[at + byte] = static_cast<unsigned char>(value);
}

// A packet written field by field, as a peer would put it on the wire.
Bytes packet(uint32_t size, uint32_t id, uint32_t position, uint32_t packages, const Bytes& payload,
             uint64_t magic = 0xAA9966557BDE8421ull) {
    Bytes bytes(24, 0);
    putLittle(bytes, 0, magic, 8);
    putLittle(bytes, 8, size, 4);
    putLittle(bytes, 12, id, 4);
    putLittle(bytes, 16, position, 4);
    putLittle(bytes, 20, packages, 4);
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    return bytes;
}

// The packets of a sending group, in position order.
std::vector<Bytes> packetsOf(PackageGroup& group) {
    std::vector<Bytes> packets;
    for (unsigned int i = 0; i < group.getPackages(); i++) {
        auto* start = static_cast<unsigned char*>(group.getVector(i));
        packets.emplace_back(start, start + group.getVectorSize(i));
    }
    return packets;
}

// The packets a sender makes of the data with the default pack size.
std::vector<Bytes> split(Bytes& data, unsigned int id) {
    PackageGroup sender;
    EXPECT_TRUE(sender.addVector(data.data(), static_cast<unsigned int>(data.size()), id, 0));
    return packetsOf(sender);
}

bool take(PackageGroup& group, Bytes packet) {
    return group.addPackage(packet.data(), static_cast<unsigned int>(packet.size()));
}

// A packet in a heap block of exactly its length, so that the address
// sanitizer sees any read past its end.
bool takeExact(PackageGroup& group, const Bytes& packet) {
    std::vector<unsigned char>* exact = new std::vector<unsigned char>(packet);
    exact->shrink_to_fit();
    bool taken = group.addPackage(exact->data(), static_cast<unsigned int>(exact->size()));
    delete exact;
    return taken;
}

Bytes joined(PackageGroup& group) {
    auto* start = static_cast<unsigned char*>(group.getVector());
    return Bytes(start, start + group.getVectorSize());
}

TEST(PackageHeader, TheHeaderIsTwentyFourLittleEndianBytesAheadOfThePayload) {
    Package package;
    Bytes payload = {1, 2, 3};
    ASSERT_TRUE(package.drawVector(payload.data(), 3, 0, 7, 0x01020304, 9));
    EXPECT_EQ(27u, package.getVecSize());
    auto* wire = static_cast<unsigned char*>(package.getVec());
    EXPECT_EQ(packet(3, 0x01020304, 7, 9, payload), Bytes(wire, wire + 27));
    EXPECT_EQ(wire + 24, package.getPackageVector());

    EXPECT_FALSE(Package::headerIsBroken(wire));
    EXPECT_EQ(7u, Package::getHeaderPosition(wire));
    EXPECT_EQ(0x01020304u, Package::getHeaderId(wire));
    EXPECT_EQ(9u, Package::getHeaderPackages(wire));
    EXPECT_FALSE(Package::headerIsBroken(nullptr));
    EXPECT_EQ(0u, Package::getHeaderId(nullptr));

    // A header change reaches the buffer at once.
    ASSERT_TRUE(package.setHeader(1, 2, 3));
    EXPECT_EQ(packet(3, 2, 1, 3, payload), Bytes(wire, wire + 27));
}

TEST(PackageHeader, SetHeaderFromBytesTakesEverythingButTheSize) {
    Package package;
    Bytes payload = {9, 9};
    ASSERT_TRUE(package.drawVector(payload.data(), 2, 4));
    Bytes source = packet(500, 11, 12, 13, {});
    ASSERT_TRUE(package.setHeader(source.data()));
    EXPECT_EQ(11u, package.getID());
    EXPECT_EQ(12u, package.getPosition());
    EXPECT_EQ(13u, package.getPackages());
    EXPECT_EQ(2u, package.getPackageSize());
    Bytes broken = packet(1, 1, 1, 1, {}, 0x1122334455667788ull);
    EXPECT_FALSE(package.setHeader(broken.data()));
    EXPECT_FALSE(package.setHeader(static_cast<void*>(nullptr)));
    EXPECT_EQ(11u, package.getID());
}

TEST(PackageBuffer, TheRoomAfterThePayloadIsZeroedEvenWhenABufferIsReused) {
    Package package;
    Bytes full(8, 0xEE);
    ASSERT_TRUE(package.drawVector(full.data(), 8, 8));
    Bytes small = {1, 2};
    ASSERT_TRUE(package.drawVector(small.data(), 2, 8));
    auto* room = static_cast<unsigned char*>(package.getPackageVector());
    EXPECT_EQ(Bytes({1, 2, 0, 0, 0, 0, 0, 0}), Bytes(room, room + 8));
    EXPECT_EQ(2u, package.getPackageSize());

    EXPECT_FALSE(package.drawVector(full.data(), 8, 4));
    EXPECT_FALSE(package.drawVector(nullptr, 8, 8));
    EXPECT_FALSE(package.drawVector(full.data(), 0, 8));
}

TEST(PackageBuffer, NewVectorRefusesAnEmptyRoomOrOneTooLargeForTheHeader) {
    Package package;
    EXPECT_FALSE(package.newVector(0));
    EXPECT_FALSE(package.newVector(0xFFFFFFFFu));
    EXPECT_FALSE(package.newVector(0xFFFFFFFFu - 23));
    EXPECT_EQ(nullptr, package.getVec());
    EXPECT_EQ(0u, package.getVecSize());
    EXPECT_EQ(nullptr, package.getPackageVector());
    EXPECT_FALSE(package.updateVector());

    ASSERT_TRUE(package.newVector(16));
    EXPECT_EQ(40u, package.getVecSize());
    auto* room = static_cast<unsigned char*>(package.getPackageVector());
    EXPECT_EQ(Bytes(16, 0), Bytes(room, room + 16));
    package.deleteVector();
    EXPECT_EQ(0u, package.getVecSize());
}

TEST(PackageReceive, APacketIsTakenWithItsHeaderAndPayload) {
    Package package;
    Bytes payload = pattern(10);
    Bytes wire = packet(10, 5, 2, 3, payload);
    ASSERT_TRUE(package.addPackage(wire.data(), static_cast<unsigned int>(wire.size())));
    EXPECT_EQ(5u, package.getID());
    EXPECT_EQ(2u, package.getPosition());
    EXPECT_EQ(3u, package.getPackages());
    EXPECT_EQ(10u, package.getPackageSize());
    auto* room = static_cast<unsigned char*>(package.getPackageVector());
    EXPECT_EQ(payload, Bytes(room, room + 10));

    // Bytes received beyond the announced size are kept as zeroed room.
    Bytes longer = packet(2, 5, 2, 3, {4, 5, 6, 7});
    ASSERT_TRUE(package.addPackage(longer.data(), static_cast<unsigned int>(longer.size())));
    EXPECT_EQ(28u, package.getVecSize());
    room = static_cast<unsigned char*>(package.getPackageVector());
    EXPECT_EQ(Bytes({4, 5, 0, 0}), Bytes(room, room + 4));
}

TEST(PackageReceive, ShortBrokenOrOverstatedPacketsAreRefused) {
    Package package;
    Bytes one = packet(1, 1, 0, 1, {42});
    EXPECT_FALSE(package.addPackage(one.data(), 25));
    Bytes two = packet(2, 1, 0, 1, {42, 43});
    EXPECT_FALSE(package.addPackage(two.data(), 10));
    EXPECT_FALSE(package.addPackage(nullptr, 26));
    EXPECT_FALSE(package.addPackage(two.data(), 0));
    Bytes badMagic = packet(2, 1, 0, 1, {42, 43}, 0x21840000556699AAull);
    EXPECT_FALSE(package.addPackage(badMagic.data(), 26));
    Bytes overstated = packet(3, 1, 0, 1, {42, 43});
    EXPECT_FALSE(package.addPackage(overstated.data(), 26));
    Bytes empty = packet(0, 1, 0, 1, {42, 43});
    EXPECT_FALSE(package.addPackage(empty.data(), 26));
    EXPECT_TRUE(package.addPackage(two.data(), 26));
}

TEST(PackageSplit, AVectorIsSplitIntoPackagesOfThePackSize) {
    Bytes data = pattern(2500);
    PackageGroup group;
    ASSERT_TRUE(group.addVector(data.data(), 2500, 77, 0));
    ASSERT_EQ(3u, group.getPackages());
    std::vector<Bytes> packets = packetsOf(group);
    EXPECT_EQ(packet(1000, 77, 0, 3, Bytes(data.begin(), data.begin() + 1000)), packets[0]);
    EXPECT_EQ(packet(1000, 77, 1, 3, Bytes(data.begin() + 1000, data.begin() + 2000)), packets[1]);
    // The last package has a full room; its payload is followed by zeros.
    Bytes last(data.begin() + 2000, data.end());
    last.resize(1000, 0);
    EXPECT_EQ(packet(500, 77, 2, 3, last), packets[2]);
    EXPECT_EQ(1024u, group.getVectorSize(2));
    EXPECT_EQ(2u, group.getPackageID(2));
    EXPECT_EQ(3u, group.getTotalPackages());
    EXPECT_FALSE(group.haveVector(3));
    EXPECT_EQ(nullptr, group.getVector(3));
    EXPECT_EQ(0u, group.getVectorSize(3));
}

TEST(PackageSplit, VectorsUpToThePackSizeMakeOnePackage) {
    Bytes data = pattern(1000);
    PackageGroup exact;
    ASSERT_TRUE(exact.addVector(data.data(), 1000, 1, 0));
    ASSERT_EQ(1u, exact.getPackages());
    EXPECT_EQ(1024u, exact.getVectorSize(0));

    PackageGroup shorter;
    ASSERT_TRUE(shorter.addVector(data.data(), 999, 1, 0));
    ASSERT_EQ(1u, shorter.getPackages());
    EXPECT_EQ(1024u, shorter.getVectorSize(0));
    EXPECT_EQ(1u, shorter.getTotalPackages());
}

TEST(PackageSplit, ThePackSizeIsSetByTheCallerAndOneByteIsRefused) {
    Bytes data = pattern(10);
    PackageGroup group;
    EXPECT_TRUE(group.setPackSize(0));
    EXPECT_FALSE(group.setPackSize(1));
    EXPECT_FALSE(group.addVector(data.data(), 10, 1, 1));
    EXPECT_EQ(0u, group.getPackages());

    ASSERT_TRUE(group.addVector(data.data(), 10, 1, 4));
    EXPECT_EQ(3u, group.getPackages());
    EXPECT_EQ(28u, group.getVectorSize(2));
    EXPECT_FALSE(group.addVector(nullptr, 10, 1, 4));
    EXPECT_FALSE(group.addVector(data.data(), 0, 1, 4));
}

TEST(PackageSplit, AGroupThatStillHoldsPackagesRefusesANewVectorAndEmpties) {
    Bytes data = pattern(10);
    PackageGroup group;
    ASSERT_TRUE(group.addVector(data.data(), 10, 1, 4));
    EXPECT_FALSE(group.addVector(data.data(), 10, 2, 4));
    EXPECT_EQ(0u, group.getPackages());
    EXPECT_EQ(0u, group.getTotalPackages());
}

TEST(PackageJoin, PackagesArrivingInAnyOrderAreJoinedByPosition) {
    Bytes data = pattern(2500);
    std::vector<Bytes> packets = split(data, 9);
    ASSERT_EQ(3u, packets.size());

    PackageGroup receiver;
    receiver.addPackageBegin();
    EXPECT_TRUE(takeExact(receiver, packets[2]));
    EXPECT_FALSE(receiver.isPackagesFull());
    EXPECT_FALSE(receiver.addPackageEnd());
    EXPECT_TRUE(takeExact(receiver, packets[0]));
    EXPECT_TRUE(takeExact(receiver, packets[1]));
    EXPECT_TRUE(receiver.isPackagesFull());
    EXPECT_EQ(9u, receiver.getID());
    ASSERT_TRUE(receiver.addPackageEnd());
    EXPECT_EQ(data, joined(receiver));
    EXPECT_EQ(0u, receiver.getPackages());
    EXPECT_EQ(0u, receiver.getID());

    receiver.addPackageBegin();
    EXPECT_EQ(nullptr, receiver.getVector());
    EXPECT_EQ(0u, receiver.getVectorSize());
}

TEST(PackageJoin, ForeignOrRepeatedPacketsAreRefusedWithoutDisturbingTheGroup) {
    Bytes data = pattern(3000);
    std::vector<Bytes> packets = split(data, 4);
    ASSERT_EQ(3u, packets.size());

    PackageGroup receiver;
    receiver.addPackageBegin();
    ASSERT_TRUE(take(receiver, packets[1]));
    EXPECT_FALSE(take(receiver, packets[1]));
    EXPECT_FALSE(take(receiver, packet(10, 5, 0, 3, pattern(10))));
    EXPECT_FALSE(take(receiver, packet(10, 4, 0, 4, pattern(10))));
    EXPECT_FALSE(take(receiver, packet(10, 4, 0, 3, pattern(10), 0)));
    EXPECT_FALSE(take(receiver, packet(10, 4, 3, 3, pattern(10))));
    EXPECT_EQ(1u, receiver.getPackages());
    EXPECT_EQ(4u, receiver.getID());
    ASSERT_TRUE(take(receiver, packets[0]));
    ASSERT_TRUE(take(receiver, packets[2]));
    ASSERT_TRUE(receiver.addPackageEnd());
    EXPECT_EQ(data, joined(receiver));
}

TEST(PackageJoin, HostilePacketsAreRefusedWithoutReadingPastThem) {
    PackageGroup receiver;
    receiver.addPackageBegin();
    Bytes good = packet(4, 1, 0, 2, {1, 2, 3, 4});
    // Every cut of a packet, from nothing up to a header and one byte.
    for (size_t length = 1; length <= 25; length++)
        EXPECT_FALSE(takeExact(receiver, Bytes(good.begin(), good.begin() + length))) << length;
    EXPECT_FALSE(receiver.addPackage(nullptr, 100));
    EXPECT_FALSE(takeExact(receiver, packet(4, 1, 0, 2, {1, 2, 3, 4}, 0x8421AA9966557BDEull)));
    EXPECT_FALSE(takeExact(receiver, packet(0xFFFFFFFFu, 1, 0, 2, {1, 2, 3, 4})));
    EXPECT_FALSE(takeExact(receiver, packet(4, 1, 0xFFFFFFFFu, 2, {1, 2, 3, 4})));
    EXPECT_EQ(0u, receiver.getPackages());
    EXPECT_FALSE(receiver.isPackagesFull());
}

TEST(PackageJoin, AFirstPacketAnnouncingNoPackagesIsRefusedBeforeAnythingIsStored) {
    PackageGroup group;
    group.addPackageBegin();
    EXPECT_FALSE(take(group, packet(4, 6, 0, 0, {1, 2, 3, 4})));
    EXPECT_EQ(0u, group.getID());
    EXPECT_FALSE(group.isPackagesFull());
    EXPECT_FALSE(group.addPackageEnd());

    // The group can still split with its own pack size.
    Bytes data = pattern(2500);
    ASSERT_TRUE(group.addVector(data.data(), 2500, 1, 0));
    EXPECT_EQ(3u, group.getPackages());
}

TEST(PackageJoin, AHugeAnnouncedCountCompletesOnlyWithThatManyPackages) {
    PackageGroup group;
    group.addPackageBegin();
    ASSERT_TRUE(take(group, packet(4, 6, 0, 0xFFFFFFFFu, {1, 2, 3, 4})));
    ASSERT_TRUE(take(group, packet(4, 6, 0xFFFFFFFEu, 0xFFFFFFFFu, {5, 6, 7, 8})));
    EXPECT_EQ(2u, group.getPackages());
    EXPECT_FALSE(group.isPackagesFull());
    EXPECT_FALSE(group.addPackageEnd());
    EXPECT_EQ(nullptr, group.getVector());
}

TEST(PackageJoin, AGroupLeftWithACountOfOneStillSplitsIntoReceivablePackages) {
    PackageGroup group;
    group.addPackageBegin();
    ASSERT_TRUE(take(group, packet(2, 3, 0, 1, {7, 8})));
    ASSERT_TRUE(group.addPackageEnd());
    EXPECT_EQ(Bytes({7, 8}), joined(group));

    Bytes data = pattern(1500);
    ASSERT_TRUE(group.addVector(data.data(), 1500, 2, 0));
    EXPECT_EQ(2u, group.getPackages());
    PackageGroup receiver;
    for (const Bytes& one : packetsOf(group))
        EXPECT_TRUE(take(receiver, one));
    ASSERT_TRUE(receiver.addPackageEnd());
    EXPECT_EQ(data, joined(receiver));
}

// A peer's announced count once became the next send's package size: 5 bytes
// to send after a packet announcing 0x90000000 packages took 2.4 GB.
TEST(PackageJoin, ACountLeftFromReceivingIsNeverTakenAsAPackageSize) {
    PackageGroup group;
    group.addPackageBegin();
    Bytes announcing = packet(5, 6, 0, 0x90000000u, {1, 2, 3, 4, 5});
    ASSERT_EQ(29u, announcing.size());
    ASSERT_TRUE(take(group, announcing));

    Bytes data = pattern(5);
    long before = zelk::test::peakResidentKiB();
    EXPECT_FALSE(group.addVector(data.data(), 5, 6, 0)) << "position 0 is still held";
    EXPECT_EQ(0u, group.getPackages());
    ASSERT_TRUE(group.addVector(data.data(), 5, 6, 0));
    ASSERT_EQ(1u, group.getPackages());
    EXPECT_EQ(1024u, group.getVectorSize(0)) << "a room of the default 1000 bytes";
    EXPECT_LT(zelk::test::peakResidentKiB() - before, 64 * 1024);
}

TEST(PackageTree, PackagesAreReadInPositionOrderWhateverOrderTheyCameIn) {
    // Runs in order, backwards, scattered, and after removals of the
    // greatest and of inner positions.
    std::vector<unsigned int> arrival = {10, 11, 12, 5, 4, 13, 0, 20, 7, 21, 22, 1};
    std::vector<Package*> packages;
    PackageGroup::PackageTree tree;
    for (unsigned int position : arrival) {
        packages.push_back(new Package());
        packages.back()->setHeader(position, 0, 0);
        EXPECT_TRUE(tree.add(packages.back())) << position;
    }
    Package repeated;
    repeated.setHeader(22, 0, 0);
    EXPECT_FALSE(tree.add(&repeated));

    auto positions = [&tree] {
        std::vector<unsigned int> read;
        for (unsigned int i = 0; tree.getPackageInPosition(i); i++)
            read.push_back(tree.getPackageInPosition(i)->getPosition());
        return read;
    };
    EXPECT_EQ(std::vector<unsigned int>({0, 1, 4, 5, 7, 10, 11, 12, 13, 20, 21, 22}), positions());
    EXPECT_EQ(13u, tree.getPackageInPosition(8)->getPosition());
    EXPECT_EQ(1u, tree.getPackageInPosition(1)->getPosition());
    EXPECT_EQ(nullptr, tree.getPackageInPosition(12));

    EXPECT_TRUE(tree.remove(tree.getPackage(22)));
    EXPECT_TRUE(tree.remove(tree.getPackage(10)));
    EXPECT_FALSE(tree.remove(&repeated));
    Package later;
    later.setHeader(30, 0, 0);
    EXPECT_TRUE(tree.add(&later));
    EXPECT_TRUE(tree.add(&repeated));
    EXPECT_EQ(std::vector<unsigned int>({0, 1, 4, 5, 7, 11, 12, 13, 20, 21, 22, 30}), positions());
    EXPECT_EQ(nullptr, tree.getPackage(10));
    EXPECT_EQ(&later, tree.getPackage(30));

    tree.clean();
    EXPECT_EQ(nullptr, tree.getPackageInPosition(0));
    EXPECT_TRUE(tree.add(&later));
    EXPECT_EQ(&later, tree.getPackageInPosition(0));
    for (Package* package : packages)
        delete package;
}

TEST(PackageJoin, ManyPackagesInOrderJoinBack) {
    Bytes data = pattern(1 << 20);
    PackageGroup sender;
    ASSERT_TRUE(sender.addVector(data.data(), 1 << 20, 3, 100));
    ASSERT_EQ(10486u, sender.getPackages());
    PackageGroup receiver;
    for (unsigned int i = 0; i < sender.getPackages(); i++)
        ASSERT_TRUE(receiver.addPackage(sender.getVector(i), sender.getVectorSize(i))) << i;
    ASSERT_TRUE(receiver.addPackageEnd());
    EXPECT_EQ(data, joined(receiver));
}

} // namespace
