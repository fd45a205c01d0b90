#include "support/SoundFiles.h"

#include "support/FileContents.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/OutputSoundFile.hpp>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace zelk {
namespace test {

namespace {

std::uint32_t littleEndian(const std::string& bytes, std::size_t at, unsigned int width) {
    std::uint32_t value = 0;
    for (unsigned int i = 0; i < width; ++i) {
        value |= std::uint32_t(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    }
    return value;
}

} // namespace

bool writeTone(const std::string& path, float frequency, float seconds, unsigned int sampleRate,
               unsigned int channels) {
    sf::OutputSoundFile file;
    if (!file.openFromFile(path, sampleRate, channels)) {
        return false;
    }
    std::size_t frames = std::size_t(seconds * sampleRate);
    std::vector<sf::Int16> samples;
    for (std::size_t i = 0; i < frames; ++i) {
        double phase = 2.0 * M_PI * frequency * double(i) / sampleRate;
        samples.insert(samples.end(), channels, sf::Int16(16000.0 * std::sin(phase)));
    }
    file.write(samples.data(), samples.size());
    return true;
}

bool readSoundFile(const std::string& path, Sound& sound) {
    sf::InputSoundFile file;
    if (!file.openFromFile(path)) {
        return false;
    }
    sound.sampleRate = file.getSampleRate();
    sound.channels = file.getChannelCount();
    sound.samples.clear();
    std::vector<sf::Int16> block(4096 * std::size_t(sound.channels));
    sf::Uint64 count;
    while ((count = file.read(block.data(), block.size())) > 0) {
        for (sf::Uint64 i = 0; i < count; ++i) {
            sound.samples.push_back(block[i] / 32768.0f);
        }
    }
    return true;
}

bool readWave(const std::string& path, Sound& sound) {
    std::string bytes = readFileBytes(path);
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        return false;
    }
    unsigned int format = 0;
    unsigned int bits = 0;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        std::string id = bytes.substr(at, 4);
        std::size_t size = littleEndian(bytes, at + 4, 4);
        std::size_t body = at + 8;
        if (id == "fmt " && size >= 16 && body + size <= bytes.size()) {
            format = littleEndian(bytes, body, 2);
            sound.channels = littleEndian(bytes, body + 2, 2);
            sound.sampleRate = littleEndian(bytes, body + 4, 4);
            bits = littleEndian(bytes, body + 14, 2);
            // The extensible form names its sample format in its sub-format.
            if (format == 0xFFFE && size >= 26) {
                format = littleEndian(bytes, body + 24, 2);
            }
        } else if (id == "data") {
            std::size_t end = size == 0 || body + size > bytes.size() ? bytes.size() : body + size;
            bool floats = format == 3 && bits == 32;
            if (sound.channels == 0 || (!floats && !(format == 1 && bits == 16))) {
                return false;
            }
            sound.samples.clear();
            for (std::size_t i = body; i + bits / 8 <= end; i += bits / 8) {
                if (floats) {
                    std::uint32_t raw = littleEndian(bytes, i, 4);
                    float value;
                    std::memcpy(&value, &raw, sizeof value);
                    sound.samples.push_back(value);
                } else {
                    sound.samples.push_back(std::int16_t(littleEndian(bytes, i, 2)) / 32768.0f);
                }
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    return false;
}

std::size_t zeroCrossings(const Sound& sound, unsigned int channel, std::size_t first,
                          std::size_t last) {
    std::size_t crossings = 0;
    for (std::size_t i = first + 1; i < last; ++i) {
        if ((sound.at(i - 1, channel) < 0.0f) != (sound.at(i, channel) < 0.0f)) {
            ++crossings;
        }
    }
    return crossings;
}

double rms(const Sound& sound, unsigned int channel, std::size_t first, std::size_t last) {
    if (last <= first) {
        return 0.0;
    }
    double sum = 0.0;
    for (std::size_t i = first; i < last; ++i) {
        sum += double(sound.at(i, channel)) * sound.at(i, channel);
    }
    return std::sqrt(sum / double(last - first));
}

} // namespace test
} // namespace zelk
