#include "zelk/bones/Body2D.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using zelk::Object2DValues;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::bones::Body2D;
using zelk::bones::Bone2D;
using zelk::test::captureStdout;

namespace {

// An angle brought into [0, 360).
float wrapped(float angle) {
    float turned = std::fmod(angle, 360.f);
    return turned < 0.f ? turned + 360.f : turned;
}

// hip (the root) with two legs of two bones each:
// hip -> thigh -> shin, hip -> arm.
struct Skeleton : ::testing::Test {
    void SetUp() override {
        hip = body.getBone(0);
        hip->setName("hip");
        thigh = body.createBoneToSelected("thigh", vec2f32(0.f, -1.f));
        arm = body.createBoneToSelected("arm", 1.f, 0.f, 45.f);
        body.selectBone(thigh);
        shin = body.createBoneToSelected("shin", 0.f, -2.f);
        body.cleanSelected();
    }

    Body2D body;
    Bone2D* hip = nullptr;
    Bone2D* thigh = nullptr;
    Bone2D* arm = nullptr;
    Bone2D* shin = nullptr;
};

} // namespace

TEST(Body, ANewBodyHasOnlyItsSelectedRoot) {
    Body2D body;
    EXPECT_EQ(1u, body.getBonesSize());
    Bone2D* root = body.getBone(0);
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(nullptr, body.getBone(1));
    EXPECT_EQ(vec2f32(0.f, 0.001f), root->vector);
    EXPECT_EQ(vec2f32(), body.position);
    EXPECT_EQ(0.f, body.angle);
    EXPECT_EQ(size2f32(1.f, 1.f), body.size);
    Bone2D* made = body.createBoneToSelected("first");
    EXPECT_EQ(root, body.getBone(0));
    EXPECT_EQ(made, root->getNextInPosition(0));
    EXPECT_EQ(vec2f32(), root->vector);
    EXPECT_EQ("\n position 0.00 0.00 end 0.00 0.00 angle 0.00"
              "\nfirst position 0.00 0.00 end 0.00 1.00 angle 0.00",
              captureStdout([&] { body.print(); }));
}

TEST_F(Skeleton, NewBonesHangUnderTheSelectedBone) {
    EXPECT_EQ(4u, body.getBonesSize());
    // The selected bone's end points at the newest bone.
    EXPECT_EQ(vec2f32(1.f, 0.f), hip->vector);
    EXPECT_EQ(vec2f32(0.f, -2.f), thigh->vector);
    EXPECT_EQ(vec2f32(1.f, 0.f), arm->position);
    EXPECT_EQ(45.f, arm->angle);
    EXPECT_EQ(2u, hip->getNextsSize());
    EXPECT_EQ(shin, thigh->getNextInPosition(0));

    // Positions after the root follow the names.
    EXPECT_EQ(arm, body.getBone(1));
    EXPECT_EQ(shin, body.getBone(2));
    EXPECT_EQ(thigh, body.getBone(3));
    EXPECT_EQ(nullptr, body.getBone(body.getBonesSize()));

    // Taken, empty, null names and the root's own name make no bone, and
    // leave the selected bone alone.
    EXPECT_EQ(nullptr, body.createBoneToSelected("arm", 5.f, 5.f));
    EXPECT_EQ(nullptr, body.createBoneToSelected("hip"));
    EXPECT_EQ(nullptr, body.createBoneToSelected(""));
    EXPECT_EQ(nullptr, body.createBoneToSelected(static_cast<char*>(nullptr)));
    EXPECT_EQ(vec2f32(1.f, 0.f), hip->vector);
    EXPECT_EQ(4u, body.getBonesSize());

    EXPECT_EQ(hip, body.getBoneByName("hip"));
    EXPECT_EQ(shin, body.getBoneByName("shin"));
    EXPECT_EQ(nullptr, body.getBoneByName("foot"));
    EXPECT_EQ(nullptr, body.getBoneByName(static_cast<const char*>(nullptr)));
}

