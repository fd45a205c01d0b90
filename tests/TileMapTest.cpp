#include "support/PhysicsScene.h"
#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/physics2D/Contact2D.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/tiles/TileMap2D.h"
#include "zelk/tiles/TileSet2D.h"
#include "zelk/tiles/tileCallback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

using zelk::color4f32;
using zelk::size2f32;
using zelk::size2ui32;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::physics2D::Contact2D;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::StaticObject2D;
using zelk::test::captureStdout;
using zelk::test::documentText;
using zelk::test::PhysicsScene;
using zelk::test::RootDocument;
using zelk::tiles::tileCallback;
using zelk::tiles::tileContact2D;
using zelk::tiles::TileMap2D;
using zelk::tiles::TileSet2D;

namespace {

const color4f32 white(1.f, 1.f, 1.f, 1.f);
const unsigned int plainTile = 2;
const unsigned int staticTile = 7;
const unsigned int dynamicTile = 8;

// One tile event as a listener heard it: the slot (0 begin to 6 sensor
// keeping), the record and the contact's objects.
struct HeardTile {
    int slot;
    tileContact2D tiles;
    PhysicObject2D* objectA;
    PhysicObject2D* objectB;
};

class TileLog : public tileCallback {
public:
    void contact2DTileBegin(tileContact2D t, Contact2D* c) override { heard(0, t, c); }
    void contact2DTileEnd(tileContact2D t, Contact2D* c) override { heard(1, t, c); }
    void contact2DTileKeepBegin(tileContact2D t, Contact2D* c) override { heard(2, t, c); }
    void contact2DTileKeepEnd(tileContact2D t, Contact2D* c) override { heard(3, t, c); }
    void sensor2DTileBegin(tileContact2D t, Contact2D* c) override { heard(4, t, c); }
    void sensor2DTileEnd(tileContact2D t, Contact2D* c) override { heard(5, t, c); }
    void sensor2DTileKeeping(tileContact2D t, Contact2D* c) override { heard(6, t, c); }

    // The events of one slot.
    std::vector<HeardTile> of(int slot) const {
        std::vector<HeardTile> found;
        for (const HeardTile& event : events) {
            if (event.slot == slot) {
                found.push_back(event);
            }
        }
        return found;
    }

    std::vector<HeardTile> events;
    // Run on every event, inside the world's step.
    std::function<void()> action;

private:
    void heard(int slot, tileContact2D tiles, Contact2D* contact) {
        events.push_back(HeardTile{slot, tiles, contact->objectA, contact->objectB});
        if (action) {
            action();
        }
    }
};

// A physics scene with a tile set of eight tiles, tile 7 with a static
// template and tile 8 with a dynamic one, and a map of w x h cells over it
// in the scene's world, heard by a tile log. The log and the scene outlive
// the map, which takes its physics tiles out of the world when it goes.
struct TileWorld {
    TileWorld(unsigned int w, unsigned int h) {
        for (int i = 0; i < 8; i++) {
            set.newTile(white);
        }
        set.setTilePhysics(staticTile, zelk::physics::staticBody);
        set.setTilePhysics(dynamicTile, zelk::physics::dynamicBody);
        map.newTileMap(w, h);
        map.setTileSet(&set);
        map.setWorld(&scene.world);
        map.addTileCallback(&log);
    }

    unsigned int objectsInWorld() {
        return scene.world.getStaticObjectsSize() + scene.world.getKinematicObjectsSize() +
               scene.world.getDynamicObjectsSize();
    }
    vec2f32 bodyPosition(PhysicObject2D* object) {
        b2Body* body = scene.world.getBody(object);
        return body ? vec2f32(body->GetPosition().x, body->GetPosition().y) : vec2f32(NAN, NAN);
    }

