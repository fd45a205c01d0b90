#include "support/OpenTileSet.h"
#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/shape/Vertex2DWithUV.h"
#include "zelk/tiles/Tile2D.h"
#include "zelk/tiles/TileSet2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using zelk::color4f32;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::physics::bodyType;
using zelk::physics2D::PhysicObject2D;
using zelk::shape::Polygon2D;
using zelk::test::captureStdout;
using zelk::test::OpenTileSet;
using zelk::test::RootDocument;
using zelk::tiles::Tile2D;
using zelk::tiles::TileSet2D;

namespace {

const color4f32 white(1.f, 1.f, 1.f, 1.f);

// A triangle of three corners of the unit square. Operations take polygons by
// value and own nothing of them, so callers pass a copy of a named polygon.
Polygon2D triangle() {
    Polygon2D corners(3);
    corners.setVertexPosition(0, vec2f32(0.f, 0.f));
    corners.setVertexPosition(1, vec2f32(1.f, 0.f));
    corners.setVertexPosition(2, vec2f32(0.f, 1.f));
    return corners;
}

// The texture coordinate vertex i of the tile's quadrangle is drawn with.
vec2f32 shownUV(Tile2D& tile, unsigned int i) {
    zelk::shape::Vertex2D* vertex = tile.mesh.polygons.get(0)->getVertexPointer(i);
    EXPECT_GE(vertex->getType(), 2u);
    return static_cast<zelk::shape::Vertex2DWithUV*>(vertex)->getUV();
}

bool sameColor(color4f32 a, color4f32 b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// The polygons of the tile's physics template.
unsigned int templatePolygons(TileSet2D& set, unsigned int id) {
    PhysicObject2D* model = set.getTilePhysicsObject(id);
    return model ? model->physicsMesh.getPolygonSize() : 0;
}

// The value the tile's frame animation gives at that second, counted as the
// tile set counts frames (from 1).
float frameAt(OpenTileSet& set, unsigned int id, float second) {
    set.playForwardIn(id, second);
    bool playing = false;
    float value = set.quadrangle(id)->framesGetAnimation()->getClockX(&playing);
    EXPECT_TRUE(playing);
    return value + 1.f;
}

} // namespace

TEST(TileIDs, CountFromOneAndAFreedIDIsTakenByTheNextTile) {
    TileSet2D set;
    EXPECT_EQ(1u, set.newTile(white));
    EXPECT_EQ(2u, set.newTile(white));
    EXPECT_EQ(3u, set.newTile(white));
    EXPECT_TRUE(set.deleteTile(2));
    EXPECT_FALSE(set.deleteTile(2));
    EXPECT_EQ(3u, set.getTileSize()) << "a freed position still counts";
    EXPECT_EQ(2u, set.newTile(white));
    EXPECT_TRUE(set.deleteTile(1));
    EXPECT_EQ(1u, set.newTile(white));
    EXPECT_TRUE(set.deleteTile(3));
    EXPECT_EQ(2u, set.getTileSize()) << "the last position goes with its tile";
    set.deleteTiles();
    EXPECT_EQ(0u, set.getTileSize());
    EXPECT_EQ(1u, set.newTile(white));
}

TEST(TileIDs, IDZeroAndIDsNoTileHasDoNothingAndAnswerFalseZeroOrNull) {
    OpenTileSet set;
    Polygon2D corners = triangle();
    unsigned int live = set.newTile(white);
    set.newTile(white);
    set.deleteTile(2);
    for (unsigned int id : {0u, 2u, 9u}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(nullptr, set.getTile(id));
        EXPECT_FALSE(set.deleteTile(id));
        EXPECT_FALSE(set.setTileFramesUV(id, 4, 2));
        EXPECT_FALSE(set.setTileFrameUV(id, 1, 1));
        EXPECT_FALSE(set.setTileFrameUVinPosition(id, 1));
        EXPECT_FALSE(set.addFrameInterpolation(id, 0.f, 1.f));
        EXPECT_EQ(0u, set.getInterpolationSize(id));
        EXPECT_FALSE(set.cleanFrames(id));
        EXPECT_FALSE(set.playForward(id));
        EXPECT_FALSE(set.loopOn(id));
        EXPECT_EQ(0.f, set.getSecond(id));
        EXPECT_FALSE(set.addAnimationName(id, "walk", 0.f, 1.f));
        EXPECT_FALSE(set.updateAnimations(id));
        EXPECT_FALSE(set.setTilePhysics(id, zelk::physics::staticBody));
        EXPECT_FALSE(set.addTilePhysicsPolygon(id, corners));
        EXPECT_FALSE(set.cleanTilePhysicsPolygons(id));
        EXPECT_FALSE(set.deleteTilePhysics(id));
        EXPECT_EQ(nullptr, set.getTilePhysicsObject(id));
        EXPECT_FALSE(set.drawTile(id, 0.f, 0.f, 0.f, size2f32(), white));
        EXPECT_FALSE(set.drawTileInWorld(id, 0.f, 0.f, 0.f, size2f32(), white));
        EXPECT_FALSE(set.drawTilePhysics(id, 0.f, 0.f, 0.f, size2f32(), white));
        EXPECT_FALSE(set.drawTilePhysicsInWorld(id, 0.f, 0.f, 0.f, size2f32(), white));
        EXPECT_FALSE(set.printTile(id));
    }
    EXPECT_FALSE(set.updateAnimations()) << "no tile has frames";
    EXPECT_NE(nullptr, set.getTile(live));
}

TEST(TileIDs, ImagesThatDoNotLoadLeaveNoTile) {
    TileSet2D set;
    EXPECT_EQ(0u, set.newTile(static_cast<char*>(nullptr), 0x2600, white));
    EXPECT_EQ(0u, set.newTile("no-such-image.png", 0x2600, white));
    unsigned char bytes[4] = {1, 2, 3, 4};
    EXPECT_EQ(0u, set.newTileFromMemory("garbage", bytes, 4, 0x2600, white));
    EXPECT_EQ(0u, set.newTileFromMemory("null", nullptr, 4, 0x2600, white));
    TileSet2D::Tile2Positions2D cut = set.loadImageTiles("no-such-image.png", 4, 2, 0x2600, white);
    EXPECT_EQ(0u, cut.first);
    EXPECT_EQ(0u, cut.last);
    cut = set.loadImageTilesFromMemory("null", nullptr, 4, 2, 2, 0x2600, white);
    EXPECT_EQ(0u, cut.first);
    EXPECT_EQ(0u, set.getTileSize()) << "every refused tile was given back";
    EXPECT_EQ(1u, set.newTile(white));
}

TEST(TilePlacement, NewTilesTakeTheSetsSizeAndASizeWithAZeroSideIsRefused) {
    OpenTileSet set;
    unsigned int first = set.newTile(white);
    EXPECT_FALSE(set.setSizeOfTiles(0.f, 3.f));
    EXPECT_FALSE(set.setSizeOfTiles(NAN, 3.f));
    EXPECT_EQ(size2f32(1.f, 1.f), set.getSizeOfTiles());
    EXPECT_TRUE(set.setSizeOfTiles(2.f, 3.f));
    EXPECT_EQ(size2f32(2.f, 3.f), set.getTile(first)->getSize());
    EXPECT_EQ(vec2f32(0.f, 0.f), set.getTile(first)->getPosition());
    Tile2D* second = set.getTile(set.newTile(white));
    EXPECT_EQ(size2f32(2.f, 3.f), second->getSize());
    EXPECT_EQ(vec2f32(-1.f, -1.5f), second->getPosition()) << "a new tile is framed at (0, 0)";
}

TEST(TilePlacement, FramesRectsAndTextureCornersPlaceTheQuadrangle) {
    Tile2D tile;
    EXPECT_EQ(4u, tile.mesh.polygons.get(0)->getVertexCount());
    EXPECT_EQ(vec2f32(0.f, 0.f), shownUV(tile, 1)) << "top left shows the top";
    EXPECT_EQ(vec2f32(1.f, 1.f), shownUV(tile, 3));
    tile.setFrame(1.f, 2.f, 3.f, 5.f);
    EXPECT_EQ(vec2f32(-0.5f, -0.5f), tile.getPosition());
    EXPECT_EQ(3.f, tile.getWidth());
    EXPECT_EQ(5.f, tile.getHeight());
    tile.setRect(vec2f32(4.f, 6.f), size2f32(2.f, 2.f));
    EXPECT_EQ(4.f, tile.getPositionX());
    EXPECT_EQ(6.f, tile.getPositionY());
    tile.setRectUV(0.25f, 0.5f, 0.75f, 1.f);
    EXPECT_EQ(vec2f32(0.25f, 0.5f), shownUV(tile, 0));
    EXPECT_EQ(vec2f32(0.25f, 1.f), shownUV(tile, 1));
    EXPECT_EQ(vec2f32(0.75f, 1.f), shownUV(tile, 2));
    EXPECT_EQ(vec2f32(0.75f, 0.5f), shownUV(tile, 3));
    tile.setColor(1.f, 0.f, 0.f, 1.f);
    EXPECT_TRUE(sameColor(color4f32(1.f, 0.f, 0.f, 1.f), tile.mesh.selectedGetVertexColor(2)));
}

TEST(TilePlacement, PrintTileTellsPositionAndSize) {
    OpenTileSet set;
    unsigned int id = set.newTile(white);
    set.getTile(id)->setRect(1.f, 2.5f, 3.f, 4.f);
    EXPECT_EQ("\nPosition 1.00 2.50 size 3.00 4.00",
              captureStdout([&] { EXPECT_TRUE(set.printTile(id)); }));
}

TEST(TileFrames, UVFramesAndPositionsCountFromOneInTheSet) {
    OpenTileSet set;
    unsigned int id = set.newTile(white);
    EXPECT_TRUE(set.setTileFramesUV(id, 4, 2));
    EXPECT_EQ(vec2ui32(4u, 2u), set.quadrangle(id)->getFrames());
    EXPECT_TRUE(set.setTileFrameUV(id, 3, 1));
    EXPECT_EQ(vec2ui32(3u, 1u), set.quadrangle(id)->frameUsing);
    EXPECT_FALSE(set.setTileFrameUVinPosition(id, 0));
    EXPECT_TRUE(set.setTileFrameUVinPosition(id, 6));
    EXPECT_EQ(vec2ui32(1u, 1u), set.quadrangle(id)->frameUsing) << "frame 6 is (1, 1)";
}

TEST(TileFrames, KeysCountFramesFromOneAndMakeTheTileAnimated) {
    OpenTileSet set;
    unsigned int id = set.newTile(white);
    unsigned int still = set.newTile(white);
    EXPECT_FALSE(set.addFrameInterpolation(id, 0.5f, 0.5f));
    EXPECT_FALSE(set.addFrameInterpolation(id, 0.5f, NAN));
    EXPECT_FALSE(set.isAnimated(id));
    EXPECT_TRUE(set.addFrameInterpolation(id, 0.5f, 1.f));
    EXPECT_TRUE(set.isAnimated(id));
    EXPECT_FALSE(set.isAnimated(still));
    EXPECT_TRUE(set.quadrangle(id)->framesGetAnimation()->selectTempFrame(0.5f));
    EXPECT_TRUE(set.addFrameInterpolation(id, 1.5f, 3.f));
    EXPECT_EQ(1u, set.getInterpolationSize(id));
    EXPECT_FLOAT_EQ(1.f, frameAt(set, id, 0.5f)) << "the first key holds frame 1";
    EXPECT_FLOAT_EQ(3.f, frameAt(set, id, 1.5f));
    EXPECT_TRUE(set.updateAnimations());
    EXPECT_TRUE(set.cleanFrames(id));
    EXPECT_FALSE(set.isAnimated(id));
    EXPECT_EQ(0u, set.getInterpolationSize(id));
    EXPECT_FALSE(set.updateAnimations());
}

TEST(TileFrames, NamedClipsLoopsAndCurvesReachTheTilesAnimation) {
    OpenTileSet set;
    unsigned int id = set.newTile(white);
    set.addFrameInterpolation(id, 0.f, 1.f);
    set.addFrameInterpolation(id, 1.f, 2.f);
    set.addFrameInterpolation(id, 2.f, 3.f);
    EXPECT_TRUE(set.addAnimationName(id, "walk", 1.f, 2.f));
    EXPECT_TRUE(set.haveAnimationName(id, "walk"));
    EXPECT_FALSE(set.haveAnimationName(id, "run"));
    EXPECT_TRUE(set.playNameForward(id, "walk"));
    EXPECT_FLOAT_EQ(1.f, set.getSecond(id));
    EXPECT_TRUE(set.playNameRewind(id, "walk"));
    EXPECT_FLOAT_EQ(2.f, set.getSecond(id));
    EXPECT_TRUE(set.isPlaying(id));
    EXPECT_TRUE(set.pause(id));
    EXPECT_FALSE(set.isPlaying(id));
    EXPECT_TRUE(set.removeAnimationName(id, "walk"));
    EXPECT_FALSE(set.haveAnimationName(id, "walk"));
    EXPECT_TRUE(set.loopOn(id));
    EXPECT_TRUE(set.quadrangle(id)->framesGetAnimation()->isLooping());
    EXPECT_TRUE(set.setLoop(id, false));
    EXPECT_FALSE(set.quadrangle(id)->framesGetAnimation()->isLooping());
    EXPECT_TRUE(set.setCurveX(id, 1));
    EXPECT_TRUE(set.getIsCurveX(id, 1));
    EXPECT_TRUE(set.setCurveP1X(id, 1, 1.25f, 1.f));
    EXPECT_TRUE(set.setNotCurveX(id, 1));
    EXPECT_FALSE(set.getIsCurveX(id, 1));
    EXPECT_FALSE(set.getIsCurveX(id, 5));
    EXPECT_TRUE(set.stop(id));
    EXPECT_FLOAT_EQ(0.f, set.getSecond(id));
}

TEST(TilePhysics, TheDefaultRectangleGivesWayToTheFirstPolygonAdded) {
    TileSet2D set;
    Polygon2D corners = triangle();
    unsigned int id = set.newTile(white);
    EXPECT_FALSE(set.addTilePhysicsPolygon(id, corners)) << "no template yet";
    EXPECT_TRUE(set.setTilePhysics(id, zelk::physics::staticBody));
    PhysicObject2D* model = set.getTilePhysicsObject(id);
    ASSERT_NE(nullptr, model);
    EXPECT_EQ(zelk::physics::staticBody, model->getType());
    ASSERT_EQ(1u, templatePolygons(set, id));
    model->physicsMesh.selectPolygon(0);
    EXPECT_EQ(2u, model->physicsMesh.selectedGetVertexCount());
    EXPECT_EQ(vec2f32(-0.5f, -0.5f), model->physicsMesh.selectedGetVertexPosition(0));
    EXPECT_EQ(size2f32(1.01f, 1.01f), model->physicsMesh.selectedGetScale());
    EXPECT_FLOAT_EQ(0.1f, model->physicsMesh.selectedGetRestitution());
    EXPECT_FLOAT_EQ(0.5f, model->physicsMesh.selectedGetFriction());

    EXPECT_TRUE(set.addTilePhysicsPolygon(id, corners));
    ASSERT_EQ(1u, templatePolygons(set, id));
    model->physicsMesh.selectPolygon(0);
    EXPECT_EQ(3u, model->physicsMesh.selectedGetVertexCount());
    EXPECT_TRUE(set.addTilePhysicsPolygon(id, corners));
    EXPECT_EQ(2u, templatePolygons(set, id));
    EXPECT_TRUE(set.cleanTilePhysicsPolygons(id));
    EXPECT_EQ(1u, templatePolygons(set, id));
}

TEST(TilePhysics, APolygonTheMeshCannotHoldLeavesTheDefaultRectangle) {
    TileSet2D set;
    unsigned int id = set.newTile(white);
    set.setTilePhysics(id, zelk::physics::staticBody);
    EXPECT_FALSE(set.addTilePhysicsPolygon(id, Polygon2D(1)));
    ASSERT_EQ(1u, templatePolygons(set, id));
    set.getTilePhysicsObject(id)->physicsMesh.selectPolygon(0);
    EXPECT_EQ(2u, set.getTilePhysicsObject(id)->physicsMesh.selectedGetVertexCount());
}

TEST(TilePhysics, EachBodyTypeMakesItsKindAndAnotherNumberNone) {
    TileSet2D set;
    unsigned int id = set.newTile(white);
    EXPECT_TRUE(set.setTilePhysics(id, zelk::physics::kinematicBody));
    EXPECT_EQ(zelk::physics::kinematicBody, set.getTilePhysicsObject(id)->getType());
    EXPECT_TRUE(set.setTilePhysics(id, zelk::physics::dynamicBody));
    EXPECT_NE(nullptr,
              dynamic_cast<zelk::physics2D::DynamicObject2D*>(set.getTilePhysicsObject(id)));
    EXPECT_FALSE(set.setTilePhysics(id, static_cast<bodyType>(3)));
    EXPECT_EQ(nullptr, set.getTilePhysicsObject(id));
    set.setTilePhysics(id, zelk::physics::staticBody);
    EXPECT_TRUE(set.deleteTilePhysics(id));
    EXPECT_EQ(nullptr, set.getTilePhysicsObject(id));
    EXPECT_FALSE(set.cleanTilePhysicsPolygons(id));
}

TEST(TileSetXML, ASetRoundTripsWithItsIDsFramesAndPhysics) {
    OpenTileSet set;
    Polygon2D corners = triangle();
    set.setSizeOfTiles(2.f, 2.f);
    unsigned int physical = set.newTile(white);
    unsigned int gone = set.newTile(white);
    unsigned int animated = set.newTile(color4f32(1.f, 0.f, 0.f, 1.f));
    set.deleteTile(gone);
    set.setTilePhysics(physical, zelk::physics::staticBody);
    set.addTilePhysicsPolygon(physical, corners);
    set.setTileFramesUV(animated, 4, 1);
    set.addFrameInterpolation(animated, 0.f, 1.f);
    set.addFrameInterpolation(animated, 1.f, 4.f);
    RootDocument document;
    ASSERT_TRUE(set.writeToXML(&document.xml, 3));
    EXPECT_STREQ("root", document.xml.getSelectedName());
    std::string text = zelk::test::documentText(document.xml);
    EXPECT_NE(std::string::npos, text.find("tileSize=\"3\""));
    EXPECT_NE(std::string::npos, text.find("<anim_3"));

    OpenTileSet copy;
    copy.newTile(white);
    ASSERT_TRUE(copy.readFromXML(&document.xml, 3));
    EXPECT_STREQ("root", document.xml.getSelectedName());
    EXPECT_EQ(3u, copy.getTileSize());
    EXPECT_EQ(size2f32(2.f, 2.f), copy.getSizeOfTiles());
    EXPECT_EQ(nullptr, copy.getTile(gone));
    EXPECT_EQ(size2f32(2.f, 2.f), copy.getTile(animated)->getSize());
    EXPECT_TRUE(
        sameColor(color4f32(1.f, 0.f, 0.f, 1.f), copy.quadrangle(animated)->getVertexColor(0)));
    EXPECT_TRUE(copy.isAnimated(animated));
    EXPECT_FALSE(copy.isAnimated(physical));
    EXPECT_EQ(1u, copy.getInterpolationSize(animated));
    EXPECT_EQ(vec2ui32(4u, 1u), copy.quadrangle(animated)->getFrames());
    EXPECT_EQ(nullptr, copy.getTilePhysicsObject(animated));
    ASSERT_EQ(1u, templatePolygons(copy, physical));
    EXPECT_EQ(zelk::physics::staticBody, copy.getTilePhysicsObject(physical)->getType());
    EXPECT_EQ(gone, copy.newTile(white)) << "the freed ID is taken again";
}

TEST(TileSetXML, AMissingTileElementLeavesItsIDFree) {
    OpenTileSet set;
    RootDocument document("<tileSet_0 sizeW=\"1.0\" sizeH=\"1.0\" tileSize=\"5\">"
                          "<tile_1/><tile_2/><tile_4/><tile_5/><anim_4/><anim_3/>"
                          "</tileSet_0>");
    ASSERT_TRUE(set.readFromXML(&document.xml, 0));
    EXPECT_EQ(5u, set.getTileSize());
    for (unsigned int id : {1u, 2u, 4u, 5u}) {
        EXPECT_NE(nullptr, set.getTile(id)) << id;
    }
    EXPECT_EQ(nullptr, set.getTile(3));
    EXPECT_TRUE(set.isAnimated(4));
    EXPECT_EQ(3u, set.newTile(white));
}

TEST(TileSetXML, TheCountIsBoundedByTheTileElementsPresent) {
    TileSet2D set;
    RootDocument document("<tileSet_0 tileSize=\"4000000000\"><tile_1/><tile_2/></tileSet_0>"
                          "<tileSet_1 tileSize=\"-7\"><tile_1/></tileSet_1>"
                          "<tileSet_2 tileSize=\"2\"><tile_1/><tile_9/></tileSet_2>");
    ASSERT_TRUE(set.readFromXML(&document.xml, 0));
    EXPECT_EQ(2u, set.getTileSize());
    ASSERT_TRUE(set.readFromXML(&document.xml, 1));
    EXPECT_EQ(0u, set.getTileSize());
    ASSERT_TRUE(set.readFromXML(&document.xml, 2));
    EXPECT_EQ(1u, set.getTileSize()) << "tile 2 is missing and tile 9 is beyond the count";
}

TEST(TileSetXML, MoreTilesThanASetMayHoldAreRefusedWithNothingChanged) {
    TileSet2D set;
    set.newTile(white);
    std::string last = std::to_string(TileSet2D::maxTilesInDocument + 1);
    RootDocument document("<tileSet_0 tileSize=\"4000000000\"><tile_" + last + "/></tileSet_0>");
    EXPECT_FALSE(set.readFromXML(&document.xml, 0));
    EXPECT_STREQ("root", document.xml.getSelectedName());
    EXPECT_EQ(1u, set.getTileSize());
    std::string crowded = "<tileSet_1 tileSize=\"1\"><tile_1/>";
    for (unsigned int i = 0; i <= 2 * TileSet2D::maxTilesInDocument; i++) {
        crowded += "<other/>";
    }
    RootDocument crowd(crowded + "</tileSet_1>");
    EXPECT_FALSE(set.readFromXML(&crowd.xml, 1)) << "more children than a set writes";
    EXPECT_EQ(1u, set.getTileSize());
    EXPECT_FALSE(set.readFromXML(&document.xml, 1)) << "no such element";
    EXPECT_FALSE(set.readFromXML(nullptr, 0));
    EXPECT_FALSE(set.writeToXML(nullptr, 0));
}

TEST(TileSetXML, AHoleAtEveryIDButTheLastIsReadWithinTheCap) {
    TileSet2D set;
    std::string last = std::to_string(TileSet2D::maxTilesInDocument);
    RootDocument document("<tileSet_0 tileSize=\"" + last + "\"><tile_" + last + "/></tileSet_0>");
    ASSERT_TRUE(set.readFromXML(&document.xml, 0));
    EXPECT_EQ(TileSet2D::maxTilesInDocument, set.getTileSize());
    EXPECT_EQ(1u, set.newTile(white)) << "the lowest freed ID comes first";
    EXPECT_EQ(2u, set.newTile(white));
}

TEST(TileSetXML, ReadingATileAgainReplacesItsTemplate) {
    Tile2D tile;
    tile.setPhysics(zelk::physics::dynamicBody);
    RootDocument document;
    ASSERT_TRUE(tile.writeToXML(&document.xml, 1));
    tile.setPhysics(zelk::physics::staticBody);
    ASSERT_TRUE(tile.readFromXML(&document.xml, 1));
    ASSERT_NE(nullptr, tile.getPhysicsObject());
    EXPECT_EQ(zelk::physics::dynamicBody, tile.getPhysicsObject()->getType());
    RootDocument bare("<tile_1><object_0 sizeW=\"1.0\" sizeH=\"1.0\"/></tile_1>");
    ASSERT_TRUE(tile.readFromXML(&bare.xml, 1));
    EXPECT_EQ(nullptr, tile.getPhysicsObject());
    EXPECT_EQ(0u, tile.mesh.getPolygonSize()) << "the element held no mesh";
    EXPECT_FALSE(tile.readFromXML(&bare.xml, 2));
}
