#include "support/PhysicsScene.h"
#include "support/Squares.h"
#include "support/TestSupport.h"
#include "support/XMLText.h"
#include "zelk/Cenario2D.h"
#include "zelk/XML.h"
#include "zelk/physics2D/DistanceJoint2D.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/KinematicSensor2D.h"
#include "zelk/physics2D/PrismaticJoint2D.h"
#include "zelk/physics2D/PulleyJoint2D.h"
#include "zelk/physics2D/RevoluteJoint2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/WheelJoint2D.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/shape/Rectangle2D.h"

#include <gtest/gtest.h>

#include <box2d/box2d.h>
#include <pugixml.hpp>

#include <chrono>
#include <cstring>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using zelk::Cenario2D;
using zelk::color4f32;
using zelk::Object2D;
using zelk::vec2f32;
using zelk::vec2ui32;
using zelk::XML;
using zelk::physics::dynamicBody;
using zelk::physics::kinematicBody;
using zelk::physics::staticBody;
using zelk::physics2D::DistanceJoint2D;
using zelk::physics2D::Joint2D;
using zelk::physics2D::KinematicSensor2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::PrismaticJoint2D;
using zelk::physics2D::PulleyJoint2D;
using zelk::physics2D::RevoluteJoint2D;
using zelk::physics2D::StaticSensor2D;
using zelk::physics2D::WheelJoint2D;
using zelk::physics2D::World2D;
using zelk::shape::Polygon2D;
using zelk::test::documentText;
using zelk::test::PhysicsScene;
using zelk::tiles::TileMap2D;

