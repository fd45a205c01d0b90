#include "support/GLContext.h"
#include "support/Pixels.h"
#include "support/Squares.h"
#include "zelk/Cenario2D.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/shape/Polygon2D.h"

#include <gtest/gtest.h>

using zelk::Cenario2D;
using zelk::color4f32;
using zelk::Object2D;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics::staticBody;
using zelk::shape::Polygon2D;
using zelk::test::Pixel;

namespace {

// Gives the object a mesh with the unit square (0, 0) to (1, 1) in one
// colour, drawn over size x size pixels from corner.
void paint(Object2D* object, color4f32 colour, vec2f32 corner, float size) {
    Polygon2D square;
    zelk::test::makeUnitSquare(&square, colour);
    object->newMesh(nullptr)->addPolygon(square);
    object->position = corner;
    object->size = size2f32(size, size);
}

class SceneDrawTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        zelk::test::pixelProjection(width, height);
    }

    static Pixel pixel(int x, int y) { return zelk::test::readPixels(x, y, 1, 1); }
};

} // namespace

TEST_F(SceneDrawTest, LaterLevelsCoverEarlierOnesAndHigherDepthsCoverLowerOnes) {
    Cenario2D scene;
    // Level 1: red at depth 1 is placed first, green at depth 0 after it.
    paint(scene.newObject(1, 1.0f), color4f32(1, 0, 0, 1), vec2f32(20, 20), 30);
    paint(scene.newObject(1, 0.0f), color4f32(0, 1, 0, 1), vec2f32(0, 0), 40);
    // Level 2: a physics object, drawn through its drawn mesh.
    zelk::physics2D::PhysicObject2D* body = scene.newPhysycObject(2, staticBody);
    paint(body, color4f32(0, 0, 1, 1), vec2f32(30, 0), 20);
    // Level 3: a tile map of one cell centred on (45, 15), drawn in white.
    unsigned int tile = scene.tileSet.newTile(color4f32(1, 1, 0, 1));
    zelk::tiles::TileMap2D* map = scene.newTileMapInPosition(3, 1, 1);
    map->setScaleMap(10.0f, 10.0f);
    map->setPosition(45.0f, 15.0f);
    map->setTile(tile, 0, 0);

    scene.draw();

    EXPECT_EQ(zelk::test::greenPixel, pixel(5, 5));
    EXPECT_EQ(zelk::test::redPixel, pixel(25, 25)) << "depth 1 over depth 0";
    EXPECT_EQ(zelk::test::redPixel, pixel(45, 45));
    EXPECT_EQ(zelk::test::bluePixel, pixel(35, 5)) << "level 2 over level 1";
    EXPECT_EQ(zelk::test::bluePixel, pixel(45, 5));
    EXPECT_EQ(zelk::test::whitePixel, pixel(45, 15)) << "the tile-map level over the others";
    EXPECT_EQ(zelk::test::blackPixel, pixel(60, 5));
}

TEST_F(SceneDrawTest, AnEmptiedLevelDrawsNothing) {
    Cenario2D scene;
    Object2D* object = scene.newObject(1);
    paint(object, color4f32(1, 1, 1, 1), vec2f32(0, 0), 64);
    scene.deleteObject(1, object);
    scene.newObject(3);
    scene.draw();
    EXPECT_EQ(zelk::test::blackPixel, pixel(32, 32));
}
