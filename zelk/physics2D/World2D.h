#ifndef ZELK_PHYSICS2D_WORLD2D_H
#define ZELK_PHYSICS2D_WORLD2D_H

#include "zelk/TypeVec2.h"
#include "zelk/physics2D/Contact2D.h"
#include "zelk/physics2D/ContactCallback2D.h"
#include "zelk/physics2D/DistanceJoint2D.h"
#include "zelk/physics2D/Joint2D.h"
#include "zelk/physics2D/JointTree.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/physics2D/PrismaticJoint2D.h"
#include "zelk/physics2D/PulleyJoint2D.h"
#include "zelk/physics2D/RevoluteJoint2D.h"
#include "zelk/physics2D/RopeJoint2D.h"
#include "zelk/physics2D/TreeJointObjects.h"
#include "zelk/physics2D/WheelJoint2D.h"
#include "zelk/vector/BinaryTree.h"
#include "zelk/watch/Time.h"

#include <vector>

class b2Body;
class b2World;

namespace zelk {

class XML;

namespace physics2D {

class MyContactListener;

// A physics object and the body the world made for it.
struct ObjectTree {
    PhysicObject2D* object;
    b2Body* body;
};

// The world's records of one body type, ascending by object address; a
// probe record that holds only the object finds the stored one. The world
// adds records balanced, so objects allocated one after another keep the
// tree shallow.
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
    // The objects, ascending.
    std::vector<PhysicObject2D*> getObjects();
};

// The physics world: a Box2D world holding a body for each physics object
// added to it, stepped on a real-time clock, with the simulated poses and
// velocities written back into the objects after each step.
//
// Engine positions and sizes are Box2D metres; the engine's angles are
// degrees, divided by 57.295776 on their way to Box2D and multiplied by it on
// the way back. The world owns the bodies, fixtures, contact records,
// joints, joint records and its own records; the physics objects and contact
// callbacks stay their owners' (except the objects it makes while reading a
// document). Removing an object destroys its joints. The world finds a joint
// record's entries through its objectA and objectB: leave them as the world
// set them.
//
// During a step, Box2D's contact events reach the world's own contact
// operations first (a derived world overrides them), then the registered
// callbacks in ascending order of address. Nothing is added to or removed
// from the world while it steps, nor while a body is being taken out (whose
// ending contacts are reported too): such calls answer false (or null) and
// change nothing. After each step the joint records' world anchors follow
// their objects.
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
    // The objects as "physWorld_<id>" with the sections "static", "dynamic"
    // and "kinematic", appended to the selected element; the cursor stays
    // there. False for a null cursor or an element that cannot be added.
    virtual bool writeToXML(XML* xml, unsigned int id);
    // New objects from the child "physWorld_<id>" of the selected element,
    // added to those already here; a section ends at its first object that
    // is missing or yields no body. The world owns the objects it makes
    // here and deletes them when it ends (not before, even when they are
    // removed). False for a null cursor or no such element.
    virtual bool readFromXML(XML* xml, unsigned int id);

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

