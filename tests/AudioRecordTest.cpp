#include "zelk/Audio.h"
#include "zelk/Audio2D.h"

#include "support/FileContents.h"
#include "support/SoundFiles.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>

// OpenAL's wave-file output writes the mix to a file as it plays it, so what
// reaches the speakers can be read back. The output is chosen once per
// process, before the first sound: this program records everything.

namespace {

using zelk::test::Sound;

class AudioRecordTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new zelk::test::TempDir();
        std::string config = folder->file("openal.conf");
        zelk::test::writeFileBytes(config, "[wave]\nfile=" + mix() + "\n");
        setenv("ALSOFT_CONF", config.c_str(), 1);
        setenv("ALSOFT_DRIVERS", "wave", 1);
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    static std::string mix() { return folder->file("mix.wav"); }

    // Plays the sound to its end; the mix is complete once the last sound and
    // buffer are gone, when the output is closed.
    static void playThrough(zelk::Audio& sound) {
        ASSERT_TRUE(sound.play());
        auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        while (!sound.isStopped() && std::chrono::steady_clock::now() < limit) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        EXPECT_TRUE(sound.isStopped());
        sound.close();
    }

    // The frames [first, last) where the mix is above a whisper.
    static void heardPart(const Sound& recording, std::size_t& first, std::size_t& last) {
        first = recording.frames();
        last = 0;
        for (std::size_t i = 0; i < recording.frames(); ++i) {
            for (unsigned int c = 0; c < recording.channels; ++c) {
                if (std::abs(recording.at(i, c)) > 0.01f) {
                    first = std::min(first, i);
                    last = i + 1;
                }
            }
        }
    }

    static zelk::test::TempDir* folder;
};

zelk::test::TempDir* AudioRecordTest::folder = nullptr;

TEST_F(AudioRecordTest, APlayedSoundReachesTheMix) {
    std::string tone = folder->file("tone.wav");
    ASSERT_TRUE(zelk::test::writeTone(tone, 440.0f, 0.5f, 44100));
    zelk::Audio sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    playThrough(sound);

    Sound recording;
    ASSERT_TRUE(zelk::test::readWave(mix(), recording));
    ASSERT_EQ(2u, recording.channels);
    std::size_t first, last;
    heardPart(recording, first, last);
    ASSERT_LT(first, last);
    // Half a second of 440 Hz, centred: two sign changes a period on both
    // sides alike.
    double seconds = double(last - first) / recording.sampleRate;
    EXPECT_NEAR(0.5, seconds, 0.02);
    for (unsigned int c = 0; c < 2; ++c) {
        double frequency = zelk::test::zeroCrossings(recording, c, first, last) / (2.0 * seconds);
        EXPECT_NEAR(440.0, frequency, 10.0);
    }
    double left = zelk::test::rms(recording, 0, first, last);
    double right = zelk::test::rms(recording, 1, first, last);
    EXPECT_GT(left, 0.1);
    EXPECT_NEAR(left, right, left * 0.05);
}

TEST_F(AudioRecordTest, ASoundPlacedInTheWorldIsHeardFromItsSide) {
    std::string tone = folder->file("tone.wav");
    ASSERT_TRUE(zelk::test::writeTone(tone, 660.0f, 0.4f, 44100));
    zelk::Audio2D sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    ASSERT_TRUE(sound.useListener(true));
    // The listener stands at the origin looking down -z: +x is its right.
    ASSERT_TRUE(sound.setPosition2D(zelk::vec2f32(2.0f, 0.0f)));
    playThrough(sound);

    Sound recording;
    ASSERT_TRUE(zelk::test::readWave(mix(), recording));
    std::size_t first, last;
    heardPart(recording, first, last);
    ASSERT_LT(first, last);
    double left = zelk::test::rms(recording, 0, first, last);
    double right = zelk::test::rms(recording, 1, first, last);
    EXPECT_GT(right, 0.05);
    EXPECT_GT(right, 2.0 * left);
}

} // namespace
