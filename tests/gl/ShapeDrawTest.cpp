#include <GL/glew.h>

#include "support/GLContext.h"
#include "support/ImageSupport.h"
#include "support/TestSupport.h"
#include "support/TextureListProbe.h"
#include "support/XMLText.h"
#include "zelk/GU.h"
#include "zelk/GU_GLSL.h"
#include "zelk/Object2D.h"
#include "zelk/shape/Line2D.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/shape/Quadrangle2D.h"
#include "zelk/shape/Rectangle2D.h"
#include "zelk/shape/Triangle2D.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using zelk::color3f32;
using zelk::color4f32;
using zelk::GU;
using zelk::Object2D;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::shape::Line2D;
using zelk::shape::Lines2D;
using zelk::shape::Mesh2D;
using zelk::shape::Polygon2D;
using zelk::shape::Quadrangle2D;
using zelk::shape::Rectangle2D;
using zelk::shape::Triangle2D;
using zelk::test::Bytes;
using zelk::test::RootDocument;
using zelk::test::TempDir;
using zelk::test::TextureListProbe;

namespace {

typedef std::array<int, 3> Colour;
const Colour black{0, 0, 0}, red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255},
    white{255, 255, 255};

// The unit square (0, 0) to (1, 1), counter-clockwise, in one colour.
void makeSquare(Polygon2D* polygon, color4f32 colour) {
    polygon->createPolygon(4);
    polygon->setVertexPosition(1, 1.f, 0.f);
    polygon->setVertexPosition(2, 1.f, 1.f);
    polygon->setVertexPosition(3, 0.f, 1.f);
    polygon->setPolygonColor(colour);
}

// A mesh holding that square.
void addSquare(Mesh2D* mesh, color4f32 colour) {
    Polygon2D square;
    makeSquare(&square, colour);
    mesh->addPolygon(square);
}

class ShapeDrawTest : public zelk::test::GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        // One unit of the drawing is one pixel.
        GU::guUseMatrix(GL_PROJECTION);
        GU::guLoadIdentity();
        GU::guUseOrtho(0, width, 0, height, -1, 1);
        GU::guUseMatrix(GL_MODELVIEW);
        GU::guLoadIdentity();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }

    void TearDown() override {
        EXPECT_EQ(TextureListProbe::byCode(), 0u);
        zelk::Texture2DList::deleteAllTextures();
        GLContextTest::TearDown();
    }

    static Colour pixel(int x, int y) {
        std::vector<unsigned char> rgba = zelk::test::readPixels(x, y, 1, 1);
        return Colour{rgba[0], rgba[1], rgba[2]};
    }

    // A 2 x 2 image, top row red and green, bottom row blue and white.
    std::string quadrantImage() {
        Bytes rgba = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
        std::string path = folder.file("quadrants.png");
        EXPECT_FALSE(zelk::test::writePNG(path, 2, 2, rgba).empty());
        return path;
    }

    std::string plainImage(const std::string& name, unsigned char r, unsigned char g,
                           unsigned char b) {
        Bytes rgba = {r, g, b, 255, r, g, b, 255, r, g, b, 255, r, g, b, 255};
        std::string path = folder.file(name);
        EXPECT_FALSE(zelk::test::writePNG(path, 2, 2, rgba).empty());
        return path;
    }

    // A mesh holding the unit rectangle scaled over the whole frame.
    void addFullFrameRectangle(Mesh2D* mesh) {
        Rectangle2D rectangle;
        rectangle.setScale(width, height);
        mesh->addPolygon(rectangle);
    }

    void expectQuadrants() {
        EXPECT_EQ(pixel(16, 48), red);
        EXPECT_EQ(pixel(48, 48), green);
        EXPECT_EQ(pixel(16, 16), blue);
        EXPECT_EQ(pixel(48, 16), white);
    }

    TempDir folder;
};

} // namespace

