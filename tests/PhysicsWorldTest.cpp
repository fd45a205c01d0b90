#include "support/PhysicsScene.h"
#include "support/XMLText.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/shape/Polygon2D.h"

#include <gtest/gtest.h>

#include <box2d/box2d.h>

#include <cmath>
#include <limits>
#include <vector>

using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::KinematicObject2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::StaticObject2D;
using zelk::test::PhysicsScene;

namespace {

const float notANumber = std::numeric_limits<float>::quiet_NaN();
const float infinity = std::numeric_limits<float>::infinity();

std::vector<vec2f32> verticesOf(b2Fixture* fixture) {
    const b2PolygonShape* polygon = static_cast<const b2PolygonShape*>(fixture->GetShape());
    std::vector<vec2f32> vertices;
    for (int32 i = 0; i < polygon->m_count; i++) {
        vertices.push_back(vec2f32(polygon->m_vertices[i].x, polygon->m_vertices[i].y));
    }
    return vertices;
}

bool holds(const std::vector<vec2f32>& vertices, vec2f32 point) {
    for (vec2f32 vertex : vertices) {
        if (std::fabs(vertex.x - point.x) < 1e-5f && std::fabs(vertex.y - point.y) < 1e-5f) {
            return true;
        }
    }
    return false;
}

// A ground box of half-extents (5, 0.5) at the origin, as the scene and
// Box2D each make it.
StaticObject2D* sceneGround(PhysicsScene& scene) {
    return scene.box<StaticObject2D>(vec2f32(0.0f, 0.0f), size2f32(10.0f, 1.0f));
}

b2Body* rawBox(b2World& world, b2BodyType type, vec2f32 position, float degrees, float halfWidth,
               float halfHeight) {
    b2BodyDef definition;
    definition.type = type;
    definition.position.Set(position.x, position.y);
    definition.angle = degrees / 57.295776f;
    b2Body* body = world.CreateBody(&definition);
    b2PolygonShape shape;
    shape.SetAsBox(halfWidth, halfHeight);
    b2FixtureDef fixture;
    fixture.shape = &shape;
    fixture.density = 1.0f;
    fixture.friction = 0.0f;
    body->CreateFixture(&fixture);
    return body;
}

} // namespace

TEST(WorldFixtures, CircleTakesTheObjectsSizeAndThePolygonsTranslate) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32(), size2f32(3.0f, 4.0f));
    PhysicsScene::addCircle(object, 0.5f, vec2f32(1.0f, 1.0f));
    ASSERT_TRUE(scene.world.addObject(object));
    std::vector<b2Fixture*> fixtures = scene.fixtures(object);
    ASSERT_EQ(1u, fixtures.size());
    ASSERT_EQ(b2Shape::e_circle, fixtures[0]->GetType());
    const b2CircleShape* circle = static_cast<const b2CircleShape*>(fixtures[0]->GetShape());
    EXPECT_EQ(b2Vec2(3.0f, 4.0f), circle->m_p);
    EXPECT_EQ(1.5f, circle->m_radius);
    EXPECT_EQ(object, reinterpret_cast<PhysicObject2D*>(
                          scene.world.getBody(object)->GetUserData().pointer));
}

