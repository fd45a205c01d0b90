#include "zelk/platform/Clipboard.h"

#include "zelk/platform/DisplayHold.h"

#include <SFML/Window/Clipboard.hpp>
#include <mutex>
#include <string>

namespace zelk {
namespace platform {

namespace {

std::mutex guard;
// The bytes this process last put on the clipboard.
std::string written;

// The characters SFML can pass on: 7-bit bytes as they are, others as '?'.
std::basic_string<sf::Uint32> sevenBit(const std::string& bytes) {
    std::basic_string<sf::Uint32> characters;
    for (char c : bytes) {
        unsigned char byte = static_cast<unsigned char>(c);
        characters += byte < 0x80 ? byte : '?';
    }
    return characters;
}

} // namespace

std::string Clipboard::read() {
    DisplayHold display;
    if (!display.opened()) {
        return std::string();
    }
    std::lock_guard<std::mutex> lock(guard);
    std::basic_string<sf::Uint32> contents = sf::Clipboard::getString().toUtf32();
    contents = contents.substr(0, contents.find(sf::Uint32(0)));
    if (contents == sevenBit(written)) {
        return written;
    }
    std::string bytes;
    for (sf::Uint32 c : contents) {
        bytes += static_cast<char>(c <= 255 ? c : '?');
    }
    return bytes;
}

bool Clipboard::clean() {
    DisplayHold display;
    if (!display.opened()) {
        return false;
    }
    std::lock_guard<std::mutex> lock(guard);
    written.clear();
    sf::Clipboard::setString(sf::String());
    return true;
}

bool Clipboard::write(const char* text) {
    if (!text) {
        return false;
    }
    DisplayHold display;
    if (!display.opened()) {
        return false;
    }
    std::lock_guard<std::mutex> lock(guard);
    written = text;
    sf::Clipboard::setString(sf::String(sevenBit(written)));
    return true;
}

} // namespace platform
} // namespace zelk
