#ifndef ZELK_TESTS_SOUNDFILES_H
#define ZELK_TESTS_SOUNDFILES_H

#include <cstddef>
#include <string>
#include <vector>

namespace zelk {
namespace test {

// Decoded sound: interleaved samples scaled to -1..1.
struct Sound {
    unsigned int sampleRate = 0;
    unsigned int channels = 0;
    std::vector<float> samples;

    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
    float at(std::size_t frame, unsigned int channel) const {
        return samples[frame * channels + channel];
    }
    double seconds() const { return sampleRate ? double(frames()) / sampleRate : 0.0; }
};

// Writes a sine tone at half of full scale through SFML, in the format the
// file name's extension names (".wav", ".ogg", ".flac").
bool writeTone(const std::string& path, float frequency, float seconds,
               unsigned int sampleRate = 8000, unsigned int channels = 1);

// Any file SFML reads, decoded whole; false when it does not open.
bool readSoundFile(const std::string& path, Sound& sound);

// A RIFF WAVE file of 16-bit integer or 32-bit float samples, as OpenAL's
// wave-file output writes it; the data runs to the end of the file when its
// declared size is not filled in yet.
bool readWave(const std::string& path, Sound& sound);

// Sign changes of one channel over the frames [first, last).
std::size_t zeroCrossings(const Sound& sound, unsigned int channel, std::size_t first,
                          std::size_t last);

// Root mean square of one channel over the frames [first, last).
double rms(const Sound& sound, unsigned int channel, std::size_t first, std::size_t last);

} // namespace test
} // namespace zelk

#endif
