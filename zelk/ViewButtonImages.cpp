#include "zelk/ViewButton.h"

namespace zelk {

bool ViewButton::loadSpritePressed(char* name, unsigned int filter) {
    return replaceTexture(spritePressed, name, filter);
}

bool ViewButton::loadSpritePressed(const char* name, unsigned int filter) {
    return loadSpritePressed(const_cast<char*>(name), filter);
}

bool ViewButton::loadSpritePressedFromMemory(char* name, unsigned char* data, unsigned int size,
                                             unsigned int filter) {
    return replaceTextureFromMemory(spritePressed, name, data, size, filter);
}

bool ViewButton::loadSpritePressedFromMemory(const char* name, unsigned char* data,
                                             unsigned int size, unsigned int filter) {
    return loadSpritePressedFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSpriteUp(char* name, unsigned int filter) {
    return replaceTexture(spriteUp, name, filter);
}

bool ViewButton::loadSpriteUp(const char* name, unsigned int filter) {
    return loadSpriteUp(const_cast<char*>(name), filter);
}

bool ViewButton::loadSpriteUpFromMemory(char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    return replaceTextureFromMemory(spriteUp, name, data, size, filter);
}

bool ViewButton::loadSpriteUpFromMemory(const char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    return loadSpriteUpFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSymbol(char* name, unsigned int filter) {
    return keepSymbolSize(replaceTexture(symbol, name, filter));
}

bool ViewButton::loadSymbol(const char* name, unsigned int filter) {
    return loadSymbol(const_cast<char*>(name), filter);
}

bool ViewButton::loadSymbolFromMemory(char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter) {
    return keepSymbolSize(replaceTextureFromMemory(symbol, name, data, size, filter));
}

bool ViewButton::loadSymbolFromMemory(const char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter) {
    return loadSymbolFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSymbolPressed(char* name, unsigned int filter) {
    return replaceTexture(symbolPressed, name, filter);
}

bool ViewButton::loadSymbolPressed(const char* name, unsigned int filter) {
    return loadSymbolPressed(const_cast<char*>(name), filter);
}

bool ViewButton::loadSymbolPressedFromMemory(char* name, unsigned char* data, unsigned int size,
                                             unsigned int filter) {
    return replaceTextureFromMemory(symbolPressed, name, data, size, filter);
}

bool ViewButton::loadSymbolPressedFromMemory(const char* name, unsigned char* data,
                                             unsigned int size, unsigned int filter) {
    return loadSymbolPressedFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSymbolUp(char* name, unsigned int filter) {
    return replaceTexture(symbolUp, name, filter);
}

bool ViewButton::loadSymbolUp(const char* name, unsigned int filter) {
    return loadSymbolUp(const_cast<char*>(name), filter);
}

bool ViewButton::loadSymbolUpFromMemory(char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    return replaceTextureFromMemory(symbolUp, name, data, size, filter);
}

bool ViewButton::loadSymbolUpFromMemory(const char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    return loadSymbolUpFromMemory(const_cast<char*>(name), data, size, filter);
}

void ViewButton::deleteSpritePressed() {
    releaseTexture(spritePressed);
}

void ViewButton::deleteSpriteUp() {
    releaseTexture(spriteUp);
}

void ViewButton::deleteAllSprites() {
    deleteSprite();
    deleteSpritePressed();
    deleteSpriteUp();
}

void ViewButton::deleteSymbol() {
    releaseTexture(symbol);
    symbolSize = size2ui32(0u, 0u);
}

void ViewButton::deleteSymbolPressed() {
    releaseTexture(symbolPressed);
}

void ViewButton::deleteSymbolUp() {
    releaseTexture(symbolUp);
}

void ViewButton::deleteAllSymbols() {
    deleteSymbol();
    deleteSymbolPressed();
    deleteSymbolUp();
}

bool ViewButton::replaceTexture(uint32& code, char* name, unsigned int filter) {
    releaseTexture(code);
    code = name ? textureList.loadTexture(name, filter) : 0;
    return code != 0;
}

bool ViewButton::replaceTextureFromMemory(uint32& code, char* name, unsigned char* data,
                                          unsigned int size, unsigned int filter) {
    releaseTexture(code);
    code = name ? textureList.loadTextureFromMemory(name, data, size, filter) : 0;
    return code != 0;
}

bool ViewButton::keepSymbolSize(bool loaded) {
    symbolSize = loaded ? textureList.getTextureSize(symbol) : size2ui32(0u, 0u);
    return loaded;
}

void ViewButton::releaseTexture(uint32& code) {
    if (code != 0) {
        textureList.removeTexture(code);
    }
    code = 0;
}

} // namespace zelk
