#ifndef ZELK_PHYSICS2D_JOINTTREE_H
#define ZELK_PHYSICS2D_JOINTTREE_H

#include "zelk/TypeVec2.h"
#include "zelk/physics2D/Joint2D.h"
#include "zelk/vector/BinaryTree.h"

class b2Joint;

namespace zelk {
namespace physics2D {

class PhysicObject2D;

// A joint record and the Box2D joint the world made for it.
struct JointTree {
    Joint2D* joint;
    b2Joint* boxJoint;

    // A world point in the object's own frame, and back; angles in degrees.
    // A null object answers (0, 0).
    static vec2f32 getJointPosition(PhysicObject2D* object, vec2f32 world);
    static vec2f32 getJointWorldPosition(PhysicObject2D* object, vec2f32 local);
};

// The world's joints, ascending by record address. The tree owns its
// JointTree entries, never the records or the Box2D joints.
class TreeJoint : public vector::BinaryTree<JointTree*> {
public:
    TreeJoint() {}
    TreeJoint(const TreeJoint&) = delete;
    ~TreeJoint() override;

    bool firstBiggerSecond(JointTree* first, JointTree* second) override;
    bool firstEqualSecond(JointTree* first, JointTree* second) override;
    // Refreshes the record's world anchors from its objects (the walk after
    // a step): anchor A always, anchor B of distance and pulley joints.
    void updateElement(JointTree* entry) override;

    // False, with nothing stored, for a null record or joint, or a record
    // already there.
    bool addJoint(Joint2D* joint, b2Joint* boxJoint);
    // The Box2D joint of the record, or null.
    b2Joint* getJoint(Joint2D* joint);
    // Takes out the entry of the Box2D joint's record; false when absent.
    bool removeJoint(b2Joint* boxJoint);
    // The same, found by the record.
    bool removeJoint(Joint2D* joint);
    // At an ascending position; null past the end.
    Joint2D* getJointInPosition(unsigned int position);
    b2Joint* getB2JointInPosition(unsigned int position);
    // Deletes every entry.
    void deleteEntries();

private:
    JointTree* entryOf(Joint2D* joint);
};

} // namespace physics2D
} // namespace zelk

#endif
