// Seeds of the package receive path and the text-to-number helpers.
#include "Seeds.h"

#include "zelk/String.h"
#include "zelk/network/PackageGroup.h"

#include <cmath>
#include <limits>

namespace zelk {
namespace fuzz {

namespace {

// The packets of the group in the order given, each behind its length as two
// little-endian bytes.
std::vector<unsigned char> packets(network::PackageGroup& group,
                                   const std::vector<unsigned int>& order) {
    std::vector<unsigned char> bytes;
    for (unsigned int i : order) {
        unsigned int length = group.getVectorSize(i);
        const unsigned char* packet = static_cast<const unsigned char*>(group.getVector(i));
        bytes.push_back(static_cast<unsigned char>(length & 0xFF));
        bytes.push_back(static_cast<unsigned char>(length >> 8));
        bytes.insert(bytes.end(), packet, packet + length);
    }
    return bytes;
}

// The text the writer made, freed.
std::string taken(char* text) {
    std::string kept = text ? text : "";
    delete[] text;
    return kept;
}

} // namespace

bool writePackageSeeds(const std::string& root) {
    SeedFolder seeds(root, "package");
    std::vector<unsigned char> data(250);
    for (size_t i = 0; i < data.size(); i++) {
        data[i] = static_cast<unsigned char>(i * 7);
    }
    network::PackageGroup group;
    if (!group.addVector(data.data(), 250, 7, 100)) {
        return false;
    }
    network::PackageGroup single;
    if (!single.addVector(data.data(), 20, 1, 0)) {
        return false;
    }
    return seeds.write("inOrder.bin", packets(group, {0, 1, 2})) &&
           seeds.write("outOfOrder.bin", packets(group, {2, 0, 1})) &&
           seeds.write("repeated.bin", packets(group, {1, 1, 0})) &&
           seeds.write("single.bin", packets(single, {0}));
}

bool writeNumberSeeds(const std::string& root) {
    SeedFolder seeds(root, "string_numbers");
    int32 small[] = {-128, 0, 127, 255, -32768};
    int64 large[] = {std::numeric_limits<int64>::min(), std::numeric_limits<int64>::max(), 42};
    uint64 unsigned64[] = {std::numeric_limits<uint64>::max(), 0, 1};
    return seeds.write("int32.txt", taken(String::int32ToStr(std::numeric_limits<int32>::min()))) &&
           seeds.write("int64.txt", taken(String::int64ToStr(std::numeric_limits<int64>::max()))) &&
           seeds.write("minus.txt", taken(String::int32ToMinusStr(17))) &&
           seeds.write("float.txt", taken(String::float32ToStr(1.1f))) &&
           seeds.write("huge.txt", taken(String::float32ToStr(3.0e38f))) &&
           seeds.write("tiny.txt", taken(String::float64ToStr(1.0e-300, 12))) &&
           seeds.write("nan.txt", taken(String::float32ToStr(std::nanf("")))) &&
           seeds.write("vector32.txt", taken(String::vecInt32toStr(small, 5))) &&
           seeds.write("vector64.txt", taken(String::vecInt64toStr(large, 3))) &&
           seeds.write("unsigned64.txt", taken(String::vecUint64toStr(unsigned64, 3)));
}

} // namespace fuzz
} // namespace zelk
