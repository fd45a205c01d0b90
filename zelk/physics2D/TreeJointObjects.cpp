#include "zelk/physics2D/TreeJointObjects.h"

#include <cstdint>

namespace zelk {
namespace physics2D {

namespace {

bool above(const void* first, const void* second) {
    return reinterpret_cast<std::uintptr_t>(first) > reinterpret_cast<std::uintptr_t>(second);
}

} // namespace

PhysicObject2D* ObjectJointsTree::partnerOf(PhysicObject2D* object) {
    return object == pointerA ? pointerB : pointerA;
}

bool ObjectJointsTree::addJoint(Joint2D* joint) {
    if (!joint) {
        return false;
    }
    bool inOrder = joint->objectA == pointerA && joint->objectB == pointerB;
    bool swapped = joint->objectA == pointerB && joint->objectB == pointerA;
    return (inOrder || swapped) && add(joint);
}

bool ObjectJointsTree::removeJoint(Joint2D* joint) {
    return joint && remove(joint);
}

bool ObjectJointsTree::removeJointInPosition(unsigned int position) {
    return removeJoint(getElementInPosition(position));
}

bool ObjectsJointsTree::firstBiggerSecond(ObjectJointsTree* first, ObjectJointsTree* second) {
    return above(first->partnerOf(owner), second->partnerOf(owner));
}

bool ObjectsJointsTree::firstEqualSecond(ObjectJointsTree* first, ObjectJointsTree* second) {
    return first->partnerOf(owner) == second->partnerOf(owner);
}

bool ObjectsJointsTree::owns(ObjectJointsTree* pair) {
    return pair && (pair->getPointerA() == owner || pair->getPointerB() == owner);
}

bool ObjectsJointsTree::addJoint(ObjectJointsTree* pair) {
    return owns(pair) && add(pair);
}

ObjectJointsTree* ObjectsJointsTree::getJoint(PhysicObject2D* partner) {
    ObjectJointsTree probe(owner, partner);
    return getElement(&probe);
}

bool ObjectsJointsTree::removeJoint(PhysicObject2D* partner) {
    ObjectJointsTree probe(owner, partner);
    return remove(&probe);
}

bool ObjectsJointsTree::removeJoint(ObjectJointsTree* pair) {
    return owns(pair) && remove(pair);
}

bool TreeJointObjects::firstBiggerSecond(ObjectsJointsTree* first, ObjectsJointsTree* second) {
    return above(first->getOwner(), second->getOwner());
}

bool TreeJointObjects::firstEqualSecond(ObjectsJointsTree* first, ObjectsJointsTree* second) {
    return first->getOwner() == second->getOwner();
}

ObjectsJointsTree* TreeJointObjects::getTreeJoint(PhysicObject2D* object) {
    ObjectsJointsTree probe(object);
    return getElement(&probe);
}

} // namespace physics2D
} // namespace zelk