TEST(WorldFixtures, CentredRectangleIsABoxAndAMovedOneAFourVertexPolygon) {
    PhysicsScene scene;
    DynamicObject2D* centred = scene.make<DynamicObject2D>(vec2f32(), size2f32(2.0f, 1.0f));
    PhysicsScene::addRectangle(centred, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    ASSERT_TRUE(scene.world.addObject(centred));
    std::vector<vec2f32> box = verticesOf(scene.fixtures(centred)[0]);
    EXPECT_EQ((std::vector<vec2f32>{vec2f32(-1, -0.5f), vec2f32(1, -0.5f), vec2f32(1, 0.5f),
                                    vec2f32(-1, 0.5f)}),
              box);

    DynamicObject2D* moved = scene.make<DynamicObject2D>(vec2f32(), size2f32(2.0f, 1.0f));
    zelk::shape::Polygon2D corners(2);
    corners.setVertexPosition(0, -0.5f, -0.5f);
    corners.setVertexPosition(1, 0.5f, 0.5f);
    corners.setTranslate(0.1f, 0.0f);
    moved->physicsMesh.addPolygon(corners);
    ASSERT_TRUE(scene.world.addObject(moved));
    std::vector<vec2f32> polygon = verticesOf(scene.fixtures(moved)[0]);
    ASSERT_EQ(4u, polygon.size());
    for (vec2f32 corner :
         {vec2f32(-0.8f, -0.5f), vec2f32(1.2f, -0.5f), vec2f32(1.2f, 0.5f), vec2f32(-0.8f, 0.5f)}) {
        EXPECT_TRUE(holds(polygon, corner)) << corner.x << " " << corner.y;
    }
}

TEST(WorldFixtures, TurnedRectangleIsTurnedAboutTheObjectsOrigin) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32());
    zelk::shape::Polygon2D corners(2);
    corners.setVertexPosition(0, 0.0f, 0.0f);
    corners.setVertexPosition(1, 2.0f, 1.0f);
    corners.setAngle(90.0f);
    object->physicsMesh.addPolygon(corners);
    ASSERT_TRUE(scene.world.addObject(object));
    std::vector<vec2f32> polygon = verticesOf(scene.fixtures(object)[0]);
    for (vec2f32 corner : {vec2f32(0, 0), vec2f32(0, 2), vec2f32(-1, 2), vec2f32(-1, 0)}) {
        EXPECT_TRUE(holds(polygon, corner)) << corner.x << " " << corner.y;
    }
}

TEST(WorldFixtures, CornersGivenTopLeftAndBottomRightStillGiveAPositiveMass) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32());
    PhysicsScene::addRectangle(object, vec2f32(-0.5f, 0.5f), vec2f32(0.5f, -0.5f));
    ASSERT_TRUE(scene.world.addObject(object));
    EXPECT_FLOAT_EQ(1.0f, scene.world.getBody(object)->GetMass());
    EXPECT_GT(scene.world.getBody(object)->GetInertia(), 0.0f);
}

TEST(WorldFixtures, LinesBecomeTwoSidedEdgesThroughAtMostEightPoints) {
    PhysicsScene scene;
    StaticObject2D* object = scene.make<StaticObject2D>(vec2f32());
    PhysicsScene::addLine(object, {vec2f32(0, 0), vec2f32(2, 0)});
    std::vector<vec2f32> five, ten;
    for (int i = 0; i < 10; i++) {
        (i < 5 ? five : ten).push_back(vec2f32(static_cast<float>(i), static_cast<float>(i % 2)));
        if (i >= 5) {
            ten.push_back(vec2f32(static_cast<float>(i) + 0.5f, 3.0f));
        }
    }
    PhysicsScene::addLine(object, five);
    PhysicsScene::addLine(object, ten);
    ASSERT_TRUE(scene.world.addObject(object));
    std::vector<unsigned int> polygonOfEach;
    for (b2Fixture* fixture : scene.fixtures(object)) {
        ASSERT_EQ(b2Shape::e_edge, fixture->GetType());
        EXPECT_FALSE(static_cast<const b2EdgeShape*>(fixture->GetShape())->m_oneSided);
        polygonOfEach.push_back(static_cast<unsigned int>(fixture->GetUserData().pointer));
    }
    EXPECT_EQ((std::vector<unsigned int>{0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2}), polygonOfEach);
    const b2EdgeShape* edge =
        static_cast<const b2EdgeShape*>(scene.fixtures(object)[0]->GetShape());
    EXPECT_EQ(b2Vec2(0, 0), edge->m_vertex1);
    EXPECT_EQ(b2Vec2(2, 0), edge->m_vertex2);
}