TEST_F(Skeleton, SelectionFallsBackToTheRoot) {
    Bone2D stranger("stranger");
    Bone2D namesake("arm");
    EXPECT_FALSE(body.selectBone(nullptr));
    EXPECT_FALSE(body.selectBone(&stranger));
    EXPECT_TRUE(body.selectBone(hip));
    // A bone of the body's name selects the body's own bone.
    EXPECT_TRUE(body.selectBone(&namesake));
    EXPECT_FALSE(body.selectedSetAngle(12.f));
    EXPECT_EQ(12.f, arm->angle);
    EXPECT_FALSE(body.selectedSetPosition(vec2f32(3.f, 4.f)));
    EXPECT_FALSE(body.selectedSetVector(5.f, 6.f));
    EXPECT_EQ(vec2f32(3.f, 4.f), arm->position);
    EXPECT_EQ(vec2f32(5.f, 6.f), arm->vector);

    EXPECT_FALSE(body.selectBoneByName("foot"));
    EXPECT_FALSE(body.selectedSetPosition(1.f, 1.f));
    EXPECT_EQ(vec2f32(1.f, 1.f), hip->position);
    EXPECT_TRUE(body.selectBoneByName("shin"));
    body.selectedSetVector(vec2f32(0.f, -3.f));
    EXPECT_EQ(vec2f32(0.f, -3.f), shin->vector);
}

TEST_F(Skeleton, MovingABoneRefusesCycles) {
    // The shin moves under the arm with everything below it.
    body.selectBone(arm);
    EXPECT_TRUE(body.addBoneToSelected("shin"));
    EXPECT_EQ(0u, thigh->getNextsSize());
    EXPECT_EQ(shin, arm->getNextInPosition(0));

    // Under itself, under a bone below it, the root anywhere: refused, and
    // the tree stays as it was.
    body.selectBone(shin);
    EXPECT_FALSE(body.addBoneToSelected(shin));
    EXPECT_FALSE(body.addBoneToSelected(arm));
    EXPECT_FALSE(body.addBoneToSelected("hip"));
    EXPECT_FALSE(body.addBoneToSelected(hip));
    EXPECT_FALSE(body.addBoneToSelected(static_cast<Bone2D*>(nullptr)));
    Bone2D stranger("stranger");
    EXPECT_FALSE(body.addBoneToSelected(&stranger));
    EXPECT_EQ(shin, arm->getNextInPosition(0));
    EXPECT_EQ(arm, hip->getNextInPosition(0));
    EXPECT_EQ(0u, shin->getNextsSize());

    body.selectBone(thigh);
    EXPECT_TRUE(body.addBoneToSelected(arm));
    EXPECT_EQ(1u, hip->getNextsSize());
    EXPECT_EQ(shin, thigh->getNextInPosition(0)->getNextInPosition(0));
}

TEST_F(Skeleton, DeletingABoneLeavesItsChildrenInTheBody) {
    Object2DValues held;
    ASSERT_TRUE(body.addConnectionObject("thigh", &held));
    body.selectBone(thigh);
    EXPECT_FALSE(body.deleteBone(hip));
    EXPECT_FALSE(body.deleteBone("hip"));
    EXPECT_FALSE(body.deleteBone(static_cast<char*>(nullptr)));
    EXPECT_TRUE(body.deleteBone("thigh"));
    EXPECT_FALSE(body.deleteBone("thigh"));
    EXPECT_EQ(3u, body.getBonesSize());
    EXPECT_EQ(shin, body.getBoneByName("shin"));
    EXPECT_EQ(1u, hip->getNextsSize());
    // The selection does not dangle: new bones go under the root.
    Bone2D* made = body.createBoneToSelected("tail");
    EXPECT_TRUE(hip->haveInTree(made));
    EXPECT_TRUE(body.deleteBone(shin));
}

TEST_F(Skeleton, DeletingEveryBoneCleansTheRoot) {
    Object2DValues held;
    body.addConnectionObject("hip", &held);
    body.selectBone(arm);
    body.deleteAllBones();
    EXPECT_EQ(1u, body.getBonesSize());
    EXPECT_EQ(vec2f32(0.f, 1.f), hip->vector);
    EXPECT_EQ(nullptr, hip->getName());
    EXPECT_EQ(0u, hip->getNextsSize());
    EXPECT_EQ(0u, hip->getConnectionObjectSize());
    EXPECT_NE(nullptr, body.createBoneToSelected("again"));
    EXPECT_EQ(1u, hip->getNextsSize());
}

