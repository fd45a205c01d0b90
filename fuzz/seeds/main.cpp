// fuzzseeds FOLDER: writes the seed corpus of every fuzz target, each in
// FOLDER/<target>/, with the engine's own writers.
#include "Seeds.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzzseeds FOLDER\n");
        return 2;
    }
    std::string root = argv[1];
    using namespace zelk::fuzz;
    bool (*families[])(const std::string&) = {
        writeShapeSeeds, writeAnimationSeeds, writePhysicsSeeds, writeTileSeeds, writeBVHSeeds,
        writeImageSeeds, writePackageSeeds,   writeNumberSeeds,  writeSceneSeeds};
    int failed = 0;
    for (auto family : families) {
        failed += family(root) ? 0 : 1;
    }
    if (failed != 0) {
        std::fprintf(stderr, "fuzzseeds: some seeds could not be written in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
