#ifndef ZELK_THREAD_H
#define ZELK_THREAD_H

#include <condition_variable>
#include <mutex>

namespace zelk {

namespace platform {
struct ThreadRecord;
}

// Runs one function on one thread of its own, and lets the owner ask whether
// it still runs, wait for its end or end it. The function runs with the
// parameter it was given; its result is ignored.
//
// Ending a thread by force (kill, start on a running object, destruction)
// cancels it at its next cancellation point (a sleep, a wait, blocking input
// or output) and waits until it is gone: a function that never reaches one
// cannot be ended that way, and owners that need clean ends wait with
// waitEnd instead.
class Thread {
public:
    Thread();
    Thread(void* (*func)(void*), void* param);
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Ends a thread of this object first. False for a null function or when
    // the system makes no thread; the object is then idle.
    bool start(void* (*func)(void*), void* param);
    bool start(void* (*func)(void*));

    // True while the function still runs.
    bool isAlive();
    // Waits up to the milliseconds (4294967295: without limit). True when the
    // thread still runs and is kept; false when it ended (the object then
    // forgets it) or there was none.
    bool waitEnd(unsigned long long milliseconds);
    // Waits for the end. True when there was a thread; the object forgets it.
    bool waitEnd();
    // Ends the thread by force. True when there was one; the object is idle.
    bool kill();
    // Forgets the thread without ending it: one still running goes on alone.
    void cleanThread();
    // Runs the stored function once on the calling thread; false without one.
    // The function and parameter are taken from the object before the call,
    // so a running thread never touches its object again.
    bool runFunc();

    // Kept for the interface: neither ends a thread.
    static bool killThisThread();
    static void killAllThreads();

private:
    void* (*func)(void*);
    void* param;
    platform::ThreadRecord* threadHandle;
    std::mutex handOverLock;
    std::condition_variable handedOver;
};

// The entry of every thread: runs the function of the zelk::Thread it is given.
void zelkThreadFunc(void* object);

} // namespace zelk

#endif
