#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/shape/Vertex2DWithUV.h"

#include <gtest/gtest.h>

#include <string>

using zelk::color4f32;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::XML;
using zelk::animation::Interpolation1DGroup;
using zelk::shape::Polygon2D;
using zelk::test::captureStdout;
using zelk::test::documentText;

namespace {

bool sameColour(color4f32 a, color4f32 b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// A triangle at (0, 0), (1, 0), (0, 1) whose vertices are framed in a grid of
// 4 columns and 2 rows, with texture coordinates (0, 0), (1, 0), (0, 1).
void makeFramedTriangle(Polygon2D* polygon) {
    polygon->createPolygon(3);
    for (unsigned int i = 0; i < 3; i++) {
        vec2f32 corner(i == 1 ? 1.f : 0.f, i == 2 ? 1.f : 0.f);
        polygon->setVertexPosition(i, corner);
        polygon->setVertexUV(i, corner);
    }
    polygon->setPolygonUVFrames(4, 2);
}

// An animation whose value is its second, from 0 to 10.
Interpolation1DGroup* countingAnimation(Polygon2D* polygon) {
    polygon->framesCreateAnimation();
    Interpolation1DGroup* group = polygon->framesGetAnimation();
    group->addNewInterpolationLine(0.f, 0.f);
    group->addNewInterpolationLine(10.f, 10.f);
    return group;
}

const char* const plainVertex = "r=\"1.0\" g=\"1.0\" b=\"1.0\" a=\"1.0\"";

std::string defaultChildren() {
    return "<uvFrames framesX=\"1.0\" framesY=\"1.0\" frameUsingX=\"0.0\" frameUsingY=\"0.0\"/>"
           "<transformation translateX=\"0.0\" translateY=\"0.0\" scaleW=\"1.0\" scaleH=\"1.0\" "
           "angle=\"0.0\"/>"
           "<physics density=\"1.0\" friction=\"0.0\" restitution=\"0.0\"/>";
}

} // namespace

TEST(Polygon, CreatesPlainVerticesInThePolygonColourAndRefusesFewerThanTwo) {
    Polygon2D polygon(3);
    ASSERT_EQ(polygon.getVertexCount(), 3u);
    EXPECT_TRUE(sameColour(polygon.getVertexColor(2), color4f32(0.f, 0.f, 0.f, 1.f)));
    EXPECT_EQ(polygon.getVertexType(0), 1);

    polygon.polygonColor = color4f32(0.f, 1.f, 0.f, 1.f);
    ASSERT_TRUE(polygon.createPolygon(5));
    EXPECT_EQ(polygon.getVertexCount(), 5u);
    EXPECT_TRUE(sameColour(polygon.getVertexColor(4), color4f32(0.f, 1.f, 0.f, 1.f)));

    EXPECT_FALSE(polygon.createPolygon(1));
    EXPECT_EQ(polygon.getVertexCount(), 0u);
    EXPECT_EQ(polygon.getVertexPointer(0), nullptr);
}

TEST(Polygon, MissingVerticesAnswerFalseAndNeutralValues) {
    Polygon2D polygon(2);
    EXPECT_FALSE(polygon.setVertexPosition(2, 1.f, 1.f));
    EXPECT_FALSE(polygon.setVertexColor(2, 1.f, 1.f, 1.f));
    EXPECT_FALSE(polygon.setVertexUV(2, 1.f, 1.f));
    EXPECT_FALSE(polygon.removeVertexUV(2));
    EXPECT_FALSE(polygon.setVertexUVFrames(2, vec2ui32(2u, 2u)));
    EXPECT_EQ(polygon.getVertexType(2), 0);
    EXPECT_EQ(polygon.getVertexPosition(2), vec2f32());
    EXPECT_EQ(polygon.getVertexUV(2), vec2f32());
    EXPECT_TRUE(sameColour(polygon.getVertexColor(2), color4f32(0.f, 0.f, 0.f, 0.f)));

    Polygon2D empty;
    EXPECT_FALSE(empty.setPolygonColor(0.5f, 0.5f, 0.5f));
    EXPECT_TRUE(sameColour(empty.polygonColor, color4f32(0.5f, 0.5f, 0.5f, 1.f)));
    ASSERT_TRUE(polygon.setPolygonColor(0.1f, 0.2f, 0.3f, 0.4f));
    EXPECT_TRUE(sameColour(polygon.getVertexColor(1), color4f32(0.1f, 0.2f, 0.3f, 0.4f)));
    ASSERT_TRUE(polygon.setVertexColor(0, 1.f, 0.f, 0.f));
    EXPECT_EQ(polygon.getVertexColor(0).a, 1.f);
}

TEST(Polygon, KindChangesReplaceTheVertexAndKeepItsPositionAndColour) {
    Polygon2D polygon(3);
    polygon.setVertexPosition(1, 4.f, 5.f);
    polygon.setVertexColor(1, 0.5f, 0.25f, 1.f, 0.75f);
    zelk::shape::Vertex2D* plain = polygon.getVertexPointer(1);

    ASSERT_TRUE(polygon.setVertexUV(1, 0.5f, 0.25f));
    EXPECT_EQ(polygon.getVertexType(1), 2);
    EXPECT_NE(polygon.getVertexPointer(1), plain);
    EXPECT_EQ(polygon.getVertexUV(1), vec2f32(0.5f, 0.25f));

    // The textured coordinate becomes the saved one of the framed vertex.
    ASSERT_TRUE(polygon.setVertexUVFrames(1, vec2ui32(2u, 2u)));
    EXPECT_EQ(polygon.getVertexType(1), 3);
    EXPECT_EQ(polygon.getVertexUV(1), vec2f32(0.5f, 0.25f));

    ASSERT_TRUE(polygon.removeVertexUV(1));
    EXPECT_EQ(polygon.getVertexType(1), 1);
    EXPECT_FALSE(polygon.removeVertexUV(1));
    EXPECT_EQ(polygon.getVertexPosition(1), vec2f32(4.f, 5.f));
    EXPECT_TRUE(sameColour(polygon.getVertexColor(1), color4f32(0.5f, 0.25f, 1.f, 0.75f)));

    polygon.setVertexUV(0, 1.f, 1.f);
    polygon.setVertexUVFrames(2, vec2ui32(1u, 1u));
    polygon.removePolygonUV();
    for (unsigned int i = 0; i < 3; i++) {
        EXPECT_EQ(polygon.getVertexType(i), 1);
    }
}

TEST(Polygon, GridPositionsCountAlongTheRowsWithoutAnUpperBound) {
    Polygon2D polygon;
    makeFramedTriangle(&polygon);
    EXPECT_EQ(polygon.getFrames(), vec2ui32(4u, 2u));
    EXPECT_EQ(polygon.framesSize, 8u);
    EXPECT_EQ(polygon.getVertexType(2), 3);

    polygon.usePolygonUVFramePosition(5);
    EXPECT_EQ(polygon.frameUsing, vec2ui32(1u, 1u));
    auto* corner = static_cast<zelk::shape::Vertex2DWithUV*>(polygon.getVertexPointer(1));
    EXPECT_FLOAT_EQ(corner->getUVX(), 0.5f);
    EXPECT_FLOAT_EQ(corner->getUVY(), 0.5f);
    polygon.usePolygonUVFramePosition(9);
    EXPECT_EQ(polygon.frameUsing, vec2ui32(1u, 2u));
    polygon.usePolygonUVFrameX(3);
    polygon.usePolygonUVFrameY(0);
    EXPECT_EQ(polygon.frameUsing, vec2ui32(3u, 0u));
    EXPECT_FLOAT_EQ(corner->getUVX(), 1.f);

    polygon.cleanPolygonUVAnimation();
    EXPECT_FLOAT_EQ(corner->getUVX(), 1.f);
    EXPECT_FLOAT_EQ(corner->getUVY(), 0.f);

    // Setting a coordinate shows frame (0, 0) again.
    polygon.usePolygonUVFrame(vec2ui32(2u, 1u));
    EXPECT_EQ(polygon.frameUsing, vec2ui32(2u, 1u));
    polygon.setVertexUV(0, 0.f, 0.f);
    EXPECT_EQ(polygon.frameUsing, vec2ui32(0u, 0u));
}

TEST(Polygon, ZeroGridCountsAreRefusedAndOneAxisCanChangeAlone) {
    Polygon2D polygon;
    makeFramedTriangle(&polygon);
    polygon.usePolygonUVFrame(vec2ui32(1u, 1u));
    EXPECT_FALSE(polygon.setPolygonUVFrames(0, 3));
    EXPECT_EQ(polygon.frameUsing, vec2ui32(0u, 0u));
    EXPECT_EQ(polygon.getFrames(), vec2ui32(4u, 2u));
    EXPECT_FALSE(polygon.setPolygonUVFramesX(0));
    EXPECT_TRUE(polygon.setPolygonUVFramesY(4));
    EXPECT_EQ(polygon.getFrames(), vec2ui32(4u, 4u));
    EXPECT_TRUE(polygon.setPolygonUVFramesX(2));
    EXPECT_EQ(polygon.getFrames(), vec2ui32(2u, 4u));
    EXPECT_EQ(polygon.framesSize, 8u);

    // Without framed vertices no frame is shown.
    Polygon2D plain(3);
    plain.usePolygonUVFrame(vec2ui32(1u, 1u));
    plain.usePolygonUVFrameX(1);
    EXPECT_EQ(plain.frameUsing, vec2ui32(0u, 0u));
}

TEST(Polygon, TransformationAndPhysicalValuesHaveTheirDefaults) {
    Polygon2D polygon;
    EXPECT_EQ(polygon.getScale(), size2f32(1.f, 1.f));
    EXPECT_EQ(polygon.getAngle(), 0.f);
    EXPECT_EQ(polygon.getDensity(), 1.f);
    EXPECT_EQ(polygon.getFriction(), 0.f);
    EXPECT_EQ(polygon.getCircleRadius(), 1.f);
    EXPECT_FALSE(polygon.isCircle() || polygon.isLine() || polygon.isRect());
    polygon.setTranslate(1.f, 2.f);
    polygon.setScale(3.f, 4.f);
    polygon.setAngle(45.f);
    polygon.setDensity(2.f);
    polygon.setFriction(0.5f);
    polygon.setRestitution(0.25f);
    EXPECT_EQ(polygon.getTranslate(), vec2f32(1.f, 2.f));
    EXPECT_EQ(polygon.getScale(), size2f32(3.f, 4.f));
    EXPECT_EQ(polygon.getAngle(), 45.f);
    EXPECT_EQ(polygon.getRestitution(), 0.25f);
}

TEST(Polygon, MarkedCopyLeavesTheSourceVerticesAlive) {
    Polygon2D source(3);
    source.setVertexPosition(2, 7.f, 8.f);
    {
        Polygon2D copy(source);
        copy.cantDeletePolygon();
        EXPECT_EQ(copy.getVertexPointer(2), source.getVertexPointer(2));
    }
    EXPECT_EQ(source.getVertexPosition(2), vec2f32(7.f, 8.f));
}

TEST(Polygon, AssignmentRebuildsFramedVerticesAndAnswersACopyThatOwnsNothing) {
    Polygon2D source;
    makeFramedTriangle(&source);
    source.usePolygonUVFrame(vec2ui32(3u, 1u));
    source.setTranslate(1.f, 1.f);
    source.setAngle(30.f);
    source.setDensity(3.f);
    Polygon2D target(5);
    {
        Polygon2D answered = (target = source);
        EXPECT_EQ(answered.getVertexPointer(0), source.getVertexPointer(0));
    }
    ASSERT_EQ(target.getVertexCount(), 3u);
    EXPECT_NE(target.getVertexPointer(0), source.getVertexPointer(0));
    EXPECT_EQ(target.getVertexType(1), 3);
    EXPECT_EQ(target.getVertexUV(1), vec2f32(1.f, 0.f));
    EXPECT_EQ(target.frameUsing, vec2ui32(3u, 1u));
    EXPECT_EQ(target.getVertexPosition(2), vec2f32(0.f, 1.f));
    EXPECT_EQ(target.getTranslate(), vec2f32(1.f, 1.f));
    EXPECT_EQ(target.getAngle(), 30.f);
    EXPECT_EQ(target.getDensity(), 3.f);
    // The source still owns its own vertices.
    EXPECT_EQ(source.getVertexPosition(1), vec2f32(1.f, 0.f));

    // Plain vertices come back framed in the default grid.
    Polygon2D plain(3);
    target = plain;
    EXPECT_EQ(target.getVertexType(0), 3);
    EXPECT_EQ(target.getFrames(), vec2ui32(1u, 1u));
}

TEST(Polygon, AssignmentFromItselfKeepsEverything) {
    Polygon2D polygon;
    makeFramedTriangle(&polygon);
    countingAnimation(&polygon);
    polygon = polygon;
    ASSERT_EQ(polygon.getVertexCount(), 3u);
    EXPECT_EQ(polygon.getVertexPosition(1), vec2f32(1.f, 0.f));
    EXPECT_TRUE(polygon.framesIsAnimationCreator());
    EXPECT_EQ(polygon.framesGetAnimation()->getInterpolationSize(), 1u);
}

TEST(Polygon, AssignedPolygonsShareOneCountedAnimation) {
    Polygon2D first(3);
    Interpolation1DGroup* group = countingAnimation(&first);
    EXPECT_TRUE(first.framesIsAnimationCreator());
    {
        Polygon2D second(4);
        second = first;
        EXPECT_EQ(second.framesGetAnimation(), group);
        EXPECT_TRUE(second.framesIsAnimationCreator());
        first.framesRemoveAnimation();
        EXPECT_FALSE(first.framesHaveAnimation());
        // The second holder keeps it alive.
        EXPECT_EQ(second.framesGetAnimation()->getInterpolationSize(), 1u);
        ASSERT_TRUE(first.framesSetAnimation(group));
        EXPECT_FALSE(first.framesIsAnimationCreator());
        EXPECT_TRUE(first.framesSetAnimation(group));
    }
    // The second polygon is gone; the first still holds it.
    EXPECT_EQ(first.framesGetAnimation()->getInterpolationSize(), 1u);
    EXPECT_FALSE(first.framesSetAnimation(nullptr));
    EXPECT_EQ(first.framesGetAnimation(), group);
}

TEST(Polygon, MarkedCopyRebuildsWithoutFreeingWhatItShares) {
    Polygon2D source(4);
    source.setVertexPosition(3, 2.f, 2.f);
    Interpolation1DGroup* group = countingAnimation(&source);
    Polygon2D copy(source);
    copy.cantDeletePolygon();
    ASSERT_TRUE(copy.createPolygon(3));
    EXPECT_EQ(source.getVertexPosition(3), vec2f32(2.f, 2.f));
    // The copy points at the animation that only the source holds; the
    // source, rebuilt from it, keeps that animation alive.
    EXPECT_EQ(copy.framesGetAnimation(), group);
    source = copy;
    ASSERT_EQ(source.getVertexCount(), 3u);
    ASSERT_EQ(source.framesGetAnimation(), group);
    EXPECT_EQ(group->getInterpolationSize(), 1u);
}

TEST(Polygon, AnimationOfAPolygonWithoutVerticesGoesWithIt) {
    // LeakSanitizer reports the group if the polygon keeps it.
    Polygon2D polygon;
    ASSERT_TRUE(polygon.framesCreateAnimation());
    ASSERT_TRUE(polygon.framesCreateAnimation());
    Polygon2D copy(polygon);
    copy.cantDeletePolygon();
    copy.framesRemoveAnimation();
    EXPECT_TRUE(polygon.framesHaveAnimation());
}

TEST(Polygon, WritesTheMarkerTextTheMarkerAttributeAndTheChildren) {
    XML xml("<root/>");
    xml.selectRoot();
    Polygon2D polygon(2);
    polygon.polygonColor = color4f32(1.f, 1.f, 1.f, 1.f);
    polygon.setPolygonColor(polygon.polygonColor);
    ASSERT_TRUE(polygon.writeToXML(&xml, 4));
    EXPECT_STREQ(xml.getSelectedName(), "root");
    std::string vertices = std::string("<Vertex_0 type=\"1\" x=\"0.0\" y=\"0.0\" ") + plainVertex +
                           "/><Vertex_1 type=\"1\" x=\"0.0\" y=\"0.0\" " + plainVertex + "/>";
    EXPECT_EQ(documentText(xml), "<root><polygon_4 vCount=\"2\">polygon" + vertices +
                                     defaultChildren() + "</polygon_4></root>");
}

TEST(Polygon, ReadsBackTexturedAndFramedVerticesTheGridAndTheAnimation) {
    XML xml("<root/>");
    xml.selectRoot();
    Polygon2D written;
    makeFramedTriangle(&written);
    written.usePolygonUVFrame(vec2ui32(2u, 1u));
    written.setScale(2.f, 0.5f);
    written.setFriction(0.75f);
    countingAnimation(&written)->loopOn();
    ASSERT_TRUE(written.writeToXML(&xml, 0));
    std::string text = documentText(xml);
    EXPECT_NE(text.find("<anim_0"), std::string::npos);

    Polygon2D read;
    ASSERT_TRUE(read.readFromXML(&xml, 0));
    EXPECT_STREQ(xml.getSelectedName(), "root");
    ASSERT_EQ(read.getVertexCount(), 3u);
    EXPECT_EQ(read.getVertexType(2), 3);
    EXPECT_EQ(read.getVertexUV(2), vec2f32(0.f, 1.f));
    EXPECT_EQ(read.frameUsing, vec2ui32(2u, 1u));
    EXPECT_EQ(read.getFrames(), vec2ui32(4u, 2u));
    EXPECT_EQ(read.getScale(), size2f32(2.f, 0.5f));
    EXPECT_EQ(read.getFriction(), 0.75f);
    ASSERT_TRUE(read.framesHaveAnimation());
    EXPECT_TRUE(read.framesIsAnimationCreator());
    EXPECT_TRUE(read.framesGetAnimation()->isPlaying());
    EXPECT_EQ(read.framesGetAnimation()->getInterpolationSize(), 1u);

    // Written again, the polygon gives the same text.
    XML again("<root/>");
    again.selectRoot();
    read.framesGetAnimation()->stop();
    ASSERT_TRUE(read.writeToXML(&again, 0));
    EXPECT_EQ(documentText(again), text);
}

TEST(Polygon, CircleAndLineMarkersTravelWithTheirAttribute) {
    XML xml("<root/>");
    xml.selectRoot();
    Polygon2D circle(3);
    Polygon2D line(2);
    // The markers are set by the kinds; a document sets them here.
    XML source("<root><polygon_0 radius=\"2.5\" vCount=\"3\">\n\tcircle\n</polygon_0>"
               "<polygon_1 collisionID=\"260\" vCount=\"2\">line</polygon_1></root>");
    source.selectRoot();
    ASSERT_TRUE(circle.readFromXML(&source, 0));
    ASSERT_TRUE(line.readFromXML(&source, 1));
    EXPECT_TRUE(circle.isCircle());
    EXPECT_EQ(circle.getCircleRadius(), 2.5f);
    EXPECT_TRUE(line.isLine());
    EXPECT_EQ(line.getCollisionID(), 4);

    ASSERT_TRUE(circle.writeToXML(&xml, 0));
    ASSERT_TRUE(line.writeToXML(&xml, 1));
    std::string text = documentText(xml);
    EXPECT_NE(text.find("<polygon_0 radius=\"2.5\" vCount=\"3\">circle<Vertex_0"),
              std::string::npos);
    EXPECT_NE(text.find("<polygon_1 collisionID=\"4\" vCount=\"2\">line<Vertex_0"),
              std::string::npos);

    // A "polygon" element clears the circle marker.
    XML plain("<root><polygon_0 vCount=\"3\">polygon</polygon_0></root>");
    plain.selectRoot();
    ASSERT_TRUE(circle.readFromXML(&plain, 0));
    EXPECT_FALSE(circle.isCircle());
}

TEST(Polygon, HostileCountsAreRefusedWithoutMakingVertices) {
    XML xml("<root>"
            "<polygon_0 radius=\"3.0\" vCount=\"0\">circle</polygon_0>"
            "<polygon_1 vCount=\"-1\">polygon</polygon_1>"
            "<polygon_2 vCount=\"65537\">polygon</polygon_2>"
            "<polygon_3 vCount=\"99999999999999999999\">polygon</polygon_3>"
            "<polygon_4>polygon</polygon_4>"
            "<polygon_5 vCount=\"65536\">sphere</polygon_5>"
            "</root>");
    xml.selectRoot();
    Polygon2D polygon(3);
    polygon.setVertexPosition(0, 9.f, 9.f);
    EXPECT_FALSE(polygon.readFromXML(&xml, 0));
    // The marker of the text is kept all the same.
    EXPECT_TRUE(polygon.isCircle());
    EXPECT_EQ(polygon.getCircleRadius(), 3.f);
    for (unsigned int id = 1; id <= 4; id++) {
        EXPECT_FALSE(polygon.readFromXML(&xml, id)) << id;
        EXPECT_STREQ(xml.getSelectedName(), "root");
    }
    EXPECT_EQ(polygon.getVertexCount(), 3u);
    EXPECT_EQ(polygon.getVertexPosition(0), vec2f32(9.f, 9.f));
    EXPECT_FALSE(polygon.readFromXML(&xml, 6));

    // The largest count is taken as far as the element backs it; an unknown
    // text leaves the markers.
    ASSERT_TRUE(polygon.readFromXML(&xml, 5));
    EXPECT_EQ(polygon.getVertexCount(), 64u);
    EXPECT_FALSE(polygon.isCircle());
    EXPECT_FALSE(polygon.readFromXML(nullptr, 5));
}

// A 1902-byte mesh document of 40 empty polygon elements, each with a
// "vCount" of 65,536, made 2.6 million vertices: 12 s and 1 GB in the fuzz
// build.
TEST(Polygon, ACountMakesNoMoreVerticesThanTheElementCarries) {
    std::string vertices;
    for (int k : {0, 1, 3, 3, 70, 70000}) {
        vertices +=
            "<Vertex_" + std::to_string(k) + " type=\"1\" x=\"" + std::to_string(k) + "\"/>";
    }
    XML xml(("<root><polygon_0 vCount=\"65536\">polygon</polygon_0>"
             "<polygon_1 vCount=\"65536\">polygon" +
             vertices +
             "</polygon_1>"
             "<polygon_2 vCount=\"5\">polygon" +
             vertices + "</polygon_2></root>")
                .c_str());
    xml.selectRoot();
    Polygon2D polygon;
    ASSERT_TRUE(polygon.readFromXML(&xml, 0));
    EXPECT_EQ(polygon.getVertexCount(), 64u);
    // Five elements below the count (a repeated name too) back 40 vertices
    // more; the vertices are the first ones, those without an element stay as
    // created, and an element beyond them is passed over.
    ASSERT_TRUE(polygon.readFromXML(&xml, 1));
    ASSERT_EQ(polygon.getVertexCount(), 104u);
    EXPECT_EQ(polygon.getVertexPosition(1), vec2f32(1.f, 0.f));
    EXPECT_EQ(polygon.getVertexPosition(2), vec2f32());
    EXPECT_EQ(polygon.getVertexPosition(3), vec2f32(3.f, 0.f));
    EXPECT_EQ(polygon.getVertexPosition(70), vec2f32(70.f, 0.f));
    // A count the element carries is taken whole, gaps and all.
    ASSERT_TRUE(polygon.readFromXML(&xml, 2));
    ASSERT_EQ(polygon.getVertexCount(), 5u);
    EXPECT_EQ(polygon.getVertexPosition(3), vec2f32(3.f, 0.f));
    EXPECT_EQ(polygon.getVertexPosition(4), vec2f32());
}

TEST(Polygon, MissingOrUnknownVerticesStayAsCreatedAndMissingValuesReadZero) {
    XML xml("<root><polygon_0 vCount=\"4\">polygon"
            "<Vertex_0 type=\"1\" x=\"2.0\" y=\"3.0\"/>"
            "<Vertex_2 type=\"0\" x=\"5.0\"/>"
            "<Vertex_3 type=\"7\" x=\"6.0\"/>"
            "<Vertex_0 type=\"1\" x=\"9.0\" y=\"9.0\"/>"
            "<uvFrames framesX=\"0.0\" framesY=\"2.0\"/>"
            "<transformation translateX=\"1.0\"/>"
            "</polygon_0></root>");
    xml.selectRoot();
    Polygon2D polygon;
    polygon.setDensity(5.f);
    ASSERT_TRUE(polygon.readFromXML(&xml, 0));
    ASSERT_EQ(polygon.getVertexCount(), 4u);
    // The first element of a name counts.
    EXPECT_EQ(polygon.getVertexPosition(0), vec2f32(2.f, 3.f));
    for (unsigned int i = 1; i < 4; i++) {
        EXPECT_EQ(polygon.getVertexPosition(i), vec2f32()) << i;
        EXPECT_EQ(polygon.getVertexType(i), 1) << i;
    }
    // A grid of 0 columns is refused.
    EXPECT_EQ(polygon.getFrames(), vec2ui32(1u, 1u));
    EXPECT_EQ(polygon.getTranslate(), vec2f32(1.f, 0.f));
    EXPECT_EQ(polygon.getScale(), size2f32(0.f, 0.f));
    // Without "physics" the values stay; without "anim_0" no animation.
    EXPECT_EQ(polygon.getDensity(), 5.f);
    EXPECT_FALSE(polygon.framesHaveAnimation());
}

TEST(Polygon, PrintsEachVertexAndTheCounterclockwiseDiagnostic) {
    Polygon2D polygon(3);
    polygon.setVertexPosition(1, 1.f, 0.f);
    std::string printed = captureStdout([&] { polygon.print(); });
    EXPECT_EQ(printed.find("\nVector [0] position(0.00 0.00) Color (0.00 0.00 0.00 1.00)"), 0u);
    EXPECT_NE(printed.find("\nVector [2]"), std::string::npos);
    bool answer = true;
    printed = captureStdout([&] { answer = polygon.isCounterclockwise(); });
    EXPECT_FALSE(answer);
    EXPECT_EQ(printed.find("\nAngle ("), 0u);
    EXPECT_NE(printed.find("\nSum == "), std::string::npos);
    Polygon2D segment(2);
    EXPECT_EQ(captureStdout([&] { answer = segment.isCounterclockwise(); }), "");
    EXPECT_FALSE(answer);
}
