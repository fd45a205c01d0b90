#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/shape/Vertex2D.h"
#include "zelk/shape/Vertex2DAnimatedUV.h"
#include "zelk/shape/Vertex2DWithUV.h"

#include <gtest/gtest.h>

using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::XML;
using zelk::shape::Vertex2D;
using zelk::shape::Vertex2DAnimatedUV;
using zelk::shape::Vertex2DWithUV;
using zelk::test::captureStdout;
using zelk::test::documentText;
using zelk::test::RootDocument;

namespace {

void expectUV(vec2f32 uv, float x, float y) {
    EXPECT_FLOAT_EQ(uv.x, x);
    EXPECT_FLOAT_EQ(uv.y, y);
}

} // namespace

TEST(Vertex, KindsAnswerTheirTypeNumbersAndDefaults) {
    Vertex2D plain;
    Vertex2DWithUV textured;
    Vertex2DAnimatedUV framed;
    EXPECT_EQ(plain.getType(), 1);
    EXPECT_EQ(textured.getType(), 2);
    EXPECT_EQ(framed.getType(), 3);
    EXPECT_EQ(plain.color.r + plain.color.g + plain.color.b + plain.color.a, 4.f);
    EXPECT_EQ(plain.position, vec2f32());
}

TEST(Vertex, FrameOfTheGridIsSavedTimesMultiplierPlusMultiplierTimesFrame) {
    Vertex2DAnimatedUV vertex;
    vertex.setUV(vec2f32(1.f, 1.f));
    // Before a grid is given the multiplier is (0, 0).
    vertex.useUVFrame(vec2ui32(2u, 1u));
    expectUV(vertex.getUV(), 0.f, 0.f);

    ASSERT_TRUE(vertex.setUVFrames(vec2ui32(4u, 2u)));
    expectUV(vertex.getUV(), 0.25f, 0.5f);
    vertex.useUVFrame(vec2ui32(2u, 1u));
    expectUV(vertex.getUV(), 0.75f, 1.f);
    // No bound: beyond the grid the coordinate passes 1.
    vertex.useUVFrameX(5u);
    expectUV(vertex.getUV(), 1.5f, 1.f);
    vertex.useUVFrameY(3u);
    expectUV(vertex.getUV(), 1.5f, 2.f);
    expectUV(vertex.getSaved(), 1.f, 1.f);

    vertex.cleanUVAnimation();
    expectUV(vertex.getUV(), 1.f, 1.f);
}

TEST(Vertex, GridOfZeroColumnsOrRowsIsRefusedAndOneByOneShowsTheSavedCoordinate) {
    Vertex2DAnimatedUV vertex;
    vertex.setUV(0.3f, 0.6f);
    vertex.setUV(vec2f32(0.4f, 0.7f));
    EXPECT_FALSE(vertex.setUVFrames(vec2ui32(0u, 2u)));
    EXPECT_FALSE(vertex.setUVFrames(vec2ui32(2u, 0u)));
    expectUV(vertex.getUV(), 0.4f, 0.7f);
    ASSERT_TRUE(vertex.setUVFrames(vec2ui32(1u, 1u)));
    expectUV(vertex.getUV(), 0.4f, 0.7f);
}

TEST(Vertex, TexturedSettersOnAnAnimatedVertexChangeOnlyTheShownCoordinate) {
    Vertex2DAnimatedUV vertex;
    vertex.setUV(vec2f32(0.5f, 0.5f));
    Vertex2DWithUV* asTextured = &vertex;
    asTextured->setUV(vec2f32(0.9f, 0.1f));
    expectUV(vertex.getUV(), 0.9f, 0.1f);
    expectUV(vertex.getSaved(), 0.5f, 0.5f);
    vertex.setUVX(0.2f);
    vertex.setUVY(0.3f);
    expectUV(vertex.getSaved(), 0.5f, 0.5f);
    EXPECT_FLOAT_EQ(vertex.getUVX(), 0.2f);
    EXPECT_FLOAT_EQ(vertex.getUVY(), 0.3f);
}

