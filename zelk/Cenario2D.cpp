#include "zelk/Cenario2D.h"

#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/physics2D/StaticObject2D.h"

#include <type_traits>

namespace zelk {

using physics2D::DynamicObject2D;
using physics2D::KinematicObject2D;
using physics2D::KinematicSensor2D;
using physics2D::PhysicObject2D;
using physics2D::StaticObject2D;
using physics2D::StaticSensor2D;

Cenario2D::Cenario2D() : selectedTileMap(nullptr) {
    world.addContactCallback(this);
}

Cenario2D::~Cenario2D() {
    world.removeContactCallback(this);
    deleteAllLevels();
    tileSet.deleteTiles();
}

Cenario2D::LevelObj* Cenario2D::levelAt(unsigned int level) {
    return level == 0 ? nullptr : levels.get(level - 1);
}

Cenario2D::LevelObj* Cenario2D::makeLevel(unsigned int level) {
    if (level == 0 || level > mostLevels) {
        return nullptr;
    }
    while (levels.size() < level) {
        levels.pushBack(new LevelObj());
    }
    return levelAt(level);
}

Cenario2D::TreeObjDepth* Cenario2D::objectTree(unsigned int level) {
    LevelObj* place = levelAt(level);
    return place ? place->objects : nullptr;
}

Cenario2D::TreePhysObjDepth* Cenario2D::physicsTree(unsigned int level) {
    LevelObj* place = levelAt(level);
    return place ? place->physicsObjects : nullptr;
}

bool Cenario2D::addObjectToLevel(Object2D* object, PhysicObject2D* physicsObject,
                                 unsigned int level, double depth, bool created) {
    if (!object && !physicsObject) {
        return false;
    }
    LevelObj* place = makeLevel(level);
    if (!place) {
        return false;
    }
    TreeObjDepth* tree = nullptr;
    if (object) {
        if (!place->haveSome()) {
            place->objects = new TreeObjDepth();
        }
        tree = place->objects;
    } else {
        if (!place->haveSome()) {
            place->physicsObjects = new TreePhysObjDepth(&world);
        }
        tree = place->physicsObjects;
    }
    if (!tree) {
        return false;
    }
    if (tree->addObject(created, object ? object : physicsObject, depth)) {
        return true;
    }
    if (tree->size() == 0) {
        delete tree;
        place->clean();
    }
    return false;
}

float Cenario2D::nextDepth(unsigned int level) {
    return static_cast<float>(getHigherLevel(level) + 1.0);
}

template <typename Kind> Kind* Cenario2D::placeNew(unsigned int level, double depth) {
    Kind* object = new Kind();
    bool placed = false;
    if constexpr (std::is_base_of_v<PhysicObject2D, Kind>) {
        placed = addObjectToLevel(nullptr, object, level, depth, true);
    } else {
        placed = addObjectToLevel(object, nullptr, level, depth, true);
    }
    if (!placed) {
        delete object;
        return nullptr;
    }
    return object;
}

Object2D* Cenario2D::newObject(unsigned int level) {
    return newObject(level, nextDepth(level));
}

Object2D* Cenario2D::newObject(unsigned int level, float depth) {
    return placeNew<Object2D>(level, depth);
}

bool Cenario2D::addObject(unsigned int level, Object2D* object) {
    return addObject(level, object, nextDepth(level));
}

bool Cenario2D::addObject(unsigned int level, Object2D* object, float depth) {
    return object && addObjectToLevel(object, nullptr, level, depth, false);
}

Object2D* Cenario2D::getObject(unsigned int level, float depth) {
    TreeObjDepth* tree = objectTree(level);
    return tree ? tree->getObjectFromDepth(depth) : nullptr;
}

Object2D* Cenario2D::getObject(unsigned int level, unsigned int position) {
    TreeObjDepth* tree = objectTree(level);
    return tree ? tree->getObjectInPosition(position) : nullptr;
}

bool Cenario2D::deleteFromTree(unsigned int level, TreeObjDepth* tree, Object2D* object) {
    if (!tree || !tree->deleteObj(object)) {
        return false;
    }
    if (tree->size() == 0) {
        delete tree;
        levelAt(level)->clean();
    }
    return true;
}

template <typename Tree> void Cenario2D::deleteTrees(Tree* LevelObj::*kind) {
    for (unsigned int position = 0; position < levels.size(); position++) {
        LevelObj* place = levels.get(position);
        if (place && place->*kind) {
            delete (place->*kind);
            place->clean();
        }
    }
}

bool Cenario2D::deleteObject(unsigned int level, Object2D* object) {
    return deleteFromTree(level, objectTree(level), object);
}

bool Cenario2D::deleteAllObjects(unsigned int position) {
    LevelObj* place = levels.get(position);
    if (!place || !place->objects) {
        return false;
    }
    place->objects->deleteAll();
    return true;
}

void Cenario2D::deleteAllObjects() {
    deleteTrees(&LevelObj::objects);
}

PhysicObject2D* Cenario2D::newPhysycObject(unsigned int level, physics::bodyType type) {
    return newPhysycObject(level, type, nextDepth(level));
}

PhysicObject2D* Cenario2D::newPhysycObject(unsigned int level, physics::bodyType type,
                                           float depth) {
    switch (type) {
    case physics::staticBody:
        return placeNew<StaticObject2D>(level, depth);
    case physics::kinematicBody:
        return placeNew<KinematicObject2D>(level, depth);
    case physics::dynamicBody:
        return placeNew<DynamicObject2D>(level, depth);
    }
    return nullptr;
}

StaticSensor2D* Cenario2D::newPhysycSensor(unsigned int level, physics::bodyType type) {
    return newPhysycSensor(level, type, nextDepth(level));
}

StaticSensor2D* Cenario2D::newPhysycSensor(unsigned int level, physics::bodyType type,
                                           float depth) {
    switch (type) {
    case physics::staticBody:
        return placeNew<StaticSensor2D>(level, depth);
    case physics::kinematicBody:
    case physics::dynamicBody:
        return placeNew<KinematicSensor2D>(level, depth);
    }
    return nullptr;
}

bool Cenario2D::addPhysycObject(unsigned int level, PhysicObject2D* object) {
    return addPhysycObject(level, object, nextDepth(level));
}

bool Cenario2D::addPhysycObject(unsigned int level, PhysicObject2D* object, float depth) {
    return object && addObjectToLevel(nullptr, object, level, depth, false);
}

bool Cenario2D::addPhysycSensor(unsigned int level, StaticSensor2D* sensor) {
    return addPhysycObject(level, sensor);
}

bool Cenario2D::addPhysycSensor(unsigned int level, StaticSensor2D* sensor, float depth) {
    return addPhysycObject(level, sensor, depth);
}

PhysicObject2D* Cenario2D::getPhysycObject(unsigned int level, float depth) {
    TreePhysObjDepth* tree = physicsTree(level);
    return tree ? tree->getPhysicObject(tree->getObjClassFromDepth(depth)) : nullptr;
}

PhysicObject2D* Cenario2D::getPhysycObject(unsigned int level, unsigned int position) {
    TreePhysObjDepth* tree = physicsTree(level);
    return tree ? tree->getPhysicObject(tree->getElementInPosition(position)) : nullptr;
}

bool Cenario2D::loadPhysicObjectToWorld(unsigned int level, PhysicObject2D* object) {
    TreePhysObjDepth* tree = physicsTree(level);
    return tree && tree->haveObject(object) && world.addObject(object);
}

bool Cenario2D::loadPhysicObjectsToWorld(unsigned int level) {
    LevelObj* place = levelAt(level);
    if (!place) {
        return false;
    }
    if (TreePhysObjDepth* tree = place->physicsObjects) {
        for (ObjClass* entry : tree->elements()) {
            world.removeObject(tree->getPhysicObject(entry));
            world.addObject(tree->getPhysicObject(entry));
        }
        return true;
    }
    return place->tileMap && place->tileMap->loadPhysicsTiles();
}

void Cenario2D::loadPhysicObjectsToWorld() {
    for (unsigned int level = 1; level <= levels.size(); level++) {
        loadPhysicObjectsToWorld(level);
    }
}

bool Cenario2D::deletePhysycObject(unsigned int level, PhysicObject2D* object) {
    return deleteFromTree(level, physicsTree(level), object);
}

bool Cenario2D::deleteAllPhysycObjects(unsigned int level) {
    TreePhysObjDepth* tree = physicsTree(level);
    if (!tree) {
        return false;
    }
    tree->deleteAll();
    return true;
}

void Cenario2D::deleteAllPhysycObjects() {
    deleteTrees(&LevelObj::physicsObjects);
}

void Cenario2D::emptyLevel(LevelObj* level) {
    deleteMapOf(level);
    delete level->objects;
    delete level->physicsObjects;
    level->clean();
}

bool Cenario2D::deleteLevel(unsigned int level) {
    LevelObj* place = levelAt(level);
    if (!place) {
        return false;
    }
    emptyLevel(place);
    return true;
}

void Cenario2D::deleteAllLevels() {
    for (unsigned int position = 0; position < levels.size(); position++) {
        if (LevelObj* place = levels.get(position)) {
            emptyLevel(place);
            delete place;
        }
    }
    levels.clean();
}

double Cenario2D::getHigherLevel(unsigned int level) {
    LevelObj* place = levelAt(level);
    TreeObjDepth* tree = nullptr;
    if (place) {
        tree = place->objects ? place->objects : place->physicsObjects;
    }
    return tree ? tree->getLastLevel() : -1.0;
}

void Cenario2D::updatePhysics(int velocityIterations, int positionIterations) {
    world.nextStep(velocityIterations, positionIterations);
}

void Cenario2D::updateAnimations() {
    for (unsigned int position = 0; position < levels.size(); position++) {
        updateAnimation(position);
    }
    tileSet.updateAnimations();
}

bool Cenario2D::updateAnimation(unsigned int position) {
    LevelObj* place = levels.get(position);
    if (!place) {
        return false;
    }
    if (place->objects) {
        place->objects->update();
    }
    if (place->physicsObjects) {
        place->physicsObjects->update();
    }
    return true;
}

void Cenario2D::stepAnimations(float seconds) {
    for (unsigned int position = 0; position < levels.size(); position++) {
        LevelObj* place = levels.get(position);
        if (place && place->objects) {
            place->objects->update();
        }
        if (place && place->physicsObjects) {
            place->physicsObjects->stepAnimations(seconds);
        }
    }
    tileSet.updateAnimations();
}

void Cenario2D::draw() {
    for (unsigned int position = 0; position < levels.size(); position++) {
        LevelObj* place = levels.get(position);
        if (!place) {
            continue;
        }
        if (place->objects) {
            place->objects->print();
        }
        if (place->physicsObjects) {
            place->physicsObjects->print();
        } else if (place->tileMap) {
            place->tileMap->draw(color4f32(1.0f, 1.0f, 1.0f, 1.0f));
        }
    }
}

bool Cenario2D::getPhysicsLevelObject(Object2D* object, PhysicsPosition* position) {
    if (!object || !position) {
        return false;
    }
    PhysicObject2D* physicObject = dynamic_cast<PhysicObject2D*>(object);
    for (unsigned int at = 0; at < levels.size(); at++) {
        LevelObj* place = levels.get(at);
        if (!place) {
            continue;
        }
        position->level = at;
        if (place->tileMap) {
            if (physicObject && place->tileMap->havePhysicObject(physicObject)) {
                position->objectType = PhysicsPosition::physicTile;
                position->mapPosition = place->tileMap->getPhysicObjectPosition(physicObject);
                return true;
            }
        } else if (place->physicsObjects) {
            if (ObjClass* entry = place->physicsObjects->getObjClass(object)) {
                position->objectType = PhysicsPosition::physicObject;
                position->depth = static_cast<float>(entry->depth);
                return true;
            }
        }
    }
    return false;
}

PhysicObject2D* Cenario2D::getPhysicsObjectInLevel(PhysicsPosition position) {
    LevelObj* place = levels.get(position.level);
    if (!place) {
        return nullptr;
    }
    if (position.objectType == PhysicsPosition::physicObject && place->physicsObjects) {
        TreePhysObjDepth* tree = place->physicsObjects;
        return tree->getPhysicObject(tree->getObjClassFromDepth(position.depth));
    }
    if (position.objectType == PhysicsPosition::physicTile && place->tileMap) {
        return place->tileMap->getPhysicTile(position.mapPosition);
    }
    return nullptr;
}

bool Cenario2D::getPhysicsObjectLevelDepth(Object2D* object, unsigned int* level, float* depth) {
    if (!object || !level || !depth) {
        return false;
    }
    for (unsigned int at = 0; at < levels.size(); at++) {
        LevelObj* place = levels.get(at);
        ObjClass* entry =
            place && place->physicsObjects ? place->physicsObjects->getObjClass(object) : nullptr;
        if (entry) {
            *level = at;
            *depth = static_cast<float>(entry->depth);
            return true;
        }
    }
    return false;
}

} // namespace zelk
