#include "zelk/bones/Bone2D.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

using zelk::Object2DValues;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::bones::Bone2D;
using zelk::test::captureStdout;

namespace {

typedef float Matrix[3][3];

// A bone of length one along its x axis.
struct Stick : Bone2D {
    explicit Stick(const char* name, vec2f32 start = vec2f32(), float turn = 0.f) : Bone2D(name) {
        position = start;
        vector = vec2f32(1.f, 0.f);
        angle = turn;
    }
};

// An object placed at a spot relative to its bone when attached.
Object2DValues placed(vec2f32 position, float angle, size2f32 size = size2f32()) {
    Object2DValues values;
    values.position = position;
    values.angle = angle;
    values.size = size;
    return values;
}

} // namespace

TEST(BoneMatrix, HelpersRefuseNullAndBuildColumnMatrices) {
    Matrix m, n;
    float v[3] = {1.f, 2.f, 1.f};
    EXPECT_FALSE(Bone2D::setIdentity(nullptr));
    EXPECT_FALSE(Bone2D::copyMatrix(nullptr, &m));
    EXPECT_FALSE(Bone2D::copyMatrix(&m, nullptr));
    EXPECT_FALSE(Bone2D::multiplyMatrix(&m, static_cast<float(*)[3]>(nullptr)));
    EXPECT_FALSE(Bone2D::multiplyMatrix(static_cast<Matrix*>(nullptr), &m));
    EXPECT_FALSE(Bone2D::generateTranslateMatrix(vec2f32(), nullptr));
    EXPECT_FALSE(Bone2D::generateRotationMatrix(0.f, nullptr));
    EXPECT_FALSE(Bone2D::generateScaleMatrix(size2f32(), nullptr));
    EXPECT_FALSE(Bone2D::printMatrix(nullptr));
    EXPECT_FALSE(Bone2D::printVector(nullptr));

    ASSERT_TRUE(Bone2D::generateTranslateMatrix(vec2f32(5.f, 6.f), &m));
    EXPECT_EQ(5.f, m[2][0]);
    EXPECT_EQ(6.f, m[2][1]);
    EXPECT_EQ(1.f, m[0][0]);
    ASSERT_TRUE(Bone2D::multiplyMatrix(&m, &v));
    EXPECT_EQ(6.f, v[0]);
    EXPECT_EQ(8.f, v[1]);
    EXPECT_EQ(1.f, v[2]);

    // The degree cosine is exactly 0 at 90.
    ASSERT_TRUE(Bone2D::generateRotationMatrix(90.f, &n));
    EXPECT_EQ(0.f, n[0][0]);
    EXPECT_EQ(1.f, n[0][1]);
    EXPECT_EQ(-1.f, n[1][0]);
    EXPECT_EQ(0.f, n[1][1]);

    // b = a * b: the rotation is applied after the translation.
    ASSERT_TRUE(Bone2D::multiplyMatrix(&n, &m));
    EXPECT_EQ(-6.f, m[2][0]);
    EXPECT_EQ(5.f, m[2][1]);

    Matrix copy;
    ASSERT_TRUE(Bone2D::generateScaleMatrix(size2f32(2.f, -3.f), &n));
    ASSERT_TRUE(Bone2D::copyMatrix(&n, &copy));
    EXPECT_EQ(2.f, copy[0][0]);
    EXPECT_EQ(-3.f, copy[1][1]);
    EXPECT_EQ(0.f, copy[2][0]);
}

TEST(BoneMatrix, PrintsRowsOfTheColumnMatrix) {
    Matrix m;
    Bone2D::generateTranslateMatrix(vec2f32(5.f, 6.f), &m);
    EXPECT_EQ("\n[ 1.00  0.00  5.00 ]\n[ 0.00  1.00  6.00 ]\n[ 0.00  0.00  1.00 ]",
              captureStdout([&] { Bone2D::printMatrix(m); }));
    float v[3] = {1.f, 2.5f, -3.f};
    EXPECT_EQ("\n[ 1.00  2.50  -3.00 ]", captureStdout([&] { Bone2D::printVector(v); }));
}

