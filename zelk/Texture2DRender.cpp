#include "zelk/Texture2DRender.h"

#include "zelk/GU_GLSL.h"

namespace zelk {

namespace {

// OpenGL's numbers for the framebuffer target, its colour attachment, the
// texture's format and its filter.
const unsigned int framebufferTarget = 36160;
const unsigned int colorAttachment0 = 36064;
const unsigned int rgbMode = 6407;
const unsigned int nearestFilter = 9728;

} // namespace

Texture2DRender::Texture2DRender() : bufferID(0) {
    GU_GLSL::guShaderInit();
}

Texture2DRender::~Texture2DRender() {
    deleteRender();
}

bool Texture2DRender::createRender(size2ui32 size) {
    // OpenGL would take a zero size and only the framebuffer check would
    // refuse it: refuse it before anything is made.
    if (size.width == 0 || size.height == 0) {
        deleteRender();
        return false;
    }
    if (!createTexture(size.width, size.height, rgbMode, nullptr, nearestFilter)) {
        return false;
    }
    if (loadFrameBuffer()) {
        useThisBuffer();
        GU_GLSL::guFrameBufferTexture(framebufferTarget, colorAttachment0, id, 0);
        GU_GLSL::guSetDrawBuffer(colorAttachment0);
        bool complete = GU_GLSL::guCheckFrameBufferOK(framebufferTarget);
        dontUseFrameBuffer();
        if (complete) {
            return true;
        }
        deleteFrameBuffer();
    }
    deleteTexture();
    return false;
}

bool Texture2DRender::createRender(unsigned int width, unsigned int height) {
    return createRender(size2ui32(width, height));
}

bool Texture2DRender::createRender(int width, int height) {
    return createRender(size2ui32(width, height));
}

bool Texture2DRender::loadFrameBuffer() {
    if (!GU_GLSL::guShaderInitiate()) {
        GU_GLSL::guShaderInit();
    }
    if (!GU_GLSL::guShaderInitiate()) {
        return false;
    }
    deleteFrameBuffer();
    bufferID = GU_GLSL::guAllocFrameBuffer(framebufferTarget);
    return bufferID != 0;
}

void Texture2DRender::deleteFrameBuffer() {
    if (bufferID != 0) {
        GU_GLSL::guDeleteFrameBuffer(bufferID);
    }
    bufferID = 0;
}

void Texture2DRender::deleteRender() {
    deleteFrameBuffer();
    deleteTexture();
}

void Texture2DRender::useThisBuffer() {
    GU_GLSL::guUseFrameBuffer(framebufferTarget, bufferID);
}

void Texture2DRender::dontUseFrameBuffer() {
    GU_GLSL::guUseFrameBuffer(framebufferTarget, 0);
}

} // namespace zelk
