#include "zelk/Object2D.h"
#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/shape/Polygon2D.h"

#include <gtest/gtest.h>

#include <string>

using zelk::Object2D;
using zelk::Object2DValues;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::XML;
using zelk::shape::Mesh2D;
using zelk::shape::Polygon2D;
using zelk::test::captureStdout;
using zelk::test::documentText;
using zelk::test::RootDocument;

namespace {

// A mesh of one triangle whose first vertex lies at (x, 0).
void fillMesh(Mesh2D* mesh, float x) {
    Polygon2D triangle(3);
    triangle.setVertexPosition(0, x, 0.f);
    mesh->addPolygon(triangle);
}

} // namespace

TEST(Object2D, PlacementStartsAtTheIdentityAndReturnsToIt) {
    Object2DValues values;
    values.position = vec2f32(3.f, 4.f);
    values.angle = 30.f;
    values.size = size2f32(2.f, 2.f);
    values.fixedRotation = true;
    values.loadIdentityValues();
    EXPECT_EQ(values.position, vec2f32());
    EXPECT_EQ(values.angle, 0.f);
    EXPECT_EQ(values.size, size2f32(1.f, 1.f));
    EXPECT_TRUE(values.fixedRotation);
    Object2D object;
    EXPECT_EQ(object.size, size2f32(1.f, 1.f));
    EXPECT_EQ(object.pivo, vec2f32());
    EXPECT_EQ(object.getMeshSize(), 0u);
}

TEST(Object2D, GivenMeshesStayTheCallersAndNewOnesAreOwned) {
    Mesh2D given;
    fillMesh(&given, 1.f);
    {
        Object2D object;
        EXPECT_EQ(object.addMesh(nullptr), 0u);
        EXPECT_EQ(object.getMeshSize(), 0u);
        EXPECT_EQ(object.addMesh(&given), 0u);
        EXPECT_EQ(object.selectedMesh, &given);
        unsigned int position = 9;
        Mesh2D* owned = object.newMesh(&position);
        ASSERT_NE(owned, nullptr);
        EXPECT_EQ(position, 1u);
        fillMesh(owned, 2.f);
        EXPECT_EQ(object.getMesh(1), owned);
        EXPECT_EQ(object.getMesh(2), nullptr);
        EXPECT_NE(object.newMesh(nullptr), nullptr);
        // Adding it again gives it a second position.
        EXPECT_EQ(object.addMesh(&given), 3u);
        EXPECT_EQ(object.selectedMesh, &given);
    }
    ASSERT_TRUE(given.selectPolygon(0));
    EXPECT_EQ(given.selectedGetVertexPosition(0), vec2f32(1.f, 0.f));
}

TEST(Object2D, RemovingTheSelectedMeshClearsTheSelection) {
    Object2D object;
    object.newMesh(nullptr);
    object.newMesh(nullptr);
    EXPECT_FALSE(object.selectMesh(5));
    EXPECT_EQ(object.selectedMesh, nullptr);
    ASSERT_TRUE(object.selectMesh(1));
    EXPECT_FALSE(object.removeMesh(7));
    ASSERT_TRUE(object.removeMesh(0));
    EXPECT_NE(object.selectedMesh, nullptr);
    ASSERT_TRUE(object.removeMesh(1));
    EXPECT_EQ(object.selectedMesh, nullptr);
    EXPECT_EQ(object.selectedGetTextureID(0), 0u);
    object.newMesh(nullptr);
    object.selectMesh(0);
    object.removeAllMesh();
    EXPECT_EQ(object.getMeshSize(), 0u);
    EXPECT_EQ(object.selectedMesh, nullptr);
}

TEST(Object2D, ColoursReachTheMeshesPolygons) {
    Object2D object;
    Mesh2D* first = object.newMesh(nullptr);
    Mesh2D* second = object.newMesh(nullptr);
    fillMesh(first, 0.f);
    fillMesh(second, 0.f);
    EXPECT_FALSE(object.setPolygonColor(2, 1.f, 0.f, 0.f, 1.f));
    ASSERT_TRUE(object.setPolygonColor(1, 1.f, 0.f, 0.f, 1.f));
    EXPECT_EQ(second->selectedGetVertexColor(0).r, 1.f);
    EXPECT_EQ(first->selectedGetVertexColor(0).r, 0.f);
    object.setPolygonsColor(0.f, 0.5f, 0.f, 1.f);
    EXPECT_EQ(first->selectedGetVertexColor(2).g, 0.5f);
    EXPECT_EQ(second->selectedGetVertexColor(2).g, 0.5f);
}