    TileLog log;
    PhysicsScene scene;
    TileSet2D set;
    TileMap2D map;
};

// The IDs of every cell, row 0 first.
std::vector<unsigned int> cells(TileMap2D& map) {
    std::vector<unsigned int> ids;
    for (unsigned int y = 0; y < map.getMapSize().height; y++) {
        for (unsigned int x = 0; x < map.getMapSize().width; x++) {
            ids.push_back(map.getTileID(x, y));
        }
    }
    return ids;
}

// A 2 x 2 map holding 1 2 / 3 4.
void fillTwoByTwo(TileMap2D& map) {
    map.newTileMap(2, 2);
    map.setTile(1, 0, 0);
    map.setTile(2, 1, 0);
    map.setTile(3, 0, 1);
    map.setTile(4, 1, 1);
}

std::string mapElement(const std::string& attributes, const std::string& text) {
    return "<tileMap_0 " + attributes + "><tileMap>" + text + "</tileMap></tileMap_0>";
}

} // namespace

TEST(TileGrid, ANewMapHoldsZerosAndAZeroSideIsRefused) {
    TileMap2D map;
    EXPECT_FALSE(map.newTileMap(0, 5));
    EXPECT_FALSE(map.haveTileMap());
    ASSERT_TRUE(map.newTileMap(size2ui32(3u, 2u)));
    EXPECT_EQ(size2ui32(3u, 2u), map.getMapSize());
    EXPECT_EQ(std::vector<unsigned int>(6, 0), cells(map));
    EXPECT_TRUE(map.setTile(4, 2, 1));
    EXPECT_TRUE(map.setTile(5, vec2ui32(0u, 0u)));
    EXPECT_FALSE(map.setTile(6, 3, 0));
    EXPECT_FALSE(map.setTile(6, 0, 2));
    EXPECT_EQ((std::vector<unsigned int>{5, 0, 0, 0, 0, 4}), cells(map));
    EXPECT_EQ(0u, map.getTileID(5, 0));
    map.cleanTiles();
    EXPECT_EQ(std::vector<unsigned int>(6, 0), cells(map));
}

TEST(TileGrid, MapsLargerThanTheCapAreRefusedWithoutAllocating) {
    TileMap2D map;
    EXPECT_FALSE(map.newTileMap(1u << 20, 1u << 20));
    EXPECT_FALSE(map.newTileMap(4294967295u, 4294967295u));
    EXPECT_FALSE(map.haveTileMap());
    EXPECT_EQ(size2ui32(0u, 0u), map.getMapSize());
}

TEST(TileGrid, WithoutAGridEveryCellOperationAnswersAsForAnEmptyMap) {
    TileWorld scene(3, 2);
    scene.map.setTile(staticTile, 1, 1);
    scene.map.deleteTileMap();
    EXPECT_FALSE(scene.map.haveTileMap());
    EXPECT_EQ(size2ui32(0u, 0u), scene.map.getMapSize());
    EXPECT_FALSE(scene.map.setTile(1, 0, 0));
    EXPECT_EQ(0u, scene.map.getTileID(1, 1));
    scene.map.cleanTiles();
    EXPECT_EQ(vec2f32(), scene.map.getTileWorldPosition(0, 0));
    EXPECT_FALSE(scene.map.loadPhysicTile(1, 1));
    EXPECT_TRUE(scene.map.loadPhysicsTiles());
    EXPECT_EQ(0u, scene.objectsInWorld());
    EXPECT_EQ("", captureStdout([&] { scene.map.print(); }));
    RootDocument document;
    EXPECT_TRUE(scene.map.writeToXML(&document.xml, 0));
    EXPECT_EQ(std::string::npos, documentText(document.xml).find("<tileMap>"));
}

TEST(TileGrid, PrintListsEveryCellRowByRowOnlyWithATileSet) {
    TileSet2D set;
    TileMap2D map;
    map.newTileMap(2, 2);
    map.setTile(5, 1, 0);
    EXPECT_EQ("", captureStdout([&] { map.print(); }));
    map.setTileSet(&set);
    EXPECT_EQ("\n0 0 [0] \n1 0 [5] \n0 1 [0] \n1 1 [0] ", captureStdout([&] { map.print(); }));
}

