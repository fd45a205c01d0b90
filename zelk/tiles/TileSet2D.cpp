#include "zelk/tiles/TileSet2D.h"

#include <cmath>
#include <cstdio>

namespace zelk {
namespace tiles {

TileSet2D::TileSet2D() : tiles(10), animatedTiles(), sizeOfTiles(), position(), tilesToDelete() {}

TileSet2D::~TileSet2D() {
    deleteTiles();
}

Tile2D* TileSet2D::getTile(unsigned int id) {
    return id == 0 ? nullptr : tiles.get(id - 1);
}

unsigned int TileSet2D::storeTile(Tile2D* tile) {
    unsigned int stored = tiles.pushBack(tile);
    if (tiles.get(stored) != tile) {
        delete tile;
        return 0;
    }
    return stored + 1;
}

unsigned int TileSet2D::newTile(color4f32 color) {
    Tile2D* tile = new Tile2D();
    tile->setFrame(0.f, 0.f, sizeOfTiles.width, sizeOfTiles.height);
    tile->setColor(color);
    return storeTile(tile);
}

template <typename Load> unsigned int TileSet2D::newTileWith(color4f32 color, Load load) {
    unsigned int id = newTile(color);
    if (id != 0 && !load(getTile(id))) {
        deleteTile(id);
        return 0;
    }
    return id;
}

unsigned int TileSet2D::newTile(char* imageName, unsigned int filter, color4f32 color) {
    if (!imageName) {
        return 0;
    }
    return newTileWith(color, [&](Tile2D* tile) { return tile->loadImage(imageName, filter); });
}

unsigned int TileSet2D::newTile(const char* imageName, unsigned int filter, color4f32 color) {
    return newTile(const_cast<char*>(imageName), filter, color);
}

unsigned int TileSet2D::newTileFromMemory(char* name, unsigned char* data, unsigned int size,
                                          unsigned int filter, color4f32 color) {
    if (!name || !data) {
        return 0;
    }
    return newTileWith(
        color, [&](Tile2D* tile) { return tile->loadImageFromMemory(name, data, size, filter); });
}

unsigned int TileSet2D::newTileFromMemory(const char* name, unsigned char* data, unsigned int size,
                                          unsigned int filter, color4f32 color) {
    return newTileFromMemory(const_cast<char*>(name), data, size, filter, color);
}

bool TileSet2D::deleteTile(unsigned int id) {
    Tile2D* tile = getTile(id);
    if (!tile) {
        return false;
    }
    tiles.remove(id - 1);
    animatedTiles.remove(tile);
    delete tile;
    return true;
}

void TileSet2D::deleteTiles() {
    animatedTiles.clean();
    for (unsigned int position = 0; position < tiles.size(); position++) {
        delete tiles.get(position);
    }
    tiles.clean();
}

bool TileSet2D::setSizeOfTiles(size2f32 size) {
    if (size.width == 0.f || size.height == 0.f || !std::isfinite(size.width) ||
        !std::isfinite(size.height)) {
        return false;
    }
    sizeOfTiles = size;
    for (unsigned int position = 0; position < tiles.size(); position++) {
        if (Tile2D* tile = tiles.get(position)) {
            tile->setRect(0.f, 0.f, size.width, size.height);
        }
    }
    return true;
}

bool TileSet2D::setSizeOfTiles(float width, float height) {
    return setSizeOfTiles(size2f32(width, height));
}

template <typename NewImageTile>
TileSet2D::Tile2Positions2D TileSet2D::cutImage(unsigned int columns, unsigned int rows,
                                                NewImageTile newImageTile) {
    Tile2Positions2D cut;
    if (columns == 0 || rows == 0) {
        return cut;
    }
    for (unsigned int y = 0; y < rows; y++) {
        for (unsigned int x = 0; x < columns; x++) {
            unsigned int id = newImageTile();
            if (x == 0 && y == 0) {
                cut.first = id;
            } else if (x == columns - 1 && y == rows - 1) {
                cut.last = id;
            }
            if (id != 0) {
                setTileFramesUV(id, columns, rows);
                setTileFrameUV(id, x, y);
            }
        }
    }
    return cut;
}

TileSet2D::Tile2Positions2D TileSet2D::loadImageTiles(char* name, vec2ui32 frames,
                                                      unsigned int filter, color4f32 color) {
    if (!name) {
        return Tile2Positions2D();
    }
    return cutImage(frames.x, frames.y, [&]() { return newTile(name, filter, color); });
}

TileSet2D::Tile2Positions2D TileSet2D::loadImageTiles(const char* name, vec2ui32 frames,
                                                      unsigned int filter, color4f32 color) {
    return loadImageTiles(const_cast<char*>(name), frames, filter, color);
}

TileSet2D::Tile2Positions2D TileSet2D::loadImageTiles(char* name, unsigned int columns,
                                                      unsigned int rows, unsigned int filter,
                                                      color4f32 color) {
    return loadImageTiles(name, vec2ui32(columns, rows), filter, color);
}

TileSet2D::Tile2Positions2D TileSet2D::loadImageTiles(const char* name, unsigned int columns,
                                                      unsigned int rows, unsigned int filter,
                                                      color4f32 color) {
    return loadImageTiles(const_cast<char*>(name), vec2ui32(columns, rows), filter, color);
}

TileSet2D::Tile2Positions2D TileSet2D::loadImageTilesFromMemory(char* name, unsigned char* data,
                                                                unsigned int size, vec2ui32 frames,
                                                                unsigned int filter,
                                                                color4f32 color) {
    if (!name || !data) {
        return Tile2Positions2D();
    }
    return cutImage(frames.x, frames.y,
                    [&]() { return newTileFromMemory(name, data, size, filter, color); });
}

TileSet2D::Tile2Positions2D
TileSet2D::loadImageTilesFromMemory(const char* name, unsigned char* data, unsigned int size,
                                    vec2ui32 frames, unsigned int filter, color4f32 color) {
    return loadImageTilesFromMemory(const_cast<char*>(name), data, size, frames, filter, color);
}

TileSet2D::Tile2Positions2D
TileSet2D::loadImageTilesFromMemory(char* name, unsigned char* data, unsigned int size,
                                    unsigned int columns, unsigned int rows, unsigned int filter,
                                    color4f32 color) {
    return loadImageTilesFromMemory(name, data, size, vec2ui32(columns, rows), filter, color);
}

TileSet2D::Tile2Positions2D
TileSet2D::loadImageTilesFromMemory(const char* name, unsigned char* data, unsigned int size,
                                    unsigned int columns, unsigned int rows, unsigned int filter,
                                    color4f32 color) {
    return loadImageTilesFromMemory(const_cast<char*>(name), data, size, vec2ui32(columns, rows),
                                    filter, color);
}

bool TileSet2D::setTileFramesUV(unsigned int id, vec2ui32 frames) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setFramesUV(frames); });
}

