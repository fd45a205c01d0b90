#include "zelk/AudioList.h"

namespace zelk {

ObjectNameTree audioTree;

bool AudioList::loadAudio(char* name, AudioBuffer** holder) {
    if (!name || !holder) {
        return false;
    }
    AudioBuffer probe;
    probe.setName(name);
    if (ObjectWithName* listed = audioTree.getElement(&probe)) {
        return audioTree.addElement(listed, AudioBuffer::asHolder(holder));
    }
    AudioBuffer* loaded = new AudioBuffer();
    if (!loaded->loadBufferFromFile(name) ||
        !audioTree.addElement(loaded, AudioBuffer::asHolder(holder))) {
        delete loaded;
        return false;
    }
    return true;
}

bool AudioList::loadAudio(const char* name, AudioBuffer** holder) {
    return loadAudio(const_cast<char*>(name), holder);
}

bool AudioList::removeAudio(AudioBuffer** holder) {
    if (!holder || !*holder) {
        return false;
    }
    AudioBuffer* buffer = *holder;
    // Only the last registered holder frees the samples: a stray copy of the
    // pointer must not empty a buffer that others still play.
    if (buffer->haveOneRetain() && buffer->isHeldBy(holder)) {
        buffer->deleteBuffer();
    }
    return audioTree.releaseElement(buffer, AudioBuffer::asHolder(holder));
}

void AudioList::deleteAudio(AudioBuffer* buffer) {
    audioTree.deleteElement(buffer);
}

} // namespace zelk
