#include "JorvellPlayer.h"

#include "zelk/Cenario2D.h"
#include "zelk/bones/Bone2D.h"

#include "support/GameFolder.h"

#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

// The mannequin with the game's own motion file and pictures (no display:
// the pictures load nothing), driven frame by frame through its step seam
// with held keys written into an input record. Without a world the velocity
// the player sets stays on its physics object for the next frame.

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

const float frame = 1.f / 60.f;
const unsigned int left = 291;
const unsigned int right = 292;
const unsigned int up = 293;

class Mannequin : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.ready());
        player.load();
    }
    void TearDown() override {
        player.unloadFromCenario(5);
        player.unload();
    }

    // One frame with those keys held; grounded puts the foot on the ground
    // during the frame's physics step.
    bool frameWith(std::vector<unsigned int> keys, bool grounded = true) {
        events.clean();
        for (unsigned int key : keys) {
            events.keyHolded.pushBack(key);
        }
        if (grounded) {
            player.canJump();
        }
        return player.stepUpdate(&events, frame);
    }
    zelk::vec2f32 velocity() { return player.physicObject.linearVelocity; }
    // The clip playing, read on a bone that every clip turns.
    zelk::animation::Interpolation1DGroup& clock() {
        return player.body.getBoneByName("coxaDir")->animationAngle;
    }
    // The clock lies in the clip's range of the motion, scaled by 1.25.
    void expectClip(float start, float end, bool looping) {
        EXPECT_GE(clock().getAnimationSecond(), start * 1.25f - 1e-4f);
        EXPECT_LE(clock().getAnimationSecond(), end * 1.25f + 1e-4f);
        EXPECT_EQ(looping, clock().isLooping());
    }

    zelk::test::GameFolder folder{JORVELL_DATA_DIR};
    JorvellPlayer player;
    zelk::WindowEvents events;
};

} // namespace

TEST_F(Mannequin, LoadHangsTheFifteenPartsOnTheBonesOfTheMotion) {
    EXPECT_EQ(15u, player.body.getBonesSize());
    for (zelk::Object2D* part : {&player.cabeca, &player.peito, &player.coxaDir, &player.peEsq}) {
        ASSERT_EQ(1u, part->getMeshSize());
        EXPECT_EQ(1u, part->getMesh(0)->getPolygonSize());
        EXPECT_EQ(90.f, part->angle);
    }
    EXPECT_EQ(1u, player.body.getBoneByName("cabeca")->getConnectionObjectSize());
    for (const char* clip :
         {"stopPlayer", "startWalk", "walking", "endWalk", "startJump", "loopJumping", "endJump"}) {
        EXPECT_TRUE(player.body.haveAnimationName(clip)) << clip;
    }
    EXPECT_EQ(2.5f, player.physicObject.size.width);
    EXPECT_EQ(5.f, player.physicObject.size.height);
    EXPECT_TRUE(player.jumping);
    EXPECT_EQ(1, player.moveState);
    EXPECT_EQ(0u, player.physicObject.getMeshSize());
    EXPECT_TRUE(player.jumpSound.haveAudio());
}

TEST_F(Mannequin, ASecondLoadStartsClean) {
    player.load();
    EXPECT_EQ(15u, player.body.getBonesSize());
    EXPECT_EQ(1u, player.cintura.getMeshSize());
    EXPECT_EQ(1u, player.jumpTimer.getInterpolationSize());
    EXPECT_EQ(1u, player.body.getBoneByName("maoDir")->getConnectionObjectSize());
}

TEST_F(Mannequin, PlayWithBoxShowsThePhysicsPolygonsForOneLoad) {
    player.playWithBox();
    player.load();
    ASSERT_EQ(1u, player.physicObject.getMeshSize());
    EXPECT_EQ(&player.debugMesh, player.physicObject.getMesh(0));
    EXPECT_EQ(4u, player.debugMesh.getPolygonSize());
    player.load();
    EXPECT_EQ(0u, player.physicObject.getMeshSize());
}