TEST(Bone, PrintsItselfAndItsChildrenWithoutANullName) {
    Bone2D unnamed;
    EXPECT_EQ("\n position 0.00 0.00 end 0.00 1.00 angle 0.00",
              captureStdout([&] { unnamed.print(); }));

    Stick hip("hip", vec2f32(1.f, 2.f), 30.f), b("b"), a("a");
    ASSERT_TRUE(hip.addNext(&b));
    ASSERT_TRUE(hip.addNext(&a));
    EXPECT_EQ("\nhip position 1.00 2.00 end 1.00 0.00 angle 30.00"
              "\na position 0.00 0.00 end 1.00 0.00 angle 0.00"
              "\nb position 0.00 0.00 end 1.00 0.00 angle 0.00",
              captureStdout([&] { hip.print(); }));
    hip.removeAllNexts();
}

TEST(Bone, ChildSetRefusesNullSelfAncestorsAndTakenNames) {
    Stick top("top"), middle("middle"), low("low"), other("low");
    EXPECT_FALSE(top.addNext(nullptr));
    EXPECT_FALSE(top.addNext(&top));
    ASSERT_TRUE(top.addNext(&middle));
    ASSERT_TRUE(middle.addNext(&low));
    // A bone may not hang under a bone below it.
    EXPECT_FALSE(low.addNext(&top));
    EXPECT_FALSE(middle.addNext(&top));
    EXPECT_FALSE(middle.addNext(&other));
    EXPECT_TRUE(top.haveInTree(&low));
    EXPECT_FALSE(low.haveInTree(&top));

    // Only that very bone is removed, never another of its name.
    EXPECT_FALSE(middle.removeNext(&other));
    EXPECT_FALSE(middle.removeNext(nullptr));
    EXPECT_EQ(1u, middle.getNextsSize());
    EXPECT_TRUE(middle.removeNext(&low));
    EXPECT_EQ(0u, middle.getNextsSize());

    Stick c("c"), a("a"), b("b");
    top.addNext(&c);
    top.addNext(&a);
    top.addNext(&b);
    EXPECT_EQ(4u, top.getNextsSize());
    EXPECT_EQ(&a, top.getNextInPosition(0));
    EXPECT_EQ(&middle, top.getNextInPosition(3));
    EXPECT_EQ(nullptr, top.getNextInPosition(4));
    EXPECT_TRUE(top.removeNextByName("b"));
    EXPECT_FALSE(top.removeNextByName("b"));
    EXPECT_FALSE(top.removeNextByName(static_cast<const char*>(nullptr)));
    EXPECT_EQ(&c, top.getNextInPosition(1));
    top.removeAllNexts();
    EXPECT_EQ(0u, top.getNextsSize());
}

TEST(Bone, AttachesAnObjectOnceAndFreesOnlyTheRecords) {
    Object2DValues first = placed(vec2f32(0.f, 2.f), 0.f);
    Object2DValues second = placed(vec2f32(), 10.f);
    Object2DValues third;
    {
        Stick bone("bone");
        EXPECT_FALSE(bone.addConnectionObject(nullptr));
        EXPECT_TRUE(bone.addConnectionObject(&first));
        EXPECT_FALSE(bone.addConnectionObject(&first));
        EXPECT_TRUE(bone.addConnectionObject(&second));
        EXPECT_TRUE(bone.addConnectionObject(&third));
        EXPECT_EQ(3u, bone.getConnectionObjectSize());

        EXPECT_TRUE(bone.removeConnectionObject(&first));
        EXPECT_FALSE(bone.removeConnectionObject(&first));
        EXPECT_FALSE(bone.removeConnectionObject(nullptr));
        EXPECT_TRUE(bone.removeConnectionObjectInPosition(1));
        EXPECT_FALSE(bone.removeConnectionObjectInPosition(1));
        EXPECT_EQ(1u, bone.getConnectionObjectSize());
        EXPECT_TRUE(bone.addConnectionObject(&first));

        // Cleaning detaches every object; the objects themselves stay.
        bone.cleanBone();
        EXPECT_EQ(0u, bone.getConnectionObjectSize());
        EXPECT_EQ(nullptr, bone.getName());
        EXPECT_EQ(vec2f32(0.f, 1.f), bone.vector);
        EXPECT_EQ(0.f, bone.angle);

        // Records still attached when the bone dies go with it (the leak
        // checker watches this).
        EXPECT_TRUE(bone.addConnectionObject(&second));
        EXPECT_TRUE(bone.addConnectionObject(&third));
    }
    EXPECT_EQ(vec2f32(0.f, 2.f), first.position);
    EXPECT_EQ(10.f, second.angle);
}

