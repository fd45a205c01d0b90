#include "support/PhysicsScene.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"

#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics2D::DistanceJoint2D;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::Joint2D;
using zelk::physics2D::JointTree;
using zelk::physics2D::KinematicObject2D;
using zelk::physics2D::ObjectJointsTree;
using zelk::physics2D::ObjectsJointsTree;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::PrismaticJoint2D;
using zelk::physics2D::PulleyJoint2D;
using zelk::physics2D::RevoluteJoint2D;
using zelk::physics2D::RopeJoint2D;
using zelk::physics2D::StaticObject2D;
using zelk::physics2D::TreeJoint;
using zelk::physics2D::TreeJointObjects;
using zelk::physics2D::WheelJoint2D;
using zelk::test::ContactEvent;
using zelk::test::ContactLog;
using zelk::test::Hearing;
using zelk::test::PhysicsScene;

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinity = std::numeric_limits<float>::infinity();
// 45 degrees in radians, and the overshoot Box2D 2.4's limits allow (its
// angular slop, 2 degrees).
const float quarterTurnHalf = 0.785398f;
const float angularSlop = 0.035f;

void expectNear(vec2f32 expected, vec2f32 actual, float tolerance) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
}

float distanceBetween(vec2f32 a, vec2f32 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// A scene with a static anchor box at the origin.
struct Anchored {
    Anchored() : ground(scene.box<StaticObject2D>(vec2f32())) {}

    PhysicsScene scene;
    StaticObject2D* ground;
};

} // namespace

TEST(JointRecord, KindsReportTheirTypeNumbersAndCollideFlags) {
    EXPECT_EQ(0, Joint2D(true).getType());
    EXPECT_TRUE(Joint2D(true).getCollide());
    EXPECT_EQ(1, RevoluteJoint2D(false).getType());
    EXPECT_FALSE(RevoluteJoint2D(false).getCollide());
    EXPECT_EQ(2, DistanceJoint2D(false).getType());
    EXPECT_EQ(3, PrismaticJoint2D(false).getType());
    EXPECT_EQ(4, PulleyJoint2D(true).getType());
    EXPECT_TRUE(PulleyJoint2D(true).getCollide());
    EXPECT_EQ(5, WheelJoint2D(false).getType());
    EXPECT_EQ(6, RopeJoint2D(false).getType());
}

TEST(JointRecord, RevoluteKindFollowsTheLastSettingAndKeepsTheOtherValues) {
    RevoluteJoint2D joint(true);
    EXPECT_EQ(0, joint.getRevoluteType());
    joint.setAngle(-45.0f, 45.0f);
    EXPECT_EQ(7, joint.getRevoluteType());
    joint.setMotor(10.0f, 2.0f);
    EXPECT_EQ(8, joint.getRevoluteType());
    EXPECT_EQ(-45.0f, joint.getLowerAngle());
    EXPECT_EQ(45.0f, joint.getUpperAngle());
    EXPECT_EQ(10.0f, joint.getMaxTorque());
    EXPECT_EQ(2.0f, joint.getSpeed());
    joint.removeType();
    EXPECT_EQ(0, joint.getRevoluteType());
    EXPECT_EQ(10.0f, joint.getMaxTorque());
}

TEST(JointRecord, PrismaticAndWheelMotorsSetKindEightUntilRemoved) {
    PrismaticJoint2D prismatic(false);
    prismatic.setForce(5.0f, 1.0f);
    EXPECT_EQ(8, prismatic.getPrismaticType());
    EXPECT_EQ(8, prismatic.getPrismaticType());
    EXPECT_EQ(5.0f, prismatic.getMaxForce());
    EXPECT_EQ(1.0f, prismatic.getSpeed());
    prismatic.removeType();
    EXPECT_EQ(0, prismatic.getPrismaticType());

    WheelJoint2D wheel(false);
    EXPECT_EQ(0, wheel.getWheelType());
    wheel.setMotor(7.0f, -3.0f);
    EXPECT_EQ(8, wheel.getWheelType());
    EXPECT_EQ(7.0f, wheel.getMaxTorque());
    EXPECT_EQ(-3.0f, wheel.getSpeed());
    wheel.removeType();
    EXPECT_EQ(0, wheel.getWheelType());
}

TEST(JointPlacement, LocalAndWorldPointsConvertBothWaysOnATurnedObject) {
    DynamicObject2D object;
    object.position = vec2f32(2.0f, -1.0f);
    object.angle = 30.0f;
    vec2f32 world(3.5f, 4.0f);
    vec2f32 local = JointTree::getJointPosition(&object, world);
    expectNear(world, JointTree::getJointWorldPosition(&object, local), 1e-5f);
    // The local x axis points at 30 degrees in the world.
    vec2f32 tip = JointTree::getJointWorldPosition(&object, vec2f32(2.0f, 0.0f));
    expectNear(vec2f32(2.0f + 2.0f * std::cos(0.5235988f), -1.0f + 2.0f * std::sin(0.5235988f)),
               tip, 1e-5f);

    object.angle = 0.0f;
    EXPECT_EQ(vec2f32(1.5f, 5.0f), JointTree::getJointPosition(&object, world));
    EXPECT_EQ(vec2f32(), JointTree::getJointPosition(nullptr, world));
    EXPECT_EQ(vec2f32(), JointTree::getJointWorldPosition(nullptr, world));
}