TEST(WorldFixtures, ConvexPiecesOfAPhysicsPolygonEachBecomeAFixture) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32());
    std::vector<vec2f32> twelve;
    for (int i = 0; i < 12; i++) {
        double angle = -M_PI / 2 + 2 * M_PI * i / 12;
        twelve.push_back(
            vec2f32(static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))));
    }
    PhysicsScene::addPolygon(object, twelve);
    PhysicsScene::addPolygon(object, {vec2f32(0, 0), vec2f32(2, 0), vec2f32(2, 1), vec2f32(1, 1),
                                      vec2f32(1, 2), vec2f32(0, 2)});
    ASSERT_TRUE(scene.world.addObject(object));
    std::vector<b2Fixture*> fixtures = scene.fixtures(object);
    ASSERT_EQ(3u, fixtures.size());
    EXPECT_EQ(8u, verticesOf(fixtures[0]).size());
    EXPECT_EQ(6u, verticesOf(fixtures[1]).size());
    std::vector<vec2f32> lShape = verticesOf(fixtures[2]);
    EXPECT_EQ(5u, lShape.size());
    EXPECT_FALSE(holds(lShape, vec2f32(1, 1)));
    EXPECT_EQ(2u, fixtures[2]->GetUserData().pointer);
}

TEST(WorldFixtures, FixturesTakeThePolygonsPhysicalValues) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32());
    PhysicsScene::addCircle(object, 1.0f);
    object->physicsMesh.setPolygonDensity(0, 2.0f);
    object->physicsMesh.setPolygonFriction(0, 0.3f);
    object->physicsMesh.setPolygonRestitution(0, 0.7f);
    ASSERT_TRUE(scene.world.addObject(object));
    b2Fixture* fixture = scene.fixtures(object)[0];
    EXPECT_EQ(2.0f, fixture->GetDensity());
    EXPECT_EQ(0.3f, fixture->GetFriction());
    EXPECT_EQ(0.7f, fixture->GetRestitution());
    EXPECT_FALSE(fixture->IsSensor());

    object->physicsMesh.setPolygonDensity(0, 5.0f);
    object->physicsMesh.setPolygonFriction(0, 0.1f);
    EXPECT_TRUE(scene.world.updateObjectStatus(object));
    EXPECT_EQ(5.0f, fixture->GetDensity());
    EXPECT_EQ(0.1f, fixture->GetFriction());
    object->physicsMesh.setPolygonDensity(0, -1.0f);
    EXPECT_FALSE(scene.world.updateObjectStatus(object));
    EXPECT_EQ(5.0f, fixture->GetDensity());
}

