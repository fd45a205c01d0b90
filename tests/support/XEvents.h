#ifndef ZELK_TESTS_XEVENTS_H
#define ZELK_TESTS_XEVENTS_H

#include <string>

namespace zelk {
namespace test {

// Sends a key press or release of an X key symbol (XK_Escape, ...) to one
// window, as the X server would deliver it, from a display connection of its
// own. The display's pointer and keyboard are left alone, so tests running
// beside it are not disturbed. False when no display could be opened or the
// event could not be sent.
bool sendKey(unsigned long window, bool press, unsigned long keySymbol);
// Asks the window to close, as a window manager does when its close button is
// pressed (WM_DELETE_WINDOW), in the same way.
bool sendClose(unsigned long window);

// Starts an X server of this test program's own (Xvfb, one 1024x768 screen
// of 24 bits) on the first call and points DISPLAY at it; later calls answer
// the first one's result. It is for tests that drive the server's real
// keyboard and pointer through XTest: what they do reaches every client of
// the server, so they must not share one with tests running beside them. The
// server picks a free display number itself and ends with this process: SFML
// keeps a connection to the display until the end, so it must not go sooner.
// Call it before anything opens the display.
bool usePrivateXServer();

// The keyboard and pointer of the display DISPLAY names, driven through the
// XTest extension as if a person used them: the events go wherever the server
// sends real input. Each call waits until the server has taken the event.
class XTestInput {
public:
    XTestInput();
    ~XTestInput();
    XTestInput(const XTestInput&) = delete;
    XTestInput& operator=(const XTestInput&) = delete;

    // The display is open and has the XTest extension.
    bool ready() const { return display != nullptr; }

    bool key(unsigned long keySymbol, bool press);
    // X buttons: 1 left, 2 middle, 3 right, 4 and 5 the wheel up and down.
    bool button(unsigned int button, bool press);
    // The pointer to a point of the screen, in pixels from its top-left corner.
    bool moveTo(int x, int y);

private:
    void* display;
};

} // namespace test
} // namespace zelk

#endif