TEST(JointIndex, PairTreesHoldOnlyTheirPairsRecordsInEitherOrder) {
    DynamicObject2D a, b, c;
    ObjectJointsTree pair(&a, &b);
    Joint2D forward(false), backward(false), other(false);
    forward.objectA = &a;
    forward.objectB = &b;
    backward.objectA = &b;
    backward.objectB = &a;
    other.objectA = &a;
    other.objectB = &c;
    EXPECT_TRUE(pair.addJoint(&forward));
    EXPECT_TRUE(pair.addJoint(&backward));
    EXPECT_FALSE(pair.addJoint(&forward));
    EXPECT_FALSE(pair.addJoint(&other));
    EXPECT_FALSE(pair.addJoint(nullptr));
    EXPECT_EQ(2u, pair.getSize());
    EXPECT_EQ(&a, pair.partnerOf(&b));
    EXPECT_EQ(&b, pair.partnerOf(&a));
    Joint2D* first = pair.getJointInPosition(0);
    EXPECT_TRUE(pair.removeJointInPosition(0));
    EXPECT_FALSE(pair.removeJoint(first));
    EXPECT_EQ(1u, pair.getSize());
    pair.cleanJoints();
    EXPECT_EQ(0u, pair.getSize());
    EXPECT_FALSE(pair.removeJointInPosition(0));
}

TEST(JointIndex, ObjectTreesFindPairsByPartnerAndRefuseOthersPairs) {
    DynamicObject2D a, b, c;
    ObjectsJointsTree tree(&a);
    ObjectJointsTree withB(&a, &b), withC(&c, &a), sameB(&b, &a), notMine(&b, &c);
    EXPECT_TRUE(tree.addJoint(&withB));
    EXPECT_TRUE(tree.addJoint(&withC));
    EXPECT_FALSE(tree.addJoint(&sameB));
    EXPECT_FALSE(tree.addJoint(&notMine));
    EXPECT_FALSE(tree.addJoint(nullptr));
    EXPECT_EQ(&withB, tree.getJoint(&b));
    EXPECT_EQ(&withC, tree.getJoint(&c));
    EXPECT_EQ(nullptr, tree.getJoint(&a));
    EXPECT_FALSE(tree.removeJoint(&notMine));
    EXPECT_EQ(2u, tree.getSize());
    EXPECT_TRUE(tree.removeJoint(&sameB));
    EXPECT_EQ(nullptr, tree.getJoint(&b));
    EXPECT_TRUE(tree.removeJoint(&c));
    EXPECT_FALSE(tree.removeJoint(&c));
    EXPECT_EQ(0u, tree.getSize());

    TreeJointObjects objects;
    ObjectsJointsTree ofB(&b);
    EXPECT_TRUE(objects.add(&tree));
    EXPECT_TRUE(objects.add(&ofB));
    EXPECT_EQ(&ofB, objects.getTreeJoint(&b));
    EXPECT_EQ(nullptr, objects.getTreeJoint(&c));
}

TEST(JointIndex, TheJointTreeFindsEntriesByRecordAndByBox2DJoint) {
    Anchored fixture;
    DynamicObject2D* box = fixture.scene.box<DynamicObject2D>(vec2f32(2, 0));
    Joint2D* first = fixture.scene.world.createWeldJoint(fixture.ground, box, vec2f32(), false);
    Joint2D* second =
        fixture.scene.world.createRevoluteJoint(fixture.ground, box, vec2f32(1, 0), false);
    b2Joint* firstJoint = fixture.scene.boxJoint(first);
    b2Joint* secondJoint = fixture.scene.boxJoint(second);
    TreeJoint tree;
    EXPECT_TRUE(tree.addJoint(second, secondJoint));
    EXPECT_TRUE(tree.addJoint(first, firstJoint));
    EXPECT_FALSE(tree.addJoint(first, secondJoint));
    EXPECT_FALSE(tree.addJoint(nullptr, firstJoint));
    EXPECT_FALSE(tree.addJoint(first, nullptr));
    EXPECT_EQ(secondJoint, tree.getJoint(second));
    bool firstBelow = first < second;
    EXPECT_EQ(firstBelow ? first : second, tree.getJointInPosition(0));
    EXPECT_EQ(firstBelow ? firstJoint : secondJoint, tree.getB2JointInPosition(0));
    EXPECT_EQ(nullptr, tree.getJointInPosition(2));
    EXPECT_EQ(nullptr, tree.getB2JointInPosition(2));
    EXPECT_TRUE(tree.removeJoint(firstJoint));
    EXPECT_FALSE(tree.removeJoint(firstJoint));
    EXPECT_EQ(nullptr, tree.getJoint(first));
    EXPECT_TRUE(tree.removeJoint(second));
    EXPECT_EQ(0u, tree.getSize());
}

