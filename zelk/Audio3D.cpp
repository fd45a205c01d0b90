#include "zelk/Audio3D.h"

#include <SFML/Audio/Listener.hpp>

namespace zelk {

Audio3D::Audio3D() : listener(false) {}

Audio3D::~Audio3D() {}

bool Audio3D::open(const char* name) {
    return open(const_cast<char*>(name));
}

bool Audio3D::open(char* name) {
    listener = false;
    if (!Audio::open(name)) {
        return false;
    }
    setPosition3D(position);
    return true;
}

bool Audio3D::setPosition3D(vec3f32 position) {
    this->position = position;
    return placeSound(position.x, position.y, position.z);
}

bool Audio3D::useListener(bool use) {
    listener = false;
    if (!placeInWorld(use)) {
        return false;
    }
    listener = use;
    return true;
}

bool Audio3D::usingListener() {
    return listener && haveAudio();
}

void Audio3D::setListenerPosition3D(vec3f32 position) {
    sf::Listener::setPosition(position.x, position.y, position.z);
}

void Audio3D::setListenerLookAt3D(vec3f32 direction) {
    sf::Listener::setDirection(direction.x, direction.y, direction.z);
}

} // namespace zelk