    // Joints. Each creation answers the new record, which the world owns,
    // or null: for a null object, an object joined to itself, two static
    // objects, an object without a body here, a value that is not finite,
    // a length below 0 or beyond where a point may lie, a negative damping
    // ratio, motor torque or force, a zero axis, or a call during a step. Anchors named pos are
    // points in their object's own frame; those named world or point are in world coordinates, and
    // are made local to each object. Angles are in degrees; motor speeds, torques and forces go to
    // Box2D as they are.
    //
    // A weld, held at the angle 0 between the bodies.
    Joint2D* createWeldJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB,
                             bool collide);
    Joint2D* createWeldJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point, bool collide);
    RevoluteJoint2D* createRevoluteJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                         vec2f32 posB, bool collide);
    RevoluteJoint2D* createRevoluteJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                         bool collide);
    // The angle of b relative to a stays between the limits (ordered for
    // Box2D when lower is above upper; the record keeps them as given).
    RevoluteJoint2D* createRevoluteAngleJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                              vec2f32 posB, float lower, float upper, bool collide);
    RevoluteJoint2D* createRevoluteAngleJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                              float lower, float upper, bool collide);
    RevoluteJoint2D* createRevoluteMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                              vec2f32 posB, float maxTorque, float speed,
                                              bool collide);
    RevoluteJoint2D* createRevoluteMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                              float maxTorque, float speed, bool collide);
    // Sliding along direction (fixed in a); limited to lower..upper only
    // when lower is below upper.
    PrismaticJoint2D* createPrismaticJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                           vec2f32 posB, vec2f32 direction, float lower,
                                           float upper, bool collide);
    PrismaticJoint2D* createPrismaticJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                           vec2f32 direction, float lower, float upper,
                                           bool collide);
    // The direction at that angle.
    PrismaticJoint2D* createPrismaticJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                           vec2f32 posB, float angle, float lower, float upper,
                                           bool collide);
    PrismaticJoint2D* createPrismaticJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                           float angle, float lower, float upper, bool collide);
    PrismaticJoint2D* createPrismaticMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                                vec2f32 posB, vec2f32 direction, float lower,
                                                float upper, float maxForce, float speed,
                                                bool collide);
    PrismaticJoint2D* createPrismaticMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                                vec2f32 direction, float lower, float upper,
                                                float maxForce, float speed, bool collide);
    PrismaticJoint2D* createPrismaticMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                                vec2f32 posB, float angle, float lower, float upper,
                                                float maxForce, float speed, bool collide);
    PrismaticJoint2D* createPrismaticMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                                float angle, float lower, float upper,
                                                float maxForce, float speed, bool collide);
    // Rigid for a frequency of 0 or below, else a spring of that frequency
    // in hertz.
    DistanceJoint2D* createDistanceJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                         vec2f32 posB, float frequency, float length, bool collide);
    // The length is the distance between the two world points.
    DistanceJoint2D* createDistanceJoint(PhysicObject2D* a, vec2f32 worldA, PhysicObject2D* b,
                                         vec2f32 worldB, float frequency, bool collide);
    // The pulley points are offsets from their objects' positions (not
    // turned with them).
    PulleyJoint2D* createPulleyJoint(PhysicObject2D* a, vec2f32 posA, vec2f32 pulleyA,
                                     PhysicObject2D* b, vec2f32 posB, vec2f32 pulleyB,
                                     float lengthA, float lengthB, bool collide);
    // Each length is the distance from the anchor to its pulley point.
    PulleyJoint2D* createPulleyJoint(PhysicObject2D* a, vec2f32 posA, vec2f32 pulleyA,
                                     PhysicObject2D* b, vec2f32 posB, vec2f32 pulleyB,
                                     bool collide);
    // Anchors and pulley points in world coordinates.
    PulleyJoint2D* createPulleyWorldJoint(PhysicObject2D* a, vec2f32 worldA, vec2f32 pulleyA,
                                          PhysicObject2D* b, vec2f32 worldB, vec2f32 pulleyB,
                                          float lengthA, float lengthB, bool collide);
    PulleyJoint2D* createPulleyWorldJoint(PhysicObject2D* a, vec2f32 worldA, vec2f32 pulleyA,
                                          PhysicObject2D* b, vec2f32 worldB, vec2f32 pulleyB,
                                          bool collide);
    // A spring along direction (fixed in a) of a frequency in hertz (0 or
    // below: none) and a damping ratio; 1.0 and 1.0 when not given.
    WheelJoint2D* createWheelJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB,
                                   vec2f32 direction, float frequency, float dampingRatio,
                                   bool collide);
    WheelJoint2D* createWheelJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                   vec2f32 direction, float frequency, float dampingRatio,
                                   bool collide);
    WheelJoint2D* createWheelJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB,
                                   vec2f32 direction, bool collide);
    WheelJoint2D* createWheelJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                   vec2f32 direction, bool collide);
    WheelJoint2D* createWheelMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                        vec2f32 posB, vec2f32 direction, float frequency,
                                        float dampingRatio, float maxTorque, float speed,
                                        bool collide);
    WheelJoint2D* createWheelMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                        vec2f32 direction, float frequency, float dampingRatio,
                                        float maxTorque, float speed, bool collide);
    WheelJoint2D* createWheelMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                        vec2f32 posB, vec2f32 direction, float maxTorque,
                                        float speed, bool collide);
    WheelJoint2D* createWheelMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                        vec2f32 direction, float maxTorque, float speed,
                                        bool collide);
    // The anchors never farther apart than maxLength.
    RopeJoint2D* createRopeJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB,
                                 float maxLength, bool collide);
    RopeJoint2D* createRopeJointWorldPositions(PhysicObject2D* a, vec2f32 worldA, PhysicObject2D* b,
                                               vec2f32 worldB, float maxLength, bool collide);
    // The length is the distance between the two world points.
    RopeJoint2D* createRopeJoint(PhysicObject2D* a, vec2f32 worldA, PhysicObject2D* b,
                                 vec2f32 worldB, bool collide);

    // Files a record in the index of joints by object, without a Box2D
    // joint; the record becomes the world's. False for null, a record
    // without two different objects, or one filed already.
    bool addJoint(Joint2D* joint);
    // A weld record (collide false) for the two objects and local anchors,
    // filed without a Box2D joint; null for a null object, an object with
    // itself, or a failed filing.
    Joint2D* addJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB);
    // Takes the record out of the index, destroys its Box2D joint and
    // deletes it; false for null, a record the world does not hold, or a
    // call during a step.
    bool destroyJoint(Joint2D* joint);
    // Destroys every joint of the object; false when it has none, or during
    // a step.
    bool removeObjectJoints(PhysicObject2D* object);
    bool destroyObjectJoints(PhysicObject2D* object);
    // The joints with a Box2D joint, ascending by record address.
    unsigned int getJointSize() { return joints.size(); }
    Joint2D* getJointInPosition(unsigned int position);
    // 0 when absent.
    uint8 getJointTypeInPosition(unsigned int position);

    // The motor of a revolute joint, in Box2D's units (the record keeps the
    // values it was made with). False, or 0, for any other joint, and the
    // setters refuse a negative torque and values that are not finite.
    bool setMotorJointMaxTorque(Joint2D* joint, float torque);
    bool setMotorJointSpeed(Joint2D* joint, float speed);
    bool setMotorJointTorqueAndSpeed(Joint2D* joint, float torque, float speed);
    // In radians.
    float getRevoluteJointAngle(Joint2D* joint);
    float getMotorJointTorque(Joint2D* joint);
    float getMotorJointSpeed(Joint2D* joint);

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
    // Whether the two objects may be joined now (both bodies here).
    bool canJoin(PhysicObject2D* a, PhysicObject2D* b);
    // Gives a record of any kind its objects and anchors and files it; on
    // failure it deletes the record and answers false.
    bool fileJoint(Joint2D* joint, PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                   vec2f32 posB);
    // fileJoint, then the record's Box2D joint; on failure it deletes the
    // record and answers null.
    Joint2D* placeJoint(Joint2D* joint, PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                        vec2f32 posB);
    // The pair tree of owner with partner, found or made (with owner's tree).
    ObjectJointsTree* pairOf(PhysicObject2D* owner, PhysicObject2D* partner);
    // Takes the record out of owner's pair tree with partner; false when it
    // is not there.
    bool unfileJoint(Joint2D* joint, PhysicObject2D* owner, PhysicObject2D* partner);
    // Deletes owner's pair tree with partner when it is empty, then owner's
    // tree when that is.
    void pruneJoints(PhysicObject2D* owner, PhysicObject2D* partner);
    // Takes the record out of both objects' trees and out of joints,
    // destroys its Box2D joint and deletes it; false, with nothing done,
    // when the world holds no trace of it.
    bool dropJoint(Joint2D* joint);
    // The document's sections.
    void writeSection(XML* xml, const char* name, treeObjects& tree);
    void readSection(XML* xml, const char* name);

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
    TreeJoint joints;
    TreeJointObjects jointObjects;
    // The objects the world made while reading a document; it deletes them
    // at its end.
    vector::BinaryTree<PhysicObject2D*> createdObjects;
};

} // namespace physics2D
} // namespace zelk

#endif