TEST_F(Mannequin, HoldingRightRaisesTheSpeedByATenthAFrameUpToFive) {
    for (int i = 0; i <= 60; i++) {
        EXPECT_TRUE(frameWith({right}));
        EXPECT_NEAR(std::min(i * 0.1f, 5.f), velocity().x, 1e-4f) << i;
    }
    EXPECT_NEAR(5.1f, player.walkSpeed, 1e-4f);
    EXPECT_EQ(6, player.direction);
    EXPECT_EQ(1.f, player.body.size.height);
}

TEST_F(Mannequin, AFasterMovementTheWayOfTheWalkStays) {
    player.physicObject.setLinearVelocity(zelk::vec2f32(-7.f, 0.f));
    frameWith({left});
    EXPECT_EQ(-7.f, velocity().x);
    EXPECT_EQ(-1.f, player.body.size.height);
    EXPECT_EQ(5, player.direction);
}

TEST_F(Mannequin, TurningAboutStartsTheWalkAgainFromRest) {
    for (int i = 0; i < 20; i++) {
        frameWith({right});
    }
    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, 0.f));
    frameWith({left});
    EXPECT_EQ(0.f, velocity().x);
    frameWith({left});
    EXPECT_NEAR(-0.1f, velocity().x, 1e-6f);
}

TEST_F(Mannequin, BothDirectionsHeldStopTheWalk) {
    player.physicObject.setLinearVelocity(zelk::vec2f32(3.f, 0.f));
    EXPECT_TRUE(frameWith({left, right}));
    EXPECT_EQ(0.f, velocity().x);
    EXPECT_EQ(6, player.direction);
}

TEST_F(Mannequin, ABlockedSideInTheAirTakesNoWalk) {
    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, -1.f));
    player.isCollidingRight();
    EXPECT_FALSE(frameWith({right}, false));
    EXPECT_EQ(0, player.direction);
    EXPECT_NEAR(0.1f, player.walkSpeed, 1e-6f);
}

TEST_F(Mannequin, UpJumpsOnlyFromTheGroundAndHoldsTheRiseForHalfASecond) {
    frameWith({up}, false);
    EXPECT_FALSE(player.jumpTimer.isPlaying());
    EXPECT_EQ(0.f, velocity().y);

    int risingFrames = 0;
    for (int i = 0; i < 60; i++) {
        // Gravity as the world would leave it.
        player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, -1.f));
        frameWith({up}, i == 0);
        if (velocity().y == 8.f) {
            risingFrames++;
        }
    }
    EXPECT_GE(risingFrames, 30);
    EXPECT_LE(risingFrames, 31);
    EXPECT_TRUE(player.jumping);
    EXPECT_EQ(8.f, player.jumpSpeed);
}

TEST_F(Mannequin, ReleasingUpEndsTheRiseAndTheNextJumpNeedsTheGround) {
    frameWith({up});
    frameWith({up}, false);
    EXPECT_TRUE(player.jumpTimer.isPlaying());
    EXPECT_FALSE(frameWith({}, false));
    EXPECT_FALSE(player.jumpTimer.isPlaying());
    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, -1.f));
    frameWith({up}, false);
    EXPECT_EQ(-1.f, velocity().y);
    frameWith({up});
    EXPECT_EQ(8.f, velocity().y);
}

TEST_F(Mannequin, WedgedBetweenTwoSidesCountsAsStanding) {
    player.isCollidingLeft();
    player.isCollidingRight();
    frameWith({up}, false);
    EXPECT_TRUE(player.jumpTimer.isPlaying());
    EXPECT_EQ(8.f, velocity().y);
    // The flags last one frame.
    EXPECT_FALSE(player.collidingLeft || player.collidingRight || player.grounded);
}