TEST(Bone, PlacesAnAttachedObjectThroughItsMatrix) {
    // A parent matrix moving by (10, 0); a bone at (1, 0) turned by 90.
    Matrix parent;
    Bone2D::generateTranslateMatrix(vec2f32(10.f, 0.f), &parent);
    Stick bone("bone", vec2f32(1.f, 0.f), 90.f);
    Object2DValues part = placed(vec2f32(0.f, 2.f), 0.f, size2f32(2.f, 3.f));
    ASSERT_TRUE(bone.addConnectionObject(&part));
    bone.updateObjects(0.f, size2f32(), &parent, 0.f, 1.f);
    EXPECT_NEAR(9.f, part.position.x, 1e-5f);
    EXPECT_NEAR(0.f, part.position.y, 1e-5f);
    EXPECT_FLOAT_EQ(90.f, part.angle);
    EXPECT_EQ(size2f32(2.f, 3.f), part.size);

    // Without a matrix the start is the position itself.
    bone.updateObjects(0.f, size2f32(), nullptr, 0.f, 1.f);
    EXPECT_NEAR(-1.f, part.position.x, 1e-5f);
}

TEST(Bone, AnUnequalScaleTurnsAndStretchesTheObject) {
    Stick bone("bone", vec2f32(), 45.f);
    Object2DValues part = placed(vec2f32(1.f, 0.f), 0.f, size2f32(1.f, 0.5f));
    Object2DValues fixed = placed(vec2f32(0.f, 1.f), 15.f);
    fixed.fixedRotation = true;
    bone.addConnectionObject(&part);
    bone.addConnectionObject(&fixed);
    Matrix identity;
    Bone2D::setIdentity(&identity);
    bone.updateObjects(0.f, size2f32(2.f, 1.f), &identity, 0.f, 1.f);

    // The direction of (2 cos 45, sin 45).
    EXPECT_NEAR(26.565f, part.angle, 1e-3f);
    EXPECT_EQ(size2f32(2.f, 0.5f), part.size);
    // The scale acts on the place before the turn.
    EXPECT_NEAR(std::sqrt(2.f), part.position.x, 1e-5f);
    EXPECT_NEAR(std::sqrt(2.f), part.position.y, 1e-5f);

    // A fixed rotation moves and resizes with the bone but keeps its angle.
    EXPECT_EQ(15.f, fixed.angle);
    EXPECT_EQ(size2f32(2.f, 1.f), fixed.size);
    EXPECT_NEAR(-std::sin(M_PI / 4), fixed.position.x, 1e-5f);
}