TEST_F(Skeleton, ObjectsAreAttachedByBoneName) {
    Object2DValues a, b, c;
    EXPECT_TRUE(body.addConnectionObject("hip", &a));
    EXPECT_TRUE(body.addConnectionObject("arm", &b));
    EXPECT_TRUE(body.addConnectionObject("arm", &c));
    EXPECT_FALSE(body.addConnectionObject("arm", &c));
    EXPECT_FALSE(body.addConnectionObject("foot", &c));
    EXPECT_EQ(2u, body.getConnectionObjectSize("arm"));
    EXPECT_EQ(0u, body.getConnectionObjectSize("foot"));
    EXPECT_TRUE(body.removeConnectionObject("arm", &b));
    EXPECT_FALSE(body.removeConnectionObject("foot", &b));
    EXPECT_TRUE(body.removeConnectionObjectInPosition("arm", 0));
    EXPECT_FALSE(body.removeConnectionObjectInPosition("foot", 0));
    EXPECT_TRUE(body.addConnectionObject("shin", &b));
    EXPECT_TRUE(body.removeAllConnectionObjects("shin"));
    EXPECT_FALSE(body.removeAllConnectionObjects("foot"));
    body.addConnectionObject("thigh", &b);
    // Every bone but the root lets go.
    body.removeAllConnectionObjects();
    EXPECT_EQ(0u, body.getConnectionObjectSize("thigh"));
    EXPECT_EQ(1u, body.getConnectionObjectSize("hip"));
}

TEST_F(Skeleton, ObjectsFollowTheBodyPlacement) {
    Object2DValues foot;
    foot.position = vec2f32(0.f, -1.f);
    body.addConnectionObject("shin", &foot);
    body.position = vec2f32(10.f, 5.f);
    body.angle = 90.f;
    body.size = size2f32(2.f, 2.f);
    body.updateObjects();
    // The shin starts 3 below the hip, the foot hangs one further: 4 units,
    // doubled and turned by 90 degrees.
    EXPECT_NEAR(18.f, foot.position.x, 1e-4f);
    EXPECT_NEAR(5.f, foot.position.y, 1e-4f);
    EXPECT_FLOAT_EQ(90.f, foot.angle);
    EXPECT_EQ(size2f32(2.f, 2.f), foot.size);
}

TEST_F(Skeleton, ANegativeWidthOrHeightMirrorsTheObjects) {
    Object2DValues hand;
    hand.position = vec2f32(1.f, 0.f);
    hand.angle = 10.f;
    hand.size = size2f32(3.f, 1.f);
    body.addConnectionObject("arm", &hand);
    body.updateObjects();
    vec2f32 plain = hand.position;
    float plainAngle = hand.angle;
    EXPECT_NEAR(55.f, plainAngle, 1e-4f);

    struct Case {
        size2f32 size;
        vec2f32 place;
        float angle;
    };
    // Width -1 mirrors left to right, height -1 top to bottom, both turn the
    // whole half round.
    for (Case c : {Case{size2f32(-1.f, 1.f), vec2f32(-plain.x, plain.y), -plainAngle},
                   Case{size2f32(1.f, -1.f), vec2f32(plain.x, -plain.y), -plainAngle},
                   Case{size2f32(-1.f, -1.f), vec2f32(-plain.x, -plain.y), plainAngle}}) {
        body.size = c.size;
        body.updateObjects();
        EXPECT_NEAR(c.place.x, hand.position.x, 1e-4f) << c.size.width << c.size.height;
        EXPECT_NEAR(c.place.y, hand.position.y, 1e-4f) << c.size.width << c.size.height;
        EXPECT_NEAR(wrapped(c.angle), wrapped(hand.angle), 1e-3f) << c.size.width << c.size.height;
        EXPECT_EQ(size2f32(3.f * c.size.width, c.size.height), hand.size);
    }
}

TEST_F(Skeleton, WorldVectorsFollowTheBody) {
    body.position = vec2f32(10.f, 0.f);
    body.angle = 90.f;
    bool found = false;
    vec2f32 end = body.getBoneWorldVector(shin, &found);
    EXPECT_TRUE(found);
    // Hip at the body, thigh start 1 below, shin start 2 further, shin end
    // 2 further again (its end is (0, 1) turned by nothing): turned by 90.
    EXPECT_NEAR(10.f + 3.f - 1.f, end.x, 1e-4f);
    EXPECT_NEAR(0.f, end.y, 1e-4f);
    Bone2D stranger("stranger");
    EXPECT_EQ(vec2f32(), body.getBoneWorldVector(&stranger, &found));
    EXPECT_FALSE(found);
    EXPECT_EQ(vec2f32(), body.getBoneWorldVector(nullptr, &found));
    end = body.getBoneWorldVector(thigh, nullptr);
    EXPECT_NEAR(13.f, end.x, 1e-4f);
}