TEST(TileCoordinates, RowZeroIsTheTopRowAndTheLastRowSitsOnThePosition) {
    TileMap2D map;
    map.newTileMap(3, 2);
    EXPECT_EQ(vec2f32(0.f, 1.f), map.getTileWorldPosition(0, 0));
    EXPECT_EQ(vec2f32(2.f, 0.f), map.getTileWorldPosition(2, 1));
    EXPECT_EQ(vec2f32(1.5f, 0.5f), map.getTileWorldPosition(vec2f32(1.5f, 0.5f)));
}

TEST(TileCoordinates, PositionIsKeptInCellsAndGivenBackInWorldUnits) {
    TileMap2D map;
    map.newTileMap(3, 2);
    ASSERT_TRUE(map.setScaleMap(2.f, 3.f));
    map.setPosition(4.f, 6.f);
    EXPECT_EQ(vec2f32(4.f, 6.f), map.getPosition());
    EXPECT_EQ(vec2f32(4.f, 6.f), map.getTileWorldPosition(0, 1)) << "position (2, 2) in cells";
    EXPECT_EQ(vec2f32(6.f, 9.f), map.getTileWorldPosition(1, 0));
    map.setPosition(NAN, 1.f);
    EXPECT_EQ(vec2f32(4.f, 6.f), map.getPosition());
}

TEST(TileCoordinates, CellsOutsideTheMapHaveWorldPointZero) {
    TileMap2D map;
    EXPECT_EQ(vec2f32(), map.getTileWorldPosition(0, 0));
    map.newTileMap(3, 2);
    map.setPosition(5.f, 5.f);
    EXPECT_EQ(vec2f32(), map.getTileWorldPosition(3, 0));
    EXPECT_EQ(vec2f32(), map.getTileWorldPosition(0, 2));
    EXPECT_EQ(vec2f32(), map.getTileWorldPosition(vec2f32(-0.5f, 0.f)));
    EXPECT_EQ(vec2f32(), map.getTileWorldPosition(vec2f32(3.f, 0.f)));
    EXPECT_EQ(vec2f32(), map.getTileWorldPosition(vec2f32(NAN, 0.f)));
    EXPECT_EQ(vec2f32(5.f, 5.f), map.getTileWorldPosition(0, 1));
}

TEST(TileCoordinates, RescalingKeepsTheWorldPositionAndRefusesZeroOrEndlessSides) {
    TileMap2D map;
    map.newTileMap(3, 2);
    map.setPosition(4.f, 6.f);
    EXPECT_FALSE(map.setScaleMap(0.f, 1.f));
    EXPECT_FALSE(map.setScaleMap(NAN, 1.f));
    EXPECT_FALSE(map.setScaleMap(size2f32(1.f, INFINITY)));
    EXPECT_EQ(size2f32(1.f, 1.f), map.getScaleMap());
    ASSERT_TRUE(map.setScaleMap(2.f, 2.f));
    EXPECT_EQ(size2f32(2.f, 2.f), map.getScaleMap());
    EXPECT_EQ(vec2f32(4.f, 6.f), map.getPosition());
    EXPECT_EQ(vec2f32(6.f, 8.f), map.getTileWorldPosition(1, 0));
}

