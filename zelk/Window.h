#ifndef ZELK_WINDOW_H
#define ZELK_WINDOW_H

#include "zelk/TypeColor.h"
#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/ViewController.h"
#include "zelk/WindowEvents.h"
#include "zelk/vector/Stack.h"

#include <memory>

namespace sf {
class RenderWindow;
}

namespace zelk {

namespace platform {
class InputDevices;
}

// The application window: an SFML window with an OpenGL 2.0 context, the
// root controller of the view tree and the one input record refilled every
// frame. A frame is loadEvents(), updateViews(), drawView(), flip(); nothing
// clears the frame before the tree is drawn.
//
// The window's OpenGL context is made current when it opens and stays current
// while it is open, so views may load textures in update(). Without an X
// display createWindow answers false; the SFML window is only made once a
// display has been found, so a Window can be constructed without one.
// The window never owns the views added to it.
class Window {
public:
    Window();
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // Opens the window, closing an open one first. style bits: 1 title bar, 2
    // resizing, 4 close button, 16 full screen; others are ignored. depth,
    // stencil and antialiasing are the context's bits and samples. False for
    // a null title, a side of 0 or above 32767 pixels (the X server's range)
    // or without an X display.
    bool createWindow(unsigned int width, unsigned int height, char* title, unsigned int style,
                      unsigned int depth, unsigned int stencil, unsigned int antialiasing);
    bool createWindow(unsigned int width, unsigned int height, const char* title,
                      unsigned int style, unsigned int depth, unsigned int stencil,
                      unsigned int antialiasing);
    // Depth 24, stencil 8, no antialiasing.
    bool createWindow(unsigned int width, unsigned int height, char* title, unsigned int style);
    bool createWindow(unsigned int width, unsigned int height, const char* title,
                      unsigned int style);
    bool isOpened();
    // Switches OpenGL blending off, always; then closes the window if open.
    void closeWindow();
    // Clears the open window to backgroundColor.
    void clean();
    bool isShowing();
    bool haveFocus();

    // The root controller's children.
    uint32 getViewCount();
    bool addSubview(View* view);
    View* getSubview(unsigned long long position);
    uint32 getSubviewId(View* view);
    bool removeSubview(View* view);

    // Remembered while closed and applied when the window opens.
    void windowRender(bool show);
    void showWindow();
    void hideWindow();
    void mouseRender(bool show);
    void showMouse();
    void hideMouse();
    // Relative to the window; false when closed.
    bool setMousePosition(vec2i32 position);
    bool setMousePosition(int x, int y);
    // On the desktop; false when closed.
    bool setWindowPosition(vec2i32 position);
    bool setWindowPosition(int x, int y);
    // False when closed or for a side of 0 or above 32767 pixels.
    bool setWindowSize(size2ui32 size);
    bool setWindowSize(unsigned int width, unsigned int height);
    // The root view's frame becomes (0, 0) and the window's current size.
    void updateViewSize();
    // windowSize; (0, 0) when closed.
    size2ui32 getSize();
    // The window's current size; (0, 0) when closed.
    size2ui32 getScreenSize();
    uint32 getWidth();
    uint32 getHeight();
    static size2ui32 getDesktopSize();
    static uint32 getDesktopBitsPerPixel();

    // The frame.
    void cleanEvents();
    // Cleans the record and fills it from the window's event queue, then with
    // the cursor, the focus and what is held down.
    void loadEvents();
    // Mouse contacts into the tree (press, move, release), then the update
    // walk from the root.
    void updateViews();
    // update() and updateAnimations() of the view, then its subviews in
    // position order, the count read again at every step.
    void updateView(View* view);
    // Make the window's context current; false when closed or drawing.
    bool drawStart();
    // Ends the drawing; the context stays current. False when closed or not
    // drawing.
    bool drawEnd();
    // Draws the tree from the root, in backgroundColor; nothing when closed.
    void drawView();
    // Shows the frame; false when closed or between drawStart and drawEnd.
    bool flip();
    bool render();
    // Hooks for subclasses' use; empty.
    void mousePressView(ViewController* view, vec2i32 position,
                        vector::Stack<unsigned int> buttons);
    void mouseReleaseView(ViewController* view, vec2i32 position,
                          vector::Stack<unsigned int> buttons);

    // This frame's input, as the views get it.
    // The close button was pressed; a second call in the frame gives false.
    bool eventButtonClose();
    bool eventLostFocus();
    bool eventGainedFocus();
    bool eventResizeWindow();
    size2i32 getResize();
    bool eventKeyPressed();
    bool eventKeyRelease();
    bool eventKeyHolded();
    uint32 eventGetKeyPressedSize();
    uint32 eventGetKeyReleaseSize();
    uint32 eventGetKeyHoldedSize();
    // The code at the position; 0 when the position is not below the size.
    uint32 eventGetKeyPressed(unsigned int position);
    uint32 eventGetKeyRelease(unsigned int position);
    uint32 eventGetKeyHolded(unsigned int position);
    bool eventMousePressed();
    bool eventMouseRelease();
    bool eventMouseHolded();
    uint32 eventGetMousePressedSize();
    uint32 eventGetMouseReleaseSize();
    uint32 eventGetMouseHoldedSize();
    uint32 eventGetMousePressed(unsigned int position);
    uint32 eventGetMouseRelease(unsigned int position);
    uint32 eventGetMouseHolded(unsigned int position);
    bool eventMouseMoved();
    vec2i32 eventGetMouseMoved();
    vec2i32 getMousePos();
    bool eventMouseEnter();
    bool eventMouseExit();
    int32 getMouseScrollWheel();

    // Given to the root view at every draw (alpha 1), and clean()'s colour.
    color3f32 backgroundColor;
    // The cursor in window pixels at the end of the last loadEvents.
    vec2i32 lastMousePos;
    bool hasFocus;
    bool mouseInside;
    // Made by the first createWindow that finds a display.
    std::unique_ptr<sf::RenderWindow> renderWindow;
    ViewController rootView;
    bool mouseShown;
    bool windowShown;
    bool drawing;
    // As setWindowSize or the last resize event left it.
    size2ui32 windowSize;
    WindowEvents events;

private:
    // Made with the first window; asked once a frame whether any key or
    // button is down before each is asked.
    std::unique_ptr<platform::InputDevices> inputDevices;
};

} // namespace zelk

#endif
