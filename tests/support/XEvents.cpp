#include "support/XEvents.h"

#include <X11/Xlib.h>

namespace zelk {
namespace test {

bool sendKey(unsigned long window, bool press, unsigned long keySymbol) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XEvent event{};
    XKeyEvent& key = event.xkey;
    key.type = press ? KeyPress : KeyRelease;
    key.display = display;
    key.window = window;
    key.root = DefaultRootWindow(display);
    key.time = CurrentTime;
    key.same_screen = True;
    key.keycode = XKeysymToKeycode(display, keySymbol);
    Status sent = XSendEvent(display, window, True, press ? KeyPressMask : KeyReleaseMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0 && key.keycode != 0;
}

} // namespace test
} // namespace zelk