TEST(WorldJoints, EveryKindIsMadeWithTheRecordHoldingItsCreationValues) {
    Anchored fixture;
    PhysicsScene& scene = fixture.scene;
    zelk::physics2D::World2D& world = scene.world;
    StaticObject2D* ground = fixture.ground;
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(3.0f, 1.0f));
    box->angle = 0.0f;

    Joint2D* weld = world.createWeldJoint(ground, vec2f32(1, 0), box, vec2f32(-1, 0), true);
    RevoluteJoint2D* revolute =
        world.createRevoluteAngleJoint(ground, vec2f32(0, 1), box, vec2f32(), 30.0f, -20.0f, false);
    DistanceJoint2D* distance =
        world.createDistanceJoint(ground, vec2f32(), box, vec2f32(0.5f, 0), 2.0f, 4.0f, true);
    PrismaticJoint2D* prismatic = world.createPrismaticMotorJoint(
        ground, vec2f32(), box, vec2f32(), vec2f32(0, 3), -1.0f, 2.0f, 50.0f, 1.5f, false);
    PulleyJoint2D* pulley = world.createPulleyJoint(ground, vec2f32(), vec2f32(0, 5), box,
                                                    vec2f32(), vec2f32(0, 4), 5.0f, 4.5f, true);
    WheelJoint2D* wheel = world.createWheelMotorJoint(ground, vec2f32(), box, vec2f32(),
                                                      vec2f32(0, 2), 4.0f, 0.7f, 9.0f, 3.0f, false);
    RopeJoint2D* rope = world.createRopeJoint(ground, vec2f32(), box, vec2f32(0, 0.5f), 6.0f, true);
    for (Joint2D* joint :
         std::vector<Joint2D*>{weld, revolute, distance, prismatic, pulley, wheel, rope}) {
        ASSERT_NE(nullptr, joint);
        EXPECT_EQ(ground, joint->objectA);
        EXPECT_EQ(box, joint->objectB);
        b2Joint* boxJoint = scene.boxJoint(joint);
        ASSERT_NE(nullptr, boxJoint);
        EXPECT_EQ(joint->getCollide(), boxJoint->GetCollideConnected());
    }
    EXPECT_EQ(7u, world.getJointSize());
    EXPECT_EQ(7, scene.boxJointCount());

    EXPECT_EQ(0, weld->getType());
    EXPECT_TRUE(weld->getCollide());
    EXPECT_EQ(vec2f32(1, 0), weld->positionA);
    EXPECT_EQ(vec2f32(-1, 0), weld->positionB);
    EXPECT_EQ(vec2f32(1, 0), weld->worldPositionA);
    EXPECT_EQ(e_weldJoint, scene.boxJoint(weld)->GetType());

    EXPECT_EQ(7, revolute->getRevoluteType());
    EXPECT_EQ(30.0f, revolute->getLowerAngle());
    EXPECT_EQ(-20.0f, revolute->getUpperAngle());
    b2RevoluteJoint* boxRevolute = static_cast<b2RevoluteJoint*>(scene.boxJoint(revolute));
    EXPECT_TRUE(boxRevolute->IsLimitEnabled());
    EXPECT_FLOAT_EQ(-20.0f / 180.0f * 3.1415927f, boxRevolute->GetLowerLimit());
    EXPECT_FLOAT_EQ(30.0f / 180.0f * 3.1415927f, boxRevolute->GetUpperLimit());

    EXPECT_EQ(4.0f, distance->distance);
    EXPECT_EQ(2.0f, distance->frequency);
    EXPECT_EQ(vec2f32(3.5f, 1.0f), distance->worldPositionB);

    EXPECT_EQ(vec2f32(0, 3), prismatic->direction);
    EXPECT_EQ(-1.0f, prismatic->lowerDistance);
    EXPECT_EQ(2.0f, prismatic->upperDistance);
    EXPECT_EQ(8, prismatic->getPrismaticType());
    EXPECT_EQ(50.0f, prismatic->getMaxForce());
    b2PrismaticJoint* boxPrismatic = static_cast<b2PrismaticJoint*>(scene.boxJoint(prismatic));
    EXPECT_EQ(b2Vec2(0, 1), boxPrismatic->GetLocalAxisA());
    EXPECT_TRUE(boxPrismatic->IsLimitEnabled());
    EXPECT_TRUE(boxPrismatic->IsMotorEnabled());
    EXPECT_EQ(1.5f, boxPrismatic->GetMotorSpeed());

    EXPECT_EQ(4, pulley->getType());
    EXPECT_EQ(5.0f, pulley->lenghtA);
    EXPECT_EQ(4.5f, pulley->lenghtB);
    EXPECT_EQ(vec2f32(0, 5), pulley->pulleyPositionA);
    EXPECT_EQ(vec2f32(3, 5), pulley->pulleyPositionB);
    EXPECT_EQ(vec2f32(3, 1), pulley->worldPositionB);
    b2PulleyJoint* boxPulley = static_cast<b2PulleyJoint*>(scene.boxJoint(pulley));
    EXPECT_EQ(b2Vec2(3, 5), boxPulley->GetGroundAnchorB());
    EXPECT_EQ(4.5f, boxPulley->GetLengthB());

    EXPECT_EQ(vec2f32(0, 2), wheel->direction);
    EXPECT_EQ(4.0f, wheel->frequency);
    EXPECT_EQ(0.7f, wheel->dampingRatio);
    EXPECT_EQ(8, wheel->getWheelType());
    EXPECT_EQ(9.0f, wheel->getMaxTorque());
    EXPECT_EQ(3.0f, wheel->getSpeed());
    b2WheelJoint* boxWheel = static_cast<b2WheelJoint*>(scene.boxJoint(wheel));
    EXPECT_GT(boxWheel->GetStiffness(), 0.0f);
    EXPECT_TRUE(boxWheel->IsMotorEnabled());

    EXPECT_EQ(6, rope->getType());
    EXPECT_EQ(6.0f, rope->maxLength);
    EXPECT_EQ(vec2f32(3.0f, 1.5f), rope->worldPositionB);
    b2DistanceJoint* boxRope = static_cast<b2DistanceJoint*>(scene.boxJoint(rope));
    EXPECT_EQ(6.0f, boxRope->GetMaxLength());
    EXPECT_LT(boxRope->GetMinLength(), 0.01f);
    EXPECT_EQ(0.0f, boxRope->GetStiffness());
}

