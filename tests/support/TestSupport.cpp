#include "support/TestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
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

std::string captureStdout(const std::function<void()>& run) {
    char name[] = "/tmp/zelk-stdout-XXXXXX";
    int file = mkstemp(name);
    if (file < 0) {
        return "";
    }
    fflush(stdout);
    int saved = dup(STDOUT_FILENO);
    dup2(file, STDOUT_FILENO);
    run();
    fflush(stdout);
    dup2(saved, STDOUT_FILENO);
    close(saved);
    close(file);
    std::ifstream in(name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    unlink(name);
    return text.str();
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
