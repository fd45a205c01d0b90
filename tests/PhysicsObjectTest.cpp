#include "support/PhysicsScene.h"
#include "support/XMLText.h"
#include "zelk/XML.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/shape/Circle2D.h"
#include "zelk/shape/Lines2D.h"
#include "zelk/shape/Polygon2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

using zelk::color4f32;
using zelk::size2f32;
using zelk::vec2f32;
using zelk::XML;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::KinematicObject2D;
using zelk::physics2D::KinematicSensor2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::PhysicsMesh2D;
using zelk::physics2D::StaticObject2D;
using zelk::physics2D::StaticSensor2D;
using zelk::shape::Polygon2D;
using zelk::test::documentText;
using zelk::test::PhysicsScene;
using zelk::test::RootDocument;

namespace {

using Points = std::vector<vec2f32>;

// The vertices of every stored polygon of the mesh, in position order.
std::vector<Points> pieces(PhysicsMesh2D& mesh) {
    std::vector<Points> found;
    for (unsigned int i = 0; i < mesh.getPolygonSize(); i++) {
        if (mesh.selectPolygon(i)) {
            Points points;
            for (unsigned int v = 0; v < mesh.selectedGetVertexCount(); v++) {
                points.push_back(mesh.selectedGetVertexPosition(v));
            }
            found.push_back(points);
        }
    }
    return found;
}

std::vector<Points> cut(const Points& points) {
    PhysicsMesh2D mesh;
    PhysicObject2D holder;
    PhysicsScene::addPolygon(&holder, points);
    return pieces(holder.physicsMesh);
}

// The vertices of a regular polygon of n vertices, counter-clockwise from
// its lowest one.
Points regular(unsigned int n) {
    Points points;
    for (unsigned int i = 0; i < n; i++) {
        double angle = -M_PI / 2 + 2 * M_PI * i / n;
        points.push_back(vec2f32(static_cast<float>(10 * std::cos(angle)),
                                 static_cast<float>(10 * std::sin(angle))));
    }
    return points;
}

std::vector<size_t> sizesOf(const std::vector<Points>& found) {
    std::vector<size_t> sizes;
    for (const Points& points : found) {
        sizes.push_back(points.size());
    }
    return sizes;
}

} // namespace

TEST(PhysicsMesh, StoresAClockwiseTriangleCounterClockwiseFromItsLowestVertex) {
    EXPECT_EQ((std::vector<Points>{{vec2f32(1, -1), vec2f32(3, 2), vec2f32(0, 2)}}),
              cut({vec2f32(0, 2), vec2f32(3, 2), vec2f32(1, -1)}));
}

TEST(PhysicsMesh, StoresASquareGivenInAnyOrderAsOneQuadrangle) {
    Points square = {vec2f32(0, 0), vec2f32(1, 0), vec2f32(1, 1), vec2f32(0, 1)};
    for (const Points& order :
         {square, Points{vec2f32(1, 1), vec2f32(0, 0), vec2f32(0, 1), vec2f32(1, 0)},
          Points{vec2f32(0, 1), vec2f32(1, 1), vec2f32(1, 0), vec2f32(0, 0)}}) {
        EXPECT_EQ(std::vector<Points>{square}, cut(order));
    }
}

TEST(PhysicsMesh, CutsLargeConvexPolygonsIntoFansOfAtMostEightVertices) {
    std::vector<Points> twelve = cut(regular(12));
    ASSERT_EQ((std::vector<size_t>{8, 6}), sizesOf(twelve));
    Points hull = regular(12);
    EXPECT_EQ(Points(hull.begin(), hull.begin() + 8), twelve[0]);
    Points second = {hull[0]};
    second.insert(second.end(), hull.begin() + 7, hull.end());
    EXPECT_EQ(second, twelve[1]);

    EXPECT_EQ((std::vector<size_t>{8}), sizesOf(cut(regular(8))));
    EXPECT_EQ((std::vector<size_t>{8, 8}), sizesOf(cut(regular(14))));
    EXPECT_EQ((std::vector<size_t>{8, 8, 3}), sizesOf(cut(regular(15))));
}

TEST(PhysicsMesh, DropsTheInnerCornerOfAnLShape) {
    EXPECT_EQ((std::vector<Points>{
                  {vec2f32(0, 0), vec2f32(2, 0), vec2f32(2, 1), vec2f32(1, 2), vec2f32(0, 2)}}),
              cut({vec2f32(0, 0), vec2f32(2, 0), vec2f32(2, 1), vec2f32(1, 1), vec2f32(1, 2),
                   vec2f32(0, 2)}));
}

