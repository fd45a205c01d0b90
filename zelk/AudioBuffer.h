#ifndef ZELK_AUDIOBUFFER_H
#define ZELK_AUDIOBUFFER_H

#include "zelk/ObjectWithName.h"
#include "zelk/TypeVars.h"

namespace sf {
class SoundBuffer;
}

namespace zelk {

// The decoded samples of one sound file, shared by name through AudioList.
// Its name is the file name it was loaded from, and it owns its SFML buffer.
// Its holders are AudioBuffer* variables.
class AudioBuffer : public ObjectWithName {
public:
    AudioBuffer();
    ~AudioBuffer() override;

    // Writes this buffer, or null, into the AudioBuffer* variable a holder
    // designates; a null holder is ignored.
    void saveObject(ObjectWithName** holder) override;
    void cleanObject(ObjectWithName** holder) override;

    // Replaces the samples with those of a file in any format SFML reads. A
    // missing, unreadable or truncated file answers false and leaves the
    // buffer empty. The file is decoded block by block, so a header that
    // promises more samples than the file holds costs no memory.
    bool loadBufferFromFile(char* name);
    bool loadBufferFromFile(const char* name);
    void deleteBuffer();

    // Null while nothing is loaded.
    sf::SoundBuffer* getBufferPointer() { return buffer; }
    // 0 while nothing is loaded.
    uint32 getChannels();
    // In seconds; 0 while nothing is loaded.
    float getDuration();

    // Whether the variable is one of this buffer's registered holders.
    bool isHeldBy(AudioBuffer** holder);
    static ObjectWithName** asHolder(AudioBuffer** holder);

protected:
    sf::SoundBuffer* buffer;
};

} // namespace zelk

#endif