TEST(PhysicsTiles, CellsWithATemplateEnterTheWorldAndTheirIDsComeBackWhenTheyLeave) {
    TileWorld scene(4, 3);
    for (unsigned int x = 0; x < 3; x++) {
        scene.map.setTile(staticTile, x, 2);
    }
    scene.map.setTile(plainTile, 3, 2);
    scene.map.setTile(staticTile, 3, 0);
    ASSERT_TRUE(scene.map.loadPhysicsTiles());
    EXPECT_EQ(4u, scene.scene.world.getStaticObjectsSize());
    EXPECT_EQ((std::vector<unsigned int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, plainTile}),
              cells(scene.map));
    PhysicObject2D* tile = scene.map.getPhysicTile(1, 2);
    ASSERT_NE(nullptr, tile);
    EXPECT_EQ(vec2f32(1.f, 0.f), tile->position);
    EXPECT_EQ(vec2f32(1.f, 0.f), scene.bodyPosition(tile));
    EXPECT_EQ(size2f32(1.f, 1.f), tile->size);
    EXPECT_TRUE(scene.map.havePhysicObject(tile));
    EXPECT_EQ(vec2ui32(1u, 2u), scene.map.getPhysicObjectPosition(tile));
    EXPECT_EQ(nullptr, scene.map.getPhysicTile(3, 2));
    StaticObject2D stranger;
    EXPECT_FALSE(scene.map.havePhysicObject(&stranger));
    EXPECT_EQ(vec2ui32(), scene.map.getPhysicObjectPosition(&stranger));

    RootDocument document;
    scene.map.writeToXML(&document.xml, 0);
    EXPECT_NE(std::string::npos,
              documentText(document.xml).find("<tileMap>0 0 0 7 0 0 0 0 7 7 7 2</tileMap>"));

    scene.map.deletePhysicsTiles();
    EXPECT_EQ(0u, scene.objectsInWorld());
    EXPECT_EQ(nullptr, scene.map.getPhysicTile(1, 2));
    EXPECT_EQ((std::vector<unsigned int>{0, 0, 0, 7, 0, 0, 0, 0, 7, 7, 7, plainTile}),
              cells(scene.map));
}

TEST(PhysicsTiles, OneCellAtATimeWithoutZeroIDsPlainTilesOrCellsOutside) {
    TileWorld scene(2, 2);
    scene.map.setTile(staticTile, 0, 1);
    scene.map.setTile(plainTile, 1, 1);
    scene.map.setTile(dynamicTile, 1, 0);
    EXPECT_FALSE(scene.map.loadPhysicTile(0, 0)) << "ID 0";
    EXPECT_FALSE(scene.map.loadPhysicTile(1, 1)) << "no template";
    EXPECT_FALSE(scene.map.loadPhysicTile(vec2ui32(2u, 0u)));
    ASSERT_TRUE(scene.map.loadPhysicTile(vec2ui32(0u, 1u)));
    ASSERT_TRUE(scene.map.loadPhysicTile(0, 1)) << "made again in place of the first";
    ASSERT_TRUE(scene.map.loadPhysicTile(1, 0));
    EXPECT_EQ(1u, scene.scene.world.getStaticObjectsSize());
    EXPECT_EQ(1u, scene.scene.world.getDynamicObjectsSize());
    EXPECT_EQ(0u, scene.map.getTileID(0, 1));
    EXPECT_TRUE(scene.map.deletePhysicTile(0, 1));
    EXPECT_FALSE(scene.map.deletePhysicTile(0, 1));
    EXPECT_EQ(staticTile, scene.map.getTileID(0, 1));
    EXPECT_EQ(0u, scene.scene.world.getStaticObjectsSize());
}

TEST(PhysicsTiles, SensorTemplatesMakeSensorTilesOfTheirKind) {
    TileWorld scene(2, 1);
    scene.set.getTilePhysicsObject(staticTile)->sensor = true;
    scene.set.getTilePhysicsObject(dynamicTile)->sensor = true;
    scene.map.setTile(staticTile, 0, 0);
    scene.map.setTile(dynamicTile, 1, 0);
    scene.map.loadPhysicsTiles();
    EXPECT_NE(nullptr,
              dynamic_cast<zelk::physics2D::StaticSensor2D*>(scene.map.getPhysicTile(0, 0)));
    PhysicObject2D* falling = scene.map.getPhysicTile(1, 0);
    EXPECT_TRUE(falling->isSensor());
    EXPECT_EQ(zelk::physics::dynamicBody, falling->getType());
}

