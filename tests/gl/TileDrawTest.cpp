#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/OpenTileSet.h"
#include "support/PhysicsScene.h"
#include "support/Pixels.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "zelk/GU.h"
#include "zelk/Texture2DList.h"
#include "zelk/tiles/TileMap2D.h"
#include "zelk/tiles/TileSet2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using zelk::color4f32;
using zelk::GU;
using zelk::rectf32;
using zelk::size2f32;
using zelk::size2ui32;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::test::blackPixel;
using zelk::test::Bytes;
using zelk::test::OpenTileSet;
using zelk::test::Pixel;
using zelk::test::TextureListProbe;
using zelk::tiles::TileMap2D;
using zelk::tiles::TileSet2D;

namespace {

const color4f32 white(1.f, 1.f, 1.f, 1.f);

// Eight colours, one per cell of a 4 x 2 sheet, row by row from the top.
const std::vector<Pixel> palette = {{255, 0, 0, 255},     {0, 255, 0, 255},    {0, 0, 255, 255},
                                    {255, 255, 0, 255},   {0, 255, 255, 255},  {255, 0, 255, 255},
                                    {255, 255, 255, 255}, {128, 128, 128, 255}};

// A new grid of side x side cells, every one holding the tile.
void fill(TileMap2D& map, unsigned int side, unsigned int id) {
    map.newTileMap(side, side);
    for (unsigned int y = 0; y < side; y++) {
        for (unsigned int x = 0; x < side; x++) {
            map.setTile(id, x, y);
        }
    }
}

class TileDrawTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        showWorld(-1.f, 7.f);
    }

    void TearDown() override {
        EXPECT_EQ(TextureListProbe::byCode(), 0u);
        zelk::Texture2DList::deleteAllTextures();
        GLContextTest::TearDown();
    }

    // The world square from low to high on both axes fills the frame, which
    // is cleared to black.
    void showWorld(float low, float high) {
        GU::guUseMatrix(GL_PROJECTION);
        GU::guLoadIdentity();
        GU::guUseOrtho(low, high, low, high, -1, 1);
        GU::guUseMatrix(GL_MODELVIEW);
        GU::guLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        lowest = low;
        pixelsPerUnit = width / (high - low);
    }

    // The pixel under a world point.
    Pixel at(float x, float y) {
        return zelk::test::readPixels(static_cast<int>((x - lowest) * pixelsPerUnit),
                                      static_cast<int>((y - lowest) * pixelsPerUnit), 1, 1);
    }

    // An image of columns x rows cells of 4 x 4 pixels in the colours of the
    // palette, row by row from the top; its file's bytes in bytes.
    std::string sheet(unsigned int columns, unsigned int rows, Bytes* bytes = nullptr) {
        const unsigned int w = columns * 4, h = rows * 4;
        Bytes rgba(w * h * 4);
        for (unsigned int y = 0; y < h; y++) {
            for (unsigned int x = 0; x < w; x++) {
                const Pixel& colour = palette[(y / 4) * columns + x / 4];
                std::copy(colour.begin(), colour.end(), rgba.begin() + (y * w + x) * 4);
            }
        }
        std::string path = folder.file("sheet" + std::to_string(columns) + ".png");
        Bytes written = zelk::test::writePNG(path, w, h, rgba);
        EXPECT_FALSE(written.empty());
        if (bytes) {
            *bytes = written;
        }
        return path;
    }

    float lowest = 0.f;
    float pixelsPerUnit = 1.f;
    zelk::test::TempDir folder;
};

} // namespace

TEST_F(TileDrawTest, AnImageIsCutRowByRowFromTheTop) {
    TileSet2D set;
    TileSet2D::Tile2Positions2D cut =
        set.loadImageTiles(sheet(4, 2).c_str(), 4, 2, GL_NEAREST, white);
    ASSERT_EQ(1u, cut.first);
    ASSERT_EQ(8u, cut.last);
    for (unsigned int id = 1; id <= 8; id++) {
        float x = static_cast<float>((id - 1) % 4), y = static_cast<float>((id - 1) / 4) * 2.f;
        EXPECT_TRUE(set.drawTileInWorld(id, x, y, 0.f, size2f32(1.f, 1.f), white));
        EXPECT_EQ(palette[id - 1], at(x, y)) << "tile " << id;
    }
    TileSet2D::Tile2Positions2D single =
        set.loadImageTiles(sheet(4, 2).c_str(), 1, 1, GL_NEAREST, white);
    EXPECT_EQ(9u, single.first);
    EXPECT_EQ(0u, single.last) << "a grid of one cell has no last tile";
}

