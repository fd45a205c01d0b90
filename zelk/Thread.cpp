#include "zelk/Thread.h"

#include "zelk/platform/Threads.h"

namespace zelk {

namespace {
const unsigned long long waitWithoutLimit = 4294967295ULL;
}

void zelkThreadFunc(void* object) {
    if (object)
        static_cast<Thread*>(object)->runFunc();
}

Thread::Thread() : func(nullptr), param(nullptr), threadHandle(nullptr) {}

Thread::Thread(void* (*func)(void*), void* param) : Thread() {
    start(func, param);
}

Thread::~Thread() {
    kill();
}

bool Thread::start(void* (*func)(void*), void* param) {
    kill();
    if (!func)
        return false;
    std::unique_lock<std::mutex> guard(handOverLock);
    this->func = func;
    this->param = param;
    threadHandle = platform::threadCreate(zelkThreadFunc, this);
    if (!threadHandle) {
        this->func = nullptr;
        this->param = nullptr;
        return false;
    }
    // The new thread takes the function and parameter before we go on, so
    // nothing the owner does afterwards races with it.
    handedOver.wait(guard, [this] { return this->func == nullptr; });
    return true;
}

bool Thread::start(void* (*func)(void*)) {
    return start(func, nullptr);
}

bool Thread::isAlive() {
    return threadHandle && !platform::threadFinished(threadHandle);
}

bool Thread::waitEnd(unsigned long long milliseconds) {
    if (!threadHandle)
        return false;
    unsigned int limit = static_cast<unsigned int>(milliseconds);
    if (limit == waitWithoutLimit) {
        platform::threadJoin(threadHandle);
    } else if (!platform::threadWait(threadHandle, limit)) {
        return true;
    }
    threadHandle = nullptr;
    cleanThread();
    return false;
}

bool Thread::waitEnd() {
    if (!threadHandle)
        return false;
    platform::threadJoin(threadHandle);
    threadHandle = nullptr;
    cleanThread();
    return true;
}

bool Thread::kill() {
    bool had = threadHandle != nullptr;
    platform::threadCancel(threadHandle);
    threadHandle = nullptr;
    cleanThread();
    return had;
}

void Thread::cleanThread() {
    if (threadHandle) {
        if (platform::threadFinished(threadHandle))
            platform::threadJoin(threadHandle);
        else
            platform::threadDetach(threadHandle);
    }
    std::lock_guard<std::mutex> guard(handOverLock);
    func = nullptr;
    param = nullptr;
    threadHandle = nullptr;
}

bool Thread::runFunc() {
    void* (*taken)(void*);
    void* takenParam;
    {
        std::lock_guard<std::mutex> guard(handOverLock);
        taken = func;
        takenParam = param;
        func = nullptr;
        param = nullptr;
        // Under the lock: once it is released the owner may free the object.
        handedOver.notify_all();
    }
    if (!taken)
        return false;
    taken(takenParam);
    return true;
}

bool Thread::killThisThread() {
    return false;
}

void Thread::killAllThreads() {}

} // namespace zelk
