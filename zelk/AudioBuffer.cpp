#include "zelk/AudioBuffer.h"

#include "zelk/File.h"
#include "zelk/FileReport.h"
#include "zelk/SFMLErrorHold.h"
#include "zelk/platform/Paths.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/SoundBuffer.hpp>

#include <vector>

namespace zelk {

namespace {

// Samples read per channel at a time.
constexpr unsigned int blockFrames = 4096;

// The whole file as a new buffer, or null. The samples grow with what is
// really decoded; a file ending before the count its header declares is
// refused, as SFML's own loader refuses it.
sf::SoundBuffer* decodeFile(const char* name) {
    sf::InputSoundFile file;
    if (!file.openFromFile(name) || file.getChannelCount() == 0) {
        return nullptr;
    }
    std::vector<sf::Int16> samples;
    std::vector<sf::Int16> block(std::size_t(blockFrames) * file.getChannelCount());
    sf::Uint64 declared = file.getSampleCount();
    sf::Uint64 count = 0;
    while (samples.size() < declared && (count = file.read(block.data(), block.size())) > 0) {
        samples.insert(samples.end(), block.begin(), block.begin() + std::size_t(count));
    }
    if (samples.empty() || samples.size() != declared) {
        return nullptr;
    }
    sf::SoundBuffer* buffer = new sf::SoundBuffer();
    if (!buffer->loadFromSamples(samples.data(), samples.size(), file.getChannelCount(),
                                 file.getSampleRate())) {
        delete buffer;
        return nullptr;
    }
    return buffer;
}

} // namespace

AudioBuffer::AudioBuffer() : buffer(nullptr) {}

AudioBuffer::~AudioBuffer() {
    deleteBuffer();
    // Clears the holders while this class's cleanObject still answers for
    // them.
    removeAll();
}

ObjectWithName** AudioBuffer::asHolder(AudioBuffer** holder) {
    return reinterpret_cast<ObjectWithName**>(holder);
}

void AudioBuffer::saveObject(ObjectWithName** holder) {
    if (holder) {
        *reinterpret_cast<AudioBuffer**>(holder) = this;
    }
}

void AudioBuffer::cleanObject(ObjectWithName** holder) {
    if (holder) {
        *reinterpret_cast<AudioBuffer**>(holder) = nullptr;
    }
}

bool AudioBuffer::loadBufferFromFile(char* name) {
    deleteBuffer();
    // Only regular files: opening a pipe would wait for a writer.
    if (!File::fileExist(name) || !platform::isRegularFile(name)) {
        FileReport::reportUnopened(name);
        return false;
    }
    SFMLErrorHold errors;
    buffer = decodeFile(name);
    if (!buffer) {
        if (FileReport::report(name, FileReport::notSound)) {
            errors.drop();
        }
        return false;
    }
    setName(name);
    return true;
}

bool AudioBuffer::loadBufferFromFile(const char* name) {
    return loadBufferFromFile(const_cast<char*>(name));
}

void AudioBuffer::deleteBuffer() {
    delete buffer;
    buffer = nullptr;
}

uint32 AudioBuffer::getChannels() {
    return buffer ? buffer->getChannelCount() : 0;
}

float AudioBuffer::getDuration() {
    return buffer ? buffer->getDuration().asSeconds() : 0.0f;
}

bool AudioBuffer::isHeldBy(AudioBuffer** holder) {
    return holder && holders.haveElement(asHolder(holder));
}

} // namespace zelk
