#ifndef ZELK_WATCH_FPS_H
#define ZELK_WATCH_FPS_H

#include "zelk/watch/Time.h"

namespace zelk {
namespace watch {

// Holds a loop to a frame rate: waitForFPS() at the end of every frame sleeps
// away what the frame's work left of its length.
class FPS : public Time {
public:
    FPS();
    explicit FPS(unsigned int fps);

    // 0 turns waiting off.
    void setFPS(unsigned int fps);
    void start();
    // Sleeps the rest of the frame and restarts the stopwatch; true when it
    // slept, false when the frame was already used up or waiting is off.
    bool waitForFPS();

private:
    unsigned int fps;
};

} // namespace watch
} // namespace zelk

#endif
