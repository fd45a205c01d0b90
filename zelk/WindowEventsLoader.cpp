#include "zelk/WindowEventsLoader.h"

#include "zelk/WrapInt.h"

#include <SFML/Window/Event.hpp>

namespace zelk {

namespace {

// A size change in signed pixels, wrapping rather than overflowing.
int32 change(uint32 from, uint32 to) {
    return static_cast<int32>(wrap::sub(to, from));
}

void resize(WindowInputFields& fields, WindowSystemInput& system) {
    WindowEvents& events = fields.events;
    size2ui32 size = system.getWindowSize();
    events.windowResize = true;
    events.resizeDelta.width =
        wrap::add(events.resizeDelta.width, change(fields.windowSize.width, size.width));
    events.resizeDelta.height =
        wrap::add(events.resizeDelta.height, change(fields.windowSize.height, size.height));
    fields.windowSize = size;
    events.windowSize = size;
}

} // namespace

unsigned int WindowEventsLoader::keyCode(int key) {
    long long code = key;
    if (key >= sf::Keyboard::A && key <= sf::Keyboard::Z) {
        code += 'a' - sf::Keyboard::A;
    } else if (key >= sf::Keyboard::Num0 && key <= sf::Keyboard::Num9) {
        code += '0' - sf::Keyboard::Num0;
    } else {
        code += 220;
    }
    return static_cast<unsigned int>(code);
}

unsigned int WindowEventsLoader::mouseButtonCode(int button) {
    return static_cast<unsigned int>(static_cast<long long>(button) + 1);
}

bool WindowEventsLoader::loadEvent(const sf::Event& event, WindowInputFields fields,
                                   WindowSystemInput& system) {
    WindowEvents& events = fields.events;
    if (event.type == sf::Event::MouseMoved) {
        vec2i32 position = system.getMousePosition();
        events.mouseMoved = true;
        events.mouseMove = position - fields.lastMousePos;
        events.mousePos = position;
        return false;
    }
    events.mouseMove = vec2i32(0, 0);
    switch (event.type) {
    case sf::Event::Closed:
        events.windowClose = true;
        break;
    case sf::Event::Resized:
        resize(fields, system);
        return true;
    case sf::Event::LostFocus:
        events.windowLostFocus = true;
        events.windowFocus = false;
        break;
    case sf::Event::GainedFocus:
        events.windowGainedFocus = true;
        events.windowFocus = true;
        break;
    case sf::Event::KeyPressed:
        events.keyPressed.pushBack(keyCode(event.key.code));
        break;
    case sf::Event::KeyReleased:
        events.keyRelease.pushBack(keyCode(event.key.code));
        break;
    case sf::Event::MouseWheelMoved:
        events.mouseScrollWheel = event.mouseWheel.delta;
        fields.mouseInside = true;
        break;
    case sf::Event::MouseButtonPressed:
        events.mousePressed.pushBack(mouseButtonCode(event.mouseButton.button));
        fields.mouseInside = true;
        break;
    case sf::Event::MouseButtonReleased:
        events.mouseRelease.pushBack(mouseButtonCode(event.mouseButton.button));
        break;
    case sf::Event::MouseEntered:
        events.mouseEnter = true;
        fields.mouseInside = true;
        break;
    case sf::Event::MouseLeft:
        events.mouseExit = true;
        fields.mouseInside = false;
        break;
    default:
        break;
    }
    return false;
}

void WindowEventsLoader::endPoll(WindowInputFields fields, WindowSystemInput& system) {
    WindowEvents& events = fields.events;
    events.mousePos = system.getMousePosition();
    fields.lastMousePos = events.mousePos;
    events.mousePosDesktop = system.getMouseDesktopPosition();
    fields.hasFocus = events.windowFocus;
    if (!fields.hasFocus) {
        return;
    }
    for (int key = 0; key < sf::Keyboard::KeyCount; ++key) {
        if (system.isKeyDown(key)) {
            events.keyHolded.pushBack(keyCode(key));
        }
    }
    if (!fields.mouseInside) {
        return;
    }
    for (int button = 0; button < sf::Mouse::ButtonCount; ++button) {
        if (system.isMouseButtonDown(button)) {
            events.mouseHolded.pushBack(mouseButtonCode(button));
        }
    }
}

} // namespace zelk
