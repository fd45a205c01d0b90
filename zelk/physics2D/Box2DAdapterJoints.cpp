#include "zelk/physics2D/Box2DAdapter.h"

#include "zelk/physics2D/DistanceJoint2D.h"
#include "zelk/physics2D/PrismaticJoint2D.h"
#include "zelk/physics2D/PulleyJoint2D.h"
#include "zelk/physics2D/RevoluteJoint2D.h"
#include "zelk/physics2D/RopeJoint2D.h"
#include "zelk/physics2D/WheelJoint2D.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zelk {
namespace physics2D {

namespace {

bool finite(float value) {
    return std::isfinite(value);
}

// Damping ratios and the largest motor torques and forces.
bool measure(float value) {
    return finite(value) && value >= 0.0f;
}

// Lengths, which reach no farther than a point may lie.
bool length(float value) {
    return value >= 0.0f && Box2DAdapter::placeable(vec2f32(value, 0.0f));
}

// Turns a definition's motor on with its largest torque or force and its
// speed; false, leaving it off, for values Box2D cannot take.
bool motorOn(bool& enable, float& most, float& speed, float givenMost, float givenSpeed) {
    if (!measure(givenMost) || !finite(givenSpeed)) {
        return false;
    }
    enable = true;
    most = givenMost;
    speed = givenSpeed;
    return true;
}

// The direction as a unit axis; false for one that is zero or not finite.
bool axisOf(vec2f32 direction, b2Vec2* axis) {
    double length = std::hypot(static_cast<double>(direction.x), static_cast<double>(direction.y));
    if (!std::isfinite(length) || !(length > b2_epsilon)) {
        return false;
    }
    axis->Set(static_cast<float>(direction.x / length), static_cast<float>(direction.y / length));
    return true;
}

// Revolute limits cross to Box2D as degrees / 180 * pi.
float limitRadians(float degrees) {
    return degrees / 180.0f * 3.1415927f;
}

// The parts every definition shares, from the record.
template <typename Definition>
Definition definitionOf(b2Body* bodyA, b2Body* bodyB, Joint2D* record) {
    Definition definition;
    definition.bodyA = bodyA;
    definition.bodyB = bodyB;
    definition.collideConnected = record->collide;
    definition.userData.pointer = reinterpret_cast<std::uintptr_t>(record);
    definition.localAnchorA = Box2DAdapter::toBox2D(record->positionA);
    definition.localAnchorB = Box2DAdapter::toBox2D(record->positionB);
    return definition;
}

b2Joint* weld(b2World* world, b2Body* bodyA, b2Body* bodyB, Joint2D* record) {
    b2WeldJointDef definition = definitionOf<b2WeldJointDef>(bodyA, bodyB, record);
    definition.referenceAngle = 0.0f;
    return world->CreateJoint(&definition);
}

b2Joint* revolute(b2World* world, b2Body* bodyA, b2Body* bodyB, RevoluteJoint2D* record) {
    b2RevoluteJointDef definition = definitionOf<b2RevoluteJointDef>(bodyA, bodyB, record);
    if (record->getRevoluteType() == 7) {
        if (!finite(record->lowerAngle) || !finite(record->upperAngle)) {
            return nullptr;
        }
        definition.enableLimit = true;
        definition.lowerAngle = limitRadians(std::min(record->lowerAngle, record->upperAngle));
        definition.upperAngle = limitRadians(std::max(record->lowerAngle, record->upperAngle));
    } else if (record->getRevoluteType() == 8 &&
               !motorOn(definition.enableMotor, definition.maxMotorTorque, definition.motorSpeed,
                        record->maxTorque, record->speed)) {
        return nullptr;
    }
    return world->CreateJoint(&definition);
}

// 2.4 reads a stiffness of 0 as no spring, not as rigid: a rigid joint keeps
// its length through equal least and greatest lengths.
b2Joint* distance(b2World* world, b2Body* bodyA, b2Body* bodyB, DistanceJoint2D* record) {
    if (!length(record->distance) || !finite(record->frequency)) {
        return nullptr;
    }
    b2DistanceJointDef definition = definitionOf<b2DistanceJointDef>(bodyA, bodyB, record);
    definition.length = record->distance;
    if (record->frequency > 0.0f) {
        // 2.3's distance joint had no damping unless asked for.
        b2LinearStiffness(definition.stiffness, definition.damping, record->frequency, 0.0f, bodyA,
                          bodyB);
    } else {
        definition.minLength = record->distance;
        definition.maxLength = record->distance;
    }
    return world->CreateJoint(&definition);
}

// Box2D asserts a lower translation not above the upper one even when the
// limit is off, so the translations reach it only for a limit.
b2Joint* prismatic(b2World* world, b2Body* bodyA, b2Body* bodyB, PrismaticJoint2D* record) {
    b2PrismaticJointDef definition = definitionOf<b2PrismaticJointDef>(bodyA, bodyB, record);
    if (!axisOf(record->direction, &definition.localAxisA) || !finite(record->lowerDistance) ||
        !finite(record->upperDistance)) {
        return nullptr;
    }
    if (record->lowerDistance < record->upperDistance) {
        definition.enableLimit = true;
        definition.lowerTranslation = record->lowerDistance;
        definition.upperTranslation = record->upperDistance;
    }
    if (record->getPrismaticType() == 8 &&
        !motorOn(definition.enableMotor, definition.maxMotorForce, definition.motorSpeed,
                 record->maxForce, record->speed)) {
        return nullptr;
    }
    return world->CreateJoint(&definition);
}

b2Joint* pulley(b2World* world, b2Body* bodyA, b2Body* bodyB, PulleyJoint2D* record) {
    if (!Box2DAdapter::placeable(record->pulleyPositionA) ||
        !Box2DAdapter::placeable(record->pulleyPositionB) || !length(record->lenghtA) ||
        !length(record->lenghtB)) {
        return nullptr;
    }
    b2PulleyJointDef definition = definitionOf<b2PulleyJointDef>(bodyA, bodyB, record);
    definition.groundAnchorA = Box2DAdapter::toBox2D(record->pulleyPositionA);
    definition.groundAnchorB = Box2DAdapter::toBox2D(record->pulleyPositionB);
    definition.lengthA = record->lenghtA;
    definition.lengthB = record->lenghtB;
    return world->CreateJoint(&definition);
}

b2Joint* wheel(b2World* world, b2Body* bodyA, b2Body* bodyB, WheelJoint2D* record) {
    b2WheelJointDef definition = definitionOf<b2WheelJointDef>(bodyA, bodyB, record);
    if (!axisOf(record->direction, &definition.localAxisA) || !finite(record->frequency) ||
        !measure(record->dampingRatio)) {
        return nullptr;
    }
    if (record->frequency > 0.0f) {
        b2LinearStiffness(definition.stiffness, definition.damping, record->frequency,
                          record->dampingRatio, bodyA, bodyB);
    }
    if (record->getWheelType() == 8 &&
        !motorOn(definition.enableMotor, definition.maxMotorTorque, definition.motorSpeed,
                 record->maxTorque, record->speed)) {
        return nullptr;
    }
    return world->CreateJoint(&definition);
}

// 2.4 has no rope joint: a distance joint with no spring that lets the
// anchors come as close as they like holds the rope.
b2Joint* rope(b2World* world, b2Body* bodyA, b2Body* bodyB, RopeJoint2D* record) {
    if (!length(record->maxLength)) {
        return nullptr;
    }
    b2DistanceJointDef definition = definitionOf<b2DistanceJointDef>(bodyA, bodyB, record);
    definition.length = record->maxLength;
    definition.minLength = 0.0f;
    definition.maxLength = record->maxLength;
    return world->CreateJoint(&definition);
}

} // namespace

b2Joint* Box2DAdapter::createJoint(b2World* world, b2Body* bodyA, b2Body* bodyB, Joint2D* record) {
    if (world->IsLocked() || !bodyA || !bodyB || bodyA == bodyB || !record ||
        !placeable(record->positionA) || !placeable(record->positionB)) {
        return nullptr;
    }
    switch (record->getType()) {
    case 0:
        return weld(world, bodyA, bodyB, record);
    case 1:
        return revolute(world, bodyA, bodyB, static_cast<RevoluteJoint2D*>(record));
    case 2:
        return distance(world, bodyA, bodyB, static_cast<DistanceJoint2D*>(record));
    case 3:
        return prismatic(world, bodyA, bodyB, static_cast<PrismaticJoint2D*>(record));
    case 4:
        return pulley(world, bodyA, bodyB, static_cast<PulleyJoint2D*>(record));
    case 5:
        return wheel(world, bodyA, bodyB, static_cast<WheelJoint2D*>(record));
    case 6:
        return rope(world, bodyA, bodyB, static_cast<RopeJoint2D*>(record));
    default:
        return nullptr;
    }
}

bool Box2DAdapter::destroyJoint(b2World* world, b2Joint* joint) {
    if (world->IsLocked() || !joint) {
        return false;
    }
    world->DestroyJoint(joint);
    return true;
}

Joint2D* Box2DAdapter::recordOf(b2Joint* joint) {
    return reinterpret_cast<Joint2D*>(joint->GetUserData().pointer);
}

b2RevoluteJoint* Box2DAdapter::revoluteOf(b2Joint* joint) {
    return joint && joint->GetType() == e_revoluteJoint ? static_cast<b2RevoluteJoint*>(joint)
                                                        : nullptr;
}

} // namespace physics2D
} // namespace zelk