TEST(PhysicsTiles, StayInTheWorldWhenAskedToLeaveDuringAStep) {
    TileWorld scene(1, 3);
    scene.map.setTile(dynamicTile, 0, 0);
    scene.map.setTile(staticTile, 0, 2);
    scene.map.loadPhysicsTiles();
    int refused = 0;
    scene.log.action = [&] {
        refused += scene.map.deletePhysicTile(0, 2) ? 0 : 1;
        scene.map.deletePhysicsTiles();
        scene.map.cleanWorldPointer();
    };
    scene.scene.step(60);
    scene.log.action = nullptr;
    EXPECT_GT(refused, 0);
    EXPECT_EQ(2u, scene.objectsInWorld());
    EXPECT_NE(nullptr, scene.map.getPhysicTile(0, 2)) << "the map keeps its world";
    scene.map.deletePhysicsTiles();
    EXPECT_EQ(0u, scene.objectsInWorld());
}

TEST(PhysicsTiles, NeedAWorldAndATileSet) {
    TileSet2D set;
    set.newTile(white);
    set.setTilePhysics(1, zelk::physics::staticBody);
    TileMap2D map(&set);
    map.newTileMap(1, 1);
    map.setTile(1, 0, 0);
    EXPECT_FALSE(map.setWorld(nullptr));
    EXPECT_FALSE(map.loadPhysicsTiles());
    EXPECT_FALSE(map.loadPhysicTile(0, 0));
    EXPECT_EQ(1u, map.getTileID(0, 0));
    PhysicsScene physics;
    TileMap2D orphan;
    orphan.newTileMap(1, 1);
    orphan.setTile(1, 0, 0);
    orphan.setWorld(&physics.world);
    EXPECT_FALSE(orphan.loadPhysicsTiles());
    EXPECT_FALSE(orphan.setTileSet(nullptr));
}

TEST(PhysicsTiles, LeaveWithTheirTileSetTheirWorldOrTheirMap) {
    TileWorld scene(2, 1);
    scene.map.setTile(staticTile, 0, 0);
    scene.map.setTile(dynamicTile, 1, 0);
    scene.map.loadPhysicsTiles();
    EXPECT_EQ(2u, scene.objectsInWorld());
    scene.map.removeTileSet();
    EXPECT_EQ(0u, scene.objectsInWorld());
    EXPECT_EQ((std::vector<unsigned int>{staticTile, dynamicTile}), cells(scene.map));

    scene.map.setTileSet(&scene.set);
    scene.map.loadPhysicsTiles();
    scene.map.cleanWorldPointer();
    EXPECT_EQ(0u, scene.objectsInWorld());
    EXPECT_EQ((std::vector<unsigned int>{staticTile, dynamicTile}), cells(scene.map));
    EXPECT_FALSE(scene.map.loadPhysicsTiles());

    {
        TileMap2D map(&scene.set);
        map.newTileMap(1, 1);
        map.setTile(staticTile, 0, 0);
        map.setWorld(&scene.scene.world);
        map.loadPhysicsTiles();
        EXPECT_EQ(1u, scene.objectsInWorld());
    }
    EXPECT_EQ(0u, scene.objectsInWorld());

    scene.map.setWorld(&scene.scene.world);
    scene.map.loadPhysicsTiles();
    scene.map.newTileMap(1, 1);
    EXPECT_EQ(0u, scene.objectsInWorld()) << "a new grid replaces the old one";
}

TEST(PhysicsTiles, FollowTheMapWhenItMovesOrIsRescaled) {
    TileWorld scene(2, 2);
    scene.map.setTile(staticTile, 0, 1);
    scene.map.loadPhysicsTiles();
    PhysicObject2D* tile = scene.map.getPhysicTile(0, 1);
    scene.map.setPosition(10.f, 5.f);
    EXPECT_EQ(vec2f32(10.f, 5.f), tile->position);
    EXPECT_EQ(vec2f32(10.f, 5.f), scene.bodyPosition(tile));
    ASSERT_TRUE(scene.map.setScaleMap(2.f, 2.f));
    EXPECT_EQ(size2f32(2.f, 2.f), tile->size);
    EXPECT_EQ(scene.map.getTileWorldPosition(0, 1), tile->position);
    EXPECT_EQ(tile->position, scene.bodyPosition(tile));
    b2AABB box = scene.scene.fixtures(tile).at(0)->GetAABB(0);
    EXPECT_NEAR(2.02f, box.upperBound.x - box.lowerBound.x, 0.05f) << "the body has the new size";
    EXPECT_EQ(tile, scene.map.getPhysicTile(0, 1)) << "the same object";
}

