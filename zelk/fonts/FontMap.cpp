#include "zelk/fonts/FontMap.h"

#include "zelk/embedded/BuiltInImages.h"

namespace zelk {
namespace fonts {

namespace {

const unsigned int nearestFilter = 0x2600;

} // namespace

FontMap::FontMap()
    : fontSet(nullptr), originIndex(0), lastIndex(0), origin(0u, 0u), last(0u, 0u),
      forceOrigin(false), forceLast(false), forcedSpeedOrigin(1.f), forcedSpeedLast(1.f),
      speedOrigin(1.f), fasterSpeedOrigin(1.f), speedLast(1.f), fasterSpeedLast(4.f),
      emptyReached(false), mapWidth(0) {
    animationOrigin.setSpeed(speedOrigin);
    animationLast.setSpeed(speedLast);
    animationOrigin.setAnimationCallback(this);
    animationLast.setAnimationCallback(this);
    mapText.cleanTiles();
    loadFontImageFromMemory(ZELKFontTemplateName, ZELKFontTemplate, ZELKFontTemplateSize,
                            nearestFilter, color4f32(1.f, 1.f, 1.f, 1.f));
}

FontMap::~FontMap() {
    animationOrigin.removeAnimationCallback();
    animationLast.removeAnimationCallback();
    removeFontImage();
    cleanLines();
}

void FontMap::deleteMap() {
    mapText.deleteTileMap();
}

bool FontMap::haveText() {
    return mapText.haveTileMap();
}

bool FontMap::loadFontImage(char* name, unsigned int filter, color4f32 color) {
    removeFontImage();
    return useFontSet(fontList.createFontSet(name, filter, color));
}

bool FontMap::loadFontImage(const char* name, unsigned int filter, color4f32 color) {
    this->color = color;
    return loadFontImage(const_cast<char*>(name), filter, color);
}

bool FontMap::loadFontImageFromMemory(char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter, color4f32 color) {
    removeFontImage();
    return useFontSet(fontList.createFontSetFromMemory(name, data, size, filter, color));
}

bool FontMap::loadFontImageFromMemory(const char* name, unsigned char* data, unsigned int size,
                                      unsigned int filter, color4f32 color) {
    this->color = color;
    return loadFontImageFromMemory(const_cast<char*>(name), data, size, filter, color);
}

bool FontMap::useFontSet(FontSet* set) {
    fontSet = set;
    if (fontSet && mapText.setTileSet(fontSet->getTileSet())) {
        return true;
    }
    removeFontImage();
    return false;
}

void FontMap::removeFontImage() {
    mapText.removeTileSet();
    fontList.removeFontSet(fontSet);
    fontSet = nullptr;
}

size2ui32 FontMap::textSize() {
    return haveText() ? mapText.getMapSize() : size2ui32(0u, 0u);
}

vec2ui32 FontMap::getCharacterPosition(unsigned int index) {
    size2ui32 size = textSize();
    if (size.width == 0 || index / size.width >= size.height) {
        return vec2ui32(0u, 0u);
    }
    return vec2ui32(index % size.width, index / size.width);
}

uint32 FontMap::getCharacterID(vec2ui32 position) {
    size2ui32 size = textSize();
    if (position.x >= size.width || position.y >= size.height) {
        return 0;
    }
    return position.y * size.width + position.x;
}

bool FontMap::haveID(unsigned int index) {
    size2ui32 size = textSize();
    return size.width != 0 && index / size.width < size.height;
}

void FontMap::selectAll() {
    origin = vec2ui32(0u, 0u);
    originIndex = 0;
    last = getTheLastPosition();
    lastIndex = getCharacterID(last);
}

vec2ui32 FontMap::getTheLastPosition() {
    size2ui32 size = textSize();
    return vec2ui32(size.width > 0 ? size.width - 1 : 0u, size.height > 0 ? size.height - 1 : 0u);
}

uint32 FontMap::getTheLastPositionX() {
    return getTheLastPosition().x;
}

uint32 FontMap::getTheLastPositionY() {
    return getTheLastPosition().y;
}

size2ui32 FontMap::getMapSize() {
    return textSize();
}

uint32 FontMap::getMapSizeWidth() {
    return textSize().width;
}

uint32 FontMap::getMapSizeHeight() {
    return textSize().height;
}

size2f32 FontMap::getMapScale() {
    return mapText.getScaleMap();
}

float FontMap::getMapScaleWidth() {
    return mapText.getScaleMap().width;
}

float FontMap::getMapScaleHeight() {
    return mapText.getScaleMap().height;
}

void FontMap::setPosition(vec2f32 position) {
    mapText.setPosition(position);
}

void FontMap::setPosition(float x, float y) {
    mapText.setPosition(x, y);
}

vec2f32 FontMap::getPosition() {
    return mapText.getPosition();
}

float FontMap::getPositionX() {
    return mapText.getPositionX();
}

float FontMap::getPositionY() {
    return mapText.getPositionY();
}

bool FontMap::setScale(size2f32 scale) {
    return mapText.setScaleMap(scale);
}

bool FontMap::setScale(float width, float height) {
    return mapText.setScaleMap(width, height);
}

void FontMap::draw(vec2ui32 first, vec2ui32 last, color4f32 color) {
    if (!haveText()) {
        return;
    }
    vec2ui32 end = getTheLastPosition();
    if (last.y > end.y) {
        last = end;
    } else if (last.x > end.x) {
        last.x = end.x;
    }
    unsigned int width = end.x + 1;
    if (first.y == last.y) {
        mapText.draw(first, size2ui32(last.x + 1, last.y + 1), color);
        return;
    }
    mapText.draw(first, size2ui32(width, first.y + 1), color);
    for (unsigned int y = first.y + 1; y < last.y; y++) {
        mapText.draw(vec2ui32(0u, y), size2ui32(width, y + 1), color);
    }
    mapText.draw(vec2ui32(0u, last.y), size2ui32(last.x + 1, last.y + 1), color);
}

void FontMap::draw(unsigned int firstIndex, unsigned int lastIndex, color4f32 color) {
    draw(getCharacterPosition(firstIndex), getCharacterPosition(lastIndex), color);
}

void FontMap::draw(vec2ui32 first, unsigned int lastIndex, color4f32 color) {
    draw(first, getCharacterPosition(lastIndex), color);
}

void FontMap::draw(unsigned int firstIndex, vec2ui32 last, color4f32 color) {
    draw(getCharacterPosition(firstIndex), last, color);
}

void FontMap::draw(color4f32 color) {
    draw(origin, last, color);
}

void FontMap::draw() {
    draw(origin, last, color);
}

} // namespace fonts
} // namespace zelk
