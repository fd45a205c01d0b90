#include "zelk/platform/Threads.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <pthread.h>

namespace zelk {
namespace platform {

struct ThreadRecord {
    pthread_t id{};
    void (*entry)(void*) = nullptr;
    void* argument = nullptr;
    std::mutex lock;
    std::condition_variable ended;
    bool finished = false;
    // The owner and the running thread each hold one; a detached record is
    // freed by whichever lets go last. A joined record is freed by the owner.
    std::atomic<int> holders{2};
};

namespace {

void release(ThreadRecord* thread) {
    if (thread->holders.fetch_sub(1) == 1)
        delete thread;
}

void* run(void* argument) {
    ThreadRecord* thread = static_cast<ThreadRecord*>(argument);
    thread->entry(thread->argument);
    {
        std::lock_guard<std::mutex> guard(thread->lock);
        thread->finished = true;
    }
    thread->ended.notify_all();
    release(thread);
    return nullptr;
}

void joinAndFree(ThreadRecord* thread) {
    pthread_join(thread->id, nullptr);
    delete thread;
}

} // namespace

ThreadRecord* threadCreate(void (*entry)(void*), void* argument) {
    if (!entry)
        return nullptr;
    ThreadRecord* thread = new ThreadRecord();
    thread->entry = entry;
    thread->argument = argument;
    if (pthread_create(&thread->id, nullptr, run, thread) != 0) {
        delete thread;
        return nullptr;
    }
    return thread;
}

bool threadFinished(ThreadRecord* thread) {
    if (!thread)
        return false;
    std::lock_guard<std::mutex> guard(thread->lock);
    return thread->finished;
}

bool threadWait(ThreadRecord* thread, unsigned int milliseconds) {
    if (!thread)
        return false;
    {
        std::unique_lock<std::mutex> guard(thread->lock);
        if (!thread->ended.wait_for(guard, std::chrono::milliseconds(milliseconds),
                                    [thread] { return thread->finished; }))
            return false;
    }
    joinAndFree(thread);
    return true;
}

void threadJoin(ThreadRecord* thread) {
    if (thread)
        joinAndFree(thread);
}

void threadCancel(ThreadRecord* thread) {
    if (!thread)
        return;
    pthread_cancel(thread->id);
    joinAndFree(thread);
}

void threadDetach(ThreadRecord* thread) {
    if (!thread)
        return;
    pthread_detach(thread->id);
    release(thread);
}

} // namespace platform
} // namespace zelk
