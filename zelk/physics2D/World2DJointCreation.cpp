#include "zelk/physics2D/World2D.h"

#include "zelk/physics2D/Box2DAdapter.h"

namespace zelk {
namespace physics2D {

namespace {

template <typename Kind> Kind* as(Joint2D* joint) {
    return static_cast<Kind*>(joint);
}

PrismaticJoint2D* prismaticRecord(bool collide, vec2f32 direction, float lower, float upper) {
    PrismaticJoint2D* joint = new PrismaticJoint2D(collide);
    joint->direction = direction;
    joint->lowerDistance = lower;
    joint->upperDistance = upper;
    return joint;
}

WheelJoint2D* wheelRecord(bool collide, vec2f32 direction, float frequency, float dampingRatio) {
    WheelJoint2D* joint = new WheelJoint2D(collide);
    joint->direction = direction;
    joint->frequency = frequency;
    joint->dampingRatio = dampingRatio;
    return joint;
}

} // namespace

bool World2D::canJoin(PhysicObject2D* a, PhysicObject2D* b) {
    return a && b && a != b && !isLocked() &&
           (a->getType() != physics::staticBody || b->getType() != physics::staticBody) &&
           getBody(a) && getBody(b);
}

Joint2D* World2D::placeJoint(Joint2D* joint, PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                             vec2f32 posB) {
    if (!fileJoint(joint, a, posA, b, posB)) {
        return nullptr;
    }
    b2Joint* boxJoint = Box2DAdapter::createJoint(world, getBody(a), getBody(b), joint);
    if (!joints.addJoint(joint, boxJoint)) {
        Box2DAdapter::destroyJoint(world, boxJoint);
        dropJoint(joint);
        return nullptr;
    }
    return joint;
}

Joint2D* World2D::createWeldJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b, vec2f32 posB,
                                  bool collide) {
    return canJoin(a, b) ? placeJoint(new Joint2D(collide), a, posA, b, posB) : nullptr;
}

RevoluteJoint2D* World2D::createRevoluteJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                              vec2f32 posB, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    return as<RevoluteJoint2D>(placeJoint(new RevoluteJoint2D(collide), a, posA, b, posB));
}

RevoluteJoint2D* World2D::createRevoluteAngleJoint(PhysicObject2D* a, vec2f32 posA,
                                                   PhysicObject2D* b, vec2f32 posB, float lower,
                                                   float upper, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    RevoluteJoint2D* joint = new RevoluteJoint2D(collide);
    joint->setAngle(lower, upper);
    return as<RevoluteJoint2D>(placeJoint(joint, a, posA, b, posB));
}

RevoluteJoint2D* World2D::createRevoluteMotorJoint(PhysicObject2D* a, vec2f32 posA,
                                                   PhysicObject2D* b, vec2f32 posB, float maxTorque,
                                                   float speed, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    RevoluteJoint2D* joint = new RevoluteJoint2D(collide);
    joint->setMotor(maxTorque, speed);
    return as<RevoluteJoint2D>(placeJoint(joint, a, posA, b, posB));
}

PrismaticJoint2D* World2D::createPrismaticJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                                vec2f32 posB, vec2f32 direction, float lower,
                                                float upper, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    PrismaticJoint2D* joint = prismaticRecord(collide, direction, lower, upper);
    return as<PrismaticJoint2D>(placeJoint(joint, a, posA, b, posB));
}

PrismaticJoint2D* World2D::createPrismaticMotorJoint(PhysicObject2D* a, vec2f32 posA,
                                                     PhysicObject2D* b, vec2f32 posB,
                                                     vec2f32 direction, float lower, float upper,
                                                     float maxForce, float speed, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    PrismaticJoint2D* joint = prismaticRecord(collide, direction, lower, upper);
    joint->setForce(maxForce, speed);
    return as<PrismaticJoint2D>(placeJoint(joint, a, posA, b, posB));
}

DistanceJoint2D* World2D::createDistanceJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                              vec2f32 posB, float frequency, float length,
                                              bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    DistanceJoint2D* joint = new DistanceJoint2D(collide);
    joint->worldPositionB = JointTree::getJointWorldPosition(b, posB);
    joint->distance = length;
    joint->frequency = frequency;
    return as<DistanceJoint2D>(placeJoint(joint, a, posA, b, posB));
}

PulleyJoint2D* World2D::createPulleyJoint(PhysicObject2D* a, vec2f32 posA, vec2f32 pulleyA,
                                          PhysicObject2D* b, vec2f32 posB, vec2f32 pulleyB,
                                          float lengthA, float lengthB, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    PulleyJoint2D* joint = new PulleyJoint2D(collide);
    joint->worldPositionB = JointTree::getJointWorldPosition(b, posB);
    joint->pulleyPositionA = pulleyA + a->position;
    joint->pulleyPositionB = pulleyB + b->position;
    joint->lenghtA = lengthA;
    joint->lenghtB = lengthB;
    return as<PulleyJoint2D>(placeJoint(joint, a, posA, b, posB));
}

WheelJoint2D* World2D::createWheelJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                        vec2f32 posB, vec2f32 direction, float frequency,
                                        float dampingRatio, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    WheelJoint2D* joint = wheelRecord(collide, direction, frequency, dampingRatio);
    return as<WheelJoint2D>(placeJoint(joint, a, posA, b, posB));
}

WheelJoint2D* World2D::createWheelMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                             vec2f32 posB, vec2f32 direction, float frequency,
                                             float dampingRatio, float maxTorque, float speed,
                                             bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    WheelJoint2D* joint = wheelRecord(collide, direction, frequency, dampingRatio);
    joint->setMotor(maxTorque, speed);
    return as<WheelJoint2D>(placeJoint(joint, a, posA, b, posB));
}

RopeJoint2D* World2D::createRopeJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                      vec2f32 posB, float maxLength, bool collide) {
    if (!canJoin(a, b)) {
        return nullptr;
    }
    RopeJoint2D* joint = new RopeJoint2D(collide);
    joint->worldPositionB = JointTree::getJointWorldPosition(b, posB);
    joint->maxLength = maxLength;
    return as<RopeJoint2D>(placeJoint(joint, a, posA, b, posB));
}

} // namespace physics2D
} // namespace zelk