TEST(WorldStep, WritesPoseAndVelocityBackAsBox2DAloneComputesThem) {
    PhysicsScene scene;
    sceneGround(scene);
    DynamicObject2D* box = scene.make<DynamicObject2D>(vec2f32(0.3f, 4.0f));
    box->angle = 20.0f;
    PhysicsScene::addRectangle(box, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    ASSERT_TRUE(scene.world.addObject(box));

    b2World raw(b2Vec2(0.0f, -9.8f));
    rawBox(raw, b2_staticBody, vec2f32(0, 0), 0.0f, 5.0f, 0.5f);
    b2Body* rawBody = rawBox(raw, b2_dynamicBody, vec2f32(0.3f, 4.0f), 20.0f, 0.5f, 0.5f);

    for (int step = 0; step < 120; step++) {
        scene.step(1);
        raw.Step(1.0f / 60.0f, 10, 10);
        ASSERT_EQ(rawBody->GetPosition().x, box->position.x) << step;
        ASSERT_EQ(rawBody->GetPosition().y, box->position.y) << step;
        ASSERT_EQ(rawBody->GetAngle() * 57.295776f, box->angle) << step;
        EXPECT_FALSE(box->haveSettedLinearVelocity());
        vec2f32 velocity = box->getLinearVelocity();
        ASSERT_EQ(rawBody->GetLinearVelocity().x, velocity.x) << step;
        ASSERT_EQ(rawBody->GetLinearVelocity().y, velocity.y) << step;
    }
    EXPECT_LT(box->position.y, 1.5f);
}

TEST(WorldStep, StaticObjectsAreNeverWrittenBackAndKinematicOnesAre) {
    PhysicsScene scene;
    StaticObject2D* ground = sceneGround(scene);
    KinematicObject2D* platform = scene.box<KinematicObject2D>(vec2f32(0.0f, 5.0f));
    ground->position = vec2f32(7.0f, 7.0f);
    ASSERT_TRUE(scene.world.setLinearVelocity(platform, vec2f32(6.0f, 0.0f)));
    scene.step(30);
    EXPECT_EQ(vec2f32(7.0f, 7.0f), ground->position);
    EXPECT_NEAR(3.0f, platform->position.x, 1e-4f);
    EXPECT_EQ(5.0f, platform->position.y);
}

TEST(WorldStep, StepsByTheElapsedTimeGivenTimesTheClockScale) {
    PhysicsScene scaled;
    DynamicObject2D* falling = scaled.box<DynamicObject2D>(vec2f32(0.0f, 10.0f));
    PhysicsScene fixed;
    DynamicObject2D* reference = fixed.box<DynamicObject2D>(vec2f32(0.0f, 10.0f));

    scaled.world.setClockScale(0.0f);
    scaled.world.stepElapsed(500000, 10, 10);
    EXPECT_EQ(10.0f, falling->position.y);

    scaled.world.setClockScale(0.5f);
    scaled.world.stepElapsed(40000, 10, 10);
    fixed.world.nextStep(40000 * 0.000001f * 0.5f, 10, 10);
    EXPECT_EQ(reference->position.y, falling->position.y);
    EXPECT_LT(falling->position.y, 10.0f);
}

TEST(WorldStep, RealTimeStepCoversTheTimeSinceTheClockStarted) {
    PhysicsScene scene;
    DynamicObject2D* falling = scene.box<DynamicObject2D>(vec2f32(0.0f, 10.0f));
    scene.world.clockStart();
    zelk::watch::Time measured;
    scene.world.nextStep(10, 10);
    // Whatever time passed, the box has not risen and has not fallen farther
    // than free fall allows in the time measured around the step.
    float seconds = static_cast<float>(measured.getMicroseconds()) * 1e-6f;
    EXPECT_LE(falling->position.y, 10.0f);
    EXPECT_GE(falling->position.y, 10.0f - 9.8f * seconds * seconds - 1e-3f);
}

TEST(WorldStep, UnusableStepsChangeNothing) {
    PhysicsScene scene;
    DynamicObject2D* falling = scene.box<DynamicObject2D>(vec2f32(0.0f, 10.0f));
    scene.world.nextStep(notANumber, 10, 10);
    scene.world.nextStep(infinity, 10, 10);
    scene.world.nextStep(-1.0f, 10, 10);
    scene.world.setClockScale(notANumber);
    scene.world.stepElapsed(1000, 10, 10);
    EXPECT_EQ(vec2f32(0.0f, 10.0f), falling->position);
    scene.world.setClockScale(1.0f);
    scene.world.setGravity(notANumber, 0.0f);
    scene.world.setGravity(vec2f32(0.0f, -infinity));
    scene.step(1);
    EXPECT_TRUE(std::isfinite(falling->position.x));
    EXPECT_LT(falling->position.y, 10.0f);
}

TEST(WorldStep, DynamicBodyWithoutMassGetsMassOneAndFalls) {
    PhysicsScene scene;
    DynamicObject2D* stick = scene.make<DynamicObject2D>(vec2f32(0.0f, 5.0f));
    PhysicsScene::addLine(stick, {vec2f32(-1, 0), vec2f32(1, 0)});
    ASSERT_TRUE(scene.world.addObject(stick));
    EXPECT_EQ(1.0f, scene.world.getBody(stick)->GetMass());
    scene.step(30);
    EXPECT_LT(stick->position.y, 4.0f);
}

TEST(WorldStep, SmallShapeFarFromTheBodysOriginDoesNotTurnInsteadOfEndingTheProgram) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32(), size2f32(1000.0f, 1000.0f));
    PhysicsScene::addCircle(object, 0.00001f, vec2f32(1.0f, 0.0f));
    ASSERT_TRUE(scene.world.addObject(object));
    b2Body* body = scene.world.getBody(object);
    EXPECT_GT(body->GetMass(), 0.0f);
    EXPECT_TRUE(scene.world.applyTorque(object, 1000.0f, true));
    scene.world.setGravity(0.0f, 0.0f);
    scene.step(5);
    EXPECT_EQ(0.0f, object->angle);
    EXPECT_EQ(0.0f, body->GetAngularVelocity());
}

