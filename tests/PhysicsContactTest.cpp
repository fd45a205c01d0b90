#include "support/PhysicsScene.h"
#include "zelk/physics2D/Contact2D.h"
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/KinematicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/StaticSensor2D.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using zelk::size2f32;
using zelk::vec2f32;
using zelk::physics2D::Contact2D;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::KinematicObject2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::StaticObject2D;
using zelk::physics2D::StaticSensor2D;
using zelk::physics2D::World2D;
using zelk::test::ContactEvent;
using zelk::test::ContactLog;
using zelk::test::Hearing;
using zelk::test::PhysicsScene;

namespace {

// The top of the ground is at y 0.5; a unit box resting on it stands at 1.
StaticObject2D* ground(PhysicsScene& scene) {
    return scene.box<StaticObject2D>(vec2f32(0.0f, 0.0f), size2f32(10.0f, 1.0f));
}

// A static line from x -5 to 5 at y 0 with that collision ID.
StaticObject2D* line(PhysicsScene& scene, unsigned char collisionID) {
    StaticObject2D* object = scene.make<StaticObject2D>(vec2f32());
    PhysicsScene::addLine(object, {vec2f32(-5.0f, 0.0f), vec2f32(5.0f, 0.0f)}, collisionID);
    scene.world.addObject(object);
    return object;
}

// Whether a box fell onto the ground and stayed on it, as it should, or
// passed through it.
bool restsOnGround(DynamicObject2D* box) {
    return box->position.y > 0.9f && box->position.y < 1.1f;
}

// A box over the ground, both in notCollision group 7 and, when asked, both
// in collision group 3; the ground is added first or last.
DynamicObject2D* groupedBox(PhysicsScene& scene, bool groundFirst, bool shareCollision,
                            StaticObject2D** floor) {
    *floor = groundFirst ? ground(scene) : nullptr;
    DynamicObject2D* box = scene.make<DynamicObject2D>(vec2f32(0.0f, 3.0f));
    PhysicsScene::addRectangle(box, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    scene.world.addObject(box);
    *floor = *floor ? *floor : ground(scene);
    for (PhysicObject2D* object : std::vector<PhysicObject2D*>{box, *floor}) {
        object->addNotCollisionGroup(7);
        if (shareCollision) {
            object->addCollisionGroup(3);
        }
    }
    (*floor)->addNotCollisionGroup(2);
    return box;
}

// A ground, a kinematic box sliding along it and three dynamic boxes falling
// onto both, in a plain world. The objects outlive the world.
struct PlainScene {
    PlainScene() {
        PhysicsScene::addRectangle(&floor, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
        floor.size = size2f32(10.0f, 1.0f);
        world.addObject(&floor);
        PhysicsScene::addRectangle(&slider, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
        slider.position = vec2f32(-3.0f, 1.0f);
        world.addObject(&slider);
        world.setLinearVelocity(&slider, vec2f32(1.0f, 0.0f));
        for (int i = 0; i < 3; i++) {
            PhysicsScene::addRectangle(&boxes[i], vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
            boxes[i].position = vec2f32(-2.4f + 0.3f * static_cast<float>(i), 2.0f + 1.2f * i);
            world.addObject(&boxes[i]);
        }
    }
    // 0 floor, 1 slider, 2 to 4 boxes.
    PhysicObject2D* object(int index) {
        PhysicObject2D* all[] = {&floor, &slider, &boxes[0], &boxes[1], &boxes[2]};
        return all[index];
    }
    int indexOf(PhysicObject2D* object) {
        for (int i = 0; i < 5; i++) {
            if (this->object(i) == object) {
                return i;
            }
        }
        return -1;
    }

    StaticObject2D floor;
    KinematicObject2D slider;
    DynamicObject2D boxes[3];
    World2D world;
};

} // namespace

TEST(ContactGroups, SharedNotCollisionGroupLetsObjectsPassUnlessTheyShareACollisionGroup) {
    for (bool groundFirst : {true, false}) {
        PhysicsScene scene;
        StaticObject2D* floor = nullptr;
        DynamicObject2D* box = groupedBox(scene, groundFirst, false, &floor);
        scene.step(120);
        EXPECT_LT(box->position.y, -1.0f) << groundFirst;
        EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::begin)) << groundFirst;
        EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::keepBegin)) << groundFirst;
        EXPECT_EQ(0u, scene.world.getContactSize());
    }
    for (bool groundFirst : {true, false}) {
        PhysicsScene scene;
        StaticObject2D* floor = nullptr;
        DynamicObject2D* box = groupedBox(scene, groundFirst, true, &floor);
        scene.step(120);
        EXPECT_TRUE(restsOnGround(box)) << groundFirst;
        EXPECT_EQ(1, scene.world.hearing.count(ContactEvent::begin, box, floor)) << groundFirst;
    }
}