TEST_F(ShapeDrawTest, PolygonIsScaledThenTurnedThenMoved) {
    Polygon2D square;
    makeSquare(&square, color4f32(1.f, 0.f, 0.f, 1.f));
    square.setTranslate(10.f, 10.f);
    square.setScale(20.f, 20.f);
    square.draw();
    EXPECT_EQ(pixel(11, 11), red);
    EXPECT_EQ(pixel(29, 29), red);
    EXPECT_EQ(pixel(31, 20), black);

    // Scale (20, 10) turned by 90 degrees covers x 40..50, y 30..50.
    square.setPolygonColor(0.f, 1.f, 0.f);
    square.setTranslate(50.f, 30.f);
    square.setScale(10.f * 2.f, 10.f);
    square.setAngle(90.f);
    square.draw();
    EXPECT_EQ(pixel(45, 48), green);
    EXPECT_EQ(pixel(41, 31), green);
    EXPECT_EQ(pixel(38, 40), black);
    EXPECT_EQ(pixel(45, 52), black);
    // The matrix is as it was.
    EXPECT_FLOAT_EQ(zelk::test::getFloats(GL_MODELVIEW_MATRIX, 16)[12], 0.f);
}

TEST_F(ShapeDrawTest, FlatShadingShowsWhichPrimitiveEachKindBegins) {
    // A flat primitive takes the colour of its provoking vertex: the first of
    // a polygon, the last of a quad or a triangle.
    GU::guShadeModel(GL_FLAT);
    const color4f32 colours[4] = {color4f32(1.f, 0.f, 0.f, 1.f), color4f32(0.f, 1.f, 0.f, 1.f),
                                  color4f32(0.f, 0.f, 1.f, 1.f), color4f32(1.f, 1.f, 1.f, 1.f)};
    Polygon2D polygon;
    makeSquare(&polygon, colours[0]);
    Quadrangle2D quadrangle;
    quadrangle = polygon;
    Triangle2D triangle;
    triangle = polygon;
    for (unsigned int i = 0; i < 4; i++) {
        polygon.setVertexColor(i, colours[i]);
        quadrangle.setVertexColor(i, colours[i]);
        triangle.setVertexColor(i, colours[i]);
    }
    polygon.setScale(20.f, 20.f);
    quadrangle.setScale(20.f, 20.f);
    quadrangle.setTranslate(22.f, 0.f);
    triangle.setScale(20.f, 20.f);
    triangle.setTranslate(44.f, 0.f);
    polygon.draw();
    quadrangle.draw();
    triangle.draw();
    GU::guShadeModel(GL_SMOOTH);
    EXPECT_EQ(pixel(10, 10), red);
    EXPECT_EQ(pixel(32, 10), white);
    EXPECT_EQ(pixel(60, 5), blue);
    // The triangle has three vertices: the upper left corner stays empty.
    EXPECT_EQ(pixel(46, 18), black);
}

TEST_F(ShapeDrawTest, WireLoopsCloseAndALineStripStaysOpen) {
    const vec2f32 corners[3] = {vec2f32(10.5f, 10.5f), vec2f32(50.5f, 10.5f),
                                vec2f32(10.5f, 50.5f)};
    Triangle2D triangle;
    Lines2D strip;
    strip.createPolygon(3);
    for (unsigned int i = 0; i < 3; i++) {
        triangle.setVertexPosition(i, corners[i]);
        strip.setVertexPosition(i, corners[i]);
    }
    triangle.setPolygonColor(1.f, 1.f, 1.f);
    strip.setPolygonColor(0.f, 1.f, 0.f);
    triangle.drawWire();
    EXPECT_EQ(pixel(30, 10), white);
    EXPECT_EQ(pixel(10, 30), white);
    EXPECT_EQ(pixel(30, 30), white);
    EXPECT_EQ(pixel(20, 20), black);

    glClear(GL_COLOR_BUFFER_BIT);
    strip.draw();
    EXPECT_EQ(pixel(30, 10), green);
    EXPECT_EQ(pixel(30, 30), green);
    EXPECT_EQ(pixel(10, 30), black);
    // The wire of a strip is a loop like every polygon's.
    strip.drawWire();
    EXPECT_EQ(pixel(10, 30), green);
}

