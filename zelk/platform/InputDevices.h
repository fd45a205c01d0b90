#ifndef ZELK_PLATFORM_INPUTDEVICES_H
#define ZELK_PLATFORM_INPUTDEVICES_H

#include "zelk/platform/DisplayHold.h"

namespace zelk {
namespace platform {

// A connection of its own to the X display that tells, in one round trip
// each, whether any key of the keyboard or any button of the pointer is down
// at this moment. Asking a key or a button at a time costs a round trip
// each; a frame that first asks whether any is down saves them all while
// nothing is held.
class InputDevices : public DisplayHold {
public:
    // Each answers true when it cannot tell (no display).
    bool anyKeyDown();
    // Buttons 1 to 5.
    bool anyButtonDown();
};

} // namespace platform
} // namespace zelk

#endif