bool TileSet2D::setTileFramesUV(unsigned int id, unsigned int columns, unsigned int rows) {
    return setTileFramesUV(id, vec2ui32(columns, rows));
}

bool TileSet2D::setTileFrameUV(unsigned int id, vec2ui32 frame) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->useFrameUV(frame); });
}

bool TileSet2D::setTileFrameUV(unsigned int id, unsigned int column, unsigned int row) {
    return setTileFrameUV(id, vec2ui32(column, row));
}

bool TileSet2D::setTileFrameUVinPosition(unsigned int id, unsigned int n) {
    return n != 0 &&
           withTile(id, false, [&](Tile2D* tile) { return tile->useFrameUVinPosition(n - 1); });
}

bool TileSet2D::addFrameInterpolation(unsigned int id, float second, float frame) {
    if (!(frame >= 1.f)) {
        return false;
    }
    return withTile(id, false, [&](Tile2D* tile) {
        animatedTiles.add(tile);
        return tile->addFrameInterpolation(second, frame - 1.f);
    });
}

unsigned int TileSet2D::getInterpolationSize(unsigned int id) {
    return withTile(id, 0u, [](Tile2D* tile) { return tile->getInterpolationSize(); });
}

bool TileSet2D::cleanFrames(unsigned int id) {
    return withTile(id, false, [&](Tile2D* tile) {
        animatedTiles.remove(tile);
        return tile->cleanFames();
    });
}

bool TileSet2D::playForward(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->playForward(); });
}

bool TileSet2D::playForwardIn(unsigned int id, float second) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->playForwardIn(second); });
}

bool TileSet2D::playRewind(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->playRewind(); });
}

bool TileSet2D::playRewindIn(unsigned int id, float second) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->playRewindIn(second); });
}

bool TileSet2D::pause(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->pause(); });
}

bool TileSet2D::stop(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->stop(); });
}

bool TileSet2D::setLoop(unsigned int id, bool loop) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setLoop(loop); });
}

bool TileSet2D::loopOn(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->loopOn(); });
}

bool TileSet2D::loopOff(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->loopOff(); });
}

float TileSet2D::getSecond(unsigned int id) {
    return withTile(id, 0.f, [](Tile2D* tile) { return tile->getSecond(); });
}

bool TileSet2D::isPlaying(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->isPlaying(); });
}

bool TileSet2D::addAnimationName(unsigned int id, char* name, float start, float end) {
    return withTile(id, false,
                    [&](Tile2D* tile) { return tile->addAnimationName(name, start, end); });
}

bool TileSet2D::addAnimationName(unsigned int id, const char* name, float start, float end) {
    return addAnimationName(id, const_cast<char*>(name), start, end);
}

bool TileSet2D::haveAnimationName(unsigned int id, char* name) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->haveAnimationName(name); });
}

bool TileSet2D::haveAnimationName(unsigned int id, const char* name) {
    return haveAnimationName(id, const_cast<char*>(name));
}

bool TileSet2D::playNameForward(unsigned int id, char* name) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->playNameForward(name); });
}

bool TileSet2D::playNameForward(unsigned int id, const char* name) {
    return playNameForward(id, const_cast<char*>(name));
}

bool TileSet2D::playNameRewind(unsigned int id, char* name) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->playNameRewind(name); });
}