TEST_F(ShapeDrawTest, VerticesAndLinesDrawInsideTheCallersPrimitive) {
    Line2D line(vec2f32(0.5f, 32.5f), vec2f32(63.5f, 32.5f));
    line.lineStart.color = color4f32(0.f, 0.f, 1.f, 1.f);
    line.lineEnd.color = color4f32(0.f, 0.f, 1.f, 1.f);
    GU::guBegin(GL_LINES);
    line.draw();
    GU::guEnd();
    EXPECT_EQ(pixel(32, 32), blue);
    EXPECT_EQ(pixel(32, 34), black);
}

TEST_F(ShapeDrawTest, RectangleShowsItsTextureUprightAndItsFrames) {
    Mesh2D mesh;
    ASSERT_TRUE(mesh.material.loadTexture(quadrantImage().c_str(), 0, GL_NEAREST));
    addFullFrameRectangle(&mesh);
    mesh.drawOneTexture();
    expectQuadrants();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // The right column of the top row of a 2 x 2 sheet.
    ASSERT_TRUE(mesh.selectedSetPolygonUVFrames(2, 2));
    ASSERT_TRUE(mesh.selectedUsePolygonUVFrame(1, 0));
    mesh.drawOneTexture();
    EXPECT_EQ(pixel(5, 5), green);
    EXPECT_EQ(pixel(58, 58), green);
    ASSERT_TRUE(mesh.selectedUsePolygonUVFrame(0, 1));
    mesh.drawOneTexture();
    EXPECT_EQ(pixel(32, 32), blue);

    // Plain corners draw the whole texture.
    ASSERT_TRUE(mesh.selectedRemovePolygonUV());
    mesh.drawOneTexture();
    expectQuadrants();
}

TEST_F(ShapeDrawTest, MeshWithoutTextureDrawsItsVertexColours) {
    Mesh2D mesh;
    Polygon2D square;
    makeSquare(&square, color4f32(0.f, 1.f, 0.f, 1.f));
    square.setTranslate(10.5f, 10.5f);
    square.setScale(40.f, 40.f);
    mesh.addPolygon(square);
    mesh.drawOneTexture();
    EXPECT_EQ(pixel(32, 32), green);
    glClear(GL_COLOR_BUFFER_BIT);
    mesh.drawMultiTexture();
    EXPECT_EQ(pixel(32, 32), green);
    // The wire draws the edges only.
    glClear(GL_COLOR_BUFFER_BIT);
    mesh.drawWire();
    EXPECT_EQ(pixel(32, 32), black);
    EXPECT_EQ(pixel(32, 10), green);
    EXPECT_EQ(pixel(50, 32), green);
}

TEST_F(ShapeDrawTest, MeshWithSeveralTexturesBindsEachSlotOnItsOwnUnit) {
    ASSERT_EQ(zelk::GU_GLSL::guShaderInit(), 0u);
    Mesh2D mesh;
    ASSERT_TRUE(mesh.material.loadTexture(quadrantImage().c_str(), 0, GL_NEAREST));
    ASSERT_TRUE(
        mesh.material.loadTexture(plainImage("blue.png", 0, 0, 255).c_str(), 1, GL_NEAREST));
    addFullFrameRectangle(&mesh);
    mesh.drawMultiTexture();
    expectQuadrants();
    glActiveTexture(GL_TEXTURE1);
    EXPECT_EQ(static_cast<unsigned int>(zelk::test::getInteger(GL_TEXTURE_BINDING_2D)),
              mesh.material.getTexture(1));
    glActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(static_cast<unsigned int>(zelk::test::getInteger(GL_TEXTURE_BINDING_2D)),
              mesh.material.getTexture(0));

    // Without its texture the slot gives its use back.
    ASSERT_TRUE(mesh.removeTexture(1));
    EXPECT_EQ(mesh.material.getTexture(1), 0u);
    mesh.cleanTextures();
    EXPECT_EQ(TextureListProbe::byCode(), 0u);
}

