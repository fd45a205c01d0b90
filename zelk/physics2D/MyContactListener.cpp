#include "zelk/physics2D/MyContactListener.h"

#include "zelk/Math.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/physics2D/World2D.h"

namespace zelk {
namespace physics2D {

namespace {

// The collision IDs of one-way lines.
const uint8 holdsFromAbove = 15;
const uint8 holdsFromBelow = 240;

PhysicObject2D* objectOf(b2Fixture* fixture) {
    return Box2DAdapter::objectOf(fixture->GetBody());
}

// Whether the two objects may touch by their group sets.
bool groupsAllow(PhysicObject2D* a, PhysicObject2D* b) {
    bool allowed = true;
    unsigned int notCollisions = a->getNotCollisionGroupSize();
    if (notCollisions != 0 && b->getNotCollisionGroupSize() != 0) {
        for (unsigned int i = 0; i < notCollisions; i++) {
            if (b->haveNotCollisionGroup(a->getNotCollisionGroupInPosition(i))) {
                allowed = false;
                break;
            }
        }
    }
    unsigned int collisions = a->getCollisionGroupSize();
    if (collisions != 0 && b->getCollisionGroupSize() != 0) {
        allowed = false;
        for (unsigned int i = 0; i < collisions; i++) {
            if (b->haveCollisionGroup(a->getCollisionGroupInPosition(i))) {
                allowed = true;
                break;
            }
        }
    }
    return allowed;
}

// Selects the polygon in the object's physics mesh; true, with its collision
// ID, when it is a line.
bool selectLine(PhysicObject2D* object, uint32 polygon, uint8* collisionID) {
    shape::Polygon2DList& mesh = object->physicsMesh;
    if (!mesh.selectPolygon(polygon) || !mesh.selectedIsLine()) {
        return false;
    }
    *collisionID = mesh.selectedGetCollisionID();
    return true;
}

// The point in the body's frame, divided by the object's size (0 along an
// axis of size 0).
vec2f32 unitPoint(b2Body* body, PhysicObject2D* object, const b2Vec2& point) {
    vec2f32 local = Box2DAdapter::fromBox2D(body->GetLocalPoint(point));
    return vec2f32(object->size.width != 0.0f ? local.x / object->size.width : 0.0f,
                   object->size.height != 0.0f ? local.y / object->size.height : 0.0f);
}

// The object takes its body's velocity; answers the object's speed. With
// speedOnly, a moving body's object is left as it is: the world writes every
// moving object's velocity after the step anyway.
float takeVelocity(PhysicObject2D* object, b2Body* body, bool speedOnly) {
    const b2Vec2& velocity = body->GetLinearVelocity();
    if (speedOnly && body->GetType() != b2_staticBody) {
        return Math::pythagoras2f(Box2DAdapter::fromBox2D(velocity));
    }
    object->setLinearVelocity(velocity.x, velocity.y);
    return object->getSpeed();
}

bool hasSensor(Contact2D* record) {
    return record->objectA->isSensor() || record->objectB->isSensor();
}

} // namespace

void MyContactListener::drop(Contact2D* record) {
    if (record) {
        world->contacts.removeContact(record);
        delete record;
    }
}

void MyContactListener::refresh(Contact2D* record, b2Contact* contact, bool speedsOnly) {
    b2Body* bodyA = contact->GetFixtureA()->GetBody();
    b2Body* bodyB = contact->GetFixtureB()->GetBody();
    record->speedA = takeVelocity(record->objectA, bodyA, speedsOnly);
    record->speedB = takeVelocity(record->objectB, bodyB, speedsOnly);
    int32 count = contact->GetManifold()->pointCount;
    if (count == 0) {
        return;
    }
    b2WorldManifold manifold;
    contact->GetWorldManifold(&manifold);
    for (int32 i = 0; i < count; i++) {
        unsigned int at = static_cast<unsigned int>(i);
        record->positions.set(at, Box2DAdapter::fromBox2D(manifold.points[i]));
        record->positionsA.set(at, unitPoint(bodyA, record->objectA, manifold.points[i]));
        record->positionsB.set(at, unitPoint(bodyB, record->objectB, manifold.points[i]));
    }
}

void MyContactListener::sensorEvent(Contact2D* record, void (World2D::*event)(Contact2D*)) {
    bool sensorIsA = record->objectA->isSensor();
    PhysicObject2D* sensor = sensorIsA ? record->objectA : record->objectB;
    PhysicObject2D* other = sensorIsA ? record->objectB : record->objectA;
    StaticSensor2D* withSet = dynamic_cast<StaticSensor2D*>(sensor);
    if (!withSet || withSet->getActivateSize() == 0 || withSet->haveActivateObject(other)) {
        (world->*event)(record);
    }
}

void MyContactListener::BeginContact(b2Contact* contact) {
    int32 count = contact->GetManifold()->pointCount;
    if (count == 0) {
        return;
    }
    Contact2D* record = world->contacts.getContact(contact);
    PhysicObject2D* a = objectOf(contact->GetFixtureA());
    PhysicObject2D* b = objectOf(contact->GetFixtureB());
    if (!a || !b || !groupsAllow(a, b)) {
        drop(record);
        return;
    }
    if (!record) {
        record = new Contact2D(contact);
        if (!world->contacts.addContact(record)) {
            delete record;
            return;
        }
    }
    unsigned int points = static_cast<unsigned int>(count);
    record->objectA = a;
    record->objectB = b;
    record->polygonA = Box2DAdapter::polygonOf(contact->GetFixtureA());
    record->polygonB = Box2DAdapter::polygonOf(contact->GetFixtureB());
    record->positions.createArray(points);
    record->positionsA.createArray(points);
    record->positionsB.createArray(points);
    record->impulses.createArray(points);
    record->points = static_cast<uint8>(count);
    refresh(record, contact);
    dispatchBegin(record);
}

void MyContactListener::dispatchBegin(Contact2D* record) {
    uint8 idA = 0;
    uint8 idB = 0;
    bool lineA = selectLine(record->objectA, record->polygonA, &idA);
    bool lineB = selectLine(record->objectB, record->polygonB, &idB);
    if (hasSensor(record)) {
        sensorEvent(record, &World2D::physicsSensorBegin);
        return;
    }
    if (lineA && lineB) {
        return;
    }
    if (lineA || lineB) {
        uint8 id = lineA ? idA : idB;
        float other = (lineA ? record->objectB : record->objectA)->position.y;
        float touch = record->positions.get(0).y;
        if ((id == holdsFromAbove && other < touch) || (id == holdsFromBelow && other >= touch)) {
            drop(record);
            return;
        }
    }
    world->physicsContactBegin(record);
}

void MyContactListener::PreSolve(b2Contact* contact, const b2Manifold*) {
    Contact2D* record = world->contacts.getContact(contact);
    if (!record) {
        contact->SetEnabled(false);
        return;
    }
    if (!world->heard && record->isEnabled() && !hasSensor(record)) {
        // Nobody hears the keep-begin, and the solver's report after it
        // refreshes the record again.
        return;
    }
    refresh(record, contact);
    if (hasSensor(record)) {
        sensorEvent(record, &World2D::physicsSensorKeeping);
        contact->SetEnabled(false);
        return;
    }
    world->physicsContactKeepBegin(record);
    contact->SetEnabled(record->isEnabled());
}

void MyContactListener::PostSolve(b2Contact* contact, const b2ContactImpulse* impulse) {
    Contact2D* record = world->contacts.getContact(contact);
    if (!record) {
        return;
    }
    // Inside the step nobody but the listeners reads the objects: while
    // nobody hears, the moving objects' velocities wait for the world's
    // write-back, and the keep-end would reach nobody.
    bool heard = world->heard;
    refresh(record, contact, !heard);
    int32 count = b2Min(contact->GetManifold()->pointCount, impulse->count);
    for (int32 i = 0; i < count; i++) {
        record->impulses.set(static_cast<unsigned int>(i), impulse->normalImpulses[i]);
    }
    if (heard && !hasSensor(record)) {
        world->physicsContactKeepEnd(record);
    }
}

void MyContactListener::EndContact(b2Contact* contact) {
    Contact2D* record = world->contacts.getContact(contact);
    if (!record) {
        return;
    }
    refresh(record, contact);
    if (hasSensor(record)) {
        sensorEvent(record, &World2D::physicsSensorEnd);
    } else {
        world->physicsContactEnd(record);
    }
    drop(record);
}

} // namespace physics2D
} // namespace zelk
