#include "zelk/ViewMenu.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"
#include "zelk/ViewNinePart.h"
#include "zelk/embedded/BuiltInImages.h"

#include <cstdint>

namespace zelk {

using namespace viewDrawing;

namespace {

const double defaultBorder = 50.0;

// A side less two borders in whole pixels; 0 when nothing is left.
uint32 insideSide(float side, double border) {
    double left = side - 2.0 * border;
    return left >= 1.0 ? (left < 4294967296.0 ? static_cast<uint32>(left) : UINT32_MAX) : 0u;
}

} // namespace

ViewMenu::ViewMenu() : ViewMenu(rectf32()) {}

ViewMenu::ViewMenu(rectf32 frame) : ViewSpriteController(frame), borderSize(defaultBorder) {
    loadSpriteFromMemory(ZELKMenuTemplateTextureName, ZELKMenuTextureTemplate,
                         ZELKMenuTemplateTextureSize, nearestFilter);
}

ViewMenu::~ViewMenu() {}

void ViewMenu::draw(rectf32 outside) {
    float border = static_cast<float>(borderSize);
    ViewSpriteController::draw(rectf32(outside.origin.x + border, outside.origin.y + border,
                                       outside.size.width - border, outside.size.height - border));
}

void ViewMenu::drawPolygon(rectf32) {
    ninePartFrame(camera, frame.size.width, frame.size.height, borderSize, spriteCode);
    GU::guUseTexture2D(0);
    GU::guDisable(texture2D);
}

bool ViewMenu::setBorderSize(unsigned int size) {
    borderSize = size != 0 ? size : defaultBorder;
    return size != 0;
}

rectui32 ViewMenu::getInsideFrame() {
    size2ui32 size = getInsideSize();
    return rectui32(0u, 0u, size.width, size.height);
}

size2ui32 ViewMenu::getInsideSize() {
    return size2ui32(insideSide(frame.size.width, borderSize),
                     insideSide(frame.size.height, borderSize));
}

} // namespace zelk