TEST_F(ShapeDrawTest, MeshReadBackFromItsDocumentDrawsTheSame) {
    Mesh2D written;
    ASSERT_TRUE(written.material.loadTexture(quadrantImage().c_str(), 0, GL_NEAREST));
    addFullFrameRectangle(&written);
    written.drawOneTexture();
    std::vector<unsigned char> before = zelk::test::readPixels(0, 0, width, height);
    RootDocument document;
    ASSERT_TRUE(written.writeToXML(&document.xml, 0));

    Mesh2D read;
    ASSERT_TRUE(read.readFromXML(&document.xml, 0));
    EXPECT_EQ(read.material.getTexture(0), written.material.getTexture(0));
    EXPECT_EQ(TextureListProbe::uses(written.material.getTexture(0)), 2u);
    glClear(GL_COLOR_BUFFER_BIT);
    read.drawOneTexture();
    EXPECT_EQ(zelk::test::readPixels(0, 0, width, height), before);
}

TEST_F(ShapeDrawTest, ObjectPlacesItsPivotAtItsPositionUnderItsSizeAndAngle) {
    Object2D object;
    addSquare(object.newMesh(nullptr), color4f32(1.f, 0.f, 0.f, 1.f));
    object.pivo = vec2f32(0.5f, 0.5f);
    object.position = vec2f32(40.f, 8.f);
    object.size = zelk::size2f32(16.f, 16.f);
    // The object's point (1, 1) lands at (48, 16), (0, 0) at (32, 0).
    object.draw();
    EXPECT_EQ(pixel(47, 15), red);
    EXPECT_EQ(pixel(32, 0), red);
    EXPECT_EQ(pixel(49, 17), black);
    EXPECT_EQ(pixel(31, 5), black);
    EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));

    // Turned by 45 degrees about its pivot: a diamond of half-diagonal 14.1.
    glClear(GL_COLOR_BUFFER_BIT);
    object.position = vec2f32(32.f, 32.f);
    object.size = zelk::size2f32(20.f, 20.f);
    object.angle = 45.f;
    object.draw();
    EXPECT_EQ(pixel(32, 44), red);
    EXPECT_EQ(pixel(44, 32), red);
    EXPECT_EQ(pixel(41, 41), black);
    EXPECT_EQ(pixel(23, 23), black);

    // The wire draws the outline.
    glClear(GL_COLOR_BUFFER_BIT);
    object.angle = 0.f;
    object.position = vec2f32(32.5f, 32.5f);
    object.drawWire();
    EXPECT_EQ(pixel(32, 32), black);
    EXPECT_EQ(pixel(32, 22), red);
    EXPECT_EQ(pixel(42, 32), red);
}

TEST_F(ShapeDrawTest, MeshZeroIsDrawnOverTheOthers) {
    Object2D object;
    addSquare(object.newMesh(nullptr), color4f32(1.f, 0.f, 0.f, 1.f));
    Mesh2D given;
    addSquare(&given, color4f32(0.f, 1.f, 0.f, 1.f));
    ASSERT_TRUE(given.selectPolygon(0));
    given.selectedSetPolygonColor(0.f, 1.f, 0.f);
    object.addMesh(&given);
    object.size = zelk::size2f32(30.f, 30.f);
    object.draw();
    EXPECT_EQ(pixel(15, 15), red);
    EXPECT_EQ(pixel(40, 40), black);
}

TEST_F(ShapeDrawTest, PivotCrossIgnoresTheObjectsAngleAndSize) {
    Object2D object;
    object.position = vec2f32(32.f, 32.f);
    object.angle = 45.f;
    object.size = zelk::size2f32(0.1f, 0.1f);
    object.drawPivo(20.f, color3f32(0.f, 0.f, 1.f));
    EXPECT_EQ(pixel(32, 32), blue);
    EXPECT_EQ(pixel(38, 38), blue);
    EXPECT_EQ(pixel(26, 38), blue);
    EXPECT_EQ(pixel(32, 38), black);
    EXPECT_EQ(zelk::test::getFloats(GL_LINE_WIDTH, 1)[0], 1.f);
}
