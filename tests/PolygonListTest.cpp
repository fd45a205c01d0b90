#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/animation/Interpolation1DGroup.h"
#include "zelk/shape/AnimatedPolygon2DList.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Mesh2D.h"
#include "zelk/shape/Polygon2DList.h"
#include "zelk/shape/Rectangle2D.h"
#include "zelk/shape/Triangle2D.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

using zelk::color4f32;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::XML;
using zelk::animation::Interpolation1DGroup;
using zelk::shape::AnimatedPolygon2DList;
using zelk::shape::Circle2D;
using zelk::shape::Lines2D;
using zelk::shape::Mesh2D;
using zelk::shape::Polygon2D;
using zelk::shape::Polygon2DList;
using zelk::shape::Rectangle2D;
using zelk::shape::Triangle2D;
using zelk::test::captureStdout;
using zelk::test::documentText;
using zelk::test::RootDocument;

namespace {

// Adds a polygon of that many vertices whose first lies at (x, 0); answers
// the list's answer.
unsigned int addPolygonOf(Polygon2DList* list, unsigned int vertices, float x) {
    Polygon2D polygon(vertices);
    polygon.setVertexPosition(0, x, 0.f);
    return list->addPolygon(polygon);
}

std::string polygonElement(unsigned int id, float x) {
    std::string number = std::to_string(id);
    return "<polygon_" + number + " vCount=\"3\">polygon<Vertex_0 type=\"1\" x=\"" +
           std::to_string(x) + "\"/><physics density=\"" + std::to_string(x) + "\"/></polygon_" +
           number + ">";
}

} // namespace

TEST(PolygonList, StoresACopyOfTheKindTheVertexCountAndMarkersCallFor) {
    Polygon2DList list;
    Polygon2D lonely(3);
    lonely.createPolygon(1);
    EXPECT_EQ(list.addPolygon(lonely), 0u);
    EXPECT_EQ(list.getPolygonSize(), 0u);
    EXPECT_FALSE(list.haveSelected());

    Polygon2D pair(2);
    EXPECT_EQ(list.addPolygon(pair), 0u);
    Lines2D line;
    line.createPolygon(2);
    EXPECT_EQ(list.addPolygon(line), 1u);
    Circle2D circle(6, 2.f);
    EXPECT_EQ(list.addPolygon(circle), 2u);
    Triangle2D triangle;
    EXPECT_EQ(list.addPolygon(triangle), 3u);

    EXPECT_NE(dynamic_cast<Rectangle2D*>(list.polygons.get(0)), nullptr);
    EXPECT_NE(dynamic_cast<Lines2D*>(list.polygons.get(1)), nullptr);
    EXPECT_EQ(typeid(*list.polygons.get(2)), typeid(Polygon2D));
    EXPECT_EQ(typeid(*list.polygons.get(3)), typeid(Polygon2D));
    EXPECT_TRUE(list.polygons.get(2)->isCircle());
    EXPECT_EQ(list.polygons.get(2)->getCircleRadius(), 2.f);
    EXPECT_EQ(list.polygons.get(2)->getVertexCount(), 6u);
    // Each copy has vertices of its own; the last one is selected.
    EXPECT_NE(list.polygons.get(3)->getVertexPointer(0), triangle.getVertexPointer(0));
    EXPECT_EQ(list.selectedGetVertexCount(), 3u);
    EXPECT_EQ(circle.getVertexCount(), 6u);
}

