#include "zelk/WindowEvents.h"

namespace zelk {

WindowEvents::WindowEvents() : windowFocus(true) {
    clean();
}

WindowEvents::~WindowEvents() {}

void WindowEvents::clean() {
    windowClose = false;
    windowLostFocus = false;
    windowGainedFocus = false;
    windowResize = false;
    resizeDelta = size2i32(0, 0);
    windowSize = size2ui32(0u, 0u);
    keyPressed.clean();
    keyRelease.clean();
    keyHolded.clean();
    mousePressed.clean();
    mouseRelease.clean();
    mouseHolded.clean();
    mouseMoved = false;
    mousePos = vec2i32(0, 0);
    mousePosDesktop = vec2i32(0, 0);
    mouseMove = vec2i32(0, 0);
    mouseEnter = false;
    mouseExit = false;
    mouseScrollWheel = 0;
}

} // namespace zelk