TEST(Vertex, EachKindWritesItsAttributesInOrderAndLeavesTheCursorOnTheParent) {
    RootDocument document;
    Vertex2D plain;
    plain.position = vec2f32(1.f, 0.25f);
    plain.color = zelk::color4f32(1.f, 0.5f, 0.f, 1.f);
    Vertex2DWithUV textured;
    textured.setUV(0.5f, 2.f);
    Vertex2DAnimatedUV framed;
    framed.setUV(vec2f32(1.f, 1.f));
    framed.setUVFrames(vec2ui32(4u, 2u));
    framed.useUVFrame(vec2ui32(2u, 1u));

    ASSERT_TRUE(plain.writeToXML(3, &document.xml));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    ASSERT_TRUE(textured.writeToXML(4, &document.xml));
    ASSERT_TRUE(framed.writeToXML(5, &document.xml));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    EXPECT_EQ(documentText(document.xml),
              "<root>"
              "<Vertex_3 type=\"1\" x=\"1.0\" y=\"0.25\" r=\"1.0\" g=\"0.5\" b=\"0.0\" a=\"1.0\"/>"
              "<Vertex_4 type=\"2\" x=\"0.0\" y=\"0.0\" r=\"1.0\" g=\"1.0\" b=\"1.0\" a=\"1.0\" "
              "uvX=\"0.5\" uvY=\"2.0\"/>"
              "<Vertex_5 type=\"3\" x=\"0.0\" y=\"0.0\" r=\"1.0\" g=\"1.0\" b=\"1.0\" a=\"1.0\" "
              "uvX=\"0.75\" uvY=\"1.0\" uvMX=\"0.25\" uvMY=\"0.5\" uvSX=\"1.0\" uvSY=\"1.0\"/>"
              "</root>");
}

TEST(Vertex, AnimatedVertexReadsBackWhatItWrote) {
    RootDocument document;
    Vertex2DAnimatedUV written;
    written.position = vec2f32(-2.5f, 7.f);
    written.color = zelk::color4f32(0.25f, 0.5f, 0.75f, 0.125f);
    written.setUV(vec2f32(0.5f, 0.25f));
    written.setUVFrames(vec2ui32(8u, 4u));
    written.useUVFrame(vec2ui32(3u, 2u));
    ASSERT_TRUE(written.writeToXML(0, &document.xml));

    Vertex2DAnimatedUV read;
    ASSERT_TRUE(read.readFromXML(0, &document.xml));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    EXPECT_EQ(read.position, written.position);
    EXPECT_EQ(read.color.a, 0.125f);
    EXPECT_EQ(read.getUV(), written.getUV());
    EXPECT_EQ(read.getSaved(), written.getSaved());
    // The multiplier came back too: the same frame shows the same coordinate.
    read.useUVFrame(vec2ui32(1u, 1u));
    written.useUVFrame(vec2ui32(1u, 1u));
    EXPECT_EQ(read.getUV(), written.getUV());
}

TEST(Vertex, ReadingKeepsFieldsWhoseAttributesAreMissing) {
    RootDocument document("<Vertex_3 type=\"1\" x=\"4.5\"/>"
                          "<Vertex_4 x=\"9.0\"/>"
                          "<Vertex_5 type=\"2\" x=\"1.0\" uvX=\"0.5\" uvY=\"0.25\"/>"
                          "<Vertex_6 type=\"1\" x=\"many\"/>");
    Vertex2D vertex;
    vertex.position = vec2f32(1.f, 2.f);
    ASSERT_TRUE(vertex.readFromXML(3, &document.xml));
    EXPECT_EQ(vertex.position, vec2f32(4.5f, 2.f));
    EXPECT_EQ(vertex.color.g, 1.f);

    // Without "type" nothing is read.
    EXPECT_FALSE(vertex.readFromXML(4, &document.xml));
    EXPECT_EQ(vertex.position, vec2f32(4.5f, 2.f));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    EXPECT_FALSE(vertex.readFromXML(9, &document.xml));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    // Text that is not a number reads as 0.
    ASSERT_TRUE(vertex.readFromXML(6, &document.xml));
    EXPECT_EQ(vertex.position.x, 0.f);

    // A kind-2 element fills the shown coordinate of a framed vertex only.
    Vertex2DAnimatedUV framed;
    framed.setUV(vec2f32(0.1f, 0.2f));
    framed.setUVFrames(vec2ui32(2u, 2u));
    ASSERT_TRUE(framed.readFromXML(5, &document.xml));
    expectUV(framed.getUV(), 0.5f, 0.25f);
    expectUV(framed.getSaved(), 0.1f, 0.2f);
    framed.useUVFrame(vec2ui32(1u, 0u));
    expectUV(framed.getUV(), 0.55f, 0.1f);
}