TEST(Object2D, PlayingGroupsMoveTurnAndResizeTheObject) {
    Object2D object;
    EXPECT_FALSE(object.updateAnimations());
    object.animationPosition.addNewInterpolationLine(0.f, 0.f, 0.f);
    object.animationPosition.addNewInterpolationLine(10.f, 10.f, 20.f);
    object.animationAngle.addNewInterpolationLine(0.f, 0.f);
    object.animationAngle.addNewInterpolationLine(10.f, 90.f);
    object.animationSize.addNewInterpolationLine(0.f, 1.f, 1.f);
    object.animationSize.addNewInterpolationLine(10.f, 3.f, 5.f);
    // At speed 0 the clocks stay where they are put.
    object.animationPosition.setSpeed(0.f);
    object.animationAngle.setSpeed(0.f);
    object.animationSize.setSpeed(0.f);
    object.animationPosition.playForwardIn(5.f);
    ASSERT_TRUE(object.updateAnimations());
    EXPECT_EQ(object.position, vec2f32(5.f, 10.f));
    EXPECT_EQ(object.angle, 0.f);
    object.animationAngle.playForwardIn(5.f);
    object.animationSize.playForwardIn(5.f);
    ASSERT_TRUE(object.updateAnimations());
    EXPECT_FLOAT_EQ(object.angle, 45.f);
    EXPECT_EQ(object.size, size2f32(2.f, 3.f));
}

TEST(Object2D, MeshAnimationsAdvanceWithoutCountingAsAChange) {
    Object2D object;
    Mesh2D* mesh = object.newMesh(nullptr);
    Polygon2D framed(3);
    framed.setPolygonUVFrames(8, 1);
    mesh->addPolygon(framed);
    mesh->addPolygon(framed);
    ASSERT_TRUE(mesh->newAnimationFramesToPolygon(1));
    ASSERT_TRUE(mesh->selectAnimationFramesFromPolygon(1));
    mesh->selectedAnimationAddInterpolationLine(0.f, 3.f);
    mesh->selectedAnimationAddInterpolationLine(1.f, 3.f);
    EXPECT_FALSE(object.playMeshAnimations(1));
    ASSERT_TRUE(object.playMeshAnimations(0));
    EXPECT_TRUE(mesh->selectedAnimationIsPlaying());
    EXPECT_FALSE(object.updateAnimations());
    ASSERT_TRUE(mesh->selectPolygon(1));
    EXPECT_EQ(mesh->selectedGetVertexUV(0), vec2f32());
    ASSERT_TRUE(object.pauseMeshAnimations(0));
    EXPECT_FALSE(mesh->selectedAnimationIsPlaying());
    object.pauseMeshAnimations();
    EXPECT_TRUE(mesh->selectedAnimationIsPlaying());
    object.updateMeshAnimations();
    EXPECT_TRUE(object.updateMeshAnimations(0));
    EXPECT_FALSE(object.updateMeshAnimations(1));
    EXPECT_FALSE(object.pauseMeshAnimations(1));
    // The animated polygon shows frame 3 of its row, the other frame 0.
    RootDocument document;
    mesh->writeToXML(&document.xml, 0);
    std::string text = documentText(document.xml);
    size_t second = text.find("<polygon_1 ");
    EXPECT_LT(text.find("frameUsingX=\"0.0\""), second);
    EXPECT_GT(text.find("frameUsingX=\"3.0\""), second);
}

TEST(Object2D, AssignmentLeavesOwnedCopiesOfTheOthersMeshes) {
    Object2D source;
    fillMesh(source.newMesh(nullptr), 4.f);
    source.pivo = vec2f32(0.5f, 0.5f);
    source.position = vec2f32(1.f, 2.f);
    source.angle = 10.f;
    source.size = size2f32(3.f, 3.f);
    source.animationAngle.addNewInterpolationLine(0.f, 0.f);
    source.animationAngle.addNewInterpolationLine(1.f, 90.f);

    Object2D target;
    fillMesh(target.newMesh(nullptr), 1.f);
    fillMesh(target.newMesh(nullptr), 2.f);
    {
        Object2D answered = (target = source);
        EXPECT_EQ(answered.getMesh(0), source.getMesh(0));
    }
    ASSERT_EQ(target.getMeshSize(), 1u);
    EXPECT_NE(target.getMesh(0), source.getMesh(0));
    ASSERT_TRUE(target.getMesh(0)->selectPolygon(0));
    EXPECT_EQ(target.getMesh(0)->selectedGetVertexPosition(0), vec2f32(4.f, 0.f));
    EXPECT_EQ(target.pivo, vec2f32(0.5f, 0.5f));
    EXPECT_EQ(target.position, vec2f32(1.f, 2.f));
    EXPECT_EQ(target.angle, 10.f);
    EXPECT_EQ(target.size, size2f32(3.f, 3.f));
    EXPECT_EQ(target.animationAngle.getInterpolationSize(), 1u);
    EXPECT_EQ(source.animationAngle.getInterpolationSize(), 1u);

    target = target;
    EXPECT_EQ(target.getMeshSize(), 1u);
    EXPECT_EQ(target.animationAngle.getInterpolationSize(), 1u);
}

TEST(Object2D, MarkedCopyFreesNothing) {
    Object2D object;
    fillMesh(object.newMesh(nullptr), 6.f);
    object.animationPosition.addNewInterpolationLine(0.f, 0.f, 0.f);
    object.animationPosition.addNewInterpolationLine(1.f, 1.f, 1.f);
    {
        Object2D copy(object);
        copy.cantDeleteObject2D();
        EXPECT_EQ(copy.getMesh(0), object.getMesh(0));
    }
    ASSERT_TRUE(object.getMesh(0)->selectPolygon(0));
    EXPECT_EQ(object.getMesh(0)->selectedGetVertexPosition(0), vec2f32(6.f, 0.f));
    EXPECT_EQ(object.animationPosition.getInterpolationSize(), 1u);
}