TEST(ContactGroups, CollisionSetsFilterOnlyWhenBothAreNonEmpty) {
    PhysicsScene scene;
    StaticObject2D* floor = ground(scene);
    floor->addCollisionGroup(1);
    DynamicObject2D* open = scene.box<DynamicObject2D>(vec2f32(-3.0f, 3.0f));
    DynamicObject2D* other = scene.box<DynamicObject2D>(vec2f32(3.0f, 3.0f));
    other->addCollisionGroup(2);
    scene.step(120);
    EXPECT_TRUE(restsOnGround(open));
    EXPECT_LT(other->position.y, -1.0f);
}

TEST(ContactLines, LineFifteenHoldsWhatLandsFromAboveAndLetsThroughWhatComesFromBelow) {
    for (bool lineFirst : {true, false}) {
        PhysicsScene scene;
        StaticObject2D* floor = lineFirst ? line(scene, 15) : nullptr;
        DynamicObject2D* landing = scene.box<DynamicObject2D>(vec2f32(-2.0f, 2.0f));
        DynamicObject2D* jumping = scene.box<DynamicObject2D>(vec2f32(2.0f, -1.0f));
        floor = floor ? floor : line(scene, 15);
        scene.world.setLinearVelocity(jumping, vec2f32(0.0f, 9.0f));
        scene.step(90);
        EXPECT_NEAR(0.5f, landing->position.y, 0.05f) << lineFirst;
        EXPECT_EQ(1, scene.world.hearing.count(ContactEvent::begin, landing, floor)) << lineFirst;
        EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::begin, jumping, floor)) << lineFirst;
        EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::keepBegin, jumping, floor));
    }
}

TEST(ContactLines, LineTwoHundredFortyHoldsWhatComesFromBelowAndLetsThroughWhatLands) {
    for (bool lineFirst : {true, false}) {
        PhysicsScene scene;
        scene.world.setGravity(0.0f, 9.8f);
        StaticObject2D* ceiling = lineFirst ? line(scene, 240) : nullptr;
        DynamicObject2D* rising = scene.box<DynamicObject2D>(vec2f32(-2.0f, -2.0f));
        DynamicObject2D* sinking = scene.box<DynamicObject2D>(vec2f32(2.0f, 1.0f));
        ceiling = ceiling ? ceiling : line(scene, 240);
        scene.world.setLinearVelocity(sinking, vec2f32(0.0f, -9.0f));
        scene.step(20);
        EXPECT_LT(sinking->position.y, -0.6f) << lineFirst;
        EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::begin, sinking, ceiling));
        scene.step(70);
        EXPECT_NEAR(-0.5f, rising->position.y, 0.05f) << lineFirst;
        EXPECT_EQ(1, scene.world.hearing.count(ContactEvent::begin, rising, ceiling));
    }
}

TEST(ContactLines, LineOfAnotherIDHoldsFromBothSides) {
    PhysicsScene scene;
    StaticObject2D* floor = line(scene, 0);
    DynamicObject2D* jumping = scene.box<DynamicObject2D>(vec2f32(2.0f, -1.0f));
    scene.world.setLinearVelocity(jumping, vec2f32(0.0f, 9.0f));
    scene.step(30);
    EXPECT_LT(jumping->position.y, 0.0f);
    EXPECT_EQ(1, scene.world.hearing.count(ContactEvent::begin, jumping, floor));
}