TEST(WorldJoints, JointsAreListedByRecordAddressWithTheirTypes) {
    Anchored fixture;
    zelk::physics2D::World2D& world = fixture.scene.world;
    DynamicObject2D* box = fixture.scene.box<DynamicObject2D>(vec2f32(2, 0));
    std::vector<Joint2D*> made = {
        world.createRevoluteJoint(fixture.ground, box, vec2f32(1, 0), false),
        world.createRopeJoint(fixture.ground, vec2f32(), box, vec2f32(2, 0), false),
        world.createWeldJoint(fixture.ground, box, vec2f32(1, 0), false)};
    std::sort(made.begin(), made.end());
    ASSERT_EQ(3u, world.getJointSize());
    for (unsigned int i = 0; i < 3; i++) {
        EXPECT_EQ(made[i], world.getJointInPosition(i));
        EXPECT_EQ(made[i]->getType(), world.getJointTypeInPosition(i));
    }
    EXPECT_EQ(nullptr, world.getJointInPosition(3));
    EXPECT_EQ(0, world.getJointTypeInPosition(3));
}

TEST(WorldJoints, OnePointFormsMakeTheSharedPointLocalToEachObject) {
    Anchored fixture;
    zelk::physics2D::World2D& world = fixture.scene.world;
    DynamicObject2D* turned = fixture.scene.make<DynamicObject2D>(vec2f32(4, 2));
    turned->angle = 90.0f;
    PhysicsScene::addRectangle(turned, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    ASSERT_TRUE(world.addObject(turned));

    RevoluteJoint2D* joint =
        world.createRevoluteJoint(fixture.ground, turned, vec2f32(4, 3), false);
    ASSERT_NE(nullptr, joint);
    EXPECT_EQ(vec2f32(4, 3), joint->positionA);
    expectNear(vec2f32(1, 0), joint->positionB, 1e-5f);
    b2Vec2 anchorB = fixture.scene.boxJoint(joint)->GetAnchorB();
    expectNear(vec2f32(4, 3), vec2f32(anchorB.x, anchorB.y), 1e-5f);

    PrismaticJoint2D* sliding =
        world.createPrismaticJoint(fixture.ground, turned, vec2f32(4, 2), 90.0f, 0.0f, 1.0f, false);
    ASSERT_NE(nullptr, sliding);
    expectNear(vec2f32(0, 1), sliding->direction, 1e-6f);

    DistanceJoint2D* distance = world.createDistanceJoint(fixture.ground, vec2f32(1, 2), turned,
                                                          vec2f32(4, 6), 0.0f, false);
    ASSERT_NE(nullptr, distance);
    EXPECT_FLOAT_EQ(5.0f, distance->distance);

    WheelJoint2D* wheel =
        world.createWheelJoint(fixture.ground, turned, vec2f32(4, 2), vec2f32(0, 1), false);
    ASSERT_NE(nullptr, wheel);
    EXPECT_EQ(1.0f, wheel->frequency);
    EXPECT_EQ(1.0f, wheel->dampingRatio);
    EXPECT_EQ(0, wheel->getWheelType());

    RopeJoint2D* rope =
        world.createRopeJoint(fixture.ground, vec2f32(0, 0), turned, vec2f32(3, 0), false);
    ASSERT_NE(nullptr, rope);
    EXPECT_FLOAT_EQ(3.0f, rope->maxLength);
    expectNear(vec2f32(3, 0), rope->worldPositionB, 1e-5f);
}

TEST(WorldJoints, PulleyPointsGivenInTheWorldStayThereOnTurnedObjects) {
    PhysicsScene scene;
    DynamicObject2D* left = scene.make<DynamicObject2D>(vec2f32(-2, 0));
    left->angle = 90.0f;
    PhysicsScene::addRectangle(left, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    ASSERT_TRUE(scene.world.addObject(left));
    DynamicObject2D* right = scene.box<DynamicObject2D>(vec2f32(2, 0));

    PulleyJoint2D* pulley = scene.world.createPulleyWorldJoint(
        left, vec2f32(-2, 0.5f), vec2f32(-2, 3), right, vec2f32(2, 0), vec2f32(2, 3), false);
    ASSERT_NE(nullptr, pulley);
    b2PulleyJoint* boxPulley = static_cast<b2PulleyJoint*>(scene.boxJoint(pulley));
    EXPECT_EQ(b2Vec2(-2, 3), boxPulley->GetGroundAnchorA());
    EXPECT_EQ(b2Vec2(2, 3), boxPulley->GetGroundAnchorB());
    EXPECT_EQ(vec2f32(-2, 3), pulley->pulleyPositionA);
    EXPECT_EQ(vec2f32(2, 3), pulley->pulleyPositionB);
    EXPECT_FLOAT_EQ(2.5f, pulley->lenghtA);
    EXPECT_FLOAT_EQ(3.0f, pulley->lenghtB);
    expectNear(vec2f32(-2, 0.5f), vec2f32(boxPulley->GetAnchorA().x, boxPulley->GetAnchorA().y),
               1e-5f);
}

TEST(WorldJoints, RefusalsAnswerNullAndLeaveNoTrace) {
    PhysicsScene scene;
    zelk::physics2D::World2D& world = scene.world;
    StaticObject2D* ground = scene.box<StaticObject2D>(vec2f32());
    StaticObject2D* wall = scene.box<StaticObject2D>(vec2f32(5, 0));
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0, 3));
    DynamicObject2D* outside = scene.make<DynamicObject2D>(vec2f32(2, 2));
    PhysicsScene::addRectangle(outside, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    vec2f32 o;

    EXPECT_EQ(nullptr, world.createRevoluteJoint(nullptr, o, box, o, false));
    EXPECT_EQ(nullptr, world.createWeldJoint(box, o, nullptr, o, false));
    EXPECT_EQ(nullptr, world.createRevoluteJoint(box, o, box, o, false));
    EXPECT_EQ(nullptr, world.createWeldJoint(box, box, vec2f32(), false));
    EXPECT_EQ(nullptr, world.createRevoluteJoint(ground, o, wall, o, false));
    EXPECT_EQ(nullptr, world.createRevoluteJoint(box, o, outside, o, false));
    EXPECT_EQ(nullptr, world.createPrismaticJoint(ground, o, box, o, vec2f32(), 0, 1, false));
    EXPECT_EQ(nullptr, world.createWheelJoint(ground, o, box, o, vec2f32(0, 0), false));
    EXPECT_EQ(nullptr, world.createRevoluteMotorJoint(ground, o, box, o, -1.0f, 2.0f, false));
    EXPECT_EQ(nullptr, world.createPrismaticMotorJoint(ground, o, box, o, vec2f32(1, 0), 0, 1, -5,
                                                       1, false));
    EXPECT_EQ(nullptr, world.createWheelMotorJoint(ground, o, box, o, vec2f32(0, 1), -2, 1, false));
    EXPECT_EQ(nullptr, world.createDistanceJoint(ground, o, box, o, 0.0f, -3.0f, false));
    EXPECT_EQ(nullptr, world.createRopeJoint(ground, o, box, o, notANumber, false));
    EXPECT_EQ(nullptr, world.createRopeJoint(ground, o, box, o, 1e30f, false));
    EXPECT_EQ(nullptr, world.createPulleyJoint(ground, o, o, box, o, o, 1.0f, -1.0f, false));
    EXPECT_EQ(nullptr, world.createRevoluteAngleJoint(ground, o, box, o, -infinity, 4, false));
    EXPECT_EQ(nullptr, world.createWeldJoint(ground, vec2f32(notANumber, 0), box, o, false));
    EXPECT_EQ(nullptr, world.createPulleyJoint(ground, o, vec2f32(infinity, 0), box, o,
                                               vec2f32(0, 3), 1, 1, false));
    EXPECT_EQ(nullptr, world.createWheelJoint(ground, o, box, o, vec2f32(0, 1), 1, -0.5f, false));
    EXPECT_EQ(0u, world.getJointSize());
    EXPECT_EQ(0, scene.boxJointCount());
    for (PhysicObject2D* object : std::vector<PhysicObject2D*>{ground, wall, box, outside}) {
        EXPECT_FALSE(world.removeObjectJoints(object));
    }
}

TEST(WorldJoints, NothingIsJoinedOrUnjoinedFromInsideAStep) {
    Hearing hearing;
    PhysicsScene* scenePointer = nullptr;
    std::vector<bool> answers;
    ContactLog log(&hearing, [&](ContactEvent event, zelk::physics2D::Contact2D* contact) {
        if (event != ContactEvent::begin) {
            return;
        }
        zelk::physics2D::World2D& world = scenePointer->world;
        Joint2D* held = world.getJointInPosition(0);
        answers.push_back(world.createRevoluteJoint(contact->objectA, contact->objectB, vec2f32(),
                                                    false) == nullptr);
        answers.push_back(!world.destroyJoint(held));
        answers.push_back(!world.removeObjectJoints(held->objectB));
        answers.push_back(!world.destroyObjectJoints(held->objectA));
    });
    PhysicsScene scene;
    scenePointer = &scene;
    StaticObject2D* ground = scene.box<StaticObject2D>(vec2f32(), size2f32(10, 1));
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0, 1.2f));
    DynamicObject2D* hanging = scene.box<DynamicObject2D>(vec2f32(3, 4));
    ASSERT_NE(nullptr, scene.world.createRopeJoint(hanging, vec2f32(), box, vec2f32(), 10, false));
    ASSERT_TRUE(scene.world.addContactCallback(&log));
    scene.step(30);
    ASSERT_GE(answers.size(), 4u);
    EXPECT_EQ(std::vector<bool>(answers.size(), true), answers);
    EXPECT_EQ(1u, scene.world.getJointSize());
    EXPECT_EQ(1, scene.boxJointCount());
    EXPECT_NE(nullptr, ground);
}

