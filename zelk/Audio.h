#ifndef ZELK_AUDIO_H
#define ZELK_AUDIO_H

#include "zelk/AudioBuffer.h"
#include "zelk/AudioList.h"
#include "zelk/TypeVars.h"

namespace sf {
class Sound;
}

namespace zelk {

// One sound file played through a source of its own. The decoded samples are
// shared with every other Audio that opened the same file name. The source
// plays relative to the listener, so it is heard wherever the listener is.
// States: 0 stopped, 1 paused, 2 playing. Times are in seconds, the volume
// runs from 0 to 100 and the speed is the pitch (1 is the recorded speed).
// Every operation on a closed Audio does nothing and answers false or 0.
class Audio {
public:
    Audio();
    virtual ~Audio();
    Audio(const Audio&) = delete;
    Audio& operator=(const Audio&) = delete;

    virtual bool open(const char* name);
    // Closes, then takes the shared samples of the file; false, and closed,
    // when the file does not load.
    virtual bool open(char* name);
    void close();

    bool play();
    bool stop();
    bool pause();
    bool playInSecond(float second);
    // False for a second outside the sound (from 0 up to its duration).
    bool setSecond(float second);
    float getSecond();

    void setLoop(bool loop);
    void loopOn();
    void loopOff();
    bool getLoop();

    // Kept within 0 to 100.
    void setVolume(float volume);
    float getVolume();
    void volumeUp(float step);
    void volumeDown(float step);

    // A speed of 0 or less leaves the speed as it is.
    void setSpeed(float speed);
    float getSpeed();
    void speedUp(float step);
    void speedDown(float step);

    uint32 getStatus();
    bool isPlaying();
    bool isPaused();
    bool isStopped();
    bool haveAudio();
    uint32 getChannels();
    float getDuration();

protected:
    // Places the source at the point, in the world or relative to the
    // listener as the source is set; false without a source.
    bool placeSound(float x, float y, float z);
    // Sets the source in the world around the listener (true) or relative to
    // it (false); false without a source.
    bool placeInWorld(bool inWorld);

    AudioBuffer* audioBuffer;
    sf::Sound* sound;
    AudioList list;
};

} // namespace zelk

#endif