TEST(Bone, ChildrenArePlacedUnderTheirParentsMatrixWithTheAnglesAdded) {
    Stick arm("arm", vec2f32(), 90.f);
    Stick hand("hand", vec2f32(1.f, 0.f), 90.f);
    ASSERT_TRUE(arm.addNext(&hand));
    Object2DValues palm = placed(vec2f32(1.f, 0.f), 5.f);
    hand.addConnectionObject(&palm);
    Matrix identity;
    Bone2D::setIdentity(&identity);
    arm.updateObjects(10.f, size2f32(), &identity, 0.f, 1.f);
    // arm turned to 100: the hand starts at (cos 100, sin 100) and points
    // at 190.
    float startX = std::cos(100.f * M_PI / 180), startY = std::sin(100.f * M_PI / 180);
    EXPECT_NEAR(startX + std::cos(190.f * M_PI / 180), palm.position.x, 1e-5f);
    EXPECT_NEAR(startY + std::sin(190.f * M_PI / 180), palm.position.y, 1e-5f);
    EXPECT_NEAR(195.f, palm.angle, 1e-4f);

    // Mirrored: the bones turn to -80 and -170, the object to -175, and
    // the object is then turned back round.
    arm.updateObjects(10.f, size2f32(), &identity, 180.f, -1.f);
    EXPECT_NEAR(175.f - 180.f, palm.angle, 1e-4f);
    arm.removeAllNexts();
}

TEST(Bone, WorldVectorOfADescendantAndOfNothing) {
    Stick arm("arm", vec2f32(2.f, 0.f), 90.f);
    Stick hand("hand", vec2f32(1.f, 0.f), 90.f);
    Stick stranger("stranger");
    arm.addNext(&hand);
    Matrix identity;
    Bone2D::setIdentity(&identity);
    bool found = true;
    EXPECT_EQ(vec2f32(), arm.getWorldVector(nullptr, &found, 0.f, size2f32(), &identity));
    found = false;
    vec2f32 end = arm.getWorldVector(&hand, &found, 0.f, size2f32(), &identity);
    EXPECT_TRUE(found);
    EXPECT_NEAR(1.f, end.x, 1e-5f);
    EXPECT_NEAR(1.f, end.y, 1e-5f);
    found = false;
    EXPECT_EQ(vec2f32(), arm.getWorldVector(&stranger, &found, 0.f, size2f32(), &identity));
    EXPECT_FALSE(found);
    // The flag may be left out.
    end = arm.getWorldVector(&hand, nullptr, 0.f, size2f32(2.f, 2.f), &identity);
    EXPECT_NEAR(0.f, end.x, 1e-5f);
    EXPECT_NEAR(2.f, end.y, 1e-5f);
    arm.removeAllNexts();
}

TEST(Bone, InverseKinematicsTurnsTailBonesFromTheTarget) {
    Stick arm("arm", vec2f32(), 0.f), hand("hand", vec2f32(1.f, 0.f), 0.f);
    arm.addNext(&hand);
    Matrix identity;
    Bone2D::setIdentity(&identity);
    vec2f32 goal(1.f, 1.f);
    bool found = false;
    unsigned int count = 7;
    arm.calculateInverseKinematic(&hand, &found, goal, 0, &count, 0.f, size2f32(), &identity);
    EXPECT_TRUE(found);
    EXPECT_EQ(0u, count);
    EXPECT_EQ(0.f, arm.angle);
    EXPECT_EQ(0.f, hand.angle);

    found = false;
    arm.calculateInverseKinematic(&hand, &found, goal, 1, &count, 0.f, size2f32(), &identity);
    EXPECT_EQ(1u, count);
    EXPECT_EQ(0.f, arm.angle);
    EXPECT_NEAR(90.f, hand.angle, 1e-4f);

    // Without flag and counter a pass still runs, over the whole tail.
    hand.angle = 0.f;
    for (int pass = 0; pass < 30; pass++) {
        arm.calculateInverseKinematic(&hand, nullptr, vec2f32(0.f, 1.5f), 2, nullptr, 0.f,
                                      size2f32(), &identity);
    }
    vec2f32 end = arm.getWorldVector(&hand, nullptr, 0.f, size2f32(), &identity);
    EXPECT_NEAR(0.f, end.x, 1e-3f);
    EXPECT_NEAR(1.5f, end.y, 1e-3f);
    EXPECT_NE(0.f, arm.angle);
    arm.removeAllNexts();
}

