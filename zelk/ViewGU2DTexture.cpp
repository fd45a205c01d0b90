#include "zelk/ViewGU2DTexture.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"

namespace zelk {

ViewGU2DTexture::ViewGU2DTexture(size2ui32 size) : ViewGUTexture(size), camera(0.f, 0.f) {}

ViewGU2DTexture::ViewGU2DTexture(unsigned int width, unsigned int height)
    : ViewGUTexture(width, height), camera(0.f, 0.f) {}

ViewGU2DTexture::~ViewGU2DTexture() {}

void ViewGU2DTexture::drawPolygon(rectf32 outside) {
    ViewSpriteController::drawPolygon(outside);
    drawCamera2D();
    GU::guUseMatrix(viewDrawing::modelViewMatrix);
    drawScene(outside);
}

void ViewGU2DTexture::drawCamera2D() {
    viewDrawing::cameraProjection(camera);
}

} // namespace zelk
