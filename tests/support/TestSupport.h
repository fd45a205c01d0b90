#ifndef ZELK_TESTS_TESTSUPPORT_H
#define ZELK_TESTS_TESTSUPPORT_H

#include <cstdio>
#include <functional>
#include <string>

namespace zelk {
namespace test {

// The contents of a text the engine handed over with new[], which is released;
// "<null>" for a null text.
std::string takeText(char* text);

// Runs the function and answers everything it wrote to standard output, or
// to standard error.
std::string captureStdout(const std::function<void()>& run);
std::string captureStderr(const std::function<void()>& run);

// The most memory the process has held resident so far, in KiB.
long peakResidentKiB();

// A folder of its own under the system's temporary folder, removed with
// everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return folder; }
    std::string file(const std::string& name) const { return folder + "/" + name; }

private:
    std::string folder;
};

} // namespace test
} // namespace zelk

#endif
