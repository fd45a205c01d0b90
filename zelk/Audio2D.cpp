#include "zelk/Audio2D.h"

#include <SFML/Audio/Listener.hpp>

namespace zelk {

Audio2D::Audio2D() : listener(false) {}

Audio2D::~Audio2D() {}

bool Audio2D::open(const char* name) {
    return open(const_cast<char*>(name));
}

bool Audio2D::open(char* name) {
    listener = false;
    if (!Audio::open(name)) {
        return false;
    }
    setPosition2D(position);
    return true;
}

bool Audio2D::setPosition2D(vec2f32 position) {
    this->position = position;
    return placeSound(position.x, position.y, 0.0f);
}

bool Audio2D::useListener(bool use) {
    listener = false;
    if (!placeInWorld(use)) {
        return false;
    }
    listener = use;
    return true;
}

bool Audio2D::usingListener() {
    return listener && haveAudio();
}

void Audio2D::setListenerPosition2D(vec2f32 position) {
    sf::Listener::setPosition(position.x, position.y, 0.0f);
}

void Audio2D::setListenerLookAt2D(vec2f32 direction) {
    sf::Listener::setDirection(direction.x, direction.y, 0.0f);
}

} // namespace zelk
