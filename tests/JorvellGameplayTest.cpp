#include "JorvellGameplay.h"

#include "zelk/physics2D/StaticObject2D.h"

#include "support/GameFolder.h"
#include "support/TestSupport.h"

#include <box2d/box2d.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

// The level screen without a display, in a folder holding the game's data;
// frames run through its step seam.

namespace {

const bool silentOutput = setenv("ALSOFT_DRIVERS", "null", 0) == 0;

const float frame = 1.f / 60.f;

using zelk::physics2D::Contact2D;
using zelk::physics2D::PhysicObject2D;

// A contact record as the world hands it over.
struct Touch {
    Touch(PhysicObject2D* a, unsigned int polygonA, PhysicObject2D* b, unsigned int polygonB)
        : record(nullptr) {
        record.objectA = a;
        record.objectB = b;
        record.polygonA = polygonA;
        record.polygonB = polygonB;
    }
    Contact2D record;
};

class Level : public ::testing::Test {
protected:
    // The document the level reads: the test level, the shipped one, or none.
    enum class Document { test, shipped, none };

    void use(Document document) {
        ASSERT_TRUE(folder.ready());
        std::string level = folder.path() + "/player/cenarioWin64.xml";
        if (document == Document::test) {
            ASSERT_TRUE(folder.replace("player/cenarioWin64.xml",
                                       std::string(JORVELL_DATA_DIR) + "/player/cenarioTest.xml"));
        } else if (document == Document::none) {
            std::remove(level.c_str());
        }
    }
    void TearDown() override {
        if (loaded) {
            gameplay.unload();
        }
    }
    void load() {
        gameplay.load();
        loaded = true;
    }
    // Every physics object of the level is in the world.
    void expectAllInWorld(unsigned int level) {
        for (unsigned int i = 0;
             PhysicObject2D* object = gameplay.cenario.getPhysycObject(level, i); i++) {
            EXPECT_TRUE(gameplay.cenario.world.haveObject(object)) << level << " " << i;
        }
    }
    void frameWith(unsigned int held, unsigned int released = 0) {
        events.clean();
        if (held) {
            events.keyHolded.pushBack(held);
        }
        if (released) {
            events.keyRelease.pushBack(released);
        }
        gameplay.stepUpdate(&events, frame);
    }

    zelk::test::GameFolder folder{JORVELL_DATA_DIR};
    JorvellGameplay gameplay;
    zelk::WindowEvents events;
    bool loaded = false;
};

} // namespace

TEST_F(Level, TheCameraClosesTwoAndAHalfPercentAFrameTwiceNearTheEdge) {
    gameplay.camera.setSize(21.f, 15.75f);
    gameplay.followPlayer(zelk::vec2f32(10.f, 0.f));
    EXPECT_NEAR(0.25f + 0.24375f, gameplay.camera.position.x, 1e-5f);
    EXPECT_EQ(0.f, gameplay.camera.position.y);

    gameplay.camera.position = zelk::vec2f32(0.f, 0.f);
    gameplay.camera.setSize(40.f, 40.f);
    gameplay.followPlayer(zelk::vec2f32(10.f, 0.f));
    EXPECT_NEAR(0.25f, gameplay.camera.position.x, 1e-5f);

    // The edge of the inner box counts as inside: 10.5 - 4 from the centre.
    gameplay.camera.position = zelk::vec2f32(0.f, 0.f);
    gameplay.camera.setSize(21.f, 15.75f);
    gameplay.followPlayer(zelk::vec2f32(0.f, -3.875f));
    EXPECT_NEAR(-3.875f * 0.025f, gameplay.camera.position.y, 1e-6f);
    gameplay.camera.position = zelk::vec2f32(0.f, 0.f);
    gameplay.followPlayer(zelk::vec2f32(0.f, -3.9f));
    EXPECT_NEAR(-3.9f * 0.025f - (3.9f - 3.9f * 0.025f) * 0.025f, gameplay.camera.position.y,
                1e-6f);
}

