#include "zelk/physics2D/PhysicObject2D.h"

#include "zelk/GU.h"
#include "zelk/Math.h"

namespace zelk {
namespace physics2D {

PhysicObject2D::PhysicObject2D()
    : Object2D(), physicsMesh(), canSleep(true), positionPath(), anglePath(), speed(0.0f),
      direction(), linearVelocity(), linearVelocitySetted(false), sensor(false),
      type(physics::staticBody), collisionGroups(), notCollisionGroups() {}

PhysicObject2D::PhysicObject2D(const PhysicObject2D& other)
    : Object2D(other), physicsMesh(other.physicsMesh), canSleep(other.canSleep),
      positionPath(other.positionPath), anglePath(other.anglePath), speed(other.speed),
      direction(other.direction), linearVelocity(other.linearVelocity),
      linearVelocitySetted(other.linearVelocitySetted), sensor(other.sensor), type(other.type),
      collisionGroups(other.collisionGroups), notCollisionGroups(other.notCollisionGroups) {}

PhysicObject2D::~PhysicObject2D() {
    if (!canDeleteObject) {
        physicsMesh.cantDeleteList();
        positionPath.cantDeleteGroup();
        anglePath.cantDeleteGroup();
        collisionGroups.cantDestruct();
        notCollisionGroups.cantDestruct();
    }
}

void PhysicObject2D::cleanMeshes() {
    Object2D::cleanMeshes();
    physicsMesh.cleanPolygons();
}

void PhysicObject2D::removeAllMesh() {
    Object2D::cleanMeshes();
}

template <typename Advance> bool PhysicObject2D::updatePaths(Advance advance) {
    bool moved = false;
    if (positionPath.isPlaying()) {
        positionPath.setX(position.x);
        positionPath.setY(position.y);
        advance(positionPath);
        position = vec2f32(positionPath.getX(), positionPath.getY());
        moved = true;
    }
    if (anglePath.isPlaying()) {
        anglePath.setX(angle);
        advance(anglePath);
        angle = anglePath.getX();
        moved = true;
    }
    updateMeshAnimations();
    return moved;
}

bool PhysicObject2D::updateAnimations() {
    return updatePaths([](animation::PathGroup& path) { path.updateClockAnimation(); });
}

bool PhysicObject2D::stepAnimations(float seconds) {
    return updatePaths([seconds](animation::PathGroup& path) { path.stepClockAnimation(seconds); });
}

uint8 PhysicObject2D::getType() {
    return static_cast<uint8>(type);
}

bool PhysicObject2D::isSensor() {
    return sensor;
}

void PhysicObject2D::setLinearVelocity(vec2f32 velocity) {
    linearVelocity = velocity;
    speed = Math::pythagoras2f(velocity);
    // Math::normalise2f(velocity), without measuring the length twice.
    direction = speed != 0.0f ? velocity : vec2f32();
    if (speed != 0.0f) {
        direction /= speed;
    }
    linearVelocitySetted = true;
}

void PhysicObject2D::setLinearVelocity(float x, float y) {
    setLinearVelocity(vec2f32(x, y));
}

vec2f32 PhysicObject2D::getLinearVelocity() {
    linearVelocitySetted = false;
    return linearVelocity;
}

bool PhysicObject2D::haveSettedLinearVelocity() {
    bool setted = linearVelocitySetted;
    linearVelocitySetted = false;
    return setted;
}

bool PhysicObject2D::addCollisionGroup(unsigned int id) {
    notCollisionGroups.remove(id);
    return id != 0 && collisionGroups.add(id);
}

bool PhysicObject2D::addNotCollisionGroup(unsigned int id) {
    collisionGroups.remove(id);
    return id != 0 && notCollisionGroups.add(id);
}

bool PhysicObject2D::removeCollisionGroup(unsigned int id) {
    return collisionGroups.remove(id);
}

bool PhysicObject2D::removeNotCollisionGroup(unsigned int id) {
    return notCollisionGroups.remove(id);
}

void PhysicObject2D::cleanCollisionGroups() {
    collisionGroups.clean();
}

void PhysicObject2D::cleanNotCollisionGroups() {
    notCollisionGroups.clean();
}

void PhysicObject2D::cleanAllGroups() {
    cleanCollisionGroups();
    cleanNotCollisionGroups();
}

bool PhysicObject2D::haveCollisionGroup(unsigned int id) {
    return collisionGroups.haveElement(id);
}

bool PhysicObject2D::haveNotCollisionGroup(unsigned int id) {
    return notCollisionGroups.haveElement(id);
}

unsigned int PhysicObject2D::getCollisionGroupInPosition(unsigned int position) {
    return collisionGroups.getElementInPosition(position);
}

unsigned int PhysicObject2D::getNotCollisionGroupInPosition(unsigned int position) {
    return notCollisionGroups.getElementInPosition(position);
}

void PhysicObject2D::drawWirePhysics() {
    GU::guPushMatrix();
    GU::guTranslate2f32(position);
    GU::guRotateZf32(angle);
    GU::guScale2f32(size);
    GU::guTranslate2f32(pivo * -1.f);
    GU::guColor4f32(1.f, 1.f, 1.f, 1.f);
    physicsMesh.drawWirePolygons();
    GU::guPopMatrix();
}

PhysicObject2D PhysicObject2D::operator=(PhysicObject2D other) {
    Object2D::operator=(other);
    physicsMesh.shape::Polygon2DList::operator=(other.physicsMesh);
    canSleep = other.canSleep;
    fixedRotation = other.fixedRotation;
    other.cantDeleteObject2D();
    return other;
}

} // namespace physics2D
} // namespace zelk
