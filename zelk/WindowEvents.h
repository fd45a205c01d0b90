#ifndef ZELK_WINDOWEVENTS_H
#define ZELK_WINDOWEVENTS_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVars.h"
#include "zelk/TypeVec2.h"
#include "zelk/vector/Stack.h"

namespace zelk {

// One frame's input, refilled by the window at the start of every frame and
// handed to every view. Keys and mouse buttons are the engine's own codes,
// never the window system's numbers (see WindowEventsLoader):
// - keys: 'a' to 'z' and '0' to '9' as their ASCII codes, every other key its
//   window-system number plus 220, so Escape is 256, Return 278, Left 291,
//   Right 292, Up 293 and an unknown key 219;
// - mouse buttons: 1 left, 2 right, 3 middle, 4 and 5 the extra buttons; 0
//   stands for no button.
// The record owns its lists; it is not copied.
class WindowEvents {
public:
    // A group of keys pressed together. Nothing fills the list of them yet.
    struct ctrlPressed {
        ctrlPressed() {}
        ctrlPressed(const ctrlPressed&) = delete;
        ctrlPressed& operator=(const ctrlPressed&) = delete;

        vector::Stack<unsigned int> keys;
    };

    WindowEvents();
    virtual ~WindowEvents();
    WindowEvents(const WindowEvents&) = delete;
    WindowEvents& operator=(const WindowEvents&) = delete;

    // Starts a new frame: clears every flag, list and position, but keeps
    // windowFocus, mouseMovedButtons and ctrlPressedList.
    void clean();

    bool windowClose;
    bool windowLostFocus;
    bool windowGainedFocus;
    // Carries over from frame to frame; changed only by focus events.
    bool windowFocus;
    bool windowResize;
    // The size changes of this frame's resize events, summed.
    size2i32 resizeDelta;
    // The new size in a frame with a resize, (0, 0) in every other frame.
    size2ui32 windowSize;
    // In event order, key repeats included.
    vector::Stack<unsigned int> keyPressed;
    vector::Stack<unsigned int> keyRelease;
    // Down at the end of the frame's poll, in the window system's key order;
    // only while the window has the focus.
    vector::Stack<unsigned int> keyHolded;
    vector::Stack<unsigned int> mousePressed;
    // Handed along with mouse moves; nothing fills it, so a move carries no
    // button.
    vector::Stack<unsigned int> mouseMovedButtons;
    vector::Stack<unsigned int> mouseRelease;
    // Down at the end of the poll; only with the focus and the mouse inside.
    vector::Stack<unsigned int> mouseHolded;
    bool mouseMoved;
    // Window pixels from the top-left corner, y downwards.
    vec2i32 mousePos;
    vec2i32 mousePosDesktop;
    // Movement since the last frame's position; any later event of the same
    // poll that is not a move sets it back to (0, 0).
    vec2i32 mouseMove;
    bool mouseEnter;
    bool mouseExit;
    // Delta of the frame's last wheel event.
    int32 mouseScrollWheel;
    vector::Stack<ctrlPressed> ctrlPressedList;
};

} // namespace zelk

#endif
