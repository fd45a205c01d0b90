#include "zelk/Audio.h"

#include <SFML/Audio/Sound.hpp>

#include <cmath>

namespace zelk {

namespace {

constexpr float volumeMax = 100.0f;

} // namespace

Audio::Audio() : audioBuffer(nullptr), sound(nullptr) {}

Audio::~Audio() {
    close();
}

bool Audio::open(const char* name) {
    return open(const_cast<char*>(name));
}

bool Audio::open(char* name) {
    close();
    if (!list.loadAudio(name, &audioBuffer) || !audioBuffer->getBufferPointer()) {
        close();
        return false;
    }
    sound = new sf::Sound();
    sound->setBuffer(*audioBuffer->getBufferPointer());
    sound->setRelativeToListener(true);
    return true;
}

void Audio::close() {
    // The source goes before the samples it plays.
    delete sound;
    sound = nullptr;
    if (audioBuffer) {
        list.removeAudio(&audioBuffer);
    }
    audioBuffer = nullptr;
}

bool Audio::play() {
    if (!sound) {
        return false;
    }
    sound->play();
    return true;
}

bool Audio::stop() {
    if (!sound) {
        return false;
    }
    sound->stop();
    return true;
}

bool Audio::pause() {
    if (!sound) {
        return false;
    }
    sound->pause();
    return true;
}

bool Audio::playInSecond(float second) {
    return setSecond(second) && play();
}

bool Audio::setSecond(float second) {
    if (!sound || !(second >= 0.0f) || second >= getDuration()) {
        return false;
    }
    sound->setPlayingOffset(sf::seconds(second));
    return true;
}

float Audio::getSecond() {
    return sound ? sound->getPlayingOffset().asSeconds() : 0.0f;
}

void Audio::setLoop(bool loop) {
    if (sound) {
        sound->setLoop(loop);
    }
}

void Audio::loopOn() {
    setLoop(true);
}

void Audio::loopOff() {
    setLoop(false);
}

bool Audio::getLoop() {
    return sound && sound->getLoop();
}

void Audio::setVolume(float volume) {
    if (!sound || std::isnan(volume)) {
        return;
    }
    sound->setVolume(volume < 0.0f ? 0.0f : (volume > volumeMax ? volumeMax : volume));
}

float Audio::getVolume() {
    return sound ? sound->getVolume() : 0.0f;
}

void Audio::volumeUp(float step) {
    setVolume(getVolume() + step);
}

void Audio::volumeDown(float step) {
    setVolume(getVolume() - step);
}

void Audio::setSpeed(float speed) {
    // OpenAL refuses a pitch that is not above 0.
    if (sound && speed > 0.0f) {
        sound->setPitch(speed);
    }
}

float Audio::getSpeed() {
    return sound ? sound->getPitch() : 0.0f;
}

void Audio::speedUp(float step) {
    setSpeed(getSpeed() + step);
}

void Audio::speedDown(float step) {
    setSpeed(getSpeed() - step);
}

uint32 Audio::getStatus() {
    if (!sound) {
        return 0;
    }
    switch (sound->getStatus()) {
    case sf::SoundSource::Paused:
        return 1;
    case sf::SoundSource::Playing:
        return 2;
    default:
        return 0;
    }
}

bool Audio::isPlaying() {
    return getStatus() == 2;
}

bool Audio::isPaused() {
    return getStatus() == 1;
}

bool Audio::isStopped() {
    return getStatus() == 0;
}

bool Audio::haveAudio() {
    return sound != nullptr;
}

uint32 Audio::getChannels() {
    return audioBuffer ? audioBuffer->getChannels() : 0;
}

float Audio::getDuration() {
    return audioBuffer ? audioBuffer->getDuration() : 0.0f;
}

bool Audio::placeSound(float x, float y, float z) {
    if (!sound) {
        return false;
    }
    sound->setPosition(x, y, z);
    return true;
}

bool Audio::placeInWorld(bool inWorld) {
    if (!sound) {
        return false;
    }
    sound->setRelativeToListener(!inWorld);
    return true;
}

} // namespace zelk
