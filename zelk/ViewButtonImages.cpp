#include "zelk/ViewButton.h"

namespace zelk {

bool ViewButton::loadSpritePressed(char* name, unsigned int filter) {
    deleteSpritePressed();
    return name && keepTexture(spritePressed, textureList.loadTexture(name, filter));
}

bool ViewButton::loadSpritePressed(const char* name, unsigned int filter) {
    return loadSpritePressed(const_cast<char*>(name), filter);
}

bool ViewButton::loadSpritePressedFromMemory(char* name, unsigned char* data, unsigned int size,
                                             unsigned int filter) {
    deleteSpritePressed();
    return name &&
           keepTexture(spritePressed, textureList.loadTextureFromMemory(name, data, size, filter));
}

bool ViewButton::loadSpritePressedFromMemory(const char* name, unsigned char* data,
                                             unsigned int size, unsigned int filter) {
    return loadSpritePressedFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSpriteUp(char* name, unsigned int filter) {
    deleteSpriteUp();
    return name && keepTexture(spriteUp, textureList.loadTexture(name, filter));
}

bool ViewButton::loadSpriteUp(const char* name, unsigned int filter) {
    return loadSpriteUp(const_cast<char*>(name), filter);
}

bool ViewButton::loadSpriteUpFromMemory(char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    deleteSpriteUp();
    return name &&
           keepTexture(spriteUp, textureList.loadTextureFromMemory(name, data, size, filter));
}

bool ViewButton::loadSpriteUpFromMemory(const char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    return loadSpriteUpFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSymbol(char* name, unsigned int filter) {
    deleteSymbol();
    return name && keepSymbol(textureList.loadTexture(name, filter));
}

bool ViewButton::loadSymbol(const char* name, unsigned int filter) {
    return loadSymbol(const_cast<char*>(name), filter);
}

bool ViewButton::loadSymbolFromMemory(char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter) {
    deleteSymbol();
    return name && keepSymbol(textureList.loadTextureFromMemory(name, data, size, filter));
}

bool ViewButton::loadSymbolFromMemory(const char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter) {
    return loadSymbolFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSymbolPressed(char* name, unsigned int filter) {
    deleteSymbolPressed();
    return name && keepTexture(symbolPressed, textureList.loadTexture(name, filter));
}

bool ViewButton::loadSymbolPressed(const char* name, unsigned int filter) {
    return loadSymbolPressed(const_cast<char*>(name), filter);
}

bool ViewButton::loadSymbolPressedFromMemory(char* name, unsigned char* data, unsigned int size,
                                             unsigned int filter) {
    deleteSymbolPressed();
    return name &&
           keepTexture(symbolPressed, textureList.loadTextureFromMemory(name, data, size, filter));
}

bool ViewButton::loadSymbolPressedFromMemory(const char* name, unsigned char* data,
                                             unsigned int size, unsigned int filter) {
    return loadSymbolPressedFromMemory(const_cast<char*>(name), data, size, filter);
}

bool ViewButton::loadSymbolUp(char* name, unsigned int filter) {
    deleteSymbolUp();
    return name && keepTexture(symbolUp, textureList.loadTexture(name, filter));
}

bool ViewButton::loadSymbolUp(const char* name, unsigned int filter) {
    return loadSymbolUp(const_cast<char*>(name), filter);
}

bool ViewButton::loadSymbolUpFromMemory(char* name, unsigned char* data, unsigned int size,
                                        unsigned int filter) {
    deleteSymbolUp();
    return name &&
           keepTexture(symbolUp, textureList.loadTextureFromMemory(name, data, size, filter));
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

bool ViewButton::keepTexture(uint32& code, uint32 loaded) {
    code = loaded;
    return loaded != 0;
}

bool ViewButton::keepSymbol(uint32 loaded) {
    if (!keepTexture(symbol, loaded)) {
        return false;
    }
    symbolSize = textureList.getTextureSize(loaded);
    return true;
}

void ViewButton::releaseTexture(uint32& code) {
    if (code != 0) {
        textureList.removeTexture(code);
    }
    code = 0;
}

} // namespace zelk
