#include "zelk/physics2D/World2D.h"

#include "zelk/Math.h"

namespace zelk {
namespace physics2D {

// The forms that reach the joint operations with local anchors: one world
// point shared by both objects, an axis given as an angle, the default
// wheel spring, and lengths taken from the points.

namespace {

const float defaultFrequency = 1.0f;
const float defaultDampingRatio = 1.0f;

vec2f32 local(PhysicObject2D* object, vec2f32 world) {
    return JointTree::getJointPosition(object, world);
}

vec2f32 axisAt(float angle) {
    return Math::rotate2f(vec2f32(1.0f, 0.0f), angle);
}

float distanceOf(vec2f32 first, vec2f32 second) {
    return Math::pythagoras2f(second - first);
}

} // namespace

Joint2D* World2D::createWeldJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                  bool collide) {
    return createWeldJoint(a, local(a, point), b, local(b, point), collide);
}

RevoluteJoint2D* World2D::createRevoluteJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                              bool collide) {
    return createRevoluteJoint(a, local(a, point), b, local(b, point), collide);
}

RevoluteJoint2D* World2D::createRevoluteAngleJoint(PhysicObject2D* a, PhysicObject2D* b,
                                                   vec2f32 point, float lower, float upper,
                                                   bool collide) {
    return createRevoluteAngleJoint(a, local(a, point), b, local(b, point), lower, upper, collide);
}

RevoluteJoint2D* World2D::createRevoluteMotorJoint(PhysicObject2D* a, PhysicObject2D* b,
                                                   vec2f32 point, float maxTorque, float speed,
                                                   bool collide) {
    return createRevoluteMotorJoint(a, local(a, point), b, local(b, point), maxTorque, speed,
                                    collide);
}

PrismaticJoint2D* World2D::createPrismaticJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                                vec2f32 direction, float lower, float upper,
                                                bool collide) {
    return createPrismaticJoint(a, local(a, point), b, local(b, point), direction, lower, upper,
                                collide);
}

PrismaticJoint2D* World2D::createPrismaticJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                                vec2f32 posB, float angle, float lower, float upper,
                                                bool collide) {
    return createPrismaticJoint(a, posA, b, posB, axisAt(angle), lower, upper, collide);
}

PrismaticJoint2D* World2D::createPrismaticJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                                float angle, float lower, float upper,
                                                bool collide) {
    return createPrismaticJoint(a, b, point, axisAt(angle), lower, upper, collide);
}

PrismaticJoint2D* World2D::createPrismaticMotorJoint(PhysicObject2D* a, PhysicObject2D* b,
                                                     vec2f32 point, vec2f32 direction, float lower,
                                                     float upper, float maxForce, float speed,
                                                     bool collide) {
    return createPrismaticMotorJoint(a, local(a, point), b, local(b, point), direction, lower,
                                     upper, maxForce, speed, collide);
}

PrismaticJoint2D* World2D::createPrismaticMotorJoint(PhysicObject2D* a, vec2f32 posA,
                                                     PhysicObject2D* b, vec2f32 posB, float angle,
                                                     float lower, float upper, float maxForce,
                                                     float speed, bool collide) {
    return createPrismaticMotorJoint(a, posA, b, posB, axisAt(angle), lower, upper, maxForce, speed,
                                     collide);
}

PrismaticJoint2D* World2D::createPrismaticMotorJoint(PhysicObject2D* a, PhysicObject2D* b,
                                                     vec2f32 point, float angle, float lower,
                                                     float upper, float maxForce, float speed,
                                                     bool collide) {
    return createPrismaticMotorJoint(a, b, point, axisAt(angle), lower, upper, maxForce, speed,
                                     collide);
}

DistanceJoint2D* World2D::createDistanceJoint(PhysicObject2D* a, vec2f32 worldA, PhysicObject2D* b,
                                              vec2f32 worldB, float frequency, bool collide) {
    return createDistanceJoint(a, local(a, worldA), b, local(b, worldB), frequency,
                               distanceOf(worldA, worldB), collide);
}