TEST(WorldObjects, RefusesWhatBox2DCouldNotTakeAndLeavesNoBodyBehind) {
    PhysicsScene scene;
    b2World* box2D = scene.world.box2D();
    auto refused = [&](PhysicObject2D* object) {
        int32 bodies = box2D->GetBodyCount();
        EXPECT_FALSE(scene.world.addObject(object));
        EXPECT_EQ(bodies, box2D->GetBodyCount());
        EXPECT_FALSE(scene.world.haveObject(object));
    };
    EXPECT_FALSE(scene.world.addObject(nullptr));
    refused(scene.make<DynamicObject2D>(vec2f32()));

    DynamicObject2D* typeThree = scene.make<DynamicObject2D>(vec2f32());
    PhysicsScene::addCircle(typeThree, 1.0f);
    typeThree->type = static_cast<zelk::physics::bodyType>(3);
    refused(typeThree);

    DynamicObject2D* sizeZero = scene.make<DynamicObject2D>(vec2f32(), size2f32(0.0f, 0.0f));
    PhysicsScene::addCircle(sizeZero, 1.0f);
    PhysicsScene::addRectangle(sizeZero, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    PhysicsScene::addPolygon(sizeZero, {vec2f32(0, 0), vec2f32(1, 0), vec2f32(0, 1)});
    PhysicsScene::addLine(sizeZero, {vec2f32(0, 0), vec2f32(1, 0)});
    refused(sizeZero);

    DynamicObject2D* flat = scene.make<DynamicObject2D>(vec2f32(), size2f32(1.0f, 0.0f));
    PhysicsScene::addRectangle(flat, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    refused(flat);

    DynamicObject2D* tiny = scene.make<DynamicObject2D>(vec2f32());
    PhysicsScene::addPolygon(tiny, {vec2f32(0, 0), vec2f32(0.002f, 0), vec2f32(0, 0.002f)});
    PhysicsScene::addPolygon(tiny, {vec2f32(0, 0), vec2f32(1, 0), vec2f32(2, 0.0000001f)});
    PhysicsScene::addLine(tiny, {vec2f32(0, 0), vec2f32(0.001f, 0), vec2f32(0, 0.001f)});
    refused(tiny);

    for (vec2f32 bad : {vec2f32(notANumber, 0), vec2f32(0, infinity), vec2f32(1e30f, 0)}) {
        DynamicObject2D* placed = scene.make<DynamicObject2D>(bad);
        PhysicsScene::addCircle(placed, 1.0f);
        refused(placed);
        DynamicObject2D* vertex = scene.make<DynamicObject2D>(vec2f32());
        PhysicsScene::addPolygon(vertex, {vec2f32(0, 0), vec2f32(1, 0), bad});
        refused(vertex);
    }
    DynamicObject2D* turned = scene.make<DynamicObject2D>(vec2f32());
    turned->angle = notANumber;
    PhysicsScene::addCircle(turned, 1.0f);
    refused(turned);
    DynamicObject2D* sized = scene.make<DynamicObject2D>(vec2f32(), size2f32(notANumber, 1.0f));
    PhysicsScene::addCircle(sized, 1.0f);
    refused(sized);

    DynamicObject2D* heavy = scene.make<DynamicObject2D>(vec2f32());
    PhysicsScene::addCircle(heavy, 1.0f);
    heavy->physicsMesh.setPolygonDensity(0, -1.0f);
    refused(heavy);
    heavy->physicsMesh.setPolygonDensity(0, 1.0f);
    heavy->physicsMesh.setPolygonFriction(0, notANumber);
    refused(heavy);
}

TEST(WorldObjects, SkipsTheShapesBox2DCouldNotTakeAndKeepsTheRest) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32());
    PhysicsScene::addPolygon(object, {vec2f32(0, 0), vec2f32(0.001f, 0), vec2f32(0, 0.001f)});
    PhysicsScene::addLine(object, {vec2f32(0, 0), vec2f32(0, 0), vec2f32(1, 0), vec2f32(1, 0)});
    ASSERT_TRUE(scene.world.addObject(object));
    std::vector<b2Fixture*> fixtures = scene.fixtures(object);
    ASSERT_EQ(1u, fixtures.size());
    EXPECT_EQ(1u, fixtures[0]->GetUserData().pointer);
}

