#ifndef ZELK_WINDOWSYSTEMINPUT_H
#define ZELK_WINDOWSYSTEMINPUT_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"

namespace sf {
class Window;
}

namespace zelk {

namespace platform {
class InputDevices;
}

// What the event loader asks the window system while it fills a frame's
// input record: the window's size and the cursor's position at this moment,
// and which keys and mouse buttons are down. Keys and buttons are the window
// system's own numbers (SFML's sf::Keyboard::Key and sf::Mouse::Button).
class WindowSystemInput {
public:
    virtual ~WindowSystemInput() {}

    virtual size2ui32 getWindowSize() = 0;
    // Relative to the window's top-left corner.
    virtual vec2i32 getMousePosition() = 0;
    virtual vec2i32 getMouseDesktopPosition() = 0;
    virtual bool isKeyDown(int key) = 0;
    virtual bool isMouseButtonDown(int button) = 0;
};

// The answers of SFML for one open window, which the caller keeps alive.
// Keys are read from the whole keyboard, focus or not. SFML asks the display
// for every key and button on its own; given the display's input devices,
// the first key (and the first button) asked first finds out in one question
// whether any is down at all, and while none is, SFML is not asked. Made
// anew for every frame.
class SFMLWindowInput : public WindowSystemInput {
public:
    explicit SFMLWindowInput(sf::Window& window, platform::InputDevices* devices = nullptr)
        : window(window), devices(devices), keysAsked(false), keysMayBeDown(true),
          buttonsAsked(false), buttonsMayBeDown(true) {}

    size2ui32 getWindowSize() override;
    vec2i32 getMousePosition() override;
    vec2i32 getMouseDesktopPosition() override;
    bool isKeyDown(int key) override;
    bool isMouseButtonDown(int button) override;

private:
    // The devices' answer to the question, asked once; true without devices.
    bool mayBeDown(bool& asked, bool& answer, bool (platform::InputDevices::*question)());

    sf::Window& window;
    platform::InputDevices* devices;
    bool keysAsked;
    bool keysMayBeDown;
    bool buttonsAsked;
    bool buttonsMayBeDown;
};

} // namespace zelk

#endif
