#include "zelk/Thread.h"

#include <atomic>
#include <chrono>
#include <dirent.h>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

namespace {

using zelk::Thread;

int threadsOfProcess() {
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks)
        return -1;
    int count = 0;
    while (dirent* entry = readdir(tasks)) {
        if (entry->d_name[0] != '.')
            ++count;
    }
    closedir(tasks);
    return count;
}

// Polls the condition until it holds or half a minute of real time has
// passed, however slowly a busy machine runs the threads; answers the last
// reading.
bool waitFor(const std::function<bool()>& condition) {
    auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    bool holds = condition();
    while (!holds && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        holds = condition();
    }
    return holds;
}

// Waits until the process has the given number of threads (the system takes
// a moment to retire a detached one); answers the last count seen.
int waitForThreadCount(int expected) {
    int count = threadsOfProcess();
    waitFor([&] { return (count = threadsOfProcess()) == expected; });
    return count;
}

void* countUp(void* param) {
    static_cast<std::atomic<int>*>(param)->fetch_add(1);
    return nullptr;
}

// Sleeps in short steps until the flag is set or a limit passes; every sleep
// is a point where the thread can be cancelled. The limit is far beyond any
// test, so a sleeper still runs however long the test thread was held up.
struct Sleeper {
    std::atomic<bool> stop{false};
    std::atomic<bool> started{false};
    std::atomic<bool> finished{false};
    static constexpr int limitMilliseconds = 60000;
};

void* sleepUntilStopped(void* param) {
    Sleeper* sleeper = static_cast<Sleeper*>(param);
    sleeper->started = true;
    for (int slept = 0; slept < sleeper->limitMilliseconds && !sleeper->stop; slept += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    sleeper->finished = true;
    return nullptr;
}

void waitUntil(const std::atomic<bool>& flag) {
    waitFor([&] { return flag.load(); });
}

TEST(ThreadTest, NullFunctionLeavesTheObjectIdle) {
    Thread thread;
    EXPECT_FALSE(thread.start(nullptr));
    EXPECT_FALSE(thread.isAlive());
    EXPECT_FALSE(thread.waitEnd());
    EXPECT_FALSE(thread.waitEnd(10));
    EXPECT_FALSE(thread.kill());
    EXPECT_FALSE(thread.runFunc());
}

TEST(ThreadTest, WaitForAFunctionThatReturnsAtOnce) {
    std::atomic<int> runs{0};
    Thread thread(countUp, &runs);
    EXPECT_TRUE(thread.waitEnd());
    EXPECT_EQ(runs.load(), 1);
    EXPECT_FALSE(thread.isAlive());
    EXPECT_FALSE(thread.waitEnd());

    EXPECT_TRUE(thread.start(countUp, &runs));
    EXPECT_FALSE(thread.waitEnd(4294967295ULL));
    EXPECT_EQ(runs.load(), 2);
}

TEST(ThreadTest, TimedWaitKeepsARunningThreadAndForgetsAnEndedOne) {
    Sleeper sleeper;
    Thread thread;
    ASSERT_TRUE(thread.start(sleepUntilStopped, &sleeper));
    EXPECT_TRUE(thread.isAlive());
    EXPECT_TRUE(thread.waitEnd(10));
    EXPECT_TRUE(thread.isAlive());
    sleeper.stop = true;
    waitUntil(sleeper.finished);
    EXPECT_FALSE(thread.waitEnd(1000));
    EXPECT_FALSE(thread.isAlive());
    EXPECT_FALSE(thread.waitEnd(10));
}

TEST(ThreadTest, KillEndsTheThreadBeforeItFinishes) {
    int before = threadsOfProcess();
    Sleeper sleeper;
    Thread thread(sleepUntilStopped, &sleeper);
    waitUntil(sleeper.started);
    EXPECT_EQ(threadsOfProcess(), before + 1);
    EXPECT_TRUE(thread.kill());
    EXPECT_FALSE(sleeper.finished);
    EXPECT_FALSE(thread.isAlive());
    EXPECT_EQ(threadsOfProcess(), before);
    EXPECT_FALSE(thread.kill());
}

TEST(ThreadTest, StartingAgainEndsTheRunningThreadFirst) {
    int before = threadsOfProcess();
    Sleeper first;
    std::atomic<int> runs{0};
    Thread thread(sleepUntilStopped, &first);
    waitUntil(first.started);
    EXPECT_TRUE(thread.start(countUp, &runs));
    EXPECT_FALSE(first.finished);
    EXPECT_TRUE(thread.waitEnd());
    EXPECT_EQ(runs.load(), 1);
    EXPECT_EQ(threadsOfProcess(), before);
}

TEST(ThreadTest, DestroyingRunningThreadsLeavesNoThreadBehind) {
    int before = threadsOfProcess();
    Sleeper sleepers[8];
    {
        Thread* threads[8];
        for (int i = 0; i < 8; ++i) {
            threads[i] = new Thread(sleepUntilStopped, &sleepers[i]);
        }
        for (Sleeper& sleeper : sleepers)
            waitUntil(sleeper.started);
        EXPECT_EQ(threadsOfProcess(), before + 8);
        for (Thread* thread : threads)
            delete thread;
    }
    EXPECT_EQ(threadsOfProcess(), before);
    for (Sleeper& sleeper : sleepers)
        EXPECT_FALSE(sleeper.finished);
}

TEST(ThreadTest, AForgottenThreadRunsOnAloneAndLeavesNothingBehind) {
    int before = threadsOfProcess();
    Sleeper sleeper;
    Thread* thread = new Thread(sleepUntilStopped, &sleeper);
    waitUntil(sleeper.started);
    thread->cleanThread();
    EXPECT_FALSE(thread->isAlive());
    EXPECT_FALSE(thread->kill());
    delete thread;
    EXPECT_FALSE(sleeper.finished);
    sleeper.stop = true;
    waitUntil(sleeper.finished);
    EXPECT_TRUE(sleeper.finished);
    EXPECT_EQ(waitForThreadCount(before), before);
}

TEST(ThreadTest, ForgettingAFinishedThreadReleasesIt) {
    int before = threadsOfProcess();
    std::atomic<int> runs{0};
    for (int i = 0; i < 50; ++i) {
        Thread thread(countUp, &runs);
        while (thread.isAlive())
            std::this_thread::yield();
        thread.cleanThread();
    }
    EXPECT_EQ(runs.load(), 50);
    EXPECT_EQ(waitForThreadCount(before), before);
}

TEST(ThreadTest, NoThreadIsEndedByTheStaticOperations) {
    EXPECT_FALSE(Thread::killThisThread());
    Thread::killAllThreads();
}

} // namespace
