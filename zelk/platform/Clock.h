#ifndef ZELK_PLATFORM_CLOCK_H
#define ZELK_PLATFORM_CLOCK_H

#include <ctime>

namespace zelk {
namespace platform {

// Ticks per second of the counter that monotonicMicroseconds reads.
const long long clockFrequency = 1000000;

// A reading of a system clock in whole microseconds. The seconds are scaled
// alone, so the result stays exact for any uptime a machine can reach.
long long timespecToMicroseconds(const timespec& reading);

// The monotonic clock in microseconds since an unspecified start.
long long monotonicMicroseconds();

// The wall clock: seconds and nanoseconds since 1970 (UTC).
timespec wallClock();

// Breaks the seconds since 1970 down as UTC into the caller's record; false
// when the value cannot be represented.
bool utcFields(long long seconds, tm* fields);

// Blocks the calling thread for the milliseconds, resuming after signals.
void sleepMilliseconds(unsigned int milliseconds);

} // namespace platform
} // namespace zelk

#endif