TEST(PolygonList, RemovedPositionStaysCountedUntilTheNextAddFillsIt) {
    Polygon2DList list;
    for (unsigned int i = 0; i < 3; i++) {
        addPolygonOf(&list, 3, static_cast<float>(i));
    }
    EXPECT_FALSE(list.removePolygon(3));
    ASSERT_TRUE(list.removePolygon(1));
    EXPECT_FALSE(list.removePolygon(1));
    EXPECT_EQ(list.getPolygonSize(), 3u);
    EXPECT_FALSE(list.selectPolygon(1));

    RootDocument document;
    ASSERT_TRUE(list.writeToXML(&document.xml, 7));
    std::string text = documentText(document.xml);
    EXPECT_EQ(text.find("<root><mesh_7 pCount=\"3\"><polygon_0 vCount=\"3\">"), 0u);
    EXPECT_NE(text.find("<polygon_2 "), std::string::npos);
    EXPECT_EQ(text.find("<polygon_1 "), std::string::npos);

    Polygon2DList read;
    ASSERT_TRUE(read.readFromXML(&document.xml, 7));
    EXPECT_EQ(read.getPolygonSize(), 2u);
    EXPECT_EQ(read.polygons.get(1)->getVertexPosition(0), vec2f32(2.f, 0.f));

    EXPECT_EQ(addPolygonOf(&list, 4, 9.f), 1u);
    EXPECT_EQ(list.polygons.get(1)->getVertexCount(), 4u);
    EXPECT_EQ(list.getPolygonSize(), 3u);
    // Removing the last position shrinks the list.
    ASSERT_TRUE(list.removePolygon(2));
    EXPECT_EQ(list.getPolygonSize(), 2u);
}

TEST(PolygonList, RemovingTheSelectedPolygonClearsTheSelection) {
    Polygon2DList list;
    addPolygonOf(&list, 3, 1.f);
    addPolygonOf(&list, 3, 2.f);
    ASSERT_TRUE(list.selectPolygon(0));
    ASSERT_TRUE(list.removePolygon(0));
    EXPECT_FALSE(list.haveSelected());
    EXPECT_FALSE(list.selectedSetDensity(2.f));
    EXPECT_EQ(list.selectedGetVertexCount(), 0u);
    // Removing another one keeps the selection.
    ASSERT_TRUE(list.selectPolygon(1));
    addPolygonOf(&list, 3, 3.f);
    ASSERT_TRUE(list.selectPolygon(1));
    ASSERT_TRUE(list.removePolygon(0));
    EXPECT_EQ(list.selectedGetVertexPosition(0), vec2f32(2.f, 0.f));
    list.cleanPolygons();
    EXPECT_FALSE(list.haveSelected());
    EXPECT_EQ(list.getPolygonSize(), 0u);
}

TEST(PolygonList, SelectedOperationsAnswerNeutralValuesWithoutASelection) {
    Polygon2DList list;
    EXPECT_FALSE(list.selectedSetVertexPosition(0, 1.f, 1.f));
    EXPECT_FALSE(list.selectedSetVertexColor(0, color4f32()));
    EXPECT_FALSE(list.selectedSetPolygonColor(1.f, 1.f, 1.f));
    EXPECT_FALSE(list.selectedSetVertexUV(0, vec2f32()));
    EXPECT_FALSE(list.selectedSetPolygonUVFrames(2, 2));
    EXPECT_FALSE(list.selectedSetPolygonUVFramesX(2));
    EXPECT_FALSE(list.selectedRemoveVertexUV(0));
    EXPECT_FALSE(list.selectedUsePolygonUVFrame(1, 1));
    EXPECT_FALSE(list.selectedUsePolygonUVFramePosition(1));
    EXPECT_FALSE(list.selectedRemovePolygonUV());
    EXPECT_FALSE(list.selectedCleanPolygonUVAnimation());
    EXPECT_EQ(list.selectedGetVertexType(0), 0);
    EXPECT_EQ(list.selectedGetCollisionID(), 0);
    EXPECT_EQ(list.selectedGetTranslate(), vec2f32());
    EXPECT_EQ(list.selectedGetVertexColor(0).a, 0.f);
    EXPECT_EQ(list.selectedGetFrames(), vec2ui32());
    EXPECT_EQ(list.selectedGetScale(), size2f32(0.f, 0.f));
    EXPECT_EQ(list.selectedGetAngle() + list.selectedGetCircleRadius() + list.selectedGetDensity() +
                  list.selectedGetFriction() + list.selectedGetRestitution(),
              0.f);
    EXPECT_FALSE(list.selectedIsCircle() || list.selectedIsLine());
    EXPECT_FALSE(list.setPolygonsColor(1.f, 0.f, 0.f));
    EXPECT_EQ(list.getPolygonDensity(0), 1.f);
    EXPECT_EQ(list.getPolygonFriction(0), 0.f);
    EXPECT_FALSE(list.setPolygonDensity(0, 3.f));
}

