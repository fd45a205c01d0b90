#ifndef ZELK_PLATFORM_THREADS_H
#define ZELK_PLATFORM_THREADS_H

namespace zelk {
namespace platform {

// A running or finished system thread. Exactly one of threadJoin,
// threadWait (when it answers true), threadCancel or threadDetach releases it.
struct ThreadRecord;

// Starts entry(argument) on a new thread with the default stack; null when
// the system makes none.
ThreadRecord* threadCreate(void (*entry)(void*), void* argument);

// True once entry has returned.
bool threadFinished(ThreadRecord* thread);

// Waits up to the milliseconds for entry to return. On its return the thread
// is joined and released: true. On the time-out the thread is kept: false.
bool threadWait(ThreadRecord* thread, unsigned int milliseconds);

// Waits without limit for the thread's end, then releases it.
void threadJoin(ThreadRecord* thread);

// Cancels the thread at its next cancellation point (sleeps, waits, blocking
// input and output), waits for its end and releases it.
void threadCancel(ThreadRecord* thread);

// Lets the thread run on alone; it releases itself when entry returns.
void threadDetach(ThreadRecord* thread);

} // namespace platform
} // namespace zelk

#endif