TEST_F(Skeleton, InverseKinematicsReachesAGoal) {
    // A two-bone leg of lengths 2 and 1.
    shin->vector = vec2f32(0.f, -1.f);
    vec2f32 goal(1.5f, -2.f);
    body.calculateInverseKinematic("shin", goal, 2, 0);
    EXPECT_EQ(0.f, thigh->angle);
    body.calculateInverseKinematic(shin, goal, 0, 5);
    EXPECT_EQ(0.f, shin->angle);
    body.calculateInverseKinematic(static_cast<Bone2D*>(nullptr), goal, 2, 5);
    body.calculateInverseKinematic("shin", goal, 1, 1);
    EXPECT_NE(0.f, shin->angle);
    EXPECT_EQ(0.f, thigh->angle);

    body.calculateInverseKinematic("shin", goal, 2, 40);
    vec2f32 end = body.getBoneWorldVector(shin, nullptr);
    EXPECT_NEAR(goal.x, end.x, 1e-3f);
    EXPECT_NEAR(goal.y, end.y, 1e-3f);
    EXPECT_NE(0.f, thigh->angle);
    EXPECT_EQ(0.f, hip->angle);
}

TEST_F(Skeleton, ClipsPlayOnEveryBoneAndAnswerForTheRoot) {
    hip->animationPosition.addFirstInterpolationLine(0.f, 0.f, 0.f, 1.f, 0.f, 1.f);
    hip->animationAngle.addFirstInterpolationLine(0.f, 0.f, 1.f, 10.f);
    shin->animationAngle.addFirstInterpolationLine(0.f, 0.f, 1.f, 90.f);
    EXPECT_TRUE(body.addNewAnimationName("kick", 0.f, 1.f));
    EXPECT_TRUE(body.haveAnimationName("kick"));
    EXPECT_TRUE(body.selectAnimationName("kick"));
    EXPECT_TRUE(shin->animationAngle.haveAnimationName("kick"));
    EXPECT_FALSE(shin->haveAnimationName("kick"));

    body.setAnimationsSpeed(2.f);
    body.setAnimationsAngleSpeed(1.f);
    EXPECT_TRUE(body.playNameForward("kick"));
    EXPECT_TRUE(body.isPlaying());
    body.stepAnimations(0.25f);
    EXPECT_FLOAT_EQ(22.5f, shin->angle);
    EXPECT_FLOAT_EQ(0.5f, hip->position.y);
    body.setAnimationsPositionSpeed(0.f);
    body.stepAnimations(0.25f);
    EXPECT_FLOAT_EQ(45.f, shin->angle);
    EXPECT_FLOAT_EQ(0.5f, hip->position.y);

    body.pause();
    EXPECT_FALSE(body.isPlaying());
    body.pause();
    body.stop();
    EXPECT_FALSE(body.isPlaying());
    EXPECT_TRUE(body.playNameRewind("kick"));
    body.playForwardIn(0.5f);
    body.playRewindIn(0.5f);
    body.playForward();
    body.playRewind();
    body.loopOn();
    EXPECT_TRUE(shin->animationAngle.isLooping());
    body.loopOff();
    body.setLoop(true);
    EXPECT_TRUE(hip->animationPosition.isLooping());

    body.scaleAnimations(2.f);
    body.scaleAnimationsAngle(0.5f);
    body.scaleAnimationsPosition(3.f);
    EXPECT_EQ(1.f, shin->animationAngle.getInterpolationEndSecond(0));
    EXPECT_EQ(6.f, hip->animationPosition.getInterpolationEndSecond(0));
    EXPECT_NE(std::string::npos, captureStdout([&] { body.printFrames(); }).find("\nAngle"));

    EXPECT_TRUE(body.removeAnimationName("kick"));
    EXPECT_FALSE(shin->animationAngle.haveAnimationName("kick"));
    body.addNewAnimationName("again", 0.f, 1.f);
    body.removeAllAnimationNames();
    EXPECT_FALSE(body.haveAnimationName("again"));
}

TEST_F(Skeleton, ShallowCopyMarkedCantDeleteKeepsTheBones) {
    Object2DValues held;
    body.addConnectionObject("arm", &held);
    {
        Body2D copy(body);
        EXPECT_EQ(arm, copy.getBoneByName("arm"));
        copy.cantDelete();
    }
    EXPECT_EQ(4u, body.getBonesSize());
    EXPECT_STREQ("hip", hip->getName());
    EXPECT_EQ(1u, body.getConnectionObjectSize("arm"));
    EXPECT_EQ(shin, body.getBoneByName("shin"));
}