TEST(PhysicsMesh, KeepsTheFirstOfPointsOnOneLineThroughThePivot) {
    EXPECT_EQ((std::vector<Points>{{vec2f32(0, 0), vec2f32(1, 1)}}),
              cut({vec2f32(0, 0), vec2f32(1, 1), vec2f32(2, 2)}));
    EXPECT_EQ((std::vector<Points>{{vec2f32(0, 0), vec2f32(2, 2)}}),
              cut({vec2f32(0, 0), vec2f32(2, 2), vec2f32(1, 1)}));
}

TEST(PhysicsMesh, LooksBackOneStepOnlySoAPieceCanKeepAReflexVertex) {
    EXPECT_EQ(
        (std::vector<Points>{{vec2f32(18, 2), vec2f32(9, 18), vec2f32(14, 8), vec2f32(8, 11)}}),
        cut({vec2f32(18, 2), vec2f32(8, 11), vec2f32(9, 18), vec2f32(17, 3), vec2f32(14, 8)}));
}

TEST(PhysicsMesh, StoresLinesCirclesAndRectanglesAsGivenAndNothingForFewerThanTwoVertices) {
    PhysicObject2D object;
    PhysicsScene::addLine(&object, {vec2f32(3, 0), vec2f32(0, 0), vec2f32(1, 5)}, 15);
    PhysicsScene::addCircle(&object, 2.0f, vec2f32(1, 1));
    PhysicsScene::addRectangle(&object, vec2f32(2, 2), vec2f32(-1, -1));
    std::vector<Points> found = pieces(object.physicsMesh);
    ASSERT_EQ(3u, found.size());
    EXPECT_EQ((Points{vec2f32(3, 0), vec2f32(0, 0), vec2f32(1, 5)}), found[0]);
    EXPECT_EQ((Points{vec2f32(2, 2), vec2f32(-1, -1)}), found[2]);
    object.physicsMesh.selectPolygon(0);
    EXPECT_TRUE(object.physicsMesh.selectedIsLine());
    EXPECT_EQ(15, object.physicsMesh.selectedGetCollisionID());
    object.physicsMesh.selectPolygon(1);
    EXPECT_TRUE(object.physicsMesh.selectedIsCircle());
    EXPECT_EQ(2.0f, object.physicsMesh.selectedGetCircleRadius());

    Polygon2D empty;
    EXPECT_EQ(0u, object.physicsMesh.addPolygon(empty));
    Polygon2D sameThrice(3);
    EXPECT_EQ(0u, object.physicsMesh.addPolygon(sameThrice));
    EXPECT_EQ(3u, object.physicsMesh.getPolygonSize());
}

TEST(PhysicsMesh, PiecesKeepThePolygonsColourAndPhysicalValues) {
    Polygon2D polygon(12);
    Points points = regular(12);
    for (unsigned int i = 0; i < 12; i++) {
        polygon.setVertexPosition(i, points[i]);
    }
    polygon.setPolygonColor(color4f32(0.5f, 0.25f, 1.0f, 1.0f));
    polygon.setDensity(3.0f);
    polygon.setFriction(0.4f);
    polygon.setRestitution(0.2f);
    PhysicsMesh2D mesh;
    EXPECT_EQ(1u, mesh.addPolygon(polygon));
    for (unsigned int i = 0; i < 2; i++) {
        EXPECT_EQ(3.0f, mesh.getPolygonDensity(i));
        EXPECT_EQ(0.4f, mesh.getPolygonFriction(i));
        EXPECT_EQ(0.2f, mesh.getPolygonRestitution(i));
        mesh.selectPolygon(i);
        color4f32 colour = mesh.selectedGetVertexColor(0);
        EXPECT_EQ(0.25f, colour.g);
        EXPECT_EQ(1.0f, colour.b);
    }
}

TEST(PhysicsMesh, CutsAPolygonOfTheLargestVertexCountADocumentMayHoldPromptly) {
    const unsigned int n = 65536;
    Polygon2D polygon(n);
    for (unsigned int i = 0; i < n; i++) {
        double angle = 2 * M_PI * i / n;
        polygon.setVertexPosition(i, static_cast<float>(1000 * std::cos(angle)),
                                  static_cast<float>(1000 * std::sin(angle)));
    }
    PhysicsMesh2D mesh;
    mesh.addPolygon(polygon);
    EXPECT_GT(mesh.getPolygonSize(), 1000u);
    for (unsigned int i = 0; i < mesh.getPolygonSize(); i++) {
        mesh.selectPolygon(i);
        EXPECT_LE(mesh.selectedGetVertexCount(), 8u);
    }
}

