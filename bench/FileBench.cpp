// Reading a 1 MB motion-capture-like text token by token with
// zelk::File::readBinString, the way skeleton files are read.

#include "zelk/File.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

class TokenFile {
public:
    TokenFile() {
        char name[] = "/tmp/zelk-filebench-XXXXXX";
        int fd = mkstemp(name);
        if (fd < 0)
            return;
        path = name;
        std::string text = "HIERARCHY\nROOT Hips\n{\n\tOFFSET 0.00 0.00 0.00\n}\nMOTION\n";
        while (text.size() < 1024u * 1024u)
            text += "-1.25\t3.5 90.0 0.125 -12.75 4.0\n";
        ssize_t written = write(fd, text.data(), text.size());
        (void)written;
        close(fd);
    }
    ~TokenFile() {
        if (!path.empty())
            std::remove(path.c_str());
    }
    std::string path;
};

void BM_ReadTokens(benchmark::State& state) {
    static TokenFile file;
    size_t tokens = 0;
    for (auto _ : state) {
        zelk::File in;
        in.openBinFile(file.path.c_str());
        while (!in.endOfFile()) {
            char* token = in.readBinString(" \t\n", false);
            benchmark::DoNotOptimize(token);
            delete[] token;
            ++tokens;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * 1024 * 1024);
    state.counters["tokens"] =
        benchmark::Counter(static_cast<double>(tokens), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReadTokens)->Unit(benchmark::kMillisecond);

} // namespace
