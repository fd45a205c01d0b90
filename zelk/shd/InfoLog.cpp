#include "zelk/shd/InfoLog.h"

#include <cstdio>
#include <new>

namespace zelk {
namespace shd {

namespace {

const unsigned int infoLogLength = 0x8B84;

} // namespace

bool checkObjectStatus(unsigned int object, unsigned int status, StatusQuery query, LogQuery fetch,
                       char*& log) {
    int done = 0;
    query(object, status, &done);
    if (done) {
        return true;
    }
    int length = 0;
    query(object, infoLogLength, &length);
    if (length < 1) {
        return false;
    }
    delete[] log;
    log = new (std::nothrow) char[length];
    if (!log) {
        printf("ERROR: Could not allocate InfoLog buffer");
        fflush(stdout);
        return false;
    }
    log[0] = '\0';
    fetch(object, length, nullptr, log);
    log[length - 1] = '\0';
    if (length >= 2 && log[0] != '\0') {
        printf("\nLOG: %s", log);
        fflush(stdout);
    }
    return false;
}

} // namespace shd
} // namespace zelk
