#include "zelk/ViewGU.h"

#include "zelk/ViewDrawing.h"

namespace zelk {

ViewGU::ViewGU() {}

ViewGU::ViewGU(rectf32 frame) : ViewSpriteController(frame) {}

ViewGU::~ViewGU() {}

bool ViewGU::isGU() {
    return true;
}

void ViewGU::drawPolygon(rectf32 outside) {
    ViewSpriteController::drawPolygon(outside);
    drawScene(outside);
}

void ViewGU::drawScene(rectf32) {}

bool ViewGU::loadBackground(char* name) {
    return loadSprite(name, viewDrawing::nearestFilter);
}

bool ViewGU::loadBackground(const char* name) {
    return loadBackground(const_cast<char*>(name));
}

void ViewGU::deleteBackground() {
    deleteSprite();
}

} // namespace zelk
