#include "zelk/Cenario2D.h"

#include "zelk/ElementXML.h"
#include "zelk/String.h"
#include "zelk/XML.h"
#include "zelk/physics2D/DistanceJoint2D.h"
#include "zelk/physics2D/PrismaticJoint2D.h"
#include "zelk/physics2D/PulleyJoint2D.h"
#include "zelk/physics2D/RevoluteJoint2D.h"
#include "zelk/physics2D/RopeJoint2D.h"
#include "zelk/physics2D/WheelJoint2D.h"

#include <cmath>
#include <cstdint>
#include <map>

namespace zelk {

using physics2D::DistanceJoint2D;
using physics2D::Joint2D;
using physics2D::PhysicObject2D;
using physics2D::PrismaticJoint2D;
using physics2D::PulleyJoint2D;
using physics2D::RevoluteJoint2D;
using physics2D::RopeJoint2D;
using physics2D::WheelJoint2D;

namespace {

const char* const jointsName = "joints";
const char* const jointPrefix = "joint_";
const char* const physicObjectText = "OBJ_PHYSICS";
const char* const physicTileText = "TILE_MAP";

// The kinds a revolute, prismatic or wheel joint names in its "type".
enum class Kind { other, angle, motor, normal };

const uint8 angleKind = 7;
const uint8 motorKind = 8;

void writePoint(XML* xml, const char* nameX, const char* nameY, vec2f32 point) {
    ElementXML::writeFloat(xml, nameX, point.x);
    ElementXML::writeFloat(xml, nameY, point.y);
}

vec2f32 readPoint(XML* xml, const char* nameX, const char* nameY) {
    return vec2f32(ElementXML::readFloat(xml, nameX), ElementXML::readFloat(xml, nameY));
}

// A number that names a level or a cell; false when the attribute holds
// none that fits.
bool readIndex(XML* xml, const char* name, uint32* index) {
    int64 value = ElementXML::readInteger(xml, name);
    if (value < 0 || value > UINT32_MAX) {
        return false;
    }
    *index = static_cast<uint32>(value);
    return true;
}

// The offset from origin that lands on point again when added to origin,
// as nearly as floats allow, so that a point kept as origin + offset comes
// back unchanged.
float offsetTo(float point, float origin) {
    float offset = point - origin;
    for (int step = 0; step < 4 && offset + origin != point; step++) {
        offset = std::nextafter(offset, offset + origin < point ? INFINITY : -INFINITY);
    }
    return offset;
}

vec2f32 offsetTo(vec2f32 point, vec2f32 origin) {
    return vec2f32(offsetTo(point.x, origin.x), offsetTo(point.y, origin.y));
}

// One "joint_" element as read, with every value any type may use.
struct JointElement {
    uint8 type = 0;
    Cenario2D::PhysicsPosition endA;
    Cenario2D::PhysicsPosition endB;
    bool collide = false;
    vec2f32 positionA;
    vec2f32 positionB;
    Kind kind = Kind::other;
    float lowerAngle = 0.0f;
    float upperAngle = 0.0f;
    float maxTorque = 0.0f;
    float maxForce = 0.0f;
    float speed = 0.0f;
    float distance = 0.0f;
    bool haveFrequency = false;
    float frequency = 0.0f;
    float dampingRatio = 0.0f;
    vec2f32 direction;
    float lowerDistance = 0.0f;
    float upperDistance = 0.0f;
    vec2f32 pulleyA;
    vec2f32 pulleyB;
    float lenghtA = 0.0f;
    float lenghtB = 0.0f;
    float maxLength = 0.0f;
};

Kind kindOf(const char* text) {
    if (String::strCompare(text, "ANGLE")) {
        return Kind::angle;
    }
    if (String::strCompare(text, "MOTOR")) {
        return Kind::motor;
    }
    return String::strCompare(text, "NORMAL") ? Kind::normal : Kind::other;
}

Cenario2D::PhysicsPosition readEnd(XML* xml, const char* name) {
    Cenario2D::PhysicsPosition end;
    if (!xml->selectChild(name)) {
        return end;
    }
    char* text = ElementXML::filteredText(xml);
    bool placed = readIndex(xml, "level", &end.level);
    if (placed && String::strCompare(text, physicObjectText)) {
        end.objectType = Cenario2D::PhysicsPosition::physicObject;
        end.depth = ElementXML::readFloat(xml, "depth");
    } else if (placed && String::strCompare(text, physicTileText) &&
               readIndex(xml, "mapX", &end.mapPosition.x) &&
               readIndex(xml, "mapY", &end.mapPosition.y)) {
        end.objectType = Cenario2D::PhysicsPosition::physicTile;
    }
    delete[] text;
    xml->selectFather();
    return end;
}

JointElement readJoint(XML* xml) {
    JointElement joint;
    char* text = ElementXML::filteredText(xml);
    joint.type = static_cast<uint8>(String::strToInt64(text));
    delete[] text;
    joint.endA = readEnd(xml, "objectA");
    joint.endB = readEnd(xml, "objectB");
    joint.collide = String::strCompare(xml->getSelectedAttributeValueByName("collide"), "true");
    joint.positionA = readPoint(xml, "positionAX", "positionAY");
    joint.positionB = readPoint(xml, "positionBX", "positionBY");
    joint.kind = kindOf(xml->getSelectedAttributeValueByName("type"));
    joint.lowerAngle = ElementXML::readFloat(xml, "lowerAngle");
    joint.upperAngle = ElementXML::readFloat(xml, "upperAngle");
    joint.maxTorque = ElementXML::readFloat(xml, "maxTorque");
    joint.maxForce = ElementXML::readFloat(xml, "maxForce");
    joint.speed = ElementXML::readFloat(xml, "speed");
    joint.distance = ElementXML::readFloat(xml, "distance");
    joint.haveFrequency = xml->haveSelectedAttribute("frequency");
    joint.frequency = ElementXML::readFloat(xml, "frequency");
    joint.dampingRatio = ElementXML::readFloat(xml, "dampingRatio");
    joint.direction = readPoint(xml, "directionX", "directionY");
    joint.lowerDistance = ElementXML::readFloat(xml, "lowerDistance");
    joint.upperDistance = ElementXML::readFloat(xml, "upperDistance");
    joint.pulleyA = readPoint(xml, "pulleyPositionAX", "pulleyPositionAY");
    joint.pulleyB = readPoint(xml, "pulleyPositionBX", "pulleyPositionBY");
    joint.lenghtA = ElementXML::readFloat(xml, "lenghtA");
    joint.lenghtB = ElementXML::readFloat(xml, "lenghtB");
    joint.maxLength = ElementXML::readFloat(xml, "maxLength");
    return joint;
}

void writeKind(XML* xml, const char* kind) {
    xml->addSelectedNextAttribute("type", kind);
}

void writeMotor(XML* xml, const char* strength, float value, float speed) {
    writeKind(xml, "MOTOR");
    ElementXML::writeFloat(xml, strength, value);
    ElementXML::writeFloat(xml, "speed", speed);
}

void writeRevolute(XML* xml, RevoluteJoint2D* joint) {
    if (joint->getRevoluteType() == angleKind) {
        writeKind(xml, "ANGLE");
        ElementXML::writeFloat(xml, "lowerAngle", joint->getLowerAngle());
        ElementXML::writeFloat(xml, "upperAngle", joint->getUpperAngle());
    } else if (joint->getRevoluteType() == motorKind) {
        writeMotor(xml, "maxTorque", joint->getMaxTorque(), joint->getSpeed());
    } else {
        writeKind(xml, "NORMAL");
    }
}

void writeDistance(XML* xml, DistanceJoint2D* joint) {
    writePoint(xml, "worldPositionBX", "worldPositionBY", joint->worldPositionB);
    ElementXML::writeFloat(xml, "distance", joint->distance);
}

void writePrismatic(XML* xml, PrismaticJoint2D* joint) {
    writePoint(xml, "directionX", "directionY", joint->direction);
    if (joint->getPrismaticType() == motorKind) {
        writeMotor(xml, "maxForce", joint->getMaxForce(), joint->getSpeed());
    }
    ElementXML::writeFloat(xml, "lowerDistance", joint->lowerDistance);
    ElementXML::writeFloat(xml, "upperDistance", joint->upperDistance);
}

void writePulley(XML* xml, PulleyJoint2D* joint) {
    writePoint(xml, "pulleyPositionAX", "pulleyPositionAY", joint->pulleyPositionA);
    writePoint(xml, "pulleyPositionBX", "pulleyPositionBY", joint->pulleyPositionB);
    ElementXML::writeFloat(xml, "lenghtA", joint->lenghtA);
    ElementXML::writeFloat(xml, "lenghtB", joint->lenghtB);
    writeDistance(xml, joint);
}

void writeWheel(XML* xml, WheelJoint2D* joint) {
    writePoint(xml, "directionX", "directionY", joint->direction);
    if (joint->getWheelType() == motorKind) {
        writeMotor(xml, "maxTorque", joint->getMaxTorque(), joint->getSpeed());
    }
    ElementXML::writeFloat(xml, "frequency", joint->frequency);
    ElementXML::writeFloat(xml, "dampingRatio", joint->dampingRatio);
}

void writeRope(XML* xml, RopeJoint2D* joint) {
    writePoint(xml, "worldPositionBX", "worldPositionBY", joint->worldPositionB);
    ElementXML::writeFloat(xml, "maxLength", joint->maxLength);
}

// The attributes of the joint's type.
void writeValues(XML* xml, Joint2D* joint) {
    switch (joint->getType()) {
    case 1:
        if (RevoluteJoint2D* revolute = dynamic_cast<RevoluteJoint2D*>(joint)) {
            writeRevolute(xml, revolute);
        }
        break;
    case 2:
        if (DistanceJoint2D* distance = dynamic_cast<DistanceJoint2D*>(joint)) {
            writeDistance(xml, distance);
            ElementXML::writeFloat(xml, "frequency", distance->frequency);
        }
        break;
    case 3:
        if (PrismaticJoint2D* prismatic = dynamic_cast<PrismaticJoint2D*>(joint)) {
            writePrismatic(xml, prismatic);
        }
        break;
    case 4:
        if (PulleyJoint2D* pulley = dynamic_cast<PulleyJoint2D*>(joint)) {
            writePulley(xml, pulley);
        }
        break;
    case 5:
        if (WheelJoint2D* wheel = dynamic_cast<WheelJoint2D*>(joint)) {
            writeWheel(xml, wheel);
        }
        break;
    case 6:
        if (RopeJoint2D* rope = dynamic_cast<RopeJoint2D*>(joint)) {
            writeRope(xml, rope);
        }
        break;
    }
}

// The joint through the scene's world, which refuses what it cannot join.
void makeJoint(Cenario2D& scene, const JointElement& joint) {
    physics2D::World2D& world = scene.world;
    PhysicObject2D* b = scene.getPhysicsObjectInLevel(joint.endB);
    PhysicObject2D* a = scene.getPhysicsObjectInLevel(joint.endA);
    if (!a || !b) {
        return;
    }
    vec2f32 posA = joint.positionA;
    vec2f32 posB = joint.positionB;
    bool collide = joint.collide;
    switch (joint.type) {
    case 0:
        world.createWeldJoint(a, posA, b, posB, collide);
        break;
    case 1:
        if (joint.kind == Kind::angle) {
            world.createRevoluteAngleJoint(a, posA, b, posB, joint.lowerAngle, joint.upperAngle,
                                           collide);
        } else if (joint.kind == Kind::motor) {
            world.createRevoluteMotorJoint(a, posA, b, posB, joint.maxTorque, joint.speed, collide);
        } else if (joint.kind == Kind::normal) {
            world.createRevoluteJoint(a, posA, b, posB, collide);
        }
        break;
    case 2:
        if (joint.haveFrequency) {
            world.createDistanceJoint(a, posA, b, posB, joint.frequency, joint.distance, collide);
        } else {
            world.createDistanceJoint(a, posA, b, posB, joint.distance, collide);
        }
        break;
    case 3:
        if (joint.kind == Kind::motor) {
            world.createPrismaticMotorJoint(a, posA, b, posB, joint.direction, joint.lowerDistance,
                                            joint.upperDistance, joint.maxForce, joint.speed,
                                            collide);
        } else {
            world.createPrismaticJoint(a, posA, b, posB, joint.direction, joint.lowerDistance,
                                       joint.upperDistance, collide);
        }
        break;
    case 4:
        world.createPulleyJoint(a, posA, offsetTo(joint.pulleyA, a->position), b, posB,
                                offsetTo(joint.pulleyB, b->position), joint.lenghtA, joint.lenghtB,
                                collide);
        break;
    case 5:
        if (joint.kind == Kind::motor) {
            world.createWheelMotorJoint(a, posA, b, posB, joint.direction, joint.frequency,
                                        joint.dampingRatio, joint.maxTorque, joint.speed, collide);
        } else {
            world.createWheelJoint(a, posA, b, posB, joint.direction, joint.frequency,
                                   joint.dampingRatio, collide);
        }
        break;
    case 6:
        world.createRopeJoint(a, posA, b, posB, joint.maxLength, collide);
        break;
    }
}

} // namespace

void Cenario2D::writeEnd(XML* xml, const char* name, PhysicsPosition end) {
    if (!ElementXML::openChild(xml, name)) {
        return;
    }
    ElementXML::writeInteger(xml, "level", end.level);
    if (end.objectType == PhysicsPosition::physicObject) {
        xml->setSelectedString(physicObjectText);
        ElementXML::writeFloat(xml, "depth", end.depth);
    } else {
        xml->setSelectedString(physicTileText);
        ElementXML::writeInteger(xml, "mapX", end.mapPosition.x);
        ElementXML::writeInteger(xml, "mapY", end.mapPosition.y);
    }
    xml->selectFather();
}

// Joints whose objects are not both in the scene are left out; the count
// still counts them.
void Cenario2D::writeJoints(XML* xml) {
    if (!ElementXML::openChild(xml, jointsName)) {
        return;
    }
    unsigned int count = world.getJointSize();
    writeText(xml, String::uint32ToStr(count));
    for (unsigned int position = 0; position < count; position++) {
        Joint2D* joint = world.getJointInPosition(position);
        PhysicsPosition endA;
        PhysicsPosition endB;
        if (!joint || !getPhysicsLevelObject(joint->objectA, &endA) ||
            !getPhysicsLevelObject(joint->objectB, &endB) ||
            !ElementXML::open(xml, jointPrefix, position)) {
            continue;
        }
        writeText(xml, String::uint32ToStr(world.getJointTypeInPosition(position)));
        writeEnd(xml, "objectA", endA);
        writeEnd(xml, "objectB", endB);
        writePoint(xml, "worldPositionAX", "worldPositionAY", joint->worldPositionA);
        writePoint(xml, "positionAX", "positionAY", joint->positionA);
        writePoint(xml, "positionBX", "positionBY", joint->positionB);
        if (joint->getCollide()) {
            xml->addSelectedNextAttribute("collide", "true");
        }
        writeValues(xml, joint);
        ElementXML::close(xml);
    }
    xml->selectFather();
}

// Of the "joint_<k>" elements below the count, the first of each number is
// read; the joints are made in the order of their numbers.
void Cenario2D::readJoints(XML* xml) {
    if (!xml->selectChild(jointsName)) {
        return;
    }
    uint32 count = readCount(xml);
    std::map<uint32, JointElement> read;
    ElementXML::forEachChild(xml, [&](char* name) {
        uint32 number = 0;
        if (ElementXML::numberOf(name, jointPrefix, count, &number) && !read.count(number)) {
            read[number] = readJoint(xml);
        }
    });
    xml->selectFather();
    for (auto& numbered : read) {
        makeJoint(*this, numbered.second);
    }
}

} // namespace zelk
