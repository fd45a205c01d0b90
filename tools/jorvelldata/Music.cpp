#include "Music.h"

#include "Random.h"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace jorvelldata {

namespace {

constexpr unsigned int rate = 44100;
constexpr float beatSeconds = 0.6f;
constexpr int beatsPerBar = 4;
constexpr int bars = 8;
constexpr float twoPi = 2.0f * float(M_PI);

float frequencyOf(int midi) {
    return 440.0f * std::pow(2.0f, float(midi - 69) / 12.0f);
}

// A voice: how loud its partials are, how its loudness moves over time, and
// where it stands between the speakers (-1 left, 1 right).
struct Voice {
    std::vector<float> partials;
    float attack;
    // Seconds for the loudness to fall to 1/e while the note holds; 0 holds
    // it level.
    float decay;
    float release;
    float vibrato;
    float pan;
    float detune;
};

const Voice flute = {{1.0f, 0.35f, 0.12f, 0.05f}, 0.04f, 0.0f, 0.09f, 0.004f, 0.0f, 0.0f};
const Voice strings = {{1.0f, 0.3f, 0.08f}, 0.35f, 0.0f, 0.45f, 0.002f, -0.35f, 0.0015f};
const Voice bass = {{1.0f, -0.11f, 0.04f}, 0.005f, 0.35f, 0.05f, 0.0f, 0.1f, 0.0f};
const Voice harp = {{1.0f, 0.3f, 0.1f}, 0.003f, 0.25f, 0.05f, 0.0f, 0.4f, 0.0f};

struct Note {
    float beat;
    float beats;
    int midi;
    float loudness;
};

// A loop of stereo frames; what is written past the end comes round to the
// start.
class Loop {
public:
    explicit Loop(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

    void play(const Voice& voice, const Note& note) {
        std::size_t start = std::size_t(std::lround(note.beat * beatSeconds * rate));
        float held = note.beats * beatSeconds * 0.92f;
        std::size_t length = std::size_t((held + voice.release) * rate);
        float angle = (voice.pan + 1.0f) * float(M_PI) * 0.25f;
        float toLeft = std::cos(angle) * note.loudness;
        float toRight = std::sin(angle) * note.loudness;
        // Detuned pairs beat slowly against each other, as a section does.
        int copies = voice.detune > 0.0f ? 2 : 1;
        for (int copy = 0; copy < copies; ++copy) {
            float pitch =
                frequencyOf(note.midi) * (1.0f + voice.detune * (copy == 0 ? 1.0f : -1.0f));
            float phase = 0.0f;
            for (std::size_t i = 0; i < length; ++i) {
                float t = float(i) / float(rate);
                float wobble = t > 0.2f ? voice.vibrato * std::sin(twoPi * 5.0f * t) : 0.0f;
                phase += twoPi * pitch * (1.0f + wobble) / float(rate);
                if (phase > twoPi) {
                    phase -= twoPi;
                }
                float sample = 0.0f;
                for (std::size_t k = 0; k < voice.partials.size(); ++k) {
                    sample += voice.partials[k] * std::sin(phase * float(k + 1));
                }
                sample *= envelope(voice, t, held) / float(copies);
                std::size_t at = (start + i) % left.size();
                left[at] += sample * toLeft;
                right[at] += sample * toRight;
            }
        }
    }

    // Interleaved 16-bit samples, the loudest at 80 % of full scale.
    std::vector<sf::Int16> samples() const {
        float peak = 1e-6f;
        for (std::size_t i = 0; i < left.size(); ++i) {
            peak = std::max(peak, std::max(std::fabs(left[i]), std::fabs(right[i])));
        }
        float scale = 0.8f * 32767.0f / peak;
        std::vector<sf::Int16> out;
        for (std::size_t i = 0; i < left.size(); ++i) {
            out.push_back(sf::Int16(std::lround(left[i] * scale)));
            out.push_back(sf::Int16(std::lround(right[i] * scale)));
        }
        return out;
    }

private:
    static float envelope(const Voice& voice, float t, float held) {
        float level = t < voice.attack ? t / voice.attack : 1.0f;
        if (voice.decay > 0.0f) {
            level *= std::exp(-t / voice.decay);
        }
        if (t > held) {
            float fade = 1.0f - (t - held) / voice.release;
            level *= fade > 0.0f ? fade * fade : 0.0f;
        }
        return level;
    }

    std::vector<float> left;
    std::vector<float> right;
};

struct Chord {
    int root;
    std::vector<int> tones;
};

// C, Am, F, G, C, Em, F, G7: the last bar leads back to the first.
const Chord chords[bars] = {
    {36, {60, 64, 67}}, {33, {57, 60, 64}}, {29, {57, 60, 65}}, {31, {55, 59, 62}},
    {36, {60, 64, 67}}, {28, {55, 59, 64}}, {29, {57, 60, 65}}, {31, {55, 59, 62, 65}},
};

// The tune, bar by bar: (beat in the bar, length in beats, note).
const Note tune[] = {
    {0, 1, 76, 1},    {1, 1, 79, 1},       {2, 1, 76, 1},        {3, 1, 72, 1},        // C
    {4, 1.5f, 69, 1}, {5.5f, 0.5f, 72, 1}, {6, 1, 76, 1},        {7, 1, 81, 1},        // Am
    {8, 1, 81, 1},    {9, 0.5f, 79, 1},    {9.5f, 0.5f, 77, 1},  {10, 1, 76, 1},       // F
    {11, 1, 72, 1},   {12, 2, 74, 1},      {14, 1, 71, 1},       {15, 1, 67, 1},       // G
    {16, 1, 76, 1},   {17, 1, 79, 1},      {18, 1.5f, 84, 1},    {19.5f, 0.5f, 83, 1}, // C
    {20, 1, 83, 1},   {21, 1, 79, 1},      {22, 2, 76, 1},                             // Em
    {24, 1, 77, 1},   {25, 1, 81, 1},      {26, 1, 79, 1},       {27, 1, 77, 1},       // F
    {28, 1, 74, 1},   {29, 0.5f, 77, 1},   {29.5f, 0.5f, 76, 1}, {30, 1, 74, 1},       // G7
};

bool writeOgg(const std::string& path, unsigned int channels,
              const std::vector<sf::Int16>& samples) {
    // The Vorbis writer numbers its stream with rand(): seeded, the file comes
    // out the same every time.
    std::srand(1);
    sf::OutputSoundFile file;
    if (!file.openFromFile(path, rate, channels)) {
        return false;
    }
    file.write(samples.data(), samples.size());
    return true;
}

} // namespace

bool writeMusic(const std::string& path) {
    Loop loop(std::size_t(std::lround(musicSeconds * rate)));
    Random random(2024);
    auto humanised = [&](Note note, float loudness) {
        note.loudness = loudness * random.between(0.92f, 1.06f);
        return note;
    };
    for (const Note& note : tune) {
        loop.play(flute, humanised(note, 0.30f));
    }
    for (int bar = 0; bar < bars; ++bar) {
        float first = float(bar * beatsPerBar);
        const Chord& chord = chords[bar];
        bool last = bar == bars - 1;
        for (int tone : chord.tones) {
            loop.play(strings, humanised({first, last ? 3.2f : 4.0f, tone - 12, 1}, 0.07f));
        }
        loop.play(bass, humanised({first, 1.0f, chord.root, 1}, 0.42f));
        loop.play(bass, humanised({first + 2.0f, 1.0f, chord.root + 7, 1}, 0.32f));
        // Eighths up and down the chord, a step quieter off the beat; the
        // last bar stops early so the loop breathes before it starts again.
        int eighths = last ? 6 : 8;
        const int order[8] = {0, 1, 2, 1, 0, 1, 2, 1};
        for (int e = 0; e < eighths; ++e) {
            int tone =
                chord.tones[std::size_t(order[e]) % chord.tones.size()] + (e % 4 == 2 ? 12 : 0);
            float loudness = e % 2 == 0 ? 0.13f : 0.09f;
            loop.play(harp, humanised({first + 0.5f * float(e), 0.5f, tone, 1}, loudness));
        }
    }
    return writeOgg(path, 2, loop.samples());
}

bool writeJumpSound(const std::string& path) {
    std::size_t frames = std::size_t(std::lround(jumpSeconds * rate));
    std::vector<sf::Int16> samples;
    float phase = 0.0f;
    for (std::size_t i = 0; i < frames; ++i) {
        float t = float(i) / float(rate);
        float rise = std::min(1.0f, t / (jumpSeconds * 0.8f));
        float pitch = 380.0f * std::pow(1100.0f / 380.0f, rise);
        phase += twoPi * pitch / float(rate);
        if (phase > twoPi) {
            phase -= twoPi;
        }
        // Odd partials give it the hollow tone of a square wave.
        float tone =
            std::sin(phase) + std::sin(3.0f * phase) / 3.0f + std::sin(5.0f * phase) / 5.0f;
        float attack = std::min(1.0f, t / 0.003f);
        float fall = std::pow(1.0f - t / jumpSeconds, 1.5f);
        samples.push_back(sf::Int16(std::lround(0.55f * 32767.0f * tone * attack * fall)));
    }
    return writeOgg(path, 1, samples);
}

} // namespace jorvelldata
