#include "zelk/physics2D/JointTree.h"

#include "zelk/Math.h"
#include "zelk/physics2D/Box2DAdapter.h"
#include "zelk/physics2D/DistanceJoint2D.h"
#include "zelk/physics2D/PhysicObject2D.h"

#include <cstdint>

namespace zelk {
namespace physics2D {

vec2f32 JointTree::getJointPosition(PhysicObject2D* object, vec2f32 world) {
    if (!object) {
        return vec2f32();
    }
    vec2f32 local = world - object->position;
    return object->angle == 0.0f ? local : Math::rotatePlus2f(local, -object->angle);
}

vec2f32 JointTree::getJointWorldPosition(PhysicObject2D* object, vec2f32 local) {
    if (!object) {
        return vec2f32();
    }
    vec2f32 turned = object->angle == 0.0f ? local : Math::rotatePlus2f(local, object->angle);
    return turned + object->position;
}

TreeJoint::~TreeJoint() {
    deleteEntries();
}

bool TreeJoint::firstBiggerSecond(JointTree* first, JointTree* second) {
    return reinterpret_cast<std::uintptr_t>(first->joint) >
           reinterpret_cast<std::uintptr_t>(second->joint);
}

bool TreeJoint::firstEqualSecond(JointTree* first, JointTree* second) {
    return first->joint == second->joint;
}

void TreeJoint::updateElement(JointTree* entry) {
    Joint2D* joint = entry->joint;
    if (!joint || !entry->boxJoint || !joint->objectA || !joint->objectB) {
        return;
    }
    joint->worldPositionA = JointTree::getJointWorldPosition(joint->objectA, joint->positionA);
    if (joint->getType() == 2 || joint->getType() == 4) {
        static_cast<DistanceJoint2D*>(joint)->worldPositionB =
            JointTree::getJointWorldPosition(joint->objectB, joint->positionB);
    }
}

JointTree* TreeJoint::entryOf(Joint2D* joint) {
    JointTree probe = {joint, nullptr};
    return getElement(&probe);
}

bool TreeJoint::addJoint(Joint2D* joint, b2Joint* boxJoint) {
    if (!joint || !boxJoint) {
        return false;
    }
    JointTree* entry = new JointTree{joint, boxJoint};
    if (!add(entry)) {
        delete entry;
        return false;
    }
    return true;
}

b2Joint* TreeJoint::getJoint(Joint2D* joint) {
    JointTree* entry = entryOf(joint);
    return entry ? entry->boxJoint : nullptr;
}

bool TreeJoint::removeJoint(b2Joint* boxJoint) {
    return boxJoint && removeJoint(Box2DAdapter::recordOf(boxJoint));
}

bool TreeJoint::removeJoint(Joint2D* joint) {
    JointTree* entry = entryOf(joint);
    if (!entry) {
        return false;
    }
    remove(entry);
    delete entry;
    return true;
}

Joint2D* TreeJoint::getJointInPosition(unsigned int position) {
    JointTree* entry = getElementInPosition(position);
    return entry ? entry->joint : nullptr;
}

b2Joint* TreeJoint::getB2JointInPosition(unsigned int position) {
    JointTree* entry = getElementInPosition(position);
    return entry ? entry->boxJoint : nullptr;
}

void TreeJoint::deleteEntries() {
    while (haveRoot()) {
        JointTree* entry = getRootValue();
        remove(entry);
        delete entry;
    }
}

} // namespace physics2D
} // namespace zelk