PulleyJoint2D* World2D::createPulleyJoint(PhysicObject2D* a, vec2f32 posA, vec2f32 pulleyA,
                                          PhysicObject2D* b, vec2f32 posB, vec2f32 pulleyB,
                                          bool collide) {
    return createPulleyJoint(a, posA, pulleyA, b, posB, pulleyB, distanceOf(posA, pulleyA),
                             distanceOf(posB, pulleyB), collide);
}

// The pulley points become offsets from the objects' positions, which the
// operation with local anchors adds back unturned, so that they stay where
// they were given whatever the objects' angles.
PulleyJoint2D* World2D::createPulleyWorldJoint(PhysicObject2D* a, vec2f32 worldA, vec2f32 pulleyA,
                                               PhysicObject2D* b, vec2f32 worldB, vec2f32 pulleyB,
                                               float lengthA, float lengthB, bool collide) {
    if (!a || !b) {
        return nullptr;
    }
    return createPulleyJoint(a, local(a, worldA), pulleyA - a->position, b, local(b, worldB),
                             pulleyB - b->position, lengthA, lengthB, collide);
}

PulleyJoint2D* World2D::createPulleyWorldJoint(PhysicObject2D* a, vec2f32 worldA, vec2f32 pulleyA,
                                               PhysicObject2D* b, vec2f32 worldB, vec2f32 pulleyB,
                                               bool collide) {
    return createPulleyWorldJoint(a, worldA, pulleyA, b, worldB, pulleyB,
                                  distanceOf(worldA, pulleyA), distanceOf(worldB, pulleyB),
                                  collide);
}

WheelJoint2D* World2D::createWheelJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                        vec2f32 direction, float frequency, float dampingRatio,
                                        bool collide) {
    return createWheelJoint(a, local(a, point), b, local(b, point), direction, frequency,
                            dampingRatio, collide);
}

WheelJoint2D* World2D::createWheelJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                        vec2f32 posB, vec2f32 direction, bool collide) {
    return createWheelJoint(a, posA, b, posB, direction, defaultFrequency, defaultDampingRatio,
                            collide);
}

WheelJoint2D* World2D::createWheelJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                        vec2f32 direction, bool collide) {
    return createWheelJoint(a, b, point, direction, defaultFrequency, defaultDampingRatio, collide);
}

WheelJoint2D* World2D::createWheelMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                             vec2f32 direction, float frequency, float dampingRatio,
                                             float maxTorque, float speed, bool collide) {
    return createWheelMotorJoint(a, local(a, point), b, local(b, point), direction, frequency,
                                 dampingRatio, maxTorque, speed, collide);
}

WheelJoint2D* World2D::createWheelMotorJoint(PhysicObject2D* a, vec2f32 posA, PhysicObject2D* b,
                                             vec2f32 posB, vec2f32 direction, float maxTorque,
                                             float speed, bool collide) {
    return createWheelMotorJoint(a, posA, b, posB, direction, defaultFrequency, defaultDampingRatio,
                                 maxTorque, speed, collide);
}

WheelJoint2D* World2D::createWheelMotorJoint(PhysicObject2D* a, PhysicObject2D* b, vec2f32 point,
                                             vec2f32 direction, float maxTorque, float speed,
                                             bool collide) {
    return createWheelMotorJoint(a, b, point, direction, defaultFrequency, defaultDampingRatio,
                                 maxTorque, speed, collide);
}

RopeJoint2D* World2D::createRopeJointWorldPositions(PhysicObject2D* a, vec2f32 worldA,
                                                    PhysicObject2D* b, vec2f32 worldB,
                                                    float maxLength, bool collide) {
    return createRopeJoint(a, local(a, worldA), b, local(b, worldB), maxLength, collide);
}

RopeJoint2D* World2D::createRopeJoint(PhysicObject2D* a, vec2f32 worldA, PhysicObject2D* b,
                                      vec2f32 worldB, bool collide) {
    return createRopeJointWorldPositions(a, worldA, b, worldB, distanceOf(worldA, worldB), collide);
}

} // namespace physics2D
} // namespace zelk
