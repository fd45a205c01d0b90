#ifndef ZELK_PHYSICS2D_TREEJOINTOBJECTS_H
#define ZELK_PHYSICS2D_TREEJOINTOBJECTS_H

#include "zelk/physics2D/Joint2D.h"
#include "zelk/vector/BinaryTree.h"

namespace zelk {
namespace physics2D {

class PhysicObject2D;

// The world's index of joints by object, three levels deep: for each object
// with joints an ObjectsJointsTree, holding for each partner an
// ObjectJointsTree, holding the records that join the two. A joint between A
// and B is filed twice: in A's tree under B and in B's tree under A. These
// trees hold pointers only; the world creates and deletes the inner trees
// and the records.

// The records joining one pair of objects, ascending by record address.
class ObjectJointsTree : public vector::BinaryTree<Joint2D*> {
public:
    ObjectJointsTree(PhysicObject2D* pointerA, PhysicObject2D* pointerB)
        : pointerA(pointerA), pointerB(pointerB) {}
    ObjectJointsTree(const ObjectJointsTree&) = delete;

    // False for null, a record of another pair (in either order), or one
    // already there.
    bool addJoint(Joint2D* joint);
    bool removeJoint(Joint2D* joint);
    bool removeJointInPosition(unsigned int position);
    Joint2D* getJointInPosition(unsigned int position) { return getElementInPosition(position); }
    void cleanJoints() { clean(); }

    PhysicObject2D* getPointerA() { return pointerA; }
    PhysicObject2D* getPointerB() { return pointerB; }
    // The object of the pair that is not the one given.
    PhysicObject2D* partnerOf(PhysicObject2D* object);

private:
    PhysicObject2D* pointerA;
    PhysicObject2D* pointerB;
};

// One object's pairs, ascending by partner address.
class ObjectsJointsTree : public vector::BinaryTree<ObjectJointsTree*> {
public:
    explicit ObjectsJointsTree(PhysicObject2D* owner) : owner(owner) {}
    ObjectsJointsTree(const ObjectsJointsTree&) = delete;

    bool firstBiggerSecond(ObjectJointsTree* first, ObjectJointsTree* second) override;
    bool firstEqualSecond(ObjectJointsTree* first, ObjectJointsTree* second) override;

    // False for null, a pair without the owner, or a partner already there.
    bool addJoint(ObjectJointsTree* pair);
    // The pair with that partner, or null.
    ObjectJointsTree* getJoint(PhysicObject2D* partner);
    bool removeJoint(PhysicObject2D* partner);
    // Takes out the pair stored with the same partner; false for a pair
    // without the owner.
    bool removeJoint(ObjectJointsTree* pair);
    ObjectJointsTree* getJointInPosition(unsigned int position) {
        return getElementInPosition(position);
    }
    void cleanJoints() { clean(); }

    PhysicObject2D* getOwner() { return owner; }

private:
    // Whether the pair is one of the owner's.
    bool owns(ObjectJointsTree* pair);

    PhysicObject2D* owner;
};

// The objects that have joints, ascending by object address.
class TreeJointObjects : public vector::BinaryTree<ObjectsJointsTree*> {
public:
    TreeJointObjects() {}
    TreeJointObjects(const TreeJointObjects&) = delete;

    bool firstBiggerSecond(ObjectsJointsTree* first, ObjectsJointsTree* second) override;
    bool firstEqualSecond(ObjectsJointsTree* first, ObjectsJointsTree* second) override;

    // The object's tree, or null.
    ObjectsJointsTree* getTreeJoint(PhysicObject2D* object);
};

} // namespace physics2D
} // namespace zelk

#endif
