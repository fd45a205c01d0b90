#include "zelk/platform/Clipboard.h"

#include <SFML/Window/Clipboard.hpp>
#include <X11/Xlib.h>
#include <string>

namespace zelk {
namespace platform {

bool Clipboard::available() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

char* Clipboard::read() {
    if (!available()) {
        return nullptr;
    }
    sf::String contents = sf::Clipboard::getString();
    size_t size = 0;
    while (size < contents.getSize() && contents[size] != 0) {
        ++size;
    }
    if (size == 0) {
        return nullptr;
    }
    char* text = new char[size + 1];
    for (size_t i = 0; i < size; ++i) {
        sf::Uint32 c = contents[i];
        text[i] = static_cast<char>(c <= 255 ? c : '?');
    }
    text[size] = 0;
    return text;
}

bool Clipboard::clean() {
    if (!available()) {
        return false;
    }
    sf::Clipboard::setString(sf::String());
    return true;
}

bool Clipboard::write(const char* text) {
    if (!text || !available()) {
        return false;
    }
    std::basic_string<sf::Uint32> characters;
    for (const char* p = text; *p; ++p) {
        characters += static_cast<unsigned char>(*p);
    }
    sf::Clipboard::setString(sf::String(characters));
    return true;
}

} // namespace platform
} // namespace zelk