TEST(WorldJoints, RemovingAnObjectDestroysEachOfItsJointsOnce) {
    PhysicsScene scene;
    zelk::physics2D::World2D& world = scene.world;
    DynamicObject2D* centre = scene.box<DynamicObject2D>(vec2f32(0, 0));
    DynamicObject2D* first = scene.box<DynamicObject2D>(vec2f32(2, 0));
    DynamicObject2D* second = scene.box<DynamicObject2D>(vec2f32(0, 2));
    StaticObject2D* ground = scene.box<StaticObject2D>(vec2f32(0, -5));
    ASSERT_NE(nullptr, world.createRevoluteJoint(centre, first, vec2f32(1, 0), false));
    ASSERT_NE(nullptr, world.createDistanceJoint(first, vec2f32(), centre, vec2f32(), 0, 2, false));
    ASSERT_NE(nullptr, world.createWeldJoint(centre, second, vec2f32(0, 1), false));
    RopeJoint2D* kept = world.createRopeJoint(first, vec2f32(2, 0), second, vec2f32(0, 2), false);
    ASSERT_NE(nullptr, kept);
    ASSERT_NE(nullptr, world.createWeldJoint(ground, second, vec2f32(0, -2), false));
    ASSERT_EQ(5u, world.getJointSize());
    ASSERT_EQ(5, scene.boxJointCount());

    ASSERT_TRUE(world.removeObject(centre));
    EXPECT_EQ(2u, world.getJointSize());
    EXPECT_EQ(2, scene.boxJointCount());
    EXPECT_FALSE(world.removeObjectJoints(centre));
    scene.step(5);
    EXPECT_EQ(6, kept->getType());

    EXPECT_TRUE(world.destroyObjectJoints(second));
    EXPECT_EQ(0u, world.getJointSize());
    EXPECT_EQ(0, scene.boxJointCount());
    EXPECT_FALSE(world.removeObjectJoints(first));
    EXPECT_FALSE(world.removeObjectJoints(ground));
}

