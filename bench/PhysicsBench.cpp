// 1,000 dynamic boxes fall onto a static ground for 600 steps of 1/60 s with
// 10 velocity and 10 position iterations, once through World2D and once
// through Box2D directly; only the steps are timed. The counter "height" is
// the boxes' summed height at the end, the same in both when the engine
// passes the scene through unchanged.
#include "zelk/physics2D/DynamicObject2D.h"
#include "zelk/physics2D/StaticObject2D.h"
#include "zelk/physics2D/World2D.h"
#include "zelk/shape/Polygon2D.h"

#include <benchmark/benchmark.h>
#include <box2d/box2d.h>

#include <memory>
#include <vector>

using zelk::vec2f32;
using zelk::physics2D::DynamicObject2D;
using zelk::physics2D::PhysicObject2D;
using zelk::physics2D::StaticObject2D;
using zelk::physics2D::World2D;

namespace {

const int columns = 40;
const int rows = 25;
const int steps = 600;
const float dt = 1.0f / 60.0f;
const float friction = 0.6f;
const vec2f32 groundHalfSize(50.0f, 1.0f);

vec2f32 boxPosition(int column, int row) {
    return vec2f32(-30.0f + 1.5f * static_cast<float>(column),
                   3.0f + 1.5f * static_cast<float>(row));
}

// A centred unit box in the object's space, scaled by the object's size.
void giveBox(PhysicObject2D* object, vec2f32 position, float width, float height) {
    zelk::shape::Polygon2D corners(2);
    corners.setVertexPosition(0, -0.5f, -0.5f);
    corners.setVertexPosition(1, 0.5f, 0.5f);
    corners.setFriction(friction);
    object->physicsMesh.addPolygon(corners);
    object->position = position;
    object->size = zelk::size2f32(width, height);
}

void BM_World2D(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World2D>();
        StaticObject2D ground;
        giveBox(&ground, vec2f32(0.0f, 0.0f), 2 * groundHalfSize.x, 2 * groundHalfSize.y);
        world->addObject(&ground);
        std::vector<std::unique_ptr<DynamicObject2D>> boxes;
        for (int row = 0; row < rows; row++) {
            for (int column = 0; column < columns; column++) {
                boxes.push_back(std::make_unique<DynamicObject2D>());
                giveBox(boxes.back().get(), boxPosition(column, row), 1.0f, 1.0f);
                world->addObject(boxes.back().get());
            }
        }
        state.ResumeTiming();
        for (int step = 0; step < steps; step++) {
            world->nextStep(dt, 10, 10);
        }
        state.PauseTiming();
        double height = 0;
        for (auto& box : boxes) {
            height += box->position.y;
        }
        state.counters["height"] = height;
        world.reset();
        state.ResumeTiming();
    }
}

void BM_Box2D(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<b2World>(b2Vec2(0.0f, -9.8f));
        b2BodyDef groundDefinition;
        b2Body* ground = world->CreateBody(&groundDefinition);
        b2PolygonShape groundShape;
        groundShape.SetAsBox(groundHalfSize.x, groundHalfSize.y);
        b2FixtureDef groundFixture;
        groundFixture.shape = &groundShape;
        groundFixture.friction = friction;
        ground->CreateFixture(&groundFixture);
        std::vector<b2Body*> boxes;
        b2PolygonShape boxShape;
        boxShape.SetAsBox(0.5f, 0.5f);
        for (int row = 0; row < rows; row++) {
            for (int column = 0; column < columns; column++) {
                b2BodyDef definition;
                definition.type = b2_dynamicBody;
                vec2f32 position = boxPosition(column, row);
                definition.position.Set(position.x, position.y);
                b2Body* box = world->CreateBody(&definition);
                b2FixtureDef fixture;
                fixture.shape = &boxShape;
                fixture.density = 1.0f;
                fixture.friction = friction;
                box->CreateFixture(&fixture);
                boxes.push_back(box);
            }
        }
        state.ResumeTiming();
        for (int step = 0; step < steps; step++) {
            world->Step(dt, 10, 10);
        }
        state.PauseTiming();
        double height = 0;
        for (b2Body* box : boxes) {
            height += box->GetPosition().y;
        }
        state.counters["height"] = height;
        world.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_Box2D)->Unit(benchmark::kMillisecond)->MinTime(5.0);
BENCHMARK(BM_World2D)->Unit(benchmark::kMillisecond)->MinTime(5.0);
