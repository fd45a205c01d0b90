#include "support/PhysicsScene.h"
#include "support/XMLText.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"
#include "zelk/shape/Polygon2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::KinematicObject2D;
using zelk::physics2D::KinematicSensor2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::StaticObject2D;
using zelk::physics2D::StaticSensor2D;
using zelk::physics2D::World2D;
using zelk::test::ContactEvent;
using zelk::test::ContactLog;
using zelk::test::documentText;
using zelk::test::Hearing;
using zelk::test::PhysicsScene;
using zelk::test::RootDocument;

namespace {

// One readable object element: a unit box of that type at (x, y), with
// whatever attributes the object element itself gets.
std::string objectElement(unsigned int number, int type, const std::string& x, const std::string& y,
                          const std::string& more = "") {
    std::string id = std::to_string(number);
    return "<physicObject_" + id + " type=\"" + std::to_string(type) + "\" " + more + "><object_" +
           id + " positionX=\"" + x + "\" positionY=\"" + y +
           "\" sizeW=\"1.0\" sizeH=\"1.0\"/><mesh_0 pCount=\"1\"><polygon_0 "
           "vCount=\"2\">polygon<Vertex_0 type=\"3\" x=\"-0.5\" y=\"-0.5\"/><Vertex_1 "
           "type=\"3\" x=\"0.5\" y=\"0.5\"/><physics "
           "density=\"1.0\"/></polygon_0></mesh_0></physicObject_" +
           id + ">";
}

std::string worldElement(const std::string& sections, unsigned int id = 0) {
    std::string name = "physWorld_" + std::to_string(id);
    return "<" + name + ">" + sections + "</" + name + ">";
}

// The text of the section's element, or "" without it.
std::string sectionOf(const std::string& text, const std::string& name) {
    size_t start = text.find("<" + name + ">");
    size_t end = text.find("</" + name + ">");
    if (start == std::string::npos || end == std::string::npos) {
        return "";
    }
    return text.substr(start, end - start);
}

// The section's object elements with their numbers taken out, in sorted
// order: what the section holds, whatever order the objects' addresses
// gave them.
std::vector<std::string> objectsOf(const std::string& text, const std::string& name) {
    std::string section = sectionOf(text, name);
    std::vector<std::string> objects;
    const std::string close = "</physicObject_";
    for (size_t start = section.find("<physicObject_"); start != std::string::npos;) {
        size_t end = section.find(close, start);
        std::string object = section.substr(start, end - start);
        objects.push_back(std::regex_replace(object, std::regex("bject_[0-9]+"), "bject_#"));
        start = section.find("<physicObject_", end);
    }
    std::sort(objects.begin(), objects.end());
    return objects;
}

unsigned int objectCount(World2D& world) {
    return world.getStaticObjectsSize() + world.getKinematicObjectsSize() +
           world.getDynamicObjectsSize();
}

} // namespace

TEST(WorldDocument, EmptyWorldWritesThreeEmptySectionsAndReadsBackNothing) {
    World2D world;
    RootDocument document;
    ASSERT_TRUE(world.writeToXML(&document.xml, 0));
    EXPECT_EQ("<root><physWorld_0><static/><dynamic/><kinematic/></physWorld_0></root>",
              documentText(document.xml));
    EXPECT_STREQ("root", document.xml.getSelectedName());

    World2D read;
    EXPECT_TRUE(read.readFromXML(&document.xml, 0));
    EXPECT_EQ(0u, objectCount(read));
    EXPECT_STREQ("root", document.xml.getSelectedName());
}

TEST(WorldDocument, SectionsNumberTheirObjectsFromZeroAndObjectsReturnToTheirTypesTrees) {
    PhysicsScene scene;
    scene.box<DynamicObject2D>(vec2f32(0, 0));
    scene.box<DynamicObject2D>(vec2f32(3, 0));
    scene.box<KinematicObject2D>(vec2f32(6, 0));
    scene.box<StaticObject2D>(vec2f32(0, -5));
    StaticSensor2D* sensor = scene.box<StaticSensor2D>(vec2f32(9, 0));
    sensor->addActivateObject(scene.world.getDynamicObjectInPosition(0));
    scene.box<KinematicSensor2D>(vec2f32(12, 0));
    RootDocument document("<before/>");
    ASSERT_TRUE(scene.world.writeToXML(&document.xml, 7));
    std::string text = documentText(document.xml);
    EXPECT_EQ(0u, text.find("<root><before/><physWorld_7><static><physicObject_0 "));
    EXPECT_EQ(2u, objectsOf(text, "static").size());
    EXPECT_EQ(2u, objectsOf(text, "dynamic").size());
    EXPECT_EQ(2u, objectsOf(text, "kinematic").size());
    EXPECT_NE(std::string::npos, sectionOf(text, "dynamic").find("<physicObject_1 type=\"2\""));
    EXPECT_NE(std::string::npos, sectionOf(text, "kinematic").find("<physicObject_1 type=\"1\""));
    EXPECT_EQ(std::string::npos, text.find("physicObject_2"));

    World2D read;
    ASSERT_TRUE(read.readFromXML(&document.xml, 7));
    EXPECT_EQ(2u, read.getDynamicObjectsSize());
    // Each sensor comes back as the kind that wrote it.
    ASSERT_EQ(2u, read.getKinematicObjectsSize());
    ASSERT_EQ(2u, read.getStaticObjectsSize());
    int sensors = 0;
    for (unsigned int i = 0; i < 2; i++) {
        StaticSensor2D* readSensor =
            dynamic_cast<StaticSensor2D*>(read.getStaticObjectInPosition(i));
        if (readSensor) {
            sensors++;
            EXPECT_EQ(nullptr, dynamic_cast<KinematicSensor2D*>(readSensor));
            EXPECT_EQ(0u, readSensor->getActivateSize());
        }
        if (dynamic_cast<KinematicSensor2D*>(read.getKinematicObjectInPosition(i))) {
            sensors++;
        }
    }
    EXPECT_EQ(2, sensors);
    EXPECT_STREQ("root", document.xml.getSelectedName());
}

