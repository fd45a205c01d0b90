#ifndef ZELK_PHYSICS2D_WORLD2D_H
#define ZELK_PHYSICS2D_WORLD2D_H

#include "zelk/TypeVec2.h"
#include "zelk/physics2D/Contact2D.h"
#include "zelk/physics2D/ContactCallback2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/watch/Time.h"

class b2Body;
class b2World;

namespace zelk {
namespace physics2D {

class MyContactListener;

// A physics object and the body the world made for it.
struct ObjectTree {
    PhysicObject2D* object;
    b2Body* body;
};

// The world's records of one body type, ascending by object address; a
// probe record that holds only the object finds the stored one.
class treeObjects : public vector::BinaryTree<ObjectTree*> {
public:
    treeObjects() {}
    treeObjects(const treeObjects&) = delete;

    bool firstBiggerSecond(ObjectTree* first, ObjectTree* second) override;
    bool firstEqualSecond(ObjectTree* first, ObjectTree* second) override;
    // Writes the body's pose and velocity into its object (the walk after a
    // step), and wakes a dynamic body whose object may not sleep.
    void updateElement(ObjectTree* record) override;

    // The record of the object, or null.
    ObjectTree* getRecord(PhysicObject2D* object);
};

// The physics world: a Box2D world holding a body for each physics object
// added to it, stepped on a real-time clock, with the simulated poses and
// velocities written back into the objects after each step.
//
// Engine positions and sizes are Box2D metres; the engine's angles are
// degrees, divided by 57.295776 on their way to Box2D and multiplied by it on
// the way back. The world owns the bodies, fixtures, contact records and
// its own records; the physics objects and contact callbacks stay their
// owners'.
//
// During a step, Box2D's contact events reach the world's own contact
// operations first (a derived world overrides them), then the registered
// callbacks in ascending order of address. Nothing is added to or removed
// from the world while it steps, nor while a body is being taken out (whose
// ending contacts are reported too): such calls answer false and change
// nothing.
class World2D {
public:
    World2D();
    ~World2D();
    World2D(const World2D&) = delete;
    World2D& operator=(const World2D&) = delete;

    virtual void contact2DBegin(Contact2D*) {}
    virtual void contact2DEnd(Contact2D*) {}
    virtual void contact2DKeepBegin(Contact2D*) {}
    virtual void contact2DKeepEnd(Contact2D*) {}
    virtual void sensor2DBegin(Contact2D*) {}
    virtual void sensor2DEnd(Contact2D*) {}
    virtual void sensor2DKeeping(Contact2D*) {}

    // A gravity that is not finite is refused.
    void setGravity(vec2f32 value);
    void setGravity(float x, float y);
    // One step of dt seconds, then the kinematic and dynamic objects take
    // their bodies' poses and velocities. Nothing happens for a dt below 0
    // or not finite, or from inside a step.
    void nextStep(float dt, int velocityIterations, int positionIterations);
    // A step by the real time since the last step (or clockStart) times the
    // clock scale; the clock then starts again.
    void nextStep(int velocityIterations, int positionIterations);
    // nextStep(int, int) as if that many microseconds had passed.
    void stepElapsed(unsigned int microseconds, int velocityIterations, int positionIterations);
    void clockStart();
    void setClockScale(float scale);

    // Makes the object's body (type 0, 1 or 2) and one fixture per physics
    // polygon Box2D can take; false, with no body left, for a null object, an
    // object already in the world, a pose that is not finite, or no fixture.
    bool addObject(PhysicObject2D* object);
    bool removeObject(PhysicObject2D* object);
    void removeAllObjects();
    // Objects are found in the tree of their current type.
    bool haveObject(PhysicObject2D* object);
    b2Body* getBody(PhysicObject2D* object);
    unsigned int getStaticObjectsSize() { return staticObjects.size(); }
    unsigned int getKinematicObjectsSize() { return kinematicObjects.size(); }
    unsigned int getDynamicObjectsSize() { return dynamicObjects.size(); }
    PhysicObject2D* getStaticObjectInPosition(unsigned int position);
    PhysicObject2D* getKinematicObjectInPosition(unsigned int position);
    PhysicObject2D* getDynamicObjectInPosition(unsigned int position);

