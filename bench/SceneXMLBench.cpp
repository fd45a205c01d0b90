// Writing and reading a scene document of physics objects spread over 8
// levels (each object a physics box with one drawn square), beside pugixml
// saving and loading the same file alone. Reading includes putting every
// object into the world. The engine's share is the scene's time minus
// pugixml's; it should grow no faster than the object count (compare
// 1,000 with 10,000). SceneLoadWorld times the world's part of reading
// alone: taking every object out of the world and putting it in again.
#include "zelk/Cenario2D.h"
#include "zelk/XML.h"
#include "zelk/physics2D/PhysicObject2D.h"
#include "zelk/shape/Polygon2D.h"

#include <benchmark/benchmark.h>
#include <pugixml.hpp>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

const unsigned int levelCount = 8;

std::string documentPath(int objects) {
    return (std::filesystem::temp_directory_path() /
            ("zelk-scene-bench-" + std::to_string(objects) + ".xml"))
        .string();
}

// A centred unit square.
void makeSquare(zelk::shape::Polygon2D* polygon) {
    polygon->createPolygon(4);
    polygon->setVertexPosition(0, -0.5f, -0.5f);
    polygon->setVertexPosition(1, 0.5f, -0.5f);
    polygon->setVertexPosition(2, 0.5f, 0.5f);
    polygon->setVertexPosition(3, -0.5f, 0.5f);
    polygon->setPolygonColor(0.5f, 0.5f, 1.0f, 1.0f);
}

void build(zelk::Cenario2D& scene, int objects) {
    zelk::shape::Polygon2D shape;
    makeSquare(&shape);
    for (int i = 0; i < objects; i++) {
        unsigned int level = 1 + static_cast<unsigned int>(i) % levelCount;
        zelk::physics::bodyType type =
            i % 2 ? zelk::physics::dynamicBody : zelk::physics::staticBody;
        zelk::physics2D::PhysicObject2D* object = scene.newPhysycObject(level, type);
        object->position = zelk::vec2f32(1.5f * static_cast<float>(i % 100), 1.5f * (i / 100));
        object->physicsMesh.addPolygon(shape);
        object->newMesh(nullptr)->addPolygon(shape);
    }
    scene.loadPhysicObjectsToWorld();
}

// The documents written, removed when the program ends.
struct Documents {
    ~Documents() {
        for (const std::string& path : paths) {
            std::remove(path.c_str());
        }
    }
    std::string paths[2];
};

// The document of that many objects, written once per size.
const std::string& document(int objects) {
    static Documents written;
    std::string& path = written.paths[objects > 1000 ? 1 : 0];
    if (path.empty()) {
        zelk::Cenario2D scene;
        build(scene, objects);
        zelk::XML xml;
        scene.writeToXML(&xml, 0);
        path = documentPath(objects);
        xml.saveToFile(path.c_str());
    }
    return path;
}

void SceneWrite(benchmark::State& state) {
    int objects = static_cast<int>(state.range(0));
    zelk::Cenario2D scene;
    build(scene, objects);
    std::string path = documentPath(objects) + ".out";
    for (auto _ : state) {
        zelk::XML xml;
        scene.writeToXML(&xml, 0);
        benchmark::DoNotOptimize(xml.saveToFile(path.c_str()));
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * objects);
}

void SceneRead(benchmark::State& state) {
    int objects = static_cast<int>(state.range(0));
    const std::string& path = document(objects);
    for (auto _ : state) {
        zelk::XML xml;
        xml.loadFile(path.c_str());
        zelk::Cenario2D scene;
        benchmark::DoNotOptimize(scene.readFromXML(&xml, 0));
        state.PauseTiming();
        if (scene.world.getStaticObjectsSize() + scene.world.getDynamicObjectsSize() !=
            static_cast<unsigned int>(objects)) {
            state.SkipWithError("the document did not come back whole");
        }
        scene.deleteAllLevels();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * objects);
}

// The part of reading that puts every object into the world afresh, done
// by the world's own records.
void SceneLoadWorld(benchmark::State& state) {
    int objects = static_cast<int>(state.range(0));
    zelk::XML xml;
    xml.loadFile(document(objects).c_str());
    zelk::Cenario2D scene;
    scene.readFromXML(&xml, 0);
    for (auto _ : state) {
        scene.loadPhysicObjectsToWorld();
    }
    state.SetItemsProcessed(state.iterations() * objects);
}

void PugiSave(benchmark::State& state) {
    int objects = static_cast<int>(state.range(0));
    pugi::xml_document loaded;
    loaded.load_file(document(objects).c_str());
    std::string path = documentPath(objects) + ".pugi";
    for (auto _ : state) {
        benchmark::DoNotOptimize(loaded.save_file(path.c_str(), "\t"));
    }
    std::remove(path.c_str());
    state.SetItemsProcessed(state.iterations() * objects);
}

void PugiLoad(benchmark::State& state) {
    int objects = static_cast<int>(state.range(0));
    const std::string& path = document(objects);
    for (auto _ : state) {
        pugi::xml_document loaded;
        benchmark::DoNotOptimize(loaded.load_file(path.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * objects);
}

BENCHMARK(SceneWrite)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PugiSave)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneRead)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(SceneLoadWorld)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(PugiLoad)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
