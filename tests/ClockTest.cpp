#include "zelk/platform/Clock.h"
#include "zelk/watch/FPS.h"
#include "zelk/watch/Time.h"

#include <chrono>
#include <ctime>
#include <gtest/gtest.h>

namespace {

using zelk::watch::FPS;
using zelk::watch::Time;

long long elapsedMicroseconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() -
                                                                 since)
        .count();
}

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

TEST(ClockTest, StopwatchCountsMicrosecondsSinceStart) {
    Time watch;
    long long before = Time::getMicrosecondsReal();
    watch.start();
    sleepFor(5000);
    unsigned int elapsed = watch.getMicroseconds();
    EXPECT_GE(elapsed, 5000u);
    EXPECT_LT(elapsed, 2000000u);
    EXPECT_GE(Time::getMicrosecondsReal() - before, static_cast<long long>(elapsed));
    watch.start();
    EXPECT_LT(watch.getMicroseconds(), elapsed);
    EXPECT_FALSE(watch.overflowOccurred());
}

TEST(ClockTest, RemoveReadsLessAndWrapsPastZero) {
    Time watch;
    auto begin = std::chrono::steady_clock::now();
    watch.start();
    watch.remove(1000);
    sleepFor(3000);
    unsigned int reduced = watch.getMicroseconds();
    EXPECT_GE(reduced, 2000u);
    EXPECT_LE(reduced + 1000, elapsedMicroseconds(begin) + 1);

    watch.start();
    watch.remove(5000000);
    EXPECT_GT(watch.getMicroseconds(), 4294967295u - 5000000u);
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
    auto begin = std::chrono::steady_clock::now();
    watch.sleepProcessMiliseconds(20);
    EXPECT_GE(elapsedMicroseconds(begin), 20000);
    begin = std::chrono::steady_clock::now();
    watch.sleepProcessMicroseconds(2000000);
    EXPECT_LT(elapsedMicroseconds(begin), 1000000);
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
    auto begin = std::chrono::steady_clock::now();
    EXPECT_FALSE(limiter.waitForFPS());
    EXPECT_LT(elapsedMicroseconds(begin), 2000);
    EXPECT_GE(limiter.getMicroseconds(), 3000u);
}

TEST(ClockTest, FrameLimiterSleepsTheRestOfTheFrame) {
    FPS limiter(60);
    sleepFor(2000);
    auto begin = std::chrono::steady_clock::now();
    EXPECT_TRUE(limiter.waitForFPS());
    long long slept = elapsedMicroseconds(begin);
    EXPECT_GE(slept, 12000);
    EXPECT_LT(slept, 500000);
    EXPECT_LT(limiter.getMicroseconds(), 100000u);
}

TEST(ClockTest, FrameLimiterRestartsAfterALongFrame) {
    FPS limiter;
    limiter.setFPS(60);
    limiter.start();
    sleepFor(20000);
    auto begin = std::chrono::steady_clock::now();
    EXPECT_FALSE(limiter.waitForFPS());
    EXPECT_LT(elapsedMicroseconds(begin), 5000);
    EXPECT_LT(limiter.getMicroseconds(), 20000u);
}

} // namespace
