// The receive path of packages. The input is a run of packets, each behind
// its length as two little-endian bytes (a length past the input's end takes
// what is left): each is taken by a Package of its own and offered to a
// receiving group, which joins the vector once it is full.
#include "FuzzInput.h"

#include "zelk/network/Package.h"
#include "zelk/network/PackageGroup.h"

#include <algorithm>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zelk::network;
    PackageGroup group;
    group.addPackageBegin();
    size_t at = 0;
    while (size - at >= 2) {
        size_t length = std::min<size_t>(data[at] | data[at + 1] << 8, size - at - 2);
        at += 2;
        // A copy of its own length, so that reading past the packet is seen.
        std::vector<uint8_t> packet(data + at, data + at + length);
        at += length;
        Package single;
        single.addPackage(packet.data(), static_cast<unsigned int>(packet.size()));
        if (packet.size() >= Package::headerBytes) {
            Package::headerIsBroken(packet.data());
            Package::getHeaderPosition(packet.data());
            Package::getHeaderId(packet.data());
            Package::getHeaderPackages(packet.data());
        }
        group.addPackage(packet.data(), static_cast<unsigned int>(packet.size()));
    }
    if (group.isPackagesFull() && group.addPackageEnd()) {
        group.getVector();
        group.getVectorSize();
    }
    return 0;
}