namespace {

const color4f32 white(1.0f, 1.0f, 1.0f, 1.0f);

// A mesh of the object holding the unit square in one colour.
void paint(Object2D* object, color4f32 colour) {
    Polygon2D square;
    zelk::test::makeUnitSquare(&square, colour);
    object->newMesh(nullptr)->addPolygon(square);
}

PhysicObject2D* box(Cenario2D& scene, unsigned int level, zelk::physics::bodyType type,
                    vec2f32 position) {
    PhysicObject2D* object = scene.newPhysycObject(level, type);
    object->position = position;
    PhysicsScene::addRectangle(object, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    paint(object, color4f32(0.0f, 0.0f, 1.0f, 1.0f));
    return object;
}

// What the full scene keeps to check after reading.
struct Built {
    std::vector<PhysicObject2D*> bodies;
    PhysicObject2D* ground = nullptr;
    PhysicObject2D* physicTile = nullptr;
};

// A scene with every kind the document holds: a tile set of a solid tile and
// an animated one, a level of plain objects (one with UV frames), an empty
// level, a level of every physics kind, a tile map with physics tiles, and
// every joint kind, one of them to a physics tile.
Built buildFullScene(Cenario2D& scene) {
    Built built;
    unsigned int solid = scene.tileSet.newTile(white);
    scene.tileSet.setTilePhysics(solid, staticBody);
    unsigned int animated = scene.tileSet.newTile(color4f32(1.0f, 0.0f, 0.0f, 1.0f));
    scene.tileSet.setTileFramesUV(animated, 2, 1);
    scene.tileSet.addFrameInterpolation(animated, 0.0f, 1.0f);
    scene.tileSet.addFrameInterpolation(animated, 1.0f, 2.0f);
    scene.tileSet.loopOn(animated);
    scene.tileSet.playForward(animated);

    Object2D* turning = scene.newObject(1);
    paint(turning, color4f32(0.5f, 0.25f, 1.0f, 1.0f));
    turning->position = vec2f32(-3.0f, 2.5f);
    turning->animationAngle.addFirstInterpolationLine(0.0f, 0.0f, 10.0f, 360.0f);
    turning->animationAngle.playForward();
    Object2D* framed = scene.newObject(1, 2.5f);
    Polygon2D sheet;
    zelk::test::makeUnitSquare(&sheet, white);
    sheet.setVertexUV(0, 0.0f, 0.0f);
    sheet.setVertexUV(1, 1.0f, 0.0f);
    sheet.setVertexUV(2, 1.0f, 1.0f);
    sheet.setVertexUV(3, 0.0f, 1.0f);
    sheet.setPolygonUVFrames(4, 2);
    sheet.usePolygonUVFrame(vec2ui32(1, 1));
    framed->newMesh(nullptr)->addPolygon(sheet);
    scene.newObject(2);
    scene.deleteAllObjects(1u);

    built.ground = box(scene, 3, staticBody, vec2f32(0.0f, -5.0f));
    PhysicObject2D* lift = box(scene, 3, kinematicBody, vec2f32(10.0f, 0.0f));
    lift->positionPath.addNewFrame(1.0f, 10.0f, 0.0f);
    lift->positionPath.addNewFrame(2.0f, 10.0f, 4.0f);
    lift->positionPath.loopOn();
    lift->positionPath.playForward();
    for (int i = 0; i < 8; i++) {
        built.bodies.push_back(box(scene, 3, dynamicBody, vec2f32(2.0f * i, 1.5f)));
    }
    StaticSensor2D* still = scene.newPhysycSensor(3, staticBody);
    PhysicsScene::addRectangle(still, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    still->position = vec2f32(20.0f, 20.0f);
    StaticSensor2D* moving = scene.newPhysycSensor(3, kinematicBody, 40.0f);
    PhysicsScene::addRectangle(moving, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    moving->position = vec2f32(-20.0f, 20.0f);

    TileMap2D* map = scene.newTileMapInPosition(4, 4, 3);
    map->setScaleMap(1.0f, 0.5f);
    map->setPosition(-12.0f, -8.0f);
    for (unsigned int x = 0; x < 4; x++) {
        map->setTile(solid, x, 2);
    }
    map->setTile(animated, 1, 0);
    scene.loadPhysicObjectsToWorld();
    built.physicTile = map->getPhysicTile(2u, 2u);

    World2D& world = scene.world;
    std::vector<PhysicObject2D*>& d = built.bodies;
    PhysicObject2D* g = built.ground;
    vec2f32 up(0.0f, 0.5f);
    EXPECT_NE(nullptr, world.createWeldJoint(d[0], up, g, vec2f32(0.0f, 0.5f), true));
    EXPECT_NE(nullptr, world.createRevoluteJoint(d[1], up, g, vec2f32(2.0f, 0.5f), false));
    EXPECT_NE(nullptr, world.createRevoluteAngleJoint(d[2], up, g, vec2f32(4.0f, 0.5f), -30.0f,
                                                      45.0f, true));
    EXPECT_NE(nullptr,
              world.createRevoluteMotorJoint(d[3], up, g, vec2f32(6.0f, 0.5f), 10.0f, 2.0f, false));
    EXPECT_NE(nullptr, world.createDistanceJoint(d[4], up, d[5], up, 2.0f, 3.0f, false));
    EXPECT_NE(nullptr, world.createPrismaticJoint(d[5], up, g, vec2f32(10.0f, 0.5f),
                                                  vec2f32(1.0f, 0.5f), -1.0f, 2.0f, false));
    EXPECT_NE(nullptr,
              world.createPrismaticMotorJoint(d[6], up, g, vec2f32(12.0f, 0.5f),
                                              vec2f32(0.0f, 1.0f), 0.0f, 3.0f, 50.0f, 1.0f, true));
    EXPECT_NE(nullptr, world.createPulleyJoint(d[0], up, vec2f32(0.1f, 5.3f), d[1], up,
                                               vec2f32(-0.7f, 5.3f), 4.0f, 5.0f, false));
    EXPECT_NE(nullptr,
              world.createWheelJoint(d[6], up, d[7], up, vec2f32(0.0f, 1.0f), 3.0f, 0.5f, false));
    EXPECT_NE(nullptr,
              world.createWheelMotorJoint(d[7], up, g, vec2f32(14.0f, 0.5f), vec2f32(0.0f, 1.0f),
                                          2.0f, 0.7f, 20.0f, 3.0f, false));
    EXPECT_NE(nullptr, world.createRopeJoint(d[2], up, d[3], up, 2.5f, true));
    EXPECT_NE(nullptr, world.createRevoluteJoint(d[4], up, built.physicTile, up, false));
    return built;
}

// A document's text, with the joints taken out and kept apart as texts
// without their numbers (they follow the world's order, by record address).
struct Split {
    std::string rest;
    std::multiset<std::string> joints;
};

std::string nodeText(pugi::xml_node node) {
    std::ostringstream out;
    node.print(out, "", pugi::format_raw);
    return out.str();
}

Split split(XML& xml) {
    pugi::xml_document document;
    document.load_string(documentText(xml).c_str());
    Split parts;
    pugi::xml_node joints = document.child("Cenario_0").child("joints");
    std::vector<pugi::xml_node> elements;
    for (pugi::xml_node joint : joints.children()) {
        if (joint.type() == pugi::node_element) {
            elements.push_back(joint);
        }
    }
    for (pugi::xml_node joint : elements) {
        joint.set_name("joint");
        parts.joints.insert(nodeText(joint));
        joints.remove_child(joint);
    }
    parts.rest = nodeText(document);
    return parts;
}

// The document with the one text replaced by the other wherever it occurs.
std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
    return text;
}

std::string written(Cenario2D& scene) {
    XML xml;
    EXPECT_TRUE(scene.writeToXML(&xml, 0));
    return documentText(xml);
}

// Two physics objects in level 1 (depths 0 and 1) joined by a revolute joint
// with limits, as a document's text.
std::string jointedPairDocument() {
    Cenario2D scene;
    PhysicObject2D* base = box(scene, 1, staticBody, vec2f32(0.0f, 0.0f));
    PhysicObject2D* arm = box(scene, 1, dynamicBody, vec2f32(0.0f, 1.0f));
    scene.loadPhysicObjectsToWorld();
    scene.world.createRevoluteAngleJoint(base, vec2f32(0.0f, 0.5f), arm, vec2f32(0.0f, -0.5f),
                                         -30.0f, 30.0f, true);
    return written(scene);
}

bool read(Cenario2D& scene, const std::string& text) {
    XML xml(text.c_str());
    return scene.readFromXML(&xml, 0);
}

} // namespace

TEST(SceneDocument, LevelsAreWrittenByKindAndReadBackTheSame) {
    Cenario2D scene;
    scene.newObject(1);
    scene.newObject(2);
    scene.deleteLevel(2);
    scene.newTileMapInPosition(3, 2, 2);
    XML xml;
    ASSERT_TRUE(scene.writeToXML(&xml, 7));
    EXPECT_FALSE(xml.haveSelected()) << "the cursor is back where it was";
    ASSERT_TRUE(xml.selectChild("Cenario_7"));
    ASSERT_TRUE(xml.selectChild("levels"));
    EXPECT_STREQ("3", xml.getSelectedString());
    xml.selectChild("Level_0");
    EXPECT_STREQ("objs", xml.getSelectedString());
    xml.selectNextBrother();
    EXPECT_STREQ("Level_1", xml.getSelectedName());
    EXPECT_EQ(nullptr, xml.getSelectedString());
    xml.selectNextBrother();
    EXPECT_STREQ("tileMap", xml.getSelectedString());
    xml.cleanSelected();

    Cenario2D copy;
    ASSERT_TRUE(copy.readFromXML(&xml, 7));
    EXPECT_FALSE(xml.haveSelected());
    ASSERT_EQ(3u, copy.levels.size());
    EXPECT_NE(nullptr, copy.levels.get(0)->objects);
    EXPECT_FALSE(copy.levels.get(1)->haveSome());
    EXPECT_NE(nullptr, copy.getTileMap(3));
    EXPECT_FALSE(copy.readFromXML(&xml, 0));
    EXPECT_FALSE(copy.readFromXML(nullptr, 7));
    EXPECT_FALSE(copy.writeToXML(nullptr, 7));
    EXPECT_EQ(3u, copy.levels.size());
}

TEST(SceneDocument, AWholeSceneComesBackAsItWasWritten) {
    Cenario2D scene;
    Built built = buildFullScene(scene);
    ASSERT_NE(nullptr, built.physicTile);
    XML first;
    ASSERT_TRUE(scene.writeToXML(&first, 0));

    Cenario2D copy;
    ASSERT_TRUE(copy.readFromXML(&first, 0));
    XML second;
    ASSERT_TRUE(copy.writeToXML(&second, 0));
    Split expected = split(first);
    Split got = split(second);
    EXPECT_EQ(expected.rest, got.rest);
    EXPECT_EQ(expected.joints, got.joints);
    EXPECT_EQ(12u, got.joints.size());
    EXPECT_EQ(documentText(second), written(copy)) << "writing changes nothing";

    Cenario2D third;
    ASSERT_TRUE(read(third, documentText(second)));
    XML again;
    third.writeToXML(&again, 0);
    Split thirdParts = split(again);
    EXPECT_EQ(got.rest, thirdParts.rest);
    EXPECT_EQ(got.joints, thirdParts.joints);
}

TEST(SceneDocument, ReadingMakesEveryKindAndPutsItIntoTheWorld) {
    Cenario2D scene;
    buildFullScene(scene);
    XML xml;
    scene.writeToXML(&xml, 0);
    Cenario2D copy;
    copy.newObject(9);
    ASSERT_TRUE(copy.readFromXML(&xml, 0));
    EXPECT_EQ(4u, copy.levels.size()) << "the document's levels replace the scene's";
    EXPECT_NE(nullptr, dynamic_cast<KinematicSensor2D*>(copy.getPhysycObject(3, 40.0f)));
    StaticSensor2D* still = dynamic_cast<StaticSensor2D*>(copy.getPhysycObject(3, 10.0f));
    ASSERT_NE(nullptr, still);
    EXPECT_EQ(nullptr, dynamic_cast<KinematicSensor2D*>(still));
    EXPECT_EQ(scene.world.getStaticObjectsSize(), copy.world.getStaticObjectsSize());
    EXPECT_EQ(scene.world.getKinematicObjectsSize(), copy.world.getKinematicObjectsSize());
    EXPECT_EQ(scene.world.getDynamicObjectsSize(), copy.world.getDynamicObjectsSize());
    EXPECT_EQ(scene.world.getJointSize(), copy.world.getJointSize());
    EXPECT_TRUE(copy.getPhysycObject(3, 1u)->positionPath.isPlaying());
    EXPECT_TRUE(copy.getObject(1, 0.0f)->animationAngle.isPlaying());
    EXPECT_NE(nullptr, copy.getTileMap(4)->getPhysicTile(2u, 2u));
}

TEST(SceneDocument, JointsKeepTheValuesTheyWereMadeWith) {
    Cenario2D scene;
    buildFullScene(scene);
    Cenario2D copy;
    ASSERT_TRUE(read(copy, written(scene)));
    int seen = 0;
    for (unsigned int k = 0; k < copy.world.getJointSize(); k++) {
        Joint2D* joint = copy.world.getJointInPosition(k);
        if (PulleyJoint2D* pulley = dynamic_cast<PulleyJoint2D*>(joint)) {
            EXPECT_EQ(vec2f32(0.1f, 5.3f) + vec2f32(0.0f, 1.5f), pulley->pulleyPositionA);
            EXPECT_EQ(vec2f32(-0.7f, 5.3f) + vec2f32(2.0f, 1.5f), pulley->pulleyPositionB);
            EXPECT_EQ(4.0f, pulley->lenghtA);
            EXPECT_EQ(5.0f, pulley->lenghtB);
            seen++;
        } else if (DistanceJoint2D* distance = dynamic_cast<DistanceJoint2D*>(joint)) {
            EXPECT_EQ(3.0f, distance->distance);
            EXPECT_EQ(2.0f, distance->frequency);
            EXPECT_EQ(vec2f32(0.0f, 0.5f), distance->positionA);
            seen++;
        } else if (WheelJoint2D* wheel = dynamic_cast<WheelJoint2D*>(joint)) {
            EXPECT_TRUE(wheel->frequency == 3.0f || wheel->getWheelType() == 8);
            if (wheel->getWheelType() == 8) {
                EXPECT_EQ(20.0f, wheel->getMaxTorque());
                EXPECT_EQ(0.7f, wheel->dampingRatio);
            }
            seen++;
        } else if (joint->getType() == 0) {
            EXPECT_TRUE(joint->getCollide());
            seen++;
        }
    }
    EXPECT_EQ(5, seen);
    b2Body* ground = copy.world.getBody(copy.getPhysycObject(3, 0.0f));
    ASSERT_NE(nullptr, ground);
    int revolutes = 0;
    for (b2JointEdge* edge = ground->GetJointList(); edge; edge = edge->next) {
        revolutes += edge->joint->GetType() == e_revoluteJoint;
    }
    EXPECT_EQ(3, revolutes) << "the revolute joints reached Box2D";
}

TEST(SceneDocument, AJointToAnObjectOutsideTheSceneIsLeftOutButCounted) {
    Cenario2D scene;
    PhysicObject2D* inside = box(scene, 1, dynamicBody, vec2f32());
    scene.loadPhysicObjectsToWorld();
    zelk::physics2D::StaticObject2D outside;
    PhysicsScene::addRectangle(&outside, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    scene.world.addObject(&outside);
    scene.world.createWeldJoint(inside, vec2f32(), &outside, vec2f32(), false);
    XML xml;
    scene.writeToXML(&xml, 0);
    xml.selectChild("Cenario_0");
    xml.selectChild("joints");
    EXPECT_STREQ("1", xml.getSelectedString());
    EXPECT_EQ(nullptr, xml.selectFirstChild());
    scene.deleteAllLevels();
    scene.world.removeObject(&outside);
}

TEST(SceneDocument, IndentedDocumentsReadTheSame) {
    std::string document = jointedPairDocument();
    zelk::test::TempDir folder;
    XML xml(document.c_str());
    ASSERT_TRUE(xml.saveToFile(folder.file("scene.xml").c_str()));
    XML loaded;
    ASSERT_TRUE(loaded.loadFile(folder.file("scene.xml").c_str()));
    Cenario2D scene;
    ASSERT_TRUE(scene.readFromXML(&loaded, 0));
    EXPECT_EQ(2u, scene.levels.get(0)->physicsObjects->size());
    EXPECT_EQ(1u, scene.world.getJointSize());
    EXPECT_EQ(document, written(scene));
}

TEST(SceneDocument, WithoutLevelsTheScenesOwnStayAndTheJointsAreStillMade) {
    std::string document = jointedPairDocument();
    size_t from = document.find("<levels>");
    size_t to = document.find("</levels>") + std::strlen("</levels>");
    std::string withoutLevels = document.substr(0, from) + document.substr(to);
    Cenario2D scene;
    box(scene, 1, staticBody, vec2f32(0.0f, 0.0f));
    box(scene, 1, dynamicBody, vec2f32(0.0f, 1.0f));
    scene.loadPhysicObjectsToWorld();
    ASSERT_TRUE(read(scene, withoutLevels));
    EXPECT_EQ(1u, scene.levels.size());
    EXPECT_EQ(1u, scene.world.getJointSize());
}

TEST(SceneDocument, JointsReadAsTheirTypeAttributeSays) {
    std::string document = jointedPairDocument();
    ASSERT_NE(std::string::npos, document.find("type=\"ANGLE\""));
    const std::string axis = "directionX=\"1.0\"";
    struct Case {
        std::vector<std::pair<std::string, std::string>> changes;
        unsigned int joints;
        const char* why;
    } cases[] = {
        {{{"type=\"ANGLE\"", "kind=\"ANGLE\""}}, 0, "a revolute joint without a kind"},
        {{{"type=\"ANGLE\"", "type=\"NORMAL\""}}, 1, "a plain revolute joint"},
        {{{"type=\"ANGLE\"", axis}, {">1<objectA", ">3<objectA"}},
         1,
         "a prismatic joint without a kind has no motor"},
        {{{"type=\"ANGLE\"", axis}, {">1<objectA", ">5<objectA"}},
         1,
         "a wheel joint without a kind has no motor"},
        {{{">1<objectA", ">9<objectA"}}, 0, "no joint type 9"},
        {{{">1<objectA", ">257<objectA"}}, 1, "the type keeps its low 8 bits"},
        {{{">1<objectA", ">\t1\n<objectA"}}, 1, "texts are read without tabs and line feeds"},
        {{{"level=\"0\"", "level=\"99\""}}, 0, "an end on a missing level"},
        {{{"level=\"0\"", "level=\"-1\""}}, 0, "an end on a level that is no number"},
        {{{"OBJ_PHYSICS", "TILE_MAP"}}, 0, "an end on a level of another kind"},
        {{{"OBJ_PHYSICS", "SOMETHING"}}, 0, "an end of no kind"},
        {{{"depth=\"1.0\"", "depth=\"7.0\""}}, 0, "an end on a missing depth"},
        {{{"objectB", "objectC"}}, 0, "a missing end"},
        {{{"<joints>1<", "<joints>0<"}}, 0, "numbers at or above the count are not read"},
        {{{"<joints>1<", "<joints>4000000000<"}}, 1, "a huge count"},
        {{{"<joints>1<", "<joints>-3<"}}, 0, "a negative count"},
    };
    for (const Case& c : cases) {
        std::string text = document;
        for (const auto& change : c.changes) {
            text = replaced(text, change.first, change.second);
        }
        ASSERT_NE(document, text) << c.why;
        Cenario2D scene;
        ASSERT_TRUE(read(scene, text)) << c.why;
        EXPECT_EQ(c.joints, scene.world.getJointSize()) << c.why;
    }
}

TEST(SceneDocument, CollideIsReadOnlyFromTrue) {
    std::string document = jointedPairDocument();
    ASSERT_NE(std::string::npos, document.find("collide=\"true\""));
    for (const char* value : {"true", "false", "yes", "TRUE", ""}) {
        Cenario2D scene;
        read(scene,
             replaced(document, "collide=\"true\"", std::string("collide=\"") + value + "\""));
        ASSERT_EQ(1u, scene.world.getJointSize());
        EXPECT_EQ(std::strcmp(value, "true") == 0, scene.world.getJointInPosition(0)->getCollide())
            << value;
    }
}

TEST(SceneDocument, ADistanceJointWithoutItsFrequencyReadsItsDistanceAsTheFrequency) {
    Cenario2D scene;
    PhysicObject2D* a = box(scene, 1, dynamicBody, vec2f32(0.0f, 0.0f));
    PhysicObject2D* b = box(scene, 1, dynamicBody, vec2f32(4.0f, 0.0f));
    scene.loadPhysicObjectsToWorld();
    scene.world.createDistanceJoint(a, vec2f32(1.0f, 0.0f), b, vec2f32(-1.0f, 0.0f), 0.0f, 4.0f,
                                    false);
    std::string document = written(scene);
    ASSERT_NE(std::string::npos, document.find(" frequency=\"0.0\""));
    Cenario2D copy;
    read(copy, replaced(document, " frequency=\"0.0\"", ""));
    ASSERT_EQ(1u, copy.world.getJointSize());
    DistanceJoint2D* joint = dynamic_cast<DistanceJoint2D*>(copy.world.getJointInPosition(0));
    ASSERT_NE(nullptr, joint);
    EXPECT_EQ(4.0f, joint->frequency);
    EXPECT_EQ(2.0f, joint->distance) << "the anchors are taken as world points";
}

TEST(SceneDocument, TheFirstOfTwoObjectsAtOneDepthStays) {
    std::string document = jointedPairDocument();
    std::string text = replaced(document, "<obj_1>1.0<", "<obj_1>0.0<");
    ASSERT_NE(document, text);
    Cenario2D scene;
    ASSERT_TRUE(read(scene, text));
    ASSERT_EQ(1u, scene.levels.get(0)->physicsObjects->size());
    EXPECT_EQ(0u, scene.world.getDynamicObjectsSize()) << "the dynamic arm was obj_1";
    EXPECT_EQ(1u, scene.world.getStaticObjectsSize());
    EXPECT_EQ(0u, scene.world.getJointSize());
}

TEST(SceneDocument, MalformedLevelsReadWithoutHarm) {
    std::string document = jointedPairDocument();
    struct Case {
        std::string from, to;
        unsigned int levels, objects;
        const char* why;
    } cases[] = {
        {"<levels>1<", "<levels>4000000000<", 1, 2, "a huge level count"},
        {"<levels>1<", "<levels>-1<", 0, 0, "a negative level count"},
        {"<levels>1<", "<levels><", 0, 0, "no level count"},
        {"<Objects_0>2<", "<Objects_0>4000000000<", 1, 2, "a huge object count"},
        {"<Objects_0>2<", "<Objects_0>1<", 1, 1, "an object count below the elements"},
        {"<Level_0>objsPhys<", "<Level_0>foo<", 1, 0, "a level of no kind"},
        {"<Level_0>objsPhys<", "<Level_0>tileMap<", 1, 0, "a tile map without its element"},
        {"<Level_0>objsPhys<", "<Level_0>objs<", 1, 0, "objects without their elements"},
        {"Level_0>", "Level_70000>", 0, 0, "a level past the limit"},
        {"Level_0>", "Level_00>", 0, 0, "a number written with a leading zero"},
        {"obj_0>", "obj_9>", 1, 1, "an entry above the count"},
        {"physicObject_0", "physicObject_5", 1, 1, "an entry without its object"},
        {"Objects_0>", "Objects_1>", 1, 0, "no Objects_0"},
    };
    for (const Case& c : cases) {
        std::string text = replaced(document, c.from, c.to);
        ASSERT_NE(document, text) << c.why;
        Cenario2D scene;
        auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(read(scene, text)) << c.why;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << c.why;
        EXPECT_EQ(c.levels, scene.levels.size()) << c.why;
        unsigned int objects = 0;
        if (scene.levels.size() > 0 && scene.levels.get(0)->physicsObjects) {
            objects = scene.levels.get(0)->physicsObjects->size();
        }
        EXPECT_EQ(c.objects, objects) << c.why;
    }
}

TEST(SceneDocument, LevelsAreReadWhereverTheirNumbersSayAndOnceEach) {
    std::string document = jointedPairDocument();
    size_t from = document.find("<Level_0>");
    size_t to = document.find("</Level_0>") + std::strlen("</Level_0>");
    std::string level = document.substr(from, to - from);
    std::string later = replaced(level, "Level_0", "Level_2");
    std::string text = document.substr(0, from) + later + level + level + document.substr(to);
    text = replaced(text, "<levels>1<", "<levels>3<");
    Cenario2D scene;
    ASSERT_TRUE(read(scene, text));
    ASSERT_EQ(3u, scene.levels.size());
    EXPECT_NE(nullptr, scene.levels.get(0)->physicsObjects);
    EXPECT_FALSE(scene.levels.get(1)->haveSome());
    EXPECT_NE(nullptr, scene.levels.get(2)->physicsObjects);
    EXPECT_EQ(2u, scene.world.getDynamicObjectsSize()) << "one arm in level 1, one in level 3";
    EXPECT_EQ(1u, scene.world.getJointSize());
}

TEST(SceneDocument, AMissingSceneElementChangesNothing) {
    Cenario2D scene;
    scene.newObject(2);
    EXPECT_FALSE(read(scene, "<Cenario_1><levels>0</levels></Cenario_1>"));
    EXPECT_FALSE(read(scene, "<garbage"));
    EXPECT_EQ(2u, scene.levels.size());
    EXPECT_TRUE(read(scene, "<Cenario_0/>"));
    EXPECT_EQ(2u, scene.levels.size());
    EXPECT_TRUE(read(scene, "<Cenario_0><levels>0</levels><joints>5</joints></Cenario_0>"));
    EXPECT_EQ(0u, scene.levels.size());
}