TEST(WorldJoints, DestroyingAJointTakesOnlyThatOne) {
    Anchored fixture;
    zelk::physics2D::World2D& world = fixture.scene.world;
    DynamicObject2D* box = fixture.scene.box<DynamicObject2D>(vec2f32(2, 0));
    Joint2D* weld = world.createWeldJoint(fixture.ground, box, vec2f32(1, 0), false);
    Joint2D* rope = world.createRopeJoint(fixture.ground, vec2f32(), box, vec2f32(2, 0), false);
    Joint2D notHeld(false);
    notHeld.objectA = fixture.ground;
    notHeld.objectB = box;

    EXPECT_FALSE(world.destroyJoint(nullptr));
    EXPECT_FALSE(world.destroyJoint(&notHeld));
    EXPECT_TRUE(world.destroyJoint(weld));
    EXPECT_EQ(1u, world.getJointSize());
    EXPECT_EQ(1, fixture.scene.boxJointCount());
    EXPECT_EQ(rope, world.getJointInPosition(0));
    EXPECT_TRUE(world.removeObjectJoints(box));
    EXPECT_EQ(0, fixture.scene.boxJointCount());
}

TEST(WorldJoints, RecordsFiledWithoutABox2DJointAreTheWorldsToDelete) {
    Anchored fixture;
    zelk::physics2D::World2D& world = fixture.scene.world;
    DynamicObject2D* box = fixture.scene.box<DynamicObject2D>(vec2f32(2, 0));
    DynamicObject2D* other = fixture.scene.box<DynamicObject2D>(vec2f32(4, 0));

    Joint2D* plain = world.addJoint(fixture.ground, vec2f32(1, 0), box, vec2f32(-1, 0));
    ASSERT_NE(nullptr, plain);
    EXPECT_EQ(0, plain->getType());
    EXPECT_FALSE(plain->getCollide());
    EXPECT_EQ(vec2f32(1, 0), plain->worldPositionA);
    EXPECT_EQ(0u, world.getJointSize());
    EXPECT_EQ(0, fixture.scene.boxJointCount());
    EXPECT_EQ(nullptr, world.addJoint(box, vec2f32(), box, vec2f32()));
    EXPECT_EQ(nullptr, world.addJoint(nullptr, vec2f32(), box, vec2f32()));

    Joint2D* given = new RevoluteJoint2D(true);
    EXPECT_FALSE(world.addJoint(given));
    given->objectA = box;
    given->objectB = other;
    EXPECT_TRUE(world.addJoint(given));
    EXPECT_FALSE(world.addJoint(given));
    EXPECT_FALSE(world.addJoint(static_cast<Joint2D*>(nullptr)));

    EXPECT_TRUE(world.removeObjectJoints(fixture.ground));
    EXPECT_FALSE(world.removeObjectJoints(fixture.ground));
    EXPECT_TRUE(world.destroyJoint(given));
    EXPECT_FALSE(world.removeObjectJoints(other));
    // This one is deleted when the world ends.
    EXPECT_NE(nullptr, world.addJoint(box, vec2f32(), other, vec2f32()));
}

TEST(WorldJoints, AnchorsFollowTheObjectsAfterEachStepAndTheRopeKeepsItsSecond) {
    Anchored fixture;
    zelk::physics2D::World2D& world = fixture.scene.world;
    DynamicObject2D* bob = fixture.scene.box<DynamicObject2D>(vec2f32(3, 0));
    DistanceJoint2D* distance =
        world.createDistanceJoint(bob, vec2f32(0.5f, 0), fixture.ground, vec2f32(), 0, 3.5f, false);
    RopeJoint2D* rope = world.createRopeJoint(bob, vec2f32(3, 0), fixture.ground, vec2f32(), false);
    ASSERT_NE(nullptr, distance);
    ASSERT_NE(nullptr, rope);
    fixture.scene.step(20);
    ASSERT_LT(bob->position.y, -0.5f);
    vec2f32 anchor = JointTree::getJointWorldPosition(bob, vec2f32(0.5f, 0));
    EXPECT_EQ(anchor, distance->worldPositionA);
    EXPECT_EQ(vec2f32(), distance->worldPositionB);
    EXPECT_EQ(bob->position, rope->worldPositionA);
    EXPECT_EQ(vec2f32(), rope->worldPositionB);
}