TEST(PhysicsTiles, AFallenTileKeepsItsOffsetFromItsCellWhenTheMapMoves) {
    TileWorld scene(1, 1);
    scene.map.setTile(dynamicTile, 0, 0);
    scene.map.loadPhysicsTiles();
    PhysicObject2D* tile = scene.map.getPhysicTile(0, 0);
    scene.scene.step(30);
    vec2f32 fallen = tile->position;
    ASSERT_LT(fallen.y, -0.5f);
    scene.map.setPosition(3.f, 0.f);
    EXPECT_FLOAT_EQ(fallen.x + 3.f, tile->position.x);
    EXPECT_FLOAT_EQ(fallen.y, tile->position.y);
    EXPECT_EQ(tile->position, scene.bodyPosition(tile));
}

TEST(TileContacts, BetweenTwoPhysicsTilesCarryBothIDsAndCells) {
    TileWorld scene(1, 3);
    scene.map.setTile(dynamicTile, 0, 0);
    scene.map.setTile(staticTile, 0, 2);
    scene.map.loadPhysicsTiles();
    PhysicObject2D* falling = scene.map.getPhysicTile(0, 0);
    scene.scene.step(60);
    // The tile may bounce once or twice before it rests.
    std::vector<HeardTile> begins = scene.log.of(0);
    ASSERT_FALSE(begins.empty());
    HeardTile begin = begins[0];
    bool fallingFirst = begin.objectA == falling;
    EXPECT_EQ(fallingFirst ? dynamicTile : staticTile, begin.tiles.idA);
    EXPECT_EQ(fallingFirst ? staticTile : dynamicTile, begin.tiles.idB);
    EXPECT_EQ(fallingFirst ? vec2ui32(0u, 0u) : vec2ui32(0u, 2u), begin.tiles.positionA);
    EXPECT_EQ(fallingFirst ? vec2ui32(0u, 2u) : vec2ui32(0u, 0u), begin.tiles.positionB);
    EXPECT_FALSE(scene.log.of(2).empty()) << "the touch goes on";
}

TEST(TileContacts, WithAnotherObjectLeaveThatSideEmpty) {
    TileWorld scene(1, 1);
    scene.map.setTile(staticTile, 0, 0);
    scene.map.setPosition(0.f, 3.f);
    scene.map.loadPhysicsTiles();
    DynamicObject2D* box = scene.scene.box<DynamicObject2D>(vec2f32(0.f, 5.f));
    scene.scene.step(60);
    std::vector<HeardTile> begins = scene.log.of(0);
    ASSERT_FALSE(begins.empty());
    const tileContact2D& tiles = begins[0].tiles;
    bool boxFirst = begins[0].objectA == box;
    EXPECT_EQ(boxFirst ? 0u : staticTile, tiles.idA);
    EXPECT_EQ(boxFirst ? staticTile : 0u, tiles.idB);
    EXPECT_EQ(vec2ui32(), boxFirst ? tiles.positionA : tiles.positionB);
}

TEST(TileContacts, ThatTouchNoPhysicsTileReachNoListener) {
    TileWorld scene(1, 1);
    scene.scene.box<StaticObject2D>(vec2f32(0.f, 0.f));
    scene.scene.box<DynamicObject2D>(vec2f32(0.f, 1.5f));
    scene.scene.step(60);
    EXPECT_GT(scene.scene.world.hearing.count(zelk::test::ContactEvent::begin), 0);
    EXPECT_TRUE(scene.log.events.empty());
}