TEST_F(Level, ContactsReachThePlayerByItsPolygonOnEitherSide) {
    JorvellPlayer& player = gameplay.player;
    zelk::physics2D::StaticObject2D wall;
    PhysicObject2D* self = player.getObjectPointer();

    Touch left(self, 0, &wall, 0), right(&wall, 3, self, 1), head(self, 3, &wall, 1);
    gameplay.contact2DBegin(&left.record);
    gameplay.contact2DKeepBegin(&right.record);
    gameplay.contact2DBegin(&head.record);
    EXPECT_TRUE(player.collidingLeft);
    EXPECT_TRUE(player.collidingRight);
    EXPECT_FALSE(player.grounded);

    player.jumping = true;
    Touch foot(&wall, 1, self, 2);
    gameplay.contact2DKeepBegin(&foot.record);
    EXPECT_TRUE(player.grounded);
    EXPECT_TRUE(player.jumping);
    gameplay.contact2DBegin(&foot.record);
    EXPECT_FALSE(player.jumping);

    player.grounded = false;
    player.collidingLeft = false;
    Touch strangers(&wall, 2, &wall, 0);
    gameplay.contact2DKeepBegin(&strangers.record);
    gameplay.contact2DBegin(&strangers.record);
    gameplay.contact2DBegin(nullptr);
    gameplay.contact2DKeepBegin(nullptr);
    EXPECT_FALSE(player.grounded || player.collidingLeft);
}

TEST_F(Level, OnlyTheFootOnTheEndObjectEndsTheLevel) {
    zelk::physics2D::StaticObject2D end, other;
    PhysicObject2D* self = gameplay.player.getObjectPointer();
    Touch footOnEnd(self, 2, &end, 0);
    EXPECT_EQ("", zelk::test::captureStdout([&] { gameplay.sensor2DBegin(&footOnEnd.record); }));
    EXPECT_FALSE(gameplay.haveEnded());

    gameplay.endObject = &end;
    Touch half(&end, 0, self, 0), elsewhere(self, 2, &other, 0), twisted(&end, 2, self, 1);
    std::string said = zelk::test::captureStdout([&] {
        gameplay.sensor2DBegin(nullptr);
        gameplay.sensor2DBegin(&half.record);
        gameplay.sensor2DBegin(&elsewhere.record);
        gameplay.sensor2DBegin(&twisted.record);
    });
    EXPECT_EQ("", said);
    EXPECT_FALSE(gameplay.haveEnded());

    Touch endOnFoot(&end, 0, self, 2);
    EXPECT_EQ(" END",
              zelk::test::captureStdout([&] { gameplay.sensor2DBegin(&endOnFoot.record); }));
    EXPECT_TRUE(gameplay.haveEnded());
    gameplay.endObject = nullptr;
}

TEST_F(Level, TheTestDocumentReplacesTheBuiltLevelAroundThePlayer) {
    use(Document::test);
    load();
    zelk::Cenario2D& scene = gameplay.cenario;
    ASSERT_NE(nullptr, gameplay.endObject);
    EXPECT_TRUE(gameplay.endObject->isSensor());
    EXPECT_EQ(10.f, gameplay.endObject->position.x);
    EXPECT_EQ(30.f, gameplay.endObject->size.height);
    // What the built level pointed at went with it.
    EXPECT_EQ(nullptr, gameplay.jointBase);
    EXPECT_EQ(nullptr, gameplay.jointArm);
    EXPECT_EQ(nullptr, gameplay.platform);
    EXPECT_EQ(nullptr, gameplay.tileMap);

    EXPECT_EQ(&gameplay.player.anteBracoEsq, scene.getObject(5, 0u));
    EXPECT_EQ(&gameplay.player.maoDir, scene.getObject(5, 14u));
    EXPECT_EQ(gameplay.player.getObjectPointer(), scene.getPhysycObject(4, 0u));
    EXPECT_EQ(nullptr, scene.getPhysycObject(4, 1u));
    for (unsigned int level : {1u, 3u, 4u, 8u}) {
        expectAllInWorld(level);
    }
    EXPECT_NE(nullptr, scene.getTileMap(7));
    EXPECT_EQ(1u, scene.world.getJointSize());
    EXPECT_EQ(1u, scene.world.getKinematicObjectsSize());
    // The seesaw's bar and the player.
    EXPECT_EQ(2u, scene.world.getDynamicObjectsSize());
    EXPECT_TRUE(gameplay.music.isPlaying());
    EXPECT_FALSE(gameplay.haveEnded());
}

