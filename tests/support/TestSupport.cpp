#include "support/TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

namespace zelk {
namespace test {

std::string takeText(char* text) {
    if (!text) {
        return "<null>";
    }
    std::string contents(text);
    delete[] text;
    return contents;
}

namespace {

// Everything written to the descriptor, which the stream writes through,
// while the function runs.
std::string captureOutput(int descriptor, std::FILE* stream, const std::function<void()>& run) {
    char name[] = "/tmp/zelk-output-XXXXXX";
    int file = mkstemp(name);
    if (file < 0) {
        return "";
    }
    fflush(stream);
    int saved = dup(descriptor);
    dup2(file, descriptor);
    run();
    fflush(stream);
    dup2(saved, descriptor);
    close(saved);
    close(file);
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    unlink(name);
    return text.str();
}

} // namespace

std::string captureStdout(const std::function<void()>& run) {
    return captureOutput(STDOUT_FILENO, stdout, run);
}

std::string captureStderr(const std::function<void()>& run) {
    return captureOutput(STDERR_FILENO, stderr, run);
}

long peakResidentKiB() {
    struct rusage usage {};
    return getrusage(RUSAGE_SELF, &usage) == 0 ? usage.ru_maxrss : 0;
}

TempDir::TempDir() {
    char name[] = "/tmp/zelk-test-XXXXXX";
    if (mkdtemp(name)) {
        folder = name;
    }
}

TempDir::~TempDir() {
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
}

} // namespace test
} // namespace zelk
