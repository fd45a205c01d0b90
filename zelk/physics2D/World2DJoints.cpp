#include "zelk/physics2D/World2D.h"

#include "zelk/physics2D/Box2DAdapter.h"

#include <cmath>
#include <vector>

namespace zelk {
namespace physics2D {

ObjectJointsTree* World2D::pairOf(PhysicObject2D* owner, PhysicObject2D* partner) {
    ObjectsJointsTree* tree = jointObjects.getTreeJoint(owner);
    if (!tree) {
        tree = new ObjectsJointsTree(owner);
        jointObjects.add(tree);
    }
    ObjectJointsTree* pair = tree->getJoint(partner);
    if (!pair) {
        pair = new ObjectJointsTree(owner, partner);
        tree->addJoint(pair);
    }
    return pair;
}

bool World2D::unfileJoint(Joint2D* joint, PhysicObject2D* owner, PhysicObject2D* partner) {
    ObjectsJointsTree* tree = jointObjects.getTreeJoint(owner);
    ObjectJointsTree* pair = tree ? tree->getJoint(partner) : nullptr;
    bool removed = pair && pair->removeJoint(joint);
    pruneJoints(owner, partner);
    return removed;
}

void World2D::pruneJoints(PhysicObject2D* owner, PhysicObject2D* partner) {
    ObjectsJointsTree* tree = jointObjects.getTreeJoint(owner);
    ObjectJointsTree* pair = tree ? tree->getJoint(partner) : nullptr;
    if (pair && pair->getSize() == 0) {
        tree->removeJoint(pair);
        delete pair;
    }
    if (tree && tree->getSize() == 0) {
        jointObjects.remove(tree);
        delete tree;
    }
}

bool World2D::addJoint(Joint2D* joint) {
    if (!joint || !joint->objectA || !joint->objectB || joint->objectA == joint->objectB) {
        return false;
    }
    PhysicObject2D* a = joint->objectA;
    PhysicObject2D* b = joint->objectB;
    if (!pairOf(a, b)->addJoint(joint)) {
        pruneJoints(a, b);
        return false;
    }
    if (!pairOf(b, a)->addJoint(joint)) {
        unfileJoint(joint, a, b);
        pruneJoints(b, a);
        return false;
    }
    return true;
}

bool World2D::fileJoint(Joint2D* joint, PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                        vec2f32 posB) {
    joint->objectA = a;
    joint->objectB = b;
    joint->positionA = posA;
    joint->positionB = posB;
    joint->worldPositionA = JointTree::getJointWorldPosition(a, posA);
    if (!addJoint(joint)) {
        delete joint;
        return false;
    }
    return true;
}

Joint2D* World2D::addJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB) {
    Joint2D* joint = new Joint2D(false);
    return fileJoint(joint, a, posA, b, posB) ? joint : nullptr;
}

bool World2D::dropJoint(Joint2D* joint) {
    b2Joint* boxJoint = joints.getJoint(joint);
    bool filed = unfileJoint(joint, joint->objectA, joint->objectB);
    filed = unfileJoint(joint, joint->objectB, joint->objectA) || filed;
    if (!filed && !boxJoint) {
        return false;
    }
    if (boxJoint) {
        joints.removeJoint(joint);
        Box2DAdapter::destroyJoint(world, boxJoint);
    }
    delete joint;
    return true;
}

bool World2D::destroyJoint(Joint2D* joint) {
    return joint && !isLocked() && dropJoint(joint);
}

bool World2D::removeObjectJoints(PhysicObject2D* object) {
    ObjectsJointsTree* tree = jointObjects.getTreeJoint(object);
    if (!tree || isLocked()) {
        return false;
    }
    std::vector<Joint2D*> records;
    for (unsigned int i = 0; i < tree->getSize(); i++) {
        ObjectJointsTree* pair = tree->getJointInPosition(i);
        for (unsigned int j = 0; j < pair->getSize(); j++) {
            records.push_back(pair->getJointInPosition(j));
        }
    }
    for (Joint2D* record : records) {
        dropJoint(record);
    }
    return true;
}

bool World2D::destroyObjectJoints(PhysicObject2D* object) {
    return removeObjectJoints(object);
}

void World2D::refreshJointAnchors() {
    joints.update();
}

void World2D::destroyJoints() {
    vector::BinaryTree<Joint2D*> records;
    while (ObjectsJointsTree* tree = jointObjects.getRootValue()) {
        while (ObjectJointsTree* pair = tree->getRootValue()) {
            while (Joint2D* record = pair->getRootValue()) {
                records.add(record);
                pair->removeJoint(record);
            }
            tree->removeJoint(pair);
            delete pair;
        }
        jointObjects.remove(tree);
        delete tree;
    }
    while (Joint2D* record = records.getRootValue()) {
        records.remove(record);
        Box2DAdapter::destroyJoint(world, joints.getJoint(record));
        joints.removeJoint(record);
        delete record;
    }
}

Joint2D* World2D::getJointInPosition(unsigned int position) {
    return joints.getJointInPosition(position);
}

uint8 World2D::getJointTypeInPosition(unsigned int position) {
    Joint2D* joint = joints.getJointInPosition(position);
    return joint ? joint->getType() : 0;
}

namespace {

bool torqueUsable(float torque) {
    return std::isfinite(torque) && torque >= 0.0f;
}

} // namespace

bool World2D::setMotorJointMaxTorque(Joint2D* joint, float torque) {
    b2RevoluteJoint* revolute = Box2DAdapter::revoluteOf(joints.getJoint(joint));
    if (!revolute || !torqueUsable(torque)) {
        return false;
    }
    revolute->SetMaxMotorTorque(torque);
    return true;
}

bool World2D::setMotorJointSpeed(Joint2D* joint, float speed) {
    b2RevoluteJoint* revolute = Box2DAdapter::revoluteOf(joints.getJoint(joint));
    if (!revolute || !std::isfinite(speed)) {
        return false;
    }
    revolute->SetMotorSpeed(speed);
    return true;
}

bool World2D::setMotorJointTorqueAndSpeed(Joint2D* joint, float torque, float speed) {
    b2RevoluteJoint* revolute = Box2DAdapter::revoluteOf(joints.getJoint(joint));
    if (!revolute || !torqueUsable(torque) || !std::isfinite(speed)) {
        return false;
    }
    revolute->SetMaxMotorTorque(torque);
    revolute->SetMotorSpeed(speed);
    return true;
}

float World2D::getRevoluteJointAngle(Joint2D* joint) {
    b2RevoluteJoint* revolute = Box2DAdapter::revoluteOf(joints.getJoint(joint));
    return revolute ? revolute->GetJointAngle() : 0.0f;
}

float World2D::getMotorJointTorque(Joint2D* joint) {
    b2RevoluteJoint* revolute = Box2DAdapter::revoluteOf(joints.getJoint(joint));
    return revolute ? revolute->GetMaxMotorTorque() : 0.0f;
}

float World2D::getMotorJointSpeed(Joint2D* joint) {
    b2RevoluteJoint* revolute = Box2DAdapter::revoluteOf(joints.getJoint(joint));
    return revolute ? revolute->GetMotorSpeed() : 0.0f;
}

} // namespace physics2D
} // namespace zelk
