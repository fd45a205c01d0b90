// Loading and walking a generated 10 MB scene document through zelk::XML
// against pugixml used directly. The load through zelk::XML should stay
// within 1.1 times pugixml's own.

#include "zelk/XML.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <pugixml.hpp>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A scene like the ones the engine saves: levels of objects, each with
// meshes of polygons of vertices, numbers as attributes.
std::string makeScene(size_t targetBytes) {
    std::string xml = "<?xml version=\"1.0\"?>\n<Cenario_0>\n\t<levels>4</levels>\n";
    unsigned int object = 0;
    while (xml.size() < targetBytes) {
        unsigned int level = object % 4;
        xml += "\t<object_" + std::to_string(object) + " level=\"" + std::to_string(level) +
               "\" x=\"12.5\" y=\"-3.25\" angle=\"1.10000002\">\n";
        xml += "\t\t<mesh_0>\n\t\t\t<polygon_0 density=\"1.0\" friction=\"0.30000001\">\n";
        for (unsigned int v = 0; v < 4; ++v) {
            xml += "\t\t\t\t<Vertex_" + std::to_string(v) + " x=\"" + std::to_string(v) +
                   ".5\" y=\"0.1\" u=\"0.0\" v=\"1.0\" r=\"1.0\" g=\"1.0\" b=\"1.0\"/>\n";
        }
        xml += "\t\t\t</polygon_0>\n\t\t</mesh_0>\n\t\t<texture_0>image.png</texture_0>\n";
        xml += "\t</object_" + std::to_string(object) + ">\n";
        ++object;
    }
    xml += "</Cenario_0>\n";
    return xml;
}

// The scene on disk for the whole run.
class SceneFile {
public:
    SceneFile() {
        char name[] = "/tmp/zelk-xmlbench-XXXXXX";
        int fd = mkstemp(name);
        if (fd >= 0) {
            path = name;
            std::string scene = makeScene(10u * 1024u * 1024u);
            ssize_t written = write(fd, scene.data(), scene.size());
            (void)written;
            close(fd);
        }
    }
    ~SceneFile() {
        if (!path.empty())
            std::remove(path.c_str());
    }
    std::string path;
};

const SceneFile& scene() {
    static SceneFile file;
    return file;
}

class Counter : public zelk::XML {
public:
    void didStartElement(char*, char**, char**, unsigned int count) override {
        ++elements;
        attributes += count;
    }
    void foundCharacters(char*, char*) override { ++texts; }
    size_t elements = 0;
    size_t attributes = 0;
    size_t texts = 0;
};

void countPugi(pugi::xml_node node, size_t& elements, size_t& attributes) {
    std::vector<pugi::xml_node> open;
    while (node || !open.empty()) {
        if (!node) {
            node = open.back().next_sibling();
            open.pop_back();
            continue;
        }
        if (node.type() == pugi::node_element) {
            ++elements;
            for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
                ++attributes;
        }
        open.push_back(node);
        node = node.first_child();
    }
}

void BM_LoadPugixml(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        bool ok = document.load_file(scene().path.c_str(), 116, pugi::encoding_auto);
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_LoadPugixml)->Unit(benchmark::kMillisecond);

void BM_LoadZelkXML(benchmark::State& state) {
    for (auto _ : state) {
        zelk::XML xml;
        bool ok = xml.loadFile(scene().path.c_str());
        benchmark::DoNotOptimize(ok);
    }
}
BENCHMARK(BM_LoadZelkXML)->Unit(benchmark::kMillisecond);

void BM_LoadAndWalkPugixml(benchmark::State& state) {
    for (auto _ : state) {
        pugi::xml_document document;
        document.load_file(scene().path.c_str(), 116, pugi::encoding_auto);
        size_t elements = 0;
        size_t attributes = 0;
        countPugi(document.first_child(), elements, attributes);
        benchmark::DoNotOptimize(elements);
        benchmark::DoNotOptimize(attributes);
    }
}
BENCHMARK(BM_LoadAndWalkPugixml)->Unit(benchmark::kMillisecond);

void BM_LoadAndWalkZelkXML(benchmark::State& state) {
    for (auto _ : state) {
        Counter xml;
        xml.parseFile(scene().path.c_str());
        benchmark::DoNotOptimize(xml.elements);
        benchmark::DoNotOptimize(xml.attributes);
    }
}
BENCHMARK(BM_LoadAndWalkZelkXML)->Unit(benchmark::kMillisecond);

} // namespace
