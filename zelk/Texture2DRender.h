#ifndef ZELK_TEXTURE2DRENDER_H
#define ZELK_TEXTURE2DRENDER_H

#include "zelk/Texture2D.h"

namespace zelk {

// A texture that drawing can go into: an RGB texture attached as the colour
// target of a framebuffer object of its own. Framebuffers need GLEW, which
// the constructor starts for the process when a context is current; later
// calls try again while it has not started. Without GLEW binding and
// unbinding do nothing.
class Texture2DRender : public Texture2D {
public:
    Texture2DRender();
    ~Texture2DRender() override;

    // Replaces the target with one of the given size; false (and no target)
    // for a zero width or height or when the framebuffer cannot be made.
    bool createRender(size2ui32 size);
    bool createRender(unsigned int width, unsigned int height);
    bool createRender(int width, int height);

    bool loadFrameBuffer();
    void deleteFrameBuffer();
    void deleteRender();

    // Drawing goes into the texture, or to the window again.
    void useThisBuffer();
    static void dontUseFrameBuffer();

    uint32 getBufferID() const { return bufferID; }

private:
    uint32 bufferID;
};

} // namespace zelk

#endif
