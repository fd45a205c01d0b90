#include "zelk/Cenario2DLevels.h"

#include <cmath>
#include <cstdint>

namespace zelk {

using physics2D::PhysicObject2D;

namespace {

// An entry that stands for an object or a depth in a search.
Cenario2D::ObjClass probeOf(Object2D* object) {
    return Cenario2D::ObjClass(false, object, 0.0);
}

} // namespace

bool Cenario2D::TreeObjDepth::TreeObj::firstBiggerSecond(ObjClass* first, ObjClass* second) {
    return reinterpret_cast<std::uintptr_t>(first->object) >
           reinterpret_cast<std::uintptr_t>(second->object);
}

bool Cenario2D::TreeObjDepth::TreeObj::firstEqualSecond(ObjClass* first, ObjClass* second) {
    return first->object == second->object;
}

Cenario2D::TreeObjDepth::~TreeObjDepth() {
    deleteAll();
}

bool Cenario2D::TreeObjDepth::firstBiggerSecond(ObjClass* first, ObjClass* second) {
    return first->depth > second->depth;
}

bool Cenario2D::TreeObjDepth::firstEqualSecond(ObjClass* first, ObjClass* second) {
    return first->depth == second->depth;
}

void Cenario2D::TreeObjDepth::printElement(ObjClass* entry) {
    entry->object->draw();
}

void Cenario2D::TreeObjDepth::updateElement(ObjClass* entry) {
    entry->object->updateAnimations();
}

bool Cenario2D::TreeObjDepth::addObject(bool created, Object2D* object, double depth) {
    if (!object || std::isnan(depth)) {
        return false;
    }
    ObjClass* entry = new ObjClass(created, object, depth);
    if (!add(entry)) {
        delete entry;
        return false;
    }
    if (!objects.add(entry)) {
        remove(entry);
        delete entry;
        return false;
    }
    return true;
}

void Cenario2D::TreeObjDepth::drop(ObjClass* entry) {
    leave(entry);
    remove(entry);
    objects.remove(entry);
    if (entry->created) {
        delete entry->object;
    }
    delete entry;
}

bool Cenario2D::TreeObjDepth::deleteObj(Object2D* object) {
    ObjClass* entry = getObjClass(object);
    if (!entry) {
        return false;
    }
    drop(entry);
    return true;
}

bool Cenario2D::TreeObjDepth::deleteObjInPosition(unsigned int position) {
    ObjClass* entry = getElementInPosition(position);
    if (!entry) {
        return false;
    }
    drop(entry);
    return true;
}

void Cenario2D::TreeObjDepth::deleteAll() {
    std::vector<ObjClass*> all = elements();
    for (ObjClass* entry : all) {
        leave(entry);
    }
    clean();
    objects.clean();
    for (ObjClass* entry : all) {
        if (entry->created) {
            delete entry->object;
        }
        delete entry;
    }
}

bool Cenario2D::TreeObjDepth::haveObject(Object2D* object) {
    return getObjClass(object) != nullptr;
}

Cenario2D::ObjClass* Cenario2D::TreeObjDepth::getObjClass(Object2D* object) {
    ObjClass probe = probeOf(object);
    return object ? objects.getElement(&probe) : nullptr;
}

Object2D* Cenario2D::TreeObjDepth::getObjectInPosition(unsigned int position) {
    ObjClass* entry = getElementInPosition(position);
    return entry ? entry->object : nullptr;
}

Cenario2D::ObjClass* Cenario2D::TreeObjDepth::getObjClassFromDepth(double depth) {
    ObjClass probe(false, nullptr, depth);
    return getElement(&probe);
}

Object2D* Cenario2D::TreeObjDepth::getObjectFromDepth(double depth) {
    ObjClass* entry = getObjClassFromDepth(depth);
    return entry ? entry->object : nullptr;
}

double Cenario2D::TreeObjDepth::getLastLevel() {
    vector::BinaryLeaf<ObjClass*>* node = root;
    if (!node) {
        return 0.0;
    }
    while (node->right) {
        node = node->right;
    }
    return node->value->depth;
}

std::vector<Cenario2D::ObjClass*>
Cenario2D::TreeObjDepth::addSorted(const std::vector<ObjClass*>& sorted) {
    std::vector<ObjClass*> refused;
    vector::forEachMiddleFirst(sorted.size(), [&](size_t position) {
        ObjClass* entry = sorted[position];
        if (!add(entry)) {
            refused.push_back(entry);
        } else if (!objects.add(entry)) {
            remove(entry);
            refused.push_back(entry);
        }
    });
    return refused;
}

Cenario2D::TreePhysObjDepth::~TreePhysObjDepth() {
    deleteAll();
}

bool Cenario2D::TreePhysObjDepth::addObject(bool created, Object2D* object, double depth) {
    return dynamic_cast<PhysicObject2D*>(object) && TreeObjDepth::addObject(created, object, depth);
}

PhysicObject2D* Cenario2D::TreePhysObjDepth::getPhysicObject(ObjClass* entry) {
    return entry ? static_cast<PhysicObject2D*>(entry->object) : nullptr;
}

void Cenario2D::TreePhysObjDepth::updateElement(ObjClass* entry) {
    follow(entry, getPhysicObject(entry)->updateAnimations());
}

void Cenario2D::TreePhysObjDepth::stepAnimations(float seconds) {
    walk(false, [this, seconds](vector::BinaryLeaf<ObjClass*>* node) {
        follow(node->value, getPhysicObject(node->value)->stepAnimations(seconds));
        return true;
    });
}

void Cenario2D::TreePhysObjDepth::follow(ObjClass* entry, bool moved) {
    PhysicObject2D* object = getPhysicObject(entry);
    if (moved) {
        if (world) {
            world->updateObjectVelocity(object);
        }
        entry->moving = true;
        return;
    }
    if (entry->moving && world && object->getType() == physics::kinematicBody) {
        world->cleanObjectVelocity(object);
    }
    entry->moving = false;
}

void Cenario2D::TreePhysObjDepth::leave(ObjClass* entry) {
    if (world) {
        world->removeObject(getPhysicObject(entry));
    }
}

} // namespace zelk
