#include "zelk/ViewGUTexture.h"

#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"
#include "zelk/ViewDrawing.h"

namespace zelk {

using namespace viewDrawing;

ViewGUTexture::ViewGUTexture(size2ui32 size) {
    render.createRender(size);
}

ViewGUTexture::ViewGUTexture(unsigned int width, unsigned int height)
    : ViewGUTexture(size2ui32(width, height)) {}

ViewGUTexture::~ViewGUTexture() {}

void ViewGUTexture::draw(rectf32 outside) {
    if (hide) {
        return;
    }
    GU::guUseMatrix(modelViewMatrix);
    if (GU_GLSL::guShaderInitiate() && render.getBufferID() != 0) {
        render.useThisBuffer();
        size2ui32 size = render.getSize();
        GU::guSetViewport(0, 0, size.width, size.height);
        GU::guColor4f32(backgroundColor);
        drawCamera();
        drawPolygon(outside);
        Texture2DRender::dontUseFrameBuffer();
    }
    drawViewport(outside);
    GU::guColor3f32(1, 1, 1);
    GU::guUseMatrix(projectionMatrix);
    GU::guLoadIdentity();
    GU::guUseOrtho(0, 1, 0, 1, -1, 1);
    GU::guUseMatrix(modelViewMatrix);
    texturedUnitQuad(render.getID(), false);
    Texture2DRender::dontUseFrameBuffer();
}

bool ViewGUTexture::setTextureSize(size2ui32 size) {
    return render.createRender(size);
}

bool ViewGUTexture::setTextureSize(unsigned int width, unsigned int height) {
    return setTextureSize(size2ui32(width, height));
}

} // namespace zelk
