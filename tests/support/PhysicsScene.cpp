#include "support/PhysicsScene.h"

#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Polygon2D.h"

#include <algorithm>
#include <cstdint>

namespace zelk {
namespace test {

using physics2D::Contact2D;
using physics2D::PhysicObject2D;

int Hearing::count(ContactEvent event) const {
    return static_cast<int>(
        std::count_if(events.begin(), events.end(),
                      [event](const HeardContact& heard) { return heard.event == event; }));
}

int Hearing::count(ContactEvent event, const PhysicObject2D* first,
                   const PhysicObject2D* second) const {
    return static_cast<int>(std::count_if(
        events.begin(), events.end(), [event, first, second](const HeardContact& heard) {
            return heard.event == event && ((heard.objectA == first && heard.objectB == second) ||
                                            (heard.objectA == second && heard.objectB == first));
        }));
}

void ContactLog::heard(ContactEvent event, Contact2D* contact) {
    hearing->add(HeardContact{event, contact->objectA, contact->objectB, this});
    if (action) {
        action(event, contact);
    }
}

void ContactLog::contact2DBegin(Contact2D* contact) {
    heard(ContactEvent::begin, contact);
}
void ContactLog::contact2DEnd(Contact2D* contact) {
    heard(ContactEvent::end, contact);
}
void ContactLog::contact2DKeepBegin(Contact2D* contact) {
    heard(ContactEvent::keepBegin, contact);
}
void ContactLog::contact2DKeepEnd(Contact2D* contact) {
    heard(ContactEvent::keepEnd, contact);
}
void ContactLog::sensor2DBegin(Contact2D* contact) {
    heard(ContactEvent::sensorBegin, contact);
}
void ContactLog::sensor2DEnd(Contact2D* contact) {
    heard(ContactEvent::sensorEnd, contact);
}
void ContactLog::sensor2DKeeping(Contact2D* contact) {
    heard(ContactEvent::sensorKeeping, contact);
}

namespace {

HeardContact heardBy(const void* world, ContactEvent event, Contact2D* contact) {
    return HeardContact{event, contact->objectA, contact->objectB, world};
}

} // namespace

void HearingWorld::contact2DBegin(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::begin, contact));
}
void HearingWorld::contact2DEnd(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::end, contact));
}
void HearingWorld::contact2DKeepBegin(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::keepBegin, contact));
}
void HearingWorld::contact2DKeepEnd(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::keepEnd, contact));
}
void HearingWorld::sensor2DBegin(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::sensorBegin, contact));
}
void HearingWorld::sensor2DEnd(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::sensorEnd, contact));
}
void HearingWorld::sensor2DKeeping(Contact2D* contact) {
    hearing.add(heardBy(this, ContactEvent::sensorKeeping, contact));
}

PhysicsScene::~PhysicsScene() {
    world.removeAllObjects();
}

void PhysicsScene::step(int count, float dt) {
    for (int i = 0; i < count; i++) {
        world.nextStep(dt, 10, 10);
    }
}

void PhysicsScene::addRectangle(PhysicObject2D* object, vec2f32 first, vec2f32 second) {
    shape::Polygon2D corners(2);
    corners.setVertexPosition(0, first);
    corners.setVertexPosition(1, second);
    object->physicsMesh.addPolygon(corners);
}

void PhysicsScene::addCircle(PhysicObject2D* object, float radius, vec2f32 translate) {
    shape::Circle2D circle(4, radius);
    circle.setTranslate(translate);
    object->physicsMesh.addPolygon(circle);
}

void PhysicsScene::addLine(PhysicObject2D* object, const std::vector<vec2f32>& points,
                           unsigned char collisionID) {
    shape::Lines2D line;
    line.createPolygon(static_cast<unsigned int>(points.size()));
    for (size_t i = 0; i < points.size(); i++) {
        line.setVertexPosition(static_cast<unsigned int>(i), points[i]);
    }
    line.setCollisionID(collisionID);
    object->physicsMesh.addPolygon(line);
}

void PhysicsScene::addPolygon(PhysicObject2D* object, const std::vector<vec2f32>& points) {
    shape::Polygon2D polygon(static_cast<unsigned int>(points.size()));
    for (size_t i = 0; i < points.size(); i++) {
        polygon.setVertexPosition(static_cast<unsigned int>(i), points[i]);
    }
    object->physicsMesh.addPolygon(polygon);
}

std::vector<b2Fixture*> PhysicsScene::fixtures(PhysicObject2D* object) {
    std::vector<b2Fixture*> found;
    b2Body* body = world.getBody(object);
    for (b2Fixture* fixture = body ? body->GetFixtureList() : nullptr; fixture;
         fixture = fixture->GetNext()) {
        found.insert(found.begin(), fixture);
    }
    return found;
}

b2Joint* PhysicsScene::boxJoint(const physics2D::Joint2D* record) {
    for (b2Joint* joint = world.box2D()->GetJointList(); joint; joint = joint->GetNext()) {
        if (joint->GetUserData().pointer == reinterpret_cast<std::uintptr_t>(record)) {
            return joint;
        }
    }
    return nullptr;
}

} // namespace test
} // namespace zelk
