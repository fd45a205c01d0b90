#include "zelk/ViewSpriteController.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"

namespace zelk {

using namespace viewDrawing;

ViewSpriteController::ViewSpriteController() : spriteCode(0), spriteFilter(0) {}

ViewSpriteController::ViewSpriteController(rectf32 frame)
    : ViewController(frame), spriteCode(0), spriteFilter(0) {}

ViewSpriteController::~ViewSpriteController() {
    deleteSprite();
}

void ViewSpriteController::drawPolygon(rectf32) {
    GU::guUseMatrix(modelViewMatrix);
    texturedUnitQuad(spriteCode, true);
}

bool ViewSpriteController::loadSprite(char* name, unsigned int filter) {
    deleteSprite();
    if (name) {
        spriteCode = textureList.loadTexture(name, filter);
    }
    spriteFilter = spriteCode != 0 ? filter : 0;
    return spriteCode != 0;
}

bool ViewSpriteController::loadSprite(const char* name, unsigned int filter) {
    return loadSprite(const_cast<char*>(name), filter);
}

bool ViewSpriteController::loadSpriteFromMemory(char* name, unsigned char* data, unsigned int size,
                                                unsigned int filter) {
    deleteSprite();
    if (name && data && size > 0) {
        spriteCode = textureList.loadTextureFromMemory(name, data, size, filter);
    }
    spriteFilter = spriteCode != 0 ? filter : 0;
    return spriteCode != 0;
}

bool ViewSpriteController::loadSpriteFromMemory(const char* name, unsigned char* data,
                                                unsigned int size, unsigned int filter) {
    return loadSpriteFromMemory(const_cast<char*>(name), data, size, filter);
}

void ViewSpriteController::deleteSprite() {
    if (spriteCode != 0) {
        textureList.removeTexture(spriteCode);
    }
    spriteCode = 0;
    spriteFilter = 0;
}

} // namespace zelk