TEST(ContactSensors, SensorWithoutActivationSetHearsEveryObjectAndNeverPushes) {
    PhysicsScene scene;
    StaticSensor2D* sensor = scene.box<StaticSensor2D>(vec2f32(0.0f, 0.0f), size2f32(10.0f, 1.0f));
    DynamicObject2D* first = scene.box<DynamicObject2D>(vec2f32(-2.0f, 2.0f));
    DynamicObject2D* second = scene.box<DynamicObject2D>(vec2f32(2.0f, 2.0f));
    scene.step(120);
    EXPECT_LT(first->position.y, -2.0f);
    EXPECT_LT(second->position.y, -2.0f);
    for (DynamicObject2D* box : {first, second}) {
        const Hearing& heard = scene.world.hearing;
        EXPECT_EQ(1, heard.count(ContactEvent::sensorBegin, sensor, box));
        EXPECT_GT(heard.count(ContactEvent::sensorKeeping, sensor, box), 0);
        EXPECT_EQ(1, heard.count(ContactEvent::sensorEnd, sensor, box));
    }
    EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::begin));
    EXPECT_EQ(0, scene.world.hearing.count(ContactEvent::keepEnd));
}

TEST(ContactSensors, ActivationSetLimitsWhoSetsTheSensorOff) {
    PhysicsScene scene;
    StaticSensor2D* sensor = scene.box<StaticSensor2D>(vec2f32(0.0f, 0.0f), size2f32(10.0f, 1.0f));
    DynamicObject2D* chosen = scene.box<DynamicObject2D>(vec2f32(-2.0f, 2.0f));
    DynamicObject2D* other = scene.box<DynamicObject2D>(vec2f32(2.0f, 2.0f));
    sensor->addActivateObject(chosen);
    scene.step(120);
    const Hearing& heard = scene.world.hearing;
    EXPECT_EQ(1, heard.count(ContactEvent::sensorBegin, sensor, chosen));
    EXPECT_EQ(1, heard.count(ContactEvent::sensorEnd, sensor, chosen));
    EXPECT_EQ(0, heard.count(ContactEvent::sensorBegin, sensor, other));
    EXPECT_EQ(0, heard.count(ContactEvent::sensorKeeping, sensor, other));
    EXPECT_LT(other->position.y, -2.0f);
}

