#include "zelk/platform/Clock.h"

#include <cerrno>

namespace zelk {
namespace platform {

long long timespecToMicroseconds(const timespec& reading) {
    return static_cast<long long>(reading.tv_sec) * 1000000LL + reading.tv_nsec / 1000;
}

long long monotonicMicroseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return timespecToMicroseconds(now);
}

timespec wallClock() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return now;
}

bool utcFields(long long seconds, tm* fields) {
    time_t value = static_cast<time_t>(seconds);
    return fields && gmtime_r(&value, fields) != nullptr;
}

void sleepMilliseconds(unsigned int milliseconds) {
    timespec rest{};
    rest.tv_sec = milliseconds / 1000;
    rest.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    while (nanosleep(&rest, &rest) != 0 && errno == EINTR) {
    }
}

} // namespace platform
} // namespace zelk