TEST(JointSimulation, RevoluteLimitsHoldTheAngleWithinTheirRange) {
    for (float lower : {-45.0f, 45.0f}) {
        Anchored fixture;
        DynamicObject2D* bar = fixture.scene.box<DynamicObject2D>(vec2f32(1, 0), size2f32(2, 0.2f));
        RevoluteJoint2D* joint = fixture.scene.world.createRevoluteAngleJoint(
            fixture.ground, bar, vec2f32(), lower, -lower, false);
        ASSERT_NE(nullptr, joint);
        EXPECT_EQ(lower, joint->getLowerAngle());
        float least = 0.0f;
        for (int i = 0; i < 180; i++) {
            fixture.scene.step(1);
            fixture.scene.world.applyTorque(bar, -50.0f, true);
            float angle = fixture.scene.world.getRevoluteJointAngle(joint);
            least = std::min(least, angle);
            ASSERT_GE(angle, -quarterTurnHalf - angularSlop) << i;
            ASSERT_LE(angle, quarterTurnHalf + angularSlop) << i;
        }
        EXPECT_LT(least, -quarterTurnHalf + angularSlop);
        EXPECT_NEAR(-45.0f, bar->angle, 2.0f);
    }
}

TEST(JointSimulation, RevoluteMotorDrivesAtItsSpeedUntilChangedInBox2DOnly) {
    PhysicsScene scene;
    StaticObject2D* ground = scene.box<StaticObject2D>(vec2f32(0, -5));
    DynamicObject2D* wheel = scene.box<DynamicObject2D>(vec2f32(0, 0));
    RevoluteJoint2D* motor =
        scene.world.createRevoluteMotorJoint(ground, wheel, vec2f32(), 1000.0f, 2.0f, false);
    ASSERT_NE(nullptr, motor);
    EXPECT_EQ(8, motor->getRevoluteType());
    scene.step(60);
    b2Body* body = scene.world.getBody(wheel);
    EXPECT_NEAR(2.0f, body->GetAngularVelocity(), 1e-3f);
    expectNear(vec2f32(), wheel->position, 1e-3f);
    EXPECT_GT(wheel->angle, 100.0f);

    EXPECT_TRUE(scene.world.setMotorJointSpeed(motor, -3.0f));
    scene.step(30);
    EXPECT_NEAR(-3.0f, body->GetAngularVelocity(), 1e-3f);
    EXPECT_TRUE(scene.world.setMotorJointTorqueAndSpeed(motor, 500.0f, 1.0f));
    EXPECT_EQ(500.0f, scene.world.getMotorJointTorque(motor));
    EXPECT_EQ(1.0f, scene.world.getMotorJointSpeed(motor));
    EXPECT_TRUE(scene.world.setMotorJointMaxTorque(motor, 0.0f));
    EXPECT_EQ(0.0f, scene.world.getMotorJointTorque(motor));
    EXPECT_FALSE(scene.world.setMotorJointMaxTorque(motor, -1.0f));
    EXPECT_FALSE(scene.world.setMotorJointSpeed(motor, notANumber));
    EXPECT_FALSE(scene.world.setMotorJointTorqueAndSpeed(motor, 1.0f, infinity));
    EXPECT_EQ(1.0f, scene.world.getMotorJointSpeed(motor));
    EXPECT_EQ(1000.0f, motor->getMaxTorque());
    EXPECT_EQ(2.0f, motor->getSpeed());
}

TEST(JointSimulation, MotorAccessorsAnswerNothingForOtherJoints) {
    Anchored fixture;
    zelk::physics2D::World2D& world = fixture.scene.world;
    DynamicObject2D* box = fixture.scene.box<DynamicObject2D>(vec2f32(0, 2));
    WheelJoint2D* wheel =
        world.createWheelMotorJoint(fixture.ground, box, vec2f32(0, 2), vec2f32(0, 1), 5, 1, false);
    ASSERT_NE(nullptr, wheel);
    RevoluteJoint2D unheld(false);
    for (Joint2D* joint : std::vector<Joint2D*>{wheel, &unheld, nullptr}) {
        EXPECT_FALSE(world.setMotorJointMaxTorque(joint, 1.0f));
        EXPECT_FALSE(world.setMotorJointSpeed(joint, 1.0f));
        EXPECT_FALSE(world.setMotorJointTorqueAndSpeed(joint, 1.0f, 1.0f));
        EXPECT_EQ(0.0f, world.getRevoluteJointAngle(joint));
        EXPECT_EQ(0.0f, world.getMotorJointTorque(joint));
        EXPECT_EQ(0.0f, world.getMotorJointSpeed(joint));
    }
}

TEST(JointSimulation, RigidDistanceJointKeepsItsLengthWhileSwinging) {
    Anchored fixture;
    DynamicObject2D* bob = fixture.scene.box<DynamicObject2D>(vec2f32(3, 0), size2f32(0.5f, 0.5f));
    ASSERT_NE(nullptr, fixture.scene.world.createDistanceJoint(fixture.ground, vec2f32(), bob,
                                                               vec2f32(), 0.0f, 3.0f, false));
    float lowest = 0.0f;
    for (int i = 0; i < 120; i++) {
        fixture.scene.step(1);
        ASSERT_NEAR(3.0f, distanceBetween(vec2f32(), bob->position), 0.01f) << i;
        lowest = std::min(lowest, bob->position.y);
    }
    EXPECT_LT(lowest, -2.95f);
}

