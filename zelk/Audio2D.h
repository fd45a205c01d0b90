#ifndef ZELK_AUDIO2D_H
#define ZELK_AUDIO2D_H

#include "zelk/Audio.h"
#include "zelk/TypeVec2.h"

namespace zelk {

// A sound with a position in the plane (z = 0). It plays relative to the
// listener, where its position does not move it, until useListener(true)
// places it in the world around the program's one listener.
class Audio2D : public Audio {
public:
    Audio2D();
    ~Audio2D() override;

    bool open(const char* name) override;
    // Opens as Audio does, then applies the stored position; a new source
    // plays relative to the listener again.
    bool open(char* name) override;

    // Stores the position, and applies it when a source exists; false
    // without one.
    bool setPosition2D(vec2f32 position);
    // Places the source in the world around the listener or relative to it;
    // false without a source, which leaves the sound relative.
    bool useListener(bool use);
    bool usingListener();

    static void setListenerPosition2D(vec2f32 position);
    static void setListenerLookAt2D(vec2f32 direction);

protected:
    bool listener;
    vec2f32 position;
};

} // namespace zelk

#endif