TEST(PolygonList, SelectedOperationsReachTheSelectedPolygon) {
    Polygon2DList list;
    addPolygonOf(&list, 3, 0.f);
    addPolygonOf(&list, 4, 0.f);
    ASSERT_TRUE(list.selectPolygon(0));
    EXPECT_TRUE(list.selectedSetVertexPosition(2, vec2f32(5.f, 6.f)));
    EXPECT_FALSE(list.selectedSetVertexPosition(3, vec2f32(5.f, 6.f)));
    // The stored copies hold framed vertices.
    EXPECT_EQ(list.selectedGetVertexType(1), 3);
    EXPECT_TRUE(list.selectedSetVertexUV(1, 0.5f, 0.5f));
    EXPECT_EQ(list.selectedGetVertexUV(1), vec2f32());
    EXPECT_TRUE(list.selectedSetPolygonUVFrames(vec2ui32(4u, 2u)));
    EXPECT_TRUE(list.selectedUsePolygonUVFramePosition(6));
    EXPECT_EQ(list.selectedGetFrames(), vec2ui32(4u, 2u));
    EXPECT_TRUE(list.selectedSetFriction(0.5f));
    EXPECT_TRUE(list.selectedRemovePolygonUV());
    EXPECT_EQ(list.selectedGetVertexType(1), 1);
    EXPECT_EQ(list.selectedGetVertexPosition(2), vec2f32(5.f, 6.f));
    EXPECT_EQ(list.getPolygonFriction(0), 0.5f);
    EXPECT_EQ(list.getPolygonFriction(1), 0.f);
    EXPECT_EQ(list.selectedGetScale(), size2f32(1.f, 1.f));

    list.setDensity(4.f);
    EXPECT_TRUE(list.setPolygonRestitution(1, 0.25f));
    EXPECT_EQ(list.getPolygonDensity(1), 4.f);
    EXPECT_EQ(list.getPolygonRestitution(1), 0.25f);
    EXPECT_TRUE(list.setPolygonsColor(color4f32(0.f, 0.f, 1.f, 1.f)));
    EXPECT_EQ(list.selectedGetVertexColor(0).b, 1.f);
}

TEST(PolygonList, AssignmentCopiesThePolygonsAndTheSelectionAndLeavesTheSourceWhole) {
    Polygon2DList source;
    addPolygonOf(&source, 3, 1.f);
    addPolygonOf(&source, 3, 2.f);
    addPolygonOf(&source, 3, 3.f);
    source.removePolygon(0);
    source.selectPolygon(2);
    Polygon2DList target;
    addPolygonOf(&target, 5, 9.f);
    {
        Polygon2DList answered = (target = source);
        EXPECT_EQ(answered.getPolygonSize(), 3u);
    }
    ASSERT_EQ(target.getPolygonSize(), 2u);
    EXPECT_EQ(target.polygons.get(0)->getVertexPosition(0), vec2f32(2.f, 0.f));
    EXPECT_NE(target.polygons.get(0), source.polygons.get(1));
    EXPECT_EQ(target.selectedGetVertexPosition(0), vec2f32(3.f, 0.f));
    EXPECT_EQ(source.polygons.get(1)->getVertexPosition(0), vec2f32(2.f, 0.f));

    // Without a selection in the source, position 0 is selected.
    Polygon2DList unselected;
    addPolygonOf(&unselected, 3, 7.f);
    unselected.freeSelected();
    target = unselected;
    EXPECT_EQ(target.selectedGetVertexPosition(0), vec2f32(7.f, 0.f));

    target = target;
    EXPECT_EQ(target.getPolygonSize(), 1u);
    EXPECT_EQ(target.polygons.get(0)->getVertexPosition(0), vec2f32(7.f, 0.f));
}