TEST(Object2D, WritesItsPlacementMeshesAndAnimationsAndReadsThemBack) {
    Object2D written;
    fillMesh(written.newMesh(nullptr), 1.f);
    fillMesh(written.newMesh(nullptr), 2.f);
    written.pivo = vec2f32(0.5f, 0.25f);
    written.position = vec2f32(10.f, -3.f);
    written.size = size2f32(2.f, 4.f);
    written.angle = 90.f;
    written.animationPosition.addNewInterpolationLine(0.f, 0.f, 0.f);
    written.animationPosition.addNewInterpolationLine(2.f, 4.f, 8.f);
    written.animationAngle.addNewInterpolationLine(0.f, 45.f);
    written.animationSize.addNewInterpolationLine(0.f, 1.f, 1.f);
    written.animationSize.addNewInterpolationLine(1.f, 2.f, 2.f);
    written.animationSize.addNewInterpolationLine(3.f, 1.f, 1.f);
    RootDocument document;
    ASSERT_TRUE(written.writeToXML(&document.xml, 5));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    std::string text = documentText(document.xml);
    EXPECT_EQ(text.find("<root><object_5 pivoX=\"0.5\" pivoY=\"0.25\" positionX=\"10.0\" "
                        "positionY=\"-3.0\" sizeW=\"2.0\" sizeH=\"4.0\" angle=\"90.0\">"
                        "<mesh_0 pCount=\"1\">"),
              0u);
    size_t mesh1 = text.find("<mesh_1 ");
    size_t anim0 = text.find("<anim_0 ");
    size_t anim1 = text.find("<anim_1 ");
    size_t anim2 = text.find("<anim_2 ");
    EXPECT_LT(mesh1, anim0);
    EXPECT_LT(anim0, anim1);
    EXPECT_LT(anim1, anim2);
    EXPECT_NE(anim2, std::string::npos);

    Object2D read;
    fillMesh(read.newMesh(nullptr), 9.f);
    ASSERT_TRUE(read.readFromXML(&document.xml, 5));
    EXPECT_STREQ(document.xml.getSelectedName(), "root");
    ASSERT_EQ(read.getMeshSize(), 2u);
    EXPECT_EQ(read.pivo, vec2f32(0.5f, 0.25f));
    EXPECT_EQ(read.position, vec2f32(10.f, -3.f));
    EXPECT_EQ(read.size, size2f32(2.f, 4.f));
    EXPECT_EQ(read.angle, 90.f);
    EXPECT_EQ(read.animationPosition.getInterpolationSize(), 1u);
    EXPECT_TRUE(read.animationAngle.haveTempFrame());
    EXPECT_EQ(read.animationSize.getInterpolationSize(), 2u);

    RootDocument again;
    ASSERT_TRUE(read.writeToXML(&again.xml, 5));
    EXPECT_EQ(documentText(again.xml), text);
    EXPECT_FALSE(read.writeToXML(nullptr, 5));
}

TEST(Object2D, ReadsMeshesUpToTheFirstMissingOneAndMissingSizesAsZero) {
    RootDocument document("<object_0 positionX=\"4.0\">"
                          "<mesh_0 pCount=\"0\"/><mesh_2 pCount=\"0\"/></object_0>"
                          "<object_1><mesh_0 pCount=\"-3\"/><mesh_1 pCount=\"0\"/></object_1>");
    Object2D object;
    EXPECT_FALSE(object.readFromXML(&document.xml, 2));
    EXPECT_FALSE(object.readFromXML(nullptr, 0));
    EXPECT_EQ(object.size, size2f32(1.f, 1.f));
    ASSERT_TRUE(object.readFromXML(&document.xml, 0));
    EXPECT_EQ(object.getMeshSize(), 1u);
    EXPECT_EQ(object.position, vec2f32(4.f, 0.f));
    EXPECT_EQ(object.size, size2f32(0.f, 0.f));
    EXPECT_EQ(object.animationPosition.getInterpolationSize(), 0u);
    // A mesh that refuses its count ends the meshes there.
    ASSERT_TRUE(object.readFromXML(&document.xml, 1));
    EXPECT_EQ(object.getMeshSize(), 0u);
}

TEST(Object2D, PrintsEveryLiveMesh) {
    Object2D object;
    fillMesh(object.newMesh(nullptr), 1.f);
    object.newMesh(nullptr);
    object.newMesh(nullptr);
    object.removeMesh(1);
    std::string printed = captureStdout([&] { object.print(); });
    EXPECT_EQ(printed.find("\nMESH 0\nPolygon 0\nVector [0]"), 0u);
    EXPECT_NE(printed.find("\nMESH 2"), std::string::npos);
    EXPECT_EQ(printed.find("\nMESH 1"), std::string::npos);
}
