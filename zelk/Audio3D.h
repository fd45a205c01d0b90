#ifndef ZELK_AUDIO3D_H
#define ZELK_AUDIO3D_H

#include "zelk/Audio.h"
#include "zelk/TypeVec3.h"

namespace zelk {

// A sound with a position in space. It plays relative to the
// listener, where its position does not move it, until useListener(true)
// places it in the world around the program's one listener.
class Audio3D : public Audio {
public:
    Audio3D();
    ~Audio3D() override;

    bool open(const char* name) override;
    // Opens as Audio does, then applies the stored position; a new source
    // plays relative to the listener again.
    bool open(char* name) override;

    // Stores the position, and applies it when a source exists; false
    // without one.
    bool setPosition3D(vec3f32 position);
    // Places the source in the world around the listener or relative to it;
    // false without a source, which leaves the sound relative.
    bool useListener(bool use);
    bool usingListener();

    static void setListenerPosition3D(vec3f32 position);
    static void setListenerLookAt3D(vec3f32 direction);

protected:
    bool listener;
    vec3f32 position;
};

} // namespace zelk

#endif
