#include "zelk/watch/FPS.h"

namespace zelk {
namespace watch {

FPS::FPS() : FPS(0) {}

FPS::FPS(unsigned int fps) : Time(), fps(0) {
    setFPS(fps);
    start();
}

void FPS::setFPS(unsigned int fps) {
    this->fps = fps;
}

void FPS::start() {
    Time::start();
}

bool FPS::waitForFPS() {
    if (fps == 0)
        return false;
    unsigned int frame = static_cast<unsigned int>((1.0f / static_cast<float>(fps)) * 1000000.0f);
    int rest = static_cast<int>(frame - getMicroseconds());
    bool slept = rest > 0;
    if (slept)
        sleepProcessMiliseconds(static_cast<unsigned int>(rest * 0.001));
    start();
    return slept;
}

} // namespace watch
} // namespace zelk