TEST(PhysicObject, KindsReportTheirBodyTypeAndSensorMark) {
    StaticObject2D still;
    KinematicObject2D moved;
    DynamicObject2D falling;
    StaticSensor2D sensor;
    KinematicSensor2D movingSensor;
    EXPECT_EQ(0, still.getType());
    EXPECT_EQ(1, moved.getType());
    EXPECT_EQ(2, falling.getType());
    EXPECT_EQ(0, sensor.getType());
    EXPECT_EQ(1, movingSensor.getType());
    EXPECT_FALSE(falling.isSensor());
    EXPECT_TRUE(sensor.isSensor());
    EXPECT_TRUE(sensor.sensor);
    movingSensor.type = zelk::physics::dynamicBody;
    movingSensor.sensor = false;
    EXPECT_EQ(1, movingSensor.getType());
    EXPECT_TRUE(movingSensor.isSensor());
    still.type = zelk::physics::dynamicBody;
    EXPECT_EQ(2, still.getType());
}

TEST(PhysicObject, AddingAGroupMovesItOutOfTheOtherSetAndZeroIsRefused) {
    PhysicObject2D object;
    EXPECT_TRUE(object.addNotCollisionGroup(5));
    EXPECT_TRUE(object.addCollisionGroup(5));
    EXPECT_TRUE(object.haveCollisionGroup(5));
    EXPECT_FALSE(object.haveNotCollisionGroup(5));
    EXPECT_FALSE(object.addCollisionGroup(5));

    object.notCollisionGroups.add(0);
    EXPECT_FALSE(object.addCollisionGroup(0));
    EXPECT_FALSE(object.haveNotCollisionGroup(0));
    EXPECT_FALSE(object.haveCollisionGroup(0));
    EXPECT_FALSE(object.addNotCollisionGroup(0));

    EXPECT_TRUE(object.addCollisionGroup(9));
    EXPECT_TRUE(object.addCollisionGroup(2));
    EXPECT_EQ(3u, object.getCollisionGroupSize());
    EXPECT_EQ(2u, object.getCollisionGroupInPosition(0));
    EXPECT_EQ(9u, object.getCollisionGroupInPosition(2));
    EXPECT_EQ(0u, object.getCollisionGroupInPosition(3));
    EXPECT_TRUE(object.removeCollisionGroup(9));
    EXPECT_FALSE(object.removeCollisionGroup(9));
    EXPECT_TRUE(object.addNotCollisionGroup(7));
    object.cleanAllGroups();
    EXPECT_EQ(0u, object.getCollisionGroupSize());
    EXPECT_EQ(0u, object.getNotCollisionGroupSize());
}

TEST(PhysicObject, ImposedVelocityIsMarkedUntilItIsRead) {
    PhysicObject2D object;
    EXPECT_FALSE(object.haveSettedLinearVelocity());
    object.setLinearVelocity(3.0f, -4.0f);
    EXPECT_EQ(5.0f, object.getSpeed());
    EXPECT_EQ(vec2f32(0.6f, -0.8f), object.getDirection());
    EXPECT_TRUE(object.haveSettedLinearVelocity());
    EXPECT_FALSE(object.haveSettedLinearVelocity());
    object.setLinearVelocity(vec2f32(0.0f, 0.0f));
    EXPECT_EQ(vec2f32(0.0f, 0.0f), object.getDirection());
    EXPECT_EQ(vec2f32(0.0f, 0.0f), object.getLinearVelocity());
    EXPECT_FALSE(object.haveSettedLinearVelocity());
}

TEST(PhysicObject, CleaningMeshesTakesThePhysicsPolygonsOnlyWhenAskedTo) {
    PhysicObject2D object;
    object.newMesh(nullptr);
    PhysicsScene::addCircle(&object, 1.0f);
    object.removeAllMesh();
    EXPECT_EQ(0u, object.getMeshSize());
    EXPECT_EQ(1u, object.physicsMesh.getPolygonSize());
    object.newMesh(nullptr);
    object.cleanMesh();
    EXPECT_EQ(1u, object.physicsMesh.getPolygonSize());
    object.cleanMeshes();
    EXPECT_EQ(0u, object.physicsMesh.getPolygonSize());
}