TEST(PolygonList, MarkedCopyFreesNothing) {
    Polygon2DList list;
    addPolygonOf(&list, 3, 1.f);
    {
        Polygon2DList copy(list);
        copy.cantDeleteList();
    }
    ASSERT_TRUE(list.selectPolygon(0));
    EXPECT_EQ(list.selectedGetVertexPosition(0), vec2f32(1.f, 0.f));
}

TEST(PolygonList, ReadsEveryElementPresentBelowTheCountInNumberOrder) {
    RootDocument document("<mesh_0 pCount=\"3\">" + polygonElement(2, 2.f) +
                          polygonElement(0, 1.f) + polygonElement(3, 3.f) +
                          "<polygon_01 vCount=\"3\"/><polygon_x/>" +
                          "</mesh_0><mesh_1 pCount=\"1\">" + polygonElement(0, 1.f) +
                          polygonElement(2, 2.f) + polygonElement(0, 4.f) + "</mesh_1><mesh_2/>");
    Polygon2DList list;
    ASSERT_TRUE(list.readFromXML(&document.xml, 0));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    ASSERT_EQ(list.getPolygonSize(), 2u);
    EXPECT_EQ(list.polygons.get(0)->getVertexPosition(0).x, 1.f);
    EXPECT_EQ(list.polygons.get(1)->getVertexPosition(0).x, 2.f);

    // Below the count only, and the first element of a name.
    ASSERT_TRUE(list.readFromXML(&document.xml, 1));
    ASSERT_EQ(list.getPolygonSize(), 1u);
    EXPECT_EQ(list.polygons.get(0)->getVertexPosition(0).x, 1.f);
    // Without "pCount" nothing is read, and that is not a failure.
    ASSERT_TRUE(list.readFromXML(&document.xml, 2));
    EXPECT_EQ(list.getPolygonSize(), 0u);
    EXPECT_FALSE(list.readFromXML(&document.xml, 3));
    EXPECT_FALSE(list.readFromXML(nullptr, 0));
}

TEST(PolygonList, HostileCountsAnswerFalseAndLargeOnesCostOnlyWhatIsPresent) {
    RootDocument document("<mesh_0 pCount=\"-1\">" + polygonElement(0, 1.f) + "</mesh_0>" +
                          "<mesh_1 pCount=\"16777217\">" + polygonElement(0, 1.f) + "</mesh_1>" +
                          "<mesh_2 pCount=\"16777216\">" + polygonElement(16777215, 5.f) +
                          polygonElement(0, 1.f) + "</mesh_2>" + "<mesh_3 pCount=\"2\">" +
                          "<polygon_0 vCount=\"1\"/><polygon_1 vCount=\"-7\"/></mesh_3>");
    Polygon2DList list;
    addPolygonOf(&list, 3, 8.f);
    EXPECT_FALSE(list.readFromXML(&document.xml, 0));
    EXPECT_FALSE(list.readFromXML(&document.xml, 1));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    ASSERT_EQ(list.getPolygonSize(), 1u);
    EXPECT_EQ(list.polygons.get(0)->getVertexPosition(0).x, 8.f);

    ASSERT_TRUE(list.readFromXML(&document.xml, 2));
    ASSERT_EQ(list.getPolygonSize(), 2u);
    EXPECT_EQ(list.polygons.get(1)->getVertexPosition(0).x, 5.f);
    // Polygons without vertices give no copy.
    ASSERT_TRUE(list.readFromXML(&document.xml, 3));
    EXPECT_EQ(list.getPolygonSize(), 0u);
}

TEST(PolygonList, ValuesAnElementDoesNotCarryComeFromThePolygonReadBeforeIt) {
    RootDocument document("<mesh_0 pCount=\"2\">" + polygonElement(0, 3.f) +
                          "<polygon_1 vCount=\"3\">polygon</polygon_1></mesh_0>");
    Polygon2DList list;
    ASSERT_TRUE(list.readFromXML(&document.xml, 0));
    ASSERT_EQ(list.getPolygonSize(), 2u);
    EXPECT_EQ(list.polygons.get(1)->getDensity(), 3.f);
}

