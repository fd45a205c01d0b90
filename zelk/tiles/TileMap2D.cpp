#include "zelk/tiles/TileMap2D.h"

#include "zelk/GU.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zelk {
namespace tiles {

namespace {

bool finite(vec2f32 value) {
    return std::isfinite(value.x) && std::isfinite(value.y);
}

// The value truncated toward zero as a cell number within [0, limit]; NaN
// gives 0.
unsigned int cellOf(float value, unsigned int limit) {
    if (!(value > 0.f)) {
        return 0;
    }
    if (value >= static_cast<float>(limit)) {
        return limit;
    }
    return static_cast<unsigned int>(value);
}

} // namespace

TileMap2D::TileMap2D()
    : tileSet(nullptr), world(nullptr), callbacks(), tileMap(nullptr), sizeMap(0u, 0u),
      scaleMap(1.f, 1.f), positionMap(), physicsTiles() {}

TileMap2D::TileMap2D(TileSet2D* set) : TileMap2D() {
    setTileSet(set);
}

TileMap2D::~TileMap2D() {
    cleanWorldPointer();
    deleteTileMap();
}

bool TileMap2D::setTileSet(TileSet2D* set) {
    deletePhysicsTiles();
    tileSet = set;
    physicsTiles.setTileSet(set);
    return set != nullptr;
}

void TileMap2D::removeTileSet() {
    setTileSet(nullptr);
}

bool TileMap2D::newTileMap(size2ui32 size) {
    deleteTileMap();
    unsigned long long cells =
        static_cast<unsigned long long>(size.width) * static_cast<unsigned long long>(size.height);
    if (cells == 0 || cells > maxCells) {
        return false;
    }
    tileMap = new unsigned int*[size.height];
    for (unsigned int y = 0; y < size.height; y++) {
        tileMap[y] = new unsigned int[size.width]();
    }
    sizeMap = size;
    return true;
}

bool TileMap2D::newTileMap(unsigned int w, unsigned int h) {
    return newTileMap(size2ui32(w, h));
}

void TileMap2D::deleteTileMap() {
    if (tileMap) {
        deletePhysicsTiles();
        freeGrid();
    }
}

void TileMap2D::freeGrid() {
    if (tileMap) {
        for (unsigned int y = 0; y < sizeMap.height; y++) {
            delete[] tileMap[y];
        }
        delete[] tileMap;
    }
    tileMap = nullptr;
    sizeMap = size2ui32(0u, 0u);
}

bool TileMap2D::insideMap(unsigned int x, unsigned int y) {
    return tileMap && x < sizeMap.width && y < sizeMap.height;
}

void TileMap2D::cleanTiles() {
    if (tileMap) {
        for (unsigned int y = 0; y < sizeMap.height; y++) {
            std::fill(tileMap[y], tileMap[y] + sizeMap.width, 0u);
        }
    }
}

bool TileMap2D::setTile(unsigned int id, vec2ui32 cell) {
    return setTile(id, cell.x, cell.y);
}

bool TileMap2D::setTile(unsigned int id, unsigned int x, unsigned int y) {
    if (!insideMap(x, y)) {
        return false;
    }
    tileMap[y][x] = id;
    return true;
}

unsigned int TileMap2D::getTileID(vec2ui32 cell) {
    return getTileID(cell.x, cell.y);
}

unsigned int TileMap2D::getTileID(unsigned int x, unsigned int y) {
    return insideMap(x, y) ? tileMap[y][x] : 0;
}

void TileMap2D::setPosition(vec2f32 position) {
    if (!finite(position)) {
        return;
    }
    vec2f32 oldPosition = positionMap;
    positionMap =
        vec2f32(position.x * (1.f / scaleMap.width), position.y * (1.f / scaleMap.height));
    followMap(oldPosition, scaleMap);
}

void TileMap2D::setPosition(float x, float y) {
    setPosition(vec2f32(x, y));
}

vec2f32 TileMap2D::getPosition() {
    return vec2f32(getPositionX(), getPositionY());
}

float TileMap2D::getPositionX() {
    return positionMap.x * scaleMap.width;
}

float TileMap2D::getPositionY() {
    return positionMap.y * scaleMap.height;
}

bool TileMap2D::setScaleMap(size2f32 scale) {
    if (scale.width == 0.f || scale.height == 0.f || !std::isfinite(scale.width) ||
        !std::isfinite(scale.height)) {
        return false;
    }
    vec2f32 world = getPosition();
    vec2f32 oldPosition = positionMap;
    size2f32 oldScale = scaleMap;
    scaleMap = scale;
    positionMap = vec2f32(world.x * (1.f / scale.width), world.y * (1.f / scale.height));
    followMap(oldPosition, oldScale);
    return true;
}

bool TileMap2D::setScaleMap(float width, float height) {
    return setScaleMap(size2f32(width, height));
}

vec2f32 TileMap2D::cellPoint(vec2ui32 cell, vec2f32 place, size2f32 scale) {
    return vec2f32((static_cast<float>(cell.x) + place.x) * scale.width,
                   (static_cast<float>(sizeMap.height - cell.y - 1) + place.y) * scale.height);
}

vec2f32 TileMap2D::getTileWorldPosition(vec2f32 cell) {
    bool inside = tileMap && cell.x >= 0.f && cell.y >= 0.f &&
                  cell.x < static_cast<float>(sizeMap.width) &&
                  cell.y < static_cast<float>(sizeMap.height);
    if (!inside) {
        return vec2f32();
    }
    return vec2f32((cell.x + positionMap.x) * scaleMap.width,
                   scaleMap.height *
                       (static_cast<float>(sizeMap.height - 1) - cell.y + positionMap.y));
}

vec2f32 TileMap2D::getTileWorldPosition(unsigned int x, unsigned int y) {
    if (!insideMap(x, y)) {
        return vec2f32();
    }
    return cellPoint(vec2ui32(x, y), positionMap, scaleMap);
}

void TileMap2D::drawCell(unsigned int x, unsigned int y, unsigned int row, vec2f32 origin,
                         color4f32 color) {
    tileSet->drawTile(tileMap[y][x], static_cast<float>(x) * scaleMap.width + origin.x,
                      static_cast<float>(row) * scaleMap.height + origin.y, 0.f, scaleMap, color);
}

void TileMap2D::draw(color4f32 color) {
    draw(vec2ui32(0u, 0u), sizeMap, color);
}

void TileMap2D::draw(vec2ui32 origin, size2ui32 end, color4f32 color) {
    if (!tileSet) {
        return;
    }
    end.width = std::min(end.width, sizeMap.width);
    end.height = std::min(end.height, sizeMap.height);
    GU::guPushMatrix();
    if (tileMap && origin.x < sizeMap.width && origin.y < sizeMap.height) {
        vec2f32 place = getPosition();
        unsigned int row = sizeMap.height - origin.y - 1;
        for (unsigned int y = origin.y; y < end.height; y++, row--) {
            for (unsigned int x = origin.x; x < end.width; x++) {
                drawCell(x, y, row, place, color);
            }
        }
    }
    physicsTiles.update();
    GU::guPopMatrix();
}

void TileMap2D::drawInsideWorldRect(rectf32 rect, color4f32 color) {
    if (!finite(rect.origin) || !std::isfinite(rect.size.width) ||
        !std::isfinite(rect.size.height)) {
        return;
    }
    const float x = rect.origin.x / scaleMap.width;
    const float y = rect.origin.y / scaleMap.height;
    const float w = rect.size.width / scaleMap.width;
    const float h = rect.size.height / scaleMap.height;
    const float rows = static_cast<float>(sizeMap.height);
    vec2ui32 origin(cellOf(x + 0.5f - positionMap.x, sizeMap.width),
                    cellOf(rows - (y + 0.5f + h - positionMap.y), sizeMap.height));
    size2ui32 end(cellOf(x + 0.5f + w - positionMap.x + 1.0f, sizeMap.width),
                  cellOf(rows - (y + 0.5f - positionMap.y) + 1.0f, sizeMap.height));
    draw(origin, end, color);
}

void TileMap2D::print() {
    if (!tileSet || !tileMap) {
        return;
    }
    for (unsigned int y = 0; y < sizeMap.height; y++) {
        for (unsigned int x = 0; x < sizeMap.width; x++) {
            printf("\n%u %u [%u] ", x, y, tileMap[y][x]);
        }
    }
}

} // namespace tiles
} // namespace zelk
