#include "zelk/platform/Clock.h"
#include "zelk/watch/FPS.h"
#include "zelk/watch/Time.h"

#include <ctime>
#include <gtest/gtest.h>

namespace {

using zelk::watch::FPS;
using zelk::watch::Time;

void sleepFor(long long microseconds) {
    zelk::platform::sleepMilliseconds(static_cast<unsigned int>(microseconds / 1000));
}

TEST(ClockTest, ConstantsOfTheNamespace) {
    EXPECT_EQ(zelk::watch::second, 1000000u);
    EXPECT_FLOAT_EQ(zelk::watch::microsecond * zelk::watch::second, 1.0f);
}

TEST(ClockTest, ConversionStaysExactAfterThirtyDaysOfUptime) {
    timespec reading{};
    reading.tv_sec = 30LL * 24 * 3600;
    reading.tv_nsec = 999999999;
    EXPECT_EQ(zelk::platform::timespecToMicroseconds(reading), 2592000999999LL);
    reading.tv_sec = 3LL * 365 * 24 * 3600;
    reading.tv_nsec = 1000;
    EXPECT_EQ(zelk::platform::timespecToMicroseconds(reading), 94608000000001LL);
}

// The clock tests hold however busy the machine is: each reads the real time
// around what it tests and asserts what must hold for the time that passed.

TEST(ClockTest, StopwatchCountsMicrosecondsSinceStart) {
    Time watch;
    long long before = Time::getMicrosecondsReal();
    watch.start();
    sleepFor(5000);
    unsigned int elapsed = watch.getMicroseconds();
    long long after = Time::getMicrosecondsReal();
    EXPECT_GE(elapsed, 5000u);
    EXPECT_LE(elapsed, after - before);

    before = Time::getMicrosecondsReal();
    watch.start();
    unsigned int restarted = watch.getMicroseconds();
    EXPECT_LE(restarted, Time::getMicrosecondsReal() - before);
    EXPECT_FALSE(watch.overflowOccurred());
}

TEST(ClockTest, RemoveReadsLessAndWrapsPastZero) {
    Time watch;
    long long before = Time::getMicrosecondsReal();
    watch.start();
    watch.remove(1000);
    sleepFor(3000);
    unsigned int reduced = watch.getMicroseconds();
    EXPECT_GE(reduced, 2000u);
    EXPECT_LE(reduced + 1000, Time::getMicrosecondsReal() - before);

    before = Time::getMicrosecondsReal();
    watch.start();
    watch.remove(5000000);
    unsigned int wrapped = watch.getMicroseconds();
    long long passed = Time::getMicrosecondsReal() - before;
    // Less than five seconds after the start the reading lies below zero,
    // so it wraps round to the top of the 32-bit range.
    EXPECT_LE(static_cast<unsigned int>(wrapped + 5000000u), passed);
    if (passed < 5000000) {
        EXPECT_GE(wrapped, 4294967296u - 5000000u);
    }
}

TEST(ClockTest, EstimatedFrameRateFollowsTheElapsedTime) {
    Time watch;
    sleepFor(20000);
    float rate = watch.getEstimativeFrame();
    EXPECT_GT(rate, 0.0f);
    EXPECT_LE(rate, 50.0f);
}

TEST(ClockTest, SleepsMillisecondsButNotMicroseconds) {
    Time watch;
    long long begin = Time::getMicrosecondsReal();
    watch.sleepProcessMiliseconds(20);
    EXPECT_GE(Time::getMicrosecondsReal() - begin, 20000);
    begin = Time::getMicrosecondsReal();
    watch.sleepProcessMicroseconds(2000000);
    EXPECT_LT(Time::getMicrosecondsReal() - begin, 1000000);
}

TEST(ClockTest, WallClockRunsThreeHoursBehindUtc) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        time_t now = time(nullptr) - 10800;
        tm expected{};
        gmtime_r(&now, &expected);
        Time watch;
        if (watch.clockGetMinute() != expected.tm_min)
            continue;
        EXPECT_EQ(watch.clockGetYear(), expected.tm_year + 1900);
        EXPECT_EQ(watch.clockGetMonth(), expected.tm_mon + 1);
        EXPECT_EQ(watch.clockGetDayOfMont(), expected.tm_mday);
        EXPECT_EQ(watch.clockGetDayOfWeek(), expected.tm_wday + 1);
        EXPECT_EQ(watch.clockGetDayOfYear(), expected.tm_yday + 1);
        EXPECT_EQ(watch.clockGetHour(), expected.tm_hour);
        EXPECT_GE(watch.clockGetSecond(), expected.tm_sec);
        int millisecond = watch.clockGetMillisecond();
        EXPECT_GE(millisecond, 0);
        EXPECT_LE(millisecond, 999);
        return;
    }
    FAIL() << "the minute kept changing under the test";
}

TEST(ClockTest, UtcFieldsOfAKnownMoment) {
    // 1 January 2027, 02:00 UTC, read three hours behind.
    tm fields{};
    ASSERT_TRUE(zelk::platform::utcFields(1798768800LL - 10800, &fields));
    EXPECT_EQ(fields.tm_year + 1900, 2026);
    EXPECT_EQ(fields.tm_mon + 1, 12);
    EXPECT_EQ(fields.tm_mday, 31);
    EXPECT_EQ(fields.tm_hour, 23);
    EXPECT_FALSE(zelk::platform::utcFields(0, nullptr));
}

TEST(ClockTest, FrameLimiterOffNeitherSleepsNorRestarts) {
    FPS limiter;
    sleepFor(3000);
    EXPECT_FALSE(limiter.waitForFPS());
    EXPECT_GE(limiter.getMicroseconds(), 3000u);
}

// The 60 fps frame lasts 16,666 microseconds; the limiter sleeps whole
// milliseconds, so a frame it waited for ends less than one short of that.
const long long frameOf60 = 16666;

// One short frame: the work takes 2 ms, then the limiter waits. Answers
// whether the limiter slept, after checking what it promises for the time
// that really passed.
bool shortFrameAt60() {
    long long begin = Time::getMicrosecondsReal();
    FPS limiter(60);
    sleepFor(2000);
    long long call = Time::getMicrosecondsReal();
    bool slept = limiter.waitForFPS();
    unsigned int sinceRestart = limiter.getMicroseconds();
    long long end = Time::getMicrosecondsReal();
    // Either way the stopwatch restarted inside the call.
    EXPECT_LE(sinceRestart, end - call);
    if (slept) {
        EXPECT_GE(end - begin, frameOf60 - 1000);
    } else {
        EXPECT_GE(end - begin, frameOf60) << "gave up on a frame that was not used up";
    }
    return slept;
}

TEST(ClockTest, FrameLimiterSleepsTheRestOfTheFrame) {
    // A busy machine may stretch the 2 ms of work past the frame, and then
    // the limiter rightly does not sleep; some frame of many is short enough.
    bool sawSleep = false;
    for (int attempt = 0; attempt < 100 && !sawSleep; ++attempt)
        sawSleep = shortFrameAt60();
    EXPECT_TRUE(sawSleep);
}

TEST(ClockTest, FrameLimiterRestartsAfterALongFrame) {
    FPS limiter;
    limiter.setFPS(60);
    limiter.start();
    sleepFor(20000);
    long long call = Time::getMicrosecondsReal();
    EXPECT_FALSE(limiter.waitForFPS());
    // The limiter is read first: the two operands of a comparison may be
    // evaluated in either order.
    unsigned int sinceRestart = limiter.getMicroseconds();
    EXPECT_LE(sinceRestart, Time::getMicrosecondsReal() - call);
}

} // namespace
