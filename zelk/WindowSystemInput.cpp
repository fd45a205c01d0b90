#include "zelk/WindowSystemInput.h"

#include "zelk/platform/InputDevices.h"

#include <SFML/Window/Keyboard.hpp>
#include <SFML/Window/Mouse.hpp>
#include <SFML/Window/Window.hpp>

namespace zelk {

size2ui32 SFMLWindowInput::getWindowSize() {
    sf::Vector2u size = window.getSize();
    return size2ui32(size.x, size.y);
}

vec2i32 SFMLWindowInput::getMousePosition() {
    sf::Vector2i position = sf::Mouse::getPosition(window);
    return vec2i32(position.x, position.y);
}

vec2i32 SFMLWindowInput::getMouseDesktopPosition() {
    sf::Vector2i position = sf::Mouse::getPosition();
    return vec2i32(position.x, position.y);
}

bool SFMLWindowInput::mayBeDown(bool& asked, bool& answer,
                                bool (platform::InputDevices::*question)()) {
    if (devices && !asked) {
        asked = true;
        answer = (devices->*question)();
    }
    return answer;
}

bool SFMLWindowInput::isKeyDown(int key) {
    return key >= 0 && key < sf::Keyboard::KeyCount &&
           mayBeDown(keysAsked, keysMayBeDown, &platform::InputDevices::anyKeyDown) &&
           sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(key));
}

bool SFMLWindowInput::isMouseButtonDown(int button) {
    return button >= 0 && button < sf::Mouse::ButtonCount &&
           mayBeDown(buttonsAsked, buttonsMayBeDown, &platform::InputDevices::anyButtonDown) &&
           sf::Mouse::isButtonPressed(static_cast<sf::Mouse::Button>(button));
}

} // namespace zelk
