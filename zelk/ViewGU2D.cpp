#include "zelk/ViewGU2D.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"

namespace zelk {

ViewGU2D::ViewGU2D() : camera(0.f, 0.f) {}

ViewGU2D::ViewGU2D(rectf32 frame) : ViewGU(frame), camera(0.f, 0.f) {}

ViewGU2D::~ViewGU2D() {}

void ViewGU2D::drawPolygon(rectf32 outside) {
    ViewSpriteController::drawPolygon(outside);
    drawCamera2D();
    GU::guUseMatrix(viewDrawing::modelViewMatrix);
    drawScene(outside);
}

void ViewGU2D::drawCamera2D() {
    viewDrawing::cameraProjection(camera);
}

} // namespace zelk