TEST(WorldDocument, OneObjectPerSectionReadsBackToTheSameDocument) {
    PhysicsScene scene;
    StaticObject2D* ground = scene.box<StaticObject2D>(vec2f32(0, -5), size2f32(10, 1));
    ground->addCollisionGroup(3);
    DynamicObject2D* box = scene.make<DynamicObject2D>(vec2f32(1.5f, 2.25f), size2f32(2, 0.5f));
    box->angle = 30.0f;
    box->fixedRotation = true;
    box->canSleep = false;
    PhysicsScene::addCircle(box, 0.5f, vec2f32(0.25f, 0));
    // A polygon the physics mesh cuts gives its new vertices the polygon's
    // colour, which the document does not hold: white, as a polygon read is.
    zelk::shape::Polygon2D triangle(3);
    triangle.setVertexPosition(1, 1.0f, 0.0f);
    triangle.setVertexPosition(2, 0.0f, 1.0f);
    triangle.setPolygonColor(1.0f, 1.0f, 1.0f);
    box->physicsMesh.addPolygon(triangle);
    box->addNotCollisionGroup(9);
    ASSERT_TRUE(scene.world.addObject(box));
    KinematicObject2D* platform = scene.box<KinematicObject2D>(vec2f32(-3, 1));
    platform->positionPath.addNewFrame(2.0f, 4.0f, 1.0f);
    RootDocument written;
    ASSERT_TRUE(scene.world.writeToXML(&written.xml, 2));

    World2D world;
    ASSERT_TRUE(world.readFromXML(&written.xml, 2));
    EXPECT_EQ(3u, objectCount(world));
    RootDocument rewritten;
    ASSERT_TRUE(world.writeToXML(&rewritten.xml, 2));
    EXPECT_EQ(documentText(written.xml), documentText(rewritten.xml));
}

TEST(WorldDocument, SeveralObjectsPerSectionReadBackToTheSameObjects) {
    PhysicsScene scene;
    for (int i = 0; i < 4; i++) {
        scene.box<DynamicObject2D>(vec2f32(2.0f * i, 1), size2f32(1.0f + i, 1));
        scene.box<StaticObject2D>(vec2f32(2.0f * i, -3), size2f32(1, 0.5f + i));
        scene.box<KinematicObject2D>(vec2f32(2.0f * i, 6))->angle = 10.0f * i;
    }
    RootDocument written;
    ASSERT_TRUE(scene.world.writeToXML(&written.xml, 0));
    std::string text = documentText(written.xml);

    World2D world;
    ASSERT_TRUE(world.readFromXML(&written.xml, 0));
    RootDocument rewritten;
    ASSERT_TRUE(world.writeToXML(&rewritten.xml, 0));
    std::string again = documentText(rewritten.xml);
    for (const char* section : {"static", "dynamic", "kinematic"}) {
        EXPECT_EQ(4u, objectsOf(text, section).size()) << section;
        EXPECT_EQ(objectsOf(text, section), objectsOf(again, section)) << section;
    }
}

TEST(WorldDocument, ReadingAddsToTheObjectsThereAndRefusesAMissingElement) {
    PhysicsScene scene;
    scene.box<DynamicObject2D>(vec2f32());
    RootDocument document(
        worldElement("<dynamic>" + objectElement(0, 2, "4.0", "0.0") + "</dynamic>"));
    EXPECT_FALSE(scene.world.readFromXML(&document.xml, 1));
    EXPECT_FALSE(scene.world.readFromXML(nullptr, 0));
    EXPECT_FALSE(scene.world.writeToXML(nullptr, 0));
    EXPECT_EQ(1u, scene.world.getDynamicObjectsSize());
    EXPECT_STREQ("root", document.xml.getSelectedName());

    EXPECT_TRUE(scene.world.readFromXML(&document.xml, 0));
    EXPECT_EQ(2u, scene.world.getDynamicObjectsSize());
    EXPECT_TRUE(scene.world.readFromXML(&document.xml, 0));
    EXPECT_EQ(3u, scene.world.getDynamicObjectsSize());
}

