#ifndef ZELK_WATCH_TIME_H
#define ZELK_WATCH_TIME_H

#include <ctime>

namespace zelk {
namespace watch {

// Seconds per microsecond: elapsed microseconds times this give seconds.
const float microsecond = 0.000001f;
// Microseconds per second.
const unsigned int second = 1000000;

// A stopwatch in microseconds on the monotonic clock, with wall-clock
// readings beside it. The stopwatch reads modulo 2^32 microseconds (about
// 71.6 minutes); owners restart it every frame or step.
class Time {
public:
    Time();

    // Restarts the stopwatch.
    void start();
    // The monotonic clock in microseconds.
    static long long getMicrosecondsReal();
    // Microseconds since start(), modulo 2^32.
    unsigned int getMicroseconds();
    // The stopwatch then reads that much less.
    void remove(unsigned int microseconds);
    // The frames per second of a frame as long as the time since start();
    // 0 when no microsecond has passed.
    float getEstimativeFrame();
    // True once 2^32 microseconds or more have passed since start().
    bool overflowOccurred();

    void sleepProcessMiliseconds(unsigned int milliseconds);
    // Returns at once: a sleep this short is not worth a system call.
    void sleepProcessMicroseconds(unsigned int microseconds);

    // Reads the wall clock, three hours behind UTC whatever the machine's
    // time zone, into the fields the getters below return.
    void clockLoadTime();
    // The milliseconds (0 to 999) of the wall clock now.
    int clockGetMillisecond();
    // Fields of the last clockLoadTime(); 0 when it found no time.
    int clockGetSecond();
    int clockGetMinute();
    int clockGetHour();
    int clockGetDayOfMont();
    // Sunday 1 to Saturday 7.
    int clockGetDayOfWeek();
    // 1 to 366.
    int clockGetDayOfYear();
    // 1 to 12.
    int clockGetMonth();
    int clockGetYear();

private:
    long long frequency;
    unsigned int startMicroseconds;
    bool overflowFlag;
    long long startReal;
    bool haveClockFields;
    tm clockFields;
    timespec clockNow;
};

} // namespace watch
} // namespace zelk

#endif
