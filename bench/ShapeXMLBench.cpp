// Reading the XML forms of polygons and polygon lists: the time should grow
// with the elements a document holds, one walk over them, and never with a
// count it claims.
#include "zelk/XML.h"
#include "zelk/shape/Polygon2D.h"
#include "zelk/shape/Polygon2DList.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string vertexElements(int count) {
    std::string text;
    for (int k = 0; k < count; k++) {
        text += "<Vertex_" + std::to_string(k) + " type=\"1\" x=\"" + std::to_string(k) + ".0\"/>";
    }
    return text;
}

std::string polygonElement(int id) {
    return "<polygon_" + std::to_string(id) + " vCount=\"3\">polygon" + vertexElements(3) +
           "</polygon_" + std::to_string(id) + ">";
}

void ReadPolygonOfManyVertices(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    std::string text = "<root><polygon_0 vCount=\"" + std::to_string(count) + "\">polygon" +
                       vertexElements(count) + "</polygon_0></root>";
    zelk::XML xml(text.c_str());
    xml.selectRoot();
    zelk::shape::Polygon2D polygon;
    for (auto _ : state) {
        benchmark::DoNotOptimize(polygon.readFromXML(&xml, 0));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadPolygonOfManyVertices)->RangeMultiplier(4)->Range(1 << 8, 1 << 16)->Complexity();

void ReadListOfManyPolygons(benchmark::State& state) {
    int count = static_cast<int>(state.range(0));
    std::string text = "<root><mesh_0 pCount=\"16777216\">";
    for (int id = 0; id < count; id++) {
        text += polygonElement(id);
    }
    text += "</mesh_0></root>";
    zelk::XML xml(text.c_str());
    xml.selectRoot();
    zelk::shape::Polygon2DList list;
    for (auto _ : state) {
        benchmark::DoNotOptimize(list.readFromXML(&xml, 0));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadListOfManyPolygons)->RangeMultiplier(4)->Range(1 << 6, 1 << 12)->Complexity();

} // namespace
