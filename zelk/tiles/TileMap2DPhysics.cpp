#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/tiles/TileMap2D.h"

#include <cstdint>

namespace zelk {
namespace tiles {

using physics2D::PhysicObject2D;

bool TileMap2D::TreePhysicsPosition::firstBiggerSecond(PhysicsTiles* first, PhysicsTiles* second) {
    return first->position.x > second->position.x ||
           (first->position.x == second->position.x && first->position.y > second->position.y);
}

bool TileMap2D::TreePhysicsPosition::firstEqualSecond(PhysicsTiles* first, PhysicsTiles* second) {
    return first->position == second->position;
}

TileMap2D::TreePhysicsTiles::TreePhysicsTiles() : positions(), tileSet(nullptr) {}

TileMap2D::TreePhysicsTiles::~TreePhysicsTiles() {
    deleteAll();
}

bool TileMap2D::TreePhysicsTiles::firstBiggerSecond(PhysicsTiles* first, PhysicsTiles* second) {
    return reinterpret_cast<std::uintptr_t>(first->object) >
           reinterpret_cast<std::uintptr_t>(second->object);
}

bool TileMap2D::TreePhysicsTiles::firstEqualSecond(PhysicsTiles* first, PhysicsTiles* second) {
    return first->object == second->object;
}

void TileMap2D::TreePhysicsTiles::updateElement(PhysicsTiles* record) {
    if (tileSet && record->object && record->id != 0) {
        PhysicObject2D* object = record->object;
        tileSet->drawTile(record->id, object->position, object->angle, object->size,
                          color4f32(1.f, 1.f, 1.f, 1.f));
    }
}

PhysicObject2D* TileMap2D::TreePhysicsTiles::newObjectInPosition(vec2ui32 cell, unsigned int id,
                                                                 unsigned char type,
                                                                 bool isSensor) {
    if (havePosition(cell)) {
        return nullptr;
    }
    PhysicObject2D* object = nullptr;
    switch (type) {
    case physics::staticBody:
        object = isSensor ? static_cast<PhysicObject2D*>(new physics2D::StaticSensor2D())
                          : new physics2D::StaticObject2D();
        break;
    case physics::kinematicBody:
        object = isSensor ? static_cast<PhysicObject2D*>(new physics2D::KinematicSensor2D())
                          : new physics2D::KinematicObject2D();
        break;
    case physics::dynamicBody:
        object = new physics2D::DynamicObject2D();
        object->sensor = isSensor;
        break;
    default:
        return nullptr;
    }
    PhysicsTiles* record = new PhysicsTiles(object);
    record->position = cell;
    record->id = id;
    if (!positions.add(record)) {
        delete object;
        delete record;
        return nullptr;
    }
    if (!add(record)) {
        positions.remove(record);
        delete object;
        delete record;
        return nullptr;
    }
    return object;
}

bool TileMap2D::TreePhysicsTiles::setTileSet(TileSet2D* set) {
    tileSet = set;
    return set != nullptr;
}

bool TileMap2D::TreePhysicsTiles::haveObject(PhysicObject2D* object) {
    return getPhysicsTileObject(object) != nullptr;
}

bool TileMap2D::TreePhysicsTiles::havePosition(vec2ui32 cell) {
    return getPhysicsTileInPosition(cell) != nullptr;
}

unsigned int TileMap2D::TreePhysicsTiles::getIDInPosition(vec2ui32 cell) {
    PhysicsTiles* record = getPhysicsTileInPosition(cell);
    return record ? record->id : 0;
}

PhysicObject2D* TileMap2D::TreePhysicsTiles::getObjectInPosition(unsigned int i) {
    PhysicsTiles* record = getElementInPosition(i);
    return record ? record->object : nullptr;
}

vec2ui32 TileMap2D::TreePhysicsTiles::getPositionOfObject(PhysicObject2D* object) {
    PhysicsTiles* record = getPhysicsTileObject(object);
    return record ? record->position : vec2ui32();
}

TileMap2D::PhysicsTiles* TileMap2D::TreePhysicsTiles::getPhysicsTileObject(PhysicObject2D* object) {
    if (!object) {
        return nullptr;
    }
    PhysicsTiles probe(object);
    return getElement(&probe);
}

TileMap2D::PhysicsTiles* TileMap2D::TreePhysicsTiles::getPhysicsTileInPosition(vec2ui32 cell) {
    PhysicsTiles probe(nullptr);
    probe.position = cell;
    return positions.getElement(&probe);
}

PhysicObject2D* TileMap2D::TreePhysicsTiles::getPhysicsObjectInPosition(vec2ui32 cell) {
    PhysicsTiles* record = getPhysicsTileInPosition(cell);
    return record ? record->object : nullptr;
}

bool TileMap2D::TreePhysicsTiles::deleteObject(PhysicObject2D* object) {
    return deletePhysicsTiles(getPhysicsTileObject(object));
}

bool TileMap2D::TreePhysicsTiles::deletePhysicsTiles(PhysicsTiles* record) {
    if (!record || getElement(record) != record || !remove(record)) {
        return false;
    }
    positions.remove(record);
    delete record->object;
    delete record;
    return true;
}

void TileMap2D::TreePhysicsTiles::deleteAll() {
    std::vector<PhysicsTiles*> all = records();
    positions.clean();
    clean();
    for (PhysicsTiles* record : all) {
        delete record->object;
        delete record;
    }
}

std::vector<TileMap2D::PhysicsTiles*> TileMap2D::TreePhysicsTiles::records() {
    std::vector<PhysicsTiles*> all;
    walk(true, [&](vector::BinaryLeaf<PhysicsTiles*>* node) {
        all.push_back(node->value);
        return true;
    });
    return all;
}

bool TileMap2D::setWorld(physics2D::World2D* newWorld) {
    cleanWorldPointer();
    if (!newWorld || world) {
        return false;
    }
    world = newWorld;
    world->addContactCallback(this);
    return true;
}

void TileMap2D::cleanWorldPointer() {
    if (!world) {
        return;
    }
    deletePhysicsTiles();
    if (physicsTiles.size() != 0) {
        return;
    }
    world->removeContactCallback(this);
    world = nullptr;
}

bool TileMap2D::makePhysicTile(unsigned int x, unsigned int y) {
    unsigned int id = tileMap[y][x];
    PhysicObject2D* model = id != 0 ? tileSet->getTilePhysicsObject(id) : nullptr;
    if (!model) {
        return false;
    }
    vec2ui32 cell(x, y);
    PhysicObject2D* object =
        physicsTiles.newObjectInPosition(cell, id, model->getType(), model->isSensor());
    if (!object) {
        return false;
    }
    *object = *model;
    object->position = cellPoint(cell, positionMap, scaleMap);
    object->size = scaleMap;
    world->addObject(object);
    tileMap[y][x] = 0;
    return true;
}

bool TileMap2D::loadPhysicsTiles() {
    deletePhysicsTiles();
    if (!world || !tileSet) {
        return false;
    }
    if (tileMap) {
        for (unsigned int y = 0; y < sizeMap.height; y++) {
            for (unsigned int x = 0; x < sizeMap.width; x++) {
                makePhysicTile(x, y);
            }
        }
    }
    return true;
}

bool TileMap2D::loadPhysicTile(vec2ui32 cell) {
    return loadPhysicTile(cell.x, cell.y);
}

bool TileMap2D::loadPhysicTile(unsigned int x, unsigned int y) {
    deletePhysicTile(x, y);
    return world && tileSet && insideMap(x, y) && makePhysicTile(x, y);
}

bool TileMap2D::releasePhysicTile(PhysicsTiles* record) {
    PhysicObject2D* object = record->object;
    if (world && world->haveObject(object) && !world->removeObject(object)) {
        return false;
    }
    vec2ui32 cell = record->position;
    unsigned int id = record->id;
    physicsTiles.deletePhysicsTiles(record);
    setTile(id, cell);
    return true;
}

void TileMap2D::deletePhysicsTiles() {
    if (!world) {
        return;
    }
    for (PhysicsTiles* record : physicsTiles.records()) {
        releasePhysicTile(record);
    }
}

bool TileMap2D::deletePhysicTile(vec2ui32 cell) {
    if (!world) {
        return false;
    }
    PhysicsTiles* record = physicsTiles.getPhysicsTileInPosition(cell);
    return record && releasePhysicTile(record);
}

bool TileMap2D::deletePhysicTile(unsigned int x, unsigned int y) {
    return deletePhysicTile(vec2ui32(x, y));
}

PhysicObject2D* TileMap2D::getPhysicTile(vec2ui32 cell) {
    return world && tileSet ? physicsTiles.getPhysicsObjectInPosition(cell) : nullptr;
}

PhysicObject2D* TileMap2D::getPhysicTile(unsigned int x, unsigned int y) {
    return getPhysicTile(vec2ui32(x, y));
}

bool TileMap2D::havePhysicObject(PhysicObject2D* object) {
    return physicsTiles.haveObject(object);
}

vec2ui32 TileMap2D::getPhysicObjectPosition(PhysicObject2D* object) {
    return physicsTiles.getPositionOfObject(object);
}

void TileMap2D::followMap(vec2f32 oldPosition, size2f32 oldScale) {
    if (!world || (oldPosition == positionMap && oldScale == scaleMap)) {
        return;
    }
    for (PhysicsTiles* record : physicsTiles.records()) {
        PhysicObject2D* object = record->object;
        // A tile that has moved away from its cell keeps its offset from it,
        // measured in cells.
        vec2f32 offset = object->position - cellPoint(record->position, oldPosition, oldScale);
        vec2f32 cell = cellPoint(record->position, positionMap, scaleMap);
        object->position = vec2f32(cell.x + offset.x / oldScale.width * scaleMap.width,
                                   cell.y + offset.y / oldScale.height * scaleMap.height);
        object->size = scaleMap;
        if (world->haveObject(object) && world->removeObject(object)) {
            world->addObject(object);
        }
    }
}

bool TileMap2D::addTileCallback(tileCallback* callback) {
    return callback && callbacks.add(callback);
}

bool TileMap2D::removeTileCallback(tileCallback* callback) {
    return callback && callbacks.remove(callback);
}

void TileMap2D::dispatch(void (tileCallback::*operation)(tileContact2D, physics2D::Contact2D*),
                         physics2D::Contact2D* contact) {
    if (!contact) {
        return;
    }
    PhysicsTiles* first = physicsTiles.getPhysicsTileObject(contact->objectA);
    PhysicsTiles* second = physicsTiles.getPhysicsTileObject(contact->objectB);
    if (!first && !second) {
        return;
    }
    tileContact2D tiles;
    if (first) {
        tiles.idA = first->id;
        tiles.positionA = first->position;
    }
    if (second) {
        tiles.idB = second->id;
        tiles.positionB = second->position;
    }
    unsigned int count = callbacks.size();
    for (unsigned int position = 0; position < count; position++) {
        if (tileCallback* callback = callbacks.getElementInPosition(position)) {
            (callback->*operation)(tiles, contact);
        }
    }
}

void TileMap2D::contact2DBegin(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::contact2DTileBegin, contact);
}

void TileMap2D::contact2DEnd(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::contact2DTileEnd, contact);
}

void TileMap2D::contact2DKeepBegin(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::contact2DTileKeepBegin, contact);
}

void TileMap2D::contact2DKeepEnd(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::contact2DTileKeepEnd, contact);
}

void TileMap2D::sensor2DBegin(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::sensor2DTileBegin, contact);
}

void TileMap2D::sensor2DEnd(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::sensor2DTileEnd, contact);
}

void TileMap2D::sensor2DKeeping(physics2D::Contact2D* contact) {
    dispatch(&tileCallback::sensor2DTileKeeping, contact);
}

} // namespace tiles
} // namespace zelk
