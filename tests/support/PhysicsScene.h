#ifndef ZELK_TESTS_PHYSICSSCENE_H
#define ZELK_TESTS_PHYSICSSCENE_H

#include "zelk/TypeSize.h"
#include "zelk/TypeVec2.h"
#include "zelk/physics2D/ContactCallback2D.h"
#include "zelk/physics2D/Joint2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/physics2D/World2D.h"

#include <box2d/box2d.h>

#include <functional>
#include <memory>
#include <vector>

namespace zelk {
namespace test {

// The seven contact operations, in the order of ContactCallback2D.
enum class ContactEvent { begin, end, keepBegin, keepEnd, sensorBegin, sensorEnd, sensorKeeping };

// One event as a listener heard it.
struct HeardContact {
    ContactEvent event;
    physics2D::PhysicObject2D* objectA;
    physics2D::PhysicObject2D* objectB;
    // The listener that heard it (a ContactLog, or the world).
    const void* listener;
};

// Events heard, in the order they arrived, possibly from several listeners.
class Hearing {
public:
    void add(HeardContact heard) { events.push_back(heard); }
    // Events of that kind, from any listener.
    int count(ContactEvent event) const;
    // Events of that kind between the two objects, in either order.
    int count(ContactEvent event, const physics2D::PhysicObject2D* first,
              const physics2D::PhysicObject2D* second) const;
    void clear() { events.clear(); }

    std::vector<HeardContact> events;
};

// What a listener may do on each event it hears, inside the step.
using ContactAction = std::function<void(ContactEvent, physics2D::Contact2D*)>;

// A contact callback that writes what it hears into a shared hearing, then
// runs its action, if any.
class ContactLog : public physics2D::ContactCallback2D {
public:
    explicit ContactLog(Hearing* hearing, ContactAction action = nullptr)
        : hearing(hearing), action(action) {}

    void contact2DBegin(physics2D::Contact2D* contact) override;
    void contact2DEnd(physics2D::Contact2D* contact) override;
    void contact2DKeepBegin(physics2D::Contact2D* contact) override;
    void contact2DKeepEnd(physics2D::Contact2D* contact) override;
    void sensor2DBegin(physics2D::Contact2D* contact) override;
    void sensor2DEnd(physics2D::Contact2D* contact) override;
    void sensor2DKeeping(physics2D::Contact2D* contact) override;

    Hearing* hearing;
    ContactAction action;

private:
    void heard(ContactEvent event, physics2D::Contact2D* contact);
};

// A world whose own contact operations write into its hearing, and which
// shows its Box2D world.
class HearingWorld : public physics2D::World2D {
public:
    void contact2DBegin(physics2D::Contact2D* contact) override;
    void contact2DEnd(physics2D::Contact2D* contact) override;
    void contact2DKeepBegin(physics2D::Contact2D* contact) override;
    void contact2DKeepEnd(physics2D::Contact2D* contact) override;
    void sensor2DBegin(physics2D::Contact2D* contact) override;
    void sensor2DEnd(physics2D::Contact2D* contact) override;
    void sensor2DKeeping(physics2D::Contact2D* contact) override;

    b2World* box2D() { return world; }

    Hearing hearing;
};

// A physics scene made in code: a hearing world and the objects made for it,
// which the scene owns and takes out of the world before deleting them. The
// world reports the touches that end then, so contact callbacks registered
// with it are declared before the scene, to outlive it.
class PhysicsScene {
public:
    PhysicsScene() {}
    ~PhysicsScene();
    PhysicsScene(const PhysicsScene&) = delete;
    PhysicsScene& operator=(const PhysicsScene&) = delete;

    // An object of that kind at that place, not yet in the world.
    template <typename Kind> Kind* make(vec2f32 position, size2f32 size = size2f32(1.0f, 1.0f)) {
        objects.push_back(std::make_unique<Kind>());
        Kind* object = static_cast<Kind*>(objects.back().get());
        object->position = position;
        object->size = size;
        return object;
    }
    // An object of that kind with one rectangle of corners (-0.5, -0.5) and
    // (0.5, 0.5), added to the world.
    template <typename Kind> Kind* box(vec2f32 position, size2f32 size = size2f32(1.0f, 1.0f)) {
        Kind* object = make<Kind>(position, size);
        addRectangle(object, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
        world.addObject(object);
        return object;
    }
    // Steps of dt seconds with 10 and 10 iterations.
    void step(int count, float dt = 1.0f / 60.0f);

    // Physics polygons, added through the object's physics mesh.
    static void addRectangle(physics2D::PhysicObject2D* object, vec2f32 first, vec2f32 second);
    static void addCircle(physics2D::PhysicObject2D* object, float radius,
                          vec2f32 translate = vec2f32());
    static void addLine(physics2D::PhysicObject2D* object, const std::vector<vec2f32>& points,
                        unsigned char collisionID = 0);
    static void addPolygon(physics2D::PhysicObject2D* object, const std::vector<vec2f32>& points);

    // The object's fixtures in the order of the polygons they come from.
    std::vector<b2Fixture*> fixtures(physics2D::PhysicObject2D* object);
    // The Box2D joint whose user data is the record, or null.
    b2Joint* boxJoint(const physics2D::Joint2D* record);
    // The joints Box2D itself holds.
    int boxJointCount() { return world.box2D()->GetJointCount(); }

    HearingWorld world;
    std::vector<std::unique_ptr<physics2D::PhysicObject2D>> objects;
};

} // namespace test
} // namespace zelk

#endif