TEST(PhysicObject, PathsMoveAndTurnTheObjectWhileTheyPlay) {
    PhysicObject2D object;
    EXPECT_FALSE(object.stepAnimations(0.5f));
    object.positionPath.addNewFrame(0.0f, 0.0f, 0.0f);
    object.positionPath.addNewFrame(1.0f, 10.0f, 20.0f);
    object.anglePath.addNewFrame(0.0f, 0.0f);
    object.anglePath.addNewFrame(1.0f, 90.0f);
    object.positionPath.playForward();
    object.anglePath.playForward();
    EXPECT_TRUE(object.stepAnimations(0.0f));
    EXPECT_TRUE(object.stepAnimations(0.5f));
    EXPECT_FLOAT_EQ(5.0f, object.position.x);
    EXPECT_FLOAT_EQ(10.0f, object.position.y);
    EXPECT_FLOAT_EQ(45.0f, object.angle);
}

TEST(PhysicObject, WritesAndReadsItsElement) {
    DynamicObject2D written;
    written.position = vec2f32(1.5f, -2.0f);
    written.angle = 30.0f;
    written.size = size2f32(2.0f, 3.0f);
    written.fixedRotation = true;
    written.canSleep = false;
    PhysicsScene::addRectangle(&written, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    PhysicsScene::addLine(&written, {vec2f32(0, 0), vec2f32(1, 0)}, 240);
    written.addCollisionGroup(4);
    written.addCollisionGroup(12);
    written.addNotCollisionGroup(7);
    written.positionPath.addNewFrame(1.0f, 3.0f, 4.0f);
    written.anglePath.addNewFrame(2.0f, 45.0f);

    RootDocument document;
    ASSERT_TRUE(written.writeToXML(&document.xml, 3, true));
    std::string text = documentText(document.xml);
    EXPECT_NE(std::string::npos,
              text.find("<physicObject_3 type=\"2\" sensor=\"false\" fixedRot=\"true\" "
                        "canSleep=\"false\">true<object_3"));
    EXPECT_NE(std::string::npos, text.find("<collision c0=\"4\" c1=\"12\""));
    EXPECT_NE(std::string::npos, text.find("<notCollision n0=\"7\""));

    StaticObject2D read;
    ASSERT_TRUE(read.readFromXML(&document.xml, 3));
    EXPECT_EQ(2, read.getType());
    EXPECT_FALSE(read.isSensor());
    EXPECT_TRUE(read.fixedRotation);
    EXPECT_FALSE(read.canSleep);
    EXPECT_EQ(vec2f32(1.5f, -2.0f), read.position);
    EXPECT_EQ(30.0f, read.angle);
    EXPECT_EQ(2u, read.physicsMesh.getPolygonSize());
    read.physicsMesh.selectPolygon(1);
    EXPECT_EQ(240, read.physicsMesh.selectedGetCollisionID());
    EXPECT_TRUE(read.haveCollisionGroup(12));
    EXPECT_TRUE(read.haveNotCollisionGroup(7));
    EXPECT_EQ(1u, read.positionPath.getFramesSize());
    EXPECT_EQ(1u, read.anglePath.getFramesSize());
    EXPECT_FALSE(PhysicObject2D::readFromXMLisSensor(&document.xml, 3));
    EXPECT_EQ("root", std::string(document.xml.getSelectedName()));
}

TEST(PhysicObject, TwoArgumentWriteGivesOnlyThePlacedObject) {
    PhysicObject2D object;
    RootDocument document;
    ASSERT_TRUE(object.writeToXML(&document.xml, 0));
    std::string text = documentText(document.xml);
    EXPECT_NE(std::string::npos, text.find("<object_0"));
    EXPECT_EQ(std::string::npos, text.find("physicObject_"));
}

TEST(PhysicObject, ReadingKeepsEverythingWithoutTheElementAndTakesDocumentValuesAsTheyAre) {
    PhysicObject2D object;
    object.addCollisionGroup(3);
    RootDocument empty;
    EXPECT_FALSE(object.readFromXML(&empty.xml, 0));
    EXPECT_FALSE(object.readFromXML(nullptr, 0));
    EXPECT_TRUE(object.haveCollisionGroup(3));

    RootDocument document("<physicObject_0 type=\"-1\" sensor=\"TRUE\" canSleep=\"yes\">"
                          "<collision c0=\"0\" c2=\"8\"/><notCollision n0=\"0\" n1=\"x\"/>"
                          "</physicObject_0>");
    ASSERT_TRUE(object.readFromXML(&document.xml, 0));
    EXPECT_EQ(0xFFFFFFFFu, static_cast<unsigned int>(object.type));
    EXPECT_EQ(255, object.getType());
    EXPECT_FALSE(object.isSensor());
    EXPECT_FALSE(object.canSleep);
    EXPECT_EQ(1u, object.getCollisionGroupSize());
    EXPECT_TRUE(object.haveCollisionGroup(0));
    EXPECT_TRUE(object.haveNotCollisionGroup(0));
    EXPECT_EQ(1u, object.getNotCollisionGroupSize());
}

TEST(PhysicObject, TellsASensorElementFromItsSensorAttribute) {
    RootDocument document("<physicObject_2 sensor=\"true\"/><physicObject_3 sensor=\"false\"/>");
    EXPECT_TRUE(PhysicObject2D::readFromXMLisSensor(&document.xml, 2));
    EXPECT_FALSE(PhysicObject2D::readFromXMLisSensor(&document.xml, 3));
    EXPECT_FALSE(PhysicObject2D::readFromXMLisSensor(&document.xml, 4));
    KinematicSensor2D sensor;
    RootDocument typed("<physicObject_0 type=\"2\" sensor=\"false\"/>");
    ASSERT_TRUE(sensor.readFromXML(&typed.xml, 0));
    EXPECT_EQ(1, sensor.getType());
    EXPECT_TRUE(sensor.isSensor());
}

TEST(PhysicObject, ShallowCopyToldNotToDeleteFreesNothingItShares) {
    DynamicObject2D source;
    source.newMesh(nullptr);
    PhysicsScene::addCircle(&source, 1.0f);
    source.addCollisionGroup(1);
    source.positionPath.addNewFrame(1.0f, 1.0f, 1.0f);
    {
        DynamicObject2D copy(source);
        EXPECT_EQ(1u, copy.physicsMesh.getPolygonSize());
        EXPECT_TRUE(copy.haveCollisionGroup(1));
        copy.cantDeleteObject2D();
    }
    EXPECT_EQ(1u, source.physicsMesh.getPolygonSize());
    EXPECT_TRUE(source.haveCollisionGroup(1));
    EXPECT_EQ(1u, source.positionPath.getFramesSize());
}

TEST(PhysicObject, AssignmentCopiesShapesAndSettingsButNotTypeOrGroups) {
    DynamicObject2D source;
    source.newMesh(nullptr);
    PhysicsScene::addCircle(&source, 1.0f);
    source.position = vec2f32(4.0f, 5.0f);
    source.canSleep = false;
    source.fixedRotation = true;
    source.addCollisionGroup(6);
    StaticSensor2D target;
    target.addNotCollisionGroup(2);
    target = source;
    EXPECT_EQ(vec2f32(4.0f, 5.0f), target.position);
    EXPECT_EQ(1u, target.getMeshSize());
    EXPECT_EQ(1u, target.physicsMesh.getPolygonSize());
    EXPECT_FALSE(target.canSleep);
    EXPECT_TRUE(target.fixedRotation);
    EXPECT_EQ(0, target.getType());
    EXPECT_FALSE(target.haveCollisionGroup(6));
    EXPECT_TRUE(target.haveNotCollisionGroup(2));
    source.physicsMesh.cleanPolygons();
    EXPECT_EQ(1u, target.physicsMesh.getPolygonSize());
    target = target;
    EXPECT_EQ(1u, target.physicsMesh.getPolygonSize());
}

TEST(StaticSensor, ActivationSetHoldsObjectsByAddress) {
    StaticSensor2D sensor;
    DynamicObject2D first;
    DynamicObject2D second;
    EXPECT_TRUE(sensor.addActivateObject(&first));
    EXPECT_FALSE(sensor.addActivateObject(&first));
    EXPECT_FALSE(sensor.addActivateObject(nullptr));
    EXPECT_TRUE(sensor.haveActivateObject(&first));
    EXPECT_FALSE(sensor.haveActivateObject(&second));
    EXPECT_EQ(1u, sensor.getActivateSize());
    EXPECT_FALSE(sensor.removeActivateObject(&second));
    EXPECT_TRUE(sensor.removeActivateObject(&first));
    sensor.addActivateObject(&second);
    sensor.cleanActivateObjects();
    EXPECT_EQ(0u, sensor.getActivateSize());
}