TEST(WorldDocument, HostileDocumentsReadWhatTheyCanWithoutACrash) {
    struct Case {
        std::string sections;
        unsigned int staticObjects, dynamicObjects, kinematicObjects;
    };
    std::string valid = objectElement(0, 2, "1.0", "2.0");
    std::vector<Case> cases = {
        // Sections missing, out of order or repeated: the first of each is read.
        {"<kinematic>" + objectElement(0, 1, "0.0", "0.0") + "</kinematic>", 0, 0, 1},
        {"<dynamic>" + valid + "</dynamic><static>" + objectElement(0, 0, "0", "0") +
             "</static><dynamic>" + valid + objectElement(1, 2, "0", "0") + "</dynamic>",
         1, 1, 0},
        // A gap in the numbers ends the section.
        {"<dynamic>" + valid + objectElement(2, 2, "5.0", "0.0") + "</dynamic>", 0, 1, 0},
        // An object that yields no body ends its section only.
        {"<static><physicObject_0 type=\"0\"/>" + objectElement(1, 0, "0", "0") +
             "</static><dynamic>" + valid + "</dynamic>",
         0, 1, 0},
        // Numbers a body cannot take.
        {"<dynamic>" + objectElement(0, 2, "1e39", "0.0") + "</dynamic>", 0, 0, 0},
        {"<dynamic>" + objectElement(0, 2, "nan", "inf") + "</dynamic>", 0, 0, 0},
        {"<dynamic>" + objectElement(0, 99999999, "0", "0") + "</dynamic>", 0, 0, 0},
        {"<dynamic>" + objectElement(0, -1, "0", "0") + "</dynamic>", 0, 0, 0},
        {"<static>" +
             std::regex_replace(objectElement(0, 0, "0", "0"), std::regex("sizeW=\"1.0\""),
                                "sizeW=\"1e38\"") +
             "</static>",
         0, 0, 0},
        {"<static>" +
             std::regex_replace(objectElement(0, 0, "0", "0"), std::regex("pCount=\"1\""),
                                "pCount=\"4294967295\"") +
             "</static>",
         0, 0, 0},
        {"<static>" + objectElement(0, 0, "0", "0", "sensor=\"true\" c0=\"-7\"") + "</static>", 1,
         0, 0},
        // Garbage; an element named alike is another element.
        {"junk<static>text<physicObject_0 type=\"abc\">?!<object_0 positionX=\"x\"/></"
         "physicObject_0></static><dynamic><physicObject_00/>" +
             valid + "</dynamic><kinematic><kinematic/></kinematic>",
         0, 1, 0},
        {"", 0, 0, 0},
    };
    for (const Case& hostile : cases) {
        SCOPED_TRACE(hostile.sections);
        World2D world;
        RootDocument document(worldElement(hostile.sections));
        ASSERT_TRUE(document.xml.haveSelected());
        EXPECT_TRUE(world.readFromXML(&document.xml, 0));
        EXPECT_EQ(hostile.staticObjects, world.getStaticObjectsSize());
        EXPECT_EQ(hostile.dynamicObjects, world.getDynamicObjectsSize());
        EXPECT_EQ(hostile.kinematicObjects, world.getKinematicObjectsSize());
        EXPECT_STREQ("root", document.xml.getSelectedName());
        world.nextStep(1.0f / 60.0f, 10, 10);
    }
}

TEST(WorldDocument, ObjectsReadAreTheWorldsEvenOnceRemoved) {
    // Under the leak checker, anything the world failed to delete shows.
    World2D world;
    RootDocument document(worldElement("<dynamic>" + objectElement(0, 2, "0", "0") +
                                       objectElement(1, 2, "3", "0") + "</dynamic>"));
    ASSERT_TRUE(world.readFromXML(&document.xml, 0));
    ASSERT_EQ(2u, world.getDynamicObjectsSize());
    EXPECT_TRUE(world.removeObject(world.getDynamicObjectInPosition(0)));
    EXPECT_EQ(1u, world.getDynamicObjectsSize());
}

TEST(WorldDocument, ReadingInsideAStepAddsNothing) {
    Hearing hearing;
    World2D* reader = nullptr;
    RootDocument document(worldElement("<dynamic>" + objectElement(0, 2, "8", "0") + "</dynamic>"));
    std::vector<unsigned int> sizes;
    ContactLog log(&hearing, [&](ContactEvent event, zelk::physics2D::Contact2D*) {
        if (event == ContactEvent::begin) {
            EXPECT_TRUE(reader->readFromXML(&document.xml, 0));
            sizes.push_back(reader->getDynamicObjectsSize());
        }
    });
    PhysicsScene scene;
    reader = &scene.world;
    scene.box<StaticObject2D>(vec2f32(), size2f32(10, 1));
    scene.box<DynamicObject2D>(vec2f32(0, 1.2f));
    ASSERT_TRUE(scene.world.addContactCallback(&log));
    scene.step(30);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(std::vector<unsigned int>(sizes.size(), 1u), sizes);
}