TEST(WorldObjects, MirroredObjectGetsAPositiveRadius) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.make<DynamicObject2D>(vec2f32(), size2f32(-2.0f, 1.0f));
    PhysicsScene::addCircle(object, 1.0f);
    ASSERT_TRUE(scene.world.addObject(object));
    EXPECT_EQ(2.0f, scene.fixtures(object)[0]->GetShape()->m_radius);
}

TEST(WorldObjects, FilesObjectsByTypeOnceAndFindsThemByTheirCurrentType) {
    PhysicsScene scene;
    StaticObject2D* ground = sceneGround(scene);
    DynamicObject2D* first = scene.box<DynamicObject2D>(vec2f32(0, 3));
    DynamicObject2D* second = scene.box<DynamicObject2D>(vec2f32(2, 3));
    KinematicObject2D* moving = scene.box<KinematicObject2D>(vec2f32(4, 3));
    EXPECT_FALSE(scene.world.addObject(first));
    EXPECT_EQ(1u, scene.world.getStaticObjectsSize());
    EXPECT_EQ(1u, scene.world.getKinematicObjectsSize());
    EXPECT_EQ(2u, scene.world.getDynamicObjectsSize());
    EXPECT_EQ(ground, scene.world.getStaticObjectInPosition(0));
    EXPECT_EQ(moving, scene.world.getKinematicObjectInPosition(0));
    PhysicObject2D* lower = first < second ? static_cast<PhysicObject2D*>(first) : second;
    EXPECT_EQ(lower, scene.world.getDynamicObjectInPosition(0));
    EXPECT_EQ(nullptr, scene.world.getDynamicObjectInPosition(2));

    first->type = zelk::physics::staticBody;
    EXPECT_FALSE(scene.world.haveObject(first));
    EXPECT_EQ(nullptr, scene.world.getBody(first));
    EXPECT_FALSE(scene.world.addObject(first));
    first->type = zelk::physics::dynamicBody;
    EXPECT_TRUE(scene.world.removeObject(first));
    EXPECT_FALSE(scene.world.removeObject(first));
    EXPECT_FALSE(scene.world.removeObject(nullptr));
    EXPECT_EQ(3, scene.world.box2D()->GetBodyCount());

    scene.world.removeAllObjects();
    EXPECT_EQ(0, scene.world.box2D()->GetBodyCount());
    EXPECT_EQ(0u, scene.world.getDynamicObjectsSize());
    EXPECT_TRUE(scene.world.addObject(second));
}