TEST(PolygonList, PrintsEachLivePositionWithItsPolygon) {
    Polygon2DList list;
    addPolygonOf(&list, 3, 1.f);
    addPolygonOf(&list, 3, 1.f);
    list.removePolygon(0);
    std::string printed = captureStdout([&] { list.printPolygons(); });
    EXPECT_EQ(printed.find("\nPolygon 1\nVector [0] position(1.00 0.00)"), 0u);
    EXPECT_EQ(printed.find("\nPolygon 0"), std::string::npos);
}

TEST(AnimatedPolygonList, ShowsTheFrameItsAnimationValueTruncates) {
    AnimatedPolygon2DList list;
    Polygon2D framed(3);
    framed.setPolygonUVFrames(4, 4);
    list.addPolygon(framed);
    list.addPolygon(framed);
    ASSERT_TRUE(list.newAnimationFramesToPolygon(0));
    ASSERT_TRUE(list.copyAnimationFramesToPolygon(0, 1));
    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(1));
    EXPECT_TRUE(list.selectedAnimationAddInterpolationLine(0.f, 0.f));
    EXPECT_TRUE(list.selectedAnimationAddInterpolationLine(10.f, 10.f));
    EXPECT_EQ(list.selectedAnimationGetInterpolationSize(), 1u);
    // At speed 0 the updates leave the clock where it is put.
    list.polygons.get(0)->framesGetAnimation()->setSpeed(0.f);
    EXPECT_FALSE(list.selectedAnimationIsPlaying());
    ASSERT_TRUE(list.selectedAnimationPlayForwardIn(5.9f));
    EXPECT_TRUE(list.selectedAnimationIsPlaying());
    list.updateFramesAnimations();
    EXPECT_EQ(list.polygons.get(0)->frameUsing, vec2ui32(1u, 1u));
    EXPECT_EQ(list.polygons.get(1)->frameUsing, vec2ui32(1u, 1u));
    ASSERT_TRUE(list.selectedAnimationPlayForwardIn(0.4f));
    list.updateFramesAnimations();
    EXPECT_EQ(list.polygons.get(0)->frameUsing, vec2ui32(0u, 0u));
    EXPECT_FLOAT_EQ(list.selectedAnimationGetSecond(), 0.4f);
    // A stopped animation shows nothing new.
    ASSERT_TRUE(list.selectedAnimationPlayForwardIn(9.f));
    ASSERT_TRUE(list.selectedAnimationStop());
    EXPECT_FALSE(list.selectedAnimationIsPlaying());
    list.updateFramesAnimations();
    EXPECT_EQ(list.polygons.get(1)->frameUsing, vec2ui32(0u, 0u));
}

TEST(AnimatedPolygonList, ValuesBeyondThirtyTwoBitsShowFrameZero) {
    AnimatedPolygon2DList list;
    Polygon2D framed(3);
    framed.setPolygonUVFrames(4, 4);
    list.addPolygon(framed);
    ASSERT_TRUE(list.newAnimationFramesToPolygon(0));
    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(0));
    list.selectedAnimationAddInterpolationLine(0.f, 1e20f);
    list.selectedAnimationAddInterpolationLine(1.f, 0.f);
    list.selectedAnimationAddInterpolationLine(2.f, -1.5f);
    list.polygons.get(0)->framesGetAnimation()->setSpeed(0.f);
    ASSERT_TRUE(list.selectedAnimationPlayForwardIn(0.f));
    list.polygons.get(0)->usePolygonUVFrame(vec2ui32(2u, 2u));
    list.updateFramesAnimations();
    EXPECT_EQ(list.polygons.get(0)->frameUsing, vec2ui32(0u, 0u));
    // Truncated toward zero, -1.5 is -1: position 2^32 - 1 of the grid.
    ASSERT_TRUE(list.selectedAnimationPlayForwardIn(2.f));
    list.updateFramesAnimations();
    EXPECT_EQ(list.polygons.get(0)->frameUsing, vec2ui32(3u, 1073741823u));
}