TEST(Vertex, StoredTypeIsReadCutToEightBitsAndZeroWhenAbsent) {
    RootDocument document("<Vertex_0 type=\"2\"/><Vertex_1 x=\"1.0\"/><Vertex_2 type=\"259\"/>");
    EXPECT_EQ(Vertex2D::readTypeFromXML(0, &document.xml), 2);
    EXPECT_EQ(Vertex2D::readTypeFromXML(1, &document.xml), 0);
    EXPECT_EQ(Vertex2D::readTypeFromXML(2, &document.xml), 3);
    EXPECT_EQ(Vertex2D::readTypeFromXML(7, &document.xml), 0);
    EXPECT_EQ(Vertex2D::readTypeFromXML(0, nullptr), 0);
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    // The cursor is back on the parent: a sibling is still found.
    EXPECT_STREQ(document.xml.selectChild("Vertex_2"), "Vertex_2");
}

TEST(Vertex, WriterAnswersFalseWhenItWritesNothing) {
    Vertex2D vertex;
    EXPECT_FALSE(vertex.writeToXML(0, nullptr));
    EXPECT_FALSE(vertex.readFromXML(0, nullptr));
    // A document with a root but nothing selected takes no second root.
    XML xml("<root/>");
    EXPECT_FALSE(vertex.writeToXML(0, &xml));
    EXPECT_EQ(documentText(xml), "<root/>");
    // An empty document takes the element as its root, and nothing stays
    // selected, as before.
    XML empty;
    EXPECT_TRUE(vertex.writeToXML(1, &empty));
    EXPECT_FALSE(empty.haveSelected());
    EXPECT_EQ(Vertex2D::readTypeFromXML(1, &empty), 1);
}

TEST(Vertex, SecondElementOfTheSameNameGetsItsOwnAttributes) {
    RootDocument document;
    Vertex2DAnimatedUV first, second;
    second.position = vec2f32(5.f, 5.f);
    ASSERT_TRUE(first.writeToXML(0, &document.xml));
    ASSERT_TRUE(second.writeToXML(0, &document.xml));
    std::string text = documentText(document.xml);
    EXPECT_EQ(text.find("x=\"5.0\""), text.rfind("x=\"5.0\""));
    EXPECT_GT(text.find("x=\"5.0\""), text.find("<Vertex_0", 10));
    // Each element holds each attribute once.
    EXPECT_EQ(text.find("uvSY", text.find("uvSY") + 1), text.rfind("uvSY"));
}

TEST(Vertex, PrintsPositionColourAndTheKindsAdditions) {
    Vertex2DAnimatedUV vertex;
    vertex.position = vec2f32(1.f, 0.25f);
    vertex.setUV(vec2f32(0.5f, 1.f));
    vertex.setUVFrames(vec2ui32(2u, 4u));
    EXPECT_EQ(captureStdout([&] { vertex.print(2); }),
              "\nVector [2] position(1.00 0.25) Color (1.00 1.00 1.00 1.00)"
              "\nUV(0.25 0.25) multiply(0.50 0.25)");
    EXPECT_EQ(captureStdout([&] { vertex.print(); }),
              "\nVector position(1.00 0.25) Color (1.00 1.00 1.00 1.00)UV(0.25 0.25) multiply(0.50 "
              "0.25)");
}
