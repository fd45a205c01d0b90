#include "zelk/platform/DisplayHold.h"

#include <X11/Xlib.h>

namespace zelk {
namespace platform {

DisplayHold::DisplayHold() : display(XOpenDisplay(nullptr)) {}

DisplayHold::~DisplayHold() {
    if (display) {
        XCloseDisplay(static_cast<Display*>(display));
    }
}

} // namespace platform
} // namespace zelk
