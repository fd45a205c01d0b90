#include "zelk/Audio.h"
#include "zelk/Audio2D.h"
#include "zelk/Audio3D.h"
#include "zelk/AudioList.h"

#include "support/FileContents.h"
#include "support/SoundFiles.h"
#include "support/TestSupport.h"

#include <SFML/Audio/Listener.hpp>
#include <SFML/Audio/Sound.hpp>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

using zelk::Audio;
using zelk::Audio2D;
using zelk::Audio3D;
using zelk::AudioBuffer;
using zelk::AudioList;
using zelk::vec2f32;
using zelk::vec3f32;

namespace {

// Sound goes to OpenAL's silent output unless the caller chose another.
const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

// Shows what a sound keeps to itself: its shared buffer and its source.
template <typename Base> class Probe : public Base {
public:
    AudioBuffer* buffer() { return this->audioBuffer; }
    sf::Sound* source() { return this->sound; }
};

class AudioTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(silentOutput);
        ASSERT_TRUE(zelk::test::writeTone(tone, 440.0f, 2.0f));
        ASSERT_EQ(0u, zelk::audioTree.size());
    }
    void TearDown() override { EXPECT_EQ(0u, zelk::audioTree.size()); }

    zelk::test::TempDir folder;
    std::string tone = folder.file("tone.wav");
};

TEST_F(AudioTest, TwoSoundsOfOneFileShareOneBufferUntilBothClose) {
    Probe<Audio> first;
    Probe<Audio> second;
    ASSERT_TRUE(first.open(tone.c_str()));
    ASSERT_TRUE(second.open(tone.c_str()));
    EXPECT_EQ(first.buffer(), second.buffer());
    EXPECT_EQ(1u, zelk::audioTree.size());
    EXPECT_STREQ(tone.c_str(), first.buffer()->getName());

    first.loopOn();
    second.loopOn();
    first.play();
    second.play();
    first.close();
    EXPECT_FALSE(first.haveAudio());
    EXPECT_EQ(nullptr, first.buffer());
    EXPECT_TRUE(second.isPlaying());
    EXPECT_NEAR(2.0f, second.getDuration(), 1e-3f);
    EXPECT_EQ(1u, zelk::audioTree.size());

    second.close();
    EXPECT_EQ(0u, zelk::audioTree.size());
}

TEST_F(AudioTest, ReopeningGivesBackThePreviousBuffer) {
    std::string other = folder.file("other.ogg");
    ASSERT_TRUE(zelk::test::writeTone(other, 220.0f, 0.5f, 22050, 2));
    Probe<Audio> sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    ASSERT_TRUE(sound.open(other.c_str()));
    EXPECT_EQ(1u, zelk::audioTree.size());
    EXPECT_STREQ(other.c_str(), sound.buffer()->getName());
    EXPECT_FALSE(sound.open(folder.file("missing.wav").c_str()));
    EXPECT_FALSE(sound.haveAudio());
    EXPECT_EQ(0u, zelk::audioTree.size());
}

