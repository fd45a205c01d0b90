#include "zelk/Cenario2D.h"
#include "support/PhysicsScene.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/physics2D/StaticObject2D.h"

#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <algorithm>
#include <chrono>
#include <limits>

using zelk::Cenario2D;
using zelk::Object2D;
using zelk::size2ui32;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::physics::bodyType;
using zelk::physics::dynamicBody;
using zelk::physics::kinematicBody;
using zelk::physics::staticBody;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::KinematicObject2D;
using zelk::physics2D::KinematicSensor2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::StaticObject2D;
using zelk::physics2D::StaticSensor2D;
using zelk::test::PhysicsScene;
using zelk::tiles::TileMap2D;

namespace {

PhysicObject2D* newBox(Cenario2D& scene, unsigned int level, bodyType type, vec2f32 position) {
    PhysicObject2D* object = scene.newPhysycObject(level, type);
    if (object) {
        object->position = position;
        PhysicsScene::addRectangle(object, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    }
    return object;
}

// A tile with a static physics template; answers its ID.
unsigned int solidTile(Cenario2D& scene) {
    unsigned int id = scene.tileSet.newTile(zelk::color4f32(1.0f, 1.0f, 1.0f, 1.0f));
    scene.tileSet.setTilePhysics(id, staticBody);
    return id;
}

b2Vec2 velocityOf(Cenario2D& scene, PhysicObject2D* object) {
    b2Body* body = scene.world.getBody(object);
    return body ? body->GetLinearVelocity() : b2Vec2(-1.0f, -1.0f);
}

// A box in level 1 of a scene without gravity, in the world, playing a
// path from (0, 0) to (x, 0) in one second.
PhysicObject2D* pathBox(Cenario2D& scene, bodyType type, float x) {
    scene.world.setGravity(0.0f, 0.0f);
    PhysicObject2D* object = newBox(scene, 1, type, vec2f32());
    object->positionPath.addNewFrame(0.0f, 0.0f, 0.0f);
    object->positionPath.addNewFrame(1.0f, x, 0.0f);
    object->positionPath.playForward();
    scene.loadPhysicObjectsToWorld();
    return object;
}

// Steps the paths and the world by 0.1 s until the object's path stops (4 s
// at most); answers the fastest velocity along x its body had meanwhile.
float runPath(Cenario2D& scene, PhysicObject2D* object) {
    float fastest = 0.0f;
    for (int step = 0; step < 40 && object->positionPath.isPlaying(); step++) {
        scene.stepAnimations(0.1f);
        fastest = std::max(fastest, velocityOf(scene, object).x);
        scene.world.stepElapsed(100000, 10, 10);
    }
    return fastest;
}

} // namespace

TEST(SceneLevels, AnObjectInANewLevelMakesTheLevelsBelowItEmptyAndStartsAtDepthZero) {
    Cenario2D scene;
    Object2D* first = scene.newObject(3);
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(3u, scene.levels.size());
    EXPECT_FALSE(scene.levels.get(0)->haveSome());
    EXPECT_FALSE(scene.levels.get(1)->haveSome());
    EXPECT_EQ(first, scene.getObject(3, 0.0f));
    Object2D* second = scene.newObject(3);
    EXPECT_EQ(second, scene.getObject(3, 1.0f));
    EXPECT_EQ(second, scene.getObject(3, 1u));
    EXPECT_EQ(1.0, scene.getHigherLevel(3));
    EXPECT_EQ(-1.0, scene.getHigherLevel(2));
    EXPECT_EQ(-1.0, scene.getHigherLevel(9));
}

TEST(SceneLevels, LevelZeroAndLevelsPastTheLimitAreRefused) {
    Cenario2D scene;
    Object2D object;
    EXPECT_EQ(nullptr, scene.newObject(0));
    EXPECT_FALSE(scene.addObject(0, &object, 1.0f));
    EXPECT_EQ(nullptr, scene.newPhysycObject(0, staticBody));
    EXPECT_EQ(nullptr, scene.newTileMapInPosition(0, 2, 2));
    EXPECT_EQ(nullptr, scene.newObject(Cenario2D::mostLevels + 1));
    EXPECT_EQ(0u, scene.levels.size());
    EXPECT_NE(nullptr, scene.newObject(Cenario2D::mostLevels));
    EXPECT_EQ(Cenario2D::mostLevels, scene.levels.size());
}

TEST(SceneLevels, ATakenDepthOrAnObjectAlreadyThereIsRefusedAndNothingStays) {
    Cenario2D scene;
    ASSERT_NE(nullptr, scene.newObject(1, 5.0f));
    EXPECT_EQ(nullptr, scene.newObject(1, 5.0f)) << "the made object is deleted again";
    Object2D given;
    EXPECT_TRUE(scene.addObject(1, &given, 1.0f));
    EXPECT_FALSE(scene.addObject(1, &given, 2.0f));
    EXPECT_FALSE(scene.addObject(1, &given));
    EXPECT_FALSE(scene.addObject(1, nullptr, 3.0f));
    EXPECT_EQ(2u, scene.levels.get(0)->objects->size());
    EXPECT_EQ(&given, scene.getObject(1, 0u));
}

TEST(SceneLevels, AFailedFirstPlacingLeavesNoEmptyTree) {
    Cenario2D scene;
    Object2D object;
    EXPECT_FALSE(scene.addObject(2, &object, std::numeric_limits<float>::quiet_NaN()));
    ASSERT_EQ(2u, scene.levels.size());
    EXPECT_FALSE(scene.levels.get(1)->haveSome());
    EXPECT_EQ(-1.0, scene.getHigherLevel(2));
}

TEST(SceneLevels, EachLevelHoldsOneKindOnly) {
    Cenario2D scene;
    ASSERT_NE(nullptr, scene.newObject(1));
    ASSERT_NE(nullptr, scene.newPhysycObject(2, staticBody));
    ASSERT_NE(nullptr, scene.newTileMapInPosition(3, 2, 2));
    EXPECT_EQ(nullptr, scene.newPhysycObject(1, dynamicBody));
    EXPECT_EQ(nullptr, scene.newPhysycSensor(1, staticBody));
    EXPECT_EQ(nullptr, scene.newObject(2));
    EXPECT_EQ(nullptr, scene.newObject(3));
    EXPECT_EQ(nullptr, scene.newPhysycObject(3, staticBody));
    EXPECT_EQ(nullptr, scene.newTileMapInPosition(1, 2, 2));
    EXPECT_EQ(nullptr, scene.newTileMapInPosition(2, 2, 2));
    EXPECT_EQ(-1.0, scene.getHigherLevel(3));
    Object2D plain;
    EXPECT_FALSE(scene.levels.get(1)->physicsObjects->addObject(false, &plain, 7.0))
        << "a physics level takes physics objects only";
}

TEST(SceneLevels, PhysicsKindsAreMadeByType) {
    Cenario2D scene;
    EXPECT_NE(nullptr, dynamic_cast<StaticObject2D*>(scene.newPhysycObject(1, staticBody)));
    EXPECT_NE(nullptr, dynamic_cast<KinematicObject2D*>(scene.newPhysycObject(1, kinematicBody)));
    EXPECT_NE(nullptr, dynamic_cast<DynamicObject2D*>(scene.newPhysycObject(1, dynamicBody)));
    EXPECT_EQ(nullptr, scene.newPhysycObject(1, static_cast<bodyType>(3)));
    StaticSensor2D* still = scene.newPhysycSensor(1, staticBody);
    ASSERT_NE(nullptr, still);
    EXPECT_EQ(nullptr, dynamic_cast<KinematicSensor2D*>(still));
    EXPECT_NE(nullptr, dynamic_cast<KinematicSensor2D*>(scene.newPhysycSensor(1, dynamicBody)));
    EXPECT_NE(nullptr, dynamic_cast<KinematicSensor2D*>(scene.newPhysycSensor(1, kinematicBody)));
    EXPECT_EQ(nullptr, scene.newPhysycSensor(1, static_cast<bodyType>(7)));
    EXPECT_EQ(5.0, scene.getHigherLevel(1));
    EXPECT_EQ(still, scene.getPhysycObject(1, 3.0f));
    EXPECT_EQ(still, scene.getPhysycObject(1, 3u));
}

TEST(SceneLevels, EmptyingALevelResetsTheNextDepth) {
    Cenario2D scene;
    Object2D* object = scene.newObject(1);
    ASSERT_TRUE(scene.deleteObject(1, object));
    EXPECT_EQ(-1.0, scene.getHigherLevel(1)) << "the last object takes its tree with it";
    EXPECT_FALSE(scene.levels.get(0)->haveSome());
    EXPECT_FALSE(scene.deleteObject(1, object));

    scene.newObject(1);
    scene.newObject(1);
    ASSERT_TRUE(scene.deleteAllObjects(0u));
    EXPECT_EQ(0.0, scene.getHigherLevel(1)) << "the emptied tree stays";
    Object2D* next = scene.newObject(1);
    EXPECT_EQ(next, scene.getObject(1, 1.0f));
    EXPECT_FALSE(scene.deleteAllObjects(5u));
}

TEST(SceneLevels, TheSceneDeletesWhatItMadeAndNeverWhatItWasGiven) {
    Object2D given;
    DynamicObject2D givenBody;
    PhysicsScene::addRectangle(&givenBody, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    {
        Cenario2D scene;
        scene.newObject(1);
        ASSERT_TRUE(scene.addObject(1, &given));
        newBox(scene, 2, dynamicBody, vec2f32());
        ASSERT_TRUE(scene.addPhysycObject(2, &givenBody));
        scene.loadPhysicObjectsToWorld(2);
        ASSERT_TRUE(scene.world.haveObject(&givenBody));
        scene.newTileMapInPosition(3, 4, 4);
        scene.deleteAllLevels();
        EXPECT_EQ(0u, scene.levels.size());
        EXPECT_EQ(0u, scene.world.getDynamicObjectsSize());
        scene.newObject(1);
        scene.addObject(2, &given);
        scene.addPhysycObject(3, &givenBody);
        scene.loadPhysicObjectToWorld(3, &givenBody);
    }
    EXPECT_EQ(1u, givenBody.physicsMesh.getPolygonSize());
    EXPECT_TRUE(given.canDeleteObject);
}

TEST(SceneLevels, DeletingEveryObjectOfOneKindKeepsTheOtherLevels) {
    Cenario2D scene;
    scene.newObject(1);
    newBox(scene, 2, staticBody, vec2f32());
    scene.deleteAllObjects();
    EXPECT_FALSE(scene.levels.get(0)->haveSome());
    EXPECT_NE(nullptr, scene.levels.get(1)->physicsObjects);
    scene.newObject(1);
    scene.deleteAllPhysycObjects();
    EXPECT_FALSE(scene.levels.get(1)->haveSome());
    EXPECT_NE(nullptr, scene.levels.get(0)->objects);
}

TEST(ScenePhysics, ObjectsEnterTheWorldOnlyWhenLoadedAndLeaveItBeforeTheirEntries) {
    StaticObject2D given;
    PhysicsScene::addRectangle(&given, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    Cenario2D scene;
    PhysicObject2D* body = newBox(scene, 1, dynamicBody, vec2f32());
    StaticObject2D* ground = &given;
    ASSERT_TRUE(scene.addPhysycObject(1, ground));
    EXPECT_FALSE(scene.world.haveObject(body));
    EXPECT_FALSE(scene.loadPhysicObjectToWorld(2, body)) << "not in that level";
    EXPECT_TRUE(scene.loadPhysicObjectToWorld(1, body));
    EXPECT_FALSE(scene.loadPhysicObjectToWorld(1, body)) << "already in the world";
    b2Body* before = scene.world.getBody(body);
    EXPECT_TRUE(scene.loadPhysicObjectsToWorld(1));
    EXPECT_TRUE(scene.world.haveObject(ground));
    EXPECT_NE(nullptr, scene.world.getBody(body));
    EXPECT_EQ(1u, scene.world.getDynamicObjectsSize()) << "the body was made again: " << before;

    EXPECT_TRUE(scene.deletePhysycObject(1, ground));
    EXPECT_FALSE(scene.world.haveObject(ground));
    EXPECT_TRUE(scene.deleteAllPhysycObjects(1));
    EXPECT_EQ(0u, scene.world.getDynamicObjectsSize());
    EXPECT_EQ(0.0, scene.getHigherLevel(1));
    EXPECT_FALSE(scene.deleteAllPhysycObjects(2));
    EXPECT_FALSE(scene.loadPhysicObjectsToWorld(2));
}

TEST(ScenePhysics, DeletingALevelTakesItsObjectsOutOfTheWorldAndKeepsTheLevel) {
    Cenario2D scene;
    PhysicObject2D* body = newBox(scene, 2, dynamicBody, vec2f32());
    scene.loadPhysicObjectsToWorld();
    ASSERT_TRUE(scene.world.haveObject(body));
    EXPECT_TRUE(scene.deleteLevel(2));
    EXPECT_EQ(0u, scene.world.getDynamicObjectsSize());
    EXPECT_EQ(2u, scene.levels.size());
    EXPECT_FALSE(scene.deleteLevel(3));
    EXPECT_FALSE(scene.deleteLevel(0));
}

TEST(ScenePhysics, AKinematicBodyFollowsItsPathAndStopsOnceWhenThePathEnds) {
    Cenario2D scene;
    PhysicObject2D* platform = pathBox(scene, kinematicBody, 2.0f);
    Cenario2D::ObjClass* entry = scene.levels.get(0)->physicsObjects->getObjClass(platform);
    scene.stepAnimations(0.1f);
    EXPECT_TRUE(entry->moving);
    EXPECT_GT(runPath(scene, platform), 0.0f) << "the body is sent after the object";
    ASSERT_FALSE(platform->positionPath.isPlaying());
    EXPECT_NEAR(2.0f, platform->position.x, 0.6f);
    scene.stepAnimations(0.1f);
    EXPECT_EQ(0.0f, velocityOf(scene, platform).x) << "stopped when the path ended";
    EXPECT_FALSE(entry->moving);
    scene.world.setLinearVelocity(platform, vec2f32(3.0f, 0.0f));
    scene.stepAnimations(0.1f);
    EXPECT_EQ(3.0f, velocityOf(scene, platform).x) << "stopped only once";
}

TEST(ScenePhysics, ADynamicBodyKeepsItsVelocityWhenItsPathEnds) {
    Cenario2D scene;
    PhysicObject2D* body = pathBox(scene, dynamicBody, 1.0f);
    EXPECT_GT(runPath(scene, body), 0.0f);
    ASSERT_FALSE(body->positionPath.isPlaying());
    float before = velocityOf(scene, body).x;
    scene.stepAnimations(0.1f);
    EXPECT_EQ(before, velocityOf(scene, body).x);
    EXPECT_FALSE(scene.levels.get(0)->physicsObjects->getObjClass(body)->moving);
}

TEST(ScenePhysics, TheWorldStepsByTheRealTimeSinceItsLastStepTimesItsScale) {
    Cenario2D scene;
    PhysicObject2D* body = newBox(scene, 1, dynamicBody, vec2f32());
    scene.loadPhysicObjectsToWorld();
    scene.worldSetClockScale(0.0f);
    scene.worldClockStart();
    scene.updatePhysics(10, 10);
    EXPECT_EQ(0.0f, body->position.y) << "no time at scale 0";
    scene.worldSetClockScale(1.0f);
    scene.worldClockStart();
    auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(20)) {
    }
    scene.updatePhysics(10, 10);
    EXPECT_LT(body->position.y, 0.0f) << "the body fell for the time that passed";
}

TEST(ScenePhysics, UpdatingRunsThePlainObjectsAnimationsAndAnsweringMissingLevels) {
    Cenario2D scene;
    Object2D* turning = scene.newObject(2);
    turning->animationAngle.addFirstInterpolationLine(0.0f, 45.0f, 10.0f, 45.0f);
    turning->animationAngle.playForward();
    scene.updateAnimations();
    EXPECT_EQ(45.0f, turning->angle);
    EXPECT_TRUE(scene.updateAnimation(0));
    EXPECT_FALSE(scene.updateAnimation(2));
}

TEST(SceneJointEnds, PhysicsObjectsAndPhysicsTilesAreFoundByLevelAndBack) {
    Cenario2D scene;
    PhysicObject2D* object = newBox(scene, 2, dynamicBody, vec2f32());
    scene.newObject(1);
    unsigned int tile = solidTile(scene);
    TileMap2D* map = scene.newTileMapInPosition(4, 3, 3);
    map->setTile(tile, 1, 2);
    ASSERT_TRUE(scene.loadPhysicObjectsToWorld(4));
    PhysicObject2D* physicTile = map->getPhysicTile(1u, 2u);
    ASSERT_NE(nullptr, physicTile);

    Cenario2D::PhysicsPosition where;
    ASSERT_TRUE(scene.getPhysicsLevelObject(object, &where));
    EXPECT_EQ(1u, where.level);
    EXPECT_EQ(Cenario2D::PhysicsPosition::physicObject, where.objectType);
    EXPECT_EQ(0.0f, where.depth);
    EXPECT_EQ(object, scene.getPhysicsObjectInLevel(where));
    ASSERT_TRUE(scene.getPhysicsLevelObject(physicTile, &where));
    EXPECT_EQ(3u, where.level);
    EXPECT_EQ(Cenario2D::PhysicsPosition::physicTile, where.objectType);
    EXPECT_EQ(vec2ui32(1u, 2u), where.mapPosition);
    EXPECT_EQ(physicTile, scene.getPhysicsObjectInLevel(where));

    unsigned int level = 9;
    float depth = 9.0f;
    EXPECT_TRUE(scene.getPhysicsObjectLevelDepth(object, &level, &depth));
    EXPECT_EQ(1u, level);
    EXPECT_EQ(0.0f, depth);
    EXPECT_FALSE(scene.getPhysicsObjectLevelDepth(physicTile, &level, &depth));
    PhysicObject2D outsider;
    EXPECT_FALSE(scene.getPhysicsLevelObject(&outsider, &where));
    EXPECT_FALSE(scene.getPhysicsLevelObject(nullptr, &where));
}

TEST(SceneJointEnds, PositionsNamingMissingLevelsOrLevelsOfAnotherKindGiveNull) {
    Cenario2D scene;
    newBox(scene, 1, staticBody, vec2f32());
    scene.newObject(2);
    scene.newTileMapInPosition(3, 2, 2);
    Cenario2D::PhysicsPosition where;
    where.objectType = Cenario2D::PhysicsPosition::physicObject;
    EXPECT_NE(nullptr, scene.getPhysicsObjectInLevel(where));
    for (unsigned int level : {1u, 2u, 99u, 4000000000u}) {
        where.level = level;
        EXPECT_EQ(nullptr, scene.getPhysicsObjectInLevel(where)) << level;
    }
    where.objectType = Cenario2D::PhysicsPosition::physicTile;
    for (unsigned int level : {0u, 1u, 2u, 99u}) {
        where.level = level;
        EXPECT_EQ(nullptr, scene.getPhysicsObjectInLevel(where)) << level;
    }
    where.level = 0;
    where.objectType = 7;
    EXPECT_EQ(nullptr, scene.getPhysicsObjectInLevel(where));
}

TEST(SceneTileMaps, ANewMapTakesTheFirstEmptyLevelElseANewOne) {
    Cenario2D scene;
    scene.newObject(1);
    scene.newObject(2);
    scene.newObject(4);
    EXPECT_EQ(3u, scene.newTileMap(size2ui32(2, 2)));
    EXPECT_EQ(5u, scene.newTileMap(2, 2));
    EXPECT_EQ(0u, scene.newTileMap(0, 2));
    TileMap2D* map = scene.getTileMap(3);
    ASSERT_NE(nullptr, map);
    EXPECT_EQ(3u, scene.getTileMapID(map));
    EXPECT_EQ(0u, scene.getTileMapID(nullptr));
    EXPECT_EQ(nullptr, scene.getTileMap(1));
    EXPECT_EQ(nullptr, scene.newTileMapInPosition(6, 0, 3)) << "a failed map leaves nothing";
    EXPECT_FALSE(scene.levels.get(5)->haveSome());
}

TEST(SceneTileMaps, DeletingTheSelectedMapClearsTheSelection) {
    Cenario2D scene;
    TileMap2D* map = scene.newTileMapInPosition(2, 3, 3);
    ASSERT_TRUE(scene.selectTileMap(2));
    EXPECT_TRUE(scene.selectedTileMapSetPosition(1.0f, 2.0f));
    EXPECT_TRUE(scene.deleteTileMap(map));
    EXPECT_FALSE(scene.selectedTileMapSetPosition(vec2f32(1.0f, 1.0f)));
    EXPECT_FALSE(scene.deleteTileMap(2));
    EXPECT_FALSE(scene.deleteTileMap(static_cast<TileMap2D*>(nullptr)));

    scene.newTileMapInPosition(2, 3, 3);
    ASSERT_TRUE(scene.selectTileMap(2));
    scene.newTileMapInPosition(2, 4, 4);
    EXPECT_EQ(nullptr, scene.selectedTileMap) << "a replaced map is deleted";
    scene.selectTileMap(2);
    EXPECT_EQ(2u, scene.deleteAllTileMaps());
    EXPECT_EQ(nullptr, scene.selectedTileMap);
    EXPECT_FALSE(scene.selectTileMap(2));
}

TEST(SceneTileMaps, TheSelectionForwardsToItsMapAndAnswersItsResults) {
    Cenario2D scene;
    unsigned int tile = solidTile(scene);
    EXPECT_FALSE(scene.selectedTileMapSetTile(tile, 0, 0));
    EXPECT_FALSE(scene.selectedTileLoadPhysicsTiles());
    EXPECT_FALSE(scene.selectedTileDeletePhysicsTiles());
    EXPECT_EQ(vec2f32(), scene.selectedTileMapGetTileWorldPosition(1u, 1u));
    TileMap2D* map = scene.newTileMapInPosition(1, 3, 2);
    ASSERT_TRUE(scene.selectTileMap(1));
    EXPECT_TRUE(scene.selectedTileMapSetTile(tile, vec2ui32(0, 0)));
    EXPECT_FALSE(scene.selectedTileMapSetTile(tile, 3, 0));
    EXPECT_TRUE(scene.selectedTileMapSetScaleMap(2.0f, 2.0f));
    EXPECT_FALSE(scene.selectedTileMapSetScaleMap(0.0f, 2.0f));
    EXPECT_EQ(map->getTileWorldPosition(2u, 1u), scene.selectedTileMapGetTileWorldPosition(2u, 1u));
    EXPECT_EQ(map->getTileWorldPosition(vec2f32(1.0f, 0.0f)),
              scene.selectedTileMapGetTileWorldPosition(vec2f32(1.0f, 0.0f)));

    EXPECT_TRUE(scene.selectedTileLoadPhysicTile(0, 0));
    EXPECT_NE(nullptr, map->getPhysicTile(0u, 0u));
    EXPECT_FALSE(scene.selectedTileLoadPhysicTile(vec2ui32(1, 1))) << "an empty cell is refused";
    EXPECT_TRUE(scene.selectedTileDeletePhysicTile(0, 0));
    EXPECT_FALSE(scene.selectedTileDeletePhysicTile(vec2ui32(0, 0)));
    EXPECT_TRUE(scene.selectedTileLoadPhysicsTiles());
    EXPECT_EQ(1u, scene.world.getStaticObjectsSize());
    EXPECT_TRUE(scene.selectedTileDeletePhysicsTiles());
    EXPECT_EQ(0u, scene.world.getStaticObjectsSize());
    scene.cleanSelectedTileMap();
    EXPECT_FALSE(scene.selectedTileMapSetTile(tile, 0, 0));
}
