#ifndef ZELK_AUDIOLIST_H
#define ZELK_AUDIOLIST_H

#include "zelk/AudioBuffer.h"
#include "zelk/ObjectNameTree.h"

namespace zelk {

// The process-wide buffers by file name. Every holder of a buffer registers
// its AudioBuffer* variable, and the release of the last holder deletes the
// buffer. Main thread only.
extern ObjectNameTree audioTree;

// A stateless handle over audioTree.
class AudioList {
public:
    AudioList() {}
    virtual ~AudioList() {}

    // Points the holder at the buffer listed under the name, loading the file
    // when none is; false for a null name or holder, or a file that does not
    // load.
    bool loadAudio(char* name, AudioBuffer** holder);
    bool loadAudio(const char* name, AudioBuffer** holder);
    // Gives back the holder's buffer and clears the holder; the last holder's
    // release deletes the buffer. False for a null holder or one holding
    // nothing.
    bool removeAudio(AudioBuffer** holder);
    // Deletes the buffer whatever its holders, clearing every one of them.
    void deleteAudio(AudioBuffer* buffer);
};

} // namespace zelk

#endif
