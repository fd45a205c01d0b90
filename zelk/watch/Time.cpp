#include "zelk/watch/Time.h"

#include "zelk/platform/Clock.h"

namespace zelk {
namespace watch {

namespace {
// The wall clock runs this many seconds behind UTC.
const long long clockOffsetSeconds = 10800;
const long long stopwatchRange = 1LL << 32;
} // namespace

Time::Time()
    : frequency(platform::clockFrequency), startMicroseconds(0), overflowFlag(false), startReal(0),
      haveClockFields(false), clockFields(), clockNow() {
    if (frequency == 0)
        frequency = 1;
    start();
    clockLoadTime();
}

void Time::start() {
    overflowFlag = false;
    startReal = getMicrosecondsReal();
    startMicroseconds = static_cast<unsigned int>(startReal);
}

long long Time::getMicrosecondsReal() {
    return platform::monotonicMicroseconds();
}

unsigned int Time::getMicroseconds() {
    long long now = getMicrosecondsReal();
    if (now - startReal >= stopwatchRange)
        overflowFlag = true;
    return static_cast<unsigned int>(now) - startMicroseconds;
}

void Time::remove(unsigned int microseconds) {
    startMicroseconds += microseconds;
}

float Time::getEstimativeFrame() {
    unsigned int elapsed = getMicroseconds();
    if (elapsed == 0)
        return 0.0f;
    return 1000000.0f / static_cast<float>(elapsed);
}

bool Time::overflowOccurred() {
    getMicroseconds();
    return overflowFlag;
}

void Time::sleepProcessMiliseconds(unsigned int milliseconds) {
    platform::sleepMilliseconds(milliseconds);
}

void Time::sleepProcessMicroseconds(unsigned int) {}

void Time::clockLoadTime() {
    long long seconds = static_cast<long long>(platform::wallClock().tv_sec);
    haveClockFields = platform::utcFields(seconds - clockOffsetSeconds, &clockFields);
}

int Time::clockGetMillisecond() {
    clockNow = platform::wallClock();
    return static_cast<int>(clockNow.tv_nsec / 1000000);
}

int Time::clockGetSecond() {
    return haveClockFields ? clockFields.tm_sec : 0;
}
int Time::clockGetMinute() {
    return haveClockFields ? clockFields.tm_min : 0;
}
int Time::clockGetHour() {
    return haveClockFields ? clockFields.tm_hour : 0;
}
int Time::clockGetDayOfMont() {
    return haveClockFields ? clockFields.tm_mday : 0;
}
int Time::clockGetDayOfWeek() {
    return haveClockFields ? clockFields.tm_wday + 1 : 0;
}
int Time::clockGetDayOfYear() {
    return haveClockFields ? clockFields.tm_yday + 1 : 0;
}
int Time::clockGetMonth() {
    return haveClockFields ? clockFields.tm_mon + 1 : 0;
}
int Time::clockGetYear() {
    return haveClockFields ? clockFields.tm_year + 1900 : 0;
}

} // namespace watch
} // namespace zelk