TEST(Bone, InverseKinematicsKeepsAnglesWithinOneTurn) {
    Matrix identity;
    Bone2D::setIdentity(&identity);
    struct Case {
        float parentAngle, angle, goalDirection, expected;
    };
    // -30 becomes 330, 400 becomes 40, 360 stays.
    // The last case lands exactly on 360: the degree sine and cosine are
    // exact at 180 and 270.
    for (Case c : {Case{100.f, 10.f, 70.f, 330.f}, Case{300.f, 350.f, 340.f, 40.f},
                   Case{-90.f, 270.f, 270.f, 360.f}}) {
        Stick bone("bone", vec2f32(), c.angle);
        float radians = c.goalDirection * float(M_PI) / 180.f;
        vec2f32 goal(std::cos(radians), std::sin(radians));
        bone.calculateInverseKinematic(&bone, nullptr, goal, 1, nullptr, c.parentAngle, size2f32(),
                                       &identity);
        EXPECT_NEAR(c.expected, bone.angle, 1e-3f) << c.goalDirection;
    }
}

namespace {

// A bone whose angle goes from 0 to 90 over a second and whose start goes
// from (0, 0) to (2, 4).
void animate(Bone2D& bone) {
    bone.animationAngle.addFirstInterpolationLine(0.f, 0.f, 1.f, 90.f);
    bone.animationPosition.addFirstInterpolationLine(0.f, 0.f, 0.f, 1.f, 2.f, 4.f);
}

} // namespace

TEST(BoneAnimation, StepsMoveEveryBoneThatPlays) {
    Stick top("top"), low("low");
    top.addNext(&low);
    animate(top);
    animate(low);
    EXPECT_FALSE(top.isPlaying());
    low.playForwardThis();
    EXPECT_TRUE(top.isPlaying());
    EXPECT_FALSE(top.isPlayingThis());
    top.stepAnimations(0.5f);
    EXPECT_EQ(0.f, top.angle);
    EXPECT_FLOAT_EQ(45.f, low.angle);
    EXPECT_EQ(vec2f32(1.f, 2.f), low.position);

    top.playForward();
    top.setAnimationsSpeed(2.f);
    top.stepAnimations(0.25f);
    EXPECT_FLOAT_EQ(45.f, top.angle);
    EXPECT_FLOAT_EQ(90.f, low.angle);

    top.stop();
    EXPECT_FALSE(top.isPlaying());
    top.stepAnimationsThis(0.5f);
    EXPECT_FLOAT_EQ(45.f, top.angle);

    // The speed of one group alone.
    top.setAnimationsSpeed(1.f);
    top.setAnimationAngleSpeed(0.f);
    top.playForward();
    top.stepAnimations(0.5f);
    EXPECT_EQ(0.f, top.angle);
    EXPECT_EQ(vec2f32(1.f, 2.f), top.position);
    top.removeAllNexts();
}