TEST_F(TileDrawTest, AnImageInMemoryIsCutTheSameWay) {
    Bytes png;
    sheet(4, 2, &png);
    TileSet2D set;
    set.newTile(white);
    TileSet2D::Tile2Positions2D cut =
        set.loadImageTilesFromMemory("sheet in memory", png.data(), zelk::test::sizeOf(png),
                                     vec2ui32(4u, 2u), GL_NEAREST, white);
    ASSERT_EQ(2u, cut.first);
    ASSERT_EQ(9u, cut.last);
    set.drawTileInWorld(cut.first + 5, 3.f, 3.f, 0.f, size2f32(1.f, 1.f), white);
    EXPECT_EQ(palette[5], at(3.f, 3.f)) << "the sixth tile shows frame (1, 1)";
}

TEST_F(TileDrawTest, AnAnimatedTileShowsTheFrameItsClockHasReached) {
    TileSet2D set;
    unsigned int id = set.newTile(sheet(4, 1).c_str(), GL_NEAREST, white);
    ASSERT_NE(0u, id);
    set.setTileFramesUV(id, 4, 1);
    set.addFrameInterpolation(id, 0.f, 1.f);
    set.addFrameInterpolation(id, 10.f, 4.f);
    set.drawTileInWorld(id, 1.f, 1.f, 0.f, size2f32(1.f, 1.f), white);
    EXPECT_EQ(palette[0], at(1.f, 1.f));
    // Frame 3 from 6.67 s to 10 s: the real time between these calls is far
    // less.
    set.playForwardIn(id, 8.f);
    set.updateAnimations();
    set.drawTileInWorld(id, 1.f, 1.f, 0.f, size2f32(1.f, 1.f), white);
    EXPECT_EQ(palette[2], at(1.f, 1.f));
}

TEST_F(TileDrawTest, ATilePositionCountsInTheTilesOwnSize) {
    OpenTileSet set;
    set.setSizeOfTiles(0.5f, 0.5f);
    unsigned int id = set.newTile(sheet(1, 1).c_str(), GL_NEAREST, white);
    EXPECT_TRUE(set.drawTile(id, vec2f32(2.f, 3.f), 0.f, size2f32(1.f, 1.f), white));
    EXPECT_EQ(vec2f32(1.f, 1.5f), set.getTile(id)->getPosition());
    EXPECT_EQ(size2f32(0.5f, 0.5f), set.getTile(id)->getSize()) << "its own size comes back";
    EXPECT_EQ(palette[0], at(1.f, 1.5f));
    EXPECT_EQ(blackPixel, at(2.f, 3.f));
}

TEST_F(TileDrawTest, AColouredTileTintsItsImage) {
    TileSet2D set;
    unsigned int id = set.newTile(sheet(4, 1).c_str(), GL_NEAREST, color4f32(1.f, 1.f, 1.f, 1.f));
    set.setTileFramesUV(id, 4, 1);
    set.setTileFrameUV(id, 1, 0);
    set.drawTileInWorld(id, 2.f, 2.f, 0.f, size2f32(2.f, 2.f), color4f32(0.f, 1.f, 0.f, 1.f));
    EXPECT_EQ(palette[1], at(2.5f, 2.5f)) << "green on green";
    set.drawTileInWorld(id, 2.f, 2.f, 0.f, size2f32(2.f, 2.f), color4f32(1.f, 0.f, 0.f, 1.f));
    EXPECT_EQ(blackPixel, at(2.5f, 2.5f)) << "red takes the green away";
}

TEST_F(TileDrawTest, ATemplatesOutlineIsDrawnWhereTheTileIs) {
    TileSet2D set;
    unsigned int id = set.newTile(white);
    set.setTilePhysics(id, zelk::physics::staticBody);
    EXPECT_TRUE(set.drawTilePhysicsInWorld(id, 3.f, 3.f, 0.f, size2f32(4.f, 4.f), white));
    // The rectangle of side 4.04 around (3, 3): its left side near x = 1.
    std::vector<unsigned char> row = zelk::test::readPixels(0, 32, width, 1);
    int firstLit = -1;
    for (int x = 0; x < width && firstLit < 0; x++) {
        firstLit = row[x * 4] == 255 ? x : -1;
    }
    EXPECT_NEAR(16, firstLit, 1);
    EXPECT_EQ(blackPixel, at(3.f, 3.f)) << "an outline only";
    EXPECT_EQ(vec2f32(), set.getTilePhysicsObject(id)->position) << "the template stays put";
    EXPECT_EQ(size2f32(1.f, 1.f), set.getTilePhysicsObject(id)->size);
}