    // These push the object's state into its body and answer whether they
    // reached it; values that are not finite are refused.
    //
    // Velocities that bring the body to the object's pose in one second (the
    // linear one is the object's imposed velocity when it has one).
    bool updateObjectVelocity(PhysicObject2D* object);
    bool cleanObjectVelocity(PhysicObject2D* object);
    // Physics polygon 0's density, friction and restitution go to the
    // fixture made last; the mass is not worked out again.
    bool updateObjectStatus(PhysicObject2D* object);
    bool moveObject(PhysicObject2D* object, vec2f32 distance);
    bool moveObject(PhysicObject2D* object, float x, float y);
    bool moveObjectToPosition(PhysicObject2D* object, vec2f32 position);
    bool moveObjectToPosition(PhysicObject2D* object, float x, float y);
    bool rotateObject(PhysicObject2D* object, float degrees);
    bool rotateObjectToAngle(PhysicObject2D* object, float degrees);
    // Dynamic objects only.
    bool sleepObject(PhysicObject2D* object);
    bool unsleepObject(PhysicObject2D* object);
    // Kinematic and dynamic objects only; points and forces in world
    // coordinates, angular values in degrees.
    bool setLinearVelocity(PhysicObject2D* object, vec2f32 velocity);
    bool setAngularVelocity(PhysicObject2D* object, float degreesPerSecond);
    bool applyForce(PhysicObject2D* object, vec2f32 force, vec2f32 point, bool wake);
    bool applyLinearImpulse(PhysicObject2D* object, vec2f32 impulse, vec2f32 point, bool wake);
    bool applyAngularImpulse(PhysicObject2D* object, float impulse, bool wake);
    bool applyTorque(PhysicObject2D* object, float torque, bool wake);

    // False for null or a callback already there (or absent, to remove).
    bool addContactCallback(ContactCallback2D* callback);
    bool removeContactCallback(ContactCallback2D* callback);
    // Each calls the world's own operation, then the callbacks'.
    void physicsContactBegin(Contact2D* contact);
    void physicsContactEnd(Contact2D* contact);
    void physicsContactKeepBegin(Contact2D* contact);
    void physicsContactKeepEnd(Contact2D* contact);
    void physicsSensorBegin(Contact2D* contact);
    void physicsSensorEnd(Contact2D* contact);
    void physicsSensorKeeping(Contact2D* contact);
    unsigned int getContactSize() { return contacts.size(); }
    // Ascending by Box2D contact address; null past the end.
    Contact2D* getContact(unsigned int position);

    // Removes the joints of the object; false when it has none.
    bool removeObjectJoints(PhysicObject2D* object);

protected:
    friend class MyContactListener;

    // Whether bodies may not be made or destroyed now: during a step, or
    // while a body is being taken out.
    bool isLocked();
    // The tree of a body type; null for another number.
    treeObjects* treeOf(uint8 type);
    // The record of the object in the tree of its type, or null.
    ObjectTree* recordOf(PhysicObject2D* object);
    // The record when the object's type is one of the two served.
    ObjectTree* recordOf(PhysicObject2D* object, uint8 firstType, uint8 lastType);
    // Takes the record out of its tree, destroys the body and deletes the
    // record, with the world locked meanwhile.
    void dropRecord(treeObjects* tree, ObjectTree* record);
    void dispatch(void (ContactCallback2D::*operation)(Contact2D*), Contact2D* contact);
    // The joint parts of a step and of the world's end.
    void refreshJointAnchors();
    void destroyJoints();

    vec2f32 gravity;
    watch::Time clock;
    float clockScale;
    b2World* world;
    vector::BinaryTree<ContactCallback2D*> callbacks;
    treeObjects staticObjects;
    treeObjects kinematicObjects;
    treeObjects dynamicObjects;
    TreeConcacts contacts;
    MyContactListener* listener;
    // Set while a body is being destroyed outside a step.
    bool removing;
    // Whether anyone hears contacts during the current step: a callback, or
    // a derived world's own operations.
    bool heard;
};

} // namespace physics2D
} // namespace zelk

#endif