TEST(BoneAnimation, ClipsGoToEveryBoneAndAnswerForThisOne) {
    Stick top("top"), low("low");
    top.addNext(&low);
    animate(top);
    // The lower bone turns but does not move.
    low.animationAngle.addFirstInterpolationLine(0.f, 10.f, 1.f, 20.f);

    EXPECT_TRUE(top.addNewAnimationName("half", 0.5f, 1.f));
    EXPECT_FALSE(low.addNewAnimationNameThis("other", 0.f, 1.f));
    EXPECT_TRUE(low.animationAngle.haveAnimationName("half"));
    EXPECT_FALSE(low.haveAnimationName("half"));
    EXPECT_TRUE(top.haveAnimationName("half"));
    EXPECT_TRUE(top.selectAnimationName("half"));

    // A bone whose position group lacks the clip still plays it on its
    // angle group, and answers false.
    EXPECT_FALSE(low.playNameForwardThis("half"));
    EXPECT_TRUE(low.animationAngle.isPlaying());
    EXPECT_FALSE(low.animationPosition.isPlaying());
    low.stop();

    EXPECT_TRUE(top.playNameForward("half"));
    top.stepAnimations(0.25f);
    EXPECT_FLOAT_EQ(67.5f, top.angle);
    EXPECT_FLOAT_EQ(17.5f, low.angle);

    EXPECT_TRUE(top.playNameRewind("half"));
    top.stepAnimations(0.25f);
    EXPECT_FLOAT_EQ(67.5f, top.angle);

    // Scaling stretches frames and clips together.
    top.scaleAnimations(2.f);
    EXPECT_EQ(2.f, top.animationAngle.getInterpolationEndSecond(0));
    EXPECT_EQ(2.f, low.animationAngle.getInterpolationEndSecond(0));
    top.scaleAnimationsAngle(0.5f);
    top.scaleAnimationsPosition(0.25f);
    EXPECT_EQ(1.f, top.animationAngle.getInterpolationEndSecond(0));
    EXPECT_EQ(0.5f, top.animationPosition.getInterpolationEndSecond(0));

    EXPECT_TRUE(top.removeAnimationName("half"));
    EXPECT_FALSE(top.haveAnimationName("half"));
    EXPECT_FALSE(low.animationAngle.haveAnimationName("half"));
    top.addNewAnimationName("again", 0.f, 0.5f);
    top.removeAllAnimationNames();
    EXPECT_FALSE(low.animationAngle.haveAnimationName("again"));

    top.removeAllAnimations();
    EXPECT_EQ(0u, top.animationAngle.getInterpolationSize());
    EXPECT_EQ(1u, low.animationAngle.getInterpolationSize());
    top.removeAllNexts();
}

TEST(BoneAnimation, LoopsPausesAndPlaysFromASecond) {
    Stick bone("bone");
    animate(bone);
    bone.loopOn();
    EXPECT_TRUE(bone.animationAngle.isLooping());
    bone.setLoop(false);
    EXPECT_FALSE(bone.animationPosition.isLooping());
    bone.loopOnThis();
    bone.loopOff();
    EXPECT_FALSE(bone.animationAngle.isLooping());

    bone.playForwardIn(0.5f);
    bone.stepAnimations(0.f);
    EXPECT_FLOAT_EQ(45.f, bone.angle);
    bone.pause();
    EXPECT_FALSE(bone.isPlaying());
    bone.pause();
    bone.playRewindIn(1.f);
    bone.stepAnimations(0.25f);
    EXPECT_FLOAT_EQ(67.5f, bone.angle);
    bone.playRewind();
    EXPECT_TRUE(bone.animationAngle.isRewind());
}

TEST(BoneAnimation, PrintsBothGroupsOfEveryBone) {
    Stick top("top"), low("low");
    top.addNext(&low);
    animate(top);
    std::string text = captureStdout([&] { top.printFrames(); });
    EXPECT_EQ(0u, text.find("\nPosition"));
    EXPECT_NE(std::string::npos, text.find("\nAngle"));
    // The lower bone has no frames but prints both titles.
    EXPECT_NE(std::string::npos, text.rfind("\nPosition\nAngle"));
    top.removeAllNexts();
}

TEST(Bone, ShallowCopyMarkedCantDeleteLeavesEverythingToTheSource) {
    Stick top("top"), low("low");
    Object2DValues part;
    top.addNext(&low);
    top.addConnectionObject(&part);
    animate(top);
    top.addNewAnimationName("clip", 0.f, 1.f);
    {
        Bone2D copy(top);
        copy.cantDelete();
    }
    EXPECT_STREQ("top", top.getName());
    EXPECT_EQ(&low, top.getNextInPosition(0));
    EXPECT_EQ(1u, top.getConnectionObjectSize());
    EXPECT_EQ(1u, top.animationAngle.getInterpolationSize());
    EXPECT_TRUE(top.haveAnimationName("clip"));
    top.removeAllNexts();
}