bool TileSet2D::playNameRewind(unsigned int id, const char* name) {
    return playNameRewind(id, const_cast<char*>(name));
}

bool TileSet2D::removeAnimationName(unsigned int id, char* name) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->removeAnimationName(name); });
}

bool TileSet2D::removeAnimationName(unsigned int id, const char* name) {
    return removeAnimationName(id, const_cast<char*>(name));
}

bool TileSet2D::setCurveX(unsigned int id, unsigned int line) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setCurveX(line); });
}

bool TileSet2D::setNotCurveX(unsigned int id, unsigned int line) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setNotCurveX(line); });
}

bool TileSet2D::getIsCurveX(unsigned int id, unsigned int line) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->getIsCurveX(line); });
}

bool TileSet2D::setCurveP1X(unsigned int id, unsigned int line, float second, float x) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setCurveP1X(line, second, x); });
}

bool TileSet2D::setCurveP2X(unsigned int id, unsigned int line, float second, float x) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setCurveP2X(line, second, x); });
}

bool TileSet2D::updateAnimations(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) {
        tile->updateAnimation();
        return true;
    });
}

bool TileSet2D::updateAnimations() {
    unsigned int count = animatedTiles.size();
    for (unsigned int position = 0; position < count; position++) {
        if (Tile2D* tile = animatedTiles.getElementInPosition(position)) {
            tile->updateAnimation();
        }
    }
    return count != 0;
}

bool TileSet2D::setTilePhysics(unsigned int id, physics::bodyType type) {
    return withTile(id, false, [&](Tile2D* tile) { return tile->setPhysics(type); });
}

bool TileSet2D::addTilePhysicsPolygon(unsigned int id, shape::Polygon2D polygon) {
    polygon.cantDeletePolygon();
    return withTile(id, false, [&](Tile2D* tile) { return tile->addPhysicsPolygon(polygon); });
}

bool TileSet2D::cleanTilePhysicsPolygons(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) { return tile->cleanPhysicsPolygons(); });
}

bool TileSet2D::deleteTilePhysics(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) {
        tile->deletePhysics();
        return true;
    });
}

physics2D::PhysicObject2D* TileSet2D::getTilePhysicsObject(unsigned int id) {
    return withTile(id, static_cast<physics2D::PhysicObject2D*>(nullptr),
                    [](Tile2D* tile) { return tile->getPhysicsObject(); });
}

template <typename Draw>
bool TileSet2D::placeAndDraw(unsigned int id, vec2f32 place, bool inTileUnits, color4f32 color,
                             Draw draw) {
    return withTile(id, false, [&](Tile2D* tile) {
        tile->setColor(color);
        if (inTileUnits) {
            tile->setPosition(place.x * tile->getWidth(), place.y * tile->getHeight());
        } else {
            tile->setPosition(place);
        }
        draw(tile);
        return true;
    });
}

bool TileSet2D::drawTile(unsigned int id, vec2f32 place, float angle, size2f32 size,
                         color4f32 color) {
    return placeAndDraw(id, place, true, color, [&](Tile2D* tile) { tile->draw(angle, size); });
}

bool TileSet2D::drawTile(unsigned int id, float x, float y, float angle, size2f32 size,
                         color4f32 color) {
    return drawTile(id, vec2f32(x, y), angle, size, color);
}

bool TileSet2D::drawTileInWorld(unsigned int id, vec2f32 place, float angle, size2f32 size,
                                color4f32 color) {
    return placeAndDraw(id, place, false, color, [&](Tile2D* tile) { tile->draw(angle, size); });
}

bool TileSet2D::drawTileInWorld(unsigned int id, float x, float y, float angle, size2f32 size,
                                color4f32 color) {
    return drawTileInWorld(id, vec2f32(x, y), angle, size, color);
}

bool TileSet2D::drawTilePhysics(unsigned int id, vec2f32 place, float angle, size2f32 size,
                                color4f32 color) {
    return placeAndDraw(id, place, true, color,
                        [&](Tile2D* tile) { tile->drawPhysic(angle, size); });
}

bool TileSet2D::drawTilePhysics(unsigned int id, float x, float y, float angle, size2f32 size,
                                color4f32 color) {
    return drawTilePhysics(id, vec2f32(x, y), angle, size, color);
}

bool TileSet2D::drawTilePhysicsInWorld(unsigned int id, vec2f32 place, float angle, size2f32 size,
                                       color4f32 color) {
    return placeAndDraw(id, place, false, color,
                        [&](Tile2D* tile) { tile->drawPhysic(angle, size); });
}

bool TileSet2D::drawTilePhysicsInWorld(unsigned int id, float x, float y, float angle,
                                       size2f32 size, color4f32 color) {
    return drawTilePhysicsInWorld(id, vec2f32(x, y), angle, size, color);
}

bool TileSet2D::printTile(unsigned int id) {
    return withTile(id, false, [](Tile2D* tile) {
        printf("\nPosition %.2f %.2f size %.2f %.2f", tile->getPositionX(), tile->getPositionY(),
               tile->getWidth(), tile->getHeight());
        return true;
    });
}

} // namespace tiles
} // namespace zelk