TEST(ContactSensors, PlainObjectMarkedAsSensorActsAsOneWithNoActivationSet) {
    PhysicsScene scene;
    StaticObject2D* marked = scene.make<StaticObject2D>(vec2f32(), size2f32(10.0f, 1.0f));
    PhysicsScene::addRectangle(marked, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    marked->sensor = true;
    scene.world.addObject(marked);
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    scene.step(120);
    EXPECT_EQ(1, scene.world.hearing.count(ContactEvent::sensorBegin, marked, box));
    EXPECT_LT(box->position.y, -2.0f);
}

TEST(ContactRecords, DisabledContactLetsObjectsPassUntilEnabledAgain) {
    Hearing hearing;
    Contact2D* seen = nullptr;
    ContactLog disabler(&hearing, [&seen](ContactEvent event, Contact2D* contact) {
        if (event == ContactEvent::begin) {
            seen = contact;
            contact->disableContact();
        }
    });
    PhysicsScene scene;
    scene.world.addContactCallback(&disabler);
    ground(scene);
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    while (!seen) {
        scene.step(1);
    }
    scene.step(4);
    EXPECT_LT(box->position.y, 0.9f);
    EXPECT_FALSE(seen->isEnabled());
    ASSERT_EQ(1u, scene.world.getContactSize());
    ASSERT_EQ(seen, scene.world.getContact(0));
    seen->enableContact();
    scene.step(90);
    EXPECT_TRUE(restsOnGround(box));
}

TEST(ContactRecords, RecordsAndObjectsAreTheSameWhetherOrNotAnyoneHears) {
    Hearing hearing;
    ContactLog log(&hearing);
    PlainScene unheard;
    PlainScene heard;
    heard.world.addContactCallback(&log);
    unsigned int most = 0;
    for (int step = 0; step < 120; step++) {
        unheard.world.nextStep(1.0f / 60.0f, 10, 10);
        heard.world.nextStep(1.0f / 60.0f, 10, 10);
        for (int i = 0; i < 5; i++) {
            PhysicObject2D* quiet = unheard.object(i);
            PhysicObject2D* loud = heard.object(i);
            ASSERT_EQ(loud->position, quiet->position) << step << " " << i;
            ASSERT_EQ(loud->angle, quiet->angle);
            ASSERT_EQ(loud->linearVelocity, quiet->linearVelocity);
            ASSERT_EQ(loud->speed, quiet->speed);
            ASSERT_EQ(loud->direction, quiet->direction);
            ASSERT_EQ(loud->linearVelocitySetted, quiet->linearVelocitySetted);
            // Read as a game reads it, which clears the mark.
            quiet->getLinearVelocity();
            loud->getLinearVelocity();
        }
        ASSERT_EQ(heard.world.getContactSize(), unheard.world.getContactSize());
        most = std::max(most, unheard.world.getContactSize());
        for (unsigned int c = 0; c < unheard.world.getContactSize(); c++) {
            Contact2D* quiet = unheard.world.getContact(c);
            Contact2D* loud = heard.world.getContact(c);
            ASSERT_EQ(heard.indexOf(loud->objectA), unheard.indexOf(quiet->objectA)) << step;
            ASSERT_EQ(heard.indexOf(loud->objectB), unheard.indexOf(quiet->objectB));
            ASSERT_EQ(loud->points, quiet->points);
            ASSERT_EQ(loud->speedA, quiet->speedA);
            ASSERT_EQ(loud->speedB, quiet->speedB);
            for (unsigned int p = 0; p < quiet->points; p++) {
                ASSERT_EQ(loud->positions.get(p), quiet->positions.get(p)) << step << " " << c;
                ASSERT_EQ(loud->positionsA.get(p), quiet->positionsA.get(p));
                ASSERT_EQ(loud->positionsB.get(p), quiet->positionsB.get(p));
                ASSERT_EQ(loud->impulses.get(p), quiet->impulses.get(p));
            }
        }
    }
    // The boxes landed, on the ground and on the slider.
    EXPECT_GE(most, 3u);
    EXPECT_GT(hearing.count(ContactEvent::keepEnd), 0);
}

TEST(ContactRecords, RecordsTellTheObjectsPolygonsPointsAndImpulses) {
    PhysicsScene scene;
    StaticObject2D* floor = scene.make<StaticObject2D>(vec2f32(), size2f32(10.0f, 1.0f));
    PhysicsScene::addCircle(floor, 0.1f, vec2f32(0.0f, -20.0f));
    PhysicsScene::addRectangle(floor, vec2f32(-0.5f, -0.5f), vec2f32(0.5f, 0.5f));
    scene.world.addObject(floor);
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    scene.step(90);
    ASSERT_EQ(1u, scene.world.getContactSize());
    Contact2D* record = scene.world.getContact(0);
    EXPECT_EQ(nullptr, scene.world.getContact(1));
    PhysicObject2D* boxSide = record->objectA == box ? record->objectA : record->objectB;
    EXPECT_EQ(box, boxSide);
    EXPECT_EQ(1u, record->objectA == floor ? record->polygonA : record->polygonB);
    EXPECT_EQ(2, record->points);
    EXPECT_EQ(2, record->getMaxPoints());
    EXPECT_EQ(2u, record->positions.size());
    EXPECT_EQ(2u, record->positionsA.size());
    EXPECT_EQ(2u, record->impulses.size());
    EXPECT_NEAR(0.5f, record->positions.get(0).y, 0.02f);
    EXPECT_GT(record->impulses.get(0) + record->impulses.get(1), 0.0f);
    vec2f32 onBox = record->objectA == box ? record->positionsA.get(0) : record->positionsB.get(0);
    EXPECT_NEAR(-0.5f, onBox.y, 0.02f);
    EXPECT_TRUE(record->isEnabled());
    EXPECT_NE(nullptr, record->getContactPointer());
    EXPECT_LT(record->objectA == box ? record->speedA : record->speedB, 0.1f);
}

TEST(ContactRecords, OneContactEndsWhenTheObjectLeavesTheWorld) {
    PhysicsScene scene;
    StaticObject2D* floor = ground(scene);
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    scene.step(90);
    ASSERT_EQ(1u, scene.world.getContactSize());
    ASSERT_TRUE(scene.world.removeObject(box));
    EXPECT_EQ(1, scene.world.hearing.count(ContactEvent::end, box, floor));
    EXPECT_EQ(0u, scene.world.getContactSize());
}

TEST(ContactCallbacks, WorldHearsFirstThenCallbacksByAscendingAddress) {
    std::vector<ContactLog> logs(3, ContactLog(nullptr));
    PhysicsScene scene;
    Hearing& hearing = scene.world.hearing;
    for (ContactLog& log : logs) {
        log.hearing = &hearing;
    }
    scene.world.addContactCallback(&logs[2]);
    scene.world.addContactCallback(&logs[0]);
    scene.world.addContactCallback(&logs[1]);
    EXPECT_FALSE(scene.world.addContactCallback(&logs[1]));
    EXPECT_FALSE(scene.world.addContactCallback(nullptr));
    EXPECT_FALSE(scene.world.removeContactCallback(nullptr));
    ground(scene);
    scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    scene.step(60);
    ASSERT_GT(hearing.events.size(), 8u);
    std::vector<const void*> expected = {&scene.world, &logs[0], &logs[1], &logs[2]};
    for (size_t i = 0; i + 4 <= hearing.events.size(); i += 4) {
        for (size_t k = 0; k < 4; k++) {
            EXPECT_EQ(expected[k], hearing.events[i + k].listener) << i + k;
            EXPECT_EQ(hearing.events[i].event, hearing.events[i + k].event);
        }
    }
    EXPECT_EQ(ContactEvent::begin, hearing.events[0].event);
    EXPECT_EQ(ContactEvent::keepBegin, hearing.events[4].event);
    EXPECT_EQ(ContactEvent::keepEnd, hearing.events[8].event);

    EXPECT_TRUE(scene.world.removeContactCallback(&logs[0]));
    EXPECT_FALSE(scene.world.removeContactCallback(&logs[0]));
    hearing.clear();
    scene.step(1);
    EXPECT_EQ(0, std::count_if(hearing.events.begin(), hearing.events.end(),
                               [&logs](const zelk::test::HeardContact& heard) {
                                   return heard.listener == &logs[0];
                               }));
}

TEST(ContactCallbacks, ACallbackTakenOutDuringADispatchIsSkipped) {
    Hearing hearing;
    std::vector<ContactLog> logs(2, ContactLog(&hearing));
    PhysicsScene scene;
    logs[0].action = [&](ContactEvent, Contact2D*) { scene.world.removeContactCallback(&logs[1]); };
    scene.world.addContactCallback(&logs[0]);
    scene.world.addContactCallback(&logs[1]);
    ground(scene);
    scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    scene.step(60);
    EXPECT_GT(hearing.events.size(), 0u);
    for (const zelk::test::HeardContact& heard : hearing.events) {
        EXPECT_EQ(&logs[0], heard.listener);
    }
}

TEST(ContactCallbacks, NothingIsMadeOrDestroyedFromInsideAContactEvent) {
    Hearing hearing;
    ContactLog meddler(&hearing);
    PhysicsScene scene;
    StaticObject2D* floor = ground(scene);
    DynamicObject2D* box = scene.box<DynamicObject2D>(vec2f32(0.0f, 2.0f));
    DynamicObject2D* spare = scene.make<DynamicObject2D>(vec2f32(5.0f, 5.0f));
    PhysicsScene::addCircle(spare, 0.5f);
    int tried = 0;
    meddler.action = [&](ContactEvent, Contact2D*) {
        tried++;
        EXPECT_FALSE(scene.world.addObject(spare));
        EXPECT_FALSE(scene.world.removeObject(box));
        EXPECT_FALSE(scene.world.removeObject(floor));
        scene.world.removeAllObjects();
        scene.world.nextStep(1.0f, 10, 10);
        scene.world.stepElapsed(1000000, 10, 10);
    };
    scene.world.addContactCallback(&meddler);
    scene.step(60);
    EXPECT_GT(tried, 0);
    EXPECT_TRUE(scene.world.haveObject(box));
    EXPECT_TRUE(scene.world.haveObject(floor));
    EXPECT_FALSE(scene.world.haveObject(spare));
    EXPECT_TRUE(restsOnGround(box));

    // The end of a touch is heard while the box leaves the world, outside
    // any step: the world still refuses changes then.
    tried = 0;
    EXPECT_TRUE(scene.world.removeObject(box));
    EXPECT_EQ(1, tried);
    EXPECT_TRUE(scene.world.haveObject(floor));
    EXPECT_EQ(1, scene.world.box2D()->GetBodyCount());
    EXPECT_TRUE(scene.world.addObject(spare));
}