TEST(WorldObjects, ObjectsAllocatedInOrderStayInAddressOrderAndAreFoundAfterRemovals) {
    const size_t count = 3000;
    // Made before the world, so they outlive it.
    std::vector<DynamicObject2D> objects(count);
    PhysicsScene scene;
    for (size_t i = 0; i < count; i++) {
        objects[i].position = vec2f32(2.0f * static_cast<float>(i), 0.0f);
        PhysicsScene::addCircle(&objects[i], 0.5f);
        ASSERT_TRUE(scene.world.addObject(&objects[i]));
    }
    for (size_t i = 0; i < count; i += 3) {
        ASSERT_TRUE(scene.world.removeObject(&objects[i]));
    }
    ASSERT_EQ(count - count / 3, scene.world.getDynamicObjectsSize());
    unsigned int position = 0;
    for (size_t i = 0; i < count; i++) {
        EXPECT_EQ(i % 3 != 0, scene.world.haveObject(&objects[i])) << i;
        if (i % 3 != 0) {
            EXPECT_EQ(&objects[i], scene.world.getDynamicObjectInPosition(position++)) << i;
        }
    }
    scene.world.nextStep(0.01f, 1, 1);
    EXPECT_GT(0.0f, objects[1].position.y);
    scene.world.removeAllObjects();
    EXPECT_EQ(0, scene.world.box2D()->GetBodyCount());
}

TEST(WorldMotion, VelocityTakesTheBodyToTheObjectsPoseInOneSecond) {
    PhysicsScene scene;
    scene.world.setGravity(0.0f, 0.0f);
    KinematicObject2D* object = scene.box<KinematicObject2D>(vec2f32(1.0f, 1.0f));
    b2Body* body = scene.world.getBody(object);
    ASSERT_TRUE(scene.world.moveObject(object, 2.0f, -1.0f));
    EXPECT_EQ(b2Vec2(2.0f, -1.0f), body->GetLinearVelocity());
    ASSERT_TRUE(scene.world.rotateObject(object, 90.0f));
    EXPECT_FLOAT_EQ(90.0f / 57.295776f, body->GetAngularVelocity());
    scene.step(60);
    EXPECT_NEAR(3.0f, object->position.x, 1e-3f);
    EXPECT_NEAR(0.0f, object->position.y, 1e-3f);
    EXPECT_NEAR(90.0f, object->angle, 1e-2f);

    object->setLinearVelocity(0.0f, 4.0f);
    ASSERT_TRUE(scene.world.moveObjectToPosition(object, vec2f32(100.0f, 100.0f)));
    EXPECT_EQ(b2Vec2(0.0f, 4.0f), body->GetLinearVelocity());
    EXPECT_FALSE(object->haveSettedLinearVelocity());
    ASSERT_TRUE(scene.world.cleanObjectVelocity(object));
    EXPECT_EQ(b2Vec2(0.0f, 0.0f), body->GetLinearVelocity());
    ASSERT_TRUE(scene.world.rotateObjectToAngle(object, 0.0f));
}

TEST(WorldMotion, RefusesValuesThatAreNotFiniteAndChangesNothing) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.box<DynamicObject2D>(vec2f32(1.0f, 1.0f));
    b2Body* body = scene.world.getBody(object);
    EXPECT_FALSE(scene.world.moveObject(object, notANumber, 0.0f));
    EXPECT_FALSE(scene.world.moveObjectToPosition(object, infinity, 0.0f));
    EXPECT_FALSE(scene.world.rotateObjectToAngle(object, notANumber));
    EXPECT_EQ(vec2f32(1.0f, 1.0f), object->position);
    EXPECT_FALSE(scene.world.setLinearVelocity(object, vec2f32(notANumber, 0.0f)));
    EXPECT_FALSE(scene.world.setAngularVelocity(object, infinity));
    EXPECT_FALSE(scene.world.applyForce(object, vec2f32(notANumber, 0), vec2f32(), true));
    EXPECT_FALSE(scene.world.applyLinearImpulse(object, vec2f32(), vec2f32(0, notANumber), true));
    EXPECT_FALSE(scene.world.applyAngularImpulse(object, notANumber, true));
    EXPECT_FALSE(scene.world.applyTorque(object, infinity, true));
    object->position = vec2f32(notANumber, 0.0f);
    EXPECT_FALSE(scene.world.updateObjectVelocity(object));
    object->position = vec2f32(1.0f, 1.0f);
    scene.step(10);
    EXPECT_TRUE(std::isfinite(object->position.y));
    EXPECT_EQ(b2Vec2(0.0f, 0.0f),
              body->GetPosition() - b2Vec2(object->position.x, object->position.y));
}

