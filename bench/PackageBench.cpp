// Splitting a 64 MB vector into packages and joining the packets back, as a
// sender and a receiver do, against one plain memcpy of the same bytes.

#include "zelk/network/PackageGroup.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

const unsigned int vectorBytes = 64u * 1024u * 1024u;

std::vector<unsigned char>& source() {
    static std::vector<unsigned char> bytes = [] {
        std::vector<unsigned char> filled(vectorBytes);
        for (size_t at = 0; at < filled.size(); at++)
            filled[at] = static_cast<unsigned char>(at * 31 + at / 4093);
        return filled;
    }();
    return bytes;
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<unsigned char>& bytes = source();
    std::vector<unsigned char> copy(vectorBytes);
    for (auto _ : state) {
        std::memcpy(copy.data(), bytes.data(), vectorBytes);
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * vectorBytes);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_SplitAndJoin(benchmark::State& state) {
    std::vector<unsigned char>& bytes = source();
    unsigned int packSize = static_cast<unsigned int>(state.range(0));
    bool whole = true;
    for (auto _ : state) {
        zelk::network::PackageGroup sender;
        sender.addVector(bytes.data(), vectorBytes, 1, packSize);
        zelk::network::PackageGroup receiver;
        receiver.addPackageBegin();
        for (unsigned int i = 0; i < sender.getPackages(); i++)
            receiver.addPackage(sender.getVector(i), sender.getVectorSize(i));
        whole = receiver.addPackageEnd() && receiver.getVectorSize() == vectorBytes;
        benchmark::DoNotOptimize(receiver.getVector());
    }
    if (!whole)
        state.SkipWithError("the joined vector differs in size");
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * vectorBytes);
    state.counters["packages"] = (vectorBytes + packSize - 1) / packSize;
}
BENCHMARK(BM_SplitAndJoin)->Arg(1000)->Arg(8192)->Arg(65000)->Unit(benchmark::kMillisecond);

} // namespace
