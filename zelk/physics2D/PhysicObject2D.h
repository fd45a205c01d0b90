#ifndef ZELK_PHYSICS2D_PHYSICOBJECT2D_H
#define ZELK_PHYSICS2D_PHYSICOBJECT2D_H

#include "zelk/Object2D.h"
#include "zelk/animation/Path1DGroup.h"
#include "zelk/animation/Path2DGroup.h"
#include "zelk/physics/BodyType.h"
#include "zelk/physics2D/PhysicsMesh2D.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {
namespace physics2D {

// A placed, drawn object that a physics world turns into a rigid body. Beside
// its drawn meshes it carries the physics mesh whose polygons become the
// body's fixtures, a body type, a sensor mark, sleep and rotation settings
// (the fixed-rotation flag is Object2D's), a velocity the game may impose,
// the collision groups it belongs to and those it never collides with, and
// two path animations that move and turn it.
//
// The world reads the type, pose and physics mesh when it makes the body and
// writes pose and velocity back after each step; it never owns the object.
// Remove the object from its world before deleting it.
//
// The copy constructor is shallow (it shares the meshes, the physics
// polygons, the paths' frames and the group sets' nodes); the copy or its
// source is told cantDeleteObject2D() and then frees nothing.
//
// The XML form is "physicObject_<id>" with "type", "sensor", "fixedRot" and
// "canSleep", the drawn object as "object_<id>", the physics mesh as
// "mesh_0", the groups as "collision" ("c0", "c1", ...) and "notCollision"
// ("n0", ...), and the paths as "pathAnim_0" (position) and "pathAnim_1"
// (angle).
class PhysicObject2D : public Object2D {
public:
    PhysicObject2D();
    PhysicObject2D(const PhysicObject2D& other);
    ~PhysicObject2D() override;

    // The drawn meshes and the physics polygons.
    void cleanMeshes() override;
    // Only the drawn meshes; the physics mesh stays.
    void removeAllMesh() override;
    // Moves along the playing paths (by real time), then runs the drawn
    // meshes' frame animations; true when a path moved the object.
    bool updateAnimations() override;
    using Object2D::writeToXML;
    // Reads "physicObject_<id>"; the other fields stay as they were when it
    // is missing.
    bool readFromXML(XML* xml, unsigned int id) override;
    // The low 8 bits of the type.
    virtual uint8 getType();
    virtual bool isSensor();
    // The text "true" goes into the element when asText is set.
    virtual bool writeToXML(XML* xml, unsigned int id, bool asText);

    void cleanMesh() { Object2D::cleanMeshes(); }
    // updateAnimations() with the paths advanced by the given seconds instead
    // of the real time since their last update.
    bool stepAnimations(float seconds);

    void setLinearVelocity(vec2f32 velocity);
    void setLinearVelocity(float x, float y);
    // Clears the velocity-set mark.
    vec2f32 getLinearVelocity();
    // Answers the mark and clears it.
    bool haveSettedLinearVelocity();
    float getSpeed() { return speed; }
    vec2f32 getDirection() { return direction; }

    // Each moves the id out of the other set first; 0 is refused.
    bool addCollisionGroup(unsigned int id);
    bool addNotCollisionGroup(unsigned int id);
    bool removeCollisionGroup(unsigned int id);
    bool removeNotCollisionGroup(unsigned int id);
    void cleanCollisionGroups();
    void cleanNotCollisionGroups();
    void cleanAllGroups();
    bool haveCollisionGroup(unsigned int id);
    bool haveNotCollisionGroup(unsigned int id);
    // In ascending order; 0 past the end.
    unsigned int getCollisionGroupInPosition(unsigned int position);
    unsigned int getNotCollisionGroupInPosition(unsigned int position);
    unsigned int getCollisionGroupSize() { return collisionGroups.size(); }
    unsigned int getNotCollisionGroupSize() { return notCollisionGroups.size(); }

    // The physics mesh as a white wire frame under the object's placement.
    void drawWirePhysics();

    // Whether the selected node has a child "physicObject_<id>" whose
    // "sensor" is "true"; the cursor stays where it was.
    static bool readFromXMLisSensor(XML* xml, unsigned int id);

    // Copies of other's meshes and physics polygons, other's placement,
    // canSleep and fixedRotation; the rest stays. Marks other so that it
    // frees nothing and answers a copy of it that owns nothing.
    PhysicObject2D operator=(PhysicObject2D other);

    PhysicsMesh2D physicsMesh;
    bool canSleep;
    animation::Path2DGroup positionPath;
    animation::Path1DGroup anglePath;
    float speed;
    vec2f32 direction;
    vec2f32 linearVelocity;
    bool linearVelocitySetted;
    bool sensor;
    // Stored as given; the world refuses numbers above 2.
    physics::bodyType type;
    vector::BinaryTree<unsigned int> collisionGroups;
    vector::BinaryTree<unsigned int> notCollisionGroups;

protected:
    // The update of the paths and meshes, each path advanced by advance.
    template <typename Advance> bool updatePaths(Advance advance);
};

} // namespace physics2D
} // namespace zelk

#endif
