#include "zelk/platform/InputDevices.h"

#include <X11/Xlib.h>

namespace zelk {
namespace platform {

bool InputDevices::anyKeyDown() {
    Display* display = static_cast<Display*>(connection());
    if (!display) {
        return true;
    }
    char keys[32] = {};
    XQueryKeymap(display, keys);
    for (char bits : keys) {
        if (bits != 0) {
            return true;
        }
    }
    return false;
}

bool InputDevices::anyButtonDown() {
    Display* display = static_cast<Display*>(connection());
    if (!display) {
        return true;
    }
    Window root = 0;
    Window child = 0;
    int rootX = 0;
    int rootY = 0;
    int x = 0;
    int y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &x, &y,
                       &mask)) {
        return true;
    }
    return (mask & (Button1Mask | Button2Mask | Button3Mask | Button4Mask | Button5Mask)) != 0;
}

} // namespace platform
} // namespace zelk