TEST(AnimatedPolygonList, OnlyThePolygonThatCreatedAnAnimationAdvancesIt) {
    AnimatedPolygon2DList list;
    addPolygonOf(&list, 3, 0.f);
    addPolygonOf(&list, 3, 0.f);
    ASSERT_TRUE(list.newAnimationFramesToPolygon(0));
    ASSERT_TRUE(list.copyAnimationFramesToPolygon(0, 1));
    EXPECT_TRUE(list.polygons.get(0)->framesIsAnimationCreator());
    EXPECT_FALSE(list.polygons.get(1)->framesIsAnimationCreator());
    Interpolation1DGroup* group = list.polygons.get(1)->framesGetAnimation();
    group->addNewInterpolationLine(0.f, 0.f);
    group->addNewInterpolationLine(1000.f, 1000.f);
    ASSERT_TRUE(group->playForward());

    list.updateFramesAnimations();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    list.updateFramesAnimations();
    float advanced = group->getAnimationSecond();
    EXPECT_GT(advanced, 0.f);

    // Without its creator the animation stands still.
    ASSERT_TRUE(list.removePolygon(0));
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    list.updateFramesAnimations();
    EXPECT_EQ(group->getAnimationSecond(), advanced);
}

TEST(AnimatedPolygonList, LettingGoOfTheSelectedAnimationClearsTheSelection) {
    AnimatedPolygon2DList list;
    addPolygonOf(&list, 3, 0.f);
    addPolygonOf(&list, 3, 0.f);
    EXPECT_FALSE(list.copyAnimationFramesToPolygon(0, 1));
    EXPECT_FALSE(list.selectAnimationFramesFromPolygon(0));
    EXPECT_FALSE(list.newAnimationFramesToPolygon(2));
    EXPECT_FALSE(list.removeAnimationFramesFromPolygon(2));

    ASSERT_TRUE(list.newAnimationFramesToPolygon(0));
    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(0));
    ASSERT_TRUE(list.removeAnimationFramesFromPolygon(0));
    EXPECT_FALSE(list.selectedAnimationPlayForward());

    ASSERT_TRUE(list.newAnimationFramesToPolygon(0));
    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(0));
    ASSERT_TRUE(list.newAnimationFramesToPolygon(0));
    EXPECT_FALSE(list.selectedAnimationLoopOn());

    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(0));
    ASSERT_TRUE(list.removePolygon(0));
    EXPECT_FALSE(list.selectedAnimationPause());

    addPolygonOf(&list, 3, 0.f);
    ASSERT_TRUE(list.newAnimationFramesToPolygon(1));
    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(1));
    list.cleanPolygons();
    EXPECT_FALSE(list.selectedAnimationStop());
}

