#include "zelk/ViewDrawing.h"

#include "zelk/GU.h"

#include <cmath>
#include <cstdint>

namespace zelk {
namespace viewDrawing {

void unitQuad() {
    GU::guBegin(quads);
    GU::guVertex3f32(0, 0, 0);
    GU::guVertex3f32(0, 1, 0);
    GU::guVertex3f32(1, 1, 0);
    GU::guVertex3f32(1, 0, 0);
    GU::guEnd();
}

void texturedUnitQuad(unsigned int texture, bool upright) {
    float bottom = upright ? 1.f : 0.f;
    float top = 1.f - bottom;
    GU::guEnable(texture2D);
    GU::guUseTexture2D(texture);
    GU::guBegin(quads);
    GU::guVertexTex2f32(0, bottom);
    GU::guVertex3f32(0, 0, 0);
    GU::guVertexTex2f32(0, top);
    GU::guVertex3f32(0, 1, 0);
    GU::guVertexTex2f32(1, top);
    GU::guVertex3f32(1, 1, 0);
    GU::guVertexTex2f32(1, bottom);
    GU::guVertex3f32(1, 0, 0);
    GU::guEnd();
    GU::guUseTexture2D(0);
    GU::guDisable(texture2D);
}

void cameraProjection(Camera2D& camera) {
    GU::guUseMatrix(projectionMatrix);
    camera.draw();
}

int32 toPixel(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.f) {
        return INT32_MAX;
    }
    if (value <= -2147483648.f) {
        return INT32_MIN;
    }
    return static_cast<int32>(value);
}

rectf32 viewportIn(rectf32 outside, rectf32 rectangle) {
    float x = outside.origin.x + rectangle.origin.x;
    float y = outside.origin.y + outside.size.height - rectangle.origin.y - rectangle.size.height;
    int32 width = toPixel(rectangle.size.width);
    int32 height = toPixel(rectangle.size.height);
    return rectf32(toPixel(x), toPixel(y), width > 0 ? width : 0, height > 0 ? height : 0);
}

} // namespace viewDrawing
} // namespace zelk
