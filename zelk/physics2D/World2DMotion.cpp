#include "zelk/physics2D/Box2DAdapter.h"
#include "zelk/physics2D/World2D.h"

namespace zelk {
namespace physics2D {

namespace {

const float degreesPerRadian = Box2DAdapter::degreesPerRadian;

bool usable(vec2f32 vector) {
    return Box2DAdapter::usable(vector);
}

bool usable(float value) {
    return Box2DAdapter::usable(value);
}

} // namespace

bool World2D::updateObjectVelocity(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object);
    if (!record) {
        return false;
    }
    b2Body* body = record->body;
    float angular = (object->angle - Box2DAdapter::toDegrees(body->GetAngle())) / degreesPerRadian;
    vec2f32 linear = object->haveSettedLinearVelocity()
                         ? object->getLinearVelocity()
                         : object->position - Box2DAdapter::fromBox2D(body->GetPosition());
    if (!usable(angular) || !usable(linear)) {
        return false;
    }
    body->SetAngularVelocity(angular);
    body->SetLinearVelocity(Box2DAdapter::toBox2D(linear));
    return true;
}

bool World2D::cleanObjectVelocity(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object);
    if (!record) {
        return false;
    }
    record->body->SetLinearVelocity(b2Vec2(0.0f, 0.0f));
    return true;
}

bool World2D::updateObjectStatus(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object);
    if (!record) {
        return false;
    }
    b2Fixture* fixture = record->body->GetFixtureList();
    if (!fixture) {
        return true;
    }
    float density = object->physicsMesh.getPolygonDensity(0);
    float friction = object->physicsMesh.getPolygonFriction(0);
    float restitution = object->physicsMesh.getPolygonRestitution(0);
    if (!usable(density) || density < 0.0f || !usable(friction) || friction < 0.0f ||
        !usable(restitution)) {
        return false;
    }
    fixture->SetDensity(density);
    fixture->SetFriction(friction);
    fixture->SetRestitution(restitution);
    return true;
}

bool World2D::moveObject(PhysicObject2D* object, vec2f32 distance) {
    return object && moveObjectToPosition(object, object->position + distance);
}

bool World2D::moveObject(PhysicObject2D* object, float x, float y) {
    return moveObject(object, vec2f32(x, y));
}

bool World2D::moveObjectToPosition(PhysicObject2D* object, vec2f32 position) {
    if (!recordOf(object) || !usable(position)) {
        return false;
    }
    object->position = position;
    return updateObjectVelocity(object);
}

bool World2D::moveObjectToPosition(PhysicObject2D* object, float x, float y) {
    return moveObjectToPosition(object, vec2f32(x, y));
}

bool World2D::rotateObject(PhysicObject2D* object, float degrees) {
    return object && rotateObjectToAngle(object, object->angle + degrees);
}

bool World2D::rotateObjectToAngle(PhysicObject2D* object, float degrees) {
    if (!recordOf(object) || !usable(degrees)) {
        return false;
    }
    object->angle = degrees;
    return updateObjectVelocity(object);
}

bool World2D::sleepObject(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object, physics::dynamicBody, physics::dynamicBody);
    if (!record) {
        return false;
    }
    object->canSleep = true;
    record->body->SetAwake(false);
    return true;
}

bool World2D::unsleepObject(PhysicObject2D* object) {
    ObjectTree* record = recordOf(object, physics::dynamicBody, physics::dynamicBody);
    if (!record) {
        return false;
    }
    record->body->SetAwake(true);
    return true;
}

bool World2D::setLinearVelocity(PhysicObject2D* object, vec2f32 velocity) {
    ObjectTree* record = recordOf(object, physics::kinematicBody, physics::dynamicBody);
    if (!record || !usable(velocity)) {
        return false;
    }
    record->body->SetLinearVelocity(Box2DAdapter::toBox2D(velocity));
    return true;
}

bool World2D::setAngularVelocity(PhysicObject2D* object, float degreesPerSecond) {
    ObjectTree* record = recordOf(object, physics::kinematicBody, physics::dynamicBody);
    if (!record || !usable(degreesPerSecond)) {
        return false;
    }
    record->body->SetAngularVelocity(degreesPerSecond / degreesPerRadian);
    return true;
}

bool World2D::applyForce(PhysicObject2D* object, vec2f32 force, vec2f32 point, bool wake) {
    ObjectTree* record = recordOf(object, physics::kinematicBody, physics::dynamicBody);
    if (!record || !usable(force) || !usable(point)) {
        return false;
    }
    record->body->ApplyForce(Box2DAdapter::toBox2D(force), Box2DAdapter::toBox2D(point), wake);
    return true;
}

bool World2D::applyLinearImpulse(PhysicObject2D* object, vec2f32 impulse, vec2f32 point,
                                 bool wake) {
    ObjectTree* record = recordOf(object, physics::kinematicBody, physics::dynamicBody);
    if (!record || !usable(impulse) || !usable(point)) {
        return false;
    }
    record->body->ApplyLinearImpulse(Box2DAdapter::toBox2D(impulse), Box2DAdapter::toBox2D(point),
                                     wake);
    return true;
}

bool World2D::applyAngularImpulse(PhysicObject2D* object, float impulse, bool wake) {
    ObjectTree* record = recordOf(object, physics::kinematicBody, physics::dynamicBody);
    if (!record || !usable(impulse)) {
        return false;
    }
    record->body->ApplyAngularImpulse(impulse / degreesPerRadian, wake);
    return true;
}

bool World2D::applyTorque(PhysicObject2D* object, float torque, bool wake) {
    ObjectTree* record = recordOf(object, physics::kinematicBody, physics::dynamicBody);
    if (!record || !usable(torque)) {
        return false;
    }
    record->body->ApplyTorque(torque, wake);
    return true;
}

} // namespace physics2D
} // namespace zelk