TEST(AnimatedPolygonList, SelectedAnimationOperationsForwardToTheGroup) {
    AnimatedPolygon2DList list;
    EXPECT_FALSE(list.selectedAnimationAddAnimationName("walk", 0.f, 1.f));
    EXPECT_FALSE(list.selectedAnimationHaveAnimationName("walk"));
    EXPECT_EQ(list.selectedAnimationGetSecond(), 0.f);
    EXPECT_EQ(list.selectedAnimationGetInterpolationSize(), 0u);
    EXPECT_FALSE(list.selectedAnimationSetCurveX(0));

    addPolygonOf(&list, 3, 0.f);
    list.newAnimationFramesToPolygon(0);
    ASSERT_TRUE(list.selectAnimationFramesFromPolygon(0));
    list.selectedAnimationAddInterpolationLine(0.f, 0.f);
    list.selectedAnimationAddInterpolationLine(2.f, 8.f);
    EXPECT_TRUE(list.selectedAnimationAddAnimationName("walk", 0.f, 1.f));
    // Answered true even when the group refuses the clip.
    EXPECT_TRUE(list.selectedAnimationAddAnimationName("late", 1.f, 9.f));
    EXPECT_TRUE(list.selectedAnimationHaveAnimationName("walk"));
    EXPECT_FALSE(list.selectedAnimationHaveAnimationName("late"));
    EXPECT_TRUE(list.selectedAnimationPlayNameRewind("nothing"));
    EXPECT_TRUE(list.selectedAnimationPlayNameForward("walk"));
    EXPECT_TRUE(list.selectedAnimationIsPlaying());
    EXPECT_TRUE(list.selectedAnimationRemoveAnimationName("walk"));
    EXPECT_FALSE(list.selectedAnimationHaveAnimationName("walk"));
    EXPECT_TRUE(list.selectedAnimationSetCurveX(0));
    EXPECT_TRUE(list.selectedAnimationGetIsCurveX(0));
    EXPECT_TRUE(list.selectedAnimationSetCurveP1X(0, 0.5f, 1.f));
    EXPECT_FALSE(list.selectedAnimationSetCurveP2X(0, 5.f, 1.f));
    EXPECT_TRUE(list.selectedAnimationSetNotCurveX(0));
    EXPECT_FALSE(list.selectedAnimationGetIsCurveX(0));
    EXPECT_TRUE(list.selectedAnimationSetLoop(true));
    EXPECT_TRUE(list.selectedAnimationLoopOff());
    EXPECT_TRUE(list.selectedAnimationPlayRewindIn(1.f));
    EXPECT_TRUE(list.selectedAnimationPlayRewind());
    EXPECT_TRUE(list.selectedAnimationCleanFrames());
    EXPECT_EQ(list.selectedAnimationGetInterpolationSize(), 0u);
    list.freeSelectedAnimation();
    EXPECT_FALSE(list.selectedAnimationCleanFrames());
}

TEST(Mesh, WritesItsMaterialInsideTheListElementAndReadsItBack) {
    Mesh2D mesh;
    addPolygonOf(&mesh, 3, 1.f);
    mesh.material.setDiffuse(0.5f, 0.25f, 1.f, 1.f);
    RootDocument document;
    ASSERT_TRUE(mesh.writeToXML(&document.xml, 3));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    std::string text = documentText(document.xml);
    EXPECT_NE(text.find("</polygon_0><material_0><ambient"), std::string::npos);
    EXPECT_NE(text.find("</material_0></mesh_3></root>"), std::string::npos);

    Mesh2D read;
    ASSERT_TRUE(read.readFromXML(&document.xml, 3));
    EXPECT_EQ(read.getPolygonSize(), 1u);
    RootDocument again;
    ASSERT_TRUE(read.writeToXML(&again.xml, 3));
    EXPECT_EQ(documentText(again.xml), text);

    RootDocument hostile("<mesh_0 pCount=\"-5\"><material_0><diffuse value0=\"0.0\"/></material_0>"
                         "</mesh_0>");
    EXPECT_FALSE(read.readFromXML(&hostile.xml, 0));
    EXPECT_EQ(read.getPolygonSize(), 1u);
}

TEST(Mesh, AssignmentCopiesPolygonsAndMaterialAndCopiesFreeNothing) {
    Mesh2D source;
    addPolygonOf(&source, 3, 1.f);
    addPolygonOf(&source, 4, 2.f);
    source.material.setEmission(1.f, 0.f, 0.f);
    Mesh2D target;
    addPolygonOf(&target, 5, 3.f);
    target = source;
    EXPECT_EQ(target.getPolygonSize(), 2u);
    EXPECT_EQ(target.selectedGetVertexCount(), 4u);
    {
        Mesh2D copy(source);
        copy.cantDeleteMesh();
    }
    ASSERT_TRUE(source.selectPolygon(0));
    EXPECT_EQ(source.selectedGetVertexPosition(0), vec2f32(1.f, 0.f));
    RootDocument first, second;
    source.writeToXML(&first.xml, 0);
    target.writeToXML(&second.xml, 0);
    EXPECT_EQ(documentText(first.xml), documentText(second.xml));
    target = target;
    EXPECT_EQ(target.getPolygonSize(), 2u);
    EXPECT_EQ(captureStdout([&] { target.print(); }),
              captureStdout([&] { target.printPolygons(); }));
}