TEST(WorldMotion, EachOperationServesOnlyItsBodyTypes) {
    PhysicsScene scene;
    StaticObject2D* ground = sceneGround(scene);
    KinematicObject2D* moving = scene.box<KinematicObject2D>(vec2f32(0, 5));
    DynamicObject2D* falling = scene.box<DynamicObject2D>(vec2f32(3, 5));
    DynamicObject2D* outside = scene.make<DynamicObject2D>(vec2f32());

    for (PhysicObject2D* object : std::vector<PhysicObject2D*>{ground, moving}) {
        EXPECT_FALSE(scene.world.sleepObject(object));
        EXPECT_FALSE(scene.world.unsleepObject(object));
    }
    EXPECT_FALSE(scene.world.setLinearVelocity(ground, vec2f32(1, 0)));
    EXPECT_FALSE(scene.world.setAngularVelocity(ground, 1.0f));
    EXPECT_FALSE(scene.world.applyForce(ground, vec2f32(1, 0), vec2f32(), true));
    EXPECT_FALSE(scene.world.applyLinearImpulse(ground, vec2f32(1, 0), vec2f32(), true));
    EXPECT_FALSE(scene.world.applyAngularImpulse(ground, 1.0f, true));
    EXPECT_FALSE(scene.world.applyTorque(ground, 1.0f, true));
    EXPECT_TRUE(scene.world.updateObjectVelocity(ground));
    EXPECT_FALSE(scene.world.updateObjectVelocity(outside));
    EXPECT_FALSE(scene.world.moveObject(outside, 1.0f, 0.0f));
    EXPECT_EQ(vec2f32(), outside->position);

    EXPECT_TRUE(scene.world.setAngularVelocity(moving, 57.295776f));
    EXPECT_FLOAT_EQ(1.0f, scene.world.getBody(moving)->GetAngularVelocity());
    EXPECT_TRUE(scene.world.applyLinearImpulse(falling, vec2f32(0, 1), vec2f32(3, 5), true));
    EXPECT_FLOAT_EQ(1.0f, scene.world.getBody(falling)->GetLinearVelocity().y);
    EXPECT_TRUE(scene.world.applyAngularImpulse(falling, 57.295776f, true));
    EXPECT_TRUE(scene.world.applyForce(falling, vec2f32(0, 1), vec2f32(3, 5), true));
    EXPECT_TRUE(scene.world.applyTorque(falling, 1.0f, true));

    falling->canSleep = false;
    EXPECT_TRUE(scene.world.sleepObject(falling));
    EXPECT_TRUE(falling->canSleep);
    EXPECT_FALSE(scene.world.getBody(falling)->IsAwake());
    EXPECT_TRUE(scene.world.unsleepObject(falling));
    EXPECT_TRUE(scene.world.getBody(falling)->IsAwake());
}

TEST(WorldMotion, ABodyWhoseObjectMayNotSleepIsWokenAfterEveryStep) {
    PhysicsScene scene;
    DynamicObject2D* object = scene.box<DynamicObject2D>(vec2f32(0, 5));
    object->canSleep = false;
    scene.world.getBody(object)->SetAwake(false);
    scene.step(1);
    EXPECT_TRUE(scene.world.getBody(object)->IsAwake());
}
