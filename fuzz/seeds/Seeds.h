#ifndef ZELK_FUZZ_SEEDS_SEEDS_H
#define ZELK_FUZZ_SEEDS_SEEDS_H

#include "zelk/XML.h"

#include <functional>
#include <string>
#include <vector>

namespace zelk {
namespace fuzz {

// Where the seeds of one target go: a folder named after the target, made
// when missing.
class SeedFolder {
public:
    SeedFolder(const std::string& root, const std::string& target);

    // The bytes as the seed file of that name.
    bool write(const std::string& name, const std::vector<unsigned char>& bytes);
    bool write(const std::string& name, const std::string& text);
    // A document "<root>...</root>" filled by the writer with its root
    // selected, saved as the seed file of that name.
    bool writeDocument(const std::string& name, const std::function<void(XML*)>& fill);
    // The whole file at that path, copied in as the seed of that name.
    bool copyFile(const std::string& name, const std::string& path);

    const std::string path;
};

// The seed families; each answers false when a seed could not be written.
bool writeShapeSeeds(const std::string& root);
bool writeAnimationSeeds(const std::string& root);
bool writePhysicsSeeds(const std::string& root);
bool writeTileSeeds(const std::string& root);
bool writeBVHSeeds(const std::string& root);
bool writeImageSeeds(const std::string& root);
bool writePackageSeeds(const std::string& root);
bool writeNumberSeeds(const std::string& root);
bool writeSceneSeeds(const std::string& root);

} // namespace fuzz
} // namespace zelk

#endif
