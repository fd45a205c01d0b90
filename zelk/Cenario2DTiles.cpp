#include "zelk/Cenario2D.h"

namespace zelk {

using tiles::TileMap2D;

void Cenario2D::deleteMapOf(LevelObj* level) {
    if (!level->tileMap) {
        return;
    }
    if (selectedTileMap == level->tileMap) {
        selectedTileMap = nullptr;
    }
    delete level->tileMap;
    level->tileMap = nullptr;
}

TileMap2D* Cenario2D::newTileMapInPosition(unsigned int level, size2ui32 size) {
    LevelObj* place = makeLevel(level);
    if (!place || place->objects || place->physicsObjects) {
        return nullptr;
    }
    deleteMapOf(place);
    TileMap2D* map = new TileMap2D(&tileSet);
    if (!map->newTileMap(size)) {
        delete map;
        return nullptr;
    }
    map->setTileSet(&tileSet);
    map->setWorld(&world);
    place->tileMap = map;
    return map;
}

TileMap2D* Cenario2D::newTileMapInPosition(unsigned int level, unsigned int width,
                                           unsigned int height) {
    return newTileMapInPosition(level, size2ui32(width, height));
}

unsigned int Cenario2D::newTileMap(size2ui32 size) {
    unsigned int level = levels.size() + 1;
    for (unsigned int position = 0; position < levels.size(); position++) {
        LevelObj* place = levels.get(position);
        if (place && !place->haveSome()) {
            level = position + 1;
            break;
        }
    }
    return newTileMapInPosition(level, size) ? level : 0;
}

unsigned int Cenario2D::newTileMap(unsigned int width, unsigned int height) {
    return newTileMap(size2ui32(width, height));
}

TileMap2D* Cenario2D::getTileMap(unsigned int level) {
    LevelObj* place = levelAt(level);
    return place ? place->tileMap : nullptr;
}

unsigned int Cenario2D::getTileMapID(TileMap2D* map) {
    for (unsigned int position = 0; map && position < levels.size(); position++) {
        LevelObj* place = levels.get(position);
        if (place && place->tileMap == map) {
            return position + 1;
        }
    }
    return 0;
}

bool Cenario2D::deleteTileMap(unsigned int level) {
    LevelObj* place = levelAt(level);
    if (!place || !place->tileMap) {
        return false;
    }
    deleteMapOf(place);
    return true;
}

bool Cenario2D::deleteTileMap(TileMap2D* map) {
    unsigned int level = getTileMapID(map);
    return level != 0 && deleteTileMap(level);
}

unsigned int Cenario2D::deleteAllTileMaps() {
    for (unsigned int position = 0; position < levels.size(); position++) {
        if (LevelObj* place = levels.get(position)) {
            deleteMapOf(place);
        }
    }
    return levels.size();
}

bool Cenario2D::selectTileMap(unsigned int level) {
    selectedTileMap = getTileMap(level);
    return selectedTileMap != nullptr;
}

bool Cenario2D::selectedTileMapSetTile(unsigned int tile, vec2ui32 cell) {
    return selectedTileMap && selectedTileMap->setTile(tile, cell);
}

bool Cenario2D::selectedTileMapSetTile(unsigned int tile, unsigned int x, unsigned int y) {
    return selectedTileMapSetTile(tile, vec2ui32(x, y));
}

bool Cenario2D::selectedTileMapSetPosition(vec2f32 position) {
    if (!selectedTileMap) {
        return false;
    }
    selectedTileMap->setPosition(position);
    return true;
}

bool Cenario2D::selectedTileMapSetPosition(float x, float y) {
    return selectedTileMapSetPosition(vec2f32(x, y));
}

vec2f32 Cenario2D::selectedTileMapGetTileWorldPosition(vec2f32 cell) {
    return selectedTileMap ? selectedTileMap->getTileWorldPosition(cell) : vec2f32();
}

vec2f32 Cenario2D::selectedTileMapGetTileWorldPosition(unsigned int x, unsigned int y) {
    return selectedTileMap ? selectedTileMap->getTileWorldPosition(x, y) : vec2f32();
}

bool Cenario2D::selectedTileMapSetScaleMap(size2f32 scale) {
    return selectedTileMap && selectedTileMap->setScaleMap(scale);
}

bool Cenario2D::selectedTileMapSetScaleMap(float width, float height) {
    return selectedTileMapSetScaleMap(size2f32(width, height));
}

bool Cenario2D::selectedTileDeletePhysicsTiles() {
    if (!selectedTileMap) {
        return false;
    }
    selectedTileMap->deletePhysicsTiles();
    return true;
}

bool Cenario2D::selectedTileDeletePhysicTile(vec2ui32 cell) {
    return selectedTileMap && selectedTileMap->deletePhysicTile(cell);
}

bool Cenario2D::selectedTileDeletePhysicTile(unsigned int x, unsigned int y) {
    return selectedTileDeletePhysicTile(vec2ui32(x, y));
}

bool Cenario2D::selectedTileLoadPhysicsTiles() {
    return selectedTileMap && selectedTileMap->loadPhysicsTiles();
}

bool Cenario2D::selectedTileLoadPhysicTile(vec2ui32 cell) {
    return selectedTileMap && selectedTileMap->loadPhysicTile(cell);
}

bool Cenario2D::selectedTileLoadPhysicTile(unsigned int x, unsigned int y) {
    return selectedTileLoadPhysicTile(vec2ui32(x, y));
}

} // namespace zelk
