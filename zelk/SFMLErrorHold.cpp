#include "zelk/SFMLErrorHold.h"

#include <SFML/System/Err.hpp>

#include <string>

namespace zelk {

SFMLErrorHold::SFMLErrorHold() : previous(sf::err().rdbuf(&held)), dropped(false) {}

SFMLErrorHold::~SFMLErrorHold() {
    sf::err().rdbuf(previous);
    std::string text = held.str();
    if (!dropped && previous && !text.empty()) {
        previous->sputn(text.data(), static_cast<std::streamsize>(text.size()));
        previous->pubsync();
    }
}

void SFMLErrorHold::drop() {
    dropped = true;
}

} // namespace zelk
