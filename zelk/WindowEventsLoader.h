#ifndef ZELK_WINDOWEVENTSLOADER_H
#define ZELK_WINDOWEVENTSLOADER_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/WindowEvents.h"
#include "zelk/WindowSystemInput.h"

namespace sf {
class Event;
}

namespace zelk {

// The window's own input state that the events change beside the record.
struct WindowInputFields {
    WindowEvents& events;
    // Cursor position at the end of the last poll.
    vec2i32& lastMousePos;
    bool& hasFocus;
    bool& mouseInside;
    // The window's size as the last resize event left it.
    size2ui32& windowSize;
};

// Turns the window system's events into a frame's input record. The window
// cleans the record, hands every polled event to loadEvent in queue order and
// then calls endPoll; both ask the window system through a WindowSystemInput,
// so a test can drive them without a display.
//
// SFML 2.5 events are told apart by their enumerators: the wheel event is
// MouseWheelMoved, and MouseWheelScrolled, text, joystick, touch and sensor
// events change nothing but the mouse movement, which every event other than a
// move sets back to (0, 0).
class WindowEventsLoader {
public:
    // The engine code of an SFML key (sf::Keyboard::Key, Unknown = -1):
    // letters 'a' to 'z', main-block digits '0' to '9', every other key its
    // number plus 220.
    static unsigned int keyCode(int key);
    // The engine code of an SFML mouse button: its number plus 1.
    static unsigned int mouseButtonCode(int button);

    // Applies one event; true for a resize, after which the window fits its
    // views to windowSize.
    static bool loadEvent(const sf::Event& event, WindowInputFields fields,
                          WindowSystemInput& system);
    // Once the queue is empty: the cursor positions, the focus, and the keys
    // (with the focus) and mouse buttons (with the focus and the mouse inside)
    // that are down, in ascending window-system order.
    static void endPoll(WindowInputFields fields, WindowSystemInput& system);
};

} // namespace zelk

#endif