TEST_F(TileDrawTest, AMapIsDrawnWithRowZeroOnTop) {
    TileSet2D set;
    set.loadImageTiles(sheet(4, 2).c_str(), 4, 2, GL_NEAREST, white);
    TileMap2D map(&set);
    map.newTileMap(3, 2);
    for (unsigned int y = 0; y < 2; y++) {
        for (unsigned int x = 0; x < 3; x++) {
            map.setTile(y * 3 + x + 1, x, y);
        }
    }
    map.setPosition(1.f, 2.f);
    map.draw(white);
    for (unsigned int y = 0; y < 2; y++) {
        for (unsigned int x = 0; x < 3; x++) {
            vec2f32 point = map.getTileWorldPosition(x, y);
            EXPECT_EQ(palette[y * 3 + x], at(point.x, point.y)) << x << " " << y;
        }
    }
    EXPECT_EQ(vec2f32(1.f, 3.f), map.getTileWorldPosition(0, 0));
    EXPECT_EQ(blackPixel, at(0.f, 0.f));
}

TEST_F(TileDrawTest, ARangedDrawCoversItsHalfOpenRangeAndEveryPhysicsTile) {
    zelk::test::PhysicsScene physics;
    TileSet2D set;
    set.loadImageTiles(sheet(4, 2).c_str(), 4, 2, GL_NEAREST, white);
    set.setTilePhysics(2, zelk::physics::staticBody);
    TileMap2D map(&set);
    map.setWorld(&physics.world);
    fill(map, 4, 1);
    map.setTile(2, 3, 3);
    map.loadPhysicTile(3, 3);
    map.draw(vec2ui32(1u, 1u), size2ui32(3u, 9u), white);
    for (unsigned int y = 0; y < 4; y++) {
        for (unsigned int x = 0; x < 4; x++) {
            vec2f32 point = map.getTileWorldPosition(x, y);
            bool inside = x >= 1 && x < 3 && y >= 1;
            Pixel expected = x == 3 && y == 3 ? palette[1] : inside ? palette[0] : blackPixel;
            EXPECT_EQ(expected, at(point.x, point.y)) << x << " " << y;
        }
    }
}

TEST_F(TileDrawTest, AWorldRectangleDrawsTheCellsThatCoverIt) {
    showWorld(-1.f, 15.f);
    TileSet2D set;
    set.loadImageTiles(sheet(1, 1).c_str(), 1, 1, GL_NEAREST, white);
    TileMap2D map(&set);
    fill(map, 10, 1);
    auto drawnCells = [&](rectf32 rect) {
        glClear(GL_COLOR_BUFFER_BIT);
        map.drawInsideWorldRect(rect, white);
        std::vector<vec2ui32> drawn;
        for (unsigned int y = 0; y < 10; y++) {
            for (unsigned int x = 0; x < 10; x++) {
                vec2f32 point = map.getTileWorldPosition(x, y);
                if (at(point.x, point.y) != blackPixel) {
                    drawn.push_back(vec2ui32(x, y));
                }
            }
        }
        return drawn;
    };
    std::vector<vec2ui32> expected;
    for (unsigned int y = 3; y < 6; y++) {
        for (unsigned int x = 2; x < 7; x++) {
            expected.push_back(vec2ui32(x, y));
        }
    }
    EXPECT_EQ(expected, drawnCells(rectf32(2.2f, 3.7f, 4.f, 2.f)));
    EXPECT_EQ(100u, drawnCells(rectf32(-5.f, -5.f, 30.f, 30.f)).size());
    EXPECT_TRUE(drawnCells(rectf32(-20.f, 0.f, 3.f, 3.f)).empty()) << "left of the map";
    EXPECT_TRUE(drawnCells(rectf32(0.f, 30.f, 3.f, 3.f)).empty()) << "above the map";
    EXPECT_TRUE(drawnCells(rectf32(NAN, 0.f, 3.f, 3.f)).empty());
    EXPECT_TRUE(drawnCells(rectf32(0.f, 0.f, INFINITY, 3.f)).empty());
}