TEST(TileContacts, EachWorldEventReachesTheTileOperationOfTheSameSlot) {
    TileWorld scene(1, 1);
    scene.map.setTile(staticTile, 0, 0);
    scene.map.loadPhysicsTiles();
    Contact2D contact(nullptr);
    contact.objectA = nullptr;
    contact.objectB = scene.map.getPhysicTile(0, 0);
    scene.map.contact2DBegin(&contact);
    scene.map.contact2DEnd(&contact);
    scene.map.contact2DKeepBegin(&contact);
    scene.map.contact2DKeepEnd(&contact);
    scene.map.sensor2DBegin(&contact);
    scene.map.sensor2DEnd(&contact);
    scene.map.sensor2DKeeping(&contact);
    scene.map.contact2DBegin(nullptr);
    ASSERT_EQ(7u, scene.log.events.size());
    for (int slot = 0; slot < 7; slot++) {
        EXPECT_EQ(slot, scene.log.events[slot].slot);
        EXPECT_EQ(0u, scene.log.events[slot].tiles.idA);
        EXPECT_EQ(staticTile, scene.log.events[slot].tiles.idB);
    }
}

TEST(TileContacts, ListenersComeAndGoByRegistration) {
    TileWorld scene(1, 1);
    TileLog second;
    EXPECT_FALSE(scene.map.addTileCallback(nullptr));
    EXPECT_FALSE(scene.map.addTileCallback(&scene.log));
    EXPECT_TRUE(scene.map.addTileCallback(&second));
    scene.map.setTile(staticTile, 0, 0);
    scene.map.loadPhysicsTiles();
    Contact2D contact(nullptr);
    contact.objectA = scene.map.getPhysicTile(0, 0);
    contact.objectB = nullptr;
    scene.map.contact2DBegin(&contact);
    EXPECT_EQ(1u, second.events.size());
    EXPECT_TRUE(scene.map.removeTileCallback(&second));
    EXPECT_FALSE(scene.map.removeTileCallback(&second));
    scene.map.contact2DBegin(&contact);
    EXPECT_EQ(1u, second.events.size());
    EXPECT_EQ(2u, scene.log.events.size());
}

TEST(TileMapXML, AMapRoundTripsItsSizeScalePositionAndIDs) {
    TileMap2D map;
    map.newTileMap(3, 2);
    map.setScaleMap(2.f, 3.f);
    map.setPosition(4.f, 6.f);
    map.setTile(7, 0, 0);
    map.setTile(12, 2, 1);
    RootDocument document;
    ASSERT_TRUE(map.writeToXML(&document.xml, 4));
    EXPECT_STREQ("root", document.xml.getSelectedName());
    EXPECT_NE(std::string::npos,
              documentText(document.xml)
                  .find("<tileMap_4 sizeMapW=\"3\" sizeMapH=\"2\" scaleMapW=\"2.0\" "
                        "scaleMapH=\"3.0\" posMapX=\"4.0\" posMapY=\"6.0\">"
                        "<tileMap>7 0 0 0 0 12</tileMap></tileMap_4>"));

    TileMap2D copy;
    fillTwoByTwo(copy);
    ASSERT_TRUE(copy.readFromXML(&document.xml, 4));
    EXPECT_STREQ("root", document.xml.getSelectedName());
    EXPECT_EQ(size2ui32(3u, 2u), copy.getMapSize());
    EXPECT_EQ(size2f32(2.f, 3.f), copy.getScaleMap());
    EXPECT_EQ(vec2f32(4.f, 6.f), copy.getPosition());
    EXPECT_EQ((std::vector<unsigned int>{7, 0, 0, 0, 0, 12}), cells(copy));
    EXPECT_FALSE(copy.readFromXML(&document.xml, 5));
    EXPECT_FALSE(copy.readFromXML(nullptr, 4));
    EXPECT_FALSE(copy.writeToXML(nullptr, 4));
}