TEST_F(Mannequin, TheClipFollowsStandingWalkingJumpingAndFalling) {
    // Dropped in at the start, falling.
    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, -2.f));
    frameWith({}, false);
    EXPECT_EQ(4, player.moveState);
    expectClip(1.52f, 1.64f, false);
    for (int i = 0; i < 10; i++) {
        frameWith({}, false);
    }
    expectClip(1.6399f, 1.6401f, true);
    EXPECT_FALSE(clock().isPlaying());

    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, 0.f));
    frameWith({});
    EXPECT_EQ(1, player.moveState);
    EXPECT_FALSE(clock().isPlaying());
    expectClip(0.f, 0.0001f, true);

    frameWith({right});
    EXPECT_EQ(2, player.moveState);
    expectClip(0.f, 0.4f, false);
    for (int i = 0; i < 31; i++) {
        frameWith({right});
    }
    expectClip(0.4f, 1.12f, true);

    frameWith({});
    EXPECT_EQ(1, player.moveState);
    expectClip(1.12f, 1.52f, false);
    for (int i = 0; i < 31; i++) {
        frameWith({});
    }
    expectClip(0.f, 0.0001f, true);

    EXPECT_TRUE(frameWith({up}));
    EXPECT_EQ(3, player.moveState);
    expectClip(1.52f, 1.64f, false);
    EXPECT_TRUE(player.jumpSound.isPlaying());
    for (int i = 0; i < 10; i++) {
        frameWith({up}, false);
    }
    expectClip(1.6399f, 1.6401f, true);
    EXPECT_FALSE(clock().isPlaying());

    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, -2.f));
    frameWith({}, false);
    EXPECT_EQ(4, player.moveState);
    expectClip(1.6399f, 1.6401f, true);

    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, 0.f));
    frameWith({right});
    EXPECT_EQ(2, player.moveState);
    expectClip(0.4f, 1.12f, true);
}

TEST_F(Mannequin, AFallStartsTheJumpClipWithoutASound) {
    player.physicObject.setLinearVelocity(zelk::vec2f32(0.f, -2.f));
    frameWith({}, false);
    EXPECT_EQ(4, player.moveState);
    EXPECT_FALSE(player.jumpSound.isPlaying());
}

// In a scene.

TEST_F(Mannequin, ItEntersASceneBackToFrontAndLeavesItAgain) {
    zelk::Cenario2D scene;
    EXPECT_FALSE(player.loadToCenario(nullptr, 5, 4));
    EXPECT_FALSE(player.unloadFromCenario(5));
    ASSERT_TRUE(player.loadToCenario(&scene, 5, 4));
    EXPECT_EQ(&player.anteBracoEsq, scene.getObject(5, 0u));
    EXPECT_EQ(&player.cabeca, scene.getObject(5, 8u));
    EXPECT_EQ(&player.maoDir, scene.getObject(5, 14u));
    EXPECT_EQ(nullptr, scene.getObject(5, 15u));
    EXPECT_EQ(player.getObjectPointer(), scene.getPhysycObject(4, 0u));
    EXPECT_TRUE(scene.world.haveObject(player.getObjectPointer()));

    EXPECT_TRUE(player.unloadFromCenario(5));
    EXPECT_EQ(nullptr, scene.getObject(5, 0u));
    EXPECT_EQ(nullptr, scene.getPhysycObject(4, 0u));
    EXPECT_FALSE(scene.world.haveObject(player.getObjectPointer()));
    EXPECT_EQ(nullptr, player.cenario);
    EXPECT_FALSE(player.unloadFromCenario(5));
}

TEST_F(Mannequin, BelowMinusTenItStartsAgainAtTheStartAtRest) {
    zelk::Cenario2D scene;
    ASSERT_TRUE(player.loadToCenario(&scene, 5, 4));
    zelk::physics2D::PhysicObject2D* body = player.getObjectPointer();
    int frames = 0;
    while (body->position.y >= -10.f && frames < 600) {
        scene.world.nextStep(frame, 10, 10);
        if (body->position.y >= -10.f && frameWith({right}, false)) {
            scene.world.updateObjectVelocity(body);
        }
        frames++;
    }
    ASSERT_LT(body->position.y, -10.f);
    // The frame that finds it below, Right still held, as the gameplay runs it.
    if (frameWith({right}, false)) {
        scene.world.updateObjectVelocity(body);
    }
    EXPECT_EQ(0.f, body->position.x);
    EXPECT_EQ(0.f, body->position.y);
    EXPECT_EQ(body, scene.getPhysycObject(4, 0u));
    b2Vec2 speed = scene.world.getBody(body)->GetLinearVelocity();
    EXPECT_EQ(0.f, speed.x);
    EXPECT_EQ(0.f, speed.y);
    scene.world.nextStep(frame, 10, 10);
    EXPECT_GT(body->position.y, -0.01f);
    EXPECT_TRUE(player.unloadFromCenario(5));
}