TEST_F(AudioTest, AMissingOrUnreadableFileLeavesTheSoundClosed) {
    zelk::test::writeFileBytes(folder.file("garbage.ogg"), std::string(3000, 'x'));
    zelk::test::writeFileBytes(folder.file("empty.wav"), "");
    std::string whole = zelk::test::readFileBytes(tone);
    zelk::test::writeFileBytes(folder.file("cut.wav"), whole.substr(0, whole.size() / 2));
    zelk::test::writeFileBytes(folder.file("header.wav"), whole.substr(0, 30));
    std::filesystem::create_directory(folder.file("folder.wav"));
    // Opening a pipe for reading would wait for a writer that never comes.
    ASSERT_EQ(0, mkfifo(folder.file("pipe.wav").c_str(), 0600));

    for (const char* name : {"missing.wav", "garbage.ogg", "empty.wav", "cut.wav", "header.wav",
                             "folder.wav", "pipe.wav"}) {
        Probe<Audio> sound;
        EXPECT_FALSE(sound.open(folder.file(name).c_str())) << name;
        EXPECT_FALSE(sound.haveAudio()) << name;
        EXPECT_EQ(nullptr, sound.buffer()) << name;
    }
    Audio sound;
    EXPECT_FALSE(sound.open(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(sound.open(static_cast<char*>(nullptr)));
}

TEST_F(AudioTest, AHeaderPromisingMoreSamplesThanTheFileHoldsIsRefused) {
    std::string flac = folder.file("liar.flac");
    ASSERT_TRUE(zelk::test::writeTone(flac, 440.0f, 0.25f));
    std::string bytes = zelk::test::readFileBytes(flac);
    ASSERT_EQ("fLaC", bytes.substr(0, 4));
    Audio sound;
    ASSERT_TRUE(sound.open(flac.c_str()));
    EXPECT_NEAR(0.25f, sound.getDuration(), 1e-4f);
    sound.close();

    // The stream information's 36-bit sample count (from byte 21 on) now
    // claims about 69 billion samples: memory for them would be 137 GB.
    bytes[21] = char(bytes[21] | 0x0F);
    bytes.replace(22, 4, "\xFF\xFF\xFF\xFF");
    zelk::test::writeFileBytes(flac, bytes);
    EXPECT_FALSE(sound.open(flac.c_str()));
    EXPECT_FALSE(sound.haveAudio());
}

TEST_F(AudioTest, EveryOperationOnAClosedSoundAnswersFalseOrZero) {
    Audio sound;
    EXPECT_FALSE(sound.haveAudio());
    EXPECT_FALSE(sound.play());
    EXPECT_FALSE(sound.pause());
    EXPECT_FALSE(sound.stop());
    EXPECT_FALSE(sound.playInSecond(0.5f));
    EXPECT_FALSE(sound.setSecond(0.5f));
    EXPECT_EQ(0.0f, sound.getSecond());
    sound.loopOn();
    EXPECT_FALSE(sound.getLoop());
    sound.setVolume(50.0f);
    sound.volumeUp(10.0f);
    EXPECT_EQ(0.0f, sound.getVolume());
    sound.setSpeed(2.0f);
    sound.speedUp(1.0f);
    EXPECT_EQ(0.0f, sound.getSpeed());
    EXPECT_EQ(0u, sound.getStatus());
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_FALSE(sound.isPaused());
    EXPECT_TRUE(sound.isStopped());
    EXPECT_EQ(0u, sound.getChannels());
    EXPECT_EQ(0.0f, sound.getDuration());
    sound.close();
    EXPECT_FALSE(sound.haveAudio());
}

TEST_F(AudioTest, PlayPauseAndStopReportTheirStates) {
    Audio sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    EXPECT_TRUE(sound.isStopped());
    EXPECT_FALSE(sound.getLoop());
    // Looping, so the sound is still playing however late the check runs.
    sound.loopOn();
    EXPECT_TRUE(sound.getLoop());
    EXPECT_TRUE(sound.play());
    EXPECT_EQ(2u, sound.getStatus());
    EXPECT_TRUE(sound.isPlaying());
    EXPECT_TRUE(sound.pause());
    EXPECT_EQ(1u, sound.getStatus());
    EXPECT_TRUE(sound.isPaused());
    EXPECT_TRUE(sound.stop());
    EXPECT_EQ(0u, sound.getStatus());
    EXPECT_TRUE(sound.isStopped());
    sound.loopOff();
    EXPECT_FALSE(sound.getLoop());
    sound.setLoop(true);
    EXPECT_TRUE(sound.getLoop());
}

TEST_F(AudioTest, ThePlayingSecondMovesOnlyWithinTheSound) {
    Audio sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    sound.play();
    sound.pause();
    EXPECT_TRUE(sound.setSecond(1.25f));
    EXPECT_NEAR(1.25f, sound.getSecond(), 1e-3f);
    EXPECT_FALSE(sound.setSecond(-0.5f));
    EXPECT_FALSE(sound.setSecond(2.0f));
    EXPECT_FALSE(sound.setSecond(std::nanf("")));
    EXPECT_NEAR(1.25f, sound.getSecond(), 1e-3f);

    sound.loopOn();
    EXPECT_TRUE(sound.playInSecond(0.5f));
    EXPECT_TRUE(sound.isPlaying());
    EXPECT_FALSE(sound.playInSecond(3.0f));
}

TEST_F(AudioTest, VolumeStaysWithinZeroToHundred) {
    Audio sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    EXPECT_FLOAT_EQ(100.0f, sound.getVolume());
    sound.setVolume(40.0f);
    EXPECT_FLOAT_EQ(40.0f, sound.getVolume());
    sound.volumeUp(15.0f);
    EXPECT_FLOAT_EQ(55.0f, sound.getVolume());
    sound.volumeUp(80.0f);
    EXPECT_FLOAT_EQ(100.0f, sound.getVolume());
    sound.volumeDown(30.0f);
    EXPECT_FLOAT_EQ(70.0f, sound.getVolume());
    sound.volumeDown(150.0f);
    EXPECT_FLOAT_EQ(0.0f, sound.getVolume());
    sound.setVolume(std::nanf(""));
    EXPECT_FLOAT_EQ(0.0f, sound.getVolume());
}

TEST_F(AudioTest, SpeedIsThePitchAndStaysAboveZero) {
    Probe<Audio> sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    EXPECT_FLOAT_EQ(1.0f, sound.getSpeed());
    sound.setSpeed(2.0f);
    EXPECT_FLOAT_EQ(2.0f, sound.source()->getPitch());
    sound.speedUp(0.5f);
    EXPECT_FLOAT_EQ(2.5f, sound.getSpeed());
    sound.speedDown(1.75f);
    EXPECT_FLOAT_EQ(0.75f, sound.getSpeed());
    sound.setSpeed(0.0f);
    sound.setSpeed(-1.0f);
    sound.speedDown(5.0f);
    EXPECT_FLOAT_EQ(0.75f, sound.getSpeed());
}

TEST_F(AudioTest, ChannelsAndDurationAreThoseOfTheFile) {
    std::string stereo = folder.file("stereo.ogg");
    ASSERT_TRUE(zelk::test::writeTone(stereo, 330.0f, 1.5f, 22050, 2));
    Audio sound;
    ASSERT_TRUE(sound.open(stereo.c_str()));
    EXPECT_EQ(2u, sound.getChannels());
    EXPECT_NEAR(1.5f, sound.getDuration(), 1e-3f);
    Audio mono;
    ASSERT_TRUE(mono.open(tone.c_str()));
    EXPECT_EQ(1u, mono.getChannels());
}

TEST_F(AudioTest, ReleasingAStrayCopyOfTheBufferLeavesItsSamples) {
    Probe<Audio> sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    AudioBuffer* stray = sound.buffer();
    AudioList list;
    EXPECT_TRUE(list.removeAudio(&stray));
    EXPECT_EQ(nullptr, stray);
    EXPECT_EQ(1u, zelk::audioTree.size());
    EXPECT_NEAR(2.0f, sound.getDuration(), 1e-3f);
    EXPECT_NE(nullptr, sound.buffer()->getBufferPointer());
    EXPECT_FALSE(list.removeAudio(&stray));
    EXPECT_FALSE(list.removeAudio(nullptr));
}

TEST_F(AudioTest, TheListSharesAndCountsItsHolders) {
    AudioList list;
    AudioBuffer* first = nullptr;
    AudioBuffer* second = nullptr;
    EXPECT_FALSE(list.loadAudio(tone.c_str(), nullptr));
    EXPECT_FALSE(list.loadAudio(static_cast<const char*>(nullptr), &first));
    ASSERT_TRUE(list.loadAudio(tone.c_str(), &first));
    ASSERT_TRUE(list.loadAudio(tone.c_str(), &second));
    EXPECT_EQ(first, second);
    EXPECT_EQ(1u, first->getChannels());
    EXPECT_TRUE(list.removeAudio(&first));
    EXPECT_EQ(nullptr, first);
    EXPECT_EQ(1u, zelk::audioTree.size());
    EXPECT_TRUE(list.removeAudio(&second));
    EXPECT_EQ(nullptr, second);
}

TEST_F(AudioTest, DeletingABufferClearsEveryHolder) {
    Probe<Audio> first;
    Probe<Audio> second;
    ASSERT_TRUE(first.open(tone.c_str()));
    ASSERT_TRUE(second.open(tone.c_str()));
    first.loopOn();
    first.play();
    AudioList list;
    list.deleteAudio(first.buffer());
    list.deleteAudio(nullptr);
    EXPECT_EQ(nullptr, first.buffer());
    EXPECT_EQ(nullptr, second.buffer());
    EXPECT_EQ(0u, zelk::audioTree.size());
    EXPECT_EQ(0u, first.getChannels());
    EXPECT_EQ(0.0f, first.getDuration());
    first.close();
    second.close();
}

TEST_F(AudioTest, APositionSetBeforeOpeningIsAppliedByOpen) {
    Probe<Audio2D> flat;
    EXPECT_FALSE(flat.setPosition2D(vec2f32(3.0f, -2.0f)));
    ASSERT_TRUE(flat.open(tone.c_str()));
    EXPECT_EQ(sf::Vector3f(3.0f, -2.0f, 0.0f), flat.source()->getPosition());
    EXPECT_TRUE(flat.setPosition2D(vec2f32(1.0f, 4.0f)));
    EXPECT_EQ(sf::Vector3f(1.0f, 4.0f, 0.0f), flat.source()->getPosition());

    Probe<Audio3D> space;
    EXPECT_FALSE(space.setPosition3D(vec3f32(1.0f, 2.0f, 3.0f)));
    ASSERT_TRUE(space.open(tone.c_str()));
    EXPECT_EQ(sf::Vector3f(1.0f, 2.0f, 3.0f), space.source()->getPosition());
    EXPECT_TRUE(space.setPosition3D(vec3f32(-4.0f, 0.5f, 2.0f)));
    EXPECT_EQ(sf::Vector3f(-4.0f, 0.5f, 2.0f), space.source()->getPosition());
}

template <typename Positional> void checkListenerChoice(const std::string& tone) {
    Probe<Positional> sound;
    EXPECT_FALSE(sound.useListener(true));
    EXPECT_FALSE(sound.usingListener());
    ASSERT_TRUE(sound.open(tone.c_str()));
    EXPECT_TRUE(sound.source()->isRelativeToListener());
    EXPECT_FALSE(sound.usingListener());
    EXPECT_TRUE(sound.useListener(true));
    EXPECT_TRUE(sound.usingListener());
    EXPECT_FALSE(sound.source()->isRelativeToListener());
    // A new source plays relative to the listener again.
    ASSERT_TRUE(sound.open(tone.c_str()));
    EXPECT_FALSE(sound.usingListener());
    EXPECT_TRUE(sound.source()->isRelativeToListener());
    EXPECT_TRUE(sound.useListener(true));
    EXPECT_TRUE(sound.useListener(false));
    EXPECT_FALSE(sound.usingListener());
    EXPECT_TRUE(sound.source()->isRelativeToListener());
    sound.useListener(true);
    sound.close();
    EXPECT_FALSE(sound.usingListener());
}

TEST_F(AudioTest, TheListenerChoiceNeedsAnOpenSound) {
    checkListenerChoice<Audio2D>(tone);
    checkListenerChoice<Audio3D>(tone);
}

TEST_F(AudioTest, TheListenerIsTheProgramsOne) {
    // SFML hands the listener to OpenAL while a sound exists.
    Audio sound;
    ASSERT_TRUE(sound.open(tone.c_str()));
    Audio2D::setListenerPosition2D(vec2f32(2.0f, 3.0f));
    EXPECT_EQ(sf::Vector3f(2.0f, 3.0f, 0.0f), sf::Listener::getPosition());
    Audio2D::setListenerLookAt2D(vec2f32(1.0f, 0.0f));
    EXPECT_EQ(sf::Vector3f(1.0f, 0.0f, 0.0f), sf::Listener::getDirection());
    Audio3D::setListenerPosition3D(vec3f32(-1.0f, 0.0f, 5.0f));
    EXPECT_EQ(sf::Vector3f(-1.0f, 0.0f, 5.0f), sf::Listener::getPosition());
    Audio3D::setListenerLookAt3D(vec3f32(0.0f, 0.0f, -1.0f));
    EXPECT_EQ(sf::Vector3f(0.0f, 0.0f, -1.0f), sf::Listener::getDirection());
}

} // namespace