TEST_F(Level, TheFirstStepCoversOnlyTheTimeSinceTheLoadEnded) {
    use(Document::test);
    load();
    gameplay.unload();
    auto before = std::chrono::steady_clock::now();
    gameplay.load();
    gameplay.update(&events);
    double waited =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - before).count();
    // Falling from rest: the first step's length is the speed over gravity.
    b2Body* body = gameplay.cenario.world.getBody(gameplay.player.getObjectPointer());
    ASSERT_NE(nullptr, body);
    double step = -body->GetLinearVelocity().y / 9.8;
    EXPECT_LE(step, waited + 1e-4);
}

TEST_F(Level, HoldingRightReachesTheCurtainOfTheTestLevelAndEndsIt) {
    use(Document::test);
    load();
    int frames = 0;
    std::string said = zelk::test::captureStdout([&] {
        while (!gameplay.haveEnded() && frames < 60 * 20) {
            frameWith(292);
            frames++;
        }
    });
    EXPECT_TRUE(gameplay.haveEnded());
    EXPECT_EQ(" END", said);
    EXPECT_GT(gameplay.player.getPlayerPosition().x, 7.f);
}

TEST_F(Level, AnEscapeReleaseEndsTheLevelAndAPressDoesNot) {
    use(Document::test);
    load();
    events.keyPressed.pushBack(256);
    gameplay.stepUpdate(&events, frame);
    EXPECT_FALSE(gameplay.haveEnded());
    frameWith(0, 256);
    EXPECT_TRUE(gameplay.haveEnded());
}

TEST_F(Level, UnloadEmptiesTheSceneAndASecondRunKeepsTheCamera) {
    use(Document::test);
    load();
    gameplay.unload();
    zelk::Cenario2D& scene = gameplay.cenario;
    EXPECT_EQ(0u, scene.levels.size());
    EXPECT_EQ(0u, scene.tileSet.getTileSize());
    EXPECT_EQ(0u, scene.world.getStaticObjectsSize() + scene.world.getDynamicObjectsSize() +
                      scene.world.getKinematicObjectsSize());
    EXPECT_EQ(0u, scene.world.getJointSize());
    EXPECT_EQ(nullptr, gameplay.endObject);
    EXPECT_EQ(nullptr, gameplay.player.cenario);
    EXPECT_FALSE(gameplay.music.haveAudio());

    gameplay.camera.position = zelk::vec2f32(5.f, 7.f);
    gameplay.playWithBox();
    load();
    EXPECT_EQ(5.f, gameplay.camera.position.x);
    EXPECT_EQ(7.f, gameplay.camera.position.y);
    EXPECT_NE(nullptr, gameplay.endObject);
    EXPECT_EQ(1u, gameplay.player.physicObject.getMeshSize());
    EXPECT_EQ(1u, gameplay.cenario.world.getJointSize());
    gameplay.unload();
    load();
    EXPECT_EQ(0u, gameplay.player.physicObject.getMeshSize());
}

TEST_F(Level, WithoutTheDocumentTheBuiltLevelStaysWithoutBodies) {
    use(Document::none);
    load();
    zelk::Cenario2D& scene = gameplay.cenario;
    ASSERT_NE(nullptr, gameplay.jointBase);
    ASSERT_NE(nullptr, gameplay.jointArm);
    ASSERT_NE(nullptr, gameplay.platform);
    ASSERT_NE(nullptr, gameplay.endObject);
    EXPECT_EQ(60.f, gameplay.endObject->position.x);
    EXPECT_EQ(gameplay.platform, scene.getPhysycObject(8, 0u));
    // The jointed pair and the player.
    EXPECT_EQ(1u, scene.world.getStaticObjectsSize());
    EXPECT_EQ(2u, scene.world.getDynamicObjectsSize());
    EXPECT_EQ(1u, scene.world.getJointSize());
    EXPECT_FALSE(scene.world.haveObject(gameplay.platform));
}
