#include "zelk/ViewSprite.h"

#include "zelk/GU.h"
#include "zelk/ViewDrawing.h"

namespace zelk {

using namespace viewDrawing;

ViewSprite::ViewSprite() : spriteCode(0), spriteFilter(0), spriteSize(0u, 0u) {}

ViewSprite::ViewSprite(rectf32 frame)
    : View(frame), spriteCode(0), spriteFilter(0), spriteSize(0u, 0u) {}

ViewSprite::~ViewSprite() {
    deleteSprite();
}

void ViewSprite::drawPolygon(rectf32) {
    GU::guUseMatrix(modelViewMatrix);
    GU::guColor4f32(backgroundColor);
    texturedUnitQuad(spriteCode, true);
}

bool ViewSprite::loadSprite(char* name, unsigned int filter) {
    deleteSprite();
    return name && keepSprite(textureList.loadTexture(name, filter), filter);
}

bool ViewSprite::loadSprite(const char* name, unsigned int filter) {
    return loadSprite(const_cast<char*>(name), filter);
}

bool ViewSprite::loadSpriteFromMemory(char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter) {
    deleteSprite();
    return name && data && size > 0 &&
           keepSprite(textureList.loadTextureFromMemory(name, data, size, filter), filter);
}

bool ViewSprite::loadSpriteFromMemory(const char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter) {
    return loadSpriteFromMemory(const_cast<char*>(name), data, size, filter);
}

void ViewSprite::deleteSprite() {
    if (spriteCode != 0) {
        textureList.removeTexture(spriteCode);
    }
    spriteCode = 0;
    spriteFilter = 0;
    spriteSize = size2ui32(0u, 0u);
}

size2ui32 ViewSprite::getSpriteSize() {
    return spriteSize;
}

uint32 ViewSprite::getSpriteCode() {
    return spriteCode;
}

bool ViewSprite::keepSprite(uint32 code, unsigned int filter) {
    if (code == 0) {
        return false;
    }
    spriteCode = code;
    spriteFilter = filter;
    spriteSize = textureList.getTextureSize(code);
    return true;
}

} // namespace zelk
