#include "zelk/physics2D/World2D.h"

#include "zelk/physics2D/Box2DAdapter.h"
#include "zelk/physics2D/MyContactListener.h"
#include "zelk/physics2D/PlacedFixtures.h"

#include <cstdint>
#include <typeinfo>

namespace zelk {
namespace physics2D {

bool treeObjects::firstBiggerSecond(ObjectTree* first, ObjectTree* second) {
    return reinterpret_cast<std::uintptr_t>(first->object) >
           reinterpret_cast<std::uintptr_t>(second->object);
}

bool treeObjects::firstEqualSecond(ObjectTree* first, ObjectTree* second) {
    return first->object == second->object;
}

void treeObjects::updateElement(ObjectTree* record) {
    PhysicObject2D* object = record->object;
    if (!object) {
        return;
    }
    b2Body* body = record->body;
    object->position = Box2DAdapter::fromBox2D(body->GetPosition());
    object->angle = Box2DAdapter::toDegrees(body->GetAngle());
    const b2Vec2& velocity = body->GetLinearVelocity();
    object->setLinearVelocity(velocity.x, velocity.y);
    object->getLinearVelocity();
    if (!object->canSleep && object->getType() == physics::dynamicBody) {
        body->SetAwake(true);
    }
}

ObjectTree* treeObjects::getRecord(PhysicObject2D* object) {
    ObjectTree probe = {object, nullptr};
    return getElement(&probe);
}

std::vector<PhysicObject2D*> treeObjects::getObjects() {
    std::vector<PhysicObject2D*> objects;
    walk(true, [&objects](vector::BinaryLeaf<ObjectTree*>* node) {
        objects.push_back(node->value->object);
        return true;
    });
    return objects;
}

World2D::World2D()
    : gravity(), clock(), clockScale(1.0f), world(new b2World(b2Vec2(0.0f, 0.0f))), callbacks(),
      staticObjects(), kinematicObjects(), dynamicObjects(), contacts(),
      listener(new MyContactListener(this)), removing(false), heard(true), joints(), jointObjects(),
      createdObjects() {
    setGravity(0.0f, -9.8f);
    world->SetContactListener(listener);
    clockStart();
}

World2D::~World2D() {
    callbacks.clean();
    contacts.deleteContacts();
    destroyJoints();
    for (treeObjects* tree : {&staticObjects, &kinematicObjects, &dynamicObjects}) {
        while (tree->haveRoot()) {
            dropRecord(tree, tree->getRootValue());
        }
    }
    delete world;
    delete listener;
    while (PhysicObject2D* object = createdObjects.getRootValue()) {
        createdObjects.remove(object);
        delete object;
    }
}

void World2D::setGravity(vec2f32 value) {
    if (!Box2DAdapter::usable(value)) {
        return;
    }
    gravity = value;
    world->SetGravity(Box2DAdapter::toBox2D(value));
}

void World2D::setGravity(float x, float y) {
    setGravity(vec2f32(x, y));
}

void World2D::nextStep(float dt, int velocityIterations, int positionIterations) {
    if (isLocked() || !Box2DAdapter::usable(dt) || dt < 0.0f) {
        return;
    }
    heard = callbacks.size() != 0 || typeid(*this) != typeid(World2D);
    world->Step(dt, velocityIterations, positionIterations);
    kinematicObjects.update();
    dynamicObjects.update();
    refreshJointAnchors();
}

void World2D::nextStep(int velocityIterations, int positionIterations) {
    stepElapsed(clock.getMicroseconds(), velocityIterations, positionIterations);
}

void World2D::stepElapsed(unsigned int microseconds, int velocityIterations,
                          int positionIterations) {
    if (isLocked()) {
        return;
    }
    float dt = static_cast<float>(microseconds) * watch::microsecond * clockScale;
    nextStep(dt, velocityIterations, positionIterations);
    clockStart();
}

void World2D::clockStart() {
    clock.start();
}

void World2D::setClockScale(float scale) {
    clockScale = scale;
}

bool World2D::isLocked() {
    return removing || world->IsLocked();
}

treeObjects* World2D::treeOf(uint8 type) {
    switch (type) {
    case physics::staticBody:
        return &staticObjects;
    case physics::kinematicBody:
        return &kinematicObjects;
    case physics::dynamicBody:
        return &dynamicObjects;
    default:
        return nullptr;
    }
}

ObjectTree* World2D::recordOf(PhysicObject2D* object) {
    treeObjects* tree = object ? treeOf(object->getType()) : nullptr;
    return tree ? tree->getRecord(object) : nullptr;
}

ObjectTree* World2D::recordOf(PhysicObject2D* object, uint8 firstType, uint8 lastType) {
    ObjectTree* record = recordOf(object);
    uint8 type = record ? object->getType() : 0;
    return record && type >= firstType && type <= lastType ? record : nullptr;
}

bool World2D::addObject(PhysicObject2D* object) {
    if (!object || isLocked()) {
        return false;
    }
    uint8 type = object->getType();
    treeObjects* tree = treeOf(type);
    if (!tree || staticObjects.getRecord(object) || kinematicObjects.getRecord(object) ||
        dynamicObjects.getRecord(object)) {
        return false;
    }
    b2Body* body = Box2DAdapter::createBody(world, type, object->fixedRotation, object->position,
                                            object->angle, object, placedFixtures(object));
    if (!body) {
        return false;
    }
    ObjectTree* record = new ObjectTree{object, body};
    if (!tree->addBalanced(record)) {
        delete record;
        Box2DAdapter::destroyBody(world, body);
        return false;
    }
    return true;
}

void World2D::dropRecord(treeObjects* tree, ObjectTree* record) {
    tree->remove(record);
    removing = true;
    Box2DAdapter::destroyBody(world, record->body);
    removing = false;
    delete record;
}

bool World2D::removeObject(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object);
    if (!record || isLocked()) {
        return false;
    }
    removeObjectJoints(object);
    dropRecord(treeOf(object->getType()), record);
    return true;
}

void World2D::removeAllObjects() {
    if (isLocked()) {
        return;
    }
    for (treeObjects* tree : {&staticObjects, &kinematicObjects, &dynamicObjects}) {
        while (tree->haveRoot()) {
            ObjectTree* record = tree->getRootValue();
            removeObjectJoints(record->object);
            dropRecord(tree, record);
        }
    }
}

bool World2D::haveObject(PhysicObject2D* object) {
    return recordOf(object) != nullptr;
}

b2Body* World2D::getBody(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object);
    return record ? record->body : nullptr;
}

namespace {

PhysicObject2D* objectInPosition(treeObjects& tree, unsigned int position) {
    ObjectTree* record = tree.getElementInPosition(position);
    return record ? record->object : nullptr;
}

} // namespace

PhysicObject2D* World2D::getStaticObjectInPosition(unsigned int position) {
    return objectInPosition(staticObjects, position);
}

PhysicObject2D* World2D::getKinematicObjectInPosition(unsigned int position) {
    return objectInPosition(kinematicObjects, position);
}

PhysicObject2D* World2D::getDynamicObjectInPosition(unsigned int position) {
    return objectInPosition(dynamicObjects, position);
}

} // namespace physics2D
} // namespace zelk