TEST(JointSimulation, DistanceJointWithAFrequencyIsASpring) {
    Anchored fixture;
    DynamicObject2D* bob = fixture.scene.box<DynamicObject2D>(vec2f32(0, -3), size2f32(0.5f, 0.5f));
    ASSERT_NE(nullptr, fixture.scene.world.createDistanceJoint(fixture.ground, vec2f32(), bob,
                                                               vec2f32(), 2.0f, 3.0f, false));
    float longest = 0.0f;
    for (int i = 0; i < 120; i++) {
        fixture.scene.step(1);
        longest = std::max(longest, distanceBetween(vec2f32(), bob->position));
    }
    // Gravity stretches a 2 Hz spring by about g / (2 pi 2)^2, twice that at
    // the bottom of its swing.
    EXPECT_GT(longest, 3.08f);
    EXPECT_LT(longest, 3.3f);
}

TEST(JointSimulation, RopeLetsTheAnchorsCloseButNeverPartBeyondItsLength) {
    Anchored fixture;
    DynamicObject2D* bob = fixture.scene.box<DynamicObject2D>(vec2f32(0, -1), size2f32(0.5f, 0.5f));
    ASSERT_NE(nullptr, fixture.scene.world.createRopeJoint(fixture.ground, vec2f32(), bob,
                                                           vec2f32(), 3.0f, false));
    fixture.scene.step(25);
    EXPECT_LT(bob->position.y, -1.5f);
    EXPECT_GT(bob->position.y, -2.9f);
    for (int i = 0; i < 120; i++) {
        fixture.scene.step(1);
        ASSERT_GT(bob->position.y, -3.02f) << i;
    }
    EXPECT_NEAR(-3.0f, bob->position.y, 0.02f);
}

TEST(JointSimulation, PrismaticMotorSlidesToTheLimitOnlyWhenTheLimitIsOrdered) {
    for (float lower : {0.0f, 2.0f}) {
        Anchored fixture;
        DynamicObject2D* slider = fixture.scene.box<DynamicObject2D>(vec2f32());
        PrismaticJoint2D* joint = fixture.scene.world.createPrismaticMotorJoint(
            fixture.ground, slider, vec2f32(), vec2f32(2, 0), lower, lower == 0.0f ? 2.0f : 1.0f,
            1000.0f, 5.0f, false);
        ASSERT_NE(nullptr, joint);
        b2PrismaticJoint* boxJoint = static_cast<b2PrismaticJoint*>(fixture.scene.boxJoint(joint));
        EXPECT_EQ(lower == 0.0f, boxJoint->IsLimitEnabled());
        fixture.scene.step(60);
        EXPECT_NEAR(0.0f, slider->position.y, 0.01f);
        if (lower == 0.0f) {
            EXPECT_NEAR(2.0f, slider->position.x, 0.01f);
        } else {
            EXPECT_GT(slider->position.x, 4.0f);
        }
    }
}

TEST(JointSimulation, PulleyKeepsTheSumOfItsRopesAsTheHeavierSideFalls) {
    PhysicsScene scene;
    DynamicObject2D* light = scene.box<DynamicObject2D>(vec2f32(-2, 0));
    DynamicObject2D* heavy = scene.box<DynamicObject2D>(vec2f32(2, 0), size2f32(2, 2));
    PulleyJoint2D* pulley = scene.world.createPulleyJoint(light, vec2f32(), vec2f32(0, 3), heavy,
                                                          vec2f32(), vec2f32(0, 4), false);
    ASSERT_NE(nullptr, pulley);
    EXPECT_EQ(3.0f, pulley->lenghtA);
    EXPECT_EQ(4.0f, pulley->lenghtB);
    scene.step(30);
    EXPECT_GT(light->position.y, 0.5f);
    EXPECT_LT(heavy->position.y, -0.5f);
    float sum = distanceBetween(light->position, vec2f32(-2, 3)) +
                distanceBetween(heavy->position, vec2f32(2, 4));
    EXPECT_NEAR(7.0f, sum, 0.02f);
    EXPECT_EQ(heavy->position, pulley->worldPositionB);
}

TEST(JointSimulation, WheelSpringHoldsTheWheelAndItsMotorTurnsIt) {
    for (float frequency : {4.0f, 0.0f}) {
        Anchored fixture;
        DynamicObject2D* wheel = fixture.scene.box<DynamicObject2D>(vec2f32(0, -2));
        WheelJoint2D* joint = fixture.scene.world.createWheelMotorJoint(
            fixture.ground, wheel, vec2f32(0, -2), vec2f32(0, 2), frequency, 0.7f, 100.0f, 3.0f,
            false);
        ASSERT_NE(nullptr, joint);
        fixture.scene.step(60);
        EXPECT_NEAR(0.0f, wheel->position.x, 0.01f);
        EXPECT_NEAR(3.0f, fixture.scene.world.getBody(wheel)->GetAngularVelocity(), 0.01f);
        if (frequency > 0.0f) {
            EXPECT_NEAR(-2.0f, wheel->position.y, 0.1f);
        } else {
            EXPECT_LT(wheel->position.y, -5.0f);
        }
    }
}

TEST(JointSimulation, WeldHoldsTheBodiesTogether) {
    Anchored fixture;
    DynamicObject2D* box = fixture.scene.box<DynamicObject2D>(vec2f32(1, 0));
    Joint2D* weld =
        fixture.scene.world.createWeldJoint(fixture.ground, box, vec2f32(0.5f, 0), true);
    ASSERT_NE(nullptr, weld);
    fixture.scene.step(60);
    expectNear(vec2f32(1, 0), box->position, 0.02f);
    EXPECT_NEAR(0.0f, box->angle, 1.0f);
}