TEST(TileMapXML, ReadingANewGridTakesTheOldPhysicsTilesOut) {
    TileWorld scene(1, 1);
    scene.map.setTile(staticTile, 0, 0);
    scene.map.loadPhysicsTiles();
    RootDocument document(
        mapElement("sizeMapW=\"2\" sizeMapH=\"1\" scaleMapW=\"1.0\" scaleMapH=\"1.0\"", "7 7"));
    ASSERT_TRUE(scene.map.readFromXML(&document.xml, 0));
    EXPECT_EQ(0u, scene.objectsInWorld());
    EXPECT_EQ((std::vector<unsigned int>{staticTile, staticTile}), cells(scene.map));
}

TEST(TileMapXML, AnElementWithoutGridKeepsTheGridAndTakesScaleAndPosition) {
    TileMap2D map;
    fillTwoByTwo(map);
    RootDocument document("<tileMap_0 sizeMapW=\"9\" sizeMapH=\"9\" scaleMapW=\"2.0\" "
                          "scaleMapH=\"2.0\" posMapX=\"8.0\" posMapY=\"2.0\"/>");
    ASSERT_TRUE(map.readFromXML(&document.xml, 0));
    EXPECT_EQ(size2ui32(2u, 2u), map.getMapSize());
    EXPECT_EQ((std::vector<unsigned int>{1, 2, 3, 4}), cells(map));
    EXPECT_EQ(size2f32(2.f, 2.f), map.getScaleMap());
    EXPECT_EQ(vec2f32(8.f, 2.f), map.getPosition());
}

TEST(TileMapXML, ATextWithMoreNumbersIsReadRowByRowFromRowZero) {
    TileMap2D map;
    RootDocument document(mapElement(
        "sizeMapW=\"2\" sizeMapH=\"2\" scaleMapW=\"1.0\" scaleMapH=\"1.0\"", "5 6 7 8 9 10"));
    ASSERT_TRUE(map.readFromXML(&document.xml, 0));
    EXPECT_EQ((std::vector<unsigned int>{5, 6, 7, 8}), cells(map));
}

TEST(TileMapXML, HostileSizesScalesAndTextsAreRefusedAndTheOldGridStays) {
    const std::string scale = " scaleMapW=\"1.0\" scaleMapH=\"1.0\"";
    const std::vector<std::string> documents = {
        mapElement("sizeMapW=\"100000\" sizeMapH=\"100000\"" + scale, "1 2 3 4"),
        mapElement("sizeMapW=\"65536\" sizeMapH=\"65537\"" + scale, "1 2 3 4"),
        mapElement("sizeMapW=\"4294967296\" sizeMapH=\"1\"" + scale, "1 2 3 4"),
        mapElement("sizeMapW=\"-1\" sizeMapH=\"-4\"" + scale, "1 2 3 4"),
        mapElement("sizeMapW=\"0\" sizeMapH=\"2\"" + scale, "1 2 3 4"),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\"" + scale, "1 2 3"),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\"" + scale, "1 2 x 4"),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\"" + scale, ""),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\" scaleMapW=\"0.0\" scaleMapH=\"1.0\"", "1 2 3 4"),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\" scaleMapW=\"nan\" scaleMapH=\"1.0\"", "1 2 3 4"),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\" posMapX=\"inf\"" + scale, "1 2 3 4"),
        mapElement("sizeMapW=\"2\" sizeMapH=\"2\"", "1 2 3 4"),
    };
    for (const std::string& element : documents) {
        SCOPED_TRACE(element);
        TileMap2D map;
        fillTwoByTwo(map);
        map.setPosition(1.f, 1.f);
        RootDocument document(element);
        EXPECT_FALSE(map.readFromXML(&document.xml, 0));
        EXPECT_STREQ("root", document.xml.getSelectedName());
        EXPECT_EQ((std::vector<unsigned int>{1, 2, 3, 4}), cells(map));
        EXPECT_EQ(size2f32(1.f, 1.f), map.getScaleMap());
        EXPECT_EQ(vec2f32(1.f, 1.f), map.getPosition());
    }
}
